#include "expr/formelwert.h"

#include "core/zahltext.h"
#include "expr/formelwert_programm.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

namespace orbisto {

// Sign set, exponent 43FE, mantissa F2168983B9DBB273: the mantissa as a whole number
// times 2^(1023 - 63) gives exactly that pattern.
const long double Fehlerwert = -0xF2168983B9DBB273p960L;

namespace {

FormelFehlerHaken& haken()
{
    static FormelFehlerHaken h;
    return h;
}

// Callers evaluate one or a few formulas at many points, so a handful of recently used
// texts are checked before the table. The table is bounded and simply starts afresh when
// full; programs it holds stay put while evaluations are running (a hook may evaluate).
constexpr std::size_t MaxEintraege = 256;
constexpr std::size_t MaxBytes = std::size_t(16) << 20;

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct Tabelle {
    std::unordered_map<std::string, std::unique_ptr<FormelProgramm>, TextHash, std::equal_to<>> programme;
    std::size_t bytes = 0;
};

struct Zuletzt {
    const char* text;
    std::size_t laenge;
    const FormelProgramm* programm;
};

// Per thread, so nothing needs a lock; the trivial ones cost no initialisation check.
thread_local Tabelle tabelle;
thread_local Zuletzt zuletzt[4];
thread_local unsigned naechsterPlatz;
thread_local int laufend;  // evaluations in progress on this thread

long double ausfuehren(const FormelProgramm& p, const long double& x)
{
    struct Zaehler {
        Zaehler() { ++laufend; }
        ~Zaehler() { --laufend; }
    } zaehler;
    return FormelAusfuehren(p, x);
}

void merken(const std::string& text, const FormelProgramm* p)
{
    zuletzt[naechsterPlatz++ % std::size(zuletzt)] = {text.data(), text.size(), p};
}

long double nachschlagen(std::string_view formel, const long double& x)
{
    Tabelle& t = tabelle;
    if (const auto it = t.programme.find(formel); it != t.programme.end()) {
        merken(it->first, it->second.get());
        return ausfuehren(*it->second, x);
    }
    auto p = std::make_unique<FormelProgramm>(FormelUebersetzen(formel));
    const std::size_t bytes = p->Bytes() + 2 * formel.size() + 64;
    if (bytes > MaxBytes / 4)
        return ausfuehren(*p, x);  // too big to keep
    if (t.programme.size() >= MaxEintraege || t.bytes + bytes > MaxBytes) {
        if (laufend > 0)
            return ausfuehren(*p, x);  // an outer evaluation may be running one of them
        t.programme.clear();
        t.bytes = 0;
        for (Zuletzt& z : zuletzt)
            z = {};
    }
    const auto neu = t.programme.emplace(std::string(formel), std::move(p)).first;
    t.bytes += bytes;
    merken(neu->first, neu->second.get());
    return ausfuehren(*neu->second, x);
}

}  // namespace

void FormelFehlerMelden(const std::string& meldung)
{
    if (haken())
        haken()(meldung);
}

FormelFehlerHaken FormelFehlerHakenSetzen(FormelFehlerHaken neu) { return std::exchange(haken(), std::move(neu)); }

long double Ln(long double a)
{
    if (a < 1E-15L) {
        FormelFehlerMelden("Logarithmus von " + ZahlText(a));
        return Fehlerwert;
    }
    return std::log(a);
}

long double Potenz(long double b, long double e) { return PotenzMit(b, e, PotenzEinordnen(e)); }

PotenzArt PotenzEinordnen(long double e)
{
    PotenzArt art{PotenzArt::Allgemein, e > 0};
    const long double f = std::fabs(e) + 1E-18L;
    if (e == 0) {
        art.fall = PotenzArt::Eins;
    } else if (f - std::trunc(f) < 2E-18L && std::fabs(e) <= 2147483647.0L) {
        art.fall = PotenzArt::Ganz;
        art.ganz = std::llrint(e);
    }
    return art;
}

long double PotenzAllgemein(long double b, long double e)
{
    if (b > 0)
        return std::exp(e * std::log(b));
    FormelFehlerMelden("Potenzieren");
    return Fehlerwert;
}

long double Fakultaet(long double a)
{
    // The product a * (a-1) * ... taken from the smallest factor up, as the recursive
    // definition multiplies. Beyond 2000 it overflows for certain, and a - 1 stops
    // changing a at all for huge a, so those go straight to infinity.
    if (!(a > 1))
        return 1;
    if (a > 2000)
        return std::numeric_limits<long double>::infinity();
    int kleinster = 0;  // a - j is exact here, for every j
    while (a - (kleinster + 1) > 1)
        ++kleinster;
    long double r = 1;
    for (int j = kleinster; j >= 0 && !std::isinf(r); --j)
        r = (a - j) * r;
    return r;
}

long double FormelWert(std::string_view formel, long double x)
{
    for (const Zuletzt& z : zuletzt)
        if (z.programm && std::string_view(z.text, z.laenge) == formel)
            return ausfuehren(*z.programm, x);
    return nachschlagen(formel, x);
}

}  // namespace orbisto
