#pragma once
// The projection settings window ("Einstellungen"): the scale of each axis, the near
// windows of both projections and their near, far and observer distances. Non-modal; it
// is made once at start-up and shown from the menu.
//
// It always shows the current view state: EinstellungenAnzeigen runs after every change of
// projection data or scale, from this window, the control panel, and before every pass of
// the main window, so a change made anywhere else shows too.

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TEinstellungenForm;
}

namespace orbisto {

class TKoSys;
class TSpinEdit;

class TEinstellungenForm : public QWidget {
    Q_OBJECT

public:
    // `zeichnenAnfordern` is the main window's deferred redraw. `hauptfenster` owns the
    // window; it opens beside it, where it hides neither the view panel nor the drawing.
    TEinstellungenForm(TKoSys& koSys, QWidget* hauptfenster, std::function<void()> zeichnenAnfordern);
    ~TEinstellungenForm() override;

    // Every field anew from KoSys: the bounds and scales to two decimals, the distances as
    // whole numbers. Writes nothing back into KoSys. A spin edit whose number already equals
    // its distance keeps its text, so a refresh never disturbs typing ("-" on the way to "-5").
    void EinstellungenAnzeigen();

    // Shows the window and brings it to the front (the menu item). A hidden window first
    // moves beside the main window (FensterDanebenPlatzieren).
    void Zeigen();

    // The longest value the display fields are made wide enough for, in the current font;
    // a longer one shows its end and, like every value, its whole text as tool tip.
    static const QString LaengsterWert;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void FeldbreitenSetzen();
    void KnoepfeVerbinden();
    void SpinEditVerbinden(TSpinEdit* feld, double TKoSys::*wert);
    void ZeichnenAnfordern() const;

    std::unique_ptr<Ui::TEinstellungenForm> ui;
    TKoSys& koSys_;
    std::function<void()> zeichnenAnfordern_;
    bool anzeigen_ = false;  // the fields are being filled from KoSys, not edited
};

}  // namespace orbisto
