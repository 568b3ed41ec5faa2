#pragma once
// Number texts with the decimal comma: every place where a number becomes text or
// text a number goes through here, so the whole program writes and reads alike.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orbisto {

// Raised when a text is not a number. what() is the German message the user sees.
class KonvertierungsFehler : public std::runtime_error {
public:
    explicit KonvertierungsFehler(std::string_view text);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// General format: 15 significant digits, decimal comma, no trailing zeros; fixed
// notation for 1E-4 <= |v| < 1E15, otherwise "1,5E20" / "9E-5"; "NAN", "INF", "-INF".
std::string ZahlText(long double v);

// Fixed notation with exactly `dezimalen` decimals ("3,50"), decimal comma.
std::string ZahlTextFix(long double v, int dezimalen);

// Converts a number text (optional blanks around, optional sign, digits with at most
// one decimal comma, optional exponent). Throws KonvertierungsFehler otherwise.
long double TextZahl(std::string_view text);

// Like TextZahl, but reports failure instead of throwing.
bool TextZahlVersuch(std::string_view text, long double& wert);

// To the nearest whole number, halves to the even neighbour (2,5 -> 2; 3,5 -> 4).
long double RundenGerade(long double v);
std::int64_t Runden(long double v);

// To the nearest hundredth (ties to even), as shown by the result texts of the scenes.
long double RundenHundertstel(long double v);
// That hundredth in the general format: "3,74", "5", "-2,1".
std::string HundertstelText(long double v);

}  // namespace orbisto
