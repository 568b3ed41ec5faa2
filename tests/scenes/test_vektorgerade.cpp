// The scene "Gerade mit Vektoren": the model's change logic as tables, and its picture
// through GL feedback and pixels. Every expectation is computed here from the scene's
// rules (O = S + t·R, the draw steps with their colours and thicknesses, and the geometry
// of an arrow), not taken from the code under test.

#include "abweisung.h"
#include "core/allgemeinerfehler.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"
#include "scenes/math/vektorgerade.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

// Plain arithmetic of the test, independent of tVektor3.
struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }
double Skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Laenge(P3 a) { return std::sqrt(Skalar(a, a)); }
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }

tVektor3 Nach(P3 p) { return {p.x, p.y, p.z}; }

// The start values.
const P3 S0{-2, 4, 1}, R0{3, 2, 1};
constexpr double T0 = 1;

tVektorGeradeEinstellungen Eingaben(P3 s, P3 r, double t, bool alleSchalter = false)
{
    tVektorGeradeEinstellungen e;
    e.Stuetzpunkt = Nach(s);
    e.Richtungsvektor = Nach(r);
    e.Parameterwert = t;
    e.Gerade = e.OrtsVektor = e.StuetzpunktVektor = e.RichtungsVektor = e.VieleOrtsvektoren = alleSchalter;
    return e;
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorGerade, StartsWithTheStartValuesOfFormCreateAndTheirO)
{
    const TVektorGerade m;
    const tVektorGeradeEinstellungen& e = m.Einstellungen();
    EXPECT_FALSE(e.Gerade || e.OrtsVektor || e.StuetzpunktVektor || e.RichtungsVektor || e.VieleOrtsvektoren);
    EXPECT_EQ(e.Stuetzpunkt, (tVektor3{-2, 4, 1}));
    EXPECT_EQ(e.Richtungsvektor, (tVektor3{3, 2, 1}));
    EXPECT_EQ(e.Parameterwert, 1);
    EXPECT_EQ(m.Ort(), (tVektor3{1, 6, 2})) << "the edits show O = (1, 6, 2) at the start";
    EXPECT_EQ(m.OrtTexte(), (std::array<std::string, 3>{"1", "6", "2"}));
}

TEST(VektorGerade, OIsSPlusTTimesRComponentByComponent)
{
    const struct {
        const char* name;
        P3 s, r;
        double t;
        P3 o;
        std::array<std::string, 3> texte;
    } faelle[] = {
        {"start values", S0, R0, T0, {1, 6, 2}, {"1", "6", "2"}},
        {"t = 0 gives O = S", S0, R0, 0, {-2, 4, 1}, {"-2", "4", "1"}},
        {"t = -1 goes back along R", S0, R0, -1, {-5, 2, 0}, {"-5", "2", "0"}},
        {"R = 0 keeps O at S for any t", S0, {0, 0, 0}, 7, {-2, 4, 1}, {"-2", "4", "1"}},
        {"largest values: 110 from each axis", {10, 10, 10}, {10, 10, 10}, 10, {110, 110, 110}, {"110", "110", "110"}},
        {"smallest values", {-10, -10, -10}, {10, 10, 10}, -10, {-110, -110, -110}, {"-110", "-110", "-110"}},
        {"a zero from -1 times 0 is written 0", {0, 0, 0}, {0, -1, 1}, -1, {0, 1, -1}, {"0", "1", "-1"}},
        {"mixed signs", {10, -10, 0}, {-3, 7, -1}, 3, {1, 11, -3}, {"1", "11", "-3"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorGerade m;
        m.EinstellungenAendern(Eingaben(f.s, f.r, f.t));
        EXPECT_EQ(m.Ort(), Nach(f.o));
        EXPECT_EQ(m.OrtTexte(), f.texte);
        EXPECT_EQ(m.Einstellungen(), Eingaben(f.s, f.r, f.t)) << "stored as given";
    }
}

TEST(VektorGerade, StoresEverySwitchAsGiven)
{
    TVektorGerade m;
    for (int maske = 0; maske < 32; ++maske) {
        tVektorGeradeEinstellungen e = Eingaben(S0, R0, T0);
        e.Gerade = maske & 1;
        e.OrtsVektor = maske & 2;
        e.StuetzpunktVektor = maske & 4;
        e.RichtungsVektor = maske & 8;
        e.VieleOrtsvektoren = maske & 16;
        m.EinstellungenAendern(e);
        EXPECT_EQ(m.Einstellungen(), e) << maske;
        EXPECT_EQ(m.Ort(), (tVektor3{1, 6, 2})) << "switches do not move O";
    }
}

TEST(VektorGerade, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string erlaubt = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -10 bis 10.";
    const struct {
        const char* name;
        std::function<void(tVektorGeradeEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"S x above the range", [](auto& e) { e.Stuetzpunkt.x = 11; }, "Stützpunkt-Vektor, x-Komponente: 11" + erlaubt},
        {"S z below the range", [](auto& e) { e.Stuetzpunkt.z = -11; },
         "Stützpunkt-Vektor, z-Komponente: -11" + erlaubt},
        {"t not whole", [](auto& e) { e.Parameterwert = 0.5; }, "Parameter: 0,5" + erlaubt},
        {"t not a number", [nan](auto& e) { e.Parameterwert = nan; }, "Parameter: NAN" + erlaubt},
        {"R y infinite", [inf](auto& e) { e.Richtungsvektor.y = -inf; },
         "Richtungs-Vektor, y-Komponente: -INF" + erlaubt},
        {"R z just off a whole number", [](auto& e) { e.Richtungsvektor.z = 2.000001; },
         "Richtungs-Vektor, z-Komponente: 2,000001" + erlaubt},
        {"the first bad field is named", [](auto& e) { e.Richtungsvektor.x = e.Stuetzpunkt.y = 20; },
         "Stützpunkt-Vektor, y-Komponente: 20" + erlaubt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorGerade m;
        const tVektorGeradeEinstellungen vorher = Eingaben({1, 2, 3}, {4, 5, 6}, 2, true);
        m.EinstellungenAendern(vorher);
        tVektorGeradeEinstellungen neu = Eingaben({0, 0, 0}, {1, 1, 1}, 1);
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_EQ(m.Ort(), (tVektor3{9, 12, 15})) << "O unchanged";
    }
}

TEST(VektorGerade, AcceptsTheEndsOfTheRange)
{
    TVektorGerade m;
    EXPECT_NO_THROW(m.EinstellungenAendern(Eingaben({-10, 10, -10}, {10, -10, 10}, -10)));
    EXPECT_NO_THROW(m.EinstellungenAendern(Eingaben({0, 0, 0}, {0, 0, 0}, 10)));
}

// --- The picture --------------------------------------------------------------------

namespace {

struct Farbe {
    float r, g, b;
};
std::ostream& operator<<(std::ostream& os, Farbe f) { return os << '(' << f.r << ", " << f.g << ", " << f.b << ')'; }

// One VektorpfeilRGB call as the view draws it: shaft radius s = thickness x xSchritt over
// 0,8 of the length, head of radius 2s to the tip, faces in the colour, the disc under the
// shaft and the one under the head in twice the colour (clamped to 1).
struct Pfeil {
    std::string name;
    P3 von, nach;
    double dicke;
    Farbe farbe;

    Farbe Scheiben() const
    {
        return {std::min(1.0f, 2 * farbe.r), std::min(1.0f, 2 * farbe.g), std::min(1.0f, 2 * farbe.b)};
    }
};

// The scene's colours and thicknesses.
constexpr Farbe Schwarz{0, 0, 0}, Dunkelrot{0.7f, 0, 0}, Hellgruen{0.4f, 1, 0.4f}, Dunkelgruen{0, 0.5f, 0};
constexpr Farbe Grau{0.3f, 0.3f, 0.3f};

// Every arrow the scene draws for these values and switches, in its order.
std::vector<Pfeil> ErwartetePfeile(P3 s, P3 r, double t, bool stuetz, bool richtung, bool ort, bool viele)
{
    std::vector<Pfeil> p;
    const P3 o = s + t * r;
    if (stuetz)
        p.push_back({"S", {}, s, 0.08, Dunkelrot});
    if (richtung) {
        p.push_back({"R", s, s + r, 0.08, Hellgruen});
        p.push_back({"t R", s, s + t * r, 0.08, Dunkelgruen});
    }
    if (ort)
        p.push_back({"O", {}, o, 0.08, Schwarz});
    if (viele)
        for (int i = -10; i <= 10; ++i)
            p.push_back({"S + " + std::to_string(i) + " R", {}, s + double(i) * r, 0.04, Grau});
    return p;
}

bool GleicheFarbe(const FeedbackVertex& v, Farbe f)
{
    const float tol = 0.6f / 255;
    return std::abs(v.r - f.r) < tol && std::abs(v.g - f.g) < tol && std::abs(v.b - f.b) < tol;
}

// Looking down the z axis onto the box -40..40 (400 pixels), so every drawn vertex reads
// back as a model point; arrows as thick as in the room -5..5.
class GeradeBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorGerade szene;

    GeradeBild() : SzenenBild(400, 40) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    // The hook in the fixed GL state of the program (depth test, back faces culled), or with
    // culling off to see every face of every arrow.
    Frame Zeichnen(tSeiten seiten) { return SzenenBild::Zeichnen(szene, seiten); }

    // Splits the polygons into the expected arrows, in order: an arrow in two colours is the
    // four runs shaft, shaft disc, head, head disc; a black one (its discs black too) is one
    // run. Each arrow's corners must lie where an arrow of its points and thickness has
    // them, and include its tip and the centre of its base.
    void PfeilePruefen(const std::vector<Primitive>& flaechen, const std::vector<Pfeil>& pfeile) const
    {
        std::size_t i = 0;
        const auto lauf = [&](Farbe f) {
            std::vector<const Primitive*> l;
            while (i < flaechen.size() && GleicheFarbe(flaechen[i].vertices[0], f)) {
                EXPECT_TRUE(flaechen[i].hasColour(f.r, f.g, f.b)) << flaechen[i];
                l.push_back(&flaechen[i++]);
            }
            return l;
        };
        for (const Pfeil& p : pfeile) {
            SCOPED_TRACE("arrow " + p.name);
            std::vector<const Primitive*> teile;
            const Farbe folge[] = {p.farbe, p.Scheiben(), p.farbe, p.Scheiben()};
            const Farbe scheiben = p.Scheiben();
            const bool einfarbig = scheiben.r == p.farbe.r && scheiben.g == p.farbe.g && scheiben.b == p.farbe.b;
            const int laeufe = einfarbig ? 1 : 4;
            for (int n = 0; n < laeufe; ++n) {
                const auto l = lauf(folge[n]);
                ASSERT_FALSE(l.empty()) << "run " << n << " in " << folge[n]
                                        << "; next polygon: " << (i < flaechen.size() ? flaechen[i] : Primitive{});
                teile.insert(teile.end(), l.begin(), l.end());
            }
            const double len = Laenge(p.nach - p.von), s = p.dicke * k.xSchritt;
            const P3 e = (1 / len) * (p.nach - p.von);
            const auto bei = [](double ist, double soll) { return std::abs(ist - soll) < 1e-4; };
            bool spitze = false, fuss = false, schaft = false, kopf = false;
            for (const Primitive* t : teile)
                for (const FeedbackVertex& v : t->vertices) {
                    const P3 q = Modell(v) - p.von;
                    const double axial = Skalar(q, e), radial = Laenge(q - axial * e);
                    const bool anfang = bei(axial, 0), absatz = bei(axial, 0.8 * len), ende = bei(axial, len);
                    spitze = spitze || (ende && bei(radial, 0));
                    fuss = fuss || (anfang && bei(radial, 0));
                    schaft = schaft || (anfang && bei(radial, s));
                    kopf = kopf || (absatz && bei(radial, 2 * s));
                    ASSERT_TRUE(((anfang || absatz) && (bei(radial, 0) || bei(radial, s))) ||
                                (absatz && bei(radial, 2 * s)) || (ende && bei(radial, 0)))
                        << Modell(v) << ": axial " << axial << ", radial " << radial << " (s = " << s << ")";
                }
            EXPECT_TRUE(spitze) << "tip at " << p.nach;
            EXPECT_TRUE(fuss) << "base disc centred at " << p.von;
            EXPECT_TRUE(schaft) << "shaft of radius " << s;
            EXPECT_TRUE(kopf) << "head of radius " << 2 * s;
        }
        EXPECT_EQ(i, flaechen.size()) << "nothing after the last arrow";
    }
};

}  // namespace

TEST_F(GeradeBild, EveryStepInItsOrderColourAndThickness)
{
    // Start values with t = -1, so that t·R points away from R and every arrow is apart.
    const double t = -1;
    szene.EinstellungenAendern(Eingaben(S0, R0, t, true));
    const Frame f = Zeichnen(tSeiten::Beide);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    const auto& alles = f.drawn();
    ASSERT_FALSE(alles.empty());

    // Step 2 first: the line through S along R, in black (clipped by the box here).
    ASSERT_EQ(alles[0].kind, PrimitiveKind::Line);
    EXPECT_TRUE(alles[0].hasColour(0, 0, 0));
    for (const FeedbackVertex& v : alles[0].vertices) {
        const P3 q = Modell(v) - S0;
        const double l = Skalar(q, R0) / Skalar(R0, R0);
        EXPECT_LT(Laenge(q - l * R0), 1e-4) << Modell(v) << " lies on the line";
    }
    EXPECT_EQ(f.count(PrimitiveKind::Line), 1);
    EXPECT_EQ(f.count(PrimitiveKind::Polygon) + 1, int(alles.size())) << "otherwise only faces";

    // Steps 3 to 6.
    PfeilePruefen(f.ofKind(PrimitiveKind::Polygon), ErwartetePfeile(S0, R0, t, true, true, true, true));

    // The model-view matrix is back at the identity (Szene's contract).
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(GeradeBild, EachSubSwitchAddsItsOwnArrowsOnly)
{
    const struct {
        const char* name;
        bool stuetz, richtung, ort, viele;
    } faelle[] = {
        {"line alone", false, false, false, false},        {"Stützpunkt-Vektor", true, false, false, false},
        {"Richtungs-Vektor", false, true, false, false},   {"Orts-Vektor", false, false, true, false},
        {"Viele Ortsvektoren", false, false, false, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tVektorGeradeEinstellungen e = Eingaben(S0, R0, 2);
        e.Gerade = true;
        e.StuetzpunktVektor = fall.stuetz;
        e.RichtungsVektor = fall.richtung;
        e.OrtsVektor = fall.ort;
        e.VieleOrtsvektoren = fall.viele;
        szene.EinstellungenAendern(e);
        const Frame f = Zeichnen(tSeiten::Beide);
        EXPECT_EQ(f.count(PrimitiveKind::Line), 1);
        PfeilePruefen(f.ofKind(PrimitiveKind::Polygon),
                      ErwartetePfeile(S0, R0, 2, fall.stuetz, fall.richtung, fall.ort, fall.viele));
    }
}

TEST_F(GeradeBild, TheLineSpansSPlusMinus100RWhateverTheRoom)
{
    const struct {
        const char* name;
        P3 s, r;
    } faelle[] = {
        {"start values", S0, R0},
        {"largest values", {10, 10, 10}, {10, 10, 10}},
        {"R = 0: a line of length 0 at S", {3, -4, 5}, {0, 0, 0}},
    };
    k.xMin = k.yMin = k.zMin = -5;  // the room is not looked at
    k.xMax = k.yMax = k.zMax = 5;
    Halbbreite = 1200;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        szene.EinstellungenAendern(Eingaben(fall.s, fall.r, 10, false));
        tVektorGeradeEinstellungen e = szene.Einstellungen();
        e.Gerade = true;
        szene.EinstellungenAendern(e);
        const auto linien = Zeichnen(tSeiten::Vorn).ofKind(PrimitiveKind::Line);
        ASSERT_EQ(linien.size(), 1u);
        EXPECT_LT(Laenge(Modell(linien[0].vertices[0]) - (fall.s - 100 * fall.r)), 0.05);
        EXPECT_LT(Laenge(Modell(linien[0].vertices[1]) - (fall.s + 100 * fall.r)), 0.05);
    }
}

TEST_F(GeradeBild, ZeroLengthArrowsAreFlatDiscsAtTheirStart)
{
    const struct {
        const char* name;
        P3 r;
        double t;
    } faelle[] = {
        {"t = 0: t R has length 0", R0, 0},
        {"R = 0: R and t R have length 0", {0, 0, 0}, 3},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tVektorGeradeEinstellungen e = Eingaben(S0, fall.r, fall.t);
        e.Gerade = e.RichtungsVektor = true;
        szene.EinstellungenAendern(e);
        const Frame f = Zeichnen(tSeiten::Beide);
        const auto dunkel = f.inColour(Dunkelgruen.r, Dunkelgruen.g, Dunkelgruen.b);
        ASSERT_FALSE(dunkel.empty()) << "the t R arrow is drawn, flat";
        for (const Primitive& p : dunkel)
            for (const FeedbackVertex& v : p.vertices)
                EXPECT_LE(Laenge(Modell(v) - S0), 0.16 + 1e-4) << "within twice the shaft radius of S";
        for (const Primitive& p : f.inColour(0, 1, 0))
            for (const FeedbackVertex& v : p.vertices)
                EXPECT_LE(Laenge(Modell(v) - S0), 0.16 + 1e-4);
    }
}

TEST_F(GeradeBild, PixelsShowTheScenesColours)
{
    // The start values with t = -1 seen from above, 20 pixels per unit, in the program's GL
    // state: points where exactly one thing is drawn.
    Halbbreite = 10;
    szene.EinstellungenAendern(Eingaben(S0, R0, -1, true));
    const Frame f = Zeichnen(tSeiten::Vorn);
    const auto nahe = [](Rgba c, int r, int g, int b) {
        return std::abs(c.r - r) <= 1 && std::abs(c.g - g) <= 1 && std::abs(c.b - b) <= 1;
    };
    const struct {
        const char* was;
        P3 wo;
        int r, g, b;
    } proben[] = {
        {"R, light green (0,4; 1; 0,4)", S0 + 0.4 * R0, 102, 255, 102},
        {"t R, dark green (0; 0,5; 0)", S0 + 0.5 * (-1 * R0), 0, 128, 0},
        {"S + 3 R, grey (0,3; 0,3; 0,3)", 0.4 * (S0 + 3 * R0), 77, 77, 77},
        {"nothing in the empty upper left", {-8, 8, 0}, 255, 255, 255},
    };
    for (const auto& p : proben) {
        const Rgba c = Bei(f, Nach(p.wo));
        EXPECT_TRUE(nahe(c, p.r, p.g, p.b)) << p.was << ": " << c;
    }
    // The line is black; 1 pixel wide, so look in a 3 x 3 neighbourhood.
    const P3 aufLinie = S0 + 2.5 * R0;
    const tVektor3 w = Fenster(Nach(aufLinie));
    const int x = int(w.x), y = Seitenlaenge() - 1 - int(w.y);
    EXPECT_GT(f.countPixels([](Rgba c) { return c.r == 0 && c.g == 0 && c.b == 0; }, QRect(x - 1, y - 1, 3, 3)), 0);
}

TEST_F(GeradeBild, NothingWhileTheMainSwitchIsOffEvenWithEverySubSwitchOn)
{
    tVektorGeradeEinstellungen e = Eingaben(S0, R0, T0, true);
    e.Gerade = false;
    szene.EinstellungenAendern(e);
    const Frame f = Zeichnen(tSeiten::Beide);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}

TEST(VektorGeradeImDurchgang, TheRenderPassDrawsTheSceneOnlyWhileItIsOn)
{
    HeadlessFrame frame(300, 300);
    Programm ohne, mit;
    auto szene = std::make_unique<TVektorGerade>();
    TVektorGerade& modell = *szene;
    mit.Szenen.Setzen(SzenenNr::VektorGerade, std::move(szene));
    const auto durchgang = [&](Programm& p) {
        return frame.render([&] { Zeichnen(p, frame.ressourcen(), 300, 300); });
    };

    const Frame leer = durchgang(ohne);
    tVektorGeradeEinstellungen e = Eingaben(S0, R0, -1, true);
    e.Gerade = false;
    modell.EinstellungenAendern(e);
    const Frame aus = durchgang(mit);
    EXPECT_TRUE(aus.image() == leer.image()) << "switched off, the scene leaves the picture as it is";
    EXPECT_EQ(aus.drawn().size(), leer.drawn().size());

    e.Gerade = true;
    modell.EinstellungenAendern(e);
    const Frame an = durchgang(mit);
    EXPECT_GT(an.drawn().size(), leer.drawn().size());
    EXPECT_GT(an.countPixels([](Rgba c) { return c.r == 102 && c.g == 255 && c.b == 102; }), 0) << "R in light green";
}
