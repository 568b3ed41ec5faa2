#include "windows/scenes/physics/winkelbahngeschw_form.h"

#include "scenes/physics/winkelbahngeschw.h"
#include "ui_winkelbahngeschw_form.h"
#include "widgets/spinedit_widget.h"
#include "widgets/szenentimer.h"

namespace orbisto {

TWinkelBahnGeschwForm::TWinkelBahnGeschwForm(const SzenenUmgebung& umgebung, TWinkelBahnGeschw& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TWinkelBahnGeschwForm>()), modell_(modell),
      timer_(new TSzenenTimer(
          this, QStringLiteral("RotationTimer"), [this] { return modell_.TimerIntervall(); },
          [this] { RotationTimerTimer(); }))
{
    ui->setupUi(this);

    Bereich(ui->WinkelgeschwSpinEdit, TWinkelBahnGeschw::WinkelgeschwFeld);
    Bereich(ui->RadiusSpinEdit, TWinkelBahnGeschw::RadiusFeld);
    const tWinkelBahnGeschwEinstellungen& e = modell_.Einstellungen();
    ui->WinkelgeschwSpinEdit->setValue(e.Winkelgeschw);
    ui->RadiusSpinEdit->setValue(e.Radius);
    ui->BeschlRadioButton->setChecked(e.Art == tBewegungsArt::Beschleunigt);
    ui->GleichmRadioButton->setChecked(e.Art == tBewegungsArt::Gleichmaessig);

    // Unchecking "Rotation" stops the timer; the angle stays where it is.
    SchliessenSetzen({ui->DarstellungCheckBox, ui->RotationCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TWinkelBahnGeschwForm::~TWinkelBahnGeschwForm() = default;

void TWinkelBahnGeschwForm::DatenAenderungClick()
{
    tWinkelBahnGeschwEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.Rotation = ui->RotationCheckBox->isChecked();
    e.Art = ui->BeschlRadioButton->isChecked() ? tBewegungsArt::Beschleunigt : tBewegungsArt::Gleichmaessig;
    // Within -5 ... 5 whatever is typed, so the interval is never below 20 ms.
    e.Winkelgeschw = ui->WinkelgeschwSpinEdit->WertImBereich();
    e.Radius = ui->RadiusSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    BahngeschwZeigen();
    timer_->Schalten(e.Rotation);
    Zeichnen();
}

void TWinkelBahnGeschwForm::RotationTimerTimer()
{
    modell_.Takt();
    BahngeschwZeigen();
    Zeichnen();
}

void TWinkelBahnGeschwForm::BahngeschwZeigen()
{
    ui->BahngeschwBetragLabel->setText(QString::fromStdString(modell_.BahngeschwText()));
}

}  // namespace orbisto
