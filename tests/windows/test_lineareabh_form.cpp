// The window "Lineare Abhängigkeit", driven by its control names: what it shows when made
// (example 1), captions, colours and ranges, the equation laid out in the test font, one
// model update and one redraw per change with the combination's texts, the examples, typed
// numbers, and closing (main switch off).

#include "boxbeantworter.h"
#include "scenes/math/lineareabh.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/lineareabh_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

using V = std::array<long long, 3>;

tVektor3 Als(const V& v) { return {double(v[0]), double(v[1]), double(v[2])}; }

}  // namespace

class TestLineareAbhForm : public QObject, SzenenFenster<TLineareAbh, TLineareAbhForm> {
    Q_OBJECT

    QStringList vlkTexte() const
    {
        return {element<QLineEdit>("VLKxEdit")->text(), element<QLineEdit>("VLKyEdit")->text(),
                element<QLineEdit>("VLKzEdit")->text()};
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateLoadsExample1()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(493, 209));
        QCOMPARE(form->windowTitle(), QStringLiteral("Lineare Abhängigkeit"));
        QCOMPARE(vektor("V1"), (tVektor3{1, 0, 0}));
        QCOMPARE(vektor("V2"), (tVektor3{0, 1, 0}));
        QCOMPARE(vektor("V3"), (tVektor3{-3, 4, 0}));
        QCOMPARE(feld("FaktorASpinEdit")->Value(), 1);
        QCOMPARE(feld("FaktorBSpinEdit")->Value(), 1);
        QCOMPARE(feld("EbeneFaktorSpinEdit")->Value(), 3);
        for (const char* an : {"V1CheckBox", "V2CheckBox", "V3CheckBox"})
            QVERIFY2(schalter(an)->isChecked(), an);
        for (const char* aus : {"DarstellungCheckBox", "VLKCheckBox", "EbeneCheckBox"})
            QVERIFY2(!schalter(aus)->isChecked(), aus);
        QCOMPARE(vlkTexte(), (QStringList{"", "", ""}));
        QVERIFY(modell->Einstellungen() == TLineareAbh::Startwerte);
        QCOMPARE(zeichnungen, 1);
    }

    void everyControlHasItsCaptionColourAndRange()
    {
        zeigen();
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF), fuchsia(0xFF, 0, 0xFF);
        const struct {
            const char* name;
            QString text;
            bool fett;
            QColor farbe;
        } boxen[] = {
            {"DarstellungCheckBox", "Darstellung der Linearen Abhängigkeit von 3 Vektoren im Raum", false, {}},
            {"V3CheckBox", "Vektor V3", true, fuchsia},
            {"VLKCheckBox", "a · V1 + b · V2", true, blau},
            {"V1CheckBox", "Vektor V1", true, rot},
            {"V2CheckBox", "Vektor V2", true, gruen},
            {"EbeneCheckBox", "Ebene mit V1 und V2", false, {}},
        };
        for (const auto& s : boxen) {
            QCheckBox* b = schalter(s.name);
            QCOMPARE(b->text(), s.text);
            QVERIFY2(b->font().bold() == s.fett, s.name);
            if (s.farbe.isValid())
                QVERIFY2(b->palette().color(QPalette::WindowText) == s.farbe, s.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 6);

        const struct {
            const char* name;
            const char* text;
            bool fett;
        } labels[] = {{"FrageLabel", "?", true},    {"GleichLabel", "=", true},   {"Label2", "=", true},
                      {"Mal1Label", "*", true},     {"Label1", "*", true},        {"Plus2Label", "+", true},
                      {"FaktorALabel", "a", false}, {"FaktorBLabel", "b", false}, {"EbeneFaktorLabel", "Größe", false}};
        for (const auto& l : labels) {
            QCOMPARE(label(l.name)->text(), QString::fromUtf8(l.text));
            QVERIFY2(label(l.name)->font().bold() == l.fett, l.name);
        }
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(element<QPushButton>(qPrintable(QStringLiteral("Beispiel%1Button").arg(i)))->text(),
                     QStringLiteral("Beispiel %1").arg(i));

        const QColor achsen[] = {rot, gruen, blau};
        const char* achsenNamen = "xyz";
        for (int i = 0; i < 3; ++i) {
            for (const char* v : {"V1", "V2", "V3"}) {
                const QString name = QStringLiteral("%1%2SpinEdit").arg(v).arg(achsenNamen[i]);
                TSpinEdit* f = feld(qPrintable(name));
                QVERIFY2(f->MinValue() == -9 && f->MaxValue() == 9 && f->Increment() == 1, qPrintable(name));
                QVERIFY2(f->EditorEnabled() && f->font().bold(), qPrintable(name));
                QVERIFY2(f->palette().color(QPalette::Text) == achsen[i], qPrintable(name));
            }
            auto* e = element<QLineEdit>(qPrintable(QStringLiteral("VLK%1Edit").arg(achsenNamen[i])));
            QVERIFY(e->isReadOnly() && e->font().bold());
            QCOMPARE(e->palette().color(QPalette::Text), achsen[i]);
        }
        for (const char* name : {"FaktorASpinEdit", "FaktorBSpinEdit"}) {
            TSpinEdit* f = feld(name);
            QVERIFY2(f->MinValue() == -10 && f->MaxValue() == 10 && f->Increment() == 1, name);
            QVERIFY2(!f->EditorEnabled(), name);  // arrows only
        }
        TSpinEdit* groesse = feld("EbeneFaktorSpinEdit");
        QVERIFY(groesse->MinValue() == 0 && groesse->MaxValue() == 10 && groesse->EditorEnabled());
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 12);
    }

    // In the test font the window has its designed size, nothing is cut off or on top of
    // another control, and the fields read V3 =? L = a * V1 + b * V2 from left to right.
    void everythingFitsAndReadsAsTheQuestion()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(493, 209));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        const auto rahmen = [this](const char* name) { return element<QWidget>(name)->geometry(); };
        const char* reihe[] = {"V3ySpinEdit",     "GleichLabel", "VLKyEdit",    "Label2",
                               "FaktorASpinEdit", "Mal1Label",   "V1ySpinEdit", "Plus2Label",
                               "FaktorBSpinEdit", "Label1",      "V2ySpinEdit"};
        for (std::size_t i = 1; i < std::size(reihe); ++i) {
            QVERIFY2(rahmen(reihe[i - 1]).right() < rahmen(reihe[i]).left(), reihe[i]);
            QVERIFY2(std::abs(rahmen(reihe[i]).center().y() - rahmen("V3ySpinEdit").center().y()) <= 2, reihe[i]);
        }
        QVERIFY(rahmen("FrageLabel").bottom() <= rahmen("GleichLabel").top());
        const char* spalten[][4] = {{"V3CheckBox", "V3xSpinEdit", "V3ySpinEdit", "V3zSpinEdit"},
                                    {"VLKCheckBox", "VLKxEdit", "VLKyEdit", "VLKzEdit"},
                                    {"V1CheckBox", "V1xSpinEdit", "V1ySpinEdit", "V1zSpinEdit"},
                                    {"V2CheckBox", "V2xSpinEdit", "V2ySpinEdit", "V2zSpinEdit"}};
        for (const auto& spalte : spalten)
            for (int i = 1; i < 4; ++i) {
                QVERIFY2(rahmen(spalte[i - 1]).bottom() < rahmen(spalte[i]).top(), spalte[i]);
                QVERIFY2(std::abs(rahmen(spalte[i]).center().x() - rahmen(spalte[0]).center().x()) <= 2, spalte[i]);
            }
        QVERIFY(rahmen("FaktorALabel").bottom() < rahmen("FaktorASpinEdit").top());
        QVERIFY(rahmen("FaktorBLabel").bottom() < rahmen("FaktorBSpinEdit").top());
        QVERIFY(rahmen("V3zSpinEdit").bottom() < rahmen("EbeneCheckBox").top());
    }

    // Every change: one redraw, the model as the controls say, and the combination shown
    // while VLKCheckBox is on. Stepping a and b to -3 and 4 makes example 1 dependent.
    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tLineareAbhEinstellungen erwartet = TLineareAbh::Startwerte;
        int n = 0;
        const struct {
            const char* was;
            std::function<void()> tun;
            std::function<void()> folge;
            QStringList texte;
        } schritte[] = {
            {"main switch on",
             [&] { klicken("DarstellungCheckBox"); },
             [&] { erwartet.Darstellung = true; },
             {"", "", ""}},
            {"combination on", [&] { klicken("VLKCheckBox"); }, [&] { erwartet.VLK = true; }, {"1", "1", "0"}},
            {"a down",
             [&] { QTest::keyClick(feld("FaktorASpinEdit"), Qt::Key_Down); },
             [&] { erwartet.FaktorA = 0; },
             {"0", "1", "0"}},
            {"a set to -3",
             [&] { feld("FaktorASpinEdit")->setValue(-3); },
             [&] { erwartet.FaktorA = -3; },
             {"-3", "1", "0"}},
            {"b up",
             [&] { QTest::keyClick(feld("FaktorBSpinEdit"), Qt::Key_Up); },
             [&] { erwartet.FaktorB = 2; },
             {"-3", "2", "0"}},
            {"b set to 4: L = V3",
             [&] { feld("FaktorBSpinEdit")->setValue(4); },
             [&] { erwartet.FaktorB = 4; },
             {"-3", "4", "0"}},
            {"V1 z up",
             [&] { QTest::keyClick(feld("V1zSpinEdit"), Qt::Key_Up); },
             [&] { erwartet.V1[2] = 1; },
             {"-3", "4", "-3"}},
            {"V2 x down",
             [&] { QTest::keyClick(feld("V2xSpinEdit"), Qt::Key_Down); },
             [&] { erwartet.V2[0] = -1; },
             {"-7", "4", "-3"}},
            {"V3 y ten up, held at 9",
             [&] { QTest::keyClick(feld("V3ySpinEdit"), Qt::Key_PageUp); },
             [&] { erwartet.V3[1] = 9; },
             {"-7", "4", "-3"}},
            {"plane on", [&] { klicken("EbeneCheckBox"); }, [&] { erwartet.Ebene = true; }, {"-7", "4", "-3"}},
            {"size down",
             [&] { QTest::keyClick(feld("EbeneFaktorSpinEdit"), Qt::Key_Down); },
             [&] { erwartet.EbeneFaktor = 2; },
             {"-7", "4", "-3"}},
            {"V1 off", [&] { klicken("V1CheckBox"); }, [&] { erwartet.V1Zeigen = false; }, {"-7", "4", "-3"}},
            {"V2 off", [&] { klicken("V2CheckBox"); }, [&] { erwartet.V2Zeigen = false; }, {"-7", "4", "-3"}},
            {"V3 off", [&] { klicken("V3CheckBox"); }, [&] { erwartet.V3Zeigen = false; }, {"-7", "4", "-3"}},
            {"combination off: the fields empty",
             [&] { klicken("VLKCheckBox"); },
             [&] { erwartet.VLK = false; },
             {"", "", ""}},
            {"main switch off",
             [&] { klicken("DarstellungCheckBox"); },
             [&] { erwartet.Darstellung = false; },
             {"", "", ""}},
        };
        for (const auto& s : schritte) {
            s.tun();
            s.folge();
            ++n;
            QVERIFY2(zeichnungen == n, s.was);
            QVERIFY2(modell->Einstellungen() == erwartet, s.was);
            QVERIFY2(vlkTexte() == s.texte, qPrintable(QString(s.was) + ": " + vlkTexte().join(' ')));
        }
    }

    // Each example button loads its vectors with a = b = 1 in one change and keeps every
    // switch and the size; with the example's own factors the combination equals V3.
    void theExamples()
    {
        zeigen();
        klicken("VLKCheckBox");
        feld("EbeneFaktorSpinEdit")->setValue(7);
        const struct {
            V v1, v2, v3;
            int a, b;
        } beispiele[] = {
            {{1, 0, 0}, {0, 1, 0}, {-3, 4, 0}, -3, 4},
            {{1, 0, -1}, {0, 1, 0}, {-3, 4, 3}, -3, 4},
            {{1, 3, -2}, {2, 1, -1}, {4, -3, 1}, -2, 3},
        };
        for (int nr : {3, 2, 1}) {
            const auto& b = beispiele[nr - 1];
            feld("FaktorASpinEdit")->setValue(5);
            const int vorher = zeichnungen;
            QTest::mouseClick(element<QPushButton>(qPrintable(QStringLiteral("Beispiel%1Button").arg(nr))),
                              Qt::LeftButton);
            QCOMPARE(zeichnungen, vorher + 1);
            QCOMPARE(vektor("V1"), Als(b.v1));
            QCOMPARE(vektor("V2"), Als(b.v2));
            QCOMPARE(vektor("V3"), Als(b.v3));
            QCOMPARE(feld("FaktorASpinEdit")->Value(), 1);
            QCOMPARE(feld("FaktorBSpinEdit")->Value(), 1);
            const tLineareAbhEinstellungen& e = modell->Einstellungen();
            QVERIFY(e.V1 == b.v1 && e.V2 == b.v2 && e.V3 == b.v3 && e.FaktorA == 1 && e.FaktorB == 1);
            QVERIFY(e.VLK && e.V1Zeigen && e.V2Zeigen && e.V3Zeigen && !e.Darstellung && e.EbeneFaktor == 7);
            const V eins{b.v1[0] + b.v2[0], b.v1[1] + b.v2[1], b.v1[2] + b.v2[2]};
            QCOMPARE(vlkTexte(),
                     (QStringList{QString::number(eins[0]), QString::number(eins[1]), QString::number(eins[2])}));

            feld("FaktorASpinEdit")->setValue(b.a);
            feld("FaktorBSpinEdit")->setValue(b.b);
            QCOMPARE(vlkTexte(),
                     (QStringList{QString::number(b.v3[0]), QString::number(b.v3[1]), QString::number(b.v3[2])}));
        }
    }

    // Typing is allowed in the vectors and the size; the model only sees numbers in range,
    // so a typed "1000" never draws a plane a hundred times too large.
    void typedNumbersCountWithinTheRange()
    {
        zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        BoxBeantworter boxen(QStringLiteral("OK"));
        const struct {
            const char* feld;
            QString text;
            std::function<long long()> wert;
            long long zaehlt;
        } faelle[] = {
            {"V1xSpinEdit", "abc", [this] { return modell->Einstellungen().V1[0]; }, -9},
            {"V1xSpinEdit", "-7", [this] { return modell->Einstellungen().V1[0]; }, -7},
            {"V2ySpinEdit", "25", [this] { return modell->Einstellungen().V2[1]; }, 9},
            {"V3zSpinEdit", "-2147483648", [this] { return modell->Einstellungen().V3[2]; }, -9},
            {"EbeneFaktorSpinEdit", "1000", [this] { return modell->Einstellungen().EbeneFaktor; }, 10},
            {"EbeneFaktorSpinEdit", "-5", [this] { return modell->Einstellungen().EbeneFaktor; }, 0},
            {"EbeneFaktorSpinEdit", "x", [this] { return modell->Einstellungen().EbeneFaktor; }, 0},
        };
        for (const auto& f : faelle) {
            TSpinEdit* e = feld(f.feld);
            e->setFocus();
            QTRY_VERIFY(e->hasFocus());
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Delete);
            QTest::keyClicks(e, f.text);
            QCOMPARE(e->text(), f.text);
            QVERIFY2(f.wert() == f.zaehlt, qPrintable(QString(f.feld) + " " + f.text));
        }
        // Left, the size shows the number it counted as.
        feld("EbeneFaktorSpinEdit")->setText(QStringLiteral("1000"));
        feld("V1ySpinEdit")->setFocus();
        QTRY_VERIFY(!feld("EbeneFaktorSpinEdit")->hasFocus());
        QCOMPARE(feld("EbeneFaktorSpinEdit")->text(), QStringLiteral("10"));
        QVERIFY2(boxen.texte().isEmpty(), qPrintable(boxen.texte().join(u'|')));

        // a and b take no typing at all.
        TSpinEdit* a = feld("FaktorASpinEdit");
        a->setFocus();
        QTest::keyClicks(a, QStringLiteral("7"));
        QCOMPARE(a->text(), QStringLiteral("1"));
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        zeigen();
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        feld("FaktorBSpinEdit")->setValue(-2);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        tLineareAbhEinstellungen erwartet = TLineareAbh::Startwerte;
        erwartet.Ebene = erwartet.VLK = true;
        erwartet.FaktorB = -2;
        QVERIFY(modell->Einstellungen() == erwartet);
        QCOMPARE(vlkTexte(), (QStringList{"1", "-2", "0"}));

        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);  // showing changes nothing
    }
};

QTEST_MAIN(TestLineareAbhForm)
#include "test_lineareabh_form.moc"
