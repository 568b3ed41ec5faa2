// The window "Vektor - Gerade", driven by its control names: what it shows when made,
// every control with its caption, range and colour, the equation laid out in the test font
// at the designed size, one model update and one redraw per change, refused numbers,
// closing; and the scene in the real main window from its menu item. Runs under Xvfb: the
// last test draws through the GL widget.

#include "app/fensterliste.h"
#include "boxbeantworter.h"
#include "programm/programm.h"
#include "scenes/math/vektorgerade.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"
#include "windows/scenes/math/vektorgerade_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

using namespace orbisto;

namespace {

// The test's own arithmetic: O = S + t·R.
struct Werte {
    int s[3], r[3], t;
    std::array<int, 3> ort() const { return {s[0] + t * r[0], s[1] + t * r[1], s[2] + t * r[2]}; }
};

// Clicks the up arrow of a spin edit with the mouse.
void PfeilHochKlicken(TSpinEdit* feld)
{
    QStyleOptionSpinBox option;
    option.initFrom(feld);
    option.subControls = QStyle::SC_SpinBoxUp;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect hoch = feld->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, feld);
    QTest::mouseClick(feld, Qt::LeftButton, Qt::NoModifier, hoch.center());
}

}  // namespace

class TestVektorGeradeForm : public QObject, SzenenFenster<TVektorGerade, TVektorGeradeForm> {
    Q_OBJECT

    QStringList ortTexte() const
    {
        return {element<QLineEdit>("OxEdit")->text(), element<QLineEdit>("OyEdit")->text(),
                element<QLineEdit>("OzEdit")->text()};
    }
    static QStringList texte(std::array<int, 3> o)
    {
        return {QString::number(o[0]), QString::number(o[1]), QString::number(o[2])};
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValuesAndTheirO()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(459, 208));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vektor - Gerade"));
        const struct {
            const char* name;
            int wert;
        } werte[] = {{"SxSpinEdit", -2}, {"SySpinEdit", 4}, {"SzSpinEdit", 1},       {"RxSpinEdit", 3},
                     {"RySpinEdit", 2},  {"RzSpinEdit", 1}, {"ParameterSpinEdit", 1}};
        for (const auto& w : werte)
            QVERIFY2(feld(w.name)->Value() == w.wert && feld(w.name)->text() == QString::number(w.wert), w.name);
        QCOMPARE(ortTexte(), (QStringList{"1", "6", "2"}));
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        QVERIFY(modell->Einstellungen() == TVektorGerade::Startwerte);
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws
    }

    void everyControlHasItsCaptionRangeAndColour()
    {
        form->show();  // polished, so style sheets have set fonts and colours
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QColor schwarz(0, 0, 0), rot(0xFF, 0, 0), gruen(0, 0x80, 0);
        const struct {
            const char* name;
            QString text;
            bool fett;
            QColor farbe;  // invalid: the default
        } schalterListe[] = {
            {"GeradeCheckBox", "Gerade in der Punkt - Richtungs - Form   ( Parameter - Form )", true, {}},
            {"OrtsVektorCheckBox", "Orts-Vektor", true, schwarz},
            {"StuetzpunktVektorCheckBox", "Stützpunkt-Vektor", true, rot},
            {"RichtungsVektorCheckBox", "Richtungs-Vektor", true, gruen},
            {"VieleOrtsvektorenCheckBox", "Viele Ortsvektoren", false, {}},
        };
        for (const auto& s : schalterListe) {
            QCheckBox* b = schalter(s.name);
            QCOMPARE(b->text(), s.text);
            QVERIFY2(b->font().bold() == s.fett, s.name);
            if (s.farbe.isValid())
                QVERIFY2(b->palette().color(QPalette::WindowText) == s.farbe, s.name);
            QVERIFY2(b->isVisible() && !b->visibleRegion().isEmpty(), s.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 5);

        for (const char* name : {"GleichLabel", "PlusLabel", "MalLabel"}) {
            auto* l = label(name);
            QVERIFY2(l->font().pixelSize() == 19 && l->font().bold(), name);
        }
        QCOMPARE(label("GleichLabel")->text(), QStringLiteral("="));
        QCOMPARE(label("PlusLabel")->text(), QStringLiteral("+"));
        QCOMPARE(label("MalLabel")->text(), QStringLiteral("*"));
        QCOMPARE(label("ParameterLabel")->text(), QStringLiteral("Parameter"));

        for (const char* name : {"OxEdit", "OyEdit", "OzEdit"})
            QVERIFY2(element<QLineEdit>(name)->isReadOnly(), name);

        for (const char* name : {"SxSpinEdit", "SySpinEdit", "SzSpinEdit", "RxSpinEdit", "RySpinEdit", "RzSpinEdit",
                                 "ParameterSpinEdit"}) {
            TSpinEdit* f = feld(name);
            QVERIFY2(f->MinValue() == -10 && f->MaxValue() == 10 && f->Increment() == 1, name);
            QVERIFY2(!f->EditorEnabled(), name);  // arrows only
            QVERIFY2(!f->accessibleName().isEmpty(), name);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 7);
    }

    // In the test font the window has its designed size, nothing is cut off or on top of
    // another control, and the controls spell out the equation as they always did.
    void everythingFitsAndReadsAsTheEquation()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCOMPARE(form->size(), QSize(459, 208));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        const QList<QWidget*> controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 19);  // 5 check boxes, 3 edits, 7 spin edits, 4 labels
        for (QWidget* w : controls)
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));

        const auto rahmen = [this](const char* name) { return element<QWidget>(name)->geometry(); };
        // The equation O = S + t * R from left to right, in the middle row.
        const char* reihe[] = {"OyEdit",   "GleichLabel", "SySpinEdit", "PlusLabel", "ParameterSpinEdit",
                               "MalLabel", "RySpinEdit"};
        for (std::size_t i = 1; i < std::size(reihe); ++i)
            QVERIFY2(rahmen(reihe[i - 1]).right() < rahmen(reihe[i]).left(), reihe[i]);
        // The components of each vector stand in one column, x over y over z, and each row
        // runs level through O, S and R.
        const char* spalten[][3] = {{"OxEdit", "OyEdit", "OzEdit"},
                                    {"SxSpinEdit", "SySpinEdit", "SzSpinEdit"},
                                    {"RxSpinEdit", "RySpinEdit", "RzSpinEdit"}};
        for (const auto& spalte : spalten)
            for (int i = 0; i < 3; ++i) {
                QVERIFY2(rahmen(spalte[i]).left() == rahmen(spalte[0]).left(), spalte[i]);
                QVERIFY2(rahmen(spalte[i]).top() == rahmen(spalten[0][i]).top(), spalte[i]);
                if (i > 0)
                    QVERIFY2(rahmen(spalte[i - 1]).bottom() < rahmen(spalte[i]).top(), spalte[i]);
            }
        QCOMPARE(rahmen("ParameterSpinEdit").top(), rahmen("SySpinEdit").top());
        // The signs stand level with the middle row.
        for (const char* zeichen : {"GleichLabel", "PlusLabel", "MalLabel"})
            QVERIFY2(std::abs(rahmen(zeichen).center().y() - rahmen("SySpinEdit").center().y()) <= 2, zeichen);
        // The headings stand over their columns, centred; the main switch above them all,
        // "Viele Ortsvektoren" below the fields.
        for (const auto& [kopf, spalte] : {std::pair{"OrtsVektorCheckBox", "OxEdit"},
                                           {"StuetzpunktVektorCheckBox", "SxSpinEdit"},
                                           {"RichtungsVektorCheckBox", "RxSpinEdit"},
                                           {"ParameterLabel", "ParameterSpinEdit"}}) {
            const QRect k = rahmen(kopf), f = rahmen(spalte);
            QVERIFY2(k.bottom() < f.top() && std::abs(k.center().x() - f.center().x()) <= 2, kopf);
            QVERIFY2(rahmen("GeradeCheckBox").bottom() < k.top(), kopf);
        }
        QVERIFY(rahmen("OzEdit").bottom() < rahmen("VieleOrtsvektorenCheckBox").top());

        // Tab goes down each column, left to right.
        const char* tabFolge[] = {"GeradeCheckBox",
                                  "OrtsVektorCheckBox",
                                  "OxEdit",
                                  "OyEdit",
                                  "OzEdit",
                                  "StuetzpunktVektorCheckBox",
                                  "SxSpinEdit",
                                  "SySpinEdit",
                                  "SzSpinEdit",
                                  "ParameterSpinEdit",
                                  "RichtungsVektorCheckBox",
                                  "RxSpinEdit",
                                  "RySpinEdit",
                                  "RzSpinEdit",
                                  "VieleOrtsvektorenCheckBox"};
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        element<QWidget>(tabFolge[0])->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 1; i < std::size(tabFolge); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* soll = element<QWidget>(tabFolge[i]);
            QWidget* ist = QApplication::focusWidget();
            QVERIFY2(ist && (ist == soll || soll->isAncestorOf(ist)), tabFolge[i]);
        }
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        zeichnungen = 0;
        Werte w{{-2, 4, 1}, {3, 2, 1}, 1};
        bool an[5] = {};
        const char* schalterNamen[5] = {"GeradeCheckBox", "OrtsVektorCheckBox", "StuetzpunktVektorCheckBox",
                                        "RichtungsVektorCheckBox", "VieleOrtsvektorenCheckBox"};
        const auto klick = [&](int i) {
            return [&, i] {
                QCheckBox* b = schalter(schalterNamen[i]);
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));  // on the box
                an[i] = !an[i];
            };
        };
        const struct {
            const char* was;
            std::function<void()> tun;
        } schritte[] = {
            {"main switch on", klick(0)},
            {"Orts-Vektor on", klick(1)},
            {"Stützpunkt-Vektor on", klick(2)},
            {"Richtungs-Vektor on", klick(3)},
            {"Viele Ortsvektoren on", klick(4)},
            {"S x up by the arrow key",
             [&] {
                 QTest::keyClick(feld("SxSpinEdit"), Qt::Key_Up);
                 w.s[0] = -1;
             }},
            {"S y down by the arrow key",
             [&] {
                 QTest::keyClick(feld("SySpinEdit"), Qt::Key_Down);
                 w.s[1] = 3;
             }},
            {"S z ten up, held at 10",
             [&] {
                 QTest::keyClick(feld("SzSpinEdit"), Qt::Key_PageUp);
                 w.s[2] = 10;
             }},
            {"t down to 0: O = S",
             [&] {
                 QTest::keyClick(feld("ParameterSpinEdit"), Qt::Key_Down);
                 w.t = 0;
             }},
            {"R x by its up arrow, O stays",
             [&] {
                 PfeilHochKlicken(feld("RxSpinEdit"));
                 w.r[0] = 4;
             }},
            {"R y set as a screen reader does",
             [&] {
                 feld("RySpinEdit")->setValue(-10);
                 w.r[1] = -10;
             }},
            {"t set to -7",
             [&] {
                 feld("ParameterSpinEdit")->setValue(-7);
                 w.t = -7;
             }},
            {"R z up",
             [&] {
                 QTest::keyClick(feld("RzSpinEdit"), Qt::Key_Up);
                 w.r[2] = 2;
             }},
            {"Orts-Vektor off", klick(1)},
            {"main switch off", klick(0)},
            {"S x down while the scene is off: O still follows",
             [&] {
                 QTest::keyClick(feld("SxSpinEdit"), Qt::Key_Down);
                 w.s[0] = -2;
             }},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            ++erwartet;
            QVERIFY2(zeichnungen == erwartet, s.was);
            const tVektorGeradeEinstellungen& e = modell->Einstellungen();
            QVERIFY2(e.Gerade == an[0] && e.OrtsVektor == an[1] && e.StuetzpunktVektor == an[2] &&
                         e.RichtungsVektor == an[3] && e.VieleOrtsvektoren == an[4],
                     s.was);
            QVERIFY2(e.Stuetzpunkt == (tVektor3{double(w.s[0]), double(w.s[1]), double(w.s[2])}), s.was);
            QVERIFY2(e.Richtungsvektor == (tVektor3{double(w.r[0]), double(w.r[1]), double(w.r[2])}), s.was);
            QVERIFY2(e.Parameterwert == w.t, s.was);
            QVERIFY2(ortTexte() == texte(w.ort()), qPrintable(QString(s.was) + ": " + ortTexte().join(' ')));
        }
        QCOMPARE(ortTexte(), (QStringList{"-30", "73", "-4"}));  // (-2, 3, 10) + (-7) * (4, -10, 2)
    }

    void spinEditsTakeArrowsOnlyAndStopAtTheirEnds()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        zeichnungen = 0;
        TSpinEdit* sx = feld("SxSpinEdit");
        QTest::keyClicks(sx, QStringLiteral("7"));
        QTest::keyClick(sx, Qt::Key_Backspace);
        QCOMPARE(sx->text(), QStringLiteral("-2"));
        QCOMPARE(zeichnungen, 0);

        TSpinEdit* rz = feld("RzSpinEdit");
        rz->setValue(10);
        QCOMPARE(zeichnungen, 1);
        QTest::keyClick(rz, Qt::Key_Up);
        QCOMPARE(rz->Value(), 10);
        QCOMPARE(zeichnungen, 1);  // no change, no redraw
        rz->setValue(-25);
        QCOMPARE(rz->Value(), -10);
        QCOMPARE(modell->Einstellungen().Richtungsvektor.z, -10.0);
    }

    void aTypedNumberOutsideTheRangeCountsAsTheNearestAllowed()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        schalter("GeradeCheckBox")->setChecked(true);
        zeichnungen = 0;
        BoxBeantworter ok(QStringLiteral("OK"));
        // Nobody can type here; a program can still put text in, as if typed.
        feld("SxSpinEdit")->setText(QStringLiteral("11"));
        QCOMPARE(modell->Einstellungen().Stuetzpunkt.x, 10.0);
        QCOMPARE(ortTexte(), (QStringList{"13", "6", "2"}));
        QCOMPARE(zeichnungen, 1);

        // A text that is no whole number counts as the minimum, as in every spin edit.
        feld("SxSpinEdit")->setText(QStringLiteral("abc"));
        QCOMPARE(modell->Einstellungen().Stuetzpunkt.x, -10.0);
        QCOMPARE(ortTexte(), (QStringList{"-7", "6", "2"}));
        QCOMPARE(zeichnungen, 2);
        QVERIFY(ok.texte().isEmpty());
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        feld("ParameterSpinEdit")->setValue(3);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("GeradeCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        tVektorGeradeEinstellungen erwartet = TVektorGerade::Startwerte;
        erwartet.OrtsVektor = erwartet.StuetzpunktVektor = erwartet.RichtungsVektor = erwartet.VieleOrtsvektoren = true;
        erwartet.Parameterwert = 3;
        QVERIFY(modell->Einstellungen() == erwartet);

        // Shown again, it changes nothing and keeps its settings.
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
        QVERIFY(schalter("VieleOrtsvektorenCheckBox")->isChecked());
        QCOMPARE(feld("ParameterSpinEdit")->Value(), 3);
        QCOMPARE(ortTexte(), (QStringList{"7", "10", "4"}));
    }

    // The real program: the menu item shows the window, the scene appears in the view once
    // its main switch is on and disappears when the window is closed.
    void theSceneInTheMainWindow()
    {
        EchtesProgramm programm;
        QVERIFY(programm.Zeigen());
        TOGLPanel* gl = programm.gl();
        auto* menue = programm.Menue("VektorGeradeMen");
        QVERIFY(menue && menue->isEnabled());
        QCOMPARE(menue->text(), QStringLiteral("Gerade mit Vektoren"));
        auto* szene = programm.Fenster<TVektorGeradeForm>(SzenenNr::VektorGerade);
        QVERIFY(szene);
        QVERIFY(!szene->isVisible());
        QCOMPARE(szene->pos(), programm.haupt.pos() + QPoint(50, 50));
        const TVektorGerade& gerade = programm.Szene<TVektorGerade>(SzenenNr::VektorGerade);

        const QImage ohne = gl->grabFramebuffer();
        const tVektorGeradeEinstellungen start = gerade.Einstellungen();
        menue->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(szene));
        // Showing changes nothing: neither the scene nor the picture.
        QVERIFY(gerade.Einstellungen() == start);
        QCOMPARE(gl->grabFramebuffer(), ohne);

        const char* alle[] = {"GeradeCheckBox", "OrtsVektorCheckBox", "StuetzpunktVektorCheckBox",
                              "RichtungsVektorCheckBox", "VieleOrtsvektorenCheckBox"};
        // Each click runs a pass (the form test counts exactly one Zeichnen per change; Qt
        // may fold synchronous repaints of a GL window into one while a frame is pending).
        long vorher = gl->Durchgaenge();
        for (const char* name : alle) {
            Element<QCheckBox>(szene, name)->click();
            QTRY_VERIFY2(gl->Durchgaenge() > vorher, name);
            vorher = gl->Durchgaenge();
        }
        const QImage mit = gl->grabFramebuffer();
        QVERIFY(mit != ohne);
        int grau = 0;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x)
                grau += mit.pixelColor(x, y) == QColor(77, 77, 77) || mit.pixelColor(x, y) == QColor(76, 76, 76);
        QVERIFY2(grau > 50, "the many position vectors in grey");

        QVERIFY(szene->close());
        QVERIFY(!Element<QCheckBox>(szene, "GeradeCheckBox")->isChecked());
        QCOMPARE(gl->grabFramebuffer(), ohne);
    }
};

QTEST_MAIN(TestVektorGeradeForm)
#include "test_vektorgerade_form.moc"
