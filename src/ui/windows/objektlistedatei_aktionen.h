#pragma once
// The three object list items of the menu "Datei": a new, empty list, opening a list file
// and saving the list under a name. All three work only in Original-Modus.
//
// Saving an empty list does nothing at all. Before a new list replaces an unsaved one, the
// user is asked whether to save it first; opening a file asks the same, and whatever the
// answer, the open dialog follows.
//
// A list is never lost by accident: a file that cannot be read or checked leaves the list,
// Gespeichert and ListenDatei as they were, and so does a save that fails; when the
// question before a new list is answered "Ja" and that save fails, the list is kept.

#include "widgets/dateidialog.h"

#include <functional>

class QWidget;

namespace orbisto {

class Programm;

class TObjektlisteDateiAktionen {
public:
    // What the actions ask of the main window.
    struct Umgebung {
        QWidget* fenster = nullptr;           // parent of the boxes and dialogs
        std::function<void()> zeichnen;       // the render pass, at once
        std::function<void()> listeAnzeigen;  // the list grid shows the list anew
        std::function<void()> geladen;        // a list has just been loaded from a file
    };

    TObjektlisteDateiAktionen(Programm& programm, Umgebung umgebung);

    // Replaces the real file dialog, e.g. by a test's answer.
    void DialogSetzen(DateiDialogFunktion dialog) { dialog_ = std::move(dialog); }

    void OLNeuMenClick();
    void OLOeffnenMenClick();
    void OLSpeichernUnterMenClick();

    // The dialogs as the current ListenDatei sets them up.
    DateiDialog OeffnenDialog() const;
    DateiDialog SpeichernDialog() const;

private:
    enum class tSpeichern { Nichts, Abgebrochen, Gespeichert, Fehlgeschlagen };

    bool OriginalModus() const;
    tSpeichern Speichern();
    void ListeNeu();

    Programm& programm_;
    Umgebung umgebung_;
    DateiDialogFunktion dialog_;
};

}  // namespace orbisto
