// The primitives drawn from formulas: the torus, whose profile is a formula text, and
// the curve of a formula. Every value is worked out before the first vertex, so a
// formula that fails leaves nothing half drawn.

#include "core/zahltext.h"
#include "expr/formelwert.h"
#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace orbisto {

using namespace schritte;

namespace {

bool EbeneGueltig(std::uint8_t ebene) { return ebene >= 1 && ebene <= 3; }

// One step along a curve or across a tube: from a to b, with the formula's values there.
struct Stueck {
    double a, fa, b, fb;
};

// The steps a = start, b = a + schritt, ... while b <= grenze, evaluated at both ends.
std::vector<Stueck> Auswerten(std::string_view formel, double start, double schritt, double grenze)
{
    std::vector<Stueck> stuecke;
    double a = start;
    SchritteBis(start + schritt, schritt, grenze, [&](double b) {
        const auto fa = static_cast<double>(FormelWert(formel, a));
        const auto fb = static_cast<double>(FormelWert(formel, b));
        stuecke.push_back({a, fa, b, fb});
        a = b;
    });
    return stuecke;
}

// A point of the torus: axial position s, profile radius f, angle w about the axis.
void RingEcke(std::uint8_t ebene, double s, double f, double w)
{
    const double c = f * std::cos(w), d = f * std::sin(w);
    switch (ebene) {
    case 1: glVertex3d(c, d, s); break;
    case 2: glVertex3d(c, s, d); break;
    default: glVertex3d(s, c, d); break;
    }
}

}  // namespace

void TKoSys::Ring(int n, int m, double R, double r, std::uint8_t ebene) const
{
    // The tube's profile as two formulas of the axial position x; 0,99999 keeps the
    // square root away from negative arguments at the tube's rim.
    const std::string wurzel = "sqrt((" + ZahlText(r) + ")^2-(x)^2)+" + ZahlText(R);
    const double grenze = 0.99999 * r;
    const double ds = (grenze - (-grenze)) / m;
    const std::vector<Stueck> haelften[2] = {Auswerten(wurzel, -grenze, ds, grenze + 1E-6),
                                             Auswerten("-" + wurzel, -grenze, ds, grenze + 1E-6)};
    if (!EbeneGueltig(ebene))
        return;

    // Faces turn away from the tube's centre line wherever the profile is positive (so
    // everywhere for R >= r); the x-z plane swaps handedness, hence its reversed order.
    glBegin(GL_QUADS);
    for (int h = 0; h < 2; ++h)
        for (const Stueck& st : haelften[h])
            Winkelschritte(n, [&](double phi, double weiter) {
                using Ecke = std::pair<bool, double>;  // (at u rather than s, angle)
                std::array<Ecke, 4> ecken =
                    h == 0 ? std::array<Ecke, 4>{{{false, phi}, {false, weiter}, {true, weiter}, {true, phi}}}
                           : std::array<Ecke, 4>{{{false, phi}, {true, phi}, {true, weiter}, {false, weiter}}};
                if (ebene == 2)
                    std::reverse(ecken.begin(), ecken.end());
                for (const Ecke& e : ecken)
                    RingEcke(ebene, e.first ? st.b : st.a, e.first ? st.fb : st.fa, e.second);
            });
    glEnd();
}

void TKoSys::FormelKurve(std::string_view formel, int n, double xmin, double xmax, std::uint8_t ebene) const
{
    const std::vector<Stueck> stuecke = Auswerten(formel, xmin, (xmax - xmin) / n, xmax + 1E-6);
    if (!EbeneGueltig(ebene))
        return;
    for (const Stueck& st : stuecke) {
        switch (ebene) {
        case 1: Strecke(st.a, st.fa, 0, st.b, st.fb, 0); break;
        case 2: Strecke(st.a, 0, st.fa, st.b, 0, st.fb); break;
        default: Strecke(0, st.a, st.fa, 0, st.b, st.fb); break;
        }
    }
}

}  // namespace orbisto
