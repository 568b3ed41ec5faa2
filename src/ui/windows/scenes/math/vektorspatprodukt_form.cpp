#include "windows/scenes/math/vektorspatprodukt_form.h"

#include "scenes/math/vektorspatprodukt.h"
#include "ui_vektorspatprodukt_form.h"
#include "widgets/spinedit_widget.h"

#include <utility>

namespace orbisto {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TVektorSpatproduktForm::TVektorSpatproduktForm(const SzenenUmgebung& umgebung, TVektorSpatprodukt& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorSpatproduktForm>()), modell_(modell)
{
    ui->setupUi(this);

    // The greys of the three arrows.
    ui->V1CheckBox->setStyleSheet(QStringLiteral("color: rgb(50, 50, 50);"));
    ui->V2CheckBox->setStyleSheet(QStringLiteral("color: rgb(100, 100, 100);"));
    ui->V3CheckBox->setStyleSheet(QStringLiteral("color: rgb(150, 150, 150);"));

    Bereich(V1Felder(), TVektorSpatprodukt::V1Feld);
    Bereich(V2Felder(), TVektorSpatprodukt::V2Feld);
    Bereich(V3Felder(), TVektorSpatprodukt::V3Feld);
    {
        // The controls show the model's settings before anything is wired.
        const tVektorSpatproduktEinstellungen& e = modell_.Einstellungen();
        ui->DarstellungCheckBox->setChecked(e.Darstellung);
        ui->V1CheckBox->setChecked(e.V1Zeigen);
        ui->V2CheckBox->setChecked(e.V2Zeigen);
        ui->V3CheckBox->setChecked(e.V3Zeigen);
        ui->SpatCheckBox->setChecked(e.Spat);
        ui->VektorproduktCheckBox->setChecked(e.Vektorprodukt);
        ui->HoehenVektorCheckBox->setChecked(e.HoehenVektor);
        ui->HoeheProjektionCheckBox->setChecked(e.HoeheProjektion);
        V1Felder().Setzen(e.V1);
        V2Felder().Setzen(e.V2);
        V3Felder().Setzen(e.V3);
    }

    BeispielKnoepfe({ui->Beispiel1Button, ui->Beispiel2Button, ui->Beispiel3Button},
                    [this](int nr) { BeispielLaden(nr); });
    SchliessenSetzen({ui->DarstellungCheckBox, ui->V1CheckBox, ui->V2CheckBox, ui->V3CheckBox, ui->SpatCheckBox,
                      ui->VektorproduktCheckBox, ui->HoehenVektorCheckBox, ui->HoeheProjektionCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorSpatproduktForm::~TVektorSpatproduktForm() = default;

tVektorFelder TVektorSpatproduktForm::V1Felder() const { return {ui->V1xSpinEdit, ui->V1ySpinEdit, ui->V1zSpinEdit}; }
tVektorFelder TVektorSpatproduktForm::V2Felder() const { return {ui->V2xSpinEdit, ui->V2ySpinEdit, ui->V2zSpinEdit}; }
tVektorFelder TVektorSpatproduktForm::V3Felder() const { return {ui->V3xSpinEdit, ui->V3ySpinEdit, ui->V3zSpinEdit}; }

void TVektorSpatproduktForm::BeispielLaden(int nr)
{
    // One change for the whole example: the handler runs once afterwards, not per field.
    const TVektorSpatprodukt::tBeispiel& b = TVektorSpatprodukt::Beispiel(nr);
    Ausfuellen guard(*this);
    V1Felder().Setzen(b.V1);
    V2Felder().Setzen(b.V2);
    V3Felder().Setzen(b.V3);
}

void TVektorSpatproduktForm::DatenAenderungClick()
{
    tVektorSpatproduktEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.V1Zeigen = ui->V1CheckBox->isChecked();
    e.V2Zeigen = ui->V2CheckBox->isChecked();
    e.V3Zeigen = ui->V3CheckBox->isChecked();
    e.Spat = ui->SpatCheckBox->isChecked();
    e.Vektorprodukt = ui->VektorproduktCheckBox->isChecked();
    e.HoehenVektor = ui->HoehenVektorCheckBox->isChecked();
    e.HoeheProjektion = ui->HoeheProjektionCheckBox->isChecked();
    e.V1 = V1Felder().Lesen();
    e.V2 = V2Felder().Lesen();
    e.V3 = V3Felder().Lesen();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    const TVektorSpatprodukt::tTexte t = modell_.Texte();
    ui->VPxEdit->setText(Text(t.Produkt[0]));
    ui->VPyEdit->setText(Text(t.Produkt[1]));
    ui->VPzEdit->setText(Text(t.Produkt[2]));
    ui->VektorproduktBetragLabel->setText(Text(t.ProduktBetrag));
    ui->SpatProduktErgebnisLabel->setText(Text(t.Spatprodukt));
    ui->SpatProduktBetragLabel->setText(Text(t.SpatBetrag));
    ui->VHxEdit->setText(Text(t.Hoehe[0]));
    ui->VHyEdit->setText(Text(t.Hoehe[1]));
    ui->VHzEdit->setText(Text(t.Hoehe[2]));
    ui->HoehenVektorBetragLabel->setText(Text(t.HoeheBetrag));
    Zeichnen();
}

}  // namespace orbisto
