// The window of motion with matrices, driven by its control names: where it opens and
// with which values, that every switch and every step updates the model and redraws once,
// that closing it takes the cuboid out of the picture and back to its start, and that a
// bad matrix field under a held button gives one box and stops the repetition.

#include "boxbeantworter.h"
#include "programm/programm.h"
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

}  // namespace

class TestBewegungMatrizen : public QObject {
    Q_OBJECT

    Programm programm;
    QWidget hauptfenster;
    std::unique_ptr<TBewegungMatrizen> modell;
    int zeichnungen = 0;

    SzenenUmgebung umgebung()
    {
        return {programm, [this] { ++zeichnungen; }, &hauptfenster};
    }

    template <class T>
    static T* Control(QWidget& form, const char* name)
    {
        T* c = form.findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    // The list as the label shows it: one corner a line.
    QString Liste() const { return QString::fromStdString(modell->Koordinatenliste()).replace(u'\r', u'\n'); }

private slots:
    void initTestCase()
    {
        SignaltonSetzen(&Zaehlen);
        // The program's font, which the window's size is laid out for.
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    }

    void init()
    {
        modell = std::make_unique<TBewegungMatrizen>();
        zeichnungen = 0;
        piepse = 0;
    }

    void opensBesideTheMainWindowWithItsStartValues()
    {
        hauptfenster.move(100, 120);
        modell->Verschieben(TBewegungMatrizen::tAchse::X, 1);  // wherever it was, the window starts it afresh
        TBewegungMatrizenForm form(umgebung(), *modell);
        QCOMPARE(form.windowTitle(), QStringLiteral("Bewegung mit Matrizen"));
        QCOMPARE(form.pos(), QPoint(150, 170));
        form.Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(342, 306));  // everything fits, and nothing grows it

        QCOMPARE(modell->Ecken(), TBewegungMatrizen::StartQuader());
        QCOMPARE(modell->Einstellungen(), tBewegungMatrizenEinstellungen{});
        QCOMPARE(modell->Einstellungen().VerschiebeSchritt, 0.2);
        QCOMPARE(modell->Einstellungen().DrehSchrittGrad, 10.0);
        auto* liste = Control<QLabel>(form, "KoLabel");
        QVERIFY(!liste->isVisible());
        QCOMPARE(liste->text(), Liste());
        QVERIFY(liste->text().startsWith(QStringLiteral(" A: 0,00  0,00  0,00 1,00 \n B: 3,00  ")));
        QCOMPARE(Control<QComboBox>(form, "VerschiebungSchrittComboBox")->currentText(), QStringLiteral("0,2"));
        QCOMPARE(Control<QComboBox>(form, "DrehungSchrittComboBox")->currentText(), QStringLiteral("10"));
        for (const char* name : {"xDrehCheckBox", "yDrehCheckBox", "zDrehCheckBox"})
            QCOMPARE(Control<QCheckBox>(form, name)->isChecked(), name[0] == 'y');
        QCOMPARE(zeichnungen, 0);
    }

    // The window shows what the model holds when it is made, and runs and draws nothing.
    void opensWithTheSettingsTheModelHolds()
    {
        modell->EinstellungenAendern({.Quader = true,
                                      .RFgefuellt = false,
                                      .GFgefuellt = true,
                                      .KomponentenA = false,
                                      .Spur = true,
                                      .VerschiebeSchritt = 1,
                                      .DrehSchrittGrad = 45});
        const tBewegungMatrizenEinstellungen vorher = modell->Einstellungen();
        TBewegungMatrizenForm form(umgebung(), *modell);
        const struct {
            const char* name;
            bool an;
        } boxen[] = {{"QuaderCheckBox", true},
                     {"RFgefuelltCheckBox", false},
                     {"GFgefuelltCheckBox", true},
                     {"KomponentenACheckBox", false},
                     {"SpurCheckBox", true}};
        for (const auto& b : boxen)
            QVERIFY2(Control<QCheckBox>(form, b.name)->isChecked() == b.an, b.name);
        QCOMPARE(Control<QComboBox>(form, "VerschiebungSchrittComboBox")->currentText(), QStringLiteral("1,0"));
        QCOMPARE(Control<QComboBox>(form, "DrehungSchrittComboBox")->currentText(), QStringLiteral("45"));
        QVERIFY(Control<QLabel>(form, "KoLabel")->isVisibleTo(&form));
        QCOMPARE(modell->Einstellungen(), vorher);
        QCOMPARE(zeichnungen, 0);
    }

    // The step buttons: their hints, pictures and how they repeat while held.
    void stepButtonsShowTheirHintAndRepeatAfterTheirPause()
    {
        TBewegungMatrizenForm form(umgebung(), *modell);
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
            auto* knopf = Control<TRxSpeedButton>(form, k.name);
            QCOMPARE(knopf->toolTip(), QString::fromUtf8(k.hinweis));
            QCOMPARE(knopf->Repeat(), k.pause > 0);
            if (k.pause > 0) {
                QCOMPARE(knopf->InitialPause(), k.pause);
                QCOMPARE(knopf->RepeatInterval(), 100);
            }
            QCOMPARE(!knopf->icon().isNull(), k.bild);
        }
    }

    // One control after the other, as a user would; each redraws once and the list follows,
    // except the axis switches, which only a rotation button reads.
    void everyControlUpdatesTheModelAndRedrawsOnce()
    {
        TBewegungMatrizenForm form(umgebung(), *modell);
        form.Zeigen();
        const auto klick = [&form](const char* name) {
            return [&form, name] { Control<QCheckBox>(form, name)->click(); };
        };
        const auto knopf = [&form](const char* name) {
            return [&form, name] { QTest::mouseClick(Control<TRxSpeedButton>(form, name), Qt::LeftButton); };
        };
        const auto wahl = [&form](const char* name, const char* text) {
            return [&form, name, text] {
                auto* liste = Control<QComboBox>(form, name);
                liste->setCurrentIndex(liste->findText(QString::fromLatin1(text)));
            };
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
             [&] { return m.Einstellungen().Quader && Control<QLabel>(form, "KoLabel")->isVisible(); }, 1},
            {"GFgefuelltCheckBox", klick("GFgefuelltCheckBox"),
             [&] { return m.Einstellungen().GFgefuellt && !m.Einstellungen().RFgefuellt; }, 1},
            {"RFgefuelltCheckBox", klick("RFgefuelltCheckBox"), [&] { return m.Einstellungen().RFgefuellt; }, 1},
            {"KomponentenACheckBox", klick("KomponentenACheckBox"), [&] { return m.Einstellungen().KomponentenA; }, 1},
            {"SpurCheckBox", klick("SpurCheckBox"), [&] { return m.Einstellungen().Spur && m.SpurAnzahl() == 0; }, 1},
            {"VerschiebungSchrittComboBox", wahl("VerschiebungSchrittComboBox", "1,0"),
             [&] { return m.Einstellungen().VerschiebeSchritt == 1.0; }, 1},
            {"DrehungSchrittComboBox", wahl("DrehungSchrittComboBox", "90"),
             [&] { return m.Einstellungen().DrehSchrittGrad == 90; }, 1},
            {"xplusRxSpeedButton", knopf("xplusRxSpeedButton"),
             [&] {
                 return a() == t4DPunkt{1, 0, 0, 1} && m.SpurAnzahl() == 1;
             },
             1},
            {"yminusRxSpeedButton", knopf("yminusRxSpeedButton"),
             [&] {
                 return a() == t4DPunkt{1, -1, 0, 1};
             },
             1},
            {"zplusRxSpeedButton", knopf("zplusRxSpeedButton"),
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
            {"RotPlusRxSpeedButton", knopf("RotPlusRxSpeedButton"),
             [&] { return std::abs(a().x - 1) < 1e-12 && std::abs(a().y - 1) < 1e-12 && a().z == 1; }, 1},
            {"RotMinusRxSpeedButton", knopf("RotMinusRxSpeedButton"),
             [&] { return std::abs(a().x - 1) < 1e-12 && std::abs(a().y + 1) < 1e-12 && m.SpurAnzahl() == 5; }, 1},
            {"M14Edit", [&] { Control<QLineEdit>(form, "M14Edit")->setText(QStringLiteral("2,5")); },
             [&] { return std::abs(a().x - 1) < 1e-12; }, 0},
            // The matrix moves A alone, then all corners.
            {"ARxSpeedButton", knopf("ARxSpeedButton"),
             [&] { return std::abs(a().x - 3.5) < 1e-12 && std::abs(m.Ecken()[1].x - 4) < 1e-12; }, 1},
            {"ABCDEFGHRxSpeedButton", knopf("ABCDEFGHRxSpeedButton"),
             [&] { return std::abs(a().x - 6) < 1e-12 && std::abs(m.Ecken()[1].x - 6.5) < 1e-12; }, 1},
            {"ResetSpeedButton", knopf("ResetSpeedButton"),
             [&] { return m.Ecken() == TBewegungMatrizen::StartQuader() && m.SpurAnzahl() == 7; }, 1},
            {"SpurCheckBox", klick("SpurCheckBox"), [&] { return !m.Einstellungen().Spur && m.SpurAnzahl() == 0; }, 1},
            {"QuaderCheckBox", klick("QuaderCheckBox"),
             [&] { return !m.Einstellungen().Quader && !Control<QLabel>(form, "KoLabel")->isVisible(); }, 1},
        };
        for (const auto& s : schritte) {
            const int vorher = zeichnungen;
            s.tun();
            QVERIFY2(s.danach(), s.name);
            QVERIFY2(zeichnungen - vorher == s.zeichnungen, s.name);
            QVERIFY2(Control<QLabel>(form, "KoLabel")->text() == Liste(), s.name);
        }
    }

    void closingSwitchesTheSceneOffAndPutsTheCuboidBack()
    {
        TBewegungMatrizenForm form(umgebung(), *modell);
        form.Zeigen();
        Control<QCheckBox>(form, "QuaderCheckBox")->click();
        Control<QCheckBox>(form, "SpurCheckBox")->click();
        auto* schritt = Control<QComboBox>(form, "VerschiebungSchrittComboBox");
        schritt->setCurrentIndex(schritt->findText(QStringLiteral("0,5")));
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(Control<TRxSpeedButton>(form, "zplusRxSpeedButton"), Qt::LeftButton);
        const int vorher = zeichnungen;

        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(!Control<QCheckBox>(form, "QuaderCheckBox")->isChecked());
        QVERIFY(!modell->Einstellungen().Quader);
        QCOMPARE(zeichnungen, vorher + 1);
        QCOMPARE(modell->Ecken(), TBewegungMatrizen::StartQuader());
        QCOMPARE(Control<QLabel>(form, "KoLabel")->text(), Liste());
        // The trail, its switch and the steps stay as they were.
        QVERIFY(modell->Einstellungen().Spur);
        QCOMPARE(modell->SpurAnzahl(), 2);
        QCOMPARE(modell->Einstellungen().VerschiebeSchritt, 0.5);
    }

    // The field is read when the button fires, so the first repetition fails: one box, the
    // button comes up, no further step, and nothing of the box or its trail has moved.
    void badMatrixFieldUnderAHeldButtonGivesOneBoxAndStops()
    {
        TBewegungMatrizenForm form(umgebung(), *modell);
        form.Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Control<QCheckBox>(form, "SpurCheckBox")->click();
        Control<QLineEdit>(form, "M23Edit")->setText(QStringLiteral("1.5"));
        auto* alle = Control<TRxSpeedButton>(form, "ABCDEFGHRxSpeedButton");
        const QString listeVorher = Control<QLabel>(form, "KoLabel")->text();
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
        QCOMPARE(Control<QLabel>(form, "KoLabel")->text(), listeVorher);
        QCOMPARE(zeichnungen, vorher);

        // Corrected, the same button steps again.
        Control<QLineEdit>(form, "M23Edit")->setText(QStringLiteral("0"));
        Control<QLineEdit>(form, "M14Edit")->setText(QStringLiteral("1"));
        QTest::mouseClick(alle, Qt::LeftButton);
        QCOMPARE(modell->Ecken()[0].x, 1.0);
        QCOMPARE(modell->SpurAnzahl(), 1);
        QCOMPARE(zeichnungen, vorher + 1);
    }
};

QTEST_MAIN(TestBewegungMatrizen)
#include "test_bewegungmatrizen_form.moc"
