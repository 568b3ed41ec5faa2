#include "windows/scenes/math/lineareabh_form.h"

#include "scenes/math/lineareabh.h"
#include "ui_lineareabh_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

namespace {

tVektor3 Punkt(const tGanzVektor& v) { return {double(v[0]), double(v[1]), double(v[2])}; }

// The spin edits hand the model whole numbers within their range only.
tGanzVektor Ganz(const tVektor3& v)
{
    return {static_cast<long long>(v.x), static_cast<long long>(v.y), static_cast<long long>(v.z)};
}

}  // namespace

TLineareAbhForm::TLineareAbhForm(const SzenenUmgebung& umgebung, TLineareAbh& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TLineareAbhForm>()), modell_(modell)
{
    ui->setupUi(this);

    Bereich(V1Felder(), TLineareAbh::V1Feld);
    Bereich(V2Felder(), TLineareAbh::V2Feld);
    Bereich(V3Felder(), TLineareAbh::V3Feld);
    Bereich(ui->FaktorASpinEdit, TLineareAbh::FaktorAFeld);
    Bereich(ui->FaktorBSpinEdit, TLineareAbh::FaktorBFeld);
    Bereich(ui->EbeneFaktorSpinEdit, TLineareAbh::EbeneFaktorFeld);
    {
        // The controls show the model's settings before anything is wired.
        const tLineareAbhEinstellungen& e = modell_.Einstellungen();
        ui->DarstellungCheckBox->setChecked(e.Darstellung);
        ui->EbeneCheckBox->setChecked(e.Ebene);
        ui->V1CheckBox->setChecked(e.V1Zeigen);
        ui->V2CheckBox->setChecked(e.V2Zeigen);
        ui->V3CheckBox->setChecked(e.V3Zeigen);
        ui->VLKCheckBox->setChecked(e.VLK);
        V1Felder().Setzen(Punkt(e.V1));
        V2Felder().Setzen(Punkt(e.V2));
        V3Felder().Setzen(Punkt(e.V3));
        ui->FaktorASpinEdit->setValue(e.FaktorA);
        ui->FaktorBSpinEdit->setValue(e.FaktorB);
        ui->EbeneFaktorSpinEdit->setValue(e.EbeneFaktor);
    }

    BeispielKnoepfe({ui->Beispiel1Button, ui->Beispiel2Button, ui->Beispiel3Button},
                    [this](int nr) { BeispielLaden(nr); });
    SchliessenSetzen({ui->DarstellungCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TLineareAbhForm::~TLineareAbhForm() = default;

tVektorFelder TLineareAbhForm::V1Felder() const { return {ui->V1xSpinEdit, ui->V1ySpinEdit, ui->V1zSpinEdit}; }
tVektorFelder TLineareAbhForm::V2Felder() const { return {ui->V2xSpinEdit, ui->V2ySpinEdit, ui->V2zSpinEdit}; }
tVektorFelder TLineareAbhForm::V3Felder() const { return {ui->V3xSpinEdit, ui->V3ySpinEdit, ui->V3zSpinEdit}; }

void TLineareAbhForm::BeispielLaden(int nr)
{
    // One change for the whole example: the handler runs once afterwards, not per field.
    const TLineareAbh::tBeispiel& b = TLineareAbh::Beispiel(nr);
    Ausfuellen guard(*this);
    V1Felder().Setzen(Punkt(b.V1));
    V2Felder().Setzen(Punkt(b.V2));
    V3Felder().Setzen(Punkt(b.V3));
    ui->FaktorASpinEdit->setValue(1);
    ui->FaktorBSpinEdit->setValue(1);
}

void TLineareAbhForm::DatenAenderungClick()
{
    tLineareAbhEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.Ebene = ui->EbeneCheckBox->isChecked();
    e.V1Zeigen = ui->V1CheckBox->isChecked();
    e.V2Zeigen = ui->V2CheckBox->isChecked();
    e.V3Zeigen = ui->V3CheckBox->isChecked();
    e.VLK = ui->VLKCheckBox->isChecked();
    e.V1 = Ganz(V1Felder().Lesen());
    e.V2 = Ganz(V2Felder().Lesen());
    e.V3 = Ganz(V3Felder().Lesen());
    e.FaktorA = ui->FaktorASpinEdit->WertImBereich();
    e.FaktorB = ui->FaktorBSpinEdit->WertImBereich();
    e.EbeneFaktor = ui->EbeneFaktorSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    const auto texte = modell_.LinearkombinationTexte();
    ui->VLKxEdit->setText(QString::fromStdString(texte[0]));
    ui->VLKyEdit->setText(QString::fromStdString(texte[1]));
    ui->VLKzEdit->setText(QString::fromStdString(texte[2]));
    Zeichnen();
}

}  // namespace orbisto
