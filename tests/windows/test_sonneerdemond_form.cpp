// The window "Sonne - Erde - Mond", driven by its control names: what it shows when made,
// that it fits its designed size, each box into the model with one redraw, the rotation
// timer (one step per tick, the interval taken at once while it runs, never below 1 ms),
// the single step and "Reset", closing that changes nothing, and the end of the program,
// which clears every box and stops the timer.

#include "boxbeantworter.h"
#include "scenes/physics/sonneerdemond.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/sonneerdemond_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace orbisto;

class TestSonneErdeMondForm : public QObject, SzenenFenster<TSonneErdeMond, TSonneErdeMondForm> {
    Q_OBJECT

    QTimer* timer() const { return element<QTimer>("SEMTimer"); }
    TSpinEdit* intervall() const { return feld("SEMIntervalSpinEdit"); }
    QPushButton* knopf(const char* name) const { return element<QPushButton>(name); }
    // Both angles, as one value to compare.
    QPair<double, double> winkel() const { return {modell->Erdwinkel(), modell->Mondwinkel()}; }

private slots:
    void initTestCase() { Einrichten(); }
    // A model that has moved already: making the window puts the angles back to 0.
    void init()
    {
        Anlegen([](TSonneErdeMond& m) { m.Schritt(); });
    }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheDefaults()
    {
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Sonne - Erde - Mond"));
        QCOMPARE(form->size(), QSize(324, 171));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(zeichnungen, 0);
        QCOMPARE(modell->Einstellungen(), TSonneErdeMond::Startwerte);
        QCOMPARE(winkel(), qMakePair(0.0, 0.0));
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 50);

        struct Box {
            const char* name;
            const char* text;
        } const boxen[] = {{"SonneCheckBox", "Sonne"},
                           {"ErdeCheckBox", "Erde"},
                           {"MondCheckBox", "Mond"},
                           {"SEMRotationCheckBox", "Rotation dauerhaft"}};
        for (const Box& b : boxen) {
            QCOMPARE(schalter(b.name)->text(), QString::fromUtf8(b.text));
            QVERIFY(!schalter(b.name)->isChecked());
        }
        QCOMPARE(knopf("SEMEinzelschrittButton")->text(), QStringLiteral("Rotation Einzelschritt "));
        QCOMPARE(knopf("SEMResetButton")->text(), QStringLiteral("Reset"));
        QCOMPARE(label("SEMIntervalLabel")->text(), QStringLiteral("Schritt dt [ms]"));
        QCOMPARE(label("SEMIntervalLabel")->buddy(), intervall());
        QCOMPARE(intervall()->MinValue(), 1);
        QCOMPARE(intervall()->MaxValue(), 500);
        QCOMPARE(intervall()->Value(), 50);
    }

    void everythingFitsInTheTestFont()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->size(), QSize(324, 171));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // Tab walks the bodies first, then the motion.
    void theTabOrderFollowsTheColumns()
    {
        const QStringList erwartet{"SonneCheckBox",       "ErdeCheckBox",        "MondCheckBox",
                                   "SEMRotationCheckBox", "SEMIntervalSpinEdit", "SEMEinzelschrittButton",
                                   "SEMResetButton"};
        QStringList reihe;
        for (QWidget* w = form->nextInFocusChain(); w != form.get(); w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
                reihe << w->objectName();
        QCOMPARE(reihe, erwartet);
    }

    // Each box switches its own body and redraws once; the others stay as they are.
    void eachBoxSwitchesItsBody()
    {
        using E = tSonneErdeMondEinstellungen;
        struct Fall {
            const char* box;
            bool E::*an;
        } const faelle[] = {{"SonneCheckBox", &E::Sonne}, {"ErdeCheckBox", &E::Erde}, {"MondCheckBox", &E::Mond}};
        for (const bool an : {true, false})
            for (const Fall& f : faelle) {
                E erwartet = modell->Einstellungen();
                erwartet.*f.an = an;
                const int z = zeichnungen;
                schalter(f.box)->click();
                QCOMPARE(modell->Einstellungen(), erwartet);
                QCOMPARE(zeichnungen, z + 1);
            }
        QVERIFY(!timer()->isActive());
    }

    void theRotationTurnsOneStepPerTick()
    {
        QSignalSpy takte(timer(), &QTimer::timeout);
        schalter("SEMRotationCheckBox")->click();
        QVERIFY(modell->Einstellungen().RotationDauerhaft);
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 50);
        const int vorher = zeichnungen;
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        // The form's handler runs before the spy sees the tick.
        const int n = int(takte.count());
        QCOMPARE(winkel(), qMakePair(1.0 * n, 11.0 * n));
        QCOMPARE(zeichnungen - vorher, n);

        // A new interval counts at once, without a redraw of its own, and the rotation runs on.
        const int z = zeichnungen;
        intervall()->setValue(7);
        QCOMPARE(timer()->interval(), 7);
        QCOMPARE(modell->TimerIntervall(), 7);
        QVERIFY(timer()->isActive());
        QCOMPARE(zeichnungen, z);
        // Typed 0 or less counts as 1 ms while it is typed: the timer never floods.
        BoxBeantworter antwort;
        for (const char* text : {"0", "-20", "x"}) {
            intervall()->setText(QString::fromLatin1(text));
            QCOMPARE(timer()->interval(), 1);
            QCOMPARE(modell->TimerIntervall(), 1);
        }
        intervall()->setText(QStringLiteral("9000"));
        QCOMPARE(timer()->interval(), 500);
        QCOMPARE(antwort.boxen.size(), 0);

        schalter("SEMRotationCheckBox")->click();
        QVERIFY(!timer()->isActive());
        const auto stand = winkel();
        QTest::qWait(100);
        QCOMPARE(winkel(), stand);
    }

    void aSingleStepAndReset()
    {
        struct Fall {
            const char* knopf;
            int mal;
            double erde, mond;
        } const faelle[] = {
            {"SEMEinzelschrittButton", 1, 1, 11},
            {"SEMEinzelschrittButton", 2, 3, 33},
            {"SEMResetButton", 1, 0, 0},
        };
        for (const Fall& f : faelle) {
            const int z = zeichnungen;
            for (int i = 0; i < f.mal; ++i)
                knopf(f.knopf)->click();
            QCOMPARE(winkel(), qMakePair(f.erde, f.mond));
            QCOMPARE(zeichnungen, z + f.mal);
        }
        QVERIFY(!timer()->isActive());
    }

    void closingChangesNothing()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (const char* box : {"SonneCheckBox", "ErdeCheckBox", "MondCheckBox", "SEMRotationCheckBox"})
            schalter(box)->click();
        const tSonneErdeMondEinstellungen vorher = modell->Einstellungen();
        const int z = zeichnungen;
        QVERIFY(form->close());
        QCOMPARE(modell->Einstellungen(), vorher);
        for (const char* box : {"SonneCheckBox", "ErdeCheckBox", "MondCheckBox", "SEMRotationCheckBox"})
            QVERIFY2(schalter(box)->isChecked(), box);
        // The bodies go on turning while the window is closed.
        QSignalSpy takte(timer(), &QTimer::timeout);
        QTRY_VERIFY(takte.count() >= 2);
        QCOMPARE(zeichnungen - z, int(takte.count()));
        form->Zeigen();
        QVERIFY(modell->Erdwinkel() >= 2);
        QVERIFY(timer()->isActive());
    }

    // At the end of the program the window is destroyed: every box cleared in the model,
    // the timer gone, nothing drawn any more.
    void theEndOfTheProgramClearsEveryBox()
    {
        for (const char* box : {"SonneCheckBox", "ErdeCheckBox", "MondCheckBox", "SEMRotationCheckBox"})
            schalter(box)->click();
        intervall()->setValue(5);
        QPointer<QTimer> t = timer();
        const int z = zeichnungen;
        form.reset();
        QVERIFY(t.isNull());
        tSonneErdeMondEinstellungen erwartet;
        erwartet.Intervall = 5;
        QCOMPARE(modell->Einstellungen(), erwartet);
        const auto stand = winkel();
        QTest::qWait(50);
        QCOMPARE(winkel(), stand);
        QCOMPARE(zeichnungen, z);
    }
};

QTEST_MAIN(TestSonneErdeMondForm)
#include "test_sonneerdemond_form.moc"
