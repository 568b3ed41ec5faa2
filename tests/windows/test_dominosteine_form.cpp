// The window "Domino - Steine", driven by its control names: what it shows when made and
// that it fits its designed size, the three part switches, the arm's timer (one step per
// tick, on exactly while "Rotation um Z" is checked, turning the arm also while it is not
// drawn), "Einzelschritt", and closing, which switches everything off and turns the arm
// back to 0.

#include "scenes/other/dominosteine.h"
#include "szenenfenster.h"
#include "windows/scenes/other/dominosteine_form.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace orbisto;

class TestDominoSteineForm : public QObject, SzenenFenster<TDominoSteine, TDominoSteineForm> {
    Q_OBJECT

    QTimer* timer() const { return element<QTimer>("DominoArmZrotTimer"); }
    QPushButton* einzelschritt() const { return element<QPushButton>("DominoArmZrotButton"); }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheDefaults()
    {
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Domino - Steine"));
        QCOMPARE(form->size(), QSize(243, 109));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(zeichnungen, 1);
        QCOMPARE(modell->Einstellungen(), TDominoSteine::Startwerte);
        QCOMPARE(modell->ArmWinkel(), 0.0);
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        struct Box {
            const char* name;
            const char* text;
        } const boxen[] = {{"DominoScheibeCheckBox", "Grundscheibe"},
                           {"DominoSteineCheckBox", "Steine"},
                           {"DominoArmCheckBox", "Dreharm"},
                           {"DominoArmZrotCheckBox", "Rotation um Z"}};
        for (const Box& b : boxen) {
            QCOMPARE(schalter(b.name)->text(), QString::fromUtf8(b.text));
            QVERIFY2(!schalter(b.name)->isChecked(), b.name);
        }
        QCOMPARE(einzelschritt()->text(), QStringLiteral("Einzelschritt"));
    }

    void everythingFitsInTheTestFont()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->size(), QSize(243, 109));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    void eachBoxSwitchesItsPartAndRedrawsOnce()
    {
        struct Fall {
            const char* name;
            bool tDominoSteineEinstellungen::*teil;
        } const faelle[] = {{"DominoScheibeCheckBox", &tDominoSteineEinstellungen::Grundscheibe},
                            {"DominoSteineCheckBox", &tDominoSteineEinstellungen::Steine},
                            {"DominoArmCheckBox", &tDominoSteineEinstellungen::Dreharm}};
        for (const Fall& f : faelle) {
            const int vorher = zeichnungen;
            schalter(f.name)->click();
            tDominoSteineEinstellungen erwartet;
            erwartet.*f.teil = true;
            QCOMPARE(modell->Einstellungen(), erwartet);
            QCOMPARE(zeichnungen, vorher + 1);
            QVERIFY(!timer()->isActive());
            schalter(f.name)->click();
            QCOMPARE(modell->Einstellungen(), TDominoSteine::Startwerte);
            QCOMPARE(zeichnungen, vorher + 2);
        }
    }

    void theRotationTurnsTheArmOneStepPerTick()
    {
        // Nothing is drawn, and the arm turns all the same.
        QSignalSpy takte(timer(), &QTimer::timeout);
        schalter("DominoArmZrotCheckBox")->click();
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        const int vorher = zeichnungen;
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        // The form's handler runs before the spy sees the tick.
        QCOMPARE(modell->ArmWinkel(), takte.count() * 2.0);
        QCOMPARE(zeichnungen - vorher, int(takte.count()));

        // Another box leaves the timer running.
        schalter("DominoSteineCheckBox")->click();
        QVERIFY(timer()->isActive());

        schalter("DominoArmZrotCheckBox")->click();
        QVERIFY(!timer()->isActive());
        const double stand = modell->ArmWinkel();
        QTest::qWait(120);
        QCOMPARE(modell->ArmWinkel(), stand);
    }

    void einzelschrittTurnsTheArmOnce()
    {
        for (int i = 1; i <= 3; ++i) {
            const int vorher = zeichnungen;
            einzelschritt()->click();
            QCOMPARE(modell->ArmWinkel(), 2.0 * i);
            QCOMPARE(zeichnungen, vorher + 1);
        }
        QVERIFY(!timer()->isActive());
    }

    void closingSwitchesEverythingOffAndTurnsTheArmBack()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const char* const boxen[] = {"DominoScheibeCheckBox", "DominoSteineCheckBox", "DominoArmCheckBox",
                                     "DominoArmZrotCheckBox"};
        for (const char* b : boxen)
            schalter(b)->click();
        einzelschritt()->click();
        QVERIFY(timer()->isActive());
        QVERIFY(modell->ArmWinkel() > 0);

        const int vorher = zeichnungen;
        QVERIFY(form->close());
        for (const char* b : boxen)
            QVERIFY2(!schalter(b)->isChecked(), b);
        QCOMPARE(modell->Einstellungen(), TDominoSteine::Startwerte);
        QVERIFY(!timer()->isActive());
        QCOMPARE(modell->ArmWinkel(), 0.0);
        QCOMPARE(zeichnungen, vorher + 4);  // each box's handler as it is unchecked
        QTest::qWait(120);
        QCOMPARE(modell->ArmWinkel(), 0.0);
    }
};

QTEST_MAIN(TestDominoSteineForm)
#include "test_dominosteine_form.moc"
