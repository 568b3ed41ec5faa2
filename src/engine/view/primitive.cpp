// Text, balls, segments, box edges, the coloured box and the sphere of the primitives.

#include "core/cp1252.h"
#include "view/glressourcen.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <initializer_list>

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

void TKoSys::Punkt(int n, double x, double y, double z, double r) const
{
    if (GL == nullptr || GL->Quadrik == nullptr)
        return;
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, y, z);
    gluSphere(GL->Quadrik, r, n, n);
    glPopMatrix();
}

void TKoSys::Kugelkoerper(int n, double r) const
{
    if (GL == nullptr || GL->Quadrik == nullptr)
        return;
    gluSphere(GL->Quadrik, r, n, n);
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
