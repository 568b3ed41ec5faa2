// Balls drawn in no more pieces than their size on screen shows: the rule for the slices and
// stacks, what Punkt and Kugelkoerper hand to GL under different views, and a picture full of
// small balls against the same picture drawn at full detail.

#include "headlessframe.h"
#include "scenes/physics/potentialtopf.h"
#include "scenes/szene.h"
#include "szenenbild.h"
#include "view/glressourcen.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

using namespace orbisto;

namespace {

// How far a regular polygon of m corners strays from its circle of radius R.
double Abweichung(double R, int m) { return R * (1 - std::cos(std::numbers::pi / m)); }

}  // namespace

TEST(KugelTeilung, TheFewestPiecesWithinHalfAPixelNeverMoreThanAskedAndAtLeastThree)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct {
        int n;
        double pixel;
        int teilung;
    } faelle[] = {
        {10, 0, 3},    {10, 0.3, 3},  {10, 1, 3},     // under a pixel: a triangle already strays less
        {10, 2, 5},    {10, 4, 7},    {10, 9, 10},    // 9 px needs 10 exactly
        {10, 50, 10},  {20, 50, 20},  {100, 50, 23},  // a large ball keeps n
        {2, 0, 2},     {1, 100, 1},   {0, 5, 0},      // below 3 as asked
        {10, inf, 10}, {10, nan, 10},                 // size unknown
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TKoSys::KugelTeilung(f.n, f.pixel), f.teilung) << "n " << f.n << ", " << f.pixel << " px";

    // Over a sweep of radii: within half a pixel, and one piece fewer would not be.
    for (double R = 0.05; R < 2000; R *= 1.07) {
        const int m = TKoSys::KugelTeilung(1000, R);
        EXPECT_LE(Abweichung(R, m), 0.5 + 1e-12) << R << " px";
        if (m > 3) {
            EXPECT_GT(Abweichung(R, m - 1), 0.5) << R << " px";
        }
    }
}

namespace {

constexpr int Seite = 200;

// One ball drawn with culling off under a projection and model-view matrix, counted in the
// feedback, against GLU's own sphere of m slices and stacks at the same place.
class Teilung : public ::testing::Test {
protected:
    HeadlessFrame frame{Seite, Seite};
    TKoSys k;

    int Polygone(const std::function<void()>& ansicht, const std::function<void()>& zeichnen)
    {
        const Frame f = frame.render([&] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glDisable(GL_CULL_FACE);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            ansicht();
            k.GL = &frame.ressourcen();
            zeichnen();
            k.GL = nullptr;
        });
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        return f.count(PrimitiveKind::Polygon);
    }
};

// glOrtho(-10 .. 10) on 200 pixels: 10 pixels a unit, looking down z.
void Box(double sx = 1, double sy = 1, double sz = 1)
{
    glMatrixMode(GL_PROJECTION);
    glOrtho(-10, 10, -10, 10, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glScaled(sx, sy, sz);
}

// A frustum with 100 / d pixels a unit at distance d.
void Perspektive()
{
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.5, 0.5, -0.5, 0.5, 0.5, 100);
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

TEST_F(Teilung, BallsLargeOnScreenKeepTheirPiecesAndSmallOnesGetFewer)
{
    // Punkt draws about its point whatever the model-view matrix says; Kugelkoerper about the
    // local origin, here moved to the point. The expected pieces follow from the radius on
    // screen worked out by hand.
    const struct {
        const char* name;
        std::function<void()> ansicht;
        bool punkt;
        double x, y, z, r;
        int n, teilung;
    } faelle[] = {
        {"Punkt, 50 px", [] { Box(); }, true, 1, 2, 3, 5, 10, 10},
        {"Punkt, 4 px", [] { Box(); }, true, 1, 2, 3, 0.4, 10, 7},
        {"Punkt, half a pixel", [] { Box(); }, true, -4, 0, 0, 0.05, 10, 3},
        {"Punkt ignores the model-view scale it does not draw in", [] { Box(50, 50, 50); }, true, 0, 0, 0, 0.05, 10, 3},
        {"Kugelkoerper, 4 px in a local frame scaled by 10", [] { Box(10, 10, 10); }, false, 0, 0, 0, 0.04, 12, 7},
        {"Kugelkoerper stretched along the line of sight: still 4 px", [] { Box(1, 1, 20); }, false, 1, 1, 0, 0.4, 12,
         7},
        {"Kugelkoerper stretched across it: 80 px", [] { Box(1, 20, 1); }, false, 0, 0, 0, 0.4, 12, 12},
        {"perspective, near: about 30 px", Perspektive, true, 0, 0, -3, 1, 10, 10},
        {"perspective, far: 2 px", Perspektive, true, 2, 1, -20, 0.4, 10, 5},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const int ball = Polygone(f.ansicht, [&] {
            if (f.punkt) {
                k.Punkt(f.n, f.x, f.y, f.z, f.r);
            } else {
                glTranslated(f.x, f.y, f.z);
                k.Kugelkoerper(f.n, f.r);
            }
        });
        const auto glu = [&](int m) {
            return Polygone(f.ansicht, [&] {
                if (f.punkt)
                    glLoadIdentity();
                glTranslated(f.x, f.y, f.z);
                gluSphere(frame.ressourcen().Quadrik, f.r, m, m);
            });
        };
        EXPECT_EQ(ball, glu(f.teilung)) << "drawn as GLU's sphere of " << f.teilung << " slices and stacks";
        if (f.teilung < f.n) {
            EXPECT_LT(ball, glu(f.n));
        }
    }
}

namespace {

// The ball lattice of the potential well as that scene defines it, every ball drawn by GLU
// in the scene's own 10 slices and stacks: the picture as it was before balls got coarser.
class VolleKugeln : public Szene {
public:
    explicit VolleKugeln(const tPotentialtopfEinstellungen& e) : e_(e) {}

    void SzeneZeichnen(TKoSys& k) override
    {
        const double a = e_.Topfbreite / 2.0, s = 2 * a / e_.KugelSchritte;
        std::vector<double> g;
        for (double x = -a; 1.01 * a >= x; x += s)
            g.push_back(x);
        glColor3f(0.4f, 0.4f, 0.4f);
        for (double x : g)
            for (double y : g)
                for (double z : g) {
                    const double r = 0.1 * e_.KugelRadius * TPotentialtopf::Psi2(e_.nx, x, a) *
                                     TPotentialtopf::Psi2(e_.ny, y, a) * TPotentialtopf::Psi2(e_.nz, z, a);
                    glPushMatrix();
                    glTranslated(x, y, z);
                    gluSphere(k.GL->Quadrik, r, TPotentialtopf::Unterteilung, TPotentialtopf::Unterteilung);
                    glPopMatrix();
                }
    }

private:
    tPotentialtopfEinstellungen e_;
};

}  // namespace

TEST(KugelnImBild, APotentialWellOfSmallBallsLooksAsAtFullDetail)
{
    // 21 x 21 x 21 balls of at most 6,7 px radius, seen obliquely from above.
    tPotentialtopfEinstellungen e;
    e.Potentialtopf = true;
    e.Dimension = tDimension::Raeumlich;
    e.Bereich = e.Wahrscheinlichkeit = e.Welle = false;
    e.KugelSchritte = 20;
    e.nx = 2;
    TPotentialtopf topf;
    topf.EinstellungenAendern(e);
    VolleKugeln voll(e);

    SzenenBild bild(400, 3);
    bild.Drehungen = {{-60, 1, 0, 0}, {-20, 0, 0, 1}};
    const Frame grob = bild.Zeichnen(topf), fein = bild.Zeichnen(voll);
    ASSERT_EQ(grob.glError(), GLenum(GL_NO_ERROR));

    int anders = 0, kugeln = 0;
    for (int y = 0; y < grob.height(); ++y)
        for (int x = 0; x < grob.width(); ++x) {
            const Rgba a = grob.pixel(x, y), b = fein.pixel(x, y);
            anders += a.r != b.r || a.g != b.g || a.b != b.b;
            kugeln += b.r != 255;
        }
    EXPECT_GT(kugeln, grob.width() * grob.height() / 10) << "the balls cover much of the picture";
    EXPECT_LT(anders, grob.width() * grob.height() / 100);
    EXPECT_LT(grob.count(PrimitiveKind::Polygon), fein.count(PrimitiveKind::Polygon) / 2) << "with far fewer pieces";
}
