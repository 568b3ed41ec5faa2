// The object list items of the menu "Datei" in the real main window (under Xvfb): saving,
// opening and starting a new list, the questions and messages on the way, what a bad file
// or a failed save leaves behind, the mouse lock after loading and the file dialogs.

#include "boxbeantworter.h"
#include "dateidialogsuche.h"
#include "fensterpruefung.h"
#include "programm/programm.h"
#include "widgets/dateidialog.h"
#include "widgets/meldungen.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

using namespace orbisto;

namespace orbisto {

// For QCOMPARE's report of a mismatch.
char* toString(const DateiDialog& d)
{
    const QString text =
        QStringLiteral("%1 \"%2\" [%3] gewählt \"%4\" .%5 in \"%6\" Datei \"%7\"")
            .arg(d.art == DateiDialog::Art::Oeffnen ? "Öffnen" : "Speichern", d.titel,
                 d.filter.join(QStringLiteral(" | ")), d.gewaehlterFilter, d.endung, d.verzeichnis, d.dateiname);
    return qstrdup(text.toUtf8().constData());
}

}  // namespace orbisto

namespace {

const QString SpeicherFrage = QStringLiteral("Soll die aktuelle Objektliste vorher gespeichert werden ?");
const QString NurOriginal = QStringLiteral("Aktion nur im Original-Modus möglich");

int piepse = 0;
void Piepsen() { ++piepse; }

t3DObjekt Eintrag(const char* typ, std::uint32_t farbe, bool vor, bool orig, std::initializer_list<std::string> werte)
{
    t3DObjekt e;
    e.Typname = typ;
    e.Vor = vor;
    e.Orig = orig;
    e.FarbeSetzen(farbe);
    std::size_t i = 0;
    for (const std::string& w : werte)
        e.Parameter[i++] = w;
    return e;
}

// Marks in every combination, an empty parameter between others, a text beyond 255
// characters and letters outside ASCII.
std::vector<t3DObjekt> Beispielliste()
{
    return {Eintrag("Funktion3d", 0xFFFF00, true, true, {"x+y", "-4", "4", "-4", "4", "20", "20", "1", "1"}),
            Eintrag("Kugel", 0x0000FF, false, false, {"0", "0", "0", "2,5", "", "1", "4"}),
            Eintrag("Punkt", 0x123456, true, false, {"1E-5", std::string(300, 'x'), "Größe ½"})};
}

QMouseEvent MausEreignis(QEvent::Type typ, QPoint p, Qt::MouseButton knopf, Qt::MouseButtons knoepfe)
{
    return QMouseEvent(typ, QPointF(p), QPointF(p), knopf, knoepfe, Qt::NoModifier);
}

void Ziehen(QWidget* flaeche, QPoint von, QPoint nach)
{
    auto druck = MausEreignis(QEvent::MouseButtonPress, von, Qt::LeftButton, Qt::LeftButton);
    QApplication::sendEvent(flaeche, &druck);
    auto zug = MausEreignis(QEvent::MouseMove, nach, Qt::NoButton, Qt::LeftButton);
    QApplication::sendEvent(flaeche, &zug);
    auto los = MausEreignis(QEvent::MouseButtonRelease, nach, Qt::LeftButton, Qt::NoButton);
    QApplication::sendEvent(flaeche, &los);
}

bool Schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

}  // namespace

Q_DECLARE_METATYPE(orbisto::tModus)

class TestObjektlisteDatei : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;
    QList<DateiDialog> dialoge;               // what the window asked the file dialog
    QList<std::optional<QString>> antworten;  // what the dialog answers in turn; then: cancelled

    void Fuellen(const std::vector<t3DObjekt>& eintraege)
    {
        for (const t3DObjekt& e : eintraege)
            programm->Objektliste.ObjektAnhaengen(e);
        form->ListeAnzeigen();
    }

    std::vector<t3DObjekt> Liste() const
    {
        std::vector<t3DObjekt> l;
        for (int i = 1; i <= programm->Objektliste.ObjektAnzahl(); ++i)
            l.push_back(programm->Objektliste[i]);
        return l;
    }

    void Waehlen(const char* eintrag) { form->findChild<QAction*>(eintrag)->trigger(); }

    QString Pfad(const QString& name) const { return ordner->filePath(name); }

private slots:
    void initTestCase()
    {
        FenstertestEinrichten();
        SignaltonSetzen(&Piepsen);
    }

    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
        dialoge.clear();
        antworten.clear();
        form->DateiDialogSetzen([this](const DateiDialog& d) -> std::optional<QString> {
            dialoge.append(d);
            return antworten.isEmpty() ? std::nullopt : antworten.takeFirst();
        });
        piepse = 0;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(form->OGLPanel()->Durchgaenge() >= 1);
        QTRY_VERIFY(!form->OGLTimer.isActive());
    }

    void cleanup()
    {
        form.reset();
        programm.reset();
        ordner.reset();
    }

    void aSavedListOpensAgainWithVorCleared()
    {
        Fuellen(Beispielliste());
        programm->Gespeichert = false;
        // The path goes to the file as it is, letters outside ASCII included.
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("Listen ä")));
        const QString datei = Pfad(QStringLiteral("Listen ä/liste.o3d"));
        antworten = {datei};
        Waehlen("OLSpeichernUnterMen");
        QCOMPARE(dialoge.size(), 1);
        QVERIFY(QFile::exists(datei));
        QVERIFY(programm->Gespeichert);
        QCOMPARE(QString::fromStdString(programm->ListenDatei), datei);

        // Another, unsaved list; "Nein" lets it go before the file is opened.
        programm->Objektliste.ListeLeeren();
        Fuellen({Eintrag("Ebene", 0xFF, false, true, {"1"})});
        programm->Gespeichert = false;
        programm->ListenDatei = "/anderswo/alt.o3d";
        BoxBeantworter nein(QStringLiteral("Nein"));
        antworten = {datei};
        Waehlen("OLOeffnenMen");
        QCOMPARE(nein.texte(), QStringList{SpeicherFrage});
        QCOMPARE(dialoge.size(), 2);
        QCOMPARE(dialoge[1].art, DateiDialog::Art::Oeffnen);

        std::vector<t3DObjekt> soll = Beispielliste();
        for (t3DObjekt& e : soll)
            e.Vor = false;
        QCOMPARE(Liste(), soll);
        QVERIFY(programm->Gespeichert);
        QCOMPARE(QString::fromStdString(programm->ListenDatei), datei);
        // The grid shows the loaded list.
        const QAbstractItemModel* gitter = form->findChild<QTableView*>("ObjFSAGrid")->model();
        QCOMPARE(gitter->rowCount(), 3);
        QCOMPARE(gitter->index(2, 2).data().toString(), QStringLiteral("Punkt"));
    }

    void savingAnEmptyListDoesNothing_data()
    {
        QTest::addColumn<tModus>("modus");
        QTest::newRow("Original-Modus") << tModus::Original;
        QTest::newRow("Vorschau-Modus") << tModus::VorschauNeu;
    }

    void savingAnEmptyListDoesNothing()
    {
        QFETCH(tModus, modus);
        form->ModusSetzen(modus);
        programm->Gespeichert = false;
        const std::string listenDatei = programm->ListenDatei;
        BoxBeantworter boxen;
        Waehlen("OLSpeichernUnterMen");
        QVERIFY(dialoge.isEmpty());
        QVERIFY(boxen.boxen.isEmpty());
        QCOMPARE(piepse, 0);
        QVERIFY(!programm->Gespeichert);
        QCOMPARE(programm->ListenDatei, listenDatei);
    }

    void theActionsWorkOnlyInOriginalModus_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<tModus>("modus");
        for (const char* eintrag : {"OLNeuMen", "OLOeffnenMen", "OLSpeichernUnterMen"}) {
            QTest::addRow("%s, new object", eintrag) << eintrag << tModus::VorschauNeu;
            QTest::addRow("%s, editing", eintrag) << eintrag << tModus::VorschauBearbeiten;
        }
    }

    void theActionsWorkOnlyInOriginalModus()
    {
        QFETCH(QString, eintrag);
        QFETCH(tModus, modus);
        // Without the point that cannot be drawn: a redraw while the box is open (a slow
        // machine reaches the deferred one) would add its error box to the one asked about.
        std::vector<t3DObjekt> liste = Beispielliste();
        liste.pop_back();
        Fuellen(liste);
        form->ModusSetzen(modus);
        programm->Gespeichert = false;
        const std::string listenDatei = programm->ListenDatei;
        antworten = {Pfad(QStringLiteral("liste.o3d"))};

        BoxBeantworter ok(QStringLiteral("OK"));
        Waehlen(eintrag.toLatin1().constData());
        QCOMPARE(ok.texte(), QStringList{NurOriginal});
        QVERIFY(dialoge.isEmpty());
        QCOMPARE(Liste(), liste);
        QVERIFY(!programm->Gespeichert);
        QCOMPARE(programm->ListenDatei, listenDatei);
        QCOMPARE(programm->Modus, modus);
    }

    void aFileThatIsNoGoodListChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("inhalt");  // null: there is no file
        QTest::addColumn<QRegularExpression>("meldung");
        QTest::addColumn<bool>("pipe");  // the name is a FIFO nobody writes to

        QTest::newRow("header in other case")
            << QByteArray("Objektliste zu orbisto\r\n255|1|Kugel\r\n")
            << QRegularExpression("^Abbruch: Datei ist keine Objektliste zu Orbisto$") << false;
        QTest::newRow("colour not a number on line 3")
            << QByteArray("Objektliste zu Orbisto\r\n255|1|Kugel\r\nabc|1|Kugel\r\n")
            << QRegularExpression("^Zeile 3\\b") << false;
        QTest::newRow("file gone") << QByteArray() << QRegularExpression("^Die Datei .*liste\\.o3d.* konnte nicht")
                                   << false;
        // Hostile lists that froze the window for minutes or ran out of memory.
        const QByteArray kopf("Objektliste zu Orbisto\r\n");
        const QRegularExpression zuAufwendig(
            "^Zeile 2: Das Objekt „(Kugel|Funktion3d)“ wäre zu aufwendig: .* höchstens "
            "300\\.000\\b");
        QTest::newRow("sphere of 3000 steps") << kopf + "255|1|Kugel|0|0|0|3|1|1|3000" << zuAufwendig << false;
        QTest::newRow("surface of 99000 x 99000 steps")
            << kopf + "255|1|Funktion3d|x+y|-4|4|-4|4|99000|99000|1|1" << zuAufwendig << false;
        QTest::newRow("a field of 10 MB") << kopf + "255|1|Funktion3d|" + QByteArray(10 << 20, 'x')
                                          << QRegularExpression("^Zeile 2, Parameter 1: Der Text ist mit 10485760 "
                                                                "Bytes zu lang; .*höchstens 65536 Bytes$")
                                          << false;
        // Opening a pipe waited for ever for a writer.
        QTest::newRow("a pipe") << QByteArray()
                                << QRegularExpression("^Die Datei .*liste\\.o3d.* konnte nicht "
                                                      "gelesen werden: Das ist eine Pipe")
                                << true;
    }

    void aFileThatIsNoGoodListChangesNothing()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QRegularExpression, meldung);
        QFETCH(bool, pipe);
        const QString datei = Pfad(QStringLiteral("liste.o3d"));
        if (!inhalt.isNull())
            QVERIFY(Schreiben(datei, inhalt));
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(datei).constData(), 0644), 0);
        Fuellen(Beispielliste());
        programm->Gespeichert = false;
        programm->ListenDatei = "/anderswo/alt.o3d";
        programm->KoSys.xDrehung = 10;

        // Escape answers the save question with "Abbrechen"; the open dialog follows.
        BoxBeantworter escape;
        antworten = {datei};
        Waehlen("OLOeffnenMen");
        QCOMPARE(escape.texte().size(), 2);
        QCOMPARE(escape.texte()[0], SpeicherFrage);
        QVERIFY2(meldung.match(escape.texte()[1]).hasMatch(), qPrintable(escape.texte()[1]));
        QCOMPARE(escape.boxen[1].symbol, QMessageBox::Critical);
        QCOMPARE(Liste(), Beispielliste());
        QVERIFY(!programm->Gespeichert);
        QCOMPARE(programm->ListenDatei, std::string("/anderswo/alt.o3d"));
        QVERIFY(!form->ObjFListeOpenTimer.isActive());  // no view reset follows
        QCOMPARE(programm->KoSys.xDrehung, 10.0);
    }

    void aFileWithTheHeaderAloneEmptiesTheList()
    {
        const QString datei = Pfad(QStringLiteral("leer.o3d"));
        QVERIFY(Schreiben(datei, "Objektliste zu Orbisto\r\n"));
        Fuellen(Beispielliste());
        programm->Gespeichert = true;  // no question
        antworten = {datei};
        Waehlen("OLOeffnenMen");
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 0);
        QVERIFY(programm->Gespeichert);
        QCOMPARE(QString::fromStdString(programm->ListenDatei), datei);
        const QAbstractItemModel* gitter = form->findChild<QTableView*>("ObjFSAGrid")->model();
        QCOMPARE(gitter->rowCount(), 1);
        QCOMPARE(gitter->index(0, 2).data().toString(), QString());
    }

    void aNewListAsksToSaveAnUnsavedOne_data()
    {
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<QString>("antwort");       // to the save question
        QTest::addColumn<QString>("speichernAls");  // the save dialog's answer, "" for cancel
        QTest::addColumn<bool>("geleert");
        QTest::addColumn<int>("meldungen");  // boxes after the question

        QTest::newRow("saved: no question") << true << ""
                                            << "" << true << 0;
        QTest::newRow("Nein") << false << "Nein"
                              << "" << true << 0;
        QTest::newRow("Abbrechen") << false << "Abbrechen"
                                   << "" << false << 0;
        QTest::newRow("Ja, dialog cancelled") << false << "Ja"
                                              << "" << true << 0;
        QTest::newRow("Ja, saved") << false << "Ja"
                                   << "liste.o3d" << true << 0;
        // The list did not reach the file: clearing it now would lose it.
        QTest::newRow("Ja, save failed") << false << "Ja"
                                         << "fehlt/liste.o3d" << false << 1;
    }

    void aNewListAsksToSaveAnUnsavedOne()
    {
        QFETCH(bool, gespeichert);
        QFETCH(QString, antwort);
        QFETCH(QString, speichernAls);
        QFETCH(bool, geleert);
        QFETCH(int, meldungen);
        Fuellen(Beispielliste());
        programm->Gespeichert = gespeichert;
        const bool gefragt = !antwort.isEmpty();
        if (!speichernAls.isEmpty())
            antworten = {Pfad(speichernAls)};

        // Each answers the boxes that carry its button: the question, then an error box.
        BoxBeantworter frage(antwort), ok(QStringLiteral("OK"));
        Waehlen("OLNeuMen");

        QCOMPARE(frage.boxen.size(), (gefragt ? 1 : 0) + meldungen);
        if (gefragt)
            QCOMPARE(frage.texte().front(), SpeicherFrage);
        QCOMPARE(dialoge.size(), antwort == "Ja" ? 1 : 0);
        if (!dialoge.isEmpty())
            QCOMPARE(dialoge[0].art, DateiDialog::Art::Speichern);
        QCOMPARE(Liste(), geleert ? std::vector<t3DObjekt>{} : Beispielliste());
        QCOMPARE(programm->Gespeichert, geleert);
        if (speichernAls == "liste.o3d")
            QVERIFY(QFile::exists(Pfad(speichernAls)));
    }

    void openingAsksFirstAndCancellingBothKeepsTheList()
    {
        Fuellen(Beispielliste());
        programm->Gespeichert = false;
        BoxBeantworter abbrechen(QStringLiteral("Abbrechen"));
        Waehlen("OLOeffnenMen");  // the open dialog is cancelled too
        QCOMPARE(abbrechen.texte(), QStringList{SpeicherFrage});
        QCOMPARE(dialoge.size(), 1);
        QCOMPARE(dialoge[0].art, DateiDialog::Art::Oeffnen);
        QCOMPARE(Liste(), Beispielliste());
        QVERIFY(!programm->Gespeichert);
        QVERIFY(!form->ObjFListeOpenTimer.isActive());
    }

    void aFailedSaveLeavesTheListUnsaved()
    {
        Fuellen(Beispielliste());
        programm->Gespeichert = false;
        programm->ListenDatei = "/anderswo/alt.o3d";
        antworten = {Pfad(QStringLiteral("fehlt/liste.o3d"))};
        BoxBeantworter ok(QStringLiteral("OK"));
        Waehlen("OLSpeichernUnterMen");
        QCOMPARE(ok.boxen.size(), 1);
        QVERIFY2(ok.texte()[0].startsWith(QStringLiteral("Die Objektliste konnte nicht in „") +
                                          Pfad(QStringLiteral("fehlt/liste.o3d"))),
                 qPrintable(ok.texte()[0]));
        QCOMPARE(ok.boxen[0].symbol, QMessageBox::Critical);
        QVERIFY(!programm->Gespeichert);
        QCOMPARE(programm->ListenDatei, std::string("/anderswo/alt.o3d"));
        QCOMPARE(QDir(ordner->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    void theMouseRestsUntilTheLoadedListShowsInTheDefaultView()
    {
        const QString datei = Pfad(QStringLiteral("liste.o3d"));
        QVERIFY(Schreiben(datei, "Objektliste zu Orbisto\r\n255|1|Kugel|0|0|0|2|1|1|4\r\n"));
        TKoSys& k = programm->KoSys;
        k.xDrehung = 10;
        k.zDrehung = 30;
        k.xSkala = 9;
        k.xMax = 8;
        programm->Gespeichert = true;
        TOGLPanel* gl = form->OGLPanel();

        antworten = {datei};
        QElapsedTimer uhr;
        uhr.start();
        Waehlen("OLOeffnenMen");
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 1);
        QVERIFY(form->ObjFListeOpenTimer.isActive());
        const long durchgaenge = gl->Durchgaenge();

        // A drag right after loading, such as the release that closed the file dialog, reaches
        // none of the three handlers: no start point, no turn, no redraw.
        programm->MausStartX = programm->MausStartY = 7;
        Ziehen(gl, {100, 100}, {140, 160});
        QCOMPARE(programm->MausStartX, 7);
        QCOMPARE(gl->Durchgaenge(), durchgaenge);
        QCOMPARE(k.xDrehung, 10.0);
        QCOMPARE(k.zDrehung, 30.0);
        QCOMPARE(k.xDrehungMaus, 0.0);
        QCOMPARE(k.zDrehungMaus, 0.0);
        QVERIFY(form->ObjFListeOpenTimer.isActive());  // the drag did fall into the pause

        // Then the default view, drawn.
        QTRY_VERIFY(!form->ObjFListeOpenTimer.isActive());
        QVERIFY(uhr.elapsed() >= 250);
        QCOMPARE(k.xDrehung, -75.0);
        QCOMPARE(k.zDrehung, -20.0);
        QCOMPARE(k.xSkala, 5.0);
        QCOMPARE(k.xMax, 5.0);
        QVERIFY(gl->Durchgaenge() > durchgaenge);

        // And the mouse turns the view again.
        Ziehen(gl, {100, 100}, {100, 103});
        QCOMPARE(k.xDrehung, -73.0);
    }

    void theDialogsStartFromListenDatei()
    {
        Fuellen(Beispielliste());
        programm->Gespeichert = false;
        const QString programmOrdner = QString::fromStdString(programm->ProgrammVerzeichnis);
        QCOMPARE(QString::fromStdString(programm->ListenDatei), programmOrdner + "/*.*");

        const DateiDialog speichern{
            DateiDialog::Art::Speichern,
            QStringLiteral("Objektliste speichern"),
            {QStringLiteral("Alle Dateien (*)"), QStringLiteral("Objektliste zu Orbisto (*.o3d)")},
            QStringLiteral("Alle Dateien (*)"),
            QStringLiteral("o3d"),
            programmOrdner,
            QString()};
        const DateiDialog oeffnen{DateiDialog::Art::Oeffnen,
                                  QStringLiteral("Objektliste öffnen"),
                                  {QStringLiteral("Alle Dateien (*)"), QStringLiteral("Objektlisten (*.o3d)")},
                                  QStringLiteral("Objektlisten (*.o3d)"),
                                  QStringLiteral("o3d"),
                                  programmOrdner,
                                  QString()};

        // At start both dialogs open in the program's folder, offering no name.
        Waehlen("OLSpeichernUnterMen");  // cancelled
        QVERIFY(!programm->Gespeichert);
        programm->Gespeichert = true;
        Waehlen("OLOeffnenMen");  // cancelled
        QCOMPARE(dialoge.size(), 2);
        QCOMPARE(dialoge[0], speichern);
        QCOMPARE(dialoge[1], oeffnen);
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 3);

        // Once a list has a file, both start in its folder; saving offers its name.
        const QString datei = Pfad(QStringLiteral("a b/liste.o3d"));
        programm->ListenDatei = datei.toStdString();
        Waehlen("OLSpeichernUnterMen");
        Waehlen("OLOeffnenMen");
        QCOMPARE(dialoge.size(), 4);
        DateiDialog speichernDatei = speichern, oeffnenDatei = oeffnen;
        speichernDatei.verzeichnis = oeffnenDatei.verzeichnis = Pfad(QStringLiteral("a b"));
        speichernDatei.dateiname = datei;
        QCOMPARE(dialoge[2], speichernDatei);
        QCOMPARE(dialoge[3], oeffnenDatei);
    }

    void theRealDialogIsSetUpAsDescribed()
    {
        const DateiDialog speichern{
            DateiDialog::Art::Speichern,
            QStringLiteral("Objektliste speichern"),
            {QStringLiteral("Alle Dateien (*)"), QStringLiteral("Objektliste zu Orbisto (*.o3d)")},
            QStringLiteral("Objektliste zu Orbisto (*.o3d)"),
            QStringLiteral("o3d"),
            ordner->path(),
            QString()};
        struct Gesehen {
            QString titel, filter, verzeichnis, endung;
            QStringList filterListe;
            QFileDialog::AcceptMode modus;
            QFileDialog::FileMode dateiModus;
            bool ueberschreibenFragen;
        } gesehen{};
        const auto merken = [&gesehen](QFileDialog* d) {
            gesehen = {d->windowTitle(),
                       d->selectedNameFilter(),
                       d->directory().absolutePath(),
                       d->defaultSuffix(),
                       d->nameFilters(),
                       d->acceptMode(),
                       d->fileMode(),
                       !d->testOption(QFileDialog::DontConfirmOverwrite)};
        };

        // A name typed without extension gets ".o3d".
        BeiDateiDialog(this, [&](QFileDialog* d) {
            merken(d);
            d->selectFile(QStringLiteral("liste"));
            QMetaObject::invokeMethod(d, "accept");  // as the dialog's own button does
        });
        QCOMPARE(DateiDialogZeigen(speichern, form.get()), std::optional<QString>(Pfad(QStringLiteral("liste.o3d"))));
        QCOMPARE(gesehen.titel, speichern.titel);
        QCOMPARE(gesehen.filterListe, speichern.filter);
        QCOMPARE(gesehen.filter, speichern.gewaehlterFilter);
        QCOMPARE(gesehen.verzeichnis, ordner->path());
        QCOMPARE(gesehen.endung, QStringLiteral("o3d"));
        QCOMPARE(gesehen.modus, QFileDialog::AcceptSave);
        QVERIFY(gesehen.ueberschreibenFragen);

        DateiDialog oeffnen = speichern;
        oeffnen.art = DateiDialog::Art::Oeffnen;
        oeffnen.gewaehlterFilter = speichern.filter[0];
        BeiDateiDialog(this, [&](QFileDialog* d) {
            merken(d);
            d->reject();
        });
        QCOMPARE(DateiDialogZeigen(oeffnen, form.get()), std::optional<QString>());
        QCOMPARE(gesehen.filter, oeffnen.gewaehlterFilter);
        QCOMPARE(gesehen.modus, QFileDialog::AcceptOpen);
        QCOMPARE(gesehen.dateiModus, QFileDialog::ExistingFile);
    }
};

QTEST_MAIN(TestObjektlisteDatei)
#include "test_objektlistedatei.moc"
