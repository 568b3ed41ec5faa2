#pragma once
// The scene "Flugzeug-Landung" (window "Flugzeug-Landung  H H"): lines and planes applied to
// an aircraft's final approach. The runway threshold is the origin, one unit is one
// kilometre, and the approach comes in from a direction turned 27° from the y axis towards
// -x. Three approach fixes lie on the glide path at 5, 10 and 15 km, 300, 600 and 900 m
// high (slope 0,9 / 15 = 0,06). The scene shows the approach line and the approach path
// with the fixes and their names, the slope triangle, the runway, the radar beam, the
// ground, a lower cloud plane at a chosen height and the aircraft as an arrow that the
// window's scroll bar moves along the approach.
//
// Only the window's change handler writes the model (EinstellungenAendern); only the draw
// hook reads it. There is no timer.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <string_view>

namespace orbisto {

// The state of the window's controls: ten check boxes, the spin edit and the scroll bar.
struct tLandungEinstellungen {
    bool Darstellung = false;    // DarstellungCheckBox, the main switch
    bool AnflugGerade = false;   // the approach line through the threshold
    bool AnflugStrecke = false;  // the approach path with balls at the fixes
    bool Steigung = false;       // the slope triangle
    bool Beschriftung = false;   // the names of the fixes
    bool Radar = false;          // the beam, upright and level
    bool Boden = false;          // the ground plane
    bool Landebahn = false;      // the runway
    bool Wolken = false;         // the lower cloud plane
    bool Flugzeug = false;       // the aircraft; the scroll bar shows only while it is on

    double Wolkenhoehe = 3000;  // WolkenSpinEdit, metres, a whole number
    int Position = 15;          // PositionScrollBar, km from the threshold

    friend constexpr bool operator==(const tLandungEinstellungen&, const tLandungEinstellungen&) = default;
};

class TLandung final : public Szene {
public:
    static constexpr tZahlFeld WolkenFeld{"Wolkenhöhe", 0, 3000, 100, 3000};
    static constexpr tZahlFeld PositionFeld{"Flugzeug-Position", 0, 15, 1, 15};
    static constexpr tLandungEinstellungen Startwerte{};

    // 27° in radians: the approach's turn from the y axis towards -x.
    static constexpr double Anflugwinkel = 0.47123889803846897;
    // The same turn in degrees, for the frame of the runway pieces.
    static constexpr double AnflugwinkelGrad = 27;
    // The aircraft flies 20 m above the glide path, so the arrow clears the fix balls.
    static constexpr double Flughoehe = 0.02;
    // The names of the fixes, as the labels show them.
    static constexpr std::array<std::string_view, 3> FixNamen{"Hasloh (5km / 300m)", "Quickborn (10km / 600m)",
                                                              "Bilsen (15km / 900m)"};

    // Starts with the start values and their derived points.
    TLandung();

    // Stores the settings and recomputes the fixes, the aircraft and the cloud height. A
    // cloud height or a position no control can hold (not whole or outside its range) is
    // refused with AllgemeinerFehler, whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tLandungEinstellungen& neu);

    const tLandungEinstellungen& Einstellungen() const { return e_; }
    // (-d sin φ, d cos φ, h) for (d, h) = (5; 0,3), (10; 0,6), (15; 0,9).
    const std::array<tVektor3, 3>& Fixe() const { return fixe_; }
    // The aircraft at p km: (-p sin φ, p cos φ, 0,06 p + 0,02), and the tip of its arrow
    // one kilometre nearer the threshold at the same height.
    const tVektor3& FlugzeugPos() const { return flugzeugPos_; }
    const tVektor3& FlugzeugZiel() const { return flugzeugZiel_; }
    // The cloud plane's height in km.
    double WolkenhoeheKm() const { return wolkenhoeheKm_; }

    // Nothing while Darstellung is off. Otherwise, each piece only while its switch is on:
    // in the runway's frame (turned 27° about z, approach along +y) the slope triangle in
    // yellow, the runway in grey and the radar beam in cyan; then the approach line and the
    // approach path in black, the names of the fixes in black, the ground and the cloud
    // plane in light grey and the aircraft as a red arrow. Leaves the model-view matrix as
    // it was, also when a primitive throws.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tLandungEinstellungen e_;
    std::array<tVektor3, 3> fixe_;
    tVektor3 flugzeugPos_, flugzeugZiel_;
    double wolkenhoeheKm_ = 0;
};

}  // namespace orbisto
