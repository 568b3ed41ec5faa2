#pragma once
// The window "Stehende Kreis - Welle" (menu "Phy-Szenen"): the main switch, string or
// membrane, fixed or open edge, what is shown (shape, envelope or the swinging shape), order
// and amplitude, how the membrane is drawn, and the steps along the shape, round the axis
// and of one swing with the timer's interval.
//
// Every control runs the one change handler, which copies the controls into the model,
// starts the timer exactly while "Schwingung" is chosen (also while the scene is switched
// off) and redraws. Each tick redraws and then moves the swing one step. The up/down pairs
// beside the step and interval fields add or take away 10. Closing only unchecks the main
// switch: a running swing goes on.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TStehendeKreisWelleForm;
}

namespace orbisto {

class TStehendeKreisWelle;
class TSzenenTimer;

class TStehendeKreisWelleForm : public TSzenenForm {
    Q_OBJECT

public:
    // Placed beside the main window, the controls at the model's start values; the change
    // handler runs once.
    TStehendeKreisWelleForm(const SzenenUmgebung& umgebung, TStehendeKreisWelle& modell);
    ~TStehendeKreisWelleForm() override;

protected:
    // Controls into the model (typed numbers within their ranges), the timer on exactly
    // while "Schwingung" is chosen, at the model's interval, then Zeichnen.
    void DatenAenderungClick() override;

private:
    void SchwingungTimerTimer();

    std::unique_ptr<Ui::TStehendeKreisWelleForm> ui;
    TStehendeKreisWelle& modell_;
    TSzenenTimer* timer_;
};

}  // namespace orbisto
