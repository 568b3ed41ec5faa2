#include "windows/scenes/math/vektorort_form.h"

#include "scenes/math/vektorort.h"
#include "ui_vektorort_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

TVektorOrtForm::TVektorOrtForm(const SzenenUmgebung& umgebung, TVektorOrt& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorOrtForm>()), modell_(modell)
{
    ui->setupUi(this);

    Bereich(OrtFelder(), TVektorOrt::OrtFeld);
    Bereich(AnfangFelder(), TVektorOrt::AnfangFeld);
    {
        // The controls show the model's settings before anything is wired.
        const tVektorOrtEinstellungen& e = modell_.Einstellungen();
        const std::pair<QCheckBox*, bool> schalter[] = {
            {ui->OrtsvektorCheckBox, e.Ortsvektor},
            {ui->OQuaderCheckBox, e.OQuader},
            {ui->OxCheckBox, e.Ox},
            {ui->OyCheckBox, e.Oy},
            {ui->OzCheckBox, e.Oz},
            {ui->OxyzCheckBox, e.Oxyz},
            {ui->OalleCheckBox, e.Oalle},
            {ui->OiCheckBox, e.Oi},
            {ui->OjCheckBox, e.Oj},
            {ui->OkCheckBox, e.Ok},
            {ui->RepraesentantCheckBox, e.Repraesentant},
            {ui->RQuaderCheckBox, e.RQuader},
            {ui->RxCheckBox, e.Rx},
            {ui->RyCheckBox, e.Ry},
            {ui->RzCheckBox, e.Rz},
            {ui->RxyzCheckBox, e.Rxyz},
        };
        for (const auto& [box, an] : schalter)
            box->setChecked(an);
        OrtFelder().Setzen(e.Ort);
        AnfangFelder().Setzen(e.Anfang);
    }

    // Closing switches off the position vector, then the representative; everything else
    // stays as set.
    SchliessenSetzen({ui->OrtsvektorCheckBox, ui->RepraesentantCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorOrtForm::~TVektorOrtForm() = default;

tVektorFelder TVektorOrtForm::OrtFelder() const { return {ui->OxSpinEdit, ui->OySpinEdit, ui->OzSpinEdit}; }

tVektorFelder TVektorOrtForm::AnfangFelder() const { return {ui->RxSpinEdit, ui->RySpinEdit, ui->RzSpinEdit}; }

void TVektorOrtForm::DatenAenderungClick()
{
    tVektorOrtEinstellungen e;
    e.Ortsvektor = ui->OrtsvektorCheckBox->isChecked();
    e.OQuader = ui->OQuaderCheckBox->isChecked();
    e.Ox = ui->OxCheckBox->isChecked();
    e.Oy = ui->OyCheckBox->isChecked();
    e.Oz = ui->OzCheckBox->isChecked();
    e.Oxyz = ui->OxyzCheckBox->isChecked();
    e.Oalle = ui->OalleCheckBox->isChecked();
    e.Oi = ui->OiCheckBox->isChecked();
    e.Oj = ui->OjCheckBox->isChecked();
    e.Ok = ui->OkCheckBox->isChecked();
    e.Repraesentant = ui->RepraesentantCheckBox->isChecked();
    e.RQuader = ui->RQuaderCheckBox->isChecked();
    e.Rx = ui->RxCheckBox->isChecked();
    e.Ry = ui->RyCheckBox->isChecked();
    e.Rz = ui->RzCheckBox->isChecked();
    e.Rxyz = ui->RxyzCheckBox->isChecked();
    e.Ort = OrtFelder().Lesen();
    e.Anfang = AnfangFelder().Lesen();
    modell_.EinstellungenAendern(e);  // throws before anything changes
    Zeichnen();
}

}  // namespace orbisto
