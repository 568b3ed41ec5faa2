// The main window in a real GL widget (run under Xvfb): menus, status bar, the
// deferred redraw, mouse rotation, the close query and errors raised while drawing.

#include "app/fensterliste.h"
#include "app/szenentabelle.h"
#include "boxbeantworter.h"
#include "fensterpruefung.h"
#include "probeszenen.h"
#include "programm/programm.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <GL/gl.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

using namespace orbisto;

namespace {

class FehlerSzene : public Szene {
public:
    void SzeneZeichnen(TKoSys&) override { throw std::runtime_error("'a' ist kein gültiger Gleitkommawert"); }
};

// A full-surface square of one colour at the near plane, in front of everything; throws after drawing it when
// asked to, so a half-drawn pass would show that colour.
class FlaechenSzene : public Szene {
public:
    float r = 1, g = 0, b = 0;
    bool werfen = false;

    void SzeneZeichnen(TKoSys&) override
    {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glColor3f(r, g, b);
        glBegin(GL_QUADS);
        glVertex3f(-1, -1, -0.99f);
        glVertex3f(1, -1, -0.99f);
        glVertex3f(1, 1, -0.99f);
        glVertex3f(-1, 1, -0.99f);
        glEnd();
        if (werfen)
            throw std::runtime_error("'b' ist kein gültiger Gleitkommawert");
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }
};

// A parabola-like curve of a formula the test may spoil, in red.
class KurvenSzene : public Szene {
public:
    std::string formel = "x^2";

    void SzeneZeichnen(TKoSys& k) override
    {
        glColor3f(1, 0, 0);
        k.FormelKurve(formel, 10, -2, 2, 1);
    }
};

int pixelZaehlen(const QImage& bild, QColor farbe)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += bild.pixelColor(x, y) == farbe ? 1 : 0;
    return n;
}

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

    // Shows the main window and waits until its first pass, the set-up's deferred request
    // and the repaints of the first layout are over, so every count a test takes starts
    // from rest.
    bool zeigen()
    {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        if (!QTest::qWaitFor([this] { return form->OGLPanel()->Durchgaenge() >= 1; }))
            return false;
        QSignalSpy passes(form->OGLPanel(), &TOGLPanel::Gezeichnet);
        for (int i = 0; i < 20; ++i)
            if (!passes.wait(250) && !form->OGLTimer.isActive())
                return true;
        return false;
    }

private slots:
    void initTestCase() { FenstertestEinrichten(); }

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
        for (const char* name :
             {"liPanel", "rePanel", "Splitter", "liSplitter", "reSplitter", "ObjEdScrollBox", "KoSysScrollBox",
              "KoSysSteuerPanel", "GraPanel", "OGLPanel", "ObjEdToolBar", "ObjFSAGrid"})
            QVERIFY2(form->findChild<QWidget*>(name), name);
        QVERIFY(!form->findChild<QWidget*>("ObjEdSAGrid")->isVisibleTo(form.get()));

        QVERIFY(zeigen());
        const QWidget* gl = form->OGLPanel();
        QCOMPARE(panel0->text(), QStringLiteral("   Grafik: (%1/%2)").arg(gl->width()).arg(gl->height()));
        form->resize(700, 600);
        QTRY_COMPARE(panel0->text(), QStringLiteral("   Grafik: (%1/%2)").arg(gl->width()).arg(gl->height()));
    }

    void editorShowsAndHidesAboveTheViewControls()
    {
        QVERIFY(zeigen());
        auto* box = form->findChild<QWidget*>("ObjEdScrollBox");
        auto* grid = form->findChild<QWidget*>("ObjEdSAGrid");
        QCOMPARE(box->height(), 2);
        QVERIFY(!grid->isVisible());

        form->EditorZeigen(true);
        // The client area: everything below the menu bar, the status bar included.
        const int client = form->height() - form->menuBar()->height();
        QVERIFY(client > 400);
        QTRY_COMPARE(box->height(), client - 340);
        QVERIFY(grid->isVisible());
        QVERIFY(form->findChild<QWidget*>("ObjEdToolBar")->isVisible());

        form->resize(form->width(), 380);
        QTRY_VERIFY(form->height() - form->menuBar()->height() <= 400);
        form->EditorZeigen(true);
        QTRY_COMPARE(box->height(), 100);

        form->EditorZeigen(false);
        QTRY_COMPARE(box->height(), 2);
        QVERIFY(!grid->isVisible());
    }

    void surfaceIsClearedToWhite()
    {
        QVERIFY(zeigen());
        const QImage bild = form->OGLPanel()->grabFramebuffer();
        QCOMPARE(bild.pixelColor(5, 5), QColor(Qt::white));  // outside the coordinate system
        programm->KoSys.Hintergrundfarbe = 0;
        form->Zeichnen();
        QCOMPARE(form->OGLPanel()->grabFramebuffer().pixelColor(5, 5), QColor(Qt::black));
    }

    void linesAreSmoothedUnlessSwitchedOff()
    {
        // Smoothed, the slanted axes and grid lines blend into the white in many shades;
        // without it each pixel is white or the colour of one line or glyph.
        const auto farben = [this] {
            form->Zeichnen();
            const QImage bild = form->OGLPanel()->grabFramebuffer();
            std::set<QRgb> alle;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    alle.insert(bild.pixel(x, y));
            return alle.size();
        };
        QVERIFY(zeigen());
        const std::size_t glatt = farben();
        TOGLPanel::GlaettungSetzen(false);
        const std::size_t scharf = farben();
        TOGLPanel::GlaettungSetzen(true);
        QVERIFY2(scharf < 16, qPrintable(QString::number(scharf)));
        QVERIFY2(glatt > 4 * scharf, qPrintable(QStringLiteral("%1 against %2").arg(glatt).arg(scharf)));
        QCOMPARE(farben(), glatt);
    }

    void deferredRedrawsAreCoalescedAndWaitForSetUp()
    {
        QVERIFY(zeigen());
        QSignalSpy passes(form->OGLPanel(), &TOGLPanel::Gezeichnet);

        QElapsedTimer uhr;
        uhr.start();
        for (int i = 0; i < 5; ++i) {
            form->ZeichnenAnfordern();
            QCoreApplication::processEvents();
        }
        // Nothing before the interval has passed (a loaded machine may take longer than it).
        if (uhr.elapsed() < 90)
            QCOMPARE(passes.count(), 0);
        QVERIFY(passes.wait(1000));
        QVERIFY(!passes.wait(300));  // and nothing more after the one pass
        QCOMPARE(passes.count(), 1);

        // Before set-up has finished a request waits, then runs once.
        passes.clear();
        programm->GrafikBereit = false;
        form->ZeichnenAnfordern();
        QVERIFY(!passes.wait(350));
        QVERIFY(form->OGLTimer.isActive());
        programm->GrafikBereit = true;
        QVERIFY(passes.wait(1000));
        QCOMPARE(passes.count(), 1);
        QVERIFY(!form->OGLTimer.isActive());
    }

    void mouseDragTurnsTheView()
    {
        QVERIFY(zeigen());
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
        QVERIFY(zeigen());

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
        QVERIFY2(keine.boxen.isEmpty(), "no question for a saved list");
    }

    void anErrorWhileDrawingShowsOneBoxAndTheProgramGoesOn()
    {
        QVERIFY(zeigen());
        TOGLPanel* gl = form->OGLPanel();
        programm->Szenen.Setzen(SzenenNr::Wurf, std::make_unique<FehlerSzene>());

        // A timer that redraws every 50 ms keeps failing while the box is open.
        BoxBeantworter antwort({}, {}, 500);
        QTimer::singleShot(400, [this] { form->SystemZRotationTimer.stop(); });
        const long vorher = gl->Durchgaenge();
        form->SystemZRotationTimer.start();
        QTRY_VERIFY(!form->SystemZRotationTimer.isActive() && antwort.boxen.size() == 1 &&
                    !QApplication::activeModalWidget());
        QCOMPARE(antwort.texte(), QStringList{"'a' ist kein gültiger Gleitkommawert"});
        QCOMPARE(gl->Durchgaenge(), vorher);  // failed passes do not count

        programm->Szenen.Setzen(SzenenNr::Wurf, nullptr);
        form->Zeichnen();
        QCOMPARE(gl->Durchgaenge(), vorher + 1);
        QCOMPARE(antwort.boxen.size(), 1);
    }

    void aFailedPassLeavesThePreviousPictureOnScreen()
    {
        auto szene = std::make_unique<FlaechenSzene>();
        FlaechenSzene& flaeche = *szene;
        programm->Szenen.Setzen(SzenenNr::Wurf, std::move(szene));
        QVERIFY(zeigen());
        const QImage rot = form->OGLPanel()->grabFramebuffer();
        QCOMPARE(rot.pixelColor(rot.width() / 2, rot.height() / 2), QColor(Qt::red));

        // Green is drawn, then the pass fails: the screen must stay red.
        flaeche = {};
        flaeche.r = 0;
        flaeche.g = 1;
        flaeche.werfen = true;
        BoxBeantworter antwort(QStringLiteral("OK"));
        form->Zeichnen();
        const QImage danach = form->OGLPanel()->grabFramebuffer();
        QCOMPARE(pixelZaehlen(danach, Qt::green), 0);
        QCOMPARE(pixelZaehlen(danach, Qt::red), danach.width() * danach.height());
        QTRY_COMPARE(antwort.boxen.size(), 1);

        flaeche.werfen = false;
        form->Zeichnen();
        const QImage gruen = form->OGLPanel()->grabFramebuffer();
        QCOMPARE(pixelZaehlen(gruen, Qt::green), gruen.width() * gruen.height());
    }

    void aBadFormulaInAPassShowsOneBoxAndKeepsThePicture()
    {
        auto szene = std::make_unique<KurvenSzene>();
        KurvenSzene& kurve = *szene;
        programm->Szenen.Setzen(SzenenNr::Wurf, std::move(szene));
        QVERIFY(zeigen());
        TOGLPanel* gl = form->OGLPanel();
        const QImage parabel = gl->grabFramebuffer();
        QVERIFY(pixelZaehlen(parabel, Qt::red) > 50);

        kurve.formel = "x^2+a";
        BoxBeantworter antwort(QStringLiteral("OK"));
        form->Zeichnen();
        QCOMPARE(gl->grabFramebuffer(), parabel);
        QTRY_COMPARE(antwort.boxen.size(), 1);
        QVERIFY(antwort.texte().front().endsWith(QStringLiteral("ist kein gültiger Gleitkommawert")));

        kurve.formel = "x^3";
        form->Zeichnen();
        const QImage kubisch = gl->grabFramebuffer();
        QVERIFY(kubisch != parabel);
        QVERIFY(pixelZaehlen(kubisch, Qt::red) > 50);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(antwort.boxen.size(), 1);
    }

    void aNewContextGetsItsOwnListsAndQuadric()
    {
        programm->Szenen.Setzen(SzenenNr::VektorKugel, std::make_unique<KugelTextSzene>(2, "WWWWWWW", 0, 0, 4));
        QVERIFY(zeigen());
        TOGLPanel* gl = form->OGLPanel();
        QCOMPARE(gl->Kontexte(), 1);
        auto pruefen = [gl] {
            const QImage bild = gl->grabFramebuffer();
            QCOMPARE(bild.pixelColor(bild.width() / 2, bild.height() / 2), QColor(Qt::blue));
            QVERIFY2(pixelZaehlen(bild, Qt::black) > 40, "the text is drawn");
        };
        pruefen();

        // Moving the widget into another window, as docking does, replaces its context.
        QWidget* altesElternteil = gl->parentWidget();
        QWidget anderes;
        auto* layout = new QVBoxLayout(&anderes);
        layout->addWidget(gl);
        anderes.resize(400, 300);
        anderes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&anderes));
        QTRY_COMPARE(gl->Kontexte(), 2);
        QVERIFY(gl->Ressourcen().Vollstaendig());
        pruefen();

        altesElternteil->layout()->addWidget(gl);
        QTRY_COMPARE(gl->Kontexte(), 3);
        pruefen();
    }

    void sceneMenuItemsComeFromTheSceneTableAndShowTheirWindows()
    {
        const TFensterliste fenster(*programm, *form);
        for (const SzenenEintrag& e : SzenenTabelle) {
            auto* menue = form->findChild<QAction*>(QString::fromUtf8(e.menue.data(), e.menue.size()));
            QVERIFY2(menue, e.menue.data());
            QVERIFY2(menue->isEnabled(), e.menue.data());
            QVERIFY2(fenster.Szene(e.nr), e.menue.data());
            // The item shows its own window, and only that one.
            menue->trigger();
            QVERIFY2(fenster.Szene(e.nr)->isVisible(), e.menue.data());
            for (const SzenenEintrag& andere : SzenenTabelle)
                if (andere.nr != e.nr)
                    QVERIFY2(!fenster.Szene(andere.nr)->isVisible(), andere.menue.data());
            fenster.Szene(e.nr)->hide();
        }
    }
};

QTEST_MAIN(TestHauptfenster)
#include "test_hauptfenster.moc"
