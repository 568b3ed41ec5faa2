// Circles, discs, open cylinders and cones about the local origin, and the rods and
// arrows built from them.

#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <cmath>

namespace orbisto {

using namespace schritte;

namespace {

bool EbeneGueltig(std::uint8_t ebene) { return ebene >= 1 && ebene <= 3; }

void RandEcke(std::uint8_t ebene, double r, double winkel)
{
    const double c = r * std::cos(winkel), s = r * std::sin(winkel);
    switch (ebene) {
    case 1: glVertex3d(c, s, 0); break;
    case 2: glVertex3d(c, 0, s); break;
    default: glVertex3d(0, c, s); break;
    }
}

// A point on the rim of a circle about the local x axis.
void MantelEcke(double x, double r, double winkel) { glVertex3d(x, r * std::cos(winkel), r * std::sin(winkel)); }

// Shaft and head in one colour, the discs that close them in another.
void Pfeil(const TKoSys& k, double x1, double y1, double z1, double x2, double y2, double z2, double dicke, tRGB voll,
           tRGB scheibe)
{
    constexpr int n = 20;
    const double s = dicke * k.xSchritt;
    const double len = k.Ausrichten(x1, y1, z1, x2, y2, z2);
    TKoSys::FarbeSetzen(voll);
    k.Zylindermantel(n, 1, s, 0.8 * len);
    TKoSys::FarbeSetzen(scheibe);
    k.Kreisscheibe(n, 0, s, 3);
    glTranslated(0.8 * len, 0, 0);
    TKoSys::FarbeSetzen(voll);
    k.Kegelmantel(n, 1, 2 * s, 0.2 * len);
    TKoSys::FarbeSetzen(scheibe);
    k.Kreisscheibe(n, 0, 2 * s, 3);
    glPopMatrix();
}

}  // namespace

void TKoSys::Kreis(int n, std::uint8_t ebene, double r) const
{
    if (!EbeneGueltig(ebene))
        return;
    Winkelschritte(n, [&](double phi, double weiter) {
        glBegin(GL_LINES);
        RandEcke(ebene, r, phi);
        RandEcke(ebene, r, weiter);
        glEnd();
    });
}

void TKoSys::Kreisscheibe(int n, std::uint8_t orientierung, double r, std::uint8_t ebene) const
{
    if (!EbeneGueltig(ebene))
        return;
    glBegin(GL_TRIANGLES);
    Winkelschritte(n, [&](double phi, double weiter) {
        glVertex3d(0, 0, 0);
        RandEcke(ebene, r, orientierung == 1 ? phi : weiter);
        RandEcke(ebene, r, orientierung == 1 ? weiter : phi);
    });
    glEnd();
}

void TKoSys::Zylindermantel(int n, std::uint8_t orientierung, double r, double l) const
{
    glBegin(GL_QUADS);
    Winkelschritte(n, [&](double phi, double weiter) {
        if (orientierung == 1) {
            MantelEcke(0, r, phi);
            MantelEcke(0, r, weiter);
            MantelEcke(l, r, weiter);
            MantelEcke(l, r, phi);
        } else {
            MantelEcke(0, r, phi);
            MantelEcke(l, r, phi);
            MantelEcke(l, r, weiter);
            MantelEcke(0, r, weiter);
        }
    });
    glEnd();
}

void TKoSys::Kegelmantel(int n, std::uint8_t orientierung, double r, double h) const
{
    glBegin(GL_TRIANGLES);
    Winkelschritte(n, [&](double phi, double weiter) {
        MantelEcke(0, r, phi);
        if (orientierung == 1) {
            MantelEcke(0, r, weiter);
            glVertex3d(h, 0, 0);
        } else {
            glVertex3d(h, 0, 0);
            MantelEcke(0, r, weiter);
        }
    });
    glEnd();
}

double TKoSys::Ausrichten(double x1, double y1, double z1, double x2, double y2, double z2) const
{
    const double dx = x2 - x1, dy = y2 - y1, dz = z2 - z1;
    const double lxy = std::sqrt(dx * dx + dy * dy);
    const double len = std::sqrt(dx * dx + dy * dy + dz * dz);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x1, y1, z1);
    // Azimuth about z, then the tilt about the turned y axis up to the elevation. The
    // quotients are 0/0 for a vertical or zero direction; those rotations are skipped.
    double a = std::asin(dy / lxy) * (360 / ZweiPi);
    if (dx < 0)
        a = 180 - a;
    if (lxy != 0)
        glRotated(a, 0, 0, 1);
    double b = -std::acos(lxy / len) * (360 / ZweiPi);
    if (dz < 0)
        b = -b;
    if (len != 0)
        glRotated(b, 0, 1, 0);
    return len;
}

void TKoSys::Stab(int n, double x1, double y1, double z1, double x2, double y2, double z2, double r) const
{
    const double len = Ausrichten(x1, y1, z1, x2, y2, z2);
    Zylindermantel(n, 1, r, len);
    Kreisscheibe(n, 0, r, 3);
    glTranslated(len, 0, 0);
    Kreisscheibe(n, 1, r, 3);
    glPopMatrix();
}

void TKoSys::Vektorpfeil(bool kasten, const tFarbStufen& stufen, double x1, double y1, double z1, double x2, double y2,
                         double z2, double dicke) const
{
    const tRGB dunkel{stufen.DunkelR, stufen.DunkelG, stufen.DunkelB};
    Pfeil(*this, x1, y1, z1, x2, y2, z2, dicke, {stufen.VollR, stufen.VollG, stufen.VollB}, dunkel);
    if (kasten) {
        FarbeSetzen(dunkel);
        QuaderKanten(x1, y1, z1, x2, y2, z2);
    }
}

void TKoSys::VektorpfeilRGB(double x1, double y1, double z1, double x2, double y2, double z2, double dicke, double rot,
                            double gruen, double blau) const
{
    // Scenes pass a dimmed colour; doubled (and clamped by GL) it gives the discs their
    // full strength.
    const auto r = static_cast<float>(rot), g = static_cast<float>(gruen), b = static_cast<float>(blau);
    Pfeil(*this, x1, y1, z1, x2, y2, z2, dicke, {r, g, b}, {2 * r, 2 * g, 2 * b});
}

}  // namespace orbisto
