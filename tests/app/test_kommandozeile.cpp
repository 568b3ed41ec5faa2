// The command line. The real program runs as a child with no display at all (no DISPLAY,
// no Wayland, no QT_QPA_PLATFORM): its pictures must be the render pass's own pixels, and a
// call that fails must say why in German and write nothing. Lists named for the window are
// opened in it once it is up.

#include "app/startlisten.h"
#include "boxbeantworter.h"
#include "core/dateien.h"
#include "headlessframe.h"
#include "objects/objektdatei.h"
#include "platform/glressourcen_anlegen.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"
#include "widgets/dateinamen.h"
#include "windows/orbisto2013_form.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

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

// Runs the program through the shell, so that arguments can be bytes that are not UTF-8:
// `befehl` is a shell command line in which $0 is the program.
Lauf roh(const QString& ordner, const QString& befehl, const QString& programm = QStringLiteral(ORBISTO_PROGRAMM))
{
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(umgebung);
    p.setWorkingDirectory(ordner);
    p.start(QStringLiteral("/bin/sh"), {"-c", befehl, programm});
    Lauf lauf;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return lauf;
    lauf.status = p.exitCode();
    lauf.aus = QString::fromLatin1(p.readAllStandardOutput());  // bytes, one character each
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
    std::string bytes(const std::string& name) const
    {
        return QFile::encodeName(ordner->path()).toStdString() + "/" + name;
    }

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

    // Qt cannot remove a file whose name it cannot say.
    void cleanup() { std::filesystem::remove_all(QFile::encodeName(ordner->path()).toStdString()); }

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
        HeadlessFrame frame(320, 240, Kantenglaettung);
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

    // What no list can be is refused at once, with the reason in German; the pictures stay.
    void hostileFilesAreRefusedWithoutWaiting_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        const QString ziel = QStringLiteral("bilder/alt.png");
        QTest::newRow("list is a pipe") << QStringList{"--bild", ziel, "pipe.o3d"}
                                        << "Die Datei „pipe.o3d“ konnte nicht gelesen werden: Das ist eine Pipe (FIFO)";
        QTest::newRow("list is a device")
            << QStringList{"--bild", ziel, "/dev/null"} << "„/dev/null“ konnte nicht gelesen werden: Das ist ein Gerät";
        QTest::newRow("list is a loop of links")
            << QStringList{"--bild", ziel, "schleife.o3d"}
            << "„schleife.o3d“ konnte nicht gelesen werden: Zu viele symbolische Links hintereinander";
        QTest::newRow("picture is write-protected")
            << QStringList{"--bild", "bilder/geschuetzt.png", "gut.o3d"}
            << "Die Grafik konnte nicht in „bilder/geschuetzt.png“ gespeichert werden: Zugriff verweigert";
        QTest::newRow("picture is a pipe") << QStringList{"--bild", "bilder/pipe.png", "gut.o3d"}
                                           << "„bilder/pipe.png“ gespeichert werden: Das ist eine Pipe (FIFO)";
    }

    void hostileFilesAreRefusedWithoutWaiting()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        for (const char* name : {"pipe.o3d", "bilder/pipe.png"})
            QCOMPARE(::mkfifo(bytes(name).c_str(), 0644), 0);
        QCOMPARE(::symlink("schleife.o3d", bytes("schleife.o3d").c_str()), 0);
        schreiben(pfad("bilder/geschuetzt.png"), "alt");
        QVERIFY(QFile::setPermissions(pfad("bilder/geschuetzt.png"), QFile::ReadOwner | QFile::ReadOther));
        const QStringList vorher = QDir(pfad("bilder")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

        const Lauf lauf = starten(ordner->path(), argumente);  // a process that waits is ended after a minute
        QCOMPARE(lauf.status, 1);
        QVERIFY2(lauf.fehler.startsWith("orbisto: ") && lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QCOMPARE(QDir(pfad("bilder")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), vorher);
        QFile geschuetzt(pfad("bilder/geschuetzt.png"));
        QVERIFY(geschuetzt.open(QIODevice::ReadOnly));
        QCOMPARE(geschuetzt.readAll(), QByteArray("alt"));
    }

    // File names are bytes: a name that is not UTF-8 is read and written as it is.
    void namesThatAreNoUtf8MakePictures_data()
    {
        QTest::addColumn<QString>("argumente");  // for the shell; printf makes the bytes
        QTest::addColumn<QByteArray>("bild");
        QTest::newRow("one picture") << R"sh(--bild "$(printf 'bild\344.png')" "$(printf 'liste\344.o3d')")sh"
                                     << QByteArray("bild\xE4.png");
        QTest::newRow("into a folder") << R"sh(--bild bilder "$(printf 'liste\344.o3d')")sh"
                                       << QByteArray("bilder/liste\xE4.png");
    }

    void namesThatAreNoUtf8MakePictures()
    {
        QFETCH(QString, argumente);
        QFETCH(QByteArray, bild);
        QVERIFY(DateiErsetzen(bytes("liste\xE4.o3d"), ZweiKugeln.toStdString()) == std::error_code());
        const Lauf lauf = roh(ordner->path(), "exec \"$0\" " + argumente);
        QVERIFY2(lauf.status == 0, qPrintable(lauf.fehler));
        std::string png;
        QVERIFY(!DateiLesen(bytes(bild.toStdString()), 1 << 20, png));
        QVERIFY(png.starts_with("\x89PNG"));
    }

    // The window's lists come from Qt's arguments, which lose the bytes: the lists named
    // on the command line get theirs back, Qt's own options taken out.
    void theWindowGetsTheListsBytes()
    {
        const Lauf lauf = roh(
            ordner->path(),
            R"sh(exec "$0" -platform offscreen "$(printf 'liste\344.o3d')" -style fusion "$(printf 'b\366se.o3d')")sh",
            QStringLiteral(ORBISTO_ARGUMENTE));
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.aus, QString::fromLatin1("liste\xE4.o3d\nb\xF6se.o3d\n"));
    }

    void aListWhoseNameIsNoUtf8OpensInTheWindow()
    {
        QVERIFY(DateiErsetzen(bytes("liste\xE4.o3d"), ZweiKugeln.toStdString()) == std::error_code());
        Programm programm;
        TOrbisto2013Form form(programm);
        ListenBeimStartOeffnen(form, {DateinameText(bytes("liste\xE4.o3d"))});
        QCOMPARE(programm.Objektliste.ObjektAnzahl(), 2);
        QCOMPARE(programm.ListenDatei, bytes("liste\xE4.o3d"));
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
