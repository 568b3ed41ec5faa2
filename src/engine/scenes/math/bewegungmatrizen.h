#pragma once
// Motion with matrices. A cuboid ABCDEFGH of 3 x 2 x 1,5 units with A at the origin is
// moved step by step in homogeneous coordinates: shifted along an axis, turned about the
// coordinate axes, or mapped by any 4 x 4 matrix, either one corner or all eight. A
// matrix applied to a single corner distorts the box, which is the point of the lesson.
//
// The corners are listed as text, and up to 50 earlier positions can be kept as a trail
// in a ring: the 51st step overwrites the oldest slot and the trail grows again from one.
//
// A step either succeeds whole or changes nothing: a matrix field that is no number, or
// a result beyond the range of doubles, is refused before any corner or trail slot moves.
//
// The window's switches and steps are one settings struct, changed only through
// EinstellungenAendern; the corners and the trail are what the steps change.

#include "scenes/szene.h"

#include <array>
#include <string>

namespace orbisto {

// A point in homogeneous coordinates; every point of the scene has w = 1.
struct t4DPunkt {
    double x = 0, y = 0, z = 0, w = 1;
    friend constexpr bool operator==(const t4DPunkt&, const t4DPunkt&) = default;
};

// The corners in the order A, B, C, D (the base), E, F, G, H (the top above them).
using tQuaderEcken = std::array<t4DPunkt, 8>;

// The state of the window's switches and step lists.
struct tBewegungMatrizenEinstellungen {
    bool Quader = false;        // QuaderCheckBox, the main switch: the scene is shown
    bool RFgefuellt = false;    // back face CDHG filled
    bool GFgefuellt = false;    // base ABCD filled
    bool KomponentenA = false;  // the coordinates of A as three arrows along the axes
    // On, every step first records the position it starts from; off, the trail is discarded.
    bool Spur = false;

    double VerschiebeSchritt = 0.2;  // units, the shift list's start item
    double DrehSchrittGrad = 10;     // degrees, the rotation list's start item

    friend constexpr bool operator==(const tBewegungMatrizenEinstellungen&,
                                     const tBewegungMatrizenEinstellungen&) = default;
};

class TBewegungMatrizen : public Szene {
public:
    static constexpr int SpurPlaetze = 50;
    static constexpr int Alle = 8;  // the matrix target "all corners", after the corners 0..7

    enum class tAchse { X, Y, Z };
    struct tAchsen {
        bool x = false, y = false, z = false;
    };
    // Row by row, as the fields are read; row 4 is 0 0 0 1 in every matrix the window offers.
    using tMatrix = std::array<std::array<long double, 4>, 4>;
    using tMatrixFelder = std::array<std::string, 16>;

    TBewegungMatrizen();

    // Stores the settings. A step that is no finite number is refused with
    // AllgemeinerFehler before anything changes; any other step is taken, also 0 or a
    // negative one. Switching the trail off discards it.
    void EinstellungenAendern(const tBewegungMatrizenEinstellungen& neu);
    const tBewegungMatrizenEinstellungen& Einstellungen() const { return e_; }

    static tQuaderEcken StartQuader();
    const tQuaderEcken& Ecken() const { return ecken_; }

    // The number of the slot written last (0 with no trail); the slots 1..SpurAnzahl are shown.
    int SpurAnzahl() const { return spurAnzahl_; }
    // Slot k (1..50).
    const tQuaderEcken& SpurPlatz(int k) const { return spurPunkte_.at(static_cast<std::size_t>(k - 1)); }

    // The steps. Each records the trail first when it is on, then moves the corners. A step
    // that would take a coordinate beyond the range of doubles throws AllgemeinerFehler.
    // By the shift step along the axis, forwards for a positive sign.
    void Verschieben(tAchse achse, int vorzeichen);
    // By the rotation step about each axis that is on, in the order x, y, z; with no axis
    // on, only the trail records. A positive sign turns counter-clockwise seen from the
    // positive axis.
    void Drehen(tAchsen achsen, int vorzeichen);
    // Maps one corner (0..7 for A..H) or all (Alle) by the matrix in the 16 fields, row by
    // row. Throws KonvertierungsFehler for the first field that is no number.
    void MatrixSchritt(const tMatrixFelder& felder, int ziel);
    // Back to the start position; the trail stays.
    void QuaderReset();

    // One point turned by `winkel` radians about a coordinate axis, right-handed.
    static t4DPunkt Drehen(const t4DPunkt& p, tAchse achse, double winkel);
    // M p, summed in extended precision.
    static t4DPunkt MatrixAnwenden(const tMatrix& m, const t4DPunkt& p);
    static tMatrix MatrixLesen(const tMatrixFelder& felder);

    // The corners as the window lists them: " A: x  y  z w " and so on, separated by
    // carriage returns, none after H.
    std::string Koordinatenliste() const;
    // One number of that list: two decimals and at most seven significant digits, beyond
    // seven integer digits the general format with seven significant digits.
    static std::string Koordinate(double v);

    // Draws nothing unless Quader is on: the edge grid of the cuboid, its filled faces and
    // the components of A as switched, then the trail's positions, each like the cuboid but
    // without the components. Reads the stored settings only.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    // Takes the new corners if every coordinate is finite; records the trail before.
    void Uebernehmen(const tQuaderEcken& neu);
    void SpurMerken();
    void QuaderZeichnen(const TKoSys& koSys, const tQuaderEcken& e) const;

    tBewegungMatrizenEinstellungen e_;
    tQuaderEcken ecken_;
    int spurAnzahl_ = 0;
    std::array<tQuaderEcken, SpurPlaetze> spurPunkte_{};
};

}  // namespace orbisto
