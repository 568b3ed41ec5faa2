#pragma once
// The window "Vektor - Kreis" of the scene "Kreis mit Vektoren" (menu "Mat-Szenen"): the
// main switch, the radius, the centre M, the angle of the point P and the switches of what
// is drawn, each switch on the left with its fields or its partner on the right, and the
// buttons "Beispiel" and "Löschen".
//
// Every control runs the one change handler, which copies the controls into the model and
// redraws. A button sets radius and centre; it redraws once if that changed a field and not
// at all otherwise, as the fields' own change events would. Placement, typed numbers,
// closing (main switch off) and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <QStringList>

#include <memory>

namespace Ui {
class TVektorKreisForm;
}

namespace orbisto {

class TVektorKreis;

class TVektorKreisForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the controls show the model's
    // settings (at the start the example at 0°, every switch off).
    TVektorKreisForm(const SzenenUmgebung& umgebung, TVektorKreis& modell);
    ~TVektorKreisForm() override;

protected:
    // EinstellungenAendernClick of all check boxes and spin edits: the nine switches, r, φ
    // and M into the model, then Zeichnen. The radius is read within its range whatever
    // is being typed into it.
    void DatenAenderungClick() override;

private:
    tVektorFelder Mittelpunkt() const;
    // BeispielButtonClick, LoeschenButtonClick: radius and centre into the fields.
    void KreisLaden(int radius, const tVektor3& mittelpunkt);
    QStringList KreisTexte() const;

    std::unique_ptr<Ui::TVektorKreisForm> ui;
    TVektorKreis& modell_;
};

}  // namespace orbisto
