// File names between the file system and Qt: any bytes survive the way through Qt text,
// and a name that Qt's dialog shows with U+FFFD is found again under its real bytes.

#include "widgets/dateinamen.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

class TestDateinamen : public QObject {
    Q_OBJECT

private slots:
    void bytesComeBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ASCII") << QByteArray("/tmp/liste.o3d") << true;
        QTest::newRow("UTF-8") << QByteArray("/home/schüler/Übung ½.o3d") << true;
        QTest::newRow("beyond the BMP") << QByteArray("Kugel \xF0\x9F\x8C\x8D.o3d") << true;
        QTest::newRow("Latin-1") << QByteArray("liste\xE4.o3d") << false;
        QTest::newRow("cut short") << QByteArray("bild\xC3") << false;
        QTest::newRow("stray continuation, 0xFF") << QByteArray("\x80x\xFF") << false;
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF"
                                                      "b")
                                        << false;
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        // A character of two UTF-16 units followed by a byte that is no UTF-8: the byte's
        // stand-in must not be read as part of that character.
        QTest::newRow("pair, then a stray byte") << QByteArray("\xF0\x9F\x92\x80\x80\xDC") << false;
    }

    void bytesComeBackUnchanged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const std::string roh = bytes.toStdString();
        const QString text = orbisto::DateinameText(roh);
        QCOMPARE(Bytes(orbisto::DateinameBytes(text)), bytes);
        // A UTF-8 name is its plain text; shown, a name carries U+FFFD where Qt puts it.
        QCOMPARE(text == QString::fromUtf8(bytes), utf8);
        QCOMPARE(orbisto::DateinameAnzeige(roh), QString::fromUtf8(bytes));
        QCOMPARE(orbisto::DateinameAnzeige(roh).contains(QChar::ReplacementCharacter), !utf8);
    }

    void aNameQtShowsIsFoundUnderItsBytes()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const std::string ordner = QFile::encodeName(tmp.path()).toStdString() + "/";
        // Qt cannot remove what it cannot name.
        const struct Aufraeumen {
            std::string ordner;
            ~Aufraeumen() { std::filesystem::remove_all(ordner); }
        } aufraeumen{ordner};
        for (const std::string name : {"liste\xE4.o3d", "a\xE4.o3d", "a\xF6.o3d", "gut.o3d", "Ordner\xFC/x.o3d"}) {
            if (name.find('/') != std::string::npos)
                QCOMPARE(::mkdir((ordner + name.substr(0, name.find('/'))).c_str(), 0755), 0);
            std::ofstream(ordner + name) << "x";
        }
        const QString raute = QString(QChar::ReplacementCharacter);
        const QString anfang = tmp.path() + "/";
        const struct {
            QString gezeigt;
            std::string datei;
        } faelle[] = {
            {anfang + "liste" + raute + ".o3d", ordner + "liste\xE4.o3d"},
            {anfang + "Ordner" + raute + "/x.o3d", ordner + "Ordner\xFC/x.o3d"},
            {anfang + "Ordner" + raute + "/neu.o3d", ordner + "Ordner\xFC/neu.o3d"},  // a new file there
            {anfang + "gut.o3d", ordner + "gut.o3d"},
            {orbisto::DateinameText(ordner + "a\xF6.o3d"), ordner + "a\xF6.o3d"},
            // Two names look alike: neither is guessed, the name stays as written.
            {anfang + "a" + raute + ".o3d", ordner + "a\xEF\xBF\xBD.o3d"},
            {anfang + "fehlt" + raute + ".o3d", ordner + "fehlt\xEF\xBF\xBD.o3d"},
        };
        for (const auto& f : faelle)
            QCOMPARE(Bytes(orbisto::DateinameAufloesen(f.gezeigt)), Bytes(f.datei));

        // Relative to the current folder, too.
        const QString vorher = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tmp.path()));
        QCOMPARE(Bytes(orbisto::DateinameAufloesen("liste" + raute + ".o3d")), QByteArray("liste\xE4.o3d"));
        QCOMPARE(Bytes(orbisto::DateinameAbsolut("./Ordner\xFC/../liste\xE4.o3d")), Bytes(ordner + "liste\xE4.o3d"));
        QVERIFY(QDir::setCurrent(vorher));
    }
};

QTEST_GUILESS_MAIN(TestDateinamen)
#include "test_dateinamen.moc"
