#pragma once
// The window "Vektor - Gerade" of the scene "Gerade mit Vektoren" (menu "Mat-Szenen"). Its
// controls spell out the equation O = S + t * R from left to right: the read-only fields
// of O, the spin edits of S, of the parameter t and of R, above them the check boxes of
// the arrows, at the top the main switch and at the bottom "Viele Ortsvektoren".
//
// Every control runs the one change handler, which copies the controls into the model,
// shows O and redraws. Placement, typed numbers, closing (main switch off) and error boxes
// come from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TVektorGeradeForm;
}

namespace orbisto {

class TVektorGerade;

class TVektorGeradeForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the spin edits show the start
    // values and the O fields their O = (1, 6, 2).
    TVektorGeradeForm(const SzenenUmgebung& umgebung, TVektorGerade& modell);
    ~TVektorGeradeForm() override;

protected:
    // EinstellungenAendernClick of all check boxes and spin edits: the five switches and
    // the seven numbers into the model, O into OxEdit, OyEdit, OzEdit, then Zeichnen. A
    // number the model refuses raises its German message, and nothing changes.
    void DatenAenderungClick() override;

private:
    tVektorFelder Stuetzpunkt() const;
    tVektorFelder Richtung() const;

    std::unique_ptr<Ui::TVektorGeradeForm> ui;
    TVektorGerade& modell_;
};

}  // namespace orbisto
