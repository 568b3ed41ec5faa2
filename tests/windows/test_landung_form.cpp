// The window "Flugzeug-Landung  H H", driven by its control names: what it shows when made,
// every control with its caption and range, the layout in the test font at the designed
// size, one model update and one redraw per change, the scroll bar that shows only with the
// aircraft and keeps its place, typed cloud heights, closing.

#include "scenes/math/landung.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/landung_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QScrollBar>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

// The ten switches with their captions and the settings they stand for, top to bottom.
const struct {
    const char* name;
    const char* text;
    bool tLandungEinstellungen::*schalter;
} Schalter[] = {
    {"DarstellungCheckBox", "Darstellung", &tLandungEinstellungen::Darstellung},
    {"AnflugGeradeCheckBox", "Anflug-Gerade", &tLandungEinstellungen::AnflugGerade},
    {"AnflugStreckeCheckBox", "Anflug-Strecke", &tLandungEinstellungen::AnflugStrecke},
    {"SteigungCheckBox", "Steigungsdreieck", &tLandungEinstellungen::Steigung},
    {"BeschriftungCheckBox", "Beschriftung", &tLandungEinstellungen::Beschriftung},
    {"RadarCheckBox", "Radar", &tLandungEinstellungen::Radar},
    {"BodenCheckBox", "Boden-Ebene", &tLandungEinstellungen::Boden},
    {"LandebahnCheckBox", "Landebahn", &tLandungEinstellungen::Landebahn},
    {"WolkenCheckBox", "untere Wolken-Ebene", &tLandungEinstellungen::Wolken},
    {"FlugzeugCheckBox", "Flugzeug-Position", &tLandungEinstellungen::Flugzeug},
};

}  // namespace

class TestLandungForm : public QObject, SzenenFenster<TLandung, TLandungForm> {
    Q_OBJECT

    QScrollBar* leiste() const { return element<QScrollBar>("PositionScrollBar"); }

    void zeigen()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheStartValues()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(262, 237));
        QCOMPARE(form->windowTitle(), QStringLiteral("Flugzeug-Landung  H H"));
        for (const auto& s : Schalter) {
            QCOMPARE(schalter(s.name)->text(), QString::fromUtf8(s.text));
            QVERIFY2(!schalter(s.name)->isChecked(), s.name);
        }
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 10);

        TSpinEdit* wolken = feld("WolkenSpinEdit");
        QCOMPARE(wolken->MinValue(), 0);
        QCOMPARE(wolken->MaxValue(), 3000);
        QCOMPARE(wolken->Increment(), 100);
        QCOMPARE(wolken->Value(), 3000);
        QVERIFY(!wolken->accessibleName().isEmpty());

        QCOMPARE(leiste()->orientation(), Qt::Horizontal);
        QCOMPARE(leiste()->minimum(), 0);
        QCOMPARE(leiste()->maximum(), 15);
        QCOMPARE(leiste()->value(), 15);
        QCOMPARE(leiste()->singleStep(), 1);
        QCOMPARE(leiste()->pageStep(), 1);
        QVERIFY(leiste()->isHidden());  // "Flugzeug-Position" is off
        // A screen reader says what the bar moves, and the hint says it too.
        QVERIFY(!leiste()->accessibleName().isEmpty());
        QCOMPARE(leiste()->accessibleName(), leiste()->toolTip());

        QVERIFY(modell->Einstellungen() == TLandung::Startwerte);
        QCOMPARE(zeichnungen, 1);  // FormCreate ends with the change handler, which redraws
    }

    // In the test font, with the scroll bar shown, the window keeps its designed size and
    // nothing is cut off or on top of another control; hiding the bar moves nothing.
    void everythingFitsAndTheBarLeavesTheOthersInPlace()
    {
        zeigen();
        const auto orte = [this] {
            QList<QRect> r;
            for (const auto& s : Schalter)
                r << schalter(s.name)->geometry();
            r << feld("WolkenSpinEdit")->geometry();
            return r;
        };
        const QList<QRect> ohne = orte();
        schalter("FlugzeugCheckBox")->setChecked(true);
        QVERIFY(leiste()->isVisible());
        QCOMPARE(form->size(), QSize(262, 237));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QTRY_COMPARE(orte(), ohne);
        QVERIFY(schalter("FlugzeugCheckBox")->geometry().bottom() < leiste()->geometry().top());
        QVERIFY(leiste()->width() > form->width() / 2);
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tLandungEinstellungen soll = TLandung::Startwerte;
        std::vector<std::pair<QString, std::function<void()>>> schritte;
        for (const auto& s : Schalter)
            schritte.push_back({QString("%1 on").arg(s.name), [this, &soll, &s] {
                                    QCheckBox* b = schalter(s.name);
                                    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
                                    soll.*s.schalter = true;
                                }});
        const std::pair<const char*, std::function<void()>> weitere[] = {
            {"clouds down by the arrow key",
             [&] {
                 QTest::keyClick(feld("WolkenSpinEdit"), Qt::Key_Down);
                 soll.Wolkenhoehe = 2900;
             }},
            {"clouds set as a screen reader does",
             [&] {
                 feld("WolkenSpinEdit")->setValue(0);
                 soll.Wolkenhoehe = 0;
             }},
            {"aircraft one km nearer by the left arrow key",
             [&] {
                 leiste()->setFocus();
                 QTest::keyClick(leiste(), Qt::Key_Left);
                 soll.Position = 14;
             }},
            {"aircraft back by the right arrow key",
             [&] {
                 QTest::keyClick(leiste(), Qt::Key_Right);
                 soll.Position = 15;
             }},
            {"aircraft to the threshold",
             [&] {
                 leiste()->setValue(0);
                 soll.Position = 0;
             }},
            {"runway off",
             [&] {
                 schalter("LandebahnCheckBox")->click();
                 soll.Landebahn = false;
             }},
        };
        for (const auto& w : weitere)
            schritte.push_back({w.first, w.second});

        int erwartet = 0;
        for (const auto& [was, tun] : schritte) {
            tun();
            ++erwartet;
            QVERIFY2(zeichnungen == erwartet, qPrintable(was));
            QVERIFY2(modell->Einstellungen() == soll, qPrintable(was));
        }
        QCOMPARE(modell->FlugzeugPos().z, 0.02);  // 20 m above the threshold
        QCOMPARE(modell->WolkenhoeheKm(), 0.0);
    }

    void theScrollBarShowsOnlyWithTheAircraftAndKeepsItsPosition()
    {
        zeigen();
        QCheckBox* flugzeug = schalter("FlugzeugCheckBox");
        QVERIFY(!leiste()->isVisible());
        flugzeug->click();
        QVERIFY(leiste()->isVisible());
        leiste()->setValue(7);
        QCOMPARE(modell->Einstellungen().Position, 7);

        const int vorher = zeichnungen;
        flugzeug->click();
        QVERIFY(!leiste()->isVisible());
        QCOMPARE(zeichnungen, vorher + 1);  // the arrow goes
        QVERIFY(!modell->Einstellungen().Flugzeug);
        QCOMPARE(leiste()->value(), 7);
        QCOMPARE(modell->Einstellungen().Position, 7);

        flugzeug->click();
        QVERIFY(leiste()->isVisible());
        QCOMPARE(leiste()->value(), 7);
        QVERIFY(modell->Einstellungen().Flugzeug);
    }

    void aTypedCloudHeightOutsideTheRangeCountsAsTheNearestAllowed()
    {
        zeigen();
        zeichnungen = 0;
        TSpinEdit* wolken = feld("WolkenSpinEdit");
        const struct {
            const char* text;
            double soll;
        } faelle[] = {{"5000", 3000}, {"-300", 0}, {"1250", 1250}, {"abc", 0}};
        int erwartet = 0;
        for (const auto& f : faelle) {
            wolken->setText(QString::fromLatin1(f.text));  // as if typed
            QVERIFY2(zeichnungen == ++erwartet, f.text);
            QVERIFY2(modell->Einstellungen().Wolkenhoehe == f.soll, f.text);
        }
        wolken->setText(QStringLiteral("5000"));
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);  // leaving puts it into range
        QApplication::sendEvent(wolken, &verlassen);
        QCOMPARE(wolken->text(), QStringLiteral("3000"));
        QCOMPARE(modell->Einstellungen().Wolkenhoehe, 3000.0);
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        zeigen();
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        leiste()->setValue(9);
        feld("WolkenSpinEdit")->setValue(800);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("DarstellungCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        tLandungEinstellungen soll;
        for (const auto& s : Schalter)
            soll.*s.schalter = true;
        soll.Darstellung = false;
        soll.Position = 9;
        soll.Wolkenhoehe = 800;
        QVERIFY(modell->Einstellungen() == soll);

        // Shown again, it changes nothing and keeps its settings.
        zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
        QVERIFY(leiste()->isVisible());
        QCOMPARE(leiste()->value(), 9);
        QCOMPARE(feld("WolkenSpinEdit")->Value(), 800);
    }
};

QTEST_MAIN(TestLandungForm)
#include "test_landung_form.moc"
