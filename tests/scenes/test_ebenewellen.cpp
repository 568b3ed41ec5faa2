// The scene "Ebene Wellen": the model's data, time steps, field arrows and formula texts as
// tables, and its picture through GL feedback. The heights are computed here from the wave
// z = A·sin(2π(r/λ − t/T)), not taken from the formulas the scene builds.

#include "core/allgemeinerfehler.h"
#include "scenes/physics/ebenewellen.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

constexpr double ZweiPi = 6.283185307179586;

TEST(EbeneWellenModell, StartsWithTheDefaultWave)
{
    TEbeneWellen w;
    w.EinstellungenAendern(TEbeneWellen::Startwerte);
    EXPECT_TRUE(w.WAlinear());
    EXPECT_FALSE(w.WAP1() || w.WAP2() || w.WAP1plus2());
    EXPECT_DOUBLE_EQ(w.Amplitude(), 1);
    EXPECT_EQ(w.Einstellungen().Wellenlaenge, 4);
    EXPECT_EQ(w.Einstellungen().Periodendauer, 2000);
    EXPECT_EQ(w.Einstellungen().PeriodendauerSchritte, 20);
    EXPECT_EQ(w.TimerIntervall(), 100);
    EXPECT_EQ(w.Einstellungen().Feld, (tWellenfeld{-10, 10, -10, 10}));
    EXPECT_DOUBLE_EQ(w.Gitterweite(), 0.5);
    EXPECT_TRUE(w.Einstellungen().WellenGitter);
    EXPECT_FALSE(w.Einstellungen().WellenFlaeche || w.Einstellungen().Darstellung || w.Einstellungen().Bewegung);
    EXPECT_EQ(w.WellenZeit(), 0);
}

TEST(EbeneWellenModell, TheTimeReturnsToZeroAfterOnePeriodsSteps)
{
    // The default period first, then every period and step count the window allows: the
    // summed steps must not fall a hair short and take one step more.
    TEbeneWellen w;
    w.EinstellungenAendern(TEbeneWellen::Startwerte);
    for (int i = 1; i < 20; ++i)
        w.Takt();
    EXPECT_DOUBLE_EQ(w.WellenZeit(), 1900);
    w.Takt();
    EXPECT_EQ(w.WellenZeit(), 0) << "the twentieth tick reaches 2000 ms, which starts the period anew";

    for (int t = TEbeneWellen::PeriodendauerFeld.Min; t <= TEbeneWellen::PeriodendauerFeld.Max; t += 100)
        for (int n = TEbeneWellen::PeriodendauerSchritteFeld.Min; n <= TEbeneWellen::PeriodendauerSchritteFeld.Max;
             n += 2) {
            tEbeneWellenEinstellungen e;
            e.Periodendauer = t;
            e.PeriodendauerSchritte = n;
            w.EinstellungenAendern(e);
            w.Reset();
            for (int i = 1; i < n; ++i)
                w.Takt();
            ASSERT_NEAR(w.WellenZeit(), t - double(t) / n, 1e-9) << t << " ms in " << n;
            w.Takt();
            ASSERT_EQ(w.WellenZeit(), 0) << t << " ms in " << n;
        }
}

TEST(EbeneWellenModell, TheTimerIntervalIsTheStepRoundedToWholeMilliseconds)
{
    struct Fall {
        int t, n, intervall;
    } const faelle[] = {{2000, 20, 100}, {100, 12, 8}, {300, 40, 8}, {100, 40, 2}, {4000, 6, 667}, {4000, 2, 2000}};
    for (const Fall& f : faelle) {
        TEbeneWellen w;
        tEbeneWellenEinstellungen e;
        e.Periodendauer = f.t;
        e.PeriodendauerSchritte = f.n;
        w.EinstellungenAendern(e);
        EXPECT_EQ(w.TimerIntervall(), f.intervall) << f.t << " / " << f.n;
    }
}

TEST(EbeneWellenModell, RefusesNumbersOutsideTheControlsRanges)
{
    const std::function<void(tEbeneWellenEinstellungen&)> falsch[] = {
        [](auto& e) { e.Periodendauer = 0; },
        [](auto& e) { e.PeriodendauerSchritte = 0; },
        [](auto& e) { e.WellenlaengeSchritte = 41; },
        [](auto& e) { e.Wellenlaenge = 0; },
        [](auto& e) { e.AmplitudeMm = -1; },
        [](auto& e) { e.Feld.xmax = 31; },
        [](auto& e) { e.WAypos = -1; },
        [](auto& e) { e.WAxpos = -31; },
    };
    for (const auto& aendern : falsch) {
        TEbeneWellen w;
        tEbeneWellenEinstellungen e;
        e.Darstellung = true;
        aendern(e);
        EXPECT_THROW(w.EinstellungenAendern(e), AllgemeinerFehler);
        EXPECT_EQ(w.Einstellungen(), TEbeneWellen::Startwerte) << "nothing changes";
    }
}

TEST(EbeneWellenModell, TheArrowsWidenAndNarrowTheField)
{
    struct Fall {
        tWellenfeld vorher, weiter, enger;
    } const faelle[] = {
        {{-10, 10, -10, 10}, {-11, 11, -11, 11}, {-9, 9, -9, 9}},
        {{-30, 29, -2, 1}, {-30, 30, -3, 2}, {-29, 28, -1, 0}},
        // A span of 2 or less stays: it neither vanishes nor turns inside out.
        {{-1, 1, 0, 3}, {-2, 2, -1, 4}, {-1, 1, 1, 2}},
        {{4, 5, 7, 7}, {3, 6, 6, 8}, {4, 5, 7, 7}},
        {{5, -5, 0, 0}, {4, -4, -1, 1}, {5, -5, 0, 0}},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(TEbeneWellen::FeldWeiter(f.vorher), f.weiter);
        EXPECT_EQ(TEbeneWellen::FeldEnger(f.vorher), f.enger);
    }
    tWellenfeld feld{-10, 10, -3, 3};
    for (int i = 0; i < 20; ++i)
        feld = TEbeneWellen::FeldEnger(feld);
    EXPECT_EQ(feld, (tWellenfeld{-1, 1, -1, 1}));
}

TEST(EbeneWellenModell, TheCellsGrowOnlyWhereTheWaveWouldCostMoreThanAnObjectMay)
{
    // Every point once, two lines and two faces per point, at most 300000 in all; the
    // cells then are the least whole multiple of the grid width within it.
    struct Fall {
        tWellenfeld feld;
        int wellenlaenge, schritte;
        bool gitter, flaeche;
        double zelle;
    } const faelle[] = {
        {{-10, 10, -10, 10}, 4, 8, true, true, 0.5},    // the start values: as set
        {{-30, 30, -30, 30}, 2, 8, true, true, 0.25},   // 242 x 242 points: just within
        {{-30, 30, -30, 30}, 1, 40, true, true, 0.25},  // 2413 x 2413 points at 1/40
        {{-30, 30, -30, 30}, 1, 40, true, false, 0.2},  // the grid alone: 302 x 302
        {{-30, 30, 0, 0}, 1, 40, true, true, 0.025},    // a single row is cheap
    };
    for (const Fall& f : faelle) {
        tEbeneWellenEinstellungen e;
        e.Feld = f.feld;
        e.Wellenlaenge = f.wellenlaenge;
        e.WellenlaengeSchritte = f.schritte;
        e.WellenGitter = f.gitter;
        e.WellenFlaeche = f.flaeche;
        TEbeneWellen w;
        w.EinstellungenAendern(e);
        EXPECT_DOUBLE_EQ(w.Zellweite(), f.zelle) << f.wellenlaenge << "/" << f.schritte << " over " << f.feld.xmin;
    }
}

TEST(EbeneWellenModell, FormulaTexts)
{
    TEbeneWellen w;
    w.EinstellungenAendern(TEbeneWellen::Startwerte);
    const std::string p1 = "1*sin(6,283185*(sqrt(sqr(x--5)+sqr(y+4))/4-0/2000))";
    const std::string p2 = "+1*sin(6,283185*(sqrt(sqr(x--5)+sqr(y-4))/4-0/2000))";
    EXPECT_EQ(w.Formel(tWelle::Linear), "1*sin(6,283185*(abs(x--5)/4-0/2000))");
    EXPECT_EQ(w.Formel(tWelle::P1), p1);
    EXPECT_EQ(w.Formel(tWelle::P2), p2);
    EXPECT_EQ(w.Formel(tWelle::P1plus2), p1 + p2);

    tEbeneWellenEinstellungen e;
    e.AmplitudeMm = 15;
    e.WAxpos = 3;
    e.WAypos = 0;
    e.Wellenlaenge = 7;
    e.Periodendauer = 300;
    e.PeriodendauerSchritte = 4;
    w.EinstellungenAendern(e);
    w.Takt();
    EXPECT_EQ(w.Formel(tWelle::Linear), "1,5*sin(6,283185*(abs(x-3)/7-75/300))");
    EXPECT_EQ(w.Formel(tWelle::P2), "+1,5*sin(6,283185*(sqrt(sqr(x-3)+sqr(y-0))/7-75/300))");
}

// Looking down the z axis onto the box -12..12 (400 pixels), so every drawn vertex reads
// back as a model point.
class WellenBild : public ::testing::Test, protected SzenenBild {
protected:
    TEbeneWellen szene;
    tEbeneWellenEinstellungen e;

    WellenBild() : SzenenBild(400, 12) { e.Darstellung = true; }

    struct P3 {
        double x, y, z;
    };
    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    Frame Zeichnen()
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);  // both sides of every face
    }

    // A·sin(2π(r/λ − t/T)) with the time the model has reached.
    double Welle(double r) const
    {
        return e.AmplitudeMm / 10.0 * std::sin(ZweiPi * (r / e.Wellenlaenge - szene.WellenZeit() / e.Periodendauer));
    }

    // Every corner of the lines in this colour lies on the wave `z`; returns their number.
    std::size_t LinienAufWelle(const Frame& f, float r, float g, float b, const std::function<double(P3)>& z) const
    {
        std::size_t n = 0;
        for (const Primitive& p : f.inColour(r, g, b)) {
            if (p.kind != PrimitiveKind::Line)
                continue;
            ++n;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                // 6,283185 in the formula against 2π: at most 30 wavelengths away, 2e-5.
                EXPECT_NEAR(q.z, z(q), 2e-3) << "at (" << q.x << ", " << q.y << ")";
            }
        }
        return n;
    }
};

TEST_F(WellenBild, TheLinearWaveRunsAwayFromTheExciter)
{
    // At t = 0 and a quarter period later: the grid's 41 x 41 points of the field -10 ... 10
    // in steps of 0,5, each line between neighbours, at the wave's height.
    for (int takte : {0, 5}) {
        szene.Reset();
        for (int i = 0; i < takte; ++i)
            szene.Takt();
        const Frame f = Zeichnen();
        const auto welle = [&](P3 q) { return Welle(std::abs(q.x - e.WAxpos)); };
        EXPECT_EQ(LinienAufWelle(f, 0, 0, 0, welle), 2u * 41 * 40) << takte << " ticks";
        EXPECT_EQ(f.drawn().size(), 2u * 41 * 40) << "nothing but the grid";
    }
}

TEST_F(WellenBild, TheFieldEndsWhereItsMaximumTimesOnePointZeroOneIsPassed)
{
    // The cells run from the minimum while 1,01·max is not passed: a negative maximum ends a
    // cell earlier, a positive one includes itself.
    struct Fall {
        tWellenfeld feld;
        int nx, ny;  // points per row and column
    } const faelle[] = {{{-10, -2, 2, 10}, 16, 17}, {{-3, 3, -1, 0}, 13, 3}, {{2, 2, 5, 4}, 1, 0}};
    for (const Fall& fall : faelle) {
        e.Feld = fall.feld;
        const Frame f = Zeichnen();
        const std::size_t linien = f.inColour(0, 0, 0).size();
        EXPECT_EQ(linien, std::size_t(fall.ny * std::max(fall.nx - 1, 0) + fall.nx * std::max(fall.ny - 1, 0)))
            << fall.feld.xmin << " ... " << fall.feld.xmax;
    }
}

TEST_F(WellenBild, TheFinestWaveIsDrawnInItsWiderCells)
{
    // The grid alone over -11 ... 11 (all in view) at 1/40: 295 x 295 points 0,075 apart
    // instead of 885 x 885.
    e.Feld = {-11, 11, -11, 11};
    e.Wellenlaenge = 1;
    e.WellenlaengeSchritte = 40;
    e.WellenFlaeche = false;
    const Frame f = Zeichnen();
    EXPECT_EQ(f.inColour(0, 0, 0).size(), 2u * 295 * 294);
}

TEST_F(WellenBild, AmplitudeZeroIsFlat)
{
    e.AmplitudeMm = 0;
    e.WellenFlaeche = true;
    e.WAErregerBereich = e.WA1OszillatorBereich = e.WA2OszillatorBereich = true;
    const Frame f = Zeichnen();
    ASSERT_GT(f.drawn().size(), 0u);
    for (const Primitive& p : f.drawn())
        for (const FeedbackVertex& v : p.vertices)
            ASSERT_NEAR(Modell(v).z, 0, 1e-4);
}

TEST_F(WellenBild, TwoSourcesDrawnApartOrSuperposed)
{
    e.WellenFlaeche = true;
    e.WAErregerBereich = true;
    e.Feld = {-6, 6, -6, 6};
    szene.Takt();
    szene.Takt();
    const auto r = [&](P3 q, double sy) { return std::hypot(q.x - e.WAxpos, q.y - sy); };
    const auto rodHoehe = [&](const Frame& f) {
        double h = 0;
        for (const Primitive& p : f.inColour(1, 0.6f, 0.6f))
            for (const FeedbackVertex& v : p.vertices)
                h = std::max(h, std::abs(Modell(v).z));
        return h;
    };
    const std::size_t linien = 2u * 25 * 24;

    // "P1 und P2": P1's wave with its grid black and surface grey, then P2's with a dark blue
    // grid and a light blue surface; each on its own.
    e.Anregung = tWellenAnregung::P1und2;
    Frame f = Zeichnen();
    EXPECT_EQ(LinienAufWelle(f, 0, 0, 0, [&](P3 q) { return Welle(r(q, -e.WAypos)); }), linien);
    EXPECT_EQ(LinienAufWelle(f, 0, 0, 0.7f, [&](P3 q) { return Welle(r(q, e.WAypos)); }), linien);
    for (const float hell : {0.6f, 0.7f}) {
        EXPECT_FALSE(f.inColour(hell, hell, hell).empty());
        EXPECT_FALSE(f.inColour(hell, hell, 1).empty());
    }
    EXPECT_NEAR(rodHoehe(f), 1, 1e-3) << "each source's rod spans its own amplitude";

    // "P1 + P2 (Interferenz)": one wave, the sum of both, in black and grey only.
    e.Anregung = tWellenAnregung::P1plus2;
    f = Zeichnen();
    EXPECT_EQ(LinienAufWelle(f, 0, 0, 0, [&](P3 q) { return Welle(r(q, -e.WAypos)) + Welle(r(q, e.WAypos)); }), linien);
    EXPECT_TRUE(f.inColour(0, 0, 0.7f).empty());
    EXPECT_TRUE(f.inColour(0.6f, 0.6f, 1).empty());
    EXPECT_NEAR(rodHoehe(f), 2, 1e-3) << "the rods span twice the amplitude";
}

TEST_F(WellenBild, ExciterAndOscillatorsSwingInPhase)
{
    // Rods along y at X (red, radius 0,15), X + λ and X + 2λ (green, 0,1), all at the exciter's
    // height; the bands they sweep from -A to A across the field.
    e.WellenGitter = false;
    e.WAErreger = e.WA1Oszillator = e.WA2Oszillator = true;
    e.WAErregerBereich = e.WA1OszillatorBereich = e.WA2OszillatorBereich = true;
    for (int i = 0; i < 3; ++i)
        szene.Takt();
    const Frame f = Zeichnen();
    const double z0 = Welle(0), x = e.WAxpos, lambda = e.Wellenlaenge;
    struct Teil {
        const char* was;
        float r, g, b;
        double x, dicke, zmin, zmax;
    } const teile[] = {
        {"exciter", 1, 0, 0, x, 0.15, z0 - 0.15, z0 + 0.15},
        {"oscillators", 0, 0.7f, 0, x + 1.5 * lambda, 0.5 * lambda + 0.1, z0 - 0.1, z0 + 0.1},
        {"exciter's band", 1, 0.6f, 0.6f, x, 0, -1, 1},
        {"bands, one side", 0.8f, 1, 0.8f, x + 1.5 * lambda, 0.5 * lambda, -1, 1},
        {"bands, other side", 0.6f, 1, 0.6f, x + 1.5 * lambda, 0.5 * lambda, -1, 1},
    };
    for (const Teil& t : teile) {
        const auto stuecke = f.inColour(t.r, t.g, t.b);
        ASSERT_FALSE(stuecke.empty()) << t.was;
        double xmin = 1e9, xmax = -1e9, zmin = 1e9, zmax = -1e9, ymin = 1e9, ymax = -1e9;
        for (const Primitive& p : stuecke)
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                xmin = std::min(xmin, q.x), xmax = std::max(xmax, q.x);
                ymin = std::min(ymin, q.y), ymax = std::max(ymax, q.y);
                zmin = std::min(zmin, q.z), zmax = std::max(zmax, q.z);
            }
        // A rod is a prism of 10 sides: across it between r·cos(π/10) and r.
        EXPECT_NEAR((xmin + xmax) / 2, t.x, 2e-3) << t.was;
        EXPECT_NEAR((zmin + zmax) / 2, (t.zmin + t.zmax) / 2, 2e-3) << t.was;
        EXPECT_LE(xmax - xmin, 2 * t.dicke + 2e-3) << t.was;
        EXPECT_GE(xmax - xmin, 2 * t.dicke * 0.95 - 2e-3) << t.was;
        EXPECT_LE(zmax - zmin, t.zmax - t.zmin + 2e-3) << t.was;
        EXPECT_GE(zmax - zmin, (t.zmax - t.zmin) * 0.95 - 2e-3) << t.was;
        EXPECT_NEAR(ymax - ymin, 20, 0.31) << t.was << " spans the field";
    }
}

TEST_F(WellenBild, NothingWhileSwitchedOff)
{
    e.Darstellung = false;
    e.WellenFlaeche = e.WAErreger = e.WAErregerBereich = true;
    EXPECT_TRUE(Zeichnen().drawn().empty());
}

}  // namespace
