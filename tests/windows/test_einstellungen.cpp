// The projection settings window beside the real main window (run under Xvfb): what it
// shows, that it always shows the current view state, and what its controls change.

#include "app/fensterliste.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "view/ansichtsteuerung.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/fensterplatz.h"
#include "widgets/spinedit_widget.h"
#include "windows/einstellungen_form.h"
#include "windows/kosyssteuerpanel_widget.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace orbisto;

namespace {

// How many pixels of `bild` are clearly ink (dark on the light field).
int Tinte(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += qGray(bild.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

// A line edit's picture inside its frame: only the text is ink there.
QImage Innen(QLineEdit* feld) { return feld->grab(feld->rect().adjusted(3, 3, -3, -3)).toImage(); }

// The frame of a top-level window or the place of a child, in screen coordinates.
QRect AufDemSchirm(const QWidget* w)
{
    return w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

}  // namespace

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
        QCOMPARE(einstellungen->size().height(), 449);

        form->findChild<QAction*>(QStringLiteral("ProjektionsdatenMen"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(einstellungen));
        QVERIFY(!einstellungen->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::activeWindow(), einstellungen);

        // On the 1280 x 1024 screen there is room right of the main window: the window hides
        // neither the view panel nor the drawing it is used with, and stays on the screen.
        QCOMPARE(form->screen()->geometry().size(), QSize(1280, 1024));
        const QRect platz = AufDemSchirm(einstellungen);
        QVERIFY(!platz.intersects(AufDemSchirm(form->KoSysSteuerPanel())));
        QVERIFY(!platz.intersects(AufDemSchirm(form->OGLPanel())));
        QVERIFY(form->screen()->availableGeometry().contains(platz));
        QCOMPARE(platz.left(), form->frameGeometry().right() + 1);
        QCOMPARE(platz.top(), form->frameGeometry().top());

        // Opened again after the main window moved to the right, it goes left of it.
        einstellungen->hide();
        form->move(400, 40);
        QTRY_COMPARE(form->pos(), QPoint(400, 40));
        form->findChild<QAction*>(QStringLiteral("ProjektionsdatenMen"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(einstellungen));
        QTRY_COMPARE(AufDemSchirm(einstellungen).right(), form->frameGeometry().left() - 1);
        QCOMPARE(AufDemSchirm(einstellungen).top(), 40);
    }

    void theWindowGoesWhereItCoversLeastOfTheMainWindow_data()
    {
        QTest::addColumn<QRect>("haupt");
        QTest::addColumn<QPoint>("soll");
        // A window of 330 x 470 on a screen of 1280 x 1024.
        QTest::newRow("room on the right") << QRect(10, 10, 880, 800) << QPoint(890, 10);
        QTest::newRow("room on the left only") << QRect(400, 30, 880, 800) << QPoint(70, 30);
        QTest::newRow("near the bottom: moved up") << QRect(10, 700, 500, 300) << QPoint(510, 1024 - 470);
        QTest::newRow("no room: the right edge") << QRect(0, 0, 1000, 1024) << QPoint(1280 - 330, 0);
        QTest::newRow("no room, the left side freer") << QRect(200, 0, 1080, 600) << QPoint(0, 1024 - 470);
    }

    void theWindowGoesWhereItCoversLeastOfTheMainWindow()
    {
        QFETCH(QRect, haupt);
        QFETCH(QPoint, soll);
        const QRect schirm(0, 0, 1280, 1024);
        const QPoint ort = PlatzDaneben(haupt, QSize(330, 470), schirm);
        QCOMPARE(ort, soll);
        QVERIFY(schirm.contains(QRect(ort, QSize(330, 470))));
    }

    // "-107,18" is what eight strength steps make of the near window's 50; the fields show
    // it, and longer values, whole in the design font and at 12 pt.
    void displayFieldsShowLongValuesWhole_data()
    {
        QTest::addColumn<double>("punkte");
        QTest::newRow("8 pt") << 8.0;
        QTest::newRow("12 pt") << 12.0;
    }

    void displayFieldsShowLongValuesWhole()
    {
        QFETCH(double, punkte);
        const auto schriftZurueck = qScopeGuard([] { TestSchriftSetzen(); });
        TestSchriftSetzen(punkte);  // after the window was made: it follows a font change
        einstellungen->Zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(einstellungen));
        TKoSys& k = programm->KoSys;
        k.OLinks = -107.18;
        k.PLinks = -1234.56;
        k.xSkala = -99999.99;
        einstellungen->EinstellungenAnzeigen();
        QCOMPARE(feld("OliEdit"), QStringLiteral("-107,18"));

        // The same text in a field far wider than needed is the ink the field must show.
        for (const char* name : {"OliEdit", "PliEdit", "xScaleEdit"}) {
            auto* f = einstellungen->findChild<QLineEdit*>(QString::fromLatin1(name));
            QLineEdit weit(f->text());
            weit.setReadOnly(true);
            weit.setAlignment(f->alignment());
            weit.resize(f->width() * 4, f->height());
            weit.show();
            QVERIFY(QTest::qWaitForWindowExposed(&weit));
            QCOMPARE(Tinte(Innen(f)), Tinte(Innen(&weit)));
            QCOMPARE(f->toolTip(), f->text());
        }
        QVERIFY2(Passfehler(einstellungen).isEmpty(), qPrintable(Passfehler(einstellungen).join('\n')));
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
