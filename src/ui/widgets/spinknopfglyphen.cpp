#include "widgets/spinknopfglyphen.h"

#include "widgets/glyphpainter.h"

#include <QPolygonF>

namespace orbisto {

namespace {

// Wide and flat, so that it still reads in the half-height buttons it is made for.
void Spitze(GlyphPainter& g, bool hoch)
{
    const qreal basis = hoch ? 12.5 : 3.5, spitze = hoch ? 3.5 : 12.5;
    g.polygon(QPolygonF{{1, basis}, {15, basis}, {8, spitze}}, {}, g.ink());
}

}  // namespace

void EinsHoeher(GlyphPainter& g) { Spitze(g, true); }

void EinsTiefer(GlyphPainter& g) { Spitze(g, false); }

}  // namespace orbisto
