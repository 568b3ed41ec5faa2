// The scene "Stehende Kreis - Welle": the formula texts, the swing of the amplitude and the
// refused numbers as tables, and the pictures of string and membrane read back through GL
// feedback. The heights are computed here from the standing wave z = a·cos(k·π·x / 8)
// (k = 2n − 1 with a fixed edge, 2n with an open one), not taken from the texts the scene
// builds.

#include "abweisung.h"
#include "core/allgemeinerfehler.h"
#include "scenes/physics/stehendekreiswelle.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

constexpr double Pi = 3.141592653589793;

using W = TStehendeKreisWelle;

tStehendeKreisWelleEinstellungen Mit(const std::function<void(tStehendeKreisWelleEinstellungen&)>& aendern)
{
    tStehendeKreisWelleEinstellungen e;
    aendern(e);
    return e;
}

// The standing wave of order n at x with amplitude a.
double Welle(tWellenEnde ende, int n, double a, double x)
{
    const int k = ende == tWellenEnde::Fest ? 2 * n - 1 : 2 * n;
    return a * std::cos(k * Pi * x / 8);
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(StehendeKreisWelle, ShapeTextsFollowEdgeOrderAndAmplitude)
{
    struct Fall {
        tWellenEnde ende;
        int ordnung, amplitude;
        tWellenAnzeige anzeige;
        std::vector<std::string> formeln;
    } const faelle[] = {
        {tWellenEnde::Fest, 1, 1, tWellenAnzeige::Funktion, {"1*cos(1*0,25*x*1,57079625)"}},
        {tWellenEnde::Offen, 1, 1, tWellenAnzeige::Funktion, {"1*cos(2*0,25*x*1,57079625)"}},
        {tWellenEnde::Fest, 1, 0, tWellenAnzeige::Funktion, {"0*cos(1*0,25*x*1,57079625)"}},
        {tWellenEnde::Fest, 7, 4, tWellenAnzeige::Funktion, {"4*cos(13*0,25*x*1,57079625)"}},
        {tWellenEnde::Offen,
         7,
         3,
         tWellenAnzeige::Einhuellende,
         {"3*cos(14*0,25*x*1,57079625)", "-3*cos(14*0,25*x*1,57079625)"}},
        {tWellenEnde::Fest,
         2,
         0,
         tWellenAnzeige::Einhuellende,
         {"0*cos(3*0,25*x*1,57079625)", "0*cos(3*0,25*x*1,57079625)"}},
        {tWellenEnde::Fest, 3, 2, tWellenAnzeige::Schwingung, {"0*cos(5*0,25*x*1,57079625)"}},
    };
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) {
            e.Ende = f.ende;
            e.Ordnung = f.ordnung;
            e.AmplitudeWert = f.amplitude;
            e.Anzeige = f.anzeige;
        }));
        EXPECT_EQ(w.Formeln(), f.formeln);
    }
    EXPECT_EQ(W::PiHalbeText(), "1,57079625");
    EXPECT_EQ(W().FormelRest(), "*cos(1*0,25*x*1,57079625)");
}

TEST(StehendeKreisWelle, TheQuarterPeriodIsAQuarterOfTheStepsRoundedHalfToEven)
{
    struct Fall {
        int schritte, q;
    } const faelle[] = {{4, 1}, {6, 2}, {8, 2}, {10, 2}, {14, 4}, {18, 4}, {20, 5}, {22, 6}, {100, 25}};
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) { e.SchwingungSchritte = f.schritte; }));
        EXPECT_EQ(w.Viertelperiode(), f.q) << f.schritte;
    }
}

TEST(StehendeKreisWelle, TheSwingRunsZeroToOneToMinusOneAndBack)
{
    struct Fall {
        int schritte, amplitude;
        std::vector<std::string> texte;  // the amplitude of the shape at tick 0, 1, 2, ...
    } const faelle[] = {
        // Q = 5: steps of 0,2 up to 1, down to -1 and up again; one swing is 20 ticks.
        {20, 1, {"0",    "0,2",  "0,4",  "0,6",  "0,8", "1",    "0,8",  "0,6",  "0,4",  "0,2", "0",
                 "-0,2", "-0,4", "-0,6", "-0,8", "-1",  "-0,8", "-0,6", "-0,4", "-0,2", "0",   "0,2"}},
        // Q = 1: the shape jumps between +A, 0 and -A.
        {4, 3, {"0", "3", "0", "-3", "0", "3", "0", "-3", "0"}},
        // Q = 2, amplitude 1: the halves.
        {8, 1, {"0", "0,5", "1", "0,5", "0", "-0,5", "-1", "-0,5", "0"}},
    };
    for (const Fall& f : faelle) {
        W w;
        w.EinstellungenAendern(Mit([&](auto& e) {
            e.Anzeige = tWellenAnzeige::Schwingung;
            e.SchwingungSchritte = f.schritte;
            e.AmplitudeWert = f.amplitude;
        }));
        for (std::size_t i = 0; i < f.texte.size(); ++i) {
            ASSERT_EQ(w.Formeln(), std::vector<std::string>{f.texte[i] + "*cos(1*0,25*x*1,57079625)"})
                << f.schritte << " steps, tick " << i;
            w.Takt();
        }
    }
}

TEST(StehendeKreisWelle, EveryChangeRestartsTheSwingWhileItIsChosen)
{
    W w;
    const auto schwingung = Mit([](auto& e) { e.Anzeige = tWellenAnzeige::Schwingung; });
    w.EinstellungenAendern(schwingung);
    for (int i = 0; i < 7; ++i)  // up to 5, then down to 3
        w.Takt();
    EXPECT_EQ(w.Schwingungsschritt(), 3);
    EXPECT_EQ(w.Richtung(), -1);
    w.EinstellungenAendern(Mit([](auto& e) {
        e.Anzeige = tWellenAnzeige::Schwingung;
        e.StehendeWelle = true;
    }));
    EXPECT_EQ(w.Schwingungsschritt(), 0);
    EXPECT_EQ(w.Richtung(), 1);
    EXPECT_EQ(w.TimerIntervall(), 100);
    w.EinstellungenAendern(Mit([](auto& e) { e.ZeitSchritte = 1; }));
    EXPECT_EQ(w.TimerIntervall(), 1);
}

TEST(StehendeKreisWelle, RefusesNumbersOutsideTheControlsRanges)
{
    // Steps of 0 or fewer would never end a drawing loop, fewer than 4 swing steps give
    // Q = 0 and 0 / 0 on every tick, an interval below 1 ms floods the program.
    struct Fall {
        std::function<void(tStehendeKreisWelleEinstellungen&)> aendern;
        std::string meldung;
    } const faelle[] = {
        {[](auto& e) { e.FktSchritte = -5; },
         "Schritte Funktion: -5 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.FktSchritte = 0; },
         "Schritte Funktion: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.RotSchritte = -1; },
         "Schritte Rotation: -1 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.RotSchritte = 101; },
         "Schritte Rotation: 101 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 100."},
        {[](auto& e) { e.SchwingungSchritte = 2; },
         "Schritte Schwingung: 2 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 4 bis 100."},
        {[](auto& e) { e.SchwingungSchritte = 1; },
         "Schritte Schwingung: 1 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 4 bis 100."},
        {[](auto& e) { e.ZeitSchritte = 0; },
         "Zeitschritt Schwingung: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 500."},
        {[](auto& e) { e.Ordnung = 8; }, "Ordnung: 8 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 7."},
        {[](auto& e) { e.AmplitudeWert = -1; },
         "Amplitude: -1 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 4."},
    };
    for (const Fall& f : faelle) {
        W w;
        const auto neu = Mit([&](auto& e) {
            e.StehendeWelle = true;
            f.aendern(e);
        });
        ErwarteAbweisung([&] { w.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(w.Einstellungen(), W::Startwerte) << "nothing changes";
    }
}

// --- The picture ----------------------------------------------------------------------

// Looking down the z axis onto the box -5..5 (400 pixels), so every drawn vertex reads back
// as a model point.
class KreisWellenBild : public ::testing::Test, protected SzenenBild {
protected:
    W szene;
    tStehendeKreisWelleEinstellungen e;

    KreisWellenBild() : SzenenBild(400, 5) { e.StehendeWelle = true; }

    struct P3 {
        double x, y, z;
    };
    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    Frame Zeichnen(int takte = 0)
    {
        szene.EinstellungenAendern(e);
        for (int i = 0; i < takte; ++i)
            szene.Takt();
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);  // both sides of every face
    }

    // Every corner of the pieces in this colour lies on the wave of amplitude a over
    // r = |x| (string, y = 0) or r = hypot(x, y) (membrane); faces a hair behind it, as seen
    // from above. Returns their number. A face without area (a triangle of a cell at the
    // centre, whose two corners there coincide) counts, but its depth means nothing.
    std::size_t AufWelle(const Frame& f, float grau, double a, bool membran) const
    {
        std::size_t n = 0;
        for (const Primitive& p : f.inColour(grau, grau, grau)) {
            ++n;
            const bool flaeche = p.kind == PrimitiveKind::Polygon;
            if (flaeche && Flaecheninhalt(p) < 1e-3)
                continue;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                if (!membran) {
                    EXPECT_NEAR(q.y, 0, 1e-3) << "in the x-z plane";
                }
                const double r = membran ? std::hypot(q.x, q.y) : q.x;
                EXPECT_LE(std::abs(r), 4 + 1e-3);
                const double ueber = q.z - Welle(e.Ende, e.Ordnung, a, r);
                EXPECT_LE(ueber, 2e-3) << "at r = " << r;
                EXPECT_GE(ueber, flaeche ? -0.15 : -2e-3) << "at r = " << r;
            }
        }
        return n;
    }

    // The area of a drawn triangle in square pixels.
    static double Flaecheninhalt(const Primitive& p)
    {
        const FeedbackVertex &a = p.vertices[0], &b = p.vertices[1], &c = p.vertices[2];
        return std::abs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
    }
};

TEST_F(KreisWellenBild, TheStringIsACurveFromEdgeToEdge)
{
    struct Fall {
        tWellenEnde ende;
        tWellenAnzeige anzeige;
        double rand;  // height at x = ±4 for amplitude 1
    } const faelle[] = {
        {tWellenEnde::Fest, tWellenAnzeige::Funktion, 0},
        {tWellenEnde::Offen, tWellenAnzeige::Funktion, -1},
        {tWellenEnde::Fest, tWellenAnzeige::Einhuellende, 0},
    };
    for (const Fall& fall : faelle) {
        e.Ende = fall.ende;
        e.Anzeige = fall.anzeige;
        const Frame f = Zeichnen();
        const bool zwei = fall.anzeige == tWellenAnzeige::Einhuellende;
        ASSERT_EQ(f.drawn().size(), zwei ? 40u : 20u);
        // +A first, then -A.
        for (std::size_t i = 0; i < f.drawn().size(); ++i) {
            const Primitive& p = f.drawn()[i];
            ASSERT_EQ(p.kind, PrimitiveKind::Line);
            ASSERT_TRUE(p.hasColour(0, 0, 0));
            const double a = i < 20 ? 1 : -1;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                EXPECT_NEAR(q.z, Welle(e.Ende, 1, a, q.x), 2e-3);
                if (std::abs(std::abs(q.x) - 4) < 1e-3) {
                    EXPECT_NEAR(q.z, a * fall.rand, 2e-3) << "at the edge";
                }
                if (std::abs(q.x) < 1e-3) {
                    EXPECT_NEAR(q.z, a, 2e-3) << "in the middle";
                }
            }
        }
    }
}

TEST_F(KreisWellenBild, TheSwingingMembraneWithEverythingOn)
{
    // Order 2, fixed edge, amplitude 2, 8 radial and 12 angular steps; two ticks into a swing
    // of Q = 5, so the shape has 2/5 of the amplitude.
    e.Traeger = tWellenTraeger::Eben;
    e.Anzeige = tWellenAnzeige::Schwingung;
    e.Ordnung = 2;
    e.AmplitudeWert = 2;
    e.FktSchritte = 8;
    e.RotSchritte = 12;
    e.RotationsGitter = e.FunktionsFlaeche = true;
    const Frame f = Zeichnen(2);
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
    const double a = 0.4 * 2;

    // Web (8 steps on 12 meridians) and circles (9 radii of 12 pieces) in black, then the
    // cells, each a quad of two triangles: one side dark, the other light.
    EXPECT_EQ(AufWelle(f, 0, a, true), 8u * 12 + 9 * 12);
    EXPECT_EQ(AufWelle(f, W::DunklesGrau, a, true), 2u * 8 * 12);
    EXPECT_EQ(AufWelle(f, W::HellesGrau, a, true), 2u * 8 * 12);
    EXPECT_EQ(f.drawn().size(), 8u * 12 + 9 * 12 + 4 * 8 * 12) << "nothing else";
    std::vector<PrimitiveKind> folge;
    for (const Primitive& p : f.drawn())
        if (folge.empty() || folge.back() != p.kind)
            folge.push_back(p.kind);
    EXPECT_EQ(folge, (std::vector<PrimitiveKind>{PrimitiveKind::Line, PrimitiveKind::Polygon}))
        << "lines first, then faces";

    // Seen from above as the user sees it, the dark side faces up; the triangles without
    // area at the centre go with the culling.
    const Frame oben = SzenenBild::Zeichnen(szene, tSeiten::Vorn);
    EXPECT_EQ(oben.inColour(W::DunklesGrau, W::DunklesGrau, W::DunklesGrau).size(), 2u * 8 * 12 - 12);
    EXPECT_TRUE(oben.inColour(W::HellesGrau, W::HellesGrau, W::HellesGrau).empty());
}

TEST_F(KreisWellenBild, TheEnvelopeOfTheMembraneShowsBothShapes)
{
    // The +A shape's surface dark, the -A shape's light, each from both sides.
    e.Traeger = tWellenTraeger::Eben;
    e.Anzeige = tWellenAnzeige::Einhuellende;
    e.Ende = tWellenEnde::Offen;
    e.FktSchritte = 5;
    e.RotSchritte = 6;
    e.FunktionsFlaeche = true;
    const Frame f = Zeichnen();
    EXPECT_EQ(AufWelle(f, W::DunklesGrau, 1, true), 2u * 2 * 5 * 6);
    EXPECT_EQ(AufWelle(f, W::HellesGrau, -1, true), 2u * 2 * 5 * 6);
    EXPECT_EQ(f.inColour(0, 0, 0).size(), 2u * 5 * 6) << "both webs";
}

TEST_F(KreisWellenBild, NothingWhileSwitchedOff)
{
    e.StehendeWelle = false;
    e.FunktionsGitter = e.RotationsGitter = e.FunktionsFlaeche = true;
    for (const tWellenTraeger t : {tWellenTraeger::Linear, tWellenTraeger::Eben})
        for (const tWellenAnzeige anzeige :
             {tWellenAnzeige::Funktion, tWellenAnzeige::Einhuellende, tWellenAnzeige::Schwingung}) {
            e.Traeger = t;
            e.Anzeige = anzeige;
            EXPECT_TRUE(Zeichnen(3).drawn().empty());
        }
}
