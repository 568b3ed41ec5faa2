#pragma once
// The window "Vektor - Kugel" of the scene "Kugel mit Vektoren" (menu "Mat-Szenen"): the
// main switch with radius and grid steps, the switches of the sphere's grid, surfaces,
// equator and zero meridian, the centre M, the point P by its two step counts, the switches
// of the vectors and the tangent plane, and the buttons "Beispiel" and "Reset".
//
// Every control runs the one change handler, which copies the controls into the model and
// redraws. The step counts of P reach up to n: the handler sets their maximum to n and puts
// a count beyond it back to 0, as part of the same change (one model update, one redraw).
// A button sets radius and centre; it redraws once if that changed a field and not at all
// otherwise, as the fields' own change events would. Placement, typed numbers, closing
// (main switch off) and error boxes come from TSzenenForm.

#include "widgets/szenenform.h"

#include <QStringList>

#include <memory>

namespace Ui {
class TVektorKugelForm;
}

namespace orbisto {

class TVektorKugel;

class TVektorKugelForm : public TSzenenForm {
    Q_OBJECT

public:
    // FormCreate: placed beside the main window, hidden; the controls show the model's
    // settings (at the start the example with meridians and parallels on).
    TVektorKugelForm(const SzenenUmgebung& umgebung, TVektorKugel& modell);
    ~TVektorKugelForm() override;

protected:
    // EinstellungenAendernClick of all check boxes and spin edits: the step counts limited
    // to n, then the fifteen switches, r, n, i, j and M into the model, then Zeichnen. The
    // radius is read within its range whatever is being typed into it.
    void DatenAenderungClick() override;

private:
    tVektorFelder Mittelpunkt() const;
    // BeispielButtonClick, ResetButtonClick: radius and centre into the fields.
    void KugelLaden(int radius, const tVektor3& mittelpunkt);
    QStringList KugelTexte() const;

    std::unique_ptr<Ui::TVektorKugelForm> ui;
    TVektorKugel& modell_;
};

}  // namespace orbisto
