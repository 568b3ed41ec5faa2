// The window "Spiegelungen", driven by its control names: what it shows when made, every
// control with its caption, range, font and colour, the layout in the test font, one model
// update and one redraw per change (and none for an example already shown), typed numbers
// out of range, and closing.

#include "boxbeantworter.h"
#include "scenes/math/spiegelungen.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/spiegelungen_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

using Stand = tSpiegelungenEinstellungen;

QString Text(tVektor3 v) { return QStringLiteral("(%1 %2 %3)").arg(v.x).arg(v.y).arg(v.z); }

QString Text(const Stand& s)
{
    QString spiegel;
    for (bool an : s.Spiegelungen)
        spiegel += an ? u'1' : u'0';
    return QStringLiteral("on %1 figure %2 mirrors %3 joined %4 size %5 P1 %6 P2 %7 P3 %8")
        .arg(s.Darstellung)
        .arg(static_cast<int>(s.Figur))
        .arg(spiegel)
        .arg(s.Verbindung)
        .arg(s.PunktGroesse)
        .arg(Text(s.P1), Text(s.P2), Text(s.P3));
}

const char* const Koordinaten[3][3] = {{"P1xSpinEdit", "P1ySpinEdit", "P1zSpinEdit"},
                                       {"P2xSpinEdit", "P2ySpinEdit", "P2zSpinEdit"},
                                       {"P3xSpinEdit", "P3ySpinEdit", "P3zSpinEdit"}};
const char* const SpiegelBoxen[] = {"ExyCheckBox", "EyzCheckBox", "ExzCheckBox", "AxCheckBox",
                                    "AyCheckBox",  "AzCheckBox",  "UrCheckBox"};

}  // namespace

class TestSpiegelungenForm : public QObject, SzenenFenster<TSpiegelungen, TSpiegelungenForm> {
    Q_OBJECT

    void gezeigt()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // The nine coordinates as the spin edits show them, P1 first.
    QStringList koordinatenTexte() const
    {
        QStringList t;
        for (const auto& punkt : Koordinaten)
            for (const char* name : punkt)
                t.append(feld(name)->text());
        return t;
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateLoadsExample1()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(form->size(), QSize(364, 213));
        QCOMPARE(form->windowTitle(), QStringLiteral("Spiegelungen"));
        QCOMPARE(koordinatenTexte(), (QStringList{"1", "1", "2", "4", "1", "2", "3", "3", "2"}));
        QCOMPARE(feld("PunktGroesseSpinEdit")->text(), QStringLiteral("4"));
        QVERIFY(radio("PunktRadioButton")->isChecked());
        QVERIFY(!radio("StreckeRadioButton")->isChecked() && !radio("DreieckRadioButton")->isChecked());
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        QVERIFY2(modell->Einstellungen() == TSpiegelungen::Startwerte, qPrintable(Text(modell->Einstellungen())));
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws
    }

    void everyControlHasItsCaptionRangeFontAndColour()
    {
        gezeigt();  // polished, so style sheets have set fonts and colours
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF);
        BeschriftungenPruefen({
            {"DarstellungCheckBox", "Darstellung von Spiegelungen", false, {}},
            {"PunktRadioButton", "Punkt  P1", false, {}},
            {"StreckeRadioButton", "Strecke  P1-- P2", false, {}},
            {"DreieckRadioButton", "Dreieck  P1 -- P2 -- P3", false, {}},
            {"PunktGroesseLabel", "Größe", false, {}},
            {"P1Label", "P1", true, rot},
            {"P2Label", "P2", true, gruen},
            {"P3Label", "P3", true, blau},
            {"SpiegelungAnLabel", "Spiegelung an", true, {}},
            {"ExyCheckBox", "X Y - Ebene", false, {}},
            {"EyzCheckBox", "Y Z - Ebene", false, {}},
            {"ExzCheckBox", "X Z - Ebene", false, {}},
            {"AxCheckBox", "X - Achse", false, {}},
            {"AyCheckBox", "Y - Achse", false, {}},
            {"AzCheckBox", "Z - Achse", false, {}},
            {"UrCheckBox", "Ursprung", false, {}},
            {"VerbindungCheckBox", "Verbindung Original - Bild", false, {}},
            {"Beispiel1Button", "Beispiel 1", false, {}},
            {"Beispiel2Button", "Beispiel 2", false, {}},
        });
        for (std::size_t i = 0; i < std::size(SpiegelBoxen); ++i)
            QCOMPARE(schalter(SpiegelBoxen[i])->text(), QString::fromUtf8(TSpiegelungen::Beschriftungen[i].data()));
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 9);
        QCOMPARE(form->findChildren<QRadioButton*>().size(), 3);
        for (QRadioButton* r : form->findChildren<QRadioButton*>())
            QCOMPARE(r->parentWidget()->objectName(), QStringLiteral("WahlPanel"));

        // The coordinates: bold, x red, y green, z blue, -9 ... 9, typing allowed.
        const QColor komponente[3] = {rot, gruen, blau};
        for (const auto& punkt : Koordinaten)
            for (int k = 0; k < 3; ++k) {
                TSpinEdit* f = feld(punkt[k]);
                QVERIFY2(f->MinValue() == -9 && f->MaxValue() == 9 && f->Increment() == 1, punkt[k]);
                QVERIFY2(f->EditorEnabled() && f->font().bold(), punkt[k]);
                QVERIFY2(f->palette().color(QPalette::Text) == komponente[k], punkt[k]);
                QVERIFY2(!f->accessibleName().isEmpty(), punkt[k]);
            }
        TSpinEdit* groesse = feld("PunktGroesseSpinEdit");
        QVERIFY(groesse->MinValue() == 1 && groesse->MaxValue() == 9 && groesse->EditorEnabled());
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 10);
    }

    // In the test font the window keeps its designed size and nothing is cut off or on top
    // of another control; the coordinates stand in one column per point under its heading.
    void everythingFitsAndStandsInItsColumn()
    {
        gezeigt();
        QCOMPARE(form->size(), QSize(364, 213));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        const auto rahmen = [this](const char* name) {
            QWidget* w = element<QWidget>(name);
            return QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size());
        };
        const char* koepfe[] = {"P1Label", "P2Label", "P3Label"};
        for (int p = 0; p < 3; ++p) {
            const QRect kopf = rahmen(koepfe[p]);
            for (int k = 0; k < 3; ++k) {
                const QRect f = rahmen(Koordinaten[p][k]);
                QVERIFY2(f.left() == rahmen(Koordinaten[p][0]).left(), Koordinaten[p][k]);
                QVERIFY2(std::abs(kopf.center().x() - f.center().x()) <= 2 && kopf.bottom() < f.top(),
                         Koordinaten[p][k]);
                if (k > 0)
                    QVERIFY2(rahmen(Koordinaten[p][k - 1]).bottom() < f.top(), Koordinaten[p][k]);
                if (p > 0)
                    QVERIFY2(rahmen(Koordinaten[p - 1][k]).top() == f.top(), Koordinaten[p][k]);
            }
        }
        for (std::size_t i = 1; i < std::size(SpiegelBoxen); ++i)
            QVERIFY2(rahmen(SpiegelBoxen[i - 1]).bottom() < rahmen(SpiegelBoxen[i]).top(), SpiegelBoxen[i]);
        QVERIFY(rahmen("SpiegelungAnLabel").bottom() < rahmen("ExyCheckBox").top());
    }

    // One control after the other, as a user would: each change reads the whole window
    // into the model and redraws once. An example the fields already show redraws nothing.
    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        gezeigt();
        const auto klick = [this](const char* name) {
            return [this, name] { element<QAbstractButton>(name)->click(); };
        };
        const auto taste = [this](const char* name, Qt::Key k) {
            return [this, name, k] { QTest::keyClick(feld(name), k); };
        };
        Stand s = TSpiegelungen::Startwerte;
        const auto mit = [&s](auto aendern) {
            aendern(s);
            return s;
        };
        const auto spiegel = [&](tSpiegelung sp, bool an) {
            return mit([sp, an](Stand& s) { s.Spiegelungen[static_cast<std::size_t>(sp)] = an; });
        };
        const struct {
            const char* name;
            std::function<void()> tun;
            Stand danach;
            int zeichnungen;
        } schritte[] = {
            {"DarstellungCheckBox", klick("DarstellungCheckBox"), mit([](Stand& s) { s.Darstellung = true; }), 1},
            {"StreckeRadioButton", klick("StreckeRadioButton"), mit([](Stand& s) { s.Figur = tSpiegelFigur::Strecke; }),
             1},
            {"DreieckRadioButton", klick("DreieckRadioButton"), mit([](Stand& s) { s.Figur = tSpiegelFigur::Dreieck; }),
             1},
            {"ExyCheckBox", klick("ExyCheckBox"), spiegel(tSpiegelung::Exy, true), 1},
            {"EyzCheckBox", klick("EyzCheckBox"), spiegel(tSpiegelung::Eyz, true), 1},
            {"ExzCheckBox", klick("ExzCheckBox"), spiegel(tSpiegelung::Exz, true), 1},
            {"AxCheckBox", klick("AxCheckBox"), spiegel(tSpiegelung::Ax, true), 1},
            {"AyCheckBox", klick("AyCheckBox"), spiegel(tSpiegelung::Ay, true), 1},
            {"AzCheckBox", klick("AzCheckBox"), spiegel(tSpiegelung::Az, true), 1},
            {"UrCheckBox", klick("UrCheckBox"), spiegel(tSpiegelung::Ur, true), 1},
            {"EyzCheckBox off", klick("EyzCheckBox"), spiegel(tSpiegelung::Eyz, false), 1},
            {"VerbindungCheckBox", klick("VerbindungCheckBox"), mit([](Stand& s) { s.Verbindung = true; }), 1},
            {"PunktGroesseSpinEdit up", taste("PunktGroesseSpinEdit", Qt::Key_Up),
             mit([](Stand& s) { s.PunktGroesse = 5; }), 1},
            {"P1xSpinEdit up", taste("P1xSpinEdit", Qt::Key_Up), mit([](Stand& s) { s.P1.x = 2; }), 1},
            {"P2ySpinEdit down", taste("P2ySpinEdit", Qt::Key_Down), mit([](Stand& s) { s.P2.y = 0; }), 1},
            {"P3zSpinEdit ten up, held at 9", taste("P3zSpinEdit", Qt::Key_PageUp), mit([](Stand& s) { s.P3.z = 9; }),
             1},
            {"PunktRadioButton: P2 and P3 still read", klick("PunktRadioButton"),
             mit([](Stand& s) { s.Figur = tSpiegelFigur::Punkt; }), 1},
            {"Beispiel2Button", klick("Beispiel2Button"), mit([](Stand& s) {
                 s.P1 = {2, 3, 1}, s.P2 = {-1, 4, 2}, s.P3 = {3, -2, 3};
             }),
             1},
            {"Beispiel2Button again: nothing changes", klick("Beispiel2Button"), s, 0},
            {"Beispiel1Button", klick("Beispiel1Button"), mit([](Stand& s) {
                 s.P1 = {1, 1, 2}, s.P2 = {4, 1, 2}, s.P3 = {3, 3, 2};
             }),
             1},
            {"DarstellungCheckBox off", klick("DarstellungCheckBox"), mit([](Stand& s) { s.Darstellung = false; }), 1},
        };
        for (const auto& schritt : schritte) {
            const int vorher = zeichnungen;
            schritt.tun();
            QVERIFY2(modell->Einstellungen() == schritt.danach,
                     qPrintable(QString::fromLatin1(schritt.name) + ": " + Text(modell->Einstellungen())));
            QVERIFY2(zeichnungen == vorher + schritt.zeichnungen,
                     qPrintable(QStringLiteral("%1: %2 redraws").arg(schritt.name).arg(zeichnungen - vorher)));
        }
        QCOMPARE(koordinatenTexte(), (QStringList{"1", "1", "2", "4", "1", "2", "3", "3", "2"}));
    }

    // Typing is allowed; a number outside the range counts as the nearest allowed one while
    // it is typed, and the field shows that number once it is left. A text that is no
    // whole number counts as the minimum and stays as typed. No box interrupts.
    void typedNumbersCountWithinTheRange()
    {
        gezeigt();
        schalter("DarstellungCheckBox")->click();
        BoxBeantworter ok(QStringLiteral("OK"));
        Stand soll = modell->Einstellungen();
        const struct {
            const char* name;
            const char* getippt;
            std::function<void(Stand&)> aendern;
            const char* danach;
        } faelle[] = {
            {"PunktGroesseSpinEdit", "1000", [](Stand& s) { s.PunktGroesse = 9; }, "9"},
            {"PunktGroesseSpinEdit", "0", [](Stand& s) { s.PunktGroesse = 1; }, "1"},
            {"PunktGroesseSpinEdit", "x", [](Stand& s) { s.PunktGroesse = 1; }, "x"},
            {"P1xSpinEdit", "-2147483648", [](Stand& s) { s.P1.x = -9; }, "-9"},
            {"P3ySpinEdit", "25", [](Stand& s) { s.P3.y = 9; }, "9"},
            {"P2zSpinEdit", "-", [](Stand& s) { s.P2.z = -9; }, "-"},
        };
        for (const auto& f : faelle) {
            TSpinEdit* feldchen = feld(f.name);
            feldchen->setFocus();
            QTest::keyClick(feldchen, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(feldchen, QString::fromLatin1(f.getippt));
            f.aendern(soll);
            QVERIFY2(modell->Einstellungen() == soll,
                     qPrintable(QString::fromLatin1(f.name) + ": " + Text(modell->Einstellungen())));
            QCOMPARE(feldchen->text(), QString::fromLatin1(f.getippt));  // as typed while the field has the focus
            schalter("VerbindungCheckBox")->setFocus(Qt::TabFocusReason);
            QCOMPARE(feldchen->text(), QString::fromLatin1(f.danach));
            QVERIFY2(modell->Einstellungen() == soll, f.name);
        }
        QVERIFY2(ok.texte().isEmpty(), qPrintable(ok.texte().join(u'|')));
        QCOMPARE(modell->PunktRadius(), 0.03);
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        gezeigt();
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        radio("DreieckRadioButton")->click();
        feld("P2xSpinEdit")->setValue(-7);
        Stand soll = modell->Einstellungen();
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        soll.Darstellung = false;
        QVERIFY2(modell->Einstellungen() == soll, qPrintable(Text(modell->Einstellungen())));

        // Shown again, it changes nothing and keeps its settings.
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
        QVERIFY(schalter("UrCheckBox")->isChecked());
        QCOMPARE(feld("P2xSpinEdit")->Value(), -7);
    }
};

QTEST_MAIN(TestSpiegelungenForm)
#include "test_spiegelungen_form.moc"
