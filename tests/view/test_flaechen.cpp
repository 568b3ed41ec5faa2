// The surface of a formula and the solid of revolution, seen through GL feedback. The
// view looks straight down the z axis onto the box -10..10 with 10 pixels per unit, so
// every drawn vertex reads back as a model point.

#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"
#include "headlessframe.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace orbisto;

namespace {

struct P3 {
    double x = 0, y = 0, z = 0;
};

// Window x = 100 + 10 x, y = 100 + 10 y, depth = 0,5 - z / 20.
P3 Modell(const FeedbackVertex& v) { return {(v.x - 100) / 10, (v.y - 100) / 10, 10 - 20 * double(v.z)}; }

// Rounded to thousandths, for sets of positions.
long Raster(double v) { return std::lround(v * 1000); }

class Flaechen : public ::testing::Test {
protected:
    HeadlessFrame frame{200, 200};
    TKoSys k;
    tFarbStufen stufen{};  // pure red: full (1, 0, 0), back 0,9, dark 255 / 382

    void SetUp() override { TKoSys::FarbStufen(0x0000FF, stufen); }

    // `vonUnten` turns the view over to look up the z axis; the model-view matrix and its
    // stack depth after drawing are kept in `danach`, `tiefe`.
    Frame Zeichnen(const std::function<void()>& was, bool vonUnten = false, bool beideSeiten = false)
    {
        return frame.render([&] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-10, 10, -10, 10, -10, 10);
            if (vonUnten)
                glRotated(180, 1, 0, 0);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            if (beideSeiten)
                glDisable(GL_CULL_FACE);
            was();
            glGetDoublev(GL_MODELVIEW_MATRIX, danach);
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
        });
    }

    void Flaeche(std::string_view formel, bool flaeche, bool gitter)
    {
        k.Funktion3dZeichnen(formel, 20, -4, 4, -4, 4, 20, flaeche, gitter, stufen);
    }
    void Koerper(std::string_view formel, bool funktion, bool fktGitter, bool rotGitter, bool flaeche, bool zylinder)
    {
        k.RotationskoerperZeichnen(formel, 10, 1, 5, 20, funktion, fktGitter, rotGitter, flaeche, zylinder, stufen);
    }

    void ModellviewUnveraendert()
    {
        EXPECT_EQ(tiefe, 1);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(danach[i], i % 5 == 0 ? 1 : 0, 1e-12) << i;
    }

    GLdouble danach[16] = {};
    GLint tiefe = 0;
};

}  // namespace

TEST_F(Flaechen, DefaultSurfaceShows400CellsFromEachSideOverA21By21Grid)
{
    const float dunkel = 255 / 382.0f;
    for (bool vonUnten : {false, true}) {
        SCOPED_TRACE(vonUnten ? "from below" : "from above");
        const Frame f = Zeichnen([&] { Flaeche("x+y", true, true); }, vonUnten);
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));

        // Every cell once from either side: the other corner order is culled. Feedback
        // hands each quad back as two triangles.
        std::set<std::pair<long, long>> zellen;
        for (const Primitive& p : f.ofKind(PrimitiveKind::Polygon)) {
            ASSERT_TRUE(p.hasColour(1, 0, 0)) << p;
            double xmin = 1e9, ymin = 1e9;
            for (const FeedbackVertex& v : p.vertices) {
                P3 e = Modell(v);
                if (vonUnten)  // the view turned over mirrors y and z
                    e = {e.x, -e.y, -e.z};
                // On the plane z = x + y, or a hair behind it as seen: the faces step back
                // in depth so that the grid lines on them show whole.
                const double zurueck = (vonUnten ? 1 : -1) * (e.z - (e.x + e.y));
                EXPECT_GE(zurueck, -2e-3) << "on the plane z = x + y";
                EXPECT_LE(zurueck, 0.15) << "on the plane z = x + y";
                xmin = std::min(xmin, e.x);
                ymin = std::min(ymin, e.y);
            }
            zellen.insert({std::lround((xmin + 4) / 0.4), std::lround((ymin + 4) / 0.4)});
        }
        EXPECT_EQ(zellen.size(), 400u);
        EXPECT_EQ(f.count(PrimitiveKind::Polygon), 2 * 400);

        // 21 lines along x and 21 across, 20 segments each, drawn before the surface.
        const auto linien = f.ofKind(PrimitiveKind::Line);
        ASSERT_EQ(linien.size(), 840u);
        EXPECT_EQ(f.drawn().front().kind, PrimitiveKind::Line);
        EXPECT_EQ(f.drawn().back().kind, PrimitiveKind::Polygon);
        std::set<long> zeilen, spalten;
        for (const Primitive& l : linien) {
            ASSERT_TRUE(l.hasColour(dunkel, 0, 0)) << l;
            const P3 a = Modell(l.vertices[0]), b = Modell(l.vertices[1]);
            if (std::abs(a.y - b.y) < 1e-3)
                zeilen.insert(Raster(vonUnten ? -a.y : a.y));
            else
                spalten.insert(Raster(a.x));
        }
        EXPECT_EQ(zeilen.size(), 21u);
        EXPECT_EQ(spalten.size(), 21u);
    }

    const Frame beide = Zeichnen([&] { Flaeche("x+y", true, false); }, false, true);
    EXPECT_EQ(beide.count(PrimitiveKind::Polygon), 2 * 800) << "two quads per cell";
    EXPECT_EQ(beide.count(PrimitiveKind::Line), 0);
}

TEST_F(Flaechen, EachSurfaceReleasesTheFunctionOfThePrevious)
{
    Zeichnen([&] { Flaeche("x*y", false, true); });
    const std::weak_ptr<TExprFunction2V> erste = k.Flaechenfunktion;
    ASSERT_FALSE(erste.expired());
    Zeichnen([&] { Flaeche("x-y", false, false); });
    EXPECT_TRUE(erste.expired());
    EXPECT_DOUBLE_EQ(double(k.Flaechenfunktion->Eval(3, 1)), 2);
}

TEST_F(Flaechen, DefaultSolidStacksTenCylindersOfTheLeftRadii)
{
    const Frame f = Zeichnen([&] { Koerper("0,5*x", false, false, false, false, true); }, false, true);
    EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    ModellviewUnveraendert();

    // The mantles, in 0,8 of the full shade, by their left end.
    std::map<long, std::set<long>> radien;
    for (const Primitive& p : f.inColour(0.8f, 0, 0)) {
        double links = 1e9;
        for (const FeedbackVertex& v : p.vertices)
            links = std::min(links, Modell(v).x);
        for (const FeedbackVertex& v : p.vertices) {
            const P3 e = Modell(v);
            EXPECT_TRUE(std::abs(e.x - links) < 2e-3 || std::abs(e.x - links - 0.4) < 2e-3) << "slices 0,4 wide";
            radien[Raster(links)].insert(Raster(std::hypot(e.y, e.z) / 10));
        }
    }
    ASSERT_EQ(radien.size(), 10u);
    int i = 0;
    for (const auto& [links, r] : radien) {
        EXPECT_NEAR(links / 1000.0, 1 + 0.4 * i, 2e-3);
        ASSERT_EQ(r.size(), 1u) << "one radius per cylinder";
        EXPECT_NEAR(*r.begin() / 100.0, 0.5 + 0.2 * i, 2e-3);
        ++i;
    }
    EXPECT_EQ(f.inColour(1, 0, 0).size(), 10u * 2 * 20) << "both lids of each cylinder";
}

TEST_F(Flaechen, RotationGridHasElevenCirclesAlongTheSolid)
{
    const Frame f = Zeichnen([&] { Koerper("0,5*x", false, false, true, false, false); });
    ModellviewUnveraendert();
    std::map<long, std::set<long>> kreise;  // radius of each circle by its x
    for (const Primitive& l : f.ofKind(PrimitiveKind::Line))
        for (const FeedbackVertex& v : l.vertices) {
            const P3 e = Modell(v);
            kreise[Raster(e.x)].insert(Raster(std::hypot(e.y, e.z) / 10));
        }
    ASSERT_EQ(kreise.size(), 11u);
    int i = 0;
    for (const auto& [x, r] : kreise) {
        EXPECT_NEAR(x / 1000.0, 1 + 0.4 * i, 2e-3);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_NEAR(*r.begin() / 100.0, 0.5 * (1 + 0.4 * i), 2e-3);
        ++i;
    }
}

TEST_F(Flaechen, SolidPartsComeInTheirOrderAndShades)
{
    const float dunkel = 255 / 382.0f;
    const Frame f = Zeichnen([&] { Koerper("0,5*x", true, true, true, true, false); }, false, true);
    // Surface (full and back shade), curve in black, then the two grids in the dark shade.
    std::vector<std::string> folge;
    for (const Primitive& p : f.drawn()) {
        std::string teil = p.kind == PrimitiveKind::Polygon ? "flaeche"
                           : p.hasColour(0, 0, 0)           ? "kurve"
                           : p.hasColour(dunkel, 0, 0)      ? "gitter"
                                                            : "?";
        if (folge.empty() || folge.back() != teil)
            folge.push_back(teil);
    }
    EXPECT_EQ(folge, (std::vector<std::string>{"flaeche", "kurve", "gitter"}));
    EXPECT_EQ(f.inColour(1, 0, 0).size(), 2 * 200u) << "outer faces, as triangles";
    EXPECT_EQ(f.inColour(0.9f, 0, 0).size(), 2 * 200u) << "inner faces";
    EXPECT_EQ(f.inColour(0, 0, 0).size(), 10u);
    EXPECT_EQ(f.inColour(dunkel, 0, 0).size(), 10u * 20 + 11 * 20);
}

TEST_F(Flaechen, FormulaErrorsReachTheCallerWithNothingDrawnOrLeftOpen)
{
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        std::string meldung;  // the message, or its end
    } faelle[] = {
        {"surface grid", [&] { Flaeche("x+*y", false, true); }, "Cannot evaluate expression due to a syntax error."},
        {"surface faces", [&] { Flaeche("(x", true, false); }, "Cannot evaluate expression due to a syntax error."},
        {"solid surface", [&] { Koerper("2*y", false, false, false, true, false); },
         "ist kein gültiger Gleitkommawert"},
        {"curve", [&] { Koerper("2*y", true, false, false, false, false); }, "ist kein gültiger Gleitkommawert"},
        {"curve grid", [&] { Koerper("2*y", false, true, false, false, false); }, "ist kein gültiger Gleitkommawert"},
        {"rotation grid", [&] { Koerper("2*y", false, false, true, false, false); },
         "ist kein gültiger Gleitkommawert"},
        {"cylinders", [&] { Koerper("2*y", false, false, false, false, true); }, "ist kein gültiger Gleitkommawert"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::string meldung;
        const Frame f = Zeichnen([&] {
            try {
                fall.zeichnen();
            } catch (const AllgemeinerFehler& e) {
                meldung = e.what();
            } catch (const KonvertierungsFehler& e) {
                meldung = e.what();
            }
        });
        EXPECT_TRUE(meldung.ends_with(fall.meldung)) << meldung;
        EXPECT_TRUE(f.drawn().empty());
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR)) << "no glBegin left open";
        ModellviewUnveraendert();
    }
}

TEST_F(Flaechen, WithEverySwitchOffNothingIsEvaluatedOrDrawn)
{
    const Frame f = Zeichnen([&] {
        EXPECT_NO_THROW(Flaeche("x+*y", false, false));
        EXPECT_NO_THROW(Koerper("2*y", false, false, false, false, false));
    });
    EXPECT_TRUE(f.drawn().empty());
}

// Bounds the wrong way round would step away from the end for ever.
TEST_F(Flaechen, ReversedBoundsDrawNothingAndLeaveTheMatrixAlone)
{
    const Frame f = Zeichnen([&] {
        k.Funktion3dZeichnen("x+y", 20, 4, -4, -4, 4, 20, true, true, stufen);
        k.RotationskoerperZeichnen("0,5*x", 1, 5, 1, 20, true, true, true, true, true, stufen);
    });
    ModellviewUnveraendert();
    EXPECT_EQ(f.count(PrimitiveKind::Polygon), 0);
    EXPECT_EQ(f.count(PrimitiveKind::Line), 0);
}

// A mistyped step count would keep the program busy for hours: it is refused with a
// message before anything is evaluated or drawn, in one direction and in all points.
TEST_F(Flaechen, AbsurdStepCountsAreRefusedBeforeDrawing)
{
    struct Fall {
        int nx, ny;
        const char* meldung;
    };
    const Fall faelle[] = {
        {1000000, 20, "Die Fläche hat zu viele Schritte: höchstens 100000 in jeder Richtung."},
        {5000, 5000, "Die Fläche hat zu viele Punkte: höchstens 16 Millionen."},
    };
    const Frame f = Zeichnen([&] {
        for (const Fall& fall : faelle)
            try {
                k.Funktion3dZeichnen("x+y", fall.nx, -4, 4, -4, 4, fall.ny, true, true, stufen);
                ADD_FAILURE() << fall.nx << " x " << fall.ny << ": no error";
            } catch (const AllgemeinerFehler& e) {
                EXPECT_STREQ(e.what(), fall.meldung);
            }
    });
    EXPECT_TRUE(f.drawn().empty());
    ModellviewUnveraendert();
}
