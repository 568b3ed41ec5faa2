// The window "Vektor - Kugel", driven by its control names: what it shows when made, every
// control with its caption, range and colour, the layout in the test font at the designed
// size, one model update and one redraw per change ("Beispiel" and "Reset" only when they
// change a field), the step counts of P limited by n within the same change, the typed
// radius kept within its range, closing.

#include "boxbeantworter.h"
#include "scenes/math/vektorkugel.h"
#include "szenenfenster.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/vektorkugel_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <array>
#include <functional>

using namespace orbisto;

namespace {

const char* const SchalterNamen[15] = {"KugelCheckBox",
                                       "KugelLKCheckBox",
                                       "KugelBKCheckBox",
                                       "KugelflaecheCheckBox",
                                       "HalbkugelFlaecheCheckBox",
                                       "AequatorCheckBox",
                                       "NullMeridianCheckBox",
                                       "MittelpunktCheckBox",
                                       "MittelpunktVektorCheckBox",
                                       "PunktCheckBox",
                                       "OrtsVektorCheckBox",
                                       "DifferenzVektorCheckBox",
                                       "VieleOrtsvektorenCheckBox",
                                       "VieleDifferenzvektorenCheckBox",
                                       "TanEbeneCheckBox"};

// The switches of the model in the order of SchalterNamen.
std::array<bool, 15> Schalter(const tVektorKugelEinstellungen& e)
{
    return {e.Kugel,      e.KugelLK,         e.KugelBK,           e.Kugelflaeche,           e.HalbkugelFlaeche,
            e.Aequator,   e.NullMeridian,    e.Mittelpunkt,       e.MittelpunktVektor,      e.Punkt,
            e.OrtsVektor, e.DifferenzVektor, e.VieleOrtsvektoren, e.VieleDifferenzvektoren, e.TanEbene};
}

}  // namespace

class TestVektorKugelForm : public QObject, SzenenFenster<TVektorKugel, TVektorKugelForm> {
    Q_OBJECT

    // r, n, i, j and M as the fields show them.
    tVektorKugelWerte feldWerte() const
    {
        return {feld("KugelRadiusSpinEdit")->Value(), feld("KugelRotSchritteSpinEdit")->Value(),
                feld("PunktSchrittexySpinEdit")->Value(), feld("PunktSchrittezSpinEdit")->Value(), vektor("M")};
    }
    void taste(const char* name, Qt::Key k, int mal = 1) const
    {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(feld(name), k);
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void formCreateShowsTheExampleWithMeridiansAndParallels()
    {
        QVERIFY(form->isWindow());
        QVERIFY(!form->isVisible());
        QCOMPARE(form->pos(), QPoint(150, 170));
        QCOMPARE(form->size(), QSize(405, 268));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vektor - Kugel"));
        QVERIFY(feldWerte() == (tVektorKugelWerte{3, 8, 0, 0, {4, 3, 1}}));
        for (const char* name : SchalterNamen)
            QVERIFY2(schalter(name)->isChecked() ==
                         (QByteArray(name) == "KugelLKCheckBox" || QByteArray(name) == "KugelBKCheckBox"),
                     name);
        QVERIFY(modell->Einstellungen() == TVektorKugel::Startwerte);
        // The handler has run once: the step counts reach up to n = 8, and it redrew.
        QCOMPARE(feld("PunktSchrittexySpinEdit")->MaxValue(), 8);
        QCOMPARE(feld("PunktSchrittezSpinEdit")->MaxValue(), 8);
        QCOMPARE(zeichnungen, 1);
    }

    void everyControlHasItsCaptionRangeAndColour()
    {
        zeigen();
        const QColor rot(0xFF, 0, 0), gruen(0, 0x80, 0), blau(0, 0, 0xFF);
        BeschriftungenPruefen({
            {"KugelCheckBox", "Kugel", true, {}},
            {"KugelLKCheckBox", "Längenkreise", false, {}},
            {"KugelBKCheckBox", "Breitenkreise", false, {}},
            {"KugelflaecheCheckBox", "Kugelfläche", false, {}},
            {"HalbkugelFlaecheCheckBox", "Halbkugelfläche", false, {}},
            {"AequatorCheckBox", "Äquator", true, {}},
            {"NullMeridianCheckBox", "Null-Meridian", true, {}},
            {"MittelpunktCheckBox", "Mittelpunkt", true, rot},
            {"MittelpunktVektorCheckBox", "Mittelpunkt-Vektor", true, rot},
            {"PunktCheckBox", "Punkt (Ort)", true, {}},
            {"OrtsVektorCheckBox", "Orts-Vektor", true, {}},
            {"DifferenzVektorCheckBox", "Differenz-Vektor von M zu P", true, gruen},
            {"VieleOrtsvektorenCheckBox", "Viele Ortsvektoren", false, {}},
            {"VieleDifferenzvektorenCheckBox", "Viele Differenzvektoren", false, {}},
            {"TanEbeneCheckBox", "Tangentialebene  an die Kugel durch P", false, blau},
        });
        QCOMPARE(form->findChildren<QCheckBox*>().size(), 15);
        for (const auto& [name, text] : {std::pair{"KugelRadiusLabel", "Radius"},
                                         {"KugelRotSchritteLabel", "Schritte Rotation"},
                                         {"PunktSchrittexyLabel", "Schritte x y"},
                                         {"PunktSchrittezLabel", "Schritte  z"}})
            QCOMPARE(label(name)->text(), QString::fromUtf8(text));
        QCOMPARE(element<QPushButton>("BeispielButton")->text(), QStringLiteral("Beispiel"));
        QCOMPARE(element<QPushButton>("ResetButton")->text(), QStringLiteral("Reset"));

        const struct {
            const char* name;
            int min, max, schritt;
            bool tippen;
        } felder[] = {{"KugelRadiusSpinEdit", 0, 10, 1, true},   {"KugelRotSchritteSpinEdit", 4, 96, 4, false},
                      {"MxSpinEdit", -10, 10, 1, false},         {"MySpinEdit", -10, 10, 1, false},
                      {"MzSpinEdit", -10, 10, 1, false},         {"PunktSchrittexySpinEdit", 0, 8, 1, false},
                      {"PunktSchrittezSpinEdit", 0, 8, 1, false}};
        for (const auto& f : felder) {
            TSpinEdit* s = feld(f.name);
            QVERIFY2(s->MinValue() == f.min && s->MaxValue() == f.max && s->Increment() == f.schritt, f.name);
            QVERIFY2(s->EditorEnabled() == f.tippen, f.name);
            QVERIFY2(!s->accessibleName().isEmpty(), f.name);
        }
        QCOMPARE(form->findChildren<TSpinEdit*>().size(), 7);
    }

    void everythingFitsAtTheDesignedSize()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(405, 268));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        // Each switch in line with its fields.
        const auto rahmen = [this](const char* name) { return element<QWidget>(name)->geometry(); };
        for (const auto& [links, rechts] : {std::pair{"KugelCheckBox", "KugelRadiusSpinEdit"},
                                            {"MittelpunktCheckBox", "MxSpinEdit"},
                                            {"PunktCheckBox", "PunktSchrittexySpinEdit"},
                                            {"OrtsVektorCheckBox", "DifferenzVektorCheckBox"}}) {
            QVERIFY2(rahmen(links).right() < rahmen(rechts).left(), links);
            QVERIFY2(std::abs(rahmen(links).center().y() - rahmen(rechts).center().y()) <= 2, links);
        }
    }

    void everyChangeUpdatesTheModelAndRedrawsOnce()
    {
        zeigen();
        zeichnungen = 0;
        tVektorKugelWerte w{3, 8, 0, 0, {4, 3, 1}};
        std::array<bool, 15> an = Schalter(TVektorKugel::Startwerte);
        const auto klick = [&](int i) {
            return [&, i] {
                klicken(SchalterNamen[i]);
                an[std::size_t(i)] = !an[std::size_t(i)];
            };
        };
        const auto pfeil = [&](const char* name, Qt::Key k, int* wert, int neu) {
            return [=, this] {
                taste(name, k);
                *wert = neu;
            };
        };
        const auto knopf = [&](const char* name, int r, tVektor3 m) {
            return [&, name, r, m] {
                QTest::mouseClick(element<QPushButton>(name), Qt::LeftButton);
                w.Radius = r;
                w.Mittelpunkt = m;
            };
        };
        const struct {
            const char* was;
            std::function<void()> tun;
            int zeichnungen = 1;  // redraws
        } schritte[] = {
            {"main switch on", klick(0)},
            {"meridians off", klick(1)},
            {"parallels off", klick(2)},
            {"surface on", klick(3)},
            {"half surface on", klick(4)},
            {"equator on", klick(5)},
            {"zero meridian on", klick(6)},
            {"centre on", klick(7)},
            {"centre vector on", klick(8)},
            {"point on", klick(9)},
            {"position vector on", klick(10)},
            {"difference vector on", klick(11)},
            {"many position vectors on", klick(12)},
            {"many difference vectors on", klick(13)},
            {"tangent plane on", klick(14)},
            {"radius up", pfeil("KugelRadiusSpinEdit", Qt::Key_Up, &w.Radius, 4)},
            {"n up by 4", pfeil("KugelRotSchritteSpinEdit", Qt::Key_Up, &w.RotSchritte, 12)},
            {"i up", pfeil("PunktSchrittexySpinEdit", Qt::Key_Up, &w.SchritteXY, 1)},
            {"j up", pfeil("PunktSchrittezSpinEdit", Qt::Key_Up, &w.SchritteZ, 1)},
            {"M x down",
             [&] {
                 taste("MxSpinEdit", Qt::Key_Down);
                 w.Mittelpunkt.x = 3;
             }},
            {"Reset: radius 1, M = 0, the rest stays", knopf("ResetButton", 1, {0, 0, 0})},
            {"Reset again changes no field and draws nothing", knopf("ResetButton", 1, {0, 0, 0}), 0},
            {"Beispiel", knopf("BeispielButton", 3, {4, 3, 1})},
            {"Beispiel again draws nothing", knopf("BeispielButton", 3, {4, 3, 1}), 0},
            {"main switch off", klick(0)},
        };
        int erwartet = 0;
        for (const auto& s : schritte) {
            s.tun();
            erwartet += s.zeichnungen;
            QVERIFY2(zeichnungen == erwartet, s.was);
            const tVektorKugelEinstellungen& e = modell->Einstellungen();
            QVERIFY2(Schalter(e) == an, s.was);
            QVERIFY2(e.Werte == w, s.was);
            QVERIFY2(feldWerte() == w, s.was);
        }
        // P of the last state: r = 3, one step of 30° round and up from (4, 3, 1).
        const double g = 30.0 / 360 * 2 * 3.141592653589793;
        const tVektor3 p = modell->Kugelpunkt();
        QVERIFY(std::abs(p.x - (4 + 3 * std::cos(g) * std::cos(g))) < 1e-12);
        QVERIFY(std::abs(p.y - (3 + 3 * std::sin(g) * std::cos(g))) < 1e-12);
        QVERIFY(std::abs(p.z - (1 + 3 * std::sin(g))) < 1e-12);
    }

    // Lowering n puts a step count beyond it back to 0 within the same change: one model
    // update, one redraw, never a state with a count above n; raising n resets nothing.
    void theStepCountsFollowNInOneChange()
    {
        zeigen();
        taste("KugelRotSchritteSpinEdit", Qt::Key_Up, 2);  // n = 16
        taste("PunktSchrittexySpinEdit", Qt::Key_Up, 10);
        taste("PunktSchrittezSpinEdit", Qt::Key_Up, 5);
        QVERIFY(feldWerte() == (tVektorKugelWerte{3, 16, 10, 5, {4, 3, 1}}));
        const struct {
            const char* was;
            Qt::Key taste;
            int n, i, j;
        } faelle[] = {
            {"n 12: i = 10 stays", Qt::Key_Down, 12, 10, 5},
            {"n 8: i = 10 goes to 0, j = 5 stays", Qt::Key_Down, 8, 0, 5},
            {"n 4: j = 5 goes to 0", Qt::Key_Down, 4, 0, 0},
            {"n 8 again: nothing comes back", Qt::Key_Up, 8, 0, 0},
        };
        for (const auto& f : faelle) {
            const int vorher = zeichnungen;
            taste("KugelRotSchritteSpinEdit", f.taste);
            QVERIFY2(zeichnungen == vorher + 1, f.was);
            QVERIFY2(feldWerte() == (tVektorKugelWerte{3, f.n, f.i, f.j, {4, 3, 1}}), f.was);
            QVERIFY2(modell->Einstellungen().Werte == feldWerte(), f.was);
            for (const char* name : {"PunktSchrittexySpinEdit", "PunktSchrittezSpinEdit"})
                QVERIFY2(feld(name)->MaxValue() == f.n, f.was);
        }
        // Both at once: one redraw for the change of n, both counts 0.
        taste("PunktSchrittexySpinEdit", Qt::Key_Up, 8);
        taste("PunktSchrittezSpinEdit", Qt::Key_Up, 6);
        const int vorher = zeichnungen;
        taste("KugelRotSchritteSpinEdit", Qt::Key_Down);
        QCOMPARE(zeichnungen, vorher + 1);
        QVERIFY(modell->Einstellungen().Werte == (tVektorKugelWerte{3, 4, 0, 0, {4, 3, 1}}));
        // The arrows stop at n.
        taste("PunktSchrittezSpinEdit", Qt::Key_Up, 6);
        QCOMPARE(feld("PunktSchrittezSpinEdit")->Value(), 4);
        QCOMPARE(modell->Einstellungen().Werte.SchritteZ, 4);
    }

    // The radius can be typed into: the picture gets at most 10, a text that is no whole
    // number counts as 0, and leaving the field shows the number used.
    void aTypedRadiusIsKeptWithinItsRange()
    {
        zeigen();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        schalter("KugelCheckBox")->setChecked(true);
        BoxBeantworter ok(QStringLiteral("OK"));
        TSpinEdit* radius = feld("KugelRadiusSpinEdit");
        radius->setFocus();
        const struct {
            QString getippt;
            int gilt;
        } faelle[] = {{"100", 10}, {"-3", 0}, {"abc", 0}, {"2,5", 0}, {"7", 7}};
        for (const auto& f : faelle) {
            radius->selectAll();
            QTest::keyClick(radius, Qt::Key_Delete);
            QTest::keyClicks(radius, f.getippt);
            QCOMPARE(radius->text(), f.getippt);
            QVERIFY2(modell->Einstellungen().Werte.Radius == f.gilt, qPrintable(f.getippt));
        }
        radius->setText(QStringLiteral("100"));
        schalter("KugelLKCheckBox")->setFocus(Qt::TabFocusReason);
        QCOMPARE(radius->text(), QStringLiteral("10"));
        QCOMPARE(modell->Einstellungen().Werte.Radius, 10);
        QVERIFY(ok.texte().isEmpty());
    }

    void closingSwitchesTheSceneOffAndKeepsEverythingElse()
    {
        zeigen();
        for (QCheckBox* b : form->findChildren<QCheckBox*>())
            b->setChecked(true);
        taste("PunktSchrittezSpinEdit", Qt::Key_Up, 2);
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("KugelCheckBox")->isChecked());
        QCOMPARE(zeichnungen, vorher + 1);
        std::array<bool, 15> erwartet;
        erwartet.fill(true);
        erwartet[0] = false;
        QVERIFY(Schalter(modell->Einstellungen()) == erwartet);
        QVERIFY(modell->Einstellungen().Werte == (tVektorKugelWerte{3, 8, 0, 2, {4, 3, 1}}));
        form->Zeigen();
        QCOMPARE(zeichnungen, vorher + 1);
    }
};

QTEST_MAIN(TestVektorKugelForm)
#include "test_vektorkugel_form.moc"
