#include "view/flaechenwerte.h"

#include "core/allgemeinerfehler.h"
#include "view/schritte.h"

namespace orbisto {

namespace {

// A surface of more steps or points would keep the program busy for hours; say so instead.
// The finest wave the scene's window allows has 2413 x 2413 points (47 MB of values);
// surfaces of the object list stay far below by its work budget.
constexpr std::size_t MaxPositionen = 100'001;
constexpr std::size_t MaxPunkte = 16'000'000;

std::vector<double> Positionen(double start, double schritt, double grenze)
{
    std::vector<double> p;
    schritte::SchritteBis(start, schritt, grenze, [&](double t) {
        if (p.size() == MaxPositionen)
            throw AllgemeinerFehler("Die Fläche hat zu viele Schritte: höchstens 100000 in jeder Richtung.");
        p.push_back(t);
    });
    return p;
}

}  // namespace

Flaechenwerte::Flaechenwerte(const TExprFunction2V& f, double xmin, double dx, double xgrenze, double ymin, double dy,
                             double ygrenze)
    : xs(Positionen(xmin, dx, xgrenze)), ys(Positionen(ymin, dy, ygrenze))
{
    if (xs.size() * ys.size() > MaxPunkte)
        throw AllgemeinerFehler("Die Fläche hat zu viele Punkte: höchstens 16 Millionen.");
    werte_.reserve(xs.size() * ys.size());
    for (double y : ys)
        for (double x : xs)
            werte_.push_back(static_cast<double>(f.Eval(x, y)));
}

void Eckenpuffer::Zeichnen(GLenum art)
{
    if (ecken_.empty())
        return;
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, ecken_.data());
    glDrawArrays(art, 0, static_cast<GLsizei>(ecken_.size() / 3));
    glPopClientAttrib();
    ecken_.clear();
}

void FlaechenGitter(const Flaechenwerte& werte)
{
    const std::size_t nxp = werte.xs.size(), nyp = werte.ys.size();
    Eckenpuffer puffer;
    for (std::size_t j = 0; j < nyp; ++j) {
        for (std::size_t i = 0; i + 1 < nxp; ++i) {
            puffer.Ecke(werte.xs[i], werte.ys[j], werte(i, j));
            puffer.Ecke(werte.xs[i + 1], werte.ys[j], werte(i + 1, j));
        }
        puffer.Zeichnen(GL_LINES);
    }
    for (std::size_t i = 0; i < nxp; ++i) {
        for (std::size_t j = 0; j + 1 < nyp; ++j) {
            puffer.Ecke(werte.xs[i], werte.ys[j], werte(i, j));
            puffer.Ecke(werte.xs[i], werte.ys[j + 1], werte(i, j + 1));
        }
        puffer.Zeichnen(GL_LINES);
    }
}

void FlaechenZellen(const Flaechenwerte& werte, bool vorn, bool hinten)
{
    const std::size_t nxp = werte.xs.size(), nyp = werte.ys.size();
    // The grid lines lie exactly on the cells; the polygon offset of the pass's GL state
    // keeps them from being half swallowed by the cells.
    Eckenpuffer puffer;
    for (std::size_t j = 0; j + 1 < nyp; ++j) {
        const double y1 = werte.ys[j], y2 = werte.ys[j + 1];
        for (std::size_t i = 0; i + 1 < nxp; ++i) {
            const double x1 = werte.xs[i], x2 = werte.xs[i + 1];
            const double f11 = werte(i, j), f21 = werte(i + 1, j), f22 = werte(i + 1, j + 1), f12 = werte(i, j + 1);
            if (vorn) {
                puffer.Ecke(x1, y1, f11);
                puffer.Ecke(x2, y1, f21);
                puffer.Ecke(x2, y2, f22);
                puffer.Ecke(x1, y2, f12);
            }
            if (hinten) {
                puffer.Ecke(x1, y1, f11);
                puffer.Ecke(x1, y2, f12);
                puffer.Ecke(x2, y2, f22);
                puffer.Ecke(x2, y1, f21);
            }
        }
        puffer.Zeichnen(GL_QUADS);
    }
}

}  // namespace orbisto
