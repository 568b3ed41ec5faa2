#pragma once
// The objects of the user's picture: each entry is a type from the catalogue with its
// parameter texts, a colour and two marks saying in which display mode it is drawn.

#include "core/farbstufen.h"
#include "objects/typenliste.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orbisto {

class t3DObjekt {
public:
    bool Vor = false;   // drawn in Vorschau-Modus
    bool Orig = false;  // drawn in Original-Modus
    std::string Typname;
    // Parameter k (1 to 20) is element k - 1, as text: decimal comma for numbers,
    // formula text for formulas, empty where the type has no parameter.
    std::array<std::string, ParameterMax> Parameter;

    // Setting the colour sets the shades with it, so the two never disagree.
    void FarbeSetzen(std::uint32_t farbe);
    std::uint32_t Farbe() const { return farbe_; }  // red in the low byte
    const tFarbStufen& Stufen() const { return stufen_; }

    friend bool operator==(const t3DObjekt&, const t3DObjekt&) = default;

private:
    std::uint32_t farbe_ = 0;
    tFarbStufen stufen_ = FarbStufen(0);
};

inline constexpr std::int32_t ObjekteMax = 50;

class tObjektliste {
public:
    std::int32_t ObjektAnzahl() const { return anzahl_; }
    bool Voll() const { return anzahl_ >= ObjekteMax; }

    // Entry i, counted from 1. Throws std::out_of_range outside 1..ObjektAnzahl.
    const t3DObjekt& operator[](std::int32_t i) const;
    t3DObjekt& operator[](std::int32_t i);

    // Appends a copy; false (and nothing changed) when the list already holds 50 entries.
    bool ObjektAnhaengen(const t3DObjekt& objekt);
    // Overwrites entry i with a copy.
    void ObjektErsetzen(std::int32_t i, const t3DObjekt& objekt);
    // Removes entry i; the entries after it move up by one place.
    void ObjektLoeschen(std::int32_t i);
    void ListeLeeren() { anzahl_ = 0; }

private:
    std::size_t stelle(std::int32_t i) const;

    std::array<t3DObjekt, ObjekteMax> objekte_;
    std::int32_t anzahl_ = 0;
};

}  // namespace orbisto
