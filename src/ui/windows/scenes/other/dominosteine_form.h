#pragma once
// The window "Domino - Steine" of the scene "Domino-Steine" (menu "Sonst-Szenen"): one check
// box for each part of the picture (base plate, stones, arm), "Rotation um Z" with its timer
// that turns the arm step by step, and "Einzelschritt" for one step by hand.
//
// Every check box runs the one change handler, which copies the part switches into the
// model, runs the timer exactly while "Rotation um Z" is checked and redraws. The arm turns
// whether it is drawn or not. Closing unchecks all four boxes, so the parts disappear and
// the timer stops, and then turns the arm back to 0.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TDominoSteineForm;
}

namespace orbisto {

class TDominoSteine;
class TSzenenTimer;

class TDominoSteineForm : public TSzenenForm {
    Q_OBJECT

public:
    // Placed beside the main window, hidden; every box unchecked, the timer off.
    TDominoSteineForm(const SzenenUmgebung& umgebung, TDominoSteine& modell);
    ~TDominoSteineForm() override;

protected:
    // FigurDatenAenderungCheckBoxClick: the three part switches into the model, the timer on
    // exactly while "Rotation um Z" is checked, then Zeichnen.
    void DatenAenderungClick() override;

private:
    // One step of the arm and a redraw: each tick of DominoArmZrotTimer, each click of
    // "Einzelschritt".
    void ArmSchritt();

    std::unique_ptr<Ui::TDominoSteineForm> ui;
    TDominoSteine& modell_;
    TSzenenTimer* timer_;
};

}  // namespace orbisto
