#include "windows/scenes/math/quadernetz_form.h"

#include "ui_quadernetz_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

TQuaderNetzForm::TQuaderNetzForm(const SzenenUmgebung& umgebung, TQuaderNetz& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TQuaderNetzForm>()), modell_(modell)
{
    ui->setupUi(this);

    // Ranges and the model's settings, before the controls are wired: model and window
    // agree from the start, so making the window runs nothing.
    Bereich(ui->LaengeSpinEdit, TQuaderNetz::LaengeFeld);
    Bereich(ui->BreiteSpinEdit, TQuaderNetz::BreiteFeld);
    Bereich(ui->HoeheSpinEdit, TQuaderNetz::HoeheFeld);
    const tQuaderNetzEinstellungen& start = modell_.Einstellungen();
    ui->QuaderCheckBox->setChecked(start.Quader);
    ui->KantenCheckBox->setChecked(start.Kanten);
    ui->FlaechenCheckBox->setChecked(start.Flaechen);
    ui->DFCheckBox->setChecked(start.DF);
    ui->VFCheckBox->setChecked(start.VF);
    ui->RFCheckBox->setChecked(start.RF);
    ui->LSCheckBox->setChecked(start.LS);
    ui->RSCheckBox->setChecked(start.RS);
    ui->LaengeSpinEdit->setValue(static_cast<int>(start.Laenge));
    ui->BreiteSpinEdit->setValue(static_cast<int>(start.Breite));
    ui->HoeheSpinEdit->setValue(static_cast<int>(start.Hoehe));

    SchliessenSetzen({ui->QuaderCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
}

TQuaderNetzForm::~TQuaderNetzForm() = default;

void TQuaderNetzForm::DatenAenderungClick()
{
    tQuaderNetzEinstellungen e;
    e.Quader = ui->QuaderCheckBox->isChecked();
    e.Kanten = ui->KantenCheckBox->isChecked();
    e.Flaechen = ui->FlaechenCheckBox->isChecked();
    e.DF = ui->DFCheckBox->isChecked();
    e.VF = ui->VFCheckBox->isChecked();
    e.RF = ui->RFCheckBox->isChecked();
    e.LS = ui->LSCheckBox->isChecked();
    e.RS = ui->RSCheckBox->isChecked();
    // A number typed out of range counts as the nearest end, one that is no whole number
    // as the lower end.
    e.Laenge = ui->LaengeSpinEdit->WertImBereich();
    e.Breite = ui->BreiteSpinEdit->WertImBereich();
    e.Hoehe = ui->HoeheSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes
    Zeichnen();
}

}  // namespace orbisto
