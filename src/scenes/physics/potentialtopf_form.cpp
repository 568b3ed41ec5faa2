#include "scenes/physics/potentialtopf_form.h"

#include "app/meldungen.h"
#include "scenes/physics/potentialtopf.h"
#include "ui_potentialtopf_form.h"
#include "view/spinknopfglyphen.h"
#include "view/steuerglyphen.h"

namespace orbisto {

namespace {

// How far one click of an up/down pair beside a step field moves it.
constexpr int ZehnSchritte = 10;

}  // namespace

TPotentialtopfForm::TPotentialtopfForm(const SzenenUmgebung& umgebung, TPotentialtopf& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TPotentialtopfForm>()), modell_(modell)
{
    ui->setupUi(this);
    resize(374, 261);

    const struct {
        TRxSpeedButton *hoeher, *tiefer;
        TSpinEdit* feld;
    } paare[] = {
        {ui->Fkt10SchritteSpinButtonUp, ui->Fkt10SchritteSpinButtonDown, ui->FktSchritteSpinEdit},
        {ui->Kugel10SchritteSpinButtonUp, ui->Kugel10SchritteSpinButtonDown, ui->KugelSchritteSpinEdit},
    };
    for (const auto& p : paare) {
        p.hoeher->setIcon(GlyphIcon(EinsHoeher));
        p.tiefer->setIcon(GlyphIcon(EinsTiefer));
        TSpinEdit* feld = p.feld;
        p.hoeher->setOnClick([this, feld] { SpinButtonClick(feld, ZehnSchritte); });
        p.tiefer->setOnClick([this, feld] { SpinButtonClick(feld, -ZehnSchritte); });
    }

    HauptschalterSetzen(ui->PotentialtopfCheckBox);
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TPotentialtopfForm::~TPotentialtopfForm() = default;

void TPotentialtopfForm::DatenAenderungClick()
{
    tPotentialtopfEinstellungen e;
    e.Potentialtopf = ui->PotentialtopfCheckBox->isChecked();
    e.Dimension = ui->RaumRadioButton->isChecked()   ? tDimension::Raeumlich
                  : ui->EbenRadioButton->isChecked() ? tDimension::Eben
                                                     : tDimension::Linear;
    const bool mitY = e.Dimension != tDimension::Linear, mitZ = e.Dimension == tDimension::Raeumlich;
    ui->nySpinEdit->setVisible(mitY);
    ui->nyLabel->setVisible(mitY);
    ui->nzSpinEdit->setVisible(mitZ);
    ui->nzLabel->setVisible(mitZ);

    e.Bereich = ui->BereichCheckBox->isChecked();
    e.Topfbreite = ui->TopfbreiteSpinEdit->Value();
    // Hidden quantum numbers count too: they come back when the dimension shows them again.
    e.nx = ui->nxSpinEdit->Value();
    e.ny = ui->nySpinEdit->Value();
    e.nz = ui->nzSpinEdit->Value();
    e.Welle = ui->WelleCheckBox->isChecked();
    e.Wahrscheinlichkeit = ui->WahrscheinlichkeitCheckBox->isChecked();
    e.FktSchritte = ui->FktSchritteSpinEdit->Value();
    e.FktAmplitude = ui->FktAmplitudeSpinEdit->Value();
    e.Kugeln = ui->KugelCheckBox->isChecked();
    e.KugelSchritte = ui->KugelSchritteSpinEdit->Value();
    e.KugelRadius = ui->KugelRadiusSpinEdit->Value();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    ui->AnzahlKugelnLabel->setText(QString::fromStdString(modell_.AnzahlKugelnText()));
    Zeichnen();
}

void TPotentialtopfForm::SpinButtonClick(TSpinEdit* feld, int schritt)
{
    feld->setValue(feld->Value() + schritt);
    Zeichnen();
}

}  // namespace orbisto
