#include "scenes/math/vektorgerade_form.h"

#include "scenes/math/vektorgerade.h"
#include "ui_vektorgerade_form.h"

namespace orbisto {

namespace {

void VektorSetzen(TSpinEdit* x, TSpinEdit* y, TSpinEdit* z, tVektor3 v)
{
    x->setValue(static_cast<int>(v.x));
    y->setValue(static_cast<int>(v.y));
    z->setValue(static_cast<int>(v.z));
}

tVektor3 VektorLesen(const TSpinEdit* x, const TSpinEdit* y, const TSpinEdit* z)
{
    return {double(x->Value()), double(y->Value()), double(z->Value())};
}

}  // namespace

TVektorGeradeForm::TVektorGeradeForm(const SzenenUmgebung& umgebung, TVektorGerade& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorGeradeForm>()), modell_(modell)
{
    ui->setupUi(this);
    resize(459, 208);

    // The start values, before the controls are wired; the handler then runs once and
    // brings model, result texts and picture in line with them.
    constexpr tVektorGeradeEinstellungen start = TVektorGerade::Startwerte;
    VektorSetzen(ui->SxSpinEdit, ui->SySpinEdit, ui->SzSpinEdit, start.Stuetzpunkt);
    VektorSetzen(ui->RxSpinEdit, ui->RySpinEdit, ui->RzSpinEdit, start.Richtungsvektor);
    ui->ParameterSpinEdit->setValue(static_cast<int>(start.Parameterwert));

    HauptschalterSetzen(ui->GeradeCheckBox);
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorGeradeForm::~TVektorGeradeForm() = default;

void TVektorGeradeForm::DatenAenderungClick()
{
    tVektorGeradeEinstellungen e;
    e.Gerade = ui->GeradeCheckBox->isChecked();
    e.OrtsVektor = ui->OrtsVektorCheckBox->isChecked();
    e.StuetzpunktVektor = ui->StuetzpunktVektorCheckBox->isChecked();
    e.RichtungsVektor = ui->RichtungsVektorCheckBox->isChecked();
    e.VieleOrtsvektoren = ui->VieleOrtsvektorenCheckBox->isChecked();
    e.Stuetzpunkt = VektorLesen(ui->SxSpinEdit, ui->SySpinEdit, ui->SzSpinEdit);
    e.Richtungsvektor = VektorLesen(ui->RxSpinEdit, ui->RySpinEdit, ui->RzSpinEdit);
    e.Parameterwert = ui->ParameterSpinEdit->Value();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    const auto texte = modell_.OrtTexte();
    ui->OxEdit->setText(QString::fromStdString(texte[0]));
    ui->OyEdit->setText(QString::fromStdString(texte[1]));
    ui->OzEdit->setText(QString::fromStdString(texte[2]));
    Zeichnen();
}

}  // namespace orbisto
