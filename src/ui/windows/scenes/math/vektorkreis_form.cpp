#include "windows/scenes/math/vektorkreis_form.h"

#include "scenes/math/vektorkreis.h"
#include "ui_vektorkreis_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

TVektorKreisForm::TVektorKreisForm(const SzenenUmgebung& umgebung, TVektorKreis& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorKreisForm>()), modell_(modell)
{
    ui->setupUi(this);

    // Ranges and the model's settings, before the controls are wired; the handler then runs
    // once and brings model and picture in line with them.
    Bereich(ui->KreisRadiusSpinEdit, TVektorKreis::RadiusFeld);
    Bereich(ui->PunktGradSpinEdit, TVektorKreis::GradFeld);
    Bereich(Mittelpunkt(), TVektorKreis::MittelpunktFeld);
    const tVektorKreisEinstellungen& start = modell_.Einstellungen();
    ui->KreislinieCheckBox->setChecked(start.Kreislinie);
    ui->MittelpunktVektorCheckBox->setChecked(start.MittelpunktVektor);
    ui->PunktCheckBox->setChecked(start.Punkt);
    ui->OrtsVektorCheckBox->setChecked(start.OrtsVektor);
    ui->DifferenzVektorCheckBox->setChecked(start.DifferenzVektor);
    ui->VieleOrtsvektorenCheckBox->setChecked(start.VieleOrtsvektoren);
    ui->VieleDifferenzvektorenCheckBox->setChecked(start.VieleDifferenzvektoren);
    ui->KreisflaecheCheckBox->setChecked(start.Kreisflaeche);
    ui->TangenteCheckBox->setChecked(start.Tangente);
    ui->KreisRadiusSpinEdit->setValue(start.Werte.Radius);
    ui->PunktGradSpinEdit->setValue(start.Werte.PunktGrad);
    Mittelpunkt().Setzen(start.Werte.Mittelpunkt);

    Verbinden(ui->BeispielButton, &QPushButton::clicked,
              [this] { KreisLaden(TVektorKreis::Beispiel.Radius, TVektorKreis::Beispiel.Mittelpunkt); });
    Verbinden(ui->LoeschenButton, &QPushButton::clicked,
              [this] { KreisLaden(TVektorKreis::Geloescht.Radius, TVektorKreis::Geloescht.Mittelpunkt); });
    SchliessenSetzen({ui->KreislinieCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorKreisForm::~TVektorKreisForm() = default;

tVektorFelder TVektorKreisForm::Mittelpunkt() const { return {ui->MxSpinEdit, ui->MySpinEdit, ui->MzSpinEdit}; }

QStringList TVektorKreisForm::KreisTexte() const
{
    return {ui->KreisRadiusSpinEdit->text(), ui->MxSpinEdit->text(), ui->MySpinEdit->text(), ui->MzSpinEdit->text()};
}

void TVektorKreisForm::KreisLaden(int radius, const tVektor3& mittelpunkt)
{
    // Each field that changes would run the handler to the same end; it runs once after,
    // and not at all when no field changed.
    const QStringList vorher = KreisTexte();
    {
        Ausfuellen guard(*this);
        ui->KreisRadiusSpinEdit->setValue(radius);
        Mittelpunkt().Setzen(mittelpunkt);
    }
    if (KreisTexte() != vorher)
        DatenAenderungClick();
}

void TVektorKreisForm::DatenAenderungClick()
{
    tVektorKreisEinstellungen e;
    e.Kreislinie = ui->KreislinieCheckBox->isChecked();
    e.MittelpunktVektor = ui->MittelpunktVektorCheckBox->isChecked();
    e.Punkt = ui->PunktCheckBox->isChecked();
    e.OrtsVektor = ui->OrtsVektorCheckBox->isChecked();
    e.DifferenzVektor = ui->DifferenzVektorCheckBox->isChecked();
    e.VieleOrtsvektoren = ui->VieleOrtsvektorenCheckBox->isChecked();
    e.VieleDifferenzvektoren = ui->VieleDifferenzvektorenCheckBox->isChecked();
    e.Kreisflaeche = ui->KreisflaecheCheckBox->isChecked();
    e.Tangente = ui->TangenteCheckBox->isChecked();
    e.Werte.PunktGrad = ui->PunktGradSpinEdit->WertImBereich();
    e.Werte.Radius = ui->KreisRadiusSpinEdit->WertImBereich();
    e.Werte.Mittelpunkt = Mittelpunkt().Lesen();
    modell_.EinstellungenAendern(e);  // throws before anything changes
    Zeichnen();
}

}  // namespace orbisto
