#pragma once
// The window "Vektor - Spatprodukt" of the scene "Spatprodukt mit Vektoren" (menu
// "Mat-Szenen"). At the top the main switch, below it the three vectors as columns of spin
// edits under their check boxes, beside them the examples and "Spat"; then the vector
// product, the height vector and the triple product with their lengths and what they mean.
//
// Every control runs the one change handler, which copies the controls into the model,
// writes the result texts and redraws. Placement, typed numbers, closing (all eight boxes
// off) and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TVektorSpatproduktForm;
}

namespace orbisto {

class TVektorSpatprodukt;

class TVektorSpatproduktForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the check boxes of the vectors in
    // the greys of their arrows, example 1 in the spin edits and every result text filled.
    TVektorSpatproduktForm(const SzenenUmgebung& umgebung, TVektorSpatprodukt& modell);
    ~TVektorSpatproduktForm() override;

protected:
    // DatenAenderungClick of all check boxes and spin edits: the eight switches and nine
    // numbers into the model, its texts into the fields and labels, then Zeichnen.
    void DatenAenderungClick() override;

private:
    tVektorFelder V1Felder() const;
    tVektorFelder V2Felder() const;
    tVektorFelder V3Felder() const;
    // The example's vectors into the spin edits, running nothing.
    void BeispielLaden(int nr);

    std::unique_ptr<Ui::TVektorSpatproduktForm> ui;
    TVektorSpatprodukt& modell_;
};

}  // namespace orbisto
