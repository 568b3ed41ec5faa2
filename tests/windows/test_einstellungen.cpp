// The projection settings window beside the real main window (run under Xvfb): what it
// shows, that it always shows the current view state, and what its controls change.

#include "app/fensterliste.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "view/ansichtsteuerung.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/spinedit_widget.h"
#include "windows/einstellungen_form.h"
#include "windows/kosyssteuerpanel_widget.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace orbisto;

class TestEinstellungen : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;
    std::unique_ptr<TFensterliste> fenster;
    TEinstellungenForm* einstellungen = nullptr;

    QString feld(const char* name) const
    {
        auto* f = einstellungen->findChild<QLineEdit*>(QString::fromLatin1(name));
        return f ? f->text() : QStringLiteral("<%1 fehlt>").arg(name);
    }

    TSpinEdit* spin(const char* name) const { return einstellungen->findChild<TSpinEdit*>(QString::fromLatin1(name)); }

    void click(QWidget* fensterMitKnopf, const char* name)
    {
        auto* knopf = fensterMitKnopf->findChild<QAbstractButton*>(QString::fromLatin1(name));
        QVERIFY2(knopf && knopf->isVisible(), name);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }

    // Types into a spin edit as the user does, replacing its text.
    static void tippen(TSpinEdit* s, const QString& text, bool ersetzen = true)
    {
        auto* zeile = s->findChild<QLineEdit*>();
        if (ersetzen)
            zeile->selectAll();
        QTest::keyClicks(zeile, text);
    }

private slots:
    void initTestCase() { FenstertestEinrichten(); }

    void init()
    {
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
        fenster = std::make_unique<TFensterliste>(*programm, *form);
        einstellungen = fenster->Einstellungen();
        QVERIFY(einstellungen);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(form->OGLPanel()->Durchgaenge() >= 1 && !form->OGLTimer.isActive());
    }

    void cleanup()
    {
        fenster.reset();
        form.reset();
        programm.reset();
    }

    void theMenuShowsTheWindowBesideTheMainWindow()
    {
        QVERIFY(!einstellungen->isVisible());
        QCOMPARE(einstellungen->windowTitle(), QStringLiteral("Einstellungen"));
        QCOMPARE(einstellungen->size(), QSize(322, 449));
        QCOMPARE(einstellungen->pos(), QPoint(10 + 20, 10 + 20));

        form->findChild<QAction*>(QStringLiteral("ProjektionsdatenMen"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(einstellungen));
        QVERIFY(!einstellungen->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::activeWindow(), einstellungen);
    }

    void showsBoundsToTwoDecimalsTheUpperOneOnTop()
    {
        einstellungen->Zeigen();
        const std::pair<const char*, const char*> vorgaben[] = {
            {"xScaleEdit", "5"}, {"OobEdit", "50"},  {"OunEdit", "-50"}, {"OliEdit", "-50"}, {"OreEdit", "50"},
            {"PobEdit", "25"},   {"PunEdit", "-25"}, {"PliEdit", "-25"}, {"PreEdit", "25"},
        };
        for (const auto& [name, text] : vorgaben)
            QCOMPARE(feld(name), QString::fromLatin1(text));

        // Eight strength steps through the panel: 25 * 1,1^8 = 53,589...
        click(form->KoSysSteuerPanel(), "PProjektionRadioButton");
        for (int i = 0; i < 8; ++i)
            click(form->KoSysSteuerPanel(), "PerspektivePlusRxSpeedButton");
        QCOMPARE(feld("PobEdit"), QStringLiteral("53,59"));
        QCOMPARE(feld("PunEdit"), QStringLiteral("-53,59"));
        QCOMPARE(feld("OobEdit"), QStringLiteral("107,18"));
        QCOMPARE(feld("zScaleEdit"), QStringLiteral("10,72"));

        // The distances as whole numbers, halves to even.
        TKoSys& k = programm->KoSys;
        k.PBeobachter = -100.5;
        k.OFern = 301.5;
        k.ySkala = 2.5;
        einstellungen->EinstellungenAnzeigen();
        QCOMPARE(spin("PbeobSpinEdit")->text(), QStringLiteral("-100"));
        QCOMPARE(spin("OfernSpinEdit")->text(), QStringLiteral("302"));
        QCOMPARE(feld("yScaleEdit"), QStringLiteral("2,5"));
        QCOMPARE(k.OFern, 301.5);  // showing writes nothing back

        // The display fields only show.
        auto* oben = einstellungen->findChild<QLineEdit*>(QStringLiteral("OobEdit"));
        QTest::keyClicks(oben, "7");
        QCOMPARE(oben->text(), QStringLiteral("107,18"));
    }

    // The window follows every change of projection data or scale, whoever made it: the
    // stretch and reset buttons of the panel, and a change elsewhere that redraws.
    void alwaysShowsTheCurrentValues()
    {
        einstellungen->Zeigen();
        QWidget* panel = form->KoSysSteuerPanel();
        click(panel, "xMinusStretchRxSpeedButton");
        QCOMPARE(feld("xScaleEdit"), QStringLiteral("2,5"));
        click(panel, "ZoomPlusRxSpeedButton");
        QCOMPARE(feld("xScaleEdit"), QStringLiteral("2,75"));
        QCOMPARE(feld("yScaleEdit"), QStringLiteral("5,5"));

        click(einstellungen, "OminusRxSpeedButton");
        spin("PnahSpinEdit")->setValue(30);
        click(panel, "alleResetSpeedButton");
        QCOMPARE(feld("xScaleEdit"), QStringLiteral("5"));
        QCOMPARE(feld("OobEdit"), QStringLiteral("50"));
        QCOMPARE(spin("PnahSpinEdit")->text(), QStringLiteral("50"));

        // As loading an object list does: reset the view, then draw.
        programm->KoSys.zSkala = 9;
        programm->KoSys.OOben = 70;
        AllesZuruecksetzen(programm->KoSys);
        programm->KoSys.ORechts = 12;
        form->Zeichnen();
        QCOMPARE(feld("zScaleEdit"), QStringLiteral("5"));
        QCOMPARE(feld("OobEdit"), QStringLiteral("50"));
        QCOMPARE(feld("OreEdit"), QStringLiteral("12"));
    }

    void scaleAndNearWindowButtons()
    {
        einstellungen->Zeigen();
        TKoSys& k = programm->KoSys;
        click(einstellungen, "xScaleSpinButtonUp");
        QCOMPARE(k.xSkala, 5 * 1.1);
        QCOMPARE(feld("xScaleEdit"), QStringLiteral("5,5"));
        QVERIFY(form->OGLTimer.isActive());
        click(einstellungen, "yScaleSpinButtonDown");
        QCOMPARE(feld("yScaleEdit"), QStringLiteral("4,55"));
        QCOMPARE(k.zSkala, 5.0);

        // "vergrößern" enlarges the picture: the near window gets smaller on every side.
        click(einstellungen, "OplusRxSpeedButton");
        QCOMPARE(k.OLinks, -49.0);
        QCOMPARE(k.OOben, 49.0);
        QCOMPARE(feld("OobEdit"), QStringLiteral("49"));
        QCOMPARE(feld("OunEdit"), QStringLiteral("-49"));
        click(einstellungen, "PminusRxSpeedButton");
        QCOMPARE(k.PRechts, 26.0);
        QCOMPARE(k.PUnten, -26.0);
        QCOMPARE(feld("PreEdit"), QStringLiteral("26"));
        QCOMPARE(k.ORechts, 49.0);
    }

    void spinEditsSetTheirDistance()
    {
        einstellungen->Zeigen();
        TKoSys& k = programm->KoSys;

        tippen(spin("PnahSpinEdit"), "abc");
        QCOMPARE(k.PNah, 0.0);  // not a whole number: counts as 0
        QVERIFY(form->OGLTimer.isActive());

        tippen(spin("OfernSpinEdit"), "120");
        QCOMPARE(k.OFern, 120.0);
        QCOMPARE(k.PFern, 300.0);

        // A redraw between two key presses leaves the text being typed alone.
        tippen(spin("ObeobSpinEdit"), "-");
        QCOMPARE(k.OBeobachter, 0.0);
        form->Zeichnen();
        QCOMPARE(spin("ObeobSpinEdit")->text(), QStringLiteral("-"));
        tippen(spin("ObeobSpinEdit"), "5", false);
        QCOMPARE(k.OBeobachter, -5.0);

        // The arrows step by the stated increments.
        spin("PfernSpinEdit")->stepBy(1);
        QCOMPARE(k.PFern, 310.0);
        spin("PbeobSpinEdit")->stepBy(-1);
        QCOMPARE(k.PBeobachter, -101.0);
    }
};

QTEST_MAIN(TestEinstellungen)
#include "test_einstellungen.moc"
