// The scene "Verknüpfung von Vektoren": the results and their texts, the examples and the
// checks as tables, and its picture through GL feedback. Expectations are computed here from
// the scene's rules (S = V1 + V2, D = V1 - V2, k·V1, P = V1 × V2, the draw steps with their
// points and colours), not taken from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/vektorverknuepfung.h"
#include "szenenbild.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace orbisto;
using namespace orbisto::flaechenfolge;

namespace {

using T3 = std::array<std::string, 3>;

tVektorVerknuepfungEinstellungen Eingaben(tVektor3 v1, tVektor3 v2, int k = 1, bool v1KreuzV2 = true)
{
    tVektorVerknuepfungEinstellungen e;
    e.V1 = v1;
    e.V2 = v2;
    e.Skalar = k;
    e.V1KreuzV2 = v1KreuzV2;
    return e;
}

tVektorVerknuepfungEinstellungen AllesAn(tVektorVerknuepfungEinstellungen e)
{
    e.Darstellung = e.V1Zeigen = e.V1Quader = e.V2Zeigen = e.V2Quader = true;
    e.Summe = e.SummeQuader = e.SummeRepraesentanten = e.SummeParallelogramm = true;
    e.Differenz = e.DifferenzQuader = e.DifferenzRepraesentanten = e.DifferenzParallelogramm = true;
    e.Vielfaches = e.VielfachesQuader = true;
    e.Produkt = e.ProduktQuader = e.ProduktSenkrecht = e.ProduktParallelogramm = true;
    return e;
}

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorVerknuepfung, StartsWithExample3AndEverySwitchOff)
{
    const TVektorVerknuepfung m;
    const tVektorVerknuepfungEinstellungen& e = m.Einstellungen();
    EXPECT_EQ(e, TVektorVerknuepfung::Startwerte);
    EXPECT_EQ(e, Eingaben({3, -2, 1}, {4, 3, 2}));
    EXPECT_EQ(e, tVektorVerknuepfungEinstellungen{} /* every switch off, V1 x V2 */);
    EXPECT_FALSE(e.Darstellung || e.V1Zeigen || e.Summe || e.Differenz || e.Vielfaches || e.Produkt);
    EXPECT_TRUE(e.V1KreuzV2);
    // The results are there before the window is first shown.
    EXPECT_EQ(m.Texte().Produkt, (T3{"-7", "-2", "17"}));
    EXPECT_EQ(m.Texte().Winkel, "66,61 °");
}

TEST(VektorVerknuepfung, ResultTextsCharacterForCharacter)
{
    const struct {
        const char* name;
        tVektorVerknuepfungEinstellungen e;
        tVektorVerknuepfungTexte t;
    } faelle[] = {
        {"the start values",
         Eingaben({3, -2, 1}, {4, 3, 2}),
         {{"7", "1", "3"},
          {"-1", "-5", "-1"},
          {"3", "-2", "1"},
          {"-7", "-2", "17"},
          "3,74",
          "5,39",
          "7,68",
          "5,2",
          "8",
          "18,49",
          "66,61 °"}},
        {"example 1, V1 x V2",
         Eingaben({1, 0, 0}, {0, 1, 0}),
         {{"1", "1", "0"},
          {"1", "-1", "0"},
          {"1", "0", "0"},
          {"0", "0", "1"},
          "1",
          "1",
          "1,41",
          "1,41",
          "0",
          "1",
          "90 °"}},
        {"example 1, V2 x V1 points the other way",
         Eingaben({1, 0, 0}, {0, 1, 0}, 1, false),
         {{"1", "1", "0"},
          {"1", "-1", "0"},
          {"1", "0", "0"},
          {"0", "0", "-1"},
          "1",
          "1",
          "1,41",
          "1,41",
          "0",
          "1",
          "90 °"}},
        {"example 2 with k = 3",
         Eingaben({3, 0, 0}, {2, 3, 0}, 3),
         {{"5", "3", "0"},
          {"1", "-3", "0"},
          {"9", "0", "0"},
          {"0", "0", "9"},
          "3",
          "3,61",
          "5,83",
          "3,16",
          "6",
          "9",
          "56,31 °"}},
        {"same direction: no product, angle 0, though the cosine rounds beyond 1",
         Eingaben({1, 1, 1}, {2, 2, 2}, -9),
         {{"3", "3", "3"},
          {"-1", "-1", "-1"},
          {"-9", "-9", "-9"},
          {"0", "0", "0"},
          "1,73",
          "3,46",
          "5,2",
          "1,73",
          "6",
          "0",
          "0 °"}},
        {"opposite directions: angle 180",
         Eingaben({-2, 4, 6}, {1, -2, -3}, -1),
         {{"-1", "2", "3"},
          {"-3", "6", "9"},
          {"2", "-4", "-6"},
          {"0", "0", "0"},
          "7,48",
          "3,74",
          "3,74",
          "11,22",
          "-28",
          "0",
          "180 °"}},
        {"k = 0 and products with a zero factor show 0, never -0",
         Eingaben({-1, 0, 0}, {1, 0, -2}, 0),
         {{"0", "0", "-2"},
          {"-2", "0", "2"},
          {"0", "0", "0"},
          {"0", "-2", "0"},
          "1",
          "2,24",
          "2",
          "2,83",
          "-1",
          "2",
          "116,57 °"}},
        {"V1 the zero vector: lengths 0, no angle",
         Eingaben({0, 0, 0}, {9, -9, 9}, 5),
         {{"9", "-9", "9"},
          {"-9", "9", "-9"},
          {"0", "0", "0"},
          {"0", "0", "0"},
          "0",
          "15,59",
          "15,59",
          "15,59",
          "0",
          "0",
          "nicht definiert"}},
        {"V2 the zero vector: no angle either",
         Eingaben({-9, -9, -9}, {0, 0, 0}),
         {{"-9", "-9", "-9"},
          {"-9", "-9", "-9"},
          {"-9", "-9", "-9"},
          {"0", "0", "0"},
          "15,59",
          "0",
          "15,59",
          "15,59",
          "0",
          "0",
          "nicht definiert"}},
        {"the largest numbers",
         Eingaben({9, -9, 9}, {-9, 9, 9}, -9),
         {{"0", "0", "18"},
          {"18", "-18", "0"},
          {"-81", "81", "-81"},
          {"-162", "-162", "0"},
          "15,59",
          "15,59",
          "18",
          "25,46",
          "-81",
          "229,1",
          "109,47 °"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorVerknuepfung m;
        m.EinstellungenAendern(f.e);
        EXPECT_EQ(m.Einstellungen(), f.e);
        const tVektorVerknuepfungTexte t = m.Texte();
        EXPECT_EQ(t.Summe, f.t.Summe);
        EXPECT_EQ(t.Differenz, f.t.Differenz);
        EXPECT_EQ(t.Vielfaches, f.t.Vielfaches);
        EXPECT_EQ(t.Produkt, f.t.Produkt);
        EXPECT_EQ(t.BetragV1, f.t.BetragV1);
        EXPECT_EQ(t.BetragV2, f.t.BetragV2);
        EXPECT_EQ(t.BetragSumme, f.t.BetragSumme);
        EXPECT_EQ(t.BetragDifferenz, f.t.BetragDifferenz);
        EXPECT_EQ(t.Skalarprodukt, f.t.Skalarprodukt);
        EXPECT_EQ(t.BetragProdukt, f.t.BetragProdukt);
        EXPECT_EQ(t.Winkel, f.t.Winkel);
    }
}

TEST(VektorVerknuepfung, TheExamples)
{
    const struct {
        tVektor3 v1, v2;
    } beispiele[] = {{{1, 0, 0}, {0, 1, 0}}, {{3, 0, 0}, {2, 3, 0}}, {{3, -2, 1}, {4, 3, 2}}};
    for (int nr = 1; nr <= 3; ++nr) {
        SCOPED_TRACE(nr);
        EXPECT_EQ(TVektorVerknuepfung::Beispiel(nr).V1, beispiele[nr - 1].v1);
        EXPECT_EQ(TVektorVerknuepfung::Beispiel(nr).V2, beispiele[nr - 1].v2);
    }
    EXPECT_THROW(TVektorVerknuepfung::Beispiel(0), std::out_of_range);
    EXPECT_THROW(TVektorVerknuepfung::Beispiel(4), std::out_of_range);
}

TEST(VektorVerknuepfung, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const std::string neun = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -9 bis 9.";
    const struct {
        const char* name;
        std::function<void(tVektorVerknuepfungEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"V1 x above the range", [](auto& e) { e.V1.x = 10; }, "Vektor V1, x-Komponente: 10" + neun},
        {"V2 z below the range", [](auto& e) { e.V2.z = -10; }, "Vektor V2, z-Komponente: -10" + neun},
        {"V2 y not whole", [](auto& e) { e.V2.y = 0.5; }, "Vektor V2, y-Komponente: 0,5" + neun},
        {"V1 y not a number", [](auto& e) { e.V1.y = std::nan(""); }, "Vektor V1, y-Komponente: NAN" + neun},
        {"k above the range", [](auto& e) { e.Skalar = 10; }, "k: 10" + neun},
        {"k at the end of int", [](auto& e) { e.Skalar = -2147483647 - 1; }, "k: -2147483648" + neun},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorVerknuepfung m;
        const tVektorVerknuepfungEinstellungen vorher = AllesAn(Eingaben({1, 0, 0}, {0, 1, 0}, 2, false));
        m.EinstellungenAendern(vorher);
        tVektorVerknuepfungEinstellungen neu = Eingaben({5, 5, 5}, {-5, -5, -5}, 3);
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_EQ(m.Texte().Produkt, (T3{"0", "0", "-1"})) << "results unchanged";
        EXPECT_EQ(m.Texte().Vielfaches, (T3{"2", "0", "0"}));
    }
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Grau2{0.2f, 0.2f, 0.2f}, Grau4{0.4f, 0.4f, 0.4f}, Grau5{0.5f, 0.5f, 0.5f};
constexpr Farbe Rot8{0.8f, 0, 0}, Gruen8{0, 0.8f, 0}, Rot4{0.4f, 0, 0}, Blau8{0, 0, 0.8f};
constexpr Farbe SummeFlaeche{1, 0.6f, 0.6f}, DifferenzFlaeche{0.6f, 1, 0.6f}, ProduktFlaeche{0.6f, 0.6f, 1};
constexpr Farbe Senkrecht{0.8f, 0.8f, 1};

P3 Kreuz(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// A segment as its two ends, rounded to thousandths and ordered, so that sets compare.
using Kante = std::array<long, 6>;
Kante KanteVon(P3 p, P3 q)
{
    const auto r = [](double v) { return std::lround(v * 1000); };
    std::array<long, 3> a{r(p.x), r(p.y), r(p.z)}, b{r(q.x), r(q.y), r(q.z)};
    if (b < a)
        std::swap(a, b);
    return {a[0], a[1], a[2], b[0], b[1], b[2]};
}

// The twelve edges of the box with the corners 0 and v.
std::multiset<Kante> Quaderkanten(P3 v)
{
    std::multiset<Kante> k;
    const double xs[] = {0, v.x}, ys[] = {0, v.y}, zs[] = {0, v.z};
    for (double y : ys)
        for (double z : zs)
            k.insert(KanteVon({0, y, z}, {v.x, y, z}));
    for (double x : xs)
        for (double z : zs)
            k.insert(KanteVon({x, 0, z}, {x, v.y, z}));
    for (double x : xs)
        for (double y : ys)
            k.insert(KanteVon({x, y, 0}, {x, y, v.z}));
    return k;
}

// Looking down the z axis onto the box -40..40, so every vertex reads back as its model point.
class VerknBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorVerknuepfung szene;

    VerknBild() : SzenenBild(400, 40) {}

    Frame Zeichnen(const tVektorVerknuepfungEinstellungen& e)
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);
    }

    // The next faces in one colour: every corner is one of the quadrilaterals' corners, and
    // each quadrilateral comes in both windings.
    void Vierecke(FlaechenFolge& folge, const std::string& was, Farbe farbe,
                  const std::vector<std::array<P3, 4>>& vierecke) const
    {
        SCOPED_TRACE(was);
        const auto gleich = [](P3 a, P3 b) { return Laenge(a - b) < 1e-4; };
        const auto teile = folge.Flaeche(was, farbe, [&](P3 p) {
            for (const auto& v : vierecke)
                for (const P3& e : v)
                    if (gleich(p, e))
                        return true;
            return false;
        });
        for (const auto& v : vierecke) {
            const P3 normale = Kreuz(v[1] - v[0], v[2] - v[0]);
            bool vorn = false, hinten = false;
            for (const Primitive* t : teile) {
                std::vector<P3> e;
                for (const FeedbackVertex& fv : t->vertices)
                    e.push_back(folge.Modell(fv));
                const bool drin = std::all_of(e.begin(), e.end(), [&](P3 p) {
                    return std::any_of(v.begin(), v.end(), [&](P3 q) { return gleich(p, q); });
                });
                if (!drin || e.size() != 3)
                    continue;
                const double s = Skalar(Kreuz(e[1] - e[0], e[2] - e[0]), normale);
                vorn = vorn || s > 0;
                hinten = hinten || s < 0;
            }
            EXPECT_TRUE(vorn && hinten) << "face " << v[0] << v[1] << v[2] << v[3] << " front " << vorn << " back "
                                        << hinten;
        }
    }

    std::vector<std::multiset<Kante>> Kastenlaeufe(const Frame& f) const
    {
        std::vector<std::multiset<Kante>> l;
        bool inLinie = false;
        for (const Primitive& p : f.drawn()) {
            if (p.kind != PrimitiveKind::Line) {
                inLinie = false;
                continue;
            }
            EXPECT_TRUE(p.hasColour(0, 0, 0)) << p;
            if (!inLinie)
                l.emplace_back();
            inLinie = true;
            l.back().insert(KanteVon(ModellpunktAls<P3>(p.vertices[0]), ModellpunktAls<P3>(p.vertices[1])));
        }
        return l;
    }
};

}  // namespace

TEST_F(VerknBild, EveryPieceInOrderWithItsColourAndPlace)
{
    const P3 n{}, v1{3, -2, 1}, v2{4, 3, 2};
    const P3 s = v1 + v2, d = v1 - v2, kv1 = -2 * v1, p = Kreuz(v1, v2), mv2 = -1 * v2;
    const Frame f = Zeichnen(AllesAn(Eingaben({3, -2, 1}, {4, 3, 2}, -2)));
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));

    FlaechenFolge folge(*this, f.ofKind(PrimitiveKind::Polygon));
    folge.Pfeil({"V1", n, v1, 0.1, Grau2});
    folge.Pfeil({"V2", n, v2, 0.1, Grau4});
    folge.Pfeil({"S", n, s, 0.1, Rot8});
    folge.Pfeil({"V1 from the tip of V2", v2, s, 0.1, Grau2});
    folge.Pfeil({"V2 from the tip of V1", v1, s, 0.1, Grau4});
    Vierecke(folge, "sum parallelogram", SummeFlaeche, {{n, v1, s, v2}});
    folge.Pfeil({"D", n, d, 0.1, Gruen8});
    folge.Pfeil({"V1 from -V2", mv2, d, 0.1, Grau2});
    folge.Pfeil({"V2 from D", d, v1, 0.1, Grau5});
    folge.Pfeil({"V2 ending at the origin", mv2, n, 0.1, Grau5});
    Vierecke(folge, "difference parallelogram", DifferenzFlaeche, {{n, v1, d, mv2}});
    folge.Pfeil({"-2 V1", n, kv1, 0.1, Rot4});
    folge.Pfeil({"P", n, p, 0.1, Blau8});
    Vierecke(folge, "right-angle marks", Senkrecht,
             {{n, 0.5 * v1, 0.5 * (v1 + p), 0.5 * p}, {n, 0.5 * v2, 0.5 * (v2 + p), 0.5 * p}});
    Vierecke(folge, "product parallelogram", ProduktFlaeche, {{n, v1, s, v2}});
    EXPECT_TRUE(folge.Ende()) << folge.Naechste();

    // The boxes in black, in the order of their vectors.
    const auto kaesten = Kastenlaeufe(f);
    const std::vector<std::multiset<Kante>> erwartet{Quaderkanten(v1), Quaderkanten(v2),  Quaderkanten(s),
                                                     Quaderkanten(d),  Quaderkanten(kv1), Quaderkanten(p)};
    EXPECT_EQ(kaesten, erwartet);
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(VerknBild, V2CrossV1DrawsTheProductTheOtherWay)
{
    tVektorVerknuepfungEinstellungen e = Eingaben({1, 0, 0}, {0, 1, 0}, 1, false);
    e.Darstellung = e.Produkt = true;
    const Frame f = Zeichnen(e);
    FlaechenFolge folge(*this, f.ofKind(PrimitiveKind::Polygon));
    folge.Pfeil({"V2 x V1", {}, {0, 0, -1}, 0.1, Blau8});
    EXPECT_TRUE(folge.Ende()) << folge.Naechste();
}

// Parallel vectors, k = 0 and a zero vector give arrows of length 0 and flat faces: the
// picture stays finite and error-free.
TEST_F(VerknBild, DegenerateResultsDrawNoNonsense)
{
    const struct {
        const char* name;
        tVektorVerknuepfungEinstellungen e;
    } faelle[] = {
        {"parallel vectors, k = 0", Eingaben({1, 2, 3}, {-2, -4, -6}, 0)},
        {"V1 the zero vector", Eingaben({0, 0, 0}, {4, 3, 2}, 5)},
        {"V1 = V2", Eingaben({9, 9, 9}, {9, 9, 9}, -9)},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = Zeichnen(AllesAn(fall.e));
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        for (const Primitive& p : f.drawn())
            for (const FeedbackVertex& v : p.vertices) {
                const P3 m = ModellpunktAls<P3>(v);
                EXPECT_TRUE(std::isfinite(m.x) && std::isfinite(m.y) && std::isfinite(m.z)) << p;
                EXPECT_LE(Laenge(m), 40 * std::sqrt(3.0)) << p;
            }
        EXPECT_EQ(ModellAnsichtAbweichung(), "");
    }
}

TEST_F(VerknBild, NothingWhileTheMainSwitchIsOffEvenWithEverySwitchOn)
{
    tVektorVerknuepfungEinstellungen e = AllesAn(Eingaben({3, -2, 1}, {4, 3, 2}, 2));
    e.Darstellung = false;
    const Frame f = Zeichnen(e);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
