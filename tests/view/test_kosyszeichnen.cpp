// The coordinate system, drawn after the real view transform into a headless frame and
// read back from GL feedback. The glyph lists are replaced by lists that report their
// character code, so the tests read the texts themselves, not just their glyph count.

#include "headlessframe.h"
#include "programm/zeichnen.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace orbisto;

namespace {

constexpr int Seite = 400;  // the default box of 100 view units: 4 pixels each, 20 per model unit

struct P3 {
    double x = 0, y = 0, z = 0;
};
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }
bool Nahe(P3 a, P3 b) { return std::abs(a.x - b.x) < 1e-4 && std::abs(a.y - b.y) < 1e-4 && std::abs(a.z - b.z) < 1e-4; }

// A view of the default orthographic box in which a window position reads back as a model
// point: from the side (x to the right, z up, y into the picture).
struct Ansicht {
    double xDrehung, zDrehung;
    P3 (*modell)(const FeedbackVertex&);
};
const Ansicht VonDerSeite{-90, 0, [](const FeedbackVertex& v) {
                              return P3{(v.x - 200) / 20.0, 60 * double(v.z) - 20, (v.y - 200) / 20.0};
                          }};

struct Strecke {
    P3 a, b;
};

struct Text {
    std::string text;
    P3 ort;
    FeedbackVertex erster, letzter;
};

class KoSysBild : public ::testing::Test {
protected:
    KoSysBild()
    {
        // One list per code: report the code, then a blank one-pixel glyph that advances
        // by one pixel, so a text's characters follow each other pixel by pixel.
        frame.gl().makeCurrent();
        probe.FontBasis = glGenLists(256);
        static const GLubyte leer[4] = {};
        for (int c = 0; c < 256; ++c) {
            glNewList(probe.FontBasis + c, GL_COMPILE);
            glPassThrough(static_cast<GLfloat>(c));
            glBitmap(1, 1, 0, 0, 1, 0, leer);
            glEndList();
        }
        k.xyGitter = false;
        k.xDrehung = ansicht.xDrehung;
        k.zDrehung = ansicht.zDrehung;
    }
    ~KoSysBild() override
    {
        frame.gl().makeCurrent();
        glDeleteLists(probe.FontBasis, 256);
    }

    void AchsenTeileAn() { k.AchsenNamen = k.AchsenEinteilung = k.AchsenEinheiten = true; }

    Frame Zeichnen(const GLRessourcen* gl = nullptr)
    {
        return frame.render([&] {
            glClearColor(1, 1, 1, 1);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            ProjektionSetzen(k);
            k.GL = gl ? gl : &probe;
            k.KoSysZeichnen();
            k.GL = nullptr;
        });
    }

    std::vector<Strecke> Strecken(const Frame& f, float r, float g, float b) const
    {
        std::vector<Strecke> s;
        for (const Primitive& p : f.inColour(r, g, b))
            if (p.kind == PrimitiveKind::Line)
                s.push_back({ansicht.modell(p.vertices[0]), ansicht.modell(p.vertices[1])});
        return s;
    }

    // The texts in drawing order, read from the codes the probe lists report.
    std::vector<Text> Texte(const Frame& f, float r, float g, float b) const
    {
        std::vector<Text> texte;
        int code = -1;
        for (const Primitive& p : f.drawn()) {
            if (p.kind == PrimitiveKind::PassThrough) {
                code = static_cast<int>(p.marker);
                continue;
            }
            if (p.kind != PrimitiveKind::Bitmap || code < 0)
                continue;
            const FeedbackVertex& v = p.vertices[0];
            const bool weiter = !texte.empty() && v.x == texte.back().letzter.x + 1 && v.y == texte.back().letzter.y &&
                                v.z == texte.back().letzter.z;
            if (weiter) {
                texte.back().text += static_cast<char>(code);
                texte.back().letzter = v;
            } else {
                texte.push_back({std::string(1, static_cast<char>(code)), ansicht.modell(v), v, v});
            }
            code = -1;
        }
        std::erase_if(texte, [&](const Text& t) {
            return std::abs(t.erster.r - r) > 1e-3 || std::abs(t.erster.g - g) > 1e-3 ||
                   std::abs(t.erster.b - b) > 1e-3;
        });
        return texte;
    }

    Ansicht ansicht = VonDerSeite;
    HeadlessFrame frame{Seite, Seite};
    GLRessourcen probe;
    TKoSys k;
};

// Each expected segment exactly once (as drawn from a to b, or either way round), and
// nothing else.
void GleicheStrecken(std::vector<Strecke> ist, const std::vector<Strecke>& soll, bool beideRichtungen = false)
{
    for (const Strecke& s : soll) {
        const auto it = std::find_if(ist.begin(), ist.end(), [&](const Strecke& i) {
            return (Nahe(i.a, s.a) && Nahe(i.b, s.b)) || (beideRichtungen && Nahe(i.a, s.b) && Nahe(i.b, s.a));
        });
        if (it == ist.end())
            ADD_FAILURE() << "missing " << s.a << " - " << s.b;
        else
            ist.erase(it);
    }
    for (const Strecke& i : ist)
        ADD_FAILURE() << "extra " << i.a << " - " << i.b;
}

void GleicheTexte(std::vector<Text> ist, const std::vector<std::pair<std::string, P3>>& soll)
{
    for (const auto& eintrag : soll) {
        const auto& [text, ort] = eintrag;
        const auto it = std::find_if(ist.begin(), ist.end(), [&eintrag](const Text& i) {
            return i.text == eintrag.first && Nahe(i.ort, eintrag.second);
        });
        if (it == ist.end())
            ADD_FAILURE() << "missing \"" << text << "\" at " << ort;
        else
            ist.erase(it);
    }
    for (const Text& i : ist)
        ADD_FAILURE() << "extra \"" << i.text << "\" at " << i.ort;
}

}  // namespace

TEST(Zahltext, DecimalsAsTheTickIntervalNeeds)
{
    const struct {
        double wert, schritt;
        const char* text;
    } faelle[] = {
        {-4, 1, "-4"},
        {3, 1, "3"},
        {0, 1, ""},  // the origin
        {9e-11, 0.1, ""},
        {0.30000000000000004, 0.1, "0,3"},  // 0,1 + 0,1 + 0,1
        {0.7999999999999999, 0.1, "0,8"},
        {2.5, 2, "2"},  // whole numbers above 1,01, halves to even
        {3.5, 2, "4"},
        {7, 1.01, "7"},  // 1,01 itself is not above 1,01: one decimal
        {0.25, 0.5, "0,2"},
        {1.234, 0.05, "1,23"},
        {-0.004, 0.05, "0"},
        {0.123456789, 2e-8, "0,12345679"},
        {0.123456789, 1e-8, ""},  // finer than 1,01E-8
        {1e8, 1e7, "100000000"},
        {1.0000001e8, 1e7, ""},
        {-2e8, 1e7, ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TKoSys::Zahltext(f.wert, f.schritt), f.text) << f.wert << ", " << f.schritt;
}

TEST_F(KoSysBild, DefaultRoomAxesWithBarbsNamesTicksAndNumbers)
{
    AchsenTeileAn();
    const Frame f = Zeichnen();
    EXPECT_EQ(k.xSchritt, 1);
    EXPECT_EQ(k.ySchritt, 1);
    EXPECT_EQ(k.zSchritt, 1);

    // Per axis: a point at t along it, u and v off it in the two other directions, and
    // where its numbers stand, read back as model points: 3 pixels right of the tick's
    // cross and their top (the probe glyphs have no height) 3 pixels below the tick point,
    // at the depth of the point 0,05 above the tick (x, y) or in front of it (z). From the
    // side a pixel is 0,05; the crosses of y and z reach 2 pixels to the right.
    const struct {
        const char* name;
        float r, g, b;
        P3 (*punkt)(double t, double u, double v);
        P3 (*zahl)(double t);
    } achsen[] = {
        {"X", 1, 0, 0,
         [](double t, double u, double v) {
             return P3{t, u, v};
         },
         [](double t) {
             return P3{t + 0.15, 0, -0.15};
         }},
        {"Y", 0, 0.8f, 0,
         [](double t, double u, double v) {
             return P3{u, t, v};
         },
         [](double t) {
             return P3{0.25, t, -0.15};
         }},
        {"Z", 0, 0, 1,
         [](double t, double u, double v) {
             return P3{u, v, t};
         },
         [](double t) {
             return P3{0.25, 0, t - 0.15};
         }},
    };
    for (const auto& a : achsen) {
        SCOPED_TRACE(a.name);
        const P3 spitze = a.punkt(5, 0, 0);
        std::vector<Strecke> linien = {{a.punkt(-5, 0, 0), spitze},
                                       {a.punkt(4.7, 0.1, 0), spitze},
                                       {a.punkt(4.7, -0.1, 0), spitze},
                                       {a.punkt(4.7, 0, 0.1), spitze},
                                       {a.punkt(4.7, 0, -0.1), spitze}};
        std::vector<std::pair<std::string, P3>> texte = {{a.name, a.punkt(5.25, 0, 0)}};
        for (int t = -4; t <= 4; ++t) {
            linien.push_back({a.punkt(t, -0.1, 0), a.punkt(t, 0.1, 0)});
            linien.push_back({a.punkt(t, 0, -0.1), a.punkt(t, 0, 0.1)});
            if (t != 0)
                texte.push_back({std::to_string(t), a.zahl(t)});
        }
        GleicheStrecken(Strecken(f, a.r, a.g, a.b), linien);
        GleicheTexte(Texte(f, a.r, a.g, a.b), texte);
    }
    EXPECT_EQ(f.drawn().size(), f.inColour(1, 0, 0).size() + f.inColour(0, 0.8f, 0).size() +
                                    f.inColour(0, 0, 1).size() + f.count(PrimitiveKind::PassThrough));
}

TEST_F(KoSysBild, RoomFromZeroToOneLabelsTenthsAndGridsReachTheUpperBound)
{
    AchsenTeileAn();
    k.xMin = 0;
    k.xMax = 1;
    k.xyGitter = true;
    const Frame f = Zeichnen();
    EXPECT_DOUBLE_EQ(k.xSchritt, 0.1);

    std::vector<std::pair<std::string, P3>> texte = {{"X", {1.025, 0, 0}}};
    for (int i = 1; i <= 9; ++i)
        texte.push_back({"0," + std::to_string(i), {i / 10.0 + 0.15, 0, -0.15}});  // as in the default room
    GleicheTexte(Texte(f, 1, 0, 0), texte);

    // Lines of the x-y grid parallel to y, at x = 0; 0,1 ... 1 (the last one accumulated
    // to 0,9999999999999999, inside the 1 % tolerance).
    std::vector<Strecke> gitter;
    for (int i = 0; i <= 10; ++i)
        gitter.push_back({{i / 10.0, -5, 0}, {i / 10.0, 5, 0}});
    for (int y = -5; y <= 5; ++y)
        gitter.push_back({{0, double(y), 0}, {1, double(y), 0}});
    GleicheStrecken(Strecken(f, 0.8f, 0.8f, 0.8f), gitter);
}

TEST_F(KoSysBild, OnlyTheExactTopViewDropsTheZLabelsButKeepsTheZLine)
{
    AchsenTeileAn();
    const struct {
        double xDrehung, zDrehung;
        bool flach;
    } faelle[] = {{0, 0, true}, {0, 1e-9, false}, {-1e-9, 0, false}, {-75, -20, false}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::to_string(fall.xDrehung) + ", " + std::to_string(fall.zDrehung));
        k.xDrehung = fall.xDrehung;
        k.zDrehung = fall.zDrehung;
        const Frame f = Zeichnen();
        EXPECT_EQ(Strecken(f, 0, 0, 1).size(), fall.flach ? 5u : 5u + 2 * 9) << "line and barbs, ticks";
        EXPECT_EQ(Texte(f, 0, 0, 1).size(), fall.flach ? 0u : 9u) << "\"Z\" and the numbers";
        EXPECT_EQ(Texte(f, 1, 0, 0).size(), 9u) << "x keeps its name and numbers";
        EXPECT_EQ(Texte(f, 0, 0.8f, 0).size(), 9u);
    }
}

TEST_F(KoSysBild, ThreeGridsInTheirPlanesIncludingBothBounds)
{
    k.AchsenZeichnung = false;
    k.xyGitter = k.yzGitter = k.xzGitter = true;
    const Frame f = Zeichnen();
    std::vector<Strecke> soll;
    for (int i = -5; i <= 5; ++i) {
        const double v = i;
        soll.insert(soll.end(), {{{v, -5, 0}, {v, 5, 0}},
                                 {{-5, v, 0}, {5, v, 0}},  // x-y
                                 {{0, v, -5}, {0, v, 5}},
                                 {{0, -5, v}, {0, 5, v}},  // y-z
                                 {{v, 0, -5}, {v, 0, 5}},
                                 {{-5, 0, v}, {5, 0, v}}});  // x-z
    }
    GleicheStrecken(Strecken(f, 0.8f, 0.8f, 0.8f), soll);
    EXPECT_EQ(f.drawn().size(), soll.size());
}

TEST_F(KoSysBild, ANegativeUpperBoundLosesTheLastGridLineAndTick)
{
    // y from -6 to -1: yS = 0,5 and every position exact, but the bound times 1,01 moves
    // down, past the last grid line at -1 and the last tick at -1,5.
    k.yMin = -6;
    k.yMax = -1;
    k.xyGitter = true;
    k.AchsenEinteilung = true;
    const Frame f = Zeichnen();

    std::vector<Strecke> gitter;
    for (int x = -5; x <= 5; ++x)
        gitter.push_back({{double(x), -6, 0}, {double(x), -1, 0}});
    for (int i = 0; i <= 9; ++i)  // -6 ... -1,5
        gitter.push_back({{-5, -6 + 0.5 * i, 0}, {5, -6 + 0.5 * i, 0}});
    GleicheStrecken(Strecken(f, 0.8f, 0.8f, 0.8f), gitter);

    std::vector<Strecke> y = {{{0, -6, 0}, {0, -1, 0}}};
    for (double u : {-0.1, 0.1})
        y.insert(y.end(), {{{0, -1.15, u}, {0, -1, 0}}, {{u, -1.15, 0}, {0, -1, 0}}});
    for (int i = 1; i <= 8; ++i) {  // -5,5 ... -2
        const double t = -6 + 0.5 * i;
        y.insert(y.end(), {{{-0.1, t, 0}, {0.1, t, 0}}, {{0, t, -0.1}, {0, t, 0.1}}});
    }
    GleicheStrecken(Strecken(f, 0, 0.8f, 0), y);
}

TEST_F(KoSysBild, AreasShowFromBothSides)
{
    const struct {
        const char* name;
        bool TKoSys::*schalter;
        double drehungen[2][2];  // (xDrehung, zDrehung) of two views from opposite sides
    } faelle[] = {
        {"x-y", &TKoSys::xyFlaeche, {{0, 0}, {180, 0}}},
        {"x-z", &TKoSys::xzFlaeche, {{-90, 0}, {90, 0}}},
        {"y-z", &TKoSys::yzFlaeche, {{-90, 90}, {-90, -90}}},
    };
    k.AchsenZeichnung = false;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        k.xyFlaeche = k.xzFlaeche = k.yzFlaeche = false;
        k.*fall.schalter = true;
        for (const auto& d : fall.drehungen) {
            k.xDrehung = d[0];
            k.zDrehung = d[1];
            const Frame f = Zeichnen();
            EXPECT_EQ(f.inColour(0.9f, 0.9f, 0.9f).size(), 2u) << "one quad of two triangles faces the viewer";
            EXPECT_EQ(f.drawn().size(), 2u);
            const Rgba c = f.pixel(Seite / 2 + 50, Seite / 2 - 30);
            EXPECT_TRUE(c.r >= 229 && c.r <= 230 && c.g == c.r && c.b == c.r) << c;
        }
    }
}

TEST_F(KoSysBild, RoomEdgesInBlack)
{
    k.AchsenZeichnung = k.xyGitter = false;
    k.Raumgrenzen = true;
    k.xMin = -2, k.xMax = 6, k.yMin = -3, k.yMax = 1, k.zMin = 0, k.zMax = 4;
    std::vector<Strecke> kanten;
    for (double a : {-3.0, 1.0})
        for (double b : {0.0, 4.0})
            kanten.push_back({{-2, a, b}, {6, a, b}});
    for (double a : {-2.0, 6.0})
        for (double b : {0.0, 4.0})
            kanten.push_back({{a, -3, b}, {a, 1, b}});
    for (double a : {-2.0, 6.0})
        for (double b : {-3.0, 1.0})
            kanten.push_back({{a, b, 0}, {a, b, 4}});
    const Frame f = Zeichnen();
    GleicheStrecken(Strecken(f, 0, 0, 0), kanten, true);
    EXPECT_EQ(f.drawn().size(), 12u);
}

TEST_F(KoSysBild, AllSwitchesOffOnlySetTheTickIntervals)
{
    k.AchsenZeichnung = k.xyGitter = false;
    AchsenTeileAn();  // without the axes these draw nothing either
    k.xMin = 0, k.xMax = 1, k.yMin = -2, k.yMax = 8, k.zMin = -50, k.zMax = 50;
    const Frame f = Zeichnen();
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_DOUBLE_EQ(k.xSchritt, 0.1);
    EXPECT_DOUBLE_EQ(k.ySchritt, 1);
    EXPECT_DOUBLE_EQ(k.zSchritt, 10);
}

TEST_F(KoSysBild, ARoomOfNoWidthDrawsItsAxesWithoutTicksOrGrid)
{
    // Steps of 0 would never reach the bound; those loops draw nothing.
    AchsenTeileAn();
    k.xyGitter = k.xzGitter = true;
    k.xMin = k.xMax = 0;
    const Frame f = Zeichnen();
    EXPECT_EQ(k.xSchritt, 0);
    EXPECT_EQ(Strecken(f, 1, 0, 0).size(), 5u) << "line and barbs, all at the origin";
    EXPECT_EQ(Texte(f, 1, 0, 0).size(), 1u) << "only \"X\"";
    EXPECT_EQ(Texte(f, 0, 0, 1).size(), 9u);
}

namespace {

// Where a text lies on screen by the glyph sizes the view was given: from its first
// glyph's raster position, as wide as its advances, from the descent to the ascent.
struct Feld {
    double links, unten, rechts, oben;
};
Feld TextFeld(const Text& t, const tSchriftMasse& s)
{
    return {t.erster.x, t.erster.y - s.Unterlaenge, t.erster.x + s.Breite(t.text), t.erster.y + s.Oberlaenge};
}
bool Ueberlappen(const Feld& a, const Feld& b)
{
    return a.links < b.rechts && b.links < a.rechts && a.unten < b.oben && b.unten < a.oben;
}
// Whether the segment runs through the inside of the field (touching its border is fine).
bool Durchquert(const Primitive& linie, const Feld& f)
{
    const FeedbackVertex &a = linie.vertices[0], &b = linie.vertices[1];
    for (int i = 0; i <= 200; ++i) {
        const double s = i / 200.0, x = a.x + s * (b.x - a.x), y = a.y + s * (b.y - a.y);
        if (x > f.links && x < f.rechts && y > f.unten && y < f.oben)
            return true;
    }
    return false;
}
double Laenge(const Primitive& linie)
{
    return std::hypot(linie.vertices[1].x - linie.vertices[0].x, linie.vertices[1].y - linie.vertices[0].y);
}

}  // namespace

TEST_F(KoSysBild, TheGlyphSizesHandedToTheViewAreThoseOfTheLists)
{
    const GLRessourcen& echt = frame.ressourcen();
    EXPECT_GT(echt.Schrift.Oberlaenge, 5);
    EXPECT_GT(echt.Schrift.Unterlaenge, 0);
    for (const std::string text : {"-0,123456789", "E X", "\xC4\xE4\xDF\x80"}) {  // Windows-1252
        float vorher[4] = {}, nachher[4] = {};
        frame.render([&] {
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glRasterPos2d(-0.9, 0);
            glGetFloatv(GL_CURRENT_RASTER_POSITION, vorher);
            glListBase(echt.FontBasis);
            glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
            glGetFloatv(GL_CURRENT_RASTER_POSITION, nachher);
        });
        EXPECT_GT(echt.Schrift.Breite(text), 5 * static_cast<int>(text.size()) / 2) << text;
        EXPECT_EQ(nachher[0] - vorher[0], echt.Schrift.Breite(text)) << text;
    }
}

TEST_F(KoSysBild, NoTickCoversANumberAndNoTwoNumbersOverlapInAnyView)
{
    // The sizes of the real glyphs, with the probe's lists that name each character.
    probe.Schrift = frame.ressourcen().Schrift;
    AchsenTeileAn();
    const struct {
        const char* name;
        double xDrehung, zDrehung, skala[3];
    } faelle[] = {
        {"default", -75, -20, {5, 5, 5}},
        {"2-D", 0, 0, {5, 5, 5}},
        {"side", -90, 0, {5, 5, 5}},
        {"zoomed in, ticks longer than the gap", -75, -20, {15, 15, 15}},
        {"y stretched twice", -75, -20, {5, 1, 5}},
        {"from behind and below", -120, 150, {5, 5, 2}},
    };
    const struct {
        const char* name;
        float r, g, b;
    } achsen[] = {{"X", 1, 0, 0}, {"Y", 0, 0.8f, 0}, {"Z", 0, 0, 1}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        k.xDrehung = fall.xDrehung;
        k.zDrehung = fall.zDrehung;
        k.xSkala = fall.skala[0], k.ySkala = fall.skala[1], k.zSkala = fall.skala[2];
        const Frame f = Zeichnen();
        std::size_t zahlen = 0;
        for (const auto& a : achsen) {
            SCOPED_TRACE(a.name);
            // Ticks and barbs: every line of the axis colour but the axis itself.
            std::vector<Primitive> linien;
            for (const Primitive& p : f.inColour(a.r, a.g, a.b))
                if (p.kind == PrimitiveKind::Line)
                    linien.push_back(p);
            ASSERT_FALSE(linien.empty());
            linien.erase(std::max_element(linien.begin(), linien.end(), [](const Primitive& l, const Primitive& m) {
                return Laenge(l) < Laenge(m);
            }));
            std::vector<Feld> felder;
            for (const Text& t : Texte(f, a.r, a.g, a.b))
                if (t.text != a.name)
                    felder.push_back(TextFeld(t, probe.Schrift));
            for (std::size_t i = 0; i < felder.size(); ++i) {
                for (const Primitive& l : linien)
                    EXPECT_FALSE(Durchquert(l, felder[i])) << "number " << i << " under " << l;
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(Ueberlappen(felder[i], felder[j])) << "numbers " << j << " and " << i;
            }
            zahlen += felder.size();
        }
        EXPECT_GE(zahlen, 9u) << "the numbers that fit stay";
    }
}

TEST_F(KoSysBild, AForeshortenedAxisLeavesOutNumbersThatWouldRunIntoThePreviousOne)
{
    // From the side with x squeezed to 10 pixels a unit, and y pointing into the picture,
    // every y number on the same spot. '-' 4 pixels, digits 6, a blank 3 between numbers.
    probe.Schrift.Vorschub['-'] = 4;
    for (char c = '0'; c <= '9'; ++c)
        probe.Schrift.Vorschub[static_cast<unsigned char>(c)] = 6;
    probe.Schrift.Vorschub[' '] = 3;
    probe.Schrift.Oberlaenge = 10;
    probe.Schrift.Unterlaenge = 3;
    k.AchsenEinteilung = k.AchsenEinheiten = true;
    k.xSkala = 2.5;
    const Frame f = Zeichnen();

    // "-4" from 163 to 176 with its blank; "-3" would start at 173, "-2" at 183 fits, "-1"
    // at 193 not, and from "1" on the narrower numbers all fit. Baselines 3 + 10 below.
    std::vector<std::pair<std::string, FeedbackVertex>> soll;
    for (int t : {-4, -2, 1, 2, 3, 4})
        soll.push_back({std::to_string(t), {200 + 10.0f * t + 3, 187}});
    const std::vector<Text> x = Texte(f, 1, 0, 0);
    ASSERT_EQ(x.size(), soll.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(x[i].text, soll[i].first);
        EXPECT_EQ(x[i].erster.x, soll[i].second.x) << x[i].text;
        EXPECT_EQ(x[i].erster.y, soll[i].second.y) << x[i].text;
    }

    const std::vector<Text> y = Texte(f, 0, 0.8f, 0);
    ASSERT_EQ(y.size(), 1u);
    EXPECT_EQ(y[0].text, "-4") << "the first one drawn stays";
    EXPECT_EQ(Texte(f, 0, 0, 1).size(), 8u) << "z is 20 pixels a unit, the numbers 13 high";
    EXPECT_EQ(Strecken(f, 1, 0, 0).size(), 5u + 2 * 9) << "every tick stays";
}

TEST_F(KoSysBild, NumbersChangeNothingElseOfThePicture)
{
    probe.Schrift = frame.ressourcen().Schrift;
    AchsenTeileAn();
    k.xyGitter = k.yzGitter = k.xzGitter = k.xyFlaeche = k.Raumgrenzen = true;
    k.xDrehung = -75;
    k.zDrehung = -20;
    const auto ohneText = [](const Frame& f) {
        std::vector<std::pair<PrimitiveKind, std::vector<float>>> stuecke;
        for (const Primitive& p : f.drawn())
            if (p.kind != PrimitiveKind::Bitmap && p.kind != PrimitiveKind::PassThrough) {
                std::vector<float> werte;
                for (const FeedbackVertex& v : p.vertices)
                    werte.insert(werte.end(), {v.x, v.y, v.z, v.r, v.g, v.b, v.a});
                stuecke.emplace_back(p.kind, std::move(werte));
            }
        return stuecke;
    };
    const Frame mit = Zeichnen();
    k.AchsenEinheiten = false;
    const Frame ohne = Zeichnen();
    EXPECT_GT(Texte(mit, 1, 0, 0).size(), 5u);
    EXPECT_EQ(ohneText(mit), ohneText(ohne));
}
