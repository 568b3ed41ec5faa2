// The window "Vektor - Spatprodukt", driven by its control names: what it shows when made
// (example 1), captions, fonts, colours and ranges, the layout in the test font, one model
// update and one redraw per change with every result text, the examples, typed numbers,
// and closing (all eight boxes off).

#include "boxbeantworter.h"
#include "fensterpruefung.h"
#include "scenes/math/vektorspatprodukt.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/vektorspatprodukt_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

const char* const Boxen[] = {"DarstellungCheckBox",  "V1CheckBox",
                             "V2CheckBox",           "V3CheckBox",
                             "SpatCheckBox",         "VektorproduktCheckBox",
                             "HoehenVektorCheckBox", "HoeheProjektionCheckBox"};

}  // namespace

class TestVektorSpatproduktForm : public QObject, SzenenFenster<TVektorSpatprodukt, TVektorSpatproduktForm> {
    Q_OBJECT

    QString text(const char* name) const
    {
        if (auto* e = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return e->text();
        return label(name)->text();
    }
    // Every result the window writes, in one line: P, |P|, s, |s|, H, |H|.
    QStringList ergebnisse() const
    {
        QStringList l;
        for (const char* n : {"VPxEdit", "VPyEdit", "VPzEdit", "VektorproduktBetragLabel", "SpatProduktErgebnisLabel",
                              "SpatProduktBetragLabel", "VHxEdit", "VHyEdit", "VHzEdit", "HoehenVektorBetragLabel"})
            l << text(n);
        return l;
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateLoadsExample1AndFillsEveryResult()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(324, 446));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vektor - Spatprodukt"));
        QCOMPARE(vektor("V1"), (tVektor3{4, 0, 0}));
        QCOMPARE(vektor("V2"), (tVektor3{0, 3, 0}));
        QCOMPARE(vektor("V3"), (tVektor3{0, 0, 2}));
        for (const char* aus : Boxen)
            QVERIFY2(!schalter(aus)->isChecked(), aus);
        QCOMPARE(ergebnisse(), (QStringList{"0", "0", "12", "( Betrag: 12 )", "24", "( Betrag: 24 )", "0", "0", "2",
                                            "( Betrag: 2 )"}));
        QVERIFY(modell->Einstellungen() == TVektorSpatprodukt::Startwerte);
        QCOMPARE(zeichnungen, 1);
    }

    void everyControlHasItsCaptionFontColourAndRange()
    {
        zeigen();
        const QColor schwarz(0, 0, 0), blau(0, 0, 0xFF), fuchsia(0xFF, 0, 0xFF);
        const struct {
            const char* name;
            QString text;
            bool fett;
            QColor farbe;
        } texte[] = {
            {"DarstellungCheckBox", "Darstellung des Spatprodukts", false, {}},
            {"V1CheckBox", "Vektor V1", true, QColor(50, 50, 50)},
            {"V2CheckBox", "Vektor V2", true, QColor(100, 100, 100)},
            {"V3CheckBox", "Vektor V3", true, QColor(150, 150, 150)},
            {"SpatCheckBox", "Spat", false, {}},
            {"VektorproduktCheckBox", "Vektorprodukt   V1 x V2 =", true, blau},
            {"VektorProdukterklaerungLabel", "= Flächeninhalt des Parallelogramms aus V1 und V2", false, blau},
            {"VektorproduktBetragLabel", "( Betrag: 12 )", false, blau},
            {"HoehenVektorCheckBox", "Höhen-Vektor  H =", true, fuchsia},
            {"HoeheProjektionCheckBox", "Projektion", false, fuchsia},
            {"HoehenVektorErklaerungLabel", "Projektion von V3 \nauf das Vektorprodukt", false, fuchsia},
            {"HoehenVektorBetragLabel", "( Betrag: 2 )", false, fuchsia},
            {"HoeheErklaerungLabel", "= Höhe  des Spats", false, fuchsia},
            {"SpatproduktLabel", "Spatprodukt  ( V1 x V2 ) · V3 =", true, {}},
            {"SpatProduktErgebnisLabel", "24", true, schwarz},
            {"SpatProduktBetragLabel", "( Betrag: 24 )", false, schwarz},
            {"SpatProduktErklaerungLabel", "= Volumen des Spats aufgespannt aus V1, V2, V3", false, {}},
        };
        for (const auto& t : texte) {
            QWidget* w = element<QWidget>(t.name);
            auto* b = qobject_cast<QAbstractButton*>(w);
            QCOMPARE(b ? b->text() : label(t.name)->text(), t.text);
            QVERIFY2(w->font().bold() == t.fett, t.name);
            if (t.farbe.isValid())
                QVERIFY2(w->palette().color(QPalette::WindowText) == t.farbe, t.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 8);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(element<QPushButton>(qPrintable(QStringLiteral("Beispiel%1Button").arg(i)))->text(),
                     QStringLiteral("Beispiel %1").arg(i));

        const QColor achsen[] = {QColor(0xFF, 0, 0), QColor(0, 0x80, 0), blau};
        const char* achsenNamen = "xyz";
        for (int i = 0; i < 3; ++i) {
            for (const char* v : {"V1", "V2", "V3"}) {
                const QString name = QStringLiteral("%1%2SpinEdit").arg(v).arg(achsenNamen[i]);
                TSpinEdit* f = feld(qPrintable(name));
                QVERIFY2(f->MinValue() == -9 && f->MaxValue() == 9 && f->Increment() == 1, qPrintable(name));
                QVERIFY2(f->EditorEnabled() && f->font().bold(), qPrintable(name));
                QVERIFY2(f->palette().color(QPalette::Text) == achsen[i], qPrintable(name));
            }
            for (const char* e : {"VP", "VH"})
                QVERIFY(element<QLineEdit>(qPrintable(QStringLiteral("%1%2Edit").arg(e).arg(achsenNamen[i])))
                            ->isReadOnly());
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 9);
    }

    // In the test font the window has its designed size and nothing is cut off or on top of
    // another control; each vector stands as a column under its box.
    void everythingFits()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(324, 446));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        const auto rahmen = [this](const char* name) { return element<QWidget>(name)->geometry(); };
        const char* spalten[][4] = {{"V1CheckBox", "V1xSpinEdit", "V1ySpinEdit", "V1zSpinEdit"},
                                    {"V2CheckBox", "V2xSpinEdit", "V2ySpinEdit", "V2zSpinEdit"},
                                    {"V3CheckBox", "V3xSpinEdit", "V3ySpinEdit", "V3zSpinEdit"},
                                    {"VPxEdit", "VPyEdit", "VPzEdit", "VPzEdit"},
                                    {"VHxEdit", "VHyEdit", "VHzEdit", "VHzEdit"}};
        for (const auto& spalte : spalten)
            for (int i = 1; i < 4; ++i)
                if (spalte[i] != spalte[i - 1])
                    QVERIFY2(rahmen(spalte[i - 1]).bottom() < rahmen(spalte[i]).top(), spalte[i]);
    }

    // Every change: one redraw, the model as the controls say, and every result text anew.
    void everyChangeUpdatesTheModelTheTextsAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tVektorSpatproduktEinstellungen erwartet = TVektorSpatprodukt::Startwerte;
        int n = 0;
        const QStringList beispiel1{"0", "0", "12", "( Betrag: 12 )", "24", "( Betrag: 24 )",
                                    "0", "0", "2",  "( Betrag: 2 )"};
        const struct {
            const char* was;
            std::function<void()> tun;
            std::function<void()> folge;
            QStringList texte;
        } schritte[] = {
            {"main switch on", [&] { klicken("DarstellungCheckBox"); }, [&] { erwartet.Darstellung = true; },
             beispiel1},
            {"V1 on", [&] { klicken("V1CheckBox"); }, [&] { erwartet.V1Zeigen = true; }, beispiel1},
            {"V2 on", [&] { klicken("V2CheckBox"); }, [&] { erwartet.V2Zeigen = true; }, beispiel1},
            {"V3 on", [&] { klicken("V3CheckBox"); }, [&] { erwartet.V3Zeigen = true; }, beispiel1},
            {"Spat on", [&] { klicken("SpatCheckBox"); }, [&] { erwartet.Spat = true; }, beispiel1},
            {"product on", [&] { klicken("VektorproduktCheckBox"); }, [&] { erwartet.Vektorprodukt = true; },
             beispiel1},
            {"height on", [&] { klicken("HoehenVektorCheckBox"); }, [&] { erwartet.HoehenVektor = true; }, beispiel1},
            {"projection on", [&] { klicken("HoeheProjektionCheckBox"); }, [&] { erwartet.HoeheProjektion = true; },
             beispiel1},
            {"V3 x up: a slanted edge, the same height", [&] { QTest::keyClick(feld("V3xSpinEdit"), Qt::Key_Up); },
             [&] { erwartet.V3.x = 1; }, beispiel1},
            {"V2 x up", [&] { QTest::keyClick(feld("V2xSpinEdit"), Qt::Key_Up); }, [&] { erwartet.V2.x = 1; },
             beispiel1},
            {"V1 z down: P leans",
             [&] { QTest::keyClick(feld("V1zSpinEdit"), Qt::Key_Down); },
             [&] { erwartet.V1.z = -1; },
             {"3", "-1", "12", "( Betrag: 12,41 )", "27", "( Betrag: 27 )", "0,53", "-0,18", "2,1",
              "( Betrag: 2,18 )"}},
            {"V2 z set to -1", [&] { feld("V2zSpinEdit")->setValue(-1); }, [&] { erwartet.V2.z = -1; }, {}},
            {"V2 x set to 4", [&] { feld("V2xSpinEdit")->setValue(4); }, [&] { erwartet.V2.x = 4; }, {}},
            {"V2 y set to 0: V2 = V1, no height",
             [&] { feld("V2ySpinEdit")->setValue(0); },
             [&] { erwartet.V2.y = 0; },
             {"0", "0", "0", "( Betrag: 0 )", "0", "( Betrag: 0 )", "—", "—", "—", "( keine Höhe: V1 x V2 = 0 )"}},
            {"main switch off",
             [&] { klicken("DarstellungCheckBox"); },
             [&] { erwartet.Darstellung = false; },
             {"0", "0", "0", "( Betrag: 0 )", "0", "( Betrag: 0 )", "—", "—", "—", "( keine Höhe: V1 x V2 = 0 )"}},
        };
        for (const auto& s : schritte) {
            s.tun();
            s.folge();
            ++n;
            QVERIFY2(zeichnungen == n, s.was);
            QVERIFY2(modell->Einstellungen() == erwartet, s.was);
            if (!s.texte.isEmpty())
                QVERIFY2(ergebnisse() == s.texte, qPrintable(QString(s.was) + ": " + ergebnisse().join('|')));
        }
    }

    // Each example button loads its three vectors in one change and keeps every switch.
    void theExamples()
    {
        zeigen();
        klicken("SpatCheckBox");
        klicken("V2CheckBox");
        const struct {
            tVektor3 v1, v2, v3;
            QStringList texte;
        } beispiele[] = {
            {{4, 0, 0},
             {0, 3, 0},
             {0, 0, 2},
             {"0", "0", "12", "( Betrag: 12 )", "24", "( Betrag: 24 )", "0", "0", "2", "( Betrag: 2 )"}},
            {{4, 1, 0},
             {1, 3, 0},
             {1, 0, 2},
             {"0", "0", "11", "( Betrag: 11 )", "22", "( Betrag: 22 )", "0", "0", "2", "( Betrag: 2 )"}},
            {{3, 1, 1},
             {1, 3, 1},
             {1, 1, 2},
             {"-2", "-2", "8", "( Betrag: 8,49 )", "12", "( Betrag: 12 )", "-0,33", "-0,33", "1,33",
              "( Betrag: 1,41 )"}},
        };
        for (int nr : {3, 2, 1}) {
            const auto& b = beispiele[nr - 1];
            feld("V1xSpinEdit")->setValue(-5);
            const int vorher = zeichnungen;
            QTest::mouseClick(element<QPushButton>(qPrintable(QStringLiteral("Beispiel%1Button").arg(nr))),
                              Qt::LeftButton);
            QCOMPARE(zeichnungen, vorher + 1);
            QCOMPARE(vektor("V1"), b.v1);
            QCOMPARE(vektor("V2"), b.v2);
            QCOMPARE(vektor("V3"), b.v3);
            const tVektorSpatproduktEinstellungen& e = modell->Einstellungen();
            QVERIFY(e.V1 == b.v1 && e.V2 == b.v2 && e.V3 == b.v3);
            QVERIFY(e.Spat && e.V2Zeigen && !e.V1Zeigen && !e.Darstellung);
            QCOMPARE(ergebnisse(), b.texte);
        }
    }

    // Typing is allowed; the model only sees numbers in range, and no error box appears.
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
            {"V3zSpinEdit", "-2147483648", [this] { return modell->Einstellungen().V3.z; }, -9},
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
        // Left, the field shows the number it counted as.
        TSpinEdit* y = feld("V2ySpinEdit");
        y->setFocus();
        QTRY_VERIFY(y->hasFocus());
        y->selectAll();
        QTest::keyClicks(y, QStringLiteral("25"));
        feld("V1ySpinEdit")->setFocus();
        QTRY_VERIFY(!feld("V2ySpinEdit")->hasFocus());
        QCOMPARE(feld("V2ySpinEdit")->text(), QStringLiteral("9"));
        QVERIFY2(boxen.texte().isEmpty(), qPrintable(boxen.texte().join(u'|')));
    }

    void closingSwitchesAllEightBoxesOffAndKeepsTheVectors()
    {
        zeigen();
        for (const char* b : Boxen)
            schalter(b)->setChecked(true);
        feld("V3xSpinEdit")->setValue(-2);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        for (const char* b : Boxen)
            QVERIFY2(!schalter(b)->isChecked(), b);
        QCOMPARE(zeichnungen, vorher + 8);  // each box runs the handler
        tVektorSpatproduktEinstellungen erwartet = TVektorSpatprodukt::Startwerte;
        erwartet.V3.x = -2;
        QVERIFY(modell->Einstellungen() == erwartet);

        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 8);  // showing changes nothing
    }
};

QTEST_MAIN(TestVektorSpatproduktForm)
#include "test_vektorspatprodukt_form.moc"
