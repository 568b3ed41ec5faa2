#pragma once
// Intersections of lines and planes, checked by eye. The student enters two objects in
// point-direction form — two lines g1 and g2, a line g1 and a plane E2, or two planes E1
// and E2 — together with the intersection worked out by hand: a point xs, or for two
// planes the line xs + u·rs. The scene computes nothing and does not judge the pair
// (parallel, identical, skew): it draws both objects and the entered element, and a wrong
// result shows as an element that misses the objects.
//
// The first object is green, the second blue, the entered element red. A line is a thin
// closed rod from P − 100·U to P + 100·U, a plane a two-sided quadrilateral reaching ten
// times each direction vector either way. Degenerate input is drawn as it comes: a zero
// direction gives a rod of no length, parallel directions a plane flattened to a strip.
//
// Only the window's change handler writes the model (EinstellungenAendern); only the draw
// hook reads it.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <string>
#include <string_view>

namespace orbisto {

// Which pair is intersected; the numbers are the ones the window's radio buttons stand for.
enum class tSchnittart { g1g2 = 1, g1E2 = 2, E1E2 = 3 };

// The state of the window's controls. The start values are example 1, as the window loads
// it when it is made, with every switch off.
struct tSchnittGEEinstellungen {
    // One switch per check box of the window.
    bool Darstellung = false;                                     // the scene is shown at all
    bool g1E1 = false;                                            // the first object
    bool g2E2 = false;                                            // the second object
    bool VieleOrtsvektoren1 = false, VieleOrtsvektoren2 = false;  // position vectors to points of an object
    bool SElement = false;                                        // the entered point or line
    bool SVektoren = false;                                       // its position vector(s)
    bool SQuader = false;  // the coordinate box of the entered point (not for two planes)

    tSchnittart Schnittart = tSchnittart::g1g2;
    // First and second object: point and directions, whole numbers from -10 to 10 kept as
    // doubles (the spin edits). The second direction counts only where the object is a plane.
    tVektor3 P1{2, 2, 3}, U1{1, 0, 0}, V1{0, 0, 1};
    tVektor3 P2{-2, 2, -1}, U2{0, 0, 1}, V2{0, 1, 0};
    // The entered intersection, any real numbers (the free number fields): the point xs,
    // and for two planes the direction rs of the line.
    tVektor3 PS{-2, 2, 3}, US{0, 0, 1};

    friend constexpr bool operator==(const tSchnittGEEinstellungen&, const tSchnittGEEinstellungen&) = default;
};

class TSchnittGE final : public Szene {
public:
    using tSchnittart = orbisto::tSchnittart;

    // The spin edits of the window: each component of the objects' points and directions.
    static constexpr tZahlFeld P1Feld{"Punkt g1/E1", -10, 10};
    static constexpr tZahlFeld U1Feld{"Richtung 1 von g1/E1", -10, 10};
    static constexpr tZahlFeld V1Feld{"Richtung 2 von E1", -10, 10};
    static constexpr tZahlFeld P2Feld{"Punkt g2/E2", -10, 10};
    static constexpr tZahlFeld U2Feld{"Richtung 1 von g2/E2", -10, 10};
    static constexpr tZahlFeld V2Feld{"Richtung 2 von E2", -10, 10};
    static constexpr tSchnittGEEinstellungen Startwerte{};

    // Stores the settings. A component of a point or direction that is not a whole number
    // from -10 to 10 is refused with AllgemeinerFehler, whose German text names the field,
    // and nothing changes. The entered intersection is taken as it comes.
    void EinstellungenAendern(const tSchnittGEEinstellungen& neu);
    const tSchnittGEEinstellungen& Einstellungen() const { return e_; }

    // What the window shows for a pair: the names of the two objects, which second
    // directions it offers, and the words for the entered element.
    struct tBeschriftung {
        std::string_view Objekt1, Objekt2;  // "g1:" / "E1:", "g2:" / "E2:"
        bool S1Sichtbar, S2Sichtbar;        // the second direction of E1, of E2
        bool RSSichtbar;                    // the direction rs of the intersection line
        std::string_view Element;           // "Schnittpunkt" / "Schnittgerade"
        std::string_view Vektoren;          // "Ortsvektor" / "Ortsvektoren"
        bool QuaderSichtbar;
    };
    static tBeschriftung Beschriftung(tSchnittart art);

    // A worked example: the objects as whole numbers and the intersection that fits them.
    struct tBeispiel {
        std::array<int, 3> P1, U1, V1, P2, U2, V2;
        tVektor3 PS, US;
    };
    static constexpr int BeispielAnzahl = 3;
    // Example 1 ... 3: two lines meeting in (-2; 2; 3); a line meeting a plane in (3; 3; 3),
    // whose planes also meet in the line through that point along z; two lines meeting in
    // (4; 2; 3). Any other number throws std::out_of_range.
    static const tBeispiel& Beispiel(int nr);

    // The text of a component field after one step of its arrow buttons: the number
    // plus `schritt`, in the general number format ("1,5" and +1 give "2,5"). Throws
    // KonvertierungsFehler if the text is no number.
    static std::string KomponenteSchritt(std::string_view text, int schritt);

    // Nothing while Darstellung is off; otherwise, for the chosen pair, the first object,
    // the second object, the entered element, its position vector(s) and, for a point,
    // its coordinate box, each if switched on. Uses the stored settings only.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tSchnittGEEinstellungen e_;
};

}  // namespace orbisto
