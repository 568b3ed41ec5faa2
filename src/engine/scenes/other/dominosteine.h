#pragma once
// The scene "Domino-Steine" (window "Domino - Steine"): sixteen domino stones stand in a
// ring of radius 4,5 on a round base plate of radius 5, and an arm turning about the z axis
// knocks them over one after the other; after a full turn all of them stand again. A small
// demonstration of composed turns and shifts.
//
// The model holds the three part switches and the arm's angle. The window's change handler
// writes the switches; its timer (while "Rotation um Z" is checked) and its button
// "Einzelschritt" turn the arm by one step, whether the arm is drawn or not.

#include "scenes/szene.h"

namespace orbisto {

// The state of the window's three part switches.
struct tDominoSteineEinstellungen {
    bool Grundscheibe = false;  // DominoScheibeCheckBox: the base plate
    bool Steine = false;        // DominoSteineCheckBox: the sixteen stones
    bool Dreharm = false;       // DominoArmCheckBox: the hub and the arm

    friend constexpr bool operator==(const tDominoSteineEinstellungen&, const tDominoSteineEinstellungen&) = default;
};

class TDominoSteine final : public Szene {
public:
    static constexpr tDominoSteineEinstellungen Startwerte{};

    // The stones stand at 11,25°, 33,75°, … 348,75°, 22,5° apart.
    static constexpr int SteinAnzahl = 16;
    static constexpr double ErsterStein = 11.25;
    static constexpr double SteinAbstand = 22.5;
    // The arm reaches a stone when it is within this many degrees of it.
    static constexpr double Vorlauf = 3;
    // One step of the arm in degrees, and the timer's interval in ms.
    static constexpr double ArmSchritt = 2;
    static constexpr int Intervall = 50;

    // Every switch is a plain yes or no, so nothing can be refused.
    void EinstellungenAendern(const tDominoSteineEinstellungen& neu) { e_ = neu; }
    const tDominoSteineEinstellungen& Einstellungen() const { return e_; }

    // The arm's angle about the z axis in degrees, 0 ≤ angle < 360.
    double ArmWinkel() const { return armWinkel_; }
    // One step: the arm turns on by 2°, and from 360° on it starts again at 0.
    void Takt();
    // The arm back to 0, where every stone stands.
    void Reset() { armWinkel_ = 0; }
    int TimerIntervall() const { return Intervall; }

    // The angle of stone i (0 … 15) about the z axis.
    static constexpr double SteinWinkel(int i) { return ErsterStein + SteinAbstand * i; }
    // Stone i stands while the arm is still 3° or more short of it.
    bool SteinSteht(int i) const { return SteinWinkel(i) - Vorlauf >= armWinkel_; }

    // Each part whose switch is on, in this order: the base plate (grey on top, light
    // blue below); the stones, standing or lying in the direction of increasing angle,
    // with the six face colours of QuaderBunt; the hub, the arm at the current angle and
    // the disc at its tip. Nothing with all three off. Leaves the model-view matrix as it
    // found it, also when a step throws.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void GrundscheibeZeichnen(const TKoSys& k) const;
    void SteineZeichnen(const TKoSys& k) const;
    void DreharmZeichnen(const TKoSys& k) const;

    tDominoSteineEinstellungen e_;
    double armWinkel_ = 0;
};

}  // namespace orbisto
