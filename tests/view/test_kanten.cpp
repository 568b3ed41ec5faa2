// Lines that lie on other lines or on faces, drawn through the real render pass: an edge on
// the base-plane grid and a grid on its own face show whole, in their own colour, along
// their whole length. Where the expected lines are is worked out here from the shapes'
// definitions and the projection the pass leaves behind; the pixels say what is seen.

#include "headlessframe.h"
#include "objects/objektliste.h"
#include "objects/objektzeichnen.h"
#include "objects/typenliste.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace orbisto;

namespace {

constexpr int Seite = 500;
constexpr double Pi = std::numbers::pi;

struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }

// Window position (pixels from the bottom left) and depth of a model point.
struct Fensterpunkt {
    double x, y, tiefe;
};

struct Strecke3 {
    P3 a, b;
};

// Magenta: full (255, 0, 255), back (230, 0, 230), edges and grids (170, 0, 170).
constexpr std::uint32_t Magenta = 0xFF00FF;
const Rgba Kantenfarbe{170, 0, 170, 0};

bool Gleich(Rgba a, Rgba b) { return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2; }

t3DObjekt Objekt(const tTypenliste& typen, const std::string& name,
                 std::initializer_list<std::pair<std::string, std::string>> werte = {})
{
    const t3DTyp& typ = typen[static_cast<std::size_t>(typen.TypSuchen(name))];
    t3DObjekt o;
    o.Typname = name;
    o.Parameter = typ.ParWert;
    o.FarbeSetzen(Magenta);
    o.Orig = true;
    for (const auto& [par, wert] : werte) {
        const auto stelle = std::find(typ.ParName.begin(), typ.ParName.end(), par);
        EXPECT_NE(stelle, typ.ParName.end()) << name << " has no parameter " << par;
        if (stelle != typ.ParName.end())
            o.Parameter[static_cast<std::size_t>(stelle - typ.ParName.begin())] = wert;
    }
    return o;
}

class Kanten : public ::testing::Test {
protected:
    HeadlessFrame frame{Seite, Seite};
    Programm programm;
    std::array<GLdouble, 16> projektion{};  // column-major, as GL keeps it

    void Liste(std::initializer_list<t3DObjekt> objekte)
    {
        for (const t3DObjekt& o : objekte)
            ASSERT_TRUE(programm.Objektliste.ObjektAnhaengen(o));
    }

    // The whole pass; the model-view matrix is the identity after it, so the projection
    // alone takes model points to the window.
    Frame Bild()
    {
        return frame.render([&] {
            Zeichnen(programm, frame.ressourcen(), Seite, Seite);
            glGetDoublev(GL_PROJECTION_MATRIX, projektion.data());
        });
    }

    Fensterpunkt Fenster(P3 p) const
    {
        const auto& m = projektion;
        const auto zeile = [&](int i) { return m[i] * p.x + m[4 + i] * p.y + m[8 + i] * p.z + m[12 + i]; };
        const double w = zeile(3);
        return {(zeile(0) / w + 1) / 2 * Seite, (zeile(1) / w + 1) / 2 * Seite, (zeile(2) / w + 1) / 2};
    }

    // Whether the outward normal n at p turns towards the viewer by a clear margin: the
    // cosine between n and the direction of falling depth.
    bool Zugewandt(P3 p, P3 n) const
    {
        const double e = 1e-3, t0 = Fenster(p).tiefe;
        const P3 g{Fenster(p + P3{e, 0, 0}).tiefe - t0, Fenster(p + P3{0, e, 0}).tiefe - t0,
                   Fenster(p + P3{0, 0, e}).tiefe - t0};
        const double laenge = std::sqrt(g.x * g.x + g.y * g.y + g.z * g.z);
        return -(g.x * n.x + g.y * n.y + g.z * n.z) / laenge > 0.3;
    }

    // Whether the point q of the segment s, both in the x-y plane, lies within 2 pixels of
    // a line of the x-y grid (every whole unit in the default view) that s does not lie on.
    // Where two different lines cross or graze, one pixel holds both at different places
    // inside it, and which is nearer there is a matter of that place, not of which lies on
    // which.
    bool NahAnderemGitter(const Strecke3& s, P3 q) const
    {
        const Fensterpunkt w = Fenster(q);
        const auto abstand = [&](P3 g1, P3 g2) {
            const Fensterpunkt a = Fenster(g1), b = Fenster(g2);
            const double dx = b.x - a.x, dy = b.y - a.y;
            return std::abs(dx * (w.y - a.y) - dy * (w.x - a.x)) / std::hypot(dx, dy);
        };
        for (double c : {std::floor(q.x), std::ceil(q.x)})
            if (!(s.a.x == c && s.b.x == c) && abstand({c, -1, 0}, {c, 1, 0}) < 2)
                return true;
        for (double c : {std::floor(q.y), std::ceil(q.y)})
            if (!(s.a.y == c && s.b.y == c) && abstand({-1, c, 0}, {1, c, 0}) < 2)
                return true;
        return false;
    }

    // Every pixel step along the segment, its ends left out (and with `aufGitter` the places
    // near other lines of the x-y grid), must find the colour within one pixel across the
    // line. Returns where it does not, empty when the line is whole.
    std::string Luecken(const Frame& f, const Strecke3& s, Rgba farbe, bool aufGitter = false) const
    {
        const Fensterpunkt a = Fenster(s.a), b = Fenster(s.b);
        const double dx = b.x - a.x, dy = b.y - a.y;
        const bool waagrecht = std::abs(dx) >= std::abs(dy);
        const int n = static_cast<int>(std::max(std::abs(dx), std::abs(dy)));
        std::ostringstream fehlt;
        for (int i = 3; i <= n - 3; ++i) {
            const double t = static_cast<double>(i) / n;
            const int x = static_cast<int>(std::floor(a.x + t * dx)), y = static_cast<int>(std::floor(a.y + t * dy));
            if (x < 2 || y < 2 || x >= Seite - 2 || y >= Seite - 2)
                continue;
            if (aufGitter && NahAnderemGitter(s, s.a + t * P3{s.b.x - s.a.x, s.b.y - s.a.y, s.b.z - s.a.z}))
                continue;
            bool gefunden = false;
            for (int q = -1; q <= 1 && !gefunden; ++q)
                gefunden = Gleich(waagrecht ? f.windowPixel(x, y + q) : f.windowPixel(x + q, y), farbe);
            if (!gefunden)
                fehlt << " (" << x << ", " << y << ") " << f.windowPixel(x, y);
        }
        return fehlt.str();
    }

    void AlleGanz(const Frame& f, const std::vector<Strecke3>& strecken, bool aufGitter = false)
    {
        ASSERT_FALSE(strecken.empty());
        for (const Strecke3& s : strecken) {
            const std::string fehlt = Luecken(f, s, Kantenfarbe, aufGitter);
            EXPECT_TRUE(fehlt.empty()) << "line (" << s.a.x << ", " << s.a.y << ", " << s.a.z << ") - (" << s.b.x
                                       << ", " << s.b.y << ", " << s.b.z << ") missing at" << fehlt;
        }
    }
};

// The rim of a base centred at the origin at height 0: a rectangle a x b or a circle of
// radius r in `schritte` pieces.
std::vector<Strecke3> Rechteck(double a, double b)
{
    const P3 e[] = {{-a / 2, -b / 2, 0}, {a / 2, -b / 2, 0}, {a / 2, b / 2, 0}, {-a / 2, b / 2, 0}};
    return {{e[0], e[1]}, {e[1], e[2]}, {e[2], e[3]}, {e[3], e[0]}};
}

std::vector<Strecke3> Kreis(double r, int schritte)
{
    std::vector<Strecke3> s;
    for (int j = 0; j < schritte; ++j) {
        const double p = 2 * Pi * j / schritte, q = 2 * Pi * (j + 1) / schritte;
        s.push_back({{r * std::cos(p), r * std::sin(p), 0}, {r * std::cos(q), r * std::sin(q), 0}});
    }
    return s;
}

struct Grundkante {
    const char* typ;
    std::vector<Strecke3> rand;
};

}  // namespace

// The default solids stand on the x-y grid of the default view, their bases on its lines
// (the box and the pyramid) or crossing them (the cylinder's circle). Each base edge is
// drawn after the grid and must show whole in the object's edge shade.
TEST_F(Kanten, BaseEdgesOfDefaultSolidsShowWholeOnTheGrid)
{
    const std::vector<Grundkante> faelle = {
        {"Quader", Rechteck(6, 4)},
        {"Pyramide", Rechteck(6, 4)},
        {"Zylinder", Kreis(2, 20)},
    };
    ASSERT_TRUE(programm.KoSys.xyGitter);
    // The axes leave the grid as it is; they are left out only because the z axis passes
    // in front of the far edges, which rightly hides a few pixels of them.
    programm.KoSys.AchsenZeichnung = false;
    for (const Grundkante& fall : faelle) {
        SCOPED_TRACE(fall.typ);
        programm.Objektliste.ListeLeeren();
        Liste({Objekt(programm.Typenliste, fall.typ)});
        AlleGanz(Bild(), fall.rand, true);
    }
}

// An axis that lies on a grid line stays in its own colour: the grid drawn after it does
// not cover it.
TEST_F(Kanten, AxesOnGridLinesKeepTheirColour)
{
    const Frame f = Bild();
    const TKoSys& k = programm.KoSys;
    // Both halves, the origin left out, where the three axes cross.
    const Rgba rot{255, 0, 0, 0}, gruen{0, 204, 0, 0};
    for (const auto& [s, farbe] : {std::pair{Strecke3{{k.xMin + 0.5, 0, 0}, {-0.3, 0, 0}}, rot},
                                   {Strecke3{{0.3, 0, 0}, {k.xMax - 1, 0, 0}}, rot},
                                   {Strecke3{{0, k.yMin + 0.5, 0}, {0, -0.3, 0}}, gruen},
                                   {Strecke3{{0, 0.3, 0}, {0, k.yMax - 1, 0}}, gruen}})
        EXPECT_EQ(Luecken(f, s, farbe, true), "");
}

// Grids drawn on their own faces: the plane's grid lines (its outline among them) and the
// sphere's meridians and parallels on the side turned to the viewer.
TEST_F(Kanten, GridLinesOnFacesShowWhole)
{
    TKoSys& k = programm.KoSys;
    k.AchsenZeichnung = false;
    k.xyGitter = false;

    // The default plane x = 2, spanned by y and z in 6 steps either way.
    std::vector<Strecke3> ebene;
    for (int i = -6; i <= 6; ++i) {
        ebene.push_back({{2, double(i), -6}, {2, double(i), 6}});
        ebene.push_back({{2, -6, double(i)}, {2, 6, double(i)}});
    }

    // The sphere of radius 3 in 16 steps round and 8 bands, from the south pole up.
    const P3 m{0, 0, 0.5};
    const double r = 3;
    const auto richtung = [](double theta, double phi) {
        return P3{std::cos(phi) * std::cos(theta), std::sin(phi) * std::cos(theta), std::sin(theta)};
    };
    std::vector<Strecke3> kugel;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 16; ++j) {
            const double theta = -Pi / 2 + i * Pi / 8, phi = j * Pi / 8, weiter = (j + 1) * Pi / 8;
            const std::pair<P3, P3> stuecke[] = {{richtung(theta, weiter), richtung(theta + Pi / 8, weiter)},
                                                 {richtung(theta, phi), richtung(theta, weiter)}};
            for (const auto& [u, v] : stuecke)
                kugel.push_back({m + r * u, m + r * v});
        }

    {
        SCOPED_TRACE("EbenePRF");
        Liste({Objekt(programm.Typenliste, "EbenePRF")});
        AlleGanz(Bild(), ebene);
    }
    {
        SCOPED_TRACE("Kugel");
        programm.Objektliste.ListeLeeren();
        Liste({Objekt(programm.Typenliste, "Kugel", {{"mz", "0,5"}, {"Flaeche", "1"}})});
        const Frame f = Bild();
        std::vector<Strecke3> vorn;
        for (const Strecke3& s : kugel) {
            const P3 na = (1 / r) * P3{s.a.x - m.x, s.a.y - m.y, s.a.z - m.z};
            const P3 nb = (1 / r) * P3{s.b.x - m.x, s.b.y - m.y, s.b.z - m.z};
            if (Zugewandt(s.a, na) && Zugewandt(s.b, nb))
                vorn.push_back(s);
        }
        EXPECT_GT(vorn.size(), 20U);
        AlleGanz(f, vorn);
    }
}

// Where nothing coincides, the pass draws exactly what it drew with neither the faces'
// offset nor the later line winning at equal depth: the faces of a sphere and a ball
// floating above the grid, over the axes and the grid.
TEST_F(Kanten, PictureWithoutCoincidingGeometryIsUnchanged)
{
    Liste({Objekt(programm.Typenliste, "Kugel",
                  {{"mx", "-4"}, {"my", "4"}, {"mz", "2"}, {"r", "1,5"}, {"Gitter", "0"}, {"Flaeche", "1"}}),
           Objekt(programm.Typenliste, "Punkt", {{"x", "3"}, {"y", "-3"}, {"z", "2"}, {"r", "1"}})});
    const Frame neu = Bild();
    TKoSys& k = programm.KoSys;
    const Frame alt = frame.render([&] {
        glDisable(GL_POLYGON_OFFSET_FILL);
        glDepthFunc(GL_LESS);
        k.GL = &frame.ressourcen();
        BildLoeschen(k, Seite, Seite);
        ProjektionSetzen(k);
        k.KoSysZeichnen();
        ObjekteZeichnen(k, programm.Modus, programm.Objektliste, programm.VorschauObjekt);
        k.GL = nullptr;
    });
    int anders = 0, gemalt = 0;
    for (int y = 0; y < Seite; ++y)
        for (int x = 0; x < Seite; ++x) {
            anders += !(neu.pixel(x, y) == alt.pixel(x, y));

            gemalt += Gleich(neu.pixel(x, y), Rgba{255, 0, 255, 0});
        }
    EXPECT_GT(gemalt, 1000);  // the faces are in the picture at all
    EXPECT_EQ(anders, 0);
}
