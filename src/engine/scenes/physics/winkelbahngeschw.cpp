#include "scenes/physics/winkelbahngeschw.h"

#include "core/farbstufen.h"
#include "core/zahltext.h"
#include "view/tkosys.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace orbisto {

namespace {

constexpr double Dicke = 0.07;
constexpr tRGB Schwarz{0, 0, 0};
constexpr tRGB OmegaBlau{0, 0, 0.7f};
constexpr tRGB RadiusRot{0.7f, 0, 0};
constexpr tRGB BahnGruen{0, 0.7f, 0};

}  // namespace

TWinkelBahnGeschw::TWinkelBahnGeschw() { EinstellungenAendern(Startwerte); }

void TWinkelBahnGeschw::EinstellungenAendern(const tWinkelBahnGeschwEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    WinkelgeschwFeld.Pruefen(neu.Winkelgeschw);
    RadiusFeld.Pruefen(neu.Radius);
    e_ = neu;
    omega_ = neu.Winkelgeschw;
    IntervallSetzen();
}

std::string TWinkelBahnGeschw::BahngeschwText() const { return HundertstelText(Bahngeschw()); }

void TWinkelBahnGeschw::IntervallSetzen()
{
    if (omega_ == 0)
        return;  // a standing ball keeps the last interval
    // ω stays within -5 ... 5 here, so this is 20 ms or more; the bounds keep a timer that
    // floods the program, or a rounding overflow, out whatever ω comes to.
    const long double ms = std::min(100.0L / std::abs(static_cast<long double>(omega_)), 1e9L);
    intervall_ = static_cast<int>(std::max<std::int64_t>(1, Runden(ms)));
}

void TWinkelBahnGeschw::Vorwaerts()
{
    drehwinkel_ += Schritt;
    if (drehwinkel_ >= 360)
        drehwinkel_ = 0;
}

void TWinkelBahnGeschw::Rueckwaerts()
{
    drehwinkel_ -= Schritt;
    if (drehwinkel_ <= 0)
        drehwinkel_ = 360;
}

void TWinkelBahnGeschw::Takt()
{
    if (e_.Art == tBewegungsArt::Gleichmaessig) {
        if (omega_ > 0)
            Vorwaerts();
        else if (omega_ < 0)
            Rueckwaerts();
        return;
    }
    if (omega_ >= 0) {
        Vorwaerts();
        omega_ += Zuwachs;
        if (omega_ > WinkelgeschwFeld.Max)
            omega_ = e_.Winkelgeschw;
    }
    if (omega_ < 0) {
        Rueckwaerts();
        omega_ -= Zuwachs;
        if (omega_ < WinkelgeschwFeld.Min)
            omega_ = e_.Winkelgeschw;
    }
    IntervallSetzen();
}

void TWinkelBahnGeschw::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Darstellung)
        return;
    const double r = e_.Radius, v = Bahngeschw();
    const double theta = drehwinkel_ / 360 * 2 * std::numbers::pi;
    const tVektor3 ball{r * std::cos(theta), r * std::sin(theta), 0};

    k.FarbeSetzen(Schwarz);
    k.Kreis(50, 1, r);
    // Turned by the angle about z, then moved out by r: the same frame as moved to the
    // ball and turned there.
    k.ImRahmen(ball, {{drehwinkel_, {0, 0, 1}}}, [&] { k.Kugelkoerper(10, 0.2); });

    k.VektorpfeilRGB({0, 0, 0}, {0, 0, omega_}, Dicke, OmegaBlau);
    k.VektorpfeilRGB({0, 0, 0}, ball, Dicke, RadiusRot);
    const double tangente = theta + std::numbers::pi / 2;
    k.VektorpfeilRGB(ball, {ball.x + v * std::cos(tangente), ball.y + v * std::sin(tangente), 0}, Dicke, BahnGruen);
}

}  // namespace orbisto
