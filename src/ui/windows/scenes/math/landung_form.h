#pragma once
// The window "Flugzeug-Landung  H H" of the scene "Flugzeug-Landung" (menu "Mat-Szenen"): the
// main switch "Darstellung", a switch for each piece of the picture, the height of the
// lower cloud plane in metres and the aircraft's switch with the scroll bar that moves it
// along the approach. The scroll bar shows only while "Flugzeug-Position" is checked and
// keeps its position while hidden.
//
// Every control runs the one change handler, which copies the controls into the model and
// redraws. Placement, typed numbers, closing (main switch off) and error boxes come from
// TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TLandungForm;
}

namespace orbisto {

class TLandung;

class TLandungForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the controls at the start values
    // (every switch off, clouds at 3000 m, aircraft at 15 km), the model computed once.
    TLandungForm(const SzenenUmgebung& umgebung, TLandung& modell);
    ~TLandungForm() override;

protected:
    // DatenAenderungClick of every control: the ten switches, the cloud height and the
    // scroll bar into the model, the scroll bar shown exactly while the aircraft is on,
    // then Zeichnen. A number the model refuses raises its German message, and nothing
    // changes.
    void DatenAenderungClick() override;

private:
    std::unique_ptr<Ui::TLandungForm> ui;
    TLandung& modell_;
};

}  // namespace orbisto
