#pragma once
// The one OpenGL drawing surface of the program. It owns the GL resources (glyph lists,
// quadric) of its context and runs the render pass that its owner installs.
//
// A pass draws into an off-screen framebuffer first, multisampled for smooth lines and
// edges; only a pass that completes replaces the picture on screen. A pass that ends in an error leaves the previous
// good picture in place, and its error is shown once the paint event is over (a repeat of the same error before a good
// pass only once).

#include "view/glressourcen.h"

#include <QOpenGLWidget>

#include <functional>
#include <memory>

class QOpenGLFramebufferObject;

namespace orbisto {

class TOGLPanel : public QOpenGLWidget {
    Q_OBJECT

public:
    // Draws one frame into the current framebuffer with the context's resources; the
    // size is that of the surface in device pixels.
    using RenderPass = std::function<void(const GLRessourcen& gl, int breite, int hoehe)>;

    // Double-buffered RGBA with a 24-bit depth buffer and a compatibility profile for
    // immediate-mode drawing. Must run before the first widget is created.
    static void StandardFormatSetzen();

    // Whether pictures are drawn multisampled (Kantenglaettung samples a pixel), from the
    // next pass of every panel on. On by default; the tests that count exact colours switch
    // it off, so that every pixel has the one colour of what covers it.
    static void GlaettungSetzen(bool an) { glaetten_ = an; }

    explicit TOGLPanel(QWidget* parent = nullptr);
    ~TOGLPanel() override;

    void SetRenderPass(RenderPass pass) { pass_ = std::move(pass); }

    // Runs the pass now if the surface exists and shows its picture as soon as Qt paints
    // (at once, or within a frame); otherwise the first expose draws it.
    void JetztZeichnen();

    const GLRessourcen& Ressourcen() const { return ressourcen_; }
    // Completed passes since start; a pass that ended in an error does not count.
    long Durchgaenge() const { return durchgaenge_; }
    // Passes that ended in an error.
    long Fehlschlaege() const { return fehlschlaege_; }
    // The error of the last pass if it failed, else empty.
    const QString& LetzterFehler() const { return letzterFehler_; }
    // Contexts this surface has been set up on (a re-parented widget gets a new one).
    int Kontexte() const { return kontexte_; }

signals:
    void Gezeichnet();
    void MausGedrueckt(int x, int y);
    // nurLinkeTaste: the left button alone, without Shift, Ctrl or Alt.
    void MausBewegt(int x, int y, bool nurLinkeTaste);
    void MausLosgelassen(int x, int y);

protected:
    void showEvent(QShowEvent* event) override;
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void GLStarten();
    void GLBeenden();
    // Whether a pass can run: a pass installed, the resources made for the current pixel
    // ratio (made anew when it changed), the window on screen once.
    bool Bereit();
    static bool OhneBildpuffer();
    // The surface in device pixels.
    QSize Groesse() const;
    // One pass into the off-screen picture (context current); a completed one replaces it.
    void BildZeichnen(QSize groesse);
    bool Durchgang(int breite, int hoehe);

    RenderPass pass_;
    GLRessourcen ressourcen_;
    qreal ressourcenVerhaeltnis_ = 1;  // the device pixel ratio they were made for
    // The last good picture, and the one a pass draws into; swapped when a pass completes.
    std::unique_ptr<QOpenGLFramebufferObject> bild_, arbeit_;
    int bildAbtastungen_ = 0, arbeitAbtastungen_ = 0;  // the samples each was asked for
    long durchgaenge_ = 0;
    long fehlschlaege_ = 0;
    QString letzterFehler_;  // of the failed passes since the last good one
    int kontexte_ = 0;
    bool fehlerGemeldet_ = false;
    bool gezeigt_ = false;  // the window has been on screen
    bool ersterDurchgang_ = true;
    bool vorgezeichnet_ = false;  // JetztZeichnen drew the picture the next paint shows
    static inline bool glaetten_ = true;
};

}  // namespace orbisto
