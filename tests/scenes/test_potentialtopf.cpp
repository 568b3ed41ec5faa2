// The scene "Potentialtopf": the model's values and refusals as tables, and its picture read
// back through GL feedback. Every expectation is computed here from the scene's rules (the
// standing waves, the steps of curves and lattice, the draw order with its colours and
// thicknesses), not taken from the code under test.

#include "abweisung.h"
#include "core/allgemeinerfehler.h"
#include "scenes/physics/potentialtopf.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

constexpr double Pi = 3.141593;  // as the waves are defined

// The test's own wave: u = n·π·x / L.
double Welle(int n, double x, double a, double amp)
{
    const double u = n * Pi * x / (2 * a);
    return n == 2 ? amp * std::sin(u) : (n == 1 || n == 3) ? amp * std::cos(u) : 0;
}
double Dichte(int n, double x, double a) { return Welle(n, x, a, 1) * Welle(n, x, a, 1); }

tPotentialtopfEinstellungen An(tDimension d = tDimension::Linear)
{
    tPotentialtopfEinstellungen e;
    e.Potentialtopf = true;
    e.Dimension = d;
    return e;
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(Potentialtopf, StartsWithTheWindowsStartValues)
{
    const TPotentialtopf m;
    const tPotentialtopfEinstellungen& e = m.Einstellungen();
    EXPECT_FALSE(e.Potentialtopf);
    EXPECT_TRUE(e.Bereich && e.Wahrscheinlichkeit && e.Kugeln);
    EXPECT_FALSE(e.Welle);
    EXPECT_EQ(e.Dimension, tDimension::Linear);
    EXPECT_EQ(e.Topfbreite, 4);
    EXPECT_EQ(m.HalbeTopfbreite(), 2.0);
    EXPECT_TRUE(e.nx == 1 && e.ny == 1 && e.nz == 1);
    EXPECT_TRUE(e.FktSchritte == 20 && e.FktAmplitude == 1 && e.KugelSchritte == 10 && e.KugelRadius == 1);
    EXPECT_EQ(m.AnzahlKugelnText(), "Anzahl Kugeln: 10");
}

TEST(Potentialtopf, TheNumberOfBallsIsTheStepsToThePowerOfTheDimension)
{
    const struct {
        tDimension d;
        int schritte;
        const char* text;
    } faelle[] = {
        {tDimension::Linear, 10, "Anzahl Kugeln: 10"},      {tDimension::Eben, 10, "Anzahl Kugeln: 100"},
        {tDimension::Raeumlich, 10, "Anzahl Kugeln: 1000"}, {tDimension::Raeumlich, 50, "Anzahl Kugeln: 125000"},
        {tDimension::Eben, 1, "Anzahl Kugeln: 1"},
    };
    for (const auto& f : faelle) {
        TPotentialtopf m;
        tPotentialtopfEinstellungen e = An(f.d);
        e.KugelSchritte = f.schritte;
        m.EinstellungenAendern(e);
        EXPECT_EQ(m.AnzahlKugelnText(), f.text);
    }
}

TEST(Potentialtopf, WavesAndDensitiesAtCharacteristicPoints)
{
    const double a = 2;
    const struct {
        const char* was;
        int n;
        double x, amp, psi, psi2;
    } faelle[] = {
        {"n = 1 peaks at the centre", 1, 0, 3, 3, 1},
        {"n = 1 half way", 1, 1, 1, std::sqrt(0.5), 0.5},
        {"n = 2 has a node at the centre", 2, 0, 2, 0, 0},
        {"n = 2 peaks at a / 2", 2, 1, 2, 2, 1},
        {"n = 2 is odd", 2, -1, 4, -4, 1},
        {"n = 3 peaks at the centre", 3, 0, 1, 1, 1},
        {"n = 3 has nodes at a / 3", 3, 2.0 / 3, 1, 0, 0},
        {"n = 3 is negative at 2a / 3", 3, 4.0 / 3, 1, -1, 1},
        {"no wave for n = 0", 0, 0.3, 2, 0, 0},
        {"no wave for n = 4", 4, 0.3, 2, 0, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_NEAR(TPotentialtopf::Psi(f.n, f.x, a, f.amp), f.psi, 1e-6);
        EXPECT_NEAR(TPotentialtopf::Psi2(f.n, f.x, a), f.psi2, 1e-6);
    }
    // Both vanish at the walls, for every n, width and amplitude.
    for (int n = 1; n <= 3; ++n)
        for (double breite : {1.0, 4.0, 10.0})
            for (double wand : {-breite / 2, breite / 2}) {
                EXPECT_NEAR(TPotentialtopf::Psi(n, wand, breite / 2, 4), 0, 1e-5) << n << " " << wand;
                EXPECT_NEAR(TPotentialtopf::Psi2(n, wand, breite / 2), 0, 1e-10) << n << " " << wand;
            }
}

TEST(Potentialtopf, RefusesNumbersOutsideTheSpinEditsRangesAndChangesNothing)
{
    const std::string erlaubt = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von ";
    const struct {
        const char* was;
        std::function<void(tPotentialtopfEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"a box of no width", [](auto& e) { e.Topfbreite = 0; }, "Topfbreite: 0" + erlaubt + "1 bis 10."},
        {"a box too wide", [](auto& e) { e.Topfbreite = 11; }, "Topfbreite: 11" + erlaubt + "1 bis 10."},
        {"n x = 0", [](auto& e) { e.nx = 0; }, "Quantenzahl n x: 0" + erlaubt + "1 bis 3."},
        {"n y = 4", [](auto& e) { e.ny = 4; }, "Quantenzahl n y: 4" + erlaubt + "1 bis 3."},
        {"n z = -1", [](auto& e) { e.nz = -1; }, "Quantenzahl n z: -1" + erlaubt + "1 bis 3."},
        {"curve steps 0", [](auto& e) { e.FktSchritte = 0; }, "Schritte der Funktion: 0" + erlaubt + "1 bis 100."},
        {"amplitude 5", [](auto& e) { e.FktAmplitude = 5; }, "Amplitude: 5" + erlaubt + "1 bis 4."},
        {"ball steps 51", [](auto& e) { e.KugelSchritte = 51; }, "Schritte der Kugeln: 51" + erlaubt + "1 bis 50."},
        {"ball radius 0", [](auto& e) { e.KugelRadius = 0; }, "Radius der Kugeln: 0" + erlaubt + "1 bis 10."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        TPotentialtopf m;
        tPotentialtopfEinstellungen vorher = An(tDimension::Eben);
        vorher.nx = 2;
        m.EinstellungenAendern(vorher);
        tPotentialtopfEinstellungen neu = An(tDimension::Raeumlich);
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }
double Skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Laenge(P3 a) { return std::sqrt(Skalar(a, a)); }
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }

// Distance of p from the segment s1–s2.
double Abstand(P3 p, P3 s1, P3 s2)
{
    const P3 d = s2 - s1;
    const double l2 = Skalar(d, d);
    const double t = l2 == 0 ? 0 : std::clamp(Skalar(p - s1, d) / l2, 0.0, 1.0);
    return Laenge(p - (s1 + t * d));
}

struct Stueck {
    P3 von, nach;
};

// A corner of a rod of radius r round the piece: on its mantle or rim, or the centre of an end disc.
bool AufStab(P3 q, const Stueck& s, double r)
{
    const double tol = 1e-4;
    return std::abs(Abstand(q, s.von, s.nach) - r) < tol || Laenge(q - s.von) < tol || Laenge(q - s.nach) < tol;
}
struct Kugel {
    P3 mitte;
    double r;
};

// The lattice coordinates of one axis: from -a in steps of s while 1,01·a ≥ the coordinate.
std::vector<double> Achse(double a, int schritte)
{
    std::vector<double> p;
    for (int i = 0; i <= schritte; ++i)
        p.push_back(-a + i * 2 * a / schritte);
    return p;
}

// Looking down the z axis onto the box -8..8 (400 pixels), so every drawn vertex reads back
// as a model point.
class TopfBild : public ::testing::Test, protected SzenenBild {
protected:
    TPotentialtopf szene;

    TopfBild() : SzenenBild(400, 8) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    // Every face, culling off.
    Frame Zeichnen(const tPotentialtopfEinstellungen& e)
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);
    }

    // The curve pieces of one axis as the scene defines them.
    static std::vector<Stueck> Kurve(const tPotentialtopfEinstellungen& e, char achse, bool dichte)
    {
        const double a = e.Topfbreite / 2.0, d = 2 * a / e.FktSchritte, amp = e.FktAmplitude;
        const int n = achse == 'x' ? e.nx : achse == 'y' ? e.ny : e.nz;
        const auto punkt = [&](double t) -> P3 {
            const double w = dichte ? amp * amp * Dichte(n, t, a) : Welle(n, t, a, amp);
            return achse == 'x' ? P3{t, a + w, 0} : achse == 'y' ? P3{a + w, t, 0} : P3{0, -a - w, t};
        };
        std::vector<Stueck> s;
        for (int i = 0; i < e.FktSchritte; ++i)
            s.push_back({punkt(-a + i * d), punkt(-a + (i + 1) * d)});
        return s;
    }

    static std::vector<Kugel> Kugeln(const tPotentialtopfEinstellungen& e)
    {
        const double a = e.Topfbreite / 2.0, f = 0.1 * e.KugelRadius;
        const std::vector<double> g = Achse(a, e.KugelSchritte), null{0};
        const bool mitY = e.Dimension != tDimension::Linear, mitZ = e.Dimension == tDimension::Raeumlich;
        std::vector<Kugel> k;
        for (double x : g)
            for (double y : mitY ? g : null)
                for (double z : mitZ ? g : null)
                    k.push_back(
                        {{x, y, z},
                         f * Dichte(e.nx, x, a) * (mitY ? Dichte(e.ny, y, a) : 1) * (mitZ ? Dichte(e.nz, z, a) : 1)});
        return k;
    }

    // The grey polygons are the balls in their order: each polygon lies on the sphere of
    // the ball it belongs to, and every ball has faces reaching its radius (a ball of no
    // radius is faces shrunk to its centre, which GL still hands back with culling off).
    void KugelnPruefen(const std::vector<Primitive>& grau, const std::vector<Kugel>& kugeln) const
    {
        std::size_t j = 0;
        std::vector<double> weitester(kugeln.size(), -1);
        for (const Primitive& p : grau) {
            ASSERT_TRUE(p.hasColour(0.4f, 0.4f, 0.4f)) << p;
            const auto passt = [&](std::size_t i) {
                return std::ranges::all_of(p.vertices, [&](const FeedbackVertex& v) {
                    return std::abs(Laenge(Modell(v) - kugeln[i].mitte) - kugeln[i].r) < 1e-4;
                });
            };
            while (j < kugeln.size() && !passt(j))
                ++j;
            ASSERT_LT(j, kugeln.size()) << "polygon on no ball still to come: " << Modell(p.vertices[0]);
            for (const FeedbackVertex& v : p.vertices)
                weitester[j] = std::max(weitester[j], Laenge(Modell(v) - kugeln[j].mitte));
        }
        for (std::size_t i = 0; i < kugeln.size(); ++i)
            EXPECT_NEAR(weitester[i], kugeln[i].r, 1e-4) << "ball at " << kugeln[i].mitte;
    }
};

bool Farbig(const Primitive& p, float r, float g, float b) { return p.hasColour(r, g, b); }

}  // namespace

TEST_F(TopfBild, TheStartValuesInOneDimension)
{
    const tPotentialtopfEinstellungen e = An();
    const Frame f = Zeichnen(e);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    const auto& alles = f.drawn();
    ASSERT_FALSE(alles.empty());
    EXPECT_EQ(f.count(PrimitiveKind::Polygon), int(alles.size())) << "rods and balls only";

    // Red rods, then the black rod, then the grey balls.
    std::size_t i = 0;
    const auto lauf = [&](float r, float g, float b) {
        std::vector<Primitive> l;
        while (i < alles.size() && Farbig(alles[i], r, g, b))
            l.push_back(alles[i++]);
        return l;
    };
    const auto rot = lauf(1, 0, 0), schwarz = lauf(0, 0, 0), grau = lauf(0.4f, 0.4f, 0.4f);
    EXPECT_EQ(i, alles.size()) << "nothing else, in no other order: " << alles[std::min(i, alles.size() - 1)];

    // ψ²: rods of radius 0,04 along 20 pieces of (x, 2 + cos²(πx/4), 0) from x = -2 to 2, at
    // height 2 at both walls and 3 in the middle.
    const auto kurve = Kurve(e, 'x', true);
    ASSERT_EQ(kurve.size(), 20u);
    EXPECT_NEAR(kurve.front().von.x, -2, 1e-12);
    EXPECT_NEAR(kurve.back().nach.x, 2, 1e-12);
    double xMin = 9, xMax = -9, yMin = 9, yMax = -9;
    for (const Primitive& p : rot)
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            ASSERT_TRUE(std::ranges::any_of(kurve, [&](const Stueck& s) { return AufStab(q, s, 0.04); }))
                << q << " on a rod of radius 0,04 round the curve";
            xMin = std::min(xMin, q.x), xMax = std::max(xMax, q.x), yMin = std::min(yMin, q.y),
            yMax = std::max(yMax, q.y);
        }
    // The rods reach round the ends by at most their radius.
    EXPECT_TRUE(xMin >= -2.04 - 1e-4 && xMin <= -2) << xMin;
    EXPECT_TRUE(xMax <= 2.04 + 1e-4 && xMax >= 2) << xMax;
    EXPECT_TRUE(yMin >= 1.96 - 1e-4 && yMin < 2) << yMin;
    EXPECT_TRUE(yMax <= 3.04 + 1e-4 && yMax > 3) << yMax;
    // The end discs are centred on the curve: at height a = 2 at both walls, 3 in the middle.
    for (const P3 punkt : {P3{-2, 2, 0}, P3{0, 3, 0}, P3{2, 2, 0}}) {
        bool da = false;
        for (const Primitive& p : rot)
            for (const FeedbackVertex& v : p.vertices)
                da = da || Laenge(Modell(v) - punkt) < 1e-4;
        EXPECT_TRUE(da) << "the curve passes through " << punkt;
    }

    // The box: one rod of radius 0,02 from (-2, 0, 0) to (2, 0, 0).
    ASSERT_FALSE(schwarz.empty());
    double sMin = 9, sMax = -9;
    for (const Primitive& p : schwarz)
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            EXPECT_TRUE(AufStab(q, {{-2, 0, 0}, {2, 0, 0}}, 0.02)) << q;
            sMin = std::min(sMin, q.x), sMax = std::max(sMax, q.x);
        }
    EXPECT_NEAR(sMin, -2, 1e-4);
    EXPECT_NEAR(sMax, 2, 1e-4);

    // 11 balls at x = -2, -1,6 … 2 of radius 0,1·cos²(πx/4): 0,1 in the middle, none at the walls.
    const auto kugeln = Kugeln(e);
    ASSERT_EQ(kugeln.size(), 11u);
    EXPECT_NEAR(kugeln[5].r, 0.1, 1e-12);
    EXPECT_LT(kugeln.front().r, 1e-12);
    EXPECT_LT(kugeln.back().r, 1e-12);
    KugelnPruefen(grau, kugeln);
}

TEST_F(TopfBild, ThreeDimensionsStepByStepInTheirColoursAndOrder)
{
    tPotentialtopfEinstellungen e = An(tDimension::Raeumlich);
    e.nx = 1, e.ny = 2, e.nz = 3;
    e.FktSchritte = 3;
    e.FktAmplitude = 2;
    e.Welle = true;
    e.KugelSchritte = 4;
    e.KugelRadius = 3;
    const Frame f = Zeichnen(e);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    const auto& alles = f.drawn();

    const struct {
        char achse;
        float r, g, b;
    } achsen[] = {{'x', 1, 0, 0}, {'y', 0, 1, 0}, {'z', 0, 0, 1}};
    std::size_t i = 0;
    // ψ², A² high: per step the x, y and z rod, each a run of polygons in its colour round its piece.
    for (int schritt = 0; schritt < 3; ++schritt)
        for (const auto& a : achsen) {
            SCOPED_TRACE(std::string("rod ") + a.achse + " of step " + std::to_string(schritt));
            const Stueck s = Kurve(e, a.achse, true)[schritt];
            const std::size_t anfang = i;
            for (; i < alles.size() && alles[i].kind == PrimitiveKind::Polygon && Farbig(alles[i], a.r, a.g, a.b); ++i)
                for (const FeedbackVertex& v : alles[i].vertices)
                    ASSERT_TRUE(AufStab(Modell(v), s, 0.04)) << Modell(v);
            EXPECT_GT(i, anfang);
        }
    // ψ: per step the x, y and z segment.
    for (int schritt = 0; schritt < 3; ++schritt)
        for (const auto& a : achsen) {
            SCOPED_TRACE(std::string("segment ") + a.achse + " of step " + std::to_string(schritt));
            ASSERT_LT(i, alles.size());
            const Primitive& p = alles[i++];
            ASSERT_EQ(p.kind, PrimitiveKind::Line);
            EXPECT_TRUE(Farbig(p, a.r, a.g, a.b)) << p;
            const Stueck s = Kurve(e, a.achse, false)[schritt];
            EXPECT_LT(Laenge(Modell(p.vertices[0]) - s.von), 1e-4) << Modell(p.vertices[0]) << " " << s.von;
            EXPECT_LT(Laenge(Modell(p.vertices[1]) - s.nach), 1e-4) << Modell(p.vertices[1]) << " " << s.nach;
        }
    // The box: its twelve edges in black.
    for (int kante = 0; kante < 12; ++kante, ++i) {
        ASSERT_LT(i, alles.size());
        ASSERT_EQ(alles[i].kind, PrimitiveKind::Line) << kante;
        EXPECT_TRUE(Farbig(alles[i], 0, 0, 0));
        const P3 von = Modell(alles[i].vertices[0]), nach = Modell(alles[i].vertices[1]);
        EXPECT_NEAR(Laenge(nach - von), 4, 1e-4) << "an edge of the cube of side 4";
        for (double c : {von.x, von.y, von.z, nach.x, nach.y, nach.z})
            EXPECT_NEAR(std::abs(c), 2, 1e-4);
    }
    // The 5 x 5 x 5 lattice, the rest.
    const std::vector<Primitive> rest(alles.begin() + static_cast<std::ptrdiff_t>(std::min(i, alles.size())),
                                      alles.end());
    const auto kugeln = Kugeln(e);
    ASSERT_EQ(kugeln.size(), 125u);
    KugelnPruefen(rest, kugeln);
}

TEST_F(TopfBild, TheSquareIsFourRodsInTheirOrder)
{
    tPotentialtopfEinstellungen e = An(tDimension::Eben);
    e.Wahrscheinlichkeit = e.Kugeln = false;
    e.Topfbreite = 6;
    const Frame f = Zeichnen(e);
    const Stueck kanten[] = {
        {{-3, -3, 0}, {3, -3, 0}}, {{-3, 3, 0}, {3, 3, 0}}, {{-3, -3, 0}, {-3, 3, 0}}, {{3, -3, 0}, {3, 3, 0}}};
    // Away from the corners each polygon belongs to one rod; those rods come in order.
    std::vector<int> folge;
    for (const Primitive& p : f.drawn()) {
        ASSERT_TRUE(p.kind == PrimitiveKind::Polygon && Farbig(p, 0, 0, 0)) << p;
        P3 mitte;
        for (const FeedbackVertex& v : p.vertices)
            mitte = mitte + (1.0 / double(p.vertices.size())) * Modell(v);
        if (std::abs(std::abs(mitte.x) - 3) < 0.1 && std::abs(std::abs(mitte.y) - 3) < 0.1)
            continue;
        int kante = -1;
        for (int j = 0; j < 4; ++j)
            if (Abstand(mitte, kanten[j].von, kanten[j].nach) <= 0.02 + 1e-4)
                kante = j;
        ASSERT_GE(kante, 0) << mitte;
        if (folge.empty() || folge.back() != kante)
            folge.push_back(kante);
    }
    EXPECT_EQ(folge, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(TopfBild, ANodeAtTheCentreForNEqualsTwo)
{
    const struct {
        const char* was;
        tDimension d;
        int nx, ny;
    } faelle[] = {
        {"1D, n x = 2", tDimension::Linear, 2, 1},
        {"2D, n y = 2: no balls on the line y = 0", tDimension::Eben, 1, 2},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.was);
        tPotentialtopfEinstellungen e = An(fall.d);
        e.nx = fall.nx;
        e.ny = fall.ny;
        e.Bereich = false;
        const Frame f = Zeichnen(e);
        // The density curve of the n = 2 axis touches the box edge at the centre: a disc centre
        // of its rods lies on the edge there, and nothing of them reaches further in than
        // their radius.
        const bool aufX = fall.nx == 2;
        const auto farbe = aufX ? f.inColour(1, 0, 0) : f.inColour(0, 1, 0);
        ASSERT_FALSE(farbe.empty());
        double tiefste = 9;
        bool amRand = false;
        for (const Primitive& p : farbe)
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                tiefste = std::min(tiefste, aufX ? q.y : q.x);
                amRand = amRand || Laenge(q - (aufX ? P3{0, 2, 0} : P3{2, 0, 0})) < 1e-4;
            }
        EXPECT_TRUE(amRand);
        EXPECT_GE(tiefste, 2 - 0.04 - 1e-4);

        const auto kugeln = Kugeln(e);
        for (const Kugel& k : kugeln)
            if (std::abs(aufX ? k.mitte.x : k.mitte.y) < 1e-9) {
                EXPECT_LT(k.r, 1e-12) << k.mitte;
            }
        KugelnPruefen(f.inColour(0.4f, 0.4f, 0.4f), kugeln);
    }
}

TEST_F(TopfBild, NothingWhileSwitchedOffAndTheMatrixIsLeftAsItWas)
{
    tPotentialtopfEinstellungen e = An(tDimension::Raeumlich);
    e.Welle = true;
    e.Potentialtopf = false;
    EXPECT_TRUE(Zeichnen(e).drawn().empty());

    // In the program's GL state: back faces culled, which halves the 1331 balls' feedback.
    e.Potentialtopf = true;
    szene.EinstellungenAendern(e);
    EXPECT_FALSE(SzenenBild::Zeichnen(szene).drawn().empty());
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}
