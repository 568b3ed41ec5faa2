// The window "Orts-Vektor und Repräsentant", driven by its control names: what it shows when
// made, the captions, fonts, colours and ranges, the layout in the test font, one model
// update and one redraw per change, typed numbers, and closing (both main switches off).

#include "boxbeantworter.h"
#include "scenes/math/vektorort.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/vektorort_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

// Each check box with the switch of the model it sets, in the order of the window.
struct SchalterFeld {
    const char* name;
    bool tVektorOrtEinstellungen::*feld;
};
constexpr SchalterFeld AlleSchalter[] = {
    {"OrtsvektorCheckBox", &tVektorOrtEinstellungen::Ortsvektor},
    {"OQuaderCheckBox", &tVektorOrtEinstellungen::OQuader},
    {"OxCheckBox", &tVektorOrtEinstellungen::Ox},
    {"OyCheckBox", &tVektorOrtEinstellungen::Oy},
    {"OzCheckBox", &tVektorOrtEinstellungen::Oz},
    {"OxyzCheckBox", &tVektorOrtEinstellungen::Oxyz},
    {"OalleCheckBox", &tVektorOrtEinstellungen::Oalle},
    {"OiCheckBox", &tVektorOrtEinstellungen::Oi},
    {"OjCheckBox", &tVektorOrtEinstellungen::Oj},
    {"OkCheckBox", &tVektorOrtEinstellungen::Ok},
    {"RepraesentantCheckBox", &tVektorOrtEinstellungen::Repraesentant},
    {"RQuaderCheckBox", &tVektorOrtEinstellungen::RQuader},
    {"RxCheckBox", &tVektorOrtEinstellungen::Rx},
    {"RyCheckBox", &tVektorOrtEinstellungen::Ry},
    {"RzCheckBox", &tVektorOrtEinstellungen::Rz},
    {"RxyzCheckBox", &tVektorOrtEinstellungen::Rxyz},
};

const char* const Felder[] = {"OxSpinEdit", "OySpinEdit", "OzSpinEdit", "RxSpinEdit", "RySpinEdit", "RzSpinEdit"};

}  // namespace

class TestVektorOrtForm : public QObject, SzenenFenster<TVektorOrt, TVektorOrtForm> {
    Q_OBJECT

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(323, 256));
        QCOMPARE(form->windowTitle(), QStringLiteral("Orts-Vektor und Repräsentant"));
        const int werte[] = {4, 3, 2, -5, -4, -3};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(feld(Felder[i])->Value() == werte[i] && feld(Felder[i])->text() == QString::number(werte[i]),
                     Felder[i]);
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        QVERIFY(modell->Einstellungen() == TVektorOrt::Startwerte);
        QCOMPARE(zeichnungen, 1);
    }

    void everyControlHasItsCaptionFontColourAndRange()
    {
        zeigen();  // polished, so style sheets have set fonts and colours
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF);
        const struct {
            const char* name;
            QString text;
            bool fett;
            QColor farbe;   // invalid: the default
            int pixel = 0;  // 0: the window's font size
        } boxen[] = {
            {"OrtsvektorCheckBox", "Ortsvektor", true, {}},
            {"OQuaderCheckBox", "Quader", false, {}},
            {"OxCheckBox", "X", true, rot},
            {"OyCheckBox", "Y", true, gruen},
            {"OzCheckBox", "Z", true, blau},
            {"OxyzCheckBox", "x+y+z", true, {}},
            {"OalleCheckBox", "alle", false, {}},
            {"OiCheckBox", "i", true, rot, 13},
            {"OjCheckBox", "j", true, gruen, 13},
            {"OkCheckBox", "k", true, blau, 13},
            {"RepraesentantCheckBox", "Repräsentant", true, {}},
            {"RQuaderCheckBox", "Quader", false, {}},
            {"RxCheckBox", "X", true, rot},
            {"RyCheckBox", "Y", true, gruen},
            {"RzCheckBox", "Z", true, blau},
            {"RxyzCheckBox", "x+y+z", true, {}},
        };
        for (const auto& s : boxen) {
            QCheckBox* b = schalter(s.name);
            QCOMPARE(b->text(), s.text);
            QVERIFY2(b->font().bold() == s.fett, s.name);
            if (s.farbe.isValid())
                QVERIFY2(b->palette().color(QPalette::WindowText) == s.farbe, s.name);
            if (s.pixel)
                QVERIFY2(b->font().pixelSize() == s.pixel, s.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 16);
        QCOMPARE(schalter("OjCheckBox")->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(schalter("OiCheckBox")->font().family() != QStringLiteral("Times New Roman"));

        const std::pair<const char*, const char*> koepfe[] = {{"OOrtLabel", "Ort"},
                                                              {"OKomponentenLabel", "Komponenten"},
                                                              {"OEinheitsvektorenLabel", "Einheits-V."},
                                                              {"RAnfangLabel", "Anfang"},
                                                              {"RKomponentenLabel", "Komponenten"}};
        for (const auto& [name, text] : koepfe)
            QCOMPARE(label(name)->text(), QString::fromUtf8(text));

        const QColor achsen[] = {rot, gruen, blau, rot, gruen, blau};
        for (int i = 0; i < 6; ++i) {
            TSpinEdit* f = feld(Felder[i]);
            QVERIFY2(f->MinValue() == -9 && f->MaxValue() == 9 && f->Increment() == 1, Felder[i]);
            QVERIFY2(f->EditorEnabled(), Felder[i]);  // typing allowed
            QVERIFY2(f->font().bold(), Felder[i]);
            QVERIFY2(f->palette().color(QPalette::Text) == achsen[i], Felder[i]);
            QVERIFY2(!f->accessibleName().isEmpty(), Felder[i]);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 6);
    }

    // In the test font the window has its designed size and nothing is cut off or on top
    // of another control; each block reads as main switch, headings, then its columns.
    void everythingFitsAtTheDesignedSize()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(323, 256));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        const auto rahmen = [this](const char* name) { return element<QWidget>(name)->geometry(); };
        const char* spalten[][4] = {
            {"OOrtLabel", "OxSpinEdit", "OySpinEdit", "OzSpinEdit"},
            {"OKomponentenLabel", "OxCheckBox", "OyCheckBox", "OzCheckBox"},
            {"OEinheitsvektorenLabel", "OiCheckBox", "OjCheckBox", "OkCheckBox"},
            {"RAnfangLabel", "RxSpinEdit", "RySpinEdit", "RzSpinEdit"},
            {"RKomponentenLabel", "RxCheckBox", "RyCheckBox", "RzCheckBox"},
        };
        for (const auto& spalte : spalten)
            for (int i = 1; i < 4; ++i) {
                QVERIFY2(rahmen(spalte[i - 1]).bottom() < rahmen(spalte[i]).top(), spalte[i]);
                QVERIFY2(std::abs(rahmen(spalte[i]).center().x() - rahmen(spalte[0]).center().x()) <= 2, spalte[i]);
            }
        QVERIFY(rahmen("OrtsvektorCheckBox").bottom() < rahmen("OOrtLabel").top());
        QVERIFY(rahmen("OzSpinEdit").bottom() < rahmen("RepraesentantCheckBox").top());
        QVERIFY(rahmen("RepraesentantCheckBox").bottom() < rahmen("RAnfangLabel").top());
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tVektorOrtEinstellungen erwartet = TVektorOrt::Startwerte;
        int erwarteteZeichnungen = 0;
        const auto pruefen = [&](const char* was) {
            ++erwarteteZeichnungen;
            QVERIFY2(zeichnungen == erwarteteZeichnungen, was);
            QVERIFY2(modell->Einstellungen() == erwartet, was);
        };
        // Every check box on and off again, by a click on its box.
        for (bool an : {true, false})
            for (const SchalterFeld& s : AlleSchalter) {
                QCheckBox* b = schalter(s.name);
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
                erwartet.*s.feld = an;
                pruefen(s.name);
            }
        // The spin edits, by keys and as a screen reader sets them.
        const struct {
            const char* name;
            std::function<void()> tun;
            std::function<void()> folge;
        } schritte[] = {
            {"O x up", [&] { QTest::keyClick(feld("OxSpinEdit"), Qt::Key_Up); }, [&] { erwartet.Ort.x = 5; }},
            {"O y down", [&] { QTest::keyClick(feld("OySpinEdit"), Qt::Key_Down); }, [&] { erwartet.Ort.y = 2; }},
            {"O z ten up, held at 9", [&] { QTest::keyClick(feld("OzSpinEdit"), Qt::Key_PageUp); },
             [&] { erwartet.Ort.z = 9; }},
            {"A x set", [&] { feld("RxSpinEdit")->setValue(0); }, [&] { erwartet.Anfang.x = 0; }},
            {"A y ten down, held at -9", [&] { QTest::keyClick(feld("RySpinEdit"), Qt::Key_PageDown); },
             [&] { erwartet.Anfang.y = -9; }},
            {"A z up", [&] { QTest::keyClick(feld("RzSpinEdit"), Qt::Key_Up); }, [&] { erwartet.Anfang.z = -2; }},
        };
        for (const auto& s : schritte) {
            s.tun();
            s.folge();
            pruefen(s.name);
        }
        QTest::keyClick(feld("OzSpinEdit"), Qt::Key_Up);  // already at 9: no change, no redraw
        QCOMPARE(zeichnungen, erwarteteZeichnungen);
    }

    // Typing is allowed; the model only ever sees a number within -9 … 9.
    void typedNumbersCountWithinTheRange()
    {
        zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        BoxBeantworter boxen(QStringLiteral("OK"));
        TSpinEdit* ox = feld("OxSpinEdit");
        ox->setFocus();
        QTRY_VERIFY(ox->hasFocus());
        const struct {
            QString text;
            double zaehlt;
        } faelle[] = {
            {"7", 7}, {"-3", -3}, {"12", 9}, {"-40", -9}, {"abc", -9}, {"", -9}, {"2,5", -9}, {"99999999999", -9},
        };
        for (const auto& f : faelle) {
            ox->selectAll();
            QTest::keyClick(ox, Qt::Key_Delete);
            QTest::keyClicks(ox, f.text);
            QCOMPARE(ox->text(), f.text);  // as typed while the field has the focus
            QVERIFY2(modell->Einstellungen().Ort.x == f.zaehlt, qPrintable(f.text));
        }
        ox->selectAll();
        QTest::keyClicks(ox, QStringLiteral("15"));
        feld("OySpinEdit")->setFocus();
        QTRY_VERIFY(!ox->hasFocus());
        QCOMPARE(ox->text(), QStringLiteral("9"));  // put into the range once left
        QCOMPARE(modell->Einstellungen().Ort.x, 9.0);
        QVERIFY2(boxen.texte().isEmpty(), qPrintable(boxen.texte().join(u'|')));
    }

    void closingSwitchesBothMainSwitchesOffAndKeepsEverythingElse()
    {
        zeigen();
        for (const SchalterFeld& s : AlleSchalter)
            schalter(s.name)->setChecked(true);
        feld("RxSpinEdit")->setValue(7);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("OrtsvektorCheckBox")->isChecked());
        QVERIFY(!schalter("RepraesentantCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 2);  // each main switch runs the handler
        tVektorOrtEinstellungen erwartet = TVektorOrt::Startwerte;
        for (const SchalterFeld& s : AlleSchalter)
            erwartet.*s.feld = true;
        erwartet.Ortsvektor = erwartet.Repraesentant = false;
        erwartet.Anfang.x = 7;
        QVERIFY(modell->Einstellungen() == erwartet);

        // Shown again, it changes nothing; a main switch brings its sub-switches back.
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 2);
        schalter("RepraesentantCheckBox")->click();
        QVERIFY(modell->Einstellungen().Repraesentant && modell->Einstellungen().Rxyz);
    }
};

QTEST_MAIN(TestVektorOrtForm)
#include "test_vektorort_form.moc"
