#pragma once
// The net of a cuboid. The box of length L (along x), breadth B (along y) and height H
// (along z) stands on the x-y plane between the origin and (L, B, H). The base stays on
// the ground; each side face either stands folded up in its place or lies unfolded flat
// on the ground, turned outwards about its base edge. The top face hangs on the upper
// edge of the back face and is folded or unfolded relative to it, so it moves with the
// back face. There is no animation in between: a face is in one position or the other.
//
// Edges are rods whose colour tells which dimension of the box they have (L red, B green,
// H blue), wherever the face lies; corners are black balls. Faces are drawn from both
// sides: light on the side that is inside the closed box, darker outside.
//
// The model holds what the window's controls say. Only the window's change handler writes
// it (EinstellungenAendern); the draw hook and the geometry below read only what is stored.

#include "core/farbstufen.h"
#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <vector>

namespace orbisto {

// The state of the window's controls: eight check boxes and three spin edits. The member
// initialisers are what the window shows when it is made.
struct tQuaderNetzEinstellungen {
    bool Quader = false;    // the scene is shown
    bool Kanten = true;     // edges and corners
    bool Flaechen = false;  // faces
    // Unfolded (lying open) rather than folded up in place:
    bool DF = false;  // top face (Deckfläche), relative to the back face
    bool VF = false;  // front face (Vorderfläche), plane y = 0
    bool RF = false;  // back face (Rückfläche), plane y = B
    bool LS = false;  // left face (linke Seitenfläche), plane x = 0
    bool RS = false;  // right face (rechte Seitenfläche), plane x = L
    // Whole numbers from 1 to 5, kept as doubles.
    double Laenge = 4, Breite = 3, Hoehe = 2;

    friend constexpr bool operator==(const tQuaderNetzEinstellungen&, const tQuaderNetzEinstellungen&) = default;
};

class TQuaderNetz final : public Szene {
public:
    // The spin edits of the window.
    static constexpr tZahlFeld LaengeFeld{"Länge", 1, 5};
    static constexpr tZahlFeld BreiteFeld{"Breite", 1, 5};
    static constexpr tZahlFeld HoeheFeld{"Höhe", 1, 5};
    // A 4 x 3 x 2 box, folded, edges on, the scene off.
    static constexpr tQuaderNetzEinstellungen Startwerte{};

    enum class tSeite { Grund, Vorder, Links, Rechts, Rueck, Deck };
    // The order in which the faces and their edges are drawn.
    static constexpr std::array<tSeite, 6> Seiten{tSeite::Grund,  tSeite::Vorder, tSeite::Links,
                                                  tSeite::Rechts, tSeite::Rueck,  tSeite::Deck};

    // Which dimension of the box an edge has; it gives the rod its colour.
    enum class tMass { Laenge, Breite, Hoehe };

    struct tStab {
        tVektor3 Von, Bis;
        tMass Mass;
    };
    // What one face adds to the edges: corner balls and rods, each in drawing order. The
    // base brings all four of its corners and edges; every other face the two corners
    // opposite the edge it turns about, the two edges leading there and the opposite edge.
    struct tKantenzug {
        std::vector<tVektor3> Ecken;
        std::vector<tStab> Staebe;
    };

    // Starts with the start values.
    TQuaderNetz();

    // Stores the settings. A dimension that is not a whole number from 1 to 5 is refused
    // with AllgemeinerFehler, whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tQuaderNetzEinstellungen& neu);
    const tQuaderNetzEinstellungen& Einstellungen() const { return e_; }

    // Where a face lies now, as the four corners of its first copy. The second copy
    // starts at the same corner and runs through the others backwards, so each copy shows
    // from one side.
    std::array<tVektor3, 4> Ecken(tSeite seite) const;
    // The shades of the first and the second copy of a face.
    std::array<tRGB, 2> Farben(tSeite seite) const;
    tKantenzug Kantenzug(tSeite seite) const;

    static tRGB Kantenfarbe(tMass mass);

    // Draws nothing unless Quader: then the edges (if Kanten), then the faces (if Flaechen).
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void KantenZeichnen(const TKoSys& koSys) const;
    void FlaechenZeichnen() const;

    tQuaderNetzEinstellungen e_;
};

}  // namespace orbisto
