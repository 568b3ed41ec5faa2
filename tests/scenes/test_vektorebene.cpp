// The scene "Ebene mit Vektoren": the model's change logic as tables, and its picture
// through GL feedback and pixels. Every expectation is computed here from the scene's
// rules (O = S + t1·R1 + t2·R2, the draw steps with their colours and thicknesses), not
// taken from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/vektorebene.h"
#include "szenenbild.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace orbisto;
using namespace orbisto::flaechenfolge;

namespace {

tVektorEbeneEinstellungen Eingaben(P3 s, P3 r1, P3 r2, double t1, double t2, int f, bool alleSchalter = false)
{
    tVektorEbeneEinstellungen e;
    e.Werte = {Nach(s), Nach(r1), Nach(r2), t1, t2, f};
    e.Ebene = e.EbeneFlaeche = e.EbeneGitter = e.OrtsVektor = e.StuetzpunktVektor = e.RichtungsVektor1 =
        e.RichtungsVektor2 = e.VieleOrtsvektoren = e.AdditionRichtungsvektoren = alleSchalter;
    return e;
}

// Example 2 of the window.
const P3 S2{-2, 4, 1}, R1b{3, 2, 1}, R2b{1, 1, 3};

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorEbene, StartsWithExample1AndOnlyTheFaceSwitchedOn)
{
    const TVektorEbene m;
    const tVektorEbeneEinstellungen& e = m.Einstellungen();
    EXPECT_TRUE(e.EbeneFlaeche);
    EXPECT_FALSE(e.Ebene || e.EbeneGitter || e.OrtsVektor || e.StuetzpunktVektor || e.RichtungsVektor1 ||
                 e.RichtungsVektor2 || e.VieleOrtsvektoren || e.AdditionRichtungsvektoren);
    const tVektorEbeneWerte beispiel1{{4, 0, 0}, {0, 1, 0}, {0, 0, 1}, 1, 1, 6};
    EXPECT_EQ(e.Werte, beispiel1);
    EXPECT_EQ(TVektorEbene::Beispiel1, beispiel1);
    EXPECT_EQ(TVektorEbene::Beispiel2, (tVektorEbeneWerte{{-2, 4, 1}, {3, 2, 1}, {1, 1, 3}, 1, 1, 3}));
    EXPECT_EQ(TVektorEbene::Geloescht, (tVektorEbeneWerte{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 1, 1, 3}));
    EXPECT_EQ(m.Ort(), (tVektor3{4, 1, 1})) << "O = (4, 1, 1) shows before the window is opened";
    EXPECT_EQ(m.OrtTexte(), (std::array<std::string, 3>{"4", "1", "1"}));
}

TEST(VektorEbene, OIsSPlusT1R1PlusT2R2ComponentByComponent)
{
    const struct {
        const char* name;
        tVektorEbeneWerte w;
        P3 o;
        std::array<std::string, 3> texte;
    } faelle[] = {
        {"example 1", TVektorEbene::Beispiel1, {4, 1, 1}, {"4", "1", "1"}},
        {"example 2", TVektorEbene::Beispiel2, {2, 7, 5}, {"2", "7", "5"}},
        {"Löschen: every vector 0", TVektorEbene::Geloescht, {0, 0, 0}, {"0", "0", "0"}},
        {"t1 = t2 = 0 gives O = S", {{-2, 4, 1}, {3, 2, 1}, {1, 1, 3}, 0, 0, 3}, {-2, 4, 1}, {"-2", "4", "1"}},
        {"negative parameters", {{-2, 4, 1}, {3, 2, 1}, {1, 1, 3}, 2, -1, 3}, {3, 7, 0}, {"3", "7", "0"}},
        {"largest values: 210 from each axis",
         {{10, 10, 10}, {10, 10, 10}, {10, 10, 10}, 10, 10, 10},
         {210, 210, 210},
         {"210", "210", "210"}},
        {"smallest values",
         {{-10, -10, -10}, {10, 10, 10}, {-10, -10, -10}, -10, 10, 0},
         {-210, -210, -210},
         {"-210", "-210", "-210"}},
        {"zeros from -1 times 0 are written 0",
         {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}, -1, -1, 3},
         {0, -1, -1},
         {"0", "-1", "-1"}},
        {"parallel directions are taken as they come",
         {{1, 2, 3}, {1, 0, 0}, {1, 0, 0}, 2, 3, 3},
         {6, 2, 3},
         {"6", "2", "3"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorEbene m;
        tVektorEbeneEinstellungen e;
        e.Werte = f.w;
        m.EinstellungenAendern(e);
        EXPECT_EQ(m.Ort(), Nach(f.o));
        EXPECT_EQ(m.OrtTexte(), f.texte);
        EXPECT_EQ(m.Einstellungen(), e) << "stored as given";
    }
}

TEST(VektorEbene, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string erlaubt = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -10 bis 10.";
    const std::string erlaubtGroesse = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 10.";
    const struct {
        const char* name;
        std::function<void(tVektorEbeneWerte&)> verderben;
        std::string meldung;
    } faelle[] = {
        // A size typed as 1000 would mean four million arrows per picture.
        {"size 1000", [](auto& w) { w.EbeneFaktor = 1000; }, "Größe: 1000" + erlaubtGroesse},
        {"size 11", [](auto& w) { w.EbeneFaktor = 11; }, "Größe: 11" + erlaubtGroesse},
        {"size below 0", [](auto& w) { w.EbeneFaktor = -1; }, "Größe: -1" + erlaubtGroesse},
        {"S z below the range", [](auto& w) { w.Stuetzpunkt.z = -11; },
         "Stützpunkt-Vektor, z-Komponente: -11" + erlaubt},
        {"R1 y not a number", [nan](auto& w) { w.Richtungsvektor1.y = nan; },
         "1. Richtungs-Vektor, y-Komponente: NAN" + erlaubt},
        {"R2 x infinite", [inf](auto& w) { w.Richtungsvektor2.x = inf; },
         "2. Richtungs-Vektor, x-Komponente: INF" + erlaubt},
        {"t1 not whole", [](auto& w) { w.Parameter1 = 0.5; }, "1. Parameter: 0,5" + erlaubt},
        {"t2 above the range", [](auto& w) { w.Parameter2 = 11; }, "2. Parameter: 11" + erlaubt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorEbene m;
        const tVektorEbeneEinstellungen vorher = Eingaben(S2, R1b, R2b, 2, -1, 4, true);
        m.EinstellungenAendern(vorher);
        tVektorEbeneEinstellungen neu = Eingaben({0, 0, 0}, {1, 1, 1}, {1, 0, 0}, 1, 1, 3);
        f.verderben(neu.Werte);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_EQ(m.Ort(), (tVektor3{3, 7, 0})) << "O unchanged";
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Schwarz{0, 0, 0}, Dunkelrot{0.7f, 0, 0}, Hellgruen{0.4f, 1, 0.4f}, Dunkelgruen{0, 0.5f, 0};
constexpr Farbe Hellblau{0.5f, 0.5f, 1}, Dunkelblau{0, 0, 0.7f}, Grau{0.3f, 0.3f, 0.3f};
constexpr Farbe Vorn{0.67f, 0.42f, 0.5f}, Hinten{0.67f, 0.42f, 0.4f};

// Every arrow the scene draws for these values with every switch on, in its order.
std::vector<Pfeil> ErwartetePfeile(P3 s, P3 r1, P3 r2, double t1, double t2, int f)
{
    const P3 o = s + t1 * r1 + t2 * r2;
    std::vector<Pfeil> p{
        {"S", {}, s, 0.08, Dunkelrot},
        {"R1", s, s + r1, 0.08, Hellgruen},
        {"t1 R1", s, s + t1 * r1, 0.08, Dunkelgruen},
        {"R2", s, s + r2, 0.08, Hellblau},
        {"t2 R2", s, s + t2 * r2, 0.08, Dunkelblau},
        {"O", {}, o, 0.08, Schwarz},
        {"t2 R2 after t1 R1", s + t1 * r1, o, 0.08, Dunkelblau},
        {"t1 R1 after t2 R2", s + t2 * r2, o, 0.08, Dunkelgruen},
    };
    for (int i = -f; i <= f; ++i)
        for (int j = -f; j <= f; ++j)
            p.push_back({"S + " + std::to_string(i) + " R1 + " + std::to_string(j) + " R2",
                         {},
                         s + i * r1 + j * r2,
                         0.03,
                         Grau});
    return p;
}

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
class EbeneBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorEbene szene;

    EbeneBild() : SzenenBild(400, 40) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }
    Frame Zeichnen(tSeiten seiten) { return SzenenBild::Zeichnen(szene, seiten); }
};

}  // namespace

TEST_F(EbeneBild, EveryStepInItsOrderColourAndThickness)
{
    const int f = 1;
    const double t1 = 2, t2 = -1;
    szene.EinstellungenAendern(Eingaben(S2, R1b, R2b, t1, t2, f, true));
    const Frame bild = Zeichnen(tSeiten::Beide);
    ASSERT_EQ(bild.glError(), GLenum(GL_NO_ERROR));
    const auto& alles = bild.drawn();

    // Step 2: the face, front then back, over the parallelogram S ± f R1 ± f R2.
    const P3 ecken[4] = {S2 - f * R1b - f * R2b, S2 + f * R1b - f * R2b, S2 + f * R1b + f * R2b,
                         S2 - f * R1b + f * R2b};
    std::size_t i = 0;
    for (const auto& [farbe, vorzeichen] : {std::pair{Vorn, 1.0}, std::pair{Hinten, -1.0}}) {
        SCOPED_TRACE(vorzeichen > 0 ? "front" : "back");
        bool gesehen[4] = {};
        double flaeche = 0;
        const std::size_t anfang = i;
        for (; i < alles.size() && alles[i].kind == PrimitiveKind::Polygon &&
               alles[i].hasColour(farbe.r, farbe.g, farbe.b);
             ++i) {
            std::vector<P3> teil;
            for (const FeedbackVertex& v : alles[i].vertices) {
                const P3 m = Modell(v);
                teil.push_back(m);
                int welche = -1;
                for (int n = 0; n < 4; ++n)
                    if (Laenge(m - ecken[n]) < 1e-4)
                        welche = n;
                ASSERT_GE(welche, 0) << m << " is a corner of the piece";
                gesehen[welche] = true;
            }
            const double a = FlaecheVonOben(teil);
            EXPECT_GT(vorzeichen * a, 0) << "winding";
            flaeche += a;
        }
        ASSERT_GT(i, anfang) << "face drawn";
        EXPECT_TRUE(gesehen[0] && gesehen[1] && gesehen[2] && gesehen[3]);
        // The parallelogram spanned by 2f R1 and 2f R2, seen from above.
        const double soll = 4 * f * f * (R1b.x * R2b.y - R1b.y * R2b.x);
        EXPECT_NEAR(std::abs(flaeche), std::abs(soll), 1e-3) << "covers the whole piece once";
    }

    // Step 3: 2f + 1 black lines along R2, then 2f + 1 along R1.
    std::vector<std::pair<P3, P3>> linien;
    for (int n = -f; n <= f; ++n)
        linien.push_back({S2 + n * R1b - f * R2b, S2 + n * R1b + f * R2b});
    for (int n = -f; n <= f; ++n)
        linien.push_back({S2 - f * R1b + n * R2b, S2 + f * R1b + n * R2b});
    for (const auto& [a, b] : linien) {
        ASSERT_LT(i, alles.size());
        const Primitive& l = alles[i++];
        ASSERT_EQ(l.kind, PrimitiveKind::Line);
        EXPECT_TRUE(l.hasColour(0, 0, 0));
        EXPECT_LT(Laenge(Modell(l.vertices[0]) - a), 1e-4) << Modell(l.vertices[0]) << " should be " << a;
        EXPECT_LT(Laenge(Modell(l.vertices[1]) - b), 1e-4) << Modell(l.vertices[1]) << " should be " << b;
    }

    // Steps 4 to 9: only arrows follow.
    const std::vector<Primitive> rest(alles.begin() + long(i), alles.end());
    for (const Primitive& p : rest)
        ASSERT_EQ(p.kind, PrimitiveKind::Polygon);
    FlaechenFolge folge(*this, rest);
    for (const Pfeil& p : ErwartetePfeile(S2, R1b, R2b, t1, t2, f))
        folge.Pfeil(p);
    EXPECT_TRUE(folge.Ende()) << "nothing after the last arrow: " << folge.Naechste();

    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(EbeneBild, TheSizeSetsTheGridAndTheNumberOfPositionVectors)
{
    const struct {
        const char* name;
        int f;
        P3 r1, r2;
    } faelle[] = {
        {"size 0: two grid lines of length 0 at S, one arrow to S", 0, R1b, R2b},
        {"size 2", 2, R1b, R2b},
        {"size 10: 441 arrows", 10, {1, 0, 0}, {0, 1, 0}},
        {"parallel directions: nothing refused", 1, {1, 0, 0}, {1, 0, 0}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tVektorEbeneEinstellungen e = Eingaben(S2, fall.r1, fall.r2, 1, 1, fall.f);
        e.Ebene = e.EbeneGitter = e.VieleOrtsvektoren = true;
        szene.EinstellungenAendern(e);
        const Frame bild = Zeichnen(tSeiten::Beide);
        const auto linien = bild.ofKind(PrimitiveKind::Line);
        ASSERT_EQ(linien.size(), std::size_t(2 * (2 * fall.f + 1)));
        if (fall.f == 0) {
            for (const Primitive& l : linien)
                for (const FeedbackVertex& v : l.vertices)
                    EXPECT_LT(Laenge(Modell(v) - S2), 1e-4);
        }
        FlaechenFolge folge(*this, bild.ofKind(PrimitiveKind::Polygon));
        for (int i = -fall.f; i <= fall.f; ++i)
            for (int j = -fall.f; j <= fall.f; ++j)
                folge.Pfeil({"S + i R1 + j R2", {}, S2 + i * fall.r1 + j * fall.r2, 0.03, Grau});
        EXPECT_TRUE(folge.Ende()) << folge.Naechste();
    }
}

TEST_F(EbeneBild, PixelsShowTheTwoSidesOfThePlaneInTheirColours)
{
    // Example 2 seen from above and from below: R1 × R2 points up, so the front faces up.
    Halbbreite = 10;
    tVektorEbeneEinstellungen e = Eingaben(S2, R1b, R2b, 1, 1, 1);
    e.Ebene = e.EbeneFlaeche = true;
    szene.EinstellungenAendern(e);
    const auto nahe = [](Rgba c, int r, int g, int b) {
        return std::abs(c.r - r) <= 1 && std::abs(c.g - g) <= 1 && std::abs(c.b - b) <= 1;
    };
    const Rgba oben = Bei(Zeichnen(tSeiten::Vorn), Nach(S2));
    EXPECT_TRUE(nahe(oben, 171, 107, 128)) << "front (0,67; 0,42; 0,5) from above: " << oben;
    Drehungen = {VonUnten};
    const Rgba unten = Bei(Zeichnen(tSeiten::Vorn), Nach(S2));
    EXPECT_TRUE(nahe(unten, 171, 107, 102)) << "back (0,67; 0,42; 0,4) from below: " << unten;
}

TEST_F(EbeneBild, NothingWhileTheMainSwitchIsOffEvenWithEverySubSwitchOn)
{
    tVektorEbeneEinstellungen e = Eingaben(S2, R1b, R2b, 2, -1, 3, true);
    e.Ebene = false;
    szene.EinstellungenAendern(e);
    const Frame f = Zeichnen(tSeiten::Beide);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
