// The membrane of a profile z = f(r) turned about the z axis: its radii and values, the
// meridian web, the circles and the two sides of its surface, seen through GL feedback.
// The view looks straight down the z axis onto the box -5..5 with 20 pixels per unit, so
// every drawn vertex reads back as a model point.

#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"
#include "headlessframe.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>

using namespace orbisto;

namespace {

constexpr double Grad = 3.141592653589793 / 180;

struct P3 {
    double x = 0, y = 0, z = 0;
};

class Membran : public ::testing::Test {
protected:
    HeadlessFrame frame{200, 200};
    TKoSys k;

    // Window x = 100 + 20 x, y = 100 + 20 y, depth = 0,5 - z / 10 (looking up: y and z
    // mirrored, as the test then reads them back).
    P3 Modell(const FeedbackVertex& v) const
    {
        const P3 p{(v.x - 100) / 20, (v.y - 100) / 20, 5 - 10 * double(v.z)};
        return vonUnten_ ? P3{p.x, -p.y, -p.z} : p;
    }

    Frame Zeichnen(const std::function<void()>& was, bool vonUnten = false)
    {
        vonUnten_ = vonUnten;
        return frame.render([&] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-5, 5, -5, 5, -5, 5);
            if (vonUnten)
                glRotated(180, 1, 0, 0);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glColor3f(1, 0, 0);
            was();
            glGetDoublev(GL_MODELVIEW_MATRIX, danach_);
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe_);
        });
    }

    void ModellviewUnveraendert() const
    {
        EXPECT_EQ(tiefe_, 1);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(danach_[i], i % 5 == 0 ? 1 : 0, 1e-12) << i;
    }

    // The cone z = r / 2 over radii 0, 1, 2, 3, 4.
    const TKoSys::tMembranProfil kegel = TKoSys::MembranProfil("0,5*x", 4, 4);

private:
    bool vonUnten_ = false;
    GLdouble danach_[16] = {};
    GLint tiefe_ = 0;
};

// The angle of a point about the z axis in whole degrees, 0 ... 359.
long Winkel(const P3& p) { return (std::lround(std::atan2(p.y, p.x) / Grad) + 360) % 360; }

}  // namespace

TEST(MembranProfil, HoldsEveryRadiusUpToOnePercentBeyondTheRimWithItsValue)
{
    struct Fall {
        const char* formel;
        int n;
        double rmax;
        std::size_t radien;
    } const faelle[] = {
        {"x*x", 20, 4, 21},    // 0; 0,2; ... 4
        {"x*x", 3, 4, 4},      // 0; 1,33; 2,67; 4
        {"1-x", 100, 4, 101},  // the sums of 0,04 end a hair from 4, within 1,01·4
        {"x*x", 1, 4, 2},      // centre and rim
        {"x*x", 0, 4, 0},      // no steps: nothing to draw
        {"x*x", -20, 4, 0},    // a typed negative count would step away from the rim for ever
        {"x*x", 20, 0, 0},     // a membrane of no size
        {"x*x", 20, -4, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.formel) + " n = " + std::to_string(f.n) + " rmax = " + ZahlText(f.rmax));
        const TKoSys::tMembranProfil p = TKoSys::MembranProfil(f.formel, f.n, f.rmax);
        ASSERT_EQ(p.r.size(), f.radien);
        ASSERT_EQ(p.z.size(), f.radien);
        for (std::size_t i = 0; i < p.r.size(); ++i) {
            EXPECT_NEAR(p.r[i], i * f.rmax / f.n, 1e-12);
            const double r = p.r[i];
            EXPECT_NEAR(p.z[i], f.formel[0] == '1' ? 1 - r : r * r, 1e-12);
        }
    }
}

TEST(MembranProfil, RefusesUnreadableFormulasAndAbsurdStepCounts)
{
    try {
        TKoSys::MembranProfil("2*y", 20, 4);
        ADD_FAILURE() << "no error";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_STREQ(e.what(), "'y' ist kein gültiger Gleitkommawert");
    }
    try {
        TKoSys::MembranProfil("x", 100001, 4);
        ADD_FAILURE() << "no error";
    } catch (const AllgemeinerFehler& e) {
        EXPECT_STREQ(e.what(), "Die Fläche hat zu viele Schritte: höchstens 100000 in jeder Richtung.");
    }
    EXPECT_EQ(TKoSys::MembranProfil("x", 100000, 4).r.size(), 101001u) << "the largest count is allowed";
}

TEST_F(Membran, TheWebTurnsEachStepOfTheProfileToEveryMeridian)
{
    const Frame f = Zeichnen([&] { k.MeridianGitterZeichnen(kegel, 8); });
    ModellviewUnveraendert();
    const auto linien = f.ofKind(PrimitiveKind::Line);
    ASSERT_EQ(linien.size(), 4u * 8);
    std::set<std::pair<long, long>> stuecke;  // (angle, inner radius)
    for (const Primitive& l : linien) {
        ASSERT_TRUE(l.hasColour(1, 0, 0)) << "in the current colour";
        const P3 a = Modell(l.vertices[0]), b = Modell(l.vertices[1]);
        const double ra = std::hypot(a.x, a.y), rb = std::hypot(b.x, b.y);
        EXPECT_NEAR(rb - ra, 1, 1e-3) << "from r1 out to r2";
        EXPECT_NEAR(a.z, ra / 2, 1e-3);
        EXPECT_NEAR(b.z, rb / 2, 1e-3);
        EXPECT_EQ(Winkel(b), ra > 0.5 ? Winkel(a) : Winkel(b)) << "along one meridian";
        stuecke.insert({Winkel(b), std::lround(ra)});
    }
    std::set<std::pair<long, long>> erwartet;
    for (long w = 0; w < 360; w += 45)
        for (long r = 0; r < 4; ++r)
            erwartet.insert({w, r});
    EXPECT_EQ(stuecke, erwartet);
}

TEST_F(Membran, ACircleAtEveryRadiusAndItsHeight)
{
    const Frame f = Zeichnen([&] { k.RingGitterZeichnen(kegel, 12); });
    ModellviewUnveraendert();
    ASSERT_EQ(f.count(PrimitiveKind::Line), 5 * 12) << "the centre's circle of radius 0 too";
    std::set<long> radien;
    for (const Primitive& l : f.ofKind(PrimitiveKind::Line)) {
        const P3 a = Modell(l.vertices[0]), b = Modell(l.vertices[1]);
        const double r = std::hypot(a.x, a.y);
        EXPECT_NEAR(std::hypot(b.x, b.y), r, 1e-3);
        EXPECT_NEAR(a.z, r / 2, 1e-3);
        EXPECT_NEAR(b.z, r / 2, 1e-3);
        if (r > 0.5) {
            EXPECT_EQ((Winkel(b) - Winkel(a) + 360) % 360, 30) << "one twelfth round, counter-clockwise";
        }
        radien.insert(std::lround(r));
    }
    EXPECT_EQ(radien, (std::set<long>{0, 1, 2, 3, 4}));
}

TEST_F(Membran, EachOrientationShowsOneSide)
{
    // Orientation 1 faces up, the other down, whatever the profile does: seen from above
    // only the first remains after culling, from below only the second.
    const TKoSys::tMembranProfil welle = TKoSys::MembranProfil("2*cos(x)", 4, 4);
    for (const bool vonUnten : {false, true})
        for (const std::uint8_t orientierung : {1, 0}) {
            SCOPED_TRACE(std::string(vonUnten ? "from below" : "from above") + ", orientation " +
                         std::to_string(orientierung));
            const Frame f = Zeichnen([&] { k.MembranFlaecheZeichnen(welle, 10, orientierung); }, vonUnten);
            EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
            ModellviewUnveraendert();
            const bool sichtbar = (orientierung == 1) != vonUnten;
            // Each cell a quad, handed back as two triangles; a cell at the centre has two
            // corners there, so one of its triangles has no area and goes with the culling.
            ASSERT_EQ(f.count(PrimitiveKind::Polygon), sichtbar ? 2 * 3 * 10 + 10 : 0);
            std::set<std::pair<long, long>> ecken;  // (angle, radius) of the corners off the centre
            for (const Primitive& p : f.ofKind(PrimitiveKind::Polygon))
                for (const FeedbackVertex& v : p.vertices) {
                    const P3 e = Modell(v);
                    const double r = std::hypot(e.x, e.y);
                    // The cells lie a hair behind, away from the viewer.
                    const double zurueck = (vonUnten ? 1 : -1) * (e.z - 2 * std::cos(r));
                    EXPECT_GE(zurueck, -2e-3);
                    EXPECT_LE(zurueck, 0.15);
                    if (r > 0.5)
                        ecken.insert({Winkel(e), std::lround(r)});
                }
            if (sichtbar) {
                EXPECT_EQ(ecken.size(), 10u * 4) << "every meridian meets every radius";
            }
        }
}

TEST_F(Membran, StepCountsThatCannotEndDrawNothingOrAreRefused)
{
    const auto fehler = [](const std::function<void()>& was) {
        try {
            was();
        } catch (const AllgemeinerFehler& e) {
            return std::string(e.what());
        }
        return std::string("kein Fehler");
    };
    const std::string zuViele = "Die Fläche hat zu viele Schritte: höchstens 100000 in jeder Richtung.";
    const Frame f = Zeichnen([&] {
        for (const int m : {0, -5}) {
            k.MeridianGitterZeichnen(kegel, m);
            k.RingGitterZeichnen(kegel, m);
            k.MembranFlaecheZeichnen(kegel, m, 1);
        }
        EXPECT_EQ(fehler([&] { k.MeridianGitterZeichnen(kegel, 100001); }), zuViele);
        EXPECT_EQ(fehler([&] { k.RingGitterZeichnen(kegel, 100001); }), zuViele);
        EXPECT_EQ(fehler([&] { k.MembranFlaecheZeichnen(kegel, 100001, 0); }), zuViele);
        const TKoSys::tMembranProfil leer;
        k.MeridianGitterZeichnen(leer, 20);
        k.RingGitterZeichnen(leer, 20);
        k.MembranFlaecheZeichnen(leer, 20, 1);
    });
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    ModellviewUnveraendert();
}
