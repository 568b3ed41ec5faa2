#include "windows/scenes/physics/potentialtopf_form.h"

#include "scenes/physics/potentialtopf.h"
#include "ui_potentialtopf_form.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

namespace {

// How far one click of an up/down pair beside a step field moves it.
constexpr int ZehnSchritte = 10;

}  // namespace

TPotentialtopfForm::TPotentialtopfForm(const SzenenUmgebung& umgebung, TPotentialtopf& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TPotentialtopfForm>()), modell_(modell)
{
    ui->setupUi(this);
    // Hidden by the dimension, the y and z quantum numbers keep their room: nothing moves.
    for (QWidget* w : std::initializer_list<QWidget*>{ui->nyLabel, ui->nySpinEdit, ui->nzLabel, ui->nzSpinEdit}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }

    using P = TPotentialtopf;
    Bereich(ui->TopfbreiteSpinEdit, P::TopfbreiteFeld);
    Bereich(ui->nxSpinEdit, P::NxFeld);
    Bereich(ui->nySpinEdit, P::NyFeld);
    Bereich(ui->nzSpinEdit, P::NzFeld);
    Bereich(ui->FktSchritteSpinEdit, P::FktSchritteFeld);
    Bereich(ui->FktAmplitudeSpinEdit, P::FktAmplitudeFeld);
    Bereich(ui->KugelSchritteSpinEdit, P::KugelSchritteFeld);
    Bereich(ui->KugelRadiusSpinEdit, P::KugelRadiusFeld);
    // Room for the largest count, the most steps in 3D, so the window keeps its width while
    // the count changes.
    const QString laengster =
        QString::fromStdString(P::AnzahlKugelnText(tDimension::Raeumlich, P::KugelSchritteFeld.Max));
    ui->AnzahlKugelnLabel->setMinimumWidth(ui->AnzahlKugelnLabel->fontMetrics().horizontalAdvance(laengster));
    const tPotentialtopfEinstellungen& e = modell_.Einstellungen();
    ui->TopfbreiteSpinEdit->setValue(e.Topfbreite);
    ui->nxSpinEdit->setValue(e.nx);
    ui->nySpinEdit->setValue(e.ny);
    ui->nzSpinEdit->setValue(e.nz);
    ui->FktSchritteSpinEdit->setValue(e.FktSchritte);
    ui->FktAmplitudeSpinEdit->setValue(e.FktAmplitude);
    ui->KugelSchritteSpinEdit->setValue(e.KugelSchritte);
    ui->KugelRadiusSpinEdit->setValue(e.KugelRadius);

    SchrittKnoepfe(ui->Fkt10SchritteSpinButtonUp, ui->Fkt10SchritteSpinButtonDown, ui->FktSchritteSpinEdit,
                   ZehnSchritte);
    SchrittKnoepfe(ui->Kugel10SchritteSpinButtonUp, ui->Kugel10SchritteSpinButtonDown, ui->KugelSchritteSpinEdit,
                   ZehnSchritte);

    SchliessenSetzen({ui->PotentialtopfCheckBox});
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
    e.Topfbreite = ui->TopfbreiteSpinEdit->WertImBereich();
    // Hidden quantum numbers count too: they come back when the dimension shows them again.
    e.nx = ui->nxSpinEdit->WertImBereich();
    e.ny = ui->nySpinEdit->WertImBereich();
    e.nz = ui->nzSpinEdit->WertImBereich();
    e.Welle = ui->WelleCheckBox->isChecked();
    e.Wahrscheinlichkeit = ui->WahrscheinlichkeitCheckBox->isChecked();
    e.FktSchritte = ui->FktSchritteSpinEdit->WertImBereich();
    e.FktAmplitude = ui->FktAmplitudeSpinEdit->WertImBereich();
    e.Kugeln = ui->KugelCheckBox->isChecked();
    e.KugelSchritte = ui->KugelSchritteSpinEdit->WertImBereich();
    e.KugelRadius = ui->KugelRadiusSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    ui->AnzahlKugelnLabel->setText(QString::fromStdString(modell_.AnzahlKugelnText()));
    Zeichnen();
}

}  // namespace orbisto
