#include "windows/scenes/math/vektorverknuepfung_form.h"

#include "scenes/math/vektorverknuepfung.h"
#include "ui_vektorverknuepfung_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

namespace {

void Anzeigen(QLineEdit* x, QLineEdit* y, QLineEdit* z, const std::array<std::string, 3>& texte)
{
    x->setText(QString::fromStdString(texte[0]));
    y->setText(QString::fromStdString(texte[1]));
    z->setText(QString::fromStdString(texte[2]));
}

void Anzeigen(QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); }

}  // namespace

TVektorVerknuepfungForm::TVektorVerknuepfungForm(const SzenenUmgebung& umgebung, TVektorVerknuepfung& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorVerknuepfungForm>()), modell_(modell)
{
    ui->setupUi(this);

    Bereich(V1Felder(), TVektorVerknuepfung::V1Feld);
    Bereich(V2Felder(), TVektorVerknuepfung::V2Feld);
    Bereich(ui->SMSpinEdit, TVektorVerknuepfung::SkalarFeld);
    {
        // The controls show the model's settings before anything is wired.
        const tVektorVerknuepfungEinstellungen& e = modell_.Einstellungen();
        const std::pair<QAbstractButton*, bool> schalter[] = {
            {ui->DarstellungCheckBox, e.Darstellung},
            {ui->V1CheckBox, e.V1Zeigen},
            {ui->V1QuaderCheckBox, e.V1Quader},
            {ui->V2CheckBox, e.V2Zeigen},
            {ui->V2QuaderCheckBox, e.V2Quader},
            {ui->SummeVektorCheckBox, e.Summe},
            {ui->SummeQuaderCheckBox, e.SummeQuader},
            {ui->SummeRepraesentantenCheckBox, e.SummeRepraesentanten},
            {ui->SummeParallelogrammCheckBox, e.SummeParallelogramm},
            {ui->DifferenzVektorCheckBox, e.Differenz},
            {ui->DifferenzQuaderCheckBox, e.DifferenzQuader},
            {ui->DifferenzRepraesentantenCheckBox, e.DifferenzRepraesentanten},
            {ui->DifferenzParallelogrammCheckBox, e.DifferenzParallelogramm},
            {ui->SMVektorCheckBox, e.Vielfaches},
            {ui->SMQuaderCheckBox, e.VielfachesQuader},
            {ui->ProduktVektorCheckBox, e.Produkt},
            {ui->ProduktQuaderCheckBox, e.ProduktQuader},
            {ui->ProduktSenkrechtCheckBox, e.ProduktSenkrecht},
            {ui->ProduktParallelogrammCheckBox, e.ProduktParallelogramm},
            {ui->V1V2RadioButton, e.V1KreuzV2},
            {ui->V2V1RadioButton, !e.V1KreuzV2},
        };
        for (const auto& [knopf, an] : schalter)
            knopf->setChecked(an);
        V1Felder().Setzen(e.V1);
        V2Felder().Setzen(e.V2);
        ui->SMSpinEdit->setValue(e.Skalar);
    }

    BeispielKnoepfe({ui->Beispiel1Button, ui->Beispiel2Button, ui->Beispiel3Button},
                    [this](int nr) { BeispielLaden(nr); });
    SchliessenSetzen({ui->DarstellungCheckBox});
    // A radio button runs the handler when it becomes the checked one, so a change of the
    // pair runs it once.
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorVerknuepfungForm::~TVektorVerknuepfungForm() = default;

tVektorFelder TVektorVerknuepfungForm::V1Felder() const { return {ui->V1xSpinEdit, ui->V1ySpinEdit, ui->V1zSpinEdit}; }
tVektorFelder TVektorVerknuepfungForm::V2Felder() const { return {ui->V2xSpinEdit, ui->V2ySpinEdit, ui->V2zSpinEdit}; }

void TVektorVerknuepfungForm::BeispielLaden(int nr)
{
    // One change for the whole example: the handler runs once afterwards, not per field.
    const TVektorVerknuepfung::tBeispiel& b = TVektorVerknuepfung::Beispiel(nr);
    Ausfuellen guard(*this);
    V1Felder().Setzen(b.V1);
    V2Felder().Setzen(b.V2);
}

void TVektorVerknuepfungForm::DatenAenderungClick()
{
    tVektorVerknuepfungEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.V1Zeigen = ui->V1CheckBox->isChecked();
    e.V1Quader = ui->V1QuaderCheckBox->isChecked();
    e.V2Zeigen = ui->V2CheckBox->isChecked();
    e.V2Quader = ui->V2QuaderCheckBox->isChecked();
    e.Summe = ui->SummeVektorCheckBox->isChecked();
    e.SummeQuader = ui->SummeQuaderCheckBox->isChecked();
    e.SummeRepraesentanten = ui->SummeRepraesentantenCheckBox->isChecked();
    e.SummeParallelogramm = ui->SummeParallelogrammCheckBox->isChecked();
    e.Differenz = ui->DifferenzVektorCheckBox->isChecked();
    e.DifferenzQuader = ui->DifferenzQuaderCheckBox->isChecked();
    e.DifferenzRepraesentanten = ui->DifferenzRepraesentantenCheckBox->isChecked();
    e.DifferenzParallelogramm = ui->DifferenzParallelogrammCheckBox->isChecked();
    e.Vielfaches = ui->SMVektorCheckBox->isChecked();
    e.VielfachesQuader = ui->SMQuaderCheckBox->isChecked();
    e.Produkt = ui->ProduktVektorCheckBox->isChecked();
    e.ProduktQuader = ui->ProduktQuaderCheckBox->isChecked();
    e.ProduktSenkrecht = ui->ProduktSenkrechtCheckBox->isChecked();
    e.ProduktParallelogramm = ui->ProduktParallelogrammCheckBox->isChecked();
    e.V1KreuzV2 = !ui->V2V1RadioButton->isChecked();
    e.V1 = V1Felder().Lesen();
    e.V2 = V2Felder().Lesen();
    e.Skalar = ui->SMSpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    const tVektorVerknuepfungTexte t = modell_.Texte();
    Anzeigen(ui->SxEdit, ui->SyEdit, ui->SzEdit, t.Summe);
    Anzeigen(ui->DxEdit, ui->DyEdit, ui->DzEdit, t.Differenz);
    Anzeigen(ui->SMxEdit, ui->SMyEdit, ui->SMzEdit, t.Vielfaches);
    Anzeigen(ui->PxEdit, ui->PyEdit, ui->PzEdit, t.Produkt);
    Anzeigen(ui->BV1Label, t.BetragV1);
    Anzeigen(ui->BV2Label, t.BetragV2);
    Anzeigen(ui->BV1plusV2Label, t.BetragSumme);
    Anzeigen(ui->BV1minusV2Label, t.BetragDifferenz);
    Anzeigen(ui->BV1malV2Label, t.Skalarprodukt);
    Anzeigen(ui->BV1kreuzV2Label, t.BetragProdukt);
    Anzeigen(ui->BWinkelV1V2Label, t.Winkel);
    Zeichnen();
}

}  // namespace orbisto
