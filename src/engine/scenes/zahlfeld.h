#pragma once
// The whole-number settings of the scenes. A model declares each one once, as a tZahlFeld:
// the range and step of its control and its start value. The scene window sets its spin
// edits from these declarations, and the model checks every number it is given against
// them, so range and start value stand in one place.
//
// A window hands its model only numbers within range: a number typed outside it counts as
// the nearest allowed one until the field is left, and then the field shows that number
// too. The model's check therefore only fails for a caller that is not a window, and it is
// what keeps a hang out of the picture (a step of 0, a timer of 0 ms) whoever calls.

#include "core/vektor3.h"

#include <algorithm>
#include <string_view>

namespace orbisto {

struct tZahlFeld {
    std::string_view Name;  // how a message names the field, German
    int Min = 0, Max = 0;
    int Schritt = 1;  // the step of the arrows and arrow keys
    int Start = 0;    // the value when the window is made

    // The nearest allowed number.
    constexpr int Begrenzt(int wert) const { return std::clamp(wert, Min, Max); }
    constexpr bool Erlaubt(double wert) const
    {
        return wert >= Min && wert <= Max && wert == static_cast<long long>(wert);
    }

    // Throws AllgemeinerFehler "<Name>: <wert> ist nicht erlaubt.\rErlaubt sind ganze Zahlen
    // von <Min> bis <Max>." unless the number is whole and within range (NaN and the
    // infinities are neither).
    void Pruefen(double wert) const;
    // The same for each component, named "<Name>, x-Komponente" and so on.
    void Pruefen(const tVektor3& v) const;
};

}  // namespace orbisto
