// The scene "Spiegelungen": the reflections and the settings as tables, and the picture
// read back through GL feedback and pixels. Every expectation is computed here from the
// scene's rules (the image of each reflection, the draw steps with their colours, radii
// and order), not taken from the code under test.

#include "abweisung.h"
#include "scenes/math/spiegelungen.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
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
P3 Von(tVektor3 p) { return {p.x, p.y, p.z}; }

using S = tSpiegelung;
constexpr S Alle[] = {S::Exy, S::Eyz, S::Exz, S::Ax, S::Ay, S::Az, S::Ur};

// The images as the scene's table gives them: a plane changes the sign of the coordinate
// off it, an axis the two coordinates off it, the origin all three.
P3 Gespiegelt(S s, P3 p)
{
    switch (s) {
    case S::Exy: return {p.x, p.y, -p.z};
    case S::Eyz: return {-p.x, p.y, p.z};
    case S::Exz: return {p.x, -p.y, p.z};
    case S::Ax: return {p.x, -p.y, -p.z};
    case S::Ay: return {-p.x, p.y, -p.z};
    case S::Az: return {-p.x, -p.y, p.z};
    case S::Ur: return {-p.x, -p.y, -p.z};
    }
    return p;
}

tSpiegelungenEinstellungen Eingaben(tSpiegelFigur figur, std::initializer_list<S> an, bool verbindung,
                                    P3 p1 = {1, 1, 2}, P3 p2 = {4, 1, 2}, P3 p3 = {3, 3, 2}, int groesse = 4)
{
    tSpiegelungenEinstellungen e;
    e.Darstellung = true;
    e.Figur = figur;
    for (S s : an)
        e.Spiegelungen[static_cast<std::size_t>(s)] = true;
    e.Verbindung = verbindung;
    e.P1 = Nach(p1);
    e.P2 = Nach(p2);
    e.P3 = Nach(p3);
    e.PunktGroesse = groesse;
    return e;
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(Spiegelungen, StartsWithExample1ThePointAloneAndSize4)
{
    const TSpiegelungen m;
    const tSpiegelungenEinstellungen& e = m.Einstellungen();
    EXPECT_FALSE(e.Darstellung || e.Verbindung);
    EXPECT_EQ(e.Figur, tSpiegelFigur::Punkt);
    EXPECT_EQ(e.Spiegelungen, (std::array<bool, 7>{}));
    EXPECT_EQ(e.PunktGroesse, 4);
    EXPECT_EQ(e.P1, (tVektor3{1, 1, 2}));
    EXPECT_EQ(e.P2, (tVektor3{4, 1, 2}));
    EXPECT_EQ(e.P3, (tVektor3{3, 3, 2}));
    EXPECT_DOUBLE_EQ(m.PunktRadius(), 0.12);
    EXPECT_DOUBLE_EQ(m.StabRadius(), 0.04);
}

TEST(Spiegelungen, EachReflectionMapsAPointAsItsTableSays)
{
    const struct {
        S s;
        const char* beschriftung;
        P3 p, bild;
    } faelle[] = {
        {S::Exy, "X Y - Ebene", {2, 3, 1}, {2, 3, -1}},
        {S::Eyz, "Y Z - Ebene", {2, 3, 1}, {-2, 3, 1}},
        {S::Exz, "X Z - Ebene", {2, 3, 1}, {2, -3, 1}},
        {S::Ax, "X - Achse", {2, 3, 1}, {2, -3, -1}},
        {S::Ay, "Y - Achse", {2, 3, 1}, {-2, 3, -1}},
        {S::Az, "Z - Achse", {2, 3, 1}, {-2, -3, 1}},
        {S::Ur, "Ursprung", {2, 3, 1}, {-2, -3, -1}},
        {S::Ur, "Ursprung", {-9, 9, -9}, {9, -9, 9}},
        // A point on the mirror is its own image.
        {S::Exy, "X Y - Ebene", {5, -7, 0}, {5, -7, 0}},
        {S::Eyz, "Y Z - Ebene", {0, 4, -3}, {0, 4, -3}},
        {S::Exz, "X Z - Ebene", {-1, 0, 6}, {-1, 0, 6}},
        {S::Ax, "X - Achse", {8, 0, 0}, {8, 0, 0}},
        {S::Ay, "Y - Achse", {0, -8, 0}, {0, -8, 0}},
        {S::Az, "Z - Achse", {0, 0, 9}, {0, 0, 9}},
        {S::Ur, "Ursprung", {0, 0, 0}, {0, 0, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.beschriftung);
        const std::size_t i = static_cast<std::size_t>(f.s);
        EXPECT_EQ(TSpiegelungen::Beschriftungen[i], f.beschriftung);
        const tVektor3 bild = TSpiegelungen::Bild(f.s, Nach(f.p));
        EXPECT_EQ(bild, Nach(f.bild)) << f.p;
        EXPECT_EQ(TSpiegelungen::Bild(f.s, bild), Nach(f.p)) << "reflecting twice gives the point back";
    }
}

TEST(Spiegelungen, BallsGrowBy003PerSizeAndRodsAreAThirdOfThem)
{
    for (const int groesse : {1, 4, 9}) {
        TSpiegelungen m;
        m.EinstellungenAendern(Eingaben(tSpiegelFigur::Dreieck, {}, false, {1, 1, 2}, {4, 1, 2}, {3, 3, 2}, groesse));
        EXPECT_DOUBLE_EQ(m.PunktRadius(), 0.03 * groesse) << groesse;
        EXPECT_DOUBLE_EQ(m.StabRadius(), 0.01 * groesse) << groesse;
    }
}

TEST(Spiegelungen, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string koordinaten = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -9 bis 9.";
    const std::string groesse = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 9.";
    const struct {
        const char* name;
        void (*verderben)(tSpiegelungenEinstellungen&, double);
        std::string meldung;
    } faelle[] = {
        {"size 0 would give balls of no size", [](auto& e, double) { e.PunktGroesse = 0; }, "Größe: 0" + groesse},
        {"negative size", [](auto& e, double) { e.PunktGroesse = -3; }, "Größe: -3" + groesse},
        {"size above 9", [](auto& e, double) { e.PunktGroesse = 1000; }, "Größe: 1000" + groesse},
        {"P1 x above the range", [](auto& e, double) { e.P1.x = 10; }, "P1, x-Komponente: 10" + koordinaten},
        {"P2 y below the range", [](auto& e, double) { e.P2.y = -10; }, "P2, y-Komponente: -10" + koordinaten},
        {"P3 z not whole", [](auto& e, double) { e.P3.z = 0.5; }, "P3, z-Komponente: 0,5" + koordinaten},
        {"P3 x not a number", [](auto& e, double n) { e.P3.x = n; }, "P3, x-Komponente: NAN" + koordinaten},
        {"the lowest int, whose negation overflows", [](auto& e, double) { e.P1.z = -2147483648.0; },
         "P1, z-Komponente: -2147483648" + koordinaten},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TSpiegelungen m;
        const tSpiegelungenEinstellungen vorher =
            Eingaben(tSpiegelFigur::Strecke, {S::Ax}, true, {-9, 9, 0}, {9, -9, 0}, {0, 0, 9}, 9);
        m.EinstellungenAendern(vorher);
        tSpiegelungenEinstellungen neu = Eingaben(tSpiegelFigur::Dreieck, {S::Ur}, false);
        f.verderben(neu, nan);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_DOUBLE_EQ(m.PunktRadius(), 0.27) << "radii unchanged";
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

struct Farbe {
    float r, g, b;
};

// One step of the draw hook, as the picture must show it.
struct Stueck {
    enum Art { Ball, Stab, Linie, Dreieck } art;
    std::string name;
    Farbe farbe;
    P3 a{}, b{}, c{};  // ball: centre a; rod and line: a to b; triangle: a, b, c
};

constexpr Farbe Dunkelrot{0.8f, 0, 0}, Hellrot{1, 0.4f, 0.4f}, Dunkelgruen{0, 0.8f, 0}, Hellgruen{0.4f, 1, 0.4f};
constexpr Farbe Dunkelblau{0, 0, 0.8f}, Hellblau{0.4f, 0.4f, 1}, Stabgrau{0.2f, 0.2f, 0.2f}, Schwarz{0, 0, 0};
constexpr Farbe Dreieckgrau{0.6f, 0.6f, 0.6f}, Bildgrau{0.7f, 0.7f, 0.7f};

// Every step of the hook for these settings, in its order.
std::vector<Stueck> ErwarteteStuecke(const tSpiegelungenEinstellungen& e)
{
    const P3 p1 = Von(e.P1), p2 = Von(e.P2), p3 = Von(e.P3);
    std::vector<Stueck> s;
    std::vector<S> an;
    for (S sp : Alle)
        if (e.An(sp))
            an.push_back(sp);
    const auto name = [](const char* was, S sp) { return std::string(was) + " " + std::to_string(int(sp)); };

    s.push_back({Stueck::Ball, "P1", Dunkelrot, p1});
    for (S sp : an) {
        s.push_back({Stueck::Ball, name("image of P1", sp), Hellrot, Gespiegelt(sp, p1)});
        if (e.Verbindung)
            s.push_back({Stueck::Linie, name("P1 to its image", sp), Schwarz, p1, Gespiegelt(sp, p1)});
    }
    if (e.Figur == tSpiegelFigur::Punkt)
        return s;
    s.push_back({Stueck::Ball, "P2", Dunkelgruen, p2});
    s.push_back({Stueck::Stab, "rod P1 P2", Stabgrau, p1, p2});
    for (S sp : an) {
        s.push_back({Stueck::Ball, name("image of P2", sp), Hellgruen, Gespiegelt(sp, p2)});
        s.push_back({Stueck::Stab, name("image rod P1 P2", sp), Stabgrau, Gespiegelt(sp, p1), Gespiegelt(sp, p2)});
        if (e.Verbindung)
            s.push_back({Stueck::Linie, name("P2 to its image", sp), Schwarz, p2, Gespiegelt(sp, p2)});
    }
    if (e.Figur == tSpiegelFigur::Strecke)
        return s;
    s.push_back({Stueck::Ball, "P3", Dunkelblau, p3});
    s.push_back({Stueck::Stab, "rod P1 P3", Stabgrau, p1, p3});
    s.push_back({Stueck::Stab, "rod P2 P3", Stabgrau, p2, p3});
    s.push_back({Stueck::Dreieck, "triangle", Dreieckgrau, p1, p2, p3});
    for (S sp : an) {
        const P3 b1 = Gespiegelt(sp, p1), b2 = Gespiegelt(sp, p2), b3 = Gespiegelt(sp, p3);
        s.push_back({Stueck::Ball, name("image of P3", sp), Hellblau, b3});
        s.push_back({Stueck::Stab, name("image rod P1 P3", sp), Stabgrau, b1, b3});
        s.push_back({Stueck::Stab, name("image rod P2 P3", sp), Stabgrau, b2, b3});
        s.push_back({Stueck::Dreieck, name("image triangle", sp), Bildgrau, b1, b2, b3});
        if (e.Verbindung)
            s.push_back({Stueck::Linie, name("P3 to its image", sp), Schwarz, p3, b3});
    }
    return s;
}

// Looking down the z axis onto the box -10..10 (400 pixels), so every drawn vertex reads
// back as a model point.
class SpiegelBild : public ::testing::Test, protected SzenenBild {
protected:
    TSpiegelungen szene;
    // How many polygons one ball and one rod come back as: measured on a point alone and
    // a segment alone, so the walk below knows where each piece ends even where two
    // pieces of one colour lie on each other.
    int ballPolygone = 0, stabPolygone = 0;

    SpiegelBild() : SzenenBild(400, 10) {}

    void SetUp() override { Messen(4); }

    // A ball is drawn in as few pieces as its size on screen needs, so the counts hold for
    // one size of the points.
    void Messen(int groesse)
    {
        const P3 p1{1, 1, 2}, p2{4, 1, 2}, p3{3, 3, 2};
        szene.EinstellungenAendern(Eingaben(tSpiegelFigur::Punkt, {}, false, p1, p2, p3, groesse));
        ballPolygone = Zeichnen(tSeiten::Beide).count(PrimitiveKind::Polygon);
        szene.EinstellungenAendern(Eingaben(tSpiegelFigur::Strecke, {}, false, p1, p2, p3, groesse));
        stabPolygone = Zeichnen(tSeiten::Beide).count(PrimitiveKind::Polygon) - 2 * ballPolygone;
        ASSERT_GT(ballPolygone, 0);
        ASSERT_GT(stabPolygone, 0);
    }

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }
    Frame Zeichnen(tSeiten seiten) { return SzenenBild::Zeichnen(szene, seiten); }

    // Walks the drawn primitives along the expected steps: each step's primitives in its
    // colour and where its geometry puts them, and nothing left over.
    void StueckePruefen(const Frame& f, const std::vector<Stueck>& stuecke) const
    {
        const auto& alles = f.drawn();
        // Ball radius 0,03 per step of the size, rods a third of it.
        const double r = 0.03 * szene.Einstellungen().PunktGroesse, rs = r / 3, tol = 1e-4;
        std::size_t i = 0;
        for (const Stueck& s : stuecke) {
            SCOPED_TRACE(s.name);
            const int anzahl = s.art == Stueck::Ball      ? ballPolygone
                               : s.art == Stueck::Stab    ? stabPolygone
                               : s.art == Stueck::Dreieck ? 2
                                                          : 1;
            ASSERT_LE(i + anzahl, alles.size()) << "the picture ends early";
            const PrimitiveKind art = s.art == Stueck::Linie ? PrimitiveKind::Line : PrimitiveKind::Polygon;
            bool ende1 = false, ende2 = false;
            for (int n = 0; n < anzahl; ++n) {
                const Primitive& p = alles[i + n];
                ASSERT_EQ(p.kind, art) << p;
                ASSERT_TRUE(p.hasColour(s.farbe.r, s.farbe.g, s.farbe.b)) << p;
                for (const FeedbackVertex& v : p.vertices) {
                    const P3 q = Modell(v);
                    switch (s.art) {
                    case Stueck::Ball:
                        ASSERT_NEAR(Laenge(q - s.a), r, tol) << q << " on the ball about " << s.a;
                        ende1 = ende1 || Laenge(q - (s.a + P3{0, 0, r})) < tol;
                        ende2 = ende2 || Laenge(q - (s.a - P3{0, 0, r})) < tol;
                        break;
                    case Stueck::Stab: {
                        const P3 d = s.b - s.a;
                        const double len = Laenge(d);
                        const double axial = len > 0 ? Skalar(q - s.a, d) / len : 0;
                        const double radial = len > 0 ? Laenge(q - s.a - (axial / len) * d) : Laenge(q - s.a);
                        ASSERT_TRUE(axial > -tol && axial < len + tol && radial < rs + tol)
                            << q << ": axial " << axial << ", radial " << radial;
                        ende1 = ende1 || Laenge(q - s.a) < tol;
                        ende2 = ende2 || Laenge(q - s.b) < tol;
                        break;
                    }
                    default: break;
                    }
                }
                if (s.art == Stueck::Linie) {
                    ASSERT_EQ(p.vertices.size(), 2u);
                    EXPECT_LT(Laenge(Modell(p.vertices[0]) - s.a), tol);
                    EXPECT_LT(Laenge(Modell(p.vertices[1]) - s.b), tol);
                    ende1 = ende2 = true;
                }
                if (s.art == Stueck::Dreieck) {
                    // A, B, C and then A, C, B: each side shows once.
                    const P3 soll[2][3] = {{s.a, s.b, s.c}, {s.a, s.c, s.b}};
                    ASSERT_EQ(p.vertices.size(), 3u);
                    for (int k = 0; k < 3; ++k)
                        EXPECT_LT(Laenge(Modell(p.vertices[k]) - soll[n][k]), tol) << "corner " << k << " of " << n;
                    ende1 = ende2 = true;
                }
            }
            EXPECT_TRUE(ende1 && ende2) << "both poles of a ball, both end centres of a rod";
            i += anzahl;
        }
        EXPECT_EQ(i, alles.size()) << "nothing after the last step";
    }
};

}  // namespace

TEST_F(SpiegelBild, TheTriangleAndItsImagesStepByStep)
{
    // Example 1 with the x-y plane and the origin: the image triangles lie in z = -2, one
    // of them under the original, the other turned through the origin.
    const tSpiegelungenEinstellungen e = Eingaben(tSpiegelFigur::Dreieck, {S::Exy, S::Ur}, true);
    szene.EinstellungenAendern(e);
    const Frame f = Zeichnen(tSeiten::Beide);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    StueckePruefen(f, ErwarteteStuecke(e));
    EXPECT_EQ(f.count(PrimitiveKind::Line), 6) << "one joining line per point and reflection";
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(SpiegelBild, EachFigureDrawsItsPointsOnlyForTheSwitchedOnReflections)
{
    const struct {
        const char* name;
        tSpiegelungenEinstellungen e;
    } faelle[] = {
        {"the point alone", Eingaben(tSpiegelFigur::Punkt, {}, false)},
        {"the point with all seven, joined: P2 and P3 are read but not drawn",
         Eingaben(tSpiegelFigur::Punkt, {S::Exy, S::Eyz, S::Exz, S::Ax, S::Ay, S::Az, S::Ur}, true)},
        {"a segment in the axes, not joined",
         Eingaben(tSpiegelFigur::Strecke, {S::Ax, S::Ay, S::Az}, false, {2, 3, 1}, {-1, 4, 2})},
        {"example 2 as a triangle in the planes, joined",
         Eingaben(tSpiegelFigur::Dreieck, {S::Eyz, S::Exz}, true, {2, 3, 1}, {-1, 4, 2}, {3, -2, 3}, 9)},
        // On the mirror: the image lies on its point and the joining line has no length;
        // in the x axis and the x-z plane the two images of P1 coincide.
        {"points on the mirrors",
         Eingaben(tSpiegelFigur::Strecke, {S::Exy, S::Exz, S::Ax}, true, {2, 0, 0}, {-3, 4, 0}, {0, 0, 0}, 1)},
        {"a segment of no length in the origin",
         Eingaben(tSpiegelFigur::Dreieck, {S::Ur}, true, {0, 0, 0}, {0, 0, 0}, {0, 0, 0})},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Messen(fall.e.PunktGroesse);
        szene.EinstellungenAendern(fall.e);
        StueckePruefen(Zeichnen(tSeiten::Beide), ErwarteteStuecke(fall.e));
    }
}

TEST_F(SpiegelBild, JoiningLinesToTheOriginsImagesPassThroughTheOrigin)
{
    szene.EinstellungenAendern(Eingaben(tSpiegelFigur::Dreieck, {S::Ur}, true, {2, 3, 1}, {-1, 4, 2}, {3, -2, 3}));
    const auto linien = Zeichnen(tSeiten::Beide).ofKind(PrimitiveKind::Line);
    ASSERT_EQ(linien.size(), 3u);
    for (const Primitive& l : linien) {
        const P3 a = Modell(l.vertices[0]), b = Modell(l.vertices[1]);
        EXPECT_LT(Laenge(0.5 * (a + b)), 1e-4) << a << " to " << b << " has its middle in the origin";
    }
}

TEST_F(SpiegelBild, PixelsShowTheScenesColours)
{
    // Example 1 with the origin seen from above, 20 pixels per unit, in the program's GL
    // state: points where the nearest thing drawn is known.
    szene.EinstellungenAendern(Eingaben(tSpiegelFigur::Dreieck, {S::Exy, S::Ur}, true));
    const Frame f = Zeichnen(tSeiten::Vorn);
    const auto nahe = [](Rgba c, int r, int g, int b) {
        return std::abs(c.r - r) <= 1 && std::abs(c.g - g) <= 1 && std::abs(c.b - b) <= 1;
    };
    const struct {
        const char* was;
        P3 wo;
        int r, g, b;
    } proben[] = {
        {"P1, dark red", {1, 1, 2}, 204, 0, 0},
        {"P2, dark green", {4, 1, 2}, 0, 204, 0},
        {"P3, dark blue", {3, 3, 2}, 0, 0, 204},
        {"the triangle over its image in the x-y plane", {8 / 3.0, 5 / 3.0, 2}, 153, 153, 153},
        {"the image triangle in the origin", {-8 / 3.0, -5 / 3.0, -2}, 179, 179, 179},
        {"the image of P2 in the origin, light green", {-4, -1, -2}, 102, 255, 102},
        {"the image of P3 in the origin, light blue", {-3, -3, -2}, 102, 102, 255},
        {"nothing in the empty upper left", {-8, 8, 0}, 255, 255, 255},
    };
    for (const auto& p : proben) {
        const Rgba c = Bei(f, Nach(p.wo));
        EXPECT_TRUE(nahe(c, p.r, p.g, p.b)) << p.was << ": " << c;
    }
}

TEST_F(SpiegelBild, NothingWhileTheMainSwitchIsOffEvenWithEverySubSwitchOn)
{
    tSpiegelungenEinstellungen e =
        Eingaben(tSpiegelFigur::Dreieck, {S::Exy, S::Eyz, S::Exz, S::Ax, S::Ay, S::Az, S::Ur}, true);
    e.Darstellung = false;
    szene.EinstellungenAendern(e);
    const Frame f = Zeichnen(tSeiten::Beide);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
