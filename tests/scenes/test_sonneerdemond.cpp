// The scene "Sonne - Erde - Mond": the angles one step, a year and a reset on, the interval's
// range, and the picture through GL feedback: each body a sphere of its radius, slices and
// colour, at the place the nested turns give, computed here with sine and cosine.

#include "core/allgemeinerfehler.h"
#include "scenes/physics/sonneerdemond.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

using namespace orbisto;

namespace {

using S = TSonneErdeMond;

TEST(SonneErdeMondModell, StepsAddTheirAnglesWithoutWrapAroundUntilAReset)
{
    struct Fall {
        const char* was;
        int schritte;
        bool reset;
        int danach;  // steps after the reset
        double erde, mond;
    } const faelle[] = {
        {"one step", 1, false, 0, 1, 11},
        {"a year: the Earth is back, the Moon has turned 11 times", 360, false, 0, 360, 3960},
        {"the angles go on growing", 362, false, 0, 362, 3982},
        {"reset", 5, true, 0, 0, 0},
        {"a single step after the reset", 5, true, 1, 1, 11},
    };
    for (const Fall& f : faelle) {
        S s;
        for (int i = 0; i < f.schritte; ++i)
            s.Schritt();
        if (f.reset)
            s.Reset();
        for (int i = 0; i < f.danach; ++i)
            s.Schritt();
        EXPECT_EQ(s.Erdwinkel(), f.erde) << f.was;
        EXPECT_EQ(s.Mondwinkel(), f.mond) << f.was;
    }
}

TEST(SonneErdeMondModell, TheIntervalStaysWithinOneToFiveHundredMilliseconds)
{
    S s;
    EXPECT_EQ(s.Einstellungen(), S::Startwerte);
    EXPECT_EQ(s.TimerIntervall(), 50);
    s.Schritt();
    for (int ms : {0, -1, 501, INT_MIN}) {
        tSonneErdeMondEinstellungen e;
        e.Sonne = e.RotationDauerhaft = true;
        e.Intervall = ms;
        EXPECT_THROW(s.EinstellungenAendern(e), AllgemeinerFehler) << ms;
        EXPECT_EQ(s.Einstellungen(), S::Startwerte) << "nothing changes";
    }
    for (int ms : {1, 500}) {
        tSonneErdeMondEinstellungen e;
        e.Intervall = ms;
        s.EinstellungenAendern(e);
        EXPECT_EQ(s.TimerIntervall(), ms);
    }
    EXPECT_EQ(s.Erdwinkel(), 1) << "settings leave the angles alone";
    EXPECT_EQ(s.Mondwinkel(), 11);
}

// Looking down the z axis onto the box -6..6, which holds the Moon's widest orbit (5,8).
class SonneErdeMondBild : public ::testing::Test, protected SzenenBild {
protected:
    S szene;
    tSonneErdeMondEinstellungen e;

    SonneErdeMondBild() : SzenenBild(400, 6) {}

    Frame Zeichnen(tSeiten seiten = tSeiten::Beide)
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, seiten);
    }
    void Schritte(int n)
    {
        for (int i = 0; i < n; ++i)
            szene.Schritt();
    }

    static tVektor3 Polar(double grad, double r)
    {
        const double w = grad * std::numbers::pi / 180;
        return {r * std::cos(w), r * std::sin(w), 0};
    }
    tVektor3 Erde() const { return Polar(szene.Erdwinkel(), 4.5); }
    tVektor3 Mond() const { return Erde() + Polar(szene.Erdwinkel() + szene.Mondwinkel(), 1); }

    // The pieces in this colour form one sphere about `mitte` of radius r, made of n
    // stacks (n + 1 heights, poles included) and n slices whose meridians are turned by
    // `drehung` degrees. Returns the number of pieces.
    std::size_t Kugel(const Frame& f, const tRGB& farbe, const tVektor3& mitte, double r, int n, double drehung,
                      const char* was) const
    {
        const auto teile = f.inColour(farbe.R, farbe.G, farbe.B);
        std::set<long> hoehen;
        const double meridian = 360.0 / n;
        for (const Primitive& p : teile)
            for (const FeedbackVertex& v : p.vertices) {
                const tVektor3 q = Modellpunkt(v);
                const double dx = q.x - mitte.x, dy = q.y - mitte.y, dz = q.z - mitte.z;
                EXPECT_NEAR(std::sqrt(dx * dx + dy * dy + dz * dz), r, 2e-3) << was;
                hoehen.insert(std::lround(dz * 1e4));
                if (std::hypot(dx, dy) > 1e-2) {
                    const double grad = std::atan2(dy, dx) * 180 / std::numbers::pi - drehung;
                    const double rest = std::remainder(grad, meridian);
                    EXPECT_NEAR(rest, 0, 0.05) << was << ": a vertex off its meridian at " << grad << "°";
                }
            }
        EXPECT_EQ(hoehen.size(), std::size_t(n + 1)) << was;
        return teile.size();
    }
};

TEST_F(SonneErdeMondBild, EachBodyIsItsSphereAtThePlaceOfItsTurns)
{
    struct Fall {
        bool sonne, erde, mond;
        int schritte;
    } const faelle[] = {
        {true, true, true, 0},
        {true, true, true, 5},
        // The Moon alone still stands beside the Earth's place on its orbit.
        {false, false, true, 30},
        {false, true, false, 400},
    };
    // 150 px a unit, so that every body is large enough on screen to keep all its slices.
    frame.resize(1800, 1800);
    for (const Fall& fall : faelle) {
        szene.Reset();
        Schritte(fall.schritte);
        e.Sonne = fall.sonne;
        e.Erde = fall.erde;
        e.Mond = fall.mond;
        const Frame f = Zeichnen();
        const double a = szene.Erdwinkel(), b = szene.Mondwinkel();
        std::size_t teile = 0;
        if (fall.sonne)
            teile += Kugel(f, {1, 1, 0}, {0, 0, 0}, 1.5, 40, 0, "Sun");
        if (fall.erde)
            teile += Kugel(f, {0.4f, 0.4f, 1}, Erde(), 0.5, 20, a, "Earth");
        if (fall.mond)
            teile += Kugel(f, {1, 0.5f, 0.5f}, Mond(), 0.3, 20, a + b, "Moon");
        EXPECT_GT(teile, 0u);
        EXPECT_EQ(f.drawn().size(), teile) << fall.schritte << " steps: nothing but the bodies switched on";
        EXPECT_EQ(ModellAnsichtAbweichung(), "");
    }
}

TEST_F(SonneErdeMondBild, TheUserSeesEachBodyInItsColour)
{
    e.Sonne = e.Erde = e.Mond = true;
    Schritte(100);
    const Frame f = Zeichnen(tSeiten::Vorn);
    const auto nah = [](Rgba ist, Rgba soll) {
        return std::abs(ist.r - soll.r) <= 1 && std::abs(ist.g - soll.g) <= 1 && std::abs(ist.b - soll.b) <= 1;
    };
    EXPECT_PRED2(nah, Bei(f, {0, 0, 0}), (Rgba{255, 255, 0, 255}));
    EXPECT_PRED2(nah, Bei(f, Erde()), (Rgba{102, 102, 255, 255}));
    EXPECT_PRED2(nah, Bei(f, Mond()), (Rgba{255, 128, 128, 255}));
    EXPECT_PRED2(nah, Bei(f, Polar(0, 4.5)), (Rgba{255, 255, 255, 255})) << "the Earth has moved on";
}

TEST_F(SonneErdeMondBild, NothingWhileNoBodyIsSwitchedOn)
{
    e.RotationDauerhaft = true;
    e.Intervall = 1;
    Schritte(7);
    EXPECT_TRUE(Zeichnen().drawn().empty());
}

}  // namespace
