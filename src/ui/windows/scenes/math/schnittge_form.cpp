#include "windows/scenes/math/schnittge_form.h"

#include "core/zahltext.h"
#include "ui_schnittge_form.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/glyphpainter.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"
#include "widgets/spinknopfglyphen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace orbisto {

namespace {

const QString UngueltigeEingabe =
    QStringLiteral("Ohne Eingabe einer gültigen reellen Zahl kann das Feld nicht verlassen werden.");

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Only a move to another control of the window leaves a field; switching to another
// window or opening a box does not.
bool Verlassen(Qt::FocusReason grund)
{
    return grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason || grund == Qt::MouseFocusReason ||
           grund == Qt::ShortcutFocusReason;
}

tVektor3 Vektor(const std::array<int, 3>& a) { return {double(a[0]), double(a[1]), double(a[2])}; }

// The number of a field, or the old one if the field holds none.
void Lesen(const QLineEdit* feld, double& wert)
{
    long double zahl = 0;
    if (TextZahlVersuch(feld->text().toStdString(), zahl))
        wert = static_cast<double>(zahl);
}

}  // namespace

TSchnittGEForm::TSchnittGEForm(const SzenenUmgebung& umgebung, TSchnittGE& modell)
    : TSzenenForm(umgebung), ui(std::make_unique<Ui::TSchnittGEForm>()), modell_(modell)
{
    ui->setupUi(this);

    Bereich(P1Felder(), TSchnittGE::P1Feld);
    Bereich(U1Felder(), TSchnittGE::U1Feld);
    Bereich(V1Felder(), TSchnittGE::V1Feld);
    Bereich(P2Felder(), TSchnittGE::P2Feld);
    Bereich(U2Felder(), TSchnittGE::U2Feld);
    Bereich(V2Felder(), TSchnittGE::V2Feld);

    // Each number field with its arrow buttons; the fields are watched for being left.
    const struct {
        QLineEdit* feld;
        TRxSpeedButton *hoeher, *tiefer;
    } komponenten[] = {
        {ui->PSxEdit, ui->PSxSpinButtonUp, ui->PSxSpinButtonDown},
        {ui->PSyEdit, ui->PSySpinButtonUp, ui->PSySpinButtonDown},
        {ui->PSzEdit, ui->PSzSpinButtonUp, ui->PSzSpinButtonDown},
        {ui->USxEdit, ui->USxSpinButtonUp, ui->USxSpinButtonDown},
        {ui->USyEdit, ui->USySpinButtonUp, ui->USySpinButtonDown},
        {ui->USzEdit, ui->USzSpinButtonUp, ui->USzSpinButtonDown},
    };
    for (std::size_t i = 0; i < felder_.size(); ++i) {
        const auto& k = komponenten[i];
        QLineEdit* feld = felder_[i] = k.feld;
        feld->installEventFilter(this);
        k.hoeher->setIcon(GlyphIcon(EinsHoeher));
        k.tiefer->setIcon(GlyphIcon(EinsTiefer));
        k.hoeher->setOnClick([this, feld] { KomponenteSchritt(feld, 1); });
        k.tiefer->setOnClick([this, feld] { KomponenteSchritt(feld, -1); });
    }

    // The controls show the model's settings before they are wired; handing them back
    // once sets the captions of the pair and draws nothing.
    Fuellen(modell_.Einstellungen());

    BeispielKnoepfe({ui->Beispiel1Button, ui->Beispiel2Button, ui->Beispiel3Button},
                    [this](int nr) { BeispielLaden(nr); });
    SchliessenSetzen({ui->DarstellungCheckBox});
    SchalterVerbinden();
    SpinEditsVerbinden();
    Uebernehmen();
}

TSchnittGEForm::~TSchnittGEForm() = default;

tVektorFelder TSchnittGEForm::P1Felder() const { return {ui->P1xSpinEdit, ui->P1ySpinEdit, ui->P1zSpinEdit}; }
tVektorFelder TSchnittGEForm::U1Felder() const { return {ui->U1xSpinEdit, ui->U1ySpinEdit, ui->U1zSpinEdit}; }
tVektorFelder TSchnittGEForm::V1Felder() const { return {ui->V1xSpinEdit, ui->V1ySpinEdit, ui->V1zSpinEdit}; }
tVektorFelder TSchnittGEForm::P2Felder() const { return {ui->P2xSpinEdit, ui->P2ySpinEdit, ui->P2zSpinEdit}; }
tVektorFelder TSchnittGEForm::U2Felder() const { return {ui->U2xSpinEdit, ui->U2ySpinEdit, ui->U2zSpinEdit}; }
tVektorFelder TSchnittGEForm::V2Felder() const { return {ui->V2xSpinEdit, ui->V2ySpinEdit, ui->V2zSpinEdit}; }

void TSchnittGEForm::DatenAenderungClick()
{
    Uebernehmen();
    Zeichnen();
}

void TSchnittGEForm::Fuellen(const tSchnittGEEinstellungen& e)
{
    Ausfuellen guard(*this);
    ui->DarstellungCheckBox->setChecked(e.Darstellung);
    switch (e.Schnittart) {
    case tSchnittart::g1g2: ui->g1g2RadioButton->setChecked(true); break;
    case tSchnittart::g1E2: ui->g1E2RadioButton->setChecked(true); break;
    case tSchnittart::E1E2: ui->E1E2RadioButton->setChecked(true); break;
    }
    ui->g1E1CheckBox->setChecked(e.g1E1);
    ui->g2E2CheckBox->setChecked(e.g2E2);
    ui->VieleOrtsvektoren1CheckBox->setChecked(e.VieleOrtsvektoren1);
    ui->VieleOrtsvektoren2CheckBox->setChecked(e.VieleOrtsvektoren2);
    ui->SElementCheckBox->setChecked(e.SElement);
    ui->SVektorenCheckBox->setChecked(e.SVektoren);
    ui->SQuaderCheckBox->setChecked(e.SQuader);
    P1Felder().Setzen(e.P1);
    U1Felder().Setzen(e.U1);
    V1Felder().Setzen(e.V1);
    P2Felder().Setzen(e.P2);
    U2Felder().Setzen(e.U2);
    V2Felder().Setzen(e.V2);
    const std::array<double, 6> zahlen = {e.PS.x, e.PS.y, e.PS.z, e.US.x, e.US.y, e.US.z};
    for (std::size_t i = 0; i < felder_.size(); ++i)
        felder_[i]->setText(QString::fromStdString(ZahlText(zahlen[i])));
}

void TSchnittGEForm::Uebernehmen()
{
    // A field that holds no number is being corrected and keeps its last number; its own
    // exit reports it.
    tSchnittGEEinstellungen e = modell_.Einstellungen();
    e.Darstellung = ui->DarstellungCheckBox->isChecked();
    if (ui->g1g2RadioButton->isChecked())
        e.Schnittart = tSchnittart::g1g2;
    else if (ui->g1E2RadioButton->isChecked())
        e.Schnittart = tSchnittart::g1E2;
    else if (ui->E1E2RadioButton->isChecked())
        e.Schnittart = tSchnittart::E1E2;
    BeschriftungSetzen(e.Schnittart);

    e.g1E1 = ui->g1E1CheckBox->isChecked();
    e.g2E2 = ui->g2E2CheckBox->isChecked();
    e.VieleOrtsvektoren1 = ui->VieleOrtsvektoren1CheckBox->isChecked();
    e.VieleOrtsvektoren2 = ui->VieleOrtsvektoren2CheckBox->isChecked();
    e.SElement = ui->SElementCheckBox->isChecked();
    e.SVektoren = ui->SVektorenCheckBox->isChecked();
    e.SQuader = ui->SQuaderCheckBox->isChecked();

    // Hidden rows count too: their values come back when the pair shows them again.
    e.P1 = P1Felder().Lesen();
    e.U1 = U1Felder().Lesen();
    e.V1 = V1Felder().Lesen();
    e.P2 = P2Felder().Lesen();
    e.U2 = U2Felder().Lesen();
    e.V2 = V2Felder().Lesen();

    Lesen(ui->PSxEdit, e.PS.x);
    Lesen(ui->PSyEdit, e.PS.y);
    Lesen(ui->PSzEdit, e.PS.z);
    Lesen(ui->USxEdit, e.US.x);
    Lesen(ui->USyEdit, e.US.y);
    Lesen(ui->USzEdit, e.US.z);
    modell_.EinstellungenAendern(e);  // throws before anything changes
}

void TSchnittGEForm::BeschriftungSetzen(tSchnittart art)
{
    const TSchnittGE::tBeschriftung b = TSchnittGE::Beschriftung(art);
    ui->g1E1CheckBox->setText(Text(b.Objekt1));
    ui->g2E2CheckBox->setText(Text(b.Objekt2));
    ui->PlusS1Panel->setVisible(b.S1Sichtbar);
    ui->PlusS2Panel->setVisible(b.S2Sichtbar);
    ui->PlusRSPanel->setVisible(b.RSSichtbar);
    ui->SElementCheckBox->setText(Text(b.Element));
    ui->SVektorenCheckBox->setText(Text(b.Vektoren));
    ui->SQuaderCheckBox->setVisible(b.QuaderSichtbar);
}

void TSchnittGEForm::BeispielLaden(int nr)
{
    const TSchnittGE::tBeispiel& b = TSchnittGE::Beispiel(nr);
    Ausfuellen guard(*this);
    const std::array<double, 6> zahlen = {b.PS.x, b.PS.y, b.PS.z, b.US.x, b.US.y, b.US.z};
    for (std::size_t i = 0; i < felder_.size(); ++i)
        felder_[i]->setText(QString::fromStdString(ZahlText(zahlen[i])));
    P1Felder().Setzen(Vektor(b.P1));
    U1Felder().Setzen(Vektor(b.U1));
    V1Felder().Setzen(Vektor(b.V1));
    P2Felder().Setzen(Vektor(b.P2));
    U2Felder().Setzen(Vektor(b.U2));
    V2Felder().Setzen(Vektor(b.V2));
}

bool TSchnittGEForm::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (abgewiesen_ && objekt->isWidgetType())
        switch (ereignis->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            // A move without a button also ends the wait, should a release ever get lost.
            if (static_cast<QMouseEvent*>(ereignis)->buttons() == Qt::NoButton)
                AbweisenPlanen();
            if (ereignis->type() != QEvent::MouseMove)
                return true;
            break;
        case QEvent::Wheel: return true;
        default: break;
        }
    if (ereignis->type() == QEvent::FocusOut && Verlassen(static_cast<QFocusEvent*>(ereignis)->reason()))
        if (auto* feld = qobject_cast<QLineEdit*>(objekt); feld && std::ranges::count(felder_, feld) != 0)
            KomponenteEditExit(feld);
    return TSzenenForm::eventFilter(objekt, ereignis);
}

void TSchnittGEForm::KomponenteEditExit(QLineEdit* feld)
{
    if (abgewiesen_)
        return;  // already refused; the focus goes back there
    long double zahl = 0;
    if (TextZahlVersuch(feld->text().toStdString(), zahl)) {
        // After the focus change, so that the redraw never runs in the middle of one.
        QTimer::singleShot(0, this, [this] { FehlerAbfangen([this] { DatenAenderungClick(); }); });
        return;
    }
    // Refused. The focus has already moved to the control that was clicked, and the click
    // is on its way there: it is held back (the whole of it, up to the release of the
    // button), and only then comes the box. A box opened at once would catch the release
    // of a slow click but not of a quick one, and the clicked control would act or not by
    // chance.
    abgewiesen_ = feld;
    qApp->installEventFilter(this);
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        AbweisenPlanen();
}

void TSchnittGEForm::AbweisenPlanen()
{
    if (!abweisenGeplant_) {
        abweisenGeplant_ = true;
        QTimer::singleShot(0, this, &TSchnittGEForm::Abweisen);
    }
}

void TSchnittGEForm::Abweisen()
{
    qApp->removeEventFilter(this);
    QLineEdit* feld = abgewiesen_;
    abgewiesen_ = nullptr;
    abweisenGeplant_ = false;
    Fehlermeldung(UngueltigeEingabe, this);
    feld->clear();
    // Back into the field, and the window active again, so that leaving it is noticed
    // again also where no window manager hands the activation back after the box.
    activateWindow();
    feld->setFocus(Qt::OtherFocusReason);
}

void TSchnittGEForm::KomponenteSchritt(QLineEdit* feld, int schritt)
{
    // Throws before anything changes if the field holds no number.
    feld->setText(QString::fromStdString(TSchnittGE::KomponenteSchritt(feld->text().toStdString(), schritt)));
    DatenAenderungClick();
}

}  // namespace orbisto
