#pragma once
// The one OpenGL drawing surface of the program. It owns the GL resources (glyph lists,
// quadric) of its context and runs the render pass that its owner installs.

#include <QOpenGLWidget>

#include <functional>

struct GLUquadric;

namespace orbisto {

class TOGLPanel : public QOpenGLWidget {
    Q_OBJECT

public:
    // Draws one frame; arguments are the surface size in device pixels.
    using RenderPass = std::function<void(int breite, int hoehe)>;

    // Double-buffered RGBA with a 24-bit depth buffer and a compatibility profile for
    // immediate-mode drawing. Must run before the first widget is created.
    static void StandardFormatSetzen();

    explicit TOGLPanel(QWidget* parent = nullptr);
    ~TOGLPanel() override;

    void SetRenderPass(RenderPass pass) { pass_ = std::move(pass); }

    // Draws a frame now if the surface exists; otherwise the first expose draws it.
    void JetztZeichnen();

    unsigned int FontBasis() const { return fontBasis_; }
    GLUquadric* Quadrik() const { return quadrik_; }
    // Completed passes since start; a pass that ended in an error does not count.
    long Durchgaenge() const { return durchgaenge_; }

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

    RenderPass pass_;
    unsigned int fontBasis_ = 0;
    GLUquadric* quadrik_ = nullptr;
    long durchgaenge_ = 0;
    bool fehlerGemeldet_ = false;
};

}  // namespace orbisto
