#include "objects/objektdatei.h"

#include "core/cp1252.h"
#include "core/dateien.h"
#include "core/zitat.h"
#include "objects/objektzeichnen.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace orbisto {

namespace {

constexpr char Trenner = '|';

std::string Zeile(std::size_t nr) { return "Zeile " + std::to_string(nr); }

// A signed decimal integer with optional blanks around, as the program's number texts allow.
// Leaves `wert` unset and returns false when the text is not one; `zuGross` tells an integer
// beyond 32 bits from other text.
bool GanzzahlLesen(std::string_view text, std::int32_t& wert, bool& zuGross)
{
    zuGross = false;
    const auto leer = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && leer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && leer(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);  // from_chars takes '-' only
    const std::size_t ziffern = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() == ziffern || text.find_first_not_of("0123456789", ziffern) != std::string_view::npos)
        return false;
    const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), wert);
    zuGross = r.ec == std::errc::result_out_of_range;
    return r.ec == std::errc{};
}

void FeldLaengePruefen(std::string_view text, const std::string& wo)
{
    if (text.size() > FeldLaengeMax)
        throw ObjektdateiFehler(wo + ": Der Text ist mit " + std::to_string(text.size()) +
                                " Bytes zu lang; ein Feld einer Objektliste hat höchstens " +
                                std::to_string(FeldLaengeMax) + " Bytes");
}

t3DObjekt EintragLesen(std::string rest, std::size_t nr)
{
    const std::string farbtext = TokenAbspalten(rest, Trenner);
    std::int32_t farbe = 0;
    bool zuGross = false;
    if (!GanzzahlLesen(farbtext, farbe, zuGross)) {
        if (zuGross)
            throw ObjektdateiFehler(Zeile(nr) + ": Die Farbe " + Zitat(farbtext) +
                                    " liegt außerhalb von -2147483648 bis 2147483647");
        throw ObjektdateiFehler(Zeile(nr) + ": " + Zitat(farbtext) + " ist kein gültiger Ganzzahlwert");
    }
    t3DObjekt o;
    o.FarbeSetzen(static_cast<std::uint32_t>(farbe));  // negative values wrap, and are written back alike
    o.Orig = TokenAbspalten(rest, Trenner) != "0";
    o.Typname = TokenAbspalten(rest, Trenner);
    FeldLaengePruefen(o.Typname, Zeile(nr) + ", Typname");
    for (std::size_t k = 0; k < o.Parameter.size() && !rest.empty(); ++k) {
        o.Parameter[k] = TokenAbspalten(rest, Trenner);
        FeldLaengePruefen(o.Parameter[k], Zeile(nr) + ", Parameter " + std::to_string(k + 1));
    }
    if (!rest.empty())
        throw ObjektdateiFehler(Zeile(nr) + " hat mehr als " + std::to_string(ParameterMax) + " Parameter");
    if (const std::optional<std::string> fehler = AufwandPruefen(o))
        throw ObjektdateiFehler(Zeile(nr) + ": " + *fehler);
    return o;
}

// A text the format cannot carry would come back as a different list, or not at all.
void FeldPruefen(std::string_view text, std::int32_t eintrag, const std::string& feld)
{
    const std::string wo = "Eintrag " + std::to_string(eintrag) + ", " + feld + ": ";
    const std::string_view nicht = " kann in einer Objektliste nicht gespeichert werden";
    if (text.find(Trenner) != std::string_view::npos)
        throw ObjektdateiFehler(wo + "Das Zeichen '|'" + std::string(nicht));
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw ObjektdateiFehler(wo + "Ein Zeilenumbruch" + std::string(nicht));
    if (text.find('\0') != std::string_view::npos)
        throw ObjektdateiFehler(wo + "Ein Nullzeichen" + std::string(nicht));
    if (!IsValidUtf8(text))
        throw ObjektdateiFehler(wo + "Der Text ist kein gültiges UTF-8");
    FeldLaengePruefen(text, wo.substr(0, wo.size() - 2));
}

}  // namespace

std::string TokenAbspalten(std::string& rest, char trenner)
{
    const std::size_t p = rest.find(trenner);
    if (p == std::string::npos) {
        std::string feld = std::move(rest);
        rest.clear();
        return feld;
    }
    std::string feld = rest.substr(0, p);
    rest.erase(0, p + 1);
    return feld;
}

std::string ObjektlisteText(const tObjektliste& liste)
{
    std::string text(ObjektlisteKopf);
    text += "\r\n";
    for (std::int32_t i = 1; i <= liste.ObjektAnzahl(); ++i) {
        const t3DObjekt& o = liste[i];
        FeldPruefen(o.Typname, i, "Typname");
        text += std::to_string(static_cast<std::int32_t>(o.Farbe()));
        text += o.Orig ? "|1|" : "|0|";
        text += o.Typname;
        for (std::size_t k = 0; k < o.Parameter.size(); ++k) {
            FeldPruefen(o.Parameter[k], i, "Parameter " + std::to_string(k + 1));
            text += Trenner;
            text += o.Parameter[k];
        }
        text += "\r\n";
    }
    // Windows-1252 where it holds the text, but not where its bytes would also read as
    // UTF-8 (as "Ã¤" would): the reader would take them for UTF-8 and change the text.
    std::optional<std::string> cp1252 = ToCp1252Lossless(text);
    if (cp1252 && (*cp1252 == text || !IsValidUtf8(*cp1252)))
        return std::move(*cp1252);
    return text;
}

tObjektliste ObjektlisteLesen(std::string_view bytes)
{
    if (bytes.size() > ObjektdateiGroesseMax)
        throw ObjektdateiFehler("Die Datei ist zu groß für eine Objektliste (mehr als " +
                                std::to_string(ObjektdateiGroesseMax >> 20) + " MB)");
    std::string text;
    if (IsValidUtf8(bytes)) {
        text = bytes;
        if (text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
    } else {
        text = FromCp1252(bytes);
    }
    // Empty lines at the end are exactly the trailing run of line-end characters.
    const std::size_t ende = text.find_last_not_of("\r\n") + 1;  // npos + 1 == 0: no line at all

    tObjektliste liste;
    std::size_t nr = 0;
    for (std::size_t pos = 0; pos < ende || nr == 0;) {
        const std::size_t zeilenende = std::min(text.find_first_of("\r\n", pos), ende);
        const std::string_view zeile = std::string_view(text).substr(pos, zeilenende - pos);
        pos = zeilenende + (text.compare(zeilenende, 2, "\r\n") == 0 ? 2 : 1);
        ++nr;
        if (nr == 1) {
            if (zeile != ObjektlisteKopf)
                throw ObjektdateiFehler("Abbruch: Datei ist keine Objektliste zu Orbisto");
            continue;
        }
        if (zeile.find('\0') != std::string_view::npos)
            throw ObjektdateiFehler(Zeile(nr) + " enthält ein Nullzeichen; die Datei ist keine Textdatei");
        if (zeile.empty())
            throw ObjektdateiFehler(Zeile(nr) + " ist leer; leere Zeilen sind nur am Ende der Datei erlaubt");
        if (liste.Voll())
            throw ObjektdateiFehler(Zeile(nr) + ": Die Datei hat mehr als " + std::to_string(ObjekteMax) +
                                    " Objekte; Orbisto fasst höchstens " + std::to_string(ObjekteMax));
        liste.ObjektAnhaengen(EintragLesen(std::string(zeile), nr));
    }
    return liste;
}

void ObjektlisteSpeichern(const std::string& pfad, const tObjektliste& liste)
{
    const std::string text = ObjektlisteText(liste);
    if (const std::error_code ec = DateiErsetzen(pfad, text))
        throw ObjektdateiFehler("Die Objektliste konnte nicht in „" + pfad +
                                "“ gespeichert werden: " + DateiFehlerGrund(ec));
}

tObjektliste ObjektlisteLaden(const std::string& pfad)
{
    std::string bytes;
    const std::error_code ec = DateiLesen(pfad, ObjektdateiGroesseMax, bytes);
    if (ec == Dateifehler::ZuGross)
        throw ObjektdateiFehler("Die Datei „" + pfad + "“ ist zu groß für eine Objektliste (mehr als " +
                                std::to_string(ObjektdateiGroesseMax >> 20) + " MB)");
    if (ec)
        throw ObjektdateiFehler("Die Datei „" + pfad + "“ konnte nicht gelesen werden: " + DateiFehlerGrund(ec));
    return ObjektlisteLesen(bytes);
}

}  // namespace orbisto
