#pragma once
// The window "Vektor - Ebene" of the scene "Ebene mit Vektoren" (menu "Mat-Szenen"). Its
// controls spell out the equation O = S + t1 * R1 + t2 * R2 from left to right: the
// read-only fields of O, the spin edits of S, t1, R1, t2 and R2, above them the check boxes
// of the arrows. At the top the main switch with the buttons "Beispiel 1", "Beispiel 2"
// and "Löschen", below it the face, the grid and the size of the plane piece; at the
// bottom the many position vectors and the addition of the direction vectors.
//
// Every control runs the one change handler, which copies the controls into the model,
// shows O and redraws. A button fills the spin edits and then runs the handler once.
// Placement, typed numbers, closing (main switch off) and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <memory>

namespace Ui {
class TVektorEbeneForm;
}

namespace orbisto {

class TVektorEbene;
struct tVektorEbeneWerte;

class TVektorEbeneForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the controls show the model's
    // settings (at the start example 1, only "Fläche" on) and the O fields their O.
    TVektorEbeneForm(const SzenenUmgebung& umgebung, TVektorEbene& modell);
    ~TVektorEbeneForm() override;

protected:
    // Places the headings again when their columns move.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

    // EinstellungenAendernClick of all check boxes and spin edits: the nine switches and
    // the numbers into the model, O into OxEdit, OyEdit, OzEdit, then Zeichnen. "Größe" is
    // read within its range whatever is being typed into it.
    void DatenAenderungClick() override;

private:
    tVektorFelder Stuetzpunkt() const;
    tVektorFelder Richtung1() const;
    tVektorFelder Richtung2() const;
    // The spin edits show these numbers; runs no handler.
    void WerteZeigen(const tVektorEbeneWerte& w);
    // The columns of the equation far enough apart for the headings over them, in the
    // window's font.
    void SpaltenBemessen();
    // Each heading centred over its column of fields.
    void KoepfeSetzen();

    std::unique_ptr<Ui::TVektorEbeneForm> ui;
    TVektorEbene& modell_;
};

}  // namespace orbisto
