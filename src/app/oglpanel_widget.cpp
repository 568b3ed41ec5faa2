#include "app/oglpanel_widget.h"

#include "app/meldungen.h"
#include "app/zeichnen.h"
#include "platform/glyphlisten.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QTimer>

#include <GL/gl.h>
#include <GL/glu.h>

#include <exception>

namespace orbisto {

void TOGLPanel::StandardFormatSetzen()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

TOGLPanel::TOGLPanel(QWidget* parent) : QOpenGLWidget(parent) { setMouseTracking(true); }

TOGLPanel::~TOGLPanel()
{
    if (context()) {
        makeCurrent();
        GLBeenden();
        doneCurrent();
    }
}

void TOGLPanel::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    // The context is made on the first showing; without one the program still runs,
    // but the user must learn why the picture stays empty.
    QTimer::singleShot(0, this, [this] {
        if (!isValid() && !fehlerGemeldet_) {
            fehlerGemeldet_ = true;
            FehlerAnzeigen(QStringLiteral("OpenGL konnte für die Grafik nicht gestartet werden."));
        }
    });
}

void TOGLPanel::initializeGL()
{
    // A re-parented widget gets a new context: its lists and quadric must follow it.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        GLBeenden();
        doneCurrent();
    });
    GLStarten();
}

void TOGLPanel::GLStarten()
{
    GLZustandSetzen();
    quadrik_ = gluNewQuadric();
    fontBasis_ = FontListenAnlegen();
}

void TOGLPanel::GLBeenden()
{
    if (quadrik_) {
        gluDeleteQuadric(quadrik_);
        quadrik_ = nullptr;
    }
    if (fontBasis_) {
        glDeleteLists(fontBasis_, 256);
        fontBasis_ = 0;
    }
}

void TOGLPanel::JetztZeichnen()
{
    if (isVisible())
        repaint();
}

void TOGLPanel::paintGL()
{
    if (!pass_)
        return;
    const qreal dpr = devicePixelRatioF();
    try {
        pass_(qRound(width() * dpr), qRound(height() * dpr));
        ++durchgaenge_;
        emit Gezeichnet();
    } catch (...) {
        // Never let an error unwind through Qt's paint machinery; show it once the
        // paint event is over. The next pass starts afresh.
        const QString text = FehlerText(std::current_exception());
        QTimer::singleShot(0, [text] { FehlerAnzeigen(text); });
    }
}

void TOGLPanel::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MausGedrueckt(p.x(), p.y());
}

void TOGLPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool nurLinks = event->buttons() == Qt::LeftButton &&
                          (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    emit MausBewegt(p.x(), p.y(), nurLinks);
}

void TOGLPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MausLosgelassen(p.x(), p.y());
}

}  // namespace orbisto
