// The scene "Kugel mit Vektoren": the model's change logic as tables, and its picture
// through GL feedback. Every expectation is computed here from the scene's rules
// (P = M + S(β, λ) on the grid of n steps, the choice of the tangent directions, the draw
// steps with their colours and thicknesses), not taken from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/vektorkugel.h"
#include "szenenbild.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

using namespace orbisto;
using namespace orbisto::flaechenfolge;

namespace {

tVektorKugelEinstellungen Eingaben(int r, int n, int i, int j, P3 m, bool alleSchalter = false)
{
    tVektorKugelEinstellungen e;
    e.Werte = {r, n, i, j, Nach(m)};
    e.Kugel = e.KugelLK = e.KugelBK = e.Kugelflaeche = e.HalbkugelFlaeche = e.Aequator = e.NullMeridian =
        e.Mittelpunkt = e.MittelpunktVektor = e.Punkt = e.OrtsVektor = e.DifferenzVektor = e.VieleOrtsvektoren =
            e.VieleDifferenzvektoren = e.TanEbene = alleSchalter;
    return e;
}

P3 Von(const tVektor3& v) { return {v.x, v.y, v.z}; }

// S(β, λ) with the angles in degrees.
P3 S(double r, double betaGrad, double lambdaGrad)
{
    const double b = betaGrad * std::numbers::pi / 180, l = lambdaGrad * std::numbers::pi / 180;
    return {r * std::cos(l) * std::cos(b), r * std::sin(l) * std::cos(b), r * std::sin(b)};
}

P3 Kreuz(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

void ErwarteNahe(const tVektor3& ist, P3 soll, double tol = 1e-12)
{
    EXPECT_NEAR(ist.x, soll.x, tol);
    EXPECT_NEAR(ist.y, soll.y, tol);
    EXPECT_NEAR(ist.z, soll.z, tol);
}

bool Endlich(const tVektor3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

const double W = std::sqrt(0.5), W3 = std::sqrt(1.0 / 3), W23 = std::sqrt(2.0 / 3);

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorKugel, StartsWithTheExampleMeridiansAndParallelsOn)
{
    const TVektorKugel m;
    const tVektorKugelEinstellungen& e = m.Einstellungen();
    EXPECT_TRUE(e.KugelLK && e.KugelBK);
    EXPECT_FALSE(e.Kugel || e.Kugelflaeche || e.HalbkugelFlaeche || e.Aequator || e.NullMeridian || e.Mittelpunkt ||
                 e.MittelpunktVektor || e.Punkt || e.OrtsVektor || e.DifferenzVektor || e.VieleOrtsvektoren ||
                 e.VieleDifferenzvektoren || e.TanEbene);
    EXPECT_EQ(e.Werte, (tVektorKugelWerte{3, 8, 0, 0, {4, 3, 1}}));
    EXPECT_EQ(m.Kugelpunkt(), (tVektor3{7, 3, 1})) << "i = j = 0: P = M + (r, 0, 0)";
    EXPECT_EQ(m.Differenz(), (tVektor3{3, 0, 0}));
    EXPECT_EQ(TVektorKugel::Beispiel.Radius, 3);
    EXPECT_EQ(TVektorKugel::Beispiel.Mittelpunkt, (tVektor3{4, 3, 1}));
    EXPECT_EQ(TVektorKugel::Zurueckgesetzt.Radius, 1);
    EXPECT_EQ(TVektorKugel::Zurueckgesetzt.Mittelpunkt, (tVektor3{0, 0, 0}));
}

// P, D and the tangent directions on the grid. V1 = (Dy, −Dx, 0), V2 = (Dz, 0, −Dx),
// V3 = (0, Dz, −Dy); A is the longer of V1 and V2, B the longer of the other and V3, a
// tie going to the later one.
TEST(VektorKugel, PointDifferenceAndTangentDirectionsOnTheGrid)
{
    const P3 m0{4, 3, 1};
    const struct {
        const char* name;
        int r, n, i, j;
        P3 m, s;  // s = P − M
        P3 a, b;
    } faelle[] = {
        // D = (r, 0, 0): L1 = L2 > L3 = 0, the tie gives V2, then V1.
        {"i = j = 0", 3, 8, 0, 0, m0, {3, 0, 0}, {0, 0, -1}, {0, -1, 0}},
        // D = (0, r, 0): L1 = L3 > L2 = 0.
        {"a quarter turn round", 3, 8, 2, 0, m0, {0, 3, 0}, {1, 0, 0}, {0, 0, -1}},
        // L1 = r/√2 < L2 = L3 = r √(3/4).
        {"45° round and up", 2, 8, 1, 1, m0, S(2, 45, 45), {W23, 0, -W3}, {0, W23, -W3}},
        // The north pole: V1 vanishes, the square is spanned by (1, 0, 0) and (0, 1, 0).
        {"north pole, n = 8", 3, 8, 0, 2, m0, {0, 0, 3}, {1, 0, 0}, {0, 1, 0}},
        {"north pole from another longitude", 3, 8, 3, 2, m0, {0, 0, 3}, {1, 0, 0}, {0, 1, 0}},
        {"north pole, n = 96", 10, 96, 50, 24, {-10, 10, -10}, {0, 0, 10}, {1, 0, 0}, {0, 1, 0}},
        {"north pole about the origin", 1, 4, 0, 1, {0, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {"south pole", 3, 8, 0, 6, m0, {0, 0, -3}, {-1, 0, 0}, {0, -1, 0}},
        // j runs on beyond the pole: at 180° P is on the far side, at 360° back at j = 0.
        {"j = n/2, over the far side", 3, 8, 0, 4, m0, {-3, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {"j = n, once round", 3, 8, 0, 8, m0, {3, 0, 0}, {0, 0, -1}, {0, -1, 0}},
        {"i = n, once round", 3, 8, 8, 0, m0, {3, 0, 0}, {0, 0, -1}, {0, -1, 0}},
        {"finest grid, 3,75°", 5, 96, 1, 1, {1, -2, 3}, S(5, 3.75, 3.75), {}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorKugel k;
        k.EinstellungenAendern(Eingaben(f.r, f.n, f.i, f.j, f.m));
        ErwarteNahe(k.Kugelpunkt(), f.m + f.s, 1e-13);
        ErwarteNahe(k.Differenz(), f.s, 1e-13);
        const P3 a = Von(k.Tangente1()), b = Von(k.Tangente2());
        EXPECT_NEAR(Laenge(a), 1, 1e-12);
        EXPECT_NEAR(Laenge(b), 1, 1e-12);
        EXPECT_NEAR(Skalar(a, f.s), 0, 1e-12) << "A in the tangent plane";
        EXPECT_NEAR(Skalar(b, f.s), 0, 1e-12) << "B in the tangent plane";
        EXPECT_GT(Laenge(Kreuz(a, b)), 0.5) << "A and B span a plane";
        if (Laenge(f.a) > 0) {
            ErwarteNahe(k.Tangente1(), f.a);
            ErwarteNahe(k.Tangente2(), f.b);
        }
        EXPECT_EQ(k.Einstellungen(), Eingaben(f.r, f.n, f.i, f.j, f.m)) << "stored as given";
    }
}

// A sphere of radius 0 is its centre: P = M, D = 0 and no tangent plane. The directions
// stay numbers, those of the same grid point on the unit sphere.
TEST(VektorKugel, RadiusZeroKeepsTheTangentDirectionsFinite)
{
    const struct {
        int n, i, j;
    } faelle[] = {{8, 0, 0}, {8, 0, 2}, {8, 1, 1}, {12, 5, 7}, {96, 96, 96}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "n " << f.n << ", i " << f.i << ", j " << f.j);
        TVektorKugel null, eins;
        null.EinstellungenAendern(Eingaben(0, f.n, f.i, f.j, {1, 2, 3}));
        eins.EinstellungenAendern(Eingaben(1, f.n, f.i, f.j, {1, 2, 3}));
        EXPECT_EQ(null.Kugelpunkt(), (tVektor3{1, 2, 3}));
        EXPECT_EQ(null.Differenz(), (tVektor3{}));
        ASSERT_TRUE(Endlich(null.Tangente1()) && Endlich(null.Tangente2()));
        ErwarteNahe(null.Tangente1(), Von(eins.Tangente1()));
        ErwarteNahe(null.Tangente2(), Von(eins.Tangente2()));
    }
}

TEST(VektorKugel, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string nicht = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von ";
    const struct {
        const char* name;
        std::function<void(tVektorKugelWerte&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"radius 11", [](auto& w) { w.Radius = 11; }, "Radius: 11" + nicht + "0 bis 10."},
        {"radius below 0", [](auto& w) { w.Radius = -1; }, "Radius: -1" + nicht + "0 bis 10."},
        {"n = 0", [](auto& w) { w.RotSchritte = 0; }, "Schritte Rotation: 0" + nicht + "4 bis 96."},
        {"n = 100", [](auto& w) { w.RotSchritte = 100; }, "Schritte Rotation: 100" + nicht + "4 bis 96."},
        {"n no multiple of 4", [](auto& w) { w.RotSchritte = 6; },
         "Schritte Rotation: 6 ist nicht erlaubt.\rErlaubt sind Vielfache von 4 von 4 bis 96."},
        {"i above n", [](auto& w) { w.SchritteXY = 9; }, "Schritte x y: 9" + nicht + "0 bis 8."},
        {"j above a lowered n", [](auto& w) { w.RotSchritte = 4, w.SchritteXY = 0; },
         "Schritte z: 5" + nicht + "0 bis 4."},
        {"j below 0", [](auto& w) { w.SchritteZ = -1; }, "Schritte z: -1" + nicht + "0 bis 8."},
        {"M x above the range", [](auto& w) { w.Mittelpunkt.x = 11; },
         "Mittelpunkt, x-Komponente: 11" + nicht + "-10 bis 10."},
        {"M z not a number", [nan](auto& w) { w.Mittelpunkt.z = nan; },
         "Mittelpunkt, z-Komponente: NAN" + nicht + "-10 bis 10."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorKugel k;
        const tVektorKugelEinstellungen vorher = Eingaben(2, 8, 2, 0, {1, 1, 1}, true);
        k.EinstellungenAendern(vorher);
        tVektorKugelEinstellungen neu = Eingaben(5, 8, 5, 5, {0, 0, 0});
        f.verderben(neu.Werte);
        ErwarteAbweisung([&] { k.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(k.Einstellungen(), vorher) << "nothing stored";
        ErwarteNahe(k.Kugelpunkt(), {1, 3, 1});
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Gitter{0.5f, 0.5f, 0.5f}, Flaeche{0.7f, 0.7f, 0.7f}, HalbAussen{0.6f, 0.6f, 0.6f};
constexpr Farbe Schwarz{0, 0, 0}, Rot{1, 0, 0}, Dunkelrot{0.8f, 0, 0}, Fastschwarz{0.1f, 0.1f, 0.1f};
constexpr Farbe Gruen{0, 0.7f, 0}, Grau{0.3f, 0.3f, 0.3f}, Graugruen{0.3f, 0.5f, 0.3f};
constexpr Farbe Blau{0, 0, 1}, Hellblau{0.65f, 0.8f, 1};

struct Strecke {
    P3 a, b;
};

// Looking down the z axis onto the box -40..40 (400 pixels), so every drawn vertex reads
// back as a model point; arrows as thick as in the room -5..5.
class KugelBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorKugel szene;

    KugelBild() : SzenenBild(400, 40) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }
    Frame Zeichnen(tSeiten seiten = tSeiten::Beide) { return SzenenBild::Zeichnen(szene, seiten); }

    // The lines of the frame, from `ab` on, against the expected segments in their order.
    void LinienPruefen(const std::vector<Primitive>& linien, std::size_t ab, const std::vector<Strecke>& soll,
                       Farbe farbe, const char* was)
    {
        SCOPED_TRACE(was);
        ASSERT_GE(linien.size(), ab + soll.size());
        for (std::size_t n = 0; n < soll.size(); ++n) {
            const Primitive& l = linien[ab + n];
            EXPECT_TRUE(l.hasColour(farbe.r, farbe.g, farbe.b)) << n;
            EXPECT_LT(Laenge(Modell(l.vertices[0]) - soll[n].a), 1e-4) << n << ": " << Modell(l.vertices[0]);
            EXPECT_LT(Laenge(Modell(l.vertices[1]) - soll[n].b), 1e-4) << n << ": " << Modell(l.vertices[1]);
        }
    }

    // A face on the sphere of radius r about m in pieces: every piece turned outwards (or
    // inwards), together as large as the cells between the latitudes from `von` to `bis`
    // degrees with n columns.
    void KugelflaechePruefen(const std::vector<const Primitive*>& teile, P3 m, double r, int n, double von, double bis,
                             double richtung)
    {
        double ist = 0;
        for (const Primitive* t : teile) {
            const P3 a = Modell(t->vertices[0]), b = Modell(t->vertices[1]), c = Modell(t->vertices[2]);
            const P3 normale = Kreuz(b - a, c - a);
            ist += Laenge(normale) / 2;
            if (Laenge(normale) > 1e-6) {
                EXPECT_GT(richtung * Skalar(normale, a + b + c - 3 * m), 0) << "winding at " << a;
            }
        }
        const double d = 360.0 / n;
        double soll = 0;
        for (double beta = von; beta < bis - 1e-9; beta += d)
            for (int l = 0; l < n; ++l) {
                const P3 p1 = S(r, beta, l * d), p2 = S(r, beta, (l + 1) * d), p3 = S(r, beta + d, (l + 1) * d),
                         p4 = S(r, beta + d, l * d);
                soll += Laenge(Kreuz(p3 - p1, p4 - p2)) / 2;
            }
        EXPECT_NEAR(ist, soll, 1e-3);
    }

    // The tube of radius 0,03 about the circle of radius r about m in a coordinate plane.
    std::function<bool(P3)> AmRing(P3 m, double r, bool xy) const
    {
        return [=](P3 q) {
            const P3 d = q - m;
            const double rho = xy ? std::hypot(d.x, d.y) : std::hypot(d.x, d.z), quer = xy ? d.z : d.y;
            return std::abs(std::hypot(rho - r, quer) - 0.03) < 1e-3;
        };
    }

    // How many arrows of this colour, as runs of their shaft and head between runs of
    // their discs: two runs per arrow.
    static int Pfeile(const std::vector<Primitive>& flaechen, Farbe farbe)
    {
        int laeufe = 0;
        bool drin = false;
        for (const Primitive& p : flaechen) {
            const bool jetzt = p.hasColour(farbe.r, farbe.g, farbe.b);
            laeufe += jetzt && !drin;
            drin = jetzt;
        }
        return laeufe / 2;
    }
};

}  // namespace

TEST_F(KugelBild, EveryStepInItsOrderColourAndThickness)
{
    const P3 m{2, 1, 3}, s = S(4, 45, 45), p = m + s;
    const int r = 4, n = 8;
    szene.EinstellungenAendern(Eingaben(r, n, 1, 1, m, true));
    const Frame bild = Zeichnen();
    ASSERT_EQ(bild.glError(), GLenum(GL_NO_ERROR));

    // Items 3 and 4: 4 rows of 8 meridian pieces, then of 8 parallel pieces, one segment
    // per cell, grey; last the four blue edges of the tangent square.
    std::vector<Strecke> meridiane, breitenkreise;
    for (int b = -90; b < 90; b += 45)
        for (int l = 0; l < 360; l += 45) {
            meridiane.push_back({m + S(r, b, l + 45), m + S(r, b + 45, l + 45)});
            breitenkreise.push_back({m + S(r, b, l), m + S(r, b, l + 45)});
        }
    // A = (√(2/3), 0, −√(1/3)), B = (0, √(2/3), −√(1/3)) at 45° round and up.
    const P3 a{W23, 0, -W3}, b{0, W23, -W3};
    const std::vector<Strecke> kanten = {{p + r * (a + b), p + r * (a - b)},
                                         {p + r * (a - b), p - r * (a + b)},
                                         {p - r * (a + b), p + r * (b - a)},
                                         {p + r * (b - a), p + r * (a + b)}};
    const auto linien = bild.ofKind(PrimitiveKind::Line);
    EXPECT_EQ(linien.size(), 32u + 32u + 4u);
    LinienPruefen(linien, 0, meridiane, Gitter, "meridians");
    LinienPruefen(linien, 32, breitenkreise, Gitter, "parallels");
    LinienPruefen(linien, 64, kanten, Blau, "edges of the tangent square");

    // The faces in their order.
    FlaechenFolge folge(*this, bild.ofKind(PrimitiveKind::Polygon));
    const auto aufKugel = [&](P3 q) { return std::abs(Laenge(q - m) - r) < 1e-4; };
    const auto untenAufKugel = [&](P3 q) { return aufKugel(q) && q.z <= m.z + 1e-4; };
    {
        SCOPED_TRACE("surface from outside");
        KugelflaechePruefen(folge.Flaeche("surface", Flaeche, aufKugel), m, r, n, -90, 90, 1);
    }
    {
        SCOPED_TRACE("lower half, outside then inside per cell");
        const auto teile = folge.Lauf("half surface", {HalbAussen, Flaeche}, untenAufKugel);
        std::vector<const Primitive*> aussen, innen;
        for (const Primitive* t : teile)
            (t->hasColour(0.6f, 0.6f, 0.6f) ? aussen : innen).push_back(t);
        KugelflaechePruefen(aussen, m, r, n, -90, 0, 1);
        KugelflaechePruefen(innen, m, r, n, -90, 0, -1);
    }
    folge.Flaeche("equator", Schwarz, AmRing(m, r, true));
    folge.Flaeche("zero meridian", Schwarz, AmRing(m, r, false));
    folge.Ball(m, 0.15, Rot);
    folge.Pfeil({"M", {}, m, 0.08, Dunkelrot});
    folge.Ball(p, 0.15, Schwarz);
    folge.Pfeil({"P", {}, p, 0.08, Fastschwarz});
    folge.Pfeil({"M to P", m, p, 0.08, Gruen});
    // 45 each: latitudes −90° … 90° times longitudes 0° … 360°, both ends included.
    for (const auto& [von, farbe] : {std::pair{P3{}, Grau}, std::pair{m, Graugruen}})
        for (int breite = -90; breite <= 90; breite += 45)
            for (int laenge = 0; laenge <= 360; laenge += 45)
                folge.Pfeil({"to " + std::to_string(breite) + "°, " + std::to_string(laenge) + "°", von,
                             m + S(r, breite, laenge), 0.05, farbe});
    // The face of the tangent square, K1 K2 K3 K4 and back K1 K4 K3 K2.
    const auto imQuadrat = [&](P3 q) {
        const P3 d = q - p;
        return std::abs(Skalar(d, s)) < 1e-4 && Laenge(d) <= r * Laenge(a + b) + 1e-4;
    };
    const auto quadrat = folge.Flaeche("tangent square", Hellblau, imQuadrat);
    double flaeche = 0;
    for (const Primitive* t : quadrat)
        flaeche += Laenge(Kreuz(Modell(t->vertices[1]) - Modell(t->vertices[0]),
                                Modell(t->vertices[2]) - Modell(t->vertices[0]))) /
                   2;
    EXPECT_NEAR(flaeche, 2 * 4 * r * r * Laenge(Kreuz(a, b)), 1e-3) << "both sides of the parallelogram";
    EXPECT_TRUE(folge.Ende()) << folge.Naechste();

    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

// The grid counts follow n alone. Adding the angle step up in doubles would give 7 rows at
// n = 12, 25 columns at n = 24, 12 + 1 longitudes of many vectors at n = 12 … 13 at 36 and
// 18 latitudes at n = 36.
TEST_F(KugelBild, GridAndManyVectorsCountByNAlone)
{
    for (const int n : {4, 12, 24, 36, 96}) {
        SCOPED_TRACE(testing::Message() << "n = " << n);
        tVektorKugelEinstellungen e = Eingaben(2, n, 0, 0, {1, 1, 1});
        e.Kugel = e.KugelLK = true;
        szene.EinstellungenAendern(e);
        EXPECT_EQ(Zeichnen().count(PrimitiveKind::Line), n / 2 * n) << "meridian pieces";
        e.KugelLK = false;
        e.KugelBK = true;
        szene.EinstellungenAendern(e);
        EXPECT_EQ(Zeichnen().count(PrimitiveKind::Line), n / 2 * n) << "parallel pieces";
        if (n > 36)
            continue;  // thousands of arrows; the rule is the same
        e.KugelBK = false;
        e.VieleOrtsvektoren = true;
        szene.EinstellungenAendern(e);
        EXPECT_EQ(Pfeile(Zeichnen().ofKind(PrimitiveKind::Polygon), Grau), (n / 2 + 1) * (n + 1));
    }
}

// Radius 0: the sphere shrinks to M, and there is no tangent square, rather than one with
// corners of 0/0.
TEST_F(KugelBild, RadiusZeroDrawsNoTangentSquareAndNothingNotANumber)
{
    const P3 m{-3, 2, 1};
    for (const int j : {0, 2}) {
        SCOPED_TRACE(testing::Message() << "j = " << j);
        szene.EinstellungenAendern(Eingaben(0, 8, 0, j, m, true));
        const Frame bild = Zeichnen();
        ASSERT_EQ(bild.glError(), GLenum(GL_NO_ERROR));
        for (const Primitive& pr : bild.drawn()) {
            EXPECT_FALSE(pr.hasColour(0, 0, 1) || pr.hasColour(0.65f, 0.8f, 1)) << "tangent square: " << pr;
            for (const FeedbackVertex& v : pr.vertices)
                ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z)) << pr;
        }
        const auto linien = bild.ofKind(PrimitiveKind::Line);
        EXPECT_EQ(linien.size(), 64u) << "the grid, shrunk to M";
        for (const Primitive& l : linien)
            for (const FeedbackVertex& v : l.vertices)
                EXPECT_LT(Laenge(Modell(v) - m), 1e-4);
    }
}

TEST_F(KugelBild, NothingWhileTheMainSwitchIsOffEvenWithEverySubSwitchOn)
{
    tVektorKugelEinstellungen e = Eingaben(5, 8, 1, 3, {1, 2, 3}, true);
    e.Kugel = false;
    szene.EinstellungenAendern(e);
    const Frame f = Zeichnen(tSeiten::Vorn);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
