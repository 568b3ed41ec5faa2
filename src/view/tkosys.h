#pragma once
// The complete view state of the 3D picture: projection kind and parameters, viewing
// angles, scale, shift, the displayed room and the display switches. One instance,
// `KoSys`, lives in the Programm object for the whole run.

#include <cstdint>

namespace orbisto {

struct GLRessourcen;

class TKoSys {
public:
    TKoSys();

    // Both projection parameter sets back to their defaults, and the scale to 5.
    // Leaves `Projektion` alone.
    void ProjektionsVorgaben();
    // Room bounds to -5..5, stretch stages to 3, shift to 0.
    void RaumVorgaben();

    std::uint32_t Hintergrundfarbe = 0xFFFFFF;  // red in the low byte
    std::uint8_t Projektion = 1;                // 0 perspektivisch, 1 orthogonal

    double PLinks, PRechts, PUnten, POben, PNah, PFern, PBeobachter;
    double OLinks, ORechts, OUnten, OOben, ONah, OFern, OBeobachter;

    double xDrehung = -75, zDrehung = -20;
    double xDrehungMaus = 0, zDrehungMaus = 0;  // pending mouse drag, folded in on release

    double xMin, yMin, zMin, xMax, yMax, zMax;
    // Tick intervals; written by every coordinate-system drawing, 0 until the first.
    double xSchritt = 0, ySchritt = 0, zSchritt = 0;
    std::int32_t xStufe, yStufe, zStufe;  // position in the 1-2.5-5 stretch cycle, 1..3
    double xSkala, ySkala, zSkala;
    double xVerschiebung, yVerschiebung, zVerschiebung;

    bool xyGitter = true, yzGitter = false, xzGitter = false;
    bool xyFlaeche = false, yzFlaeche = false, xzFlaeche = false;
    bool AchsenZeichnung = true;
    bool AchsenEinteilung = false;
    bool AchsenEinheiten = false;
    bool AchsenNamen = false;
    bool Raumgrenzen = false;

    // The glyph lists and the quadric of the context being drawn into. Set by the render
    // pass for its duration only; null outside a pass.
    const GLRessourcen* GL = nullptr;
};

}  // namespace orbisto
