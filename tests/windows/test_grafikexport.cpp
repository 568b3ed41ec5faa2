// The picture for other programs, from the main window's "Datei" menu (run under Xvfb):
// copied to the clipboard and saved as JPEG, always from a fresh pass, in the drawing
// surface's size; a cancelled or failed save and a failing pass.

#include "boxbeantworter.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "windows/grafikexport.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <GL/gl.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace orbisto;

namespace {

// The whole surface in one colour, in front of everything; throws instead when asked to.
class FarbSzene : public Szene {
public:
    QColor farbe = Qt::red;
    bool werfen = false;

    void SzeneZeichnen(TKoSys&) override
    {
        if (werfen)
            throw std::runtime_error("'q' ist kein gültiger Gleitkommawert");
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glColor3f(farbe.redF(), farbe.greenF(), farbe.blueF());
        glBegin(GL_QUADS);
        glVertex3f(-1, -1, -0.99f);
        glVertex3f(1, -1, -0.99f);
        glVertex3f(1, 1, -0.99f);
        glVertex3f(-1, 1, -0.99f);
        glEnd();
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }
};

bool ueberallEtwa(const QImage& bild, QColor farbe)
{
    for (int y = 0; y < bild.height(); y += 7)
        for (int x = 0; x < bild.width(); x += 7) {
            const QColor c = bild.pixelColor(x, y);
            if (std::abs(c.red() - farbe.red()) > 6 || std::abs(c.green() - farbe.green()) > 6 ||
                std::abs(c.blue() - farbe.blue()) > 6)
                return false;
        }
    return true;
}

}  // namespace

class TestGrafikexport : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;
    FarbSzene* szene = nullptr;
    TGrafikExport* export_ = nullptr;
    std::unique_ptr<QTemporaryDir> ordner;  // fresh for every test
    QStringList verzeichnisse;              // the folders the save dialog was opened in

    QAction* aktion(const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }

    // The save dialog answers `datei` (empty: cancelled).
    void dialogAntwortet(const QString& datei)
    {
        export_->DialogSetzen([this, datei](const DateiDialog& dialog) -> std::optional<QString> {
            verzeichnisse.append(dialog.verzeichnis);
            if (datei.isEmpty())
                return std::nullopt;
            return datei;
        });
    }

    // Shown, drawn, and no redraw pending.
    bool zeigen()
    {
        form->show();
        return QTest::qWaitForWindowExposed(form.get()) &&
               QTest::qWaitFor([this] { return form->OGLPanel()->Durchgaenge() >= 1 && !form->OGLTimer.isActive(); });
    }

private slots:
    void initTestCase() { FenstertestEinrichten(); }

    void theSaveDialogIsDescribedAsTheProgramAsksForIt()
    {
        const DateiDialog d = TGrafikExport::SpeichernDialog(QStringLiteral("/ordner"));
        QCOMPARE(d.art, DateiDialog::Art::Speichern);
        QCOMPARE(d.titel, QStringLiteral("Grafik speichern"));
        QCOMPARE(d.filter, (QStringList{"Alle Dateien (*)", "JPEG-Dateien (*.jpg)"}));
        QCOMPARE(d.gewaehlterFilter, QStringLiteral("Alle Dateien (*)"));
        QCOMPARE(d.endung, QStringLiteral("jpg"));
        QCOMPARE(d.verzeichnis, QStringLiteral("/ordner"));
        QCOMPARE(d.dateiname, QString());
    }

    void init()
    {
        programm = std::make_unique<Programm>();
        auto s = std::make_unique<FarbSzene>();
        szene = s.get();
        programm->Szenen.Setzen(SzenenNr::Wurf, std::move(s));
        form = std::make_unique<TOrbisto2013Form>(*programm);
        export_ = form->findChild<TGrafikExport*>();
        QVERIFY(export_);
        verzeichnisse.clear();
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
        QVERIFY(zeigen());
    }

    void cleanup()
    {
        form.reset();
        programm.reset();
    }

    void copyPutsAFreshPassOfTheSurfaceOnTheClipboard()
    {
        // Changed without a redraw: what the screen shows is stale, the copy must not be.
        szene->farbe = QColor(0, 0, 255);
        aktion("GrafikKopierenMen")->trigger();
        const QImage kopie = QGuiApplication::clipboard()->image();
        TOGLPanel* panel = form->OGLPanel();
        QCOMPARE(kopie.size(), panel->size());
        QVERIFY(ueberallEtwa(kopie, szene->farbe));
        QCOMPARE(kopie.convertToFormat(QImage::Format_RGB32),
                 panel->grabFramebuffer().convertToFormat(QImage::Format_RGB32));
    }

    void savedJpegHasTheSurfaceSizeAndIsSquareAfterQuadratischeGrafik()
    {
        const std::string anfang = programm->GrafikDatei;
        szene->farbe = QColor(255, 140, 0);  // all three channels differ: a swap shows
        for (const bool quadratisch : {false, true}) {
            if (quadratisch) {
                form->QuadratischeGrafik();
                QTRY_COMPARE(form->OGLPanel()->width(), form->OGLPanel()->height());
            }
            const QString datei = ordner->filePath(quadratisch ? "quadrat.jpg" : "grafik.jpg");
            dialogAntwortet(datei);
            aktion("GrafikSpeichernUnterMen")->trigger();
            QCOMPARE(programm->GrafikDatei, datei.toStdString());
            QVERIFY2(form->OGLTimer.isActive(), "a redraw is requested");

            QImageReader leser(datei);
            QCOMPARE(leser.format(), QByteArray("jpeg"));
            const QImage bild = leser.read();
            QCOMPARE(bild.size(), form->OGLPanel()->size());
            QVERIFY(ueberallEtwa(bild, szene->farbe));
            QTRY_VERIFY(!form->OGLTimer.isActive());
        }
        // The first dialog opens where GrafikDatei starts ("<program folder>/*.*"), the second
        // where the first picture went.
        QCOMPARE(verzeichnisse,
                 QStringList({QFileInfo(QString::fromStdString(anfang)).absolutePath(), ordner->path()}));
    }

    void cancelChangesNothingButRequestsARedraw()
    {
        const std::string vorher = programm->GrafikDatei;
        const long durchgaenge = form->OGLPanel()->Durchgaenge();
        dialogAntwortet({});
        aktion("GrafikSpeichernUnterMen")->trigger();
        QCOMPARE(programm->GrafikDatei, vorher);
        QCOMPARE(form->OGLPanel()->Durchgaenge(), durchgaenge);
        QVERIFY(form->OGLTimer.isActive());
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files), QStringList());
    }

    // A file that cannot be written is told in a box; one whose pass fails is not written
    // at all, and the pass's error is the one box. Either way the name is kept and a redraw
    // requested.
    void aFailedSaveIsToldAndWritesNothing_data()
    {
        QTest::addColumn<QString>("name");  // in the test's folder
        QTest::addColumn<bool>("passFehler");
        QTest::addColumn<QString>("meldung");  // %1: the file
        QTest::newRow("folder missing") << "fehlt/grafik.jpg" << false
                                        << QStringLiteral("Die Grafik konnte nicht in „%1“ gespeichert werden: "
                                                          "Datei oder Verzeichnis nicht gefunden");
        QTest::newRow("pass fails") << "grafik.jpg" << true << QStringLiteral("'q' ist kein gültiger Gleitkommawert");
    }

    void aFailedSaveIsToldAndWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, passFehler);
        QFETCH(QString, meldung);
        const QString datei = ordner->filePath(name);
        szene->werfen = passFehler;
        dialogAntwortet(datei);
        BoxBeantworter antwort(QStringLiteral("OK"));
        aktion("GrafikSpeichernUnterMen")->trigger();
        QCOMPARE(programm->GrafikDatei, datei.toStdString());
        QVERIFY(form->OGLTimer.isActive());
        szene->werfen = false;
        QTRY_VERIFY(!form->OGLTimer.isActive() && !QApplication::activeModalWidget());
        QTest::qWait(100);  // a second box would have opened by now
        QCOMPARE(antwort.texte(), QStringList{meldung.contains("%1") ? meldung.arg(datei) : meldung});
        QCOMPARE(QDir(ordner->path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestGrafikexport)
#include "test_grafikexport.moc"
