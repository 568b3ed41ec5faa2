// The window "Potentialtopf", driven by its control names: what it shows when made, every
// control with its caption, range, font and colour laid out without overlaps, the quantum
// numbers shown by dimension, the ±10 buttons, refused numbers and closing.

#include "boxbeantworter.h"
#include "fensterelement.h"
#include "programm/programm.h"
#include "scenes/physics/potentialtopf.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/potentialtopf_form.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace orbisto;

class TestPotentialtopfForm : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<QWidget> hauptfenster;
    std::unique_ptr<TPotentialtopf> modell;
    std::unique_ptr<TPotentialtopfForm> form;
    int zeichnungen = 0;

    TSpinEdit* feld(const char* name) const { return Element<TSpinEdit>(form.get(), name); }
    QCheckBox* schalter(const char* name) const { return Element<QCheckBox>(form.get(), name); }
    QRadioButton* radio(const char* name) const { return Element<QRadioButton>(form.get(), name); }
    QLabel* label(const char* name) const { return Element<QLabel>(form.get(), name); }
    TRxSpeedButton* knopf(const char* name) const { return Element<TRxSpeedButton>(form.get(), name); }
    const tPotentialtopfEinstellungen& stand() const { return modell->Einstellungen(); }

    void zeigen()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));  // as the program sets it
    }

    void init()
    {
        zeichnungen = 0;
        programm = std::make_unique<Programm>();
        hauptfenster = std::make_unique<QWidget>();
        hauptfenster->move(100, 120);
        modell = std::make_unique<TPotentialtopf>();
        form = std::make_unique<TPotentialtopfForm>(
            SzenenUmgebung{*programm, [this] { ++zeichnungen; }, hauptfenster.get()}, *modell);
    }

    void cleanup()
    {
        form.reset();
        modell.reset();
        hauptfenster.reset();
        programm.reset();
    }

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
            QVERIFY2(!Element<QWidget>(form.get(), name)->isVisibleTo(form.get()), name);
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
        auto* panel = Element<QFrame>(form.get(), "DimensionPanel");
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
            auto* huelle = Element<QWidget>(form.get(), paar);
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

        // Everything fits the window in the program's font, which keeps its size: no text is
        // cut off and no two controls overlap.
        QCOMPARE(form->size(), QSize(374, 261));
        QList<QWidget*> controls;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->parentWidget() == form.get())
                controls.append(w);
        QCOMPARE(controls.size(), 27);  // 5 check boxes, 11 labels, 8 spin edits, the panel, 2 button pairs
        const auto passt = [](QWidget* w) {
            return w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height();
        };
        for (QWidget* w : controls) {
            const QString name = w->objectName();
            QVERIFY2(w->isVisible() && form->rect().contains(w->geometry()), qPrintable(name));
            if (qobject_cast<QCheckBox*>(w) || qobject_cast<QLabel*>(w))
                QVERIFY2(passt(w), qPrintable(name + " needs " + QString::number(w->sizeHint().width())));
            for (QWidget* v : controls)
                QVERIFY2(v == w || !v->geometry().intersects(w->geometry()),
                         qPrintable(name + " / " + v->objectName()));
        }
        for (const auto& [name, text] : radios)
            QVERIFY2(passt(radio(name)) && panel->rect().contains(radio(name)->geometry()), name);
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
