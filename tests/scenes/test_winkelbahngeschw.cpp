// The scene "Winkel- und Bahngeschwindigkeit": the model's timer arithmetic (one tick, the
// wrap at 360° and 0°, the accelerated ω and its fall-back, ω = 0, negative ω) and the
// interval as tables, and its picture through GL feedback. Angles, intervals and arrow
// ends are computed here from the rules: 5° a tick, ω ± 0,05 a tick, round(100 / |ω|) ms,
// v = ω · r tangent to the circle.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/physics/winkelbahngeschw.h"
#include "szenenbild.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

using namespace orbisto;
using namespace orbisto::flaechenfolge;

namespace {

tWinkelBahnGeschwEinstellungen Eingaben(int omega, int r, tBewegungsArt art = tBewegungsArt::Gleichmaessig)
{
    tWinkelBahnGeschwEinstellungen e;
    e.Winkelgeschw = omega;
    e.Radius = r;
    e.Art = art;
    return e;
}

void Takte(TWinkelBahnGeschw& m, int n)
{
    for (int i = 0; i < n; ++i)
        m.Takt();
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(WinkelBahnGeschw, StartsStillAtZeroDegreesWithVTwo)
{
    const TWinkelBahnGeschw m;
    EXPECT_EQ(m.Einstellungen(), TWinkelBahnGeschw::Startwerte);
    EXPECT_FALSE(m.Einstellungen().Darstellung || m.Einstellungen().Rotation);
    EXPECT_EQ(m.Einstellungen().Art, tBewegungsArt::Gleichmaessig);
    EXPECT_EQ(m.Drehwinkel(), 0);
    EXPECT_EQ(m.Winkelgeschw(), 1);
    EXPECT_EQ(m.BahngeschwText(), "2");
    EXPECT_EQ(m.TimerIntervall(), 100);
}

TEST(WinkelBahnGeschw, UniformMotionTurnsFiveDegreesATickAndWraps)
{
    const struct {
        int omega, takte;
        double winkel;
    } faelle[] = {
        {1, 1, 5},    {1, 71, 355}, {1, 72, 0},    {1, 73, 5},    {5, 72, 0},
        {-1, 1, 360},  // from 0 downwards the angle is 360 at once
        {-1, 2, 355}, {-2, 72, 5},  {-2, 73, 360}, {-2, 74, 355}, {0, 10, 0},
    };
    for (const auto& f : faelle) {
        TWinkelBahnGeschw m;
        m.EinstellungenAendern(Eingaben(f.omega, 3));
        Takte(m, f.takte);
        EXPECT_EQ(m.Drehwinkel(), f.winkel) << "ω = " << f.omega << ", " << f.takte << " ticks";
        EXPECT_EQ(m.Winkelgeschw(), f.omega) << "uniform: ω stays";
    }
}

TEST(WinkelBahnGeschw, TheIntervalIsHundredOverOmegaAndOmegaZeroKeepsTheLastOne)
{
    // Every value the spin edit allows: 20 ms or more, never 0 or negative.
    const struct {
        int omega, intervall;
    } faelle[] = {{-5, 20}, {-4, 25}, {-3, 33}, {-2, 50}, {-1, 100}, {1, 100}, {2, 50}, {3, 33}, {4, 25}, {5, 20}};
    for (const auto& f : faelle) {
        TWinkelBahnGeschw m;
        m.EinstellungenAendern(Eingaben(f.omega, 1));
        EXPECT_EQ(m.TimerIntervall(), f.intervall) << "ω = " << f.omega;
        m.EinstellungenAendern(Eingaben(0, 1));
        EXPECT_EQ(m.TimerIntervall(), f.intervall) << "ω = 0 after " << f.omega;
        EXPECT_EQ(m.BahngeschwText(), "0");
        m.Takt();
        EXPECT_EQ(m.TimerIntervall(), f.intervall) << "a tick at ω = 0";
    }
}

TEST(WinkelBahnGeschw, AcceleratedOmegaGrowsEachTickAndFallsBackPastFive)
{
    // From ω = 1 with r = 2: 2,1 after one tick; every tick 0,05 more and 5° further, the
    // interval following, until ω passes 5 and starts again at 1.
    TWinkelBahnGeschw m;
    m.EinstellungenAendern(Eingaben(1, 2, tBewegungsArt::Beschleunigt));
    m.Takt();
    EXPECT_DOUBLE_EQ(m.Winkelgeschw(), 1.05);
    EXPECT_EQ(m.BahngeschwText(), "2,1");
    EXPECT_EQ(m.TimerIntervall(), 95);
    EXPECT_EQ(m.Drehwinkel(), 5);

    int rueckfall = 0;
    for (int takt = 2; takt <= 100 && rueckfall == 0; ++takt) {
        const double vorher = m.Winkelgeschw();
        m.Takt();
        EXPECT_EQ(m.Drehwinkel(), std::fmod(5.0 * takt, 360)) << takt;
        if (m.Winkelgeschw() == 1) {
            rueckfall = takt;
            EXPECT_GT(vorher + 0.05, 5 - 1e-9) << "falls back only once past 5";
        } else {
            EXPECT_NEAR(m.Winkelgeschw(), 1 + 0.05 * takt, 1e-9) << takt;
            EXPECT_LE(m.Winkelgeschw(), 5) << takt;
        }
        EXPECT_EQ(m.TimerIntervall(), std::lround(100 / m.Winkelgeschw())) << takt;
    }
    EXPECT_TRUE(rueckfall == 80 || rueckfall == 81) << rueckfall;
    EXPECT_EQ(m.TimerIntervall(), 100);
    EXPECT_EQ(m.BahngeschwText(), "2");
}

TEST(WinkelBahnGeschw, AcceleratedFromNegativeOmegaTurnsClockwiseEverFaster)
{
    TWinkelBahnGeschw m;
    m.EinstellungenAendern(Eingaben(-1, 2, tBewegungsArt::Beschleunigt));
    const struct {
        int takte;  // in all
        double winkel, omega;
        const char* text;
        int intervall;
    } stand[] = {
        {1, 360, -1.05, "-2,1", 95},
        {2, 355, -1.1, "-2,2", 91},
        {20, 265, -2, "-4", 50},
    };
    int bisher = 0;
    for (const auto& s : stand) {
        Takte(m, s.takte - bisher);
        bisher = s.takte;
        EXPECT_EQ(m.Drehwinkel(), s.winkel) << s.takte;
        EXPECT_NEAR(m.Winkelgeschw(), s.omega, 1e-9) << s.takte;
        EXPECT_EQ(m.BahngeschwText(), s.text) << s.takte;
        EXPECT_EQ(m.TimerIntervall(), s.intervall) << s.takte;
    }
    int takte = bisher;
    while (m.Winkelgeschw() != -1 && takte < 100) {
        m.Takt();
        ++takte;
        EXPECT_GE(m.Winkelgeschw(), -5);
    }
    EXPECT_TRUE(takte == 80 || takte == 81) << takte;
}

TEST(WinkelBahnGeschw, AcceleratedFromZeroStartsForwards)
{
    TWinkelBahnGeschw m;
    m.EinstellungenAendern(Eingaben(2, 1));
    m.EinstellungenAendern(Eingaben(0, 4, tBewegungsArt::Beschleunigt));
    EXPECT_EQ(m.TimerIntervall(), 50) << "ω = 0 keeps the last interval";
    m.Takt();
    EXPECT_EQ(m.Drehwinkel(), 5);
    EXPECT_NEAR(m.Winkelgeschw(), 0.05, 1e-12);
    EXPECT_EQ(m.BahngeschwText(), "0,2");
    EXPECT_EQ(m.TimerIntervall(), 2000);
}

TEST(WinkelBahnGeschw, AChangeRestartsOmegaAndKeepsTheAngle)
{
    TWinkelBahnGeschw m;
    tWinkelBahnGeschwEinstellungen e = Eingaben(3, 5, tBewegungsArt::Beschleunigt);
    m.EinstellungenAendern(e);
    Takte(m, 10);
    EXPECT_NEAR(m.Winkelgeschw(), 3.5, 1e-9);
    e.Darstellung = true;
    m.EinstellungenAendern(e);
    EXPECT_EQ(m.Winkelgeschw(), 3);
    EXPECT_EQ(m.TimerIntervall(), 33);
    EXPECT_EQ(m.Drehwinkel(), 50);
    EXPECT_EQ(m.BahngeschwText(), "15");
}

TEST(WinkelBahnGeschw, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const std::string nicht = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von ";
    const struct {
        const char* name;
        std::function<void(tWinkelBahnGeschwEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"ω 6", [](auto& e) { e.Winkelgeschw = 6; }, "Winkelgeschwindigkeit: 6" + nicht + "-5 bis 5."},
        {"ω 300", [](auto& e) { e.Winkelgeschw = 300; }, "Winkelgeschwindigkeit: 300" + nicht + "-5 bis 5."},
        {"ω -6", [](auto& e) { e.Winkelgeschw = -6; }, "Winkelgeschwindigkeit: -6" + nicht + "-5 bis 5."},
        {"radius 0", [](auto& e) { e.Radius = 0; }, "Radius: 0" + nicht + "1 bis 5."},
        {"radius 6", [](auto& e) { e.Radius = 6; }, "Radius: 6" + nicht + "1 bis 5."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TWinkelBahnGeschw m;
        const tWinkelBahnGeschwEinstellungen vorher = Eingaben(-2, 3, tBewegungsArt::Beschleunigt);
        m.EinstellungenAendern(vorher);
        m.Takt();
        tWinkelBahnGeschwEinstellungen neu = Eingaben(4, 4);
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher);
        EXPECT_NEAR(m.Winkelgeschw(), -2.05, 1e-12);
        EXPECT_EQ(m.TimerIntervall(), 49);
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Schwarz{0, 0, 0}, Blau{0, 0, 0.7f}, Rot{0.7f, 0, 0}, Gruen{0, 0.7f, 0};

// Looking down the z axis onto the box -20..20 (400 pixels), so every drawn vertex reads
// back as a model point.
class WinkelBild : public ::testing::Test, protected SzenenBild {
protected:
    TWinkelBahnGeschw szene;

    WinkelBild() : SzenenBild(400, 20) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }
};

}  // namespace

TEST_F(WinkelBild, CircleBallAndTheThreeArrowsAtTheAngle)
{
    // Mid-animation, counter-clockwise and clockwise (v reversed, ω pointing down).
    const struct {
        int omega, r, takte;
        tBewegungsArt art;
        double winkel, omegaJetzt;
    } faelle[] = {
        {2, 3, 7, tBewegungsArt::Gleichmaessig, 35, 2},
        {-3, 4, 3, tBewegungsArt::Gleichmaessig, 350, -3},
        {1, 2, 4, tBewegungsArt::Beschleunigt, 20, 1.2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE("ω = " + std::to_string(f.omega) + ", " + std::to_string(f.takte) + " ticks");
        tWinkelBahnGeschwEinstellungen e = Eingaben(f.omega, f.r, f.art);
        e.Darstellung = e.Rotation = true;
        TWinkelBahnGeschw m;
        m.EinstellungenAendern(e);
        Takte(m, f.takte);
        ASSERT_EQ(m.Drehwinkel(), f.winkel);
        const Frame bild = Zeichnen(m, tSeiten::Beide);
        ASSERT_EQ(bild.glError(), GLenum(GL_NO_ERROR));

        // The circle: 50 black pieces of radius r about the origin in the x-y plane.
        const auto linien = bild.ofKind(PrimitiveKind::Line);
        EXPECT_EQ(linien.size(), 50u);
        for (const Primitive& l : linien) {
            EXPECT_TRUE(l.hasColour(0, 0, 0));
            for (const FeedbackVertex& v : l.vertices) {
                EXPECT_NEAR(Laenge(Modell(v)), f.r, 1e-4);
                EXPECT_NEAR(Modell(v).z, 0, 1e-4);
            }
        }
        ASSERT_EQ(bild.drawn().front().kind, PrimitiveKind::Line) << "the circle first";

        const double t = f.winkel * std::numbers::pi / 180, v = f.omegaJetzt * f.r;
        const P3 ball{f.r * std::cos(t), f.r * std::sin(t), 0};
        const P3 tangente{-std::sin(t), std::cos(t), 0};
        FlaechenFolge folge(*this, bild.ofKind(PrimitiveKind::Polygon));
        folge.Ball(ball, 0.2, Schwarz);
        folge.Pfeil({"ω", {}, {0, 0, f.omegaJetzt}, 0.07, Blau});
        folge.Pfeil({"r", {}, ball, 0.07, Rot});
        folge.Pfeil({"v", ball, ball + v * tangente, 0.07, Gruen});
        EXPECT_TRUE(folge.Ende()) << folge.Naechste();
        EXPECT_EQ(ModellAnsichtAbweichung(), "");
    }
}

TEST_F(WinkelBild, NothingWhileTheMainSwitchIsOffEvenWithEverythingElseOn)
{
    tWinkelBahnGeschwEinstellungen e = Eingaben(5, 5, tBewegungsArt::Beschleunigt);
    e.Rotation = true;
    szene.EinstellungenAendern(e);
    Takte(szene, 3);
    const Frame f = Zeichnen(szene, tSeiten::Beide);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
