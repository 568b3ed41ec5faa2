#pragma once
// The window "Potentialtopf" (menu "Phy-Szenen"): the main switch and the box outline, the
// box width, the dimension, one quantum number per axis, the two curves with their steps and
// amplitude, and the ball lattice with its steps, its size and the number of balls in red.
//
// Every control runs the one change handler, which copies the controls into the model, shows
// or hides the y and z quantum numbers, writes the number of balls and redraws. The two
// up/down pairs beside the step fields add or take away 10 steps. Placement, closing (main
// switch off) and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TPotentialtopfForm;
}

namespace orbisto {

class TPotentialtopf;

class TPotentialtopfForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden, the controls at their start values;
    // the change handler runs once.
    TPotentialtopfForm(const SzenenUmgebung& umgebung, TPotentialtopf& modell);
    ~TPotentialtopfForm() override;

protected:
    // Controls -> model (a number the model refuses raises its German message and changes
    // nothing), the y and z quantum numbers shown for 2D and 3D, "Anzahl Kugeln: …", Zeichnen.
    void DatenAenderungClick() override;

private:
    std::unique_ptr<Ui::TPotentialtopfForm> ui;
    TPotentialtopf& modell_;
};

}  // namespace orbisto
