#include "windows/oglpanel_widget.h"

#include "platform/glressourcen_anlegen.h"
#include "widgets/meldungen.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWindow>

#include <GL/gl.h>

#include <exception>
#include <utility>

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
        // The base class destroys the context after this body; its aboutToBeDestroyed
        // must not call back into this half-destroyed object.
        disconnect(context(), &QOpenGLContext::aboutToBeDestroyed, this, nullptr);
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
    // A re-parented widget gets a new context: its lists, quadric and framebuffers must
    // follow it, and they must go while the old context still exists.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        GLBeenden();
        doneCurrent();
    });
    ++kontexte_;
    GLStarten();
}

void TOGLPanel::GLStarten()
{
    try {
        ressourcenVerhaeltnis_ = devicePixelRatioF();
        ressourcen_ = GLRessourcenAnlegen(ressourcenVerhaeltnis_);
    } catch (...) {
        const QString text = FehlerText(std::current_exception());
        QTimer::singleShot(0, [text] { FehlerAnzeigen(text); });
    }
}

void TOGLPanel::GLBeenden()
{
    bild_.reset();
    arbeit_.reset();
    GLRessourcenFreigeben(ressourcen_);
}

void TOGLPanel::JetztZeichnen()
{
    if (!isVisible())
        return;
    // Qt shows a GL widget at most about once a frame and otherwise a little later. The pass
    // runs now all the same, so whoever asked for it (a scene's tick) finds it done and
    // knows what it cost; the paint then only shows its picture.
    if (context()) {
        // Current first: Bereit may make the resources anew for another pixel ratio.
        makeCurrent();
        if (Bereit()) {
            BildZeichnen(Groesse());
            vorgezeichnet_ = true;
        }
        doneCurrent();
    }
    repaint();
}

QSize TOGLPanel::Groesse() const
{
    const qreal dpr = devicePixelRatioF();
    return {qRound(width() * dpr), qRound(height() * dpr)};
}

bool TOGLPanel::Bereit()
{
    if (ressourcen_.Vollstaendig() && devicePixelRatioF() != ressourcenVerhaeltnis_) {
        // Moved to a screen of another pixel ratio: glyphs and line widths follow it.
        GLRessourcenFreigeben(ressourcen_);
        GLStarten();
    }
    if (!pass_ || !ressourcen_.Vollstaendig() || width() < 1 || height() < 1)
        return false;  // a surface pushed to nothing by a splitter shows nothing
    // While the window comes up, its layout resizes the surface a few times before anybody
    // can see it, and each resize paints: only the picture of the first exposure is drawn.
    if (!gezeigt_) {
        const QWindow* fenster = window()->windowHandle();
        if (fenster && !fenster->isExposed())
            return false;
        gezeigt_ = true;
    }
    return true;
}

bool TOGLPanel::Durchgang(int breite, int hoehe)
{
    try {
        pass_(ressourcen_, breite, hoehe);
        letzterFehler_.clear();
        return true;
    } catch (...) {
        ++fehlschlaege_;
        // Never let an error unwind through Qt's paint machinery; show it once the
        // paint event is over. The next pass starts afresh. The same error again, with
        // no good pass in between, is not shown again: a timer or a mouse drag that
        // keeps redrawing a broken list would otherwise raise box after box.
        const QString text = FehlerText(std::current_exception());
        if (text != letzterFehler_) {
            letzterFehler_ = text;
            QTimer::singleShot(0, [text] { FehlerAnzeigen(text); });
        }
        return false;
    }
}

bool TOGLPanel::OhneBildpuffer()
{
    return !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects() ||
           !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit();
}

void TOGLPanel::BildZeichnen(QSize groesse)
{
    if (OhneBildpuffer())
        return;  // drawn straight into the widget while painting
    // The very first picture is drawn without samples: the rasteriser's set-up for them
    // costs more than the whole picture, and can wait until the window is on screen. The
    // smooth picture follows at once.
    const int abtastungen = glaetten_ && !ersterDurchgang_ ? Kantenglaettung : 0;
    if (ersterDurchgang_) {
        ersterDurchgang_ = false;
        if (glaetten_)
            QTimer::singleShot(0, this, [this] { JetztZeichnen(); });
    }
    if (!arbeit_ || arbeit_->size() != groesse || arbeitAbtastungen_ != abtastungen) {
        QOpenGLFramebufferObjectFormat format;
        format.setAttachment(QOpenGLFramebufferObject::Depth);
        format.setSamples(abtastungen);  // the GL may give fewer; blitting resolves them
        arbeit_ = std::make_unique<QOpenGLFramebufferObject>(groesse, format);
        arbeitAbtastungen_ = abtastungen;
    }
    arbeit_->bind();
    const bool gelungen = Durchgang(groesse.width(), groesse.height());
    arbeit_->release();
    if (gelungen) {
        std::swap(bild_, arbeit_);
        std::swap(bildAbtastungen_, arbeitAbtastungen_);
        ++durchgaenge_;
        emit Gezeichnet();
    }
}

void TOGLPanel::paintGL()
{
    const bool vorgezeichnet = std::exchange(vorgezeichnet_, false);
    if (!Bereit())
        return;
    const QSize groesse = Groesse();

    if (OhneBildpuffer()) {
        // Without off-screen drawing a failed pass stays visible; at least it is reported.
        if (Durchgang(groesse.width(), groesse.height())) {
            ++durchgaenge_;
            emit Gezeichnet();
        }
        return;
    }

    // A picture drawn just before at this size is shown as it is.
    if (!vorgezeichnet || !bild_ || bild_->size() != groesse)
        BildZeichnen(groesse);
    QOpenGLFramebufferObject::bindDefault();  // the widget's own framebuffer while painting
    if (bild_) {
        QOpenGLFramebufferObject::blitFramebuffer(nullptr, QRect(QPoint(), groesse), bild_.get(),
                                                  QRect(QPoint(), bild_->size()), GL_COLOR_BUFFER_BIT, GL_NEAREST);
    } else {
        // The very first pass failed: an empty surface rather than undefined memory.
        glClearColor(1, 1, 1, 0);
        glClear(GL_COLOR_BUFFER_BIT);
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
