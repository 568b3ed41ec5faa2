#pragma once
// The window "Lineare Abhängigkeit" of the scene of the same name (menu "Mat-Szenen"). Its
// fields spell out the question V3 =? a * V1 + b * V2 from left to right: the spin edits of
// V3, the read-only fields of the combination, the factor a, V1, the factor b and V2, each
// vector under its check box; at the bottom the plane with its size and the three examples.
//
// Every control runs the one change handler, which copies the controls into the model,
// shows the combination and redraws. Placement, typed numbers, closing (main switch off)
// and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TLineareAbhForm;
}

namespace orbisto {

class TLineareAbh;

class TLineareAbhForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden, with example 1 loaded (a = b = 1,
    // f = 3; V1, V2 and V3 on, the rest off).
    TLineareAbhForm(const SzenenUmgebung& umgebung, TLineareAbh& modell);
    ~TLineareAbhForm() override;

protected:
    // The six switches and the twelve numbers into the model; the combination into
    // VLKxEdit, VLKyEdit, VLKzEdit while VLKCheckBox is on, else the three emptied; Zeichnen.
    void DatenAenderungClick() override;

private:
    tVektorFelder V1Felder() const;
    tVektorFelder V2Felder() const;
    tVektorFelder V3Felder() const;
    // Example `nr` into the spin edits of V1, V2, V3 and a = b = 1, running nothing.
    void BeispielLaden(int nr);

    std::unique_ptr<Ui::TLineareAbhForm> ui;
    TLineareAbh& modell_;
};

}  // namespace orbisto
