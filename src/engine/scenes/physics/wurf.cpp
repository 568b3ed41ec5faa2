#include "scenes/physics/wurf.h"

#include "core/zahltext.h"
#include "expr/formelwert.h"
#include "scenes/zahlfeld.h"
#include "view/tkosys.h"

#include <cmath>
#include <numbers>
#include <string>

namespace orbisto {

namespace {

constexpr tRGB Rot{1, 0, 0}, Gruen{0, 1, 0}, Blau{0, 0, 1}, Schwarz{0, 0, 0};

// The positive root p + sqrt(p² + q) of u² - 2pu - q = 0, or `ersatz` when there is none.
double PositiveWurzel(double p, double q, double ersatz)
{
    const double d = p * p + q;
    return d >= 0 ? p + std::sqrt(d) : ersatz;
}

}  // namespace

void TWurf::EinstellungenAendern(const tWurfEinstellungen& neu, double raumXMax, double raumYMax)
{
    // Everything is checked before anything is stored.
    GeschwindigkeitFeld.Pruefen(neu.Abwurfgeschwindigkeit);
    WinkelFeld.Pruefen(neu.AbwurfwinkelGrad);
    HoeheFeld.Pruefen(neu.Abwurfhoehe);
    KugelPositionFeld.Pruefen(neu.KugelPosition);
    e_ = neu;

    const double v0 = neu.Abwurfgeschwindigkeit, h0 = neu.Abwurfhoehe;
    alpha_ = static_cast<double>(neu.AbwurfwinkelGrad * std::numbers::pi_v<long double> / 180);
    vx_ = v0 * std::cos(alpha_);
    vz_ = v0 * std::sin(alpha_);

    // Range: z(x) = 0 for x > 0.
    streckeAnf_ = 0;
    streckeEnde_ = PositiveWurzel(vx_ * vz_ / g, 2 * h0 * vx_ * vx_ / g, raumXMax);
    const std::string vxText = ZahlText(vx_), vzText = ZahlText(vz_), h0Text = ZahlText(h0);
    formelStrecke_ = "-(9,81/(2*" + vxText + "*" + vxText + "))*x*x+(" + vzText + "/" + vxText + ")*x+" + h0Text;

    // Flight time: z(t) = 0 for t > 0.
    zeitAnf_ = 0;
    zeitEnde_ = PositiveWurzel(vz_ / g, 2 * h0 / g, raumYMax);
    formelZeit_ = "-(9,81/2)*x*x+" + vzText + "*x+" + h0Text;

    kugelAnteil_ = double(neu.KugelPosition) / KugelPositionFeld.Max;
    kugelZeit_ = (zeitEnde_ - zeitAnf_) * kugelAnteil_;
    kugelStrecke_ = vx_ * kugelZeit_;
    kugelHoehe_ = static_cast<double>(FormelWert(formelZeit_, kugelZeit_));
}

void TWurf::Raumkurve(const TKoSys& k, double a, double b, bool staebe) const
{
    const double d = (b - a) / 100;
    // A flight of no length (or no number) has no curve; a step of 0 would never end.
    if (!(d > 0) || !std::isfinite(d))
        return;
    const auto z = [this](double t) { return static_cast<double>(FormelWert(formelZeit_, t)); };
    for (double t1 = a, t2 = a + d; b + 0.000001 >= t2; t1 += d, t2 += d) {
        const double x1 = vx_ * t1, z1 = z(t1), x2 = vx_ * t2, z2 = z(t2);
        if (staebe)
            k.Stab(10, x1, t1, z1, x2, t2, z2, 0.06);
        else
            k.Strecke(x1, t1, z1, x2, t2, z2);
    }
}

void TWurf::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Wurf)
        return;

    if (e_.HoeheStrecke2D) {
        k.FarbeSetzen(Rot);
        k.FormelKurve(formelStrecke_, 100, streckeAnf_, streckeEnde_, 2);
    }
    if (e_.MatheStreckeFkt) {
        k.FarbeSetzen(Schwarz);
        k.FormelKurve(formelStrecke_, 100, -streckeEnde_, 2 * streckeEnde_, 2);
    }
    if (e_.StreckePos) {
        k.FarbeSetzen(Rot);
        k.Ball({kugelStrecke_, 0, kugelHoehe_}, 0.2);
    }

    if (e_.HoeheZeit2D) {
        k.FarbeSetzen(Gruen);
        k.FormelKurve(formelZeit_, 100, zeitAnf_, zeitEnde_, 3);
    }
    if (e_.MatheZeitFkt) {
        k.FarbeSetzen(Schwarz);
        k.FormelKurve(formelZeit_, 100, -zeitEnde_, 2 * zeitEnde_, 3);
    }
    if (e_.ZeitPos) {
        k.FarbeSetzen(Gruen);
        k.Ball({0, kugelZeit_, kugelHoehe_}, 0.2);
    }

    if (e_.HoeheStreckeZeit3D) {
        k.FarbeSetzen(Blau);
        Raumkurve(k, zeitAnf_, zeitEnde_, true);
    }
    if (e_.MatheStreckeZeitFkt) {
        k.FarbeSetzen(Schwarz);
        Raumkurve(k, -zeitEnde_, 2 * zeitEnde_, false);
    }
    if (e_.StreckeZeitPos) {
        k.FarbeSetzen(Blau);
        k.Ball({kugelStrecke_, kugelZeit_, kugelHoehe_}, 0.3);
    }

    if (e_.Grundflaeche) {
        // Faces are one-sided: one shade seen from above, the other from below.
        const double xA = streckeAnf_, xE = streckeEnde_, tA = zeitAnf_, tE = zeitEnde_;
        k.ViereckZweiseitig({xA, tA, 0}, {xA, tE, 0}, {xE, tE, 0}, {xE, tA, 0}, {0.6f, 0.6f, 0.6f}, {0.5f, 0.5f, 0.5f});
    }
}

}  // namespace orbisto
