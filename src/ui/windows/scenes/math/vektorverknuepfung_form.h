#pragma once
// The window "Verknüpfung von Vektoren" of the scene of the same name (menu "Mat-Szenen").
// From top to bottom: the main switch, V1 and V2 with their spin edits and boxes, the three
// examples, then one block per operation (sum, difference, scalar multiple, vector product)
// with its check box, its read-only components and its pieces; at the bottom the group
// "Berechnungen" with the lengths, the scalar product and the angle.
//
// Every check box, radio button and spin edit runs the one change handler, which copies the
// controls into the model, shows every result and redraws. Placement, typed numbers,
// closing (main switch off) and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TVektorVerknuepfungForm;
}

namespace orbisto {

class TVektorVerknuepfung;

class TVektorVerknuepfungForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden, with V1 = (3, -2, 1),
    // V2 = (4, 3, 2), k = 1, V1 x V2 and every result filled in.
    TVektorVerknuepfungForm(const SzenenUmgebung& umgebung, TVektorVerknuepfung& modell);
    ~TVektorVerknuepfungForm() override;

protected:
    // Every switch and number into the model; the components of S, D, k·V1 and P into their
    // fields, the lengths, the scalar product and the angle into their labels; Zeichnen.
    void DatenAenderungClick() override;

private:
    tVektorFelder V1Felder() const;
    tVektorFelder V2Felder() const;
    // Example `nr` into the spin edits of V1 and V2, running nothing.
    void BeispielLaden(int nr);

    std::unique_ptr<Ui::TVektorVerknuepfungForm> ui;
    TVektorVerknuepfung& modell_;
};

}  // namespace orbisto
