#include "platform/glressourcen_anlegen.h"

#include "platform/glyphlisten.h"
#include "programm/zeichnen.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace orbisto {

GLRessourcen GLRessourcenAnlegen(double pixelverhaeltnis)
{
    // Ratios below 1 would make the glyphs unreadable; absurd ones come from nowhere real.
    pixelverhaeltnis = std::clamp(std::isfinite(pixelverhaeltnis) ? pixelverhaeltnis : 1.0, 1.0, 8.0);
    GLZustandSetzen();
    glLineWidth(static_cast<GLfloat>(pixelverhaeltnis));
    glPointSize(static_cast<GLfloat>(pixelverhaeltnis));
    GLRessourcen r;
    r.Pixelverhaeltnis = pixelverhaeltnis;
    r.Quadrik = gluNewQuadric();
    if (!r.Quadrik)
        throw std::runtime_error("GLU: gluNewQuadric failed (out of memory)");
    try {
        r.FontBasis = FontListenAnlegen(r.Schrift, pixelverhaeltnis);
    } catch (...) {
        GLRessourcenFreigeben(r);
        throw;
    }
    return r;
}

void GLRessourcenFreigeben(GLRessourcen& r)
{
    if (r.Quadrik)
        gluDeleteQuadric(r.Quadrik);
    FontListenFreigeben(r.FontBasis);
    r = {};
}

}  // namespace orbisto
