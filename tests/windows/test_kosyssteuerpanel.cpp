// The view control panel in the real main window (run under Xvfb): its layout, the state it
// starts in, and that its controls change the view state and redraw.

#include "fensterpruefung.h"
#include "programm/programm.h"
#include "widgets/autorepeatbutton_widget.h"
#include "windows/kosyssteuerpanel_widget.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

using namespace orbisto;

namespace {

// Fires a running timer as if its interval had passed, without waiting for real time.
bool Feuern(QTimer& timer)
{
    if (!timer.isActive())
        return false;
    QTimerEvent ablauf(timer.timerId());
    QCoreApplication::sendEvent(&timer, &ablauf);
    return true;
}

const char* const PerspektivKnoepfe[] = {"PerspektivePlusRxSpeedButton", "PerspektiveMinusRxSpeedButton",
                                         "PerspektiveResetSpeedButton"};

}  // namespace

class TestKoSysSteuerPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;
    TKoSysSteuerPanel* panel = nullptr;

    template <class T = QWidget>
    T* control(const char* name) const
    {
        return panel->findChild<T*>(QString::fromLatin1(name));
    }

    long passes() const { return form->OGLPanel()->Durchgaenge(); }

    void click(const char* name)
    {
        auto* knopf = control<QAbstractButton>(name);
        QVERIFY2(knopf, name);
        QVERIFY2(knopf->isVisible(), name);
        // Near the left edge: a check box reacts to its box and text only, not to the
        // empty rest of its cell.
        QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(qMin(7, knopf->width() / 2), knopf->height() / 2));
    }

private slots:
    void initTestCase() { FenstertestEinrichten(); }

    void init()
    {
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
        panel = form->KoSysSteuerPanel();
        QVERIFY(panel);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // From rest: the first pass and the set-up's deferred request are done.
        QTRY_VERIFY(passes() >= 1 && !form->OGLTimer.isActive());
    }

    void cleanup()
    {
        form.reset();
        programm.reset();
    }

    void panelSitsInItsScrollBoxAndFitsInBothProjections()
    {
        QCOMPARE(panel->objectName(), QStringLiteral("KoSysSteuerPanel"));
        QCOMPARE(panel->parentWidget()->parentWidget()->parentWidget()->objectName(), QStringLiteral("KoSysScrollBox"));
        QCOMPARE(panel->geometry(), QRect(5, 5, 229, 289));

        for (bool perspektive : {false, true}) {
            if (perspektive)
                click("PProjektionRadioButton");
            QTRY_VERIFY(control("PerspektivePlusRxSpeedButton")->isVisible() == perspektive);
            QVector<QWidget*> sichtbar;
            for (QWidget* w : panel->findChildren<QWidget*>())
                if (w->isVisible() && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)))
                    sichtbar.append(w);
            for (QWidget* w : sichtbar) {
                const QRect r(w->mapTo(panel, QPoint(0, 0)), w->size());
                QVERIFY2(panel->rect().contains(r), qPrintable(w->objectName()));
                // A text squeezed below its own minimum would be clipped; a glyph needs its frame.
                if (auto* knopf = qobject_cast<TRxSpeedButton*>(w)) {
                    QVERIFY2(w->width() >= knopf->iconSize().width() + 4, qPrintable(w->objectName()));
                    QVERIFY2(w->height() >= knopf->iconSize().height() + 4, qPrintable(w->objectName()));
                } else {
                    QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
                    QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
                }
                for (QWidget* v : sichtbar)
                    if (v != w)
                        QVERIFY2(!r.intersects(QRect(v->mapTo(panel, QPoint(0, 0)), v->size())),
                                 qPrintable(w->objectName() + " / " + v->objectName()));
            }
        }
    }

    void startsOrthogonalWithTheDisplaySwitchesCopied()
    {
        QVERIFY(control<QRadioButton>("OProjektionRadioButton")->isChecked());
        QCOMPARE(programm->KoSys.Projektion, 1);
        for (const char* name : PerspektivKnoepfe)
            QVERIFY2(!control(name)->isVisible(), name);
        QVERIFY(!form->SystemZRotationTimer.isActive());
        QCOMPARE(form->SystemZRotationTimer.interval(), 50);

        const TKoSys& k = programm->KoSys;
        const std::pair<const char*, bool> boxen[] = {
            {"AchsenZeichnungCheckBox", k.AchsenZeichnung},
            {"AchsenEinteilungCheckBox", k.AchsenEinteilung},
            {"AchsenNamenCheckBox", k.AchsenNamen},
            {"AchsenEinheitenCheckBox", k.AchsenEinheiten},
            {"xyGitterCheckBox", k.xyGitter},
            {"yzGitterCheckBox", k.yzGitter},
            {"xzGitterCheckBox", k.xzGitter},
            {"xyFlaecheCheckBox", k.xyFlaeche},
            {"yzFlaecheCheckBox", k.yzFlaeche},
            {"xzFlaecheCheckBox", k.xzFlaeche},
            {"RaumgrenzenCheckBox", k.Raumgrenzen},
            {"SystemZRotationCheckBox", false},
        };
        for (const auto& [name, inKoSys] : boxen) {
            auto* box = control<QCheckBox>(name);
            QVERIFY2(box, name);
            const bool an =
                std::string_view(name) == "AchsenZeichnungCheckBox" || std::string_view(name) == "xyGitterCheckBox";
            QCOMPARE(box->isChecked(), an);
            QCOMPARE(inKoSys, an);
        }
    }

    void everySpeedButtonHasAGlyphAHintAndItsRepetition()
    {
        // Repeating every 50 ms: the moves; not repeating: the one-shot actions.
        const QStringList schnell = {"xPlusTransRxSpeedButton",  "xMinusTransRxSpeedButton", "yPlusTransRxSpeedButton",
                                     "yMinusTransRxSpeedButton", "zPlusTransRxSpeedButton",  "zMinusTransRxSpeedButton",
                                     "xMinusSTRxSpeedButton",    "xPlusSTRxSpeedButton",     "zPlusSTRxSpeedButton",
                                     "zMinusSTRxSpeedButton"};
        const QStringList einmal = {"ErsterOktantSpeedButton", "Ansicht2DSpeedButton", "QuadratSpeedButton",
                                    "alleResetSpeedButton", "PerspektiveResetSpeedButton"};
        const QList<TRxSpeedButton*> knoepfe = panel->findChildren<TRxSpeedButton*>();
        QCOMPARE(knoepfe.size(), 8 + 6 + 2 + 1 + 2 + 4 + 1 + 3);
        for (TRxSpeedButton* k : knoepfe) {
            const QString name = k->objectName();
            QVERIFY2(!k->icon().isNull(), qPrintable(name));
            QCOMPARE(k->iconSize(), QSize(16, 16));
            QVERIFY2(k->text().isEmpty() && !k->toolTip().isEmpty(), qPrintable(name));
            QCOMPARE(k->Repeat(), !einmal.contains(name));
            QCOMPARE(k->InitialPause(), 500);
            QCOMPARE(k->RepeatInterval(), schnell.contains(name) ? 50 : 100);
        }
        QCOMPARE(control("xMinusStretchRxSpeedButton")->toolTip(),
                 QStringLiteral("x wird gestaucht ( x-Einheit  größer )"));
        QCOMPARE(control("ZoomPlusRxSpeedButton")->toolTip(), QStringLiteral("System vergrößern  ( Zoom )"));
    }

    void buttonsChangeTheViewAndRedraw_data()
    {
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<bool>("sofort");  // drawn at once, else a deferred redraw is requested
        QTest::addColumn<std::function<bool(const TKoSys&)>>("pruefen");

        using P = std::function<bool(const TKoSys&)>;
        QTest::newRow("stauchen") << "xMinusStretchRxSpeedButton" << true
                                  << P([](const TKoSys& k) { return k.xMax == 10 && k.xSkala == 2.5 && k.yMax == 5; });
        QTest::newRow("alle strecken") << "allePlusStretchRxSpeedButton" << true
                                       << P([](const TKoSys& k) { return k.xMax == 2.5 && k.zSkala == 10; });
        QTest::newRow("origin right") << "xPlusTransRxSpeedButton" << true
                                      << P([](const TKoSys& k) { return k.xMax == 4 && k.xVerschiebung == 5; });
        QTest::newRow("origin down") << "zMinusTransRxSpeedButton" << true
                                     << P([](const TKoSys& k) { return k.zMin == -4 && k.yVerschiebung == -5; });
        QTest::newRow("first octant") << "ErsterOktantSpeedButton" << true
                                      << P([](const TKoSys& k) { return k.yMin == 0 && k.yMax == 10; });
        QTest::newRow("2-D") << "Ansicht2DSpeedButton" << true
                             << P([](const TKoSys& k) { return k.xDrehung == 0 && k.zDrehung == 0; });
        QTest::newRow("system up") << "zPlusSTRxSpeedButton" << true
                                   << P([](const TKoSys& k) { return k.yVerschiebung == 10; });
        QTest::newRow("zoom") << "ZoomMinusRxSpeedButton" << false
                              << P([](const TKoSys& k) { return k.ySkala == 5 / 1.1; });
        QTest::newRow("reset") << "alleResetSpeedButton" << true << P([](const TKoSys& k) {
            return k.xDrehung == -75 && k.xMax == 5 && k.xSkala == 5 && k.ORechts == 50 && k.xVerschiebung == 0;
        });
    }

    void buttonsChangeTheViewAndRedraw()
    {
        QFETCH(QString, knopf);
        QFETCH(bool, sofort);
        QFETCH(std::function<bool(const TKoSys&)>, pruefen);

        TKoSys& k = programm->KoSys;
        k.xSchritt = k.ySchritt = k.zSchritt = 1;  // as drawn for the default room
        if (knopf == "alleResetSpeedButton") {
            k.xDrehung = 3;
            k.xMax = 50;
            k.xSkala = 7;
            k.ORechts = 8;
            k.xVerschiebung = 2;
        }
        QSignalSpy gezeichnet(form->OGLPanel(), &TOGLPanel::Gezeichnet);
        click(qPrintable(knopf));
        QVERIFY(pruefen(k));
        // At once or deferred: the deferred request is pending right after the click.
        QCOMPARE(form->OGLTimer.isActive(), !sofort);
        QVERIFY(gezeichnet.count() > 0 || gezeichnet.wait(1000));
    }

    void checkBoxesCopyIntoTheSwitches()
    {
        const TKoSys& k = programm->KoSys;
        const std::pair<const char*, const bool*> boxen[] = {
            {"AchsenZeichnungCheckBox", &k.AchsenZeichnung},
            {"AchsenEinteilungCheckBox", &k.AchsenEinteilung},
            {"AchsenNamenCheckBox", &k.AchsenNamen},
            {"AchsenEinheitenCheckBox", &k.AchsenEinheiten},
            {"xyGitterCheckBox", &k.xyGitter},
            {"yzGitterCheckBox", &k.yzGitter},
            {"xzGitterCheckBox", &k.xzGitter},
            {"xyFlaecheCheckBox", &k.xyFlaeche},
            {"yzFlaecheCheckBox", &k.yzFlaeche},
            {"xzFlaecheCheckBox", &k.xzFlaeche},
            {"RaumgrenzenCheckBox", &k.Raumgrenzen},
        };
        for (const auto& [name, schalter] : boxen) {
            const bool vorher = *schalter;
            const long n = passes();
            click(name);
            QCOMPARE(*schalter, !vorher);
            QTRY_VERIFY(passes() > n);
            // Only its own switch changed.
            for (const auto& [anderer, wert] : boxen)
                if (wert != schalter)
                    QCOMPARE(*wert, control<QCheckBox>(anderer)->isChecked());
            click(name);
            QCOMPARE(*schalter, vorher);
        }
    }

    void rotationTurnsOneDegreePerTick()
    {
        TKoSys& k = programm->KoSys;
        click("SystemZRotationCheckBox");
        QVERIFY(form->SystemZRotationTimer.isActive());
        QCOMPARE(form->SystemZRotationTimer.interval(), 50);

        const long n = passes();
        for (int i = 0; i < 20; ++i)
            QVERIFY(Feuern(form->SystemZRotationTimer));
        QCOMPARE(k.zDrehung, -20 + 20.0);  // 20 ticks: one second, 20 degrees
        QTRY_VERIFY(passes() > n);

        // The real timer keeps turning on its own.
        QSignalSpy gezeichnet(form->OGLPanel(), &TOGLPanel::Gezeichnet);
        QVERIFY(gezeichnet.wait(1000));
        QVERIFY(k.zDrehung > 0);

        click("SystemZRotationCheckBox");
        QVERIFY(!form->SystemZRotationTimer.isActive());
    }

    void projectionChoiceShowsThePerspectiveButtons()
    {
        TKoSys& k = programm->KoSys;
        click("PProjektionRadioButton");
        QCOMPARE(k.Projektion, 0);
        QVERIFY(!control<QRadioButton>("OProjektionRadioButton")->isChecked());
        for (const char* name : PerspektivKnoepfe)
            QVERIFY2(control(name)->isVisible(), name);
        QVERIFY(form->OGLTimer.isActive());

        // Nine presses, eight of them carried out: 25 * 1,1^8 is past 50.
        for (int i = 0; i < 9; ++i)
            click("PerspektivePlusRxSpeedButton");
        QVERIFY(qAbs(k.PRechts - 25 * std::pow(1.1, 8)) < 1e-9);
        QVERIFY(qAbs(k.xSkala - 5 * std::pow(1.1, 8)) < 1e-9);
        click("PerspektiveResetSpeedButton");
        QCOMPARE(k.PRechts, 25.0);
        QCOMPARE(k.xSkala, 5.0);

        click("OProjektionRadioButton");
        QCOMPARE(k.Projektion, 1);
        for (const char* name : PerspektivKnoepfe)
            QVERIFY2(!control(name)->isVisible(), name);
    }

    void squareGraphicFillsTheScreenHeight()
    {
        click("QuadratSpeedButton");
        const QWidget* gl = form->OGLPanel();
        QTRY_COMPARE(gl->width(), gl->height());
        const QRect bildschirm = form->screen()->availableGeometry();
        QCOMPARE(form->frameGeometry().topLeft(), bildschirm.topLeft());
        QCOMPARE(form->frameGeometry().height(), bildschirm.height());
    }
};

QTEST_MAIN(TestKoSysSteuerPanel)
#include "test_kosyssteuerpanel.moc"
