#include "windows/scenes/physics/ebenewellen_form.h"

#include "scenes/physics/ebenewellen.h"
#include "ui_ebenewellen_form.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/glyphpainter.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"
#include "widgets/spinknopfglyphen.h"
#include "widgets/szenentimer.h"

namespace orbisto {

TEbeneWellenForm::TEbeneWellenForm(const SzenenUmgebung& umgebung, TEbeneWellen& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TEbeneWellenForm>()), modell_(modell),
      timer_(new TSzenenTimer(
          this, QStringLiteral("WellenBewegungTimer"), [this] { return modell_.TimerIntervall(); },
          [this] { WellenBewegungTimerTimer(); }))
{
    ui->setupUi(this);
    // It has no effect anywhere.
    ui->WAHyperbelCheckBox->hide();

    using W = TEbeneWellen;
    Bereich(ui->WAxposSpinEdit, W::XposFeld);
    Bereich(ui->WAyposSpinEdit, W::YposFeld);
    Bereich(ui->WFxminSpinEdit, W::XminFeld);
    Bereich(ui->WFxmaxSpinEdit, W::XmaxFeld);
    Bereich(ui->WFyminSpinEdit, W::YminFeld);
    Bereich(ui->WFymaxSpinEdit, W::YmaxFeld);
    Bereich(ui->WellenDatenPeriodendauerSpinEdit, W::PeriodendauerFeld);
    Bereich(ui->WellenDatenPeriodendauerSchritteSpinEdit, W::PeriodendauerSchritteFeld);
    Bereich(ui->WellenDatenWellenlaengeSpinEdit, W::WellenlaengeFeld);
    Bereich(ui->WellenDatenWellenlaengeSchritteSpinEdit, W::WellenlaengeSchritteFeld);
    Bereich(ui->WellenDatenAmplitudeSpinEdit, W::AmplitudeFeld);
    const tEbeneWellenEinstellungen& e = modell_.Einstellungen();
    ui->WAxposSpinEdit->setValue(e.WAxpos);
    ui->WAyposSpinEdit->setValue(e.WAypos);
    FeldSetzen(e.Feld);
    ui->WellenDatenPeriodendauerSpinEdit->setValue(e.Periodendauer);
    ui->WellenDatenPeriodendauerSchritteSpinEdit->setValue(e.PeriodendauerSchritte);
    ui->WellenDatenWellenlaengeSpinEdit->setValue(e.Wellenlaenge);
    ui->WellenDatenWellenlaengeSchritteSpinEdit->setValue(e.WellenlaengeSchritte);
    ui->WellenDatenAmplitudeSpinEdit->setValue(e.AmplitudeMm);

    Verbinden(ui->WellenBewegungResetButton, &QPushButton::clicked, [this] { WellenBewegungResetButtonClick(); });
    ui->WFalleSpinButtonUp->setIcon(GlyphIcon(EinsHoeher));
    ui->WFalleSpinButtonDown->setIcon(GlyphIcon(EinsTiefer));
    ui->WFalleSpinButtonUp->setOnClick([this] { WFalleSpinButtonUpClick(); });
    ui->WFalleSpinButtonDown->setOnClick([this] { WFalleSpinButtonDownClick(); });

    // Closing only switches the picture off: a running wave goes on.
    SchliessenSetzen({ui->DarstellungCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TEbeneWellenForm::~TEbeneWellenForm() = default;

void TEbeneWellenForm::DatenAenderungClick()
{
    tEbeneWellenEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.Bewegung = ui->WellenBewegungCheckBox->isChecked();
    e.Anregung = ui->WAP1RadioButton->isChecked()        ? tWellenAnregung::P1
                 : ui->WAP2RadioButton->isChecked()      ? tWellenAnregung::P2
                 : ui->WAP1und2RadioButton->isChecked()  ? tWellenAnregung::P1und2
                 : ui->WAP1plus2RadioButton->isChecked() ? tWellenAnregung::P1plus2
                                                         : tWellenAnregung::Linear;
    e.WAxpos = ui->WAxposSpinEdit->WertImBereich();
    e.WAypos = ui->WAyposSpinEdit->WertImBereich();
    e.WAErreger = ui->WAErregerCheckBox->isChecked();
    e.WAErregerBereich = ui->WAErregerBereichCheckBox->isChecked();
    e.WA1Oszillator = ui->WA1OszillatorCheckBox->isChecked();
    e.WA1OszillatorBereich = ui->WA1OszillatorBereichCheckBox->isChecked();
    e.WA2Oszillator = ui->WA2OszillatorCheckBox->isChecked();
    e.WA2OszillatorBereich = ui->WA2OszillatorBereichCheckBox->isChecked();
    e.Feld = {ui->WFxminSpinEdit->WertImBereich(), ui->WFxmaxSpinEdit->WertImBereich(),
              ui->WFyminSpinEdit->WertImBereich(), ui->WFymaxSpinEdit->WertImBereich()};
    e.WellenGitter = ui->WellenGitterCheckBox->isChecked();
    e.WellenFlaeche = ui->WellenFlaecheCheckBox->isChecked();
    e.Periodendauer = ui->WellenDatenPeriodendauerSpinEdit->WertImBereich();
    e.PeriodendauerSchritte = ui->WellenDatenPeriodendauerSchritteSpinEdit->WertImBereich();
    e.Wellenlaenge = ui->WellenDatenWellenlaengeSpinEdit->WertImBereich();
    e.WellenlaengeSchritte = ui->WellenDatenWellenlaengeSchritteSpinEdit->WertImBereich();
    e.AmplitudeMm = ui->WellenDatenAmplitudeSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    timer_->Schalten(e.Bewegung);
    Zeichnen();
}

void TEbeneWellenForm::WellenBewegungTimerTimer()
{
    modell_.Takt();
    Zeichnen();
}

void TEbeneWellenForm::WellenBewegungResetButtonClick()
{
    modell_.Reset();
    Zeichnen();
}

void TEbeneWellenForm::FeldSetzen(const tWellenfeld& feld)
{
    // The four fields change together; the caller then runs the handler once.
    const Ausfuellen fuellen(*this);
    ui->WFxminSpinEdit->setValue(feld.xmin);
    ui->WFxmaxSpinEdit->setValue(feld.xmax);
    ui->WFyminSpinEdit->setValue(feld.ymin);
    ui->WFymaxSpinEdit->setValue(feld.ymax);
}

void TEbeneWellenForm::WFalleSpinButtonUpClick()
{
    FeldSetzen(TEbeneWellen::FeldWeiter(modell_.Einstellungen().Feld));
    DatenAenderungClick();
}

void TEbeneWellenForm::WFalleSpinButtonDownClick()
{
    FeldSetzen(TEbeneWellen::FeldEnger(modell_.Einstellungen().Feld));
    DatenAenderungClick();
}

}  // namespace orbisto
