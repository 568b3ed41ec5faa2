#include "app/startlisten.h"

#include "objects/objektdatei.h"
#include "programm/programm.h"
#include "widgets/meldungen.h"
#include "windows/orbisto2013_form.h"

#include <QFileInfo>

namespace orbisto {

void ListenBeimStartOeffnen(TOrbisto2013Form& hauptfenster, const QStringList& dateien)
{
    if (dateien.isEmpty())
        return;
    Programm& programm = hauptfenster.programm();
    const QString datei = QFileInfo(dateien.constFirst()).absoluteFilePath();
    QString fehler;
    try {
        programm.Objektliste = ObjektlisteLaden(datei.toStdString());
        programm.ListenDatei = datei.toStdString();
    } catch (const ObjektdateiFehler& e) {
        programm.Objektliste = tObjektliste();
        fehler = QString::fromUtf8(e.what());
    }
    programm.Gespeichert = true;
    hauptfenster.ListeAnzeigen();
    hauptfenster.ZeichnenAnfordern();
    // The box runs a modal loop, so it comes after the catch block.
    if (!fehler.isEmpty())
        Fehlermeldung(fehler, &hauptfenster);
    if (dateien.size() > 1)
        Fehlermeldung(
            QStringLiteral("Orbisto öffnet nur eine Objektliste auf einmal: „%1“ ist geöffnet, die übrigen nicht.")
                .arg(dateien.constFirst()),
            &hauptfenster);
}

}  // namespace orbisto
