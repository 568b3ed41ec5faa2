#pragma once
// The window "Longitudinal - Welle" (menu "Phy-Szenen"): the main switch, the mode (at rest,
// progressive on a finite or an endless chain, standing), the ends of the standing wave
// (shown only in "stehend"), order and amplitude, the spaces between the discs and the
// steps of one period with the timer's interval.
//
// Every control runs the one change handler, which copies the controls into the model (so a
// running wave starts its period again), runs the timer exactly in the three moving modes
// (also while the scene is switched off) and redraws. Each tick redraws and then steps the
// period on. The up/down pairs beside the spaces and the interval add or take away 10.
// Closing only unchecks the main switch: a running wave goes on.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TLongitudinalWelleForm;
}

namespace orbisto {

class TLongitudinalWelle;
class TSzenenTimer;

class TLongitudinalWelleForm : public TSzenenForm {
    Q_OBJECT

public:
    // Placed beside the main window, the controls at the model's start values, the ends'
    // panel hidden; the change handler runs once.
    TLongitudinalWelleForm(const SzenenUmgebung& umgebung, TLongitudinalWelle& modell);
    ~TLongitudinalWelleForm() override;

protected:
    // Controls into the model (typed numbers within their ranges), the ends' panel shown
    // exactly in "stehend", the timer on exactly in a moving mode, at the model's interval,
    // then Zeichnen.
    void DatenAenderungClick() override;

private:
    void SchwingungTimerTimer();

    std::unique_ptr<Ui::TLongitudinalWelleForm> ui;
    TLongitudinalWelle& modell_;
    TSzenenTimer* timer_;
};

}  // namespace orbisto
