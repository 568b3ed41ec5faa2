// The intersection scene's window, driven by its control names: what it shows at start,
// that it fits the test font, that every control copies the window into the model and
// redraws once, how the number fields refuse what is not a number, and that closing it
// takes the scene out of the picture.

#include "boxbeantworter.h"
#include "scenes/math/schnittge.h"
#include "szenenfenster.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/meldungen.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/schnittge_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

using Art = TSchnittGE::tSchnittart;

// The model's settings, as the test compares them.
using Stand = tSchnittGEEinstellungen;

QString Text(tVektor3 v) { return QStringLiteral("(%1 %2 %3)").arg(v.x).arg(v.y).arg(v.z); }

QString Text(const Stand& s)
{
    return QStringLiteral("switches %1%2%3%4%5%6%7%8 pair %9 P1 %10 U1 %11 V1 %12 P2 %13 U2 %14 V2 %15 PS %16 US %17")
        .arg(s.Darstellung)
        .arg(s.g1E1)
        .arg(s.g2E2)
        .arg(s.VieleOrtsvektoren1)
        .arg(s.VieleOrtsvektoren2)
        .arg(s.SElement)
        .arg(s.SVektoren)
        .arg(s.SQuader)
        .arg(static_cast<int>(s.Schnittart))
        .arg(Text(s.P1), Text(s.U1), Text(s.V1), Text(s.P2), Text(s.U2), Text(s.V2), Text(s.PS), Text(s.US));
}

// Example 1 as the window loads it at start.
const Stand Beispiel1{.P1 = {2, 2, 3},
                      .U1 = {1, 0, 0},
                      .V1 = {0, 0, 1},
                      .P2 = {-2, 2, -1},
                      .U2 = {0, 0, 1},
                      .V2 = {0, 1, 0},
                      .PS = {-2, 2, 3},
                      .US = {0, 0, 1}};

int piepse = 0;

}  // namespace

class TestSchnittGE : public QObject, SzenenFenster<TSchnittGE, TSchnittGEForm> {
    Q_OBJECT

    QLineEdit* zahlfeld(const char* name) const { return element<QLineEdit>(name); }

    QString feldtexte() const
    {
        QStringList t;
        for (const char* name : {"PSxEdit", "PSyEdit", "PSzEdit", "USxEdit", "USyEdit", "USzEdit"})
            t.append(zahlfeld(name)->text());
        return t.join(u' ');
    }

    // The form shown and active, so that the focus moves as it does for a user.
    void aktiv()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

private slots:
    void initTestCase()
    {
        Einrichten();
        SignaltonSetzen([] { ++piepse; });
        BoxPiepsZaehler = [] { return piepse; };
    }

    void init()
    {
        Anlegen();
        piepse = 0;
    }

    void cleanup() { Abbauen(); }

    void opensBesideTheMainWindowWithExample1Loaded()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Schnitt von Geraden und Ebenen"));
        QCOMPARE(form->size(), QSize(425, 353));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY2(modell->Einstellungen() == Beispiel1, qPrintable(Text(modell->Einstellungen())));
        QCOMPARE(feldtexte(), QStringLiteral("-2 2 3 0 0 1"));
        QCOMPARE(zeichnungen, 0);  // the scene starts switched off

        // The spin edits hold whole numbers from -10 to 10 and are stepped, not typed.
        for (const TSpinEdit* komponente : form->findChildren<TSpinEdit*>()) {
            QCOMPARE(komponente->MinValue(), -10);
            QCOMPARE(komponente->MaxValue(), 10);
            QVERIFY(!komponente->EditorEnabled());
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 18);

        // Each row in its object's colour; the equations 19 pixels high and bold.
        const QColor gruen(0, 128, 0), blau(0, 0, 255), rot(255, 0, 0);
        const struct {
            const char* name;
            QColor farbe;
            int pixel;  // 0: the window's size
        } schriften[] = {
            {"g1E1CheckBox", gruen, 19}, {"Gleich1Label", gruen, 19},  {"PlusR1Label", gruen, 19},
            {"PlusS1Label", gruen, 19},  {"g2E2CheckBox", blau, 19},   {"Gleich2Label", blau, 19},
            {"PlusR2Label", blau, 19},   {"PlusS2Label", blau, 19},    {"Label1", rot, 19},
            {"PlusRSSLabel", rot, 19},   {"SElementCheckBox", rot, 0}, {"SVektorenCheckBox", rot, 0},
        };
        for (const auto& s : schriften) {
            QWidget* w = element<QWidget>(s.name);
            w->ensurePolished();
            QCOMPARE(w->palette().color(w->foregroundRole()), s.farbe);
            if (s.pixel)
                QCOMPARE(w->font().pixelSize(), s.pixel);
            QCOMPARE(w->font().bold(), std::string_view(s.name) != "SVektorenCheckBox");
        }
        // The arrow buttons show a picture and say what they do.
        for (const TRxSpeedButton* pfeil : form->findChildren<TRxSpeedButton*>()) {
            QVERIFY(!pfeil->icon().isNull());
            QVERIFY(!pfeil->toolTip().isEmpty());
        }
        QCOMPARE(form->findChildren<TRxSpeedButton*>().size(), 12);
    }

    // In the test font everything fits, for each pair of objects, whose rows and captions
    // differ; the window keeps its designed size.
    void everythingFitsInTheTestFont()
    {
        aktiv();
        for (const char* paar : {"g1g2RadioButton", "g1E2RadioButton", "E1E2RadioButton"}) {
            radio(paar)->click();
            QApplication::processEvents();  // the new captions' layout
            const QStringList fehler = Passfehler(form.get());
            QVERIFY2(fehler.isEmpty(), qPrintable(QString::fromLatin1(paar) + ":\n" + fehler.join(u'\n')));
        }
        QCOMPARE(form->size(), QSize(425, 353));
    }

    // One control after the other, as a user would: each change reads the whole window
    // into the model and redraws once; the pair relabels the rows at once.
    void everyControlUpdatesTheModelAndRedrawsOnce()
    {
        aktiv();
        const auto klick = [this](const char* name) {
            return [this, name] { element<QAbstractButton>(name)->click(); };
        };
        const auto hoch = [this](const char* name) {
            return [this, name] { QTest::keyClick(feld(name), Qt::Key_Up); };
        };
        // Types into a field and leaves it with Tab: only leaving takes the number.
        const auto tippen = [this](const char* name, const char* text) {
            return [this, name, text] {
                QLineEdit* feld = zahlfeld(name);
                feld->setFocus();
                feld->selectAll();
                QTest::keyClicks(feld, QString::fromUtf8(text));
                QCOMPARE(zeichnungen, vorherGezeichnet);
                QTest::keyClick(feld, Qt::Key_Tab);
                QTRY_COMPARE(zeichnungen, vorherGezeichnet + 1);
            };
        };
        const auto pfeil = [this](const char* name) {
            return [this, name] { QTest::mouseClick(knopf(name), Qt::LeftButton); };
        };

        Stand s = Beispiel1;
        const auto mit = [&s](auto aendern) {
            aendern(s);
            return s;
        };
        const struct {
            const char* name;
            std::function<void()> tun;
            Stand danach;
        } schritte[] = {
            {"DarstellungCheckBox", klick("DarstellungCheckBox"), mit([](Stand& s) { s.Darstellung = true; })},
            {"g1E1CheckBox", klick("g1E1CheckBox"), mit([](Stand& s) { s.g1E1 = true; })},
            {"g2E2CheckBox", klick("g2E2CheckBox"), mit([](Stand& s) { s.g2E2 = true; })},
            {"VieleOrtsvektoren1CheckBox", klick("VieleOrtsvektoren1CheckBox"),
             mit([](Stand& s) { s.VieleOrtsvektoren1 = true; })},
            {"VieleOrtsvektoren2CheckBox", klick("VieleOrtsvektoren2CheckBox"),
             mit([](Stand& s) { s.VieleOrtsvektoren2 = true; })},
            {"SElementCheckBox", klick("SElementCheckBox"), mit([](Stand& s) { s.SElement = true; })},
            {"SVektorenCheckBox", klick("SVektorenCheckBox"), mit([](Stand& s) { s.SVektoren = true; })},
            {"SQuaderCheckBox", klick("SQuaderCheckBox"), mit([](Stand& s) { s.SQuader = true; })},
            {"g1E2RadioButton", klick("g1E2RadioButton"), mit([](Stand& s) { s.Schnittart = Art::g1E2; })},
            {"E1E2RadioButton", klick("E1E2RadioButton"), mit([](Stand& s) { s.Schnittart = Art::E1E2; })},
            {"P1xSpinEdit", hoch("P1xSpinEdit"), mit([](Stand& s) { s.P1.x = 3; })},
            {"U2zSpinEdit", hoch("U2zSpinEdit"), mit([](Stand& s) { s.U2.z = 2; })},
            {"V1ySpinEdit", hoch("V1ySpinEdit"), mit([](Stand& s) { s.V1.y = 1; })},
            {"PSxEdit", tippen("PSxEdit", "1,5"), mit([](Stand& s) { s.PS.x = 1.5; })},
            {"PSxSpinButtonUp", pfeil("PSxSpinButtonUp"), mit([](Stand& s) { s.PS.x = 2.5; })},
            {"USySpinButtonDown", pfeil("USySpinButtonDown"), mit([](Stand& s) { s.US.y = -1; })},
            {"USzEdit", tippen("USzEdit", "-0,25"), mit([](Stand& s) { s.US.z = -0.25; })},
            // Back to two lines: the rows of the planes are hidden but still count.
            {"g1g2RadioButton", klick("g1g2RadioButton"), mit([](Stand& s) { s.Schnittart = Art::g1g2; })},
            {"V2xSpinEdit", hoch("V2xSpinEdit"), mit([](Stand& s) { s.V2.x = 1; })},
            {"Beispiel2Button", klick("Beispiel2Button"), mit([](Stand& s) {
                 s.P1 = {2, 4, 4}, s.U1 = {-1, 1, 1}, s.V1 = {0, 0, -1};
                 s.P2 = {0, 0, 0}, s.U2 = {1, 1, 1}, s.V2 = {0, 0, 1};
                 s.PS = {3, 3, 3}, s.US = {0, 0, 1};
             })},
            {"PSzSpinButtonUp", pfeil("PSzSpinButtonUp"), mit([](Stand& s) { s.PS.z = 4; })},
            // The spin edits already show example 2: the fields alone go back, and are drawn.
            {"Beispiel2Button", klick("Beispiel2Button"), mit([](Stand& s) { s.PS.z = 3; })},
            {"Beispiel3Button", klick("Beispiel3Button"), mit([](Stand& s) {
                 s.P1 = {5, 2, 0}, s.U1 = {1, 0, -3}, s.V1 = {0, 0, 0};
                 s.P2 = {8, 4, -1}, s.U2 = {2, 1, -2}, s.V2 = {0, 0, 0};
                 s.PS = {4, 2, 3}, s.US = {0, 0, 0};
             })},
            {"Beispiel1Button", klick("Beispiel1Button"), mit([](Stand& s) {
                 const Stand schalter = s;
                 s = Beispiel1;
                 s.Darstellung = s.g1E1 = s.g2E2 = s.VieleOrtsvektoren1 = s.VieleOrtsvektoren2 = true;
                 s.SElement = s.SVektoren = s.SQuader = true;
                 s.Schnittart = schalter.Schnittart;
             })},
        };
        for (const auto& schritt : schritte) {
            vorherGezeichnet = zeichnungen;
            schritt.tun();
            QVERIFY2(modell->Einstellungen() == schritt.danach,
                     qPrintable(QString::fromLatin1(schritt.name) + ": " + Text(modell->Einstellungen())));
            QVERIFY2(
                zeichnungen == vorherGezeichnet + 1,
                qPrintable(QStringLiteral("%1: %2 redraws").arg(schritt.name).arg(zeichnungen - vorherGezeichnet)));
        }
        QCOMPARE(feldtexte(), QStringLiteral("-2 2 3 0 0 1"));
    }

    void captionsAndRowsFollowThePair()
    {
        aktiv();
        const struct {
            const char* radio;
            const char *objekt1, *objekt2, *element, *vektoren;
            bool s1, s2, rs, quader;
        } faelle[] = {
            {"E1E2RadioButton", "E1:", "E2:", "Schnittgerade", "Ortsvektoren", true, true, true, false},
            {"g1E2RadioButton", "g1:", "E2:", "Schnittpunkt", "Ortsvektor", false, true, false, true},
            {"g1g2RadioButton", "g1:", "g2:", "Schnittpunkt", "Ortsvektor", false, false, false, true},
        };
        for (const auto& f : faelle) {
            radio(f.radio)->click();
            QCOMPARE(schalter("g1E1CheckBox")->text(), QString::fromUtf8(f.objekt1));
            QCOMPARE(schalter("g2E2CheckBox")->text(), QString::fromUtf8(f.objekt2));
            QCOMPARE(schalter("SElementCheckBox")->text(), QString::fromUtf8(f.element));
            QCOMPARE(schalter("SVektorenCheckBox")->text(), QString::fromUtf8(f.vektoren));
            QCOMPARE(element<QWidget>("PlusS1Panel")->isVisible(), f.s1);
            QCOMPARE(element<QWidget>("PlusS2Panel")->isVisible(), f.s2);
            QCOMPARE(element<QWidget>("PlusRSPanel")->isVisible(), f.rs);
            QCOMPARE(element<QWidget>("SQuaderCheckBox")->isVisible(), f.quader);
        }
    }

    // A component spin edit holding a number out of range (nobody can type there, but a
    // program can put text in as if typed) opens no box: the model sees the nearest allowed
    // number at once, and the field shows it once it is left.
    void anOutOfRangeComponentCountsAsTheNearestAllowedNumber()
    {
        aktiv();
        schalter("DarstellungCheckBox")->click();
        const struct {
            const char* name;
            const char* text;
            std::function<void(Stand&)> aendern;
            const char* danach;
        } faelle[] = {
            {"P1xSpinEdit", "25", [](Stand& s) { s.P1.x = 10; }, "10"},
            {"V2zSpinEdit", "-11", [](Stand& s) { s.V2.z = -10; }, "-10"},
            {"U1ySpinEdit", "1000", [](Stand& s) { s.U1.y = 10; }, "10"},
        };
        BoxBeantworter beantworter(QStringLiteral("OK"));
        Stand soll = modell->Einstellungen();
        for (const auto& f : faelle) {
            TSpinEdit* komponente = feld(f.name);
            komponente->setFocus();
            const int gezeichnet = zeichnungen;
            komponente->setText(QString::fromUtf8(f.text));
            QVERIFY2(beantworter.boxen.isEmpty(), qPrintable(beantworter.texte().join(u'|')));
            f.aendern(soll);
            QVERIFY2(modell->Einstellungen() == soll,
                     qPrintable(QString::fromLatin1(f.name) + ": " + Text(modell->Einstellungen())));
            QCOMPARE(zeichnungen, gezeichnet + 1);
            QCOMPARE(komponente->text(), QString::fromUtf8(f.text));  // as typed while the field has the focus
        }
        schalter("SElementCheckBox")->setFocus();
        for (const auto& f : faelle)
            QCOMPARE(feld(f.name)->text(), QString::fromUtf8(f.danach));
        QTest::qWait(50);
        QVERIFY2(beantworter.boxen.isEmpty(), qPrintable(beantworter.texte().join(u'|')));
        QCOMPARE(piepse, 0);
        QVERIFY2(modell->Einstellungen() == soll, qPrintable(Text(modell->Einstellungen())));
    }

    // Leaving a field with no number in it is refused; nothing is taken or drawn. Its
    // arrow buttons report the text; the other controls still work meanwhile.
    void aFieldWithoutANumberIsRefusedAndChangesNothing()
    {
        aktiv();
        schalter("DarstellungCheckBox")->click();
        QLineEdit* feld = zahlfeld("PSyEdit");
        const Stand vorher = modell->Einstellungen();
        const int gezeichnet = zeichnungen;

        {
            BoxBeantworter beantworter(QStringLiteral("OK"));
            feld->setFocus();
            feld->selectAll();
            QTest::keyClicks(feld, QStringLiteral("1.5"));
            QTest::keyClick(feld, Qt::Key_Tab);
            QTRY_COMPARE(beantworter.boxen.size(), 1);
            QCOMPARE(beantworter.boxen[0].text,
                     QStringLiteral("Ohne Eingabe einer gültigen reellen Zahl kann das Feld nicht verlassen werden."));
            QCOMPARE(beantworter.boxen[0].symbol, QMessageBox::Critical);
            QCOMPARE(beantworter.boxen[0].piepseVorher, 1);
            QTRY_VERIFY(!QApplication::activeModalWidget());
            QTRY_COMPARE(form->focusWidget(), feld);
            QVERIFY(feld->hasFocus() || !form->isActiveWindow());
        }
        QCOMPARE(feld->text(), QString());
        QVERIFY(modell->Einstellungen() == vorher);
        QCOMPARE(zeichnungen, gezeichnet);

        // Leaving again with the field still empty, by a click on another control: refused
        // again, and the click does not reach that control, however quick it is.
        aktiv();
        QVERIFY(feld->hasFocus());
        {
            BoxBeantworter beantworter(QStringLiteral("OK"));
            QCheckBox* quader = schalter("SQuaderCheckBox");
            QTest::mouseClick(quader, Qt::LeftButton);
            QTRY_COMPARE(beantworter.boxen.size(), 1);
            QTRY_VERIFY(!QApplication::activeModalWidget());
            QTRY_COMPARE(form->focusWidget(), feld);
            QVERIFY(!quader->isChecked());
            QVERIFY(!quader->isDown());
        }
        QCOMPARE(feld->text(), QString());
        QVERIFY(modell->Einstellungen() == vorher);
        QCOMPARE(zeichnungen, gezeichnet);

        // Its arrow buttons say that the text is no number and step nothing.
        {
            BoxBeantworter beantworter(QStringLiteral("OK"));
            QTest::mouseClick(knopf("PSySpinButtonUp"), Qt::LeftButton);
            QTRY_COMPARE(beantworter.texte(), QStringList{"'' ist kein gültiger Gleitkommawert"});
        }
        QCOMPARE(feld->text(), QString());
        QVERIFY(modell->Einstellungen() == vorher);
        QCOMPARE(zeichnungen, gezeichnet);

        // A switch still works and keeps the field's last number.
        schalter("SElementCheckBox")->click();
        QCOMPARE(modell->Einstellungen().SElement, true);
        QCOMPARE(modell->Einstellungen().PS.y, 2.0);
        QCOMPARE(zeichnungen, gezeichnet + 1);

        // A number, and the field may be left.
        aktiv();
        QTest::keyClicks(feld, QStringLiteral("-7"));
        QTest::keyClick(feld, Qt::Key_Tab);
        QTRY_COMPARE(modell->Einstellungen().PS.y, -7.0);
        QVERIFY(QApplication::focusWidget() != feld);
    }

    void closingSwitchesTheSceneOffAndKeepsTheRest()
    {
        aktiv();
        schalter("DarstellungCheckBox")->click();
        schalter("g2E2CheckBox")->click();
        radio("E1E2RadioButton")->click();
        // Even while a field is being corrected.
        QLineEdit* feld = zahlfeld("USxEdit");
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, QStringLiteral("x"));
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        Stand soll = Beispiel1;
        soll.g2E2 = true;
        soll.Schnittart = Art::E1E2;
        QVERIFY2(modell->Einstellungen() == soll, qPrintable(Text(modell->Einstellungen())));
        QCOMPARE(zeichnungen, vorher + 1);
    }

private:
    int vorherGezeichnet = 0;
};

QTEST_MAIN(TestSchnittGE)
#include "test_schnittge_form.moc"
