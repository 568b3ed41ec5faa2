#include "scenes/math/quadernetz_form.h"

#include "app/meldungen.h"
#include "app/spinedit_widget.h"
#include "ui_quadernetz_form.h"

namespace orbisto {

TQuaderNetzForm::TQuaderNetzForm(const SzenenUmgebung& umgebung, TQuaderNetz& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TQuaderNetzForm>()), modell_(modell)
{
    ui->setupUi(this);
    resize(286, 186);
    HauptschalterSetzen(ui->QuaderCheckBox);
    for (TSpinEdit* feld : {ui->LaengeSpinEdit, ui->BreiteSpinEdit, ui->HoeheSpinEdit})
        connect(feld, &TSpinEdit::Change, this, [this] { FehlerAbfangen([this] { DatenAenderungClick(); }); });
    SchalterVerbinden();
}

TQuaderNetzForm::~TQuaderNetzForm() = default;

void TQuaderNetzForm::DatenAenderungClick()
{
    TQuaderNetz& m = modell_;
    m.Quader = ui->QuaderCheckBox->isChecked();
    m.Kanten = ui->KantenCheckBox->isChecked();
    m.Flaechen = ui->FlaechenCheckBox->isChecked();
    // A dimension that is no whole number counts as 1, the spin edits' lower end.
    m.Laenge = ui->LaengeSpinEdit->Value();
    m.Breite = ui->BreiteSpinEdit->Value();
    m.Hoehe = ui->HoeheSpinEdit->Value();
    m.DF = ui->DFCheckBox->isChecked();
    m.VF = ui->VFCheckBox->isChecked();
    m.RF = ui->RFCheckBox->isChecked();
    m.LS = ui->LSCheckBox->isChecked();
    m.RS = ui->RSCheckBox->isChecked();
    Zeichnen();
}

}  // namespace orbisto
