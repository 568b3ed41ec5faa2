#include "windows/scenes/math/landung_form.h"

#include "scenes/math/landung.h"
#include "ui_landung_form.h"
#include "widgets/spinedit_widget.h"

#include <QScrollBar>

namespace orbisto {

TLandungForm::TLandungForm(const SzenenUmgebung& umgebung, TLandung& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TLandungForm>()), modell_(modell)
{
    ui->setupUi(this);

    // Ranges and the model's settings, before the controls are wired; the handler then runs
    // once and brings model, scroll bar and picture in line with them.
    Bereich(ui->WolkenSpinEdit, TLandung::WolkenFeld);
    QScrollBar* leiste = ui->PositionScrollBar;
    leiste->setRange(TLandung::PositionFeld.Min, TLandung::PositionFeld.Max);
    leiste->setSingleStep(TLandung::PositionFeld.Schritt);
    leiste->setPageStep(TLandung::PositionFeld.Schritt);
    const tLandungEinstellungen& start = modell_.Einstellungen();
    ui->DarstellungCheckBox->setChecked(start.Darstellung);
    ui->AnflugGeradeCheckBox->setChecked(start.AnflugGerade);
    ui->AnflugStreckeCheckBox->setChecked(start.AnflugStrecke);
    ui->SteigungCheckBox->setChecked(start.Steigung);
    ui->BeschriftungCheckBox->setChecked(start.Beschriftung);
    ui->RadarCheckBox->setChecked(start.Radar);
    ui->BodenCheckBox->setChecked(start.Boden);
    ui->LandebahnCheckBox->setChecked(start.Landebahn);
    ui->WolkenCheckBox->setChecked(start.Wolken);
    ui->FlugzeugCheckBox->setChecked(start.Flugzeug);
    ui->WolkenSpinEdit->setValue(static_cast<int>(start.Wolkenhoehe));
    leiste->setValue(start.Position);

    // The hidden scroll bar keeps its room, so the controls above it stay where they are.
    QSizePolicy politik = leiste->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    leiste->setSizePolicy(politik);

    // Closing switches the scene off; every other setting stays for the next opening.
    SchliessenSetzen({ui->DarstellungCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    LeisteVerbinden(leiste);
    DatenAenderungClick();
}

TLandungForm::~TLandungForm() = default;

void TLandungForm::DatenAenderungClick()
{
    tLandungEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.AnflugGerade = ui->AnflugGeradeCheckBox->isChecked();
    e.AnflugStrecke = ui->AnflugStreckeCheckBox->isChecked();
    e.Steigung = ui->SteigungCheckBox->isChecked();
    e.Beschriftung = ui->BeschriftungCheckBox->isChecked();
    e.Radar = ui->RadarCheckBox->isChecked();
    e.Boden = ui->BodenCheckBox->isChecked();
    e.Landebahn = ui->LandebahnCheckBox->isChecked();
    e.Wolken = ui->WolkenCheckBox->isChecked();
    e.Flugzeug = ui->FlugzeugCheckBox->isChecked();
    e.Wolkenhoehe = ui->WolkenSpinEdit->WertImBereich();
    e.Position = ui->PositionScrollBar->value();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    ui->PositionScrollBar->setVisible(e.Flugzeug);
    Zeichnen();
}

}  // namespace orbisto
