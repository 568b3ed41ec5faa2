#pragma once
// The scene "Lineare Abhängigkeit": three vectors V1, V2, V3 and the question whether whole
// numbers a and b make a·V1 + b·V2 equal to V3. The student varies a and b; the view shows
// V1, V2, V3, the multiples a·V1 and b·V2, the combination L = a·V1 + b·V2 with the
// parallelogram path that builds it, and on request the plane piece through the origin
// spanned by V1 and V2. The scene does not decide dependence itself.
//
// The model holds what the window's controls say and the combination L. Only the window's
// change handler writes it (EinstellungenAendern); only the draw hook reads it. No timer.

#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <string>

namespace orbisto {

// Three whole-number components, in 64 bits so that sums of products never wrap.
using tGanzVektor = std::array<long long, 3>;

// The state of the window's controls: six check boxes and twelve spin edits.
struct tLineareAbhEinstellungen {
    bool Darstellung = false;  // DarstellungCheckBox, the main switch
    bool Ebene = false;        // EbeneCheckBox: the plane piece spanned by V1 and V2
    bool V1Zeigen = true;      // V1CheckBox: V1 and a·V1
    bool V2Zeigen = true;      // V2CheckBox: V2 and b·V2
    bool V3Zeigen = true;      // V3CheckBox: V3
    bool VLK = false;          // VLKCheckBox: L, its two steps, and its components in the window

    // Example 1.
    tGanzVektor V1{1, 0, 0}, V2{0, 1, 0}, V3{-3, 4, 0};
    int FaktorA = 1, FaktorB = 1;
    int EbeneFaktor = 3;  // f: the plane piece reaches f·(±V1 ± V2)

    friend constexpr bool operator==(const tLineareAbhEinstellungen&, const tLineareAbhEinstellungen&) = default;
};

class TLineareAbh final : public Szene {
public:
    static constexpr tZahlFeld V1Feld{"Vektor V1", -9, 9};
    static constexpr tZahlFeld V2Feld{"Vektor V2", -9, 9};
    static constexpr tZahlFeld V3Feld{"Vektor V3", -9, 9};
    static constexpr tZahlFeld FaktorAFeld{"a", -10, 10, 1, 1};
    static constexpr tZahlFeld FaktorBFeld{"b", -10, 10, 1, 1};
    static constexpr tZahlFeld EbeneFaktorFeld{"Größe", 0, 10, 1, 3};
    // What the window shows when it is made: example 1, a = b = 1, f = 3; V1, V2 and V3 on.
    static constexpr tLineareAbhEinstellungen Startwerte{};

    // The three worked examples: V1, V2, V3, each with a = b = 1. Example 1 and 2 are
    // dependent with a = -3, b = 4; example 3 with a = -2, b = 3.
    struct tBeispiel {
        tGanzVektor V1, V2, V3;
    };
    static constexpr int BeispielAnzahl = 3;
    // Example 1 … 3; any other number throws std::out_of_range.
    static const tBeispiel& Beispiel(int nr);
    // The settings with example `nr` and a = b = 1; every switch and f as in `e`.
    static tLineareAbhEinstellungen MitBeispiel(tLineareAbhEinstellungen e, int nr);

    TLineareAbh();

    // Stores the settings and computes L = a·V1 + b·V2. A number outside its field's range
    // is refused with AllgemeinerFehler, whose German text names the field, and nothing
    // changes. Within the ranges, |L| stays at most 180 in each component.
    void EinstellungenAendern(const tLineareAbhEinstellungen& neu);
    const tLineareAbhEinstellungen& Einstellungen() const { return e_; }

    // L of the settings stored last; computed even while it is not shown.
    const tGanzVektor& Linearkombination() const { return l_; }
    // What VLKxEdit, VLKyEdit and VLKzEdit show: L's components as whole-number texts while
    // VLKCheckBox is on, otherwise three empty texts.
    std::array<std::string, 3> LinearkombinationTexte() const;

    // Nothing while DarstellungCheckBox is off. Otherwise, in this order: V1 and a·V1; V2
    // and b·V2; V3; L with the step b·V2 from a·V1 and the step a·V1 from b·V2; the plane
    // piece, front then back. Leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tLineareAbhEinstellungen e_;
    tGanzVektor l_{};
};

}  // namespace orbisto
