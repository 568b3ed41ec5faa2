#include "objects/objekteditor.h"

#include "core/zahltext.h"
#include "objects/objektzeichnen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orbisto {

bool IstSchalter(std::string_view name)
{
    static constexpr std::array<std::string_view, 7> Schalter = {"Flaeche", "Vektoren", "Zylinder", "Funktion",
                                                                 "Hoehe",   "Mantel",   "Quader"};
    for (std::string_view s : Schalter)
        if (name == s)
            return true;
    return name.find("Gitter") != std::string_view::npos;
}

bool IstFormel(std::string_view name) { return name.find("f(x") != std::string_view::npos; }

double WertPruefen(double wert, std::string_view name)
{
    if (IstSchalter(name))
        wert = wert >= 0.5 ? 1 : 0;
    if (name.find("Schritte") != std::string_view::npos) {
        if (wert < 1)
            wert = 1;
        wert = static_cast<double>(RundenGerade(wert));
    }
    if (name.starts_with('r') && wert < 0)
        wert = 0;
    return wert;
}

namespace {

double ZahlOderNull(std::string_view text)
{
    long double v = 0;
    return TextZahlVersuch(text, v) ? static_cast<double>(v) : 0;
}

std::string Geprueft(double wert, std::string_view name) { return ZahlText(WertPruefen(wert, name)); }

}  // namespace

std::string ZeileUebernehmen(std::string_view name, std::string_view text)
{
    if (name.empty())
        return {};
    if (text.empty())
        text = "0";
    if (IstFormel(name))
        return std::string(text);
    return Geprueft(ZahlOderNull(text), name);
}

std::optional<std::string> WertSchritt(std::string_view name, std::string_view text, double schritt)
{
    if (name.empty() || IstFormel(name))
        return std::nullopt;
    return Geprueft(ZahlOderNull(text.empty() ? "0" : text) + schritt, name);
}

std::optional<std::string> SchalterUmschalten(std::string_view name, std::string_view text)
{
    if (!IstSchalter(name))
        return std::nullopt;
    return std::string(text == "0" ? "1" : "0");
}

tZeilenwert ImAufwand(const t3DObjekt& objekt, std::size_t index, std::string_view name, std::string neu)
{
    t3DObjekt probe = objekt;
    std::string& wert = probe.Parameter.at(index);
    wert = neu;
    std::optional<std::string> meldung = AufwandPruefen(probe);
    if (!meldung)
        return {std::move(neu), std::nullopt};

    long double zahl = 0;
    if (name.find("Schritte") != std::string_view::npos && TextZahlVersuch(neu, zahl) && zahl > 1) {
        // The work grows with the step count: the largest count that fits, by halving.
        const auto passt = [&](double n) {
            wert = ZahlText(n);
            return !AufwandPruefen(probe);
        };
        double unten = 1, oben = std::min(static_cast<double>(zahl), 2147483647.0);
        if (passt(unten)) {
            while (oben - unten > 1) {
                const double mitte = std::floor((unten + oben) / 2);
                (passt(mitte) ? unten : oben) = mitte;
            }
            return {ZahlText(unten), std::nullopt};
        }
    }
    return {objekt.Parameter.at(index), std::move(meldung)};
}

}  // namespace orbisto
