#include "widgets/glyphpainter.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace orbisto {

const QColor GlyphPainter::Red(255, 0, 0);
const QColor GlyphPainter::Green(0, 204, 0);
const QColor GlyphPainter::Blue(0, 0, 255);

namespace {

constexpr qreal Raster = 16;

QPointF Einheit(QPointF v)
{
    const qreal laenge = std::hypot(v.x(), v.y());
    return laenge > 0 ? v / laenge : QPointF();
}

// a + (b − a)·t, opaque.
QColor Mischen(const QColor& a, const QColor& b, qreal t)
{
    QColor c;
    c.setRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
              a.blueF() + (b.blueF() - a.blueF()) * t);
    return c;
}

}  // namespace

GlyphPainter::GlyphPainter(QImage& image, bool disabled) : painter_(&image), disabled_(disabled)
{
    const QPalette palette = QGuiApplication::palette();
    ink_ = palette.color(QPalette::Active, QPalette::ButtonText);
    fill_ = palette.color(QPalette::Active, QPalette::Base);
    // The disabled text colour is meant for letters; thin lines in it almost vanish.
    disabledInk_ = Mischen(palette.color(QPalette::Disabled, QPalette::ButtonText), ink_, 0.35);
    disabledBack_ = palette.color(QPalette::Disabled, QPalette::Button);

    painter_.setRenderHint(QPainter::Antialiasing);
    const qreal massstab = std::min(image.width(), image.height()) / Raster;
    painter_.translate((image.width() - Raster * massstab) / 2, (image.height() - Raster * massstab) / 2);
    painter_.scale(massstab, massstab);
}

// Disabled, every line is the one disabled ink and every filling a pale shade between it
// and the button: the shapes stay apart, and no colour suggests that the button would act.
// Luminance would not do: on a dark palette the light ink would fade into the button.
QColor GlyphPainter::tone(const QColor& colour) const
{
    if (!disabled_ || !colour.isValid())
        return colour;
    QColor grau = disabledInk_;
    grau.setAlphaF(colour.alphaF());
    return grau;
}

QColor GlyphPainter::fillTone(const QColor& colour) const
{
    if (!disabled_ || !colour.isValid())
        return colour;
    QColor grau = colour.rgb() == fill_.rgb() ? disabledBack_ : Mischen(disabledBack_, disabledInk_, 0.3);
    grau.setAlphaF(colour.alphaF());
    return grau;
}

QPen GlyphPainter::pen(const QColor& colour, qreal width) const
{
    QPen stift(tone(colour), width);
    stift.setCapStyle(Qt::FlatCap);
    stift.setJoinStyle(Qt::MiterJoin);
    return stift;
}

void GlyphPainter::line(QPointF a, QPointF b, const QColor& colour, qreal width)
{
    painter_.setPen(pen(colour, width));
    painter_.drawLine(a, b);
}

void GlyphPainter::polygon(const QPolygonF& points, const QColor& outline, const QColor& filling, qreal width)
{
    painter_.setPen(outline.isValid() ? pen(outline, width) : QPen(Qt::NoPen));
    painter_.setBrush(filling.isValid() ? QBrush(fillTone(filling)) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(points);
}

void GlyphPainter::circle(QPointF centre, qreal radius, const QColor& outline, const QColor& filling, qreal width)
{
    painter_.setPen(outline.isValid() ? pen(outline, width) : QPen(Qt::NoPen));
    painter_.setBrush(filling.isValid() ? QBrush(fillTone(filling)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(centre, radius, radius);
}

void GlyphPainter::arc(QPointF centre, qreal radius, qreal startDeg, qreal spanDeg, const QColor& colour, qreal width)
{
    painter_.setPen(pen(colour, width));
    painter_.setBrush(Qt::NoBrush);
    const QRectF kreis(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter_.drawArc(kreis, qRound(startDeg * 16), qRound(spanDeg * 16));
}

void GlyphPainter::head(QPointF tip, QPointF from, const QColor& colour, qreal length, qreal halfWidth)
{
    const QPointF u = Einheit(tip - from);
    const QPointF n(-u.y(), u.x());
    const QPointF basis = tip - u * length;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(tone(colour));
    painter_.drawPolygon(QPolygonF{tip, basis + n * halfWidth, basis - n * halfWidth});
}

void GlyphPainter::arrow(QPointF from, QPointF tip, const QColor& colour, qreal width, qreal length, qreal halfWidth)
{
    // The shaft ends inside the head: a flat end at the head's base would show a seam.
    const QPointF u = Einheit(tip - from);
    line(from, tip - u * (length * 0.6), colour, width);
    head(tip, from, colour, length, halfWidth);
}

void GlyphPainter::knockOut(QPointF centre, qreal radius)
{
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Clear);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    painter_.drawEllipse(centre, radius, radius);
    painter_.restore();
}

namespace {

// Paints the glyph anew for each request. QIcon asks for the device pixel size (logical
// size times ratio, which QIconEngine::scaledPixmap hands on to pixmap()), so a high-DPI
// screen gets a drawing at its own resolution. QIcon greys only the pixmaps of its own
// engines; this one draws its disabled state itself.
class GlyphIconEngine final : public QIconEngine {
public:
    explicit GlyphIconEngine(GlyphZeichnung zeichnung) : zeichnung_(zeichnung) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QImage bild = Malen(rect.size() * ratio, mode);
        bild.setDevicePixelRatio(ratio);
        painter->drawImage(rect, bild);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        return QPixmap::fromImage(Malen(size, mode));
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }
    QString key() const override { return QStringLiteral("orbisto.glyphe"); }

private:
    // Through an image of its own: the badges clear what lies below them, which must not
    // reach through to the button behind the glyph.
    QImage Malen(const QSize& groesse, QIcon::Mode mode) const
    {
        QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
        if (bild.isNull())
            return bild;
        bild.fill(Qt::transparent);
        {
            GlyphPainter g(bild, mode == QIcon::Disabled);
            zeichnung_(g);
        }
        return bild;
    }

    GlyphZeichnung zeichnung_;
};

}  // namespace

QIcon GlyphIcon(GlyphZeichnung zeichnung) { return QIcon(new GlyphIconEngine(zeichnung)); }

}  // namespace orbisto
