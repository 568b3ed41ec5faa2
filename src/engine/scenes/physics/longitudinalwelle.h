#pragma once
// The scene "Longitudinal - Welle": a chain of grey discs of radius 2, standing perpendicular
// to the x axis at equal spacing from x = -8 to x = 8, that swing along the x axis. At rest
// ("ruhend") they stand at their places; in a progressive wave ("fortschreitend") each disc
// lags the first one, the exciter, by its distance from it; in a standing wave ("stehend")
// all discs swing in phase with an amplitude that depends on their place, for fixed, open or
// mixed ends. "fortschreitend  unendlich" runs the chain on to x = 24.
//
// The window's change handler writes the settings and so restarts the period; its timer
// steps through one period of SchwingungSchritte ticks.

#include "core/farbstufen.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <vector>

namespace orbisto {

// The radio buttons of the two groups.
enum class tLongitudinalModus { Ruhend, FortschreitendEndlich, FortschreitendUnendlich, Stehend };
enum class tLongitudinalEnden { Fest, Offen, Gemischt };

// The state of the window's controls.
struct tLongitudinalWelleEinstellungen {
    bool LongitudinalWelle = false;  // LongitudinalWelleCheckBox, the main switch
    tLongitudinalModus Modus = tLongitudinalModus::Ruhend;
    tLongitudinalEnden Enden = tLongitudinalEnden::Fest;
    int Ordnung = 1;              // n
    int AmplitudeWert = 5;        // the spin edit's tenths: A = AmplitudeWert · 0,1
    int FktSchritte = 16;         // spaces between the discs
    int SchwingungSchritte = 20;  // ticks of one period
    int ZeitSchritte = 100;       // ms per tick

    friend constexpr bool operator==(const tLongitudinalWelleEinstellungen&,
                                     const tLongitudinalWelleEinstellungen&) = default;
};

class TLongitudinalWelle final : public Szene {
public:
    // The window's spin edits. The ranges keep the disc loop finite, the period at least
    // one tick long (no division by 0 for the phase) and the timer at 1 ms or more.
    static constexpr tZahlFeld OrdnungFeld{"Ordnung", 1, 8};
    static constexpr tZahlFeld AmplitudeFeld{"Amplitude", 0, 20};
    static constexpr tZahlFeld FktSchritteFeld{"Schritte Funktion", 1, 100};
    static constexpr tZahlFeld SchwingungSchritteFeld{"Schritte Schwingung", 4, 100, 4};
    static constexpr tZahlFeld ZeitSchritteFeld{"Zeitschritt Schwingung", 1, 500};

    // The chain starts at x0 and ends at x1, or at 3 · x1 when it runs on.
    static constexpr double X0 = -8;
    static constexpr double X1 = 8;
    static constexpr double Radius = 2;
    // The arrow over the exciter shows its displacement at this height.
    static constexpr double PfeilHoehe = 3;
    static constexpr double PfeilDicke = 0.1;

    // The two sides of a disc: front (facing +x) and back.
    static constexpr tRGB ScheibeVorn{0.4f, 0.4f, 0.4f};
    static constexpr tRGB ScheibeHinten{0.5f, 0.5f, 0.5f};
    static constexpr tRGB ErregerVorn{0.4f, 0, 0};
    static constexpr tRGB ErregerHinten{0.5f, 0, 0};
    static constexpr tRGB Rand{0, 0, 0};
    static constexpr tRGB Pfeil{0.4f, 0, 0};

    static constexpr tLongitudinalWelleEinstellungen Startwerte{};

    TLongitudinalWelle() = default;

    // Stores the settings. A number outside its control's range is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes. In a moving
    // mode every change starts the period again at step 0.
    void EinstellungenAendern(const tLongitudinalWelleEinstellungen& neu);
    const tLongitudinalWelleEinstellungen& Einstellungen() const { return e_; }

    // The three modes in which the discs move and the timer runs.
    bool Bewegt() const { return e_.Modus != tLongitudinalModus::Ruhend; }

    // A = AmplitudeWert · 0,1.
    double Amplitude() const { return e_.AmplitudeWert * 0.1; }
    // λ = 64 / (2n − 1) for mixed ends (a node at the left end, an antinode at the right
    // one), otherwise 32 / n.
    double Wellenlaenge() const;

    // The timer's interval in ms.
    int TimerIntervall() const { return e_.ZeitSchritte; }
    // The current step of the period, 0 ... SchwingungSchritte − 1.
    int Schwingungsschritt() const { return schritt_; }
    // One tick: one step on, and back to 0 when the period is full.
    void Takt();

    // The rest positions x0, x0 + d, ... with d = 16 / FktSchritte, while 1,01 · x_end > x
    // (x_end = 8, or 24 in "fortschreitend  unendlich").
    std::vector<double> Ruhelagen() const;
    // The displacement along x of the disc at rest position x at the current step, in the
    // current mode (0 at rest).
    double Auslenkung(double x) const;

    // Nothing while LongitudinalWelle is off. Otherwise every disc at its rest position
    // moved by its displacement: a black rim, then its front and its back face. In a
    // progressive wave the exciter is red and an arrow above it shows its displacement.
    // Leaves the model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void Scheibe(const TKoSys& k, double x, const tRGB& vorn, const tRGB& hinten) const;

    tLongitudinalWelleEinstellungen e_;
    int schritt_ = 0;
};

}  // namespace orbisto
