// A list entry whose parameter is not a number, drawn in the real window (under Xvfb):
// one box, however often a timer redraws the broken list, and the picture comes back as
// soon as the entry is put right.

#include "boxbeantworter.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace orbisto;

class TestListenfehler : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FenstertestEinrichten(); }

    void aBrokenEntryGivesOneBoxUntilAGoodPassAndStaysFixable()
    {
        Programm programm;
        TOrbisto2013Form form(programm);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        TOGLPanel* gl = form.OGLPanel();
        QTRY_VERIFY(gl->Durchgaenge() >= 1);
        QTRY_VERIFY(!form.OGLTimer.isActive());

        t3DObjekt kugel;
        kugel.Typname = "Kugel";
        kugel.Orig = true;
        kugel.Parameter = {"0", "0", "0", "2", "1", "1", "4"};
        kugel.FarbeSetzen(0x0000FF);
        kugel.Parameter[3] = "2*x";
        programm.Objektliste.ObjektAnhaengen(kugel);
        const QImage vorher = gl->grabFramebuffer();

        // The rotation timer keeps redrawing the broken list for a second, while the box
        // is open and after it has been answered.
        BoxBeantworter antwort({}, {}, 300);
        const long fehlschlaegeVorher = gl->Fehlschlaege();
        form.SystemZRotationTimer.start();
        QTest::qWait(1000);
        form.SystemZRotationTimer.stop();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(gl->Fehlschlaege() - fehlschlaegeVorher > 5);
        QCOMPARE(antwort.texte(), QStringList{"'2*x' ist kein gültiger Gleitkommawert"});
        QCOMPARE(gl->grabFramebuffer(), vorher);

        // Put right, the sphere shows; broken again, the error is reported again.
        programm.Objektliste[1].Parameter[3] = "2";
        const long gute = gl->Durchgaenge();
        form.Zeichnen();
        QTRY_COMPARE(gl->Durchgaenge(), gute + 1);  // Qt may put the repaint off briefly
        QVERIFY(gl->grabFramebuffer() != vorher);

        programm.Objektliste[1].Parameter[4] = "Gitter";
        form.Zeichnen();
        QTRY_COMPARE(antwort.boxen.size(), 2);
        QCOMPARE(antwort.texte().back(), QStringLiteral("'Gitter' ist kein gültiger Gleitkommawert"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestListenfehler)
#include "test_listenfehler.moc"
