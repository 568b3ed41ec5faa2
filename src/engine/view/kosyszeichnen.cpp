// The coordinate system: axes, names, ticks, numbers, grids, areas and the room's edges.

// glWindowPos (OpenGL 1.4) places the numbers in pixels.
#define GL_GLEXT_PROTOTYPES

#include "core/cp1252.h"
#include "core/zahltext.h"
#include "view/glressourcen.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace orbisto {

using namespace schritte;

namespace {

// A point in window coordinates: pixels from the lower left, and depth.
struct Fensterpunkt {
    double x = 0, y = 0, z = 0;
    bool gueltig = false;  // inside the view volume, where glRasterPos would draw
};

// Where model points land in the window: the whole transform of the pass, read from GL once
// per axis rather than once per number.
class Fenster {
public:
    Fenster()
    {
        glGetDoublev(GL_PROJECTION_MATRIX, projektion_);
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview_);
        glGetIntegerv(GL_VIEWPORT, viewport_);
        glGetDoublev(GL_DEPTH_RANGE, tiefe_);
    }

    // Nothing for a point at or behind the eye.
    std::optional<Fensterpunkt> Abbilden(const tVektor3& m) const
    {
        const double punkt[4] = {m.x, m.y, m.z, 1};
        double auge[4], clip[4];
        Mal(modelview_, punkt, auge);
        Mal(projektion_, auge, clip);
        const double w = clip[3];
        if (!(w > 0))
            return std::nullopt;
        Fensterpunkt f;
        f.gueltig = true;
        for (int i = 0; i < 3; ++i)
            f.gueltig = f.gueltig && clip[i] >= -w && clip[i] <= w;
        f.x = viewport_[0] + (clip[0] / w + 1) * viewport_[2] / 2;
        f.y = viewport_[1] + (clip[1] / w + 1) * viewport_[3] / 2;
        f.z = tiefe_[0] + (clip[2] / w + 1) * (tiefe_[1] - tiefe_[0]) / 2;
        return f;
    }

private:
    // GL matrices are stored column by column.
    static void Mal(const double m[16], const double v[4], double aus[4])
    {
        for (int i = 0; i < 4; ++i)
            aus[i] = m[i] * v[0] + m[4 + i] * v[1] + m[8 + i] * v[2] + m[12 + i] * v[3];
    }

    double projektion_[16], modelview_[16], tiefe_[2];
    GLint viewport_[4];
};

struct Rechteck {
    double links, unten, rechts, oben;

    bool Schneidet(const Rechteck& r) const
    {
        return links < r.rechts && r.links < rechts && unten < r.oben && r.unten < oben;
    }
};

// Pixels between a tick's cross and its number, and below the tick point (times the
// device pixel ratio).
constexpr double Abstand = 3;

// One axis of numbers: the ticks at t along `richtung`, each a cross of the two segments
// t richtung -+ quer1 and -+ quer2, its number's model point `versatz` from the tick.
struct tZahlenAchse {
    double von, schritt, bis;
    tVektor3 richtung, quer1, quer2, versatz;
};

// The numbers of one axis in the current colour. Each stands a few pixels right of its
// tick's cross and below the tick point, so no line of the tick covers a character; its
// depth is that of its model point, and it shows where a text at that point would show.
// On a foreshortened axis the numbers would run into each other: a number is left out
// where it would touch the one drawn before it, or where another tick of the axis (when
// the ticks are drawn) would cover it.
void ZahlenZeichnen(const TKoSys& k, const tZahlenAchse& a, bool einteilung)
{
    if (k.GL == nullptr)
        return;
    const Fenster fenster;
    const tSchriftMasse& schrift = k.GL->Schrift;
    const double abstand = Abstand * k.GL->Pixelverhaeltnis;

    struct Tick {
        double t;
        Fensterpunkt ort;
        Rechteck kreuz;
    };
    std::vector<Tick> ticks;
    SchritteBis(a.von, a.schritt, a.bis, [&](double t) {
        const tVektor3 m = t * a.richtung;
        const std::optional<Fensterpunkt> p = fenster.Abbilden(m);
        if (!p)
            return;
        Rechteck kreuz{p->x, p->y, p->x, p->y};
        for (const tVektor3& ende : {m + a.quer1, m - a.quer1, m + a.quer2, m - a.quer2})
            if (const std::optional<Fensterpunkt> e = fenster.Abbilden(ende)) {
                kreuz.links = std::min(kreuz.links, e->x);
                kreuz.rechts = std::max(kreuz.rechts, e->x);
                kreuz.unten = std::min(kreuz.unten, e->y);
                kreuz.oben = std::max(kreuz.oben, e->y);
            }
        ticks.push_back({t, *p, kreuz});
    });

    glListBase(k.GL->FontBasis);
    std::optional<Rechteck> letzte;
    for (const Tick& tick : ticks) {
        const std::string codes = ToCp1252(TKoSys::Zahltext(tick.t, a.schritt));
        if (codes.empty())
            continue;
        const std::optional<Fensterpunkt> ort = fenster.Abbilden(tick.t * a.richtung + a.versatz);
        if (!ort || !ort->gueltig)
            continue;
        // Whole pixels keep the glyphs as crisp as they were made.
        const double x = std::round(tick.kreuz.rechts + abstand);
        const double y = std::round(tick.ort.y - abstand - schrift.Oberlaenge);

        // Unknown glyph sizes measure nothing, and then nothing is left out. Between two
        // numbers the room of a blank keeps them apart.
        const double breite = schrift.Breite(codes);
        const Rechteck text{x, y - schrift.Unterlaenge, x + breite, y + schrift.Oberlaenge};
        Rechteck mitLuecke = text;
        mitLuecke.rechts += schrift.Breite(" ");
        if (breite > 0 && text.oben > text.unten) {
            if (letzte && mitLuecke.Schneidet(*letzte))
                continue;
            if (einteilung && std::any_of(ticks.begin(), ticks.end(), [&](const Tick& anderer) {
                    return &anderer != &tick && text.Schneidet(anderer.kreuz);
                }))
                continue;
        }
        letzte = mitLuecke;
        glWindowPos3d(x, y, ort->z);
        glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
    }
}

}  // namespace

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
            const tVektor3 ex{1, 0, 0}, ey{0, 1, 0}, ez{0, 0, 1};
            rot();
            ZahlenZeichnen(*this, {xMin + xS, xS, (xMax - xS) * 1.01, ex, 0.1 * yS * ey, 0.1 * zS * ez, 0.05 * zS * ez},
                           AchsenEinteilung);
            gruen();
            ZahlenZeichnen(*this, {yMin + yS, yS, (yMax - yS) * 1.01, ey, 0.1 * xS * ex, 0.1 * zS * ez, 0.05 * zS * ez},
                           AchsenEinteilung);
            if (!flach) {
                blau();
                ZahlenZeichnen(*this,
                               {zMin + zS, zS, (zMax - zS) * 1.01, ez, 0.1 * xS * ex, 0.1 * yS * ey, 0.05 * xS * ex},
                               AchsenEinteilung);
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
