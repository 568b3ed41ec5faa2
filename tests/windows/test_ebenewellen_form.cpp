// The window "Ebene Wellen", driven by its control names: what it shows when made, that it
// fits its designed size and Tab follows the reading order, the animation timer (one time
// step per tick, on exactly while "Bewegung" is checked, running on while the window is
// closed), "Reset", the "alle" arrows, the choice of excitation; and the scene in the real
// main window, where a broken object list gives one box however often the running wave
// redraws. Runs under Xvfb: the last test draws through the GL widget.

#include "app/fensterliste.h"
#include "boxbeantworter.h"
#include "programm/programm.h"
#include "scenes/physics/ebenewellen.h"
#include "szenenfenster.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"
#include "windows/scenes/physics/ebenewellen_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace orbisto;

class TestEbeneWellenForm : public QObject, SzenenFenster<TEbeneWellen, TEbeneWellenForm> {
    Q_OBJECT

    QTimer* timer() const { return element<QTimer>("WellenBewegungTimer"); }
    tWellenfeld wellenfeld() const
    {
        return {feld("WFxminSpinEdit")->Value(), feld("WFxmaxSpinEdit")->Value(), feld("WFyminSpinEdit")->Value(),
                feld("WFymaxSpinEdit")->Value()};
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheDefaults()
    {
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Ebene Wellen"));
        QCOMPARE(form->size(), QSize(374, 474));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(zeichnungen, 1);
        QCOMPARE(modell->Einstellungen(), TEbeneWellen::Startwerte);
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 100);

        struct Feld {
            const char* name;
            int min, max, wert, schritt;
        } const felder[] = {
            {"WAxposSpinEdit", -30, 30, -5, 1},
            {"WAyposSpinEdit", 0, 10, 4, 1},
            {"WFxminSpinEdit", -30, 30, -10, 1},
            {"WFxmaxSpinEdit", -30, 30, 10, 1},
            {"WFyminSpinEdit", -30, 30, -10, 1},
            {"WFymaxSpinEdit", -30, 30, 10, 1},
            {"WellenDatenPeriodendauerSpinEdit", 100, 4000, 2000, 100},
            {"WellenDatenPeriodendauerSchritteSpinEdit", 2, 40, 20, 2},
            {"WellenDatenWellenlaengeSpinEdit", 1, 10, 4, 1},
            {"WellenDatenWellenlaengeSchritteSpinEdit", 2, 40, 8, 2},
            {"WellenDatenAmplitudeSpinEdit", 0, 40, 10, 1},
        };
        for (const Feld& f : felder) {
            const TSpinEdit* s = feld(f.name);
            QCOMPARE(s->MinValue(), f.min);
            QCOMPARE(s->MaxValue(), f.max);
            QCOMPARE(s->Value(), f.wert);
            QCOMPARE(s->Increment(), f.schritt);
            QVERIFY2(!s->accessibleName().isEmpty(), f.name);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 11);

        form->show();  // polished, so style sheets have set fonts and colours
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF);
        struct Knopf {
            const char* name;
            const char* text;
            bool an, fett;
            QColor farbe;  // invalid: the default
        } const knoepfe[] = {
            {"DarstellungCheckBox", "Darstellung der Ebenen Wellen", false, false, {}},
            {"WellenBewegungCheckBox", "Bewegung", false, true, {}},
            {"WAlinearRadioButton", "linear", true, true, {}},
            {"WAP1RadioButton", "P1", false, true, {}},
            {"WAP2RadioButton", "P2", false, true, blau},
            {"WAP1und2RadioButton", "P1 und P2", false, true, {}},
            {"WAP1plus2RadioButton", "P1 + P2 (Interferenz)", false, true, {}},
            {"WAErregerCheckBox", "Erreger", false, false, rot},
            {"WAErregerBereichCheckBox", "Bereich", false, false, rot},
            {"WA1OszillatorCheckBox", "1. Oszillator", false, false, gruen},
            {"WA1OszillatorBereichCheckBox", "1. Bereich", false, false, gruen},
            {"WA2OszillatorCheckBox", "2. Oszillator", false, false, gruen},
            {"WA2OszillatorBereichCheckBox", "2. Bereich", false, false, gruen},
            {"WellenGitterCheckBox", "Funktions-Gitter", true, false, {}},
            {"WellenFlaecheCheckBox", "Funktions-Fläche", false, false, {}},
        };
        for (const Knopf& k : knoepfe) {
            auto* b = Element<QAbstractButton>(form.get(), k.name);
            QCOMPARE(b->text(), QString::fromUtf8(k.text));
            QCOMPARE(b->isChecked(), k.an);
            QCOMPARE(b->font().bold(), k.fett);
            if (k.farbe.isValid())
                QCOMPARE(b->palette().color(QPalette::WindowText), k.farbe);
        }
        QCOMPARE(Element<QCheckBox>(form.get(), "WAHyperbelCheckBox")->text(), QStringLiteral("Interferenzhyperbeln"));
        QVERIFY(Element<QCheckBox>(form.get(), "WAHyperbelCheckBox")->isHidden());
        QCOMPARE(Element<QPushButton>(form.get(), "WellenBewegungResetButton")->text(), QStringLiteral("Reset"));
        for (const char* gruppe : {"Wellen-Anregung", "Wellenfeld", "Wellen-Daten"}) {
            bool da = false;
            for (QGroupBox* g : form->findChildren<QGroupBox*>())
                da |= g->title() == QString::fromUtf8(gruppe);
            QVERIFY2(da, gruppe);
        }
        for (const char* pfeil : {"WFalleSpinButtonUp", "WFalleSpinButtonDown"}) {
            auto* b = Element<TRxSpeedButton>(form.get(), pfeil);
            QVERIFY(!b->icon().isNull());
            QVERIFY(!b->accessibleName().isEmpty());
        }
    }

    void everythingFitsInTheTestFont()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // The layout asks for no more than the designed size.
        QCOMPARE(form->size(), QSize(374, 474));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // Tab walks the controls as they read, row by row and group by group.
    void theTabOrderFollowsTheReadingOrder()
    {
        const QStringList erwartet{"DarstellungCheckBox",
                                   "WellenBewegungCheckBox",
                                   "WellenBewegungResetButton",
                                   "WAlinearRadioButton",
                                   "WAP1RadioButton",
                                   "WAP2RadioButton",
                                   "WAP1und2RadioButton",
                                   "WAP1plus2RadioButton",
                                   "WAxposSpinEdit",
                                   "WAyposSpinEdit",
                                   "WAErregerCheckBox",
                                   "WA1OszillatorCheckBox",
                                   "WA2OszillatorCheckBox",
                                   "WAErregerBereichCheckBox",
                                   "WA1OszillatorBereichCheckBox",
                                   "WA2OszillatorBereichCheckBox",
                                   "WFxminSpinEdit",
                                   "WFxmaxSpinEdit",
                                   "WFyminSpinEdit",
                                   "WFymaxSpinEdit",
                                   "WellenGitterCheckBox",
                                   "WellenFlaecheCheckBox",
                                   "WellenDatenPeriodendauerSpinEdit",
                                   "WellenDatenPeriodendauerSchritteSpinEdit",
                                   "WellenDatenWellenlaengeSpinEdit",
                                   "WellenDatenWellenlaengeSchritteSpinEdit",
                                   "WellenDatenAmplitudeSpinEdit"};
        QStringList reihe;
        for (QWidget* w = form->nextInFocusChain(); w != form.get(); w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form.get()) && !w->objectName().isEmpty() &&
                !w->objectName().startsWith(u"qt_"))
                reihe << w->objectName();
        QCOMPARE(reihe, erwartet);
    }

    void theRunningWaveAdvancesOneStepPerTick()
    {
        QSignalSpy takte(timer(), &QTimer::timeout);
        schalter("WellenBewegungCheckBox")->click();
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 100);
        const int vorher = zeichnungen;
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        // The form's handler runs before the spy sees the tick.
        QCOMPARE(modell->WellenZeit(), takte.count() * 100.0);
        QCOMPARE(zeichnungen - vorher, int(takte.count()));

        // A new step count sets the interval; the wave keeps running.
        feld("WellenDatenPeriodendauerSchritteSpinEdit")->setValue(40);
        QCOMPARE(timer()->interval(), 50);
        QVERIFY(timer()->isActive());

        schalter("WellenBewegungCheckBox")->click();
        QVERIFY(!timer()->isActive());
        const double stand = modell->WellenZeit();
        QTest::qWait(150);
        QCOMPARE(modell->WellenZeit(), stand);

        Element<QPushButton>(form.get(), "WellenBewegungResetButton")->click();
        QCOMPARE(modell->WellenZeit(), 0.0);
    }

    void closingOnlySwitchesThePictureOff()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        schalter("DarstellungCheckBox")->click();
        schalter("WellenBewegungCheckBox")->click();
        schalter("WellenFlaecheCheckBox")->click();
        QVERIFY(form->close());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        QVERIFY(!modell->Einstellungen().Darstellung);
        QVERIFY(schalter("WellenBewegungCheckBox")->isChecked());
        QVERIFY(modell->Einstellungen().WellenFlaeche);
        // The wave goes on while the window is closed, and keeps its time when it opens.
        QSignalSpy takte(timer(), &QTimer::timeout);
        QTRY_VERIFY(takte.count() >= 2);
        QVERIFY(modell->WellenZeit() > 0);
        form->Zeigen();
        QVERIFY(modell->WellenZeit() > 0);
        QVERIFY(timer()->isActive());
    }

    void theAlleArrowsMoveEveryBound()
    {
        auto* hoch = Element<TRxSpeedButton>(form.get(), "WFalleSpinButtonUp");
        auto* runter = Element<TRxSpeedButton>(form.get(), "WFalleSpinButtonDown");
        int vorher = zeichnungen;
        QTest::mouseClick(hoch, Qt::LeftButton);
        QCOMPARE(wellenfeld(), (tWellenfeld{-11, 11, -11, 11}));
        QCOMPARE(modell->Einstellungen().Feld, wellenfeld());
        QCOMPARE(zeichnungen, vorher + 1);

        feld("WFyminSpinEdit")->setValue(-2);
        feld("WFymaxSpinEdit")->setValue(1);
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(runter, Qt::LeftButton);
        QCOMPARE(wellenfeld(), (tWellenfeld{-1, 1, -1, 0}));
        QCOMPARE(modell->Einstellungen().Feld, wellenfeld());

        feld("WFxmaxSpinEdit")->setValue(30);
        QTest::mouseClick(hoch, Qt::LeftButton);
        QCOMPARE(wellenfeld(), (tWellenfeld{-2, 30, -2, 1}));
    }

    void theExcitationChoosesTheWaves()
    {
        Element<QRadioButton>(form.get(), "WAP1und2RadioButton")->click();
        QVERIFY(modell->WAP1() && modell->WAP2() && !modell->WAlinear() && !modell->WAP1plus2());
        Element<QRadioButton>(form.get(), "WAP1plus2RadioButton")->click();
        QVERIFY(!modell->WAP1() && !modell->WAP2() && modell->WAP1plus2());
        Element<QRadioButton>(form.get(), "WAP2RadioButton")->click();
        QVERIFY(!modell->WAP1() && modell->WAP2());
    }

    void aNumberTypedOutsideItsRangeCountsAsTheNearestAllowed()
    {
        // Typing 1500 passes through 1, which must neither stop the wave nor raise a box.
        BoxBeantworter antwort;
        TSpinEdit* periode = feld("WellenDatenPeriodendauerSpinEdit");
        periode->setText(QStringLiteral("1"));
        QCOMPARE(modell->Einstellungen().Periodendauer, 100);
        periode->setText(QStringLiteral("1500"));
        QCOMPARE(modell->Einstellungen().Periodendauer, 1500);
        QCOMPARE(timer()->interval(), 75);
        QCOMPARE(antwort.boxen.size(), 0);
    }

    // The real program: the menu item shows the window and the wave appears in the view. A
    // broken object list makes every pass fail: while the wave keeps redrawing, one box.
    void theSceneInTheMainWindow()
    {
        EchtesProgramm programm;
        QVERIFY(programm.Zeigen());
        TOGLPanel* gl = programm.gl();
        auto* menue = programm.Menue("EbeneWellenMen");
        QVERIFY(menue && menue->isEnabled());
        QCOMPARE(menue->text(), QStringLiteral("Ebene Wellen"));
        auto* szene = programm.Fenster<TEbeneWellenForm>(SzenenNr::EbeneWellen);
        QVERIFY(szene);
        auto& wellen = programm.Szene<TEbeneWellen>(SzenenNr::EbeneWellen);
        Programm& p = programm.p;
        const QImage ohne = gl->grabFramebuffer();
        menue->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(szene));
        QCOMPARE(gl->grabFramebuffer(), ohne);

        long vorher = gl->Durchgaenge();
        Element<QCheckBox>(szene, "DarstellungCheckBox")->click();
        QTRY_VERIFY(gl->Durchgaenge() > vorher);
        const QImage welle = gl->grabFramebuffer();
        QVERIFY(welle != ohne);

        t3DObjekt kugel;
        kugel.Typname = "Kugel";
        kugel.Orig = true;
        kugel.Parameter = {"0", "0", "0", "x", "1", "1", "4"};
        kugel.FarbeSetzen(0x0000FF);
        p.Objektliste.ObjektAnhaengen(kugel);
        BoxBeantworter antwort({}, {}, 500);
        const long fehlschlaege = gl->Fehlschlaege();
        Element<QCheckBox>(szene, "WellenBewegungCheckBox")->click();
        QTest::qWait(1000);
        Element<QCheckBox>(szene, "WellenBewegungCheckBox")->click();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(gl->Fehlschlaege() - fehlschlaege > 3);
        QVERIFY(wellen.WellenZeit() > 0);
        QCOMPARE(antwort.texte(), QStringList{"'x' ist kein gültiger Gleitkommawert"});

        p.Objektliste.ListeLeeren();
        szene->close();
        QVERIFY(!Element<QCheckBox>(szene, "DarstellungCheckBox")->isChecked());
        QTRY_COMPARE(gl->grabFramebuffer(), ohne);
    }
};

QTEST_MAIN(TestEbeneWellenForm)
#include "test_ebenewellen_form.moc"
