#pragma once
// The scene "Stehende Kreis - Welle": standing waves of order n on a string over -4 ... 4
// ("linear z=f(x)") or on a circular membrane of radius 4 ("eben z=f(x,y)", the profile
// turned about the z axis), with a fixed or an open edge. It shows the shape of greatest
// elongation ("Funktion"), both extreme shapes ("Einhüllende") or the shape swinging
// between them ("Schwingung").
//
// Every shape is a formula text in x: the amplitude followed by the factor
// *cos(k*0,25*x*1,57079625) = cos(k·π·x / 8), with k = 2n − 1 for a fixed edge (zero at
// ±4) and k = 2n for an open one (±1 there). The formula evaluator reads it.
//
// The window's change handler writes the settings; its timer swings the shape one step per
// tick: the step s runs 0, 1, ..., Q, Q − 1, ..., −Q, ... and the amplitude is (s / Q)·A.

#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <string>
#include <vector>

namespace orbisto {

// The radio buttons of the three groups.
enum class tWellenTraeger { Linear, Eben };
enum class tWellenEnde { Fest, Offen };
enum class tWellenAnzeige { Funktion, Einhuellende, Schwingung };

// The state of the window's controls.
struct tStehendeKreisWelleEinstellungen {
    bool StehendeWelle = false;  // StehendeWelleCheckBox, the main switch
    tWellenTraeger Traeger = tWellenTraeger::Linear;
    tWellenEnde Ende = tWellenEnde::Fest;
    tWellenAnzeige Anzeige = tWellenAnzeige::Funktion;
    int Ordnung = 1;                // n
    int AmplitudeWert = 1;          // A
    bool FunktionsGitter = true;    // the membrane's meridian web
    bool RotationsGitter = false;   // its circles
    bool FunktionsFlaeche = false;  // its surface
    int FktSchritte = 20;           // steps along x or the radius
    int RotSchritte = 20;           // steps round the axis
    int SchwingungSchritte = 20;    // ticks of one full swing
    int ZeitSchritte = 100;         // ms per tick

    friend constexpr bool operator==(const tStehendeKreisWelleEinstellungen&,
                                     const tStehendeKreisWelleEinstellungen&) = default;
};

class TStehendeKreisWelle final : public Szene {
public:
    // The window's spin edits. The ranges keep every drawing loop finite, a quarter period
    // of at least one tick (no 0 / 0 in the amplitude) and the timer at 1 ms or more.
    static constexpr tZahlFeld OrdnungFeld{"Ordnung", 1, 7};
    static constexpr tZahlFeld AmplitudeFeld{"Amplitude", 0, 4};
    static constexpr tZahlFeld FktSchritteFeld{"Schritte Funktion", 1, 100};
    static constexpr tZahlFeld RotSchritteFeld{"Schritte Rotation", 1, 100};
    static constexpr tZahlFeld SchwingungSchritteFeld{"Schritte Schwingung", 4, 100, 4};
    static constexpr tZahlFeld ZeitSchritteFeld{"Zeitschritt Schwingung", 1, 500};

    // String and membrane reach from -4 to 4 and over the radii 0 ... 4.
    static constexpr double Halbbreite = 4;

    // The shades of the membrane's two sides (one shape), or of the +A and -A surfaces
    // ("Einhüllende").
    static constexpr float DunklesGrau = 0.3f;
    static constexpr float HellesGrau = 0.5f;

    static constexpr tStehendeKreisWelleEinstellungen Startwerte{};

    TStehendeKreisWelle() = default;

    // Stores the settings. A number outside its control's range is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes. While
    // "Schwingung" is chosen every change starts the swing again at s = 0, upwards.
    void EinstellungenAendern(const tStehendeKreisWelleEinstellungen& neu);
    const tStehendeKreisWelleEinstellungen& Einstellungen() const { return e_; }

    // Q, the ticks of a quarter swing: SchwingungSchritte / 4 rounded half to even, >= 1.
    int Viertelperiode() const;
    int Schwingungsschritt() const { return s_; }
    int Richtung() const { return richtung_; }
    // s / Q, the share of the amplitude the swinging shape has now.
    double Amplitudenfaktor() const { return double(s_) / Viertelperiode(); }

    // The timer's interval in ms.
    int TimerIntervall() const { return e_.ZeitSchritte; }
    // One tick: s moves one step in its direction and turns at Q and -Q, so that s / Q runs
    // 0 → 1 → −1 → 1 …, one full swing in 4Q ticks.
    void Takt();

    // "1,57079625", π / 2 as the formulas write it.
    static std::string PiHalbeText();
    // "*cos(k*0,25*x*1,57079625)" with k = 2n − 1 (fixed edge) or 2n (open edge).
    std::string FormelRest() const;
    // The amplitude as number text followed by FormelRest: 1*cos(1*0,25*x*1,57079625).
    std::string Formel(double amplitude) const;
    // The shapes drawn now: A ("Funktion"), A and −A ("Einhüllende"), or (s / Q)·A
    // ("Schwingung").
    std::vector<std::string> Formeln() const;

    // Nothing while StehendeWelle is off. Otherwise the string: each shape as a black curve
    // of FktSchritte pieces in the x-z plane; or the membrane: of each shape the black web,
    // the black circles, then the surfaces, each that is switched on (see the source for the
    // order and shades). Leaves the model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void MembranZeichnen(TKoSys& k, const std::vector<std::string>& formeln) const;

    tStehendeKreisWelleEinstellungen e_;
    int s_ = 0;
    int richtung_ = 1;
};

}  // namespace orbisto
