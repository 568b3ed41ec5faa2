// The render pass: clear colour, and where the view transform puts model points,
// checked against the transform computed here independently from its definition.

#include "headlessframe.h"
#include "probeszenen.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

using Mat = std::array<std::array<double, 4>, 4>;
using Vec = std::array<double, 4>;

Mat mal(const Mat& a, const Mat& b)
{
    Mat m{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 4; ++k)
                m[i][j] += a[i][k] * b[k][j];
    return m;
}

Vec mal(const Mat& a, const Vec& v)
{
    Vec r{};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            r[i] += a[i][k] * v[k];
    return r;
}

Mat einheit() { return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}}; }

Mat verschiebung(double x, double y, double z)
{
    Mat m = einheit();
    m[0][3] = x;
    m[1][3] = y;
    m[2][3] = z;
    return m;
}

Mat drehungX(double grad)
{
    const double a = grad * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    return {{{1, 0, 0, 0}, {0, c, -s, 0}, {0, s, c, 0}, {0, 0, 0, 1}}};
}

Mat drehungZ(double grad)
{
    const double a = grad * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    return {{{c, -s, 0, 0}, {s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
}

// clip(p) = Proj · T(0,0,Beobachter) · T(shift) · Rx · Rz · S · p, then to window pixels.
std::array<double, 2> erwartetesFenster(const TKoSys& k, Vec p, int w, int h)
{
    Mat proj{};
    double beobachter;
    if (k.Projektion == 0) {
        const double l = k.PLinks, r = k.PRechts, b = k.PUnten, t = k.POben, n = k.PNah, f = k.PFern;
        proj = {{{2 * n / (r - l), 0, (r + l) / (r - l), 0},
                 {0, 2 * n / (t - b), (t + b) / (t - b), 0},
                 {0, 0, -(f + n) / (f - n), -2 * f * n / (f - n)},
                 {0, 0, -1, 0}}};
        beobachter = k.PBeobachter;
    } else {
        const double l = k.OLinks, r = k.ORechts, b = k.OUnten, t = k.OOben, n = k.ONah, f = k.OFern;
        proj = {{{2 / (r - l), 0, 0, -(r + l) / (r - l)},
                 {0, 2 / (t - b), 0, -(t + b) / (t - b)},
                 {0, 0, -2 / (f - n), -(f + n) / (f - n)},
                 {0, 0, 0, 1}}};
        beobachter = k.OBeobachter;
    }
    Mat skala = einheit();
    skala[0][0] = k.xSkala;
    skala[1][1] = k.ySkala;
    skala[2][2] = k.zSkala;
    Mat m = mal(proj, verschiebung(0, 0, beobachter));
    m = mal(m, verschiebung(k.xVerschiebung, k.yVerschiebung, k.zVerschiebung));
    m = mal(m, drehungX(k.xDrehung + k.xDrehungMaus));
    m = mal(m, drehungZ(k.zDrehung + k.zDrehungMaus));
    m = mal(m, skala);
    const Vec c = mal(m, p);
    return {(c[0] / c[3] + 1) / 2 * w, (c[1] / c[3] + 1) / 2 * h};
}

// A scene that marks model points, so the test sees them through the real pass.
class PunktSzene : public Szene {
public:
    std::vector<Vec> punkte;
    std::function<void()> beimZeichnen;

    void SzeneZeichnen(TKoSys&) override
    {
        if (beimZeichnen)
            beimZeichnen();
        glColor3f(1, 0, 0);
        glBegin(GL_POINTS);
        for (const Vec& p : punkte)
            glVertex3d(p[0], p[1], p[2]);
        glEnd();
    }
};

// Fails the way a bad formula does in the middle of drawing: a matrix pushed, a glBegin open.
class FehlerSzene : public Szene {
public:
    void SzeneZeichnen(TKoSys&) override
    {
        glPushMatrix();
        glTranslatef(1, 2, 3);
        glBegin(GL_TRIANGLES);
        glVertex3f(0, 0, 0);
        throw std::runtime_error("'a' ist kein gültiger Gleitkommawert");
    }
};

GLint stapelTiefe(GLenum frage)
{
    GLint tiefe = -1;
    glGetIntegerv(frage, &tiefe);
    return tiefe;
}

}  // namespace

TEST(Zeichnen, ViewTransformPutsModelPointsWhereItsDefinitionSays)
{
    const int w = 640, h = 480;
    const struct {
        const char* name;
        std::function<void(TKoSys&)> aendern;
    } ansichten[] = {
        {"orthogonal defaults", [](TKoSys&) {}},
        {"perspective defaults", [](TKoSys& k) { k.Projektion = 0; }},
        {"shifted and stretched",
         [](TKoSys& k) {
             k.xVerschiebung = 10;
             k.yVerschiebung = -7;
             k.zVerschiebung = 3;
             k.xSkala = 2.5;
             k.zSkala = 8;
         }},
        {"perspective, turned by a drag",
         [](TKoSys& k) {
             k.Projektion = 0;
             k.xDrehung = -60;
             k.zDrehung = 35;
             k.xDrehungMaus = -4;
             k.zDrehungMaus = 12;
         }},
        {"2-D view",
         [](TKoSys& k) {
             k.xDrehung = 0;
             k.zDrehung = 0;
         }},
    };
    const std::vector<Vec> punkte = {{0, 0, 0, 1}, {5, 0, 0, 1}, {0, 5, 0, 1}, {0, 0, 5, 1}, {-3, 4, -2, 1}};

    HeadlessFrame frame(w, h);
    for (const auto& a : ansichten) {
        SCOPED_TRACE(a.name);
        Programm p;
        a.aendern(p.KoSys);
        auto szene = std::make_unique<PunktSzene>();
        szene->punkte = punkte;
        p.Szenen.Setzen(SzenenNr::VektorOrt, std::move(szene));

        const Frame f = frame.render([&] { Zeichnen(p, frame.ressourcen(), w, h); });
        const auto gezeichnet = f.ofKind(PrimitiveKind::Point);
        ASSERT_EQ(gezeichnet.size(), punkte.size());
        for (std::size_t i = 0; i < punkte.size(); ++i) {
            const auto soll = erwartetesFenster(p.KoSys, punkte[i], w, h);
            EXPECT_NEAR(gezeichnet[i].vertices[0].x, soll[0], 0.01) << "point " << i;
            EXPECT_NEAR(gezeichnet[i].vertices[0].y, soll[1], 0.01) << "point " << i;
        }
    }
}

TEST(Zeichnen, DefaultOriginInTheCentreAndXAxisToTheRightDown)
{
    const int w = 400, h = 300;
    Programm p;
    auto szene = std::make_unique<PunktSzene>();
    szene->punkte = {{0, 0, 0, 1}, {5, 0, 0, 1}};
    p.Szenen.Setzen(SzenenNr::DominoSteine, std::move(szene));
    HeadlessFrame frame(w, h);
    const auto pkt = frame.render([&] { Zeichnen(p, frame.ressourcen(), w, h); }).ofKind(PrimitiveKind::Point);
    ASSERT_EQ(pkt.size(), 2u);
    EXPECT_NEAR(pkt[0].vertices[0].x, w / 2.0, 0.01);
    EXPECT_NEAR(pkt[0].vertices[0].y, h / 2.0, 0.01);
    // x = 5 becomes 25 view units, turned by -20 degrees: 23.49 of the 50-unit half width.
    EXPECT_NEAR(pkt[1].vertices[0].x, w / 2.0 * (1 + 25 * std::cos(20 * std::numbers::pi / 180) / 50), 0.01);
    EXPECT_LT(pkt[1].vertices[0].y, h / 2.0) << "the x axis points towards the viewer and down";
}

TEST(Zeichnen, ClearsToWhiteOnlyForAWhiteBackground)
{
    const struct {
        std::uint32_t farbe;
        Rgba pixel;
    } faelle[] = {{0xFFFFFF, {255, 255, 255, 0}}, {0x000000, {0, 0, 0, 0}}, {0x00FFFF, {0, 0, 0, 0}}};
    HeadlessFrame frame(64, 48);
    for (const auto& fall : faelle) {
        Programm p;
        p.KoSys.Hintergrundfarbe = fall.farbe;
        const Frame f = frame.render([&] { Zeichnen(p, frame.ressourcen(), 64, 48); });
        const Rgba mitte = f.pixel(2, 2);  // outside the coordinate system
        EXPECT_EQ(mitte.r, fall.pixel.r) << std::hex << fall.farbe;
        EXPECT_EQ(mitte.g, fall.pixel.g);
        EXPECT_EQ(mitte.b, fall.pixel.b);
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    }
}

TEST(Zeichnen, SceneHooksRunInTheirFixedOrderWithIdentityModelView)
{
    Programm p;
    std::vector<std::string> reihenfolge;
    bool immerEinheit = true;
    auto melden = [&](const char* name) {
        auto s = std::make_unique<PunktSzene>();
        s->beimZeichnen = [&, name] {
            reihenfolge.push_back(name);
            GLfloat m[16];
            glGetFloatv(GL_MODELVIEW_MATRIX, m);
            for (int i = 0; i < 16; ++i)
                immerEinheit = immerEinheit && m[i] == (i % 5 == 0 ? 1.0f : 0.0f);
        };
        return s;
    };
    // Installed out of order on purpose.
    p.Szenen.Setzen(SzenenNr::DominoSteine, melden("DominoSteine"));
    p.Szenen.Setzen(SzenenNr::Wurf, melden("Wurf"));
    p.Szenen.Setzen(SzenenNr::Spiegelungen, melden("Spiegelungen"));
    p.Szenen.Setzen(SzenenNr::LineareAbh, melden("LineareAbh"));
    p.Szenen.Setzen(SzenenNr::VektorSpatprodukt, melden("VektorSpatprodukt"));

    HeadlessFrame frame(32, 32);
    const Frame f = frame.render([&] {
        reihenfolge.clear();
        Zeichnen(p, frame.ressourcen(), 32, 32);
    });
    EXPECT_EQ(reihenfolge,
              (std::vector<std::string>{"Spiegelungen", "VektorSpatprodukt", "LineareAbh", "Wurf", "DominoSteine"}));
    EXPECT_TRUE(immerEinheit);
}

TEST(Zeichnen, DrawsTextAndSpheresWithTheResourcesOfItsContext)
{
    const int w = 200, h = 200;
    Programm p;
    p.Szenen.Setzen(SzenenNr::VektorKugel, std::make_unique<KugelTextSzene>(1, "Ab", -4, -4, 0));
    HeadlessFrame frame(w, h);
    const Frame f = frame.render([&] { Zeichnen(p, frame.ressourcen(), w, h); });
    EXPECT_EQ(f.pixel(w / 2, h / 2), (Rgba{0, 0, 255, 255}));
    EXPECT_GT(f.inColour(0, 0, 1).size(), 50u) << "sphere faces";
    EXPECT_EQ(f.count(PrimitiveKind::Bitmap), 2);
    EXPECT_EQ(p.KoSys.GL, nullptr) << "the resources are lent for one pass only";
}

TEST(Zeichnen, AHundredFailingPassesLeaveGLAsTheyFoundIt)
{
    const int w = 160, h = 120;
    Programm p;
    p.Szenen.Setzen(SzenenNr::VektorKugel, std::make_unique<KugelTextSzene>(1, "Ab", -4, -4, 0));
    HeadlessFrame frame(w, h);
    const auto zeichnen = [&] { Zeichnen(p, frame.ressourcen(), w, h); };
    const Frame vorher = frame.render(zeichnen);

    p.Szenen.Setzen(SzenenNr::Spiegelungen, std::make_unique<FehlerSzene>());
    frame.gl().makeCurrent();
    for (int i = 0; i < 100; ++i)
        ASSERT_THROW(zeichnen(), std::runtime_error) << "pass " << i;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(stapelTiefe(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(stapelTiefe(GL_PROJECTION_STACK_DEPTH), 1);

    p.Szenen.Setzen(SzenenNr::Spiegelungen, nullptr);
    GLint tiefeDanach = -1;
    const Frame nachher = frame.render([&] {
        zeichnen();
        tiefeDanach = stapelTiefe(GL_MODELVIEW_STACK_DEPTH);
    });
    EXPECT_EQ(tiefeDanach, 1);
    EXPECT_EQ(nachher.glError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(nachher.image(), vorher.image());
    ASSERT_EQ(nachher.drawn().size(), vorher.drawn().size());
    for (std::size_t i = 0; i < vorher.drawn().size(); ++i) {
        const auto &a = vorher.drawn()[i].vertices, &b = nachher.drawn()[i].vertices;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t j = 0; j < a.size(); ++j) {
            EXPECT_EQ(a[j].x, b[j].x);
            EXPECT_EQ(a[j].y, b[j].y);
        }
    }
}
