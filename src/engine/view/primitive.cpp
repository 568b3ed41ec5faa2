// Text, balls, segments, box edges, the coloured box and the sphere of the primitives.

#include "core/cp1252.h"
#include "view/flaechenwerte.h"
#include "view/glressourcen.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <numbers>

namespace orbisto {

using namespace schritte;

void TKoSys::Text3D(std::string_view text, double x, double y, double z) const
{
    if (GL == nullptr)
        return;
    const std::string codes = ToCp1252(text);
    glRasterPos3d(x, y, z);
    glListBase(GL->FontBasis);
    glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
}

int TKoSys::KugelTeilung(int n, double pixel)
{
    // A polygon of m corners on a circle of radius R strays at most R (1 - cos(pi / m)) from
    // it, between two corners; the stacks, half as wide an angle, stray less. So the least m
    // within half a pixel is pi / acos(1 - 0,5 / R), and any m will do up to R = 0,5. The
    // tolerance keeps a whole quotient from rounding up. An unknown size keeps n, and so
    // does an infinite one, whose quotient is infinite.
    if (std::isnan(pixel))
        return n;
    const double noetig = pixel > 0.5 ? std::numbers::pi / std::acos(1 - 0.5 / pixel) : 0;
    if (!(noetig < n))
        return n;
    return std::max(std::min(n, 3), static_cast<int>(std::ceil(noetig - 1e-9)));
}

namespace {

// The radius in pixels of a ball of radius r about the local origin, for the matrices and
// viewport current now: r times the largest stretch of the derivative of the map to window
// coordinates at the centre. Under perspective the divisor is taken at the point of the ball
// nearest the eye, so a near ball never comes out smaller than it shows; a ball reaching the
// eye plane gives infinity.
std::array<GLint, 4> Rahmen()
{
    std::array<GLint, 4> rahmen{};
    glGetIntegerv(GL_VIEWPORT, rahmen.data());
    return rahmen;
}

// The whole map from the local frame to clip coordinates, column by column.
std::array<double, 16> Abbildung(const std::array<double, 16>& projektion, const std::array<double, 16>& modell)
{
    std::array<double, 16> m{};
    for (int spalte = 0; spalte < 4; ++spalte)
        for (int zeile = 0; zeile < 4; ++zeile)
            for (int k = 0; k < 4; ++k)
                m[4 * spalte + zeile] += projektion[4 * k + zeile] * modell[4 * spalte + k];
    return m;
}

// The same for a frame that is only moved to p: the projection with p's image as its last
// column.
std::array<double, 16> Abbildung(const std::array<double, 16>& projektion, const tVektor3& p)
{
    std::array<double, 16> m = projektion;
    for (int zeile = 0; zeile < 4; ++zeile)
        m[12 + zeile] = projektion[zeile] * p.x + projektion[4 + zeile] * p.y + projektion[8 + zeile] * p.z +
                        projektion[12 + zeile];
    return m;
}

// m: the whole map (Abbildung); the centre's image is its last column.
double PixelRadius(const std::array<double, 16>& m, const std::array<GLint, 4>& rahmen, double r)
{
    const auto zeile = [&](int i) { return std::array<double, 3>{m[i], m[4 + i], m[8 + i]}; };
    const std::array<double, 3> wZeile = zeile(3);
    const double w =
        m[15] - std::abs(r) * std::sqrt(wZeile[0] * wZeile[0] + wZeile[1] * wZeile[1] + wZeile[2] * wZeile[2]);
    if (!(w > 1e-12))
        return std::numeric_limits<double>::infinity();
    // d(ndc)/d(p) = (row - ndc * wRow) / w, then half the viewport's size per ndc unit.
    std::array<std::array<double, 3>, 2> j{};
    for (int i = 0; i < 2; ++i) {
        const std::array<double, 3> z = zeile(i);
        const double ndc = m[12 + i] / m[15], halb = 0.5 * rahmen[2 + i];
        for (int k = 0; k < 3; ++k)
            j[i][k] = halb * (z[k] - ndc * wZeile[k]) / w;
    }
    // The largest singular value of the 2 x 3 derivative: the root of the larger eigenvalue
    // of J J^T.
    const auto punkt = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
        return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    };
    const double a = punkt(j[0], j[0]), b = punkt(j[0], j[1]), d = punkt(j[1], j[1]);
    const double mitte = 0.5 * (a + d), abstand = std::sqrt(0.25 * (a - d) * (a - d) + b * b);
    return std::abs(r) * std::sqrt(mitte + abstand);
}

std::array<double, 16> Matrix(GLenum welche)
{
    std::array<double, 16> m{};
    glGetDoublev(welche, m.data());
    return m;
}

}  // namespace

// Both draw a ball in no more pieces than its size on screen can show: a distant ball of the
// potential well or a point far off is a few pixels wide, and drawing it in n x n pieces
// costs as much as a large one.
void TKoSys::Punkt(int n, double x, double y, double z, double r) const
{
    if (GL == nullptr || GL->Quadrik == nullptr)
        return;
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, z);
    const int m = KugelTeilung(n, PixelRadius(Abbildung(Matrix(GL_PROJECTION_MATRIX), tVektor3{x, y, z}), Rahmen(), r));
    gluSphere(GL->Quadrik, r, m, m);
    glPopMatrix();
}

void TKoSys::Kugelkoerper(int n, double r) const
{
    if (GL == nullptr || GL->Quadrik == nullptr)
        return;
    const int m =
        KugelTeilung(n, PixelRadius(Abbildung(Matrix(GL_PROJECTION_MATRIX), Matrix(GL_MODELVIEW_MATRIX)), Rahmen(), r));
    gluSphere(GL->Quadrik, r, m, m);
}

namespace {

// The faces of a ball of radius 1 about the origin in m slices and m stacks, as triangles
// with their corners counter-clockwise seen from outside: stack j between the polar angles
// pi j / m and pi (j + 1) / m from the top, slice i between the longitudes 2 pi i / m and
// 2 pi (i + 1) / m. At the poles a cell is one triangle.
const std::vector<tVektor3>& Einheitskugel(int m)
{
    static std::vector<std::vector<tVektor3>> kugeln;
    if (static_cast<std::size_t>(m) >= kugeln.size())
        kugeln.resize(static_cast<std::size_t>(m) + 1);
    std::vector<tVektor3>& ecken = kugeln[static_cast<std::size_t>(m)];
    if (!ecken.empty())
        return ecken;
    const auto punkt = [m](int j, int i) {
        const double phi = std::numbers::pi * j / m, theta = 2 * std::numbers::pi * (i % m) / m;
        return tVektor3{std::sin(phi) * std::cos(theta), std::sin(phi) * std::sin(theta), std::cos(phi)};
    };
    for (int j = 0; j < m; ++j)
        for (int i = 0; i < m; ++i) {
            const tVektor3 a = punkt(j, i), b = punkt(j + 1, i), c = punkt(j + 1, i + 1), d = punkt(j, i + 1);
            if (j + 1 < m)
                ecken.insert(ecken.end(), {a, b, c});
            if (j > 0)
                ecken.insert(ecken.end(), {a, c, d});
        }
    return ecken;
}

}  // namespace

void TKoSys::Kugeln(int n, const std::vector<tKugel>& kugeln) const
{
    if (GL == nullptr || GL->Quadrik == nullptr || kugeln.empty())
        return;
    glPushMatrix();
    glLoadIdentity();
    const std::array<double, 16> projektion = Matrix(GL_PROJECTION_MATRIX);
    const std::array<GLint, 4> rahmen = Rahmen();
    Eckenpuffer ecken;
    for (const tKugel& k : kugeln) {
        const tVektor3& p = k.mitte;
        const int m = KugelTeilung(n, PixelRadius(Abbildung(projektion, p), rahmen, k.r));
        if (m < 2)
            continue;  // no ball, as gluSphere draws none
        for (const tVektor3& e : Einheitskugel(m))
            ecken.Ecke(p.x + k.r * e.x, p.y + k.r * e.y, p.z + k.r * e.z);
        // In parts, so that the rasteriser draws while the next part is made.
        if (ecken.Anzahl() > 100'000)
            ecken.Zeichnen(GL_TRIANGLES);
    }
    ecken.Zeichnen(GL_TRIANGLES);
    glPopMatrix();
}

void TKoSys::Strecke(double x1, double y1, double z1, double x2, double y2, double z2) const
{
    glBegin(GL_LINES);
    glVertex3d(x1, y1, z1);
    glVertex3d(x2, y2, z2);
    glEnd();
}

void TKoSys::FarbeSetzen(const tRGB& farbe) { glColor3f(farbe.R, farbe.G, farbe.B); }

namespace {

void Stuecke(GLenum art, const std::vector<tVektor3>& punkte)
{
    if (punkte.empty())
        return;
    glBegin(art);
    for (const tVektor3& p : punkte)
        glVertex3d(p.x, p.y, p.z);
    glEnd();
}

}  // namespace

void TKoSys::Strecken(const std::vector<tVektor3>& enden) { Stuecke(GL_LINES, enden); }

void TKoSys::Vierecke(const std::vector<tVektor3>& ecken) { Stuecke(GL_QUADS, ecken); }

void TKoSys::VektorpfeilRGB(const tVektor3& von, const tVektor3& nach, double dicke, const tRGB& farbe) const
{
    VektorpfeilRGB(von.x, von.y, von.z, nach.x, nach.y, nach.z, dicke, farbe.R, farbe.G, farbe.B);
}

namespace {

void Ecke(const tVektor3& p) { glVertex3d(p.x, p.y, p.z); }

// The face in its corner order in `vorn`, then from the same first corner backwards in
// `hinten`, so each copy shows from one side.
void Zweiseitig(GLenum art, std::initializer_list<const tVektor3*> ecken, const tRGB& vorn, const tRGB& hinten)
{
    glBegin(art);
    TKoSys::FarbeSetzen(vorn);
    for (const tVektor3* p : ecken)
        Ecke(*p);
    TKoSys::FarbeSetzen(hinten);
    Ecke(**ecken.begin());
    for (auto p = ecken.end(); --p != ecken.begin();)
        Ecke(**p);
    glEnd();
}

}  // namespace

void TKoSys::ViereckZweiseitig(const tVektor3& p1, const tVektor3& p2, const tVektor3& p3, const tVektor3& p4,
                               const tRGB& vorn, const tRGB& hinten)
{
    Zweiseitig(GL_QUADS, {&p1, &p2, &p3, &p4}, vorn, hinten);
}

void TKoSys::ImRahmen(const tVektor3& ursprung, std::initializer_list<tDrehung> drehungen,
                      const std::function<void()>& zeichnen) const
{
    struct Zurueck {
        ~Zurueck() { glPopMatrix(); }
    };
    glPushMatrix();
    const Zurueck zurueck;
    glLoadIdentity();
    glTranslated(ursprung.x, ursprung.y, ursprung.z);
    for (const tDrehung& d : drehungen)
        glRotated(d.grad, d.achse.x, d.achse.y, d.achse.z);
    zeichnen();
}

void TKoSys::DreieckZweiseitig(const tVektor3& p1, const tVektor3& p2, const tVektor3& p3, const tRGB& vorn,
                               const tRGB& hinten)
{
    Zweiseitig(GL_TRIANGLES, {&p1, &p2, &p3}, vorn, hinten);
}

void TKoSys::ViereckKanten(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3,
                           double z3, double x4, double y4, double z4) const
{
    Strecke(x1, y1, z1, x2, y2, z2);
    Strecke(x2, y2, z2, x3, y3, z3);
    Strecke(x3, y3, z3, x4, y4, z4);
    Strecke(x4, y4, z4, x1, y1, z1);
}

void TKoSys::QuaderKanten(double x1, double y1, double z1, double x2, double y2, double z2) const
{
    Strecke(x1, y1, z1, x2, y1, z1);
    Strecke(x1, y2, z1, x2, y2, z1);
    Strecke(x1, y1, z2, x2, y1, z2);
    Strecke(x1, y2, z2, x2, y2, z2);

    Strecke(x1, y1, z1, x1, y2, z1);
    Strecke(x2, y1, z1, x2, y2, z1);
    Strecke(x1, y1, z2, x1, y2, z2);
    Strecke(x2, y1, z2, x2, y2, z2);

    Strecke(x1, y1, z1, x1, y1, z2);
    Strecke(x2, y1, z1, x2, y1, z2);
    Strecke(x1, y2, z1, x1, y2, z2);
    Strecke(x2, y2, z1, x2, y2, z2);
}

void TKoSys::QuaderBunt(double x1, double y1, double z1, double x2, double y2, double z2) const
{
    // Corner orders make every face turn outwards when point 1 is the lower corner.
    glBegin(GL_QUADS);
    glColor3f(1, 0, 0);  // z = z1
    glVertex3d(x1, y1, z1);
    glVertex3d(x1, y2, z1);
    glVertex3d(x2, y2, z1);
    glVertex3d(x2, y1, z1);
    glColor3f(0, 1, 0);  // z = z2
    glVertex3d(x1, y1, z2);
    glVertex3d(x2, y1, z2);
    glVertex3d(x2, y2, z2);
    glVertex3d(x1, y2, z2);
    glColor3f(0, 0, 1);  // x = x2
    glVertex3d(x2, y1, z1);
    glVertex3d(x2, y2, z1);
    glVertex3d(x2, y2, z2);
    glVertex3d(x2, y1, z2);
    glColor3f(0, 0.5f, 1);  // x = x1
    glVertex3d(x1, y1, z1);
    glVertex3d(x1, y1, z2);
    glVertex3d(x1, y2, z2);
    glVertex3d(x1, y2, z1);
    glColor3f(1, 1, 0);  // y = y1
    glVertex3d(x1, y1, z1);
    glVertex3d(x2, y1, z1);
    glVertex3d(x2, y1, z2);
    glVertex3d(x1, y1, z2);
    glColor3f(1, 0.1f, 0.8f);  // y = y2
    glVertex3d(x1, y2, z1);
    glVertex3d(x1, y2, z2);
    glVertex3d(x2, y2, z2);
    glVertex3d(x2, y2, z1);
    glEnd();
}

void TKoSys::Kugel(bool gitter, bool flaeche, double x, double y, double z, double r, int n,
                   const tFarbStufen& stufen) const
{
    const double d = Winkelschritt(4.0 * n);
    const auto ecke = [r](double theta, double phi) {
        glVertex3d(r * std::cos(phi) * std::cos(theta), r * std::sin(phi) * std::cos(theta), r * std::sin(theta));
    };
    // Every latitude band from the south pole up, every sector round.
    const auto jedesFeld = [d](auto tun) {
        SchritteUnter(-HalbPi, d, HalbPi,
                      [&](double theta) { SchritteUnter(0, d, ZweiPi, [&](double phi) { tun(theta, phi); }); });
    };

    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, z);
    if (gitter) {
        glColor3f(stufen.DunkelR, stufen.DunkelG, stufen.DunkelB);
        glBegin(GL_LINES);
        jedesFeld([&](double theta, double phi) {
            ecke(theta, phi + d);
            ecke(theta + d, phi + d);
        });
        jedesFeld([&](double theta, double phi) {
            ecke(theta, phi);
            ecke(theta, phi + d);
        });
        glEnd();
    }
    if (flaeche) {
        glColor3f(stufen.VollR, stufen.VollG, stufen.VollB);
        glBegin(GL_QUADS);
        jedesFeld([&](double theta, double phi) {
            ecke(theta, phi);
            ecke(theta, phi + d);
            ecke(theta + d, phi + d);
            ecke(theta + d, phi);
        });
        glEnd();
    }
    glPopMatrix();
}

}  // namespace orbisto
