#include "windows/scenes/physics/sonneerdemond_form.h"

#include "scenes/physics/sonneerdemond.h"
#include "ui_sonneerdemond_form.h"
#include "widgets/spinedit_widget.h"
#include "widgets/szenentimer.h"

namespace orbisto {

TSonneErdeMondForm::TSonneErdeMondForm(const SzenenUmgebung& umgebung, TSonneErdeMond& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TSonneErdeMondForm>()), modell_(modell),
      timer_(new TSzenenTimer(
          this, QStringLiteral("SEMTimer"), [this] { return modell_.TimerIntervall(); }, [this] { SEMTimerTimer(); }))
{
    ui->setupUi(this);
    Bereich(ui->SEMIntervalSpinEdit, TSonneErdeMond::IntervallFeld);
    ui->SEMIntervalSpinEdit->setValue(TSonneErdeMond::IntervallFeld.Start);

    // The controls' start state into the model, the angles to 0 and the timer to its
    // interval; nothing is drawn.
    modell_.Reset();
    modell_.EinstellungenAendern(Lesen());
    timer_->Schalten(false);

    Verbinden(ui->SEMEinzelschrittButton, &QPushButton::clicked, [this] { SEMTimerTimer(); });
    Verbinden(ui->SEMResetButton, &QPushButton::clicked, [this] { SEMResetButtonClick(); });
    Verbinden(ui->SEMIntervalSpinEdit, &TSpinEdit::Change, [this] { SEMIntervalSpinEditChange(); });
    SchalterVerbinden();
}

TSonneErdeMondForm::~TSonneErdeMondForm()
{
    // Handlers would redraw into a main window that is going away: clear the boxes
    // quietly and tell the model directly.
    const Ausfuellen still(*this);
    timer_->stop();
    for (QCheckBox* box : {ui->SonneCheckBox, ui->ErdeCheckBox, ui->MondCheckBox, ui->SEMRotationCheckBox})
        box->setChecked(false);
    tSonneErdeMondEinstellungen e = modell_.Einstellungen();
    e.Sonne = e.Erde = e.Mond = e.RotationDauerhaft = false;
    modell_.EinstellungenAendern(e);
}

tSonneErdeMondEinstellungen TSonneErdeMondForm::Lesen() const
{
    tSonneErdeMondEinstellungen e;
    e.Sonne = ui->SonneCheckBox->isChecked();
    e.Erde = ui->ErdeCheckBox->isChecked();
    e.Mond = ui->MondCheckBox->isChecked();
    e.RotationDauerhaft = ui->SEMRotationCheckBox->isChecked();
    e.Intervall = ui->SEMIntervalSpinEdit->WertImBereich();
    return e;
}

void TSonneErdeMondForm::DatenAenderungClick()
{
    const tSonneErdeMondEinstellungen e = Lesen();
    modell_.EinstellungenAendern(e);  // throws before anything changes
    timer_->Schalten(e.RotationDauerhaft);
    Zeichnen();
}

void TSonneErdeMondForm::SEMIntervalSpinEditChange()
{
    const tSonneErdeMondEinstellungen e = Lesen();
    modell_.EinstellungenAendern(e);
    // A running rotation takes the new interval at once.
    timer_->Schalten(e.RotationDauerhaft);
}

void TSonneErdeMondForm::SEMTimerTimer()
{
    modell_.Schritt();
    Zeichnen();
}

void TSonneErdeMondForm::SEMResetButtonClick()
{
    modell_.Reset();
    Zeichnen();
}

}  // namespace orbisto
