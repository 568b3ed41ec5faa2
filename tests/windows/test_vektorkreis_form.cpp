// The window "Vektor - Kreis", driven by its control names: what it shows when made, every
// control with its caption, range and colour, the layout in the test font at the designed
// size, one model update and one redraw per change ("Beispiel" and "Löschen" only when they
// change a field), the typed radius kept within its range, closing.

#include "boxbeantworter.h"
#include "scenes/math/vektorkreis.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/vektorkreis_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <array>
#include <functional>

using namespace orbisto;

namespace {

const char* const SchalterNamen[9] = {"KreislinieCheckBox",
                                      "MittelpunktVektorCheckBox",
                                      "PunktCheckBox",
                                      "OrtsVektorCheckBox",
                                      "DifferenzVektorCheckBox",
                                      "VieleOrtsvektorenCheckBox",
                                      "VieleDifferenzvektorenCheckBox",
                                      "KreisflaecheCheckBox",
                                      "TangenteCheckBox"};

// The switches of the model in the order of SchalterNamen.
std::array<bool, 9> Schalter(const tVektorKreisEinstellungen& e)
{
    return {e.Kreislinie,        e.MittelpunktVektor,      e.Punkt,        e.OrtsVektor, e.DifferenzVektor,
            e.VieleOrtsvektoren, e.VieleDifferenzvektoren, e.Kreisflaeche, e.Tangente};
}

struct Werte {
    int r, grad, m[3];
    tVektorKreisWerte modell() const { return {r, grad, {double(m[0]), double(m[1]), double(m[2])}}; }
};

}  // namespace

class TestVektorKreisForm : public QObject, SzenenFenster<TVektorKreis, TVektorKreisForm> {
    Q_OBJECT

    Werte feldWerte() const
    {
        return {feld("KreisRadiusSpinEdit")->Value(),
                feld("PunktGradSpinEdit")->Value(),
                {feld("MxSpinEdit")->Value(), feld("MySpinEdit")->Value(), feld("MzSpinEdit")->Value()}};
    }
private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheExampleAtZeroDegrees()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(419, 256));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vektor - Kreis"));
        QVERIFY(feldWerte().modell() == (tVektorKreisWerte{3, 0, {4, 3, 0}}));
        for (const char* name : SchalterNamen)
            QVERIFY2(!schalter(name)->isChecked(), name);
        QVERIFY(modell->Einstellungen() == TVektorKreis::Startwerte);
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws
    }

    void everyControlHasItsCaptionRangeAndColour()
    {
        zeigen();
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0);
        BeschriftungenPruefen({
            {"KreislinieCheckBox", "Kreislinie parallel zur XY-Ebene", true, {}},
            {"MittelpunktVektorCheckBox", "Mittelpunkt-Vektor", true, rot},
            {"PunktCheckBox", "Punkt (Ort)", true, {}},
            {"OrtsVektorCheckBox", "Orts-Vektor", true, {}},
            {"DifferenzVektorCheckBox", "Differenz-Vektor von M zu P", true, gruen},
            {"VieleOrtsvektorenCheckBox", "Viele Ortsvektoren", false, {}},
            {"VieleDifferenzvektorenCheckBox", "Viele Differenzvektoren", false, {}},
            {"KreisflaecheCheckBox", "Kreisfläche", false, {}},
            {"TangenteCheckBox", "Tangente an den Kreis durch P", false, {}},
        });
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 9);
        QCOMPARE(label("KreisRadiusLabel")->text(), QStringLiteral("Radius"));
        QCOMPARE(label("PunktGradLabel")->text(), QStringLiteral("Grad"));
        QCOMPARE(element<QPushButton>("BeispielButton")->text(), QStringLiteral("Beispiel"));
        QCOMPARE(element<QPushButton>("LoeschenButton")->text(), QStringLiteral("Löschen"));

        const struct {
            const char* name;
            int min, max, schritt;
            bool tippen;
        } felder[] = {{"KreisRadiusSpinEdit", 0, 10, 1, true},
                      {"PunktGradSpinEdit", 0, 350, 10, false},
                      {"MxSpinEdit", -10, 10, 1, false},
                      {"MySpinEdit", -10, 10, 1, false},
                      {"MzSpinEdit", -10, 10, 1, false}};
        for (const auto& f : felder) {
            TSpinEdit* s = feld(f.name);
            QVERIFY2(s->MinValue() == f.min && s->MaxValue() == f.max && s->Increment() == f.schritt, f.name);
            QVERIFY2(s->EditorEnabled() == f.tippen, f.name);
            QVERIFY2(!s->accessibleName().isEmpty(), f.name);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 5);
    }

    void everythingFitsAtTheDesignedSize()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(419, 256));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        // Each switch in line with its fields.
        const auto rahmen = [this](const char* name) { return element<QWidget>(name)->geometry(); };
        for (const auto& [links, rechts] : {std::pair{"MittelpunktVektorCheckBox", "MxSpinEdit"},
                                            {"PunktCheckBox", "PunktGradSpinEdit"},
                                            {"OrtsVektorCheckBox", "DifferenzVektorCheckBox"}}) {
            QVERIFY2(rahmen(links).right() < rahmen(rechts).left(), links);
            QVERIFY2(std::abs(rahmen(links).center().y() - rahmen(rechts).center().y()) <= 2, links);
        }
        for (const char* name : {"MxSpinEdit", "MySpinEdit", "MzSpinEdit"})
            QVERIFY2(rahmen(name).top() == rahmen("MxSpinEdit").top(), name);
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        Werte w{3, 0, {4, 3, 0}};
        std::array<bool, 9> an{};
        const auto klick = [&](int i) {
            return [&, i] {
                QCheckBox* b = schalter(SchalterNamen[i]);
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));  // on the box
                an[std::size_t(i)] = !an[std::size_t(i)];
            };
        };
        const auto taste = [&](const char* name, Qt::Key k, int* wert, int neu) {
            return [=, this] {
                QTest::keyClick(feld(name), k);
                *wert = neu;
            };
        };
        const auto knopf = [&](const char* name, Werte neu) {
            return [&, name, neu] {
                QTest::mouseClick(element<QPushButton>(name), Qt::LeftButton);
                w = neu;
            };
        };
        const struct {
            const char* was;
            std::function<void()> tun;
            int zeichnungen = 1;  // redraws
        } schritte[] = {
            {"main switch on", klick(0), 1},
            {"Mittelpunkt-Vektor on", klick(1), 1},
            {"Punkt on", klick(2), 1},
            {"Orts-Vektor on", klick(3), 1},
            {"Differenz-Vektor on", klick(4), 1},
            {"Viele Ortsvektoren on", klick(5), 1},
            {"Viele Differenzvektoren on", klick(6), 1},
            {"Kreisfläche on", klick(7), 1},
            {"Tangente on", klick(8), 1},
            {"angle up by 10°", taste("PunktGradSpinEdit", Qt::Key_Up, &w.grad, 10)},
            {"angle up by 100°", taste("PunktGradSpinEdit", Qt::Key_PageUp, &w.grad, 110)},
            {"radius up", taste("KreisRadiusSpinEdit", Qt::Key_Up, &w.r, 4)},
            {"M x down", taste("MxSpinEdit", Qt::Key_Down, &w.m[0], 3)},
            {"M z up", taste("MzSpinEdit", Qt::Key_Up, &w.m[2], 1)},
            {"Löschen: radius 1, M = 0, the angle stays", knopf("LoeschenButton", {1, 110, {0, 0, 0}}), 1},
            {"Löschen again changes no field and draws nothing", knopf("LoeschenButton", {1, 110, {0, 0, 0}}), 0},
            {"Beispiel", knopf("BeispielButton", {3, 110, {4, 3, 0}}), 1},
            {"Beispiel again draws nothing", knopf("BeispielButton", {3, 110, {4, 3, 0}}), 0},
            {"M y up", taste("MySpinEdit", Qt::Key_Up, &w.m[1], 4)},
            {"Beispiel puts M y back", knopf("BeispielButton", {3, 110, {4, 3, 0}}), 1},
            {"main switch off", klick(0), 1},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            erwartet += s.zeichnungen;
            QVERIFY2(zeichnungen == erwartet, s.was);
            const tVektorKreisEinstellungen& e = modell->Einstellungen();
            QVERIFY2(Schalter(e) == an, s.was);
            QVERIFY2(e.Werte == w.modell(), s.was);
            QVERIFY2(feldWerte().modell() == w.modell(), s.was);
        }
        // P of the last state, r = 3 at 110° about (4, 3, 0).
        const double phi = 110.0 / 360 * 2 * 3.141592653589793;
        QVERIFY(std::abs(modell->Kreispunkt().x - (4 + 3 * std::cos(phi))) < 1e-12);
        QVERIFY(std::abs(modell->Kreispunkt().y - (3 + 3 * std::sin(phi))) < 1e-12);
    }

    void theAngleStepsBy10FromZeroTo350()
    {
        zeigen();
        TSpinEdit* grad = feld("PunktGradSpinEdit");
        for (int erwartet = 10; erwartet <= 350; erwartet += 10) {
            QTest::keyClick(grad, Qt::Key_Up);
            QCOMPARE(modell->Einstellungen().Werte.PunktGrad, erwartet);
        }
        QTest::keyClick(grad, Qt::Key_Up);
        QCOMPARE(grad->Value(), 350);
        QTest::keyClick(grad, Qt::Key_PageDown);
        QCOMPARE(modell->Einstellungen().Werte.PunktGrad, 250);
    }

    // The radius can be typed into: the picture gets at most 10, a text that is no whole
    // number counts as 0, and leaving the field shows the number used.
    void aTypedRadiusIsKeptWithinItsRange()
    {
        zeigen();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        schalter("KreislinieCheckBox")->setChecked(true);
        BoxBeantworter ok(QStringLiteral("OK"));
        TSpinEdit* radius = feld("KreisRadiusSpinEdit");
        radius->setFocus();
        const struct {
            QString getippt;
            int gilt;
        } faelle[] = {{"100", 10}, {"-3", 0}, {"abc", 0}, {"2,5", 0}, {"7", 7}};
        for (const auto& f : faelle) {
            radius->selectAll();
            QTest::keyClick(radius, Qt::Key_Delete);
            QTest::keyClicks(radius, f.getippt);
            QCOMPARE(radius->text(), f.getippt);
            QVERIFY2(modell->Einstellungen().Werte.Radius == f.gilt, qPrintable(f.getippt));
        }
        radius->setText(QStringLiteral("100"));
        schalter("KreisflaecheCheckBox")->setFocus(Qt::TabFocusReason);
        QCOMPARE(radius->text(), QStringLiteral("10"));
        QCOMPARE(modell->Einstellungen().Werte.Radius, 10);
        QVERIFY(ok.texte().isEmpty());
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        feld("PunktGradSpinEdit")->setValue(90);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("KreislinieCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        std::array<bool, 9> erwartet;
        erwartet.fill(true);
        erwartet[0] = false;
        QVERIFY(Schalter(modell->Einstellungen()) == erwartet);
        QVERIFY(modell->Einstellungen().Werte == (tVektorKreisWerte{3, 90, {4, 3, 0}}));
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
    }
};

QTEST_MAIN(TestVektorKreisForm)
#include "test_vektorkreis_form.moc"
