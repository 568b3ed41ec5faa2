// The scene "Würfe in 3D": the model's throw arithmetic and formula texts as tables, and its
// picture read back through GL feedback. Every expectation is computed here from the physics
// of the throw (z(t) = h0 + vz t - g t²/2, x = vx t), not taken from the code under test.

#include "abweisung.h"
#include "core/allgemeinerfehler.h"
#include "expr/formelwert.h"
#include "scenes/physics/wurf.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

constexpr double G = 9.81;

// The test's own throw.
struct Wurf {
    double v0, grad, h0;
    double vx() const { return v0 * std::cos(grad * std::numbers::pi / 180); }
    double vz() const { return v0 * std::sin(grad * std::numbers::pi / 180); }
    double hoehe(double t) const { return h0 + vz() * t - G / 2 * t * t; }
    // Time and distance at which the ball is back at height 0.
    double flugzeit() const { return (vz() + std::sqrt(vz() * vz() + 2 * G * h0)) / G; }
    double weite() const { return vx() * flugzeit(); }
};

tWurfEinstellungen Eingaben(double v0, double grad, double h0, int position = 0)
{
    tWurfEinstellungen e;
    e.Abwurfgeschwindigkeit = v0;
    e.AbwurfwinkelGrad = grad;
    e.Abwurfhoehe = h0;
    e.KugelPosition = position;
    return e;
}

constexpr double RaumX = 5, RaumY = 5;  // the room's default upper bounds

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(Wurf, DefaultsGiveTheirRangeFlightTimeAndFormulaTexts)
{
    TWurf m;
    m.EinstellungenAendern(TWurf::Startwerte, RaumX, RaumY);
    EXPECT_EQ(m.FormelStrecke(), "-(9,81/(2*5*5))*x*x+(8,66025403784439/5)*x+0");
    EXPECT_EQ(m.FormelZeit(), "-(9,81/2)*x*x+8,66025403784439*x+0");
    EXPECT_NEAR(m.vx(), 5, 1e-12);
    EXPECT_NEAR(m.vz(), 8.66025403784439, 1e-12);
    EXPECT_NEAR(m.Abwurfwinkel(), std::numbers::pi / 3, 1e-15);
    EXPECT_EQ(m.StreckeAnf(), 0);
    EXPECT_EQ(m.ZeitAnf(), 0);
    EXPECT_NEAR(m.StreckeEnde(), 2 * 5 * 8.66025403784439 / G, 1e-12);
    EXPECT_NEAR(m.StreckeEnde(), 8.83, 0.005);
    EXPECT_NEAR(m.ZeitEnde(), 1.77, 0.005);
    EXPECT_EQ(m.KugelAnteil(), 0);
    EXPECT_EQ(m.KugelHoehe(), 0);
}

// The ball at the scroll bar's ends and in the middle, for throws from the ground, from above
// and from below: always at (vx t, t, z(t)) with t the share of the flight time.
TEST(Wurf, TheBallFollowsTheFlightWithTheScrollBar)
{
    const struct {
        const char* name;
        Wurf w;
        int position;
        double hoehe;  // where the ball must be, from the physics
    } faelle[] = {
        {"defaults, start: launch height", {10, 60, 0}, 0, 0},
        {"defaults, middle: the apex", {10, 60, 0}, 50, 75.0 / (2 * G)},
        {"defaults, end: the ground", {10, 60, 0}, 100, 0},
        {"from 5 m, start", {10, 60, 5}, 0, 5},
        {"from 5 m, end", {10, 60, 5}, 100, 0},
        {"from -3 m, start", {15, 45, -3}, 0, -3},
        {"from -3 m, end", {15, 45, -3}, 100, 0},
        {"steepest, fastest, highest", {20, 89, 10}, 100, 0},
        {"flattest, slowest, lowest with a root", {10, 30, -1}, 100, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TWurf m;
        m.EinstellungenAendern(Eingaben(f.w.v0, f.w.grad, f.w.h0, f.position), RaumX, RaumY);
        EXPECT_NEAR(m.ZeitEnde(), f.w.flugzeit(), 1e-9);
        EXPECT_NEAR(m.StreckeEnde(), f.w.weite(), 1e-9);
        const double t = f.w.flugzeit() * f.position / 100;
        EXPECT_NEAR(m.KugelAnteil(), f.position / 100.0, 1e-15);
        EXPECT_NEAR(m.KugelZeit(), t, 1e-9);
        EXPECT_NEAR(m.KugelStrecke(), f.w.vx() * t, 1e-9);
        EXPECT_NEAR(m.KugelHoehe(), f.hoehe, 1e-9);
        EXPECT_NEAR(m.KugelHoehe(), f.w.hoehe(t), 1e-9);
    }
    TWurf m;
    m.EinstellungenAendern(Eingaben(10, 60, 0, 50), RaumX, RaumY);
    EXPECT_NEAR(m.KugelHoehe(), 3.82, 0.005);
}

// The texts as the formula evaluator reads them: both describe the throw at every point,
// also with a negative launch height, whose sign stands right behind a plus sign.
TEST(Wurf, BothFormulaTextsEvaluateToTheThrow)
{
    const struct {
        Wurf w;
        const char* ende;
    } faelle[] = {
        {{10, 60, 0}, "*x+0"},   {{10, 60, -3}, "*x+-3"},   {{7, 20, 10}, "*x+10"},
        {{1, 1, -10}, "*x+-10"}, {{20, 89, -10}, "*x+-10"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.w.v0 << " m/s, " << f.w.grad << " Grad, " << f.w.h0 << " m");
        TWurf m;
        m.EinstellungenAendern(Eingaben(f.w.v0, f.w.grad, f.w.h0), RaumX, RaumY);
        EXPECT_TRUE(m.FormelStrecke().ends_with(f.ende)) << m.FormelStrecke();
        EXPECT_TRUE(m.FormelZeit().ends_with(f.ende)) << m.FormelZeit();
        EXPECT_EQ(m.FormelZeit().find('E'), std::string::npos) << "no exponent the evaluator cannot read";
        EXPECT_EQ(m.FormelStrecke().find('E'), std::string::npos);
        for (double t : {-2.0, 0.0, 0.3, 1.0, 2.5}) {
            const double x = f.w.vx() * t;
            EXPECT_NEAR(double(FormelWert(m.FormelZeit(), t)), f.w.hoehe(t), 1e-9) << "t = " << t;
            EXPECT_NEAR(double(FormelWert(m.FormelStrecke(), x)), f.w.hoehe(t), 1e-9) << "x = " << x;
        }
    }
}

// A throw from below whose apex stays below the ground has no root: the room's upper x and y
// bounds stand in for range and flight time.
TEST(Wurf, WithoutARootRangeAndTimeAreTheRoomsMaxima)
{
    const struct {
        const char* name;
        Wurf w;
        double raumX, raumY;
    } faelle[] = {
        {"1 m/s, 1 Grad, -10 m in the default room", {1, 1, -10}, 5, 5},
        {"the same in a stretched room", {1, 1, -10}, 12.5, 2.5},
        {"10 m/s straight up from -10 m stays below 0", {10, 89, -10}, 5, 5},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TWurf m;
        m.EinstellungenAendern(Eingaben(f.w.v0, f.w.grad, f.w.h0, 100), f.raumX, f.raumY);
        EXPECT_EQ(m.StreckeEnde(), f.raumX);
        EXPECT_EQ(m.ZeitEnde(), f.raumY);
        EXPECT_EQ(m.KugelZeit(), f.raumY);
        EXPECT_NEAR(m.KugelHoehe(), f.w.hoehe(f.raumY), 1e-9);
        EXPECT_LT(m.KugelHoehe(), 0);
    }
}

TEST(Wurf, RefusesNumbersNoControlCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        std::function<void(tWurfEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"speed 0 (typed)", [](auto& e) { e.Abwurfgeschwindigkeit = 0; },
         "Abwurfgeschwindigkeit: 0 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 20."},
        {"speed above", [](auto& e) { e.Abwurfgeschwindigkeit = 25; },
         "Abwurfgeschwindigkeit: 25 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 20."},
        {"angle 90", [](auto& e) { e.AbwurfwinkelGrad = 90; },
         "Abwurfwinkel: 90 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 89."},
        {"angle not whole", [](auto& e) { e.AbwurfwinkelGrad = 45.5; },
         "Abwurfwinkel: 45,5 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 89."},
        {"height below", [](auto& e) { e.Abwurfhoehe = -11; },
         "Abwurfhöhe: -11 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -10 bis 10."},
        {"height not a number", [nan](auto& e) { e.Abwurfhoehe = nan; },
         "Abwurfhöhe: NAN ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -10 bis 10."},
        {"position beyond the end", [](auto& e) { e.KugelPosition = 101; },
         "Position: 101 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 100."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TWurf m;
        tWurfEinstellungen vorher = Eingaben(12, 30, 4, 40);
        vorher.Wurf = true;
        m.EinstellungenAendern(vorher, RaumX, RaumY);
        const std::string formel = m.FormelZeit();
        const double ende = m.ZeitEnde(), hoehe = m.KugelHoehe();
        tWurfEinstellungen neu = TWurf::Startwerte;
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu, RaumX, RaumY); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_EQ(m.FormelZeit(), formel);
        EXPECT_EQ(m.ZeitEnde(), ende);
        EXPECT_EQ(m.KugelHoehe(), hoehe);
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Laenge(P3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }

struct Farbe {
    float r, g, b;
};
constexpr Farbe Rot{1, 0, 0}, Gruen{0, 1, 0}, Blau{0, 0, 1}, Schwarz{0, 0, 0};

// A throw from 2 m, so that no curve starts at the origin: 10 m/s at 60 degrees, the balls in
// the middle of the flight.
const Wurf W{10, 60, 2};
constexpr int Mitte = 50;

// Looking down the z axis onto the box -60..60 (400 pixels): every drawn vertex reads back
// as a model point. The box holds the whole functions over three times the flight.
class WurfBild : public ::testing::Test, protected SzenenBild {
protected:
    TWurf szene;

    WurfBild() : SzenenBild(400, 60) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    void Setzen(const std::function<void(tWurfEinstellungen&)>& schalter)
    {
        tWurfEinstellungen e = Eingaben(W.v0, W.grad, W.h0, Mitte);
        schalter(e);
        szene.EinstellungenAendern(e, RaumX, RaumY);
    }

    // Every face unless the program's culling is asked for.
    Frame Zeichnen(tSeiten seiten = tSeiten::Beide) { return SzenenBild::Zeichnen(szene, seiten); }

    static bool In(const Primitive& p, Farbe f) { return p.hasColour(f.r, f.g, f.b); }

    // The segments form one chain of `n` lines in the colour along `kurve` from parameter
    // von to bis in equal steps.
    void KettePruefen(const std::vector<Primitive>& linien, Farbe f, int n, double von, double bis,
                      const std::function<P3(double)>& kurve) const
    {
        ASSERT_EQ(int(linien.size()), n);
        const double d = (bis - von) / n;
        for (int i = 0; i < n; ++i) {
            const Primitive& l = linien[std::size_t(i)];
            ASSERT_EQ(l.kind, PrimitiveKind::Line);
            EXPECT_TRUE(In(l, f)) << l;
            EXPECT_LT(Laenge(Modell(l.vertices[0]) - kurve(von + i * d)), 1e-3) << "segment " << i;
            EXPECT_LT(Laenge(Modell(l.vertices[1]) - kurve(von + (i + 1) * d)), 1e-3) << "segment " << i;
        }
    }

    // Polygons of a ball: every corner at distance r from the centre, in the colour, and the
    // ball whole (the corners reach out to r along each axis).
    void BallPruefen(const std::vector<Primitive>& flaechen, Farbe f, P3 mitte, double r) const
    {
        ASSERT_FALSE(flaechen.empty());
        double oben = -1e9, unten = 1e9;
        for (const Primitive& p : flaechen) {
            EXPECT_EQ(p.kind, PrimitiveKind::Polygon);
            EXPECT_TRUE(In(p, f)) << p;
            for (const FeedbackVertex& v : p.vertices) {
                const P3 q = Modell(v);
                EXPECT_NEAR(Laenge(q - mitte), r, 2e-3) << q;
                oben = std::max(oben, q.z);
                unten = std::min(unten, q.z);
            }
        }
        EXPECT_NEAR(oben, mitte.z + r, 2e-3);
        EXPECT_NEAR(unten, mitte.z - r, 2e-3);
    }
};

P3 Bahn(double t) { return {W.vx() * t, 0, W.hoehe(t)}; }
P3 Senkrecht(double t) { return {0, t, W.hoehe(t)}; }
P3 Raum(double t) { return {W.vx() * t, t, W.hoehe(t)}; }

}  // namespace

// Each switch alone (with "Wurf" on) draws its own item where the throw puts it.
TEST_F(WurfBild, EachItemAloneLiesWhereTheThrowPutsIt)
{
    const double T = W.flugzeit(), t = T * Mitte / 100;
    ASSERT_LT(2 * W.weite(), Halbbreite);

    Setzen([](auto& e) { e.Wurf = e.HoeheStrecke2D = true; });
    Frame f = Zeichnen();
    {
        SCOPED_TRACE("trajectory, the flight: from (0, 0, h0) to (range, 0, 0)");
        KettePruefen(f.drawn(), Rot, 100, 0, T, Bahn);
        EXPECT_LT(Laenge(Modell(f.drawn().front().vertices[0]) - P3{0, 0, 2}), 1e-3);
        EXPECT_LT(Laenge(Modell(f.drawn().back().vertices[1]) - P3{W.weite(), 0, 0}), 1e-3);
    }
    Setzen([](auto& e) { e.Wurf = e.MatheStreckeFkt = true; });
    f = Zeichnen();
    {
        SCOPED_TRACE("trajectory, the whole function from -range to 2 range");
        KettePruefen(f.drawn(), Schwarz, 100, -T, 2 * T, Bahn);
    }
    Setzen([](auto& e) { e.Wurf = e.StreckePos = true; });
    {
        SCOPED_TRACE("trajectory's ball");
        BallPruefen(Zeichnen().drawn(), Rot, Bahn(t), 0.2);
    }
    Setzen([](auto& e) { e.Wurf = e.HoeheZeit2D = true; });
    f = Zeichnen();
    {
        SCOPED_TRACE("height over time, the flight: from (0, 0, h0) to (0, T, 0)");
        KettePruefen(f.drawn(), Gruen, 100, 0, T, Senkrecht);
        EXPECT_LT(Laenge(Modell(f.drawn().back().vertices[1]) - P3{0, T, 0}), 1e-3);
    }
    Setzen([](auto& e) { e.Wurf = e.MatheZeitFkt = true; });
    {
        SCOPED_TRACE("height over time, the whole function from -T to 2 T");
        KettePruefen(Zeichnen().drawn(), Schwarz, 100, -T, 2 * T, Senkrecht);
    }
    Setzen([](auto& e) { e.Wurf = e.ZeitPos = true; });
    {
        SCOPED_TRACE("height over time's ball");
        BallPruefen(Zeichnen().drawn(), Gruen, Senkrecht(t), 0.2);
    }
    Setzen([](auto& e) { e.Wurf = e.MatheStreckeZeitFkt = true; });
    {
        SCOPED_TRACE("space curve, the whole function from -T to 2 T as thin lines");
        KettePruefen(Zeichnen().drawn(), Schwarz, 100, -T, 2 * T, Raum);
    }
    Setzen([](auto& e) { e.Wurf = e.StreckeZeitPos = true; });
    {
        SCOPED_TRACE("space curve's ball");
        BallPruefen(Zeichnen().drawn(), Blau, Raum(t), 0.3);
    }
}

// The flight's space curve as 100 blue rods of radius 0,06 between the curve points
// P(i T/100): every corner lies on the rim or the axis of its rod, and rod after rod follows.
TEST_F(WurfBild, TheSpaceCurveIsAChainOfRods)
{
    Setzen([](auto& e) { e.Wurf = e.HoeheStreckeZeit3D = true; });
    const Frame f = Zeichnen();
    const double T = W.flugzeit(), d = T / 100;
    ASSERT_FALSE(f.drawn().empty());
    int stab = 0;  // the rod the corners belong to; rods only go forward
    bool ersterFuss = false, letzteSpitze = false;
    for (const Primitive& p : f.drawn()) {
        ASSERT_EQ(p.kind, PrimitiveKind::Polygon);
        ASSERT_TRUE(In(p, Blau)) << p;
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            // The nearest rod from the current one on: its axis from P1 to P2.
            bool gefunden = false;
            for (int i = stab; i < 100 && !gefunden; ++i) {
                const P3 p1 = Raum(i * d), p2 = Raum((i + 1) * d), e = p2 - p1;
                const double l = Laenge(e);
                const P3 r = q - p1;
                const double axial = (r.x * e.x + r.y * e.y + r.z * e.z) / l;
                const double radial = std::sqrt(std::max(0.0, Laenge(r) * Laenge(r) - axial * axial));
                if (axial > -1e-3 && axial < l + 1e-3 && (radial < 2e-3 || std::abs(radial - 0.06) < 2e-3)) {
                    gefunden = true;
                    stab = i;
                    ersterFuss = ersterFuss || (i == 0 && std::abs(axial) < 1e-3 && radial < 2e-3);
                    letzteSpitze = letzteSpitze || (i == 99 && std::abs(axial - l) < 1e-3 && radial < 2e-3);
                }
            }
            ASSERT_TRUE(gefunden) << q << " after rod " << stab;
        }
    }
    EXPECT_EQ(stab, 99) << "100 rods";
    EXPECT_TRUE(ersterFuss) << "the first rod starts at (0, 0, h0)";
    EXPECT_TRUE(letzteSpitze) << "the last rod ends at the landing point";
}

// The ground rectangle: two quadrilaterals in z = 0 over range x flight time, light grey
// one way round, darker grey the other; seen from above (culling on) only the darker one.
TEST_F(WurfBild, TheGroundRectangleShowsOneShadeOnEachSide)
{
    Setzen([](auto& e) { e.Wurf = e.Grundflaeche = true; });
    const double R = W.weite(), T = W.flugzeit();
    const struct {
        float grau;
        P3 ecken[4];
    } erwartet[] = {
        {0.6f, {{0, 0, 0}, {0, T, 0}, {R, T, 0}, {R, 0, 0}}},
        {0.5f, {{0, 0, 0}, {R, 0, 0}, {R, T, 0}, {0, T, 0}}},
    };
    // GL hands each quadrilateral back as two triangles over its corners.
    const Frame beide = Zeichnen(tSeiten::Beide);
    ASSERT_EQ(beide.drawn().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const Primitive& p = beide.drawn()[i];
        const auto& soll = erwartet[i / 2];
        ASSERT_EQ(p.kind, PrimitiveKind::Polygon);
        EXPECT_TRUE(p.hasColour(soll.grau, soll.grau, soll.grau)) << p;
        for (const FeedbackVertex& v : p.vertices) {
            int ecke = 0;
            while (ecke < 4 && Laenge(Modell(v) - soll.ecken[ecke]) > 1e-3)
                ++ecke;
            EXPECT_LT(ecke, 4) << Modell(v) << " is a corner";
        }
    }
    // Both triangles of a quadrilateral together cover it the way round its corners go:
    // the first one clockwise seen from above, the second one counter-clockwise.
    const auto flaeche = [this](const Primitive& p) {
        const P3 a = Modell(p.vertices[0]), b = Modell(p.vertices[1]), c = Modell(p.vertices[2]);
        return ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
    };
    EXPECT_NEAR(flaeche(beide.drawn()[0]) + flaeche(beide.drawn()[1]), -R * T, 1e-3);
    EXPECT_NEAR(flaeche(beide.drawn()[2]) + flaeche(beide.drawn()[3]), R * T, 1e-3);
    const Frame oben = Zeichnen(tSeiten::Vorn);
    ASSERT_EQ(oben.drawn().size(), 2u);
    for (const Primitive& p : oben.drawn())
        EXPECT_TRUE(p.hasColour(0.5f, 0.5f, 0.5f)) << p;
    // A pixel inside the rectangle shows the shade.
    const Rgba innen = Bei(oben, {R / 2, T / 2, 0});
    for (int kanal : {innen.r, innen.g, innen.b})
        EXPECT_NEAR(kanal, 127.5, 1) << innen;
}

// Everything on: the items come in their order, each in its colour, and the model-view matrix
// is back at the identity. With "Wurf" off nothing at all is drawn, whatever else is on.
TEST_F(WurfBild, AllItemsInTheirOrderAndNothingWithoutWurf)
{
    const auto alle = [](bool wurf) {
        return [wurf](tWurfEinstellungen& e) {
            e.Wurf = wurf;
            e.HoeheStrecke2D = e.MatheStreckeFkt = e.StreckePos = true;
            e.HoeheZeit2D = e.MatheZeitFkt = e.ZeitPos = true;
            e.HoeheStreckeZeit3D = e.MatheStreckeZeitFkt = e.StreckeZeitPos = e.Grundflaeche = true;
        };
    };
    Setzen(alle(true));
    const Frame f = Zeichnen();
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
    // Runs of one kind and colour, in order: rods and the space curve's ball are both blue
    // faces and make one run; the ground rectangle ends in its two greys.
    const struct {
        PrimitiveKind art;
        Farbe farbe;
        int anzahl;  // 0: any number
    } laeufe[] = {
        {PrimitiveKind::Line, Rot, 100},
        {PrimitiveKind::Line, Schwarz, 100},
        {PrimitiveKind::Polygon, Rot, 0},
        {PrimitiveKind::Line, Gruen, 100},
        {PrimitiveKind::Line, Schwarz, 100},
        {PrimitiveKind::Polygon, Gruen, 0},
        {PrimitiveKind::Polygon, Blau, 0},
        {PrimitiveKind::Line, Schwarz, 100},
        {PrimitiveKind::Polygon, Blau, 0},
        {PrimitiveKind::Polygon, {0.6f, 0.6f, 0.6f}, 2},
        {PrimitiveKind::Polygon, {0.5f, 0.5f, 0.5f}, 2},
    };
    std::size_t i = 0;
    const auto& alles = f.drawn();
    for (const auto& l : laeufe) {
        int n = 0;
        while (i < alles.size() && alles[i].kind == l.art && In(alles[i], l.farbe)) {
            ++i;
            ++n;
        }
        EXPECT_TRUE(l.anzahl == 0 ? n > 0 : n == l.anzahl) << "run " << &l - laeufe << ": " << n << " primitives; next "
                                                           << (i < alles.size() ? alles[i] : Primitive{});
    }
    EXPECT_EQ(i, alles.size()) << "nothing after the ground rectangle";

    Setzen(alle(false));
    EXPECT_TRUE(Zeichnen().drawn().empty());
    Setzen([](auto& e) { e.Grundflaeche = e.StreckeZeitPos = true; });
    EXPECT_TRUE(Zeichnen().drawn().empty());
}

// Without a root the curves run over the room's bounds: the flight's height-over-time part
// from t = 0 to the room's y maximum.
TEST_F(WurfBild, WithoutARootTheFlightRunsToTheRoomsBounds)
{
    tWurfEinstellungen e = Eingaben(1, 1, -10);
    e.Wurf = e.HoeheZeit2D = e.HoeheStrecke2D = true;
    szene.EinstellungenAendern(e, 2, 1.5);
    const Frame f = Zeichnen();
    const Wurf w{1, 1, -10};
    const auto rot = f.inColour(1, 0, 0), gruen = f.inColour(0, 1, 0);
    KettePruefen(rot, Rot, 100, 0, 2 / w.vx(), [&w](double t) { return P3{w.vx() * t, 0, w.hoehe(t)}; });
    KettePruefen(gruen, Gruen, 100, 0, 1.5, [&w](double t) { return P3{0, t, w.hoehe(t)}; });
}
