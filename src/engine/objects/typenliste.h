#pragma once
// The catalogue of object types: for each of the fifteen kinds of object its name, the
// names of its parameters and the text a new object starts with. It is filled once and
// never changed; the editor labels its rows from it, the list file stores the names, and
// the drawing reads an object's parameters by the positions given here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbisto {

// Every object has this many parameter texts, used or not.
inline constexpr std::size_t ParameterMax = 20;
// Slot 0 stays empty and slots 16 to 30 are room for types that were never added.
inline constexpr std::size_t TypSlots = 31;

// How the drawing reads a parameter text.
enum class tParArt : std::uint8_t {
    Leer,      // position after the type's last parameter
    Zahl,      // number with decimal comma, empty counts as 0
    Ganzzahl,  // number rounded to the nearest whole number
    Schalter,  // on when the number is greater than 0
    Formel,    // passed on as text to a formula engine
};

// One object type. Parameter position p (1 to 20) is element p - 1; positions after the
// last parameter hold empty texts and tParArt::Leer.
struct t3DTyp {
    std::string Name;  // compared exactly, case matters
    std::array<std::string, ParameterMax> ParName;
    std::array<std::string, ParameterMax> ParWert;
    std::array<tParArt, ParameterMax> ParArt{};

    std::size_t ParameterAnzahl() const;
};

class tTypenliste {
public:
    // Filled at once, so no one can look a type up in an empty catalogue.
    tTypenliste() { TypenlisteFuellen(); }

    // Blanks all 31 slots, then puts the fifteen types into slots 1 to 15.
    void TypenlisteFuellen();

    // Slot of the first type named exactly `name`; 1 ("Funktion3d") when none is, so an
    // object of an unknown type still gets rows and defaults.
    std::int32_t TypSuchen(std::string_view name) const;

    const t3DTyp& operator[](std::size_t slot) const { return Typen.at(slot); }

    std::array<t3DTyp, TypSlots> Typen;
    std::int32_t Typenanzahl = 0;
};

}  // namespace orbisto
