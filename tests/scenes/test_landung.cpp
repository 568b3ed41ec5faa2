// The scene "Flugzeug-Landung": the model's derived points as tables, and its picture through
// GL feedback. Every expectation is computed here from the scene's rules (the approach turned
// 27° from the y axis towards -x, the fixes at 5, 10 and 15 km on a slope of 0,06, the pieces
// with their corners, colours and order), not taken from the code under test.

#include "abweisung.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"
#include "scenes/math/landung.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

// Plain arithmetic of the test, independent of tVektor3.
struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }
double Skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Laenge(P3 a) { return std::sqrt(Skalar(a, a)); }
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }
P3 Von(const tVektor3& v) { return {v.x, v.y, v.z}; }

const double Phi = 27 * std::numbers::pi / 180;

// A point of the runway's frame (approach along +y) in the room: turned 27° about z.
P3 Gedreht(P3 p) { return {p.x * std::cos(Phi) - p.y * std::sin(Phi), p.x * std::sin(Phi) + p.y * std::cos(Phi), p.z}; }
// d km out along the approach, h km high.
P3 Anflug(double d, double h) { return Gedreht({0, d, h}); }

const P3 Fix1 = Anflug(5, 0.3), Fix2 = Anflug(10, 0.6), Fix3 = Anflug(15, 0.9);

// The aircraft at p km flies 20 m above the glide path; its arrow points 1 km nearer.
P3 Flugzeug(int p) { return Anflug(p, 0.06 * p + 0.02); }
P3 FlugzeugSpitze(int p) { return Anflug(p - 1, 0.06 * p + 0.02); }

void Nahe(const tVektor3& ist, P3 soll, double tol = 1e-12)
{
    EXPECT_NEAR(ist.x, soll.x, tol);
    EXPECT_NEAR(ist.y, soll.y, tol);
    EXPECT_NEAR(ist.z, soll.z, tol);
}

tLandungEinstellungen Alles(int position = 15, double wolken = 3000)
{
    tLandungEinstellungen e;
    e.Darstellung = e.AnflugGerade = e.AnflugStrecke = e.Steigung = e.Beschriftung = e.Radar = e.Boden = e.Landebahn =
        e.Wolken = e.Flugzeug = true;
    e.Position = position;
    e.Wolkenhoehe = wolken;
    return e;
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(Landung, StartsWithEverythingOffTheCloudsAt3000mAndTheAircraftAt15km)
{
    const TLandung m;
    EXPECT_EQ(m.Einstellungen(), tLandungEinstellungen{});
    EXPECT_FALSE(m.Einstellungen().Darstellung || m.Einstellungen().Flugzeug);
    EXPECT_EQ(m.Einstellungen().Wolkenhoehe, 3000);
    EXPECT_EQ(m.Einstellungen().Position, 15);
    EXPECT_DOUBLE_EQ(m.WolkenhoeheKm(), 3);
    Nahe(m.FlugzeugPos(), Flugzeug(15));
}

TEST(Landung, FixesLieOnTheGlidePathTurned27Degrees)
{
    const TLandung m;
    const struct {
        P3 soll;
        double d, h;
    } fixe[] = {{Fix1, 5, 0.3}, {Fix2, 10, 0.6}, {Fix3, 15, 0.9}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const P3 f = Von(m.Fixe()[i]);
        Nahe(m.Fixe()[i], fixe[i].soll);
        EXPECT_NEAR(std::hypot(f.x, f.y), fixe[i].d, 1e-12) << "distance from the threshold";
        EXPECT_NEAR(f.z / fixe[i].d, 0.06, 1e-12) << "slope 0,9 / 15";
        EXPECT_NEAR(std::atan2(-f.x, f.y) * 180 / std::numbers::pi, 27, 1e-12) << "turned towards -x";
    }
    // As the description rounds them: the last fix and the approach line's ends.
    EXPECT_NEAR(m.Fixe()[2].x, -6.81, 0.005);
    EXPECT_NEAR(m.Fixe()[2].y, 13.37, 0.005);
    const P3 anfang = -1 * Von(m.Fixe()[2]), ende = 3 * Von(m.Fixe()[2]);
    for (auto [ist, soll] : {std::pair{anfang, P3{6.81, -13.37, -0.9}}, {ende, P3{-20.43, 40.10, 2.7}}}) {
        EXPECT_NEAR(ist.x, soll.x, 0.005);
        EXPECT_NEAR(ist.y, soll.y, 0.005);
        EXPECT_NEAR(ist.z, soll.z, 1e-12);
    }
}

TEST(Landung, TheAircraftFollowsTheScrollBar20mAboveTheGlidePath)
{
    const struct {
        int p;
        P3 gerundet;  // where the description puts it, to two decimals (none: not given)
        bool gegeben;
    } faelle[] = {
        {15, {-6.81, 13.37, 0.92}, true}, {0, {0, 0, 0.02}, true}, {1, {}, false}, {7, {}, false}, {14, {}, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.p);
        TLandung m;
        tLandungEinstellungen e;
        e.Position = f.p;
        m.EinstellungenAendern(e);
        Nahe(m.FlugzeugPos(), Flugzeug(f.p));
        Nahe(m.FlugzeugZiel(), FlugzeugSpitze(f.p));
        const P3 pfeil = Von(m.FlugzeugZiel()) - Von(m.FlugzeugPos());
        EXPECT_NEAR(Laenge(pfeil), 1, 1e-12) << "an arrow of 1 km";
        EXPECT_EQ(pfeil.z, 0) << "level";
        EXPECT_LT(Skalar(pfeil, Von(m.Fixe()[0])), 0) << "towards the runway";
        if (f.gegeben) {
            for (auto [ist, soll] : {std::pair{m.FlugzeugPos().x, f.gerundet.x},
                                     {m.FlugzeugPos().y, f.gerundet.y},
                                     {m.FlugzeugPos().z, f.gerundet.z}})
                EXPECT_NEAR(ist, soll, 0.005);
        }
    }
    // At 15 km the arrow starts 20 m above the last fix.
    const TLandung m;
    EXPECT_NEAR(m.FlugzeugPos().z - m.Fixe()[2].z, 0.02, 1e-12);
    EXPECT_NEAR(m.FlugzeugPos().x, m.Fixe()[2].x, 1e-12);
}

TEST(Landung, CloudHeightInMetresBecomesKilometres)
{
    for (const auto& [m, km] : {std::pair{0.0, 0.0}, {100.0, 0.1}, {1500.0, 1.5}, {3000.0, 3.0}}) {
        TLandung l;
        tLandungEinstellungen e;
        e.Wolkenhoehe = m;
        l.EinstellungenAendern(e);
        EXPECT_DOUBLE_EQ(l.WolkenhoeheKm(), km) << m;
    }
}

TEST(Landung, RefusesNumbersNoControlCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string wolken = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 3000.";
    const std::string position = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 15.";
    const struct {
        const char* name;
        std::function<void(tLandungEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"clouds above the range", [](auto& e) { e.Wolkenhoehe = 3001; }, "Wolkenhöhe: 3001" + wolken},
        {"clouds below the ground", [](auto& e) { e.Wolkenhoehe = -100; }, "Wolkenhöhe: -100" + wolken},
        {"clouds not whole", [](auto& e) { e.Wolkenhoehe = 150.5; }, "Wolkenhöhe: 150,5" + wolken},
        {"clouds not a number", [nan](auto& e) { e.Wolkenhoehe = nan; }, "Wolkenhöhe: NAN" + wolken},
        {"aircraft beyond the last fix", [](auto& e) { e.Position = 16; }, "Flugzeug-Position: 16" + position},
        {"aircraft past the threshold", [](auto& e) { e.Position = -1; }, "Flugzeug-Position: -1" + position},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TLandung m;
        const tLandungEinstellungen vorher = Alles(4, 700);
        m.EinstellungenAendern(vorher);
        tLandungEinstellungen neu;
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        Nahe(m.FlugzeugPos(), Flugzeug(4));
        EXPECT_DOUBLE_EQ(m.WolkenhoeheKm(), 0.7);
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

struct Farbe {
    float r, g, b;
};

// The three shades of a 24-bit colour (red in the low byte): full, back (0,9 x full) and
// dark (bytes / 382).
struct Stufen {
    Farbe voll, rueck, dunkel;
};
Stufen StufenVon(std::uint32_t farbe)
{
    const float r = farbe & 0xFF, g = (farbe >> 8) & 0xFF, b = (farbe >> 16) & 0xFF;
    return {{r / 255, g / 255, b / 255}, {0.9f * r / 255, 0.9f * g / 255, 0.9f * b / 255}, {r / 382, g / 382, b / 382}};
}
const Stufen Gelb = StufenVon(0x00FFFF), Grau = StufenVon(0x808080), Cyan = StufenVon(0xFFFF00),
             Hellgrau = StufenVon(0xC0C0C0), Rot = StufenVon(0x0000FF);

bool Ist(const Primitive& p, Farbe f) { return p.hasColour(f.r, f.g, f.b); }

// The pieces of the scene, in the order it draws them.
enum class Teil { Steigung, Landebahn, Radar, Gerade, Strecke, Text, Boden, Wolken, Flugzeug, Fremd };
const char* const TeilNamen[] = {"Steigung", "Landebahn", "Radar",  "Gerade",   "Strecke",
                                 "Text",     "Boden",     "Wolken", "Flugzeug", "fremd"};
std::ostream& operator<<(std::ostream& os, Teil t) { return os << TeilNamen[int(t)]; }

// Faces of a piece come in its full and back shades, its edges in the dark one.
bool InStufen(const Primitive& p, const Stufen& s)
{
    return p.kind == PrimitiveKind::Line ? Ist(p, s.dunkel) : Ist(p, s.voll) || Ist(p, s.rueck) || Ist(p, s.dunkel);
}

// Looking down the z axis onto the box -45..45, so the approach line fits whole and every
// vertex reads back as its model point.
class LandungBild : public ::testing::Test, protected SzenenBild {
protected:
    TLandung szene;

    LandungBild() : SzenenBild(450, 45) {}

    P3 Modell(const FeedbackVertex& v) const { return ModellpunktAls<P3>(v); }

    Teil Zuordnen(const Primitive& p) const
    {
        if (p.kind == PrimitiveKind::Bitmap)
            return Teil::Text;
        if (Ist(p, {0, 0, 0}))
            return p.kind == PrimitiveKind::Line ? Teil::Gerade : Teil::Strecke;
        if (InStufen(p, Gelb))
            return Teil::Steigung;
        if (InStufen(p, Cyan))
            return Teil::Radar;
        if (InStufen(p, Rot))
            return Teil::Flugzeug;
        // Grey faces and light grey edges are nearly the same shade; the kind tells them apart.
        if (p.kind == PrimitiveKind::Polygon ? Ist(p, Grau.voll) || Ist(p, Grau.rueck) : Ist(p, Grau.dunkel))
            return Teil::Landebahn;
        if (InStufen(p, Hellgrau))
            return Modell(p.vertices[0]).z < 1.5 ? Teil::Boden : Teil::Wolken;
        return Teil::Fremd;
    }

    // The pieces as they follow each other in the feedback, runs folded into one.
    std::vector<Teil> Folge(const Frame& f) const
    {
        std::vector<Teil> folge;
        for (const Primitive& p : f.drawn())
            if (const Teil t = Zuordnen(p); folge.empty() || folge.back() != t)
                folge.push_back(t);
        return folge;
    }

    std::vector<Primitive> Von(const Frame& f, Teil t) const
    {
        std::vector<Primitive> l;
        for (const Primitive& p : f.drawn())
            if (Zuordnen(p) == t)
                l.push_back(p);
        return l;
    }

    // Every vertex of the piece is one of its corners, and every corner is drawn, as a face
    // in the full and the back shade and with its edges in the dark one.
    void EckenPruefen(const std::vector<Primitive>& teil, const std::vector<P3>& ecken, const Stufen& s) const
    {
        std::vector<bool> gesehen(ecken.size());
        bool voll = false, rueck = false, kanten = false;
        for (const Primitive& p : teil) {
            voll = voll || (p.kind == PrimitiveKind::Polygon && Ist(p, s.voll));
            rueck = rueck || (p.kind == PrimitiveKind::Polygon && Ist(p, s.rueck));
            kanten = kanten || (p.kind == PrimitiveKind::Line && Ist(p, s.dunkel));
            for (const FeedbackVertex& v : p.vertices) {
                bool bekannt = false;
                for (std::size_t i = 0; i < ecken.size(); ++i)
                    if (Laenge(Modell(v) - ecken[i]) < 2e-3)
                        bekannt = gesehen[i] = true;
                EXPECT_TRUE(bekannt) << Modell(v) << " is no corner";
            }
        }
        for (std::size_t i = 0; i < ecken.size(); ++i)
            EXPECT_TRUE(gesehen[i]) << "corner " << ecken[i];
        EXPECT_TRUE(voll && rueck && kanten) << "faces both ways and edges";
    }

    // A plane through (0, 5, z) with normal z, ten unit steps each way: the square
    // -10 <= x <= 10, -5 <= y <= 15 at height z, face and rim, no grid.
    void EbenePruefen(const std::vector<Primitive>& teil, double z) const
    {
        EckenPruefen(teil, {{-10, -5, z}, {10, -5, z}, {10, 15, z}, {-10, 15, z}}, Hellgrau);
    }

    // The arrow from the aircraft to 1 km nearer: tip and base centre drawn, nothing wider
    // than its head (twice the shaft radius 0,05 x xSchritt) off the axis.
    void FlugzeugPruefen(const std::vector<Primitive>& teil, int p) const
    {
        const P3 von = Flugzeug(p), nach = FlugzeugSpitze(p), e = nach - von;
        const double kopf = 2 * 0.05 * k.xSchritt;
        bool spitze = false, fuss = false, rot = false;
        for (const Primitive& t : teil) {
            rot = rot || Ist(t, Rot.voll);
            for (const FeedbackVertex& v : t.vertices) {
                const P3 q = Modell(v) - von;
                const double axial = Skalar(q, e), radial = Laenge(q - axial * e);
                EXPECT_TRUE(axial > -1e-3 && axial < 1 + 1e-3 && radial < kopf + 1e-3) << Modell(v);
                spitze = spitze || Laenge(Modell(v) - nach) < 1e-3;
                fuss = fuss || Laenge(q) < 1e-3;
            }
        }
        EXPECT_TRUE(spitze) << "tip at " << nach;
        EXPECT_TRUE(fuss) << "base at " << von;
        EXPECT_TRUE(rot) << "faces in red";
    }
};

// A scene drawn before this one that leaves its own colour current.
struct Vorgaenger : Szene {
    Szene& danach;
    explicit Vorgaenger(Szene& s) : danach(s) {}
    void SzeneZeichnen(TKoSys& k) override
    {
        k.FarbeSetzen({1, 0, 0});
        danach.SzeneZeichnen(k);
    }
};

}  // namespace

TEST_F(LandungBild, EveryPieceInItsOrderPlaceAndColour)
{
    szene.EinstellungenAendern(Alles(15, 3000));
    const Frame f = SzenenBild::Zeichnen(szene, tSeiten::Beide);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(Folge(f), (std::vector<Teil>{Teil::Steigung, Teil::Landebahn, Teil::Radar, Teil::Gerade, Teil::Strecke,
                                           Teil::Text, Teil::Boden, Teil::Wolken, Teil::Flugzeug}));

    // In the runway's frame, turned 27° about z.
    EckenPruefen(Von(f, Teil::Steigung), {Gedreht({0, 15, 0}), Gedreht({0, 15, 0.9}), {0, 0, 0}}, Gelb);
    EckenPruefen(Von(f, Teil::Landebahn),
                 {Gedreht({-0.2, -3.8, 0}), Gedreht({0.2, -3.8, 0}), Gedreht({0.2, 0.2, 0}), Gedreht({-0.2, 0.2, 0})},
                 Grau);
    EckenPruefen(Von(f, Teil::Radar),
                 {Gedreht({0, 15, 0}), Gedreht({0, 15, 1.8}), {0, 0, 0}, Gedreht({-1, 15, 0.9}), Gedreht({1, 15, 0.9})},
                 Cyan);

    // The approach line from -Fix3 to 3 Fix3 through the threshold.
    const auto gerade = Von(f, Teil::Gerade);
    ASSERT_EQ(gerade.size(), 1u);
    const P3 a = Modell(gerade[0].vertices[0]), b = Modell(gerade[0].vertices[1]);
    EXPECT_LT(std::min(Laenge(a - (-1 * Fix3)) + Laenge(b - 3 * Fix3), Laenge(b - (-1 * Fix3)) + Laenge(a - 3 * Fix3)),
              2e-3)
        << a << " " << b;

    // The approach path: a rod of radius 0,03 from the last fix to the threshold and balls
    // of radius 0,06 at the three fixes.
    const P3 fixe[] = {Fix1, Fix2, Fix3};
    bool kugel[3] = {};
    for (const Primitive& p : Von(f, Teil::Strecke))
        for (const FeedbackVertex& v : p.vertices) {
            const P3 q = Modell(v);
            const double axial = std::clamp(Skalar(q, Fix3) / Skalar(Fix3, Fix3), 0.0, 1.0);
            bool nahe = Laenge(q - axial * Fix3) < 0.03 + 1e-3;
            for (int i = 0; i < 3; ++i) {
                const double r = Laenge(q - fixe[i]);
                kugel[i] = kugel[i] || std::abs(r - 0.06) < 1e-3;
                nahe = nahe || r < 0.06 + 1e-3;
            }
            EXPECT_TRUE(nahe) << q;
        }
    EXPECT_TRUE(kugel[0] && kugel[1] && kugel[2]);

    // The names start 0,2 right of their fix.
    const auto text = Von(f, Teil::Text);
    for (const P3& fix : fixe) {
        bool da = false;
        for (const Primitive& p : text)
            da = da || Laenge(Modell(p.vertices[0]) - (fix + P3{0.2, 0, 0})) < 2e-3;
        EXPECT_TRUE(da) << "a name at " << fix;
    }

    EbenePruefen(Von(f, Teil::Boden), 0);
    EbenePruefen(Von(f, Teil::Wolken), 3);
    FlugzeugPruefen(Von(f, Teil::Flugzeug), 15);
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(LandungBild, EachSwitchAddsItsOwnPieceOnly)
{
    const struct {
        Teil teil;
        bool tLandungEinstellungen::*schalter;
    } faelle[] = {
        {Teil::Steigung, &tLandungEinstellungen::Steigung},     {Teil::Landebahn, &tLandungEinstellungen::Landebahn},
        {Teil::Radar, &tLandungEinstellungen::Radar},           {Teil::Gerade, &tLandungEinstellungen::AnflugGerade},
        {Teil::Strecke, &tLandungEinstellungen::AnflugStrecke}, {Teil::Text, &tLandungEinstellungen::Beschriftung},
        {Teil::Boden, &tLandungEinstellungen::Boden},           {Teil::Wolken, &tLandungEinstellungen::Wolken},
        {Teil::Flugzeug, &tLandungEinstellungen::Flugzeug},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(TeilNamen[int(fall.teil)]);
        tLandungEinstellungen e;
        e.Darstellung = true;
        e.*fall.schalter = true;
        szene.EinstellungenAendern(e);
        const Frame f = SzenenBild::Zeichnen(szene, tSeiten::Beide);
        EXPECT_EQ(Folge(f), std::vector<Teil>{fall.teil});
    }
}

TEST_F(LandungBild, AtTheThresholdTheAircraftPointsAlongTheRunway)
{
    tLandungEinstellungen e;
    e.Darstellung = e.Flugzeug = true;
    e.Position = 0;
    szene.EinstellungenAendern(e);
    const Frame f = SzenenBild::Zeichnen(szene, tSeiten::Beide);
    FlugzeugPruefen(Von(f, Teil::Flugzeug), 0);
    const P3 spitze = FlugzeugSpitze(0);
    EXPECT_NEAR(spitze.x, std::sin(Phi), 1e-12);  // 1 km down the runway, 20 m up
    EXPECT_NEAR(spitze.y, -std::cos(Phi), 1e-12);
}

TEST_F(LandungBild, TheNamesAreBlackWhateverColourWasSetBefore)
{
    tLandungEinstellungen e;
    e.Darstellung = e.Beschriftung = true;
    szene.EinstellungenAendern(e);
    Vorgaenger vorher(szene);
    const Frame f = SzenenBild::Zeichnen(vorher, tSeiten::Beide);
    const auto text = f.ofKind(PrimitiveKind::Bitmap);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.size(), f.drawn().size()) << "only the names";
    for (const Primitive& p : text)
        EXPECT_TRUE(Ist(p, {0, 0, 0})) << p;
}

TEST_F(LandungBild, CloudsAtHeight0LieInTheGroundPlane)
{
    tLandungEinstellungen boden, wolken;
    boden.Darstellung = boden.Boden = true;
    wolken.Darstellung = wolken.Wolken = true;
    wolken.Wolkenhoehe = 0;
    szene.EinstellungenAendern(boden);
    const Frame a = SzenenBild::Zeichnen(szene, tSeiten::Beide);
    szene.EinstellungenAendern(wolken);
    const Frame b = SzenenBild::Zeichnen(szene, tSeiten::Beide);
    EbenePruefen(b.drawn(), 0);
    ASSERT_EQ(a.drawn().size(), b.drawn().size());
    for (std::size_t i = 0; i < a.drawn().size(); ++i)
        for (std::size_t j = 0; j < a.drawn()[i].vertices.size(); ++j) {
            const FeedbackVertex &u = a.drawn()[i].vertices[j], &v = b.drawn()[i].vertices[j];
            EXPECT_TRUE(u.x == v.x && u.y == v.y && u.z == v.z && u.r == v.r) << "piece " << i;
        }
}

TEST_F(LandungBild, NothingWhileDarstellungIsOffEvenWithEverySwitchOn)
{
    tLandungEinstellungen e = Alles();
    e.Darstellung = false;
    szene.EinstellungenAendern(e);
    const Frame f = SzenenBild::Zeichnen(szene, tSeiten::Beide);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST(LandungImDurchgang, TheRenderPassDrawsTheSceneOnlyWhileItIsOn)
{
    HeadlessFrame frame(300, 300);
    Programm ohne, mit;
    auto szene = std::make_unique<TLandung>();
    TLandung& modell = *szene;
    mit.Szenen.Setzen(SzenenNr::Landung, std::move(szene));
    const auto durchgang = [&](Programm& p) {
        return frame.render([&] { Zeichnen(p, frame.ressourcen(), 300, 300); });
    };

    const Frame leer = durchgang(ohne);
    tLandungEinstellungen e = Alles(5, 500);
    e.Darstellung = false;
    modell.EinstellungenAendern(e);
    const Frame aus = durchgang(mit);
    EXPECT_TRUE(aus.image() == leer.image()) << "switched off, the scene leaves the picture as it is";
    EXPECT_EQ(aus.drawn().size(), leer.drawn().size());

    e.Darstellung = true;
    e.Wolken = false;  // it would hide the rest from above
    modell.EinstellungenAendern(e);
    const Frame an = durchgang(mit);
    EXPECT_GT(an.drawn().size(), leer.drawn().size());
    EXPECT_GT(an.countPixels([](Rgba c) { return c.r == 0 && c.g == c.b && c.g >= 229; }), 0)
        << "the radar in cyan, either side";
}
