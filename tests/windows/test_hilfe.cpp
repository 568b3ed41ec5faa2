// The help window, the info dialog and the test window beside the real main window (run
// under Xvfb): the windows made at start-up, the description page line by line, holding a
// window on top, the modal info dialog in the test font and a wide one, and the test memo.

#include "app/fensterliste.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "widgets/szenenform.h"
#include "windows/hilfe_form.h"
#include "windows/info_form.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"
#include "windows/testmemo_form.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace orbisto;

namespace {

const QString Trennlinie = QStringLiteral("<br><hr><br>");

}  // namespace

class TestHilfe : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;
    std::unique_ptr<TFensterliste> fenster;

    QAction* menue(const QWidget* w, const char* name) const
    {
        auto* a = w->findChild<QAction*>(QString::fromLatin1(name));
        if (!a)
            qFatal("no menu item %s", name);
        return a;
    }

    // What the info dialog shows while it is open from the menu; "OK" then closes it.
    struct InfoGesehen {
        bool offen = false;
        QString titel;
        QMap<QString, QString> werte;
        QRect rahmen;
        QStringList passfehler;
        bool kommentarGanz = false;  // the wrapped comment has all the height it needs
    };

    InfoGesehen infoZeigen()
    {
        TInfoForm* info = fenster->Info();
        InfoGesehen gesehen;
        QTimer beobachter;
        beobachter.setInterval(10);
        int runden = 0;
        connect(&beobachter, &QTimer::timeout, this, [&] {
            if (QApplication::activeModalWidget() != info) {
                if (++runden > 500 && info->isVisible())
                    info->reject();  // the test fails instead of hanging
                return;
            }
            beobachter.stop();
            gesehen.offen = true;
            gesehen.titel = info->windowTitle();
            gesehen.rahmen = info->frameGeometry();
            for (QLabel* l : info->findChildren<QLabel*>())
                gesehen.werte[l->objectName()] = l->text();
            gesehen.passfehler = Passfehler(info);
            const QLabel* kommentar = info->findChild<QLabel*>(QStringLiteral("KommentarLabel"));
            gesehen.kommentarGanz = kommentar->height() >= kommentar->heightForWidth(kommentar->width());
            QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        });
        beobachter.start();
        menue(form.get(), "InfoMen")->trigger();  // returns when the dialog has closed
        return gesehen;
    }

private slots:
    void initTestCase()
    {
        FenstertestEinrichten();
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
        fenster = std::make_unique<TFensterliste>(*programm, *form);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanupTestCase()
    {
        fenster.reset();
        form.reset();
        programm.reset();
    }

    void startUpMakesTheWindowsInOrderAndShowsNone()
    {
        QStringList klassen;
        for (QObject* kind : form->children()) {
            auto* w = qobject_cast<QWidget*>(kind);
            if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) {
                QVERIFY2(!w->isVisible(), w->metaObject()->className());
                klassen.append(QString::fromLatin1(w->metaObject()->className()));
                if (klassen.size() > 4)
                    QVERIFY2(qobject_cast<TSzenenForm*>(w), w->metaObject()->className());
            }
        }
        QCOMPARE(klassen.mid(0, 4), (QStringList{"orbisto::TEinstellungenForm", "orbisto::TTestMemoForm",
                                                 "orbisto::TInfoForm", "orbisto::THtmlHilfeForm"}));
        QVERIFY(!menue(form.get(), "TestMen")->isVisible());
    }

    void helpWindowHugsTheRightEdgeOfTheScreen()
    {
        THtmlHilfeForm* hilfe = fenster->HtmlHilfe();
        QCOMPARE(hilfe->windowTitle(), QStringLiteral("Meine Html-Hilfe"));
        const QRect s = form->screen()->availableGeometry();
        const int links = int(std::nearbyint(s.width() * 0.6));
        QCOMPARE(hilfe->pos(), s.topLeft() + QPoint(links, 10));
        QCOMPARE(hilfe->size(), QSize(s.width() - links - 10, int(std::nearbyint(s.height() * 0.9))));
        QCOMPARE(hilfe->centralWidget(), hilfe->findChild<QTextBrowser*>(QStringLiteral("HilfeViewer")));
    }

    // Chosen twice, the page is there once: head, seven groups each closed by a rule, the
    // closing breaks, end.
    void descriptionPageIsBuiltLineByLineOnce()
    {
        THtmlHilfeForm* hilfe = fenster->HtmlHilfe();
        menue(form.get(), "BeschreibungMen")->trigger();
        menue(form.get(), "BeschreibungMen")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(hilfe));
        QVERIFY(!hilfe->isModal());
        QCOMPARE(hilfe->windowTitle(), QStringLiteral("Beschreibung zu Orbisto"));

        const QStringList& d = hilfe->Dokument();
        QCOMPARE(d.size(), 7 + 142 + 7 + 1 + 3);
        QCOMPARE(d.mid(0, 7),
                 (QStringList{"<html>", "<head>", "<meta charset=iso-8859-1>", "<title>Titelleisten-Text</title>",
                              "</head>", "<body bgcolor=\"#ffffe6\">", "<font face=\"Verdana\" size=\"2\">"}));
        QCOMPARE(d.mid(7, 3), (QStringList{"<br>", "<h2>Orbisto</h2>", "<h3>Ziele</h3>"}));
        QCOMPARE(d.mid(d.size() - 5), (QStringList{Trennlinie, "<br><br><br>", "</font>", "</body>", "</html>"}));

        // Every rule closes a group: the next line opens the next group's heading.
        const QStringList ueberschriften = {
            "<h3>Schnell-Start</h3>",
            "<h3>Bedienungs-Übersicht</h3>",
            "<h3>Eingabe/Bearbeitung von Objekten</h3>",
            "<h3>Objektliste</h3>",
            "<h3>Einstellungen zum Koordinatensystem XYZ</h3>",
            "<h3>Datei-Menü</h3>",
            "<br><br><br>",
        };
        QStringList nachTrennlinie;
        for (qsizetype i = 0; i + 1 < d.size(); ++i)
            if (d[i] == Trennlinie)
                nachTrennlinie.append(d[i + 1]);
        QCOMPARE(nachTrennlinie, ueberschriften);

        // Lines with blanks, symbols and slips that are easily "corrected" by mistake.
        const QStringList zeilen = {
            "  <tr bgcolor=#eeeeee>",
            "    <td><b>Objektliste</b><br> Änderungen über das Kontext-Menü oder durch Doppelclick auf Markierung "
            "oder Objekt  </td>",
            "Mit den Tasten [+] und [-] können die Parameter je nach Art um ± 1; ± 0,1; ± 0,01 verändert werden.",
            " durch Click auf ein anderes Feld wieder verlassen wurde.",
            "Nur die dort eingetragenen Objekte werden dauerhaft im Original-Modus gezeichnetund evtl. gespeichert.",
            "Durch [-><-] werden die Einheiten gestaucht, d.h. eine Einheit wird größer.",
            "und steht zur weiteren Nutzung z.B. in Textverarbeitunsprogrammen",
        };
        for (const QString& zeile : zeilen)
            QVERIFY2(d.count(zeile) == (zeile.startsWith("  <tr") ? 2 : 1), qPrintable(zeile));
        const qsizetype durchClick = d.indexOf(" durch Click auf ein anderes Feld wieder verlassen wurde.");
        QCOMPARE(d[durchClick - 1],
                 "Bei der direkten Eingabe wird die Vorschau-Grafik erst geändert, wenn das Editierfeld");

        // Loaded as HTML, not as text.
        const QTextBrowser* viewer = hilfe->findChild<QTextBrowser*>(QStringLiteral("HilfeViewer"));
        const QString text = viewer->toPlainText();
        QVERIFY(text.contains("Bedienungs-Übersicht"));
        QVERIFY(!text.contains("<h3>"));
        // A "<" that opens no tag is text, and nothing after it goes missing.
        QVERIFY(text.contains("Durch [<->] werden die Einheiten gestreckt"));
        QVERIFY(text.contains("Durch [-><-] werden die Einheiten gestaucht, d.h. eine Einheit wird größer."));
        QVERIFY(text.contains("Ursprung:"));
        QCOMPARE(text.count("Schnell-Start"), 1);
        QCOMPARE(viewer->document()->metaInformation(QTextDocument::DocumentTitle), "Titelleisten-Text");
    }

    // "Fixieren" holds a window above the others and back; the caption says what the next
    // click does. Only the help window's "schließen" also returns it to normal.
    void fixingHoldsAWindowOnTop()
    {
        struct Fall {
            QWidget* fenster;
            const char* fixieren;
            QString normal, oben;
            const char* schliessen;
            bool schliessenMachtNormal;
        };
        const Fall faelle[] = {
            {fenster->HtmlHilfe(), "fixierenMen", "Hilfe fixieren", "Hilfe normal", "schliessenMen", true},
            {fenster->TestMemo(), "FixierenMen", "Fixieren", "Normal", "SchliessenMen", false},
        };
        for (const Fall& f : faelle) {
            const QByteArray name = f.fenster->metaObject()->className();
            QAction* fixieren = menue(f.fenster, f.fixieren);
            f.fenster->show();
            QVERIFY(QTest::qWaitForWindowExposed(f.fenster));
            const QPoint platz = f.fenster->pos();
            QCOMPARE(fixieren->text(), f.normal);

            fixieren->trigger();
            QVERIFY2(f.fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint), name);
            QCOMPARE(fixieren->text(), f.oben);
            QVERIFY2(f.fenster->isVisible(), name);
            QCOMPARE(f.fenster->pos(), platz);

            fixieren->trigger();
            QVERIFY2(!f.fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint), name);
            QCOMPARE(fixieren->text(), f.normal);
            QVERIFY2(f.fenster->isVisible(), name);

            // Closed by the frame it stays on top.
            fixieren->trigger();
            f.fenster->close();
            QVERIFY2(f.fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint), name);

            f.fenster->show();
            menue(f.fenster, f.schliessen)->trigger();
            QVERIFY2(!f.fenster->isVisible(), name);
            QCOMPARE(f.fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint), !f.schliessenMachtNormal);
            QCOMPARE(fixieren->text(), f.schliessenMachtNormal ? f.normal : f.oben);
            if (!f.schliessenMachtNormal)
                fixieren->trigger();
        }

        // Reopened from the menu after "schließen", the help window is a normal one.
        menue(form.get(), "BeschreibungMen")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(fenster->HtmlHilfe()));
        QVERIFY(!fenster->HtmlHilfe()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        fenster->HtmlHilfe()->close();
    }

    void infoIsModalShowsItsValuesAndOkClosesIt()
    {
        TInfoForm* info = fenster->Info();
        const InfoGesehen gesehen = infoZeigen();

        QVERIFY(gesehen.offen);
        QCOMPARE(info->result(), int(QDialog::Accepted));
        QVERIFY(!info->isVisible());
        QCOMPARE(gesehen.titel, QStringLiteral("  Info"));
        QCOMPARE(gesehen.werte["ProduktnameLabel"], QStringLiteral("Orbisto"));
        QCOMPARE(gesehen.werte["VersionLabel"], QStringLiteral("1.0.0"));
        QCOMPARE(gesehen.werte["DatumLabel"], QStringLiteral("28.04.2013"));
        for (const char* name : {"RechteinhaberLabel", "MailLabel", "HomeLabel", "KommentarLabel"})
            QVERIFY2(!gesehen.werte[name].isEmpty(), name);
        QVERIFY(gesehen.werte["KommentarLabel"].contains('\n'));

        // In the test font: everything fits, and the dialog has its designed size, fixed.
        QVERIFY2(gesehen.passfehler.isEmpty(), qPrintable(gesehen.passfehler.join('\n')));
        QVERIFY(gesehen.kommentarGanz);
        QCOMPARE(info->minimumSize(), QSize(528, 403));
        QCOMPARE(info->maximumSize(), QSize(528, 403));
        QVERIFY(!info->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!info->windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
        const QPoint mitte = form->screen()->availableGeometry().center();
        QVERIFY2((gesehen.rahmen.center() - mitte).manhattanLength() <= 40, "centred on the screen");
    }

    // Made in the small font, shown in a wide one at one and a half times the size: the
    // dialog grows until the whole comment shows, stays fixed and centred.
    void infoGrowsWithTheFontItIsShownIn()
    {
        TInfoForm* info = fenster->Info();
        const auto schriftZurueck = qScopeGuard([] { TestSchriftSetzen(); });
        TestSchriftSetzen(12);
        const QLabel* kommentar = info->findChild<QLabel*>(QStringLiteral("KommentarLabel"));
        QTRY_COMPARE(kommentar->font().pointSizeF(), 12.0);  // the new font reaches the dialog by an event

        const InfoGesehen gesehen = infoZeigen();

        QVERIFY(gesehen.offen);
        QVERIFY2(gesehen.passfehler.isEmpty(), qPrintable(gesehen.passfehler.join('\n')));
        QVERIFY(gesehen.kommentarGanz);
        QVERIFY(info->height() > 403);
        QVERIFY(info->width() >= 528);
        QCOMPARE(info->minimumSize(), info->size());
        QCOMPARE(info->maximumSize(), info->size());
        const QPoint mitte = form->screen()->availableGeometry().center();
        QVERIFY2((gesehen.rahmen.center() - mitte).manhattanLength() <= 40, "centred on the screen");
    }

    void testMemoKeepsItsTextUntilDeleted()
    {
        TTestMemoForm* test = fenster->TestMemo();
        QPlainTextEdit* tm = test->findChild<QPlainTextEdit*>(QStringLiteral("TM"));
        QCOMPARE(test->windowTitle(), QStringLiteral("Formular mit Test-Memo"));
        QCOMPARE(test->centralWidget(), tm);
        QVERIFY(QFontInfo(tm->font()).fixedPitch());

        menue(form.get(), "TestMen")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(test));
        QVERIFY(tm->toPlainText().isEmpty());
        tm->appendPlainText(QStringLiteral("Zeile 1"));

        menue(test, "SchliessenMen")->trigger();
        QVERIFY(!test->isVisible());
        menue(form.get(), "TestMen")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(test));
        QCOMPARE(tm->toPlainText(), QStringLiteral("Zeile 1"));

        menue(test, "LoeschenMen")->trigger();
        QVERIFY(tm->toPlainText().isEmpty());
        test->close();
    }
};

QTEST_MAIN(TestHilfe)
#include "test_hilfe.moc"
