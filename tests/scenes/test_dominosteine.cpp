// The scene "Domino-Steine": the arm's steps and the stones it has knocked over as tables,
// and the picture through GL feedback. Where each stone, the plate and the arm must lie is
// worked out here from the turns and shifts that build them, not taken from the scene.

#include "scenes/other/dominosteine.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using namespace orbisto;

namespace {

// The arm after n steps from the start.
TDominoSteine NachSchritten(int n)
{
    TDominoSteine d;
    for (int i = 0; i < n; ++i)
        d.Takt();
    return d;
}

TEST(DominoSteineModell, TheArmTurnsTwoDegreesPerStepAndStartsAgainAtAFullTurn)
{
    struct Fall {
        int schritte;
        double winkel;
    } const faelle[] = {{0, 0}, {1, 2}, {5, 10}, {90, 180}, {179, 358}, {180, 0}, {181, 2}, {360, 0}, {545, 10}};
    for (const Fall& f : faelle)
        EXPECT_EQ(NachSchritten(f.schritte).ArmWinkel(), f.winkel) << f.schritte << " steps";

    TDominoSteine d = NachSchritten(37);
    d.Reset();
    EXPECT_EQ(d.ArmWinkel(), 0);
    EXPECT_EQ(d.TimerIntervall(), 50);
    EXPECT_EQ(d.Einstellungen(), TDominoSteine::Startwerte);
}

TEST(DominoSteineModell, TheStonesTheArmHasPassedLie)
{
    // A stone at φ lies once φ - 3 < angle; the stones ahead of the arm stand.
    struct Fall {
        double winkel;
        int liegen;  // the first this many stones lie
    } const faelle[] = {
        {0, 0},    {8, 0},                                             // 11,25 - 3 = 8,25 is not below 8
        {10, 1},                                                       // but below 10
        {30, 1},   {32, 2}, {100, 5}, {180, 8}, {344, 15}, {346, 16},  // the last stone, 348,75 - 3 = 345,75, is passed
        {358, 16},
    };
    for (const Fall& f : faelle) {
        const TDominoSteine d = NachSchritten(static_cast<int>(f.winkel / 2));
        ASSERT_EQ(d.ArmWinkel(), f.winkel);
        for (int i = 0; i < TDominoSteine::SteinAnzahl; ++i)
            EXPECT_EQ(d.SteinSteht(i), i >= f.liegen) << "stone " << i << " at " << f.winkel << "°";
    }
    // One more step after 358 and all of them stand again.
    const TDominoSteine d = NachSchritten(180);
    for (int i = 0; i < TDominoSteine::SteinAnzahl; ++i)
        EXPECT_TRUE(d.SteinSteht(i)) << "stone " << i;
}

// Looking down the z axis onto the box -6..6 (480 pixels), so every drawn vertex reads back
// as a model point.
class DominoBild : public ::testing::Test, protected SzenenBild {
protected:
    TDominoSteine szene;

    DominoBild() : SzenenBild(480, 6) {}

    struct P3 {
        double x, y, z;
    };
    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    Frame Zeichnen(bool scheibe, bool steine, bool arm, tSeiten seiten = tSeiten::Beide)
    {
        szene.EinstellungenAendern({scheibe, steine, arm});
        return SzenenBild::Zeichnen(szene, seiten);
    }

    // p turned by `grad` degrees about the z axis.
    static P3 UmZ(double grad, P3 p)
    {
        const double w = grad * std::numbers::pi / 180;
        return {p.x * std::cos(w) - p.y * std::sin(w), p.x * std::sin(w) + p.y * std::cos(w), p.z};
    }

    // The pieces of a round part of 60: its angles run from 0 by 2π/60, added up, while
    // below 2π, and the sum of sixty steps falls a hair short of 2π.
    static std::size_t StueckeVon(int n)
    {
        const double zweiPi = 2 * std::numbers::pi, d = zweiPi / n;
        std::size_t stuecke = 0;
        for (double w = 0; w < zweiPi; w += d)
            ++stuecke;
        return stuecke;
    }
    const std::size_t Stuecke60 = StueckeVon(60);

    // The triangles in this colour that lie at height z.
    std::size_t AufHoehe(const Frame& f, float grau, double z) const
    {
        std::size_t n = 0;
        for (const Primitive& p : f.inColour(grau, grau, grau))
            n += std::all_of(p.vertices.begin(), p.vertices.end(),
                             [&](const FeedbackVertex& v) { return std::abs(Modell(v).z - z) < 1e-3; });
        return n;
    }
};

TEST_F(DominoBild, PlateStonesAndArmMidTurn)
{
    for (int i = 0; i < 50; ++i)
        szene.Takt();
    const double a = szene.ArmWinkel();
    ASSERT_EQ(a, 100);
    const Frame f = Zeichnen(true, true, true);
    const std::vector<Primitive>& alle = f.drawn();
    // GL hands every quad back as two triangles. In their order: the plate's two sides, 16
    // stones of six faces, the hub's mantle and its two discs, the arm's mantle, its tip.
    const std::size_t n = Stuecke60;
    ASSERT_EQ(alle.size(), 2 * n + 16 * 12 + 2 * n + 2 * n + 2 * n + n);
    for (const Primitive& p : alle)
        ASSERT_EQ(p.vertices.size(), 3u) << p;
    std::size_t i = 0;

    // The plate: a disc of radius 5 at height 0 about the origin, grey, then light blue.
    for (const std::size_t ende = i + 2 * n; i < ende; ++i) {
        const Primitive& p = alle[i];
        EXPECT_TRUE(ende - i > n ? p.hasColour(0.8f, 0.8f, 0.8f) : p.hasColour(0, 0.5f, 1)) << p;
        const P3 mitte = Modell(p.vertices[0]);
        EXPECT_NEAR(std::hypot(mitte.x, mitte.y), 0, 1e-3);
        for (const FeedbackVertex& v : p.vertices)
            EXPECT_NEAR(Modell(v).z, 0, 1e-3);
        for (std::size_t k = 1; k < 3; ++k) {
            const P3 q = Modell(p.vertices[k]);
            EXPECT_NEAR(std::hypot(q.x, q.y), 5, 1e-3);
        }
    }

    // The stones: each face in its colour on its side of the stone. A standing stone is the
    // box -0,5..0,5 x -0,1..0,1 x 0..1 turned by φ and shifted to radius 4,5; a lying one is
    // turned by -90° about its x axis first and lifted by 0,1, so that its local z runs along
    // the direction of increasing angle and its local y downwards.
    struct Seite {
        float r, g, b;
        int achse;  // 0 x, 1 y, 2 z of the stone's own frame
        double wert;
    } const seiten[] = {{1, 0, 0, 2, 0},       {0, 1, 0, 2, 1},    {0, 0, 1, 0, 0.5},
                        {0, 0.5f, 1, 0, -0.5}, {1, 1, 0, 1, -0.1}, {1, 0.1f, 0.8f, 1, 0.1}};
    int liegend = 0;
    for (int s = 0; s < 16; ++s) {
        const double phi = 11.25 + 22.5 * s;
        const bool steht = phi - 3 >= a;
        liegend += steht ? 0 : 1;
        for (int k = 0; k < 12; ++k, ++i) {
            const Primitive& p = alle[i];
            const Seite& seite = seiten[k / 2];
            EXPECT_TRUE(p.hasColour(seite.r, seite.g, seite.b)) << "stone " << s << ", face " << k / 2 << ": " << p;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = UmZ(-phi, Modell(v));
                const P3 lokal = steht ? P3{q.x - 4.5, q.y, q.z} : P3{q.x - 4.5, 0.1 - q.z, q.y};
                const double l[3] = {lokal.x, lokal.y, lokal.z};
                EXPECT_NEAR(l[seite.achse], seite.wert, 1e-3) << "stone " << s << ", face " << k / 2;
                EXPECT_LE(std::abs(l[0]), 0.5 + 1e-3);
                EXPECT_LE(std::abs(l[1]), 0.1 + 1e-3);
                EXPECT_GE(l[2], -1e-3);
                EXPECT_LE(l[2], 1 + 1e-3);
            }
        }
    }
    EXPECT_EQ(liegend, 5) << "the stones up to 101,25° lie";

    // The hub: a mantle of radius 0,5 from height 0 to 1 in dark grey, its discs below and
    // above in light grey.
    for (const std::size_t ende = i + 2 * n; i < ende; ++i) {
        const Primitive& p = alle[i];
        EXPECT_TRUE(p.hasColour(0.5f, 0.5f, 0.5f)) << p;
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            EXPECT_NEAR(std::hypot(q.x, q.y), 0.5, 1e-3);
            EXPECT_TRUE(std::abs(q.z) < 1e-3 || std::abs(q.z - 1) < 1e-3) << q.z;
        }
    }
    for (const std::size_t ende = i + 2 * n; i < ende; ++i) {
        const Primitive& p = alle[i];
        EXPECT_TRUE(p.hasColour(0.6f, 0.6f, 0.6f)) << p;
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            EXPECT_LE(std::hypot(q.x, q.y), 0.5 + 1e-3);
            EXPECT_NEAR(q.z, ende - i > n ? 0 : 1, 1e-3);
        }
    }
    // The arm: a rod of radius 0,2 along the direction of its angle from the axis out to 5 at
    // height 0,75, light grey; the disc at its tip, dark grey.
    const P3 richtung = UmZ(a, {1, 0, 0});
    double innen = 1e9, aussen = -1e9;
    for (const std::size_t stabEnde = i + 2 * n; i < alle.size(); ++i) {
        const Primitive& p = alle[i];
        const bool stab = i < stabEnde;
        EXPECT_TRUE(stab ? p.hasColour(0.6f, 0.6f, 0.6f) : p.hasColour(0.5f, 0.5f, 0.5f)) << p;
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            const double entlang = q.x * richtung.x + q.y * richtung.y;
            const double quer = std::hypot(q.x - entlang * richtung.x, q.y - entlang * richtung.y, q.z - 0.75);
            if (stab) {
                EXPECT_NEAR(quer, 0.2, 1e-3);
                innen = std::min(innen, entlang);
                aussen = std::max(aussen, entlang);
            } else {
                EXPECT_NEAR(entlang, 5, 1e-3);
                EXPECT_LE(quer, 0.2 + 1e-3);
            }
        }
    }
    EXPECT_NEAR(innen, 0, 1e-3);
    EXPECT_NEAR(aussen, 5, 1e-3);
}

TEST_F(DominoBild, TheFacesTurnTheirFrontsOutwards)
{
    // From above the plate is grey and the hub shows its top disc; from below the plate is
    // light blue and the hub its bottom disc. The matrix is the identity after each pass.
    const std::size_t n = Stuecke60;
    struct Fall {
        bool vonUnten;
        std::size_t grau, blau, oben, unten;
    } const faelle[] = {{false, n, 0, n, 0}, {true, 0, n, 0, n}};
    for (const Fall& fall : faelle) {
        Drehungen = fall.vonUnten ? std::vector{VonUnten} : std::vector<tDrehung>{};
        const Frame f = Zeichnen(true, false, true, tSeiten::Vorn);
        EXPECT_EQ(f.inColour(0.8f, 0.8f, 0.8f).size(), fall.grau);
        EXPECT_EQ(f.inColour(0, 0.5f, 1).size(), fall.blau);
        EXPECT_EQ(AufHoehe(f, 0.6f, 1), fall.oben);
        EXPECT_EQ(AufHoehe(f, 0.6f, 0), fall.unten);
        EXPECT_EQ(ModellAnsichtAbweichung(), "");
    }
}

TEST_F(DominoBild, EachSwitchDrawsItsPartAloneAndTheArmTurnsUndrawn)
{
    // In triangles, as GL hands the quads back.
    const std::size_t n = Stuecke60;
    struct Fall {
        bool scheibe, steine, arm;
        std::size_t dreiecke;
    } const faelle[] = {
        {false, false, false, 0},
        {true, false, false, 2 * n},
        {false, true, false, 16 * 12},
        {false, false, true, 7 * n},
    };
    for (const Fall& fall : faelle) {
        szene.Takt();
        const Frame f = Zeichnen(fall.scheibe, fall.steine, fall.arm);
        EXPECT_EQ(f.drawn().size(), fall.dreiecke) << fall.scheibe << fall.steine << fall.arm;
        EXPECT_EQ(ModellAnsichtAbweichung(), "");
    }
    EXPECT_EQ(szene.ArmWinkel(), 8) << "the arm turned while nothing was drawn";
}

}  // namespace
