// Every window of the program in a wide font at one and a half times the program's size,
// as on a teacher's machine with other fonts or a larger font setting: no caption is cut
// off and no two controls lie on top of each other. Runs under Xvfb: the main window holds
// the GL widget.

#include "app/fensterliste.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QApplication>
#include <QMenu>
#include <QtTest>

#include <memory>

using namespace orbisto;

class TestSchriftgroesse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FenstertestEinrichten();
        TestSchriftSetzen(12);
    }

    void everyWindowFitsAWideFontAtOneAndAHalfTimesTheSize()
    {
        Programm programm;
        TOrbisto2013Form haupt(programm);
        const TFensterliste liste(programm, haupt);
        haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt));

        QList<QWidget*> fenster{&haupt};
        for (QWidget* w : haupt.findChildren<QWidget*>())
            if (w->isWindow() && !qobject_cast<QMenu*>(w))
                fenster.append(w);
        QVERIFY(fenster.size() >= 12);  // the main window, four windows of its own, seven scenes
        QStringList fehler;
        for (QWidget* w : fenster) {
            w->show();
            if (!QTest::qWaitForWindowExposed(w))
                fehler << w->objectName() + " was never shown";
            for (const QString& f : Passfehler(w))
                fehler << w->objectName() + ": " + f;
            if (w != &haupt)
                w->hide();
        }
        for (const QString& f : fehler)
            qWarning("%s", qPrintable(f));
        QVERIFY2(fehler.isEmpty(), "a window does not fit the font; each fault is listed above");
        programm.Gespeichert = true;
    }
};

QTEST_MAIN(TestSchriftgroesse)
#include "test_schriftgroesse.moc"
