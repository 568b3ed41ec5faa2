#pragma once
// The scene "Verknüpfung von Vektoren": two vectors V1 and V2 and what can be made of them,
// the sum S = V1 + V2, the difference D = V1 - V2, the multiple k·V1 and the vector product
// P = V1 × V2 (or V2 × V1). Each result is an arrow from the origin, on request with its
// coordinate box; sum and difference also with the shifted representatives and their
// parallelogram, the vector product with right-angle marks and the parallelogram of V1 and
// V2, whose area is |P|. The window lists the lengths, the scalar product and the angle.
//
// The model holds what the window's controls say and every result. Only the window's
// change handler writes it (EinstellungenAendern); only the draw hook reads it. No timer.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <string>

namespace orbisto {

// The state of the window's controls: 19 check boxes, the pair of radio buttons, seven
// spin edits.
struct tVektorVerknuepfungEinstellungen {
    bool Darstellung = false;  // DarstellungCheckBox, the main switch
    bool V1Zeigen = false, V1Quader = false;
    bool V2Zeigen = false, V2Quader = false;
    bool Summe = false, SummeQuader = false, SummeRepraesentanten = false, SummeParallelogramm = false;
    bool Differenz = false, DifferenzQuader = false, DifferenzRepraesentanten = false, DifferenzParallelogramm = false;
    bool Vielfaches = false, VielfachesQuader = false;  // SMVektorCheckBox, SMQuaderCheckBox
    bool Produkt = false, ProduktQuader = false, ProduktSenkrecht = false, ProduktParallelogramm = false;
    // V1V2RadioButton: P = V1 × V2; off means V2V1RadioButton, P = V2 × V1.
    bool V1KreuzV2 = true;

    // Whole numbers from -9 to 9, kept as doubles.
    tVektor3 V1{3, -2, 1}, V2{4, 3, 2};
    int Skalar = 1;  // k, SMSpinEdit

    friend constexpr bool operator==(const tVektorVerknuepfungEinstellungen&,
                                     const tVektorVerknuepfungEinstellungen&) = default;
};

// What the change handler computes from the settings.
struct tVektorVerknuepfungWerte {
    tVektor3 Summe, Differenz, Vielfaches, Produkt;
    double BetragV1 = 0, BetragV2 = 0, BetragSumme = 0, BetragDifferenz = 0, BetragProdukt = 0;
    double Skalarprodukt = 0;
    // The angle between V1 and V2 in degrees; NaN while either is the zero vector, for
    // which no angle exists.
    double Winkel = 0;
};

// The texts of the window's read-only fields and value labels.
struct tVektorVerknuepfungTexte {
    std::array<std::string, 3> Summe, Differenz, Vielfaches, Produkt;  // SxEdit … PzEdit
    std::string BetragV1, BetragV2, BetragSumme, BetragDifferenz;      // BV1Label … BV1minusV2Label
    std::string Skalarprodukt, BetragProdukt, Winkel;  // BV1malV2Label, BV1kreuzV2Label, BWinkelV1V2Label

    friend bool operator==(const tVektorVerknuepfungTexte&, const tVektorVerknuepfungTexte&) = default;
};

class TVektorVerknuepfung final : public Szene {
public:
    static constexpr tZahlFeld V1Feld{"Vektor V1", -9, 9};
    static constexpr tZahlFeld V2Feld{"Vektor V2", -9, 9};
    static constexpr tZahlFeld SkalarFeld{"k", -9, 9, 1, 1};
    // What the window shows when it is made: V1 = (3, -2, 1), V2 = (4, 3, 2), k = 1,
    // V1 × V2, every check box off.
    static constexpr tVektorVerknuepfungEinstellungen Startwerte{};
    // What the angle label shows while V1 or V2 is the zero vector.
    static constexpr const char* KeinWinkel = "nicht definiert";

    // The three examples: V1 and V2. Example 1 is the unit vectors along x and y, example 3
    // the start values.
    struct tBeispiel {
        tVektor3 V1, V2;
    };
    static constexpr int BeispielAnzahl = 3;
    // Example 1 … 3; any other number throws std::out_of_range.
    static const tBeispiel& Beispiel(int nr);

    TVektorVerknuepfung();

    // Stores the settings and computes every result. A number that is not a whole number
    // within its field's range is refused with AllgemeinerFehler, whose German text names
    // the field, and nothing changes.
    void EinstellungenAendern(const tVektorVerknuepfungEinstellungen& neu);
    const tVektorVerknuepfungEinstellungen& Einstellungen() const { return e_; }
    const tVektorVerknuepfungWerte& Werte() const { return w_; }

    // The components in the general format, the lengths and the scalar product to
    // hundredths, the angle to hundredths followed by " °" (KeinWinkel without a unit when
    // there is no angle).
    tVektorVerknuepfungTexte Texte() const;

    // Nothing while DarstellungCheckBox is off. Otherwise, in this order: V1, V2, the sum,
    // the difference, k·V1, the vector product, each with the pieces switched on for it.
    // Leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tVektorVerknuepfungEinstellungen e_;
    tVektorVerknuepfungWerte w_;
};

}  // namespace orbisto
