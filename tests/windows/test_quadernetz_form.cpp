// The cuboid net's window, driven by its control names: where it opens and that it shows
// the model's settings, that every control copies the whole window into the model and
// redraws once, that a number typed out of range reaches the model in range without a box,
// and that closing it takes the scene out of the picture.

#include "boxbeantworter.h"
#include "programm/programm.h"
#include "widgets/spinedit_widget.h"
#include "windows/scenes/math/quadernetz_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include <functional>

using namespace orbisto;

namespace {

// The model as the test compares it.
struct Stand {
    bool Quader = false, Kanten = false, Flaechen = false;
    double Laenge = 0, Breite = 0, Hoehe = 0;
    bool DF = false, VF = false, RF = false, LS = false, RS = false;
    bool operator==(const Stand&) const = default;
};

Stand StandVon(const tQuaderNetzEinstellungen& e)
{
    return {e.Quader, e.Kanten, e.Flaechen, e.Laenge, e.Breite, e.Hoehe, e.DF, e.VF, e.RF, e.LS, e.RS};
}

Stand StandVon(const TQuaderNetz& m) { return StandVon(m.Einstellungen()); }

QString Text(const Stand& s)
{
    return QStringLiteral("Quader %1 Kanten %2 Flaechen %3 L %4 B %5 H %6 DF %7 VF %8 RF %9 LS %10 RS %11")
        .arg(s.Quader)
        .arg(s.Kanten)
        .arg(s.Flaechen)
        .arg(s.Laenge)
        .arg(s.Breite)
        .arg(s.Hoehe)
        .arg(s.DF)
        .arg(s.VF)
        .arg(s.RF)
        .arg(s.LS)
        .arg(s.RS);
}

}  // namespace

class TestQuaderNetz : public QObject {
    Q_OBJECT

    Programm programm;
    QWidget hauptfenster;
    TQuaderNetz modell;
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

    // A check box's own text, or the text of the label that names a spin edit.
    static QString Beschriftung(QWidget& form, QWidget* control)
    {
        if (auto* box = qobject_cast<QCheckBox*>(control))
            return box->text();
        for (QLabel* label : form.findChildren<QLabel*>())
            if (label->buddy() == control)
                return label->text();
        return {};
    }

    // What the window shows, control by control, as the test compares it with the model.
    static Stand StandDerControls(QWidget& form)
    {
        const auto an = [&form](const char* name) { return Control<QCheckBox>(form, name)->isChecked(); };
        const auto zahl = [&form](const char* name) { return double(Control<TSpinEdit>(form, name)->Value()); };
        return {an("QuaderCheckBox"),   an("KantenCheckBox"),  an("FlaechenCheckBox"), zahl("LaengeSpinEdit"),
                zahl("BreiteSpinEdit"), zahl("HoeheSpinEdit"), an("DFCheckBox"),       an("VFCheckBox"),
                an("RFCheckBox"),       an("LSCheckBox"),      an("RSCheckBox")};
    }

private slots:
    void init()
    {
        modell = {};
        zeichnungen = 0;
    }

    void opensBesideTheMainWindowShowingTheModelsStartValues()
    {
        hauptfenster.move(100, 120);
        TQuaderNetzForm form(umgebung(), modell);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quader - Netz"));
        QCOMPARE(form.size(), QSize(286, 186));
        QCOMPARE(form.pos(), QPoint(150, 170));
        form.Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const Stand start{false, true, false, 4, 3, 2};
        QCOMPARE(StandVon(modell), start);
        QCOMPARE(StandDerControls(form), start);
        for (const char* name : {"LaengeSpinEdit", "BreiteSpinEdit", "HoeheSpinEdit"}) {
            TSpinEdit* f = Control<TSpinEdit>(form, name);
            QVERIFY2(f->MinValue() == 1 && f->MaxValue() == 5 && f->Increment() == 1, name);
        }
        QCOMPARE(zeichnungen, 0);
    }

    // A window made for a model that was changed before shows that model, and making it
    // changes nothing.
    void showsTheSettingsTheModelHolds()
    {
        tQuaderNetzEinstellungen e;
        e.Quader = e.Flaechen = e.RF = e.LS = true;
        e.Kanten = false;
        e.Laenge = 5;
        e.Breite = 1;
        e.Hoehe = 3;
        modell.EinstellungenAendern(e);
        TQuaderNetzForm form(umgebung(), modell);
        QCOMPARE(StandDerControls(form), StandVon(e));
        QVERIFY(modell.Einstellungen() == e);
        QCOMPARE(zeichnungen, 0);
    }

    // One control after the other, as a user would: each change reads the whole window
    // and redraws once.
    void everyControlUpdatesTheModelAndRedrawsOnce()
    {
        TQuaderNetzForm form(umgebung(), modell);
        form.Zeigen();
        const auto klick = [&form](const char* name) {
            return [&form, name] { Control<QCheckBox>(form, name)->click(); };
        };
        const auto feld = [&form](const char* name) { return Control<TSpinEdit>(form, name); };
        const struct {
            const char* name;
            QString beschriftung;
            std::function<void()> tun;
            Stand danach;
        } schritte[] = {
            {"QuaderCheckBox", "Quader", klick("QuaderCheckBox"), {true, true, false, 4, 3, 2}},
            {"KantenCheckBox", "Kanten", klick("KantenCheckBox"), {true, false, false, 4, 3, 2}},
            {"FlaechenCheckBox", "Flächen", klick("FlaechenCheckBox"), {true, false, true, 4, 3, 2}},
            {"LaengeSpinEdit",
             "Länge",
             [&] { QTest::keyClick(feld("LaengeSpinEdit"), Qt::Key_Up); },
             {true, false, true, 5, 3, 2}},
            {"LaengeSpinEdit",
             "Länge",
             [&] { QTest::keyClick(feld("LaengeSpinEdit"), Qt::Key_Up); },
             {true, false, true, 5, 3, 2}},  // the top of the range: no change, no redraw
            // Set below the range: held at its lower end.
            {"BreiteSpinEdit", "Breite", [&] { feld("BreiteSpinEdit")->setValue(0); }, {true, false, true, 5, 1, 2}},
            // No whole number: counts as the lower end.
            {"HoeheSpinEdit",
             "Höhe",
             [&] { feld("HoeheSpinEdit")->setText(QStringLiteral("x")); },
             {true, false, true, 5, 1, 1}},
            {"DFCheckBox", "Deckfläche", klick("DFCheckBox"), {true, false, true, 5, 1, 1, true}},
            {"VFCheckBox", "Vorderfläche", klick("VFCheckBox"), {true, false, true, 5, 1, 1, true, true}},
            {"RFCheckBox", "Rückfläche", klick("RFCheckBox"), {true, false, true, 5, 1, 1, true, true, true}},
            {"LSCheckBox",
             "Linke Seitenfläche",
             klick("LSCheckBox"),
             {true, false, true, 5, 1, 1, true, true, true, true}},
            {"RSCheckBox",
             "Rechte Seitenfläche",
             klick("RSCheckBox"),
             {true, false, true, 5, 1, 1, true, true, true, true, true}},
        };
        Stand vorher = StandVon(modell);
        for (const auto& s : schritte) {
            QCOMPARE(Beschriftung(form, Control<QWidget>(form, s.name)), s.beschriftung);
            const int vorherGezeichnet = zeichnungen;
            s.tun();
            QVERIFY2(StandVon(modell) == s.danach,
                     qPrintable(QString::fromLatin1(s.name) + ": " + Text(StandVon(modell))));
            QCOMPARE(zeichnungen - vorherGezeichnet, s.danach == vorher ? 0 : 1);
            vorher = s.danach;
        }
    }

    // The one rule for typed numbers: typing is never interrupted by a box, the model sees
    // the nearest allowed number at once, and leaving the field shows that number.
    void aNumberTypedAboveTheRangeCountsAsTheMaximumWithoutABox()
    {
        TQuaderNetzForm form(umgebung(), modell);
        form.Zeigen();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        TSpinEdit* laenge = Control<TSpinEdit>(form, "LaengeSpinEdit");
        QCOMPARE(laenge->MaxValue(), 5);
        BoxBeantworter boxen(QStringLiteral("OK"));
        const auto keineBox = [&boxen] {
            QTest::qWait(50);  // time for the poller to see a box, were there one
            return boxen.boxen.isEmpty();
        };
        laenge->setFocus();
        QTRY_VERIFY(laenge->hasFocus());
        laenge->selectAll();
        QTest::keyClicks(laenge, QStringLiteral("25"));
        QVERIFY2(keineBox(), qPrintable(boxen.texte().join(QStringLiteral(" | "))));
        QCOMPARE(laenge->text(), QStringLiteral("25"));  // as typed while the field has the focus
        QCOMPARE(modell.Einstellungen().Laenge, 5.0);

        Control<TSpinEdit>(form, "BreiteSpinEdit")->setFocus();
        QTRY_VERIFY(!laenge->hasFocus());
        QCOMPARE(laenge->text(), QStringLiteral("5"));
        QCOMPARE(StandVon(modell), (Stand{false, true, false, 5, 3, 2}));
        QVERIFY2(keineBox(), qPrintable(boxen.texte().join(QStringLiteral(" | "))));
    }

    void closingSwitchesTheSceneOffAndKeepsTheRest()
    {
        TQuaderNetzForm form(umgebung(), modell);
        form.Zeigen();
        Control<QCheckBox>(form, "QuaderCheckBox")->click();
        Control<QCheckBox>(form, "RFCheckBox")->click();
        const int vorher = zeichnungen;
        QVERIFY(form.close());
        QVERIFY(!form.isVisible());
        QVERIFY(!Control<QCheckBox>(form, "QuaderCheckBox")->isChecked());
        QCOMPARE(StandVon(modell), (Stand{false, true, false, 4, 3, 2, false, false, true}));
        QCOMPARE(zeichnungen, vorher + 1);
    }
};

QTEST_MAIN(TestQuaderNetz)
#include "test_quadernetz_form.moc"
