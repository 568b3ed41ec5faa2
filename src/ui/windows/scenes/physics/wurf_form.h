#pragma once
// The window "Würfe in 3D" of the scene of the same name (menu "Phy-Szenen"). At the top the
// main switch "Wurf" and the legend of the axes (x distance, y time, z height, each in its
// colour), then launch speed, angle and height, three rows of switches under a heading each
// (space curve, trajectory, height over time: part curve, whole function, ball), the ground
// rectangle and the scroll bar that moves the balls along the flight.
//
// Every control runs the one change handler, which copies the controls into the model and
// redraws. Unlike the other scene windows this one opens where it was designed, not beside
// the main window, and closing it switches off the main switch and the six curves.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TWurfForm;
}

namespace orbisto {

class TWurf;

class TWurfForm : public TSzenenForm {
    Q_OBJECT

public:
    // Where the window opens, left and top of its frame on the screen.
    static constexpr int Links = 200, Oben = 375;

    // FormCreate: hidden at its place, the controls at the start values, the model computed
    // from them once.
    TWurfForm(const SzenenUmgebung& umgebung, TWurf& modell);
    ~TWurfForm() override;

protected:
    // DatenAenderungClick of every control: switches, numbers and the scroll bar into the
    // model, then Zeichnen. A number the model refuses raises its German message, and
    // nothing changes.
    void DatenAenderungClick() override;

private:
    std::unique_ptr<Ui::TWurfForm> ui;
    TWurf& modell_;
};

}  // namespace orbisto
