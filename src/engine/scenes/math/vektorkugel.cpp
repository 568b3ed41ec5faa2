#include "scenes/math/vektorkugel.h"

#include "core/allgemeinerfehler.h"
#include "view/tkosys.h"

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace orbisto {

namespace {

struct tPfeilArt {
    double dicke;
    tRGB farbe;
};
constexpr tPfeilArt MittelpunktPfeil{0.08, {0.8f, 0, 0}};           // red
constexpr tPfeilArt OrtsPfeil{0.08, {0.1f, 0.1f, 0.1f}};            // nearly black
constexpr tPfeilArt DifferenzPfeil{0.08, {0, 0.7f, 0}};             // green
constexpr tPfeilArt VieleOrtsPfeil{0.05, {0.3f, 0.3f, 0.3f}};       // grey, thin
constexpr tPfeilArt VieleDifferenzPfeil{0.05, {0.3f, 0.5f, 0.3f}};  // grey-green, thin

constexpr tRGB Gitter{0.5f, 0.5f, 0.5f}, Flaeche{0.7f, 0.7f, 0.7f}, HalbAussen{0.6f, 0.6f, 0.6f};
constexpr tRGB Schwarz{0, 0, 0}, Rot{1, 0, 0}, Blau{0, 0, 1}, Hellblau{0.65f, 0.8f, 1};

constexpr int KugelTeilung = 10;  // of the balls at M and P
constexpr double KugelRadius = 0.15;
constexpr int RingQuer = 8;  // steps across the tubes of equator and zero meridian
constexpr double RingDicke = 0.03;
constexpr std::uint8_t XYEbene = 1, XZEbene = 2;

double Bogenmass(double grad) { return grad / 360 * 2 * std::numbers::pi; }

// S(β, λ) on the sphere of radius r about the origin.
tVektor3 Kugelvektor(double r, double beta, double lambda)
{
    return {r * std::cos(lambda) * std::cos(beta), r * std::sin(lambda) * std::cos(beta), r * std::sin(beta)};
}

// The two sides of the tangent square at a point whose direction from M is d, each of
// length 1. d must not be 0.
std::pair<tVektor3, tVektor3> Tangenten(const tVektor3& d)
{
    const tVektor3 v1{d.y, -d.x, 0}, v2{d.z, 0, -d.x}, v3{0, d.z, -d.y};
    const double l1 = v1.Laenge(), l2 = v2.Laenge(), l3 = v3.Laenge();
    // Strict comparisons: a tie goes to the later candidate.
    tVektor3 a, b;
    if (l1 > l2) {
        a = v1;
        b = l2 > l3 ? v2 : v3;
    } else {
        a = v2;
        b = l1 > l3 ? v1 : v3;
    }
    return {a / a.Laenge(), b / b.Laenge()};
}

// The grid points of the sphere about the origin: latitudes −90°, −90° + d, … 90°, and
// longitudes 0, d, … 360° with d = 360° / n, row by row.
//
// The rows and columns are counted in whole numbers. Adding d up as a double and comparing
// with the end would gain or lose the last row or column by rounding for some n (an extra
// row beyond the pole at n = 12, a repeated zero meridian at n = 24), so the picture would
// depend on the rounding of n's step rather than on n.
class tKugelGitter {
public:
    tKugelGitter(double r, int n) : spalten_(n + 1)
    {
        const double d = 2 * std::numbers::pi / n;
        const double dBreite = 4 * (std::numbers::pi / 2) / n;
        for (int k = 0; k <= n / 2; ++k)
            for (int l = 0; l <= n; ++l)
                punkte_.push_back(Kugelvektor(r, -std::numbers::pi / 2 + k * dBreite, l * d));
    }
    const tVektor3& S(int breite, int laenge) const { return punkte_[std::size_t(breite * spalten_ + laenge)]; }
    int Zeilen() const { return int(punkte_.size()) / spalten_ - 1; }  // latitude rows, n/2
    int Spalten() const { return spalten_ - 1; }                       // longitude columns, n

private:
    int spalten_;
    std::vector<tVektor3> punkte_;
};

// The cell between rows k, k + 1 and columns l, l + 1 appended to `ecken`: counter-clockwise
// seen from outside, or the reverse.
void Zelle(std::vector<tVektor3>& ecken, const tKugelGitter& g, int k, int l, bool aussen)
{
    if (aussen)
        ecken.insert(ecken.end(), {g.S(k, l), g.S(k, l + 1), g.S(k + 1, l + 1), g.S(k + 1, l)});
    else
        ecken.insert(ecken.end(), {g.S(k, l), g.S(k + 1, l), g.S(k + 1, l + 1), g.S(k, l + 1)});
}

// The cells of the rows below `zeilen`, from outside or from inside.
std::vector<tVektor3> Zellen(const tKugelGitter& g, int zeilen, bool aussen)
{
    std::vector<tVektor3> ecken;
    ecken.reserve(std::size_t(4 * zeilen * g.Spalten()));
    for (int b = 0; b < zeilen; ++b)
        for (int l = 0; l < g.Spalten(); ++l)
            Zelle(ecken, g, b, l, aussen);
    return ecken;
}

// Every grid segment towards the next point: along a meridian (`meridian`) or a parallel.
std::vector<tVektor3> Segmente(const tKugelGitter& g, bool meridian)
{
    std::vector<tVektor3> enden;
    enden.reserve(std::size_t(2 * g.Zeilen() * g.Spalten()));
    for (int b = 0; b < g.Zeilen(); ++b)
        for (int l = 0; l < g.Spalten(); ++l) {
            if (meridian)
                enden.insert(enden.end(), {g.S(b, l + 1), g.S(b + 1, l + 1)});
            else
                enden.insert(enden.end(), {g.S(b, l), g.S(b, l + 1)});
        }
    return enden;
}

void Pfeil(const TKoSys& k, tVektor3 von, tVektor3 nach, const tPfeilArt& art)
{
    k.VektorpfeilRGB(von, nach, art.dicke, art.farbe);
}

}  // namespace

TVektorKugel::TVektorKugel() { EinstellungenAendern(Startwerte); }

void TVektorKugel::EinstellungenAendern(const tVektorKugelEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    const tVektorKugelWerte& w = neu.Werte;
    RadiusFeld.Pruefen(w.Radius);
    RotSchritteFeld.Pruefen(w.RotSchritte);
    if (w.RotSchritte % RotSchritteFeld.Schritt != 0)
        throw AllgemeinerFehler(std::string(RotSchritteFeld.Name) + ": " + std::to_string(w.RotSchritte) +
                                " ist nicht erlaubt.\rErlaubt sind Vielfache von 4 von 4 bis 96.");
    SchritteXYFeld(w.RotSchritte).Pruefen(w.SchritteXY);
    SchritteZFeld(w.RotSchritte).Pruefen(w.SchritteZ);
    MittelpunktFeld.Pruefen(w.Mittelpunkt);
    e_ = neu;

    const double n = w.RotSchritte;
    const double lambda = Bogenmass(w.SchritteXY * 360 / n), beta = Bogenmass(w.SchritteZ * 360 / n);
    punkt_ = w.Mittelpunkt + Kugelvektor(w.Radius, beta, lambda);
    differenz_ = punkt_ - w.Mittelpunkt;
    // A sphere of radius 0 has no tangent plane; its directions are those of the unit sphere.
    const auto [a, b] = Tangenten(w.Radius > 0 ? differenz_ : Kugelvektor(1, beta, lambda));
    tangente1_ = a;
    tangente2_ = b;
}

void TVektorKugel::SzeneZeichnen(TKoSys& k)
{
    const tVektorKugelEinstellungen& e = e_;
    if (!e.Kugel)
        return;
    const tVektor3 null{}, m = e.Werte.Mittelpunkt, p = punkt_;
    const double r = e.Werte.Radius;
    const int n = e.Werte.RotSchritte;
    const tKugelGitter gitter(r, n);

    // The sphere about M. Each item is one call over the grid; the lines are separate
    // segments, the faces separate quadrilaterals.
    k.ImRahmen(m, {}, [&] {
        TKoSys::FarbeSetzen(Gitter);
        if (e.KugelLK)
            TKoSys::Strecken(Segmente(gitter, true));
        if (e.KugelBK)
            TKoSys::Strecken(Segmente(gitter, false));
        if (e.Kugelflaeche) {
            TKoSys::FarbeSetzen(Flaeche);
            TKoSys::Vierecke(Zellen(gitter, gitter.Zeilen(), true));
        }
        if (e.HalbkugelFlaeche) {
            // The rows below the equator from outside, then from inside.
            TKoSys::FarbeSetzen(HalbAussen);
            TKoSys::Vierecke(Zellen(gitter, gitter.Zeilen() / 2, true));
            TKoSys::FarbeSetzen(Flaeche);
            TKoSys::Vierecke(Zellen(gitter, gitter.Zeilen() / 2, false));
        }
        if (e.Aequator) {
            TKoSys::FarbeSetzen(Schwarz);
            k.Ring(n, RingQuer, r, RingDicke, XYEbene);
        }
        if (e.NullMeridian) {
            TKoSys::FarbeSetzen(Schwarz);
            k.Ring(n, RingQuer, r, RingDicke, XZEbene);
        }
    });

    if (e.Mittelpunkt) {
        TKoSys::FarbeSetzen(Rot);
        k.Ball(m, KugelRadius, KugelTeilung);
    }
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
    // Every grid point, the poles once per longitude and the zero meridian twice.
    const auto vieleVektoren = [&](const tVektor3& von, const tPfeilArt& art) {
        for (int b = 0; b <= gitter.Zeilen(); ++b)
            for (int l = 0; l <= gitter.Spalten(); ++l)
                Pfeil(k, von, m + gitter.S(b, l), art);
    };
    if (e.VieleOrtsvektoren)
        vieleVektoren(null, VieleOrtsPfeil);
    if (e.VieleDifferenzvektoren)
        vieleVektoren(m, VieleDifferenzPfeil);
    if (e.TanEbene && r > 0) {
        const tVektor3 a = tangente1_, b = tangente2_;
        const tVektor3 k1 = p + r * (a + b), k2 = p + r * (a - b), k3 = p - r * (a + b), k4 = p + r * (b - a);
        TKoSys::FarbeSetzen(Blau);
        k.ViereckKanten(k1.x, k1.y, k1.z, k2.x, k2.y, k2.z, k3.x, k3.y, k3.z, k4.x, k4.y, k4.z);
        TKoSys::ViereckZweiseitig(k1, k2, k3, k4, Hellblau, Hellblau);
    }
}

}  // namespace orbisto
