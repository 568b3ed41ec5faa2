#pragma once
// Drawing helpers for the control glyphs. A glyph is designed on a 16 × 16 grid, the size
// at which it must still read; the painter scales that grid to whatever device pixels are
// asked for, so a larger or high-DPI request gets a sharper drawing, never an enlarged one.
// Lines one unit wide belong on half units and two units wide on whole ones: then they
// meet the pixel grid at 16 and 32 pixels instead of smearing over two pixel rows.

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>

namespace orbisto {

class GlyphPainter {
public:
    // The axis colours of the view, so that a glyph names its axis the way the picture does.
    static const QColor Red, Green, Blue;

    // Paints into `image` (transparent, square or not: the grid is centred). A disabled
    // glyph is drawn in the palette's disabled greys instead of its own colours.
    GlyphPainter(QImage& image, bool disabled);

    // Neutral ink for outlines and symbols: the button text colour of the palette.
    QColor ink() const { return ink_; }
    // A light tone for fills behind the ink.
    QColor fill() const { return fill_; }

    void line(QPointF a, QPointF b, const QColor& colour, qreal width = 2);
    // A closed shape; either colour may be invalid for no outline or no filling.
    void polygon(const QPolygonF& points, const QColor& outline, const QColor& filling, qreal width = 1);
    void circle(QPointF centre, qreal radius, const QColor& outline, const QColor& filling, qreal width = 1);
    // An arc from `startDeg` over `spanDeg` (counter-clockwise positive, 0 = 3 o'clock).
    void arc(QPointF centre, qreal radius, qreal startDeg, qreal spanDeg, const QColor& colour, qreal width);

    // A filled arrow head whose tip is at `tip`, pointing away from `from`.
    void head(QPointF tip, QPointF from, const QColor& colour, qreal length = 4, qreal halfWidth = 2.5);
    // A shaft from `from` ending under a head at `tip`.
    void arrow(QPointF from, QPointF tip, const QColor& colour, qreal width = 2, qreal length = 4,
               qreal halfWidth = 2.5);

    // Clears a disc to transparent, so that a badge on top stays legible on any background.
    void knockOut(QPointF centre, qreal radius);

private:
    QColor tone(const QColor& colour) const;
    QColor fillTone(const QColor& colour) const;
    QPen pen(const QColor& colour, qreal width) const;

    QPainter painter_;
    bool disabled_;
    QColor ink_, fill_;
    QColor disabledInk_, disabledBack_;
};

// A button picture drawn by `zeichnung` on the 16 x 16 grid of GlyphPainter, at whatever
// size and device pixel ratio it is shown.
using GlyphZeichnung = void (*)(GlyphPainter&);
QIcon GlyphIcon(GlyphZeichnung zeichnung);

}  // namespace orbisto
