// The scene "Spatprodukt mit Vektoren": the model's results and texts, its examples and
// checks as tables, and its picture through GL feedback. Expectations are computed here from
// the scene's rules (P = V1 x V2, s = P · V3, H the projection of V3 onto P, the draw steps
// with their points and colours), not taken from the code under test.

#include "abweisung.h"
#include "flaechenfolge.h"
#include "scenes/math/vektorspatprodukt.h"
#include "szenenbild.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

using namespace orbisto;
using namespace orbisto::flaechenfolge;

namespace {

using T3 = std::array<std::string, 3>;

tVektorSpatproduktEinstellungen Eingaben(tVektor3 v1, tVektor3 v2, tVektor3 v3)
{
    tVektorSpatproduktEinstellungen e;
    e.V1 = v1;
    e.V2 = v2;
    e.V3 = v3;
    return e;
}

tVektorSpatproduktEinstellungen AllesAn(tVektorSpatproduktEinstellungen e)
{
    e.Darstellung = e.V1Zeigen = e.V2Zeigen = e.V3Zeigen = true;
    e.Spat = e.Vektorprodukt = e.HoehenVektor = e.HoeheProjektion = true;
    return e;
}

P3 Punkt(const tVektor3& v) { return {v.x, v.y, v.z}; }

}  // namespace

// --- The model ------------------------------------------------------------------------

TEST(VektorSpatprodukt, StartsWithExample1AndEverySwitchOff)
{
    const TVektorSpatprodukt m;
    const tVektorSpatproduktEinstellungen& e = m.Einstellungen();
    EXPECT_EQ(e, TVektorSpatprodukt::Startwerte);
    EXPECT_EQ(e, Eingaben({4, 0, 0}, {0, 3, 0}, {0, 0, 2}) /* switches at their defaults */);
    EXPECT_FALSE(e.Darstellung || e.V1Zeigen || e.V2Zeigen || e.V3Zeigen || e.Spat || e.Vektorprodukt ||
                 e.HoehenVektor || e.HoeheProjektion);

    const struct {
        tVektor3 v1, v2, v3;
    } beispiele[] = {
        {{4, 0, 0}, {0, 3, 0}, {0, 0, 2}},
        {{4, 1, 0}, {1, 3, 0}, {1, 0, 2}},
        {{3, 1, 1}, {1, 3, 1}, {1, 1, 2}},
    };
    for (int nr = 1; nr <= 3; ++nr) {
        SCOPED_TRACE(nr);
        const TVektorSpatprodukt::tBeispiel& b = TVektorSpatprodukt::Beispiel(nr);
        EXPECT_EQ(b.V1, beispiele[nr - 1].v1);
        EXPECT_EQ(b.V2, beispiele[nr - 1].v2);
        EXPECT_EQ(b.V3, beispiele[nr - 1].v3);
    }
    EXPECT_THROW(TVektorSpatprodukt::Beispiel(0), std::out_of_range);
    EXPECT_THROW(TVektorSpatprodukt::Beispiel(4), std::out_of_range);
}

TEST(VektorSpatprodukt, ResultsAndTheirTextsCharacterForCharacter)
{
    const std::string keine = "( keine Höhe: V1 x V2 = 0 )";
    const struct {
        const char* name;
        tVektor3 v1, v2, v3;
        tVektor3 p;
        double s;
        bool hoehe;
        TVektorSpatprodukt::tTexte texte;
    } faelle[] = {
        {"example 1",
         {4, 0, 0},
         {0, 3, 0},
         {0, 0, 2},
         {0, 0, 12},
         24,
         true,
         {{"0", "0", "12"}, "( Betrag: 12 )", "24", "( Betrag: 24 )", {"0", "0", "2"}, "( Betrag: 2 )"}},
        {"example 2",
         {4, 1, 0},
         {1, 3, 0},
         {1, 0, 2},
         {0, 0, 11},
         22,
         true,
         {{"0", "0", "11"}, "( Betrag: 11 )", "22", "( Betrag: 22 )", {"0", "0", "2"}, "( Betrag: 2 )"}},
        {"example 3: lengths and H to hundredths",
         {3, 1, 1},
         {1, 3, 1},
         {1, 1, 2},
         {-2, -2, 8},
         12,
         true,
         {{"-2", "-2", "8"},
          "( Betrag: 8,49 )",
          "12",
          "( Betrag: 12 )",
          {"-0,33", "-0,33", "1,33"},
          "( Betrag: 1,41 )"}},
        {"example 3 with V1 and V2 exchanged: the sign turns, |s| and H stay",
         {1, 3, 1},
         {3, 1, 1},
         {1, 1, 2},
         {2, 2, -8},
         -12,
         true,
         {{"2", "2", "-8"},
          "( Betrag: 8,49 )",
          "-12",
          "( Betrag: 12 )",
          {"-0,33", "-0,33", "1,33"},
          "( Betrag: 1,41 )"}},
        {"the largest volume the fields allow",
         {9, 9, 9},
         {9, -9, 9},
         {9, 9, -9},
         {162, 0, -162},
         2916,
         true,
         {{"162", "0", "-162"},
          "( Betrag: 229,1 )",
          "2916",
          "( Betrag: 2916 )",
          {"9", "0", "-9"},
          "( Betrag: 12,73 )"}},
        {"V3 = 0: a flat Spat with height 0, and no -0 from 0 · (-1)",
         {0, 1, 0},
         {1, 0, 0},
         {0, 0, 0},
         {0, 0, -1},
         0,
         true,
         {{"0", "0", "-1"}, "( Betrag: 1 )", "0", "( Betrag: 0 )", {"0", "0", "0"}, "( Betrag: 0 )"}},
        {"V3 in the plane of V1 and V2",
         {2, 0, 0},
         {0, -3, 0},
         {5, -7, 0},
         {0, 0, -6},
         0,
         true,
         {{"0", "0", "-6"}, "( Betrag: 6 )", "0", "( Betrag: 0 )", {"0", "0", "0"}, "( Betrag: 0 )"}},
        {"a small negative component of H rounds to 0, not -0",
         {-4, 1, 1},
         {-5, 1, -5},
         {1, 0, 3},
         {-6, -25, 1},
         -3,
         true,
         {{"-6", "-25", "1"}, "( Betrag: 25,73 )", "-3", "( Betrag: 3 )", {"0,03", "0,11", "0"}, "( Betrag: 0,12 )"}},
        {"V1 parallel to V2: no height",
         {1, 2, 3},
         {-2, -4, -6},
         {1, 1, 1},
         {0, 0, 0},
         0,
         false,
         {{"0", "0", "0"}, "( Betrag: 0 )", "0", "( Betrag: 0 )", {"—", "—", "—"}, keine}},
        {"V1 = 0 and V3 = 0: no height either",
         {0, 0, 0},
         {5, -4, 3},
         {0, 0, 0},
         {0, 0, 0},
         0,
         false,
         {{"0", "0", "0"}, "( Betrag: 0 )", "0", "( Betrag: 0 )", {"—", "—", "—"}, keine}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorSpatprodukt m;
        const tVektorSpatproduktEinstellungen e = AllesAn(Eingaben(f.v1, f.v2, f.v3));
        m.EinstellungenAendern(e);
        EXPECT_EQ(m.Einstellungen(), e);
        EXPECT_EQ(m.Produkt(), f.p);
        EXPECT_EQ(m.Spatprodukt(), f.s);
        EXPECT_EQ(m.HatHoehe(), f.hoehe);
        const TVektorSpatprodukt::tTexte t = m.Texte();
        EXPECT_EQ(t.Produkt, f.texte.Produkt);
        EXPECT_EQ(t.ProduktBetrag, f.texte.ProduktBetrag);
        EXPECT_EQ(t.Spatprodukt, f.texte.Spatprodukt);
        EXPECT_EQ(t.SpatBetrag, f.texte.SpatBetrag);
        EXPECT_EQ(t.Hoehe, f.texte.Hoehe);
        EXPECT_EQ(t.HoeheBetrag, f.texte.HoeheBetrag);
        if (f.hoehe) {
            // H is the projection of V3 onto P: parallel to P, and V3 - H is at right angles to P.
            const tVektor3 h = m.Hoehenvektor(), rest = f.v3 - h;
            EXPECT_NEAR(rest.x * f.p.x + rest.y * f.p.y + rest.z * f.p.z, 0, 1e-9);
            EXPECT_NEAR((h.x * f.p.x + h.y * f.p.y + h.z * f.p.z) * f.s, std::abs(f.s) * h.Laenge() * f.p.Laenge(),
                        1e-9);
            // |s| = area of the parallelogram x height.
            EXPECT_NEAR(std::abs(f.s), f.p.Laenge() * h.Laenge(), 1e-9);
        }
    }
}

TEST(VektorSpatprodukt, RefusesNumbersNoSpinEditCanHoldAndChangesNothing)
{
    const std::string neun = " ist nicht erlaubt.\rErlaubt sind ganze Zahlen von -9 bis 9.";
    const struct {
        const char* name;
        std::function<void(tVektorSpatproduktEinstellungen&)> verderben;
        std::string meldung;
    } faelle[] = {
        {"V1 x above the range", [](auto& e) { e.V1.x = 10; }, "Vektor V1, x-Komponente: 10" + neun},
        {"V2 y not whole", [](auto& e) { e.V2.y = 0.5; }, "Vektor V2, y-Komponente: 0,5" + neun},
        {"V3 z below the range", [](auto& e) { e.V3.z = -10; }, "Vektor V3, z-Komponente: -10" + neun},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TVektorSpatprodukt m;
        const tVektorSpatproduktEinstellungen vorher = AllesAn(Eingaben({3, 1, 1}, {1, 3, 1}, {1, 1, 2}));
        m.EinstellungenAendern(vorher);
        tVektorSpatproduktEinstellungen neu = Eingaben({1, 0, 0}, {0, 1, 0}, {0, 0, 1});
        f.verderben(neu);
        ErwarteAbweisung([&] { m.EinstellungenAendern(neu); }, f.meldung);
        EXPECT_EQ(m.Einstellungen(), vorher) << "nothing stored";
        EXPECT_EQ(m.Produkt(), (tVektor3{-2, -2, 8})) << "P unchanged";
        EXPECT_EQ(m.Texte().Spatprodukt, "12");
    }
    // NaN is neither whole nor within range.
    TVektorSpatprodukt m;
    tVektorSpatproduktEinstellungen neu = Eingaben({1, 0, 0}, {0, 1, 0}, {0, 0, 1});
    neu.V3.x = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(m.EinstellungenAendern(neu), AllgemeinerFehler);
    EXPECT_EQ(m.Einstellungen(), TVektorSpatprodukt::Startwerte);
}

// --- The picture --------------------------------------------------------------------

namespace {

constexpr Farbe Grau1{0.2f, 0.2f, 0.2f}, Grau2{0.4f, 0.4f, 0.4f}, Grau3{0.6f, 0.6f, 0.6f};
constexpr Farbe ProduktBlau{0, 0, 1}, Parallelogramm{0.8f, 0.8f, 1};
constexpr Farbe HoeheFuchsia{0.8f, 0, 0.8f}, Dreieck{1, 0.5f, 1};

struct tStab {
    const char* name;
    P3 von, nach;
    Farbe farbe;
};

class SpatBild : public ::testing::Test, protected SzenenBild {
protected:
    TVektorSpatprodukt szene;

    SpatBild() : SzenenBild(400, 40) {}

    Frame Zeichnen(const tVektorSpatproduktEinstellungen& e)
    {
        szene.EinstellungenAendern(e);
        return SzenenBild::Zeichnen(szene, tSeiten::Beide);
    }

    // Every polygon of the picture in order: arrows, parallelogram, height with triangle,
    // rods, each only where the scene's rules draw it. H is computed here as (s / |P|²) · P.
    void FolgePruefen(const Frame& f, const tVektorSpatproduktEinstellungen& e) const
    {
        const P3 n{}, v1 = Punkt(e.V1), v2 = Punkt(e.V2), v3 = Punkt(e.V3);
        const P3 p{v1.y * v2.z - v1.z * v2.y, v1.z * v2.x - v1.x * v2.z, v1.x * v2.y - v1.y * v2.x};
        const double q = Skalar(p, p);
        const P3 h = q == 0 ? P3{} : (Skalar(p, v3) / q) * p;

        FlaechenFolge folge(*this, f.ofKind(PrimitiveKind::Polygon));
        const auto unter = [](std::vector<P3> ecken) {
            return [ecken](P3 m) {
                for (const P3& e : ecken)
                    if (Laenge(m - e) < 1e-4)
                        return true;
                return false;
            };
        };
        if (e.V1Zeigen)
            folge.Pfeil({"V1", n, v1, 0.07, Grau1});
        if (e.V2Zeigen)
            folge.Pfeil({"V2", n, v2, 0.07, Grau2});
        if (e.V3Zeigen)
            folge.Pfeil({"V3", n, v3, 0.07, Grau3});
        if (e.Vektorprodukt && e.V1Zeigen && e.V2Zeigen) {
            folge.Pfeil({"P", n, p, 0.07, ProduktBlau});
            const auto teile = folge.Flaeche("parallelogram", Parallelogramm, unter({n, v1, v1 + v2, v2}));
            EXPECT_GE(teile.size(), 2u) << "both windings";
        }
        const bool hoehe = e.HoehenVektor && e.V3Zeigen && q != 0;
        if (hoehe) {
            folge.Pfeil({"H", n, h, 0.105, HoeheFuchsia});
            if (e.HoeheProjektion) {
                const auto teile = folge.Flaeche("projection triangle", Dreieck, unter({n, v3, h}));
                EXPECT_EQ(teile.size(), 2u) << "both windings";
            }
        }
        // The line H -> V3 is the picture's only line.
        const auto linien = f.ofKind(PrimitiveKind::Line);
        if (hoehe && e.HoeheProjektion) {
            EXPECT_EQ(linien.size(), 1u);
            for (const Primitive& l : linien) {
                EXPECT_TRUE(l.hasColour(HoeheFuchsia.r, HoeheFuchsia.g, HoeheFuchsia.b));
                EXPECT_LT(Laenge(ModellpunktAls<P3>(l.vertices[0]) - h), 1e-4);
                EXPECT_LT(Laenge(ModellpunktAls<P3>(l.vertices[1]) - v3), 1e-4);
            }
        } else {
            EXPECT_TRUE(linien.empty());
        }

        std::vector<tStab> staebe;
        if (e.Spat) {
            if (e.V1Zeigen && e.V2Zeigen) {
                staebe.push_back({"V1 -> V1 + V2", v1, v1 + v2, Grau2});
                staebe.push_back({"V2 -> V2 + V1", v2, v2 + v1, Grau1});
            }
            if (e.V1Zeigen && e.V3Zeigen) {
                staebe.push_back({"V1 -> V1 + V3", v1, v1 + v3, Grau3});
                staebe.push_back({"V3 -> V3 + V1", v3, v3 + v1, Grau1});
            }
            if (e.V2Zeigen && e.V3Zeigen) {
                staebe.push_back({"V3 -> V3 + V2", v3, v3 + v2, Grau2});
                staebe.push_back({"V2 -> V2 + V3", v2, v2 + v3, Grau3});
            }
            if (e.V1Zeigen && e.V2Zeigen && e.V3Zeigen) {
                const P3 alle = v1 + v2 + v3;
                staebe.push_back({"V2 + V3 -> all", v2 + v3, alle, Grau1});
                staebe.push_back({"V1 + V3 -> all", v1 + v3, alle, Grau2});
                staebe.push_back({"V1 + V2 -> all", v1 + v2, alle, Grau3});
            }
        }
        for (const tStab& s : staebe) {
            SCOPED_TRACE(s.name);
            // A rod of radius 0,07: every corner within the radius of the segment, and its
            // ends reached.
            const double len = Laenge(s.nach - s.von);
            const P3 r = (1 / len) * (s.nach - s.von);
            bool anfang = false, ende = false;
            const auto teile = folge.Flaeche("rod", s.farbe, [&](P3 m) {
                const double axial = Skalar(m - s.von, r);
                const double radial = Laenge(m - s.von - axial * r);
                return axial > -1e-4 && axial < len + 1e-4 && radial < 0.07 + 1e-4;
            });
            for (const Primitive* t : teile)
                for (const FeedbackVertex& v : t->vertices) {
                    const double axial = Skalar(ModellpunktAls<P3>(v) - s.von, r);
                    anfang = anfang || std::abs(axial) < 1e-4;
                    ende = ende || std::abs(axial - len) < 1e-4;
                }
            EXPECT_TRUE(anfang && ende);
        }
        EXPECT_TRUE(folge.Ende()) << folge.Naechste();
    }
};

}  // namespace

TEST_F(SpatBild, Example3WithEverythingOnInTheScenesOrder)
{
    const tVektorSpatproduktEinstellungen e = AllesAn(Eingaben({3, 1, 1}, {1, 3, 1}, {1, 1, 2}));
    const Frame f = Zeichnen(e);
    ASSERT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    FolgePruefen(f, e);
    EXPECT_EQ(ModellAnsichtAbweichung(), "");
}

TEST_F(SpatBild, EachPieceNeedsTheVectorsItIsBuiltFrom)
{
    const struct {
        const char* name;
        bool v1, v2, v3;
    } faelle[] = {
        {"no vector: nothing, whatever else is on", false, false, false},
        {"V3 off: no height and no edge along V3", true, true, false},
        {"V2 off: no product, only the edges along V1 and V3", true, false, true},
        {"V1 alone", true, false, false},
        {"V3 alone: height, but no edges", false, false, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tVektorSpatproduktEinstellungen e = AllesAn(Eingaben({3, 1, 1}, {1, 3, 1}, {1, 1, 2}));
        e.V1Zeigen = fall.v1;
        e.V2Zeigen = fall.v2;
        e.V3Zeigen = fall.v3;
        const Frame f = Zeichnen(e);
        FolgePruefen(f, e);
        if (!fall.v1 && !fall.v2 && !fall.v3) {
            EXPECT_TRUE(f.drawn().empty());
        }
    }
}

TEST_F(SpatBild, ParallelVectorsDrawNoHeightAndNothingOutsideTheVectors)
{
    // P = 0: the product arrow shrinks to the origin, the parallelogram to a segment, and
    // the height is left out; every corner stays finite and near the vectors.
    const tVektorSpatproduktEinstellungen e = AllesAn(Eingaben({1, 2, 3}, {-2, -4, -6}, {1, 1, 1}));
    const Frame f = Zeichnen(e);
    EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(f.ofKind(PrimitiveKind::Line).empty());
    for (const Primitive& p : f.drawn()) {
        EXPECT_FALSE(p.hasColour(HoeheFuchsia.r, HoeheFuchsia.g, HoeheFuchsia.b)) << p;
        EXPECT_FALSE(p.hasColour(Dreieck.r, Dreieck.g, Dreieck.b)) << p;
        for (const FeedbackVertex& v : p.vertices) {
            const P3 m = ModellpunktAls<P3>(v);
            EXPECT_TRUE(std::isfinite(m.x) && std::isfinite(m.y) && std::isfinite(m.z));
            EXPECT_LT(Laenge(m), 8) << m;
        }
    }
}

TEST_F(SpatBild, NothingWhileTheMainSwitchIsOffEvenWithEverySwitchOn)
{
    tVektorSpatproduktEinstellungen e = AllesAn(Eingaben({3, 1, 1}, {1, 3, 1}, {1, 1, 2}));
    e.Darstellung = false;
    const Frame f = Zeichnen(e);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}
