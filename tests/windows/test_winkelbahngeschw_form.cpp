// The window "Winkel- und Bahn-Geschwindigkeit", driven by its control names: what it shows
// when made, every control with its caption, range, font and colour, the layout at the
// designed size, one model update and one redraw per change, the rotation timer (5° a tick,
// the interval read from the model after every tick, an accelerated ω speeding it up), a
// typed ω kept within its range so the timer never runs at 0 ms, and closing.

#include "boxbeantworter.h"
#include "scenes/physics/winkelbahngeschw.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/winkelbahngeschw_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace orbisto;

class TestWinkelBahnGeschwForm : public QObject, SzenenFenster<TWinkelBahnGeschw, TWinkelBahnGeschwForm> {
    Q_OBJECT

    QTimer* timer() const { return element<QTimer>("RotationTimer"); }
    QString v() const { return label("BahngeschwBetragLabel")->text(); }
    void zeigen() const
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(form->size(), QSize(361, 212));
        QCOMPARE(form->windowTitle(), QStringLiteral("Winkel- und Bahn-Geschwindigkeit"));
        QCOMPARE(zeichnungen, 1);
        QVERIFY(modell->Einstellungen() == TWinkelBahnGeschw::Startwerte);
        QCOMPARE(modell->Drehwinkel(), 0.0);
        QCOMPARE(v(), QStringLiteral("2"));
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 100);
    }

    void everyControlHasItsCaptionRangeFontAndColour()
    {
        zeigen();
        const QColor navy(0, 0, 0x80), maroon(0x80, 0, 0), gruen(0, 0x80, 0);
        const struct {
            const char* name;
            QString text;
            bool an, fett;
            QColor farbe;  // invalid: the default
        } texte[] = {
            {"DarstellungCheckBox", "Darstellung des Vektorprodukts:", false, false, {}},
            {"RotationCheckBox", "Rotation", false, false, {}},
            {"GleichmRadioButton", "gleichmäßig", true, false, {}},
            {"BeschlRadioButton", "gleichm. beschleunigt", false, false, {}},
            {"KreuzproduktLabel", "Winkelgeschwindigkeit  x  Radius  =  Bahngeschwindigkeit", false, true, {}},
            {"WinkelgeschwLabel", "Winkelgeschwindigkeit", false, false, navy},
            {"RadiusLabel", "Radius", false, false, maroon},
            {"BahngeschwLabel", "Bahngeschwindigkeit", false, false, gruen},
            {"BahngeschwBetragLabel", "2", false, true, gruen},
        };
        for (const auto& t : texte) {
            QWidget* w = element<QWidget>(t.name);
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                QCOMPARE(b->text(), t.text);
                QVERIFY2(b->isChecked() == t.an, t.name);
            } else {
                QCOMPARE(qobject_cast<QLabel*>(w)->text(), t.text);
            }
            QVERIFY2(w->font().bold() == t.fett, t.name);
            if (t.farbe.isValid())
                QVERIFY2(w->palette().color(QPalette::WindowText) == t.farbe, t.name);
        }
        const struct {
            const char* name;
            int min, max, wert;
            QColor farbe;
        } felder[] = {{"WinkelgeschwSpinEdit", -5, 5, 1, navy}, {"RadiusSpinEdit", 1, 5, 2, maroon}};
        for (const auto& f : felder) {
            TSpinEdit* s = feld(f.name);
            QVERIFY2(s->MinValue() == f.min && s->MaxValue() == f.max && s->Value() == f.wert, f.name);
            QCOMPARE(s->Increment(), 1);
            QVERIFY2(s->font().bold(), f.name);
            QVERIFY2(s->palette().color(QPalette::Text) == f.farbe, f.name);
            QVERIFY2(!s->accessibleName().isEmpty(), f.name);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 2);

        // The two kinds of motion in a panel without caption and frame.
        auto* panel = element<QFrame>("BewegArtPanel");
        QCOMPARE(panel->frameShape(), QFrame::NoFrame);
        QCOMPARE(radio("GleichmRadioButton")->parentWidget(), panel);
        QCOMPARE(radio("BeschlRadioButton")->parentWidget(), panel);
    }

    void everythingFitsAtTheDesignedSize()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(361, 212));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tWinkelBahnGeschwEinstellungen e;
        const auto klick = [&](const char* name, std::function<void()> aendern) {
            return [=, this] {
                auto* b = element<QAbstractButton>(name);
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
                aendern();
            };
        };
        const auto taste = [&](const char* name, Qt::Key k, int* wert, int neu) {
            return [=, this] {
                QTest::keyClick(feld(name), k);
                *wert = neu;
            };
        };
        const struct {
            const char* was;
            std::function<void()> tun;
            const char* text;  // BahngeschwBetragLabel afterwards
        } schritte[] = {
            {"main switch on", klick("DarstellungCheckBox", [&] { e.Darstellung = true; }), "2"},
            {"ω up", taste("WinkelgeschwSpinEdit", Qt::Key_Up, &e.Winkelgeschw, 2), "4"},
            {"r up", taste("RadiusSpinEdit", Qt::Key_Up, &e.Radius, 3), "6"},
            {"accelerated", klick("BeschlRadioButton", [&] { e.Art = tBewegungsArt::Beschleunigt; }), "6"},
            {"ω down to -5", taste("WinkelgeschwSpinEdit", Qt::Key_PageDown, &e.Winkelgeschw, -5), "-15"},
            {"uniform", klick("GleichmRadioButton", [&] { e.Art = tBewegungsArt::Gleichmaessig; }), "-15"},
            {"main switch off", klick("DarstellungCheckBox", [&] { e.Darstellung = false; }), "-15"},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            QVERIFY2(zeichnungen == ++erwartet, s.was);
            QVERIFY2(modell->Einstellungen() == e, s.was);
            QVERIFY2(v() == QString::fromUtf8(s.text), s.was);
        }
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 20);
    }

    // Real ticks: the form's handler runs before the spy sees each one, so the count says
    // how far the model must be.
    void theRotationTurnsFiveDegreesATick()
    {
        QSignalSpy takte(timer(), &QTimer::timeout);
        schalter("RotationCheckBox")->click();
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 100);
        const int vorher = zeichnungen;
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        QCOMPARE(modell->Drehwinkel(), 5.0 * takte.count());
        QCOMPARE(zeichnungen - vorher, int(takte.count()));
        QCOMPARE(timer()->interval(), 100);

        // ω = 0: the ball stands, and the timer keeps its interval.
        feld("WinkelgeschwSpinEdit")->setValue(0);
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 100);
        QCOMPARE(v(), QStringLiteral("0"));

        schalter("RotationCheckBox")->click();
        QVERIFY(!timer()->isActive());
        const double stand = modell->Drehwinkel();
        QTest::qWait(250);
        QCOMPARE(modell->Drehwinkel(), stand);
    }

    void anAcceleratedBallSpeedsUpTickByTick()
    {
        feld("WinkelgeschwSpinEdit")->setValue(4);
        radio("BeschlRadioButton")->click();
        QSignalSpy takte(timer(), &QTimer::timeout);
        schalter("RotationCheckBox")->click();
        QCOMPARE(timer()->interval(), 25);
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 3, 5000);
        schalter("RotationCheckBox")->click();
        // Stopping ran the handler, which sets ω back; the ticks before it are in the angle.
        const int n = int(takte.count());
        QCOMPARE(modell->Drehwinkel(), 5.0 * n);
        QCOMPARE(modell->Winkelgeschw(), 4.0);
        QCOMPARE(v(), QStringLiteral("8"));
        QCOMPARE(timer()->interval(), 25);

        // One tick by hand: ω 4,05, v = 8,1; after ten in all ω is 4,5, v = 9 and the
        // interval round(100 / 4,5) = 22.
        QMetaObject::invokeMethod(timer(), "timeout");
        QCOMPARE(v(), QStringLiteral("8,1"));
        for (int i = 0; i < 9; ++i)
            QMetaObject::invokeMethod(timer(), "timeout");
        QCOMPARE(v(), QStringLiteral("9"));
        QCOMPARE(modell->TimerIntervall(), 22);  // a stopped timer takes it up when started
        QCOMPARE(modell->Drehwinkel(), 5.0 * (n + 10));
    }

    // The field can be typed into; whatever is typed, ω stays within -5 ... 5, so the timer
    // never gets an interval of 0 ms (100 / 300 rounds to 0) or below.
    void aTypedOmegaKeepsTheTimerAtTwentyMillisecondsOrMore()
    {
        zeigen();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        BoxBeantworter ok(QStringLiteral("OK"));
        schalter("RotationCheckBox")->setChecked(true);
        TSpinEdit* omega = feld("WinkelgeschwSpinEdit");
        omega->setFocus();
        const struct {
            QString getippt;
            int gilt, intervall;
            const char* text;
        } faelle[] = {{"300", 5, 20, "10"},
                      {"-250", -5, 20, "-10"},
                      {"0", 0, 20, "0"},
                      {"abc", -5, 20, "-10"},
                      {"2", 2, 50, "4"}};
        for (const auto& f : faelle) {
            omega->selectAll();
            QTest::keyClick(omega, Qt::Key_Delete);
            QTest::keyClicks(omega, f.getippt);
            QCOMPARE(omega->text(), f.getippt);
            QVERIFY2(modell->Einstellungen().Winkelgeschw == f.gilt, qPrintable(f.getippt));
            QVERIFY2(timer()->interval() == f.intervall, qPrintable(f.getippt));
            QVERIFY2(v() == QString::fromUtf8(f.text), qPrintable(f.getippt));
            QVERIFY(timer()->isActive());
        }
        omega->setText(QStringLiteral("300"));
        schalter("RotationCheckBox")->setFocus(Qt::TabFocusReason);
        QCOMPARE(omega->text(), QStringLiteral("5"));
        QVERIFY(ok.texte().isEmpty());
    }

    void closingStopsTheSceneAndTheBallKeepsItsAngle()
    {
        zeigen();
        schalter("DarstellungCheckBox")->setChecked(true);
        radio("BeschlRadioButton")->setChecked(true);
        QSignalSpy takte(timer(), &QTimer::timeout);
        schalter("RotationCheckBox")->setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(takte.count() >= 2, 5000);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        QVERIFY(!schalter("RotationCheckBox")->isChecked());
        QVERIFY(!timer()->isActive());
        QCOMPARE(zeichnungen, vorher + 2);  // one per box
        const tWinkelBahnGeschwEinstellungen& e = modell->Einstellungen();
        QVERIFY(!e.Darstellung && !e.Rotation);
        QCOMPARE(e.Art, tBewegungsArt::Beschleunigt);
        const double winkel = modell->Drehwinkel();
        QCOMPARE(winkel, 5.0 * takte.count());
        QTest::qWait(150);
        form->Zeigen();
        QCOMPARE(modell->Drehwinkel(), winkel);
        QSignalSpy weiter(timer(), &QTimer::timeout);
        schalter("RotationCheckBox")->setChecked(true);
        QTRY_VERIFY_WITH_TIMEOUT(weiter.count() >= 1, 5000);
        QCOMPARE(modell->Drehwinkel(), winkel + 5.0 * weiter.count());
    }
};

QTEST_MAIN(TestWinkelBahnGeschwForm)
#include "test_winkelbahngeschw_form.moc"
