// The scene "Lineare Abhängigkeit": the model's combination, texts, examples and checks as
// tables, and its picture through GL feedback. Expectations are computed here from the
// scene's rules (L = a·V1 + b·V2, the draw steps with their points and colours), not taken
// from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/lineareabh.h"
#include "szenenbild.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace orbisto;
using namespace orbisto::flaechenfolge;

namespace {

using V = std::array<long long, 3>;

P3 Punkt(V v) { return {double(v[0]), double(v[1]), double(v[2])}; }

tLineareAbhEinstellungen Eingaben(V v1, V v2, V v3, int a, int b, int f = 3)
{
    tLineareAbhEinstellungen e;
    e.V1 = v1;
    e.V2 = v2;
    e.V3 = v3;
    e.FaktorA = a;
    e.FaktorB = b;
    e.EbeneFaktor = f;
    return e;
}

tLineareAbhEinstellungen AllesAn(tLineareAbhEinstellungen e)
{
    e.Darstellung = e.Ebene = e.V1Zeigen = e.V2Zeigen = e.V3Zeigen = e.VLK = true;
    return e;
}

// The three examples with the factors that make a·V1 + b·V2 equal V3.
const struct {
    V v1, v2, v3;
    int a, b;
} Beispiele[] = {
    {{1, 0, 0}, {0, 1, 0}, {-3, 4, 0}, -3, 4},
    {{1, 0, -1}, {0, 1, 0}, {-3, 4, 3}, -3, 4},
    {{1, 3, -2}, {2, 1, -1}, {4, -3, 1}, -2, 3},
};

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(LineareAbh, StartsWithExample1AndOnlyTheThreeVectorsOn)
{
    const TLineareAbh m;
    const tLineareAbhEinstellungen& e = m.Einstellungen();
    EXPECT_EQ(e, TLineareAbh::Startwerte);
    EXPECT_EQ(e, Eingaben({1, 0, 0}, {0, 1, 0}, {-3, 4, 0}, 1, 1, 3) /* switches at their defaults */);
    EXPECT_TRUE(e.V1Zeigen && e.V2Zeigen && e.V3Zeigen);
    EXPECT_FALSE(e.Darstellung || e.Ebene || e.VLK);
    EXPECT_EQ(m.Linearkombination(), (V{1, 1, 0}));
    EXPECT_EQ(m.LinearkombinationTexte(), (std::array<std::string, 3>{})) << "VLKCheckBox is off";
}

TEST(LineareAbh, EachExampleIsDependentWithItsFactors)
{
    for (int nr = 1; nr <= 3; ++nr) {
        SCOPED_TRACE(nr);
        const auto& b = Beispiele[nr - 1];
        const TLineareAbh::tBeispiel& geladen = TLineareAbh::Beispiel(nr);
        EXPECT_EQ(geladen.V1, b.v1);
        EXPECT_EQ(geladen.V2, b.v2);
        EXPECT_EQ(geladen.V3, b.v3);

        // Loading keeps every switch and the size, and sets a = b = 1.
        tLineareAbhEinstellungen vorher = AllesAn(Eingaben({9, 9, 9}, {9, 9, 9}, {9, 9, 9}, -7, 5, 6));
        vorher.V2Zeigen = false;
        const tLineareAbhEinstellungen e = TLineareAbh::MitBeispiel(vorher, nr);
        tLineareAbhEinstellungen erwartet = vorher;
        erwartet.V1 = b.v1;
        erwartet.V2 = b.v2;
        erwartet.V3 = b.v3;
        erwartet.FaktorA = erwartet.FaktorB = 1;
        EXPECT_EQ(e, erwartet);

        TLineareAbh m;
        m.EinstellungenAendern(AllesAn(Eingaben(b.v1, b.v2, b.v3, b.a, b.b)));
        EXPECT_EQ(m.Linearkombination(), b.v3) << "a·V1 + b·V2 = V3";
        EXPECT_EQ(
            m.LinearkombinationTexte(),
            (std::array<std::string, 3>{std::to_string(b.v3[0]), std::to_string(b.v3[1]), std::to_string(b.v3[2])}));
    }
    EXPECT_THROW(TLineareAbh::Beispiel(0), std::out_of_range);
    EXPECT_THROW(TLineareAbh::Beispiel(4), std::out_of_range);
}

TEST(LineareAbh, TheCombinationAndItsTexts)
{
    using T = std::array<std::string, 3>;
    const struct {
        const char* name;
        tLineareAbhEinstellungen e;
        bool vlk;
        V l;
        T texte;
    } faelle[] = {
        {"example 3 with a = b = 1",
         Eingaben({1, 3, -2}, {2, 1, -1}, {4, -3, 1}, 1, 1),
         true,
         {3, 4, -3},
         {"3", "4", "-3"}},
        {"computed but not shown while VLKCheckBox is off",
         Eingaben({1, 3, -2}, {2, 1, -1}, {4, -3, 1}, 1, 1),
         false,
         {3, 4, -3},
         {"", "", ""}},
        {"a = b = 0 gives the zero vector, written 0",
         Eingaben({-9, 5, 1}, {3, -2, 7}, {0, 0, 0}, 0, 0),
         true,
         {0, 0, 0},
         {"0", "0", "0"}},
        {"the largest combination",
         Eingaben({-9, 9, -9}, {9, -9, 9}, {0, 0, 0}, -10, 10),
         true,
         {180, -180, 180},
         {"180", "-180", "180"}},
        {"the smallest combination",
         Eingaben({9, 9, 9}, {9, 9, 9}, {0, 0, 0}, -10, -10),
         true,
         {-180, -180, -180},
         {"-180", "-180", "-180"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TLineareAbh m;
        tLineareAbhEinstellungen e = f.e;
        e.VLK = f.vlk;
        m.EinstellungenAendern(e);
        EXPECT_EQ(m.Einstellungen(), e);
        EXPECT_EQ(m.Linearkombination(), f.l);
        EXPECT_EQ(m.LinearkombinationTexte(), f.texte);
    }
}

TEST(LineareAbh, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const std::string neun = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -9 bis 9.";
    const std::string zehn = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -10 bis 10.";
    const struct {
        const char* name;
        std::function<void(tLineareAbhEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"V1 x above the range", [](auto& e) { e.V1[0] = 10; }, "Vektor V1, x-Komponente: 10" + neun},
        {"V2 z below the range", [](auto& e) { e.V2[2] = -10; }, "Vektor V2, z-Komponente: -10" + neun},
        {"V3 y far beyond 32 bits", [](auto& e) { e.V3[1] = 1LL << 40; },
         "Vektor V3, y-Komponente: 1099511627776" + neun},
        {"a above the range", [](auto& e) { e.FaktorA = 11; }, "a: 11" + zehn},
        {"b at the end of int", [](auto& e) { e.FaktorB = -2147483647 - 1; }, "b: -2147483648" + zehn},
        {"size below 0", [](auto& e) { e.EbeneFaktor = -1; },
         "Größe: -1 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 10."},
        {"size 1000 would draw a plane 100 times too large", [](auto& e) { e.EbeneFaktor = 1000; },
         "Größe: 1000 ist nicht erlaubt.\rErlaubt sind ganze Zahlen von 0 bis 10."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TLineareAbh m;
        const tLineareAbhEinstellungen vorher = AllesAn(Eingaben({1, 2, 3}, {4, 5, 6}, {7, 8, 9}, 2, -1, 5));
        m.EinstellungenAendern(vorher);
        tLineareAbhEinstellungen neu = Eingaben({0, 0, 0}, {0, 0, 0}, {0, 0, 0}, 0, 0, 0);
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_EQ(m.Linearkombination(), (V{-2, -1, 0})) << "L unchanged";
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe V1Rot{1, 0, 0}, AV1Rot{0.5f, 0, 0}, V2Gruen{0.4f, 1, 0.4f}, BV2Gruen{0, 0.5f, 0};
constexpr Farbe V3Fuchsia{1, 0, 1}, LBlau{0, 0, 1}, AV1Schritt{0.7f, 0, 0};
constexpr Farbe EbeneVorn{0.65f, 0.65f, 0.65f}, EbeneHinten{0.7f, 0.7f, 0.7f};

// The arrows for these settings, in the scene's order; all 0,05 thick.
std::vector<Pfeil> ErwartetePfeile(const tLineareAbhEinstellungen& e)
{
    const P3 n{}, v1 = Punkt(e.V1), v2 = Punkt(e.V2), v3 = Punkt(e.V3);
    const P3 av1 = double(e.FaktorA) * v1, bv2 = double(e.FaktorB) * v2, l = av1 + bv2;
    std::vector<Pfeil> p;
    if (e.V1Zeigen) {
        p.push_back({"V1", n, v1, 0.05, V1Rot});
        p.push_back({"a V1", n, av1, 0.05, AV1Rot});
    }
    if (e.V2Zeigen) {
        p.push_back({"V2", n, v2, 0.05, V2Gruen});
        p.push_back({"b V2", n, bv2, 0.05, BV2Gruen});
    }
    if (e.V3Zeigen)
        p.push_back({"V3", n, v3, 0.05, V3Fuchsia});
    if (e.VLK) {
        p.push_back({"L", n, l, 0.05, LBlau});
        p.push_back({"b V2 step from a V1", av1, l, 0.05, BV2Gruen});
        p.push_back({"a V1 step from b V2", bv2, l, 0.05, AV1Schritt});
    }
    return p;
}

class LinBild : public ::testing::Test, protected SzenenBild {
protected:
    TLineareAbh szene;

    LinBild() : SzenenBild(400, 40) {}

    Frame Zeichnen(const tLineareAbhEinstellungen& e)
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);
    }

    std::vector<P3> Ecken(const Primitive& p) const
    {
        std::vector<P3> e;
        for (const FeedbackVertex& v : p.vertices)
            e.push_back(ModellpunktAls<P3>(v));
        return e;
    }

    // The plane piece: the last polygons, first those in the front colour, then those in the
    // back colour (GL hands a quadrilateral back as triangles). Each front triangle has
    // corners among the four and turns like p1 p2 p3 p4, each back one the other way, and
    // each side covers all four corners.
    void EbenePruefen(const std::vector<Primitive>& teile, const std::array<P3, 4>& ecken) const
    {
        const auto kreuz = [](P3 a, P3 b) {
            return P3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
        };
        const P3 normale = kreuz(ecken[1] - ecken[0], ecken[2] - ecken[0]);
        const auto ecke = [&](P3 p) {
            for (int i = 0; i < 4; ++i)
                if (Laenge(p - ecken[i]) < 1e-4)
                    return i;
            return -1;
        };
        std::size_t i = 0;
        for (const auto& [farbe, richtung] : {std::pair{EbeneVorn, 1.0}, std::pair{EbeneHinten, -1.0}}) {
            SCOPED_TRACE(richtung > 0 ? "front" : "back");
            std::array<bool, 4> gesehen{};
            const std::size_t anfang = i;
            for (; i < teile.size() && teile[i].hasColour(farbe.r, farbe.g, farbe.b); ++i) {
                const auto e = Ecken(teile[i]);
                ASSERT_EQ(e.size(), 3u) << teile[i];
                for (const P3& p : e) {
                    const int n = ecke(p);
                    ASSERT_GE(n, 0) << p << " is no corner";
                    gesehen[n] = true;
                }
                EXPECT_GT(richtung * Skalar(kreuz(e[1] - e[0], e[2] - e[0]), normale), 0) << teile[i];
            }
            EXPECT_GT(i, anfang) << "missing";
            EXPECT_EQ(gesehen, (std::array<bool, 4>{true, true, true, true}));
        }
        EXPECT_EQ(i, teile.size()) << "nothing after the plane";
    }
};

}  // namespace

TEST_F(LinBild, Example3WithItsFactorsEveryStepInOrderThenThePlane)
{
    const auto& b = Beispiele[2];
    const tLineareAbhEinstellungen e = AllesAn(Eingaben(b.v1, b.v2, b.v3, b.a, b.b, 2));
    const Frame f = Zeichnen(e);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(f.count(PrimitiveKind::Line), 0);

    const auto flaechen = f.ofKind(PrimitiveKind::Polygon);
    const auto grau = std::find_if(flaechen.begin(), flaechen.end(), [](const Primitive& p) {
        return p.hasColour(EbeneVorn.r, EbeneVorn.g, EbeneVorn.b);
    });
    // The arrows; L ends exactly at the tip of V3.
    FlaechenFolge folge(*this, {flaechen.begin(), grau});
    const auto pfeile = ErwartetePfeile(e);
    ASSERT_EQ(pfeile.size(), 8u);
    for (const Pfeil& p : pfeile)
        folge.Pfeil(p);
    EXPECT_TRUE(folge.Ende()) << folge.Naechste();

    // Last the plane piece through the origin: f·(V1 + V2), f·(V1 - V2), f·(-V1 - V2),
    // f·(-V1 + V2) in light grey, then the reverse winding in a lighter grey.
    const P3 v1 = Punkt(b.v1), v2 = Punkt(b.v2);
    EbenePruefen({grau, flaechen.end()}, {2 * (v1 + v2), 2 * (v1 - v2), -2 * (v1 + v2), 2 * (v2 - v1)});

    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(LinBild, EachSwitchAddsItsOwnPiecesOnly)
{
    const struct {
        const char* name;
        bool v1, v2, v3, vlk, ebene;
    } faelle[] = {
        {"nothing but the main switch", false, false, false, false, false},
        {"V1 and a V1", true, false, false, false, false},
        {"V2 and b V2", false, true, false, false, false},
        {"V3", false, false, true, false, false},
        {"the combination with its path", false, false, false, true, false},
        {"the plane alone", false, false, false, false, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tLineareAbhEinstellungen e = Eingaben({1, 0, -1}, {0, 1, 0}, {-3, 4, 3}, 2, -1);
        e.Darstellung = true;
        e.V1Zeigen = fall.v1;
        e.V2Zeigen = fall.v2;
        e.V3Zeigen = fall.v3;
        e.VLK = fall.vlk;
        e.Ebene = fall.ebene;
        const Frame f = Zeichnen(e);
        const auto flaechen = f.ofKind(PrimitiveKind::Polygon);
        const auto grau = std::find_if(flaechen.begin(), flaechen.end(), [](const Primitive& p) {
            return p.hasColour(EbeneVorn.r, EbeneVorn.g, EbeneVorn.b);
        });
        FlaechenFolge folge(*this, {flaechen.begin(), grau});
        for (const Pfeil& p : ErwartetePfeile(e))
            folge.Pfeil(p);
        EXPECT_TRUE(folge.Ende()) << folge.Naechste();
        const P3 v1{1, 0, -1}, v2{0, 1, 0};
        if (fall.ebene)
            EbenePruefen({grau, flaechen.end()}, {3 * (v1 + v2), 3 * (v1 - v2), -3 * (v1 + v2), 3 * (v2 - v1)});
        else
            EXPECT_TRUE(grau == flaechen.end());
    }
}

TEST_F(LinBild, DegeneratePlanePieces)
{
    const struct {
        const char* name;
        V v1, v2;
        int f;
        std::function<bool(P3)> liegt;
    } faelle[] = {
        {"f = 0 shrinks it to the origin", {1, 3, -2}, {2, 1, -1}, 0, [](P3 p) { return Laenge(p) < 1e-4; }},
        {"V1 and V2 parallel: a piece of the line through them",
         {1, 2, 0},
         {-2, -4, 0},
         3,
         [](P3 p) {
             return std::abs(2 * p.x - p.y) < 1e-4 && std::abs(p.z) < 1e-4 && Laenge(p) <= 9 * Laenge({1, 2, 0}) + 1e-4;
         }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tLineareAbhEinstellungen e = Eingaben(fall.v1, fall.v2, {0, 0, 0}, 1, 1, fall.f);
        e.V1Zeigen = e.V2Zeigen = e.V3Zeigen = false;
        e.Darstellung = e.Ebene = true;
        const Frame f = Zeichnen(e);
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        for (const Primitive& p : f.drawn())
            for (const P3& ecke : Ecken(p))
                EXPECT_TRUE(fall.liegt(ecke)) << ecke;
    }
}

TEST_F(LinBild, NothingWhileTheMainSwitchIsOffEvenWithEverySwitchOn)
{
    tLineareAbhEinstellungen e = AllesAn(Eingaben({1, 3, -2}, {2, 1, -1}, {4, -3, 1}, -2, 3));
    e.Darstellung = false;
    const Frame f = Zeichnen(e);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
