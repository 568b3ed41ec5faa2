#include "windows/scenes/physics/stehendekreiswelle_form.h"

#include "scenes/physics/stehendekreiswelle.h"
#include "ui_stehendekreiswelle_form.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "widgets/szenentimer.h"

namespace orbisto {

namespace {

// How far one click of an up/down pair moves its field.
constexpr int ZehnSchritte = 10;

}  // namespace

TStehendeKreisWelleForm::TStehendeKreisWelleForm(const SzenenUmgebung& umgebung, TStehendeKreisWelle& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TStehendeKreisWelleForm>()), modell_(modell),
      timer_(new TSzenenTimer(
          this, QStringLiteral("SchwingungTimer"), [this] { return modell_.TimerIntervall(); },
          [this] { SchwingungTimerTimer(); }))
{
    ui->setupUi(this);

    using W = TStehendeKreisWelle;
    Bereich(ui->OrdnungSpinEdit, W::OrdnungFeld);
    Bereich(ui->AmplitudeSpinEdit, W::AmplitudeFeld);
    Bereich(ui->FktSchritteSpinEdit, W::FktSchritteFeld);
    Bereich(ui->RotSchritteSpinEdit, W::RotSchritteFeld);
    Bereich(ui->SchwingungSchritteSpinEdit, W::SchwingungSchritteFeld);
    Bereich(ui->ZeitSchritteSpinEdit, W::ZeitSchritteFeld);
    const tStehendeKreisWelleEinstellungen& e = modell_.Einstellungen();
    ui->OrdnungSpinEdit->setValue(e.Ordnung);
    ui->AmplitudeSpinEdit->setValue(e.AmplitudeWert);
    ui->FktSchritteSpinEdit->setValue(e.FktSchritte);
    ui->RotSchritteSpinEdit->setValue(e.RotSchritte);
    ui->SchwingungSchritteSpinEdit->setValue(e.SchwingungSchritte);
    ui->ZeitSchritteSpinEdit->setValue(e.ZeitSchritte);

    SchrittKnoepfe(ui->Fkt10SchritteSpinButtonUp, ui->Fkt10SchritteSpinButtonDown, ui->FktSchritteSpinEdit,
                   ZehnSchritte);
    SchrittKnoepfe(ui->Rot10SchritteSpinButtonUp, ui->Rot10SchritteSpinButtonDown, ui->RotSchritteSpinEdit,
                   ZehnSchritte);
    SchrittKnoepfe(ui->Zeit10SchritteSpinButtonUp, ui->Zeit10SchritteSpinButtonDown, ui->ZeitSchritteSpinEdit,
                   ZehnSchritte);

    // Closing only switches the picture off: "Schwingung" stays chosen and keeps swinging.
    SchliessenSetzen({ui->StehendeWelleCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TStehendeKreisWelleForm::~TStehendeKreisWelleForm() = default;

void TStehendeKreisWelleForm::DatenAenderungClick()
{
    tStehendeKreisWelleEinstellungen e;
    e.StehendeWelle = ui->StehendeWelleCheckBox->isChecked();
    e.Traeger = ui->EbenRadioButton->isChecked() ? tWellenTraeger::Eben : tWellenTraeger::Linear;
    e.Ende = ui->OffenesEndeRadioButton->isChecked() ? tWellenEnde::Offen : tWellenEnde::Fest;
    e.Anzeige = ui->SchwingungRadioButton->isChecked()     ? tWellenAnzeige::Schwingung
                : ui->EinhuellendeRadioButton->isChecked() ? tWellenAnzeige::Einhuellende
                                                           : tWellenAnzeige::Funktion;
    e.Ordnung = ui->OrdnungSpinEdit->WertImBereich();
    e.AmplitudeWert = ui->AmplitudeSpinEdit->WertImBereich();
    e.FunktionsGitter = ui->FunktionsGitterCheckBox->isChecked();
    e.RotationsGitter = ui->RotationsGitterCheckBox->isChecked();
    e.FunktionsFlaeche = ui->FunktionsFlaecheCheckBox->isChecked();
    e.FktSchritte = ui->FktSchritteSpinEdit->WertImBereich();
    e.RotSchritte = ui->RotSchritteSpinEdit->WertImBereich();
    e.SchwingungSchritte = ui->SchwingungSchritteSpinEdit->WertImBereich();
    e.ZeitSchritte = ui->ZeitSchritteSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    timer_->Schalten(e.Anzeige == tWellenAnzeige::Schwingung);
    Zeichnen();
}

void TStehendeKreisWelleForm::SchwingungTimerTimer()
{
    // The picture of this step first, then the step on to the next.
    Zeichnen();
    modell_.Takt();
}

}  // namespace orbisto
