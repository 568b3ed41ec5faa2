// The cuboid net of a 4 x 3 x 2 box: where each face lies folded and unfolded, which of
// its sides shows in which shade, the edges that outline it, and the picture seen straight
// from above and from below. Every expectation is worked out here from the geometry of
// folding a box open, not read from the scene's code.

#include "abweisung.h"
#include "core/allgemeinerfehler.h"
#include "scenes/math/quadernetz.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace orbisto;

namespace {

using Seite = TQuaderNetz::tSeite;
using Mass = TQuaderNetz::tMass;
using Farbe = tRGB;

constexpr double L = 4, B = 3, H = 2;

// Which faces lie open.
struct Klappen {
    bool DF = false, VF = false, RF = false, LS = false, RS = false;
};
constexpr Klappen AlleZu{}, AlleAuf{true, true, true, true, true};

// Every one of the 32 ways to fold the box.
std::vector<Klappen> AlleLagen()
{
    std::vector<Klappen> lagen;
    for (int i = 0; i < 32; ++i)
        lagen.push_back({(i & 1) != 0, (i & 2) != 0, (i & 4) != 0, (i & 8) != 0, (i & 16) != 0});
    return lagen;
}

// The L x B x H box with everything shown and these faces open.
tQuaderNetzEinstellungen Alles(Klappen k)
{
    tQuaderNetzEinstellungen e;
    e.Quader = e.Kanten = e.Flaechen = true;
    e.Laenge = L;
    e.Breite = B;
    e.Hoehe = H;
    e.DF = k.DF;
    e.VF = k.VF;
    e.RF = k.RF;
    e.LS = k.LS;
    e.RS = k.RS;
    return e;
}

void Setzen(TQuaderNetz& netz, Klappen k) { netz.EinstellungenAendern(Alles(k)); }

std::string Name(Klappen k)
{
    std::string s = "open:";
    s += k.DF ? " DF" : "";
    s += k.VF ? " VF" : "";
    s += k.RF ? " RF" : "";
    s += k.LS ? " LS" : "";
    s += k.RS ? " RS" : "";
    return s;
}

using Punkt = std::tuple<double, double, double>;
Punkt P(const tVektor3& v) { return {v.x, v.y, v.z}; }

std::set<Punkt> Menge(const std::array<tVektor3, 4>& ecken)
{
    std::set<Punkt> m;
    for (const tVektor3& e : ecken)
        m.insert(P(e));
    return m;
}

// A rod as its two ends, whichever way round it was drawn.
std::pair<Punkt, Punkt> Enden(const TQuaderNetz::tStab& s)
{
    const Punkt a = P(s.Von), b = P(s.Bis);
    return a < b ? std::pair{a, b} : std::pair{b, a};
}

double Skalar(tVektor3 a, tVektor3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
tVektor3 Kreuz(tVektor3 a, tVektor3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

double Groesse(Mass m) { return m == Mass::Laenge ? L : m == Mass::Breite ? B : H; }

// The side of a face that is inside the closed box, wherever the face lies now. Turning a
// side face outwards about its base edge turns its inside up; the top keeps its angle to
// the back face and turns with it.
tVektor3 Innen(Klappen k, Seite s)
{
    const tVektor3 oben{0, 0, 1};
    switch (s) {
    case Seite::Grund: return oben;
    case Seite::Vorder: return k.VF ? oben : tVektor3{0, 1, 0};
    case Seite::Links: return k.LS ? oben : tVektor3{1, 0, 0};
    case Seite::Rechts: return k.RS ? oben : tVektor3{-1, 0, 0};
    case Seite::Rueck: return k.RF ? oben : tVektor3{0, -1, 0};
    case Seite::Deck:
        if (!k.DF && !k.RF)
            return {0, 0, -1};  // the lid, looking down into the box
        if (k.DF && k.RF)
            return oben;    // flat beyond the lying back face
        return {0, -1, 0};  // upright above the standing back face, or at the far edge of the lying one
    }
    return {};
}

bool Blass(Farbe f) { return std::min({f.R, f.G, f.B}) == 0.8f; }

}  // namespace

TEST(QuaderNetz, StartsAsTheWindowOpensAFoldedFourByThreeByTwoBoxWithEdgesOn)
{
    const TQuaderNetz netz;
    tQuaderNetzEinstellungen soll;
    soll.Quader = soll.Flaechen = false;
    soll.Kanten = true;
    soll.DF = soll.VF = soll.RF = soll.LS = soll.RS = false;
    soll.Laenge = 4;
    soll.Breite = 3;
    soll.Hoehe = 2;
    EXPECT_EQ(netz.Einstellungen(), soll);
}

// A dimension a spin edit cannot hold is refused with the German message naming the field,
// and nothing at all is stored, not even the valid parts of the same change.
TEST(QuaderNetz, RefusesADimensionNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string erlaubt = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 1 bis 5.";
    const struct {
        const char* name;
        std::function<void(tQuaderNetzEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"length below the range", [](auto& e) { e.Laenge = 0; }, "Länge: 0" + erlaubt},
        {"breadth above the range", [](auto& e) { e.Breite = 6; }, "Breite: 6" + erlaubt},
        {"height not whole", [](auto& e) { e.Hoehe = 2.5; }, "Höhe: 2,5" + erlaubt},
        {"height not a number", [nan](auto& e) { e.Hoehe = nan; }, "Höhe: NAN" + erlaubt},
        {"the first bad field is named", [](auto& e) { e.Hoehe = e.Laenge = -1; }, "Länge: -1" + erlaubt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TQuaderNetz netz;
        const tQuaderNetzEinstellungen vorher = Alles(AlleAuf);
        netz.EinstellungenAendern(vorher);
        tQuaderNetzEinstellungen neu = Alles(AlleZu);
        neu.Laenge = neu.Breite = neu.Hoehe = 1;
        f.verderben(neu);
        ErwarteAbweisung([&] { netz.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(netz.Einstellungen(), vorher) << "nothing stored";
    }
    // The ends of the range are allowed.
    TQuaderNetz netz;
    tQuaderNetzEinstellungen e = Alles(AlleZu);
    e.Laenge = 1;
    e.Breite = 5;
    e.Hoehe = 1;
    EXPECT_NO_THROW(netz.EinstellungenAendern(e));
    EXPECT_EQ(netz.Einstellungen(), e);
}

TEST(QuaderNetz, EachFaceFoldsAndUnfoldsAboutItsBaseEdge)
{
    const struct {
        const char* name;
        Seite seite;
        Klappen eigene;  // the switches this face depends on
        std::vector<Punkt> ecken;
    } faelle[] = {
        {"base", Seite::Grund, {}, {{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}},
        {"front folded", Seite::Vorder, {}, {{0, 0, 0}, {4, 0, 0}, {4, 0, 2}, {0, 0, 2}}},
        {"front unfolded", Seite::Vorder, {.VF = true}, {{0, 0, 0}, {4, 0, 0}, {4, -2, 0}, {0, -2, 0}}},
        {"left folded", Seite::Links, {}, {{0, 0, 0}, {0, 3, 0}, {0, 3, 2}, {0, 0, 2}}},
        {"left unfolded", Seite::Links, {.LS = true}, {{0, 0, 0}, {0, 3, 0}, {-2, 3, 0}, {-2, 0, 0}}},
        {"right folded", Seite::Rechts, {}, {{4, 0, 0}, {4, 3, 0}, {4, 3, 2}, {4, 0, 2}}},
        {"right unfolded", Seite::Rechts, {.RS = true}, {{4, 0, 0}, {4, 3, 0}, {6, 3, 0}, {6, 0, 0}}},
        {"back folded", Seite::Rueck, {}, {{0, 3, 0}, {4, 3, 0}, {4, 3, 2}, {0, 3, 2}}},
        {"back unfolded", Seite::Rueck, {.RF = true}, {{0, 3, 0}, {4, 3, 0}, {4, 5, 0}, {0, 5, 0}}},
        {"top on the box", Seite::Deck, {}, {{0, 0, 2}, {4, 0, 2}, {4, 3, 2}, {0, 3, 2}}},
        {"top open above the standing back", Seite::Deck, {.DF = true}, {{0, 3, 2}, {4, 3, 2}, {4, 3, 5}, {0, 3, 5}}},
        {"top upright at the lying back", Seite::Deck, {.RF = true}, {{0, 5, 0}, {4, 5, 0}, {4, 5, 3}, {0, 5, 3}}},
        {"top flat beyond the lying back",
         Seite::Deck,
         {.DF = true, .RF = true},
         {{0, 5, 0}, {4, 5, 0}, {4, 8, 0}, {0, 8, 0}}},
    };
    for (const auto& fall : faelle) {
        // The switches of the other faces, all shut or all open, must not move this one.
        for (bool andere : {false, true}) {
            Klappen k{andere, andere, andere, andere, andere};
            switch (fall.seite) {
            case Seite::Grund: break;
            case Seite::Vorder: k.VF = fall.eigene.VF; break;
            case Seite::Links: k.LS = fall.eigene.LS; break;
            case Seite::Rechts: k.RS = fall.eigene.RS; break;
            case Seite::Rueck: k.RF = fall.eigene.RF; break;
            case Seite::Deck:
                k.DF = fall.eigene.DF;
                k.RF = fall.eigene.RF;
                break;
            }
            SCOPED_TRACE(::testing::Message() << fall.name << ", " << Name(k));
            TQuaderNetz netz;
            Setzen(netz, k);
            const auto e = netz.Ecken(fall.seite);
            EXPECT_EQ(Menge(e), std::set<Punkt>(fall.ecken.begin(), fall.ecken.end()));
            // The corners go round the rectangle, so the face is one quadrilateral, not a bow tie.
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(Skalar(e[(i + 1) % 4] - e[i], e[(i + 2) % 4] - e[(i + 1) % 4]), 0) << "corner " << i;
        }
    }
}

TEST(QuaderNetz, EveryFaceShowsItsPaleShadeInsideTheBoxAndItsStrongShadeOutside)
{
    const struct {
        Seite seite;
        Farbe blass, kraeftig;
    } farben[] = {
        {Seite::Grund, {1, 1, 0.8f}, {1, 1, 0.4f}}, {Seite::Vorder, {1, 0.8f, 1}, {1, 0.4f, 1}},
        {Seite::Links, {0.8f, 1, 1}, {0.4f, 1, 1}}, {Seite::Rechts, {0.8f, 1, 1}, {0.4f, 1, 1}},
        {Seite::Rueck, {1, 0.8f, 1}, {1, 0.4f, 1}}, {Seite::Deck, {1, 1, 0.8f}, {1, 1, 0.4f}},
    };
    for (const Klappen& k : AlleLagen()) {
        TQuaderNetz netz;
        Setzen(netz, k);
        for (const auto& f : farben) {
            SCOPED_TRACE(::testing::Message() << Name(k) << ", face " << static_cast<int>(f.seite));
            const auto ecken = netz.Ecken(f.seite);
            const auto [erste, zweite] = netz.Farben(f.seite);
            ASSERT_NE(Blass(erste), Blass(zweite));
            EXPECT_TRUE((Blass(erste) ? erste : zweite) == f.blass);
            EXPECT_TRUE((Blass(erste) ? zweite : erste) == f.kraeftig);
            // Counter-clockwise seen from where this normal points; the second copy runs
            // the other way round.
            const tVektor3 vorn = Kreuz(ecken[1] - ecken[0], ecken[2] - ecken[0]);
            const tVektor3 blassVorn = Blass(erste) ? vorn : -1 * vorn;
            EXPECT_GT(Skalar(blassVorn, Innen(k, f.seite)), 0);
        }
    }
}

TEST(QuaderNetz, EdgesOutlineTheFacesAsRodsOfTheirDimensionWithBallsAtEveryEnd)
{
    for (const Klappen& k : AlleLagen()) {
        SCOPED_TRACE(Name(k));
        TQuaderNetz netz;
        Setzen(netz, k);
        std::set<Punkt> kugeln;
        std::vector<TQuaderNetz::tStab> staebe;
        for (Seite s : TQuaderNetz::Seiten) {
            const auto e = netz.Ecken(s);
            const std::set<Punkt> ecken = Menge(e);
            const auto zug = netz.Kantenzug(s);
            // The base brings its whole outline; every other face the three edges it adds.
            EXPECT_EQ(zug.Ecken.size(), s == Seite::Grund ? 4u : 2u);
            EXPECT_EQ(zug.Staebe.size(), s == Seite::Grund ? 4u : 3u);
            std::set<std::pair<Punkt, Punkt>> eigene;
            for (const tVektor3& p : zug.Ecken) {
                EXPECT_TRUE(ecken.contains(P(p)));
                kugeln.insert(P(p));
            }
            for (const auto& stab : zug.Staebe) {
                EXPECT_TRUE(ecken.contains(P(stab.Von)) && ecken.contains(P(stab.Bis)));
                EXPECT_EQ((stab.Bis - stab.Von).Laenge(), Groesse(stab.Mass));
                EXPECT_TRUE(eigene.insert(Enden(stab)).second) << "a rod twice";
                staebe.push_back(stab);
            }
        }
        for (const auto& stab : staebe)
            EXPECT_TRUE(kugeln.contains(P(stab.Von)) && kugeln.contains(P(stab.Bis)));
    }
}

TEST(QuaderNetz, ClosedBoxIsAWireCuboidOfEightCornersAndTwelveEdges)
{
    TQuaderNetz netz;
    Setzen(netz, AlleZu);
    std::set<Punkt> kugeln;
    std::set<std::pair<Punkt, Punkt>> kanten[3];
    for (Seite s : TQuaderNetz::Seiten) {
        const auto zug = netz.Kantenzug(s);
        for (const tVektor3& p : zug.Ecken)
            kugeln.insert(P(p));
        for (const auto& stab : zug.Staebe)
            kanten[static_cast<int>(stab.Mass)].insert(Enden(stab));
    }
    EXPECT_EQ(kugeln, (std::set<Punkt>{
                          {0, 0, 0}, {4, 0, 0}, {0, 3, 0}, {4, 3, 0}, {0, 0, 2}, {4, 0, 2}, {0, 3, 2}, {4, 3, 2}}));
    for (const auto& k : kanten)
        EXPECT_EQ(k.size(), 4u);
}

TEST(QuaderNetz, TheNetReachesAsFarAsItsUnfoldedFacesCarryIt)
{
    const struct {
        const char* name;
        Klappen k;
        tVektor3 min, max;
    } faelle[] = {
        {"closed box", AlleZu, {0, 0, 0}, {4, 3, 2}},
        {"cross-shaped net on the ground", AlleAuf, {-2, -2, 0}, {6, 8, 0}},
        {"top open above the standing back", {.DF = true}, {0, 0, 0}, {4, 3, 5}},
        {"top upright at the lying back", {.RF = true}, {0, 0, 0}, {4, 5, 3}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TQuaderNetz netz;
        Setzen(netz, fall.k);
        tVektor3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
        const auto dazu = [&](const tVektor3& p) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        };
        for (Seite s : TQuaderNetz::Seiten) {
            for (const tVektor3& p : netz.Ecken(s))
                dazu(p);
            for (const auto& stab : netz.Kantenzug(s).Staebe) {
                dazu(stab.Von);
                dazu(stab.Bis);
            }
        }
        EXPECT_TRUE(lo == fall.min) << lo.x << ' ' << lo.y << ' ' << lo.z;
        EXPECT_TRUE(hi == fall.max) << hi.x << ' ' << hi.y << ' ' << hi.z;
    }
}

// ---- The picture ---------------------------------------------------------------------
// Straight down the z axis (or up it, turned about x) onto the box -10..10, 10 pixels per
// unit, with the program's depth test and back-face culling.

namespace {

struct Ort {
    double x, y, z;
};

class QuaderNetzBild : public ::testing::Test, protected SzenenBild {
protected:
    TQuaderNetz netz;

    QuaderNetzBild() : SzenenBild(200, 10) {}

    void Blick(bool vonUnten) { Drehungen = vonUnten ? std::vector{VonUnten} : std::vector<tDrehung>{}; }

    Frame Zeichnen() { return SzenenBild::Zeichnen(netz); }

    // The model point of a drawn vertex.
    Ort Modell(const FeedbackVertex& v) const { return ModellpunktAls<Ort>(v); }
};

double Flaeche(const Primitive& p)
{
    double a = 0;
    for (std::size_t i = 0; i < p.vertices.size(); ++i) {
        const auto &u = p.vertices[i], &v = p.vertices[(i + 1) % p.vertices.size()];
        a += double(u.x) * v.y - double(v.x) * u.y;
    }
    return std::fabs(a) / 2;
}

double Abstand(Ort p, Ort q) { return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z); }

// Distance of q from the segment a-b.
double Abstand(Ort q, Ort a, Ort b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double t =
        std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy + (q.z - a.z) * dz) / (dx * dx + dy * dy + dz * dz), 0.0, 1.0);
    return std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy, q.z - a.z - t * dz);
}

Rgba Pixel(float r, float g, float b)
{
    const auto byte = [](float c) { return static_cast<std::uint8_t>(std::lround(c * 255)); };
    return {byte(r), byte(g), byte(b), 255};
}

}  // namespace

TEST_F(QuaderNetzBild, NothingIsDrawnWhileTheSceneIsOffWhateverElseIsOn)
{
    tQuaderNetzEinstellungen e = Alles(AlleAuf);
    e.Quader = false;
    netz.EinstellungenAendern(e);
    const Frame f = Zeichnen();
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}

// All five faces open: the cross-shaped net on the ground. From above the inside of every
// face shows in its pale shade, from below the outside in its strong one; edges are rods
// along the outlines, corners black balls.
TEST_F(QuaderNetzBild, UnfoldedNetSeenFromAboveAndBelow)
{
    Setzen(netz, AlleAuf);
    struct Teil {
        Ort mitte;
        std::vector<Ort> ecken;
    };
    const struct {
        float r, g, b;  // the hue, with 0 where the shade puts 0,8 or 0,4
        std::vector<Teil> flaechen;
    } farben[] = {
        {1,
         1,
         0,
         {{{2, 1.5, 0}, {{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}},    // base
          {{2, 6.5, 0}, {{0, 5, 0}, {4, 5, 0}, {4, 8, 0}, {0, 8, 0}}}}},  // top
        {1,
         0,
         1,
         {{{2, -1, 0}, {{0, 0, 0}, {0, -2, 0}, {4, -2, 0}, {4, 0, 0}}},  // front
          {{2, 4, 0}, {{0, 3, 0}, {4, 3, 0}, {4, 5, 0}, {0, 5, 0}}}}},   // back
        {0,
         1,
         1,
         {{{-1, 1.5, 0}, {{0, 0, 0}, {0, 3, 0}, {-2, 3, 0}, {-2, 0, 0}}},  // left
          {{5, 1.5, 0}, {{4, 0, 0}, {6, 0, 0}, {6, 3, 0}, {4, 3, 0}}}}},   // right
    };
    using Kante = std::pair<Ort, Ort>;
    const struct {
        float r, g, b;
        std::vector<Kante> kanten;
    } staebe[] = {
        {1,
         0,
         0,
         {{{0, 0, 0}, {4, 0, 0}},
          {{0, 3, 0}, {4, 3, 0}},
          {{0, -2, 0}, {4, -2, 0}},
          {{0, 5, 0}, {4, 5, 0}},
          {{0, 8, 0}, {4, 8, 0}}}},
        {0,
         1,
         0,
         {{{0, 0, 0}, {0, 3, 0}},
          {{4, 0, 0}, {4, 3, 0}},
          {{-2, 0, 0}, {-2, 3, 0}},
          {{6, 0, 0}, {6, 3, 0}},
          {{0, 5, 0}, {0, 8, 0}},
          {{4, 5, 0}, {4, 8, 0}}}},
        {0,
         0,
         1,
         {{{0, 0, 0}, {0, -2, 0}},
          {{4, 0, 0}, {4, -2, 0}},
          {{0, 0, 0}, {-2, 0, 0}},
          {{0, 3, 0}, {-2, 3, 0}},
          {{4, 0, 0}, {6, 0, 0}},
          {{4, 3, 0}, {6, 3, 0}},
          {{0, 3, 0}, {0, 5, 0}},
          {{4, 3, 0}, {4, 5, 0}}}},
    };
    const std::vector<Ort> kugeln = {{0, 0, 0},  {4, 0, 0}, {0, 3, 0}, {4, 3, 0}, {0, -2, 0}, {4, -2, 0}, {-2, 0, 0},
                                     {-2, 3, 0}, {6, 0, 0}, {6, 3, 0}, {0, 5, 0}, {4, 5, 0},  {0, 8, 0},  {4, 8, 0}};

    for (bool unten : {false, true}) {
        SCOPED_TRACE(unten ? "from below" : "from above");
        Blick(unten);
        const Frame f = Zeichnen();
        EXPECT_EQ(ModellAnsichtAbweichung(), "") << "the model-view matrix is left as it was";

        std::size_t ersteFlaeche = f.drawn().size(), letzterStab = 0;
        for (const auto& farbe : farben) {
            const auto ton = [&](float t) {
                return Pixel(farbe.r ? farbe.r : t, farbe.g ? farbe.g : t, farbe.b ? farbe.b : t);
            };
            const Rgba sichtbar = ton(unten ? 0.4f : 0.8f), verdeckt = ton(unten ? 0.8f : 0.4f);
            const auto stufe = [](std::uint8_t c) { return c / 255.0f; };
            EXPECT_TRUE(f.inColour(stufe(verdeckt.r), stufe(verdeckt.g), stufe(verdeckt.b)).empty())
                << "a face shows its other side";
            const auto teile = f.inColour(stufe(sichtbar.r), stufe(sichtbar.g), stufe(sichtbar.b));
            // Both faces of this hue whole, each exactly once: their corners and their area.
            std::set<Punkt> soll, ist;
            double sollFlaeche = 0, istFlaeche = 0;
            for (const Teil& t : farbe.flaechen) {
                for (const Ort& e : t.ecken)
                    soll.insert({e.x, e.y, e.z});
                sollFlaeche += 100 * std::fabs((t.ecken[2].x - t.ecken[0].x) * (t.ecken[2].y - t.ecken[0].y));
                EXPECT_EQ(Bei(f, {t.mitte.x, t.mitte.y, 0}), sichtbar) << t.mitte.x << ' ' << t.mitte.y;
            }
            for (const Primitive& p : teile) {
                for (const FeedbackVertex& v : p.vertices) {
                    const Ort o = Modell(v);
                    ist.insert(
                        {std::round(o.x * 1000) / 1000, std::round(o.y * 1000) / 1000, std::round(o.z * 1000) / 1000});
                }
                istFlaeche += Flaeche(p);
            }
            EXPECT_EQ(ist, soll);
            EXPECT_NEAR(istFlaeche, sollFlaeche, 0.5);
        }
        for (std::size_t i = 0; i < f.drawn().size(); ++i) {
            const Primitive& p = f.drawn()[i];
            const bool flaeche = p.vertices[0].r > 0 && p.vertices[0].g > 0 && p.vertices[0].b > 0;
            if (flaeche)
                ersteFlaeche = std::min(ersteFlaeche, i);
            else
                letzterStab = i;
        }
        EXPECT_LT(letzterStab, ersteFlaeche) << "faces come after the edges";

        for (const auto& farbe : staebe) {
            const auto teile = f.inColour(farbe.r, farbe.g, farbe.b);
            ASSERT_FALSE(teile.empty());
            std::vector<int> enden(farbe.kanten.size());
            for (const Primitive& p : teile)
                for (const FeedbackVertex& v : p.vertices) {
                    const Ort o = Modell(v);
                    double naechste = 1e9;
                    for (std::size_t i = 0; i < farbe.kanten.size(); ++i) {
                        const auto& [a, b] = farbe.kanten[i];
                        naechste = std::min(naechste, Abstand(o, a, b));
                        if (Abstand(o, a) < 0.06)
                            enden[i] |= 1;
                        if (Abstand(o, b) < 0.06)
                            enden[i] |= 2;
                    }
                    EXPECT_LT(naechste, 0.05 + 1e-3) << "a rod off its edge at " << o.x << ' ' << o.y << ' ' << o.z;
                }
            for (std::size_t i = 0; i < enden.size(); ++i)
                EXPECT_EQ(enden[i], 3) << "edge " << i << " of colour " << farbe.r << farbe.g << farbe.b;
        }

        std::vector<bool> getroffen(kugeln.size());
        for (const Primitive& p : f.inColour(0, 0, 0))
            for (const FeedbackVertex& v : p.vertices) {
                const Ort o = Modell(v);
                double naechste = 1e9;
                for (std::size_t i = 0; i < kugeln.size(); ++i) {
                    const double d = Abstand(o, kugeln[i]);
                    naechste = std::min(naechste, d);
                    getroffen[i] = getroffen[i] || d < 0.09;
                }
                EXPECT_LT(naechste, 0.08 + 1e-3) << "a ball off its corner";
            }
        EXPECT_EQ(std::count(getroffen.begin(), getroffen.end(), true), std::ssize(kugeln));
    }
}

// The closed box shows the outside of its lid from above and the outside of its base from
// below, both in the strong yellow; with the lid open the base shows from inside, pale.
TEST_F(QuaderNetzBild, ClosedBoxShowsItsLidOutsideAndOpenedItsBaseInside)
{
    const Rgba blass = Pixel(1, 1, 0.8f), kraeftig = Pixel(1, 1, 0.4f);
    const struct {
        const char* name;
        Klappen k;
        bool unten;
        Rgba mitte;
    } faelle[] = {
        {"closed, from above", AlleZu, false, kraeftig},
        {"closed, from below", AlleZu, true, kraeftig},
        {"lid open, from above", {.DF = true}, false, blass},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tQuaderNetzEinstellungen e = Alles(fall.k);
        e.Kanten = false;
        netz.EinstellungenAendern(e);
        Blick(fall.unten);
        EXPECT_EQ(Bei(Zeichnen(), {2, 1.5, 0}), fall.mitte);
    }
}
