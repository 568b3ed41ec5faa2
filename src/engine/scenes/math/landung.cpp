#include "scenes/math/landung.h"

#include "core/farbstufen.h"
#include "scenes/zahlfeld.h"
#include "view/tkosys.h"

#include <cmath>
#include <cstdint>

namespace orbisto {

namespace {

// Colours with red in the low byte.
constexpr std::uint32_t Gelb = 0x00FFFF, Grau = 0x808080, Cyan = 0xFFFF00, Hellgrau = 0xC0C0C0, Rot = 0x0000FF;
constexpr tRGB Schwarz{0, 0, 0};

// The glide path's fixes: distance from the threshold and height, in km.
struct tFix {
    double d, h;
};
constexpr tFix FixWerte[3] = {{5, 0.3}, {10, 0.6}, {15, 0.9}};

// The point d km out along the approach, h km high.
tVektor3 AufDemAnflug(double d, double h)
{
    return {-d * std::sin(TLandung::Anflugwinkel), d * std::cos(TLandung::Anflugwinkel), h};
}

// The ground and the cloud plane: a patch of 20 x 20 km about (0, 5, z), face and rim.
void Ebene(const TKoSys& k, double z)
{
    const tFarbStufen stufen = FarbStufen(Hellgrau);
    k.EbenePNFZeichnen(10, true, {0, 5, z}, {0, 0, 1}, false, false, true, stufen);
}

}  // namespace

TLandung::TLandung() { EinstellungenAendern(Startwerte); }

void TLandung::EinstellungenAendern(const tLandungEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    WolkenFeld.Pruefen(neu.Wolkenhoehe);
    PositionFeld.Pruefen(neu.Position);
    e_ = neu;

    for (int i = 0; i < 3; ++i)
        fixe_[i] = AufDemAnflug(FixWerte[i].d, FixWerte[i].h);
    const double p = neu.Position, hoehe = p * 0.9 / 15 + Flughoehe;
    flugzeugPos_ = AufDemAnflug(p, hoehe);
    flugzeugZiel_ = AufDemAnflug(p - 1, hoehe);
    wolkenhoeheKm_ = neu.Wolkenhoehe / 1000;
}

void TLandung::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Darstellung)
        return;

    // The runway's pieces in its own frame, where the approach runs along +y.
    k.ImRahmen({}, {{AnflugwinkelGrad, {0, 0, 1}}}, [&] {
        if (e_.Steigung)
            k.ViereckZeichnen(true, FarbStufen(Gelb), {0, 15, 0}, {0, 15, 0.9}, {0, 0, 0}, {0, 0, 0});
        if (e_.Landebahn)
            k.ViereckZeichnen(true, FarbStufen(Grau), {-0.2, -3.8, 0}, {0.2, -3.8, 0}, {0.2, 0.2, 0}, {-0.2, 0.2, 0});
        if (e_.Radar) {
            const tFarbStufen cyan = FarbStufen(Cyan);
            k.ViereckZeichnen(true, cyan, {0, 15, 0}, {0, 15, 1.8}, {0, 0, 0}, {0, 0, 0});
            k.ViereckZeichnen(true, cyan, {-1, 15, 0.9}, {1, 15, 0.9}, {0, 0, 0}, {0, 0, 0});
        }
    });

    const tVektor3 fix3 = fixe_[2];
    if (e_.AnflugGerade) {
        k.FarbeSetzen(Schwarz);
        k.Strecke(-1 * fix3, 3 * fix3);
    }
    if (e_.AnflugStrecke) {
        k.FarbeSetzen(Schwarz);
        k.Stab(10, fix3.x, fix3.y, fix3.z, 0, 0, 0, 0.03);
        for (const tVektor3& f : fixe_)
            k.Punkt(20, f.x, f.y, f.z, 0.06);
    }
    if (e_.Beschriftung) {
        // Black of their own: whatever drew last, another scene included, leaves its colour.
        k.FarbeSetzen(Schwarz);
        for (int i = 0; i < 3; ++i)
            k.Text3D(FixNamen[i], fixe_[i].x + 0.2, fixe_[i].y, fixe_[i].z);
    }
    if (e_.Boden)
        Ebene(k, 0);
    if (e_.Wolken)
        Ebene(k, wolkenhoeheKm_);
    if (e_.Flugzeug) {
        k.FarbeSetzen({1, 0, 0});
        const tVektor3 a = flugzeugPos_, b = flugzeugZiel_;
        k.Vektorpfeil(false, FarbStufen(Rot), a.x, a.y, a.z, b.x, b.y, b.z, 0.05);
    }
}

}  // namespace orbisto
