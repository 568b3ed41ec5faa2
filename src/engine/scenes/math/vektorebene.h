#pragma once
// The scene "Ebene mit Vektoren" (window "Vektor - Ebene"): the plane in point-direction
// form x = S + t1·R1 + t2·R2. It shows a piece of the plane as a two-sided face and/or a
// grid, the support vector S, both direction vectors with their multiples t1·R1 and t2·R2,
// the position vector O = S + t1·R1 + t2·R2 of the plane point for the two parameters, the
// two ways of adding the multiples that lead from S to O and, on request, the position
// vectors of the whole grid of plane points S + i·R1 + j·R2.
//
// The model holds what the window's controls say and the one derived value O. Only the
// window's shared change handler writes it (EinstellungenAendern); only the draw hook reads
// it. There is no timer: every change recomputes O and the window redraws the view.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <string>

namespace orbisto {

// The numbers of the window: S, R1, R2, t1, t2 and the size f of the plane piece. The
// defaults are example 1.
struct tVektorEbeneWerte {
    tVektor3 Stuetzpunkt{4, 0, 0};       // S
    tVektor3 Richtungsvektor1{0, 1, 0};  // R1
    tVektor3 Richtungsvektor2{0, 0, 1};  // R2
    double Parameter1 = 1;               // t1
    double Parameter2 = 1;               // t2
    int EbeneFaktor = 6;                 // f: the piece reaches f times each direction vector either way

    friend constexpr bool operator==(const tVektorEbeneWerte&, const tVektorEbeneWerte&) = default;
};

// The state of the window's controls: nine check boxes and the numbers.
struct tVektorEbeneEinstellungen {
    // EbeneCheckBox is the main switch; the others only act while it is on.
    bool Ebene = false;
    bool EbeneFlaeche = true;                // EbeneFlaecheCheckBox: the two-sided face
    bool EbeneGitter = false;                // EbeneGitterCheckBox: 2f + 1 lines each way
    bool OrtsVektor = false;                 // OrtsVektorCheckBox: the arrow from the origin to O
    bool StuetzpunktVektor = false;          // StuetzpunktVektorCheckBox: the arrow to S
    bool RichtungsVektor1 = false;           // RichtungsVektor1CheckBox: S -> S + R1, S -> S + t1·R1
    bool RichtungsVektor2 = false;           // RichtungsVektor2CheckBox: S -> S + R2, S -> S + t2·R2
    bool VieleOrtsvektoren = false;          // VieleOrtsvektorenCheckBox: (2f + 1)² arrows
    bool AdditionRichtungsvektoren = false;  // AdditionRichtungsvektorenCheckBox: the other two sides

    // Example 1, as the window loads it when it is made.
    tVektorEbeneWerte Werte;

    friend constexpr bool operator==(const tVektorEbeneEinstellungen&, const tVektorEbeneEinstellungen&) = default;
};

class TVektorEbene final : public Szene {
public:
    // The spin edits of the window: each component of S, R1 and R2, t1, t2 and "Größe".
    static constexpr tZahlFeld StuetzpunktFeld{"Stützpunkt-Vektor", -10, 10};
    static constexpr tZahlFeld Richtung1Feld{"1. Richtungs-Vektor", -10, 10};
    static constexpr tZahlFeld Richtung2Feld{"2. Richtungs-Vektor", -10, 10};
    static constexpr tZahlFeld Parameter1Feld{"1. Parameter", -10, 10};
    static constexpr tZahlFeld Parameter2Feld{"2. Parameter", -10, 10};
    // Its (2f + 1)² arrows stay at most 441, whatever is typed.
    static constexpr tZahlFeld FaktorFeld{"Größe", 0, 10};

    // What the buttons load: "Beispiel 1" (also the start), "Beispiel 2" and "Löschen"
    // (every vector 0, both parameters 1, size 3).
    static constexpr tVektorEbeneWerte Beispiel1{};
    static constexpr tVektorEbeneWerte Beispiel2{{-2, 4, 1}, {3, 2, 1}, {1, 1, 3}, 1, 1, 3};
    static constexpr tVektorEbeneWerte Geloescht{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 1, 1, 3};
    // The window after its first change event: example 1, only "Fläche" switched on; then
    // O = (4, 1, 1).
    static constexpr tVektorEbeneEinstellungen Startwerte{};

    // Starts with the start values and their O.
    TVektorEbene();

    // Stores the settings and computes O = t1·R1 + S + t2·R2 component by component. A
    // number that is not a whole number within its field's range is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes.
    void EinstellungenAendern(const tVektorEbeneEinstellungen& neu);

    const tVektorEbeneEinstellungen& Einstellungen() const { return e_; }
    // O of the settings stored last.
    const tVektor3& Ort() const { return ort_; }
    // O's components as the window shows them: the general number format (up to 15
    // significant digits, decimal comma, no trailing zeros).
    std::array<std::string, 3> OrtTexte() const;

    // Nothing while EbeneCheckBox is off. Otherwise, in this order: the face (front
    // (0,67; 0,42; 0,5), back (0,67; 0,42; 0,4)); the grid in black; the arrow to S; the
    // arrows along R1 and t1·R1; along R2 and t2·R2; the arrow to O; the two addition
    // arrows ending at O; the (2f + 1)² grey arrows to the grid points. Uses the stored
    // values only and leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorEbeneEinstellungen e_;
    tVektor3 ort_;
};

}  // namespace orbisto
