#include "scenes/other/dominosteine.h"

#include "core/farbstufen.h"
#include "core/vektor3.h"
#include "view/tkosys.h"

#include <cmath>
#include <numbers>

namespace orbisto {

namespace {

constexpr tRGB Schwarz{0, 0, 0};
constexpr tRGB ScheibeOben{0.8f, 0.8f, 0.8f};
constexpr tRGB ScheibeUnten{0, 0.5f, 1};
constexpr tRGB Dunkelgrau{0.5f, 0.5f, 0.5f};
constexpr tRGB Hellgrau{0.6f, 0.6f, 0.6f};

constexpr tVektor3 ZAchse{0, 0, 1};
constexpr double ArmLaenge = 5;
constexpr double ArmHoehe = 0.75;

// The point p turned by `grad` degrees about the z axis. A frame that is first turned and
// then shifted along its own axes has its origin there.
tVektor3 UmZ(double grad, const tVektor3& p)
{
    const double w = grad * std::numbers::pi / 180;
    return {p.x * std::cos(w) - p.y * std::sin(w), p.x * std::sin(w) + p.y * std::cos(w), p.z};
}

// A frame whose x axis points upwards, for the discs and cylinders that lie along the local
// x axis: the y-z plane becomes the x-y plane.
void Aufrecht(const TKoSys& k, const tVektor3& ursprung, const std::function<void()>& zeichnen)
{
    k.ImRahmen(ursprung, {{-90, {0, 1, 0}}}, zeichnen);
}

// One stone: 1 long along the ring's radius, 0,2 thick and 1 high, its foot at the frame's
// origin.
void Stein(const TKoSys& k) { k.QuaderBunt(-0.5, -0.1, 0, 0.5, 0.1, 1); }

}  // namespace

void TDominoSteine::Takt()
{
    armWinkel_ += ArmSchritt;
    if (armWinkel_ >= 360)
        armWinkel_ = 0;
}

void TDominoSteine::GrundscheibeZeichnen(const TKoSys& k) const
{
    Aufrecht(k, {}, [&] {
        TKoSys::FarbeSetzen(ScheibeOben);
        k.Kreisscheibe(60, 1, 5, 3);
        TKoSys::FarbeSetzen(ScheibeUnten);
        k.Kreisscheibe(60, 0, 5, 3);
    });
}

void TDominoSteine::SteineZeichnen(const TKoSys& k) const
{
    // Black first; QuaderBunt then colours each face itself.
    TKoSys::FarbeSetzen(Schwarz);
    for (int i = 0; i < SteinAnzahl; ++i) {
        const double phi = SteinWinkel(i);
        if (SteinSteht(i))
            k.ImRahmen(UmZ(phi, {4.5, 0, 0}), {{phi, ZAchse}}, [&] { Stein(k); });
        else
            // Tipped about its foot's long edge: its top points towards increasing angles and
            // its broad side, 0,2 thick, lies on the plate.
            k.ImRahmen(UmZ(phi, {4.5, 0, 0.1}), {{phi, ZAchse}, {-90, {1, 0, 0}}}, [&] { Stein(k); });
    }
}

void TDominoSteine::DreharmZeichnen(const TKoSys& k) const
{
    // The hub: an upright closed cylinder of radius 0,5 and height 1 at the origin.
    Aufrecht(k, {}, [&] {
        TKoSys::FarbeSetzen(Dunkelgrau);
        k.Zylindermantel(60, 1, 0.5, 1);
        TKoSys::FarbeSetzen(Hellgrau);
        k.Kreisscheibe(60, 0, 0.5, 3);
    });
    Aufrecht(k, {0, 0, 1}, [&] { k.Kreisscheibe(60, 1, 0.5, 3); });
    // The arm: a rod of radius 0,2 from the axis out to radius 5 at height 0,75.
    TKoSys::FarbeSetzen(Hellgrau);
    k.ImRahmen({0, 0, ArmHoehe}, {{armWinkel_, ZAchse}}, [&] { k.Zylindermantel(60, 1, 0.2, ArmLaenge); });
    // The disc that closes its tip.
    TKoSys::FarbeSetzen(Dunkelgrau);
    k.ImRahmen(UmZ(armWinkel_, {ArmLaenge, 0, ArmHoehe}), {{armWinkel_, ZAchse}},
               [&] { k.Kreisscheibe(60, 1, 0.2, 3); });
}

void TDominoSteine::SzeneZeichnen(TKoSys& k)
{
    if (e_.Grundscheibe)
        GrundscheibeZeichnen(k);
    if (e_.Steine)
        SteineZeichnen(k);
    if (e_.Dreharm)
        DreharmZeichnen(k);
}

}  // namespace orbisto
