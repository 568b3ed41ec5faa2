#pragma once
// The scene "Potentialtopf": the stationary states of a particle in an infinitely deep
// potential well, a box of edge length L centred at the origin, in one, two or three
// dimensions. A quantum number n = 1, 2 or 3 per axis picks the standing wave ψn; the scene
// draws ψ and/or the probability density ψ² along the edges of the box, the outline of the
// box, and a lattice of grey balls whose radius follows the probability density at their
// point.
//
// The model holds what the window's controls say. Only the window's shared change handler
// writes it (EinstellungenAendern); only the draw hook reads it. There is no timer.

#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <string>

namespace orbisto {

// Which of the window's three radio buttons is checked.
enum class tDimension { Linear = 1, Eben = 2, Raeumlich = 3 };

// The state of the window's controls.
struct tPotentialtopfEinstellungen {
    bool Potentialtopf = false;  // PotentialtopfCheckBox, the main switch
    bool Bereich = true;         // the box outline
    int Topfbreite = 4;          // L, the edge length of the box
    tDimension Dimension = tDimension::Linear;
    int nx = 1, ny = 1, nz = 1;      // quantum numbers per axis
    bool Welle = false;              // draw ψ
    bool Wahrscheinlichkeit = true;  // draw ψ²
    int FktSchritte = 20;            // segments per curve
    int FktAmplitude = 1;            // A, the amplitude of ψ
    bool Kugeln = true;              // draw the ball lattice
    int KugelSchritte = 10;          // lattice steps per axis
    int KugelRadius = 1;             // ball size factor

    friend constexpr bool operator==(const tPotentialtopfEinstellungen&, const tPotentialtopfEinstellungen&) = default;
};

class TPotentialtopf final : public Szene {
public:
    // The window's spin edits.
    static constexpr tZahlFeld TopfbreiteFeld{"Topfbreite", 1, 10};
    static constexpr tZahlFeld NxFeld{"Quantenzahl n x", 1, 3};
    static constexpr tZahlFeld NyFeld{"Quantenzahl n y", 1, 3};
    static constexpr tZahlFeld NzFeld{"Quantenzahl n z", 1, 3};
    static constexpr tZahlFeld FktSchritteFeld{"Schritte der Funktion", 1, 100};
    static constexpr tZahlFeld FktAmplitudeFeld{"Amplitude", 1, 4};
    static constexpr tZahlFeld KugelSchritteFeld{"Schritte der Kugeln", 1, 50};
    static constexpr tZahlFeld KugelRadiusFeld{"Radius der Kugeln", 1, 10};

    // What the window shows when it is made: 1D, n = 1, L = 4, ψ² and the box and the
    // balls on, the scene itself off.
    static constexpr tPotentialtopfEinstellungen Startwerte{};

    // The ψ² rods and the box rods.
    static constexpr double FktRadius = 0.04;
    static constexpr double BereichRadius = 0.02;
    static constexpr int Unterteilung = 10;  // slices of rods and balls

    TPotentialtopf() = default;

    // Stores the settings. A number outside its spin edit's range is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes: a box of
    // no width would leave the curve steps at 0 and never end.
    void EinstellungenAendern(const tPotentialtopfEinstellungen& neu);
    const tPotentialtopfEinstellungen& Einstellungen() const { return e_; }

    // a = L / 2.
    double HalbeTopfbreite() const { return e_.Topfbreite / 2.0; }

    // "Anzahl Kugeln: " with the lattice steps to the power of the dimension.
    std::string AnzahlKugelnText() const { return AnzahlKugelnText(e_.Dimension, e_.KugelSchritte); }
    static std::string AnzahlKugelnText(tDimension dimension, int schritte);

    // The standing wave of quantum number n at x in a box of half width a, with
    // u = n·x·0,5·π / a: A·cos u for n = 1 and 3, A·sin u for n = 2, 0 for any other n.
    static double Psi(int n, double x, double a, double amplitude);
    // Its probability density without the amplitude: cos² u, sin² u or 0.
    static double Psi2(int n, double x, double a);

    // Nothing while Potentialtopf is off. Otherwise, in this order and each if switched on:
    // the ψ² curves as red, green and blue rods, the ψ curves as segments in the same
    // colours, the box outline in black, the grey ball lattice. Leaves the model-view matrix
    // as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void KurvenZeichnen(const TKoSys& k, bool alsStab) const;
    void BereichZeichnen(const TKoSys& k) const;
    void KugelnZeichnen(const TKoSys& k) const;

    tPotentialtopfEinstellungen e_;
};

}  // namespace orbisto
