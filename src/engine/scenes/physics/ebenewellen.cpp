#include "scenes/physics/ebenewellen.h"

#include "core/zahltext.h"
#include "objects/objektzeichnen.h"
#include "scenes/zahlfeld.h"
#include "view/flaechenwerte.h"
#include "view/tkosys.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace orbisto {

namespace {

constexpr tRGB ErregerRot{1, 0, 0};
constexpr tRGB ErregerBereichRot{1, 0.6f, 0.6f};
constexpr tRGB OszillatorGruen{0, 0.7f, 0};
constexpr tRGB BereichHellgruen{0.8f, 1, 0.8f};
constexpr tRGB BereichGruen{0.6f, 1, 0.6f};

// The vertical band that a rod at x sweeps between -h and h across the field, two-sided:
// one face in `vorn`, the other in `hinten`.
void Band(double x, double y0, double y1, double h, tRGB vorn, tRGB hinten)
{
    TKoSys::ViereckZweiseitig({x, y0, -h}, {x, y0, h}, {x, y1, h}, {x, y1, -h}, vorn, hinten);
}

// A frame whose origin is p and whose x axis points upwards, for the rods, rings and
// cylinders that lie along the local x axis.
void Senkrecht(const TKoSys& k, const tVektor3& p, const std::function<void()>& zeichnen)
{
    k.ImRahmen(p, {{-90, {0, 1, 0}}}, zeichnen);
}

// The cylinder of radius r about the vertical through (x, y), from -h to h, both sides.
void Zylinder(const TKoSys& k, double x, double y, double h, double r)
{
    TKoSys::FarbeSetzen(BereichGruen);
    Senkrecht(k, {x, y, -h}, [&] { k.Zylindermantel(30, 1, r, 2 * h); });
    TKoSys::FarbeSetzen(BereichHellgruen);
    Senkrecht(k, {x, y, -h}, [&] { k.Zylindermantel(30, 0, r, 2 * h); });
}

// The ring of radius r about the vertical through (x, y), at height z.
void Kreisring(const TKoSys& k, double x, double y, double z, double r)
{
    TKoSys::FarbeSetzen(OszillatorGruen);
    Senkrecht(k, {x, y, z}, [&] { k.Ring(30, 20, r, 0.1, 3); });
}

}  // namespace

void TEbeneWellen::EinstellungenAendern(const tEbeneWellenEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    XposFeld.Pruefen(neu.WAxpos);
    YposFeld.Pruefen(neu.WAypos);
    XminFeld.Pruefen(neu.Feld.xmin);
    XmaxFeld.Pruefen(neu.Feld.xmax);
    YminFeld.Pruefen(neu.Feld.ymin);
    YmaxFeld.Pruefen(neu.Feld.ymax);
    PeriodendauerFeld.Pruefen(neu.Periodendauer);
    PeriodendauerSchritteFeld.Pruefen(neu.PeriodendauerSchritte);
    WellenlaengeFeld.Pruefen(neu.Wellenlaenge);
    WellenlaengeSchritteFeld.Pruefen(neu.WellenlaengeSchritte);
    AmplitudeFeld.Pruefen(neu.AmplitudeMm);
    e_ = neu;
}

int TEbeneWellen::TimerIntervall() const { return static_cast<int>(Runden(Zeitschritt())); }

void TEbeneWellen::Takt()
{
    zeit_ += Zeitschritt();
    // The summed steps may fall short of the period by a rounding error (100 / 12 twelve
    // times is a hair below 100); that is the period reached, not one more step to go.
    if (!(zeit_ < e_.Periodendauer * (1 - 1e-12)))
        zeit_ = 0;
}

std::string TEbeneWellen::Formel(tWelle welle) const
{
    const std::string a = ZahlText(Amplitude()), x = ZahlText(e_.WAxpos), y = ZahlText(e_.WAypos);
    const std::string zeit =
        "))/" + ZahlText(e_.Wellenlaenge) + "-" + ZahlText(zeit_) + "/" + ZahlText(e_.Periodendauer) + "))";
    const std::string p1 = a + "*sin(6,283185*(sqrt(sqr(x-" + x + ")+sqr(y+" + y + zeit;
    const std::string p2 = "+" + a + "*sin(6,283185*(sqrt(sqr(x-" + x + ")+sqr(y-" + y + zeit;
    switch (welle) {
    case tWelle::Linear:
        return a + "*sin(6,283185*(abs(x-" + x + ")/" + ZahlText(e_.Wellenlaenge) + "-" + ZahlText(zeit_) + "/" +
               ZahlText(e_.Periodendauer) + "))";
    case tWelle::P1: return p1;
    case tWelle::P2: return p2;
    case tWelle::P1plus2: return p1 + p2;
    }
    return {};
}

tWellenfeld TEbeneWellen::FeldWeiter(tWellenfeld feld)
{
    const auto begrenzt = [](int v) { return std::clamp(v, -FeldGrenze, FeldGrenze); };
    return {begrenzt(feld.xmin - 1), begrenzt(feld.xmax + 1), begrenzt(feld.ymin - 1), begrenzt(feld.ymax + 1)};
}

tWellenfeld TEbeneWellen::FeldEnger(tWellenfeld feld)
{
    if (feld.xmax - feld.xmin > 2) {
        ++feld.xmin;
        --feld.xmax;
    }
    if (feld.ymax - feld.ymin > 2) {
        ++feld.ymin;
        --feld.ymax;
    }
    return feld;
}

void TEbeneWellen::Kompilieren(tWelle welle)
{
    formel_ = Formel(welle);
    funktion_ = NewFunction2V(formel_, "x", "y");
}

double TEbeneWellen::Zellweite() const
{
    // Points from the minimum in steps of d while 1,01 times the maximum is not passed.
    const auto punkte = [](int min, int max, double d) {
        const double grenze = 1.01 * max;
        return grenze < min ? 0.0 : std::floor((grenze - min) / d) + 1;
    };
    const double jePunkt = 1 + 2.0 * e_.WellenGitter + 2.0 * e_.WellenFlaeche;
    const double d = Gitterweite();
    int k = 1;
    while (punkte(e_.Feld.xmin, e_.Feld.xmax, k * d) * punkte(e_.Feld.ymin, e_.Feld.ymax, k * d) * jePunkt > AufwandMax)
        ++k;
    return k * d;
}

void TEbeneWellen::WelleZeichnen(const tWellenFarben& farben) const
{
    if (!e_.WellenGitter && !e_.WellenFlaeche)
        return;
    // Cells of Zellweite in both directions, from the minimum while 1,01 times the
    // maximum is not passed.
    const tWellenfeld& feld = e_.Feld;
    const double d = Zellweite();
    const Flaechenwerte werte(*funktion_, feld.xmin, d, 1.01 * feld.xmax, feld.ymin, d, 1.01 * feld.ymax);
    if (e_.WellenGitter) {
        TKoSys::FarbeSetzen(farben.gitter);
        FlaechenGitter(werte);
    }
    if (e_.WellenFlaeche) {
        // Each side in a shade of its own, so that both show.
        TKoSys::FarbeSetzen(farben.vorn);
        FlaechenZellen(werte, true, false);
        TKoSys::FarbeSetzen(farben.hinten);
        FlaechenZellen(werte, false, true);
    }
}

void TEbeneWellen::LinearZeichnen(const TKoSys& k)
{
    Kompilieren(tWelle::Linear);
    const tWellenfeld& feld = e_.Feld;
    const double x = e_.WAxpos, lambda = e_.Wellenlaenge, a = Amplitude();
    // The oscillators swing in phase with the exciter, so they stand at its height.
    const double z0 = f(x, feld.ymin);
    const auto stange = [&](double xs, double r) { k.Stab(10, xs, feld.ymin, z0, xs, feld.ymax, z0, r); };
    if (e_.WAErreger) {
        TKoSys::FarbeSetzen(ErregerRot);
        stange(x, 0.15);
    }
    if (e_.WAErregerBereich)
        Band(x, feld.ymin, feld.ymax, a, ErregerBereichRot, ErregerBereichRot);
    if (e_.WA1Oszillator) {
        TKoSys::FarbeSetzen(OszillatorGruen);
        stange(x + lambda, 0.1);
    }
    if (e_.WA2Oszillator) {
        TKoSys::FarbeSetzen(OszillatorGruen);
        stange(x + 2 * lambda, 0.1);
    }
    if (e_.WA1OszillatorBereich)
        Band(x + lambda, feld.ymin, feld.ymax, a, BereichHellgruen, BereichGruen);
    if (e_.WA2OszillatorBereich)
        Band(x + 2 * lambda, feld.ymin, feld.ymax, a, BereichHellgruen, BereichGruen);
    WelleZeichnen(GraueWelle);
}

void TEbeneWellen::PunktquelleZeichnen(const TKoSys& k, tWelle welle)
{
    Kompilieren(welle);
    const double sx = e_.WAxpos, sy = welle == tWelle::P1 ? -e_.WAypos : e_.WAypos;
    const double lambda = e_.Wellenlaenge, a = Amplitude();
    const double z0 = f(sx, sy);
    if (e_.WAErreger) {
        TKoSys::FarbeSetzen(ErregerRot);
        k.Punkt(10, sx, sy, z0, 0.2);
    }
    if (e_.WAErregerBereich) {
        TKoSys::FarbeSetzen(ErregerBereichRot);
        k.Stab(10, sx, sy, -a, sx, sy, a, 0.1);
    }
    if (e_.WA1Oszillator)
        Kreisring(k, sx, sy, z0, lambda);
    if (e_.WA2Oszillator)
        Kreisring(k, sx, sy, z0, 2 * lambda);
    if (e_.WA1OszillatorBereich)
        Zylinder(k, sx, sy, a, lambda);
    if (e_.WA2OszillatorBereich)
        Zylinder(k, sx, sy, a, 2 * lambda);
    WelleZeichnen(welle == tWelle::P1 ? GraueWelle : BlaueWelle);
}

void TEbeneWellen::InterferenzZeichnen(const TKoSys& k)
{
    Kompilieren(tWelle::P1plus2);
    const double x = e_.WAxpos, y = e_.WAypos, a = Amplitude();
    if (e_.WAErreger) {
        TKoSys::FarbeSetzen(ErregerRot);
        k.Punkt(10, x, -y, f(x, -y), 0.2);
        k.Punkt(10, x, y, f(x, y), 0.2);
    }
    if (e_.WAErregerBereich) {
        // The sum of both waves reaches twice the amplitude.
        TKoSys::FarbeSetzen(ErregerBereichRot);
        k.Stab(10, x, y, -2 * a, x, y, 2 * a, 0.1);
        k.Stab(10, x, -y, -2 * a, x, -y, 2 * a, 0.1);
    }
    WelleZeichnen(GraueWelle);
}

void TEbeneWellen::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Darstellung)
        return;
    if (WAlinear())
        LinearZeichnen(k);
    if (WAP1())
        PunktquelleZeichnen(k, tWelle::P1);
    if (WAP2())
        PunktquelleZeichnen(k, tWelle::P2);
    if (WAP1plus2())
        InterferenzZeichnen(k);
}

}  // namespace orbisto
