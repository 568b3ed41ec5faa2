#pragma once
// The scene "Kugel mit Vektoren" (window "Vektor - Kugel"): a sphere with centre M and
// radius r, described by vectors. The sphere shows as meridians and parallels, as a surface
// or a lower half surface, with its equator and zero meridian; a sphere point P sits on a
// grid of n steps per full turn, i steps round and j steps up:
//
//   λ = i · 360° / n,  β = j · 360° / n,
//   S(β, λ) = (r cos λ cos β, r sin λ cos β, r sin β),  P = M + S(β, λ),  D = P − M.
//
// It shows P with its position vector and the difference vector from M, the vectors to all
// grid points, and the tangent plane at P spanned by two unit vectors A and B.
//
// The model holds what the window's controls say and the derived P, D, A and B. Only the
// window's shared change handler writes it (EinstellungenAendern); only the draw hook reads
// it. There is no timer: every change recomputes P and the window redraws.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

namespace orbisto {

// The numbers of the window. The defaults are the example with n = 8 and P at i = j = 0.
struct tVektorKugelWerte {
    int Radius = 3;                 // r
    int RotSchritte = 8;            // n, grid steps per full turn
    int SchritteXY = 0;             // i, longitude steps of P, 0 … n
    int SchritteZ = 0;              // j, latitude steps of P, 0 … n (beyond n/4 P runs over the far side)
    tVektor3 Mittelpunkt{4, 3, 1};  // M

    friend constexpr bool operator==(const tVektorKugelWerte&, const tVektorKugelWerte&) = default;
};

// The state of the window's controls: fifteen check boxes and the numbers.
struct tVektorKugelEinstellungen {
    // KugelCheckBox is the main switch; the others only act while it is on.
    bool Kugel = false;
    bool KugelLK = true;                  // meridians
    bool KugelBK = true;                  // parallels
    bool Kugelflaeche = false;            // the surface, seen from outside
    bool HalbkugelFlaeche = false;        // the lower half, both sides
    bool Aequator = false;                // a black tube along the equator
    bool NullMeridian = false;            // a black tube along the zero meridian
    bool Mittelpunkt = false;             // a red ball at M
    bool MittelpunktVektor = false;       // the arrow from the origin to M
    bool Punkt = false;                   // a black ball at P
    bool OrtsVektor = false;              // the arrow from the origin to P
    bool DifferenzVektor = false;         // the arrow M -> P
    bool VieleOrtsvektoren = false;       // arrows from the origin to every grid point
    bool VieleDifferenzvektoren = false;  // arrows from M to every grid point
    bool TanEbene = false;                // the tangent square at P

    tVektorKugelWerte Werte;

    friend constexpr bool operator==(const tVektorKugelEinstellungen&, const tVektorKugelEinstellungen&) = default;
};

class TVektorKugel final : public Szene {
public:
    // The spin edits of the window. The step counts of P reach up to n, whatever n is now.
    static constexpr tZahlFeld RadiusFeld{"Radius", 0, 10};
    static constexpr tZahlFeld RotSchritteFeld{"Schritte Rotation", 4, 96, 4};
    static constexpr tZahlFeld MittelpunktFeld{"Mittelpunkt", -10, 10};
    static constexpr tZahlFeld SchritteXYFeld(int n) { return {"Schritte x y", 0, n}; }
    static constexpr tZahlFeld SchritteZFeld(int n) { return {"Schritte z", 0, n}; }

    // What "Beispiel" and "Reset" load: radius and centre; everything else stays.
    struct tKugel {
        int Radius;
        tVektor3 Mittelpunkt;
    };
    static constexpr tKugel Beispiel{3, {4, 3, 1}};
    static constexpr tKugel Zurueckgesetzt{1, {0, 0, 0}};
    // The window when it is made: the example, meridians and parallels on, the rest off.
    static constexpr tVektorKugelEinstellungen Startwerte{};

    // Starts with the start values and their P.
    TVektorKugel();

    // Stores the settings and computes P, D, A and B. A number that is not a whole number
    // within its field's range (n also a multiple of 4, i and j at most n) is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tVektorKugelEinstellungen& neu);
    const tVektorKugelEinstellungen& Einstellungen() const { return e_; }

    const tVektor3& Kugelpunkt() const { return punkt_; }     // P
    const tVektor3& Differenz() const { return differenz_; }  // D = P − M
    // Two unit vectors perpendicular to D, the sides of the tangent square: of the
    // candidates V1 = (Dy, −Dx, 0), V2 = (Dz, 0, −Dx), V3 = (0, Dz, −Dy) the longer of V1
    // and V2, and then the longer of the other one and V3; a tie goes to the later one.
    // For r = 0 there is no D to be perpendicular to; A and B are then those of the same
    // grid point on a sphere of radius 1, and the draw hook shows no tangent square.
    const tVektor3& Tangente1() const { return tangente1_; }  // A
    const tVektor3& Tangente2() const { return tangente2_; }  // B

    // Nothing while KugelCheckBox is off. Otherwise, in this order, about M: meridians and
    // parallels in (0,5; 0,5; 0,5), the surface (0,7), the half surface (outside 0,6, inside
    // 0,7), equator and zero meridian as black tubes; then each if switched on: the red
    // ball at M, the arrow to M, the black ball at P, the arrow to P, the arrow M -> P, the
    // arrows to every grid point and those from M to them, and the tangent square at P
    // (blue edges, a light blue face seen from both sides). The grid has n/2 latitude rows
    // and n longitude columns; the many vectors go to its (n/2 + 1) · (n + 1) corners, the
    // end meridian and the poles included. Uses the stored values only and leaves the
    // model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorKugelEinstellungen e_;
    tVektor3 punkt_, differenz_, tangente1_, tangente2_;
};

}  // namespace orbisto
