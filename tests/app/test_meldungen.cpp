#include "app/meldungen_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <stdexcept>

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

// What a modal box showed, read while it was open.
struct Box {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QStringList knoepfe;  // captions, sorted
    int piepseVorher = 0;  // beeps heard before the box appeared
};

int piepse = 0;
void Signalton()
{
    ++piepse;
}

// Answers every modal message box: records it, runs `waehrend` while it is open, then
// presses the button with the caption `antwort` (or Escape when it is empty).
class BoxBeantworter : public QObject {
public:
    explicit BoxBeantworter(QString antwort, std::function<void()> waehrend = {})
        : antwort_(std::move(antwort))
        , waehrend_(std::move(waehrend))
    {
        Planen();
    }
    QList<Box> boxen;

private:
    // A fresh single shot each time, so that a box opened inside another one (the
    // fault some tests look for) is answered too instead of hanging the test.
    void Planen() { QTimer::singleShot(10, this, &BoxBeantworter::Pruefen); }

    void Pruefen()
    {
        Planen();
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == letzte_)
            return;
        letzte_ = box;
        Box gesehen{box->windowTitle(), box->text(), box->icon(), box->textFormat(), {}, piepse};
        for (QAbstractButton* knopf : box->buttons())
            gesehen.knoepfe.append(knopf->text());
        gesehen.knoepfe.sort();
        boxen.append(gesehen);
        if (waehrend_)
            waehrend_();
        if (antwort_.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* knopf : box->buttons())
            if (knopf->text() == antwort_)
                knopf->click();
    }

    QString antwort_;
    std::function<void()> waehrend_;
    QPointer<QMessageBox> letzte_;
};

}  // namespace

class TestMeldungen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { orbisto::SignaltonSetzen(&Signalton); }
    void init() { piepse = 0; }

    void fehlermeldung();
    void bestaetigung_data();
    void bestaetigung();
    void fehlerAnzeigenNurEineBox();
    void fehlerAbfangen_data();
    void fehlerAbfangen();
};

void TestMeldungen::fehlermeldung()
{
    BoxBeantworter beantworter(QStringLiteral("OK"));
    orbisto::Fehlermeldung(QStringLiteral("Zeile <b>1</b>\rZeile 2"));

    QCOMPARE(piepse, 1);
    QCOMPARE(beantworter.boxen.size(), 1);
    const Box& box = beantworter.boxen.front();
    QCOMPARE(box.piepseVorher, 1);  // the beep came first
    QCOMPARE(box.titel, QStringLiteral("Orbisto"));
    QCOMPARE(box.symbol, QMessageBox::Critical);
    QCOMPARE(box.text, QStringLiteral("Zeile <b>1</b>\nZeile 2"));
    QCOMPARE(box.format, Qt::PlainText);  // shown as typed, never as markup
    QCOMPARE(box.knoepfe, QStringList{"OK"});
}

void TestMeldungen::bestaetigung_data()
{
    QTest::addColumn<QString>("antwort");  // empty: Escape
    QTest::addColumn<bool>("ergebnis");

    QTest::newRow("Ja") << "Ja" << true;
    QTest::newRow("Nein") << "Nein" << false;
    QTest::newRow("Escape") << "" << false;
}

void TestMeldungen::bestaetigung()
{
    QFETCH(QString, antwort);
    QFETCH(bool, ergebnis);

    BoxBeantworter beantworter(antwort);
    const bool ja = orbisto::Bestaetigung(
        QStringLiteral("Objektliste so noch nicht gespeichert.\rTrotzdem beenden?"));

    QCOMPARE(ja, ergebnis);
    QCOMPARE(piepse, 1);
    QCOMPARE(beantworter.boxen.size(), 1);
    const Box& box = beantworter.boxen.front();
    QCOMPARE(box.piepseVorher, 1);  // the beep came first
    QCOMPARE(box.titel, QStringLiteral("Orbisto"));
    QCOMPARE(box.symbol, QMessageBox::Question);
    QCOMPARE(box.text,
             QStringLiteral("Objektliste so noch nicht gespeichert.\nTrotzdem beenden?"));
    QCOMPARE(box.knoepfe, (QStringList{"Ja", "Nein"}));
}

void TestMeldungen::fehlerAnzeigenNurEineBox()
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
    QCOMPARE(beantworter.boxen.front().text,
             QStringLiteral("'x' ist kein gültiger Gleitkommawert"));
    QCOMPARE(beantworter.boxen.front().symbol, QMessageBox::Critical);
    QCOMPARE(piepse, 1);

    // Once it is closed, the next error shows again.
    QVERIFY(orbisto::FehlerAnzeigen(QStringLiteral("dritter Fehler")));
    QCOMPARE(beantworter.boxen.size(), 2);
}

void TestMeldungen::fehlerAbfangen_data()
{
    QTest::addColumn<std::function<void()>>("handler");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("texte");

    QTest::newRow("ohne Fehler") << std::function<void()>([] {}) << true << QStringList{};
    QTest::newRow("std::exception")
        << std::function<void()>([] { throw std::runtime_error("Syntaxfehler bei \"(\""); })
        << false << QStringList{"Syntaxfehler bei \"(\""};
    QTest::newRow("anderer Fehler") << std::function<void()>([] { throw 42; }) << false
                                    << QStringList{"Unbekannter Fehler"};
}

void TestMeldungen::fehlerAbfangen()
{
    QFETCH(std::function<void()>, handler);
    QFETCH(bool, ok);
    QFETCH(QStringList, texte);

    BoxBeantworter beantworter(QStringLiteral("OK"));
    QCOMPARE(orbisto::FehlerAbfangen(handler), ok);
    QStringList gezeigt;
    for (const Box& box : beantworter.boxen)
        gezeigt.append(box.text);
    QCOMPARE(gezeigt, texte);
}

QTEST_MAIN(TestMeldungen)
#include "test_meldungen.moc"
