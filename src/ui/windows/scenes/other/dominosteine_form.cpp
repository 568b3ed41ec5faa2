#include "windows/scenes/other/dominosteine_form.h"

#include "scenes/other/dominosteine.h"
#include "ui_dominosteine_form.h"
#include "widgets/szenentimer.h"

namespace orbisto {

TDominoSteineForm::TDominoSteineForm(const SzenenUmgebung& umgebung, TDominoSteine& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TDominoSteineForm>()), modell_(modell),
      timer_(new TSzenenTimer(
          this, QStringLiteral("DominoArmZrotTimer"), [this] { return modell_.TimerIntervall(); },
          [this] { ArmSchritt(); }))
{
    ui->setupUi(this);
    const tDominoSteineEinstellungen& e = modell_.Einstellungen();
    ui->DominoScheibeCheckBox->setChecked(e.Grundscheibe);
    ui->DominoSteineCheckBox->setChecked(e.Steine);
    ui->DominoArmCheckBox->setChecked(e.Dreharm);

    Verbinden(ui->DominoArmZrotButton, &QPushButton::clicked, [this] { ArmSchritt(); });
    // Each box's handler runs as it is unchecked, so the parts go and the timer stops before
    // the arm is turned back.
    SchliessenSetzen(
        {ui->DominoScheibeCheckBox, ui->DominoSteineCheckBox, ui->DominoArmCheckBox, ui->DominoArmZrotCheckBox},
        [this] { modell_.Reset(); });
    SchalterVerbinden();
    DatenAenderungClick();
}

TDominoSteineForm::~TDominoSteineForm() = default;

void TDominoSteineForm::DatenAenderungClick()
{
    tDominoSteineEinstellungen e;
    e.Grundscheibe = ui->DominoScheibeCheckBox->isChecked();
    e.Steine = ui->DominoSteineCheckBox->isChecked();
    e.Dreharm = ui->DominoArmCheckBox->isChecked();
    modell_.EinstellungenAendern(e);

    timer_->Schalten(ui->DominoArmZrotCheckBox->isChecked());
    Zeichnen();
}

void TDominoSteineForm::ArmSchritt()
{
    modell_.Takt();
    Zeichnen();
}

}  // namespace orbisto
