#include "windows/scenes/other/figurendemo_form.h"

#include "programm/programm.h"
#include "scenes/other/figurendemo.h"
#include "ui_figurendemo_form.h"
#include "widgets/szenentimer.h"

namespace orbisto {

TFigurenDemoForm::TFigurenDemoForm(const SzenenUmgebung& umgebung, TFigurenDemo& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TFigurenDemoForm>()), modell_(modell),
      drehung_(new TSzenenTimer(
          this, QStringLiteral("GQuaderZRotationTimer"), [this] { return modell_.TimerIntervall(); },
          [this] {
              modell_.QuaderDrehen();
              Zeichnen();
          })),
      bewegung_(new TSzenenTimer(
          this, QStringLiteral("EinWuerfelBewegungTimer"), [this] { return modell_.TimerIntervall(); },
          [this] {
              modell_.WuerfelBewegen();
              Zeichnen();
          }))
{
    ui->setupUi(this);
    // Each box's handler runs as it is unchecked: the long box gives the far planes back
    // first, and the timers stop before the figures are put back.
    SchliessenSetzen({ui->FluchtpunktQuaderCheckBox, ui->TestWuerfelCheckBox, ui->GeschlossenerQuaderCheckBox,
                      ui->GQuaderZRotationCheckBox, ui->EinWuerfelCheckBox, ui->EinWuerfelBewegungCheckBox},
                     [this] {
                         modell_.QuaderZurueck();
                         modell_.WuerfelZurueck();
                     });
    SchalterVerbinden();
    drehung_->Schalten(false);
    bewegung_->Schalten(false);
}

TFigurenDemoForm::~TFigurenDemoForm() = default;

void TFigurenDemoForm::DatenAenderungClick()
{
    tFigurenDemoEinstellungen e;
    e.FluchtpunktQuader = ui->FluchtpunktQuaderCheckBox->isChecked();
    e.TestWuerfel = ui->TestWuerfelCheckBox->isChecked();
    e.Vollquader = ui->GeschlossenerQuaderCheckBox->isChecked();
    e.EinWuerfel = ui->EinWuerfelCheckBox->isChecked();
    e.EinWuerfelBewegung = ui->EinWuerfelBewegungCheckBox->isChecked();
    modell_.EinstellungenAendern(e, programm().KoSys);

    bewegung_->Schalten(e.EinWuerfelBewegung);
    drehung_->Schalten(ui->GQuaderZRotationCheckBox->isChecked());
    Zeichnen();
}

}  // namespace orbisto
