// The object editor in the main window (run under Xvfb, the window holds the GL widget):
// starting an object from the menu, typing, stepping and toggling values with the live
// preview, the colour, taking the object into the list, editing an entry, closing.

#include "boxbeantworter.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "widgets/autorepeatbutton_widget.h"
#include "widgets/dateidialog.h"
#include "windows/objekteditor_widget.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace orbisto;

class TestObjektEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;
    QTableWidget* grid = nullptr;

    void Starten(const char* menue)
    {
        auto* aktion = form->findChild<QAction*>(QLatin1String(menue));
        QVERIFY(aktion);
        aktion->trigger();
    }

    void Knopf(const char* name)
    {
        auto* k = form->findChild<TRxSpeedButton*>(QLatin1String(name));
        QVERIFY2(k, name);
        QTest::mouseClick(k, Qt::LeftButton);
    }

    int Zeile(const char* name) const
    {
        for (int r = 1; r < grid->rowCount(); ++r)
            if (grid->item(r, 0)->text() == QLatin1String(name))
                return r;
        return -1;
    }

    QString Wert(const char* name) const { return grid->item(Zeile(name), 1)->text(); }
    std::string Parameter(const char* name) const
    {
        return programm->VorschauObjekt.Parameter[static_cast<std::size_t>(Zeile(name) - 1)];
    }

    void Gehe(const char* name)
    {
        grid->setFocus();
        grid->setCurrentCell(Zeile(name), 1);
    }

    // The value cell's editor now open (closed ones linger until deleted).
    QLineEdit* OffenerEditor() const
    {
        for (QLineEdit* e : grid->findChildren<QLineEdit*>())
            if (e->isVisible())
                return e;
        return nullptr;
    }

    long Durchgaenge() const { return form->OGLPanel()->Durchgaenge(); }

private slots:
    void initTestCase() { FenstertestEinrichten(); }

    void init()
    {
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
        grid = form->findChild<QTableWidget*>("ObjEdSAGrid");
        QVERIFY(grid);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(Durchgaenge() >= 1);
        QTRY_VERIFY(!form->OGLTimer.isActive());
    }

    void cleanup()
    {
        programm->Gespeichert = true;
        form.reset();
        programm.reset();
    }

    void aMenuItemStartsItsTypeWithTheDefaultsAndShowsIt()
    {
        QVERIFY(!grid->isVisible());
        const long vorher = Durchgaenge();
        Starten("KugelMen");
        QCOMPARE(programm->Modus, tModus::VorschauNeu);
        QVERIFY(grid->isVisible());
        QVERIFY(form->findChild<QToolBar*>("ObjEdToolBar")->isVisible());
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Objekt"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Kugel"));
        const QStringList namen{"mx", "my", "mz", "r", "Gitter", "Flaeche", "Schritte"};
        const QStringList werte{"0", "0", "0", "3", "1", "0", "4"};
        for (int r = 1; r <= 7; ++r) {
            QCOMPARE(grid->item(r, 0)->text(), namen[r - 1]);
            QCOMPARE(grid->item(r, 1)->text(), werte[r - 1]);
        }
        QCOMPARE(grid->item(8, 0)->text(), QString());
        QCOMPARE(programm->VorschauObjekt.Typname, std::string("Kugel"));
        QCOMPARE(programm->VorschauObjekt.Farbe(), 0xFFFF00u);  // aqua
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentColumn(), 1);
        QTRY_COMPARE(Durchgaenge(), vorher + 1);

        // The editor takes the window's client height but 340, status bar included.
        auto* box = form->findChild<QScrollArea*>("ObjEdScrollBox");
        QCOMPARE(box->height(), form->height() - form->menuBar()->height() - 340);
    }

    void stepsTypingAndDoubleClicksKeepValuesInRange()
    {
        Starten("KugelMen");
        Gehe("r");
        for (int i = 0; i < 5; ++i)
            Knopf("ObjEdMinus1RxSpeedButton");
        QCOMPARE(Wert("r"), QStringLiteral("0"));  // radii never negative
        Knopf("ObjEdPlus01RxSpeedButton");
        Knopf("ObjEdPlus001RxSpeedButton");
        QCOMPARE(Wert("r"), QStringLiteral("0,11"));
        QCOMPARE(Parameter("r"), std::string("0,11"));

        // Typed text counts once the row is left.
        Gehe("Schritte");
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = OffenerEditor()) != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "2,5");
        QCOMPARE(Parameter("Schritte"), std::string("4"));
        const long vorher = Durchgaenge();
        QTest::keyClick(editor, Qt::Key_Up);
        QCOMPARE(Wert("Schritte"), QStringLiteral("2"));
        QCOMPARE(Parameter("Schritte"), std::string("2"));
        QCOMPARE(grid->currentRow(), Zeile("Flaeche"));
        QTRY_COMPARE(Durchgaenge(), vorher + 1);

        // A double-click toggles a switch, in the value cell and on its name.
        const QPoint gitterName = grid->visualItemRect(grid->item(Zeile("Gitter"), 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, gitterName);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, gitterName);
        QCOMPARE(Parameter("Gitter"), std::string("0"));
        Gehe("Flaeche");
        Knopf("ObjEdPlus01RxSpeedButton");
        QCOMPARE(Wert("Flaeche"), QStringLiteral("0"));  // 0,1 is below the half
        QTRY_VERIFY((editor = OffenerEditor()) != nullptr);
        QTest::mouseDClick(editor, Qt::LeftButton);
        QCOMPARE(Parameter("Flaeche"), std::string("1"));
        QCOMPARE(editor->text(), QStringLiteral("1"));
    }

    // Typing 100000 steps froze the editor: the count is lowered to the most a sphere may
    // have, at once; a switch that would go beyond stays off and says why.
    void valuesStayWithinTheWorkAnObjectMayCost()
    {
        Starten("KugelMen");
        Gehe("Schritte");
        QLineEdit* editor = nullptr;
        QTRY_VERIFY((editor = OffenerEditor()) != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "100000");
        BoxBeantworter ok(QStringLiteral("OK"));
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(Wert("Schritte"), QStringLiteral("136"));
        QCOMPARE(Parameter("Schritte"), std::string("136"));
        QVERIFY(ok.texte().isEmpty());

        Gehe("Flaeche");
        QTRY_VERIFY((editor = OffenerEditor()) != nullptr);
        QTest::mouseDClick(editor, Qt::LeftButton);
        QCOMPARE(Parameter("Flaeche"), std::string("0"));
        QCOMPARE(Wert("Flaeche"), QStringLiteral("0"));
        QCOMPARE(ok.texte().size(), 1);
        QVERIFY2(ok.texte()[0].startsWith(QStringLiteral("Das Objekt „Kugel“ wäre zu aufwendig")),
                 qPrintable(ok.texte()[0]));
    }

    void formulasIgnoreStepsAndAnEmptiedFormulaBecomesZero()
    {
        Starten("Funktion3dMen");
        Gehe("f(x,y)");
        Knopf("ObjEdPlus1RxSpeedButton");
        QCOMPARE(Wert("f(x,y)"), QStringLiteral("x+y"));
        grid->item(Zeile("f(x,y)"), 1)->setText(QString());
        Gehe("xmin");
        QCOMPARE(Wert("f(x,y)"), QStringLiteral("0"));
        QCOMPARE(Parameter("f(x,y)"), std::string("0"));
    }

    void colourTakeOverAndTheFullList()
    {
        Starten("PunktMen");
        form->ObjektEditor()->FarbDialogSetzen([](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); });
        QTest::mouseClick(form->findChild<QToolButton*>("ObjEdColorPanel"), Qt::LeftButton);
        QCOMPARE(programm->VorschauObjekt.Farbe(), 0x0000FFu);

        Knopf("ObjEdEinfuegenRxSpeedButton");
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 1);
        const t3DObjekt& neu = programm->Objektliste[1];
        QVERIFY(!neu.Vor);
        QVERIFY(neu.Orig);
        QCOMPARE(neu.Farbe(), 0x0000FFu);
        QVERIFY(!programm->Gespeichert);
        QCOMPARE(form->findChild<QTableView*>("ObjFSAGrid")->model()->index(0, 2).data().toString(),
                 QStringLiteral("Punkt"));

        // A new object of the next type takes the colour last chosen.
        Starten("StreckeMen");
        QCOMPARE(programm->VorschauObjekt.Farbe(), 0x0000FFu);
        while (!programm->Objektliste.Voll())
            Knopf("ObjEdEinfuegenRxSpeedButton");
        BoxBeantworter antwort(QStringLiteral("OK"));
        Knopf("ObjEdEinfuegenRxSpeedButton");
        QCOMPARE(antwort.texte(), QStringList{"Objektliste ist voll"});
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 50);
        QCOMPARE(programm->Modus, tModus::VorschauNeu);
    }

    void editingAnEntryRestoresItsVorMarkOnlyWhenTakenOver()
    {
        for (const char* typ : {"Kugel", "Quader"}) {
            t3DObjekt e;
            e.Typname = typ;
            e.Vor = e.Orig = true;
            e.Parameter = programm->Typenliste[programm->Typenliste.TypSuchen(typ)].ParWert;
            programm->Objektliste.ObjektAnhaengen(e);
        }
        form->ListeAnzeigen();
        auto* liste = form->findChild<QTableView*>("ObjFSAGrid");
        const QPoint name = liste->visualRect(liste->model()->index(1, 2)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, name);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, name);
        QCOMPARE(programm->Modus, tModus::VorschauBearbeiten);
        QCOMPARE(programm->EditIndex, 2);
        QVERIFY(!programm->Objektliste[2].Vor);
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Quader"));

        Gehe("h");
        Knopf("ObjEdPlus1RxSpeedButton");
        Knopf("ObjEdEinfuegenRxSpeedButton");
        QVERIFY(programm->Objektliste[2].Vor);
        QCOMPARE(programm->Objektliste[2].Parameter[5], std::string("5"));
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 2);

        // Edited again and closed without taking over: the mark stays cleared.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, name);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, name);
        Knopf("ObjEdSchliessenRxSpeedButton");
        QCOMPARE(programm->Modus, tModus::Original);
        QVERIFY(!programm->Objektliste[2].Vor);
        QVERIFY(!grid->isVisible());
        QCOMPARE(grid->item(1, 0)->text(), QString());
    }

    // A new user's first picture, end to end through the real editor and the menu "Datei":
    // a sphere from the menu, its radius stepped, taken over, the editor closed, the list
    // saved, a new list, the saved one opened again.
    void aSphereBuiltSavedClearedAndOpenedAgain()
    {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("kugel.o3d"));
        form->DateiDialogSetzen([&](const DateiDialog&) { return std::optional<QString>(datei); });

        Starten("KugelMen");
        Gehe("r");
        Knopf("ObjEdPlus1RxSpeedButton");
        Knopf("ObjEdPlus01RxSpeedButton");
        Knopf("ObjEdEinfuegenRxSpeedButton");
        Knopf("ObjEdSchliessenRxSpeedButton");
        QCOMPARE(programm->Modus, tModus::Original);
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 1);
        const t3DObjekt gebaut = programm->Objektliste[1];
        QCOMPARE(gebaut.Parameter[3], std::string("4,1"));
        QVERIFY(!programm->Gespeichert);

        form->findChild<QAction*>("OLSpeichernUnterMen")->trigger();
        QVERIFY(programm->Gespeichert);
        form->findChild<QAction*>("OLNeuMen")->trigger();  // saved: no question
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 0);

        form->findChild<QAction*>("OLOeffnenMen")->trigger();
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 1);
        QCOMPARE(programm->Objektliste[1], gebaut);  // Vor was cleared on taking over
        QCOMPARE(programm->ListenDatei, datei.toStdString());
        QCOMPARE(form->findChild<QTableView*>("ObjFSAGrid")->model()->index(0, 6).data().toString(),
                 QStringLiteral("4,1"));
        QTRY_VERIFY(!form->ObjFListeOpenTimer.isActive());
    }

    void buttonsShowPicturesAndNameThemForScreenReaders()
    {
        for (const char* name : {"ObjEdMinus1RxSpeedButton", "ObjEdPlus001RxSpeedButton", "ObjEdEinfuegenRxSpeedButton",
                                 "ObjEdSchliessenRxSpeedButton"}) {
            auto* k = form->findChild<TRxSpeedButton*>(QLatin1String(name));
            QVERIFY(k);
            QVERIFY(!k->icon().isNull());
            QCOMPARE(k->accessibleName(), k->toolTip());
        }
        QCOMPARE(form->findChild<QToolButton*>("ObjEdColorPanel")->accessibleName(),
                 QStringLiteral("Objekt in dieser Farbe zeichnen"));
    }
};

QTEST_MAIN(TestObjektEditor)
#include "test_objekteditor_widget.moc"
