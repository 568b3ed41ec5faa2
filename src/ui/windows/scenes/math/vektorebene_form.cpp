#include "windows/scenes/math/vektorebene_form.h"

#include "scenes/math/vektorebene.h"
#include "ui_vektorebene_form.h"
#include "widgets/spinedit_widget.h"

#include <QEvent>

#include <algorithm>

namespace orbisto {

namespace {

constexpr int KopfAbstand = 6;  // at least between two headings

int Breite(const QWidget* w) { return w->sizeHint().width(); }

}  // namespace

TVektorEbeneForm::TVektorEbeneForm(const SzenenUmgebung& umgebung, TVektorEbene& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TVektorEbeneForm>()), modell_(modell)
{
    ui->setupUi(this);
    SpaltenBemessen();

    // Ranges and the model's settings, before the controls are wired; the handler then runs
    // once and brings model, O and picture in line with them.
    Bereich(Stuetzpunkt(), TVektorEbene::StuetzpunktFeld);
    Bereich(Richtung1(), TVektorEbene::Richtung1Feld);
    Bereich(Richtung2(), TVektorEbene::Richtung2Feld);
    Bereich(ui->Parameter1SpinEdit, TVektorEbene::Parameter1Feld);
    Bereich(ui->Parameter2SpinEdit, TVektorEbene::Parameter2Feld);
    Bereich(ui->EbeneFaktorSpinEdit, TVektorEbene::FaktorFeld);
    const tVektorEbeneEinstellungen& start = modell_.Einstellungen();
    ui->EbeneCheckBox->setChecked(start.Ebene);
    ui->EbeneFlaecheCheckBox->setChecked(start.EbeneFlaeche);
    ui->EbeneGitterCheckBox->setChecked(start.EbeneGitter);
    ui->OrtsVektorCheckBox->setChecked(start.OrtsVektor);
    ui->StuetzpunktVektorCheckBox->setChecked(start.StuetzpunktVektor);
    ui->RichtungsVektor1CheckBox->setChecked(start.RichtungsVektor1);
    ui->RichtungsVektor2CheckBox->setChecked(start.RichtungsVektor2);
    ui->VieleOrtsvektorenCheckBox->setChecked(start.VieleOrtsvektoren);
    ui->AdditionRichtungsvektorenCheckBox->setChecked(start.AdditionRichtungsvektoren);
    WerteZeigen(start.Werte);

    const std::pair<QPushButton*, const tVektorEbeneWerte*> knoepfe[] = {
        {ui->Beispiel1Button, &TVektorEbene::Beispiel1},
        {ui->Beispiel2Button, &TVektorEbene::Beispiel2},
        {ui->LoeschenButton, &TVektorEbene::Geloescht},
    };
    for (const auto& [knopf, werte] : knoepfe)
        Verbinden(knopf, &QPushButton::clicked, [this, werte = werte] {
            WerteZeigen(*werte);
            DatenAenderungClick();
        });
    SchliessenSetzen({ui->EbeneCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    DatenAenderungClick();
}

TVektorEbeneForm::~TVektorEbeneForm() = default;

void TVektorEbeneForm::SpaltenBemessen()
{
    // The headings are wider than the columns of O, S, R1 and R2 and reach over the
    // parameters' columns between them. Each pair of neighbouring headings needs its
    // columns' centres (w1 + w2) / 2 + KopfAbstand apart; the columns between them give
    // what is missing.
    QGridLayout* g = ui->GleichungLayout;
    const int feld = ui->SxSpinEdit->minimumWidth();  // every field of the equation alike
    const int o = Breite(ui->OrtsVektorCheckBox), s = Breite(ui->StuetzpunktVektorCheckBox);
    const int r1 = Breite(ui->RichtungsVektor1CheckBox), r2 = Breite(ui->RichtungsVektor2CheckBox);
    // O's column holds its heading whole; then the gap before "=".
    const int spalteO = std::max(feld, o);
    g->setColumnMinimumWidth(0, spalteO);
    g->setColumnMinimumWidth(1,
                             std::max(0, (o + s) / 2 + KopfAbstand - spalteO / 2 - Breite(ui->GleichLabel) - feld / 2));
    // From S to R1 and from R1 to R2: half a field, a sign, a parameter, a sign, half a field.
    const auto zeichen = [&](int links, int rechts, QLabel* vor, int spalteVor, QLabel* nach, int spalteNach) {
        const int je = ((links + rechts) / 2 + KopfAbstand - 2 * feld + 1) / 2;
        g->setColumnMinimumWidth(spalteVor, std::max(Breite(vor), je));
        g->setColumnMinimumWidth(spalteNach, std::max(Breite(nach), je));
    };
    zeichen(s, r1, ui->Plus1Label, 4, ui->Mal1Label, 6);
    zeichen(r1, r2, ui->Plus2Label, 8, ui->Mal2Label3, 10);
    // R2's heading reaches beyond its column on the right.
    g->setColumnMinimumWidth(12, std::max(0, (r2 - feld + 1) / 2));

    int hoehe = 0;
    for (QWidget* kopf : ui->KoepfeWidget->findChildren<QWidget*>())
        hoehe = std::max(hoehe, kopf->sizeHint().height());
    ui->KoepfeWidget->setFixedHeight(hoehe);
    for (QWidget* w : {static_cast<QWidget*>(ui->KoepfeWidget), static_cast<QWidget*>(ui->OxEdit),
                       static_cast<QWidget*>(ui->SxSpinEdit), static_cast<QWidget*>(ui->R1xSpinEdit),
                       static_cast<QWidget*>(ui->R2xSpinEdit)})
        w->installEventFilter(this);
}

void TVektorEbeneForm::KoepfeSetzen()
{
    const std::pair<QWidget*, QWidget*> koepfe[] = {{ui->OrtsVektorCheckBox, ui->OxEdit},
                                                    {ui->StuetzpunktVektorCheckBox, ui->SxSpinEdit},
                                                    {ui->RichtungsVektor1CheckBox, ui->R1xSpinEdit},
                                                    {ui->RichtungsVektor2CheckBox, ui->R2xSpinEdit}};
    for (const auto& [kopf, spalte] : koepfe) {
        const QSize groesse = kopf->sizeHint();
        const int mitte = spalte->x() + spalte->width() / 2 - ui->KoepfeWidget->x();
        // Within the row, should a font be wider than the columns were measured for.
        const int links =
            std::clamp(mitte - groesse.width() / 2, 0, std::max(0, ui->KoepfeWidget->width() - groesse.width()));
        kopf->setGeometry(links, 0, groesse.width(), groesse.height());
    }
}

bool TVektorEbeneForm::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::Move || ereignis->type() == QEvent::Resize)
        KoepfeSetzen();
    return TSzenenForm::eventFilter(objekt, ereignis);
}

tVektorFelder TVektorEbeneForm::Stuetzpunkt() const { return {ui->SxSpinEdit, ui->SySpinEdit, ui->SzSpinEdit}; }
tVektorFelder TVektorEbeneForm::Richtung1() const { return {ui->R1xSpinEdit, ui->R1ySpinEdit, ui->R1zSpinEdit}; }
tVektorFelder TVektorEbeneForm::Richtung2() const { return {ui->R2xSpinEdit, ui->R2ySpinEdit, ui->R2zSpinEdit}; }

void TVektorEbeneForm::WerteZeigen(const tVektorEbeneWerte& w)
{
    // Each value change would run the handler once more to the same end; it runs once after.
    Ausfuellen guard(*this);
    Stuetzpunkt().Setzen(w.Stuetzpunkt);
    Richtung1().Setzen(w.Richtungsvektor1);
    Richtung2().Setzen(w.Richtungsvektor2);
    ui->Parameter1SpinEdit->setValue(static_cast<int>(w.Parameter1));
    ui->Parameter2SpinEdit->setValue(static_cast<int>(w.Parameter2));
    ui->EbeneFaktorSpinEdit->setValue(w.EbeneFaktor);
}

void TVektorEbeneForm::DatenAenderungClick()
{
    tVektorEbeneEinstellungen e;
    e.Ebene = ui->EbeneCheckBox->isChecked();
    e.EbeneGitter = ui->EbeneGitterCheckBox->isChecked();
    e.EbeneFlaeche = ui->EbeneFlaecheCheckBox->isChecked();
    e.Werte.EbeneFaktor = ui->EbeneFaktorSpinEdit->WertImBereich();
    e.OrtsVektor = ui->OrtsVektorCheckBox->isChecked();
    e.StuetzpunktVektor = ui->StuetzpunktVektorCheckBox->isChecked();
    e.RichtungsVektor1 = ui->RichtungsVektor1CheckBox->isChecked();
    e.RichtungsVektor2 = ui->RichtungsVektor2CheckBox->isChecked();
    e.VieleOrtsvektoren = ui->VieleOrtsvektorenCheckBox->isChecked();
    e.AdditionRichtungsvektoren = ui->AdditionRichtungsvektorenCheckBox->isChecked();
    e.Werte.Stuetzpunkt = Stuetzpunkt().Lesen();
    e.Werte.Richtungsvektor1 = Richtung1().Lesen();
    e.Werte.Richtungsvektor2 = Richtung2().Lesen();
    e.Werte.Parameter1 = ui->Parameter1SpinEdit->WertImBereich();
    e.Werte.Parameter2 = ui->Parameter2SpinEdit->WertImBereich();
    modell_.EinstellungenAendern(e);  // throws before anything changes

    const auto texte = modell_.OrtTexte();
    ui->OxEdit->setText(QString::fromStdString(texte[0]));
    ui->OyEdit->setText(QString::fromStdString(texte[1]));
    ui->OzEdit->setText(QString::fromStdString(texte[2]));
    Zeichnen();
}

}  // namespace orbisto
