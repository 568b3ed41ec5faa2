// The scene "Orts-Vektor und Repräsentant": the model's checks as tables, and its picture
// through GL feedback. The expected arrows and box edges are computed here from the
// scene's rules (the draw steps with their points, colours and thicknesses), not taken
// from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/vektorort.h"
#include "szenenbild.h"

#include <GL/gl.h>
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
using namespace orbisto::flaechenfolge;

namespace {

const P3 O0{4, 3, 2}, A0{-5, -4, -3};

tVektorOrtEinstellungen Eingaben(P3 o, P3 a)
{
    tVektorOrtEinstellungen e;
    e.Ort = Nach(o);
    e.Anfang = Nach(a);
    return e;
}

// Every sub-switch of both blocks on; the main switches as given.
tVektorOrtEinstellungen AlleUnterschalter(P3 o, P3 a, bool ortsvektor, bool repraesentant)
{
    tVektorOrtEinstellungen e = Eingaben(o, a);
    e.OQuader = e.Ox = e.Oy = e.Oz = e.Oxyz = e.Oalle = e.Oi = e.Oj = e.Ok = true;
    e.RQuader = e.Rx = e.Ry = e.Rz = e.Rxyz = true;
    e.Ortsvektor = ortsvektor;
    e.Repraesentant = repraesentant;
    return e;
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorOrt, StartsWithTheValuesOfFormCreate)
{
    const TVektorOrt m;
    const tVektorOrtEinstellungen& e = m.Einstellungen();
    EXPECT_EQ(e, TVektorOrt::Startwerte);
    EXPECT_EQ(e.Ort, (tVektor3{4, 3, 2}));
    EXPECT_EQ(e.Anfang, (tVektor3{-5, -4, -3}));
    EXPECT_EQ(e.Anfang + e.Ort, (tVektor3{-1, -1, -1})) << "the representative ends at (-1, -1, -1)";
    EXPECT_FALSE(e.Ortsvektor || e.OQuader || e.Ox || e.Oy || e.Oz || e.Oxyz || e.Oalle || e.Oi || e.Oj || e.Ok ||
                 e.Repraesentant || e.RQuader || e.Rx || e.Ry || e.Rz || e.Rxyz);
}

TEST(VektorOrt, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::string erlaubt = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -9 bis 9.";
    const struct {
        const char* name;
        std::function<void(tVektorOrtEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"O x just above the range", [](auto& e) { e.Ort.x = 10; }, "Ort, x-Komponente: 10" + erlaubt},
        {"O z just below the range", [](auto& e) { e.Ort.z = -10; }, "Ort, z-Komponente: -10" + erlaubt},
        {"O y not whole", [](auto& e) { e.Ort.y = 2.5; }, "Ort, y-Komponente: 2,5" + erlaubt},
        {"A y not a number", [nan](auto& e) { e.Anfang.y = nan; }, "Anfang, y-Komponente: NAN" + erlaubt},
        {"A z infinite", [inf](auto& e) { e.Anfang.z = inf; }, "Anfang, z-Komponente: INF" + erlaubt},
        {"the first bad field is named", [](auto& e) { e.Anfang.x = e.Ort.z = 100; },
         "Ort, z-Komponente: 100" + erlaubt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorOrt m;
        const tVektorOrtEinstellungen vorher = AlleUnterschalter({1, 2, 3}, {-1, -2, -3}, true, true);
        m.EinstellungenAendern(vorher);
        tVektorOrtEinstellungen neu = Eingaben({0, 0, 0}, {0, 0, 0});
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
    }
}

TEST(VektorOrt, AcceptsTheEndsOfTheRangeAndStoresEverySwitch)
{
    TVektorOrt m;
    for (const auto& [o, a] : {std::pair{P3{-9, 9, -9}, P3{9, -9, 9}}, {P3{0, 0, 0}, P3{9, 9, 9}}}) {
        const tVektorOrtEinstellungen e = AlleUnterschalter(o, a, true, false);
        EXPECT_NO_THROW(m.EinstellungenAendern(e));
        EXPECT_EQ(m.Einstellungen(), e);
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Grau{0.25f, 0.25f, 0.25f}, Rot{0.7f, 0, 0}, Gruen{0, 0.7f, 0}, Blau{0, 0, 0.7f};
constexpr Farbe HellRot{1, 0.3f, 0.3f}, HellGruen{0.3f, 1, 0.3f}, HellBlau{0.3f, 0.3f, 1};

// The arrows of the position vector O with every sub-switch on, in the scene's order.
std::vector<Pfeil> OrtsvektorPfeile(P3 o)
{
    const P3 n{}, x{o.x, 0, 0}, y{0, o.y, 0}, z{0, 0, o.z};
    std::vector<Pfeil> p = {
        {"O", n, o, 0.1, Grau},
        {"X", n, x, 0.05, Rot},
        {"Y", n, y, 0.05, Gruen},
        {"Z", n, z, 0.05, Blau},
        {"i", n, {1, 0, 0}, 0.075, HellRot},
        {"j", n, {0, 1, 0}, 0.075, HellGruen},
        {"k", n, {0, 0, 1}, 0.075, HellBlau},
        {"chain x", n, x, 0.05, Rot},
        {"chain y", x, x + y, 0.05, Gruen},
        {"chain z", x + y, o, 0.05, Blau},
    };
    for (P3 s : {n, y, z, y + z})
        p.push_back({"edge x", s, s + x, 0.05, Rot});
    for (P3 s : {n, x, z, x + z})
        p.push_back({"edge y", s, s + y, 0.05, Gruen});
    for (P3 s : {n, x, y, x + y})
        p.push_back({"edge z", s, s + z, 0.05, Blau});
    return p;
}

// The arrows of the representative of O from A with every sub-switch on, in order.
std::vector<Pfeil> RepraesentantPfeile(P3 o, P3 a)
{
    const P3 x{o.x, 0, 0}, y{0, o.y, 0}, z{0, 0, o.z};
    return {
        {"A -> A + O", a, a + o, 0.1, Grau},
        {"A + X", a, a + x, 0.05, Rot},
        {"A + Y", a, a + y, 0.05, Gruen},
        {"A + Z", a, a + z, 0.05, Blau},
        {"chain x from A", a, a + x, 0.05, Rot},
        {"chain y from A", a + x, a + x + y, 0.05, Gruen},
        {"chain z from A", a + x + y, a + o, 0.05, Blau},
    };
}

// A segment as its two ends, rounded to model units and ordered, so that sets compare.
using Kante = std::array<long, 6>;
Kante KanteVon(P3 p, P3 q)
{
    const auto r = [](double v) { return std::lround(v * 1000); };
    std::array<long, 3> a{r(p.x), r(p.y), r(p.z)}, b{r(q.x), r(q.y), r(q.z)};
    if (b < a)
        std::swap(a, b);
    return {a[0], a[1], a[2], b[0], b[1], b[2]};
}

// The twelve edges of the axis-parallel box with the corners p and q.
std::multiset<Kante> Quaderkanten(P3 p, P3 q)
{
    std::multiset<Kante> k;
    const double xs[] = {p.x, q.x}, ys[] = {p.y, q.y}, zs[] = {p.z, q.z};
    for (double y : ys)
        for (double z : zs)
            k.insert(KanteVon({p.x, y, z}, {q.x, y, z}));
    for (double x : xs)
        for (double z : zs)
            k.insert(KanteVon({x, p.y, z}, {x, q.y, z}));
    for (double x : xs)
        for (double y : ys)
            k.insert(KanteVon({x, y, p.z}, {x, y, q.z}));
    return k;
}

// Looking down the z axis onto the box -40..40, so every vertex reads back as its model point.
class OrtBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorOrt szene;

    OrtBild() : SzenenBild(400, 40) {}

    Frame Zeichnen(const tVektorOrtEinstellungen& e)
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);
    }

    std::multiset<Kante> Kanten(const std::vector<Primitive>& linien) const
    {
        std::multiset<Kante> k;
        for (const Primitive& l : linien)
            k.insert(KanteVon(ModellpunktAls<P3>(l.vertices[0]), ModellpunktAls<P3>(l.vertices[1])));
        return k;
    }

    void PfeileInFolge(const Frame& f, const std::vector<Pfeil>& pfeile)
    {
        FlaechenFolge folge(*this, f.ofKind(PrimitiveKind::Polygon));
        for (const Pfeil& p : pfeile)
            folge.Pfeil(p);
        EXPECT_TRUE(folge.Ende()) << "nothing after the last arrow; next: " << folge.Naechste();
    }
};

}  // namespace

TEST_F(OrtBild, BothBlocksWithEverySubSwitchInTheirOrderColoursAndThicknesses)
{
    const Frame f = Zeichnen(AlleUnterschalter(O0, A0, true, true));
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));

    std::vector<Pfeil> alle = OrtsvektorPfeile(O0);
    for (const Pfeil& p : RepraesentantPfeile(O0, A0))
        alle.push_back(p);
    PfeileInFolge(f, alle);

    // The boxes in black: 0 to O right after the arrow O, A to A + O right after the
    // representative's arrow.
    std::vector<std::pair<PrimitiveKind, int>> laeufe;
    for (const Primitive& p : f.drawn())
        if (laeufe.empty() || laeufe.back().first != p.kind)
            laeufe.push_back({p.kind, 1});
        else
            ++laeufe.back().second;
    ASSERT_EQ(laeufe.size(), 5u);
    EXPECT_EQ(laeufe[1], std::pair(PrimitiveKind::Line, 12));
    EXPECT_EQ(laeufe[3], std::pair(PrimitiveKind::Line, 12));
    const auto linien = f.ofKind(PrimitiveKind::Line);
    for (const Primitive& l : linien)
        EXPECT_TRUE(l.hasColour(0, 0, 0)) << l;
    EXPECT_EQ(Kanten({linien.begin(), linien.begin() + 12}), Quaderkanten({}, O0));
    EXPECT_EQ(Kanten({linien.begin() + 12, linien.end()}), Quaderkanten(A0, A0 + O0));
    // Only the arrow O comes before the first box: a shaft, a disc, a head and a disc.
    const auto erste = std::vector<Primitive>(f.drawn().begin(), f.drawn().begin() + laeufe[0].second);
    FlaechenFolge nurO(*this, erste);
    nurO.Pfeil(alle[0]);
    EXPECT_TRUE(nurO.Ende());

    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(OrtBild, EachMainSwitchRulesItsOwnBlockOnly)
{
    const P3 o{-2, 5, 3}, a{1, -6, 2};
    // The position vector's sub-switches draw nothing without its main switch, the
    // representative's work whenever its own main switch is on.
    {
        SCOPED_TRACE("representative alone");
        const Frame f = Zeichnen(AlleUnterschalter(o, a, false, true));
        PfeileInFolge(f, RepraesentantPfeile(o, a));
        EXPECT_EQ(Kanten(f.ofKind(PrimitiveKind::Line)), Quaderkanten(a, a + o));
    }
    {
        SCOPED_TRACE("position vector alone");
        const Frame f = Zeichnen(AlleUnterschalter(o, a, true, false));
        PfeileInFolge(f, OrtsvektorPfeile(o));
        EXPECT_EQ(Kanten(f.ofKind(PrimitiveKind::Line)), Quaderkanten({}, o));
    }
    {
        SCOPED_TRACE("main switches alone: one arrow each, no box");
        tVektorOrtEinstellungen e = Eingaben(o, a);
        e.Ortsvektor = e.Repraesentant = true;
        const Frame f = Zeichnen(e);
        PfeileInFolge(f, {{"O", {}, o, 0.1, Grau}, {"A -> A + O", a, a + o, 0.1, Grau}});
        EXPECT_EQ(f.count(PrimitiveKind::Line), 0);
    }
}

TEST_F(OrtBild, NothingWhileBothMainSwitchesAreOffEvenWithEverySubSwitchOn)
{
    const Frame f = Zeichnen(AlleUnterschalter(O0, A0, false, false));
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}

TEST_F(OrtBild, AZeroComponentGivesAFlatArrowAndAFlatBox)
{
    const P3 o{0, 3, 2};
    tVektorOrtEinstellungen e = Eingaben(o, A0);
    e.Ortsvektor = e.OQuader = e.Ox = true;
    const Frame f = Zeichnen(e);
    EXPECT_EQ(Kanten(f.ofKind(PrimitiveKind::Line)), Quaderkanten({}, o)) << "the box lies in the plane x = 0";
    const auto rot = f.inColour(Rot.r, Rot.g, Rot.b);
    ASSERT_FALSE(rot.empty()) << "the X arrow is drawn, flat";
    for (const Primitive& p : rot)
        for (const FeedbackVertex& v : p.vertices)
            EXPECT_LE(Laenge(ModellpunktAls<P3>(v)), 2 * 0.05 * k.xSchritt + 1e-4) << "within the head's radius";
}
