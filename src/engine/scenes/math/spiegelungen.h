#pragma once
// The scene "Spiegelungen": reflections in the coordinate planes, in the coordinate axes
// and in the origin. A point P1, a segment P1-P2 or a triangle P1-P2-P3 is drawn with its
// images under any combination of the seven reflections, and on request with the thin
// lines that join each given point to its image.
//
// The model holds what the window's controls say and the two radii that follow from the
// ball size. Only the window's shared change handler writes it (EinstellungenAendern);
// only the draw hook reads it. There is no timer.

#include "core/vektor3.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orbisto {

// What is reflected: the three radio buttons of the window.
enum class tSpiegelFigur { Punkt, Strecke, Dreieck };

// The seven reflections, in the order of their check boxes; images are drawn in this order.
enum class tSpiegelung : std::size_t { Exy, Eyz, Exz, Ax, Ay, Az, Ur };
inline constexpr std::size_t SpiegelungAnzahl = 7;

// The state of the window's controls.
struct tSpiegelungenEinstellungen {
    bool Darstellung = false;  // DarstellungCheckBox, the main switch
    tSpiegelFigur Figur = tSpiegelFigur::Punkt;
    // One switch per reflection check box, indexed by tSpiegelung.
    std::array<bool, SpiegelungAnzahl> Spiegelungen{};
    bool Verbindung = false;  // VerbindungCheckBox: lines from each point to its images
    int PunktGroesse = 4;     // PunktGroesseSpinEdit
    // Whole numbers from -9 to 9, kept as doubles (P1xSpinEdit ... P3zSpinEdit); example 1.
    tVektor3 P1{1, 1, 2}, P2{4, 1, 2}, P3{3, 3, 2};

    bool An(tSpiegelung s) const { return Spiegelungen[static_cast<std::size_t>(s)]; }

    friend constexpr bool operator==(const tSpiegelungenEinstellungen&, const tSpiegelungenEinstellungen&) = default;
};

class TSpiegelungen final : public Szene {
public:
    static constexpr tZahlFeld GroesseFeld{"Größe", 1, 9, 1, 4};
    static constexpr tZahlFeld P1Feld{"P1", -9, 9};
    static constexpr tZahlFeld P2Feld{"P2", -9, 9};
    static constexpr tZahlFeld P3Feld{"P3", -9, 9};

    // The two examples of the window's buttons: P1, P2, P3.
    using tBeispiel = std::array<tVektor3, 3>;
    static constexpr tBeispiel Beispiel1{{{1, 1, 2}, {4, 1, 2}, {3, 3, 2}}};  // a triangle in the plane z = 2
    static constexpr tBeispiel Beispiel2{{{2, 3, 1}, {-1, 4, 2}, {3, -2, 3}}};

    // What the window shows when it is made: example 1, the point alone, size 4, every
    // switch off.
    static constexpr tSpiegelungenEinstellungen Startwerte{};

    // Each reflection's check box caption, and the image of a point under it.
    static constexpr std::array<std::string_view, SpiegelungAnzahl> Beschriftungen{
        "X Y - Ebene", "Y Z - Ebene", "X Z - Ebene", "X - Achse", "Y - Achse", "Z - Achse", "Ursprung"};
    static tVektor3 Bild(tSpiegelung s, const tVektor3& p);

    // A ball's radius is 0,03 per step of the size, a rod's a third of that.
    static constexpr double RadiusProGroesse = 0.03;

    TSpiegelungen();

    // Stores the settings and computes the radii. A size or coordinate that is not a whole
    // number within its range is refused with AllgemeinerFehler, whose German text names
    // the field, and nothing changes.
    void EinstellungenAendern(const tSpiegelungenEinstellungen& neu);
    const tSpiegelungenEinstellungen& Einstellungen() const { return e_; }

    double PunktRadius() const { return punktRadius_; }
    double StabRadius() const { return stabRadius_; }

    // Nothing while Darstellung is off. Otherwise P1 and its images; for a segment or a
    // triangle then P2, the rod P1-P2 and their images; for a triangle then P3, its rods,
    // the grey triangle and their images. Each image with its joining line if Verbindung
    // is on. Leaves the model-view matrix as it was.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tSpiegelungenEinstellungen e_;
    double punktRadius_ = 0;
    double stabRadius_ = 0;
};

}  // namespace orbisto
