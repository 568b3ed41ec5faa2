#include "windows/scenes/math/bewegungmatrizen_glyphen.h"

#include "widgets/glyphpainter.h"

#include <cmath>
#include <numbers>

namespace orbisto {

namespace {

// A darker green than the view's y axis: a thin diagonal in the bright one fades on a
// light button.
const QColor DunkelGruen(0, 128, 0);
const QColor Gelb(255, 255, 0);
const QColor DunkelGelb(128, 96, 0);

void Pfeil(GlyphPainter& g, QPointF von, QPointF bis, const QColor& farbe) { g.arrow(von, bis, farbe, 2, 5.5, 3.5); }

// A three-quarter circle with its head at the end; `sinn` 1 runs counter-clockwise on the
// screen, -1 clockwise, the mirror image.
void Drehpfeil(GlyphPainter& g, int sinn)
{
    const QPointF mitte(8, 8.5);
    constexpr qreal radius = 5, spanne = 250;
    const qreal start = sinn > 0 ? -35 : 215;
    const qreal ende = (start + sinn * spanne) * std::numbers::pi / 180;
    g.arc(mitte, radius, start, sinn * spanne, g.ink(), 2);
    const QPointF p = mitte + QPointF(std::cos(ende), -std::sin(ende)) * radius;
    const QPointF weiter = QPointF(-std::sin(ende), -std::cos(ende)) * sinn;  // along the arc, on the screen
    g.head(p + weiter * 3.5, p - weiter, g.ink(), 6, 4);
}

struct Glyphe {
    const char* knopf;
    GlyphZeichnung zeichnung;
};

constexpr Glyphe Glyphen[] = {
    {"xplusRxSpeedButton",
     [](GlyphPainter& g) {
         Pfeil(g, {1, 8}, {15, 8}, GlyphPainter::Red);
     }},
    {"xminusRxSpeedButton",
     [](GlyphPainter& g) {
         Pfeil(g, {15, 8}, {1, 8}, GlyphPainter::Red);
     }},
    {"yplusRxSpeedButton",
     [](GlyphPainter& g) {
         Pfeil(g, {2, 14}, {14, 2}, DunkelGruen);
     }},
    {"yminusRxSpeedButton",
     [](GlyphPainter& g) {
         Pfeil(g, {14, 2}, {2, 14}, DunkelGruen);
     }},
    {"zplusRxSpeedButton",
     [](GlyphPainter& g) {
         Pfeil(g, {8, 15}, {8, 1}, GlyphPainter::Blue);
     }},
    {"zminusRxSpeedButton",
     [](GlyphPainter& g) {
         Pfeil(g, {8, 1}, {8, 15}, GlyphPainter::Blue);
     }},
    {"ResetSpeedButton",
     [](GlyphPainter& g) {
         g.circle({8, 8}, 6, DunkelGelb, Gelb, 1.5);
     }},
    {"RotPlusRxSpeedButton", [](GlyphPainter& g) { Drehpfeil(g, 1); }},
    {"RotMinusRxSpeedButton", [](GlyphPainter& g) { Drehpfeil(g, -1); }},
};

}  // namespace

QIcon BewegungGlyphe(const QString& knopfName)
{
    for (const Glyphe& glyphe : Glyphen)
        if (knopfName == QLatin1String(glyphe.knopf))
            return GlyphIcon(glyphe.zeichnung);
    return {};
}

}  // namespace orbisto
