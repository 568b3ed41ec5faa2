#include "scenes/math/vektorgerade.h"

#include "core/zahltext.h"
#include "scenes/ganzzahlpruefen.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <cmath>
#include <string>

namespace orbisto {

namespace {

// The colours and thicknesses of the arrows. VektorpfeilRGB draws the discs under shaft and
// head in twice the colour, so the dimmed colours give full-strength discs.
struct tPfeilArt {
    double dicke, rot, gruen, blau;
};
constexpr tPfeilArt StuetzpunktPfeil{0.08, 0.7, 0, 0};    // dark red
constexpr tPfeilArt RichtungsPfeil{0.08, 0.4, 1, 0.4};    // light green, R itself
constexpr tPfeilArt VielfachesPfeil{0.08, 0, 0.5, 0};     // dark green, t·R, over R
constexpr tPfeilArt OrtsPfeil{0.08, 0, 0, 0};             // black
constexpr tPfeilArt VieleOrtsPfeil{0.04, 0.3, 0.3, 0.3};  // grey, thinner

void Pfeil(const TKoSys& k, tVektor3 von, tVektor3 nach, const tPfeilArt& art)
{
    k.VektorpfeilRGB(von.x, von.y, von.z, nach.x, nach.y, nach.z, art.dicke, art.rot, art.gruen, art.blau);
}

// A spin edit's number: whole and within -10 … 10 (NaN and infinities are neither).
void Pruefen(double wert, const std::string& feld)
{
    GanzzahlPruefen(wert, TVektorGerade::Minimum, TVektorGerade::Maximum, feld);
}

void Pruefen(tVektor3 v, const std::string& vektor)
{
    Pruefen(v.x, vektor + ", x-Komponente");
    Pruefen(v.y, vektor + ", y-Komponente");
    Pruefen(v.z, vektor + ", z-Komponente");
}

}  // namespace

TVektorGerade::TVektorGerade() { EinstellungenAendern(Startwerte); }

void TVektorGerade::EinstellungenAendern(const tVektorGeradeEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    Pruefen(neu.Stuetzpunkt, "Stützpunkt-Vektor");
    Pruefen(neu.Parameterwert, "Parameter");
    Pruefen(neu.Richtungsvektor, "Richtungs-Vektor");
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

    glColor3d(0, 0, 0);
    const tVektor3 a = s - Bogen * r, b = s + Bogen * r;
    k.Strecke(a.x, a.y, a.z, b.x, b.y, b.z);

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
