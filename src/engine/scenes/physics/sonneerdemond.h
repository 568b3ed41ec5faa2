#pragma once
// The scene "Sonne - Erde - Mond": the Sun at the origin, the Earth circling it in the x-y
// plane and the Moon circling the Earth eleven times as fast, as nested rotations. Each body
// has a switch of its own; there is no main switch. The motion runs on a timer or one step
// at a time and can be reset.
//
// The angles grow without wrap-around: after a full year the Earth stands at 360°, the
// Moon at 3960°. A double counts whole degrees exactly far beyond any run of the program.

#include "core/farbstufen.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

namespace orbisto {

// The state of the window's controls.
struct tSonneErdeMondEinstellungen {
    bool Sonne = false, Erde = false, Mond = false;
    bool RotationDauerhaft = false;  // SEMRotationCheckBox: the timer runs
    int Intervall = 50;              // SEMIntervalSpinEdit: ms per step

    friend constexpr bool operator==(const tSonneErdeMondEinstellungen&, const tSonneErdeMondEinstellungen&) = default;
};

class TSonneErdeMond final : public Szene {
public:
    // "Schritt dt [ms]": at least 1 ms, so the timer never floods the program.
    static constexpr tZahlFeld IntervallFeld{"Schritt dt", 1, 500, 1, 50};

    static constexpr double Erdbahnradius = 4.5;
    static constexpr double Mondbahnradius = 1;
    static constexpr double Erdschritt = 1;    // degrees per step
    static constexpr double Mondschritt = 11;  // degrees per step

    // Radius and slices (= stacks) of each sphere, and its colour.
    struct tKoerper {
        double radius;
        int teilung;
        tRGB farbe;
    };
    static constexpr tKoerper SonnenKugel{1.5, 40, {1, 1, 0}};
    static constexpr tKoerper ErdKugel{0.5, 20, {0.4f, 0.4f, 1}};
    static constexpr tKoerper MondKugel{0.3, 20, {1, 0.5f, 0.5f}};

    static constexpr tSonneErdeMondEinstellungen Startwerte{};

    // Stores the settings. An interval outside its range is refused with AllgemeinerFehler,
    // whose German text names the field, and nothing changes. The angles stay as they are.
    void EinstellungenAendern(const tSonneErdeMondEinstellungen& neu);
    const tSonneErdeMondEinstellungen& Einstellungen() const { return e_; }

    // The timer's interval in ms.
    int TimerIntervall() const { return e_.Intervall; }

    // The Earth's angle about the Sun and the Moon's about the Earth, in degrees.
    double Erdwinkel() const { return erdwinkel_; }
    double Mondwinkel() const { return mondwinkel_; }
    // One step, of the timer or the button: each angle grows by its step.
    void Schritt();
    // Both angles back to 0.
    void Reset();

    // Each body whose switch is on, as a sphere on the view's quadric: the Sun at the
    // origin; the Earth turned by Erdwinkel about z and moved out by Erdbahnradius; the
    // Moon from there turned by Mondwinkel and moved out by Mondbahnradius. Each sphere
    // turns with its frame. Leaves the model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    tSonneErdeMondEinstellungen e_;
    double erdwinkel_ = 0, mondwinkel_ = 0;
};

}  // namespace orbisto
