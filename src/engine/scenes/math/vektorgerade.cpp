#include "scenes/math/vektorgerade.h"

#include "core/zahltext.h"
#include "scenes/zahlfeld.h"
#include "view/tkosys.h"

#include <cmath>
#include <string>

namespace orbisto {

namespace {

// The colours and thicknesses of the arrows. VektorpfeilRGB draws the discs under shaft and
// head in twice the colour, so the dimmed colours give full-strength discs.
struct tPfeilArt {
    double dicke;
    tRGB farbe;
};
constexpr tPfeilArt StuetzpunktPfeil{0.08, {0.7f, 0, 0}};      // dark red
constexpr tPfeilArt RichtungsPfeil{0.08, {0.4f, 1, 0.4f}};     // light green, R itself
constexpr tPfeilArt VielfachesPfeil{0.08, {0, 0.5f, 0}};       // dark green, t·R, over R
constexpr tPfeilArt OrtsPfeil{0.08, {0, 0, 0}};                // black
constexpr tPfeilArt VieleOrtsPfeil{0.04, {0.3f, 0.3f, 0.3f}};  // grey, thinner

void Pfeil(const TKoSys& k, tVektor3 von, tVektor3 nach, const tPfeilArt& art)
{
    k.VektorpfeilRGB(von, nach, art.dicke, art.farbe);
}

}  // namespace

TVektorGerade::TVektorGerade() { EinstellungenAendern(Startwerte); }

void TVektorGerade::EinstellungenAendern(const tVektorGeradeEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    StuetzpunktFeld.Pruefen(neu.Stuetzpunkt);
    ParameterFeld.Pruefen(neu.Parameterwert);
    RichtungFeld.Pruefen(neu.Richtungsvektor);
    e_ = neu;
    const tVektor3 s = neu.Stuetzpunkt, r = neu.Richtungsvektor;
    const double t = neu.Parameterwert;
    ort_ = {s.x + t * r.x, s.y + t * r.y, s.z + t * r.z};
}

std::array<std::string, 3> TVektorGerade::OrtTexte() const
{
    return {ZahlText(ort_.x), ZahlText(ort_.y), ZahlText(ort_.z)};
}

void TVektorGerade::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Gerade)
        return;
    const tVektor3 null{}, s = e_.Stuetzpunkt, r = e_.Richtungsvektor;
    const double t = e_.Parameterwert;

    k.FarbeSetzen({0, 0, 0});
    k.Strecke(s - Bogen * r, s + Bogen * r);

    if (e_.StuetzpunktVektor)
        Pfeil(k, null, s, StuetzpunktPfeil);
    if (e_.RichtungsVektor) {
        Pfeil(k, s, s + r, RichtungsPfeil);
        Pfeil(k, s, s + t * r, VielfachesPfeil);
    }
    if (e_.OrtsVektor)
        Pfeil(k, null, ort_, OrtsPfeil);
    if (e_.VieleOrtsvektoren)
        for (int i = -Viele; i <= Viele; ++i)
            Pfeil(k, null, s + double(i) * r, VieleOrtsPfeil);
}

}  // namespace orbisto
