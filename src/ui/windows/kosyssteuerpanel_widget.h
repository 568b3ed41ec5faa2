#pragma once
// The view control panel in the lower left of the main window: buttons that stretch the
// axes, move the origin, zoom, shift and reset the view, the choice of projection, and the
// check boxes that decide which parts of the coordinate system are drawn.
//
// The panel changes `KoSys` only through the functions of view/ansichtsteuerung.h; what it
// needs of the main window comes in as a few callables, so it can be shown and tested
// without one. Every control that changes projection data or the scale also refreshes the
// settings window.

#include <QFrame>

#include <functional>
#include <memory>

class QAbstractButton;

namespace Ui {
class TKoSysSteuerPanel;
}

namespace orbisto {

class TKoSys;
class TRxSpeedButton;

class TKoSysSteuerPanel : public QFrame {
    Q_OBJECT

public:
    // What the panel asks of the main window. Any of them may be empty.
    struct Umgebung {
        std::function<void()> zeichnen;               // the render pass, at once
        std::function<void()> zeichnenAnfordern;      // the deferred redraw
        std::function<void(bool)> rotationSchalten;   // the automatic z rotation on or off
        std::function<void()> quadratischeGrafik;     // main window resized to a large square drawing
        std::function<void()> einstellungenAnzeigen;  // the settings window shows KoSys anew
    };

    explicit TKoSysSteuerPanel(QWidget* parent = nullptr);
    ~TKoSysSteuerPanel() override;

    // Connects the panel to the view state; until then its controls do nothing.
    void Einrichten(TKoSys& koSys, Umgebung umgebung);

    // Copies the display check boxes into KoSys, switches the automatic rotation while its
    // box is checked, and draws. Runs on every change of a check box.
    void DatenAenderungClick();

    // The full reset of the button "alle Reset": default angles, projection sets, scale
    // and room, then the settings window and the picture show them.
    void alleResetSpeedButtonClick();

    // The strength buttons of the perspective projection, shown only while it is chosen.
    void PerspektiveKnoepfeZeigen(bool sichtbar);

private:
    void KnoepfeVerbinden();
    void SchalterVerbinden();
    void Verbinden(const char* knopfName, std::function<void(TKoSys&)> handler);

    void Zeichnen() const;
    void ZeichnenAnfordern() const;
    void EinstellungenAnzeigen() const;

    void OProjektionRadioButtonClick();
    void PProjektionRadioButtonClick();

    std::unique_ptr<Ui::TKoSysSteuerPanel> ui;
    TKoSys* koSys_ = nullptr;
    Umgebung umgebung_;
};

}  // namespace orbisto
