// The command line. The real program runs as a child with no display at all (no DISPLAY,
// no Wayland, no QT_QPA_PLATFORM): its pictures must be the render pass's own pixels, and a
// call that fails must say why in German and write nothing. Lists named for the window are
// opened in it once it is up.

#include "app/startlisten.h"
#include "boxbeantworter.h"
#include "headlessframe.h"
#include "objects/objektdatei.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"
#include "windows/orbisto2013_form.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace orbisto;

namespace {

struct Lauf {
    int status = -1;
    QString aus, fehler;
};

// `zusatz`: one more variable as NAME=value.
Lauf starten(const QString& ordner, const QStringList& argumente, const QString& zusatz = {})
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(name));
    if (!zusatz.isEmpty())
        umgebung.insert(zusatz.section('=', 0, 0), zusatz.section('=', 1));
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral(ORBISTO_PROGRAMM), argumente);
    Lauf lauf;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return lauf;
    lauf.status = p.exitCode();
    lauf.aus = QString::fromUtf8(p.readAllStandardOutput());
    lauf.fehler = QString::fromUtf8(p.readAllStandardError());
    return lauf;
}

void schreiben(const QString& datei, const QByteArray& inhalt)
{
    QFile f(datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

const QByteArray Kopf = "Objektliste zu Orbisto\r\n";
// A solid teal sphere marked Orig, and a solid magenta one that is not.
const QByteArray ZweiKugeln = Kopf + "8421376|1|Kugel|0|0|0|2|0|1|8\r\n16711935|0|Kugel|3|3|3|2|0|1|8\r\n";

}  // namespace

class TestKommandozeile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;

    QString pfad(const QString& name) const { return ordner->filePath(name); }

private slots:
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
        schreiben(pfad("gut.o3d"), ZweiKugeln);
        schreiben(pfad("punkt.o3d"), Kopf + "255|1|Punkt|1|2|3|0,5\r\n");
        schreiben(pfad("keine.o3d"), "hallo\r\n");
        schreiben(pfad("kaputt.o3d"), Kopf + "255|1|Kugel|0|0|0|2*x|1|0|4\r\n");
        QVERIFY(QDir(ordner->path()).mkdir("bilder"));
        schreiben(pfad("bilder/alt.png"), "alt");
    }

    void helpAndVersion()
    {
        const Lauf hilfe = starten(ordner->path(), {"--help"});
        QCOMPARE(hilfe.status, 0);
        for (const char* text : {"--bild <datei|ordner>", "--groesse <BxH>", "--format <typ>", "600x620"})
            QVERIFY2(hilfe.aus.contains(QString::fromUtf8(text)), text);
        const Lauf version = starten(ordner->path(), {"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.aus, QStringLiteral("Orbisto " ORBISTO_VERSION "\n"));
    }

    void pictureIsTheRenderPassOfTheOrigEntries()
    {
        const Lauf lauf = starten(ordner->path(), {"--bild", "bild.png", "--groesse", "320x240", "gut.o3d"});
        QVERIFY2(lauf.status == 0, qPrintable(lauf.fehler));
        QImageReader leser(pfad("bild.png"));
        QCOMPARE(leser.format(), QByteArray("png"));
        const QImage bild = leser.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(bild.size(), QSize(320, 240));

        Programm programm;
        programm.Objektliste = ObjektlisteLaden(pfad("gut.o3d").toStdString());
        HeadlessFrame frame(320, 240);
        const Frame pass = frame.render([&] { Zeichnen(programm, frame.ressourcen(), 320, 240); });
        int abweichend = 0, tuerkis = 0, magenta = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const QColor c = bild.pixelColor(x, y);
                const Rgba soll = pass.pixel(x, y);
                abweichend += c != QColor(soll.r, soll.g, soll.b) ? 1 : 0;
                tuerkis += c.red() < 40 && c.green() > 60 && c.blue() > 60 && std::abs(c.green() - c.blue()) < 30;
                magenta += c.red() > 120 && c.blue() > 120 && c.green() < 60;
            }
        QCOMPARE(abweichend, 0);
        QVERIFY2(tuerkis > 500, "the entry marked Orig is drawn");
        QCOMPARE(magenta, 0);  // the other one is not
    }

    void severalListsGiveOnePictureEachNamedAfterIt()
    {
        const Lauf lauf = starten(ordner->path(), {"--bild", "bilder", "--format", "jpg", "gut.o3d", "punkt.o3d"});
        QVERIFY2(lauf.status == 0, qPrintable(lauf.fehler));
        QCOMPARE(QDir(pfad("bilder")).entryList(QDir::Files), QStringList({"alt.png", "gut.jpg", "punkt.jpg"}));
        for (const char* name : {"bilder/gut.jpg", "bilder/punkt.jpg"}) {
            QImageReader leser(pfad(name));
            QCOMPARE(leser.format(), QByteArray("jpeg"));
            QCOMPARE(leser.size(), QSize(600, 620));
        }
        QVERIFY(QImage(pfad("bilder/gut.jpg")) != QImage(pfad("bilder/punkt.jpg")));
    }

    void aFailedCallSaysWhyAndWritesNothing_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("umgebung");
        const QString ziel = QStringLiteral("bilder/alt.png");  // an existing picture must survive
        QTest::newRow("not a list") << QStringList{"--bild", ziel, "keine.o3d"} << 1
                                    << "keine.o3d: Abbruch: Datei ist keine Objektliste zu Orbisto" << QString();
        QTest::newRow("no such list") << QStringList{"--bild", ziel, "fehlt.o3d"} << 1
                                      << "Die Datei „fehlt.o3d“ konnte nicht gelesen werden" << QString();
        QTest::newRow("parameter no number") << QStringList{"--bild", ziel, "kaputt.o3d"} << 1
                                             << "kaputt.o3d: '2*x' ist kein gültiger Gleitkommawert" << QString();
        QTest::newRow("one bad list among several")
            << QStringList{"--bild", "bilder", "gut.o3d", "keine.o3d"} << 1 << "keine.o3d: Abbruch" << QString();
        QTest::newRow("no list") << QStringList{"--bild", ziel} << 2 << "Keine Objektliste angegeben" << QString();
        QTest::newRow("unknown picture type") << QStringList{"--bild", "bilder/alt.gif", "gut.o3d"} << 2
                                              << "Unbekannter Bildtyp von „bilder/alt.gif“" << QString();
        QTest::newRow("bad size") << QStringList{"--groesse", "0x10", "--bild", ziel, "gut.o3d"} << 2
                                  << "„0x10“ ist keine Bildgröße" << QString();
        QTest::newRow("several lists, one file") << QStringList{"--bild", ziel, "gut.o3d", "punkt.o3d"} << 2
                                                 << "„bilder/alt.png“ ist kein Ordner" << QString();
        QTest::newRow("unknown option") << QStringList{"--bild", ziel, "--farbe", "rot", "gut.o3d"} << 2
                                        << "Unbekannte Option 'farbe'" << QString();
        // EGL finds no driver at all, as on a machine without OpenGL.
        QTest::newRow("no OpenGL") << QStringList{"--bild", ziel, "gut.o3d"} << 1
                                   << "OpenGL steht für die Grafik nicht zur Verfügung"
                                   << "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json";
    }

    void aFailedCallSaysWhyAndWritesNothing()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QFETCH(QString, umgebung);
        const Lauf lauf = starten(ordner->path(), argumente, umgebung);
        QCOMPARE(lauf.status, status);
        QVERIFY2(lauf.fehler.startsWith("orbisto: ") && lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QCOMPARE(QDir(pfad("bilder")).entryList(QDir::Files), QStringList{"alt.png"});
        QFile alt(pfad("bilder/alt.png"));
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("alt"));
    }

    // The window opens the list it was started with; one it cannot read is told, and the
    // list stays empty.
    void aListNamedForTheWindowIsOpenedInIt()
    {
        Programm programm;
        TOrbisto2013Form form(programm);
        ListenBeimStartOeffnen(form, {pfad("gut.o3d")});
        QCOMPARE(programm.Objektliste.ObjektAnzahl(), 2);
        QCOMPARE(programm.ListenDatei, pfad("gut.o3d").toStdString());
        QVERIFY(programm.Gespeichert);

        BoxBeantworter antwort(QStringLiteral("OK"));
        ListenBeimStartOeffnen(form, {pfad("keine.o3d")});
        QCOMPARE(antwort.texte(), QStringList{"Abbruch: Datei ist keine Objektliste zu Orbisto"});
        QCOMPARE(programm.Objektliste.ObjektAnzahl(), 0);
        QCOMPARE(programm.ListenDatei, pfad("gut.o3d").toStdString());
    }
};

QTEST_MAIN(TestKommandozeile)
#include "test_kommandozeile.moc"
