#include "platform/glressourcen_anlegen.h"

#include "platform/glyphlisten.h"
#include "programm/zeichnen.h"

#include <GL/glu.h>

#include <stdexcept>

namespace orbisto {

GLRessourcen GLRessourcenAnlegen()
{
    GLZustandSetzen();
    GLRessourcen r;
    r.Quadrik = gluNewQuadric();
    if (!r.Quadrik)
        throw std::runtime_error("GLU: gluNewQuadric failed (out of memory)");
    try {
        r.FontBasis = FontListenAnlegen(r.Schrift);
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
