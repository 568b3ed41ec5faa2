// The base of the scene windows: placement, switches that report every change of state,
// closing that switches the scene off, and handler errors kept inside the window.

#include "app/programm.h"
#include "app/spinedit_widget.h"
#include "app/szenenform.h"
#include "boxbeantworter.h"

#include <QCheckBox>
#include <QRadioButton>
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

    ProbeForm(const SzenenUmgebung& u, Modell& modell) : TSzenenForm(u), modell_(modell)
    {
        auto* layout = new QVBoxLayout(this);
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{haupt, gitter, art1, art2})
            layout->addWidget(b);
        layout->addWidget(feld);
        feld->setMinValue(-5);
        feld->setMaxValue(5);
        art1->setChecked(true);
        feld->setValue(2);  // a start value, set before the wiring: no change
        HauptschalterSetzen(haupt);
        SchalterVerbinden();
        SpinEditsVerbinden();
    }

    QCheckBox* haupt = new QCheckBox(QStringLiteral("Szene zeigen"), this);
    QCheckBox* gitter = new QCheckBox(QStringLiteral("Gitter"), this);
    QRadioButton* art1 = new QRadioButton(QStringLiteral("Art 1"), this);
    QRadioButton* art2 = new QRadioButton(QStringLiteral("Art 2"), this);
    TSpinEdit* feld = new TSpinEdit(this);
    int aufrufe = 0;
    bool werfen = false;

protected:
    void DatenAenderungClick() override
    {
        ++aufrufe;
        if (werfen)
            throw std::runtime_error("'x' ist kein gültiger Gleitkommawert");
        modell_ = {haupt->isChecked(), gitter->isChecked(), art2->isChecked() ? 2 : 1, feld->Value()};
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
            {"spin edit stepped", [&] { form.feld->stepBy(1); }, true, {true, false, 1, 3}},
            {"spin edit set by the program", [&] { form.feld->setValue(-4); }, true, {true, false, 1, -4}},
            {"spin edit set to the value it shows", [&] { form.feld->setValue(-4); }, false, {true, false, 1, -4}},
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

    void closingSwitchesTheSceneOffAndRedraws()
    {
        ProbeForm form(umgebung(), modell);
        form.Zeigen();
        form.haupt->setChecked(true);
        QVERIFY(modell.an);
        const int vorher = zeichnungen;
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(!form.haupt->isChecked());
        QVERIFY(!modell.an);
        QCOMPARE(zeichnungen, vorher + 1);

        // Closing a window whose scene is off already changes nothing.
        form.Zeigen();
        QVERIFY(form.close());
        QCOMPARE(zeichnungen, vorher + 1);
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
};

QTEST_MAIN(TestSzenenForm)
#include "test_szenenform.moc"
