#include "windows/scenes/math/bewegungmatrizen_form.h"

#include "core/zahltext.h"
#include "ui_bewegungmatrizen_form.h"
#include "windows/scenes/math/bewegungmatrizen_glyphen.h"

#include <QStyle>
#include <QStyleOptionToolButton>

#include <algorithm>

namespace orbisto {

namespace {

double Zahl(const QString& text) { return static_cast<double>(TextZahl(text.toStdString())); }

double ZahlAus(const QComboBox* liste) { return Zahl(liste->currentText()); }

// Selects the item that reads as `wert`; the model's start values are items of the lists.
void Waehlen(QComboBox* liste, double wert)
{
    for (int i = 0; i < liste->count(); ++i)
        if (Zahl(liste->itemText(i)) == wert)
            liste->setCurrentIndex(i);
}

// The side of a square button that holds its letter in the style's frame. A tool button's
// own size hint pads the text with two spaces, which would widen the buttons already at
// the program's font.
int Buchstabenseite(const TRxSpeedButton* knopf)
{
    QStyleOptionToolButton option;
    option.initFrom(knopf);
    const QFontMetrics fm = knopf->fontMetrics();
    const QSize text(fm.horizontalAdvance(knopf->text()), fm.height());
    const QSize knopfGroesse = knopf->style()->sizeFromContents(QStyle::CT_ToolButton, &option, text, knopf);
    return std::max(knopfGroesse.width(), knopfGroesse.height());
}

}  // namespace

TBewegungMatrizenForm::TBewegungMatrizenForm(const SzenenUmgebung& umgebung, TBewegungMatrizen& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TBewegungMatrizenForm>()), modell_(modell)
{
    ui->setupUi(this);

    // The list keeps its room while hidden, so nothing moves when the cuboid is switched on.
    QSizePolicy platz = ui->KoLabel->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    ui->KoLabel->setSizePolicy(platz);

    // The lettered buttons stay squares of one size: as designed, or larger where the font
    // needs it; "alle" below them keeps their height.
    TRxSpeedButton* const buchstaben[] = {ui->ARxSpeedButton, ui->BRxSpeedButton, ui->CRxSpeedButton,
                                          ui->DRxSpeedButton, ui->ERxSpeedButton, ui->FRxSpeedButton,
                                          ui->GRxSpeedButton, ui->HRxSpeedButton};
    int seite = ui->ARxSpeedButton->minimumWidth();
    for (const TRxSpeedButton* knopf : buchstaben)
        seite = std::max(seite, Buchstabenseite(knopf));
    for (TRxSpeedButton* knopf : buchstaben)
        knopf->setFixedSize(seite, seite);
    ui->ABCDEFGHRxSpeedButton->setFixedHeight(seite);

    KnoepfeVerbinden();

    // The model's settings, before the controls are wired; model and controls then agree,
    // so nothing needs to run or be drawn.
    const tBewegungMatrizenEinstellungen& start = modell_.Einstellungen();
    ui->QuaderCheckBox->setChecked(start.Quader);
    ui->RFgefuelltCheckBox->setChecked(start.RFgefuellt);
    ui->GFgefuelltCheckBox->setChecked(start.GFgefuellt);
    ui->KomponentenACheckBox->setChecked(start.KomponentenA);
    ui->SpurCheckBox->setChecked(start.Spur);
    Waehlen(ui->VerschiebungSchrittComboBox, start.VerschiebeSchritt);
    Waehlen(ui->DrehungSchrittComboBox, start.DrehSchrittGrad);
    ui->KoLabel->setVisible(start.Quader);
    modell_.QuaderReset();
    KoordinatenAnzeigen();

    SchliessenSetzen({ui->QuaderCheckBox}, [this] {
        modell_.QuaderReset();
        KoordinatenAnzeigen();
    });
    // The axis switches do nothing on their own: a rotation button reads them when pressed.
    SchalterVerbinden({ui->xDrehCheckBox, ui->yDrehCheckBox, ui->zDrehCheckBox});
    for (QComboBox* liste : {ui->VerschiebungSchrittComboBox, ui->DrehungSchrittComboBox})
        Verbinden(liste, &QComboBox::currentIndexChanged, [this] { DatenAenderungClick(); });
}

TBewegungMatrizenForm::~TBewegungMatrizenForm() = default;

void TBewegungMatrizenForm::KnoepfeVerbinden()
{
    for (TRxSpeedButton* knopf : findChildren<TRxSpeedButton*>()) {
        const QIcon bild = BewegungGlyphe(knopf->objectName());
        if (!bild.isNull())
            knopf->setIcon(bild);
    }

    using tAchse = TBewegungMatrizen::tAchse;
    const struct {
        TRxSpeedButton* knopf;
        tAchse achse;
        int vorzeichen;
    } verschiebungen[] = {
        {ui->xplusRxSpeedButton, tAchse::X, 1}, {ui->xminusRxSpeedButton, tAchse::X, -1},
        {ui->yplusRxSpeedButton, tAchse::Y, 1}, {ui->yminusRxSpeedButton, tAchse::Y, -1},
        {ui->zplusRxSpeedButton, tAchse::Z, 1}, {ui->zminusRxSpeedButton, tAchse::Z, -1},
    };
    for (const auto& v : verschiebungen)
        v.knopf->setOnClick([this, achse = v.achse, vorzeichen = v.vorzeichen] {
            Schritt([&] { modell_.Verschieben(achse, vorzeichen); });
        });
    ui->RotPlusRxSpeedButton->setOnClick([this] { Schritt([this] { modell_.Drehen(DrehAchsen(), 1); }); });
    ui->RotMinusRxSpeedButton->setOnClick([this] { Schritt([this] { modell_.Drehen(DrehAchsen(), -1); }); });
    ui->ResetSpeedButton->setOnClick([this] { Schritt([this] { modell_.QuaderReset(); }); });

    TRxSpeedButton* const punkte[] = {ui->ARxSpeedButton, ui->BRxSpeedButton, ui->CRxSpeedButton,
                                      ui->DRxSpeedButton, ui->ERxSpeedButton, ui->FRxSpeedButton,
                                      ui->GRxSpeedButton, ui->HRxSpeedButton, ui->ABCDEFGHRxSpeedButton};
    for (int ziel = 0; ziel <= TBewegungMatrizen::Alle; ++ziel)
        punkte[ziel]->setOnClick([this, ziel] { Schritt([&] { modell_.MatrixSchritt(MatrixFelder(), ziel); }); });
}

void TBewegungMatrizenForm::DatenAenderungClick()
{
    tBewegungMatrizenEinstellungen e;
    e.Quader = ui->QuaderCheckBox->isChecked();
    e.RFgefuellt = ui->RFgefuelltCheckBox->isChecked();
    e.GFgefuellt = ui->GFgefuelltCheckBox->isChecked();
    e.KomponentenA = ui->KomponentenACheckBox->isChecked();
    e.Spur = ui->SpurCheckBox->isChecked();
    e.VerschiebeSchritt = ZahlAus(ui->VerschiebungSchrittComboBox);
    e.DrehSchrittGrad = ZahlAus(ui->DrehungSchrittComboBox);
    modell_.EinstellungenAendern(e);  // throws before anything changes

    ui->KoLabel->setVisible(e.Quader);
    KoordinatenAnzeigen();
    Zeichnen();
}

void TBewegungMatrizenForm::KoordinatenAnzeigen()
{
    // The list separates its lines with carriage returns; a label breaks at line feeds.
    QString text = QString::fromStdString(modell_.Koordinatenliste());
    text.replace(u'\r', u'\n');
    ui->KoLabel->setText(text);
}

void TBewegungMatrizenForm::Schritt(const std::function<void()>& aenderung)
{
    aenderung();
    KoordinatenAnzeigen();
    Zeichnen();
}

TBewegungMatrizen::tAchsen TBewegungMatrizenForm::DrehAchsen() const
{
    return {ui->xDrehCheckBox->isChecked(), ui->yDrehCheckBox->isChecked(), ui->zDrehCheckBox->isChecked()};
}

TBewegungMatrizen::tMatrixFelder TBewegungMatrizenForm::MatrixFelder() const
{
    const QLineEdit* const felder[] = {ui->M11Edit, ui->M12Edit, ui->M13Edit, ui->M14Edit, ui->M21Edit, ui->M22Edit,
                                       ui->M23Edit, ui->M24Edit, ui->M31Edit, ui->M32Edit, ui->M33Edit, ui->M34Edit,
                                       ui->M41Edit, ui->M42Edit, ui->M43Edit, ui->M44Edit};
    TBewegungMatrizen::tMatrixFelder texte;
    for (std::size_t i = 0; i < texte.size(); ++i)
        texte[i] = felder[i]->text().toStdString();
    return texte;
}

}  // namespace orbisto
