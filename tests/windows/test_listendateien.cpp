// Object list files the file system makes awkward, through the menu "Datei" of the real
// main window (under Xvfb): a name that is not UTF-8, given to Qt's own file dialog, opens
// and is replaced only after asking; a write-protected list is told and kept.
//
// Qt's dialog does not list a file whose name is not UTF-8 at all, so such a name reaches it
// typed, as Qt shows it (with U+FFFD), or offered by the program: the save dialog offers the
// current list's name.

#include "app/sprache.h"
#include "boxbeantworter.h"
#include "core/dateien.h"
#include "dateidialogsuche.h"
#include "fensterpruefung.h"
#include "objects/objektdatei.h"
#include "programm/programm.h"
#include "widgets/dateinamen.h"
#include "windows/oglpanel_widget.h"
#include "windows/orbisto2013_form.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

const QByteArray Liste = "Objektliste zu Orbisto\r\n255|1|Kugel|0|0|0|2|0|1|8\r\n65280|1|Punkt|1|2|3\r\n";

// Types `name` into the dialog (none: takes the name it offers) and presses its button; a
// dialog that then stays open (it refused the choice) is cancelled, so the test goes on.
// `angeboten` gets the file the dialog held before the button was pressed.
void Waehlen(QObject* besitzer, const QString& name, QString* angeboten = nullptr)
{
    BeiDateiDialog(besitzer, [name, angeboten](QFileDialog* d) {
        if (!name.isEmpty())
            d->selectFile(name);
        if (angeboten)
            *angeboten = d->selectedFiles().value(0);
        QMetaObject::invokeMethod(d, "accept");
        if (d->isVisible())
            d->reject();
    });
}

}  // namespace

class TestListendateien : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<Programm> programm;
    std::unique_ptr<TOrbisto2013Form> form;

    std::vector<std::string> Namen() const
    {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(QFile::encodeName(ordner->path()).toStdString()))
            namen.push_back(e.path().filename().string());
        return namen;
    }
    std::string Bytes(const std::string& name) const
    {
        return QFile::encodeName(ordner->path()).toStdString() + "/" + name;
    }
    void Menue(const char* eintrag) { form->findChild<QAction*>(eintrag)->trigger(); }
    static std::string Inhalt(const std::string& pfad)
    {
        std::string inhalt;
        return DateiLesen(pfad, 1 << 20, inhalt) ? std::string("(nicht lesbar)") : inhalt;
    }

    // A name the dialog shows for a file whose name is Latin-1: U+FFFD for the 'ä'.
    static QString Gezeigt() { return QStringLiteral("liste\uFFFD.o3d"); }
    static std::string Echt() { return "liste\xE4.o3d"; }

private slots:
    void initTestCase()
    {
        FenstertestEinrichten();
        QVERIFY(DeutschEinrichten(*qApp));
    }

    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
        programm = std::make_unique<Programm>();
        form = std::make_unique<TOrbisto2013Form>(*programm);
        programm->ListenDatei = Bytes("*.*");  // the dialogs start in the test's folder
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY(form->OGLPanel()->Durchgaenge() >= 1);
    }

    void cleanup()
    {
        form.reset();
        programm.reset();
        std::filesystem::remove_all(QFile::encodeName(ordner->path()).toStdString());  // Qt cannot name all
        ordner.reset();
    }

    void aListWhoseNameIsNoUtf8OpensFromTheDialog()
    {
        QVERIFY(!DateiErsetzen(Bytes(Echt()), Liste.toStdString()));
        programm->Gespeichert = true;
        BoxBeantworter ok(QStringLiteral("OK"));
        Waehlen(this, Gezeigt());
        Menue("OLOeffnenMen");
        QCOMPARE(ok.texte(), QStringList());
        QCOMPARE(programm->Objektliste.ObjektAnzahl(), 2);
        QCOMPARE(programm->ListenDatei, Bytes(Echt()));
    }

    // The list came from the command line; saving it again offers its name. Qt sees no file
    // of the name it shows, so it would not ask; the dialog asks, in Qt's words.
    void savingOverAListWhoseNameIsNoUtf8AsksFirst_data()
    {
        QTest::addColumn<bool>("ersetzen");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }

    void savingOverAListWhoseNameIsNoUtf8AsksFirst()
    {
        QFETCH(bool, ersetzen);
        QVERIFY(!DateiErsetzen(Bytes(Echt()), "alt"));
        programm->Objektliste = ObjektlisteLesen(Liste.toStdString());
        programm->Gespeichert = false;
        programm->ListenDatei = Bytes(Echt());
        BoxBeantworter antwort(ersetzen ? QStringLiteral("&Ja") : QStringLiteral("&Nein"));
        QString angeboten;
        Waehlen(this, {}, &angeboten);
        Menue("OLSpeichernUnterMen");
        QCOMPARE(angeboten, ordner->filePath(Gezeigt()));

        const QString frage = QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(Gezeigt());
        QVERIFY2(frage.contains(QStringLiteral("existiert bereits")), qPrintable(frage));
        QCOMPARE(antwort.texte(), QStringList{frage});
        QCOMPARE(Inhalt(Bytes(Echt())), ersetzen ? ObjektlisteText(programm->Objektliste) : "alt");
        QCOMPARE(programm->Gespeichert, ersetzen);
        QCOMPARE(programm->ListenDatei, Bytes(Echt()));
        QCOMPARE(Namen(), std::vector<std::string>{Echt()});  // no file of the shown name beside it
    }

    void aWriteProtectedListIsToldAndKept()
    {
        const std::string datei = Bytes("liste.o3d");
        QVERIFY(!DateiErsetzen(datei, "alt"));
        QVERIFY(::chmod(datei.c_str(), 0444) == 0);
        programm->Objektliste = ObjektlisteLesen(Liste.toStdString());
        programm->Gespeichert = false;
        form->DateiDialogSetzen([&](const DateiDialog&) { return std::optional<QString>(DateinameText(datei)); });
        BoxBeantworter ok(QStringLiteral("OK"));
        Menue("OLSpeichernUnterMen");
        QCOMPARE(ok.texte(), QStringList{QString::fromStdString("Die Objektliste konnte nicht in „" + datei +
                                                                "“ gespeichert werden: Zugriff verweigert")});
        QCOMPARE(Inhalt(datei), std::string("alt"));
        QVERIFY(!programm->Gespeichert);
        QCOMPARE(programm->ListenDatei, Bytes("*.*"));
    }
};

QTEST_MAIN(TestListendateien)
#include "test_listendateien.moc"
