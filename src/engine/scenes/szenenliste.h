#pragma once
// The 22 scenes in the order in which the render pass draws them. Later scenes draw
// over earlier ones where depth allows, so the order is part of the picture.

#include "scenes/szene.h"

#include <array>
#include <cstddef>
#include <memory>

namespace orbisto {

enum class SzenenNr : std::size_t {
    Spiegelungen,
    BewegungMatrizen,
    VektorOrt,
    VektorGerade,
    VektorEbene,
    VektorKreis,
    VektorKugel,
    VektorVerknuepfung,
    VektorSpatprodukt,
    LineareAbh,
    SchnittGE,
    QuaderNetz,
    Landung,
    Wurf,
    SonneErdeMond,
    StehendeKreisWelle,
    LongitudinalWelle,
    Potentialtopf,
    WinkelBahnGeschw,
    EbeneWellen,
    FigurenDemo,
    DominoSteine,
};

// DominoSteine is drawn last; a new scene goes into the enum at its place in the order.
inline constexpr std::size_t SzenenAnzahl = static_cast<std::size_t>(SzenenNr::DominoSteine) + 1;
static_assert(SzenenAnzahl == 22);

class Szenenliste {
public:
    // Installs the model of one scene; a slot without a model draws nothing.
    void Setzen(SzenenNr nr, std::unique_ptr<Szene> szene);
    Szene* Holen(SzenenNr nr) const;

    // Calls every installed hook in the fixed order.
    void AlleZeichnen(TKoSys& koSys);

private:
    std::array<std::unique_ptr<Szene>, SzenenAnzahl> szenen_;
};

}  // namespace orbisto
