#include "platform/glpruefen.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

namespace orbisto {

bool OpenGLVerfuegbar()
{
    QOpenGLContext kontext;
    kontext.setFormat(QSurfaceFormat::defaultFormat());
    if (!kontext.create())
        return false;
    QOffscreenSurface flaeche;
    flaeche.setFormat(kontext.format());
    flaeche.create();
    if (!flaeche.isValid() || !kontext.makeCurrent(&flaeche))
        return false;
    kontext.doneCurrent();
    return true;
}

}  // namespace orbisto
