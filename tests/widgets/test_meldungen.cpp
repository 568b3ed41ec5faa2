#include "app/sprache.h"
#include "boxbeantworter.h"
#include "widgets/meldungen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <functional>
#include <new>
#include <stdexcept>
#include <system_error>

Q_DECLARE_METATYPE(std::function<void()>)
Q_DECLARE_METATYPE(orbisto::tAntwort)

namespace {

int piepse = 0;
void Signalton() { ++piepse; }

}  // namespace

class TestMeldungen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        orbisto::SignaltonSetzen(&Signalton);
        BoxPiepsZaehler = [] { return piepse; };
    }
    void init() { piepse = 0; }

    void errorMessage();
    void confirmation_data();
    void confirmation();
    void questionWithCancel_data();
    void questionWithCancel();
    void onlyOneErrorBoxAtATime();
    void catchingHandlerErrors_data();
    void catchingHandlerErrors();
    void qtSpeaksGerman();
};

void TestMeldungen::errorMessage()
{
    BoxBeantworter beantworter(QStringLiteral("OK"));
    orbisto::Fehlermeldung(QStringLiteral("Zeile <b>1</b>\rZeile 2"));

    QCOMPARE(piepse, 1);
    QCOMPARE(beantworter.boxen.size(), 1);
    const GeseheneBox& box = beantworter.boxen.front();
    QCOMPARE(box.piepseVorher, 1);  // the beep came first
    QCOMPARE(box.titel, QStringLiteral("Orbisto"));
    QCOMPARE(box.symbol, QMessageBox::Critical);
    QCOMPARE(box.text, QStringLiteral("Zeile <b>1</b>\nZeile 2"));
    QCOMPARE(box.format, Qt::PlainText);  // shown as typed, never as markup
    QCOMPARE(box.knoepfe, QStringList{"OK"});
}

void TestMeldungen::confirmation_data()
{
    QTest::addColumn<QString>("antwort");  // empty: Escape
    QTest::addColumn<bool>("ergebnis");

    QTest::newRow("yes") << "Ja" << true;
    QTest::newRow("no") << "Nein" << false;
    QTest::newRow("escape") << "" << false;
}

void TestMeldungen::confirmation()
{
    QFETCH(QString, antwort);
    QFETCH(bool, ergebnis);

    BoxBeantworter beantworter(antwort);
    const bool ja = orbisto::Bestaetigung(QStringLiteral("Objektliste so noch nicht gespeichert.\rTrotzdem beenden?"));

    QCOMPARE(ja, ergebnis);
    QCOMPARE(piepse, 1);
    QCOMPARE(beantworter.boxen.size(), 1);
    const GeseheneBox& box = beantworter.boxen.front();
    QCOMPARE(box.piepseVorher, 1);  // the beep came first
    QCOMPARE(box.titel, QStringLiteral("Orbisto"));
    QCOMPARE(box.symbol, QMessageBox::Question);
    QCOMPARE(box.text, QStringLiteral("Objektliste so noch nicht gespeichert.\nTrotzdem beenden?"));
    QCOMPARE(box.knoepfe, (QStringList{"Ja", "Nein"}));
}

void TestMeldungen::questionWithCancel_data()
{
    QTest::addColumn<QString>("antwort");  // empty: Escape
    QTest::addColumn<orbisto::tAntwort>("ergebnis");

    QTest::newRow("yes") << "Ja" << orbisto::tAntwort::Ja;
    QTest::newRow("no") << "Nein" << orbisto::tAntwort::Nein;
    QTest::newRow("cancel") << "Abbrechen" << orbisto::tAntwort::Abbrechen;
    QTest::newRow("escape") << "" << orbisto::tAntwort::Abbrechen;
}

void TestMeldungen::questionWithCancel()
{
    QFETCH(QString, antwort);
    QFETCH(orbisto::tAntwort, ergebnis);

    BoxBeantworter beantworter(antwort);
    QCOMPARE(orbisto::Frage(QStringLiteral("Soll die aktuelle Objektliste vorher gespeichert werden ?")), ergebnis);
    QCOMPARE(piepse, 1);
    QCOMPARE(beantworter.boxen.size(), 1);
    const GeseheneBox& box = beantworter.boxen.front();
    QCOMPARE(box.piepseVorher, 1);
    QCOMPARE(box.titel, QStringLiteral("Orbisto"));
    QCOMPARE(box.symbol, QMessageBox::Question);
    QCOMPARE(box.knoepfe, (QStringList{"Abbrechen", "Ja", "Nein"}));
}

void TestMeldungen::onlyOneErrorBoxAtATime()
{
    // A redraw timer that keeps failing while the box is open must not stack boxes.
    int weitere = 0;
    int gezeigt = 0;
    QTimer neuzeichnen;
    connect(&neuzeichnen, &QTimer::timeout, this, [&] {
        ++weitere;
        if (orbisto::FehlerAnzeigen(QStringLiteral("zweiter Fehler")))
            ++gezeigt;
    });
    BoxBeantworter beantworter(QStringLiteral("OK"), [&] {
        neuzeichnen.start(5);
        QTRY_VERIFY(weitere >= 3);
        neuzeichnen.stop();
    });

    QVERIFY(orbisto::FehlerAnzeigen(QStringLiteral("'x' ist kein gültiger Gleitkommawert")));
    QCOMPARE(gezeigt, 0);
    QCOMPARE(beantworter.boxen.size(), 1);
    QCOMPARE(beantworter.boxen.front().text, QStringLiteral("'x' ist kein gültiger Gleitkommawert"));
    QCOMPARE(beantworter.boxen.front().symbol, QMessageBox::Critical);
    QCOMPARE(piepse, 1);

    // Once it is closed, the next error shows again.
    QVERIFY(orbisto::FehlerAnzeigen(QStringLiteral("dritter Fehler")));
    QCOMPARE(beantworter.boxen.size(), 2);
}

void TestMeldungen::catchingHandlerErrors_data()
{
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("texte");

    QTest::newRow("no error") << std::function<void()>([] {}) << true << QStringList{};
    QTest::newRow("std::exception") << std::function<void()>([] { throw std::runtime_error("Syntaxfehler bei \"(\""); })
                                    << false << QStringList{"Syntaxfehler bei \"(\""};
    QTest::newRow("other error") << std::function<void()>([] { throw 42; }) << false
                                 << QStringList{"Unbekannter Fehler"};
    // The library's exceptions speak English; the box speaks German.
    QTest::newRow("out of memory") << std::function<void()>([] { throw std::bad_alloc(); }) << false
                                   << QStringList{"Nicht genug Arbeitsspeicher"};
    QTest::newRow("system error")
        << std::function<void()>([] { throw std::system_error(ELOOP, std::generic_category(), "open"); }) << false
        << QStringList{"Fehler des Systems: Zu viele symbolische Links hintereinander, vermutlich eine Schleife"};
}

void TestMeldungen::catchingHandlerErrors()
{
    QFETCH(std::function<void()>, handler);
    QFETCH(bool, ok);
    QFETCH(QStringList, texte);

    BoxBeantworter beantworter(QStringLiteral("OK"));
    QCOMPARE(orbisto::FehlerAbfangen(handler), ok);
    QStringList gezeigt;
    for (const GeseheneBox& box : beantworter.boxen)
        gezeigt.append(box.text);
    QCOMPARE(gezeigt, texte);
}

void TestMeldungen::qtSpeaksGerman()
{
    QVERIFY2(orbisto::DeutschEinrichten(*qApp), "Qt's German translation is installed");
    QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_C).toString(QKeySequence::NativeText), QStringLiteral("Strg+C"));
    BoxBeantworter beantworter;
    QMessageBox::question(nullptr, QString(), QStringLiteral("?"), QMessageBox::Cancel | QMessageBox::Ok);
    QCOMPARE(beantworter.boxen.front().knoepfe, (QStringList{"Abbrechen", "OK"}));
}

QTEST_MAIN(TestMeldungen)
#include "test_meldungen.moc"
