// The main window in a real GL widget (run under Xvfb): menus, status bar, the
// deferred redraw, mouse rotation, the close query and errors raised while drawing.

#include "app/oglpanel_widget.h"
#include "app/orbisto2013_form.h"
#include "app/programm.h"
#include "boxbeantworter.h"

#include <GL/gl.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <stdexcept>

using namespace orbisto;

namespace {

class FehlerSzene : public Szene {
public:
    void SzeneZeichnen(TKoSys&) override { throw std::runtime_error("'a' ist kein gültiger Gleitkommawert"); }
};

QMouseEvent mausEreignis(QEvent::Type typ, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe,
                         Qt::KeyboardModifiers tasten = Qt::NoModifier)
{
    return QMouseEvent(typ, QPointF(p), QPointF(p), knopf, knoepfe, tasten);
}

}  // namespace

class TestHauptfenster : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;

    void warteAufRuhe()
    {
        // Let the first expose and the set-up request settle.
        QTest::qWait(300);
    }

private slots:
    void initTestCase()
    {
        TOGLPanel::StandardFormatSetzen();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init()
    {
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
    }

    void cleanup()
    {
        programm->Gespeichert = true;
        form.reset();
        programm.reset();
    }

    void menusHaveTheirCaptionsAndShortcuts()
    {
        struct Eintrag {
            const char* name;
            const char* text;
        };
        const Eintrag menues[] = {{"DateiMen", "Datei"},
                                  {"MathematikMen", "Mathematik"},
                                  {"MatheSzenenMen", "Mat-Szenen"},
                                  {"PhysikSzenenMen", "Phy-Szenen"},
                                  {"SonstigeSzenenMen", "Sonst-Szenen"},
                                  {"EinstellungenMen", "Einstellungen"},
                                  {"HilfeMen", "Hilfe"}};
        const QList<QAction*> leiste = form->menuBar()->actions();
        QCOMPARE(leiste.size(), 8);
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(leiste[i]->menu()->objectName(), QString(menues[i].name));
            QCOMPARE(leiste[i]->text(), QString::fromUtf8(menues[i].text));
        }
        QCOMPARE(leiste[7]->objectName(), QStringLiteral("TestMen"));
        QVERIFY(!leiste[7]->isVisible());

        // Every item in order; "-" is a separator.
        const std::pair<const char*, std::vector<const char*>> inhalt[] = {
            {"DateiMen",
             {"Objektliste neu", "Objektliste öffnen", "Objektliste speichern unter ...", "-", "Grafik kopieren",
              "Grafik als JPG speichern unter ...", "-", "Beenden"}},
            {"MathematikMen",
             {"Funktion in 3D   z=f(x,y) ", "Rotationskörper  um X", "-", "Ebene PRF", "Ebene PNF", "Gerade PRF",
              "Kreis MNF", "Kugel", "Punkt", "Strecke", "Vektor", "Viereck", "-", "Quader", "Pyramide", "Zylinder",
              "Kegel"}},
            {"MatheSzenenMen",
             {"Orts-Vektor und Repräsentant", "Gerade mit Vektoren", "Ebene mit Vektoren", "Kreis mit Vektoren",
              "Kugel mit Vektoren", "Lineare Anhängigkeit", "Verknüpfung von Vektoren",
              "Schnitte von Geraden und Ebenen", "Spatprodukt mit Vektoren", "-", "Quader-Netz", "Spiegelung",
              "Bewegung mit Matrizen", "Flugzeug-Landung H H"}},
            {"PhysikSzenenMen",
             {"Würfe in 3D", "Winkel- und Bahngeschw.", "Longitudinalwelle", "Stehende Kreiswellen", "Ebene Wellen",
              "Potentialtopf", "Sonne Erde Mond"}},
            {"SonstigeSzenenMen", {"Domino-Steine", "Figuren-Demonstration"}},
            {"EinstellungenMen", {"Projektionsdaten"}},
            {"HilfeMen", {"Beschreibung", "-", "Info . . ."}},
        };
        for (const auto& [menuName, texte] : inhalt) {
            auto* menu = form->findChild<QMenu*>(menuName);
            QVERIFY2(menu, menuName);
            const QList<QAction*> eintraege = menu->actions();
            QCOMPARE(eintraege.size(), qsizetype(texte.size()));
            for (std::size_t i = 0; i < texte.size(); ++i) {
                const QString soll = QString::fromUtf8(texte[i]);
                if (soll == "-")
                    QVERIFY2(eintraege[i]->isSeparator(), menuName);
                else
                    QCOMPARE(eintraege[i]->text(), soll);
                QVERIFY(eintraege[i]->isVisible());
            }
        }
        auto* kopieren = form->findChild<QAction*>("GrafikKopierenMen");
        QCOMPARE(kopieren->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QVERIFY(form->findChild<QAction*>("KugelMen"));
        QVERIFY(form->findChild<QAction*>("SonneErdeMondMen"));
    }

    void layoutAndStatusBar()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Orbisto"));
        auto* panel0 = form->findChild<QLabel*>("StatusPanel0");
        QVERIFY(panel0);
        QCOMPARE(panel0->text(), QStringLiteral(" (X/Y) = (0/0)"));
        QCOMPARE(panel0->width(), 200);
        for (const char* name : {"liPanel", "rePanel", "Splitter", "liSplitter", "reSplitter", "ObjEdScrollBox",
                                 "KoSysScrollBox", "KoSysSteuerPanel", "GraPanel", "OGLPanel", "ObjEdToolBar"})
            QVERIFY2(form->findChild<QWidget*>(name), name);
        auto* liste = form->findChild<QTableWidget*>("ObjFSAGrid");
        QCOMPARE(liste->columnCount(), 23);
        QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Vor"));
        QCOMPARE(liste->item(0, 1)->text(), QStringLiteral("Orig"));
        QCOMPARE(liste->item(0, 2)->text(), QStringLiteral("Objekt"));
        QCOMPARE(liste->item(0, 1)->background().color(), QColor(255, 255, 0));  // Original-Modus
        form->ModusSetzen(tModus::VorschauNeu);
        QCOMPARE(liste->item(0, 0)->background().color(), QColor(255, 255, 0));
        QVERIFY(liste->item(0, 1)->background().color() != QColor(255, 255, 0));
        QVERIFY(!form->findChild<QWidget*>("ObjEdSAGrid")->isVisibleTo(form.get()));

        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        warteAufRuhe();
        const QWidget* gl = form->OGLPanel();
        QCOMPARE(panel0->text(), QStringLiteral("   Grafik: (%1/%2)").arg(gl->width()).arg(gl->height()));
        form->resize(700, 600);
        QTest::qWait(50);
        QCOMPARE(panel0->text(), QStringLiteral("   Grafik: (%1/%2)").arg(gl->width()).arg(gl->height()));
    }

    void editorShowsAndHidesAboveTheViewControls()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        auto* box = form->findChild<QWidget*>("ObjEdScrollBox");
        auto* grid = form->findChild<QWidget*>("ObjEdSAGrid");
        QCOMPARE(box->height(), 2);
        QVERIFY(!grid->isVisible());

        form->EditorZeigen(true);
        QTest::qWait(20);
        const int client = form->centralWidget()->height();
        QVERIFY(client > 400);
        QCOMPARE(box->height(), client - 340);
        QVERIFY(grid->isVisible());
        QVERIFY(form->findChild<QWidget*>("ObjEdToolBar")->isVisible());

        form->resize(form->width(), 380);
        QTest::qWait(20);
        form->EditorZeigen(true);
        QTest::qWait(20);
        QCOMPARE(box->height(), 100);

        form->EditorZeigen(false);
        QTest::qWait(20);
        QCOMPARE(box->height(), 2);
        QVERIFY(!grid->isVisible());
    }

    void surfaceIsClearedToWhite()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        warteAufRuhe();
        QVERIFY(form->OGLPanel()->Durchgaenge() >= 1);
        const QImage bild = form->OGLPanel()->grabFramebuffer();
        QCOMPARE(bild.pixelColor(bild.width() / 2, bild.height() / 2), QColor(Qt::white));
        programm->KoSys.Hintergrundfarbe = 0;
        form->Zeichnen();
        QCOMPARE(form->OGLPanel()->grabFramebuffer().pixelColor(5, 5), QColor(Qt::black));
    }

    void deferredRedrawsAreCoalescedAndWaitForSetUp()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        warteAufRuhe();
        TOGLPanel* gl = form->OGLPanel();

        long vorher = gl->Durchgaenge();
        for (int i = 0; i < 5; ++i) {
            form->ZeichnenAnfordern();
            QCoreApplication::processEvents();
        }
        QCOMPARE(gl->Durchgaenge(), vorher);  // nothing before the interval has passed
        QTest::qWait(250);
        QCOMPARE(gl->Durchgaenge(), vorher + 1);

        // Before set-up has finished a request waits, then runs once.
        programm->GrafikBereit = false;
        vorher = gl->Durchgaenge();
        form->ZeichnenAnfordern();
        QTest::qWait(350);
        QCOMPARE(gl->Durchgaenge(), vorher);
        QVERIFY(form->OGLTimer.isActive());
        programm->GrafikBereit = true;
        QTest::qWait(250);
        QCOMPARE(gl->Durchgaenge(), vorher + 1);
        QVERIFY(!form->OGLTimer.isActive());
    }

    void mouseDragTurnsTheView()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        TOGLPanel* gl = form->OGLPanel();
        auto ziehen = [&](QPoint von, QPoint nach, Qt::MouseButton knopf, Qt::KeyboardModifiers tasten) {
            auto druck = mausEreignis(QEvent::MouseButtonPress, von, knopf, knopf, tasten);
            QApplication::sendEvent(gl, &druck);
            auto zug = mausEreignis(QEvent::MouseMove, nach, Qt::NoButton, knopf, tasten);
            QApplication::sendEvent(gl, &zug);
            auto los = mausEreignis(QEvent::MouseButtonRelease, nach, knopf, Qt::NoButton, tasten);
            QApplication::sendEvent(gl, &los);
        };
        ziehen({100, 100}, {100, 101}, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(programm->KoSys.xDrehung, -75.0);
        ziehen({100, 100}, {100, 103}, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(programm->KoSys.xDrehung, -73.0);
        ziehen({100, 100}, {140, 160}, Qt::LeftButton, Qt::ShiftModifier);
        ziehen({100, 100}, {140, 160}, Qt::LeftButton, Qt::ControlModifier);
        ziehen({100, 100}, {140, 160}, Qt::RightButton, Qt::NoModifier);
        QCOMPARE(programm->KoSys.xDrehung, -73.0);
        QCOMPARE(programm->KoSys.zDrehung, -20.0);
        ziehen({100, 100}, {110, 100}, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(programm->KoSys.zDrehung, -15.0);
        QCOMPARE(programm->KoSys.zDrehungMaus, 0.0);
    }

    void closeAsksOnlyForAnUnsavedList()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));

        programm->Gespeichert = false;
        {
            BoxBeantworter nein(QStringLiteral("Nein"));
            QVERIFY(!form->close());
            QCOMPARE(nein.texte(), QStringList{"Objektliste so noch nicht gespeichert.\nTrotzdem beenden?"});
            QVERIFY(form->isVisible());
        }
        {
            BoxBeantworter ja(QStringLiteral("Ja"));
            QVERIFY(form->close());
            QCOMPARE(ja.boxen.size(), 1);
        }
        form->show();
        programm->Gespeichert = true;
        BoxBeantworter keine(QStringLiteral("Nein"));
        QVERIFY(form->close());
        QTest::qWait(50);
        QVERIFY2(keine.boxen.isEmpty(), "no question for a saved list");
    }

    void anErrorWhileDrawingShowsOneBoxAndTheProgramGoesOn()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        warteAufRuhe();
        TOGLPanel* gl = form->OGLPanel();
        programm->Szenen.Setzen(SzenenNr::Wurf, std::make_unique<FehlerSzene>());

        // A timer that redraws every 50 ms keeps failing while the box is open.
        BoxBeantworter antwort({}, {}, 500);
        QTimer::singleShot(400, [this] { form->SystemZRotationTimer.stop(); });
        const long vorher = gl->Durchgaenge();
        form->SystemZRotationTimer.start();
        QTest::qWait(900);
        QCOMPARE(antwort.texte(), QStringList{"'a' ist kein gültiger Gleitkommawert"});
        QCOMPARE(gl->Durchgaenge(), vorher);  // failed passes do not count

        programm->Szenen.Setzen(SzenenNr::Wurf, nullptr);
        QTest::qWait(200);
        form->Zeichnen();
        QCOMPARE(gl->Durchgaenge(), vorher + 1);
    }
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
