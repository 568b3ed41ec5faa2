// The shapes of the object list, seen through GL feedback. Most tests look straight down
// the z axis onto the box -10..10 with 10 pixels per unit and read every drawn vertex
// back as a model point; the expectations are geometry worked out here from the rules.
// Every shape is drawn in red: full (1, 0, 0), back (0,9, 0, 0), dark (255 / 382, 0, 0).

#include "core/zahltext.h"
#include "headlessframe.h"
#include "view/tkosys.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace orbisto;

namespace {

constexpr int Seite = 200;

struct P3 {
    double x = 0, y = 0, z = 0;
};
P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }
double Skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Laenge(P3 a) { return std::sqrt(Skalar(a, a)); }
P3 Kreuz(P3 a, P3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
bool Nahe(P3 a, P3 b, double tol = 1e-4) { return Laenge(a - b) < tol; }
std::ostream& operator<<(std::ostream& os, P3 p) { return os << '(' << p.x << ", " << p.y << ", " << p.z << ')'; }
tVektor3 V(P3 p) { return {p.x, p.y, p.z}; }

// Distance of q from the segment a-b.
double Abstand(P3 q, P3 a, P3 b)
{
    const P3 d = b - a;
    const double t = std::clamp(Skalar(q - a, d) / Skalar(d, d), 0.0, 1.0);
    return Laenge(q - (a + t * d));
}

// Where the viewer sits: the rotation that turns this side of the model towards +z.
struct Blick {
    const char* name;
    double winkel, ax, ay, az;
};
const Blick VonOben{"from +z", 0, 0, 0, 1};
const Blick VonUnten{"from -z", 180, 1, 0, 0};
const Blick VonVornX{"from +x", -90, 0, 1, 0};
const Blick VonHintenX{"from -x", 90, 0, 1, 0};
const Blick VonRechtsY{"from +y", 90, 1, 0, 0};
const Blick VonLinksY{"from -y", -90, 1, 0, 0};

// Model point of a vertex drawn in the view from above.
P3 Modell(const FeedbackVertex& v) { return {(v.x - 100) / 10, (v.y - 100) / 10, 10 - 20 * double(v.z)}; }

std::vector<P3> Ecken(const Primitive& p)
{
    std::vector<P3> e;
    for (const FeedbackVertex& v : p.vertices)
        e.push_back(Modell(v));
    return e;
}

// By the corner order: counter-clockwise seen from the side it points to.
P3 Normale(const Primitive& p)
{
    const auto e = Ecken(p);
    return Kreuz(e[1] - e[0], e[2] - e[0]);
}

P3 Mitte(const Primitive& p)
{
    P3 m;
    for (P3 e : Ecken(p))
        m = m + e;
    return (1.0 / double(p.vertices.size())) * m;
}

std::vector<Primitive> Auswahl(const std::vector<Primitive>& alle, PrimitiveKind art)
{
    std::vector<Primitive> r;
    std::copy_if(alle.begin(), alle.end(), std::back_inserter(r), [art](const Primitive& p) { return p.kind == art; });
    return r;
}

const float Dunkel = 255 / 382.0f;
const float Hilf = 0.75f * Dunkel;  // the discs and the ball of the auxiliary vectors

class Koerper : public ::testing::Test {
protected:
    HeadlessFrame frame{Seite, Seite};
    TKoSys k;
    tFarbStufen rot{};

    void SetUp() override
    {
        TKoSys::FarbStufen(0x0000FF, rot);
        k.xSchritt = 1;  // arrows as thick as their nominal thickness
    }

    // Draws in the box -10..10 seen from `blick` with the context's resources lent to the
    // view; the model-view matrix and its stack depth afterwards go to `danach`, `tiefe`.
    Frame Zeichnen(const std::function<void()>& was, const Blick& blick = VonOben, bool beideSeiten = false)
    {
        return frame.render([&] {
            glClearColor(1, 1, 1, 1);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-10, 10, -10, 10, -10, 10);
            glRotated(blick.winkel, blick.ax, blick.ay, blick.az);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            if (beideSeiten)
                glDisable(GL_CULL_FACE);
            k.GL = &frame.ressourcen();
            was();
            k.GL = nullptr;
            glGetDoublev(GL_MODELVIEW_MATRIX, danach);
            glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
        });
    }
    Frame BeideSeiten(const std::function<void()>& was) { return Zeichnen(was, VonOben, true); }

    void ModellviewUnveraendert()
    {
        EXPECT_EQ(tiefe, 1);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(danach[i], i % 5 == 0 ? 1 : 0, 1e-12) << i;
    }

    GLdouble danach[16] = {};
    GLint tiefe = 0;
};

}  // namespace

// Every branch of the choice among (ny, -nx, 0), (nz, 0, -nx) and (0, nz, -ny), with the
// ties of (1, 0, 0) and (1, 0, 1), where the later candidate loses.
TEST_F(Koerper, PlaneThroughPointWithNormalIsSpannedByTwoChosenUnitVectors)
{
    const double w17 = std::sqrt(17.0), w13 = std::sqrt(13.0), w10 = std::sqrt(10.0);
    const struct {
        P3 normale, e1, e2;
    } faelle[] = {
        {{1, 0, 4}, {4 / w17, 0, -1 / w17}, {0, 1, 0}},
        {{3, 2, 1}, {2 / w13, -3 / w13, 0}, {1 / w10, 0, -3 / w10}},
        {{3, 1, 2}, {2 / w13, 0, -3 / w13}, {1 / w10, -3 / w10, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}},
        {{1, 0, 1}, {1 / std::sqrt(2.0), 0, -1 / std::sqrt(2.0)}, {0, 1, 0}},
    };
    const P3 p{1, -1, 0.5};
    const int n = 2;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(::testing::Message() << "normal " << fall.normale);
        const Frame f = Zeichnen([&] { k.EbenePNFZeichnen(n, false, V(p), V(fall.normale), false, false, true, rot); });
        // The rim alone: p - n e1 - n e2, p + n e1 - n e2, p + n e1 + n e2, p - n e1 + n e2.
        const auto rand = f.ofKind(PrimitiveKind::Line);
        ASSERT_EQ(rand.size(), 4u);
        const P3 ecken[] = {p - n * fall.e1 - n * fall.e2, p + n * fall.e1 - n * fall.e2, p + n * fall.e1 + n * fall.e2,
                            p - n * fall.e1 + n * fall.e2};
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(rand[i].hasColour(Dunkel, 0, 0));
            EXPECT_TRUE(Nahe(Modell(rand[i].vertices[0]), ecken[i])) << i << ": " << Modell(rand[i].vertices[0]);
            EXPECT_TRUE(Nahe(Modell(rand[i].vertices[1]), ecken[(i + 1) % 4])) << i;
        }
    }
}

TEST_F(Koerper, DefaultPlaneThroughPointWithNormalHasA13By13GridOfUnitSpacing)
{
    const P3 p{2, 0, 0}, e1 = (1 / std::sqrt(17.0)) * P3{4, 0, -1}, e2{0, 1, 0};
    const Frame f = Zeichnen([&] { k.EbenePNFZeichnen(6, false, V(p), {1, 0, 4}, true, false, false, rot); });
    const auto linien = f.ofKind(PrimitiveKind::Line);
    ASSERT_EQ(linien.size(), 26u);
    EXPECT_EQ(f.drawn().size(), 26u);
    // Thirteen lines along e2 at s = -6..6, then thirteen along e1.
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        const double s = i - 6;
        const Primitive &laengs = linien[i], &quer = linien[13 + i];
        EXPECT_TRUE(laengs.hasColour(Dunkel, 0, 0));
        EXPECT_TRUE(Nahe(Modell(laengs.vertices[0]), p + s * e1 - 6 * e2));
        EXPECT_TRUE(Nahe(Modell(laengs.vertices[1]), p + s * e1 + 6 * e2));
        EXPECT_TRUE(Nahe(Modell(quer.vertices[0]), p - 6 * e1 + s * e2));
        EXPECT_TRUE(Nahe(Modell(quer.vertices[1]), p + 6 * e1 + s * e2));
    }
}

TEST_F(Koerper, FacesShowTheFullShadeOnOneSideAndTheBackShadeOnTheOther)
{
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        Blick voll, rueck;
        std::size_t teile;  // triangles seen from either side
    } faelle[] = {
        {"plane spanned by x and y",
         [&] {
             k.EbenePRFZeichnen(3, true, {1, 1, 0}, {1, 0, 0}, {0, 1, 0}, false, false, false, rot);
         },
         VonOben, VonUnten, 2},
        {"plane spanned by y and x",
         [&] {
             k.EbenePRFZeichnen(3, true, {1, 1, 0}, {0, 1, 0}, {1, 0, 0}, false, false, false, rot);
         },
         VonUnten, VonOben, 2},
        {"default plane: full towards its normal (1, 0, 4)",
         [&] {
             k.EbenePNFZeichnen(6, true, {2, 0, 0}, {1, 0, 4}, false, false, false, rot);
         },
         VonOben, VonUnten, 2},
        {"circle: full towards its normal",
         [&] {
             k.KreisMNFZeichnen(2, true, {1, 2, 1}, {0, 0, -3}, 2, 0, false, false, false, rot);
         },
         VonUnten, VonOben, 8},
        {"quadrilateral: full where its corners run counter-clockwise",
         [&] {
             k.ViereckZeichnen(true, rot, {1, 1, 1}, {4, 1, 1}, {4, 3, 2}, {1, 3, 3});
         },
         VonOben, VonUnten, 2},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto voll = Auswahl(Zeichnen(fall.zeichnen, fall.voll).drawn(), PrimitiveKind::Polygon);
        const auto rueck = Auswahl(Zeichnen(fall.zeichnen, fall.rueck).drawn(), PrimitiveKind::Polygon);
        EXPECT_EQ(voll.size(), fall.teile) << fall.voll.name;
        EXPECT_EQ(rueck.size(), fall.teile) << fall.rueck.name;
        for (const Primitive& p : voll)
            EXPECT_TRUE(p.hasColour(1, 0, 0)) << p;
        for (const Primitive& p : rueck)
            EXPECT_TRUE(p.hasColour(0.9f, 0, 0)) << p;
    }

    // The quadrilateral keeps its edges without its faces.
    const Frame kanten = BeideSeiten([&] {
        k.ViereckZeichnen(false, rot, {1, 1, 1}, {4, 1, 1}, {4, 3, 2}, {1, 3, 3});
    });
    EXPECT_EQ(kanten.drawn().size(), 4u);
    EXPECT_EQ(kanten.inColour(Dunkel, 0, 0).size(), 4u);
    EXPECT_TRUE(Nahe(Modell(kanten.drawn()[2].vertices[0]), {4, 3, 2}));
}

TEST_F(Koerper, PlaneStepsOfZeroOrLessDegenerateWithoutHanging)
{
    const tVektor3 p{1, 2, 3};
    const Frame null = BeideSeiten([&] {
        k.EbenePRFZeichnen(0, true, p, {1, 0, 0}, {0, 1, 0}, true, false, true, rot);
        k.EbenePNFZeichnen(0, true, p, {1, 0, 4}, true, false, true, rot);
    });
    EXPECT_EQ(null.glError(), GLenum(GL_NO_ERROR));
    EXPECT_GE(null.count(PrimitiveKind::Line), 2) << "the grid shrinks to a line at p";
    for (const Primitive& pr : null.drawn())
        for (P3 e : Ecken(pr))
            EXPECT_TRUE(Nahe(e, {1, 2, 3})) << e;

    // No grid line for a negative count, however large.
    for (int n : {-3, INT_MIN}) {
        SCOPED_TRACE(n);
        const Frame f = BeideSeiten([&] {
            k.EbenePRFZeichnen(n, true, p, {1, 0, 0}, {0, 1, 0}, true, false, false, rot);
            k.EbenePNFZeichnen(n, true, p, {1, 0, 4}, true, false, false, rot);
        });
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        EXPECT_EQ(f.count(PrimitiveKind::Line), 0);
        ModellviewUnveraendert();
    }
}

TEST_F(Koerper, LineIsAThinSegmentOrARodOfTenSides)
{
    const P3 p{1, 2, 0}, u{0.5, 0, 1}, a = p - 2 * u, b = p + 2 * u;
    for (double r : {0.0, 0.1}) {
        SCOPED_TRACE(r);
        const Frame f = BeideSeiten([&] { k.GeradePRFZeichnen(2, false, V(p), V(u), r, rot); });
        EXPECT_EQ(f.inColour(1, 0, 0).size(), f.drawn().size()) << "all in the full shade";
        if (r == 0) {
            ASSERT_EQ(f.drawn().size(), 1u);
            ASSERT_EQ(f.drawn()[0].kind, PrimitiveKind::Line);
            EXPECT_TRUE(Nahe(Modell(f.drawn()[0].vertices[0]), a));
            EXPECT_TRUE(Nahe(Modell(f.drawn()[0].vertices[1]), b));
            continue;
        }
        // 10 side quads and two end discs of 10 triangles.
        EXPECT_EQ(f.count(PrimitiveKind::Polygon), 40);
        EXPECT_EQ(f.count(PrimitiveKind::Line), 0);
        double weitester = 0;
        std::set<int> enden;
        for (const Primitive& pr : f.drawn())
            for (P3 e : Ecken(pr)) {
                weitester = std::max(weitester, Abstand(e, a, b));
                if (Nahe(e, a) || Nahe(e, b))
                    enden.insert(Nahe(e, a) ? 0 : 1);
            }
        EXPECT_NEAR(weitester, 0.1, 1e-4);
        EXPECT_EQ(enden.size(), 2u) << "closed at p - 2u and p + 2u";
    }
}

TEST_F(Koerper, AuxiliaryVectorsMarkThePointAndEachDirectionInDarkerShades)
{
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        P3 p;
        std::vector<P3> richtungen;
    } faelle[] = {
        {"plane by point and directions",
         [&] {
             k.EbenePRFZeichnen(3, false, {1, 2, 0.5}, {0, 0, 2}, {1, -1, 0}, false, true, false, rot);
         },
         {1, 2, 0.5},
         {{0, 0, 2}, {1, -1, 0}}},
        {"plane by point and normal",
         [&] {
             k.EbenePNFZeichnen(6, false, {2, 0, 0}, {1, 0, 4}, false, true, false, rot);
         },
         {2, 0, 0},
         {{1, 0, 4}}},
        {"line",
         [&] {
             k.GeradePRFZeichnen(6, true, {2, 0, 0}, {0, 0, 1}, 0.1, rot);
         },
         {2, 0, 0},
         {{0, 0, 1}}},
        {"circle",
         [&] {
             k.KreisMNFZeichnen(8, false, {3, 0, 3}, {0, 1, 1}, 2, 0.05, false, true, false, rot);
         },
         {3, 0, 3},
         {{0, 1, 1}}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = BeideSeiten(fall.zeichnen);
        // The arrows: from the origin to p, and from p along each direction.
        std::vector<std::array<P3, 2>> pfeile{{P3{}, fall.p}};
        for (P3 w : fall.richtungen)
            pfeile.push_back({fall.p, fall.p + w});

        // Shaft and head in the object's dark shade: 40 + 20 triangles per arrow, as
        // thick as 0,08 (head twice that), each tip shared by its 20 head triangles.
        const auto schaefte = f.inColour(Dunkel, 0, 0);
        const auto polygone = [](const std::vector<Primitive>& v) { return Auswahl(v, PrimitiveKind::Polygon); };
        EXPECT_EQ(polygone(schaefte).size(), 60 * pfeile.size());
        double dicke = 0;
        std::vector<int> anSpitze(pfeile.size());
        for (const Primitive& pr : polygone(schaefte))
            for (P3 e : Ecken(pr)) {
                double naechster = 1e9;
                for (std::size_t i = 0; i < pfeile.size(); ++i) {
                    naechster = std::min(naechster, Abstand(e, pfeile[i][0], pfeile[i][1]));
                    anSpitze[i] += Nahe(e, pfeile[i][1]);
                }
                dicke = std::max(dicke, naechster);
            }
        EXPECT_NEAR(dicke, 0.16, 1e-4);
        for (std::size_t i = 0; i < pfeile.size(); ++i)
            EXPECT_GE(anSpitze[i], 20) << "tip at " << pfeile[i][1];

        // Ball of radius 0,15 at p and the discs of shaft and head, in 0,75 of the dark shade.
        int ball = 0;
        for (const Primitive& pr : polygone(f.inColour(Hilf, 0, 0))) {
            const auto ecken = Ecken(pr);
            ball += std::all_of(ecken.begin(), ecken.end(),
                                [&](P3 e) { return std::abs(Laenge(e - fall.p) - 0.15) < 1e-4; });
        }
        // 1,5 px on screen: GLU's sphere of 4 slices and stacks, 2 x 4 x 3 triangles.
        EXPECT_EQ(ball, 24);
        EXPECT_EQ(polygone(f.inColour(Hilf, 0, 0)).size(), ball + 40 * pfeile.size());
        EXPECT_EQ(polygone(f.inColour(1, 0, 0)).size() + polygone(f.inColour(Dunkel, 0, 0)).size() +
                      polygone(f.inColour(Hilf, 0, 0)).size(),
                  polygone(f.drawn()).size())
            << "the line's rod in the full shade, nothing else";
    }
}

TEST_F(Koerper, PlanesAndCirclesDrawTheirPartsInTheirOrder)
{
    // Faces in the full or back shade; the tube and the auxiliary vectors in the darker
    // shades; grid and rim lines.
    const auto teile = [](const Frame& f) {
        std::vector<std::string> folge;
        for (const Primitive& p : f.drawn()) {
            const std::string teil = p.kind == PrimitiveKind::Line                     ? "linie"
                                     : p.hasColour(1, 0, 0) || p.hasColour(0.9f, 0, 0) ? "flaeche"
                                                                                       : "dunkel";
            if (folge.empty() || folge.back() != teil)
                folge.push_back(teil);
        }
        return folge;
    };
    using Folge = std::vector<std::string>;
    EXPECT_EQ(teile(BeideSeiten([&] {
                  k.EbenePRFZeichnen(3, true, {1, 2, 0.5}, {0, 0, 2}, {1, -1, 0}, true, true, true, rot);
              })),
              (Folge{"flaeche", "dunkel", "linie"}));
    EXPECT_EQ(teile(BeideSeiten([&] {
                  k.EbenePNFZeichnen(6, true, {2, 0, 0}, {1, 0, 4}, true, true, true, rot);
              })),
              (Folge{"dunkel", "flaeche", "linie"}));
    EXPECT_EQ(teile(BeideSeiten([&] {
                  k.KreisMNFZeichnen(8, true, {3, 0, 3}, {0, 1, 1}, 2, 0.05, true, true, true, rot);
              })),
              (Folge{"dunkel", "linie", "flaeche", "dunkel"}));
}

TEST_F(Koerper, CircleLiesAboutItsCentrePerpendicularToItsNormal)
{
    const struct {
        const char* name;
        P3 m, normale;
        double r, rL;
        int n;
        std::size_t rohr, linien;  // triangles of the tube, lines of rim and grid
    } faelle[] = {
        {"default: a tube of 32 x 20 quads on each half", {3, 0, 3}, {0, 0, 1}, 2, 0.05, 8, 2 * 2 * 32 * 20, 2 * 32},
        {"tilted, thin rim", {1, -1, 2}, {1, 2, 2}, 3, 0, 3, 0, 12 + 2 * 12},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = BeideSeiten([&] {
            k.KreisMNFZeichnen(fall.n, true, V(fall.m), V(fall.normale), fall.r, fall.rL, true, false, true, rot);
        });
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        ModellviewUnveraendert();
        const P3 nE = (1 / Laenge(fall.normale)) * fall.normale;
        // Height above the circle's plane and distance from the normal through m.
        const auto lage = [&](P3 e) {
            const double axial = Skalar(e - fall.m, nE);
            return std::array<double, 2>{axial, Laenge(e - fall.m - axial * nE)};
        };

        const auto dunkel = f.inColour(Dunkel, 0, 0);
        EXPECT_EQ(Auswahl(dunkel, PrimitiveKind::Polygon).size(), fall.rohr);
        for (const Primitive& p : Auswahl(dunkel, PrimitiveKind::Polygon))
            for (P3 e : Ecken(p)) {
                const auto l = lage(e);
                ASSERT_NEAR(std::hypot(l[1] - fall.r, l[0]), fall.rL, 1e-4) << e;
            }
        // Spokes from m and the pieces of the rim.
        const auto linien = Auswahl(dunkel, PrimitiveKind::Line);
        EXPECT_EQ(linien.size(), fall.linien);
        for (const Primitive& p : linien)
            for (P3 e : Ecken(p)) {
                const auto l = lage(e);
                EXPECT_NEAR(l[0], 0, 1e-4) << e;
                EXPECT_TRUE(l[1] < 1e-4 || std::abs(l[1] - fall.r) < 1e-4) << e;
            }
        // The disc in 4 n triangles per side, full towards the normal.
        for (const auto& [farbe, seite] : {std::pair{1.0f, 1.0}, std::pair{0.9f, -1.0}}) {
            const auto scheibe = f.inColour(farbe, 0, 0);
            EXPECT_EQ(scheibe.size(), std::size_t(4 * fall.n)) << farbe;
            for (const Primitive& p : scheibe) {
                EXPECT_GT(seite * Skalar(Normale(p), nE), 0) << p;
                for (P3 e : Ecken(p))
                    EXPECT_NEAR(lage(e)[0], 0, 1e-4);
            }
        }
        EXPECT_EQ(f.drawn().size(), fall.rohr + fall.linien + 8 * fall.n) << "nothing else";
    }
}

TEST_F(Koerper, CircleTubeTooThinForTheFormulasStopsWithTheMatrixRestored)
{
    bool geworfen = false;
    const Frame f = Zeichnen([&] {
        try {
            k.KreisMNFZeichnen(8, true, {3, 0, 3}, {0, 0, 1}, 2, 0.00001, true, true, true, rot);
        } catch (const KonvertierungsFehler&) {
            geworfen = true;
        }
    });
    EXPECT_TRUE(geworfen);
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
    ModellviewUnveraendert();
}

TEST_F(Koerper, BoxWithOnlyItsGridIsAWireBox)
{
    const Frame f = BeideSeiten([&] { k.QuaderZeichnen(true, false, {1, -1, -2}, 6, 4, 4, false, false, rot); });
    ASSERT_EQ(f.drawn().size(), 12u);
    std::set<std::array<long, 6>> kanten;
    for (const Primitive& l : f.drawn()) {
        ASSERT_EQ(l.kind, PrimitiveKind::Line);
        EXPECT_TRUE(l.hasColour(Dunkel, 0, 0));
        const P3 a = Modell(l.vertices[0]), b = Modell(l.vertices[1]);
        for (P3 e : {a, b}) {
            EXPECT_NEAR(std::abs(e.x - 1), 3, 1e-4) << e;
            EXPECT_NEAR(std::abs(e.y + 1), 2, 1e-4) << e;
            EXPECT_NEAR(std::abs(e.z), 2, 1e-4) << e;
        }
        const P3 d = b - a;
        EXPECT_EQ((std::abs(d.x) > 1e-4) + (std::abs(d.y) > 1e-4) + (std::abs(d.z) > 1e-4), 1) << a << b;
        const auto grob = [](P3 p, P3 q) {
            return std::array<long, 6>{std::lround(p.x), std::lround(p.y), std::lround(p.z),
                                       std::lround(q.x), std::lround(q.y), std::lround(q.z)};
        };
        kanten.insert(std::min(grob(a, b), grob(b, a)));
    }
    EXPECT_EQ(kanten.size(), 12u) << "every edge once";
}

TEST_F(Koerper, SolidGridsJoinCornersRimsAndApex)
{
    // m = (1, -1, -2), h = 4: base at z = -2, top and apex at z = 2.
    const P3 s{1, -1, 2};
    const auto aufRand = [](P3 e, double z) {
        return std::abs(std::hypot(e.x - 1, e.y + 1) - 2) < 1e-4 && std::abs(e.z - z) < 1e-4;
    };
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        std::size_t linien;
        std::function<bool(P3)> ecke;
        int zurSpitze;  // lines ending at the apex
    } faelle[] = {
        {"pyramid: base and four edges to the apex",
         [&] {
             k.PyramideZeichnen(true, false, {1, -1, -2}, 6, 4, 4, false, false, rot);
         },
         8,
         [&](P3 e) {
             return Nahe(e, s) || (std::abs(std::abs(e.x - 1) - 3) < 1e-4 && std::abs(std::abs(e.y + 1) - 2) < 1e-4 &&
                                   std::abs(e.z + 2) < 1e-4);
         },
         4},
        {"cylinder: an outline per piece",
         [&] {
             k.ZylinderZeichnen(true, false, {1, -1, -2}, 2, 4, false, false, 8, rot);
         },
         4 * 8, [&](P3 e) { return aufRand(e, -2) || aufRand(e, 2); }, 0},
        {"cone: an outline per piece, two corners at the apex",
         [&] {
             k.KegelZeichnen(true, false, {1, -1, -2}, 2, 4, false, false, 8, rot);
         },
         4 * 8, [&](P3 e) { return aufRand(e, -2) || Nahe(e, s); }, 2 * 8},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = BeideSeiten(fall.zeichnen);
        EXPECT_EQ(f.drawn().size(), fall.linien);
        EXPECT_EQ(f.inColour(Dunkel, 0, 0).size(), fall.linien);
        int zurSpitze = 0;
        for (const Primitive& l : f.drawn()) {
            ASSERT_EQ(l.kind, PrimitiveKind::Line);
            for (P3 e : Ecken(l))
                EXPECT_TRUE(fall.ecke(e)) << e;
            zurSpitze += Nahe(Modell(l.vertices[1]), s);
        }
        EXPECT_EQ(zurSpitze, fall.zurSpitze);
    }
}

// The full shade shows outside on the side faces, mantles and the cylinder's lids; the
// box's and the pyramid's base and lid and the cone's base show the back shade outside.
TEST_F(Koerper, SolidFacesShowTheirShadesOnTheSidesTheRulesName)
{
    struct Zaehlung {
        int vollAussen, vollInnen, rueckAussen, rueckInnen;
        bool operator==(const Zaehlung&) const = default;
    };
    const struct {
        const char* name;
        std::function<void()> zeichnen;
        Zaehlung mantel, deckel;  // triangles
    } faelle[] = {
        {"box",
         [&] {
             k.QuaderZeichnen(false, true, {1, -1, -2}, 6, 4, 4, true, false, rot);
         },
         {8, 0, 0, 8},
         {0, 4, 4, 0}},
        {"pyramid",
         [&] {
             k.PyramideZeichnen(false, true, {1, -1, -2}, 6, 4, 4, true, false, rot);
         },
         {4, 0, 0, 4},
         {0, 2, 2, 0}},
        {"cylinder",
         [&] {
             k.ZylinderZeichnen(false, true, {1, -1, -2}, 2, 4, true, false, 20, rot);
         },
         {40, 0, 0, 40},
         {40, 40, 0, 0}},
        {"cone",
         [&] {
             k.KegelZeichnen(false, true, {1, -1, -2}, 2, 4, true, false, 20, rot);
         },
         {20, 0, 0, 20},
         {0, 20, 20, 0}},
    };
    const P3 innen{1, -1, -1};  // inside every one of them
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Frame f = BeideSeiten(fall.zeichnen);
        Zaehlung mantel{}, deckel{};
        for (const Primitive& p : f.ofKind(PrimitiveKind::Polygon)) {
            const auto ecken = Ecken(p);
            const bool flach =
                std::all_of(ecken.begin(), ecken.end(), [&](P3 e) { return std::abs(e.z - ecken[0].z) < 1e-4; });
            const bool aussen = Skalar(Normale(p), Mitte(p) - innen) > 0;
            Zaehlung& z = flach ? deckel : mantel;
            if (p.hasColour(1, 0, 0))
                ++(aussen ? z.vollAussen : z.vollInnen);
            else if (p.hasColour(0.9f, 0, 0))
                ++(aussen ? z.rueckAussen : z.rueckInnen);
            else
                ADD_FAILURE() << p;
        }
        EXPECT_TRUE(mantel == fall.mantel) << "mantle " << mantel.vollAussen << ' ' << mantel.vollInnen << ' '
                                           << mantel.rueckAussen << ' ' << mantel.rueckInnen;
        EXPECT_TRUE(deckel == fall.deckel) << "lids " << deckel.vollAussen << ' ' << deckel.vollInnen << ' '
                                           << deckel.rueckAussen << ' ' << deckel.rueckInnen;
    }
}

TEST_F(Koerper, BoxSeenFromOutsideShowsBackShadeLidsAndFullShadeSides)
{
    const struct {
        Blick blick;
        Rgba farbe;
    } faelle[] = {
        {VonOben, {230, 0, 0, 255}},    {VonUnten, {230, 0, 0, 255}},   {VonVornX, {255, 0, 0, 255}},
        {VonHintenX, {255, 0, 0, 255}}, {VonRechtsY, {255, 0, 0, 255}}, {VonLinksY, {255, 0, 0, 255}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.blick.name);
        const Frame f = Zeichnen(
            [&] {
                k.QuaderZeichnen(false, true, {0, 0, -2}, 6, 4, 4, true, false, rot);
            },
            fall.blick);
        const Rgba c = f.windowPixel(Seite / 2, Seite / 2);
        EXPECT_NEAR(c.r, fall.farbe.r, 1) << c;
        EXPECT_EQ(c.g, 0) << c;
        EXPECT_EQ(c.b, 0) << c;
    }
}

TEST_F(Koerper, SolidPartsComeAsGridHeightThenFacesInTheirOrder)
{
    // Dark lines: the axis of the height, or grid and rim pieces; dark polygons: the balls
    // of the height; faces: lids (flat) or mantle.
    const auto teile = [](const Frame& f) {
        std::vector<std::string> folge;
        for (const Primitive& p : f.drawn()) {
            const auto e = Ecken(p);
            std::string teil;
            if (p.kind == PrimitiveKind::Line)
                teil = std::hypot(e[0].x - 1, e[0].y + 1) < 1e-4 && std::hypot(e[1].x - 1, e[1].y + 1) < 1e-4 &&
                               std::abs(e[0].z - e[1].z) > 1e-4
                           ? "achse"
                           : "linie";
            else if (p.hasColour(Dunkel, 0, 0))
                teil = "hoehe";
            else
                teil = std::all_of(e.begin(), e.end(), [&](P3 q) { return std::abs(q.z - e[0].z) < 1e-4; }) ? "deckel"
                                                                                                            : "mantel";
            if (folge.empty() || folge.back() != teil)
                folge.push_back(teil);
        }
        return folge;
    };
    const std::vector<std::string> eckig{"linie", "hoehe", "achse", "deckel", "mantel"};
    // Round solids: each piece's rim before its faces, the mantle before the lids.
    std::vector<std::string> rund{"linie", "hoehe", "achse"};
    for (const char* teil : {"mantel", "deckel"})
        for (int i = 0; i < 8; ++i) {
            rund.push_back("linie");
            rund.push_back(teil);
        }

    const tVektor3 m{1, -1, -2};
    EXPECT_EQ(teile(BeideSeiten([&] { k.QuaderZeichnen(true, true, m, 6, 4, 4, true, true, rot); })), eckig);
    EXPECT_EQ(teile(BeideSeiten([&] { k.PyramideZeichnen(true, true, m, 6, 4, 4, true, true, rot); })), eckig);
    EXPECT_EQ(teile(BeideSeiten([&] { k.ZylinderZeichnen(true, true, m, 2, 4, true, true, 8, rot); })), rund);
    EXPECT_EQ(teile(BeideSeiten([&] { k.KegelZeichnen(true, true, m, 2, 4, true, true, 8, rot); })), rund);

    // The rim pieces: twice per piece at base and top for the cylinder with mantle and
    // lids, once at the base for the cone.
    EXPECT_EQ(
        BeideSeiten([&] { k.ZylinderZeichnen(false, true, m, 2, 4, true, false, 8, rot); }).count(PrimitiveKind::Line),
        2 * 2 * 8);
    EXPECT_EQ(
        BeideSeiten([&] { k.KegelZeichnen(false, true, m, 2, 4, true, false, 8, rot); }).count(PrimitiveKind::Line),
        2 * 8);
}

TEST_F(Koerper, HeightIsTheAxisWithABallAtEachEnd)
{
    const P3 unten{1, -1, -2}, oben{1, -1, 2};
    const std::function<void()> koerper[] = {
        [&] { k.QuaderZeichnen(false, false, V(unten), 6, 4, 4, false, true, rot); },
        [&] { k.PyramideZeichnen(false, false, V(unten), 6, 4, 4, false, true, rot); },
        [&] { k.ZylinderZeichnen(false, false, V(unten), 2, 4, false, true, 20, rot); },
        [&] { k.KegelZeichnen(false, false, V(unten), 2, 4, false, true, 20, rot); },
    };
    for (std::size_t i = 0; i < std::size(koerper); ++i) {
        SCOPED_TRACE(i);
        const Frame f = BeideSeiten(koerper[i]);
        EXPECT_EQ(f.inColour(Dunkel, 0, 0).size(), f.drawn().size());
        const auto linien = f.ofKind(PrimitiveKind::Line);
        ASSERT_EQ(linien.size(), 1u);
        EXPECT_TRUE(Nahe(Modell(linien[0].vertices[0]), unten));
        EXPECT_TRUE(Nahe(Modell(linien[0].vertices[1]), oben));
        int anUnten = 0, anOben = 0;
        for (const Primitive& p : f.ofKind(PrimitiveKind::Polygon))
            for (P3 e : Ecken(p)) {
                const bool u = std::abs(Laenge(e - unten) - 0.07) < 1e-4, o = std::abs(Laenge(e - oben) - 0.07) < 1e-4;
                EXPECT_TRUE(u || o) << e;
                anUnten += u;
                anOben += o;
            }
        // 0,7 px on screen: 3 slices and stacks, 12 triangles of 3 corners each.
        EXPECT_EQ(anUnten, 36);
        EXPECT_EQ(anOben, 36);
    }
}

TEST_F(Koerper, StepCountsBelowOneDrawNoPiecesAndNeverHang)
{
    for (int n : {0, -5}) {
        SCOPED_TRACE(n);
        const Frame f = BeideSeiten([&] {
            k.ZylinderZeichnen(true, true, {0, 0, 0}, 2, 4, true, false, n, rot);
            k.KegelZeichnen(true, true, {0, 0, 0}, 2, 4, true, false, n, rot);
            k.KreisMNFZeichnen(n, true, {3, 0, 3}, {0, 0, 1}, 2, 0.05, true, false, true, rot);
            k.KreisMNFZeichnen(n, true, {3, 0, 3}, {0, 0, 1}, 2, 0, true, false, true, rot);
        });
        EXPECT_TRUE(f.drawn().empty());
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        ModellviewUnveraendert();
    }
}

TEST_F(Koerper, EveryShapeLeavesTheModelViewMatrixAsItFoundIt)
{
    const std::function<void()> aufrufe[] = {
        [&] {
            k.EbenePRFZeichnen(2, true, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, true, true, true, rot);
        },
        [&] {
            k.EbenePNFZeichnen(2, true, {2, 0, 0}, {1, 0, 4}, true, true, true, rot);
        },
        [&] {
            k.GeradePRFZeichnen(2, true, {2, 0, 0}, {0, 0, 1}, 0.1, rot);
        },
        [&] {
            k.KreisMNFZeichnen(8, true, {3, 0, 3}, {1, 1, 1}, 2, 0.05, true, true, true, rot);
        },
        [&] {
            k.ViereckZeichnen(true, rot, {1, 1, 1}, {4, 1, 1}, {4, 3, 2}, {1, 3, 3});
        },
        [&] {
            k.QuaderZeichnen(true, true, {0, 0, 0}, 6, 4, 4, true, true, rot);
        },
        [&] {
            k.PyramideZeichnen(true, true, {0, 0, 0}, 6, 4, 4, true, true, rot);
        },
        [&] {
            k.ZylinderZeichnen(true, true, {0, 0, 0}, 2, 4, true, true, 20, rot);
        },
        [&] {
            k.KegelZeichnen(true, true, {0, 0, 0}, 2, 4, true, true, 20, rot);
        },
    };
    for (std::size_t i = 0; i < std::size(aufrufe); ++i) {
        SCOPED_TRACE(i);
        const Frame f = Zeichnen([&] {
            glTranslated(0.5, 0, 0);
            aufrufe[i]();
        });
        EXPECT_EQ(tiefe, 1);
        for (int j = 0; j < 16; ++j)
            EXPECT_EQ(danach[j], j == 12 ? 0.5 : (j % 5 == 0 ? 1.0 : 0.0)) << j;
        EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
        EXPECT_FALSE(f.drawn().empty());
    }
}
