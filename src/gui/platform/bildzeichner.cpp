#include "platform/bildzeichner.h"

#include "platform/glressourcen_anlegen.h"
#include "programm/zeichnen.h"

#include <cstdint>
#include <vector>

namespace orbisto {

Bildzeichner::Bildzeichner(int breite, int hoehe)
    : gl_(breite, hoehe, Kantenglaettung), ressourcen_(GLRessourcenAnlegen())
{
}

Bildzeichner::~Bildzeichner()
{
    try {
        gl_.makeCurrent();
        GLRessourcenFreigeben(ressourcen_);
    } catch (...) {
        // The lists and the quadric go with the context anyway.
    }
}

QImage Bildzeichner::Zeichnen(Programm& programm)
{
    gl_.makeCurrent();
    orbisto::Zeichnen(programm, ressourcen_, gl_.width(), gl_.height());
    const std::vector<std::uint8_t> pixel = gl_.readPixels();
    // The clear colour's alpha is 0; the picture on screen is opaque, and so is this one.
    const QImage rgbx(pixel.data(), gl_.width(), gl_.height(), gl_.width() * 4, QImage::Format_RGBX8888);
    return rgbx.convertToFormat(QImage::Format_RGB888);
}

}  // namespace orbisto
