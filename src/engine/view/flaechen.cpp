// The objects drawn from formulas: the surface z = f(x, y) and the solid of revolution
// of y = f(x). Every glBegin block is opened only once the values it needs are known,
// so a formula that fails leaves no block open and no matrix pushed.

#include "core/allgemeinerfehler.h"
#include "expr/formelwert.h"
#include "view/flaechenwerte.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <cmath>
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

}  // namespace orbisto
