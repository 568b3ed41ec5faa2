#include "scenes/math/vektorkreis.h"

#include "view/tkosys.h"

#include <cmath>
#include <numbers>

namespace orbisto {

namespace {

struct tPfeilArt {
    double dicke;
    tRGB farbe;
};
constexpr tPfeilArt MittelpunktPfeil{0.08, {0.7f, 0, 0}};           // dark red
constexpr tPfeilArt OrtsPfeil{0.08, {0, 0, 0}};                     // black
constexpr tPfeilArt DifferenzPfeil{0.08, {0, 0.7f, 0}};             // green
constexpr tPfeilArt VieleOrtsPfeil{0.03, {0.3f, 0.3f, 0.3f}};       // grey, thin
constexpr tPfeilArt VieleDifferenzPfeil{0.03, {0.3f, 0.5f, 0.3f}};  // grey-green, thin

constexpr tRGB Schwarz{0, 0, 0}, Rot{1, 0, 0};
constexpr tRGB ScheibeVorn{0.7f, 0.7f, 0.7f}, ScheibeHinten{0.9f, 0.9f, 0.9f};

constexpr int KreisStuecke = 50;  // of the line and the disc
constexpr int KugelTeilung = 10;  // of the balls at M and P
constexpr double KugelRadius = 0.12;
constexpr std::uint8_t XYEbene = 1;
// The tangent reaches three times T either side of P.
constexpr double TangentenReichweite = 3;

double Bogenmass(double grad) { return grad / 360 * 2 * std::numbers::pi; }

// The circle point at `grad` degrees.
tVektor3 PunktBeiGrad(const tVektor3& m, double r, double grad)
{
    const double phi = Bogenmass(grad);
    return {r * std::cos(phi) + m.x, r * std::sin(phi) + m.y, m.z};
}

void Pfeil(const TKoSys& k, tVektor3 von, tVektor3 nach, const tPfeilArt& art)
{
    k.VektorpfeilRGB(von, nach, art.dicke, art.farbe);
}

}  // namespace

TVektorKreis::TVektorKreis() { EinstellungenAendern(Startwerte); }

void TVektorKreis::EinstellungenAendern(const tVektorKreisEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    const tVektorKreisWerte& w = neu.Werte;
    RadiusFeld.Pruefen(w.Radius);
    MittelpunktFeld.Pruefen(w.Mittelpunkt);
    GradFeld.Pruefen(w.PunktGrad);
    e_ = neu;
    punkt_ = PunktBeiGrad(w.Mittelpunkt, w.Radius, w.PunktGrad);
    tangente_ = {-(punkt_.y - w.Mittelpunkt.y), punkt_.x - w.Mittelpunkt.x, 0};
}

void TVektorKreis::SzeneZeichnen(TKoSys& k)
{
    const tVektorKreisEinstellungen& e = e_;
    if (!e.Kreislinie)
        return;
    const tVektor3 null{}, m = e.Werte.Mittelpunkt, p = punkt_, t = tangente_;
    const double r = e.Werte.Radius;

    // Circle, centre and disc about M.
    k.ImRahmen(m, {}, [&] {
        TKoSys::FarbeSetzen(Schwarz);
        k.Kreis(KreisStuecke, XYEbene, r);
        TKoSys::FarbeSetzen(Rot);
        k.Ball(m, KugelRadius, KugelTeilung);  // places itself by its own coordinates
        if (e.Kreisflaeche) {
            TKoSys::FarbeSetzen(ScheibeVorn);
            k.Kreisscheibe(KreisStuecke, 1, r, XYEbene);
            TKoSys::FarbeSetzen(ScheibeHinten);
            k.Kreisscheibe(KreisStuecke, 0, r, XYEbene);
        }
    });

    if (e.MittelpunktVektor)
        Pfeil(k, null, m, MittelpunktPfeil);
    if (e.Punkt) {
        TKoSys::FarbeSetzen(Schwarz);
        k.Ball(p, KugelRadius, KugelTeilung);
    }
    if (e.OrtsVektor)
        Pfeil(k, null, p, OrtsPfeil);
    if (e.DifferenzVektor)
        Pfeil(k, m, p, DifferenzPfeil);
    if (e.VieleOrtsvektoren)
        for (int grad = 0; grad < 360; grad += VieleSchrittGrad)
            Pfeil(k, null, PunktBeiGrad(m, r, grad), VieleOrtsPfeil);
    if (e.VieleDifferenzvektoren)
        for (int grad = 0; grad < 360; grad += VieleSchrittGrad)
            Pfeil(k, m, PunktBeiGrad(m, r, grad), VieleDifferenzPfeil);
    if (e.Tangente) {
        TKoSys::FarbeSetzen(Schwarz);
        const double a = TangentenReichweite;
        k.Strecke(tVektor3{p.x - a * t.x, p.y - a * t.y, p.z}, tVektor3{p.x + a * t.x, p.y + a * t.y, p.z});
    }
}

}  // namespace orbisto
