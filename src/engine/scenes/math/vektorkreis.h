#pragma once
// The scene "Kreis mit Vektoren" (window "Vektor - Kreis"): a circle parallel to the x-y
// plane, described by vectors. Centre M, radius r and a circle point P at the angle φ:
// P = (Mx + r·cos φ, My + r·sin φ, Mz). It shows the circle line with its centre, on
// request the disc, the centre vector, the point P with its position vector and the
// difference vector from M to P, the position and difference vectors of 18 circle points
// every 20°, and the tangent to the circle at P.
//
// The model holds what the window's controls say and the derived P and tangent direction.
// Only the window's shared change handler writes it (EinstellungenAendern); only the draw
// hook reads it. There is no timer: every change recomputes P and the window redraws.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

namespace orbisto {

// The numbers of the window. The defaults are the example, with φ = 0.
struct tVektorKreisWerte {
    int Radius = 3;                 // r
    int PunktGrad = 0;              // φ in degrees
    tVektor3 Mittelpunkt{4, 3, 0};  // M

    friend constexpr bool operator==(const tVektorKreisWerte&, const tVektorKreisWerte&) = default;
};

// The state of the window's controls: nine check boxes and the numbers.
struct tVektorKreisEinstellungen {
    // KreislinieCheckBox is the main switch; the others only act while it is on.
    bool Kreislinie = false;
    bool MittelpunktVektor = false;       // the arrow from the origin to M
    bool Punkt = false;                   // a ball at P
    bool OrtsVektor = false;              // the arrow from the origin to P
    bool DifferenzVektor = false;         // the arrow M -> P
    bool VieleOrtsvektoren = false;       // 18 arrows from the origin to circle points
    bool VieleDifferenzvektoren = false;  // 18 arrows from M to circle points
    bool Kreisflaeche = false;            // the two-sided disc
    bool Tangente = false;                // the tangent at P, 6 r long

    tVektorKreisWerte Werte;

    friend constexpr bool operator==(const tVektorKreisEinstellungen&, const tVektorKreisEinstellungen&) = default;
};

class TVektorKreis final : public Szene {
public:
    // The spin edits of the window.
    static constexpr tZahlFeld RadiusFeld{"Radius", 0, 10};
    static constexpr tZahlFeld GradFeld{"Grad", 0, 350, 10};
    static constexpr tZahlFeld MittelpunktFeld{"Mittelpunkt-Vektor", -10, 10};

    // What "Beispiel" and "Löschen" load: radius and centre; φ stays as it is.
    struct tKreis {
        int Radius;
        tVektor3 Mittelpunkt;
    };
    static constexpr tKreis Beispiel{3, {4, 3, 0}};
    static constexpr tKreis Geloescht{1, {0, 0, 0}};
    // The window when it is made: the example at φ = 0, every switch off; then P = (7, 3, 0).
    static constexpr tVektorKreisEinstellungen Startwerte{};

    // The many vectors go to the circle points at 0°, 20°, … 340°.
    static constexpr int VieleSchrittGrad = 20;

    // Starts with the start values and their P.
    TVektorKreis();

    // Stores the settings and computes P and the tangent direction. A number that is not a
    // whole number within its field's range is refused with AllgemeinerFehler, whose German
    // text names the field, and nothing changes.
    void EinstellungenAendern(const tVektorKreisEinstellungen& neu);
    const tVektorKreisEinstellungen& Einstellungen() const { return e_; }

    // P = (r·cos φ + Mx, r·sin φ + My, Mz), φ in radians as φ / 360 · 2π.
    const tVektor3& Kreispunkt() const { return punkt_; }
    // T = (-(Py - My), Px - Mx, 0) = (-r·sin φ, r·cos φ, 0): along the tangent at P, r long.
    const tVektor3& TangentenRichtung() const { return tangente_; }

    // Nothing while KreislinieCheckBox is off. Otherwise, in this order: about M the circle
    // line in black (50 pieces), the centre as a red ball and, on request, the disc (front
    // (0,7; 0,7; 0,7) facing +z, back (0,9; 0,9; 0,9)); then each if switched on: the arrow
    // to M, the black ball at P, the arrow to P, the arrow M -> P, the 18 arrows to the
    // circle points, the 18 arrows from M to them, and the tangent from P - 3 T to P + 3 T
    // in black. Uses the stored values only and leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorKreisEinstellungen e_;
    tVektor3 punkt_, tangente_;
};

}  // namespace orbisto
