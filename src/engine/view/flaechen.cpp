// The objects drawn from formulas: the surface z = f(x, y), the solid of revolution
// of y = f(x) and the membrane of z = f(r) about the z axis. Every glBegin block is opened
// only once the values it needs are known, so a formula that fails leaves no block open
// and no matrix pushed.

#include "core/allgemeinerfehler.h"
#include "expr/formelwert.h"
#include "view/flaechenwerte.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace orbisto {

using namespace schritte;

namespace {

// One slice of the solid: from a to b, with the profile's radius at both ends.
struct Scheibe {
    double a, ra, b, rb;
};

double Radius(std::string_view formel, double x) { return static_cast<double>(FormelWert(formel, x)); }

// The slices a = start, b = a + schritt, ... while b <= grenze, evaluated at both ends.
std::vector<Scheibe> Scheiben(std::string_view formel, double start, double schritt, double grenze)
{
    std::vector<Scheibe> scheiben;
    double a = start;
    SchritteBis(start + schritt, schritt, grenze, [&](double b) {
        const double ra = Radius(formel, a);
        const double rb = Radius(formel, b);
        scheiben.push_back({a, ra, b, rb});
        a = b;
    });
    return scheiben;
}

// The steps from x1 to x2 = x1 + schritt, ... while x2 <= grenze.
template <class Tun>
void Strecken(double start, double schritt, double grenze, Tun tun)
{
    double x1 = start;
    SchritteBis(start + schritt, schritt, grenze, [&](double x2) {
        tun(x1, x2);
        x1 = x2;
    });
}

// A point at x on the circle of radius r about the x axis.
void MantelPunkt(double x, double r, double winkel) { glVertex3d(x, r * std::cos(winkel), r * std::sin(winkel)); }

// As many steps as a surface may have in one direction.
constexpr std::size_t MaxSchritte = 100'000;

[[noreturn]] void ZuVieleSchritte()
{
    throw AllgemeinerFehler("Die Fläche hat zu viele Schritte: höchstens 100000 in jeder Richtung.");
}

// The directions of the membrane's meridians: phi = 0, 360 / m, ... below 360 degrees,
// summed as the angle goes, as cosine and sine; one more at the end, so that each cell
// finds its second meridian at j + 1.
struct Richtungen {
    std::vector<double> c, s;
    std::size_t Anzahl() const { return c.size() - 1; }
};

Richtungen MeridianRichtungen(int m)
{
    Richtungen r;
    if (m < 1)
        return {{0}, {0}};
    if (static_cast<std::size_t>(m) > MaxSchritte)
        ZuVieleSchritte();
    constexpr double Grad = 0.017453292519943295;
    const double d = 360.0 / m;
    const auto dazu = [&](double phi) {
        r.c.push_back(std::cos(phi * Grad));
        r.s.push_back(std::sin(phi * Grad));
    };
    double letzter = 0;
    SchritteUnter(0, d, 360, [&](double phi) {
        dazu(phi);
        letzter = phi;
    });
    dazu(letzter + d);
    return r;
}

}  // namespace

void TKoSys::Funktion3dZeichnen(std::string_view formel, int nx, double xmin, double xmax, double ymin, double ymax,
                                int ny, bool flaeche, bool gitter, const tFarbStufen& stufen)
{
    Flaechenfunktion = NewFunction2V(formel, "x", "y");
    if (!flaeche && !gitter)
        return;
    const Flaechenwerte werte(*Flaechenfunktion, xmin, (xmax - xmin) / nx, xmax * 1.01, ymin, (ymax - ymin) / ny,
                              ymax * 1.01);
    if (gitter) {
        glColor3f(stufen.DunkelR, stufen.DunkelG, stufen.DunkelB);
        FlaechenGitter(werte);
    }
    if (flaeche) {
        // Both corner orders, so that the surface shows from either side.
        glColor3f(stufen.VollR, stufen.VollG, stufen.VollB);
        FlaechenZellen(werte, true, true);
    }
}

void TKoSys::RotationskoerperZeichnen(std::string_view formel, int n, double xmin, double xmax, int m, bool funktion,
                                      bool fktGitter, bool rotGitter, bool flaeche, bool zylinder,
                                      const tFarbStufen& stufen) const
{
    const double dx = (xmax - xmin) / n;
    const double grenze = xmax + 1E-6;
    const auto dunkel = [&] { glColor3f(stufen.DunkelR, stufen.DunkelG, stufen.DunkelB); };

    if (flaeche) {
        for (const Scheibe& s : Scheiben(formel, xmin, dx, grenze)) {
            glBegin(GL_QUADS);
            Winkelschritte(m, [&](double phi, double weiter) {
                glColor3f(stufen.VollR, stufen.VollG, stufen.VollB);
                MantelPunkt(s.a, s.ra, phi);
                MantelPunkt(s.a, s.ra, weiter);
                MantelPunkt(s.b, s.rb, weiter);
                MantelPunkt(s.b, s.rb, phi);
                glColor3f(stufen.RueckR, stufen.RueckG, stufen.RueckB);
                MantelPunkt(s.a, s.ra, phi);
                MantelPunkt(s.b, s.rb, phi);
                MantelPunkt(s.b, s.rb, weiter);
                MantelPunkt(s.a, s.ra, weiter);
            });
            glEnd();
        }
    }

    if (funktion) {
        glColor3f(0, 0, 0);
        for (const Scheibe& s : Scheiben(formel, xmin, dx, grenze))
            Strecke(s.a, s.ra, 0, s.b, s.rb, 0);
    }

    if (fktGitter) {
        const std::vector<Scheibe> scheiben = Scheiben(formel, xmin, dx, grenze);
        dunkel();
        for (const Scheibe& s : scheiben)
            Winkelschritte(m, [&](double phi, double) {
                const double c = std::cos(phi), d = std::sin(phi);
                Strecke(s.a, s.ra * c, s.ra * d, s.b, s.rb * c, s.rb * d);
            });
    }

    if (rotGitter) {
        std::vector<double> radien;
        SchritteBis(xmin, dx, grenze, [&](double x) { radien.push_back(Radius(formel, x)); });
        dunkel();
        glPushMatrix();
        glLoadIdentity();
        glTranslated(xmin, 0, 0);
        for (double r : radien) {
            Kreis(m, 3, r);
            glTranslated(dx, 0, 0);
        }
        glPopMatrix();
    }

    if (zylinder) {
        const std::vector<Scheibe> scheiben = Scheiben(formel, xmin, dx, grenze);
        // Pushed and popped rather than moved back by -xmax, so the matrix comes back
        // exactly, also when no slice was drawn.
        glPushMatrix();
        glTranslated(xmin, 0, 0);
        for (const Scheibe& s : scheiben) {
            const double r = s.ra;  // the left radius, so the stack approximates from the left
            glColor3f(stufen.VollR, stufen.VollG, stufen.VollB);
            Kreisscheibe(m, 0, r, 3);
            dunkel();
            Kreis(m, 3, r);
            glColor3f(0.8f * stufen.VollR, 0.8f * stufen.VollG, 0.8f * stufen.VollB);
            Zylindermantel(m, 1, r, dx);
            glTranslated(dx, 0, 0);
            glColor3f(stufen.VollR, stufen.VollG, stufen.VollB);
            Kreisscheibe(m, 1, r, 3);
            dunkel();
            Kreis(m, 3, r);
        }
        glPopMatrix();
    }
}

TKoSys::tMembranProfil TKoSys::MembranProfil(std::string_view formel, int n, double rmax)
{
    tMembranProfil p;
    if (n < 1)
        return p;
    if (static_cast<std::size_t>(n) > MaxSchritte)
        ZuVieleSchritte();
    // Each radius once, however many meridians, circles and cells meet there.
    SchritteBis(0, rmax / n, 1.01 * rmax, [&](double r) {
        p.z.push_back(Radius(formel, r));
        p.r.push_back(r);
    });
    return p;
}

void TKoSys::MeridianGitterZeichnen(const tMembranProfil& profil, int m) const
{
    const Richtungen w = MeridianRichtungen(m);
    Eckenpuffer puffer;
    for (std::size_t i = 0; i + 1 < profil.r.size(); ++i) {
        const double r1 = profil.r[i], z1 = profil.z[i], r2 = profil.r[i + 1], z2 = profil.z[i + 1];
        for (std::size_t j = 0; j < w.Anzahl(); ++j) {
            puffer.Ecke(r1 * w.c[j], r1 * w.s[j], z1);
            puffer.Ecke(r2 * w.c[j], r2 * w.s[j], z2);
        }
        puffer.Zeichnen(GL_LINES);
    }
}

void TKoSys::RingGitterZeichnen(const tMembranProfil& profil, int m) const
{
    if (static_cast<std::size_t>(std::max(m, 0)) > MaxSchritte)
        ZuVieleSchritte();
    // The circles of Kreis, each at the height of its radius.
    Eckenpuffer puffer;
    for (std::size_t i = 0; i < profil.r.size(); ++i) {
        const double r = profil.r[i], z = profil.z[i];
        Winkelschritte(m, [&](double phi, double weiter) {
            puffer.Ecke(r * std::cos(phi), r * std::sin(phi), z);
            puffer.Ecke(r * std::cos(weiter), r * std::sin(weiter), z);
        });
        puffer.Zeichnen(GL_LINES);
    }
}

void TKoSys::MembranFlaecheZeichnen(const tMembranProfil& profil, int m, std::uint8_t orientierung) const
{
    const Richtungen w = MeridianRichtungen(m);
    Eckenpuffer puffer;
    for (std::size_t i = 0; i + 1 < profil.r.size(); ++i) {
        const double r1 = profil.r[i], z1 = profil.z[i], r2 = profil.r[i + 1], z2 = profil.z[i + 1];
        for (std::size_t j = 0; j < w.Anzahl(); ++j) {
            const auto ecke = [&](double r, double z, std::size_t k) { puffer.Ecke(r * w.c[k], r * w.s[k], z); };
            if (orientierung == 1) {
                ecke(r1, z1, j);
                ecke(r2, z2, j);
                ecke(r2, z2, j + 1);
                ecke(r1, z1, j + 1);
            } else {
                ecke(r1, z1, j);
                ecke(r1, z1, j + 1);
                ecke(r2, z2, j + 1);
                ecke(r2, z2, j);
            }
        }
        puffer.Zeichnen(GL_QUADS);
    }
}

}  // namespace orbisto
