#pragma once
// The window "Winkel- und Bahn-Geschwindigkeit" (menu "Phy-Szenen"): the main switch, the
// vector product ω x r = v with ω and r as spin edits and v as a result text, "Rotation"
// with its timer and the kind of motion, uniform or uniformly accelerated.
//
// Every control runs the one change handler, which copies the controls into the model
// (setting an accelerated ω back to its start value), shows v, starts or stops the timer
// and redraws. Each tick turns the ball by 5°; the model's interval carries the speed and
// is read again after every tick, so an accelerated ball speeds up. Closing unchecks the
// main switch and "Rotation"; the ball keeps its angle and resumes there.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TWinkelBahnGeschwForm;
}

namespace orbisto {

class TWinkelBahnGeschw;
class TSzenenTimer;

class TWinkelBahnGeschwForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden, the timer off; the controls show
    // the model's settings and the handler runs once.
    TWinkelBahnGeschwForm(const SzenenUmgebung& umgebung, TWinkelBahnGeschw& modell);
    ~TWinkelBahnGeschwForm() override;

protected:
    // Controls into the model, v into BahngeschwBetragLabel, the timer on exactly while
    // "Rotation" is checked, then Zeichnen.
    void DatenAenderungClick() override;

private:
    void RotationTimerTimer();
    void BahngeschwZeigen();

    std::unique_ptr<Ui::TWinkelBahnGeschwForm> ui;
    TWinkelBahnGeschw& modell_;
    TSzenenTimer* timer_;
};

}  // namespace orbisto
