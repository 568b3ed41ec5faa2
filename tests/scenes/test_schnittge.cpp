// The intersection scene: that its examples really intersect as the window promises, which
// settings the model takes, what the window shows for each pair, how the arrow buttons step
// a typed number, and the picture of one pair seen straight from above. Intersections and positions are worked
// out here from the geometry, not read from the scene's code.

#include "abweisung.h"
#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"
#include "scenes/math/schnittge.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace orbisto;

namespace {

using Art = TSchnittGE::tSchnittart;

tVektor3 V(const std::array<int, 3>& a) { return {double(a[0]), double(a[1]), double(a[2])}; }
double Skalar(tVektor3 a, tVektor3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
tVektor3 Kreuz(tVektor3 a, tVektor3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// x lies on the line p + t·u (a real line: u is not zero).
bool AufGerade(tVektor3 x, tVektor3 p, tVektor3 u) { return u.Laenge() > 0 && Kreuz(x - p, u).Laenge() == 0; }

// x lies in the plane p + s·u + t·v (a real plane: u and v are not parallel).
bool InEbene(tVektor3 x, tVektor3 p, tVektor3 u, tVektor3 v)
{
    const tVektor3 n = Kreuz(u, v);
    return n.Laenge() > 0 && Skalar(x - p, n) == 0;
}

}  // namespace

TEST(SchnittGE, EveryExampleIntersectsAsItsEnteredResultSays)
{
    const struct {
        int nr;
        Art art;
    } faelle[] = {
        {1, Art::g1g2}, {1, Art::g1E2}, {1, Art::E1E2},  // y = 2 and x = -2: every pair meets at xs
        {2, Art::g1E2}, {2, Art::E1E2}, {2, Art::g1g2},  // x + y = 6 and x = y
        {3, Art::g1g2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(::testing::Message() << "example " << f.nr << ", pair " << static_cast<int>(f.art));
        const TSchnittGE::tBeispiel& b = TSchnittGE::Beispiel(f.nr);
        const tVektor3 p1 = V(b.P1), u1 = V(b.U1), v1 = V(b.V1), p2 = V(b.P2), u2 = V(b.U2), v2 = V(b.V2);
        switch (f.art) {
        case Art::g1g2:
            EXPECT_TRUE(AufGerade(b.PS, p1, u1));
            EXPECT_TRUE(AufGerade(b.PS, p2, u2));
            break;
        case Art::g1E2:
            EXPECT_TRUE(AufGerade(b.PS, p1, u1));
            EXPECT_TRUE(InEbene(b.PS, p2, u2, v2));
            break;
        case Art::E1E2:
            // The whole line lies in both planes: its point and a second point on it.
            ASSERT_GT(b.US.Laenge(), 0);
            for (const tVektor3 x : {b.PS, b.PS + b.US}) {
                EXPECT_TRUE(InEbene(x, p1, u1, v1));
                EXPECT_TRUE(InEbene(x, p2, u2, v2));
            }
            break;
        }
    }
}

TEST(SchnittGE, ExamplesFitTheSpinEditsAndThereAreThree)
{
    for (int nr = 1; nr <= TSchnittGE::BeispielAnzahl; ++nr) {
        const TSchnittGE::tBeispiel& b = TSchnittGE::Beispiel(nr);
        for (const auto* v : {&b.P1, &b.U1, &b.V1, &b.P2, &b.U2, &b.V2})
            for (int k : *v)
                EXPECT_TRUE(k >= -10 && k <= 10) << "example " << nr << " needs " << k;
    }
    EXPECT_THROW(TSchnittGE::Beispiel(0), std::out_of_range);
    EXPECT_THROW(TSchnittGE::Beispiel(4), std::out_of_range);
}

TEST(SchnittGE, StartsWithExample1AndEverySwitchOff)
{
    const TSchnittGE m;
    const tSchnittGEEinstellungen& e = m.Einstellungen();
    EXPECT_FALSE(e.Darstellung || e.g1E1 || e.g2E2 || e.VieleOrtsvektoren1 || e.VieleOrtsvektoren2 || e.SElement ||
                 e.SVektoren || e.SQuader);
    EXPECT_EQ(e.Schnittart, Art::g1g2);
    const TSchnittGE::tBeispiel& b = TSchnittGE::Beispiel(1);
    EXPECT_EQ(e.P1, V(b.P1));
    EXPECT_EQ(e.U1, V(b.U1));
    EXPECT_EQ(e.V1, V(b.V1));
    EXPECT_EQ(e.P2, V(b.P2));
    EXPECT_EQ(e.U2, V(b.U2));
    EXPECT_EQ(e.V2, V(b.V2));
    EXPECT_EQ(e.PS, b.PS);
    EXPECT_EQ(e.US, b.US);
}

// Every component of the objects is a whole number from -10 to 10, as the spin edits hold
// it; the entered intersection is any number the free fields read.
TEST(SchnittGE, RefusesComponentsNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string erlaubt = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -10 bis 10.";
    const struct {
        const char* name;
        std::function<void(tSchnittGEEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"P1 x above", [](auto& e) { e.P1.x = 11; }, "Punkt g1/E1, x-Komponente: 11" + erlaubt},
        {"U1 y below", [](auto& e) { e.U1.y = -11; }, "Richtung 1 von g1/E1, y-Komponente: -11" + erlaubt},
        {"V1 z not whole", [](auto& e) { e.V1.z = 0.5; }, "Richtung 2 von E1, z-Komponente: 0,5" + erlaubt},
        {"P2 x not a number", [nan](auto& e) { e.P2.x = nan; }, "Punkt g2/E2, x-Komponente: NAN" + erlaubt},
        {"U2 y infinite", [inf](auto& e) { e.U2.y = inf; }, "Richtung 1 von g2/E2, y-Komponente: INF" + erlaubt},
        {"V2 z far out", [](auto& e) { e.V2.z = 1000; }, "Richtung 2 von E2, z-Komponente: 1000" + erlaubt},
        {"the first bad field is named", [](auto& e) { e.V2.x = e.P1.z = 20; },
         "Punkt g1/E1, z-Komponente: 20" + erlaubt},
    };
    tSchnittGEEinstellungen vorher;
    vorher.Darstellung = vorher.SElement = true;
    vorher.Schnittart = Art::E1E2;
    vorher.P1 = {10, -10, 10};
    vorher.V2 = {-10, 10, -10};
    vorher.PS = {0.25, -1e300, inf};  // free numbers
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TSchnittGE m;
        ASSERT_NO_THROW(m.EinstellungenAendern(vorher));
        ASSERT_EQ(m.Einstellungen(), vorher);
        tSchnittGEEinstellungen neu;
        neu.g1E1 = true;
        neu.PS = {7, 7, 7};
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
    }

    // Every example is taken.
    for (int nr = 1; nr <= TSchnittGE::BeispielAnzahl; ++nr) {
        const TSchnittGE::tBeispiel& b = TSchnittGE::Beispiel(nr);
        tSchnittGEEinstellungen e;
        e.P1 = V(b.P1), e.U1 = V(b.U1), e.V1 = V(b.V1);
        e.P2 = V(b.P2), e.U2 = V(b.U2), e.V2 = V(b.V2);
        e.PS = b.PS, e.US = b.US;
        TSchnittGE m;
        EXPECT_NO_THROW(m.EinstellungenAendern(e)) << "example " << nr;
        EXPECT_EQ(m.Einstellungen(), e) << "example " << nr;
    }
}

TEST(SchnittGE, CaptionsAndRowsFollowThePair)
{
    const struct {
        Art art;
        const char *objekt1, *objekt2;
        bool s1, s2, rs;
        const char *element, *vektoren;
        bool quader;
    } faelle[] = {
        {Art::g1g2, "g1:", "g2:", false, false, false, "Schnittpunkt", "Ortsvektor", true},
        {Art::g1E2, "g1:", "E2:", false, true, false, "Schnittpunkt", "Ortsvektor", true},
        {Art::E1E2, "E1:", "E2:", true, true, true, "Schnittgerade", "Ortsvektoren", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(static_cast<int>(f.art));
        const TSchnittGE::tBeschriftung b = TSchnittGE::Beschriftung(f.art);
        EXPECT_EQ(b.Objekt1, f.objekt1);
        EXPECT_EQ(b.Objekt2, f.objekt2);
        EXPECT_EQ(b.S1Sichtbar, f.s1);
        EXPECT_EQ(b.S2Sichtbar, f.s2);
        EXPECT_EQ(b.RSSichtbar, f.rs);
        EXPECT_EQ(b.Element, f.element);
        EXPECT_EQ(b.Vektoren, f.vektoren);
        EXPECT_EQ(b.QuaderSichtbar, f.quader);
    }
}

TEST(SchnittGE, ArrowButtonsStepTheTypedNumberByWholeUnits)
{
    const struct {
        const char* text;
        int schritt;
        const char* danach;
    } faelle[] = {
        {"1,5", 1, "2,5"},         {"1,5", -1, "0,5"},
        {"-0,5", 1, "0,5"},        {"0", -1, "-1"},
        {" 3 ", 1, "4"},           {"0,1", 1, "1,1"},
        {"2,5E-5", 1, "1,000025"}, {"-1E-20", 1, "1"},
        {"1E20", 1, "1E20"},       {"123456789012345", 1, "123456789012346"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TSchnittGE::KomponenteSchritt(f.text, f.schritt), f.danach) << f.text << " " << f.schritt;

    for (const char* keineZahl : {"", "abc", "1.5", "1,5,2", "- 1"}) {
        try {
            TSchnittGE::KomponenteSchritt(keineZahl, 1);
            ADD_FAILURE() << "'" << keineZahl << "' was taken for a number";
        } catch (const KonvertierungsFehler& e) {
            EXPECT_EQ(e.what(), "'" + std::string(keineZahl) + "' ist kein gültiger Gleitkommawert");
        }
    }
}

// ---- The picture ---------------------------------------------------------------------
// Straight down the z axis (or up it, turned about x) onto the box -15..15, 10 pixels per
// unit, with the program's depth test and back-face culling. Arrows are as thick as with
// a tick interval of 1.

namespace {

class SchnittGEBild : public ::testing::Test, protected SzenenBild {
protected:
    TSchnittGE szene;
    tSchnittGEEinstellungen einst;  // handed to the scene by Zeichnen

    SchnittGEBild() : SzenenBild(300, 15) {}

    void Blick(bool vonUnten) { Drehungen = vonUnten ? std::vector{VonUnten} : std::vector<tDrehung>{}; }

    Frame Zeichnen()
    {
        szene.EinstellungenAendern(einst);
        return SzenenBild::Zeichnen(szene);
    }

    void AllesAn(Art art)
    {
        einst.Darstellung = einst.g1E1 = einst.g2E2 = true;
        einst.VieleOrtsvektoren1 = einst.VieleOrtsvektoren2 = true;
        einst.SElement = einst.SVektoren = einst.SQuader = true;
        einst.Schnittart = art;
    }
};

Rgba Pixel(double r, double g, double b)
{
    const auto byte = [](double c) { return static_cast<std::uint8_t>(std::lround(c * 255)); };
    return {byte(r), byte(g), byte(b), 255};
}

// Equal up to the rounding of a shade such as 0,7 (178,5) to a byte.
::testing::AssertionResult Gleich(Rgba ist, Rgba soll)
{
    const auto nah = [](int a, int b) { return std::abs(a - b) <= 1; };
    if (nah(ist.r, soll.r) && nah(ist.g, soll.g) && nah(ist.b, soll.b) && ist.a == soll.a)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ist << " instead of " << soll;
}

bool Farbe(const FeedbackVertex& v, double r, double g, double b)
{
    constexpr double tol = 0.6 / 255;
    return std::fabs(v.r - r) <= tol && std::fabs(v.g - g) <= tol && std::fabs(v.b - b) <= tol;
}

// Distance of x from the line through p along u, and from the segment a-b.
double AbstandGerade(tVektor3 x, tVektor3 p, tVektor3 u) { return Kreuz(x - p, u).Laenge() / u.Laenge(); }
double AbstandStrecke(tVektor3 x, tVektor3 a, tVektor3 b)
{
    const tVektor3 d = b - a;
    const double t = std::clamp(Skalar(x - a, d) / Skalar(d, d), 0.0, 1.0);
    return (x - (a + t * d)).Laenge();
}

using Ort = std::tuple<double, double, double>;
Ort Gerundet(tVektor3 p)
{
    const auto r = [](double v) { return std::round(v * 1000) / 1000 + 0.0; };
    return {r(p.x), r(p.y), r(p.z)};
}

}  // namespace

TEST_F(SchnittGEBild, NothingIsDrawnWhileTheSceneIsOffWhateverElseIsOn)
{
    for (Art art : {Art::g1g2, Art::g1E2, Art::E1E2}) {
        SCOPED_TRACE(static_cast<int>(art));
        AllesAn(art);
        einst.Darstellung = false;
        einst.P1 = {1, 2, 3};
        einst.U1 = einst.V2 = {1, 0, 0};
        einst.V1 = einst.U2 = {0, 1, 0};
        einst.PS = einst.US = {1, 1, 1};
        const Frame f = Zeichnen();
        EXPECT_TRUE(f.drawn().empty());
        EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
    }
}

// A line g1 through the plane E2: y = z - 1, both with all their position vectors, and the
// point where they meet entered right, with its position vector and coordinate box.
TEST_F(SchnittGEBild, LineThroughPlaneWithEverythingOn)
{
    AllesAn(Art::g1E2);
    const tVektor3 p1{2, -1, 3}, u1{0, 1, -1};  // meets y = z - 1 at t = 1,5
    // The plane y = z - 1: it misses the origin, so no grid point is the origin, and its one
    // grid point on the z axis lies above the origin (the head of an arrow straight down
    // faces away), so every position vector has a tip to look for.
    const tVektor3 p2{0, 0, 1}, u2{1, 0, 0}, v2{0, 1, 1};
    const tVektor3 xs{2, 0.5, 1.5};
    einst.P1 = p1;
    einst.U1 = u1;
    einst.V1 = {5, 5, 5};  // a plane's second direction: a line ignores it
    einst.P2 = p2;
    einst.U2 = u2;
    einst.V2 = v2;
    einst.PS = xs;
    einst.US = {3, 3, 3};  // only two planes have an intersection line

    const Frame f = Zeichnen();
    EXPECT_EQ(f.glError(), 0u);
    EXPECT_EQ(ModellAnsichtAbweichung(), "") << "the model-view matrix is left as it was";

    // Everything drawn is one of these, in this order: the line in green with its light
    // green position vectors, the plane in pale blue with its blue position vectors, the
    // point and its vector in red, the box in black. Arrow discs come in twice the colour.
    enum Teil { Gerade1, Vektoren1, Ebene2, Vektoren2, Rot, Quader, Unbekannt };
    const auto teil = [](const FeedbackVertex& v) {
        if (Farbe(v, 0, 0.8, 0))
            return Gerade1;
        if (Farbe(v, 0.3, 1, 0.3) || Farbe(v, 0.6, 1, 0.6))
            return Vektoren1;
        if (Farbe(v, 0.7, 0.7, 1) || Farbe(v, 0.7, 0.7, 0.9))
            return Ebene2;
        if (Farbe(v, 0.3, 0.3, 1) || Farbe(v, 0.6, 0.6, 1))
            return Vektoren2;
        if (Farbe(v, 1, 0, 0))
            return Rot;
        if (Farbe(v, 0, 0, 0))
            return Quader;
        return Unbekannt;
    };
    std::vector<Teil> folge;
    std::vector<std::vector<tVektor3>> ecken(Unbekannt + 1);
    for (const Primitive& p : f.drawn())
        for (const FeedbackVertex& v : p.vertices) {
            const Teil t = teil(v);
            if (folge.empty() || folge.back() != t)
                folge.push_back(t);
            ecken[t].push_back(Modellpunkt(v));
        }
    EXPECT_EQ(folge, (std::vector<Teil>{Gerade1, Vektoren1, Ebene2, Vektoren2, Rot, Quader}));

    // The line: a rod of radius 0,02 on g1, reaching out of the room on both sides (the
    // room ends at t = -12, where z = 15, and at t = 16, where y = 15).
    double tMin = 1e9, tMax = -1e9;
    for (const tVektor3& e : ecken[Gerade1]) {
        EXPECT_LE(AbstandGerade(e, p1, u1), 0.02 + 1e-3);
        const double t = Skalar(e - p1, u1) / Skalar(u1, u1);
        tMin = std::min(tMin, t);
        tMax = std::max(tMax, t);
    }
    EXPECT_NEAR(tMin, -12, 0.05);
    EXPECT_NEAR(tMax, 16, 0.05);

    // The position vectors: an arrow tip at every point p1 + i·u1 and p2 + i·u2 + j·v2.
    const auto spitzen = [&](Teil t) {
        std::set<Ort> s;
        for (const tVektor3& e : ecken[t])
            s.insert(Gerundet(e));
        return s;
    };
    const std::set<Ort> spitzen1 = spitzen(Vektoren1), spitzen2 = spitzen(Vektoren2);
    for (int i = -10; i <= 10; ++i) {
        EXPECT_TRUE(spitzen1.contains(Gerundet(p1 + i * u1))) << "g1, i = " << i;
        for (int j = -10; j <= 10; ++j)
            EXPECT_TRUE(spitzen2.contains(Gerundet(p2 + i * u2 + j * v2))) << "E2, i = " << i << ", j = " << j;
    }
    // ... and nothing else than arrows from the origin: thickness 0,02, heads twice that.
    for (const tVektor3& e : ecken[Vektoren1]) {
        double naechste = 1e9;
        for (int i = -10; i <= 10; ++i)
            naechste = std::min(naechste, AbstandStrecke(e, {}, p1 + i * u1));
        EXPECT_LE(naechste, 0.04 + 1e-3);
    }

    // The plane: its four corners p2 ± 10·u2 ± 10·v2, all in y = z - 1.
    std::set<Ort> ebene;
    for (const tVektor3& e : ecken[Ebene2]) {
        EXPECT_NEAR(e.y, e.z - 1, 1e-3);
        ebene.insert(Gerundet(e));
    }
    std::set<Ort> soll;
    for (int s : {-10, 10})
        for (int t : {-10, 10})
            soll.insert(Gerundet(p2 + s * u2 + t * v2));
    EXPECT_EQ(ebene, soll);

    // The point: a ball of radius 0,1 at xs; its arrow from the origin ends there.
    int kugel = 0;
    bool spitze = false;
    for (const tVektor3& e : ecken[Rot]) {
        const double d = (e - xs).Laenge();
        kugel += std::fabs(d - 0.1) < 2e-3;
        spitze = spitze || d < 1e-3;
        EXPECT_TRUE(d <= 0.1 + 1e-3 || AbstandStrecke(e, {}, xs) <= 0.06 + 1e-3) << "red off the point and its vector";
    }
    EXPECT_GT(kugel, 10);
    EXPECT_TRUE(spitze);

    // The box: the twelve edges of the box from the origin to xs, as lines.
    std::set<std::pair<Ort, Ort>> kanten;
    for (const Primitive& p : f.drawn())
        if (p.kind == PrimitiveKind::Line && teil(p.vertices[0]) == Quader) {
            const Ort a = Gerundet(Modellpunkt(p.vertices[0])), b = Gerundet(Modellpunkt(p.vertices[1]));
            kanten.insert(a < b ? std::pair{a, b} : std::pair{b, a});
        }
    std::set<std::pair<Ort, Ort>> sollKanten;
    const double x[2] = {0, xs.x}, y[2] = {0, xs.y}, z[2] = {0, xs.z};
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            const std::pair<tVektor3, tVektor3> k3[] = {{{0, y[a], z[b]}, {xs.x, y[a], z[b]}},
                                                        {{x[a], 0, z[b]}, {x[a], xs.y, z[b]}},
                                                        {{x[a], y[b], 0}, {x[a], y[b], xs.z}}};
            for (const auto& [von, bis] : k3)
                sollKanten.insert({Gerundet(von), Gerundet(bis)});
        }
    EXPECT_EQ(kanten, sollKanten);
}

// Two planes: each shows its light shade on the side its directions turn counter-clockwise
// towards (u × v) and a darker one behind; the nearer plane covers the other.
TEST_F(SchnittGEBild, PlanesShowTheirFrontAndBackShades)
{
    einst.Darstellung = true;
    einst.Schnittart = Art::E1E2;
    einst.P1 = {0, 0, 2};  // z = 2, front upwards
    einst.U1 = {1, 0, 0};
    einst.V1 = {0, 1, 0};
    einst.P2 = {0, 0, -2};  // z = -2, front downwards
    einst.U2 = {0, 1, 0};
    einst.V2 = {1, 0, 0};
    const Rgba gruenVorn = Pixel(0.7, 1, 0.7), gruenHinten = Pixel(0.7, 0.9, 0.7);
    const Rgba blauVorn = Pixel(0.7, 0.7, 1), blauHinten = Pixel(0.7, 0.7, 0.9);
    const struct {
        bool e1, e2, unten;
        Rgba mitte;
    } faelle[] = {
        {true, false, false, gruenVorn}, {true, false, true, gruenHinten}, {false, true, false, blauHinten},
        {false, true, true, blauVorn},   {true, true, false, gruenVorn},   {true, true, true, blauVorn},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << "E1 " << fall.e1 << ", E2 " << fall.e2 << (fall.unten ? ", below" : ""));
        einst.g1E1 = fall.e1;
        einst.g2E2 = fall.e2;
        Blick(fall.unten);
        const Frame f = Zeichnen();
        EXPECT_TRUE(Gleich(Bei(f, {3, 4, 0}), fall.mitte));
        // Ten times the directions either way, and not beyond.
        EXPECT_TRUE(Gleich(Bei(f, {9.8, -9.8, 0}), fall.mitte));
        EXPECT_EQ(Bei(f, {10.3, 0, 0}), (Rgba{255, 255, 255, 255}));
    }
}

// Two planes meeting in the entered line: a red rod of radius 0,1 through xs along rs,
// the 21 position vectors of its points xs + i·rs in light red, and no box.
TEST_F(SchnittGEBild, IntersectionLineOfTwoPlanesWithItsPositionVectors)
{
    AllesAn(Art::E1E2);
    einst.g1E1 = einst.g2E2 = false;
    const tVektor3 xs{1, -1, 2}, rs{0.5, 0.5, 0};
    einst.PS = xs;
    einst.US = rs;
    const Frame f = Zeichnen();

    std::set<Ort> spitzen;
    for (const Primitive& p : f.drawn())
        for (const FeedbackVertex& v : p.vertices) {
            const tVektor3 e = Modellpunkt(v);
            if (Farbe(v, 1, 0, 0)) {
                EXPECT_LE(AbstandGerade(e, xs, rs), 0.1 + 1e-3);
            } else {
                ASSERT_TRUE(Farbe(v, 1, 0.3, 0.3) || Farbe(v, 1, 0.6, 0.6)) << p;
                spitzen.insert(Gerundet(e));
            }
        }
    EXPECT_EQ(f.count(PrimitiveKind::Line), 0) << "a box for two planes";
    for (int i = -10; i <= 10; ++i)
        EXPECT_TRUE(spitzen.contains(Gerundet(xs + i * rs))) << i;
}
