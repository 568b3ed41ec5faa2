// The window "Stehende Kreis - Welle", driven by its control names: what it shows when made
// and that it fits, a change reaching the model with one redraw, the swing timer (on exactly
// while "Schwingung" is chosen, one step per tick, running on while the window is closed),
// the ±10 pairs, and typed numbers that would hang the drawing or flood the timer.

#include "boxbeantworter.h"
#include "scenes/physics/stehendekreiswelle.h"
#include "szenenfenster.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/stehendekreiswelle_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace orbisto;

class TestStehendeKreisWelleForm : public QObject, SzenenFenster<TStehendeKreisWelle, TStehendeKreisWelleForm> {
    Q_OBJECT

    QTimer* timer() const { return element<QTimer>("SchwingungTimer"); }
    const tStehendeKreisWelleEinstellungen& stand() const { return modell->Einstellungen(); }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Stehende Kreis - Welle"));
        QCOMPARE(form->size(), QSize(447, 225));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(zeichnungen, 1);
        QVERIFY(stand() == TStehendeKreisWelle::Startwerte);
        QVERIFY(!timer()->isActive());

        struct Feld {
            const char* name;
            const char* label;
            int min, max, wert, schritt;
        } const felder[] = {
            {"OrdnungSpinEdit", "Ordnung", 1, 7, 1, 1},
            {"AmplitudeSpinEdit", "Amplitude", 0, 4, 1, 1},
            {"FktSchritteSpinEdit", "Schritte Funktion", 1, 100, 20, 1},
            {"RotSchritteSpinEdit", "Schritte Rotation", 1, 100, 20, 1},
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
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 6);

        struct Knopf {
            const char* name;
            const char* text;
            bool an, fett;
        } const knoepfe[] = {
            {"StehendeWelleCheckBox", "Stehende Kreis - Welle", false, true},
            {"LinearRadioButton", "linear z=f(x)", true, false},
            {"EbenRadioButton", "eben z=f(x,y)", false, false},
            {"FestesEndeRadioButton", "festes Ende", true, false},
            {"OffenesEndeRadioButton", "offenes Ende", false, false},
            {"FunktionRadioButton", "Funktion", true, false},
            {"EinhuellendeRadioButton", "Einhüllende", false, false},
            {"SchwingungRadioButton", "Schwingung", false, false},
            {"FunktionsGitterCheckBox", "Funktions-Gitter", true, false},
            {"RotationsGitterCheckBox", "Rotations-Gitter", false, false},
            {"FunktionsFlaecheCheckBox", "Funktions-Fläche", false, false},
        };
        for (const Knopf& k : knoepfe) {
            auto* b = element<QAbstractButton>(k.name);
            QCOMPARE(b->text(), QString::fromUtf8(k.text));
            QVERIFY2(b->isChecked() == k.an && b->font().bold() == k.fett, k.name);
        }
        // The three groups are panels without caption or frame.
        for (const char* panel : {"LEPanel", "FOPanel", "EDPanel"})
            QCOMPARE(element<QFrame>(panel)->frameShape(), QFrame::NoFrame);
        for (const char* paar : {"Fkt10SchritteSpinButton", "Rot10SchritteSpinButton", "Zeit10SchritteSpinButton"})
            for (const char* seite : {"Up", "Down"}) {
                const TRxSpeedButton* b = knopf(qPrintable(QString::fromLatin1(paar) + QString::fromLatin1(seite)));
                QCOMPARE(b->toolTip(), QStringLiteral("10 Schritte Änderung"));
                QVERIFY(!b->icon().isNull());
                QVERIFY(!b->accessibleName().isEmpty());
            }
    }

    void everythingFitsInTheTestFont()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(447, 225));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    void aChangeReachesTheModelWithOneRedraw()
    {
        struct Fall {
            const char* name;
            std::function<bool(const tStehendeKreisWelleEinstellungen&)> erwartet;
        } const faelle[] = {
            {"StehendeWelleCheckBox", [](const auto& e) { return e.StehendeWelle; }},
            {"EbenRadioButton", [](const auto& e) { return e.Traeger == tWellenTraeger::Eben; }},
            {"OffenesEndeRadioButton", [](const auto& e) { return e.Ende == tWellenEnde::Offen; }},
            {"EinhuellendeRadioButton", [](const auto& e) { return e.Anzeige == tWellenAnzeige::Einhuellende; }},
            {"RotationsGitterCheckBox", [](const auto& e) { return e.RotationsGitter; }},
            {"FunktionsFlaecheCheckBox", [](const auto& e) { return e.FunktionsFlaeche; }},
            {"FunktionsGitterCheckBox", [](const auto& e) { return !e.FunktionsGitter; }},
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
        QCOMPARE(modell->FormelRest(), std::string("*cos(6*0,25*x*1,57079625)"));
        feld("AmplitudeSpinEdit")->setValue(0);
        QCOMPARE(modell->Formeln().front(), std::string("0*cos(6*0,25*x*1,57079625)"));
    }

    // The timer runs exactly while "Schwingung" is chosen, also with the scene off; each
    // tick redraws once and moves the swing one step.
    void theSwingAdvancesOneStepPerTick()
    {
        radio("SchwingungRadioButton")->click();
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 100);
        feld("ZeitSchritteSpinEdit")->setValue(20);
        QCOMPARE(timer()->interval(), 20);

        QSignalSpy takte(timer(), &QTimer::timeout);
        const int vorher = zeichnungen;
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        const int n = int(takte.count());
        QCOMPARE(zeichnungen - vorher, n);
        QCOMPARE(modell->Schwingungsschritt(), n <= 5 ? n : 10 - n);

        // Any change starts the swing again at 0.
        feld("AmplitudeSpinEdit")->setValue(2);
        QCOMPARE(modell->Schwingungsschritt(), 0);

        radio("EinhuellendeRadioButton")->click();
        QVERIFY(!timer()->isActive());
    }

    void closingUnchecksTheSceneAndTheSwingGoesOn()
    {
        zeigen();
        schalter("StehendeWelleCheckBox")->click();
        radio("SchwingungRadioButton")->click();
        feld("ZeitSchritteSpinEdit")->setValue(10);
        QVERIFY(form->close());
        QVERIFY(!schalter("StehendeWelleCheckBox")->isChecked());
        QVERIFY(!stand().StehendeWelle);
        QVERIFY(radio("SchwingungRadioButton")->isChecked());
        QSignalSpy takte(timer(), &QTimer::timeout);
        QTRY_VERIFY(takte.count() >= 2);
        QVERIFY(timer()->isActive());
        QVERIFY(modell->Schwingungsschritt() != 0);
    }

    void theTenStepPairsMoveTheirFieldsWithinRange()
    {
        SchrittKlicksPruefen({
            {"Fkt10SchritteSpinButtonUp", "FktSchritteSpinEdit", 20, 30},
            {"Fkt10SchritteSpinButtonUp", "FktSchritteSpinEdit", 95, 100},
            {"Fkt10SchritteSpinButtonDown", "FktSchritteSpinEdit", 5, 1},
            {"Rot10SchritteSpinButtonDown", "RotSchritteSpinEdit", 20, 10},
            {"Zeit10SchritteSpinButtonUp", "ZeitSchritteSpinEdit", 495, 500},
            {"Zeit10SchritteSpinButtonDown", "ZeitSchritteSpinEdit", 7, 1},
        });
        QCOMPARE(stand().FktSchritte, 1);
        QCOMPARE(stand().RotSchritte, 10);
        QCOMPARE(stand().ZeitSchritte, 1);
    }

    // Typed counts of 0 or below would keep the drawing loops running for ever, a swing of
    // fewer than 4 steps would divide 0 by 0 on every tick, an interval of 0 would flood
    // the program: each counts as the nearest allowed number, without a box.
    void typedNumbersThatWouldHangCountAsTheNearestAllowed()
    {
        BoxBeantworter antwort;
        radio("SchwingungRadioButton")->click();
        GetipptPruefen({
            {"FktSchritteSpinEdit", "-5", [&] { return stand().FktSchritte; }, 1},
            {"FktSchritteSpinEdit", "0", [&] { return stand().FktSchritte; }, 1},
            {"RotSchritteSpinEdit", "-20", [&] { return stand().RotSchritte; }, 1},
            {"SchwingungSchritteSpinEdit", "1", [&] { return modell->Viertelperiode(); }, 1},
            {"SchwingungSchritteSpinEdit", "2", [&] { return modell->Viertelperiode(); }, 1},
            {"ZeitSchritteSpinEdit", "0", [&] { return timer()->interval(); }, 1},
            {"ZeitSchritteSpinEdit", "-3", [&] { return timer()->interval(); }, 1},
            {"ZeitSchritteSpinEdit", "9999", [&] { return timer()->interval(); }, 500},
        });
        QVERIFY(timer()->isActive());
        QCOMPARE(antwort.boxen.size(), 0);
    }
};

QTEST_MAIN(TestStehendeKreisWelleForm)
#include "test_stehendekreiswelle_form.moc"
