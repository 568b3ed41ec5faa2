#pragma once
// The window "Orts-Vektor und Repräsentant" of the scene of the same name (menu
// "Mat-Szenen"). Two blocks one above the other: the position vector with its point O, the
// switches of its components X, Y, Z, of the unit vectors i, j, k, of the chain "x+y+z" and
// of "alle" box edges; below it the representative with its start point and the switches of
// its components and chain. Each block has its main switch and "Quader" at the top.
//
// Every control runs the one change handler, which copies the controls into the model and
// redraws. Placement, typed numbers, closing (both main switches off) and error boxes come
// from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TVektorOrtForm;
}

namespace orbisto {

class TVektorOrt;

class TVektorOrtForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the spin edits show O = (4, 3, 2)
    // and A = (-5, -4, -3), every check box is off.
    TVektorOrtForm(const SzenenUmgebung& umgebung, TVektorOrt& modell);
    ~TVektorOrtForm() override;

protected:
    // VektorCheckBoxClick and VektorSpinEditChange in one: the 16 switches and the six
    // numbers into the model, then Zeichnen.
    void DatenAenderungClick() override;

private:
    tVektorFelder OrtFelder() const;
    tVektorFelder AnfangFelder() const;

    std::unique_ptr<Ui::TVektorOrtForm> ui;
    TVektorOrt& modell_;
};

}  // namespace orbisto
