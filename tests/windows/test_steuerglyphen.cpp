#include "windows/steuerglyphen.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QTest>

#include <cstdlib>
#include <initializer_list>
#include <iterator>

using orbisto::SteuerGlyphe;

namespace {

const char* const Knoepfe[] = {
    "allePlusStretchRxSpeedButton", "alleMinusStretchRxSpeedButton",
    "xPlusStretchRxSpeedButton",    "xMinusStretchRxSpeedButton",
    "yPlusStretchRxSpeedButton",    "yMinusStretchRxSpeedButton",
    "zPlusStretchRxSpeedButton",    "zMinusStretchRxSpeedButton",
    "xPlusTransRxSpeedButton",      "xMinusTransRxSpeedButton",
    "yPlusTransRxSpeedButton",      "yMinusTransRxSpeedButton",
    "zPlusTransRxSpeedButton",      "zMinusTransRxSpeedButton",
    "ErsterOktantSpeedButton",      "Ansicht2DSpeedButton",
    "QuadratSpeedButton",           "ZoomPlusRxSpeedButton",
    "ZoomMinusRxSpeedButton",       "xMinusSTRxSpeedButton",
    "xPlusSTRxSpeedButton",         "zPlusSTRxSpeedButton",
    "zMinusSTRxSpeedButton",        "alleResetSpeedButton",
    "PerspektivePlusRxSpeedButton", "PerspektiveMinusRxSpeedButton",
    "PerspektiveResetSpeedButton",  "OplusRxSpeedButton",
    "OminusRxSpeedButton",          "PplusRxSpeedButton",
    "PminusRxSpeedButton",          "ObjEdMinus1RxSpeedButton",
    "ObjEdMinus01RxSpeedButton",    "ObjEdMinus001RxSpeedButton",
    "ObjEdPlus001RxSpeedButton",    "ObjEdPlus01RxSpeedButton",
    "ObjEdPlus1RxSpeedButton",      "ObjEdEinfuegenRxSpeedButton",
    "ObjEdSchliessenRxSpeedButton",
};

QImage Bild(const QIcon& icon, int groesse, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(groesse, groesse), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Ink: what a user sees against the button, i.e. any pixel that is not (nearly) transparent.
int Tinte(const QImage& bild, const QRect& innen = QRect(), bool* aussen = nullptr)
{
    int anzahl = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (qAlpha(bild.pixel(x, y)) < 16)
                continue;
            ++anzahl;
            if (aussen && !innen.contains(x, y))
                *aussen = true;
        }
    }
    return anzahl;
}

// Pixels that differ clearly enough for an eye to tell, not by antialiasing noise.
int Unterschied(const QImage& a, const QImage& b)
{
    int anzahl = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qAlpha(p) - qAlpha(q)) > 64 || qAbs(qRed(p) - qRed(q)) > 64 || qAbs(qGreen(p) - qGreen(q)) > 64 ||
                qAbs(qBlue(p) - qBlue(q)) > 64)
                ++anzahl;
        }
    }
    return anzahl;
}

// Every glyph at 16, 24 and 32 pixels and disabled, then 16 pixels and the 2x drawing
// enlarged to judge the pixels: ORBISTO_GLYPHENBLATT=/tmp/blatt.png writes it.
void KontaktbogenSchreiben(const QString& pfad)
{
    constexpr int Breite = 150, Hoehe = 120, Spalten = 6;
    const int zeilen = (int(std::size(Knoepfe)) + Spalten - 1) / Spalten;
    QImage bogen(Spalten * Breite, zeilen * Hoehe, QImage::Format_ARGB32);
    bogen.fill(QGuiApplication::palette().color(QPalette::Button));
    QPainter p(&bogen);
    QFont schrift = p.font();
    schrift.setPixelSize(9);
    p.setFont(schrift);
    for (int i = 0; i < int(std::size(Knoepfe)); ++i) {
        const QIcon icon = SteuerGlyphe(QLatin1String(Knoepfe[i]));
        const QPoint o((i % Spalten) * Breite + 4, (i / Spalten) * Hoehe + 4);
        p.drawText(o + QPoint(0, 9), QString::fromLatin1(Knoepfe[i]).remove(QLatin1String("SpeedButton")));
        int x = o.x();
        for (int g : {16, 24, 32}) {
            p.drawPixmap(x, o.y() + 14, icon.pixmap(g));
            x += g + 6;
        }
        p.drawPixmap(x, o.y() + 14, icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled));
        p.drawImage(QRect(o.x(), o.y() + 50, 64, 64), Bild(icon, 16));
        p.drawImage(QRect(o.x() + 72, o.y() + 50, 64, 64), icon.pixmap(QSize(16, 16), 2.0).toImage());
    }
    p.end();
    QVERIFY(bogen.save(pfad));
}

}  // namespace

class TestSteuerGlyphen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drawnInsideTheBox_data();
    void drawnInsideTheBox();
    void drawnAtHighResolution();
    void allDiffer();
    void greyedOutWithoutColour();
    void unbekannterName_data();
    void unbekannterName();
};

void TestSteuerGlyphen::initTestCase()
{
    if (const char* pfad = std::getenv("ORBISTO_GLYPHENBLATT"))
        KontaktbogenSchreiben(QString::fromLocal8Bit(pfad));
}

void TestSteuerGlyphen::drawnInsideTheBox_data()
{
    QTest::addColumn<QString>("knopf");
    for (const char* knopf : Knoepfe)
        QTest::newRow(knopf) << QString::fromLatin1(knopf);
}

void TestSteuerGlyphen::drawnInsideTheBox()
{
    QFETCH(QString, knopf);
    const QIcon icon = SteuerGlyphe(knopf);
    QVERIFY(!icon.isNull());
    for (int groesse : {16, 32}) {
        const QImage bild = Bild(icon, groesse);
        QCOMPARE(bild.size(), QSize(groesse, groesse));
        // Enough ink to be a picture, not a speck.
        QVERIFY2(Tinte(bild) >= groesse * groesse / 10, qPrintable(QString::number(groesse)));

        // Painted into a larger canvas, nothing may fall outside the rectangle given.
        QImage leinwand(3 * groesse, 3 * groesse, QImage::Format_ARGB32);
        leinwand.fill(Qt::transparent);
        const QRect kasten(groesse, groesse, groesse, groesse);
        QPainter p(&leinwand);
        icon.paint(&p, kasten);
        p.end();
        bool aussen = false;
        QVERIFY(Tinte(leinwand, kasten, &aussen) > 0);
        QVERIFY2(!aussen, qPrintable(QString::number(groesse)));
    }
}

void TestSteuerGlyphen::drawnAtHighResolution()
{
    for (const char* knopf : Knoepfe) {
        const QIcon icon = SteuerGlyphe(QLatin1String(knopf));
        const QPixmap doppelt = icon.pixmap(QSize(16, 16), 2.0);
        QCOMPARE(doppelt.size(), QSize(32, 32));
        QCOMPARE(doppelt.devicePixelRatio(), 2.0);
        // Drawn at its device size, hence the same as a 32-pixel glyph and more than the
        // 16-pixel one enlarged.
        const QImage bild = doppelt.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Unterschied(bild, Bild(icon, 32)), 0);
        const QImage vergroessert = Bild(icon, 16).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(Unterschied(bild, vergroessert) > 0, knopf);
    }
}

void TestSteuerGlyphen::allDiffer()
{
    // At 16 pixels every pair differs in more than a few pixels: told apart at a glance.
    for (int i = 0; i < int(std::size(Knoepfe)); ++i) {
        const QImage a = Bild(SteuerGlyphe(QLatin1String(Knoepfe[i])), 16);
        for (int j = i + 1; j < int(std::size(Knoepfe)); ++j) {
            const QImage b = Bild(SteuerGlyphe(QLatin1String(Knoepfe[j])), 16);
            QVERIFY2(Unterschied(a, b) >= 8, qPrintable(QStringLiteral("%1 / %2").arg(Knoepfe[i], Knoepfe[j])));
        }
    }
}

void TestSteuerGlyphen::greyedOutWithoutColour()
{
    // QIcon leaves a custom engine's disabled state to the engine: it must be grey, yet keep its shapes.
    for (const char* knopf : Knoepfe) {
        const QIcon icon = SteuerGlyphe(QLatin1String(knopf));
        const QImage grau = Bild(icon, 16, QIcon::Disabled);
        QVERIFY2(Tinte(grau) >= 16 * 16 / 10, knopf);
        QVERIFY2(Unterschied(grau, Bild(icon, 16)) > 0, knopf);
        for (int y = 0; y < grau.height(); ++y) {
            for (int x = 0; x < grau.width(); ++x) {
                const QColor c = QColor::fromRgba(grau.pixel(x, y));
                QVERIFY2(c.alpha() < 16 || c.hsvSaturation() < 40, knopf);
            }
        }
    }
}

void TestSteuerGlyphen::unbekannterName_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::newRow("empty") << QString();
    QTest::newRow("other control") << QStringLiteral("OProjektionRadioButton");
    QTest::newRow("wrong case") << QStringLiteral("xplusstretchrxspeedbutton");
    QTest::newRow("prefix only") << QStringLiteral("xPlusStretch");
}

void TestSteuerGlyphen::unbekannterName()
{
    QFETCH(QString, knopf);
    QVERIFY(SteuerGlyphe(knopf).isNull());
}

QTEST_MAIN(TestSteuerGlyphen)
#include "test_steuerglyphen.moc"
