// The window "Würfe in 3D", driven by its control names: where it opens and what it shows
// when made, every control with its caption, range, font and colour in a layout that fits
// and keeps the designed arrangement, one model update and one redraw per change, a refused
// number, and closing, which unchecks exactly seven boxes in their order and keeps the rest.

#include "boxbeantworter.h"
#include "programm/programm.h"
#include "scenes/physics/wurf.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/physics/wurf_form.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <memory>

using namespace orbisto;

namespace {

const char* const AlleSchalter[] = {
    "WurfCheckBox",           "HoeheStreckeZeit3DCheckBox", "MatheStreckeZeitFktCheckBox",
    "StreckeZeitPosCheckBox", "HoeheStrecke2DCheckBox",     "MatheStreckeFktCheckBox",
    "StreckePosCheckBox",     "HoeheZeit2DCheckBox",        "MatheZeitFktCheckBox",
    "ZeitPosCheckBox",        "GrundflaecheCheckBox"};

// The three curves: a heading and its row of switches (part curve, function, ball).
const struct {
    const char* kopf;
    const char* schalter[3];
} Kurven[] = {
    {"HoeheStreckeZeit3DLabel",
     {"HoeheStreckeZeit3DCheckBox", "MatheStreckeZeitFktCheckBox", "StreckeZeitPosCheckBox"}},
    {"HoeheStrecke2DLabel", {"HoeheStrecke2DCheckBox", "MatheStreckeFktCheckBox", "StreckePosCheckBox"}},
    {"HoeheZeit2DLabel", {"HoeheZeit2DCheckBox", "MatheZeitFktCheckBox", "ZeitPosCheckBox"}},
};

}  // namespace

class TestWurfForm : public QObject, SzenenFenster<TWurf, TWurfForm> {
    Q_OBJECT

    QScrollBar* leiste() const { return element<QScrollBar>("KugelPositionScrollBar"); }
    QRect rahmen(const char* name) const { return element<QWidget>(name)->geometry(); }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateKeepsTheDesignPlaceAndComputesTheStartValues()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(200, 375));  // not beside the main window
        QCOMPARE(form->size(), QSize(383, 399));  // the designed size, in the test font
        QCOMPARE(form->windowTitle(), QStringLiteral("Würfe in 3D"));
        const struct {
            const char* name;
            int min, max, wert;
        } felder[] = {{"AbwurfgeschwindigkeitSpinEdit", 1, 20, 10},
                      {"AbwurfwinkelSpinEdit", 1, 89, 60},
                      {"AbwurfhoeheSpinEdit", -10, 10, 0}};
        for (const auto& f : felder) {
            TSpinEdit* s = feld(f.name);
            QVERIFY2(s->MinValue() == f.min && s->MaxValue() == f.max && s->Increment() == 1, f.name);
            QVERIFY2(s->Value() == f.wert && s->text() == QString::number(f.wert), f.name);
        }
        QCOMPARE(leiste()->orientation(), Qt::Horizontal);
        QCOMPARE(leiste()->minimum(), 0);
        QCOMPARE(leiste()->maximum(), 100);
        QCOMPARE(leiste()->singleStep(), 1);
        QCOMPARE(leiste()->pageStep(), 10);
        QCOMPARE(leiste()->value(), 0);
        for (const char* name : AlleSchalter)
            QVERIFY2(!schalter(name)->isChecked(), name);
        QCOMPARE(form->findChildren<QCheckBox*>().size(), int(std::size(AlleSchalter)));

        QVERIFY(modell->Einstellungen() == TWurf::Startwerte);
        QCOMPARE(modell->FormelStrecke(), std::string("-(9,81/(2*5*5))*x*x+(8,66025403784439/5)*x+0"));
        QCOMPARE(modell->FormelZeit(), std::string("-(9,81/2)*x*x+8,66025403784439*x+0"));
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws

        // Shown from the menu, it stays where it is and changes nothing.
        zeigen();
        QCOMPARE(form->pos(), QPoint(200, 375));
        QCOMPARE(zeichnungen, 1);
    }

    void everyControlHasItsCaptionFontAndColourAndFits()
    {
        zeigen();
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF);
        const struct {
            const char* name;
            QString text;
            bool fett;
            QColor farbe;  // invalid: the default
        } labels[] = {
            {"xLabel", "X  Wurf-Strecke", true, rot},
            {"yLabel", "Y  Wurf-Zeit", true, gruen},
            {"zLabel", "Z  Wurf-Höhe", true, blau},
            {"AbwurfgeschwindigkeitLabel", "Abwurfgeschwindigkeit [m/s]", false, {}},
            {"AbwurfwinkelLabel", "Abwurfwinkel zur Horizontalen [Grad]", false, {}},
            {"AbwurfhoeheLabel", "Abwurfhoehe bei x=0   [m]", false, {}},
            {"Wurf3DLabel", "Schräger Wurf in 3 Dimensionen", true, {}},
            {"HoeheStreckeZeit3DLabel", "z=f(x,y)  Höhe in Abhängigkeit von Strecke und Zeit ", true, blau},
            {"HoeheStrecke2DLabel", "z=f(x)  Höhe in Abhängigkeit von der Strecke (Bahnkurve)", true, rot},
            {"HoeheZeit2DLabel", "z=f(y)  Höhe in Abhängigkeit von der Zeit (Senkrechter Wurf)", true, gruen},
            {"KugelPositionLabel", "Position ändern", false, {}},
        };
        for (const auto& l : labels) {
            const QLabel* t = label(l.name);
            QCOMPARE(t->text(), l.text);
            QVERIFY2(t->font().bold() == l.fett, l.name);
            if (l.farbe.isValid())
                QVERIFY2(t->palette().color(QPalette::WindowText) == l.farbe, l.name);
        }
        // Each number and the scroll bar are named by their label, also for a screen reader.
        for (const auto& [text, control] : {std::pair{"AbwurfgeschwindigkeitLabel", "AbwurfgeschwindigkeitSpinEdit"},
                                            {"AbwurfwinkelLabel", "AbwurfwinkelSpinEdit"},
                                            {"AbwurfhoeheLabel", "AbwurfhoeheSpinEdit"},
                                            {"KugelPositionLabel", "KugelPositionScrollBar"}}) {
            QWidget* c = element<QWidget>(control);
            QVERIFY2(label(text)->buddy() == c, text);
            QVERIFY2(!c->accessibleName().isEmpty(), control);
        }

        const struct {
            const char* name;
            QString text;
        } boxen[] = {
            {"WurfCheckBox", "Wurf"},
            {"HoeheStreckeZeit3DCheckBox", "Teil - Kurve"},
            {"MatheStreckeZeitFktCheckBox", "Mathematische Funktion"},
            {"StreckeZeitPosCheckBox", "Position"},
            {"HoeheStrecke2DCheckBox", "Teil - Kurve"},
            {"MatheStreckeFktCheckBox", "Mathematische Funktion"},
            {"StreckePosCheckBox", "Position"},
            {"HoeheZeit2DCheckBox", "Teil - Kurve"},
            {"MatheZeitFktCheckBox", "Mathematische Funktion"},
            {"ZeitPosCheckBox", "Position"},
            {"GrundflaecheCheckBox", "Grundfläche Strecke - Zeit"},
        };
        for (const auto& b : boxen)
            QCOMPARE(schalter(b.name)->text(), b.text);

        // Everything fits the window in the test font: nothing sticks out, no caption is cut
        // off, no two controls overlap; the headings break into two lines if need be.
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QList<QWidget*> controls;
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->parentWidget() == form.get())
                controls.append(w);
        QCOMPARE(controls.size(), 26);  // 11 check boxes, 3 spin edits, 11 labels, 1 scroll bar
        for (QWidget* w : controls)
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        for (const auto& k : Kurven) {
            const QLabel* kopf = label(k.kopf);
            QVERIFY2(kopf->heightForWidth(kopf->width()) <= kopf->height(), k.kopf);
        }
    }

    // The arrangement as designed: the main switch with the legend of the axes beside it,
    // each number beside its label in one right-hand column, then the headings with their
    // switches under them in three aligned columns, the ground and the scroll bar last.
    void theControlsKeepTheirDesignedArrangement()
    {
        zeigen();
        const QRect wurf = rahmen("WurfCheckBox"), x = rahmen("xLabel"), y = rahmen("yLabel"), z = rahmen("zLabel");
        QCOMPARE(wurf.top(), x.top());
        QVERIFY(wurf.right() < x.left());
        QVERIFY(x.bottom() < y.top() && y.bottom() < z.top());
        QVERIFY(x.left() == y.left() && y.left() == z.left());

        int oben = z.bottom();
        for (const auto& [text, zahl] : {std::pair{"AbwurfgeschwindigkeitLabel", "AbwurfgeschwindigkeitSpinEdit"},
                                         {"AbwurfwinkelLabel", "AbwurfwinkelSpinEdit"},
                                         {"AbwurfhoeheLabel", "AbwurfhoeheSpinEdit"}}) {
            const QRect l = rahmen(text), f = rahmen(zahl);
            QVERIFY2(oben < f.top() && l.right() < f.left(), zahl);
            QVERIFY2(std::abs(l.center().y() - f.center().y()) <= 1, text);  // on one line
            QVERIFY2(f.right() == rahmen("AbwurfgeschwindigkeitSpinEdit").right() && f.right() == z.right(), zahl);
            oben = f.bottom();
        }

        QVERIFY(oben < rahmen("Wurf3DLabel").top());
        oben = rahmen("Wurf3DLabel").bottom();
        for (const auto& k : Kurven) {
            const QRect kopf = rahmen(k.kopf);
            QVERIFY2(oben < kopf.top(), k.kopf);
            for (int i = 0; i < 3; ++i) {
                const QRect b = rahmen(k.schalter[i]), erste = rahmen(Kurven[0].schalter[i]);
                QVERIFY2(kopf.bottom() < b.top() && b.top() == rahmen(k.schalter[0]).top(), k.schalter[i]);
                QVERIFY2(b.left() == erste.left() && b.width() == erste.width(), k.schalter[i]);  // in columns
                if (i > 0)
                    QVERIFY2(rahmen(k.schalter[i - 1]).right() < b.left(), k.schalter[i]);
            }
            QVERIFY2(rahmen(k.schalter[0]).left() > kopf.left(), k.kopf);  // indented under the heading
            oben = rahmen(k.schalter[0]).bottom();
        }
        QVERIFY(oben < rahmen("GrundflaecheCheckBox").top());
        QVERIFY(rahmen("GrundflaecheCheckBox").bottom() < rahmen("KugelPositionLabel").top());
        QVERIFY(rahmen("KugelPositionLabel").bottom() < rahmen("KugelPositionScrollBar").top());
        QCOMPARE(rahmen("KugelPositionScrollBar").left(), rahmen("Wurf3DLabel").left());
        QCOMPARE(rahmen("KugelPositionScrollBar").right(), z.right());  // across the whole window

        // Tab goes through the controls in reading order.
        QStringList reihe;
        QWidget* w = element<QWidget>("WurfCheckBox");
        for (int i = 0; i < 15; ++i, w = w->nextInFocusChain()) {
            while (!w->parentWidget() || w->parentWidget() != form.get() || w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            reihe << w->objectName();
        }
        QCOMPARE(reihe, (QStringList{"WurfCheckBox", "AbwurfgeschwindigkeitSpinEdit", "AbwurfwinkelSpinEdit",
                                     "AbwurfhoeheSpinEdit", "HoeheStreckeZeit3DCheckBox", "MatheStreckeZeitFktCheckBox",
                                     "StreckeZeitPosCheckBox", "HoeheStrecke2DCheckBox", "MatheStreckeFktCheckBox",
                                     "StreckePosCheckBox", "HoeheZeit2DCheckBox", "MatheZeitFktCheckBox",
                                     "ZeitPosCheckBox", "GrundflaecheCheckBox", "KugelPositionScrollBar"}));
    }

    // One control after the other: each change reads the whole window into the model and
    // redraws once; the throw is recomputed from the new numbers.
    void everyChangeRecomputesAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tWurfEinstellungen soll = TWurf::Startwerte;
        const auto klick = [this](const char* name, bool& wert) {
            return [this, name, &wert] {
                QCheckBox* b = schalter(name);
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));  // on the box
                wert = !wert;
            };
        };
        const struct {
            const char* was;
            std::function<void()> tun;
        } schritte[] = {
            {"Wurf", klick("WurfCheckBox", soll.Wurf)},
            {"space curve part", klick("HoeheStreckeZeit3DCheckBox", soll.HoeheStreckeZeit3D)},
            {"space curve function", klick("MatheStreckeZeitFktCheckBox", soll.MatheStreckeZeitFkt)},
            {"space curve ball", klick("StreckeZeitPosCheckBox", soll.StreckeZeitPos)},
            {"trajectory part", klick("HoeheStrecke2DCheckBox", soll.HoeheStrecke2D)},
            {"trajectory function", klick("MatheStreckeFktCheckBox", soll.MatheStreckeFkt)},
            {"trajectory ball", klick("StreckePosCheckBox", soll.StreckePos)},
            {"height part", klick("HoeheZeit2DCheckBox", soll.HoeheZeit2D)},
            {"height function", klick("MatheZeitFktCheckBox", soll.MatheZeitFkt)},
            {"height ball", klick("ZeitPosCheckBox", soll.ZeitPos)},
            {"ground", klick("GrundflaecheCheckBox", soll.Grundflaeche)},
            {"speed up by the arrow key",
             [&] {
                 QTest::keyClick(feld("AbwurfgeschwindigkeitSpinEdit"), Qt::Key_Up);
                 soll.Abwurfgeschwindigkeit = 11;
             }},
            {"angle set to 45 as a screen reader does",
             [&] {
                 feld("AbwurfwinkelSpinEdit")->setValue(45);
                 soll.AbwurfwinkelGrad = 45;
             }},
            {"height down to -3",
             [&] {
                 feld("AbwurfhoeheSpinEdit")->setValue(-3);
                 soll.Abwurfhoehe = -3;
             }},
            {"scroll bar a large step",
             [&] {
                 leiste()->triggerAction(QAbstractSlider::SliderPageStepAdd);
                 soll.KugelPosition = 10;
             }},
            {"scroll bar a small step by key",
             [&] {
                 QTest::keyClick(leiste(), Qt::Key_Right);
                 soll.KugelPosition = 11;
             }},
            {"scroll bar to the end",
             [&] {
                 leiste()->setValue(100);
                 soll.KugelPosition = 100;
             }},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            ++erwartet;
            QVERIFY2(zeichnungen == erwartet, s.was);
            QVERIFY2(modell->Einstellungen() == soll,
                     qPrintable(QString(s.was) +
                                QStringLiteral(": position %1").arg(modell->Einstellungen().KugelPosition)));
        }
        // 11 m/s at 45 degrees from -3 m, the ball at the landing point.
        QCOMPARE(modell->FormelZeit(), std::string("-(9,81/2)*x*x+7,77817459305202*x+-3"));
        QCOMPARE(
            modell->FormelStrecke(),
            std::string("-(9,81/(2*7,77817459305202*7,77817459305202))*x*x+(7,77817459305202/7,77817459305202)*x+-3"));
        QVERIFY(std::abs(modell->KugelHoehe()) < 1e-9);
        const double v = 11 / std::sqrt(2.0);
        QVERIFY(std::abs(modell->ZeitEnde() - (v + std::sqrt(v * v - 2 * 9.81 * 3)) / 9.81) < 1e-9);
    }

    void theScrollBarShowsItsValueToAScreenReader()
    {
        leiste()->setValue(30);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(leiste());
        QVERIFY(a && a->valueInterface());
        QCOMPARE(a->valueInterface()->currentValue().toInt(), 30);
        QCOMPARE(a->valueInterface()->maximumValue().toInt(), 100);
        a->valueInterface()->setCurrentValue(70);
        QCOMPARE(modell->Einstellungen().KugelPosition, 70);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Position ändern"));
    }

    void typingANumberNeverInterruptsAndTheModelSeesOnlyAllowedOnes()
    {
        zeigen();
        zeichnungen = 0;
        TSpinEdit* v0 = feld("AbwurfgeschwindigkeitSpinEdit");
        BoxBeantworter ok(QStringLiteral("OK"));
        // "25" on the way through "2"; then the first digit of "20" deleted leaves "0".
        const struct {
            const char* text;
            double v0;
        } schritte[] = {{"2", 2}, {"25", 20}, {"20", 20}, {"0", 1}, {"", 1}, {"7", 7}};
        for (const auto& s : schritte) {
            v0->setText(QString::fromLatin1(s.text));
            QVERIFY2(modell->Einstellungen().Abwurfgeschwindigkeit == s.v0, s.text);
        }
        QVERIFY(ok.texte().isEmpty());
        QCOMPARE(zeichnungen, 6);  // every change of the text, as in every scene
    }

    void closingUnchecksSevenBoxesInOrderAndKeepsTheRest()
    {
        zeigen();
        for (const char* name : AlleSchalter)
            schalter(name)->setChecked(true);
        feld("AbwurfhoeheSpinEdit")->setValue(4);
        leiste()->setValue(35);
        QStringList folge;
        for (const char* name : AlleSchalter)
            connect(schalter(name), &QCheckBox::toggled, this,
                    [&folge, name](bool an) { folge.append(QString::fromLatin1(name) + (an ? " an" : " aus")); });
        zeichnungen = 0;

        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QCOMPARE(folge, (QStringList{"WurfCheckBox aus", "MatheStreckeFktCheckBox aus", "MatheZeitFktCheckBox aus",
                                     "MatheStreckeZeitFktCheckBox aus", "HoeheStrecke2DCheckBox aus",
                                     "HoeheZeit2DCheckBox aus", "HoeheStreckeZeit3DCheckBox aus"}));
        QCOMPARE(zeichnungen, 7);  // each box redraws as it changes
        tWurfEinstellungen soll = TWurf::Startwerte;
        soll.StreckeZeitPos = soll.StreckePos = soll.ZeitPos = soll.Grundflaeche = true;
        soll.Abwurfhoehe = 4;
        soll.KugelPosition = 35;
        QVERIFY(modell->Einstellungen() == soll);

        // Shown again, it changes nothing and keeps what was kept.
        form->Zeigen();
        QCOMPARE(zeichnungen, 7);
        QCOMPARE(form->pos(), QPoint(200, 375));
        QVERIFY(schalter("GrundflaecheCheckBox")->isChecked());
        QCOMPARE(leiste()->value(), 35);
        QCOMPARE(feld("AbwurfhoeheSpinEdit")->Value(), 4);
    }
};

QTEST_MAIN(TestWurfForm)
#include "test_wurf_form.moc"
