#pragma once
// The scene "Winkel- und Bahngeschwindigkeit": uniform and uniformly accelerated circular
// motion as the vector product angular velocity x radius = orbital velocity. A ball runs on
// the circle of radius r about the origin in the x-y plane; ω is an arrow along the z axis,
// r an arrow from the origin to the ball and v = ω · r the arrow tangent to the circle at
// the ball.
//
// The window's change handler writes the settings, which also sets ω back to the spin
// edit's value; its timer turns the ball by one step of 5° per tick. The speed lies in the
// timer's interval, 100 / |ω| ms, which the model recomputes whenever ω changes, so an
// accelerated ball speeds up from tick to tick.

#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <string>

namespace orbisto {

// The radio buttons in BewegArtPanel.
enum class tBewegungsArt { Gleichmaessig, Beschleunigt };

// The state of the window's controls.
struct tWinkelBahnGeschwEinstellungen {
    bool Darstellung = false;  // DarstellungCheckBox: the main switch
    bool Rotation = false;     // RotationCheckBox: the timer runs
    tBewegungsArt Art = tBewegungsArt::Gleichmaessig;
    int Winkelgeschw = 1;  // WinkelgeschwSpinEdit: ω, and the start value of an accelerated ω
    int Radius = 2;        // RadiusSpinEdit: r

    friend constexpr bool operator==(const tWinkelBahnGeschwEinstellungen&,
                                     const tWinkelBahnGeschwEinstellungen&) = default;
};

class TWinkelBahnGeschw final : public Szene {
public:
    static constexpr tZahlFeld WinkelgeschwFeld{"Winkelgeschwindigkeit", -5, 5, 1, 1};
    static constexpr tZahlFeld RadiusFeld{"Radius", 1, 5, 1, 2};
    static constexpr tWinkelBahnGeschwEinstellungen Startwerte{};

    // One tick turns the ball by this many degrees; an accelerated ω grows by Zuwachs.
    static constexpr double Schritt = 5;
    static constexpr double Zuwachs = 0.05;

    // The start values, the ball at 0°, the timer at 100 ms.
    TWinkelBahnGeschw();

    // Stores the settings and sets ω to the spin edit's value (an accelerated ω starts
    // again); with ω ≠ 0 the interval becomes round(100 / |ω|), with ω = 0 it stays. The
    // angle stays. A number outside its control's range is refused with AllgemeinerFehler,
    // whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tWinkelBahnGeschwEinstellungen& neu);
    const tWinkelBahnGeschwEinstellungen& Einstellungen() const { return e_; }

    // The ball's angle in degrees: 0 at the start, changed only by Takt.
    double Drehwinkel() const { return drehwinkel_; }
    // ω now: the spin edit's value, or where the acceleration has taken it.
    double Winkelgeschw() const { return omega_; }
    // v = ω · r.
    double Bahngeschw() const { return omega_ * e_.Radius; }
    // v as BahngeschwBetragLabel shows it: to the hundredth, "2", "-2,1", "0".
    std::string BahngeschwText() const;
    // The timer's interval in ms, at least 1.
    int TimerIntervall() const { return intervall_; }

    // One timer tick. Uniform: 5° forwards for ω > 0 (from 360 on it is 0), backwards for
    // ω < 0 (from 0 down it is 360), nothing for ω = 0. Accelerated: for ω ≥ 0 a step
    // forwards and ω += 0,05, back to the spin edit's value once past 5; then for ω < 0 a
    // step backwards and ω -= 0,05, back to the spin edit's value once past -5; the interval
    // follows ω.
    void Takt();

    // Nothing while Darstellung is off. Otherwise the circle in black, the ball on it at the
    // angle, then the arrows ω (dark blue), r (dark red) and v (dark green). Leaves the
    // model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void Vorwaerts();
    void Rueckwaerts();
    void IntervallSetzen();

    tWinkelBahnGeschwEinstellungen e_;
    double drehwinkel_ = 0;
    double omega_ = 1;
    int intervall_ = 100;
};

}  // namespace orbisto
