#include "windows/scenes/math/vektorgerade_form.h"

#include "scenes/math/vektorgerade.h"
#include "ui_vektorgerade_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

TVektorGeradeForm::TVektorGeradeForm(const SzenenUmgebung& umgebung, TVektorGerade& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorGeradeForm>()), modell_(modell)
{
    ui->setupUi(this);

    // Ranges and start values, before the controls are wired; the handler then runs once
    // and brings model, result texts and picture in line with them.
    Bereich(Stuetzpunkt(), TVektorGerade::StuetzpunktFeld);
    Bereich(Richtung(), TVektorGerade::RichtungFeld);
    Bereich(ui->ParameterSpinEdit, TVektorGerade::ParameterFeld);
    const tVektorGeradeEinstellungen& start = modell_.Einstellungen();
    Stuetzpunkt().Setzen(start.Stuetzpunkt);
    Richtung().Setzen(start.Richtungsvektor);
    ui->ParameterSpinEdit->setValue(static_cast<int>(start.Parameterwert));

    SchliessenSetzen({ui->GeradeCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorGeradeForm::~TVektorGeradeForm() = default;

tVektorFelder TVektorGeradeForm::Stuetzpunkt() const { return {ui->SxSpinEdit, ui->SySpinEdit, ui->SzSpinEdit}; }

tVektorFelder TVektorGeradeForm::Richtung() const { return {ui->RxSpinEdit, ui->RySpinEdit, ui->RzSpinEdit}; }

void TVektorGeradeForm::DatenAenderungClick()
{
    tVektorGeradeEinstellungen e;
    e.Gerade = ui->GeradeCheckBox->isChecked();
    e.OrtsVektor = ui->OrtsVektorCheckBox->isChecked();
    e.StuetzpunktVektor = ui->StuetzpunktVektorCheckBox->isChecked();
    e.RichtungsVektor = ui->RichtungsVektorCheckBox->isChecked();
    e.VieleOrtsvektoren = ui->VieleOrtsvektorenCheckBox->isChecked();
    e.Stuetzpunkt = Stuetzpunkt().Lesen();
    e.Richtungsvektor = Richtung().Lesen();
    e.Parameterwert = ui->ParameterSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    const auto texte = modell_.OrtTexte();
    ui->OxEdit->setText(QString::fromStdString(texte[0]));
    ui->OyEdit->setText(QString::fromStdString(texte[1]));
    ui->OzEdit->setText(QString::fromStdString(texte[2]));
    Zeichnen();
}

}  // namespace orbisto
