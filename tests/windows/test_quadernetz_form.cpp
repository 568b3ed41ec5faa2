// The cuboid net's window, driven by its control names: where it opens and that it shows
// the model's settings, that it fits the test font at its designed size, that every control
// copies the whole window into the model and redraws once, that a number typed out of range
// reaches the model in range without a box, and that closing it takes the scene out of the
// picture.

#include "boxbeantworter.h"
#include "scenes/math/quadernetz.h"
#include "szenenfenster.h"
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

class TestQuaderNetz : public QObject, SzenenFenster<TQuaderNetz, TQuaderNetzForm> {
    Q_OBJECT

    // A check box's own text, or the text of the label that names a spin edit.
    QString beschriftung(const char* name) const
    {
        QWidget* control = element<QWidget>(name);
        if (auto* box = qobject_cast<QCheckBox*>(control))
            return box->text();
        for (QLabel* l : form->findChildren<QLabel*>())
            if (l->buddy() == control)
                return l->text();
        return {};
    }

    // What the window shows, control by control, as the test compares it with the model.
    Stand standDerControls() const
    {
        const auto an = [this](const char* name) { return schalter(name)->isChecked(); };
        const auto zahl = [this](const char* name) { return double(feld(name)->Value()); };
        return {an("QuaderCheckBox"),   an("KantenCheckBox"),  an("FlaechenCheckBox"), zahl("LaengeSpinEdit"),
                zahl("BreiteSpinEdit"), zahl("HoeheSpinEdit"), an("DFCheckBox"),       an("VFCheckBox"),
                an("RFCheckBox"),       an("LSCheckBox"),      an("RSCheckBox")};
    }

private slots:
    void initTestCase() { Einrichten(); }
    void init() { Anlegen(); }
    void cleanup() { Abbauen(); }

    void opensBesideTheMainWindowShowingTheModelsStartValues()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Quader - Netz"));
        QCOMPARE(form->size(), QSize(286, 186));
        QCOMPARE(form->pos(), hauptfenster->pos() + QPoint(50, 50));
        zeigen();
        const Stand start{false, true, false, 4, 3, 2};
        QCOMPARE(StandVon(*modell), start);
        QCOMPARE(standDerControls(), start);
        for (const char* name : {"LaengeSpinEdit", "BreiteSpinEdit", "HoeheSpinEdit"}) {
            TSpinEdit* f = feld(name);
            QVERIFY2(f->MinValue() == 1 && f->MaxValue() == 5 && f->Increment() == 1, name);
        }
        QCOMPARE(zeichnungen, 0);
    }

    // In the test font the window keeps its designed size and everything fits.
    void everythingFitsInTheTestFontAtTheDesignedSize()
    {
        zeigen();
        QCOMPARE(form->size(), QSize(286, 186));
        const QStringList fehler = Passfehler(form.get());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
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
        Abbauen();
        Anlegen([&e](TQuaderNetz& m) { m.EinstellungenAendern(e); });
        QCOMPARE(standDerControls(), StandVon(e));
        QVERIFY(modell->Einstellungen() == e);
        QCOMPARE(zeichnungen, 0);
    }

    // One control after the other, as a user would: each change reads the whole window
    // and redraws once.
    void everyControlUpdatesTheModelAndRedrawsOnce()
    {
        form->Zeigen();
        const auto klick = [this](const char* name) { return [this, name] { schalter(name)->click(); }; };
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
        Stand vorher = StandVon(*modell);
        for (const auto& s : schritte) {
            QCOMPARE(beschriftung(s.name), s.beschriftung);
            const int vorherGezeichnet = zeichnungen;
            s.tun();
            QVERIFY2(StandVon(*modell) == s.danach,
                     qPrintable(QString::fromLatin1(s.name) + ": " + Text(StandVon(*modell))));
            QCOMPARE(zeichnungen - vorherGezeichnet, s.danach == vorher ? 0 : 1);
            vorher = s.danach;
        }
    }

    // The one rule for typed numbers: typing is never interrupted by a box, the model sees
    // the nearest allowed number at once, and leaving the field shows that number.
    void aNumberTypedAboveTheRangeCountsAsTheMaximumWithoutABox()
    {
        form->Zeigen();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TSpinEdit* laenge = feld("LaengeSpinEdit");
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
        QCOMPARE(modell->Einstellungen().Laenge, 5.0);

        feld("BreiteSpinEdit")->setFocus();
        QTRY_VERIFY(!laenge->hasFocus());
        QCOMPARE(laenge->text(), QStringLiteral("5"));
        QCOMPARE(StandVon(*modell), (Stand{false, true, false, 5, 3, 2}));
        QVERIFY2(keineBox(), qPrintable(boxen.texte().join(QStringLiteral(" | "))));
    }

    void closingSwitchesTheSceneOffAndKeepsTheRest()
    {
        form->Zeigen();
        schalter("QuaderCheckBox")->click();
        schalter("RFCheckBox")->click();
        const int vorher = zeichnungen;
        QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QVERIFY(!schalter("QuaderCheckBox")->isChecked());
        QCOMPARE(StandVon(*modell), (Stand{false, true, false, 4, 3, 2, false, false, true}));
        QCOMPARE(zeichnungen, vorher + 1);
    }
};

QTEST_MAIN(TestQuaderNetz)
#include "test_quadernetz_form.moc"
