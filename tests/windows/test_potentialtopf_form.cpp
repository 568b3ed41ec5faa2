// The window "Potentialtopf", driven by its control names: what it shows when made, every
// control with its caption, range, font and colour, in its rows and columns and fitting the
// font, the quantum numbers shown by dimension, the ±10 buttons, refused numbers and closing.

#include "boxbeantworter.h"
#include "scenes/physics/potentialtopf.h"
#include "szenenfenster.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/potentialtopf_form.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <vector>

using namespace orbisto;

class TestPotentialtopfForm : public QObject, SzenenFenster<TPotentialtopf, TPotentialtopfForm> {
    Q_OBJECT

    const tPotentialtopfEinstellungen& stand() const { return modell->Einstellungen(); }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(374, 261));
        QCOMPARE(form->windowTitle(), QStringLiteral("Potentialtopf"));
        QVERIFY(stand() == TPotentialtopf::Startwerte);
        QCOMPARE(label("AnzahlKugelnLabel")->text(), QStringLiteral("Anzahl Kugeln: 10"));
        // 1D: only the x quantum number.
        QVERIFY(radio("LinearRadioButton")->isChecked());
        for (const char* name : {"nySpinEdit", "nyLabel", "nzSpinEdit", "nzLabel"})
            QVERIFY2(!element<QWidget>(name)->isVisibleTo(form.get()), name);
        QVERIFY(feld("nxSpinEdit")->isVisibleTo(form.get()));
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws
    }

    void everyControlHasItsCaptionRangeFontAndColourAndNothingOverlaps()
    {
        radio("RaumRadioButton")->setChecked(true);   // every control shown
        feld("KugelSchritteSpinEdit")->setValue(50);  // the longest count, 125000
        zeigen();

        const struct {
            const char* name;
            const char* text;
            bool an, fett;
        } schalterListe[] = {
            {"PotentialtopfCheckBox", "Potentialtopf", false, false},
            {"BereichCheckBox", "Bereich", true, false},
            {"WelleCheckBox", "Fkt stehende Welle (Psi)", false, false},
            {"WahrscheinlichkeitCheckBox", "Fkt Wahrscheinlichkeit (Psi ²)", true, true},
            {"KugelCheckBox", "Kugeln zur Veranschaulichung", true, false},
        };
        for (const auto& s : schalterListe) {
            QCheckBox* b = schalter(s.name);
            QCOMPARE(b->text(), QString::fromUtf8(s.text));
            QVERIFY2(b->isChecked() == s.an && b->font().bold() == s.fett, s.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 5);

        const std::pair<const char*, const char*> radios[] = {{"LinearRadioButton", "linear (1D)"},
                                                              {"EbenRadioButton", "eben (2D)"},
                                                              {"RaumRadioButton", "räumlich (3D)"}};
        auto* panel = element<QFrame>("DimensionPanel");
        QCOMPARE(panel->frameShape(), QFrame::NoFrame);
        for (const auto& [name, text] : radios) {
            QCOMPARE(radio(name)->text(), QString::fromUtf8(text));
            QCOMPARE(radio(name)->parentWidget(), panel);
        }

        const struct {
            const char* name;
            const char* text;
            bool fett;
        } labels[] = {
            {"TopfbreiteLabel", "Topfbreite", false},
            {"DimensionLabel", "Dimension", false},
            {"QuantenzahlLabel", "Quantenzahl  n", false},
            {"nxLabel", "x", true},
            {"nyLabel", "y", true},
            {"nzLabel", "z", true},
            {"FktSchritteLabel", "Schritte", false},
            {"FktAmplitudeLabel", "Amplitude", false},
            {"KugelSchritteLabel", "Schritte", false},
            {"KugelRadiusLabel", "Radius", false},
            {"AnzahlKugelnLabel", "Anzahl Kugeln: 125000", false},
        };
        for (const auto& l : labels) {
            QCOMPARE(label(l.name)->text(), QString::fromUtf8(l.text));
            QVERIFY2(label(l.name)->font().bold() == l.fett, l.name);
        }
        QCOMPARE(label("AnzahlKugelnLabel")->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));

        const struct {
            const char* name;
            int min, max, start;
            bool tippen;
        } felder[] = {
            {"TopfbreiteSpinEdit", 1, 10, 4, true},
            {"nxSpinEdit", 1, 3, 1, true},
            {"nySpinEdit", 1, 3, 1, true},
            {"nzSpinEdit", 1, 3, 1, true},
            {"FktSchritteSpinEdit", 1, 100, 20, false},
            {"FktAmplitudeSpinEdit", 1, 4, 1, true},
            {"KugelSchritteSpinEdit", 1, 50, 50, false},
            {"KugelRadiusSpinEdit", 1, 10, 1, true},
        };
        for (const auto& f : felder) {
            TSpinEdit* s = feld(f.name);
            QVERIFY2(s->MinValue() == f.min && s->MaxValue() == f.max && s->Value() == f.start, f.name);
            QVERIFY2(s->EditorEnabled() == f.tippen, f.name);
            QVERIFY2(!s->accessibleName().isEmpty(), f.name);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 8);

        // The ±10 buttons: the shared arrow pictures, stacked beside their field, each with
        // its hint as tool tip and as the name a screen reader reads.
        for (const char* paar : {"Fkt10SchritteSpinButton", "Kugel10SchritteSpinButton"}) {
            auto* huelle = element<QWidget>(paar);
            const QString p = QString::fromLatin1(paar);
            TRxSpeedButton* hoch = huelle->findChild<TRxSpeedButton*>(p + "Up");
            TRxSpeedButton* runter = huelle->findChild<TRxSpeedButton*>(p + "Down");
            QVERIFY2(hoch && runter, paar);
            QVERIFY(hoch->geometry().bottom() < runter->geometry().top());
            for (TRxSpeedButton* b : {hoch, runter}) {
                QVERIFY(!b->icon().isNull());
                QVERIFY(b->toolTip().startsWith(b == hoch ? "10 Schritte mehr" : "10 Schritte weniger"));
                QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), b->toolTip());
            }
        }
        QCOMPARE(form->findChildren<TRxSpeedButton*>().size(), 4);

        // Everything fits the test font in the designed size: no caption cut off, nothing
        // sticking out of the window or the panel, no two controls on top of each other.
        QCOMPARE(form->size(), QSize(374, 261));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        int controls = 0;
        for (QWidget* w : form->findChildren<QWidget*>())
            controls += w->parentWidget() == form.get();
        QCOMPARE(controls, 27);  // 5 check boxes, 11 labels, 8 spin edits, the panel, 2 button pairs

        // The rows top to bottom, each read left to right.
        const std::vector<std::vector<const char*>> zeilen = {
            {"PotentialtopfCheckBox", "BereichCheckBox", "TopfbreiteLabel", "TopfbreiteSpinEdit"},
            {"DimensionLabel", "QuantenzahlLabel"},
            {"DimensionPanel", "nxLabel", "nxSpinEdit", "nyLabel", "nySpinEdit", "nzLabel", "nzSpinEdit"},
            {"WelleCheckBox"},
            {"WahrscheinlichkeitCheckBox"},
            {"FktSchritteLabel", "FktSchritteSpinEdit", "Fkt10SchritteSpinButton", "FktAmplitudeLabel",
             "FktAmplitudeSpinEdit"},
            {"KugelCheckBox", "AnzahlKugelnLabel"},
            {"KugelSchritteLabel", "KugelSchritteSpinEdit", "Kugel10SchritteSpinButton", "KugelRadiusLabel",
             "KugelRadiusSpinEdit"},
        };
        int darueber = -1;
        for (const auto& zeile : zeilen) {
            int unten = 0;
            for (std::size_t i = 0; i < zeile.size(); ++i) {
                const QRect r = element<QWidget>(zeile[i])->geometry();
                QVERIFY2(r.top() > darueber, zeile[i]);
                QVERIFY2(i == 0 || element<QWidget>(zeile[i - 1])->geometry().right() < r.left(), zeile[i]);
                unten = std::max(unten, r.bottom());
            }
            darueber = unten;
        }
        // The radio buttons one under the other, the first beside the quantum numbers.
        const QRect linear = radio("LinearRadioButton")->geometry().translated(panel->pos());
        QVERIFY(radio("LinearRadioButton")->geometry().bottom() < radio("EbenRadioButton")->geometry().top());
        QVERIFY(radio("EbenRadioButton")->geometry().bottom() < radio("RaumRadioButton")->geometry().top());
        QVERIFY(linear.top() <= feld("nxSpinEdit")->geometry().center().y() &&
                feld("nxSpinEdit")->geometry().center().y() <= linear.bottom());

        // The columns: the switches and captions on the left edge, the step fields indented
        // under them, the quantum numbers, amplitude and radius in a column of their own.
        const auto links = [&](const char* name) { return element<QWidget>(name)->geometry().left(); };
        const std::vector<std::vector<const char*>> spalten = {
            {"PotentialtopfCheckBox", "DimensionLabel", "DimensionPanel", "WelleCheckBox", "WahrscheinlichkeitCheckBox",
             "KugelCheckBox"},
            {"FktSchritteLabel", "KugelSchritteLabel"},
            {"FktSchritteSpinEdit", "KugelSchritteSpinEdit"},
            {"Fkt10SchritteSpinButton", "Kugel10SchritteSpinButton"},
            {"QuantenzahlLabel", "nxLabel", "FktAmplitudeLabel", "KugelRadiusLabel"},
            {"FktAmplitudeSpinEdit", "KugelRadiusSpinEdit"},
        };
        for (const auto& spalte : spalten)
            for (const char* name : spalte)
                QVERIFY2(links(name) == links(spalte.front()), name);
        QVERIFY(links("FktSchritteLabel") > links("WelleCheckBox"));
        QVERIFY(label("QuantenzahlLabel")->geometry().left() > panel->geometry().right());

        // Each label stands left of its field on the same line.
        for (const auto& [l, f] : {std::pair{"TopfbreiteLabel", "TopfbreiteSpinEdit"},
                                   {"nxLabel", "nxSpinEdit"},
                                   {"nyLabel", "nySpinEdit"},
                                   {"nzLabel", "nzSpinEdit"},
                                   {"FktSchritteLabel", "FktSchritteSpinEdit"},
                                   {"FktAmplitudeLabel", "FktAmplitudeSpinEdit"},
                                   {"KugelSchritteLabel", "KugelSchritteSpinEdit"},
                                   {"KugelRadiusLabel", "KugelRadiusSpinEdit"}}) {
            const QRect a = label(l)->geometry(), b = feld(f)->geometry();
            QVERIFY2(a.right() < b.left() && a.top() >= b.top() && a.bottom() <= b.bottom(), l);
        }
    }

    void theDimensionShowsTheQuantumNumbersAndKeepsHiddenOnes()
    {
        zeigen();
        radio("RaumRadioButton")->setChecked(true);
        feld("nySpinEdit")->setValue(2);
        feld("nzSpinEdit")->setValue(3);
        // Where every control stands with all shown.
        QCoreApplication::processEvents();
        QHash<QWidget*, QPoint> plaetze;
        for (QWidget* w : form->findChildren<QWidget*>())
            plaetze.insert(w, w->pos());
        const QSize noetig = form->minimumSizeHint();
        const struct {
            const char* radio;
            tDimension d;
            bool y, z;
            const char* anzahl;
        } faelle[] = {
            {"LinearRadioButton", tDimension::Linear, false, false, "Anzahl Kugeln: 10"},
            {"EbenRadioButton", tDimension::Eben, true, false, "Anzahl Kugeln: 100"},
            {"RaumRadioButton", tDimension::Raeumlich, true, true, "Anzahl Kugeln: 1000"},
            {"LinearRadioButton", tDimension::Linear, false, false, "Anzahl Kugeln: 10"},
        };
        for (const auto& f : faelle) {
            const int vorher = zeichnungen;
            QTest::mouseClick(radio(f.radio), Qt::LeftButton, Qt::NoModifier, QPoint(6, radio(f.radio)->height() / 2));
            QVERIFY2(zeichnungen == vorher + 1, f.radio);
            QVERIFY2(stand().Dimension == f.d, f.radio);
            QVERIFY2(feld("nySpinEdit")->isVisible() == f.y && label("nyLabel")->isVisible() == f.y, f.radio);
            QVERIFY2(feld("nzSpinEdit")->isVisible() == f.z && label("nzLabel")->isVisible() == f.z, f.radio);
            QCOMPARE(label("AnzahlKugelnLabel")->text(), QString::fromLatin1(f.anzahl));
            // Hidden, the quantum numbers keep their values, in the field and in the model.
            QVERIFY2(feld("nySpinEdit")->Value() == 2 && feld("nzSpinEdit")->Value() == 3, f.radio);
            QVERIFY2(stand().ny == 2 && stand().nz == 3, f.radio);
            // Hidden, they keep their room: nothing moves, and neither they nor the count
            // change the size the window needs.
            QCoreApplication::processEvents();
            QCOMPARE(form->minimumSizeHint(), noetig);
            for (QWidget* w : form->findChildren<QWidget*>())
                QVERIFY2(w->pos() == plaetze.value(w), qPrintable(w->objectName()));
        }
    }

    void theTenStepButtonsStopAtTheLimits()
    {
        zeigen();
        radio("EbenRadioButton")->setChecked(true);
        const struct {
            const char* paar;
            const char* feld;
            int tPotentialtopfEinstellungen::*wert;
            int start, hoechster;
        } paare[] = {
            {"Fkt10SchritteSpinButton", "FktSchritteSpinEdit", &tPotentialtopfEinstellungen::FktSchritte, 20, 100},
            {"Kugel10SchritteSpinButton", "KugelSchritteSpinEdit", &tPotentialtopfEinstellungen::KugelSchritte, 10, 50},
        };
        for (const auto& p : paare) {
            const QString name = QString::fromLatin1(p.paar);
            TRxSpeedButton* hoch = knopf(qPrintable(name + "Up"));
            TRxSpeedButton* runter = knopf(qPrintable(name + "Down"));
            const auto klick = [&](TRxSpeedButton* b, int soll) {
                const int vorher = zeichnungen;
                QTest::mouseClick(b, Qt::LeftButton);
                QVERIFY2(feld(p.feld)->Value() == soll && stand().*p.wert == soll,
                         qPrintable(name + " should show " + QString::number(soll)));
                QVERIFY2(zeichnungen > vorher, p.paar);
            };
            // Up by ten to the top, and no further.
            for (int soll = p.start + 10; soll <= p.hoechster; soll += 10)
                klick(hoch, soll);
            klick(hoch, p.hoechster);
            // Down by ten; the last step stops at 1, and no further.
            for (int soll = p.hoechster - 10; soll >= 10; soll -= 10)
                klick(runter, soll);
            klick(runter, 1);
            klick(runter, 1);
            klick(hoch, 11);
        }
        // The balls of the plane: the steps squared.
        QCOMPARE(label("AnzahlKugelnLabel")->text(), QStringLiteral("Anzahl Kugeln: 121"));
        QCOMPARE(stand().FktSchritte, 11);
    }

    void closingUnchecksOnlyTheMainSwitch()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        radio("RaumRadioButton")->setChecked(true);
        feld("nzSpinEdit")->setValue(3);
        feld("TopfbreiteSpinEdit")->setValue(7);
        tPotentialtopfEinstellungen erwartet = stand();
        QVERIFY(erwartet.Potentialtopf);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("PotentialtopfCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        erwartet.Potentialtopf = false;
        QVERIFY(stand() == erwartet);

        // Shown again, it changes nothing and keeps its settings.
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
        QVERIFY(schalter("WelleCheckBox")->isChecked());
        QVERIFY(radio("RaumRadioButton")->isChecked());
        QCOMPARE(feld("nzSpinEdit")->Value(), 3);
        QCOMPARE(label("AnzahlKugelnLabel")->text(), QStringLiteral("Anzahl Kugeln: 1000"));
    }

    void aTypedWidthOutsideTheRangeCountsAsTheNearestAllowed()
    {
        zeigen();
        schalter("PotentialtopfCheckBox")->setChecked(true);
        zeichnungen = 0;
        TSpinEdit* breite = feld("TopfbreiteSpinEdit");
        BoxBeantworter ok(QStringLiteral("OK"));
        breite->setText(QStringLiteral("0"));  // typed: a box of no width would never end its curve
        QCOMPARE(stand().Topfbreite, 1);
        QCOMPARE(breite->text(), QStringLiteral("0"));
        QCOMPARE(zeichnungen, 1);

        // Leaving the field shows the number that was taken.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        breite->setFocus();
        schalter("BereichCheckBox")->setFocus(Qt::TabFocusReason);
        QCOMPARE(breite->text(), QStringLiteral("1"));
        QCOMPARE(stand().Topfbreite, 1);
        QVERIFY(ok.texte().isEmpty());
    }
};

QTEST_MAIN(TestPotentialtopfForm)
#include "test_potentialtopf_form.moc"
