// The window "Figuren-Demonstration", driven by its control names: what it shows when made,
// each figure's box, the far planes the long box sets and gives back (in the settings window
// too), both timers, and closing, which switches everything off and puts the figures back.

#include "scenes/other/figurendemo.h"
#include "szenenfenster.h"
#include "windows/einstellungen_form.h"
#include "windows/scenes/other/figurendemo_form.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace orbisto;

class TestFigurenDemoForm : public QObject, SzenenFenster<TFigurenDemo, TFigurenDemoForm> {
    Q_OBJECT

    QTimer* drehung() const { return element<QTimer>("GQuaderZRotationTimer"); }
    QTimer* bewegung() const { return element<QTimer>("EinWuerfelBewegungTimer"); }

    static constexpr const char* Boxen[] = {"FluchtpunktQuaderCheckBox",   "TestWuerfelCheckBox",
                                            "GeschlossenerQuaderCheckBox", "GQuaderZRotationCheckBox",
                                            "EinWuerfelCheckBox",          "EinWuerfelBewegungCheckBox"};

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Figuren-Demonstration"));
        QCOMPARE(form->size(), QSize(243, 176));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        const char* texte[] = {"Fluchtpunkt-Quader --> +y", "3 Wuerfel (Kantenmodell)",
                               "Vollquader 6-4-2",          "Rotation um Z",
                               "EinWuerfel (Kantenmodell)", "Bewegung in y-Richtung"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(schalter(Boxen[i])->text(), QString::fromUtf8(texte[i]));
            QVERIFY2(!schalter(Boxen[i])->isChecked(), Boxen[i]);
        }
        QCOMPARE(modell->Einstellungen(), TFigurenDemo::Startwerte);
        for (QTimer* t : {drehung(), bewegung()}) {
            QVERIFY(!t->isActive());
            QCOMPARE(t->interval(), 50);
        }
        QCOMPARE(zeichnungen, 0);
    }

    void everythingFitsInTheTestFont()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(243, 176));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    void eachBoxSwitchesItsFigureOrTimerAndRedrawsOnce()
    {
        struct Fall {
            const char* name;
            bool tFigurenDemoEinstellungen::*figur;  // null: only a timer
            QTimer* timer;
        } const faelle[] = {
            {"FluchtpunktQuaderCheckBox", &tFigurenDemoEinstellungen::FluchtpunktQuader, nullptr},
            {"TestWuerfelCheckBox", &tFigurenDemoEinstellungen::TestWuerfel, nullptr},
            {"GeschlossenerQuaderCheckBox", &tFigurenDemoEinstellungen::Vollquader, nullptr},
            {"GQuaderZRotationCheckBox", nullptr, drehung()},
            {"EinWuerfelCheckBox", &tFigurenDemoEinstellungen::EinWuerfel, nullptr},
            {"EinWuerfelBewegungCheckBox", &tFigurenDemoEinstellungen::EinWuerfelBewegung, bewegung()},
        };
        for (const Fall& f : faelle) {
            const int vorher = zeichnungen;
            klicken(f.name);
            tFigurenDemoEinstellungen erwartet;
            if (f.figur)
                erwartet.*f.figur = true;
            QCOMPARE(modell->Einstellungen(), erwartet);
            QCOMPARE(zeichnungen, vorher + 1);
            QCOMPARE(drehung()->isActive(), f.timer == drehung());
            QCOMPARE(bewegung()->isActive(), f.timer == bewegung());
            klicken(f.name);
            QCOMPARE(modell->Einstellungen(), TFigurenDemo::Startwerte);
            QCOMPARE(zeichnungen, vorher + 2);
            QVERIFY(!drehung()->isActive() && !bewegung()->isActive());
        }
    }

    void theLongBoxKeepsTheFarPlanesAtItsValueUntilItIsCleared()
    {
        TKoSys& k = programm->KoSys;
        k.OFern = 450;
        k.PFern = 120;
        klicken("FluchtpunktQuaderCheckBox");
        QCOMPARE(k.OFern, 3000.0);
        QCOMPARE(k.PFern, 3000.0);
        // Other boxes leave them, on and off.
        for (const char* name : {"TestWuerfelCheckBox", "EinWuerfelCheckBox", "TestWuerfelCheckBox"})
            klicken(name);
        QCOMPARE(k.OFern, 3000.0);
        QCOMPARE(k.PFern, 3000.0);
        klicken("FluchtpunktQuaderCheckBox");
        QCOMPARE(k.OFern, 450.0);
        QCOMPARE(k.PFern, 120.0);
        // Any click now leaves the user's values alone.
        klicken("GeschlossenerQuaderCheckBox");
        QCOMPARE(k.OFern, 450.0);
        QCOMPARE(k.PFern, 120.0);
    }

    void theTimersTurnTheCuboidAndMoveTheCubeOneStepPerTick()
    {
        struct Fall {
            const char* box;
            QTimer* timer;
            double (TFigurenDemo::*wert)() const;
            double start, schritt;
        } const faelle[] = {
            {"GQuaderZRotationCheckBox", drehung(), &TFigurenDemo::QuaderWinkel, 0, -2},
            {"EinWuerfelBewegungCheckBox", bewegung(), &TFigurenDemo::WuerfelY, -5, 0.1},
        };
        for (const Fall& f : faelle) {
            QSignalSpy takte(f.timer, &QTimer::timeout);
            klicken(f.box);
            QVERIFY(f.timer->isActive());
            const int vorher = zeichnungen;
            QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
            // The window's handler runs before the spy sees the tick.
            QVERIFY(std::abs((*modell.*f.wert)() - (f.start + f.schritt * takte.count())) < 1e-9);
            QCOMPARE(zeichnungen - vorher, int(takte.count()));
            klicken(f.box);
            QVERIFY(!f.timer->isActive());
            const double stand = (*modell.*f.wert)();
            QTest::qWait(120);
            QCOMPARE((*modell.*f.wert)(), stand);
        }
    }

    void closingSwitchesEverythingOffAndPutsTheFiguresBack()
    {
        TKoSys& k = programm->KoSys;
        k.OFern = k.PFern = 300;
        zeigen();
        for (const char* name : Boxen)
            klicken(name);
        QVERIFY(drehung()->isActive() && bewegung()->isActive());
        QTRY_VERIFY(modell->QuaderWinkel() < 0 && modell->WuerfelY() > -5);
        QVERIFY(form->close());
        for (const char* name : Boxen)
            QVERIFY2(!schalter(name)->isChecked(), name);
        QCOMPARE(modell->Einstellungen(), TFigurenDemo::Startwerte);
        QVERIFY(!drehung()->isActive() && !bewegung()->isActive());
        QCOMPARE(modell->QuaderWinkel(), 0.0);
        QCOMPARE(modell->WuerfelY(), -5.0);
        QCOMPARE(k.OFern, 300.0);
        QCOMPARE(k.PFern, 300.0);
    }

    // In the program the settings window shows the far planes the long box sets, and the
    // user's own again once it is cleared.
    void theSettingsWindowShowsTheFarPlanes()
    {
        EchtesProgramm echt;
        QVERIFY(echt.Zeigen());
        auto* menue = echt.Menue("FigurenDemoMen");
        QVERIFY(menue && menue->isEnabled());
        auto* szene = echt.Fenster<TFigurenDemoForm>(SzenenNr::FigurenDemo);
        auto* einstellungen = echt.haupt.findChild<TEinstellungenForm*>();
        QVERIFY(szene && einstellungen);
        auto* ofern = Element<TSpinEdit>(einstellungen, "OfernSpinEdit");
        auto* pfern = Element<TSpinEdit>(einstellungen, "PfernSpinEdit");
        ofern->setValue(450);
        pfern->setValue(700);
        menue->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(szene));

        Element<QCheckBox>(szene, "FluchtpunktQuaderCheckBox")->click();
        QTRY_COMPARE(ofern->Value(), 3000);
        QTRY_COMPARE(pfern->Value(), 3000);
        Element<QCheckBox>(szene, "TestWuerfelCheckBox")->click();
        QTest::qWait(50);
        QCOMPARE(ofern->Value(), 3000);
        Element<QCheckBox>(szene, "FluchtpunktQuaderCheckBox")->click();
        QTRY_COMPARE(ofern->Value(), 450);
        QTRY_COMPARE(pfern->Value(), 700);
        szene->close();
    }
};

QTEST_MAIN(TestFigurenDemoForm)
#include "test_figurendemo_form.moc"
