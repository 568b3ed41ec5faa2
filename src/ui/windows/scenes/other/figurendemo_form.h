#pragma once
// The window "Figuren-Demonstration" of the menu "Sonst-Szenen": one check box a figure,
// "Rotation um Z" that turns the solid cuboid and "Bewegung in y-Richtung" that moves the
// single cube, each on a timer of its own.
//
// Every box runs the one change handler, which copies the switches into the model (the long
// box sets the far planes, which the settings window shows at the next pass), runs each
// timer exactly while its box is checked and redraws. Closing unchecks every box, turns the
// cuboid back and puts the single cube back to its start.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TFigurenDemoForm;
}

namespace orbisto {

class TFigurenDemo;
class TSzenenTimer;

class TFigurenDemoForm : public TSzenenForm {
    Q_OBJECT

public:
    // Placed beside the main window, hidden; every box unchecked, both timers off.
    TFigurenDemoForm(const SzenenUmgebung& umgebung, TFigurenDemo& modell);
    ~TFigurenDemoForm() override;

protected:
    // FigurDatenAenderungCheckBoxClick: the switches into the model, each timer on exactly
    // while its box is checked, then Zeichnen.
    void DatenAenderungClick() override;

private:
    std::unique_ptr<Ui::TFigurenDemoForm> ui;
    TFigurenDemo& modell_;
    TSzenenTimer* drehung_;
    TSzenenTimer* bewegung_;
};

}  // namespace orbisto
