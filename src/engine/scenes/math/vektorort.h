#pragma once
// The scene "Orts-Vektor und Repräsentant": one vector O shown twice, once as the position
// vector from the origin to the point O and once as a representative that starts at a
// chosen point A and ends at A + O. Each of the two can show its coordinate box, its
// component arrows and their chain x + y + z; the position vector also the component arrows
// along all twelve box edges and the unit vectors i, j, k.
//
// The model holds what the window's controls say. Only the window's change handlers write
// it (EinstellungenAendern); only the draw hook reads it. There is no timer.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

namespace orbisto {

// The state of the window's controls: 16 check boxes and six spin edits.
struct tVektorOrtEinstellungen {
    // OrtsvektorCheckBox: the main switch of the position vector; the nine after it act
    // only while it is on.
    bool Ortsvektor = false;
    bool OQuader = false;                     // the box with the corners 0 and O
    bool Ox = false, Oy = false, Oz = false;  // the component arrows from the origin
    bool Oxyz = false;                        // the chain x, then y, then z, ending at O
    bool Oalle = false;                       // a component arrow along each of the 12 box edges
    bool Oi = false, Oj = false, Ok = false;  // the unit vectors
    // RepraesentantCheckBox: the main switch of the representative, independent of the
    // position vector; the four after it act only while it is on.
    bool Repraesentant = false;
    bool RQuader = false;
    bool Rx = false, Ry = false, Rz = false;
    bool Rxyz = false;

    // Whole numbers from -9 to 9, kept as doubles (OxSpinEdit … OzSpinEdit, RxSpinEdit …
    // RzSpinEdit).
    tVektor3 Ort{4, 3, 2};
    tVektor3 Anfang{-5, -4, -3};

    friend constexpr bool operator==(const tVektorOrtEinstellungen&, const tVektorOrtEinstellungen&) = default;
};

class TVektorOrt final : public Szene {
public:
    static constexpr tZahlFeld OrtFeld{"Ort", -9, 9};
    static constexpr tZahlFeld AnfangFeld{"Anfang", -9, 9};
    // What the window shows when it is made: O = (4, 3, 2), A = (-5, -4, -3), every switch
    // off; the representative then ends at (-1, -1, -1).
    static constexpr tVektorOrtEinstellungen Startwerte{};

    // Stores the settings. A number that is not a whole number from -9 to 9 is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tVektorOrtEinstellungen& neu);
    const tVektorOrtEinstellungen& Einstellungen() const { return e_; }

    // First the position vector, if on: its arrow, box, the x, y and z components, i, j, k,
    // the chain, all box edges; then the representative, if on: its arrow, box, components
    // and chain. Leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorOrtEinstellungen e_;
};

}  // namespace orbisto
