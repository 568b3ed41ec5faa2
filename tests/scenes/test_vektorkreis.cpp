// The scene "Kreis mit Vektoren": the model's change logic as tables, and its picture
// through GL feedback and pixels. Every expectation is computed here from the scene's
// rules (P = M + r (cos φ, sin φ, 0), the tangent direction, the draw steps with their
// colours and thicknesses), not taken from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/vektorkreis.h"
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

tVektorKreisEinstellungen Eingaben(int r, int grad, P3 m, bool alleSchalter = false)
{
    tVektorKreisEinstellungen e;
    e.Werte = {r, grad, Nach(m)};
    e.Kreislinie = e.MittelpunktVektor = e.Punkt = e.OrtsVektor = e.DifferenzVektor = e.VieleOrtsvektoren =
        e.VieleDifferenzvektoren = e.Kreisflaeche = e.Tangente = alleSchalter;
    return e;
}

// The circle point at `grad` degrees.
P3 Punkt(P3 m, double r, double grad)
{
    const double w = grad * std::numbers::pi / 180;
    return {m.x + r * std::cos(w), m.y + r * std::sin(w), m.z};
}

void ErwarteNahe(const tVektor3& ist, P3 soll)
{
    EXPECT_NEAR(ist.x, soll.x, 1e-12);
    EXPECT_NEAR(ist.y, soll.y, 1e-12);
    EXPECT_NEAR(ist.z, soll.z, 1e-12);
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorKreis, StartsWithTheExampleAtZeroDegreesAndEverySwitchOff)
{
    const TVektorKreis m;
    const tVektorKreisEinstellungen& e = m.Einstellungen();
    EXPECT_FALSE(e.Kreislinie || e.MittelpunktVektor || e.Punkt || e.OrtsVektor || e.DifferenzVektor ||
                 e.VieleOrtsvektoren || e.VieleDifferenzvektoren || e.Kreisflaeche || e.Tangente);
    EXPECT_EQ(e.Werte, (tVektorKreisWerte{3, 0, {4, 3, 0}}));
    EXPECT_EQ(m.Kreispunkt(), (tVektor3{7, 3, 0})) << "P = (7, 3, 0) at the start";
    EXPECT_EQ(m.TangentenRichtung(), (tVektor3{0, 3, 0}));
    EXPECT_EQ(TVektorKreis::Beispiel.Radius, 3);
    EXPECT_EQ(TVektorKreis::Beispiel.Mittelpunkt, (tVektor3{4, 3, 0}));
    EXPECT_EQ(TVektorKreis::Geloescht.Radius, 1);
    EXPECT_EQ(TVektorKreis::Geloescht.Mittelpunkt, (tVektor3{0, 0, 0}));
}

TEST(VektorKreis, PointAndTangentFollowRadiusAngleAndCentre)
{
    const P3 m0{4, 3, 0};
    const struct {
        const char* name;
        int r, grad;
        P3 m;
    } faelle[] = {
        {"0°", 3, 0, m0},
        {"a quarter turn", 3, 90, m0},
        {"half a turn", 3, 180, m0},
        {"270°", 3, 270, m0},
        {"30°", 3, 30, m0},
        {"350°, the last step", 3, 350, m0},
        {"largest radius", 10, 120, {-10, 10, -10}},
        {"radius 0: P = M, no tangent", 0, 40, {1, 2, 3}},
        {"Mz lifts P with the circle", 2, 60, {0, 0, 5}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorKreis k;
        k.EinstellungenAendern(Eingaben(f.r, f.grad, f.m));
        const P3 p = Punkt(f.m, f.r, f.grad);
        ErwarteNahe(k.Kreispunkt(), p);
        // The tangent direction is the radius turned a quarter turn on, as long as r.
        ErwarteNahe(k.TangentenRichtung(), {-(p.y - f.m.y), p.x - f.m.x, 0});
        EXPECT_NEAR(k.TangentenRichtung().Laenge(), f.r, 1e-12);
        EXPECT_EQ(k.Einstellungen(), Eingaben(f.r, f.grad, f.m)) << "stored as given";
    }
}

TEST(VektorKreis, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string nicht = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von ";
    const struct {
        const char* name;
        std::function<void(tVektorKreisWerte&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"radius 11", [](auto& w) { w.Radius = 11; }, "Radius: 11" + nicht + "0 bis 10."},
        {"radius below 0", [](auto& w) { w.Radius = -1; }, "Radius: -1" + nicht + "0 bis 10."},
        {"radius far beyond", [](auto& w) { w.Radius = 2147483647; }, "Radius: 2147483647" + nicht + "0 bis 10."},
        {"angle 360", [](auto& w) { w.PunktGrad = 360; }, "Grad: 360" + nicht + "0 bis 350."},
        {"angle below 0", [](auto& w) { w.PunktGrad = -10; }, "Grad: -10" + nicht + "0 bis 350."},
        {"M x above the range", [](auto& w) { w.Mittelpunkt.x = 11; },
         "Mittelpunkt-Vektor, x-Komponente: 11" + nicht + "-10 bis 10."},
        {"M z not a number", [nan](auto& w) { w.Mittelpunkt.z = nan; },
         "Mittelpunkt-Vektor, z-Komponente: NAN" + nicht + "-10 bis 10."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorKreis k;
        const tVektorKreisEinstellungen vorher = Eingaben(2, 90, {1, 1, 1}, true);
        k.EinstellungenAendern(vorher);
        tVektorKreisEinstellungen neu = Eingaben(5, 0, {0, 0, 0});
        f.verderben(neu.Werte);
        ErwarteAbweisung([&] { k.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(k.Einstellungen(), vorher) << "nothing stored";
        ErwarteNahe(k.Kreispunkt(), {1, 3, 1});
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Schwarz{0, 0, 0}, Rot{1, 0, 0}, Dunkelrot{0.7f, 0, 0}, Gruen{0, 0.7f, 0};
constexpr Farbe Grau{0.3f, 0.3f, 0.3f}, Graugruen{0.3f, 0.5f, 0.3f};
constexpr Farbe ScheibeVorn{0.7f, 0.7f, 0.7f}, ScheibeHinten{0.9f, 0.9f, 0.9f};

// The signed area of a polygon as seen from +z: positive for counter-clockwise corners.
double FlaecheVonOben(const std::vector<P3>& ecken)
{
    double a = 0;
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        const P3 p = ecken[i], q = ecken[(i + 1) % ecken.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2;
}

// Looking down the z axis onto the box -40..40 (400 pixels), so every drawn vertex reads
// back as a model point; arrows as thick as in the room -5..5.
class KreisBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorKreis szene;

    KreisBild() : SzenenBild(400, 40) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }
    Frame Zeichnen(tSeiten seiten) { return SzenenBild::Zeichnen(szene, seiten); }

    // The disc in one colour: triangles from M to the rim in the plane z = Mz, all wound
    // one way, covering the circle once (as a 50-gon).
    void ScheibePruefen(FlaechenFolge& folge, const char* was, Farbe farbe, P3 m, double r, double vorzeichen)
    {
        SCOPED_TRACE(was);
        double flaeche = 0;
        const auto teile = folge.Flaeche(was, farbe, [&](P3 q) {
            const double d = Laenge(q - m);
            return std::abs(q.z - m.z) < 1e-4 && (d < 1e-4 || std::abs(d - r) < 1e-4);
        });
        for (const Primitive* t : teile) {
            std::vector<P3> ecken;
            for (const FeedbackVertex& v : t->vertices)
                ecken.push_back(Modell(v));
            const double a = FlaecheVonOben(ecken);
            EXPECT_GT(vorzeichen * a, 0) << "winding";
            flaeche += a;
        }
        EXPECT_NEAR(std::abs(flaeche), 25 * r * r * std::sin(2 * std::numbers::pi / 50), 1e-3);
    }
};

}  // namespace

TEST_F(KreisBild, EveryStepInItsOrderColourAndThickness)
{
    const P3 m{2, 1, 3};
    const int r = 4, grad = 60;
    szene.EinstellungenAendern(Eingaben(r, grad, m, true));
    const Frame bild = Zeichnen(tSeiten::Beide);
    ASSERT_EQ(bild.glError(), GLenum(GL_NO_ERROR));
    const auto& alles = bild.drawn();
    const P3 p = Punkt(m, r, grad);

    // Step 3: the circle line in 50 black pieces about M, parallel to the x-y plane.
    std::size_t i = 0;
    for (; i < alles.size() && alles[i].kind == PrimitiveKind::Line; ++i) {
        EXPECT_TRUE(alles[i].hasColour(0, 0, 0));
        for (const FeedbackVertex& v : alles[i].vertices) {
            const P3 q = Modell(v);
            EXPECT_NEAR(Laenge(q - m), r, 1e-4) << q;
            EXPECT_NEAR(q.z, m.z, 1e-4) << q;
        }
    }
    EXPECT_EQ(i, 50u);
    // Step 13 last: the tangent from P - 3 T to P + 3 T in black.
    const P3 t{-(p.y - m.y), p.x - m.x, 0};
    ASSERT_EQ(alles.back().kind, PrimitiveKind::Line);
    EXPECT_TRUE(alles.back().hasColour(0, 0, 0));
    EXPECT_LT(Laenge(Modell(alles.back().vertices[0]) - (p - 3 * t)), 1e-4);
    EXPECT_LT(Laenge(Modell(alles.back().vertices[1]) - (p + 3 * t)), 1e-4);
    EXPECT_EQ(bild.count(PrimitiveKind::Line), 51);

    // Steps 4 to 12, the faces in between.
    FlaechenFolge folge(*this, std::vector<Primitive>(alles.begin() + long(i), alles.end() - 1));
    folge.Ball(m, 0.12, Rot);
    ScheibePruefen(folge, "disc, front up", ScheibeVorn, m, r, 1);
    ScheibePruefen(folge, "disc, back down", ScheibeHinten, m, r, -1);
    folge.Pfeil({"M", {}, m, 0.08, Dunkelrot});
    folge.Ball(p, 0.12, Schwarz);
    folge.Pfeil({"P", {}, p, 0.08, Schwarz});
    folge.Pfeil({"M to P", m, p, 0.08, Gruen});
    for (int a = 0; a < 360; a += 20)
        folge.Pfeil({"to the point at " + std::to_string(a) + "°", {}, Punkt(m, r, a), 0.03, Grau});
    for (int a = 0; a < 360; a += 20)
        folge.Pfeil({"M to the point at " + std::to_string(a) + "°", m, Punkt(m, r, a), 0.03, Graugruen});
    EXPECT_TRUE(folge.Ende()) << folge.Naechste();

    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(KreisBild, RadiusZeroShrinksEverythingToTheCentre)
{
    const P3 m{-3, 2, 1};
    tVektorKreisEinstellungen e = Eingaben(0, 30, m);
    e.Kreislinie = e.Tangente = e.VieleOrtsvektoren = true;
    szene.EinstellungenAendern(e);
    const Frame bild = Zeichnen(tSeiten::Beide);
    ASSERT_EQ(bild.glError(), GLenum(GL_NO_ERROR));
    const auto linien = bild.ofKind(PrimitiveKind::Line);
    EXPECT_EQ(linien.size(), 51u) << "circle and tangent";
    for (const Primitive& l : linien)
        for (const FeedbackVertex& v : l.vertices)
            EXPECT_LT(Laenge(Modell(v) - m), 1e-4);
    FlaechenFolge folge(*this, bild.ofKind(PrimitiveKind::Polygon));
    folge.Ball(m, 0.12, Rot);
    for (int a = 0; a < 360; a += 20)
        folge.Pfeil({"to M", {}, m, 0.03, Grau});
    EXPECT_TRUE(folge.Ende()) << folge.Naechste();
}

TEST_F(KreisBild, PixelsShowTheTwoSidesOfTheDisc)
{
    Halbbreite = 10;
    const P3 m{1, -1, 2};
    tVektorKreisEinstellungen e = Eingaben(4, 0, m);
    e.Kreislinie = e.Kreisflaeche = true;
    szene.EinstellungenAendern(e);
    const P3 innen = m + P3{2, 1, 0};
    const auto grau = [](Rgba c, double soll) { return std::abs(c.r - soll) <= 1 && c.g == c.r && c.b == c.r; };
    const Rgba oben = Bei(Zeichnen(tSeiten::Vorn), Nach(innen));
    EXPECT_TRUE(grau(oben, 178.5)) << "front (0,7; 0,7; 0,7) from above: " << oben;
    Drehungen = {VonUnten};
    const Rgba unten = Bei(Zeichnen(tSeiten::Vorn), Nach(innen));
    EXPECT_TRUE(grau(unten, 229.5)) << "back (0,9; 0,9; 0,9) from below: " << unten;
}

TEST_F(KreisBild, NothingWhileTheMainSwitchIsOffEvenWithEverySubSwitchOn)
{
    tVektorKreisEinstellungen e = Eingaben(5, 40, {1, 2, 3}, true);
    e.Kreislinie = false;
    szene.EinstellungenAendern(e);
    const Frame f = Zeichnen(tSeiten::Beide);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
