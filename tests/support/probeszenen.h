#pragma once
// Scenes for tests of the render pass: they draw what the real scenes will draw with, so a
// test sees whether a context's resources and the pass's guarantees hold.

#include "scenes/szene.h"
#include "view/glressourcen.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <string>

namespace orbisto {

// Uses both resources of the context: a blue sphere round the origin through the quadric,
// and a black text through the glyph lists, starting at `textOrt`.
class KugelTextSzene : public Szene {
public:
    KugelTextSzene(double radius, std::string text, float textX, float textY, float textZ)
        : radius_(radius), text_(std::move(text)), x_(textX), y_(textY), z_(textZ)
    {
    }

    void SzeneZeichnen(TKoSys& k) override
    {
        glColor3f(0, 0, 1);
        gluSphere(k.GL->Quadrik, radius_, 16, 16);
        glColor3f(0, 0, 0);
        glRasterPos3f(x_, y_, z_);
        glListBase(k.GL->FontBasis);
        glCallLists(static_cast<GLsizei>(text_.size()), GL_UNSIGNED_BYTE, text_.data());
    }

private:
    double radius_;
    std::string text_;
    float x_, y_, z_;
};

}  // namespace orbisto
