#include "scenes/physics/ebenewellen_form.h"

#include "app/autorepeatbutton_widget.h"
#include "app/meldungen.h"
#include "app/spinedit_widget.h"
#include "scenes/physics/ebenewellen.h"
#include "ui_ebenewellen_form.h"
#include "view/spinknopfglyphen.h"
#include "view/steuerglyphen.h"

#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace orbisto {

namespace {

// The number a spin edit stands for: a typed number outside the range counts as the
// nearest allowed one, as the field will show once it is left.
int Wert(const TSpinEdit* feld) { return std::clamp(feld->Value(), feld->MinValue(), feld->MaxValue()); }

}  // namespace

TEbeneWellenForm::TEbeneWellenForm(const SzenenUmgebung& umgebung, TEbeneWellen& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TEbeneWellenForm>()), modell_(modell), timer_(new QTimer(this))
{
    ui->setupUi(this);
    resize(374, 474);
    // It has no effect anywhere.
    ui->WAHyperbelCheckBox->hide();

    timer_->setObjectName(QStringLiteral("WellenBewegungTimer"));
    connect(timer_, &QTimer::timeout, this, [this] { FehlerAbfangen([this] { WellenBewegungTimerTimer(); }); });
    connect(ui->WellenBewegungResetButton, &QPushButton::clicked, this,
            [this] { FehlerAbfangen([this] { WellenBewegungResetButtonClick(); }); });
    ui->WFalleSpinButtonUp->setIcon(GlyphIcon(EinsHoeher));
    ui->WFalleSpinButtonDown->setIcon(GlyphIcon(EinsTiefer));
    ui->WFalleSpinButtonUp->setOnClick([this] { FehlerAbfangen([this] { WFalleSpinButtonUpClick(); }); });
    ui->WFalleSpinButtonDown->setOnClick([this] { FehlerAbfangen([this] { WFalleSpinButtonDownClick(); }); });

    HauptschalterSetzen(ui->DarstellungCheckBox);
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
    e.WAxpos = Wert(ui->WAxposSpinEdit);
    e.WAypos = Wert(ui->WAyposSpinEdit);
    e.WAErreger = ui->WAErregerCheckBox->isChecked();
    e.WAErregerBereich = ui->WAErregerBereichCheckBox->isChecked();
    e.WA1Oszillator = ui->WA1OszillatorCheckBox->isChecked();
    e.WA1OszillatorBereich = ui->WA1OszillatorBereichCheckBox->isChecked();
    e.WA2Oszillator = ui->WA2OszillatorCheckBox->isChecked();
    e.WA2OszillatorBereich = ui->WA2OszillatorBereichCheckBox->isChecked();
    e.Feld = {Wert(ui->WFxminSpinEdit), Wert(ui->WFxmaxSpinEdit), Wert(ui->WFyminSpinEdit), Wert(ui->WFymaxSpinEdit)};
    e.WellenGitter = ui->WellenGitterCheckBox->isChecked();
    e.WellenFlaeche = ui->WellenFlaecheCheckBox->isChecked();
    e.Periodendauer = Wert(ui->WellenDatenPeriodendauerSpinEdit);
    e.PeriodendauerSchritte = Wert(ui->WellenDatenPeriodendauerSchritteSpinEdit);
    e.Wellenlaenge = Wert(ui->WellenDatenWellenlaengeSpinEdit);
    e.WellenlaengeSchritte = Wert(ui->WellenDatenWellenlaengeSchritteSpinEdit);
    e.AmplitudeMm = Wert(ui->WellenDatenAmplitudeSpinEdit);
    modell_.EinstellungenAendern(e);  // throws before anything changes

    // Setting the interval of a running timer starts its wait anew, so only a new interval
    // is set: a change elsewhere does not hold the wave up.
    if (timer_->interval() != modell_.TimerIntervall())
        timer_->setInterval(modell_.TimerIntervall());
    if (!e.Bewegung)
        timer_->stop();
    else if (!timer_->isActive())
        timer_->start();
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
    // The four fields change together and the picture follows once.
    {
        const QSignalBlocker a(ui->WFxminSpinEdit), b(ui->WFxmaxSpinEdit), c(ui->WFyminSpinEdit), d(ui->WFymaxSpinEdit);
        ui->WFxminSpinEdit->setValue(feld.xmin);
        ui->WFxmaxSpinEdit->setValue(feld.xmax);
        ui->WFyminSpinEdit->setValue(feld.ymin);
        ui->WFymaxSpinEdit->setValue(feld.ymax);
    }
    DatenAenderungClick();
}

void TEbeneWellenForm::WFalleSpinButtonUpClick() { FeldSetzen(TEbeneWellen::FeldWeiter(modell_.Einstellungen().Feld)); }

void TEbeneWellenForm::WFalleSpinButtonDownClick()
{
    FeldSetzen(TEbeneWellen::FeldEnger(modell_.Einstellungen().Feld));
}

}  // namespace orbisto
