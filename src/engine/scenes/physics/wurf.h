#pragma once
// The scene "Würfe in 3D": the oblique throw without air resistance, shown three ways at
// once. The x axis carries the distance travelled, the y axis the time and the z axis the
// height, so
//  - the trajectory z(x) lies in the x-z plane ("Bahnkurve"),
//  - the height over time z(t) lies in the y-z plane ("Senkrechter Wurf"),
//  - the space curve (x(t), t, z(t)) joins both: height over distance and time.
// A ball can run along all three curves at once, and the rectangle of flight distance by
// flight time can lie on the ground.
//
// Both curves are kept as formula texts for the formula evaluator; the space curve and the
// ball's height are evaluated from the height-over-time text. Only the window's change
// handler writes the model (EinstellungenAendern); only the draw hook reads it. There is no timer.

#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <string>

namespace orbisto {

// The state of the window's controls.
struct tWurfEinstellungen {
    bool Wurf = false;  // WurfCheckBox, the main switch; nothing is drawn without it
    // Trajectory z(x): the flight's part, the whole parabola, the ball.
    bool HoeheStrecke2D = false, MatheStreckeFkt = false, StreckePos = false;
    // Height over time z(t): the flight's part, the whole parabola, the ball.
    bool HoeheZeit2D = false, MatheZeitFkt = false, ZeitPos = false;
    // Space curve: the flight's part as rods, the whole curve as thin lines, the ball.
    bool HoeheStreckeZeit3D = false, MatheStreckeZeitFkt = false, StreckeZeitPos = false;
    bool Grundflaeche = false;  // the rectangle distance x time on the ground

    // Whole numbers, kept as doubles: m/s, degrees, m.
    double Abwurfgeschwindigkeit = 10;
    double AbwurfwinkelGrad = 60;
    double Abwurfhoehe = 0;
    // The scroll bar's position, 0 … 100.
    int KugelPosition = 0;

    friend constexpr bool operator==(const tWurfEinstellungen&, const tWurfEinstellungen&) = default;
};

class TWurf final : public Szene {
public:
    static constexpr double g = 9.81;  // m/s², also written into the formula texts as "9,81"

    // The window's controls: the three spin edits and the scroll bar.
    static constexpr tZahlFeld GeschwindigkeitFeld{"Abwurfgeschwindigkeit", 1, 20};
    static constexpr tZahlFeld WinkelFeld{"Abwurfwinkel", 1, 89};
    static constexpr tZahlFeld HoeheFeld{"Abwurfhöhe", -10, 10};
    static constexpr tZahlFeld KugelPositionFeld{"Position", 0, 100};

    // The controls' values when the window is made: 10 m/s, 60°, 0 m, ball at the start,
    // every switch off.
    static constexpr tWurfEinstellungen Startwerte{};

    // Holds the start values; every derived value is zero until the first EinstellungenAendern.
    TWurf() = default;

    // Stores the settings and recomputes the throw. The range and the flight time are the
    // positive roots of z(x) = 0 and z(t) = 0; a throw that never comes back down to height 0
    // has none, and then the room's upper x and y bounds (raumXMax, raumYMax) stand in for
    // them. A number no control can hold (not whole or outside its range) is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tWurfEinstellungen& neu, double raumXMax, double raumYMax);

    const tWurfEinstellungen& Einstellungen() const { return e_; }

    double Abwurfwinkel() const { return alpha_; }  // radians
    double vx() const { return vx_; }
    double vz() const { return vz_; }
    double StreckeAnf() const { return streckeAnf_; }
    double StreckeEnde() const { return streckeEnde_; }
    double ZeitAnf() const { return zeitAnf_; }
    double ZeitEnde() const { return zeitEnde_; }
    // z(x) = -g/(2 vx²) x² + (vz/vx) x + h0 and z(t) = -g/2 t² + vz t + h0 (x standing for t),
    // numbers in the general format with decimal comma, as the formula evaluator reads them.
    const std::string& FormelStrecke() const { return formelStrecke_; }
    const std::string& FormelZeit() const { return formelZeit_; }
    double KugelAnteil() const { return kugelAnteil_; }
    double KugelZeit() const { return kugelZeit_; }
    double KugelStrecke() const { return kugelStrecke_; }
    double KugelHoehe() const { return kugelHoehe_; }

    // Nothing while Wurf is off. Otherwise, each item only with its switch on and in this
    // order: trajectory part (red) and whole function (black), its ball (red, radius 0,2);
    // height-over-time part (green) and whole function (black), its ball (green, 0,2);
    // space curve as blue rods over the flight, as black lines over three times the flight
    // time from -ZeitEnde, its ball (blue, 0,3); the ground rectangle, one grey shade on each
    // side. Leaves the model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    // The space curve over [a, b] in 100 steps: rods of radius 0,06 or thin lines.
    void Raumkurve(const TKoSys& koSys, double a, double b, bool staebe) const;

    tWurfEinstellungen e_{};
    double alpha_ = 0, vx_ = 0, vz_ = 0;
    double streckeAnf_ = 0, streckeEnde_ = 0, zeitAnf_ = 0, zeitEnde_ = 0;
    std::string formelStrecke_, formelZeit_;
    double kugelAnteil_ = 0, kugelZeit_ = 0, kugelStrecke_ = 0, kugelHoehe_ = 0;
};

}  // namespace orbisto
