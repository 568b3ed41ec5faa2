// The window "Longitudinal - Welle", driven by its control names: what it shows when made
// and that it fits, a change reaching the model with one redraw, the ends' panel shown only
// for the standing wave, the timer (on exactly in a moving mode, one step per tick, the
// period restarted by every change, running on while the window is closed), the ±10 pairs,
// and typed numbers that would hang the drawing or flood the timer.

#include "boxbeantworter.h"
#include "scenes/physics/longitudinalwelle.h"
#include "szenenfenster.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/longitudinalwelle_form.h"

#include <QCheckBox>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace orbisto;

class TestLongitudinalWelleForm : public QObject, SzenenFenster<TLongitudinalWelle, TLongitudinalWelleForm> {
    Q_OBJECT

    QTimer* timer() const { return element<QTimer>("SchwingungTimer"); }
    QFrame* endenPanel() const { return element<QFrame>("FOGPanel"); }
    const tLongitudinalWelleEinstellungen& stand() const { return modell->Einstellungen(); }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Longitudinal - Welle"));
        QCOMPARE(form->size(), QSize(447, 225));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(zeichnungen, 1);
        QVERIFY(stand() == TLongitudinalWelle::Startwerte);
        QVERIFY(!timer()->isActive());

        struct Feld {
            const char* name;
            const char* label;
            int min, max, wert, schritt;
        } const felder[] = {
            {"OrdnungSpinEdit", "Ordnung", 1, 8, 1, 1},
            {"AmplitudeSpinEdit", "Amplitude * 0,1", 0, 20, 5, 1},
            {"FktSchritteSpinEdit", "Schritte Funktion ( = Anzahl Schwinger - 1 )", 1, 100, 16, 1},
            {"SchwingungSchritteSpinEdit", "Schritte Schwingung", 4, 100, 20, 4},
            {"ZeitSchritteSpinEdit", "[ms] Zeitschritt Schwingung", 1, 500, 100, 1},
        };
        for (const Feld& f : felder) {
            const TSpinEdit* s = feld(f.name);
            QCOMPARE(s->MinValue(), f.min);
            QCOMPARE(s->MaxValue(), f.max);
            QCOMPARE(s->Value(), f.wert);
            QCOMPARE(s->Increment(), f.schritt);
            QVERIFY2(!s->accessibleName().isEmpty(), f.name);
            const QString labelName =
                QString::fromLatin1(f.name).replace(QStringLiteral("SpinEdit"), QStringLiteral("Label"));
            QCOMPARE(label(qPrintable(labelName))->text(), QString::fromUtf8(f.label));
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 5);

        const QColor blau(0, 0, 0xFF);
        struct Knopf {
            const char* name;
            const char* text;
            bool an, fett;
            QColor farbe;
        } const knoepfe[] = {
            {"LongitudinalWelleCheckBox", "Longitudinal - Welle", false, true, {}},
            {"RuhendRadioButton", "ruhend", true, false, {}},
            {"FortschreitendEndlichRadioButton", "fortschreitend  endlich", false, false, {}},
            {"FortschreitendUnendlichRadioButton", "fortschreitend  unendlich", false, false, {}},
            {"StehendRadioButton", "stehend", false, false, blau},
            {"FestesEndeRadioButton", "feste Enden", true, false, blau},
            {"OffenesEndeRadioButton", "offene Enden", false, false, blau},
            {"GemischtesEndeRadioButton", "gemischt", false, false, blau},
        };
        for (const Knopf& k : knoepfe) {
            auto* b = element<QAbstractButton>(k.name);
            QCOMPARE(b->text(), QString::fromUtf8(k.text));
            QVERIFY2(b->isChecked() == k.an && b->font().bold() == k.fett, k.name);
            b->ensurePolished();  // the style sheet sets the colour
            if (k.farbe.isValid())
                QCOMPARE(b->palette().color(QPalette::WindowText), k.farbe);
        }
        // The two groups are panels without caption or frame; the ends show only for
        // "stehend".
        for (const char* panel : {"RFSPanel", "FOGPanel"})
            QCOMPARE(element<QFrame>(panel)->frameShape(), QFrame::NoFrame);
        QVERIFY(endenPanel()->isHidden());
        // The pairs show only pictures; a screen reader reads their hint.
        for (const char* paar : {"Fkt10SchritteSpinButton", "Zeit10SchritteSpinButton"})
            for (const char* seite : {"Up", "Down"}) {
                const TRxSpeedButton* b = knopf(qPrintable(QString::fromLatin1(paar) + QString::fromLatin1(seite)));
                QCOMPARE(b->toolTip(), QStringLiteral("10 Schritte Änderung"));
                QVERIFY(!b->icon().isNull());
                QVERIFY(b->text().isEmpty());
                QCOMPARE(b->accessibleName(), QStringLiteral("10 Schritte Änderung"));
            }
    }

    void everythingFitsInTheTestFont()
    {
        radio("StehendRadioButton")->click();  // everything visible
        zeigen();
        QCOMPARE(form->size(), QSize(447, 225));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    void aChangeReachesTheModelWithOneRedraw()
    {
        struct Fall {
            const char* name;
            std::function<bool(const tLongitudinalWelleEinstellungen&)> erwartet;
        } const faelle[] = {
            {"LongitudinalWelleCheckBox", [](const auto& e) { return e.LongitudinalWelle; }},
            {"FortschreitendEndlichRadioButton",
             [](const auto& e) { return e.Modus == tLongitudinalModus::FortschreitendEndlich; }},
            {"FortschreitendUnendlichRadioButton",
             [](const auto& e) { return e.Modus == tLongitudinalModus::FortschreitendUnendlich; }},
            {"StehendRadioButton", [](const auto& e) { return e.Modus == tLongitudinalModus::Stehend; }},
            {"OffenesEndeRadioButton", [](const auto& e) { return e.Enden == tLongitudinalEnden::Offen; }},
            {"GemischtesEndeRadioButton", [](const auto& e) { return e.Enden == tLongitudinalEnden::Gemischt; }},
            {"FestesEndeRadioButton", [](const auto& e) { return e.Enden == tLongitudinalEnden::Fest; }},
            {"RuhendRadioButton", [](const auto& e) { return e.Modus == tLongitudinalModus::Ruhend; }},
        };
        for (const Fall& f : faelle) {
            const int vorher = zeichnungen;
            element<QAbstractButton>(f.name)->click();
            QVERIFY2(f.erwartet(stand()), f.name);
            QCOMPARE(zeichnungen, vorher + 1);
        }
        const int vorher = zeichnungen;
        feld("OrdnungSpinEdit")->setValue(3);
        QCOMPARE(zeichnungen, vorher + 1);
        QCOMPARE(modell->Wellenlaenge(), 32.0 / 3);
        feld("AmplitudeSpinEdit")->setValue(12);
        QCOMPARE(modell->Amplitude(), 1.2);
        feld("FktSchritteSpinEdit")->setValue(4);
        QCOMPARE(modell->Ruhelagen().size(), std::size_t(5));
        feld("SchwingungSchritteSpinEdit")->setValue(8);
        QCOMPARE(stand().SchwingungSchritte, 8);
    }

    void theEndsShowOnlyForTheStandingWave()
    {
        struct Fall {
            const char* modus;
            bool sichtbar;
        } const faelle[] = {
            {"StehendRadioButton", true},
            {"FortschreitendEndlichRadioButton", false},
            {"StehendRadioButton", true},
            {"RuhendRadioButton", false},
        };
        zeigen();
        const QPoint ordnung = feld("OrdnungSpinEdit")->pos();
        for (const Fall& f : faelle) {
            radio(f.modus)->click();
            QCOMPARE(endenPanel()->isVisible(), f.sichtbar);
            QCOMPARE(feld("OrdnungSpinEdit")->pos(), ordnung);  // nothing beside it moves
        }
    }

    // The timer runs exactly in the moving modes, also with the scene off; each tick redraws
    // once and steps the period on; any change starts the period again.
    void theRunningWaveAdvancesOneStepPerTick()
    {
        radio("FortschreitendEndlichRadioButton")->click();
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 100);
        feld("ZeitSchritteSpinEdit")->setValue(20);
        QCOMPARE(timer()->interval(), 20);
        feld("SchwingungSchritteSpinEdit")->setValue(100);

        QSignalSpy takte(timer(), &QTimer::timeout);
        const int vorher = zeichnungen;
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        const int n = int(takte.count());
        QCOMPARE(zeichnungen - vorher, n);
        QCOMPARE(modell->Schwingungsschritt(), n);

        feld("AmplitudeSpinEdit")->setValue(2);
        QCOMPARE(modell->Schwingungsschritt(), 0);

        for (const char* modus : {"FortschreitendUnendlichRadioButton", "StehendRadioButton"}) {
            radio(modus)->click();
            QVERIFY2(timer()->isActive(), modus);
        }
        radio("RuhendRadioButton")->click();
        QVERIFY(!timer()->isActive());
    }

    void closingUnchecksTheSceneAndTheWaveGoesOn()
    {
        zeigen();
        schalter("LongitudinalWelleCheckBox")->click();
        radio("StehendRadioButton")->click();
        feld("ZeitSchritteSpinEdit")->setValue(10);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QCOMPARE(zeichnungen, vorher + 1);  // the picture without the scene
        QVERIFY(!schalter("LongitudinalWelleCheckBox")->isChecked());
        QVERIFY(!stand().LongitudinalWelle);
        QVERIFY(radio("StehendRadioButton")->isChecked());
        QSignalSpy takte(timer(), &QTimer::timeout);
        QTRY_VERIFY(takte.count() >= 2);
        QVERIFY(timer()->isActive());
        QVERIFY(modell->Schwingungsschritt() != 0);
    }

    void theTenStepPairsMoveTheirFieldsWithinRange()
    {
        SchrittKlicksPruefen({
            {"Fkt10SchritteSpinButtonUp", "FktSchritteSpinEdit", 16, 26},
            {"Fkt10SchritteSpinButtonUp", "FktSchritteSpinEdit", 95, 100},
            {"Fkt10SchritteSpinButtonDown", "FktSchritteSpinEdit", 16, 6},
            {"Fkt10SchritteSpinButtonDown", "FktSchritteSpinEdit", 5, 1},
            {"Zeit10SchritteSpinButtonUp", "ZeitSchritteSpinEdit", 495, 500},
            {"Zeit10SchritteSpinButtonDown", "ZeitSchritteSpinEdit", 7, 1},
        });
        QCOMPARE(stand().FktSchritte, 1);
        QCOMPARE(stand().ZeitSchritte, 1);
    }

    // Typed spaces of 0 or below would keep the disc loop running for ever, a period of
    // fewer than 4 steps is outside the control (0 would divide the phase by 0), an interval
    // of 0 would flood the program: each counts as the nearest allowed number, without a box.
    void typedNumbersThatWouldHangCountAsTheNearestAllowed()
    {
        BoxBeantworter antwort;
        radio("FortschreitendUnendlichRadioButton")->click();
        GetipptPruefen({
            {"FktSchritteSpinEdit", "-5", [&] { return int(modell->Ruhelagen().size()); }, 3},
            {"FktSchritteSpinEdit", "0", [&] { return stand().FktSchritte; }, 1},
            {"FktSchritteSpinEdit", "5000", [&] { return stand().FktSchritte; }, 100},
            {"SchwingungSchritteSpinEdit", "0", [&] { return stand().SchwingungSchritte; }, 4},
            {"SchwingungSchritteSpinEdit", "2", [&] { return stand().SchwingungSchritte; }, 4},
            {"ZeitSchritteSpinEdit", "0", [&] { return timer()->interval(); }, 1},
            {"ZeitSchritteSpinEdit", "-3", [&] { return timer()->interval(); }, 1},
            {"ZeitSchritteSpinEdit", "9999", [&] { return timer()->interval(); }, 500},
            {"OrdnungSpinEdit", "0", [&] { return stand().Ordnung; }, 1},
            {"AmplitudeSpinEdit", "-7", [&] { return stand().AmplitudeWert; }, 0},
        });
        QVERIFY(timer()->isActive());
        QCOMPARE(antwort.boxen.size(), 0);
    }
};

QTEST_MAIN(TestLongitudinalWelleForm)
#include "test_longitudinalwelle_form.moc"
