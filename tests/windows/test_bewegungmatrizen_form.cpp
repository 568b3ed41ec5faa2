// The window of motion with matrices, driven by its control names: where it opens and
// with which values, that it fits the test font at its designed size and its lettered
// buttons grow with a wider font, that every switch and every step updates the model and
// redraws once, that closing it takes the cuboid out of the picture and back to its start,
// and that a bad matrix field under a held button gives one box and stops the repetition.

#include "boxbeantworter.h"
#include "scenes/math/bewegungmatrizen.h"
#include "szenenfenster.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/meldungen.h"
#include "windows/scenes/math/bewegungmatrizen_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <functional>
#include <memory>

using namespace orbisto;

namespace {

// The repetition runs on the button's own timer; firing it by hand makes the sequence exact.
bool Feuern(TRxSpeedButton* knopf)
{
    auto* timer = knopf->findChild<QTimer*>(QStringLiteral("RepeatTimer"));
    if (!timer || !timer->isActive())
        return false;
    QTimerEvent ablauf(timer->timerId());
    QCoreApplication::sendEvent(timer, &ablauf);
    return true;
}

int piepse = 0;
void Zaehlen() { ++piepse; }

const char* const Buchstaben[] = {"ARxSpeedButton", "BRxSpeedButton", "CRxSpeedButton", "DRxSpeedButton",
                                  "ERxSpeedButton", "FRxSpeedButton", "GRxSpeedButton", "HRxSpeedButton"};

}  // namespace

class TestBewegungMatrizen : public QObject, SzenenFenster<TBewegungMatrizen, TBewegungMatrizenForm> {
    Q_OBJECT

    QComboBox* liste(const char* name) const { return element<QComboBox>(name); }
    QLabel* koordinaten() const { return label("KoLabel"); }

    // The list as the label shows it: one corner a line.
    QString Liste() const { return QString::fromStdString(modell->Koordinatenliste()).replace(u'\r', u'\n'); }

    // The window made afresh for a model that `vorbereiten` changed first.
    void neuAnlegen(const std::function<void(TBewegungMatrizen&)>& vorbereiten)
    {
        Abbauen();
        Anlegen(vorbereiten);
    }

private slots:
    void initTestCase()
    {
        Einrichten();
        SignaltonSetzen(&Zaehlen);
    }

    void init()
    {
        Anlegen();
        piepse = 0;
    }

    void cleanup()
    {
        Abbauen();
        TestSchriftSetzen();  // back from a wider font, should a test have failed in it
    }

    void opensBesideTheMainWindowWithItsStartValues()
    {
        // Wherever the cuboid was, the window starts it afresh.
        neuAnlegen([](TBewegungMatrizen& m) { m.Verschieben(TBewegungMatrizen::tAchse::X, 1); });
        QCOMPARE(form->windowTitle(), QStringLiteral("Bewegung mit Matrizen"));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        QCOMPARE(form->size(), QSize(342, 306));
        zeigen();

        QCOMPARE(modell->Ecken(), TBewegungMatrizen::StartQuader());
        QCOMPARE(modell->Einstellungen(), tBewegungMatrizenEinstellungen{});
        QCOMPARE(modell->Einstellungen().VerschiebeSchritt, 0.2);
        QCOMPARE(modell->Einstellungen().DrehSchrittGrad, 10.0);
        QVERIFY(!koordinaten()->isVisible());
        QCOMPARE(koordinaten()->text(), Liste());
        QVERIFY(koordinaten()->text().startsWith(QStringLiteral(" A: 0,00  0,00  0,00 1,00 \n B: 3,00  ")));
        QCOMPARE(liste("VerschiebungSchrittComboBox")->currentText(), QStringLiteral("0,2"));
        QCOMPARE(liste("DrehungSchrittComboBox")->currentText(), QStringLiteral("10"));
        for (const char* name : {"xDrehCheckBox", "yDrehCheckBox", "zDrehCheckBox"})
            QCOMPARE(schalter(name)->isChecked(), name[0] == 'y');
        QCOMPARE(zeichnungen, 0);
    }

    // In the test font the window keeps its designed size and everything fits, with the
    // list of corners hidden and shown; the lettered buttons are squares of 22 pixels.
    void everythingFitsInTheTestFontAtTheDesignedSize()
    {
        zeigen();
        for (bool quader : {false, true}) {
            if (quader)
                schalter("QuaderCheckBox")->click();
            QCOMPARE(koordinaten()->isVisible(), quader);
            QCOMPARE(form->size(), QSize(342, 306));
            const QStringList fehler = Passfehler(form.get());
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        }
        for (const char* name : Buchstaben)
            QVERIFY2(knopf(name)->size() == QSize(22, 22), name);
        QCOMPARE(knopf("ABCDEFGHRxSpeedButton")->height(), 22);
    }

    // A wider font makes the lettered buttons larger squares, all of one size, that hold
    // their letters; "alle" spans their row and keeps their height.
    void theLetteredButtonsGrowWithTheFont()
    {
        Abbauen();
        TestSchriftSetzen(12);
        Anlegen();
        zeigen();
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        const QSize seite = knopf("ARxSpeedButton")->size();
        QVERIFY(seite.width() > 22);
        QCOMPARE(seite.height(), seite.width());
        for (const char* name : Buchstaben)
            QVERIFY2(knopf(name)->size() == seite, name);
        const QRect alle = knopf("ABCDEFGHRxSpeedButton")->geometry();
        QCOMPARE(alle.height(), seite.height());
        QCOMPARE(alle.left(), knopf("ERxSpeedButton")->x());
        QCOMPARE(alle.right(), knopf("HRxSpeedButton")->geometry().right());
        QVERIFY(alle.top() > knopf("ERxSpeedButton")->geometry().bottom());
    }

    // The window shows what the model holds when it is made, and runs and draws nothing.
    void opensWithTheSettingsTheModelHolds()
    {
        const tBewegungMatrizenEinstellungen gesetzt{.Quader = true,
                                                     .RFgefuellt = false,
                                                     .GFgefuellt = true,
                                                     .KomponentenA = false,
                                                     .Spur = true,
                                                     .VerschiebeSchritt = 1,
                                                     .DrehSchrittGrad = 45};
        neuAnlegen([&gesetzt](TBewegungMatrizen& m) { m.EinstellungenAendern(gesetzt); });
        const struct {
            const char* name;
            bool an;
        } boxen[] = {{"QuaderCheckBox", true},
                     {"RFgefuelltCheckBox", false},
                     {"GFgefuelltCheckBox", true},
                     {"KomponentenACheckBox", false},
                     {"SpurCheckBox", true}};
        for (const auto& b : boxen)
            QVERIFY2(schalter(b.name)->isChecked() == b.an, b.name);
        QCOMPARE(liste("VerschiebungSchrittComboBox")->currentText(), QStringLiteral("1,0"));
        QCOMPARE(liste("DrehungSchrittComboBox")->currentText(), QStringLiteral("45"));
        QVERIFY(koordinaten()->isVisibleTo(form.get()));
        QCOMPARE(modell->Einstellungen(), gesetzt);
        QCOMPARE(zeichnungen, 0);
    }

    // The step buttons: their hints, pictures and how they repeat while held.
    void stepButtonsShowTheirHintAndRepeatAfterTheirPause()
    {
        const struct {
            const char* name;
            const char* hinweis;
            int pause;  // 0: no repetition
            bool bild;
        } knoepfe[] = {
            {"xplusRxSpeedButton", "positive  X - Richtung", 500, true},
            {"xminusRxSpeedButton", "negative  X - Richtung", 500, true},
            {"yplusRxSpeedButton", "positive  Y - Richtung", 500, true},
            {"yminusRxSpeedButton", "negative  Y - Richtung", 500, true},
            {"zplusRxSpeedButton", "positive  Z - Richtung", 500, true},
            {"zminusRxSpeedButton", "negative  Z - Richtung", 500, true},
            {"ResetSpeedButton", "Reset", 0, true},
            {"RotPlusRxSpeedButton", "Positive Drehung\nmit Blick auf die positive Achse", 300, true},
            {"RotMinusRxSpeedButton", "Negative Drehung\nmit Blick auf die positive Achse", 300, true},
            {"ARxSpeedButton", "auf Punkt A anwenden", 500, false},
            {"HRxSpeedButton", "auf Punkt H anwenden", 500, false},
            {"ABCDEFGHRxSpeedButton", "auf alle Punkte anwenden", 500, false},
        };
        for (const auto& k : knoepfe) {
            TRxSpeedButton* b = knopf(k.name);
            QCOMPARE(b->toolTip(), QString::fromUtf8(k.hinweis));
            QCOMPARE(b->Repeat(), k.pause > 0);
            if (k.pause > 0) {
                QCOMPARE(b->InitialPause(), k.pause);
                QCOMPARE(b->RepeatInterval(), 100);
            }
            QCOMPARE(!b->icon().isNull(), k.bild);
        }
    }

    // One control after the other, as a user would; each redraws once and the list follows,
    // except the axis switches, which only a rotation button reads.
    void everyControlUpdatesTheModelAndRedrawsOnce()
    {
        form->Zeigen();
        const auto klick = [this](const char* name) { return [this, name] { schalter(name)->click(); }; };
        const auto druck = [this](const char* name) {
            return [this, name] { QTest::mouseClick(knopf(name), Qt::LeftButton); };
        };
        const auto wahl = [this](const char* name, const char* text) {
            return
                [this, name, text] { liste(name)->setCurrentIndex(liste(name)->findText(QString::fromLatin1(text))); };
        };
        const auto& m = *modell;
        const auto a = [&m] { return m.Ecken()[0]; };
        const struct {
            const char* name;
            std::function<void()> tun;
            std::function<bool()> danach;
            int zeichnungen;
        } schritte[] = {
            {"QuaderCheckBox", klick("QuaderCheckBox"),
             [&] { return m.Einstellungen().Quader && koordinaten()->isVisible(); }, 1},
            {"GFgefuelltCheckBox", klick("GFgefuelltCheckBox"),
             [&] { return m.Einstellungen().GFgefuellt && !m.Einstellungen().RFgefuellt; }, 1},
            {"RFgefuelltCheckBox", klick("RFgefuelltCheckBox"), [&] { return m.Einstellungen().RFgefuellt; }, 1},
            {"KomponentenACheckBox", klick("KomponentenACheckBox"), [&] { return m.Einstellungen().KomponentenA; }, 1},
            {"SpurCheckBox", klick("SpurCheckBox"), [&] { return m.Einstellungen().Spur && m.SpurAnzahl() == 0; }, 1},
            {"VerschiebungSchrittComboBox", wahl("VerschiebungSchrittComboBox", "1,0"),
             [&] { return m.Einstellungen().VerschiebeSchritt == 1.0; }, 1},
            {"DrehungSchrittComboBox", wahl("DrehungSchrittComboBox", "90"),
             [&] { return m.Einstellungen().DrehSchrittGrad == 90; }, 1},
            {"xplusRxSpeedButton", druck("xplusRxSpeedButton"),
             [&] {
                 return a() == t4DPunkt{1, 0, 0, 1} && m.SpurAnzahl() == 1;
             },
             1},
            {"yminusRxSpeedButton", druck("yminusRxSpeedButton"),
             [&] {
                 return a() == t4DPunkt{1, -1, 0, 1};
             },
             1},
            {"zplusRxSpeedButton", druck("zplusRxSpeedButton"),
             [&] {
                 return a() == t4DPunkt{1, -1, 1, 1};
             },
             1},
            {"yDrehCheckBox", klick("yDrehCheckBox"),
             [&] {
                 return a() == t4DPunkt{1, -1, 1, 1};
             },
             0},
            {"zDrehCheckBox", klick("zDrehCheckBox"),
             [&] {
                 return a() == t4DPunkt{1, -1, 1, 1};
             },
             0},
            // A quarter turn about z only.
            {"RotPlusRxSpeedButton", druck("RotPlusRxSpeedButton"),
             [&] { return std::abs(a().x - 1) < 1e-12 && std::abs(a().y - 1) < 1e-12 && a().z == 1; }, 1},
            {"RotMinusRxSpeedButton", druck("RotMinusRxSpeedButton"),
             [&] { return std::abs(a().x - 1) < 1e-12 && std::abs(a().y + 1) < 1e-12 && m.SpurAnzahl() == 5; }, 1},
            {"M14Edit", [&] { element<QLineEdit>("M14Edit")->setText(QStringLiteral("2,5")); },
             [&] { return std::abs(a().x - 1) < 1e-12; }, 0},
            // The matrix moves A alone, then all corners.
            {"ARxSpeedButton", druck("ARxSpeedButton"),
             [&] { return std::abs(a().x - 3.5) < 1e-12 && std::abs(m.Ecken()[1].x - 4) < 1e-12; }, 1},
            {"ABCDEFGHRxSpeedButton", druck("ABCDEFGHRxSpeedButton"),
             [&] { return std::abs(a().x - 6) < 1e-12 && std::abs(m.Ecken()[1].x - 6.5) < 1e-12; }, 1},
            {"ResetSpeedButton", druck("ResetSpeedButton"),
             [&] { return m.Ecken() == TBewegungMatrizen::StartQuader() && m.SpurAnzahl() == 7; }, 1},
            {"SpurCheckBox", klick("SpurCheckBox"), [&] { return !m.Einstellungen().Spur && m.SpurAnzahl() == 0; }, 1},
            {"QuaderCheckBox", klick("QuaderCheckBox"),
             [&] { return !m.Einstellungen().Quader && !koordinaten()->isVisible(); }, 1},
        };
        for (const auto& s : schritte) {
            const int vorher = zeichnungen;
            s.tun();
            QVERIFY2(s.danach(), s.name);
            QVERIFY2(zeichnungen - vorher == s.zeichnungen, s.name);
            QVERIFY2(koordinaten()->text() == Liste(), s.name);
        }
    }

    void closingSwitchesTheSceneOffAndPutsTheCuboidBack()
    {
        form->Zeigen();
        schalter("QuaderCheckBox")->click();
        schalter("SpurCheckBox")->click();
        QComboBox* schritt = liste("VerschiebungSchrittComboBox");
        schritt->setCurrentIndex(schritt->findText(QStringLiteral("0,5")));
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(knopf("zplusRxSpeedButton"), Qt::LeftButton);
        const int vorher = zeichnungen;

        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("QuaderCheckBox")->isChecked());
        QVERIFY(!modell->Einstellungen().Quader);
        QCOMPARE(zeichnungen, vorher + 1);
        QCOMPARE(modell->Ecken(), TBewegungMatrizen::StartQuader());
        QCOMPARE(koordinaten()->text(), Liste());
        // The trail, its switch and the steps stay as they were.
        QVERIFY(modell->Einstellungen().Spur);
        QCOMPARE(modell->SpurAnzahl(), 2);
        QCOMPARE(modell->Einstellungen().VerschiebeSchritt, 0.5);
    }

    // The field is read when the button fires, so the first repetition fails: one box, the
    // button comes up, no further step, and nothing of the box or its trail has moved.
    void badMatrixFieldUnderAHeldButtonGivesOneBoxAndStops()
    {
        zeigen();
        schalter("SpurCheckBox")->click();
        element<QLineEdit>("M23Edit")->setText(QStringLiteral("1.5"));
        TRxSpeedButton* alle = knopf("ABCDEFGHRxSpeedButton");
        const QString listeVorher = koordinaten()->text();
        const int vorher = zeichnungen;
        BoxBeantworter schliesser;

        QTest::mousePress(alle, Qt::LeftButton);
        QVERIFY(Feuern(alle));
        QCOMPARE(schliesser.texte(), QStringList{QStringLiteral("'1.5' ist kein gültiger Gleitkommawert")});
        QCOMPARE(piepse, 1);
        QVERIFY(!Feuern(alle));
        QVERIFY(!alle->isDown());
        QTest::mouseRelease(alle, Qt::LeftButton);
        QTest::qWait(30);
        QCOMPARE(schliesser.texte().size(), 1);

        QCOMPARE(modell->Ecken(), TBewegungMatrizen::StartQuader());
        QCOMPARE(modell->SpurAnzahl(), 0);
        QCOMPARE(koordinaten()->text(), listeVorher);
        QCOMPARE(zeichnungen, vorher);

        // Corrected, the same button steps again.
        element<QLineEdit>("M23Edit")->setText(QStringLiteral("0"));
        element<QLineEdit>("M14Edit")->setText(QStringLiteral("1"));
        QTest::mouseClick(alle, Qt::LeftButton);
        QCOMPARE(modell->Ecken()[0].x, 1.0);
        QCOMPARE(modell->SpurAnzahl(), 1);
        QCOMPARE(zeichnungen, vorher + 1);
    }
};

QTEST_MAIN(TestBewegungMatrizen)
#include "test_bewegungmatrizen_form.moc"
