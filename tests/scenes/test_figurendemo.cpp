// The scene "Figuren-Demonstration": the far planes the long box needs and gives back, the
// two timers' steps, and the picture through GL feedback, its corners worked out here.

#include "scenes/other/figurendemo.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace orbisto;

namespace {

tFigurenDemoEinstellungen Mit(bool fluchtpunkt, bool testWuerfel = false, bool vollquader = false,
                              bool einWuerfel = false)
{
    tFigurenDemoEinstellungen e;
    e.FluchtpunktQuader = fluchtpunkt;
    e.TestWuerfel = testWuerfel;
    e.Vollquader = vollquader;
    e.EinWuerfel = einWuerfel;
    return e;
}

TEST(FigurenDemoModell, TheLongBoxSetsTheFarPlanesAndGivesTheUsersBack)
{
    TKoSys k;
    k.OFern = 450;
    k.PFern = 120;
    TFigurenDemo d;

    // Other figures leave the far planes alone.
    d.EinstellungenAendern(Mit(false, true, true), k);
    EXPECT_EQ(k.OFern, 450);
    EXPECT_EQ(k.PFern, 120);

    d.EinstellungenAendern(Mit(true, true, true), k);
    EXPECT_EQ(k.OFern, 3000);
    EXPECT_EQ(k.PFern, 3000);
    // A click on another box while the long box stays keeps them.
    d.EinstellungenAendern(Mit(true, false, true, true), k);
    EXPECT_EQ(k.OFern, 3000);
    EXPECT_EQ(k.PFern, 3000);

    d.EinstellungenAendern(Mit(false, false, true, true), k);
    EXPECT_EQ(k.OFern, 450);
    EXPECT_EQ(k.PFern, 120);
    // Clearing again, or any other click, changes nothing.
    d.EinstellungenAendern(Mit(false), k);
    EXPECT_EQ(k.OFern, 450);
    EXPECT_EQ(k.PFern, 120);

    // A far plane the user set while the box was shown stays; the other comes back.
    d.EinstellungenAendern(Mit(true), k);
    k.PFern = 800;
    d.EinstellungenAendern(Mit(false), k);
    EXPECT_EQ(k.OFern, 450);
    EXPECT_EQ(k.PFern, 800);
}

TEST(FigurenDemoModell, TheCuboidTurnsClockwiseAFullTurnIn180Ticks)
{
    struct Fall {
        int takte;
        double winkel;
    } const faelle[] = {{0, 0}, {1, -2}, {45, -90}, {179, -358}, {180, 0}, {181, -2}, {360, 0}};
    for (const Fall& f : faelle) {
        TFigurenDemo d;
        for (int i = 0; i < f.takte; ++i)
            d.QuaderDrehen();
        EXPECT_EQ(d.QuaderWinkel(), f.winkel) << f.takte << " ticks";
        d.QuaderZurueck();
        EXPECT_EQ(d.QuaderWinkel(), 0);
    }
}

TEST(FigurenDemoModell, TheCubeRunsFromMinus5PastThreeAndJumpsBack)
{
    TFigurenDemo d;
    EXPECT_EQ(d.WuerfelY(), -5);
    EXPECT_EQ(d.TimerIntervall(), 50);
    std::vector<int> spruenge;
    double vorher = d.WuerfelY();
    for (int takt = 1; takt <= 400; ++takt) {
        d.WuerfelBewegen();
        const double y = d.WuerfelY();
        ASSERT_GE(y, -5);
        ASSERT_LE(y, 3);
        if (y == -5) {
            spruenge.push_back(takt);
            EXPECT_GT(vorher + 0.1, 3) << "jumped back before passing 3";
        } else {
            EXPECT_NEAR(y - vorher, 0.1, 1e-9);
        }
        vorher = y;
    }
    // The first jump comes on the tick that passes 3: 80 or 81 steps of 0,1 from -5 (the
    // sum of tenths lands a hair either side of 3); then every time after as many ticks.
    ASSERT_GE(spruenge.size(), 4u);
    EXPECT_TRUE(spruenge[0] == 80 || spruenge[0] == 81) << spruenge[0];
    for (std::size_t i = 1; i < spruenge.size(); ++i)
        EXPECT_EQ(spruenge[i] - spruenge[i - 1], spruenge[0]);

    d.WuerfelBewegen();
    d.WuerfelZurueck();
    EXPECT_EQ(d.WuerfelY(), -5);
}

// Looking down the z axis, so every drawn vertex reads back as a model point.
class FigurenBild : public ::testing::Test, protected SzenenBild {
protected:
    TFigurenDemo szene;

    FigurenBild() : SzenenBild(400, 8) {}

    Frame Zeichnen(const tFigurenDemoEinstellungen& e)
    {
        szene.EinstellungenAendern(e, k);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);
    }

    // The ends of every line drawn, as model points rounded to thousandths, in one set.
    std::vector<std::pair<tVektor3, tVektor3>> Linien(const std::vector<Primitive>& stuecke) const
    {
        std::vector<std::pair<tVektor3, tVektor3>> r;
        for (const Primitive& p : stuecke)
            if (p.kind == PrimitiveKind::Line)
                r.push_back({Gerundet(Modellpunkt(p.vertices[0])), Gerundet(Modellpunkt(p.vertices[1]))});
        return r;
    }
    static tVektor3 Gerundet(const tVektor3& p)
    {
        const auto g = [](double v) { return std::round(v * 1000) / 1000 + 0.0; };
        return {g(p.x), g(p.y), g(p.z)};
    }
    // The twelve edges of the box with these corners, each once in either direction.
    static bool HatKanten(const std::vector<std::pair<tVektor3, tVektor3>>& linien, const tVektor3& a,
                          const tVektor3& b)
    {
        int gefunden = 0;
        for (int i = 0; i < 8; ++i)
            for (int achse = 0; achse < 3; ++achse) {
                if (i & (1 << achse))
                    continue;
                const auto ecke = [&](int j) {
                    return Gerundet({(j & 1) ? b.x : a.x, (j & 2) ? b.y : a.y, (j & 4) ? b.z : a.z});
                };
                const tVektor3 p = ecke(i), q = ecke(i | (1 << achse));
                gefunden += std::any_of(linien.begin(), linien.end(), [&](const auto& l) {
                    return (l.first == p && l.second == q) || (l.first == q && l.second == p);
                });
            }
        return gefunden == 12;
    }
};

TEST_F(FigurenBild, NothingWithEverySwitchOff) { EXPECT_TRUE(Zeichnen(TFigurenDemo::Startwerte).drawn().empty()); }

TEST_F(FigurenBild, TheThreeCubesInBlueBlackAndRed)
{
    const Frame f = Zeichnen(Mit(false, true));
    const auto linien = Linien(f.drawn());
    ASSERT_EQ(linien.size(), 36u);
    EXPECT_TRUE(HatKanten(linien, {-4, -1, -1}, {-2, 1, 1}));
    EXPECT_TRUE(HatKanten(linien, {-1, -1, -1}, {1, 1, 1}));
    EXPECT_TRUE(HatKanten(linien, {2, -1, -1}, {4, 1, 1}));
    const float farben[3][3] = {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}};
    for (std::size_t i = 0; i < 36; ++i)
        EXPECT_TRUE(f.drawn()[i].hasColour(farben[i / 12][0], farben[i / 12][1], farben[i / 12][2])) << i;
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(FigurenBild, TheLongBoxRunsFromTheRoomTo500)
{
    // A box wide enough to hold y = 500, and a room of its own.
    Halbbreite = 600;
    k.xMin = -3, k.xMax = 4, k.yMin = -2, k.zMin = -1, k.zMax = 5;
    const Frame f = Zeichnen(Mit(true));
    const auto linien = Linien(f.drawn());
    ASSERT_EQ(linien.size(), 12u);
    for (const Primitive& p : f.drawn())
        EXPECT_TRUE(p.hasColour(0, 0, 0));
    // Rounded to what 1200 units on 400 pixels in floats keep.
    const auto grob = [](tVektor3 p) {
        return tVektor3{std::round(p.x * 10) / 10, std::round(p.y * 10) / 10, std::round(p.z * 10) / 10};
    };
    std::vector<std::pair<tVektor3, tVektor3>> g;
    for (const auto& [a, b] : linien)
        g.push_back({grob(a), grob(b)});
    EXPECT_TRUE(HatKanten(g, {-3, -2, -1}, {4, 500, 5}));
}

TEST_F(FigurenBild, TheSingleCubeTurnsWithTheCuboidAndTheMatrixComesBack)
{
    for (int i = 0; i < 45; ++i)
        szene.QuaderDrehen();  // -90 degrees: (x, y) goes to (y, -x)
    for (int i = 0; i < 10; ++i)
        szene.WuerfelBewegen();  // y = -4
    const double y0 = szene.WuerfelY();
    ASSERT_NEAR(y0, -4, 1e-9);
    const auto gedreht = [](tVektor3 p) { return Gerundet({p.y, -p.x, p.z}); };

    Frame f = Zeichnen(Mit(false, false, true, true));
    // The cuboid's six faces (two triangles each, as GL hands quads back), then the cube's
    // twelve edges.
    ASSERT_EQ(f.drawn().size(), 12u + 12);
    for (std::size_t i = 0; i < 12; ++i) {
        ASSERT_EQ(f.drawn()[i].kind, PrimitiveKind::Polygon);
        for (const FeedbackVertex& v : f.drawn()[i].vertices) {
            const tVektor3 p = Gerundet(Modellpunkt(v));
            // Turned by -90 degrees the 6 x 4 x 2 cuboid spans 4 in x and 6 in y.
            EXPECT_EQ(std::abs(p.x), 2);
            EXPECT_EQ(std::abs(p.y), 3);
            EXPECT_EQ(std::abs(p.z), 1);
        }
    }
    const auto linien = Linien(f.drawn());
    ASSERT_EQ(linien.size(), 12u);
    EXPECT_TRUE(HatKanten(linien, gedreht({1, y0, 0.1}), gedreht({-1, y0 + 2, 2.1})));
    EXPECT_EQ(ModellAnsichtAbweichung(), "") << "the turn ends with the hook";

    // Without the cuboid the cube stands unturned, at its place.
    f = Zeichnen(Mit(false, false, false, true));
    EXPECT_TRUE(HatKanten(Linien(f.drawn()), {-1, y0, 0.1}, {1, y0 + 2, 2.1}));
}

}  // namespace
