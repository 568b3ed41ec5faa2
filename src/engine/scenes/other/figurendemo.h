#pragma once
// The scene "Figuren-Demonstration": figures that show what the projection does. A box
// that runs from the room far along +y, so the perspective shows its vanishing point;
// three edge-model cubes side by side; a solid 6 x 4 x 2 cuboid that can turn about the
// z axis; a single edge-model cube that can travel along y.
//
// The long box reaches y = 500, beyond the far planes a lesson usually has. While it is
// shown both far planes stand at 3000; when it goes, each far plane the user has not
// changed in the meantime gets the user's own value back.
//
// The window's change handler writes the switches; its two timers turn the cuboid and move
// the single cube.

#include "scenes/szene.h"

namespace orbisto {

class TKoSys;

// The figure switches of the window's check boxes.
struct tFigurenDemoEinstellungen {
    bool FluchtpunktQuader = false;   // FluchtpunktQuaderCheckBox: the box towards +y
    bool TestWuerfel = false;         // TestWuerfelCheckBox: three cubes
    bool Vollquader = false;          // GeschlossenerQuaderCheckBox: the solid cuboid
    bool EinWuerfel = false;          // EinWuerfelCheckBox: the single cube
    bool EinWuerfelBewegung = false;  // EinWuerfelBewegungCheckBox: the single cube moves

    friend constexpr bool operator==(const tFigurenDemoEinstellungen&, const tFigurenDemoEinstellungen&) = default;
};

class TFigurenDemo final : public Szene {
public:
    static constexpr tFigurenDemoEinstellungen Startwerte{};

    // Far planes of both projections while the long box is shown, and the box's far end.
    static constexpr double FluchtpunktFern = 3000;
    static constexpr double FluchtpunktEnde = 500;
    // Both timers' interval in ms.
    static constexpr int Intervall = 50;
    // The cuboid turns by this many degrees a tick, clockwise seen from +z.
    static constexpr double QuaderSchritt = 2;
    // The single cube moves by this much a tick from its start until it passes its end.
    static constexpr double WuerfelSchritt = 0.1;
    static constexpr double WuerfelStart = -5;
    static constexpr double WuerfelEnde = 3;

    // Stores the switches. Switching the long box on sets both far planes of `koSys` to
    // 3000 and remembers the values they had; switching it off gives each far plane that
    // still stands at 3000 its remembered value back.
    void EinstellungenAendern(const tFigurenDemoEinstellungen& neu, TKoSys& koSys);
    const tFigurenDemoEinstellungen& Einstellungen() const { return e_; }

    // The cuboid's angle about z in degrees, -360 < angle <= 0.
    double QuaderWinkel() const { return quaderWinkel_; }
    // One tick of the turning cuboid: 2 degrees less, and 0 once it is no longer above -360.
    void QuaderDrehen();
    void QuaderZurueck() { quaderWinkel_ = 0; }

    // The y of the single cube's near face, from -5.
    double WuerfelY() const { return wuerfelY_; }
    // One tick of the moving cube: 0,1 further, and back to -5 as soon as it is beyond 3.
    void WuerfelBewegen();
    void WuerfelZurueck() { wuerfelY_ = WuerfelStart; }

    int TimerIntervall() const { return Intervall; }

    // Each figure whose switch is on, in this order: the long box over the room's x and z
    // bounds from its y minimum to y = 500 in black; the cubes from -4, -1 and 2 in x in
    // blue, black and red; the solid cuboid turned by its angle, with the six face colours
    // of QuaderBunt; the single cube in black, turned with the cuboid while that is shown.
    // Leaves the model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tFigurenDemoEinstellungen e_;
    double quaderWinkel_ = 0;
    double wuerfelY_ = WuerfelStart;
    // The far planes (orthogonal, perspective) before the long box set them.
    double fernVorher_[2] = {0, 0};
};

}  // namespace orbisto
