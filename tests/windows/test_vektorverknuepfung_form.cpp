// The window "Verknüpfung von Vektoren", driven by its control names: what it shows when
// made, captions, colours and ranges, the layout in the test font, one model update and one
// redraw per change with every result text, the examples, typed numbers, and closing (main
// switch off).

#include "boxbeantworter.h"
#include "scenes/math/vektorverknuepfung.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/vektorverknuepfung_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

using namespace orbisto;

class TestVektorVerknuepfungForm : public QObject, SzenenFenster<TVektorVerknuepfung, TVektorVerknuepfungForm> {
    Q_OBJECT

    QStringList texte(const char* vorn) const
    {
        QStringList t;
        for (const char* a : {"x", "y", "z"})
            t << element<QLineEdit>(qPrintable(QString::fromLatin1(vorn) + a + "Edit"))->text();
        return t;
    }
    // The seven value labels of "Berechnungen", top to bottom.
    QStringList werte() const
    {
        QStringList t;
        for (const char* n : {"BV1Label", "BV2Label", "BV1plusV2Label", "BV1minusV2Label", "BV1malV2Label",
                              "BV1kreuzV2Label", "BWinkelV1V2Label"})
            t << label(n)->text();
        return t;
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateComputesEveryResultForTheStartValues()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(315, 580));
        QCOMPARE(form->windowTitle(), QStringLiteral("Verknüpfung von Vektoren"));
        QCOMPARE(vektor("V1"), (tVektor3{3, -2, 1}));
        QCOMPARE(vektor("V2"), (tVektor3{4, 3, 2}));
        QCOMPARE(feld("SMSpinEdit")->Value(), 1);
        QVERIFY(radio("V1V2RadioButton")->isChecked() && !radio("V2V1RadioButton")->isChecked());
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        QCOMPARE(texte("S"), (QStringList{"7", "1", "3"}));
        QCOMPARE(texte("D"), (QStringList{"-1", "-5", "-1"}));
        QCOMPARE(texte("SM"), (QStringList{"3", "-2", "1"}));
        QCOMPARE(texte("P"), (QStringList{"-7", "-2", "17"}));
        QCOMPARE(werte(), (QStringList{"3,74", "5,39", "7,68", "5,2", "8", "18,49", "66,61 °"}));
        QVERIFY(modell->Einstellungen() == TVektorVerknuepfung::Startwerte);
        QCOMPARE(zeichnungen, 1);
    }

    void everyControlHasItsCaptionColourAndRange()
    {
        zeigen();
        const QColor schwarz(0, 0, 0), rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF), grau(0x80, 0x80, 0x80),
            kastanie(0x80, 0, 0);
        const auto textfarbe = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
        const struct {
            const char* name;
            const char* text;
            bool fett;
            QColor farbe;
        } knoepfe[] = {
            {"DarstellungCheckBox", "Darstellung der Vektor-Verknüpfungen", false, {}},
            {"V1CheckBox", "Vektor V1", true, {}},
            {"V1QuaderCheckBox", "Quader", false, {}},
            {"V2CheckBox", "Vektor V2", true, grau},
            {"V2QuaderCheckBox", "Quader", false, {}},
            {"SummeVektorCheckBox", "Summe V1 + V2", true, rot},
            {"SummeQuaderCheckBox", "Quader", false, {}},
            {"SummeRepraesentantenCheckBox", "Repräsentanten", false, {}},
            {"SummeParallelogrammCheckBox", "Parallelogramm", false, {}},
            {"DifferenzVektorCheckBox", "Differenz V1 - V2", true, gruen},
            {"DifferenzQuaderCheckBox", "Quader", false, {}},
            {"DifferenzRepraesentantenCheckBox", "Repräsentanten", false, {}},
            {"DifferenzParallelogrammCheckBox", "Parallelogramm", false, {}},
            {"SMVektorCheckBox", "Skalare Multiplikation", true, kastanie},
            {"SMQuaderCheckBox", "Quader", false, {}},
            {"ProduktVektorCheckBox", "Vektorprodukt", true, blau},
            {"ProduktQuaderCheckBox", "Quader", false, {}},
            {"ProduktSenkrechtCheckBox", "Senkrecht-Kennung", false, {}},
            {"ProduktParallelogrammCheckBox", "Parallelogramm", false, {}},
            {"V1V2RadioButton", "V1 x V2", true, blau},
            {"V2V1RadioButton", "V2 x V1", true, blau},
            {"Beispiel1Button", "Beispiel 1", false, {}},
            {"Beispiel2Button", "Beispiel 2", false, {}},
            {"Beispiel3Button", "Beispiel 3", false, {}},
        };
        for (const auto& k : knoepfe) {
            auto* b = element<QAbstractButton>(k.name);
            QCOMPARE(b->text(), QString::fromUtf8(k.text));
            QVERIFY2(b->font().bold() == k.fett, k.name);
            if (k.farbe.isValid())
                QVERIFY2(textfarbe(b) == k.farbe, k.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 19);
        QCOMPARE(form->findChildren<QRadioButton*>().size(), 2);
        QCOMPARE(element<QFrame>("ProduktPanel")->frameShape(), QFrame::NoFrame);
        QCOMPARE(element<QGroupBox>("BerechnungenGroupBox")->title(), QStringLiteral("Berechnungen"));

        // Row titles and their values in the same colour.
        const struct {
            const char* titel;
            const char* text;
            const char* wert;
            QColor farbe;
        } zeilen[] = {
            {"BetragV1Label", "Betrag V1", "BV1Label", schwarz},
            {"BetragV2Label", "Betrag V2", "BV2Label", grau},
            {"BetragSummeLabel", "Betrag Summe V1 +  V2", "BV1plusV2Label", rot},
            {"BetragDifferenzLabel", "Betrag Differenz V1 - V2", "BV1minusV2Label", gruen},
            {"SkalarproduktLabel", "Skalarprodukt V1 · V2", "BV1malV2Label", schwarz},
            {"BetragProduktLabel", "Betrag Vektorprodukt V1 x V2", "BV1kreuzV2Label", blau},
            {"BetragWinkelV1V2Label", "Winkel (V1,V2)", "BWinkelV1V2Label", schwarz},
        };
        for (const auto& z : zeilen) {
            QCOMPARE(label(z.titel)->text(), QString::fromUtf8(z.text));
            QVERIFY2(textfarbe(label(z.titel)) == z.farbe, z.titel);
            QVERIFY2(textfarbe(label(z.wert)) == z.farbe, z.wert);
        }
        QCOMPARE(label("GleichLabel")->text(), QStringLiteral("* V1 ="));
        QVERIFY(label("GleichLabel")->font().bold());

        const QColor achsen[] = {rot, gruen, blau};
        const char* achsenNamen = "xyz";
        for (int i = 0; i < 3; ++i) {
            for (const char* v : {"V1", "V2"}) {
                const QString name = QStringLiteral("%1%2SpinEdit").arg(v).arg(achsenNamen[i]);
                TSpinEdit* f = feld(qPrintable(name));
                QVERIFY2(f->MinValue() == -9 && f->MaxValue() == 9 && f->Increment() == 1, qPrintable(name));
                QVERIFY2(f->EditorEnabled() && f->font().bold(), qPrintable(name));
                QVERIFY2(f->palette().color(QPalette::Text) == achsen[i], qPrintable(name));
            }
            for (const char* v : {"S", "D", "SM", "P"}) {
                const QString name = QStringLiteral("%1%2Edit").arg(v).arg(achsenNamen[i]);
                QVERIFY2(element<QLineEdit>(qPrintable(name))->isReadOnly(), qPrintable(name));
            }
        }
        TSpinEdit* k = feld("SMSpinEdit");
        QVERIFY(k->MinValue() == -9 && k->MaxValue() == 9 && k->Increment() == 1);
        QVERIFY(k->EditorEnabled() && k->font().bold());
        QCOMPARE(k->palette().color(QPalette::Text), kastanie);
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 7);
    }

    // In the test font the window has its designed size and nothing is cut off or on top
    // of another control.
    void everythingFits()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(315, 580));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
    }

    // Every change: one redraw, the model as the controls say, and the results shown.
    void everyChangeUpdatesTheModelTextsAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tVektorVerknuepfungEinstellungen erwartet = TVektorVerknuepfung::Startwerte;
        int n = 0;
        const auto box = [&](const char* name, bool tVektorVerknuepfungEinstellungen::*feld) {
            return std::pair<std::function<void()>, std::function<void()>>{
                [this, name] { klicken(schalter(name)); }, [&erwartet, feld] { erwartet.*feld = !(erwartet.*feld); }};
        };
        using E = tVektorVerknuepfungEinstellungen;
        const std::pair<const char*, bool E::*> boxen[] = {
            {"DarstellungCheckBox", &E::Darstellung},
            {"V1CheckBox", &E::V1Zeigen},
            {"V1QuaderCheckBox", &E::V1Quader},
            {"V2CheckBox", &E::V2Zeigen},
            {"V2QuaderCheckBox", &E::V2Quader},
            {"SummeVektorCheckBox", &E::Summe},
            {"SummeQuaderCheckBox", &E::SummeQuader},
            {"SummeRepraesentantenCheckBox", &E::SummeRepraesentanten},
            {"SummeParallelogrammCheckBox", &E::SummeParallelogramm},
            {"DifferenzVektorCheckBox", &E::Differenz},
            {"DifferenzQuaderCheckBox", &E::DifferenzQuader},
            {"DifferenzRepraesentantenCheckBox", &E::DifferenzRepraesentanten},
            {"DifferenzParallelogrammCheckBox", &E::DifferenzParallelogramm},
            {"SMVektorCheckBox", &E::Vielfaches},
            {"SMQuaderCheckBox", &E::VielfachesQuader},
            {"ProduktVektorCheckBox", &E::Produkt},
            {"ProduktQuaderCheckBox", &E::ProduktQuader},
            {"ProduktSenkrechtCheckBox", &E::ProduktSenkrecht},
            {"ProduktParallelogrammCheckBox", &E::ProduktParallelogramm},
        };
        for (const auto& [name, feld] : boxen) {
            const auto [tun, folge] = box(name, feld);
            tun();
            folge();
            ++n;
            QVERIFY2(zeichnungen == n, name);
            QVERIFY2(modell->Einstellungen() == erwartet, name);
        }

        const struct {
            const char* was;
            std::function<void()> tun;
            std::function<void()> folge;
            QStringList p, sm, werte;
        } schritte[] = {
            {"V2 x V1",
             [&] { klicken(radio("V2V1RadioButton")); },
             [&] { erwartet.V1KreuzV2 = false; },
             {"7", "2", "-17"},
             {"3", "-2", "1"},
             {"3,74", "5,39", "7,68", "5,2", "8", "18,49", "66,61 °"}},
            {"back to V1 x V2",
             [&] { klicken(radio("V1V2RadioButton")); },
             [&] { erwartet.V1KreuzV2 = true; },
             {"-7", "-2", "17"},
             {"3", "-2", "1"},
             {"3,74", "5,39", "7,68", "5,2", "8", "18,49", "66,61 °"}},
            {"k down to 0",
             [&] { QTest::keyClick(feld("SMSpinEdit"), Qt::Key_Down); },
             [&] { erwartet.Skalar = 0; },
             {"-7", "-2", "17"},
             {"0", "0", "0"},
             {"3,74", "5,39", "7,68", "5,2", "8", "18,49", "66,61 °"}},
            {"V1 x set to 0",
             [&] { feld("V1xSpinEdit")->setValue(0); },
             [&] { erwartet.V1.x = 0; },
             {"-7", "4", "8"},
             {"0", "0", "0"},
             {"2,24", "5,39", "5,1", "6,48", "-4", "11,36", "109,4 °"}},
            {"V2 ten up, held at 9",
             [&] { QTest::keyClick(feld("V2zSpinEdit"), Qt::Key_PageUp); },
             [&] { erwartet.V2.z = 9; },
             {"-21", "4", "8"},
             {"0", "0", "0"},
             {"2,24", "10,3", "10,82", "10,25", "3", "22,83", "82,51 °"}},
        };
        for (const auto& s : schritte) {
            s.tun();
            s.folge();
            ++n;
            QVERIFY2(zeichnungen == n, s.was);
            QVERIFY2(modell->Einstellungen() == erwartet, s.was);
            QVERIFY2(texte("P") == s.p, qPrintable(QString(s.was) + ": " + texte("P").join(' ')));
            QVERIFY2(texte("SM") == s.sm, qPrintable(QString(s.was) + ": " + texte("SM").join(' ')));
            QVERIFY2(werte() == s.werte, qPrintable(QString(s.was) + ": " + werte().join(' ')));
        }
    }

    // Each example button loads V1 and V2 in one change and keeps every switch and k.
    void theExamples()
    {
        zeigen();
        klicken(schalter("SummeVektorCheckBox"));
        feld("SMSpinEdit")->setValue(-4);
        const struct {
            tVektor3 v1, v2;
            QStringList s, winkel;
        } beispiele[] = {
            {{1, 0, 0}, {0, 1, 0}, {"1", "1", "0"}, {"90 °"}},
            {{3, 0, 0}, {2, 3, 0}, {"5", "3", "0"}, {"56,31 °"}},
            {{3, -2, 1}, {4, 3, 2}, {"7", "1", "3"}, {"66,61 °"}},
        };
        for (int nr : {1, 2, 3}) {
            const auto& b = beispiele[nr - 1];
            feld("V1xSpinEdit")->setValue(-9);
            const int vorher = zeichnungen;
            QTest::mouseClick(element<QPushButton>(qPrintable(QStringLiteral("Beispiel%1Button").arg(nr))),
                              Qt::LeftButton);
            QCOMPARE(zeichnungen, vorher + 1);
            QCOMPARE(vektor("V1"), b.v1);
            QCOMPARE(vektor("V2"), b.v2);
            const tVektorVerknuepfungEinstellungen& e = modell->Einstellungen();
            QVERIFY(e.V1 == b.v1 && e.V2 == b.v2 && e.Skalar == -4 && e.Summe && !e.Darstellung);
            QCOMPARE(texte("S"), b.s);
            QCOMPARE(QStringList{label("BWinkelV1V2Label")->text()}, b.winkel);
        }
    }

    // Typing is allowed; the model only sees numbers in range, and a zero vector gives no
    // angle rather than a number that is none.
    void typedNumbersCountWithinTheRange()
    {
        zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        BoxBeantworter boxen(QStringLiteral("OK"));
        const struct {
            const char* feld;
            QString text;
            std::function<double()> wert;
            double zaehlt;
        } faelle[] = {
            {"V1xSpinEdit", "abc", [this] { return modell->Einstellungen().V1.x; }, -9},
            {"V1xSpinEdit", "-7", [this] { return modell->Einstellungen().V1.x; }, -7},
            {"V2ySpinEdit", "25", [this] { return modell->Einstellungen().V2.y; }, 9},
            {"V2zSpinEdit", "-2147483648", [this] { return modell->Einstellungen().V2.z; }, -9},
            {"SMSpinEdit", "1000", [this] { return double(modell->Einstellungen().Skalar); }, 9},
            {"SMSpinEdit", "x", [this] { return double(modell->Einstellungen().Skalar); }, -9},
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
        // Left, k shows the number it counted as.
        feld("SMSpinEdit")->setText(QStringLiteral("1000"));
        feld("V1ySpinEdit")->setFocus();
        QTRY_VERIFY(!feld("SMSpinEdit")->hasFocus());
        QCOMPARE(feld("SMSpinEdit")->text(), QStringLiteral("9"));

        for (const char* n : {"V1xSpinEdit", "V1ySpinEdit", "V1zSpinEdit"})
            feld(n)->setValue(0);
        QCOMPARE(label("BWinkelV1V2Label")->text(), QStringLiteral("nicht definiert"));
        QCOMPARE(label("BV1Label")->text(), QStringLiteral("0"));
        QVERIFY2(boxen.texte().isEmpty(), qPrintable(boxen.texte().join(u'|')));
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        zeigen();
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        klicken(radio("V2V1RadioButton"));
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        const tVektorVerknuepfungEinstellungen& e = modell->Einstellungen();
        QVERIFY(!e.Darstellung);
        QVERIFY(e.V1Zeigen && e.V2Quader && e.SummeParallelogramm && e.DifferenzRepraesentanten && e.VielfachesQuader &&
                e.ProduktSenkrecht && !e.V1KreuzV2);

        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);  // showing changes nothing
    }
};

QTEST_MAIN(TestVektorVerknuepfungForm)
#include "test_vektorverknuepfung_form.moc"
