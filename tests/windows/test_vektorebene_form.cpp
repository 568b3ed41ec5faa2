// The window "Vektor - Ebene", driven by its control names: what it shows when made,
// every control with its caption, range and colour, the equation laid out in the test font
// at the designed size, one model update and one redraw per change (the buttons included),
// the typed size kept within its range, closing.

#include "boxbeantworter.h"
#include "scenes/math/vektorebene.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/vektorebene_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <array>
#include <functional>

using namespace orbisto;

namespace {

const char* const SchalterNamen[9] = {"EbeneCheckBox",
                                      "EbeneFlaecheCheckBox",
                                      "EbeneGitterCheckBox",
                                      "OrtsVektorCheckBox",
                                      "StuetzpunktVektorCheckBox",
                                      "RichtungsVektor1CheckBox",
                                      "RichtungsVektor2CheckBox",
                                      "VieleOrtsvektorenCheckBox",
                                      "AdditionRichtungsvektorenCheckBox"};

// The switches of the model in the order of SchalterNamen.
std::array<bool, 9> Schalter(const tVektorEbeneEinstellungen& e)
{
    return {e.Ebene,
            e.EbeneFlaeche,
            e.EbeneGitter,
            e.OrtsVektor,
            e.StuetzpunktVektor,
            e.RichtungsVektor1,
            e.RichtungsVektor2,
            e.VieleOrtsvektoren,
            e.AdditionRichtungsvektoren};
}

// The test's own arithmetic: O = S + t1·R1 + t2·R2.
struct Werte {
    int s[3], r1[3], r2[3], t1, t2, f;
    QStringList ort() const
    {
        QStringList o;
        for (int i = 0; i < 3; ++i)
            o.append(QString::number(s[i] + t1 * r1[i] + t2 * r2[i]));
        return o;
    }
    tVektorEbeneWerte modell() const
    {
        const auto v = [](const int a[3]) { return tVektor3{double(a[0]), double(a[1]), double(a[2])}; };
        return {v(s), v(r1), v(r2), double(t1), double(t2), f};
    }
};

const Werte Beispiel1{{4, 0, 0}, {0, 1, 0}, {0, 0, 1}, 1, 1, 6};
const Werte Beispiel2{{-2, 4, 1}, {3, 2, 1}, {1, 1, 3}, 1, 1, 3};
const Werte Geloescht{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 1, 1, 3};

}  // namespace

class TestVektorEbeneForm : public QObject, SzenenFenster<TVektorEbene, TVektorEbeneForm> {
    Q_OBJECT

    QStringList ortTexte() const
    {
        return {element<QLineEdit>("OxEdit")->text(), element<QLineEdit>("OyEdit")->text(),
                element<QLineEdit>("OzEdit")->text()};
    }
    // What the spin edits show, in the order of Werte.
    Werte feldWerte() const
    {
        Werte w{};
        const char* achsen[] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i) {
            w.s[i] = feld(qPrintable(QStringLiteral("S%1SpinEdit").arg(achsen[i])))->Value();
            w.r1[i] = feld(qPrintable(QStringLiteral("R1%1SpinEdit").arg(achsen[i])))->Value();
            w.r2[i] = feld(qPrintable(QStringLiteral("R2%1SpinEdit").arg(achsen[i])))->Value();
        }
        w.t1 = feld("Parameter1SpinEdit")->Value();
        w.t2 = feld("Parameter2SpinEdit")->Value();
        w.f = feld("EbeneFaktorSpinEdit")->Value();
        return w;
    }
private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsExample1AndItsO()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(581, 233));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vektor - Ebene"));
        QVERIFY(feldWerte().modell() == Beispiel1.modell());
        QCOMPARE(ortTexte(), (QStringList{"4", "1", "1"}));
        for (const char* name : SchalterNamen)
            QVERIFY2(schalter(name)->isChecked() == (QByteArray(name) == "EbeneFlaecheCheckBox"), name);
        QVERIFY(modell->Einstellungen() == TVektorEbene::Startwerte);
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws
    }

    void everyControlHasItsCaptionRangeAndColour()
    {
        zeigen();  // polished, so style sheets have set fonts and colours
        const QColor schwarz(0, 0, 0), rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF);
        BeschriftungenPruefen({
            {"EbeneCheckBox", "Ebene in der Punkt - Richtungs - Form   ( Parameter - Form )", true, {}},
            {"EbeneFlaecheCheckBox", "Fläche", false, {}},
            {"EbeneGitterCheckBox", "Gitter", false, {}},
            {"OrtsVektorCheckBox", "Orts-Vektor", true, schwarz},
            {"StuetzpunktVektorCheckBox", "Stützpunkt-Vektor", true, rot},
            {"RichtungsVektor1CheckBox", "1. Richtungs-Vektor", true, gruen},
            {"RichtungsVektor2CheckBox", "2. Richtungs-Vektor", true, blau},
            {"VieleOrtsvektorenCheckBox", "Viele Ortsvektoren", false, {}},
            {"AdditionRichtungsvektorenCheckBox", "Addition der Richtungs-Vektoren", false, {}},
        });
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 9);

        const struct {
            const char* name;
            QString text;
        } beschriftungen[] = {{"GleichLabel", "="},
                              {"Plus1Label", "+"},
                              {"Mal1Label", "*"},
                              {"Plus2Label", "+"},
                              {"Mal2Label3", "*"},
                              {"Parameter1Label", "1. Parameter"},
                              {"EbeneFaktorLabel", "Größe"},
                              {"Parameter2Label", "2. Parameter"}};
        for (const auto& b : beschriftungen) {
            QCOMPARE(label(b.name)->text(), b.text);
            const bool zeichen = b.text.size() == 1;
            QVERIFY2(!zeichen || (label(b.name)->font().pixelSize() == 19 && label(b.name)->font().bold()), b.name);
        }
        QCOMPARE(element<QPushButton>("Beispiel1Button")->text(), QStringLiteral("Beispiel 1"));
        QCOMPARE(element<QPushButton>("Beispiel2Button")->text(), QStringLiteral("Beispiel 2"));
        QCOMPARE(element<QPushButton>("LoeschenButton")->text(), QStringLiteral("Löschen"));

        for (const char* name : {"OxEdit", "OyEdit", "OzEdit"})
            QVERIFY2(element<QLineEdit>(name)->isReadOnly(), name);

        // Every vector component and parameter: -10 .. 10 by the arrows only; the size
        // 0 .. 10, typed too.
        for (TSpinEdit* f : form->findChildren<TSpinEdit*>()) {
            const bool groesse = f->objectName() == "EbeneFaktorSpinEdit";
            QVERIFY2(f->MinValue() == (groesse ? 0 : -10) && f->MaxValue() == 10 && f->Increment() == 1,
                     qPrintable(f->objectName()));
            QVERIFY2(f->EditorEnabled() == groesse, qPrintable(f->objectName()));
            QVERIFY2(!f->accessibleName().isEmpty(), qPrintable(f->objectName()));
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 12);
    }

    // In the test font the window has its designed size, nothing is cut off or on top of
    // another control, and the fields read as the equation.
    void everythingFitsAndReadsAsTheEquation()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(581, 233));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));

        // Every control's frame in the window's coordinates.
        const auto rahmen = [this](const char* name) {
            const QWidget* w = element<QWidget>(name);
            return QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size());
        };
        const char* reihe[] = {"OyEdit",     "GleichLabel", "SySpinEdit", "Plus1Label",         "Parameter1SpinEdit",
                               "Mal1Label",  "R1ySpinEdit", "Plus2Label", "Parameter2SpinEdit", "Mal2Label3",
                               "R2ySpinEdit"};
        for (std::size_t i = 1; i < std::size(reihe); ++i) {
            QVERIFY2(rahmen(reihe[i - 1]).right() < rahmen(reihe[i]).left(), reihe[i]);
            QVERIFY2(std::abs(rahmen(reihe[i]).center().y() - rahmen("SySpinEdit").center().y()) <= 2, reihe[i]);
        }
        const char* spalten[][3] = {{"OxEdit", "OyEdit", "OzEdit"},
                                    {"SxSpinEdit", "SySpinEdit", "SzSpinEdit"},
                                    {"R1xSpinEdit", "R1ySpinEdit", "R1zSpinEdit"},
                                    {"R2xSpinEdit", "R2ySpinEdit", "R2zSpinEdit"}};
        for (const auto& spalte : spalten)
            for (int i = 1; i < 3; ++i) {
                QVERIFY2(rahmen(spalte[i]).left() == rahmen(spalte[0]).left(), spalte[i]);
                QVERIFY2(rahmen(spalte[i]).top() == rahmen(spalten[0][i]).top(), spalte[i]);
                QVERIFY2(rahmen(spalte[i - 1]).bottom() < rahmen(spalte[i]).top(), spalte[i]);
            }
        // The headings over their columns, the main switch above them, the two switches
        // of the bottom row below the fields.
        for (const auto& [kopf, spalte] : {std::pair{"OrtsVektorCheckBox", "OxEdit"},
                                           {"StuetzpunktVektorCheckBox", "SxSpinEdit"},
                                           {"RichtungsVektor1CheckBox", "R1xSpinEdit"},
                                           {"RichtungsVektor2CheckBox", "R2xSpinEdit"},
                                           {"Parameter1Label", "Parameter1SpinEdit"},
                                           {"Parameter2Label", "Parameter2SpinEdit"}}) {
            const QRect k = rahmen(kopf), f = rahmen(spalte);
            QVERIFY2(k.bottom() < f.top() && std::abs(k.center().x() - f.center().x()) <= 2, kopf);
            QVERIFY2(rahmen("EbeneFlaecheCheckBox").bottom() < k.top(), kopf);
        }
        QVERIFY(rahmen("EbeneCheckBox").bottom() < rahmen("EbeneFlaecheCheckBox").top());
        for (const char* fuss : {"VieleOrtsvektorenCheckBox", "AdditionRichtungsvektorenCheckBox"})
            QVERIFY2(rahmen("R2zSpinEdit").bottom() < rahmen(fuss).top(), fuss);
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        Werte w = Beispiel1;
        std::array<bool, 9> an{false, true};
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
        const auto knopf = [&](const char* name, const Werte& neu) {
            return [&, name] {
                QTest::mouseClick(element<QPushButton>(name), Qt::LeftButton);
                w = neu;
            };
        };
        const struct {
            const char* was;
            std::function<void()> tun;
        } schritte[] = {
            {"main switch on", klick(0)},
            {"Fläche off", klick(1)},
            {"Gitter on", klick(2)},
            {"Orts-Vektor on", klick(3)},
            {"Stützpunkt-Vektor on", klick(4)},
            {"1. Richtungs-Vektor on", klick(5)},
            {"2. Richtungs-Vektor on", klick(6)},
            {"Viele Ortsvektoren on", klick(7)},
            {"Addition on", klick(8)},
            {"Beispiel 2", knopf("Beispiel2Button", Beispiel2)},
            {"S x up", taste("SxSpinEdit", Qt::Key_Up, &w.s[0], -1)},
            {"S z down", taste("SzSpinEdit", Qt::Key_Down, &w.s[2], 0)},
            {"t1 up", taste("Parameter1SpinEdit", Qt::Key_Up, &w.t1, 2)},
            {"R1 y ten up, held at 10", taste("R1ySpinEdit", Qt::Key_PageUp, &w.r1[1], 10)},
            {"t2 down to 0", taste("Parameter2SpinEdit", Qt::Key_Down, &w.t2, 0)},
            {"R2 x down", taste("R2xSpinEdit", Qt::Key_Down, &w.r2[0], 0)},
            {"R2 z up", taste("R2zSpinEdit", Qt::Key_Up, &w.r2[2], 4)},
            {"size up", taste("EbeneFaktorSpinEdit", Qt::Key_Up, &w.f, 4)},
            {"Löschen", knopf("LoeschenButton", Geloescht)},
            {"Löschen again: the same values, drawn once more", knopf("LoeschenButton", Geloescht)},
            {"Beispiel 1", knopf("Beispiel1Button", Beispiel1)},
            {"Orts-Vektor off", klick(3)},
            {"main switch off", klick(0)},
            {"R1 x down while the scene is off: O still follows", taste("R1xSpinEdit", Qt::Key_Down, &w.r1[0], -1)},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            ++erwartet;
            QVERIFY2(zeichnungen == erwartet, s.was);
            const tVektorEbeneEinstellungen& e = modell->Einstellungen();
            QVERIFY2(Schalter(e) == an, s.was);
            QVERIFY2(e.Werte == w.modell(), s.was);
            QVERIFY2(feldWerte().modell() == w.modell(), s.was);
            QVERIFY2(ortTexte() == w.ort(), qPrintable(QString(s.was) + ": " + ortTexte().join(' ')));
        }
        QCOMPARE(ortTexte(), (QStringList{"3", "1", "1"}));  // (4, 0, 0) + (-1, 1, 0) + (0, 0, 1)
    }

    // "Größe" can be typed into. Whatever is typed, the picture gets at most size 10 (441
    // arrows), a text that is no whole number counts as 0, and leaving the field shows
    // the number used.
    void aTypedSizeIsKeptWithinItsRange()
    {
        zeigen();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        schalter("VieleOrtsvektorenCheckBox")->setChecked(true);
        schalter("EbeneCheckBox")->setChecked(true);
        BoxBeantworter ok(QStringLiteral("OK"));
        TSpinEdit* groesse = feld("EbeneFaktorSpinEdit");
        groesse->setFocus();
        const struct {
            QString getippt;
            int gilt;
        } faelle[] = {{"1000", 10}, {"11", 10}, {"-5", 0}, {"abc", 0}, {"", 0}, {"7", 7}, {"2147483648", 0}};
        for (const auto& f : faelle) {
            zeichnungen = 0;
            groesse->selectAll();
            QTest::keyClick(groesse, Qt::Key_Delete);
            QTest::keyClicks(groesse, f.getippt);
            QCOMPARE(groesse->text(), f.getippt);
            QVERIFY2(modell->Einstellungen().Werte.EbeneFaktor == f.gilt, qPrintable(f.getippt));
            QVERIFY(zeichnungen >= 1);
        }
        QCOMPARE(ortTexte(), (QStringList{"4", "1", "1"}));  // the size does not move O
        groesse->setText(QStringLiteral("1000"));
        schalter("EbeneGitterCheckBox")->setFocus(Qt::TabFocusReason);
        QCOMPARE(groesse->text(), QStringLiteral("10"));
        QCOMPARE(modell->Einstellungen().Werte.EbeneFaktor, 10);
        QVERIFY(ok.texte().isEmpty());
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        QTest::mouseClick(element<QPushButton>("Beispiel2Button"), Qt::LeftButton);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("EbeneCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        const tVektorEbeneEinstellungen& e = modell->Einstellungen();
        QVERIFY(!e.Ebene);
        QVERIFY(e.EbeneFlaeche && e.EbeneGitter && e.OrtsVektor && e.StuetzpunktVektor && e.RichtungsVektor1 &&
                e.RichtungsVektor2 && e.VieleOrtsvektoren && e.AdditionRichtungsvektoren);
        QVERIFY(e.Werte == TVektorEbene::Beispiel2);

        // Shown again, it changes nothing and keeps its settings.
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
        QCOMPARE(ortTexte(), (QStringList{"2", "7", "5"}));
    }
};

QTEST_MAIN(TestVektorEbeneForm)
#include "test_vektorebene_form.moc"
