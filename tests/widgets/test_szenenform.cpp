// The base of the scene windows: placement, switches that report every change of state,
// typed numbers, closing, destruction, the fill guard, handler errors kept inside the
// window, and the scene timer.

#include "boxbeantworter.h"
#include "programm/programm.h"
#include "scenes/zahlfeld.h"
#include "widgets/spinedit_widget.h"
#include "widgets/szenenform.h"
#include "widgets/szenentimer.h"

#include <QFocusEvent>

#include <QCheckBox>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>
#include <QtTest>

#include <stdexcept>

using namespace orbisto;

namespace {

// A scene window as the real ones are built: controls, a main switch, one shared handler
// that copies the controls into the model and redraws.
class ProbeForm : public TSzenenForm {
public:
    struct Modell {
        bool an = false, gitter = false;
        int art = 0;
        int zahl = 0;
    };

    static constexpr tZahlFeld ZahlFeld{"Zahl", -5, 5, 2};

    // Closing unchecks the main switch, unless a window without one is asked for.
    ProbeForm(const SzenenUmgebung& u, Modell& modell, bool mitHauptschalter = true) : TSzenenForm(u), modell_(modell)
    {
        auto* layout = new QVBoxLayout(this);
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{haupt, gitter, art1, art2, achse})
            layout->addWidget(b);
        layout->addWidget(feld);
        Bereich(feld, ZahlFeld);
        art1->setChecked(true);
        feld->setValue(2);  // a start value, set before the wiring: no change
        if (mitHauptschalter)
            SchliessenSetzen({haupt, gitter},
                             [this] { geschlossen.push_back(haupt->isChecked() || gitter->isChecked()); });
        SchalterVerbinden({achse});
        SpinEditsVerbinden();
    }

    using TSzenenForm::Ausfuellen;

    QCheckBox* haupt = new QCheckBox(QStringLiteral("Szene zeigen"), this);
    QCheckBox* gitter = new QCheckBox(QStringLiteral("Gitter"), this);
    QRadioButton* art1 = new QRadioButton(QStringLiteral("Art 1"), this);
    QRadioButton* art2 = new QRadioButton(QStringLiteral("Art 2"), this);
    QCheckBox* achse = new QCheckBox(QStringLiteral("Achse"), this);  // read only when needed
    TSpinEdit* feld = new TSpinEdit(this);
    std::vector<bool> geschlossen;  // per closing: was a box still on when it ran?
    int aufrufe = 0;
    bool werfen = false;

protected:
    void DatenAenderungClick() override
    {
        ++aufrufe;
        if (werfen)
            throw std::runtime_error("'x' ist kein gültiger Gleitkommawert");
        modell_ = {haupt->isChecked(), gitter->isChecked(), art2->isChecked() ? 2 : 1, feld->WertImBereich()};
        Zeichnen();
    }

private:
    Modell& modell_;
};

}  // namespace

class TestSzenenForm : public QObject {
    Q_OBJECT

    Programm programm;
    QWidget hauptfenster;
    int zeichnungen = 0;
    ProbeForm::Modell modell;

    SzenenUmgebung umgebung()
    {
        return {programm, [this] { ++zeichnungen; }, &hauptfenster};
    }

private slots:
    void init()
    {
        zeichnungen = 0;
        modell = {};
    }

    void appearsBesideTheMainWindowAsAWindowOfItsOwn()
    {
        hauptfenster.move(100, 120);
        ProbeForm form(umgebung(), modell);
        QCOMPARE(form.pos(), QPoint(150, 170));
        QVERIFY(form.isWindow());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.aufrufe, 0);  // initial states are no changes
    }

    void everyChangeOfStateRunsTheHandlerOnce()
    {
        ProbeForm form(umgebung(), modell);
        const struct {
            const char* was;
            std::function<void()> tun;
            bool aendert;
            ProbeForm::Modell danach;
        } schritte[] = {
            {"main switch set by the program", [&] { form.haupt->setChecked(true); }, true, {true, false, 1, 2}},
            {"check box clicked", [&] { form.gitter->click(); }, true, {true, true, 1, 2}},
            {"check box cleared by the program", [&] { form.gitter->setChecked(false); }, true, {true, false, 1, 2}},
            {"radio button moves on", [&] { form.art2->setChecked(true); }, true, {true, false, 2, 2}},
            {"radio button clicked back", [&] { form.art1->click(); }, true, {true, false, 1, 2}},
            {"setting the state it has", [&] { form.art1->setChecked(true); }, false, {true, false, 1, 2}},
            {"spin edit stepped by the model's step", [&] { form.feld->stepBy(1); }, true, {true, false, 1, 4}},
            {"spin edit set by the program", [&] { form.feld->setValue(-4); }, true, {true, false, 1, -4}},
            {"spin edit set to the value it shows", [&] { form.feld->setValue(-4); }, false, {true, false, 1, -4}},
            {"a box left out of the wiring", [&] { form.achse->click(); }, false, {true, false, 1, -4}},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            erwartet += s.aendert ? 1 : 0;
            QVERIFY2(form.aufrufe == erwartet, s.was);
            QVERIFY2(modell.an == s.danach.an && modell.gitter == s.danach.gitter && modell.art == s.danach.art &&
                         modell.zahl == s.danach.zahl,
                     s.was);
        }
        QCOMPARE(zeichnungen, erwartet);
    }

    void closingUnchecksItsBoxesInOrderThenRunsWhatFollows()
    {
        ProbeForm form(umgebung(), modell);
        form.Zeigen();
        form.haupt->setChecked(true);
        form.gitter->setChecked(true);
        form.art2->setChecked(true);
        QVERIFY(modell.an && modell.gitter);
        const int vorher = zeichnungen;
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(!form.haupt->isChecked() && !form.gitter->isChecked());
        QVERIFY(!modell.an && !modell.gitter);
        QCOMPARE(modell.art, 2);  // what closing does not name stays
        QCOMPARE(zeichnungen, vorher + 2);
        QCOMPARE(form.geschlossen, std::vector<bool>{false});  // after both boxes

        // Closing a window whose boxes are off already changes nothing.
        form.Zeigen();
        QVERIFY(form.close());
        QCOMPARE(zeichnungen, vorher + 2);

        // A scene without a main switch: closing leaves everything on.
        ProbeForm ohne(umgebung(), modell, false);
        ohne.Zeigen();
        ohne.haupt->setChecked(true);
        const int davor = zeichnungen;
        QVERIFY(ohne.close());
        QVERIFY(ohne.haupt->isChecked() && modell.an);
        QCOMPARE(zeichnungen, davor);
    }

    void aTypedNumberReachesTheModelOnlyWithinRange()
    {
        ProbeForm form(umgebung(), modell);
        BoxBeantworter ok(QStringLiteral("OK"));
        // Typing "-25" passes through "-", "-2" and "-25": no box, and the model always
        // sees an allowed number.
        for (const char* text : {"-", "-2", "-25"})
            form.feld->setText(QString::fromLatin1(text));
        QCOMPARE(modell.zahl, -5);
        QCOMPARE(form.feld->text(), QStringLiteral("-25"));  // still as typed
        QVERIFY(ok.texte().isEmpty());

        // Leaving the field shows the number the model has.
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(form.feld, &verlassen);
        QCOMPARE(form.feld->text(), QStringLiteral("-5"));
        QCOMPARE(modell.zahl, -5);
        QVERIFY(ok.texte().isEmpty());
    }

    void destroyingTheWindowWhileAFieldHoldsAnOutOfRangeNumberIsSafe()
    {
        auto* form = new ProbeForm(umgebung(), modell);
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->feld->setFocus();
        QTRY_VERIFY(form->feld->hasFocus());
        form->feld->setText(QStringLiteral("99"));
        QCOMPARE(modell.zahl, 5);
        // The field puts 99 into range as it loses the focus on its way out; that change
        // must reach no handler of the half-destroyed window.
        delete form;
        QCOMPARE(modell.zahl, 5);
    }

    void theFillGuardHoldsTheHandlersBack()
    {
        ProbeForm form(umgebung(), modell);
        {
            const ProbeForm::Ausfuellen fuellen(form);
            form.haupt->setChecked(true);
            form.feld->setValue(-1);
            {
                const ProbeForm::Ausfuellen nochmal(form);  // nests
                form.gitter->setChecked(true);
            }
            form.art2->setChecked(true);
        }
        QCOMPARE(form.aufrufe, 0);
        form.feld->setValue(1);  // after the guard, a change counts again
        QCOMPARE(form.aufrufe, 1);
        QVERIFY(modell.an && modell.gitter && modell.art == 2 && modell.zahl == 1);
    }

    void aHandlerErrorIsShownOnceAndGoesNoFurther()
    {
        ProbeForm form(umgebung(), modell);
        form.werfen = true;
        BoxBeantworter ok(QStringLiteral("OK"));
        form.gitter->click();
        QCOMPARE(ok.texte(), QStringList{"'x' ist kein gültiger Gleitkommawert"});
        QCOMPARE(form.aufrufe, 1);
        QVERIFY(form.gitter->isChecked());

        // A spin edit's handler error goes the same way.
        form.feld->stepBy(1);
        QCOMPARE(ok.texte().size(), 2);
        QCOMPARE(form.aufrufe, 2);
    }

    void theSceneTimerFollowsItsBoxAndTheModelsInterval()
    {
        int intervall = 30, takte = 0, dauer = 0;
        bool werfen = false;
        QObject besitzer;
        TSzenenTimer timer(
            &besitzer, QStringLiteral("ProbeTimer"), [&] { return intervall; },
            [&] {
                ++takte;
                intervall += 10;  // an interval that changes with every tick
                QThread::msleep(dauer);
                if (werfen)
                    throw std::runtime_error("kaputt");
            });
        QCOMPARE(besitzer.findChild<QTimer*>(QStringLiteral("ProbeTimer")), &timer);
        QVERIFY(!timer.isActive());

        timer.Schalten(true);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 30);
        QMetaObject::invokeMethod(&timer, "timeout");  // one tick, fired by hand
        QCOMPARE(takte, 1);
        QCOMPARE(timer.interval(), 40);  // read again after the tick

        // A failing tick shows one box and the timer goes on.
        werfen = true;
        {
            BoxBeantworter ok(QStringLiteral("OK"));
            QMetaObject::invokeMethod(&timer, "timeout");
            QCOMPARE(ok.texte(), QStringList{"kaputt"});
        }
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 50);

        // A tick longer than the interval waits as long as it took: the window gets as much
        // time to answer a click as the picture took to draw.
        werfen = false;
        dauer = 120;
        QMetaObject::invokeMethod(&timer, "timeout");
        QVERIFY2(timer.interval() >= 120, qPrintable(QString::number(timer.interval())));
        dauer = 0;
        QMetaObject::invokeMethod(&timer, "timeout");
        QCOMPARE(timer.interval(), 70);

        timer.Schalten(false);
        QVERIFY(!timer.isActive());
        // A model interval below 1 ms does not make a busy timer.
        intervall = 0;
        timer.Schalten(true);
        QCOMPARE(timer.interval(), 1);
    }
};

QTEST_MAIN(TestSzenenForm)
#include "test_szenenform.moc"
