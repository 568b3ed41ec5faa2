#include "app/startlisten.h"

#include "objects/objektdatei.h"
#include "programm/programm.h"
#include "widgets/dateinamen.h"
#include "widgets/meldungen.h"
#include "windows/orbisto2013_form.h"

#include <exception>

namespace orbisto {

void ListenBeimStartOeffnen(TOrbisto2013Form& hauptfenster, const QStringList& dateien)
{
    if (dateien.isEmpty())
        return;
    Programm& programm = hauptfenster.programm();
    // The names are DateinameText, so the file is opened under its very bytes.
    const std::string datei = DateinameAbsolut(DateinameBytes(dateien.constFirst()));
    QString fehler;
    try {
        programm.Objektliste = ObjektlisteLaden(datei);
        programm.ListenDatei = datei;
    } catch (const std::exception&) {
        programm.Objektliste = tObjektliste();
        fehler = FehlerText(std::current_exception());
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
                .arg(DateinameAnzeige(DateinameBytes(dateien.constFirst()))),
            &hauptfenster);
}

}  // namespace orbisto
