// The drawing primitives, seen through GL feedback. Most tests look straight down the z
// axis onto the box -10..10 with 10 pixels per unit and read every drawn vertex back as a
// model point, so expectations are plain geometry computed here from the rules.

#include "core/zahltext.h"
#include "headlessframe.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace orbisto;

namespace {

constexpr int Seite = 200;

struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }
double Skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Laenge(P3 a) { return std::sqrt(Skalar(a, a)); }
P3 Kreuz(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
bool Nahe(P3 a, P3 b, double tol = 1e-4) { return Laenge(a - b) < tol; }
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }

// Where the viewer sits: the rotation that turns this side of the model towards +z.
struct Blick {
    const char* name;
    double winkel, ax, ay, az;
};
const Blick VonOben{"from +z", 0, 0, 0, 1};
const Blick VonUnten{"from -z", 180, 1, 0, 0};
const Blick VonVornX{"from +x", -90, 0, 1, 0};
const Blick VonHintenX{"from -x", 90, 0, 1, 0};
const Blick VonRechtsY{"from +y", 90, 1, 0, 0};
const Blick VonLinksY{"from -y", -90, 1, 0, 0};

// Model point of a vertex drawn in the view from above: window x = 100 + 10 x,
// y = 100 + 10 y, depth = 0,5 - z / 20.
P3 Modell(const FeedbackVertex& v) { return {(v.x - 100) / 10, (v.y - 100) / 10, 10 - 20 * double(v.z)}; }

std::vector<P3> Ecken(const Primitive& p)
{
    std::vector<P3> e;
    for (const FeedbackVertex& v : p.vertices)
        e.push_back(Modell(v));
    return e;
}

// Normal of a drawn triangle by its corner order (counter-clockwise = front), in model
// space; zero for degenerate ones.
P3 Normale(const Primitive& p)
{
    const auto e = Ecken(p);
    return Kreuz(e[1] - e[0], e[2] - e[0]);
}

P3 Mitte(const Primitive& p)
{
    P3 m;
    for (P3 e : Ecken(p))
        m = m + e;
    return (1.0 / p.vertices.size()) * m;
}

class Primitiv : public ::testing::Test {
protected:
    HeadlessFrame frame{Seite, Seite};
    TKoSys k;

    // Draws in the box -10..10 seen from `blick`, with the context's glyph lists and
    // quadric lent to the view as the render pass does. `beideSeiten` turns culling off.
    Frame Zeichnen(const std::function<void()>& was, const Blick& blick = VonOben, bool beideSeiten = false)
    {
        return frame.render([&] {
            glClearColor(1, 1, 1, 1);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-10, 10, -10, 10, -10, 10);
            glRotated(blick.winkel, blick.ax, blick.ay, blick.az);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            if (beideSeiten)
                glDisable(GL_CULL_FACE);
            k.GL = &frame.ressourcen();
            was();
            k.GL = nullptr;
        });
    }
    Frame BeideSeiten(const std::function<void()>& was) { return Zeichnen(was, VonOben, true); }
};

}  // namespace

TEST(FarbStufen, FullBackAndDarkShadesOfEachByte)
{
    const struct {
        std::uint32_t farbe;
        std::array<float, 3> voll, dunkel;
    } faelle[] = {
        {0x0000FF, {1, 0, 0}, {255 / 382.0f, 0, 0}},
        {0x00FFFF, {1, 1, 0}, {255 / 382.0f, 255 / 382.0f, 0}},  // yellow: red in the low byte
        {0xFF804020, {0x20 / 255.0f, 0x40 / 255.0f, 0x80 / 255.0f}, {0x20 / 382.0f, 0x40 / 382.0f, 0x80 / 382.0f}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.farbe);
        tFarbStufen s;
        TKoSys::FarbStufen(f.farbe, s);
        const float voll[] = {s.VollR, s.VollG, s.VollB}, rueck[] = {s.RueckR, s.RueckG, s.RueckB};
        const float dunkel[] = {s.DunkelR, s.DunkelG, s.DunkelB};
        for (int i = 0; i < 3; ++i) {
            EXPECT_FLOAT_EQ(voll[i], f.voll[i]) << i;
            EXPECT_FLOAT_EQ(rueck[i], 0.9f * f.voll[i]) << i;
            EXPECT_FLOAT_EQ(dunkel[i], f.dunkel[i]) << i;
        }
    }
}

TEST_F(Primitiv, TextStartsAtItsPointInTheColourSetBefore)
{
    const Frame f = Zeichnen([&] {
        glColor3f(0, 0.5f, 0);
        k.Text3D("5°C", 1, 2, 0);
    });
    const auto glyphen = f.ofKind(PrimitiveKind::Bitmap);
    ASSERT_EQ(glyphen.size(), 3u) << "one glyph per character, the degree sign included";
    EXPECT_NEAR(glyphen[0].vertices[0].x, 110, 1e-3);
    EXPECT_NEAR(glyphen[0].vertices[0].y, 120, 1e-3);
    for (const Primitive& g : glyphen)
        EXPECT_TRUE(g.hasColour(0, 0.5f, 0));
    const int tinte =
        f.countPixels([](Rgba c) { return c.r == 0 && c.g > 100 && c.b == 0; }, QRect(105, Seite - 1 - 140, 40, 30));
    EXPECT_GT(tinte, 20) << "the glyphs are drawn to the right of and above the point";
}

TEST_F(Primitiv, WithoutGLResourcesTextAndBallsDrawNothing)
{
    const Frame f = frame.render([&] {
        k.GL = nullptr;
        k.Text3D("Orbisto", 0, 0, 0);
        k.Punkt(10, 0, 0, 0, 1);
        k.Kugelkoerper(10, 1);
    });
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
}

TEST_F(Primitiv, TwoSidedFacesShowTheirFrontColourFromAboveAndTheBackFromBelow)
{
    // Counter-clockwise seen from above (+z), so the first copy faces up.
    const tVektor3 a{-2, -2, 1}, b{2, -2, 1}, c{2, 2, 1}, d{-2, 2, 1};
    const tRGB vorn{1, 0, 0}, hinten{0, 0, 1};
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        std::size_t ecken;
    } faelle[] = {
        {"quadrilateral", [&] { TKoSys::ViereckZweiseitig(a, b, c, d, vorn, hinten); }, 4},
        {"triangle", [&] { TKoSys::DreieckZweiseitig(a, b, c, vorn, hinten); }, 3},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto oben = Zeichnen(fall.zeichnen).ofKind(PrimitiveKind::Polygon);
        const auto unten = Zeichnen(fall.zeichnen, VonUnten).ofKind(PrimitiveKind::Polygon);
        ASSERT_FALSE(oben.empty());
        ASSERT_FALSE(unten.empty());
        for (const Primitive& p : oben)
            EXPECT_TRUE(p.hasColour(1, 0, 0)) << p;
        for (const Primitive& p : unten)
            EXPECT_TRUE(p.hasColour(0, 0, 1)) << p;
        // Both copies together cover the face's corners, from the same first corner.
        const auto beide = BeideSeiten(fall.zeichnen).ofKind(PrimitiveKind::Polygon);
        ASSERT_EQ(beide.size(), fall.ecken == 4 ? 4u : 2u) << "a quadrilateral reaches feedback as two triangles";
        EXPECT_NEAR(Laenge(Modell(beide.front().vertices.front()) - P3{a.x, a.y, a.z}), 0, 1e-4);
    }
}

TEST_F(Primitiv, ALocalFrameIsUndoneAfterwardsEvenWhenItsDrawingThrows)
{
    GLint tiefe = 0;
    std::array<double, 16> matrix{};
    Zeichnen([&] {
        glTranslated(3, 0, 0);  // a frame the caller had already
        EXPECT_THROW(k.ImRahmen({1, 2, 3}, {{45, {0, 1, 0}}}, [] { throw std::runtime_error("kaputt"); }),
                     std::runtime_error);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
        glGetDoublev(GL_MODELVIEW_MATRIX, matrix.data());
        glLoadIdentity();
    });
    EXPECT_EQ(tiefe, 1);
    const std::array<double, 16> verschoben{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 3, 0, 0, 1};
    EXPECT_EQ(matrix, verschoben) << "as the caller left it";
}

TEST_F(Primitiv, BallsSitOnTheirPointOrOnTheLocalOrigin)
{
    const struct {
        const char* name;
        std::function<void(const TKoSys&)> zeichnen;
        P3 mitte;
        double r;
    } faelle[] = {
        {"Punkt", [](const TKoSys& k) { k.Punkt(10, 1, 2, 3, 0.5); }, {1, 2, 3}, 0.5},
        {"Punkt ignores a moved frame",
         [](const TKoSys& k) {
             glTranslated(4, 4, 4);
             k.Punkt(10, -1, 2, 0, 2);
             glLoadIdentity();
         },
         {-1, 2, 0},
         2},
        {"Kugelkoerper",
         [](const TKoSys& k) {
             glTranslated(-2, 1, 4);
             k.Kugelkoerper(12, 1.5);
             glLoadIdentity();
         },
         {-2, 1, 4},
         1.5},
        {"Kugelkoerper in a local frame moved, turned and moved again",
         [](const TKoSys& k) {
             k.ImRahmen({2, 0, 0}, {{90, {0, 0, 1}}, {90, {1, 0, 0}}}, [&] {
                 glTranslated(1, 1, 0);
                 k.Kugelkoerper(12, 1);
             });
         },
         {2, 1, 1},
         1},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = BeideSeiten([&] { fall.zeichnen(k); });
        const auto flaechen = f.ofKind(PrimitiveKind::Polygon);
        ASSERT_GT(flaechen.size(), 50u);
        for (const Primitive& p : flaechen)
            for (P3 e : Ecken(p))
                ASSERT_NEAR(Laenge(e - fall.mitte), fall.r, 1e-4) << e;
    }
}

TEST_F(Primitiv, OutlinesJoinTheirCorners)
{
    const Frame viereck = Zeichnen([&] { k.ViereckKanten(1, 1, 0, 4, 1, 1, 4, 3, 2, 1, 3, 3); });
    const P3 ecken[] = {{1, 1, 0}, {4, 1, 1}, {4, 3, 2}, {1, 3, 3}};
    const auto linien = viereck.ofKind(PrimitiveKind::Line);
    ASSERT_EQ(linien.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Nahe(Modell(linien[i].vertices[0]), ecken[i])) << i;
        EXPECT_TRUE(Nahe(Modell(linien[i].vertices[1]), ecken[(i + 1) % 4])) << i;
    }

    // Each of the twelve edges of the box once: two corners that differ in one coordinate.
    const auto kanten = Zeichnen([&] { k.QuaderKanten(-1, -2, -3, 2, 1, 4); }).ofKind(PrimitiveKind::Line);
    ASSERT_EQ(kanten.size(), 12u);
    std::set<std::array<long, 6>> gesehen;
    for (const Primitive& l : kanten) {
        const P3 a = Modell(l.vertices[0]), b = Modell(l.vertices[1]);
        for (P3 e : {a, b}) {
            EXPECT_TRUE(std::abs(e.x + 1) < 1e-4 || std::abs(e.x - 2) < 1e-4) << e;
            EXPECT_TRUE(std::abs(e.y + 2) < 1e-4 || std::abs(e.y - 1) < 1e-4) << e;
            EXPECT_TRUE(std::abs(e.z + 3) < 1e-4 || std::abs(e.z - 4) < 1e-4) << e;
        }
        const P3 d = b - a;
        const int verschieden = (std::abs(d.x) > 1e-4) + (std::abs(d.y) > 1e-4) + (std::abs(d.z) > 1e-4);
        EXPECT_EQ(verschieden, 1) << a << b;
        auto lo = [](P3 p, P3 q) {
            return std::array<long, 6>{std::lround(p.x), std::lround(p.y), std::lround(p.z),
                                       std::lround(q.x), std::lround(q.y), std::lround(q.z)};
        };
        gesehen.insert(std::min(lo(a, b), lo(b, a)));
    }
    EXPECT_EQ(gesehen.size(), 12u) << "no edge twice";
}

TEST_F(Primitiv, AusrichtenTurnsTheLocalXAxisTowardsPointTwo)
{
    const double h = std::sqrt(0.5);
    const struct {
        const char* name;
        P3 von, nach;
        std::array<P3, 3> achsen;  // images of the local x, y and z axes
    } faelle[] = {
        {"up: tilted by -90 degrees about y", {1, 2, 3}, {1, 2, 8}, {{{0, 0, 1}, {0, 1, 0}, {-1, 0, 0}}}},
        {"down: tilted by 90 degrees about y", {0, 0, 0}, {0, 0, -2}, {{{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}}},
        {"along -x: turned by 180 degrees about z", {0, 0, 0}, {-5, 0, 0}, {{{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}}}},
        {"diagonal in x-y: turned by 45 degrees", {2, -1, 0}, {5, 2, 0}, {{{h, h, 0}, {-h, h, 0}, {0, 0, 1}}}},
        {"back and down: azimuth 135, elevation -45",
         {0, 0, 0},
         {-1, 1, -std::sqrt(2.0)},
         {{{-0.5, 0.5, -h}, {-h, -h, 0}, {-0.5, 0.5, h}}}},
        {"no direction: only moved", {3, 3, 3}, {3, 3, 3}, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    };
    frame.gl().makeCurrent();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const double len = k.Ausrichten(f.von.x, f.von.y, f.von.z, f.nach.x, f.nach.y, f.nach.z);
        double m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        glPopMatrix();
        EXPECT_NEAR(len, Laenge(f.nach - f.von), 1e-12);
        for (int a = 0; a < 3; ++a)
            EXPECT_TRUE(Nahe({m[4 * a], m[4 * a + 1], m[4 * a + 2]}, f.achsen[a], 1e-6))
                << "axis " << a << ": " << P3{m[4 * a], m[4 * a + 1], m[4 * a + 2]};
        EXPECT_TRUE(Nahe({m[12], m[13], m[14]}, f.von, 1e-6));
        GLint tiefe = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
        EXPECT_EQ(tiefe, 1);
    }
}

TEST_F(Primitiv, ArrowsScaleTheirShaftWithTheTickInterval)
{
    tFarbStufen rot;
    TKoSys::FarbStufen(0x0000FF, rot);
    const struct {
        const char* name;
        double raumHaelfte;  // room -h..h, so the tick interval is h / 5
        P3 von, nach;
        double dicke;
        bool rgb;  // VektorpfeilRGB in (0,5; 0,3; 0,8) instead of the red record
    } faelle[] = {
        {"up the z axis in the default room", 5, {0, 0, 0}, {0, 0, 5}, 0.05, false},
        {"along -x", 5, {1, 1, 0}, {-4, 1, 0}, 0.05, false},
        {"slanted in a room twice as wide", 10, {1, -1, 2}, {3, 2, -1}, 0.05, false},
        {"in one colour", 5, {-2, 0, 1}, {2, 3, 1}, 0.1, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        k.xMin = k.yMin = k.zMin = -fall.raumHaelfte;
        k.xMax = k.yMax = k.zMax = fall.raumHaelfte;
        k.xyGitter = k.AchsenZeichnung = false;
        const Frame f = BeideSeiten([&] {
            k.KoSysZeichnen();  // draws nothing, sets xSchritt
            if (fall.rgb)
                k.VektorpfeilRGB(fall.von.x, fall.von.y, fall.von.z, fall.nach.x, fall.nach.y, fall.nach.z, fall.dicke,
                                 0.5, 0.3, 0.8);
            else
                k.Vektorpfeil(false, rot, fall.von.x, fall.von.y, fall.von.z, fall.nach.x, fall.nach.y, fall.nach.z,
                              fall.dicke);
        });
        const double len = Laenge(fall.nach - fall.von);
        const double s = fall.dicke * fall.raumHaelfte / 5;
        const P3 e = (1 / len) * (fall.nach - fall.von);
        // Axial position and distance from the axis of a drawn point.
        auto lage = [&](P3 p) {
            const double a = Skalar(p - fall.von, e);
            return std::array<double, 2>{a, Laenge(p - fall.von - a * e)};
        };
        auto bei = [](std::array<double, 2> l, double a, double r) {
            return std::abs(l[0] - a) < 1e-4 && std::abs(l[1] - r) < 1e-4;
        };
        const auto voll = fall.rgb ? f.inColour(0.5f, 0.3f, 0.8f) : f.inColour(1, 0, 0);
        const auto scheiben = fall.rgb ? f.inColour(1, 0.6f, 1) : f.inColour(rot.DunkelR, 0, 0);
        EXPECT_EQ(voll.size() + scheiben.size(), f.drawn().size()) << "nothing in other colours";
        int schaft = 0, kopf = 0;
        for (const Primitive& p : voll) {
            const auto ecken = Ecken(p);
            bool spitze = false;
            for (P3 c : ecken) {
                const auto l = lage(c);
                spitze = spitze || bei(l, len, 0);
                EXPECT_TRUE(bei(l, 0, s) || bei(l, 0.8 * len, s) || bei(l, 0.8 * len, 2 * s) || bei(l, len, 0))
                    << c << ": axial " << l[0] << ", radial " << l[1];
            }
            ++(spitze ? kopf : schaft);
        }
        EXPECT_EQ(schaft, 40) << "20 quads of radius s from 0 to 0,8 of the length";
        EXPECT_EQ(kopf, 20) << "20 triangles from radius 2s at 0,8 of the length to the tip";
        int unten = 0, oben = 0;
        for (const Primitive& p : scheiben) {
            const auto l0 = lage(Ecken(p)[1]);
            EXPECT_TRUE(bei(l0, 0, s) || bei(l0, 0.8 * len, 2 * s)) << l0[0] << ", " << l0[1];
            ++(l0[0] < 0.4 * len ? unten : oben);
            EXPECT_LT(Skalar(Normale(p), e), 0) << "both discs face back towards point 1";
        }
        EXPECT_EQ(unten, 20);
        EXPECT_EQ(oben, 20);
    }
}

TEST_F(Primitiv, ArrowBoxOnRequestInTheDarkShade)
{
    tFarbStufen gruen;
    TKoSys::FarbStufen(0x00FF00, gruen);
    k.xSchritt = 1;
    const Frame f = Zeichnen([&] { k.Vektorpfeil(true, gruen, 1, 2, 3, -1, 0, 1, 0.05); });
    const auto kanten = f.ofKind(PrimitiveKind::Line);
    EXPECT_EQ(kanten.size(), 12u);
    for (const Primitive& l : kanten) {
        EXPECT_TRUE(l.hasColour(0, gruen.DunkelG, 0));
        for (const FeedbackVertex& v : l.vertices) {
            const P3 p = Modell(v);
            // corners (1, 2, 3) and (-1, 0, 1)
            EXPECT_NEAR(std::abs(p.x), 1, 1e-4) << p;
            EXPECT_NEAR(std::abs(p.y - 1), 1, 1e-4) << p;
            EXPECT_NEAR(std::abs(p.z - 2), 1, 1e-4) << p;
        }
    }
}

TEST_F(Primitiv, ZeroLengthArrowAndRodShowAFlatDiscFromBothSides)
{
    tFarbStufen rot;
    TKoSys::FarbStufen(0x0000FF, rot);
    k.xSchritt = 1;
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        double radius;
    } faelle[] = {
        {"arrow: twice the shaft radius", [&] { k.Vektorpfeil(false, rot, 1, 2, 3, 1, 2, 3, 0.05); }, 0.1},
        {"rod", [&] { k.Stab(10, 1, 2, 3, 1, 2, 3, 0.5); }, 0.5},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        double weitester = 0;
        for (const Primitive& p : BeideSeiten(fall.zeichnen).ofKind(PrimitiveKind::Polygon))
            for (P3 e : Ecken(p)) {
                EXPECT_NEAR(e.x, 1, 1e-4) << "flat in the plane x = 1";
                weitester = std::max(weitester, Laenge(e - P3{1, 2, 3}));
            }
        EXPECT_NEAR(weitester, fall.radius, 1e-4);
        EXPECT_GT(Zeichnen(fall.zeichnen, VonVornX).count(PrimitiveKind::Polygon), 0);
        EXPECT_GT(Zeichnen(fall.zeichnen, VonHintenX).count(PrimitiveKind::Polygon), 0);
    }
}

TEST_F(Primitiv, CircleOfFourPiecesIsTheSquareThroughTheAxisPoints)
{
    const double r = 2;
    const struct {
        std::uint8_t ebene;
        std::array<P3, 4> ecken;  // at 0, 90, 180 and 270 degrees
    } faelle[] = {
        {1, {{{r, 0, 0}, {0, r, 0}, {-r, 0, 0}, {0, -r, 0}}}},
        {2, {{{r, 0, 0}, {0, 0, r}, {-r, 0, 0}, {0, 0, -r}}}},
        {3, {{{0, r, 0}, {0, 0, r}, {0, -r, 0}, {0, 0, -r}}}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(int(fall.ebene));
        const auto linien = Zeichnen([&] { k.Kreis(4, fall.ebene, r); }).ofKind(PrimitiveKind::Line);
        // Rounding of the accumulated angle may add a fifth piece retracing the first.
        ASSERT_GE(linien.size(), 4u);
        ASSERT_LE(linien.size(), 5u);
        for (std::size_t i = 0; i < linien.size(); ++i) {
            EXPECT_TRUE(Nahe(Modell(linien[i].vertices[0]), fall.ecken[i % 4])) << i;
            EXPECT_TRUE(Nahe(Modell(linien[i].vertices[1]), fall.ecken[(i + 1) % 4])) << i;
        }
    }
}

TEST_F(Primitiv, DiscShowsOnlyFromTheSideItsOrientationNames)
{
    const struct {
        std::uint8_t ebene, orientierung;
        Blick vorn, hinten;
    } faelle[] = {
        {1, 1, VonOben, VonUnten},     {1, 0, VonUnten, VonOben},    {2, 1, VonLinksY, VonRechtsY},
        {2, 0, VonRechtsY, VonLinksY}, {3, 1, VonVornX, VonHintenX}, {3, 7, VonHintenX, VonVornX},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE("plane " + std::to_string(fall.ebene) + ", orientation " + std::to_string(fall.orientierung));
        const auto scheibe = [&] { k.Kreisscheibe(12, fall.orientierung, 3, fall.ebene); };
        EXPECT_EQ(Zeichnen(scheibe, fall.vorn).count(PrimitiveKind::Polygon), 12) << fall.vorn.name;
        EXPECT_EQ(Zeichnen(scheibe, fall.hinten).count(PrimitiveKind::Polygon), 0) << fall.hinten.name;
    }
}

TEST_F(Primitiv, ClosedSolidsTurnEveryFaceOutwards)
{
    tFarbStufen stufen;
    TKoSys::FarbStufen(0x808080, stufen);
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        P3 mitte;
    } faelle[] = {
        {"QuaderBunt", [&] { k.QuaderBunt(-1, -2, -3, 2, 1, 4); }, {0.5, -0.5, 0.5}},
        {"Stab", [&] { k.Stab(12, -3, -1, 2, 4, 2, -1, 0.5); }, {0.5, 0.5, 0.5}},
        {"Kugel", [&] { k.Kugel(false, true, 1, 2, 3, 2, 4, stufen); }, {1, 2, 3}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto flaechen = BeideSeiten(fall.zeichnen).ofKind(PrimitiveKind::Polygon);
        ASSERT_GT(flaechen.size(), 10u);
        for (const Primitive& p : flaechen) {
            const P3 n = Normale(p);
            if (Laenge(n) > 1e-6) {  // the sphere's triangles at the poles have no area
                EXPECT_GT(Skalar(n, Mitte(p) - fall.mitte), 0) << p;
            }
        }
    }
}

TEST_F(Primitiv, OpenMantlesFaceOutwardsForOrientationOneOnly)
{
    const struct {
        const char* name;
        std::function<void(const TKoSys&)> zeichnen;
        double aussen;  // sign of the normal's component away from the x axis
    } faelle[] = {
        {"cylinder, 1", [](const TKoSys& k) { k.Zylindermantel(16, 1, 2, 5); }, 1},
        {"cylinder, 0", [](const TKoSys& k) { k.Zylindermantel(16, 0, 2, 5); }, -1},
        {"cone, 1", [](const TKoSys& k) { k.Kegelmantel(16, 1, 2, 5); }, 1},
        {"cone, 2", [](const TKoSys& k) { k.Kegelmantel(16, 2, 2, 5); }, -1},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto flaechen = BeideSeiten([&] { fall.zeichnen(k); }).ofKind(PrimitiveKind::Polygon);
        ASSERT_GE(flaechen.size(), 16u);
        for (const Primitive& p : flaechen) {
            const P3 m = Mitte(p);
            for (P3 e : Ecken(p))
                ASSERT_TRUE(e.x > -1e-4 && e.x < 5 + 1e-4) << "along the local x axis from 0 to 5: " << e;
            EXPECT_GT(fall.aussen * Skalar(Normale(p), {0, m.y, m.z}), 0);
        }
    }
}

TEST_F(Primitiv, QuaderBuntColoursEachFaceAndLeavesTheLastColourCurrent)
{
    const struct {
        std::array<float, 3> farbe;
        int achse;  // 0 x, 1 y, 2 z
        double wert;
    } flaechen[] = {
        {{1, 0, 0}, 2, -3},    {{0, 1, 0}, 2, 4},  {{0, 0, 1}, 0, 2},
        {{0, 0.5f, 1}, 0, -1}, {{1, 1, 0}, 1, -2}, {{1, 0.1f, 0.8f}, 1, 1},
    };
    GLfloat danach[4] = {};
    const Frame f = BeideSeiten([&] {
        glColor3f(0.3f, 0.3f, 0.3f);
        k.QuaderBunt(-1, -2, -3, 2, 1, 4);
        glGetFloatv(GL_CURRENT_COLOR, danach);
    });
    EXPECT_EQ(f.count(PrimitiveKind::Polygon), 12);
    for (const auto& fl : flaechen) {
        const auto teile = f.inColour(fl.farbe[0], fl.farbe[1], fl.farbe[2]);
        EXPECT_EQ(teile.size(), 2u) << fl.farbe[0] << ' ' << fl.farbe[1] << ' ' << fl.farbe[2];
        for (const Primitive& p : teile)
            for (P3 e : Ecken(p))
                EXPECT_NEAR((std::array<double, 3>{e.x, e.y, e.z}[fl.achse]), fl.wert, 1e-4);
    }
    EXPECT_FLOAT_EQ(danach[0], 1);
    EXPECT_FLOAT_EQ(danach[1], 0.1f);
    EXPECT_FLOAT_EQ(danach[2], 0.8f);
}

TEST_F(Primitiv, SphereOfStepCountFourHasEightBandsAndSixteenSectors)
{
    tFarbStufen blau;
    TKoSys::FarbStufen(0xFF0000, blau);
    const Frame f = BeideSeiten([&] { k.Kugel(true, true, 0, 0, 0, 5, 4, blau); });

    const auto gitter = f.inColour(0, 0, blau.DunkelB);
    EXPECT_EQ(gitter.size(), 2u * 8 * 16) << "a meridian and a parallel piece per field";
    std::set<long> breiten, laengen;
    for (const Primitive& l : gitter)
        for (P3 e : Ecken(l)) {
            ASSERT_NEAR(Laenge(e), 5, 1e-4);
            // in steps of 22,5 degrees
            const double stufe = std::numbers::pi / 8;
            breiten.insert(std::lround(std::asin(std::clamp(e.z / 5, -1.0, 1.0)) / stufe));
            if (std::abs(e.z) < 4.99)
                laengen.insert((std::lround(std::atan2(e.y, e.x) / stufe) + 16) % 16);
        }
    EXPECT_EQ(breiten.size(), 9u) << "poles and seven parallels 22,5 degrees apart";
    EXPECT_EQ(laengen.size(), 16u);
    EXPECT_EQ(f.inColour(0, 0, 1).size(), 2u * 8 * 16) << "one quad per field, two triangles each";
    EXPECT_EQ(f.drawn().size(), gitter.size() + 2u * 8 * 16);

    EXPECT_TRUE(BeideSeiten([&] { k.Kugel(false, false, 0, 0, 0, 5, 4, blau); }).drawn().empty());
}

TEST_F(Primitiv, FormelKurveDrawsTenSegmentsOfTheParabola)
{
    const struct {
        std::uint8_t ebene;
        std::function<P3(double, double)> punkt;
    } faelle[] = {
        {1,
         [](double x, double y) {
             return P3{x, y, 0};
         }},
        {2,
         [](double x, double y) {
             return P3{x, 0, y};
         }},
        {3,
         [](double x, double y) {
             return P3{0, x, y};
         }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(int(fall.ebene));
        const auto linien = Zeichnen([&] { k.FormelKurve("x^2", 10, -2, 2, fall.ebene); }).ofKind(PrimitiveKind::Line);
        ASSERT_EQ(linien.size(), 10u);
        for (int i = 0; i < 10; ++i) {
            const double a = -2 + 0.4 * i, b = a + 0.4;
            EXPECT_TRUE(Nahe(Modell(linien[i].vertices[0]), fall.punkt(a, a * a))) << i;
            EXPECT_TRUE(Nahe(Modell(linien[i].vertices[1]), fall.punkt(b, b * b))) << i;
        }
    }
}

TEST_F(Primitiv, FormulaErrorsReachTheCallerBeforeAnythingIsDrawn)
{
    const struct {
        const char* name;
        std::function<void()> zeichnen;
    } faelle[] = {
        {"curve of an unknown name", [&] { k.FormelKurve("2*y", 10, -2, 2, 1); }},
        {"curve failing further right", [&] { k.FormelKurve("x+a", 10, -2, 2, 1); }},
        {"ring of a tube radius in exponent notation", [&] { k.Ring(12, 6, 3, 0.00001, 1); }},
        {"ring of a huge ring radius", [&] { k.Ring(12, 6, 1E15, 1, 2); }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        bool geworfen = false;
        const Frame f = Zeichnen([&] {
            try {
                fall.zeichnen();
            } catch (const KonvertierungsFehler& e) {
                geworfen = std::string(e.what()).ends_with("ist kein gültiger Gleitkommawert");
            }
        });
        EXPECT_TRUE(geworfen);
        EXPECT_TRUE(f.drawn().empty());
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR)) << "no glBegin left open";
    }
}

// With R = 0 both halves lie on the sphere of radius r; the inner half, whose profile is
// negative there, then faces inwards, so only rings with R > r are checked for sides.
TEST_F(Primitiv, RingLiesOnItsTorusWithEveryFaceAwayFromTheTubesCentre)
{
    const struct {
        std::uint8_t ebene;
        double R, r;
        int achse;  // the plane's normal: 2 z, 1 y, 0 x
    } faelle[] = {{1, 3, 1, 2}, {2, 3, 1, 1}, {3, 3, 1, 0}, {1, 0, 2, 2}, {2, 2.5, 0.5, 1}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE("plane " + std::to_string(fall.ebene) + ", R " + std::to_string(fall.R));
        const int n = 12, m = 6;
        const auto flaechen =
            BeideSeiten([&] { k.Ring(n, m, fall.R, fall.r, fall.ebene); }).ofKind(PrimitiveKind::Polygon);
        EXPECT_EQ(flaechen.size(), std::size_t(2 * 2 * n * m)) << "two halves, two triangles per quad";
        // The nearest point of the tube's centre line, a circle of radius R round the normal.
        auto zerlegen = [&](P3 p) {
            std::array<double, 3> k3{p.x, p.y, p.z};
            const double axial = k3[fall.achse];
            k3[fall.achse] = 0;
            return std::pair{axial, P3{k3[0], k3[1], k3[2]}};
        };
        for (const Primitive& p : flaechen) {
            for (P3 e : Ecken(p)) {
                const auto [axial, quer] = zerlegen(e);
                ASSERT_NEAR(std::hypot(Laenge(quer) - fall.R, axial), fall.r, 1e-4) << e;
            }
            if (fall.R > fall.r) {
                const P3 quer = zerlegen(Mitte(p)).second;
                const P3 mittellinie = (fall.R / Laenge(quer)) * quer;
                EXPECT_GT(Skalar(Normale(p), Mitte(p) - mittellinie), 0) << p;
            }
        }
    }
}

TEST_F(Primitiv, DegenerateInputDrawsNothingAndNeverHangs)
{
    k.xSchritt = 1;
    const struct {
        const char* name;
        std::function<void()> zeichnen;
    } faelle[] = {
        {"circle of 0 pieces", [&] { k.Kreis(0, 1, 2); }},
        {"circle of -4 pieces", [&] { k.Kreis(-4, 1, 2); }},
        {"circle in plane 4", [&] { k.Kreis(8, 4, 2); }},
        {"disc of -1 pieces", [&] { k.Kreisscheibe(-1, 1, 2, 1); }},
        {"sphere of step count 0", [&] { k.Kugel(true, true, 0, 0, 0, 2, 0, tFarbStufen{}); }},
        {"curve from 2 to 2", [&] { k.FormelKurve("x", 10, 2, 2, 1); }},
        {"curve from 2 back to -2 in one piece", [&] { k.FormelKurve("x", 1, 2, -2, 1); }},
        {"curve of -5 pieces", [&] { k.FormelKurve("x", -5, -2, 2, 1); }},
        {"ring with a tube radius of 0", [&] { k.Ring(12, 6, 3, 0, 1); }},
        {"ring of 0 steps across", [&] { k.Ring(12, 0, 3, 1, 1); }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = BeideSeiten(fall.zeichnen);
        EXPECT_TRUE(f.drawn().empty());
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(Primitiv, EveryPrimitiveLeavesTheModelViewMatrixAsItFoundIt)
{
    tFarbStufen stufen;
    TKoSys::FarbStufen(0x336699, stufen);
    k.xSchritt = 1;
    const std::function<void()> aufrufe[] = {
        [&] { k.Text3D("a", 1, 1, 1); },
        [&] { k.Punkt(10, 1, 2, 3, 1); },
        [&] { k.Stab(10, 0, 0, 0, 1, 2, 3, 0.2); },
        [&] { k.Vektorpfeil(true, stufen, 0, 0, 0, -1, 2, -3, 0.05); },
        [&] { k.VektorpfeilRGB(3, 2, 1, 1, 2, 3, 0.05, 0.5, 0.5, 0); },
        [&] { k.Kugel(true, true, 1, 1, 1, 2, 3, stufen); },
        [&] { k.Ring(12, 4, 2, 1, 2); },
        [&] { k.FormelKurve("sin x", 20, -3, 3, 3); },
        [&] { k.QuaderBunt(0, 0, 0, 1, 1, 1); },
    };
    for (std::size_t i = 0; i < std::size(aufrufe); ++i) {
        SCOPED_TRACE(i);
        GLdouble m[16] = {};
        GLint tiefe = 0;
        const Frame f = Zeichnen([&] {
            glTranslated(0.5, 0, 0);
            aufrufe[i]();
            glGetDoublev(GL_MODELVIEW_MATRIX, m);
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
        });
        EXPECT_EQ(tiefe, 1);
        for (int j = 0; j < 16; ++j)
            EXPECT_EQ(m[j], j == 12 ? 0.5 : (j % 5 == 0 ? 1.0 : 0.0)) << j;
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        EXPECT_FALSE(f.drawn().empty());
    }
}
