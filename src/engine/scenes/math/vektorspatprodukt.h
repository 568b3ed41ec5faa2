#pragma once
// The scene "Spatprodukt mit Vektoren" (window "Vektor - Spatprodukt"): the scalar triple
// product (V1 x V2) · V3 as the volume of the Spat spanned by three vectors. The view shows
// the three vectors, the edges of the Spat, the vector product P = V1 x V2 with the
// parallelogram whose area it measures, and the height vector H, the projection of V3 onto
// P, with its projection triangle.
//
// The model holds what the window's controls say and the values derived from them. Only the
// window's change handler writes it (EinstellungenAendern); only the draw hook reads it. No
// timer.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <string>

namespace orbisto {

// The state of the window's controls: eight check boxes and nine spin edits.
struct tVektorSpatproduktEinstellungen {
    bool Darstellung = false;      // DarstellungCheckBox, the main switch
    bool V1Zeigen = false;         // V1CheckBox
    bool V2Zeigen = false;         // V2CheckBox
    bool V3Zeigen = false;         // V3CheckBox
    bool Spat = false;             // SpatCheckBox: the nine remaining edges
    bool Vektorprodukt = false;    // VektorproduktCheckBox: P and the parallelogram
    bool HoehenVektor = false;     // HoehenVektorCheckBox: H
    bool HoeheProjektion = false;  // HoeheProjektionCheckBox: the line H -> V3 and the triangle

    // Whole numbers from -9 to 9 (V1xSpinEdit … V3zSpinEdit); example 1.
    tVektor3 V1{4, 0, 0}, V2{0, 3, 0}, V3{0, 0, 2};

    friend constexpr bool operator==(const tVektorSpatproduktEinstellungen&,
                                     const tVektorSpatproduktEinstellungen&) = default;
};

class TVektorSpatprodukt final : public Szene {
public:
    static constexpr tZahlFeld V1Feld{"Vektor V1", -9, 9};
    static constexpr tZahlFeld V2Feld{"Vektor V2", -9, 9};
    static constexpr tZahlFeld V3Feld{"Vektor V3", -9, 9};
    // What the window shows when it is made: example 1, every switch off.
    static constexpr tVektorSpatproduktEinstellungen Startwerte{};

    // The three worked examples: V1, V2, V3.
    struct tBeispiel {
        tVektor3 V1, V2, V3;
    };
    static constexpr int BeispielAnzahl = 3;
    // Example 1 … 3; any other number throws std::out_of_range.
    static const tBeispiel& Beispiel(int nr);

    // What the window writes beside the controls.
    struct tTexte {
        std::array<std::string, 3> Produkt;  // VPxEdit …: P exactly, "12"
        std::string ProduktBetrag;           // "( Betrag: 12 )"
        std::string Spatprodukt;             // s to hundredths, "-22"
        std::string SpatBetrag;              // "( Betrag: 22 )"
        std::array<std::string, 3> Hoehe;    // VHxEdit …: H to hundredths, "—" without a height
        std::string HoeheBetrag;             // "( Betrag: 2 )"; without a height KeineHoehe
    };
    // Shown in the H fields when V1 and V2 are parallel (P = 0): then no direction of a
    // height exists, and the Spat is flat.
    static constexpr const char* Strich = "—";
    static constexpr const char* KeineHoehe = "( keine Höhe: V1 x V2 = 0 )";

    TVektorSpatprodukt();

    // Stores the settings and computes P = V1 x V2, s = P · V3, and H = (s / |P|²) · P,
    // the projection of V3 onto P (the same as |V3| · cos · P / |P|, and 0 for V3 = 0).
    // While P = 0 there is no height: HatHoehe() is false and H is kept at 0. A number
    // outside its field's range is refused with AllgemeinerFehler, whose German text names
    // the field, and nothing changes.
    void EinstellungenAendern(const tVektorSpatproduktEinstellungen& neu);
    const tVektorSpatproduktEinstellungen& Einstellungen() const { return e_; }

    const tVektor3& Produkt() const { return produkt_; }
    double Spatprodukt() const { return spat_; }
    const tVektor3& Hoehenvektor() const { return hoehe_; }
    bool HatHoehe() const { return hatHoehe_; }
    tTexte Texte() const;

    // Nothing while DarstellungCheckBox is off. Otherwise, in this order: V1, V2, V3 in
    // greys; P with the parallelogram of V1 and V2 (needs V1 and V2); H with, on request,
    // the line H -> V3 and the triangle 0, V3, H (needs V3 and a height); the Spat's nine
    // remaining edges as rods, each needing the vectors it joins. Leaves the model-view
    // matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorSpatproduktEinstellungen e_;
    tVektor3 produkt_, hoehe_;
    double spat_ = 0;
    bool hatHoehe_ = false;
};

}  // namespace orbisto
