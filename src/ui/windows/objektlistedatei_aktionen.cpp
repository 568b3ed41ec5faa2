#include "windows/objektlistedatei_aktionen.h"

#include "objects/objektdatei.h"
#include "programm/programm.h"
#include "widgets/dateinamen.h"
#include "widgets/meldungen.h"

#include <QFileInfo>

#include <exception>
#include <optional>

namespace orbisto {

namespace {

const QString Endung = QStringLiteral("o3d");
const QString AlleDateien = QStringLiteral("Alle Dateien (*)");

}  // namespace

TObjektlisteDateiAktionen::TObjektlisteDateiAktionen(Programm& programm, Umgebung umgebung)
    : programm_(programm), umgebung_(std::move(umgebung))
{
    dialog_ = [fenster = umgebung_.fenster](const DateiDialog& d) { return DateiDialogZeigen(d, fenster); };
}

DateiDialog TObjektlisteDateiAktionen::OeffnenDialog() const
{
    const QString liste = DateinameText(programm_.ListenDatei);
    DateiDialog d;
    d.art = DateiDialog::Art::Oeffnen;
    d.titel = QStringLiteral("Objektliste öffnen");
    d.filter = {AlleDateien, QStringLiteral("Objektlisten (*.o3d)")};
    d.gewaehlterFilter = d.filter[1];
    d.endung = Endung;
    d.verzeichnis = QFileInfo(liste).path();
    return d;
}

DateiDialog TObjektlisteDateiAktionen::SpeichernDialog() const
{
    const QString liste = DateinameText(programm_.ListenDatei);
    DateiDialog d;
    d.art = DateiDialog::Art::Speichern;
    d.titel = QStringLiteral("Objektliste speichern");
    d.filter = {AlleDateien, QStringLiteral("Objektliste zu Orbisto (*.o3d)")};
    d.gewaehlterFilter = d.filter[0];
    d.endung = Endung;
    d.verzeichnis = QFileInfo(liste).path();
    // Until a list has been opened or saved, ListenDatei is only the folder with a pattern.
    if (!liste.endsWith(QStringLiteral("*.*")))
        d.dateiname = liste;
    return d;
}

bool TObjektlisteDateiAktionen::OriginalModus() const
{
    if (programm_.Modus == tModus::Original)
        return true;
    Fehlermeldung(QStringLiteral("Aktion nur im Original-Modus möglich"), umgebung_.fenster);
    return false;
}

void TObjektlisteDateiAktionen::OLSpeichernUnterMenClick() { Speichern(); }

TObjektlisteDateiAktionen::tSpeichern TObjektlisteDateiAktionen::Speichern()
{
    Programm& p = programm_;
    if (p.Objektliste.ObjektAnzahl() == 0)
        return tSpeichern::Nichts;
    if (!OriginalModus())
        return tSpeichern::Nichts;
    const std::optional<QString> pfad = dialog_(SpeichernDialog());
    if (!pfad || pfad->isEmpty()) {
        umgebung_.zeichnen();
        return tSpeichern::Abgebrochen;
    }

    // The dialog's answer is DateinameText: the file is written under its very bytes.
    const std::string datei = DateinameBytes(*pfad);
    std::optional<QString> fehler;
    try {
        ObjektlisteSpeichern(datei, p.Objektliste);
    } catch (const std::exception&) {
        fehler = FehlerText(std::current_exception());
    }
    // The box runs its own event loop, so it comes after the catch block. A list that did
    // not reach the file is still unsaved, and ListenDatei keeps naming the list's file.
    if (fehler) {
        Fehlermeldung(*fehler, umgebung_.fenster);
        return tSpeichern::Fehlgeschlagen;
    }
    p.ListenDatei = datei;
    p.Gespeichert = true;
    umgebung_.zeichnen();
    return tSpeichern::Gespeichert;
}

void TObjektlisteDateiAktionen::OLNeuMenClick()
{
    if (OriginalModus())
        ListeNeu();
}

void TObjektlisteDateiAktionen::ListeNeu()
{
    Programm& p = programm_;
    if (p.Objektliste.ObjektAnzahl() > 0 && !p.Gespeichert) {
        switch (Frage(QStringLiteral("Soll die aktuelle Objektliste vorher gespeichert werden ?"), umgebung_.fenster)) {
        case tAntwort::Abbrechen: return;
        case tAntwort::Nein: break;
        case tAntwort::Ja:
            // Whoever cancels the save dialog has chosen to let the list go; a save that
            // failed has not, and its list stays.
            if (Speichern() == tSpeichern::Fehlgeschlagen)
                return;
            break;
        }
    }
    p.Objektliste.ListeLeeren();
    umgebung_.listeAnzeigen();
    p.Gespeichert = true;
    umgebung_.zeichnen();
}

void TObjektlisteDateiAktionen::OLOeffnenMenClick()
{
    Programm& p = programm_;
    if (!OriginalModus())
        return;
    // Whatever the answer to the save question, the open dialog follows.
    if (p.Objektliste.ObjektAnzahl() > 0 && !p.Gespeichert)
        ListeNeu();
    const std::optional<QString> pfad = dialog_(OeffnenDialog());
    if (!pfad || pfad->isEmpty())
        return;

    // The file is read and checked whole before the list changes.
    const std::string datei = DateinameBytes(*pfad);
    std::optional<tObjektliste> liste;
    QString fehler;
    try {
        liste = ObjektlisteLaden(datei);
    } catch (const std::exception&) {
        fehler = FehlerText(std::current_exception());
    }
    if (!liste) {  // after the catch block, like the save's message
        Fehlermeldung(fehler, umgebung_.fenster);
        return;
    }
    p.Objektliste = std::move(*liste);
    p.ListenDatei = datei;
    umgebung_.listeAnzeigen();
    p.Gespeichert = true;
    umgebung_.geladen();
}

}  // namespace orbisto
