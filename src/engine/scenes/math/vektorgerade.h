#pragma once
// The scene "Gerade mit Vektoren" (window "Vektor - Gerade"): the straight line in
// point-direction form x = S + t·R with its support vector S, its direction vector R, the
// multiple t·R, the position vector O = S + t·R of the line point for the parameter t and,
// on request, the position vectors of the 21 line points S + i·R for i = -10 … 10.
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

// The state of the window's controls: five check boxes and seven spin edits.
struct tVektorGeradeEinstellungen {
    // GeradeCheckBox is the main switch; the four others only act while it is on.
    bool Gerade = false;
    bool OrtsVektor = false;         // OrtsVektorCheckBox: the arrow from the origin to O
    bool StuetzpunktVektor = false;  // StuetzpunktVektorCheckBox: the arrow from the origin to S
    bool RichtungsVektor = false;    // RichtungsVektorCheckBox: the arrows S -> S + R and S -> S + t·R
    bool VieleOrtsvektoren = false;  // VieleOrtsvektorenCheckBox: 21 arrows from the origin to S + i·R

    // Whole numbers from -10 to 10, kept as doubles (SxSpinEdit … RzSpinEdit, ParameterSpinEdit).
    tVektor3 Stuetzpunkt{-2, 4, 1};     // S
    tVektor3 Richtungsvektor{3, 2, 1};  // R
    double Parameterwert = 1;           // t

    friend constexpr bool operator==(const tVektorGeradeEinstellungen&, const tVektorGeradeEinstellungen&) = default;
};

class TVektorGerade final : public Szene {
public:
    // The spin edits of the window: each component of S and R, and t.
    static constexpr tZahlFeld StuetzpunktFeld{"Stützpunkt-Vektor", -10, 10};
    static constexpr tZahlFeld RichtungFeld{"Richtungs-Vektor", -10, 10};
    static constexpr tZahlFeld ParameterFeld{"Parameter", -10, 10};
    // What the window shows when it is made: S = (-2, 4, 1), R = (3, 2, 1), t = 1, every
    // switch off; then O = (1, 6, 2).
    static constexpr tVektorGeradeEinstellungen Startwerte{};

    // The line from S - Bogen·R to S + Bogen·R stands for the whole line, whatever the room.
    static constexpr double Bogen = 100;
    // The many position vectors run from S - Viele·R to S + Viele·R in steps of R.
    static constexpr int Viele = 10;

    // Starts with the start values and their O.
    TVektorGerade();

    // Stores the settings and computes O = S + t·R component by component. A number that
    // is not a whole number from -10 to 10 is refused with AllgemeinerFehler, whose German
    // text names the field, and nothing changes.
    void EinstellungenAendern(const tVektorGeradeEinstellungen& neu);

    const tVektorGeradeEinstellungen& Einstellungen() const { return e_; }
    // O = S + t·R of the settings stored last.
    const tVektor3& Ort() const { return ort_; }
    // O's components as the window shows them: the general number format (up to 15
    // significant digits, decimal comma, no trailing zeros), "-2" for a whole number.
    std::array<std::string, 3> OrtTexte() const;

    // Nothing while GeradeCheckBox is off. Otherwise, in this order: the line in black;
    // the arrow to S; the arrows S -> S + R and S -> S + t·R; the arrow to O; the 21 arrows
    // to S + i·R. Uses the stored values only and leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorGeradeEinstellungen e_;
    tVektor3 ort_;
};

}  // namespace orbisto
