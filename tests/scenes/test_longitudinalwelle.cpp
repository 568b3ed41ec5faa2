// The scene "Longitudinal - Welle": the rest positions of the discs, the wavelength, the
// displacements of the progressive and the standing waves, the period of the timer and the
// refused numbers as tables, and one picture read back through GL feedback. The expected
// displacements are worked out by hand from the wave laws, not taken from the model.

#include "abweisung.h"
#include "scenes/physics/longitudinalwelle.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

using W = TLongitudinalWelle;
using M = tLongitudinalModus;
using E = tLongitudinalEnden;

tLongitudinalWelleEinstellungen Mit(const std::function<void(tLongitudinalWelleEinstellungen&)>& aendern)
{
    tLongitudinalWelleEinstellungen e;
    aendern(e);
    return e;
}

const double Wurzel2Halbe = std::sqrt(0.5);

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(LongitudinalWelle, TheDiscsStandFromMinus8To8OrOnTo24)
{
    struct Fall {
        M modus;
        int schritte;
        std::size_t anzahl;
        double letzte;
    } const faelle[] = {
        {M::Ruhend, 16, 17, 8},
        {M::Stehend, 16, 17, 8},
        {M::FortschreitendEndlich, 16, 17, 8},
        {M::FortschreitendUnendlich, 16, 33, 24},
        {M::Ruhend, 1, 2, 8},
        {M::FortschreitendUnendlich, 1, 3, 24},
        {M::Ruhend, 3, 4, 8},
        {M::Ruhend, 100, 101, 8},
        // The bound 1,01 · 24 = 24,24 lets one more disc through once the spacing is below
        // 0,24 (16 / 100 = 0,16).
        {M::FortschreitendUnendlich, 100, 202, 24.16},
    };
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) {
            e.Modus = f.modus;
            e.FktSchritte = f.schritte;
        }));
        const std::vector<double> lagen = w.Ruhelagen();
        ASSERT_EQ(lagen.size(), f.anzahl) << f.schritte;
        const double d = 16.0 / f.schritte;
        for (std::size_t i = 0; i < lagen.size(); ++i)
            EXPECT_NEAR(lagen[i], -8 + double(i) * d, 1e-12);
        EXPECT_NEAR(lagen.back(), f.letzte, 1e-9);
    }
    W w;
    EXPECT_EQ(w.Ruhelagen(), (std::vector<double>{-8, -7, -6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(LongitudinalWelle, TheWavelengthFollowsEndsAndOrder)
{
    struct Fall {
        E enden;
        int ordnung;
        double lambda;
    } const faelle[] = {
        {E::Fest, 1, 32},     {E::Offen, 1, 32},          {E::Offen, 2, 16},           {E::Fest, 8, 4},
        {E::Gemischt, 1, 64}, {E::Gemischt, 2, 64.0 / 3}, {E::Gemischt, 8, 64.0 / 15},
    };
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) {
            e.Enden = f.enden;
            e.Ordnung = f.ordnung;
        }));
        EXPECT_DOUBLE_EQ(w.Wellenlaenge(), f.lambda) << f.ordnung;
    }
}

TEST(LongitudinalWelle, DisplacementsOfTheProgressiveAndTheStandingWaves)
{
    // 20 steps a period; 5 ticks are a quarter (sin 2πτ = 1), 15 three quarters (−1).
    struct Fall {
        M modus;
        E enden;
        int ordnung, amplitude, takte;
        double x, s;
    } const faelle[] = {
        // At rest nothing moves.
        {M::Ruhend, E::Fest, 1, 20, 0, 0, 0},
        // Running in +x: the exciter leads, a quarter wavelength on lags a quarter period.
        {M::FortschreitendEndlich, E::Fest, 1, 5, 5, -8, 0.5},
        {M::FortschreitendEndlich, E::Fest, 1, 5, 5, 0, 0},
        {M::FortschreitendEndlich, E::Fest, 1, 5, 5, 8, -0.5},
        {M::FortschreitendEndlich, E::Fest, 1, 10, 0, -4, -Wurzel2Halbe},
        {M::FortschreitendEndlich, E::Fest, 1, 10, 0, -8, 0},
        // The wavelength of mixed ends holds here too: λ = 64/3 puts x = 8 three quarters of
        // a wavelength on (with λ = 16 of order 2 it would be a whole one, s = 0).
        {M::FortschreitendEndlich, E::Gemischt, 2, 10, 0, 8, 1},
        {M::FortschreitendEndlich, E::Fest, 2, 10, 0, 8, 0},
        // One wavelength on, at x = 24, the disc swings with the exciter.
        {M::FortschreitendUnendlich, E::Fest, 1, 10, 5, 24, 1},
        {M::FortschreitendUnendlich, E::Fest, 1, 10, 15, 24, -1},
        // Fixed ends, order 1: nodes at both ends, the antinode in the middle.
        {M::Stehend, E::Fest, 1, 10, 5, -8, 0},
        {M::Stehend, E::Fest, 1, 10, 5, 8, 0},
        {M::Stehend, E::Fest, 1, 10, 5, 0, 1},
        {M::Stehend, E::Fest, 1, 10, 15, 0, -1},
        {M::Stehend, E::Fest, 1, 10, 0, 0, 0},
        // Open ends, order 1: antinodes at the ends, the node in the middle.
        {M::Stehend, E::Offen, 1, 10, 5, -8, 1},
        {M::Stehend, E::Offen, 1, 10, 5, 8, -1},
        {M::Stehend, E::Offen, 1, 10, 5, 0, 0},
        // Mixed ends, order 2 (λ = 64/3): a node on the left, an antinode on the right.
        {M::Stehend, E::Gemischt, 2, 10, 5, -8, 0},
        {M::Stehend, E::Gemischt, 2, 10, 5, 8, -1},
        {M::Stehend, E::Gemischt, 2, 10, 5, -8 + 16.0 / 3, 1},
        // Amplitude 0: every disc stays where it is, in every mode.
        {M::FortschreitendEndlich, E::Fest, 1, 0, 5, -8, 0},
        {M::FortschreitendUnendlich, E::Fest, 1, 0, 3, 10, 0},
        {M::Stehend, E::Offen, 1, 0, 5, -8, 0},
        {M::Stehend, E::Fest, 3, 0, 5, 0, 0},
    };
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) {
            e.Modus = f.modus;
            e.Enden = f.enden;
            e.Ordnung = f.ordnung;
            e.AmplitudeWert = f.amplitude;
        }));
        for (int i = 0; i < f.takte; ++i)
            w.Takt();
        EXPECT_NEAR(w.Auslenkung(f.x), f.s, 1e-12)
            << "mode " << int(f.modus) << ", ends " << int(f.enden) << ", x = " << f.x << ", tick " << f.takte;
    }
}

TEST(LongitudinalWelle, TheTimerStepsThroughOnePeriod)
{
    struct Fall {
        int schritte, takte, schritt;
    } const faelle[] = {
        {20, 1, 1}, {20, 19, 19}, {20, 20, 0}, {20, 21, 1}, {4, 3, 3}, {4, 4, 0}, {4, 9, 1}, {100, 100, 0},
    };
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) {
            e.Modus = M::FortschreitendEndlich;
            e.SchwingungSchritte = f.schritte;
        }));
        for (int i = 0; i < f.takte; ++i)
            w.Takt();
        EXPECT_EQ(w.Schwingungsschritt(), f.schritt) << f.schritte << " steps, " << f.takte << " ticks";
    }
}

TEST(LongitudinalWelle, EveryChangeRestartsThePeriodInAMovingMode)
{
    // Any change, the scene switch too, and a period cut shorter than the step reached.
    const std::function<void(tLongitudinalWelleEinstellungen&)> aenderungen[] = {
        [](auto& e) { e.LongitudinalWelle = true; }, [](auto& e) { e.AmplitudeWert = 7; },
        [](auto& e) { e.Modus = M::Stehend; },       [](auto& e) { e.SchwingungSchritte = 4; },
        [](auto& e) { e.ZeitSchritte = 1; },
    };
    for (const auto& aendern : aenderungen) {
        W w;
        auto e = Mit([](auto& e) { e.Modus = M::FortschreitendUnendlich; });
        w.EinstellungenAendern(e);
        for (int i = 0; i < 7; ++i)
            w.Takt();
        ASSERT_EQ(w.Schwingungsschritt(), 7);
        aendern(e);
        w.EinstellungenAendern(e);
        EXPECT_EQ(w.Schwingungsschritt(), 0);
        EXPECT_EQ(w.TimerIntervall(), e.ZeitSchritte);
        w.Takt();
        EXPECT_EQ(w.Schwingungsschritt(), 1);
    }
}

TEST(LongitudinalWelle, RefusesNumbersOutsideTheControlsRanges)
{
    // Spaces of 0 or fewer would never end the disc loop, fewer than 4 steps a period are
    // outside the control and 0 divides the phase by 0, an interval below 1 ms floods the
    // program.
    struct Fall {
        std::function<void(tLongitudinalWelleEinstellungen&)> aendern;
        std::string meldung;
    } const faelle[] = {
        {[](auto& e) { e.FktSchritte = -5; },
         "Schritte Funktion: -5 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.FktSchritte = 0; },
         "Schritte Funktion: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.FktSchritte = 101; },
         "Schritte Funktion: 101 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.SchwingungSchritte = 0; },
         "Schritte Schwingung: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 4 bis 100."},
        {[](auto& e) { e.SchwingungSchritte = 3; },
         "Schritte Schwingung: 3 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 4 bis 100."},
        {[](auto& e) { e.ZeitSchritte = 0; },
         "Zeitschritt Schwingung: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 500."},
        {[](auto& e) { e.ZeitSchritte = -10; },
         "Zeitschritt Schwingung: -10 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 500."},
        {[](auto& e) { e.Ordnung = 0; }, "Ordnung: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 8."},
        {[](auto& e) { e.Ordnung = 9; }, "Ordnung: 9 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 8."},
        {[](auto& e) { e.AmplitudeWert = 21; },
         "Amplitude: 21 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 20."},
    };
    for (const Fall& f : faelle) {
        W w;
        const auto neu = Mit([&](auto& e) {
            e.LongitudinalWelle = true;
            e.Modus = M::Stehend;
            f.aendern(e);
        });
        ErwarteAbweisung([&] { w.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(w.Einstellungen(), W::Startwerte) << "nothing changes";
    }
}

// --- The picture ----------------------------------------------------------------------

// The box -30..30 (400 pixels) turned 50 degrees about y, so the discs, which stand in the
// y-z plane, are seen slanted from the +x side and every vertex reads back as a model point.
class LongitudinalBild : public ::testing::Test, protected SzenenBild {
protected:
    W szene;
    tLongitudinalWelleEinstellungen e;

    LongitudinalBild() : SzenenBild(400, 30)
    {
        Drehungen = {{-50, 0, 1, 0}};
        k.xSchritt = 1;  // the coordinate system's tick, which the arrow's thickness follows
        e.LongitudinalWelle = true;
    }

    struct P3 {
        double x, y, z;
    };
    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    Frame Zeichnen(int takte, tSeiten seiten = tSeiten::Beide)
    {
        szene.EinstellungenAendern(e);
        for (int i = 0; i < takte; ++i)
            szene.Takt();
        return SzenenBild::Zeichnen(szene, seiten);
    }
};

TEST_F(LongitudinalBild, TheRunningWaveWithItsExciterAndArrow)
{
    // 5 discs at -8, -4, 0, 4, 8; A = 1, λ = 32; two ticks of 8 are a quarter period, so
    // s = sin(2π (1/4 − ξ / 32)): 1, √½, 0, −√½, −1 from the exciter on.
    e.Modus = M::FortschreitendEndlich;
    e.FktSchritte = 4;
    e.AmplitudeWert = 10;
    e.SchwingungSchritte = 8;
    const Frame f = Zeichnen(2);
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
    const double orte[] = {-8 + 1, -4 + Wurzel2Halbe, 0, 4 - Wurzel2Halbe, 8 - 1};

    // Each disc, from the exciter on: 20 black rim pieces, 20 front and 20 back triangles,
    // every corner on the circle of radius 2 about (x + s, 0, 0). The arrow follows the
    // exciter: shaft (20 quads of two triangles) and head (0,4; 0; 0), the discs closing
    // them (0,8; 0; 0), all about the line from (-8, 0, 3) to (-7, 0, 3).
    const std::vector<Primitive>& d = f.drawn();
    ASSERT_EQ(d.size(), 5u * 60 + 100);
    std::size_t i = 0;
    for (int scheibe = 0; scheibe < 5; ++scheibe) {
        const bool erreger = scheibe == 0;
        const tRGB vorn = erreger ? W::ErregerVorn : W::ScheibeVorn;
        const tRGB hinten = erreger ? W::ErregerHinten : W::ScheibeHinten;
        for (int teil = 0; teil < 60; ++teil, ++i) {
            const Primitive& p = d[i];
            const tRGB farbe = teil < 20 ? W::Rand : teil < 40 ? vorn : hinten;
            ASSERT_EQ(p.kind, teil < 20 ? PrimitiveKind::Line : PrimitiveKind::Polygon) << scheibe << "/" << teil;
            ASSERT_TRUE(p.hasColour(farbe.R, farbe.G, farbe.B)) << scheibe << "/" << teil;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                EXPECT_NEAR(q.x, orte[scheibe], 1e-3) << "disc " << scheibe;
                const double r = std::hypot(q.y, q.z);
                if (teil < 20 || r > 1e-3) {  // the faces' centre lies at r = 0
                    EXPECT_NEAR(r, 2, 1e-3) << "disc " << scheibe;
                }
            }
        }
        if (!erreger)
            continue;
        for (int teil = 0; teil < 100; ++teil, ++i) {
            const Primitive& p = d[i];
            ASSERT_TRUE(p.hasColour(0.4f, 0, 0) || p.hasColour(0.8f, 0, 0)) << "arrow " << teil;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                EXPECT_GE(q.x, -8 - 1e-3);
                EXPECT_LE(q.x, -7 + 1e-3);
                EXPECT_LE(std::hypot(q.y, q.z - 3), 0.2 + 1e-3) << "about the line at height 3";
            }
        }
    }

    // Seen as the user sees it, from the +x side only the fronts show.
    const Frame vorn = SzenenBild::Zeichnen(szene, tSeiten::Vorn);
    EXPECT_EQ(vorn.inColour(W::ScheibeVorn.R, W::ScheibeVorn.G, W::ScheibeVorn.B).size(), 4u * 20);
    EXPECT_TRUE(vorn.inColour(W::ScheibeHinten.R, W::ScheibeHinten.G, W::ScheibeHinten.B).empty());
    EXPECT_TRUE(vorn.inColour(W::ErregerHinten.R, W::ErregerHinten.G, W::ErregerHinten.B).empty());
}

TEST_F(LongitudinalBild, TheStandingWaveHasNoExciter)
{
    // Fixed ends, order 1, a quarter period: the ends stand, the middle disc is out by A.
    e.Modus = M::Stehend;
    e.AmplitudeWert = 20;
    const Frame f = Zeichnen(5);
    EXPECT_TRUE(f.inColour(W::ErregerVorn.R, W::ErregerVorn.G, W::ErregerVorn.B).empty());
    EXPECT_TRUE(f.inColour(0.8f, 0, 0).empty()) << "no arrow";
    const std::vector<Primitive> vorn = f.inColour(W::ScheibeVorn.R, W::ScheibeVorn.G, W::ScheibeVorn.B);
    ASSERT_EQ(vorn.size(), 17u * 20);
    for (int scheibe = 0; scheibe < 17; ++scheibe) {
        const double x = -8 + scheibe;
        const double s = 2 * std::sin(2 * 3.141592653589793 * (x + 8) / 32);
        for (const FeedbackVertex& v : vorn[std::size_t(scheibe) * 20].vertices)
            EXPECT_NEAR(Modell(v).x, x + s, 1e-3) << "disc at " << x;
    }
}

TEST_F(LongitudinalBild, NothingWhileSwitchedOff)
{
    e.LongitudinalWelle = false;
    e.FktSchritte = 100;
    e.AmplitudeWert = 20;
    for (const M modus : {M::Ruhend, M::FortschreitendEndlich, M::FortschreitendUnendlich, M::Stehend})
        for (const E enden : {E::Fest, E::Offen, E::Gemischt}) {
            e.Modus = modus;
            e.Enden = enden;
            EXPECT_TRUE(Zeichnen(3).drawn().empty());
        }
}
