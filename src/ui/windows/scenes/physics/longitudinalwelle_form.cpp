#include "windows/scenes/physics/longitudinalwelle_form.h"

#include "scenes/physics/longitudinalwelle.h"
#include "ui_longitudinalwelle_form.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "widgets/szenentimer.h"

#include <QSizePolicy>

namespace orbisto {

namespace {

// How far one click of an up/down pair moves its field.
constexpr int ZehnSchritte = 10;

}  // namespace

TLongitudinalWelleForm::TLongitudinalWelleForm(const SzenenUmgebung& umgebung, TLongitudinalWelle& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TLongitudinalWelleForm>()), modell_(modell),
      timer_(new TSzenenTimer(
          this, QStringLiteral("SchwingungTimer"), [this] { return modell_.TimerIntervall(); },
          [this] { SchwingungTimerTimer(); }))
{
    ui->setupUi(this);

    using W = TLongitudinalWelle;
    Bereich(ui->OrdnungSpinEdit, W::OrdnungFeld);
    Bereich(ui->AmplitudeSpinEdit, W::AmplitudeFeld);
    Bereich(ui->FktSchritteSpinEdit, W::FktSchritteFeld);
    Bereich(ui->SchwingungSchritteSpinEdit, W::SchwingungSchritteFeld);
    Bereich(ui->ZeitSchritteSpinEdit, W::ZeitSchritteFeld);
    const tLongitudinalWelleEinstellungen& e = modell_.Einstellungen();
    ui->OrdnungSpinEdit->setValue(e.Ordnung);
    ui->AmplitudeSpinEdit->setValue(e.AmplitudeWert);
    ui->FktSchritteSpinEdit->setValue(e.FktSchritte);
    ui->SchwingungSchritteSpinEdit->setValue(e.SchwingungSchritte);
    ui->ZeitSchritteSpinEdit->setValue(e.ZeitSchritte);

    SchrittKnoepfe(ui->Fkt10SchritteSpinButtonUp, ui->Fkt10SchritteSpinButtonDown, ui->FktSchritteSpinEdit,
                   ZehnSchritte);
    SchrittKnoepfe(ui->Zeit10SchritteSpinButtonUp, ui->Zeit10SchritteSpinButtonDown, ui->ZeitSchritteSpinEdit,
                   ZehnSchritte);

    // The ends' panel keeps its place while hidden, so the controls beside it stay put when
    // "stehend" is chosen or left.
    QSizePolicy platz = ui->FOGPanel->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    ui->FOGPanel->setSizePolicy(platz);
    ui->FOGPanel->hide();

    // Closing only switches the picture off: the mode stays and a running wave goes on.
    SchliessenSetzen({ui->LongitudinalWelleCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TLongitudinalWelleForm::~TLongitudinalWelleForm() = default;

void TLongitudinalWelleForm::DatenAenderungClick()
{
    tLongitudinalWelleEinstellungen e;
    e.LongitudinalWelle = ui->LongitudinalWelleCheckBox->isChecked();
    e.Modus = ui->StehendRadioButton->isChecked()                   ? tLongitudinalModus::Stehend
              : ui->FortschreitendUnendlichRadioButton->isChecked() ? tLongitudinalModus::FortschreitendUnendlich
              : ui->FortschreitendEndlichRadioButton->isChecked()   ? tLongitudinalModus::FortschreitendEndlich
                                                                    : tLongitudinalModus::Ruhend;
    e.Enden = ui->OffenesEndeRadioButton->isChecked()      ? tLongitudinalEnden::Offen
              : ui->GemischtesEndeRadioButton->isChecked() ? tLongitudinalEnden::Gemischt
                                                           : tLongitudinalEnden::Fest;
    e.Ordnung = ui->OrdnungSpinEdit->WertImBereich();
    e.AmplitudeWert = ui->AmplitudeSpinEdit->WertImBereich();
    e.FktSchritte = ui->FktSchritteSpinEdit->WertImBereich();
    e.SchwingungSchritte = ui->SchwingungSchritteSpinEdit->WertImBereich();
    e.ZeitSchritte = ui->ZeitSchritteSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    ui->FOGPanel->setVisible(e.Modus == tLongitudinalModus::Stehend);
    timer_->Schalten(modell_.Bewegt());
    Zeichnen();
}

void TLongitudinalWelleForm::SchwingungTimerTimer()
{
    // The picture of this step first, then the step on to the next.
    Zeichnen();
    modell_.Takt();
}

}  // namespace orbisto
