#include "scenes/math/schnittge_form.h"

#include "app/autorepeatbutton_widget.h"
#include "app/meldungen.h"
#include "app/spinedit_widget.h"
#include "core/zahltext.h"
#include "ui_schnittge_form.h"
#include "view/spinknopfglyphen.h"
#include "view/steuerglyphen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace orbisto {

namespace {

using tSchnittart = TSchnittGE::tSchnittart;

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

void Setzen(const std::array<TSpinEdit*, 3>& felder, const std::array<int, 3>& werte)
{
    for (std::size_t i = 0; i < 3; ++i)
        felder[i]->setValue(werte[i]);
}

tVektor3 Lesen(const std::array<TSpinEdit*, 3>& felder)
{
    return {double(felder[0]->Value()), double(felder[1]->Value()), double(felder[2]->Value())};
}

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
    resize(425, 353);
    HauptschalterSetzen(ui->DarstellungCheckBox);

    for (TSpinEdit* feld : findChildren<TSpinEdit*>())
        connect(feld, &TSpinEdit::Change, this, [this] {
            if (!laden_)
                FehlerAbfangen([this] { DatenAenderungClick(); });
        });

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

    connect(ui->Beispiel1Button, &QPushButton::clicked, this, [this] { BeispielClick(1); });
    connect(ui->Beispiel2Button, &QPushButton::clicked, this, [this] { BeispielClick(2); });
    connect(ui->Beispiel3Button, &QPushButton::clicked, this, [this] { BeispielClick(3); });

    BeispielLaden(1);
    Uebernehmen();
    SchalterVerbinden();
}

TSchnittGEForm::~TSchnittGEForm() = default;

void TSchnittGEForm::DatenAenderungClick()
{
    Uebernehmen();
    Zeichnen();
}

void TSchnittGEForm::Uebernehmen()
{
    TSchnittGE& m = modell_;
    m.Darstellung = ui->DarstellungCheckBox->isChecked();
    if (ui->g1g2RadioButton->isChecked())
        m.Schnittart = tSchnittart::g1g2;
    else if (ui->g1E2RadioButton->isChecked())
        m.Schnittart = tSchnittart::g1E2;
    else if (ui->E1E2RadioButton->isChecked())
        m.Schnittart = tSchnittart::E1E2;
    BeschriftungSetzen(m.Schnittart);

    m.g1E1 = ui->g1E1CheckBox->isChecked();
    m.g2E2 = ui->g2E2CheckBox->isChecked();
    m.VieleOrtsvektoren1 = ui->VieleOrtsvektoren1CheckBox->isChecked();
    m.VieleOrtsvektoren2 = ui->VieleOrtsvektoren2CheckBox->isChecked();
    m.SElement = ui->SElementCheckBox->isChecked();
    m.SVektoren = ui->SVektorenCheckBox->isChecked();
    m.SQuader = ui->SQuaderCheckBox->isChecked();

    // Hidden rows count too: their values come back when the pair shows them again.
    m.P1 = Lesen({ui->P1xSpinEdit, ui->P1ySpinEdit, ui->P1zSpinEdit});
    m.U1 = Lesen({ui->U1xSpinEdit, ui->U1ySpinEdit, ui->U1zSpinEdit});
    m.V1 = Lesen({ui->V1xSpinEdit, ui->V1ySpinEdit, ui->V1zSpinEdit});
    m.P2 = Lesen({ui->P2xSpinEdit, ui->P2ySpinEdit, ui->P2zSpinEdit});
    m.U2 = Lesen({ui->U2xSpinEdit, ui->U2ySpinEdit, ui->U2zSpinEdit});
    m.V2 = Lesen({ui->V2xSpinEdit, ui->V2ySpinEdit, ui->V2zSpinEdit});

    // A field that holds no number is being corrected; its own exit reports it.
    Lesen(ui->PSxEdit, m.PS.x);
    Lesen(ui->PSyEdit, m.PS.y);
    Lesen(ui->PSzEdit, m.PS.z);
    Lesen(ui->USxEdit, m.US.x);
    Lesen(ui->USyEdit, m.US.y);
    Lesen(ui->USzEdit, m.US.z);
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
    const bool vorher = laden_;
    laden_ = true;
    const std::array<double, 6> zahlen = {b.PS.x, b.PS.y, b.PS.z, b.US.x, b.US.y, b.US.z};
    for (std::size_t i = 0; i < felder_.size(); ++i)
        felder_[i]->setText(QString::fromStdString(ZahlText(zahlen[i])));
    Setzen({ui->P1xSpinEdit, ui->P1ySpinEdit, ui->P1zSpinEdit}, b.P1);
    Setzen({ui->U1xSpinEdit, ui->U1ySpinEdit, ui->U1zSpinEdit}, b.U1);
    Setzen({ui->V1xSpinEdit, ui->V1ySpinEdit, ui->V1zSpinEdit}, b.V1);
    Setzen({ui->P2xSpinEdit, ui->P2ySpinEdit, ui->P2zSpinEdit}, b.P2);
    Setzen({ui->U2xSpinEdit, ui->U2ySpinEdit, ui->U2zSpinEdit}, b.U2);
    Setzen({ui->V2xSpinEdit, ui->V2ySpinEdit, ui->V2zSpinEdit}, b.V2);
    laden_ = vorher;
}

void TSchnittGEForm::BeispielClick(int nr)
{
    FehlerAbfangen([this, nr] {
        BeispielLaden(nr);
        DatenAenderungClick();
    });
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
