#pragma once
// The window "Ebene Wellen" (menu "Phy-Szenen"): the main switch, "Bewegung" with its timer
// and "Reset", the kind of excitation with the sources' position and what of exciter and
// oscillators is shown, the wave field with its "alle" arrows and how the wave is drawn,
// and the wave's period, wavelength and amplitude.
//
// Every control runs the one change handler, which copies the controls into the model,
// starts or stops the timer and redraws. Each timer tick advances the wave by one time
// step and redraws. Closing the window only switches the picture off: a running animation
// goes on, so the wave has moved on when the window is opened again.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TEbeneWellenForm;
}

namespace orbisto {

class TEbeneWellen;
class TSzenenTimer;
struct tWellenfeld;

class TEbeneWellenForm : public TSzenenForm {
    Q_OBJECT

public:
    // Placed beside the main window; "Interferenzhyperbeln" is hidden; the model gets the
    // start values and the timer stays off.
    TEbeneWellenForm(const SzenenUmgebung& umgebung, TEbeneWellen& modell);
    ~TEbeneWellenForm() override;

protected:
    // Controls into the model, the timer on exactly while "Bewegung" is checked, at the
    // model's interval, then Zeichnen.
    void DatenAenderungClick() override;

private:
    void WellenBewegungTimerTimer();
    void WellenBewegungResetButtonClick();
    void WFalleSpinButtonUpClick();
    void WFalleSpinButtonDownClick();
    void FeldSetzen(const tWellenfeld& feld);

    std::unique_ptr<Ui::TEbeneWellenForm> ui;
    TEbeneWellen& modell_;
    TSzenenTimer* timer_;
};

}  // namespace orbisto
