#include "windows/scenes/math/spiegelungen_form.h"

#include "ui_spiegelungen_form.h"
#include "widgets/spinedit_widget.h"

namespace orbisto {

TSpiegelungenForm::TSpiegelungenForm(const SzenenUmgebung& umgebung, TSpiegelungen& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TSpiegelungenForm>()), modell_(modell)
{
    ui->setupUi(this);

    // Ranges and the model's settings before the controls are wired; the handler then runs
    // once and brings model and picture in line with them.
    Bereich(ui->PunktGroesseSpinEdit, TSpiegelungen::GroesseFeld);
    const std::array<const tZahlFeld*, 3> felder{&TSpiegelungen::P1Feld, &TSpiegelungen::P2Feld,
                                                 &TSpiegelungen::P3Feld};
    const tSpiegelungenEinstellungen& e = modell_.Einstellungen();
    const std::array<tVektor3, 3> punkte{e.P1, e.P2, e.P3};
    for (std::size_t i = 0; i < 3; ++i) {
        Bereich(Punkte()[i], *felder[i]);
        Punkte()[i].Setzen(punkte[i]);
    }
    ui->PunktGroesseSpinEdit->setValue(e.PunktGroesse);
    ui->DarstellungCheckBox->setChecked(e.Darstellung);
    ui->PunktRadioButton->setChecked(e.Figur == tSpiegelFigur::Punkt);
    ui->StreckeRadioButton->setChecked(e.Figur == tSpiegelFigur::Strecke);
    ui->DreieckRadioButton->setChecked(e.Figur == tSpiegelFigur::Dreieck);
    for (std::size_t i = 0; i < SpiegelungAnzahl; ++i)
        SpiegelungBoxen()[i]->setChecked(e.Spiegelungen[i]);
    ui->VerbindungCheckBox->setChecked(e.Verbindung);

    Verbinden(ui->Beispiel1Button, &QPushButton::clicked, [this] { BeispielLaden(TSpiegelungen::Beispiel1); });
    Verbinden(ui->Beispiel2Button, &QPushButton::clicked, [this] { BeispielLaden(TSpiegelungen::Beispiel2); });
    SchliessenSetzen({ui->DarstellungCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TSpiegelungenForm::~TSpiegelungenForm() = default;

std::array<tVektorFelder, 3> TSpiegelungenForm::Punkte() const
{
    return {{{ui->P1xSpinEdit, ui->P1ySpinEdit, ui->P1zSpinEdit},
             {ui->P2xSpinEdit, ui->P2ySpinEdit, ui->P2zSpinEdit},
             {ui->P3xSpinEdit, ui->P3ySpinEdit, ui->P3zSpinEdit}}};
}

std::array<QCheckBox*, SpiegelungAnzahl> TSpiegelungenForm::SpiegelungBoxen() const
{
    // In the order of tSpiegelung.
    return {ui->ExyCheckBox, ui->EyzCheckBox, ui->ExzCheckBox, ui->AxCheckBox,
            ui->AyCheckBox,  ui->AzCheckBox,  ui->UrCheckBox};
}

void TSpiegelungenForm::DatenAenderungClick()
{
    tSpiegelungenEinstellungen e;
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    e.PunktGroesse = ui->PunktGroesseSpinEdit->WertImBereich();
    e.Figur = ui->DreieckRadioButton->isChecked()   ? tSpiegelFigur::Dreieck
              : ui->StreckeRadioButton->isChecked() ? tSpiegelFigur::Strecke
                                                    : tSpiegelFigur::Punkt;
    for (std::size_t i = 0; i < SpiegelungAnzahl; ++i)
        e.Spiegelungen[i] = SpiegelungBoxen()[i]->isChecked();
    const auto punkte = Punkte();
    e.P1 = punkte[0].Lesen();
    e.P2 = punkte[1].Lesen();
    e.P3 = punkte[2].Lesen();
    e.Verbindung = ui->VerbindungCheckBox->isChecked();
    modell_.EinstellungenAendern(e);  // throws before anything changes
    Zeichnen();
}

void TSpiegelungenForm::BeispielLaden(const TSpiegelungen::tBeispiel& beispiel)
{
    // A field whose text the example changes raises its change event, one that already
    // shows the example's number none; all of them together redraw once, not per field.
    bool geaendert = false;
    {
        Ausfuellen guard(*this);
        for (std::size_t i = 0; i < 3; ++i) {
            const tVektorFelder felder = Punkte()[i];
            const std::array<QString, 3> vorher{felder.x->text(), felder.y->text(), felder.z->text()};
            felder.Setzen(beispiel[i]);
            geaendert =
                geaendert || vorher != std::array<QString, 3>{felder.x->text(), felder.y->text(), felder.z->text()};
        }
    }
    if (geaendert)
        DatenAenderungClick();
}

}  // namespace orbisto
