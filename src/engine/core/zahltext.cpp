#include "core/zahltext.h"

#include "core/zitat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace orbisto {

namespace {

std::string fehlerText(std::string_view text) { return Zitat(text) + " ist kein gültiger Gleitkommawert"; }

bool istLeer(char c) { return c == ' ' || c == '\t'; }

// Drops trailing zeros of a digit string after the decimal point (and the point).
void ohneEndNullen(std::string& ziffern)
{
    if (ziffern.find('.') == std::string::npos)
        return;
    while (!ziffern.empty() && ziffern.back() == '0')
        ziffern.pop_back();
    if (!ziffern.empty() && ziffern.back() == '.')
        ziffern.pop_back();
}

void kommaStattPunkt(std::string& s)
{
    for (char& c : s)
        if (c == '.')
            c = ',';
}

}  // namespace

KonvertierungsFehler::KonvertierungsFehler(std::string_view text) : std::runtime_error(fehlerText(text)), text_(text) {}

std::string ZahlText(long double v)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    if (v == 0)
        return "0";

    // Round to 15 significant digits first; the rounded exponent decides the notation.
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    std::string s(buf, r.ptr);
    const auto ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string mantisse = s.substr(0, ePos);
    const bool negativ = mantisse[0] == '-';
    if (negativ)
        mantisse.erase(0, 1);

    std::string ergebnis;
    if (exponent >= -4 && exponent < 15) {
        std::string ziffern;  // the 15 significant digits without the point
        for (char c : mantisse)
            if (c != '.')
                ziffern += c;
        if (exponent >= 0) {
            ergebnis = ziffern.substr(0, exponent + 1) + "." + ziffern.substr(exponent + 1);
        } else {
            ergebnis = "0." + std::string(-exponent - 1, '0') + ziffern;
        }
        ohneEndNullen(ergebnis);
    } else {
        ohneEndNullen(mantisse);
        ergebnis = mantisse + "E" + std::to_string(exponent);
    }
    kommaStattPunkt(ergebnis);
    return negativ ? "-" + ergebnis : ergebnis;
}

std::string ZahlTextFix(long double v, int dezimalen)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    char buf[5000];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, dezimalen);
    if (r.ec != std::errc())
        return ZahlText(v);
    std::string s(buf, r.ptr);
    kommaStattPunkt(s);
    // "-0,00" reads oddly; a value that rounds to zero shows without a sign.
    if (s[0] == '-' && s.find_first_not_of("-0,") == std::string::npos)
        s.erase(0, 1);
    return s;
}

bool TextZahlVersuch(std::string_view text, long double& wert)
{
    std::size_t a = 0, e = text.size();
    while (a < e && istLeer(text[a]))
        ++a;
    while (e > a && istLeer(text[e - 1]))
        --e;

    // Check the shape strictly, building the C form with a point for from_chars.
    std::string c;
    std::size_t i = a;
    bool negativ = false;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    int ziffern = 0;
    int fuehrendeStellen = 0;  // digits before the comma, leading zeros excluded
    int nullenNachKomma = 0;   // zeros right after the comma before the first other digit
    bool komma = false, ersteZifferGesehen = false;
    for (; i < e; ++i) {
        const char z = text[i];
        if (z >= '0' && z <= '9') {
            ++ziffern;
            if (z != '0')
                ersteZifferGesehen = true;
            if (!komma && ersteZifferGesehen)
                ++fuehrendeStellen;
            if (komma && !ersteZifferGesehen)
                ++nullenNachKomma;
            c += z;
        } else if (z == ',' && !komma) {
            komma = true;
            c += '.';
        } else {
            break;
        }
    }
    if (ziffern == 0)
        return false;
    long long exponent = 0;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-'))
            c += text[i++];
        int expZiffern = 0;
        bool expNegativ = !c.empty() && c.back() == '-';
        for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i, ++expZiffern) {
            c += text[i];
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (expZiffern == 0)
            return false;
        if (expNegativ)
            exponent = -exponent;
    }
    if (i != e)
        return false;

    long double v = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), v, std::chars_format::general);
    if (r.ptr != c.data() + c.size())
        return false;
    if (r.ec == std::errc::result_out_of_range) {
        if (!ersteZifferGesehen) {
            v = 0;
        } else {
            // Decimal magnitude of the number decides between overflow and underflow.
            const long long groesse = exponent + (fuehrendeStellen > 0 ? fuehrendeStellen : -nullenNachKomma);
            if (groesse > 0)
                return false;
            v = 0;
        }
    } else if (r.ec != std::errc()) {
        return false;
    }
    wert = negativ ? -v : v;
    return true;
}

long double TextZahl(std::string_view text)
{
    long double v = 0;
    if (!TextZahlVersuch(text, v))
        throw KonvertierungsFehler(text);
    return v;
}

long double RundenGerade(long double v) { return std::nearbyint(v); }

std::int64_t Runden(long double v) { return static_cast<std::int64_t>(std::nearbyint(v)); }

long double RundenHundertstel(long double v) { return std::nearbyint(v * 100) / 100; }

std::string HundertstelText(long double v) { return ZahlText(RundenHundertstel(v)); }

}  // namespace orbisto
