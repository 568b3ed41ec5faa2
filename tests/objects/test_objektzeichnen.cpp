// Drawing the object list: every type with its catalogue defaults, seen through GL
// feedback, against counts worked out from the shapes' definitions; which entries a pass
// draws in which mode; and what a parameter that is not a number does to a pass.

#include "core/zahltext.h"
#include "headlessframe.h"
#include "objects/objektdatei.h"
#include "objects/objektliste.h"
#include "objects/objektzeichnen.h"
#include "programm/programm.h"
#include "programm/zeichnen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace orbisto;

namespace {

// How often an angle loop runs: from 0 by 2 pi / n, accumulated, while below 2 pi.
int Winkelschritte(int n)
{
    const double d = 2 * std::numbers::pi / n;
    int k = 0;
    for (double w = 0; w < 2 * std::numbers::pi; w += d)
        ++k;
    return k;
}

// The same for the latitude loop of a sphere, from -pi/2 while below pi/2.
int Breitenschritte(int n)
{
    const double d = 2 * std::numbers::pi / n;
    int k = 0;
    for (double w = -std::numbers::pi / 2; w < std::numbers::pi / 2; w += d)
        ++k;
    return k;
}

// Slices of a tube half: from -0,99999 r by the step while the far end stays inside.
int Rohrschritte(double r, int m)
{
    const double d = (0.99999 * r - (-0.99999 * r)) / m;
    int k = 0;
    for (double s = -0.99999 * r, u = s + d; u <= 0.99999 * r + 1e-6; s += d, u += d)
        ++k;
    return k;
}

t3DObjekt Vorgabe(const tTypenliste& typen, const std::string& name, std::uint32_t farbe)
{
    const t3DTyp& typ = typen[static_cast<std::size_t>(typen.TypSuchen(name))];
    t3DObjekt o;
    o.Typname = name;
    o.Parameter = typ.ParWert;
    o.FarbeSetzen(farbe);
    return o;
}

// The object with the parameter called `name` set to `wert`.
t3DObjekt Mit(const tTypenliste& typen, t3DObjekt o, std::initializer_list<std::pair<std::string, std::string>> werte)
{
    const t3DTyp& typ = typen[static_cast<std::size_t>(typen.TypSuchen(o.Typname))];
    for (const auto& [name, wert] : werte) {
        const auto stelle = std::find(typ.ParName.begin(), typ.ParName.end(), name);
        EXPECT_NE(stelle, typ.ParName.end()) << o.Typname << " has no parameter " << name;
        if (stelle != typ.ParName.end())
            o.Parameter[static_cast<std::size_t>(stelle - typ.ParName.begin())] = wert;
    }
    return o;
}

enum Ton { Voll, Rueck, Dunkel, Schwarz };

class ObjektZeichnenTest : public ::testing::Test {
protected:
    HeadlessFrame frame{400, 400};
    TKoSys k;
    tTypenliste typen;

    // Looks down the z axis at the box -12..12, with both sides of every face drawn, so
    // the feedback holds every piece an object sends.
    Frame Zeichnen(const std::function<void()>& was)
    {
        k.xSchritt = 1;
        k.GL = &frame.ressourcen();
        Frame f = frame.render([&] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-12, 12, -12, 12, -12, 12);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glDisable(GL_CULL_FACE);
            was();
        });
        k.GL = nullptr;
        return f;
    }

    static bool InTon(const Primitive& p, const tFarbStufen& s, Ton t)
    {
        switch (t) {
        case Voll: return p.hasColour(s.VollR, s.VollG, s.VollB);
        case Rueck: return p.hasColour(s.RueckR, s.RueckG, s.RueckB);
        case Dunkel: return p.hasColour(s.DunkelR, s.DunkelG, s.DunkelB);
        case Schwarz: return p.hasColour(0, 0, 0);
        }
        return false;
    }
};

struct Erwartung {
    std::string Typ;
    int Linien;
    int Dreiecke;  // a quad comes back as two triangles
    std::set<Ton> LinienTon, DreieckTon;
};

TEST_F(ObjektZeichnenTest, EveryTypeWithItsDefaultsDrawsItsPartsInItsShades)
{
    const int kreis32 = Winkelschritte(32), kreis20 = Winkelschritte(20);
    const int baender = Breitenschritte(16), sektoren = Winkelschritte(16);
    const std::vector<Erwartung> faelle = {
        // 21 lines of 20 pieces each way, then 400 cells drawn twice.
        {"Funktion3d", 2 * 21 * 20, 400 * 2 * 2, {Dunkel}, {Voll}},
        // 20 turned copies of the 10-piece graph and 11 circles of 20 pieces.
        {"Rotationskoerper", 10 * Winkelschritte(20) + 11 * kreis20, 0, {Dunkel}, {}},
        // Two 13-line grids and the rim; the patch once per side.
        {"EbenePRF", 13 + 13 + 4, 2 * 2, {Dunkel}, {Voll, Rueck}},
        {"EbenePNF", 13 + 13 + 4, 2 * 2, {Dunkel}, {Voll, Rueck}},
        {"GeradePRF", 1, 0, {Voll}, {}},
        // Spokes and rim pieces in 32 steps, the tube of 2 x 20 x 32 quads, the disc twice.
        {"KreisMNF",
         2 * kreis32,
         2 * Rohrschritte(0.05, 20) * kreis32 * 2 + 2 * kreis32,
         {Dunkel},
         {Dunkel, Voll, Rueck}},
        // Meridian and parallel pieces of 8 bands by 16 sectors.
        {"Kugel", 2 * baender * sektoren, 0, {Dunkel}, {}},
        {"Strecke", 1, 0, {Voll}, {}},
        // Shaft (20 quads) and head (20 triangles) full, the two discs dark.
        {"Vektor", 0, kreis20 * 2 + kreis20 + 2 * kreis20, {}, {Voll, Dunkel}},
        {"Viereck", 4, 2 * 2, {Dunkel}, {Voll, Rueck}},
        {"Quader", 12, 0, {Dunkel}, {}},
        {"Pyramide", 8, 0, {Dunkel}, {}},
        {"Kegel", 4 * kreis20, 0, {Dunkel}, {}},
        {"Zylinder", 4 * kreis20, 0, {Dunkel}, {}},
    };
    for (const Erwartung& e : faelle) {
        SCOPED_TRACE(e.Typ);
        const t3DObjekt o = Vorgabe(typen, e.Typ, 0x0000FF);
        const Frame f = Zeichnen([&] { ObjektZeichnen(k, o); });
        EXPECT_EQ(f.glError(), GL_NO_ERROR);
        EXPECT_EQ(f.count(PrimitiveKind::Line), e.Linien);
        EXPECT_EQ(f.count(PrimitiveKind::Polygon), e.Dreiecke);
        std::set<Ton> linien, dreiecke;
        for (const Primitive& p : f.drawn())
            for (Ton t : {Voll, Rueck, Dunkel, Schwarz})
                if (InTon(p, o.Stufen(), t))
                    (p.kind == PrimitiveKind::Line ? linien : dreiecke).insert(t);
        EXPECT_EQ(linien, e.LinienTon);
        EXPECT_EQ(dreiecke, e.DreieckTon);
        int unbekannt = 0;
        for (const Primitive& p : f.drawn())
            if (!InTon(p, o.Stufen(), Voll) && !InTon(p, o.Stufen(), Rueck) && !InTon(p, o.Stufen(), Dunkel))
                ++unbekannt;
        EXPECT_EQ(unbekannt, 0) << "every piece in one of the object's shades";
    }
}

// The work counted before drawing must never fall short of what is drawn, or the limit
// would let a freezing object through; nor lie far above it, or it would refuse real ones.
TEST_F(ObjektZeichnenTest, CountedWorkMatchesWhatIsDrawn)
{
    const std::vector<t3DObjekt> faelle = {
        Mit(typen, Vorgabe(typen, "Funktion3d", 0xFF), {{"xSchritte", "37"}, {"ySchritte", "23"}}),
        Mit(typen, Vorgabe(typen, "Funktion3d", 0xFF), {{"xmin", "11"}, {"xmax", "11,2"}, {"xSchritte", "2"}}),
        Mit(typen, Vorgabe(typen, "Rotationskoerper", 0xFF),
            {{"xSchritte", "17"}, {"RotSchritte", "29"}, {"Funktion", "1"}, {"Flaeche", "1"}, {"Zylinder", "1"}}),
        Mit(typen, Vorgabe(typen, "EbenePRF", 0xFF), {{"Schritte", "40"}, {"Vektoren", "1"}}),
        Mit(typen, Vorgabe(typen, "EbenePNF", 0xFF), {{"Schritte", "40"}}),
        Mit(typen, Vorgabe(typen, "KreisMNF", 0xFF), {{"Schritte", "60"}}),
        Mit(typen, Vorgabe(typen, "KreisMNF", 0xFF), {{"Schritte", "60"}, {"rL", "0"}}),
        Mit(typen, Vorgabe(typen, "Kugel", 0xFF), {{"Schritte", "25"}, {"Flaeche", "1"}}),
        Mit(typen, Vorgabe(typen, "Zylinder", 0xFF), {{"Schritte", "90"}, {"Mantel", "1"}, {"Flaeche", "1"}}),
        Mit(typen, Vorgabe(typen, "Kegel", 0xFF), {{"Schritte", "90"}, {"Mantel", "1"}, {"Flaeche", "1"}}),
        Mit(typen, Vorgabe(typen, "Vektor", 0xFF), {{"Quader", "1"}}),
        Mit(typen, Vorgabe(typen, "Quader", 0xFF), {{"Mantel", "1"}, {"Flaeche", "1"}}),
    };
    for (const t3DObjekt& o : faelle) {
        SCOPED_TRACE(o.Typname + " " + o.Parameter[5] + " " + o.Parameter[8] + " " + o.Parameter[9]);
        const Frame f = Zeichnen([&] { ObjektZeichnen(k, o); });
        const double linien = f.count(PrimitiveKind::Line), dreiecke = f.count(PrimitiveKind::Polygon);
        const std::optional<double> aufwand = ObjektAufwand(o);
        ASSERT_TRUE(aufwand);
        EXPECT_GE(*aufwand, linien + dreiecke / 2);  // a quad comes back as two triangles
        EXPECT_LE(*aufwand, 3 * (linien + dreiecke) + 600);
    }
}

// Settings that froze the window for minutes or ran out of memory. Each is refused at
// once with a German message naming the object and the limit: by the drawing before it
// draws anything, and by the list file for the line that holds it.
TEST_F(ObjektZeichnenTest, AnObjectBeyondTheWorkLimitIsRefusedBeforeAnythingIsDrawn)
{
    const std::vector<t3DObjekt> faelle = {
        Mit(typen, Vorgabe(typen, "Kugel", 0xFF), {{"Schritte", "3000"}}),
        Mit(typen, Vorgabe(typen, "Kugel", 0xFF), {{"Schritte", "1000000000"}}),
        Mit(typen, Vorgabe(typen, "KreisMNF", 0xFF), {{"Schritte", "1000000000"}}),
        Mit(typen, Vorgabe(typen, "EbenePRF", 0xFF), {{"Schritte", "1000000000"}}),
        Mit(typen, Vorgabe(typen, "EbenePNF", 0xFF), {{"Schritte", "1000000000"}}),
        Mit(typen, Vorgabe(typen, "Zylinder", 0xFF), {{"Schritte", "1000000000"}}),
        Mit(typen, Vorgabe(typen, "Kegel", 0xFF), {{"Schritte", "1E9"}, {"Mantel", "1"}}),
        Mit(typen, Vorgabe(typen, "Rotationskoerper", 0xFF), {{"xSchritte", "1000000000"}}),
        Mit(typen, Vorgabe(typen, "Rotationskoerper", 0xFF), {{"RotSchritte", "1000000000"}}),
        // Each direction below the old limit of 100000, the product far beyond.
        Mit(typen, Vorgabe(typen, "Funktion3d", 0xFF), {{"xSchritte", "99000"}, {"ySchritte", "99000"}}),
        Mit(typen, Vorgabe(typen, "Funktion3d", 0xFF), {{"xSchritte", "1000"}, {"ySchritte", "1000"}}),
        // Few steps, but the bound's tolerance of 1 % is 10000 steps wide.
        Mit(typen, Vorgabe(typen, "Funktion3d", 0xFF),
            {{"xmin", "1000000"}, {"xmax", "1000001"}, {"ymin", "1000000"}, {"ymax", "1000001"}}),
    };
    for (const t3DObjekt& o : faelle) {
        SCOPED_TRACE(o.Typname);
        const std::optional<std::string> meldung = AufwandPruefen(o);
        ASSERT_TRUE(meldung);
        EXPECT_NE(meldung->find("„" + o.Typname + "“"), std::string::npos) << *meldung;
        EXPECT_NE(meldung->find("höchstens 300.000"), std::string::npos) << *meldung;

        const Frame f = Zeichnen([&] { EXPECT_THROW(ObjektZeichnen(k, o), AufwandFehler); });
        EXPECT_EQ(f.drawn().size(), 0u);

        tObjektliste liste;
        liste.ObjektAnhaengen(Vorgabe(typen, "Punkt", 0xFF));
        liste.ObjektAnhaengen(o);
        try {
            ObjektlisteLesen(ObjektlisteText(liste));
            ADD_FAILURE() << "the list was read";
        } catch (const ObjektdateiFehler& e) {
            EXPECT_EQ(std::string(e.what()), "Zeile 3: " + *meldung);
        }
    }
    // Every type with its defaults, and a sphere or a surface as fine as a lesson wants.
    for (std::size_t slot = 1; slot <= 15; ++slot)
        EXPECT_FALSE(AufwandPruefen(Vorgabe(typen, typen[slot].Name, 0xFF))) << typen[slot].Name;
    EXPECT_FALSE(AufwandPruefen(Mit(typen, Vorgabe(typen, "Kugel", 0xFF), {{"Schritte", "100"}, {"Flaeche", "1"}})));
    EXPECT_FALSE(
        AufwandPruefen(Mit(typen, Vorgabe(typen, "Funktion3d", 0xFF), {{"xSchritte", "150"}, {"ySchritte", "150"}})));
}

TEST_F(ObjektZeichnenTest, APointIsABallInTheFullShadeAboutItsPlace)
{
    t3DObjekt o = Vorgabe(typen, "Punkt", 0x00FF00);
    o.Parameter = {"2", "-3", "0", "1"};
    const Frame f = Zeichnen([&] { ObjektZeichnen(k, o); });
    ASSERT_GT(f.count(PrimitiveKind::Polygon), 0);
    EXPECT_EQ(f.count(PrimitiveKind::Line), 0);
    float xmin = 1e9f, xmax = -1e9f, ymin = 1e9f, ymax = -1e9f;
    for (const Primitive& p : f.drawn()) {
        EXPECT_TRUE(p.hasColour(0, 1, 0));
        for (const FeedbackVertex& v : p.vertices) {
            xmin = std::min(xmin, v.x), xmax = std::max(xmax, v.x);
            ymin = std::min(ymin, v.y), ymax = std::max(ymax, v.y);
        }
    }
    // 400 pixels for 24 units: centre (2, -3), radius 1 (a ten-sided polygon round, so
    // its width lies between 2 r cos 18 degrees and 2 r).
    const double r = 400 / 24.0;
    EXPECT_NEAR((xmin + xmax) / 2, 200 + 2 * r, 0.5);
    EXPECT_NEAR((ymin + ymax) / 2, 200 - 3 * r, 0.5);
    for (const double breite : {xmax - xmin, ymax - ymin}) {
        EXPECT_GE(breite, 2 * r * std::cos(std::numbers::pi / 10) - 0.5);
        EXPECT_LE(breite, 2 * r + 0.5);
    }
}

TEST_F(ObjektZeichnenTest, ASegmentWithARadiusIsARod)
{
    t3DObjekt o = Vorgabe(typen, "Strecke", 0x0000FF);
    o.Parameter[6] = "0,1";
    const Frame f = Zeichnen([&] { ObjektZeichnen(k, o); });
    EXPECT_EQ(f.count(PrimitiveKind::Line), 0);
    // Ten side quads and two end discs of ten triangles.
    EXPECT_EQ(f.count(PrimitiveKind::Polygon), Winkelschritte(10) * 2 + 2 * Winkelschritte(10));
}

TEST_F(ObjektZeichnenTest, AnUnknownTypeDrawsNothingAndCaseMatters)
{
    for (const char* name : {"kugel", "", "Wuerfel"}) {
        t3DObjekt o = Vorgabe(typen, "Kugel", 0x0000FF);
        o.Typname = name;
        EXPECT_TRUE(Zeichnen([&] { ObjektZeichnen(k, o); }).drawn().empty()) << name;
    }
}

TEST(Parameterwerte, NumberWholeNumberAndSwitch)
{
    EXPECT_EQ(ZahlWert(""), 0);
    EXPECT_EQ(ZahlWert("0,5"), 0.5);
    EXPECT_EQ(ZahlWert("-4"), -4);
    EXPECT_EQ(GanzzahlWert("2,5"), 2);
    EXPECT_EQ(GanzzahlWert("3,5"), 4);
    EXPECT_EQ(GanzzahlWert("-0,5"), 0);
    EXPECT_EQ(GanzzahlWert("1E30"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(GanzzahlWert("-1E30"), std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(SchalterWert("0,1"));
    EXPECT_FALSE(SchalterWert("0"));
    EXPECT_FALSE(SchalterWert("-1"));
    EXPECT_FALSE(SchalterWert(""));
    try {
        ZahlWert("x+y");
        ADD_FAILURE() << "no error";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_STREQ(e.what(), "'x+y' ist kein gültiger Gleitkommawert");
    }
}

// Which entries a pass draws: each entry in a colour of its own, read back in order.
class ModusTest : public ObjektZeichnenTest {
protected:
    tObjektliste liste;
    t3DObjekt vorschau;

    void SetUp() override
    {
        const std::uint32_t farben[] = {0x0000FF, 0x00FF00, 0xFF0000};
        const bool vor[] = {true, false, true}, orig[] = {false, true, true};
        for (int i = 0; i < 3; ++i) {
            t3DObjekt o = Vorgabe(typen, "Strecke", farben[i]);
            o.Vor = vor[i];
            o.Orig = orig[i];
            liste.ObjektAnhaengen(o);
        }
        vorschau = Vorgabe(typen, "Strecke", 0x00FFFF);
    }

    // The colours of the drawn lines, as the list index of the entry (4 for the preview).
    std::vector<int> Gezeichnet(tModus modus)
    {
        const Frame f = Zeichnen([&] { ObjekteZeichnen(k, modus, liste, vorschau); });
        std::vector<int> r;
        for (const Primitive& p : f.drawn())
            r.push_back(p.hasColour(1, 0, 0)   ? 1
                        : p.hasColour(0, 1, 0) ? 2
                        : p.hasColour(0, 0, 1) ? 3
                        : p.hasColour(1, 1, 0) ? 4
                                               : 0);
        return r;
    }
};

TEST_F(ModusTest, MarksChooseTheEntriesAndThePreviewObjectComesLast)
{
    EXPECT_EQ(Gezeichnet(tModus::Original), (std::vector<int>{2, 3}));
    EXPECT_EQ(Gezeichnet(tModus::VorschauNeu), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(Gezeichnet(tModus::VorschauBearbeiten), (std::vector<int>{1, 3, 4}));
    EXPECT_TRUE(Gezeichnet(static_cast<tModus>(3)).empty());
    liste.ListeLeeren();
    EXPECT_EQ(Gezeichnet(tModus::VorschauNeu), (std::vector<int>{4}));
    EXPECT_TRUE(Gezeichnet(tModus::Original).empty());
}

TEST_F(ModusTest, AParameterThatIsNoNumberEndsThePassWithTheConversionError)
{
    Programm p;
    p.Objektliste = liste;
    t3DObjekt kaputt = Vorgabe(typen, "Kugel", 0x0000FF);
    kaputt.Orig = true;
    kaputt.Parameter[3] = "2*x";
    p.Objektliste.ObjektErsetzen(2, kaputt);
    p.Objektliste[3].FarbeSetzen(0x563412);
    GLint tiefe = 0;
    const Frame f = frame.render([&] {
        EXPECT_THROW(orbisto::Zeichnen(p, frame.ressourcen(), 400, 400), KonvertierungsFehler);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
    });
    EXPECT_EQ(tiefe, 1);
    EXPECT_EQ(f.glError(), GL_NO_ERROR);
    // The coordinate system came before the list; nothing of the entry after the bad one.
    for (const Primitive& q : f.drawn())
        EXPECT_FALSE(q.hasColour(0x12 / 255.f, 0x34 / 255.f, 0x56 / 255.f)) << q;
}

}  // namespace
