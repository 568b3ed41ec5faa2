#pragma once
// A surface z = f(x, y) over a grid, as the function surfaces and the wave scenes draw it:
// the positions the grid steps through, the formula's values there, and its lines and
// cells sent to GL in one call per row.

#include "expr/exprfunction2v.h"

#include <GL/gl.h>

#include <cstddef>
#include <vector>

namespace orbisto {

// The grid of a surface: the positions its lines and cells step through, each the
// previous one plus the step as everywhere in the drawing (x = start, start + schritt, ...
// while x <= grenze), and the formula's values there. Every line and cell meets the same
// positions, so each value is evaluated once and the pieces get exactly the numbers that
// evaluating per piece would give them.
class Flaechenwerte {
public:
    // Throws AllgemeinerFehler for more than 100000 steps in one direction or more than
    // 16 million points, and whatever evaluating the formula throws.
    Flaechenwerte(const TExprFunction2V& f, double xmin, double dx, double xgrenze, double ymin, double dy,
                  double ygrenze);

    double operator()(std::size_t i, std::size_t j) const { return werte_[j * xs.size() + i]; }

private:
    std::vector<double> werte_;

public:
    const std::vector<double> xs, ys;
};

// Corners collected and sent to GL in one call per batch: the same primitives, in the
// same order and corner order, as one glBegin block per piece would give.
class Eckenpuffer {
public:
    void Ecke(double x, double y, double z)
    {
        ecken_.push_back(x);
        ecken_.push_back(y);
        ecken_.push_back(z);
    }
    // Sends the corners collected as primitives of this kind and starts afresh.
    void Zeichnen(GLenum art);
    std::size_t Anzahl() const { return ecken_.size() / 3; }

private:
    std::vector<double> ecken_;
};

// The grid lines in the current colour: the segments along x at every y, row by row, then
// those along y at every x.
void FlaechenGitter(const Flaechenwerte& werte);

// The cells in the current colour, row by row from the lowest y, each cell as a
// quadrilateral (x1, y1), (x2, y1), (x2, y2), (x1, y2) when `vorn`, and then as
// (x1, y1), (x1, y2), (x2, y2), (x2, y1) when `hinten`: its other side. The cells lie a
// hair behind their depth, so grid lines drawn on them show whole.
void FlaechenZellen(const Flaechenwerte& werte, bool vorn, bool hinten);

}  // namespace orbisto
