// The coordinate system: axes, names, ticks, numbers, grids, areas and the room's edges.

#include "core/zahltext.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>

namespace orbisto {

using namespace schritte;

std::string TKoSys::Zahltext(double wert, double schritt)
{
    // The origin stays unlabelled, and numbers too long to read are left out.
    if (wert > -1E-10 && wert < 1E-10)
        return "";
    if (wert > 1E8 || wert < -1E8)
        return "";
    if (schritt > 1.01L)
        return ZahlText(RundenGerade(wert));
    // As many decimals as the interval needs, so 0,1 does not read 0,1000000000000001.
    for (long double u = 10; u <= 1E8L; u *= 10)
        if (schritt > 1.01L / u)
            return ZahlText(RundenGerade(wert * u) / u);
    return "";
}

void TKoSys::KoSysZeichnen()
{
    xSchritt = (xMax - xMin) / 10;
    ySchritt = (yMax - yMin) / 10;
    zSchritt = (zMax - zMin) / 10;
    const double xS = xSchritt, yS = ySchritt, zS = zSchritt;

    // Straight from above the z axis points at the viewer: its line and barbs shrink to a
    // dot, and its name, ticks and numbers would only clutter the origin.
    const bool flach = xDrehung == 0 && zDrehung == 0;

    const auto rot = [] { glColor3f(1, 0, 0); };
    const auto gruen = [] { glColor3f(0, 0.8f, 0); };
    const auto blau = [] { glColor3f(0, 0, 1); };

    if (AchsenZeichnung) {
        rot();
        Strecke(xMin, 0, 0, xMax, 0, 0);
        Strecke(xMax - 0.3 * xS, 0, 0.1 * zS, xMax, 0, 0);
        Strecke(xMax - 0.3 * xS, 0, -0.1 * zS, xMax, 0, 0);
        Strecke(xMax - 0.3 * xS, 0.1 * yS, 0, xMax, 0, 0);
        Strecke(xMax - 0.3 * xS, -0.1 * yS, 0, xMax, 0, 0);

        gruen();
        Strecke(0, yMin, 0, 0, yMax, 0);
        Strecke(0, yMax - 0.3 * yS, 0.1 * zS, 0, yMax, 0);
        Strecke(0, yMax - 0.3 * yS, -0.1 * zS, 0, yMax, 0);
        Strecke(0.1 * xS, yMax - 0.3 * yS, 0, 0, yMax, 0);
        Strecke(-0.1 * xS, yMax - 0.3 * yS, 0, 0, yMax, 0);

        blau();
        Strecke(0, 0, zMin, 0, 0, zMax);
        Strecke(0.1 * xS, 0, zMax - 0.3 * zS, 0, 0, zMax);
        Strecke(-0.1 * xS, 0, zMax - 0.3 * zS, 0, 0, zMax);
        Strecke(0, 0.1 * yS, zMax - 0.3 * zS, 0, 0, zMax);
        Strecke(0, -0.1 * yS, zMax - 0.3 * zS, 0, 0, zMax);

        if (AchsenNamen) {
            rot();
            Text3D("X", xMax + 0.25 * xS, 0, 0);
            gruen();
            Text3D("Y", 0, yMax + 0.25 * yS, 0);
            if (!flach) {
                blau();
                Text3D("Z", 0, 0, zMax + 0.25 * zS);
            }
        }

        // Ticks and numbers stop one interval before the ends, where the barbs are; the
        // factor 1,01 absorbs the rounding of the accumulated positions.
        if (AchsenEinteilung) {
            rot();
            SchritteBis(xMin + xS, xS, (xMax - xS) * 1.01, [&](double t) {
                Strecke(t, -0.1 * yS, 0, t, 0.1 * yS, 0);
                Strecke(t, 0, -0.1 * zS, t, 0, 0.1 * zS);
            });
            gruen();
            SchritteBis(yMin + yS, yS, (yMax - yS) * 1.01, [&](double t) {
                Strecke(-0.1 * xS, t, 0, 0.1 * xS, t, 0);
                Strecke(0, t, -0.1 * zS, 0, t, 0.1 * zS);
            });
            if (!flach) {
                blau();
                SchritteBis(zMin + zS, zS, (zMax - zS) * 1.01, [&](double t) {
                    Strecke(-0.1 * xS, 0, t, 0.1 * xS, 0, t);
                    Strecke(0, -0.1 * yS, t, 0, 0.1 * yS, t);
                });
            }
        }
        if (AchsenEinheiten) {
            rot();
            SchritteBis(xMin + xS, xS, (xMax - xS) * 1.01, [&](double t) { Text3D(Zahltext(t, xS), t, 0, 0.05 * zS); });
            gruen();
            SchritteBis(yMin + yS, yS, (yMax - yS) * 1.01, [&](double t) { Text3D(Zahltext(t, yS), 0, t, 0.05 * zS); });
            if (!flach) {
                blau();
                SchritteBis(zMin + zS, zS, (zMax - zS) * 1.01,
                            [&](double t) { Text3D(Zahltext(t, zS), 0.05 * xS, 0, t); });
            }
        }
    }

    // Grids include the line at the upper bound.
    const auto grau = [] { glColor3f(0.8f, 0.8f, 0.8f); };
    if (xyGitter) {
        grau();
        SchritteBis(xMin, xS, xMax * 1.01, [&](double x) { Strecke(x, yMin, 0, x, yMax, 0); });
        SchritteBis(yMin, yS, yMax * 1.01, [&](double y) { Strecke(xMin, y, 0, xMax, y, 0); });
    }
    if (yzGitter) {
        grau();
        SchritteBis(yMin, yS, yMax * 1.01, [&](double y) { Strecke(0, y, zMin, 0, y, zMax); });
        SchritteBis(zMin, zS, zMax * 1.01, [&](double z) { Strecke(0, yMin, z, 0, yMax, z); });
    }
    if (xzGitter) {
        grau();
        SchritteBis(xMin, xS, xMax * 1.01, [&](double x) { Strecke(x, 0, zMin, x, 0, zMax); });
        SchritteBis(zMin, zS, zMax * 1.01, [&](double z) { Strecke(xMin, 0, z, xMax, 0, z); });
    }

    // Each area twice, once per side, so it shows from above and below alike.
    const auto hellgrau = [] { glColor3f(0.9f, 0.9f, 0.9f); };
    if (xyFlaeche) {
        hellgrau();
        glBegin(GL_QUADS);
        glVertex3d(xMin, yMin, 0);
        glVertex3d(xMax, yMin, 0);
        glVertex3d(xMax, yMax, 0);
        glVertex3d(xMin, yMax, 0);
        glVertex3d(xMin, yMin, 0);
        glVertex3d(xMin, yMax, 0);
        glVertex3d(xMax, yMax, 0);
        glVertex3d(xMax, yMin, 0);
        glEnd();
    }
    if (yzFlaeche) {
        hellgrau();
        glBegin(GL_QUADS);
        glVertex3d(0, yMin, zMin);
        glVertex3d(0, yMax, zMin);
        glVertex3d(0, yMax, zMax);
        glVertex3d(0, yMin, zMax);
        glVertex3d(0, yMin, zMin);
        glVertex3d(0, yMin, zMax);
        glVertex3d(0, yMax, zMax);
        glVertex3d(0, yMax, zMin);
        glEnd();
    }
    if (xzFlaeche) {
        hellgrau();
        glBegin(GL_QUADS);
        glVertex3d(xMin, 0, zMin);
        glVertex3d(xMax, 0, zMin);
        glVertex3d(xMax, 0, zMax);
        glVertex3d(xMin, 0, zMax);
        glVertex3d(xMin, 0, zMin);
        glVertex3d(xMin, 0, zMax);
        glVertex3d(xMax, 0, zMax);
        glVertex3d(xMax, 0, zMin);
        glEnd();
    }

    if (Raumgrenzen) {
        glColor3f(0, 0, 0);
        QuaderKanten(xMin, yMin, zMin, xMax, yMax, zMax);
    }
}

}  // namespace orbisto
