#pragma once
// The program-wide state, owned in one place and handed to windows by reference.

#include "objects/modus.h"
#include "objects/objektliste.h"
#include "objects/typenliste.h"
#include "scenes/szenenliste.h"
#include "view/tkosys.h"

#include <cstdint>
#include <string>

namespace orbisto {

class Programm {
public:
    TKoSys KoSys;

    tModus Modus = tModus::Original;
    std::int32_t EditIndex = 0;  // 1-based list entry under edit (mode 2)
    bool EditVor = false;        // the Vor mark the edited entry had when editing began
    bool Gespeichert = false;    // the object list has no unsaved change
    bool GrafikBereit = false;   // the main window has finished its set-up

    std::int32_t MausStartX = 0, MausStartY = 0;

    std::string ProgrammVerzeichnis;
    std::string ListenDatei;
    std::string GrafikDatei;

    tTypenliste Typenliste;  // filled on construction, never changed
    tObjektliste Objektliste;
    t3DObjekt VorschauObjekt;  // the object in the editor
    Szenenliste Szenen;
};

}  // namespace orbisto
