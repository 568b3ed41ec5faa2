#pragma once
// The window "Sonne - Erde - Mond" (menu "Phy-Szenen"): a box for each body, the continuous
// rotation with its interval, a single step and "Reset".
//
// There is no main switch, and closing the window changes nothing: the bodies stay in the
// view and a running rotation goes on. Only when the window is destroyed at the end of the
// program are the four boxes cleared and the timer stopped.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TSonneErdeMondForm;
}

namespace orbisto {

class TSonneErdeMond;
class TSzenenTimer;
struct tSonneErdeMondEinstellungen;

class TSonneErdeMondForm : public TSzenenForm {
    Q_OBJECT

public:
    // Placed beside the main window; both angles start at 0, every box is clear and the
    // timer off at 50 ms. Draws nothing.
    TSonneErdeMondForm(const SzenenUmgebung& umgebung, TSonneErdeMond& modell);
    // Clears the four boxes in the model and stops the timer, without a redraw: the view
    // goes with the program.
    ~TSonneErdeMondForm() override;

protected:
    // A box: the controls into the model, the timer on exactly while "Rotation dauerhaft"
    // is checked, then Zeichnen.
    void DatenAenderungClick() override;

private:
    tSonneErdeMondEinstellungen Lesen() const;
    // The interval into the model and the timer at once; no redraw.
    void SEMIntervalSpinEditChange();
    void SEMTimerTimer();
    void SEMResetButtonClick();

    std::unique_ptr<Ui::TSonneErdeMondForm> ui;
    TSonneErdeMond& modell_;
    TSzenenTimer* timer_;
};

}  // namespace orbisto
