#pragma once
// The scene "Ebene Wellen": water waves z = f(x, y, t) over a rectangular wave field in the
// x-y plane, animated in time. One model unit is one centimetre. The wave is excited by a
// straight exciter parallel to the y axis ("linear"), by a point source P1 at (X, -Y) or
// P2 at (X, Y), by both drawn one after the other ("P1 und P2") or by both superposed
// ("P1 + P2 (Interferenz)"). With it the exciter, the band its motion sweeps, and the
// oscillators one and two wavelengths away, which swing in phase with the exciter.
//
// Every wave is a formula text in x and y, built from the settings and the current time
// and compiled by the expression compiler on every redraw. The window's change handler
// writes the settings; its timer advances the time.

#include "core/farbstufen.h"
#include "expr/exprfunction2v.h"
#include "scenes/szene.h"
#include "scenes/zahlfeld.h"

#include <string>

namespace orbisto {

// The radio buttons of the group "Wellen-Anregung".
enum class tWellenAnregung { Linear, P1, P2, P1und2, P1plus2 };

// The waves a formula is built for.
enum class tWelle { Linear, P1, P2, P1plus2 };

// The wave field's bounds in whole centimetres.
struct tWellenfeld {
    int xmin = -10, xmax = 10, ymin = -10, ymax = 10;
    friend constexpr bool operator==(const tWellenfeld&, const tWellenfeld&) = default;
};

// The state of the window's controls.
struct tEbeneWellenEinstellungen {
    bool Darstellung = false;  // DarstellungCheckBox: the main switch
    bool Bewegung = false;     // WellenBewegungCheckBox: the animation runs
    tWellenAnregung Anregung = tWellenAnregung::Linear;
    int WAxpos = -5;  // x of the exciter and of both sources (cm)
    int WAypos = 4;   // distance of the sources from the x axis (cm)
    bool WAErreger = false, WAErregerBereich = false;
    bool WA1Oszillator = false, WA1OszillatorBereich = false;
    bool WA2Oszillator = false, WA2OszillatorBereich = false;
    tWellenfeld Feld;
    bool WellenGitter = true, WellenFlaeche = false;
    int Periodendauer = 2000;        // ms
    int PeriodendauerSchritte = 20;  // timer steps per period
    int Wellenlaenge = 4;            // cm
    int WellenlaengeSchritte = 8;    // grid cells per wavelength
    int AmplitudeMm = 10;            // mm, as the window shows it

    friend constexpr bool operator==(const tEbeneWellenEinstellungen&, const tEbeneWellenEinstellungen&) = default;
};

class TEbeneWellen final : public Szene {
public:
    // The window's spin edits. Every field bound and the exciter's x lie within -30 ... 30.
    static constexpr int FeldGrenze = 30;
    static constexpr tZahlFeld XposFeld{"X-Position", -FeldGrenze, FeldGrenze};
    static constexpr tZahlFeld YposFeld{"Y-Position", 0, 10};
    static constexpr tZahlFeld XminFeld{"xmin", -FeldGrenze, FeldGrenze};
    static constexpr tZahlFeld XmaxFeld{"xmax", -FeldGrenze, FeldGrenze};
    static constexpr tZahlFeld YminFeld{"ymin", -FeldGrenze, FeldGrenze};
    static constexpr tZahlFeld YmaxFeld{"ymax", -FeldGrenze, FeldGrenze};
    static constexpr tZahlFeld PeriodendauerFeld{"Periodendauer", 100, 4000, 100};
    static constexpr tZahlFeld PeriodendauerSchritteFeld{"Schritte der Periodendauer", 2, 40, 2};
    static constexpr tZahlFeld WellenlaengeFeld{"Wellenlänge", 1, 10};
    static constexpr tZahlFeld WellenlaengeSchritteFeld{"Schritte der Wellenlänge", 2, 40, 2};
    static constexpr tZahlFeld AmplitudeFeld{"Amplitude", 0, 40};

    // The colours of a wave's grid and of the two sides of its surface.
    struct tWellenFarben {
        tRGB gitter, vorn, hinten;
    };
    static constexpr tWellenFarben GraueWelle{{0, 0, 0}, {0.6f, 0.6f, 0.6f}, {0.7f, 0.7f, 0.7f}};
    static constexpr tWellenFarben BlaueWelle{{0, 0, 0.7f}, {0.6f, 0.6f, 1}, {0.7f, 0.7f, 1}};

    static constexpr tEbeneWellenEinstellungen Startwerte{};

    TEbeneWellen() = default;

    // Stores the settings. A number outside its control's range is refused with
    // AllgemeinerFehler, whose German text names the field, and nothing changes. The
    // time is left as it is.
    void EinstellungenAendern(const tEbeneWellenEinstellungen& neu);
    const tEbeneWellenEinstellungen& Einstellungen() const { return e_; }

    // Which blocks the picture has: "P1 und P2" draws both single sources.
    bool WAlinear() const { return e_.Anregung == tWellenAnregung::Linear; }
    bool WAP1() const { return e_.Anregung == tWellenAnregung::P1 || e_.Anregung == tWellenAnregung::P1und2; }
    bool WAP2() const { return e_.Anregung == tWellenAnregung::P2 || e_.Anregung == tWellenAnregung::P1und2; }
    bool WAP1plus2() const { return e_.Anregung == tWellenAnregung::P1plus2; }

    // A in cm, the amplitude spin edit's millimetres / 10.
    double Amplitude() const { return e_.AmplitudeMm / 10.0; }
    // The time one timer step advances, Periodendauer / PeriodendauerSchritte (ms).
    double Zeitschritt() const { return double(e_.Periodendauer) / e_.PeriodendauerSchritte; }
    // The timer's interval: the time step rounded to whole milliseconds.
    int TimerIntervall() const;
    // Cell size of grid and surface in x and y: Wellenlaenge / WellenlaengeSchritte (cm).
    double Gitterweite() const { return double(e_.Wellenlaenge) / e_.WellenlaengeSchritte; }
    // The cell size the grid and surface are drawn in: Gitterweite, or the least whole
    // multiple of it whose wave stays within the work one object of the list may cost
    // (AufwandMax: every point once, two lines and two faces per point). The finest wave
    // the window allows would have 5,8 million points and take seconds a picture, with
    // cells far smaller than a pixel.
    double Zellweite() const;

    // The current time t in ms: 0 at the start, changed only by Takt and Reset.
    double WellenZeit() const { return zeit_; }
    // One timer step: t grows by the time step and starts again at 0 once it reaches the
    // period, which it does after exactly PeriodendauerSchritte steps from 0.
    void Takt();
    void Reset() { zeit_ = 0; }

    // The formula text of a wave at the current time, in x and y, with decimal commas:
    // A*sin(6,283185*(r/L-t/T)) with r = abs(x-X) for the linear wave and the distance
    // sqrt(sqr(x-X)+sqr(y+Y)) from P1 or sqrt(sqr(x-X)+sqr(y-Y)) from P2; P2's text starts
    // with "+", so that P1's and P2's texts one after the other are their sum.
    std::string Formel(tWelle welle) const;

    // The formula text compiled last, while the picture was drawn.
    const std::string& WellenFormel() const { return formel_; }

    // The field one wider on every side ("alle" up), each bound kept within -30 ... 30.
    static tWellenfeld FeldWeiter(tWellenfeld feld);
    // The field one narrower on every side ("alle" down), each direction only while its
    // span is more than 2, so that it never shrinks to nothing or turns inside out.
    static tWellenfeld FeldEnger(tWellenfeld feld);

    // Nothing while Darstellung is off. Otherwise the blocks linear, P1, P2 and
    // interference, each that is chosen: its formula is compiled, then its exciter,
    // oscillators, bands, grid and surface are drawn, each that is switched on. Leaves the
    // model-view matrix as it found it.
    void SzeneZeichnen(TKoSys& koSys) override;

private:
    void Kompilieren(tWelle welle);
    double f(double x, double y) const { return static_cast<double>(funktion_->Eval(x, y)); }
    void WelleZeichnen(const tWellenFarben& farben) const;
    void LinearZeichnen(const TKoSys& k);
    void PunktquelleZeichnen(const TKoSys& k, tWelle welle);
    void InterferenzZeichnen(const TKoSys& k);

    tEbeneWellenEinstellungen e_;
    double zeit_ = 0;
    std::string formel_;
    IExprFunction2V funktion_;
};

}  // namespace orbisto
