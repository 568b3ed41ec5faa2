// Motion with matrices: the corner list as the window shows it, rotations, shifts and
// typed matrices, the trail's ring of fifty slots, refused steps and settings that leave
// everything as it was, and the picture of a moved cuboid with its trail, whose positions
// and colours are worked out here from the geometry, not read from the scene's code.

#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"
#include "scenes/math/bewegungmatrizen.h"
#include "szenenbild.h"
#include "view/tkosys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace orbisto;

namespace {

using Modell = TBewegungMatrizen;
using Achse = Modell::tAchse;
using Einstellungen = tBewegungMatrizenEinstellungen;

// Changes some settings, keeping the others as the model holds them.
void Aendern(Modell& m, const std::function<void(Einstellungen&)>& aenderung)
{
    Einstellungen e = m.Einstellungen();
    aenderung(e);
    m.EinstellungenAendern(e);
}

void SchritteSetzen(Modell& m, double verschiebung, double drehungGrad)
{
    Aendern(m, [&](Einstellungen& e) {
        e.VerschiebeSchritt = verschiebung;
        e.DrehSchrittGrad = drehungGrad;
    });
}

void SpurSetzen(Modell& m, bool an)
{
    Aendern(m, [&](Einstellungen& e) { e.Spur = an; });
}

// The cuboid 3 x 2 x 1,5 with A at the origin, as the window lists it at the start.
const std::string StartListe = " A: 0,00  0,00  0,00 1,00 \r"
                               " B: 3,00  0,00  0,00 1,00 \r"
                               " C: 3,00  2,00  0,00 1,00 \r"
                               " D: 0,00  2,00  0,00 1,00 \r"
                               " E: 0,00  0,00  1,50 1,00 \r"
                               " F: 3,00  0,00  1,50 1,00 \r"
                               " G: 3,00  2,00  1,50 1,00 \r"
                               " H: 0,00  2,00  1,50 1,00 ";

const tQuaderEcken Start = {{{0, 0, 0, 1},
                             {3, 0, 0, 1},
                             {3, 2, 0, 1},
                             {0, 2, 0, 1},
                             {0, 0, 1.5, 1},
                             {3, 0, 1.5, 1},
                             {3, 2, 1.5, 1},
                             {0, 2, 1.5, 1}}};

tQuaderEcken Verschoben(const tQuaderEcken& ecken, double dx, double dy, double dz)
{
    tQuaderEcken e = ecken;
    for (t4DPunkt& p : e)
        p = {p.x + dx, p.y + dy, p.z + dz, p.w};
    return e;
}

// The matrix fields of the window: the identity, with some fields replaced.
Modell::tMatrixFelder Felder(std::initializer_list<std::pair<int, const char*>> anders = {})
{
    Modell::tMatrixFelder f;
    for (int i = 0; i < 16; ++i)
        f[static_cast<std::size_t>(i)] = i % 5 == 0 ? "1" : "0";
    for (const auto& [feld, text] : anders)
        f[static_cast<std::size_t>(feld)] = text;
    return f;
}

constexpr int M(int zeile, int spalte) { return (zeile - 1) * 4 + spalte - 1; }

void ErwarteNahe(const tQuaderEcken& ist, const tQuaderEcken& soll, double tol = 1e-12)
{
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(::testing::Message() << "corner "
                                          << "ABCDEFGH"[i]);
        EXPECT_NEAR(ist[i].x, soll[i].x, tol);
        EXPECT_NEAR(ist[i].y, soll[i].y, tol);
        EXPECT_NEAR(ist[i].z, soll[i].z, tol);
        EXPECT_EQ(ist[i].w, soll[i].w);
    }
}

}  // namespace

TEST(BewegungMatrizen, StartsAsTheCuboidAndListsItWithTwoDecimals)
{
    Modell m;
    EXPECT_EQ(m.Ecken(), Start);
    EXPECT_EQ(m.Koordinatenliste(), StartListe);
    EXPECT_EQ(m.SpurAnzahl(), 0);
}

TEST(BewegungMatrizen, ListedNumbersHaveTwoDecimalsAndAtMostSevenSignificantDigits)
{
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        {0, "0,00"},
        {-0.0, "0,00"},
        {-1e-16, "0,00"},  // a residue of turning, whatever its sign
        {-0.004, "0,00"},
        {-0.006, "-0,01"},
        {1.5, "1,50"},
        {-2.345678, "-2,35"},
        {1234.5678, "1234,57"},
        {12345.678, "12345,68"},
        {-123456.789, "-123456,80"},  // the seventh digit is the last one shown
        {1234567.891, "1234568,00"},
        {12345678.9, "1,234568E7"},  // eight integer digits: general format
        {-98765432.1, "-9,876543E7"},
        {9999999.6, "1E7"},  // seven digits only until rounded
        {1e20, "1E20"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Modell::Koordinate(f.wert), f.text) << f.wert;
}

TEST(BewegungMatrizen, RotationsAreRightHandedAboutTheFixedAxesInTheOrderXYZ)
{
    // Where a quarter turn takes G, worked out by hand with the right-hand rule.
    const struct {
        Modell::tAchsen achsen;
        int vorzeichen;
        t4DPunkt g;  // where G = (3, 2, 1,5) goes
    } faelle[] = {
        {{.x = true}, 1, {3, -1.5, 2}},
        {{.x = true}, -1, {3, 1.5, -2}},
        {{.y = true}, 1, {1.5, 2, -3}},
        {{.y = true}, -1, {-1.5, 2, 3}},
        {{.z = true}, 1, {-2, 3, 1.5}},
        {{.z = true}, -1, {2, -3, 1.5}},
        // About x to (3, -1,5, 2), then about z; the other order would end at (-2, -1,5, 3).
        {{.x = true, .z = true}, 1, {1.5, 3, 2}},
        {{}, 1, {3, 2, 1.5}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(::testing::Message() << f.achsen.x << f.achsen.y << f.achsen.z << " sign " << f.vorzeichen);
        Modell m;
        SchritteSetzen(m, 0.2, 90);
        m.Drehen(f.achsen, f.vorzeichen);
        const t4DPunkt g = m.Ecken()[6];
        EXPECT_NEAR(g.x, f.g.x, 1e-12);
        EXPECT_NEAR(g.y, f.g.y, 1e-12);
        EXPECT_NEAR(g.z, f.g.z, 1e-12);
        EXPECT_EQ(g.w, 1);
        EXPECT_NEAR(m.Ecken()[0].x, 0, 1e-12) << "A stays at the origin";
    }
}

TEST(BewegungMatrizen, FourQuarterTurnsReturnToTheStartAndListNoNegativeZeros)
{
    const Modell::tAchsen achsen[] = {{.x = true}, {.y = true}, {.z = true}};
    for (const auto& a : achsen)
        for (int vorzeichen : {1, -1}) {
            SCOPED_TRACE(::testing::Message() << a.x << a.y << a.z << " sign " << vorzeichen);
            Modell m;
            SchritteSetzen(m, 0.2, 90);
            for (int i = 0; i < 4; ++i)
                m.Drehen(a, vorzeichen);
            ErwarteNahe(m.Ecken(), Start);
            EXPECT_NE(m.Ecken(), Start) << "the turns leave residues, which the list has to hide";
            EXPECT_EQ(m.Koordinatenliste(), StartListe);
        }
}

TEST(BewegungMatrizen, ShiftMovesEveryCornerByTheStepAndKeepsW)
{
    const struct {
        Achse achse;
        int vorzeichen;
        double dx, dy, dz;
    } faelle[] = {
        {Achse::X, 1, 0.5, 0, 0},   {Achse::X, -1, -0.5, 0, 0}, {Achse::Y, 1, 0, 0.5, 0},
        {Achse::Y, -1, 0, -0.5, 0}, {Achse::Z, 1, 0, 0, 0.5},   {Achse::Z, -1, 0, 0, -0.5},
    };
    for (const auto& f : faelle) {
        Modell m;
        SchritteSetzen(m, 0.5, 10);
        m.Verschieben(f.achse, f.vorzeichen);
        m.Verschieben(f.achse, f.vorzeichen);
        EXPECT_EQ(m.Ecken(), Verschoben(Start, 2 * f.dx, 2 * f.dy, 2 * f.dz));
    }
}

TEST(BewegungMatrizen, TypedMatrixMapsOneCornerOrAll)
{
    const struct {
        const char* name;
        Modell::tMatrixFelder felder;
        int ziel;
        tQuaderEcken danach;
    } faelle[] = {
        {"one unit along x, all corners", Felder({{M(1, 4), "1"}}), Modell::Alle, Verschoben(Start, 1, 0, 0)},
        {"one unit along x, only B: the box is distorted",
         Felder({{M(1, 4), "1"}}),
         1,
         {{Start[0], {4, 0, 0, 1}, Start[2], Start[3], Start[4], Start[5], Start[6], Start[7]}}},
        {"halved and moved, with decimal commas",
         Felder({{M(1, 1), "0,5"}, {M(2, 2), "0,5"}, {M(3, 3), " 0,5 "}, {M(2, 4), "-1,25"}}),
         Modell::Alle,
         {{{0, -1.25, 0, 1},
           {1.5, -1.25, 0, 1},
           {1.5, -0.25, 0, 1},
           {0, -0.25, 0, 1},
           {0, -1.25, 0.75, 1},
           {1.5, -1.25, 0.75, 1},
           {1.5, -0.25, 0.75, 1},
           {0, -0.25, 0.75, 1}}}},
        {"x and y swapped, only H",
         Felder({{M(1, 1), "0"}, {M(1, 2), "1"}, {M(2, 1), "1"}, {M(2, 2), "0"}}),
         7,
         {{Start[0], Start[1], Start[2], Start[3], Start[4], Start[5], Start[6], {2, 0, 1.5, 1}}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Modell m;
        m.MatrixSchritt(f.felder, f.ziel);
        EXPECT_EQ(m.Ecken(), f.danach);
    }
}

// A step that cannot be done leaves the corners and the trail as they were, so the
// picture and the list show what the box really is.
TEST(BewegungMatrizen, RefusedStepChangesNeitherCornersNorTrail)
{
    const struct {
        const char* name;
        Modell::tMatrixFelder felder;
        int ziel;
        std::string meldung;  // empty: the range of doubles
    } faelle[] = {
        {"letters", Felder({{M(1, 1), "abc"}}), Modell::Alle, "'abc' ist kein gültiger Gleitkommawert"},
        {"decimal point", Felder({{M(2, 3), "1.5"}}), Modell::Alle, "'1.5' ist kein gültiger Gleitkommawert"},
        {"empty field", Felder({{M(3, 4), ""}}), 2, "'' ist kein gültiger Gleitkommawert"},
        {"read-only row", Felder({{M(4, 4), "1,0,"}}), 7, "'1,0,' ist kein gültiger Gleitkommawert"},
        {"first bad field in reading order", Felder({{M(3, 2), "x"}, {M(1, 3), "y"}}), Modell::Alle,
         "'y' ist kein gültiger Gleitkommawert"},
        {"beyond the range of doubles", Felder({{M(1, 1), "1E308"}}), Modell::Alle, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Modell m;
        SpurSetzen(m, true);
        m.Verschieben(Achse::Z, 1);
        const tQuaderEcken vorher = m.Ecken();
        try {
            m.MatrixSchritt(f.felder, f.ziel);
            ADD_FAILURE() << "no error";
        } catch (const KonvertierungsFehler& e) {
            EXPECT_EQ(e.what(), f.meldung);
        } catch (const AllgemeinerFehler& e) {
            EXPECT_TRUE(f.meldung.empty()) << e.what();
        }
        EXPECT_EQ(m.Ecken(), vorher);
        EXPECT_EQ(m.SpurAnzahl(), 1);
        EXPECT_EQ(m.SpurPlatz(1), Start);
    }

    // Large but finite is a step like any other.
    Modell m;
    m.MatrixSchritt(Felder({{M(1, 1), "1E300"}}), Modell::Alle);
    EXPECT_DOUBLE_EQ(m.Ecken()[1].x, 3e300);
    const std::string liste = m.Koordinatenliste();
    EXPECT_EQ(liste.substr(liste.find('\r') + 1, 28), " B: 3E300  0,00  0,00 1,00 \r");
}

TEST(BewegungMatrizen, WhichStepsRecordTheTrail)
{
    const struct {
        const char* name;
        bool spur;
        std::function<void(Modell&)> schritt;
        int spurAnzahl;
        bool bewegt;
    } faelle[] = {
        {"shift", true, [](Modell& m) { m.Verschieben(Achse::Y, -1); }, 1, true},
        {"shift without trail", false, [](Modell& m) { m.Verschieben(Achse::Y, -1); }, 0, true},
        {"rotation", true, [](Modell& m) { m.Drehen({.y = true}, 1); }, 1, true},
        {"rotation without an axis", true, [](Modell& m) { m.Drehen({}, 1); }, 1, false},
        {"matrix", true,
         [](Modell& m) {
             m.MatrixSchritt(Felder({{M(3, 4), "2"}}), 4);
         },
         1, true},
        {"reset", true, [](Modell& m) { m.QuaderReset(); }, 0, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Modell m;
        SpurSetzen(m, f.spur);
        f.schritt(m);
        EXPECT_EQ(m.SpurAnzahl(), f.spurAnzahl);
        EXPECT_EQ(m.Ecken() != Start, f.bewegt);
        if (f.spurAnzahl > 0) {
            EXPECT_EQ(m.SpurPlatz(1), Start) << "the slot holds the position before the step";
        }
    }

    // Reset returns the box and leaves the trail, and so does every other setting the
    // window hands over with the trail on; switching the trail off discards it.
    Modell m;
    SpurSetzen(m, true);
    m.Verschieben(Achse::X, 1);
    m.Verschieben(Achse::X, 1);
    m.QuaderReset();
    EXPECT_EQ(m.Ecken(), Start);
    EXPECT_EQ(m.SpurAnzahl(), 2);
    Aendern(m, [](Einstellungen& e) {
        e.Quader = e.RFgefuellt = e.GFgefuellt = e.KomponentenA = true;
        e.VerschiebeSchritt = 1;
        e.DrehSchrittGrad = 90;
    });
    EXPECT_EQ(m.SpurAnzahl(), 2);
    SpurSetzen(m, false);
    EXPECT_EQ(m.SpurAnzahl(), 0);
    SpurSetzen(m, true);
    EXPECT_EQ(m.SpurAnzahl(), 0);
}

// Any finite step is taken: 0 moves nothing, a negative one reverses. A step that is no
// finite number is refused, and with it the whole change.
TEST(BewegungMatrizen, SettingsRefuseOnlyStepsThatAreNoFiniteNumbers)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const struct {
        double verschiebung, drehungGrad;
        const char* meldung;
    } faelle[] = {
        {nan, 10, "Verschiebung, Schritt: NAN ist nicht erlaubt.\rErlaubt sind endliche Zahlen."},
        {inf, 10, "Verschiebung, Schritt: INF ist nicht erlaubt.\rErlaubt sind endliche Zahlen."},
        {0.2, -inf, "Drehung, Schritt: -INF ist nicht erlaubt.\rErlaubt sind endliche Zahlen."},
        {-inf, nan, "Verschiebung, Schritt: -INF ist nicht erlaubt.\rErlaubt sind endliche Zahlen."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.meldung);
        Modell m;
        SpurSetzen(m, true);
        m.Verschieben(Achse::X, 1);
        const Einstellungen vorher = m.Einstellungen();
        try {
            m.EinstellungenAendern(
                {.Quader = true, .Spur = false, .VerschiebeSchritt = f.verschiebung, .DrehSchrittGrad = f.drehungGrad});
            ADD_FAILURE() << "no error";
        } catch (const AllgemeinerFehler& e) {
            EXPECT_EQ(e.what(), std::string(f.meldung));
        }
        EXPECT_EQ(m.Einstellungen(), vorher);
        EXPECT_EQ(m.SpurAnzahl(), 1) << "the trail is not discarded by a refused change";
    }

    Modell m;
    SpurSetzen(m, true);
    SchritteSetzen(m, 0, 0);
    m.Verschieben(Achse::X, 1);
    m.Drehen({.x = true, .y = true, .z = true}, 1);
    EXPECT_EQ(m.Ecken(), Start);
    EXPECT_EQ(m.SpurAnzahl(), 2) << "a step of 0 is still a step";
    SchritteSetzen(m, -0.5, -90);
    m.Verschieben(Achse::X, 1);
    EXPECT_EQ(m.Ecken(), Verschoben(Start, -0.5, 0, 0));
    m.Drehen({.z = true}, 1);  // a quarter turn clockwise: B = (2,5; 0; 0) goes to (0; -2,5; 0)
    EXPECT_NEAR(m.Ecken()[1].x, 0, 1e-12);
    EXPECT_NEAR(m.Ecken()[1].y, -2.5, 1e-12);
}

TEST(BewegungMatrizen, TrailIsARingOfFiftySlots)
{
    Modell m;
    SchritteSetzen(m, 1, 10);
    SpurSetzen(m, true);
    const auto vorSchritt = [](int k) { return Verschoben(Start, k - 1, 0, 0); };  // where step k starts
    for (int k = 1; k <= 50; ++k)
        m.Verschieben(Achse::X, 1);
    EXPECT_EQ(m.SpurAnzahl(), 50);
    for (int k : {1, 2, 50})
        EXPECT_EQ(m.SpurPlatz(k), vorSchritt(k)) << "slot " << k;

    m.Verschieben(Achse::X, 1);  // the 51st step writes slot 1, and only slot 1 is shown
    EXPECT_EQ(m.SpurAnzahl(), 1);
    EXPECT_EQ(m.SpurPlatz(1), vorSchritt(51));
    EXPECT_EQ(m.SpurPlatz(2), vorSchritt(2));
    m.Verschieben(Achse::X, 1);
    EXPECT_EQ(m.SpurAnzahl(), 2);
    EXPECT_EQ(m.SpurPlatz(2), vorSchritt(52));
}

// ---- The picture ---------------------------------------------------------------------
// An orthographic view of the box -10..10, 10 pixels per unit, looking down from the
// front right: turned -60 degrees about x after -30 degrees about z, as the view turns.

namespace {

struct Ort {
    double x, y, z;
};

double Abstand(Ort p, Ort q) { return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z); }

// Distance of q from the segment a-b.
double Abstand(Ort q, Ort a, Ort b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    const double t =
        std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy + (q.z - a.z) * dz) / (dx * dx + dy * dy + dz * dz), 0.0, 1.0);
    return std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy, q.z - a.z - t * dz);
}

using Punkt = std::tuple<double, double, double>;
Punkt Gerundet(Ort o)
{
    const auto r = [](double v) { return std::round(v * 100) / 100 + 0.0; };
    return {r(o.x), r(o.y), r(o.z)};
}

std::set<Punkt> Menge(std::initializer_list<Ort> orte)
{
    std::set<Punkt> m;
    for (Ort o : orte)
        m.insert(Gerundet(o));
    return m;
}

// Area of the window polygon, in square pixels.
double Flaeche(const std::vector<Ort>& ecken)
{
    double a = 0;
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        const Ort &u = ecken[i], &v = ecken[(i + 1) % ecken.size()];
        a += u.x * v.y - v.x * u.y;
    }
    return std::fabs(a) / 2;
}

Rgba Grau(float stufe)
{
    const auto b = static_cast<std::uint8_t>(std::lround(stufe * 255));
    return {b, b, b, 255};
}

class BewegungMatrizenBild : public ::testing::Test, protected SzenenBild {
protected:
    Modell modell;

    BewegungMatrizenBild() : SzenenBild(200, 10) { Drehungen = {{-60, 1, 0, 0}, {-30, 0, 0, 1}}; }

    Frame Zeichnen() { return SzenenBild::Zeichnen(modell); }

    // Model point to window point (x, y in pixels from the bottom left, z the depth 0..1) and back.
    Ort Fenster(Ort p) const
    {
        const tVektor3 w = SzenenBild::Fenster({p.x, p.y, p.z});
        return {w.x, w.y, w.z};
    }
    Ort Modellpunkt(const FeedbackVertex& v) const { return ModellpunktAls<Ort>(v); }

    void AllesEin()
    {
        Aendern(modell,
                [](Einstellungen& e) { e.Quader = e.RFgefuellt = e.GFgefuellt = e.KomponentenA = e.Spur = true; });
    }
};

}  // namespace

TEST_F(BewegungMatrizenBild, NothingIsDrawnWhileTheCuboidIsOffWhateverElseIsOn)
{
    AllesEin();
    modell.Verschieben(Achse::X, 1);
    modell.Drehen({.z = true}, 1);
    Aendern(modell, [](Einstellungen& e) { e.Quader = false; });
    const Frame f = Zeichnen();
    EXPECT_TRUE(f.drawn().empty());
    EXPECT_EQ(f.countOther({255, 255, 255, 255}), 0);
}

// The box moved by (-4, -6, 1) with a typed matrix, everything on: the box and, as the
// trail's one slot, the start position, each as black edges, a back face in light grey
// and a base in darker grey; the components of A = (-4, -6, 1) as arrows in dimmed red,
// green and blue. Drawn in this order: the box, its faces, the arrows, then the trail.
TEST_F(BewegungMatrizenBild, MovedCuboidWithComponentsAndTrail)
{
    AllesEin();
    modell.MatrixSchritt(Felder({{M(1, 4), "-4"}, {M(2, 4), "-6"}, {M(3, 4), "1"}}), Modell::Alle);

    struct Quader {
        const char* name;
        Ort A, B, C, D, E, F, G, H;
    };
    const Quader jetzt{"box",         {-4, -6, 1},   {-1, -6, 1},   {-1, -4, 1},  {-4, -4, 1},
                       {-4, -6, 2.5}, {-1, -6, 2.5}, {-1, -4, 2.5}, {-4, -4, 2.5}};
    const Quader spur{"trail",     {0, 0, 0},   {3, 0, 0},   {3, 2, 0},  {0, 2, 0},
                      {0, 0, 1.5}, {3, 0, 1.5}, {3, 2, 1.5}, {0, 2, 1.5}};

    const Frame f = Zeichnen();
    EXPECT_EQ(ModellAnsichtAbweichung(), "") << "the model-view matrix is left as it was";

    // What each drawn piece is, from its colour and where it lies.
    const auto gehoertZu = [this](const Primitive& p, const Quader& q) {
        const std::set<Punkt> ecken = Menge({q.A, q.B, q.C, q.D, q.E, q.F, q.G, q.H});
        return std::ranges::all_of(p.vertices,
                                   [&](const FeedbackVertex& v) { return ecken.contains(Gerundet(Modellpunkt(v))); });
    };
    const auto teil = [&](const Primitive& p) -> std::string {
        const std::string welcher = gehoertZu(p, jetzt) ? "box " : gehoertZu(p, spur) ? "trail " : "? ";
        if (p.kind == PrimitiveKind::Line && p.hasColour(0, 0, 0))
            return welcher + "edges";
        if (p.kind == PrimitiveKind::Polygon && p.hasColour(0.6f, 0.6f, 0.6f))
            return welcher + "back face";
        if (p.kind == PrimitiveKind::Polygon && p.hasColour(0.4f, 0.4f, 0.4f))
            return welcher + "base";
        return "arrows";
    };
    std::vector<std::string> folge;
    for (const Primitive& p : f.drawn())
        if (folge.empty() || folge.back() != teil(p))
            folge.push_back(teil(p));
    EXPECT_EQ(folge, (std::vector<std::string>{"box edges", "box back face", "box base", "arrows", "trail edges",
                                               "trail back face", "trail base"}));

    for (const Quader& q : {jetzt, spur}) {
        SCOPED_TRACE(q.name);
        // Twelve edges, each once.
        std::multiset<std::set<Punkt>> kanten;
        for (const Primitive& p : f.inColour(0, 0, 0)) {
            ASSERT_EQ(p.kind, PrimitiveKind::Line);
            if (gehoertZu(p, q))
                kanten.insert(Menge({Modellpunkt(p.vertices[0]), Modellpunkt(p.vertices[1])}));
        }
        const std::multiset<std::set<Punkt>> soll = {Menge({q.A, q.B}), Menge({q.B, q.C}), Menge({q.C, q.D}),
                                                     Menge({q.D, q.A}), Menge({q.E, q.F}), Menge({q.F, q.G}),
                                                     Menge({q.G, q.H}), Menge({q.H, q.E}), Menge({q.A, q.E}),
                                                     Menge({q.B, q.F}), Menge({q.C, q.G}), Menge({q.D, q.H})};
        EXPECT_EQ(kanten, soll);

        // Each face shows once, whichever side faces the eye: its corners and its area.
        const struct {
            float grau;
            std::vector<Ort> ecken;
        } flaechen[] = {{0.6f, {q.C, q.D, q.H, q.G}}, {0.4f, {q.A, q.B, q.C, q.D}}};
        for (const auto& fl : flaechen) {
            std::set<Punkt> ist;
            double istFlaeche = 0;
            for (const Primitive& p : f.inColour(fl.grau, fl.grau, fl.grau)) {
                if (!gehoertZu(p, q))
                    continue;
                std::vector<Ort> fenster;
                for (const FeedbackVertex& v : p.vertices) {
                    ist.insert(Gerundet(Modellpunkt(v)));
                    fenster.push_back({v.x, v.y, v.z});
                }
                istFlaeche += Flaeche(fenster);
            }
            std::vector<Ort> sollFenster;
            Ort mitte{0, 0, 0};
            for (Ort e : fl.ecken) {
                sollFenster.push_back(Fenster(e));
                mitte = {mitte.x + e.x / 4, mitte.y + e.y / 4, mitte.z + e.z / 4};
            }
            EXPECT_EQ(ist, Menge({fl.ecken[0], fl.ecken[1], fl.ecken[2], fl.ecken[3]})) << "grey " << fl.grau;
            EXPECT_NEAR(istFlaeche, Flaeche(sollFenster), 0.5) << "grey " << fl.grau;
            const Ort m = Fenster(mitte);
            EXPECT_EQ(f.windowPixel(int(m.x), int(m.y)), Grau(fl.grau)) << "grey " << fl.grau;
        }
    }

    // The components of A: along x from the origin, then along y, then along z up to A.
    const struct {
        float r, g, b;
        Ort von, bis;
    } pfeile[] = {
        {0.7f, 0, 0, {0, 0, 0}, {-4, 0, 0}},
        {0, 0.7f, 0, {-4, 0, 0}, {-4, -6, 0}},
        {0, 0, 0.7f, {-4, -6, 0}, {-4, -6, 1}},
    };
    for (const auto& p : pfeile) {
        const auto teile = f.inColour(p.r, p.g, p.b);
        ASSERT_FALSE(teile.empty()) << p.r << ' ' << p.g << ' ' << p.b;
        double weitab = 0, amAnfang = 1e9, anDerSpitze = 1e9;
        for (const Primitive& t : teile)
            for (const FeedbackVertex& v : t.vertices) {
                const Ort o = Modellpunkt(v);
                weitab = std::max(weitab, Abstand(o, p.von, p.bis));
                amAnfang = std::min(amAnfang, Abstand(o, p.von));
                anDerSpitze = std::min(anDerSpitze, Abstand(o, p.bis));
            }
        // Thickness 0,05 in a room with unit ticks: the shaft's radius, and twice that the head's.
        EXPECT_NEAR(weitab, 0.1, 1e-3);
        EXPECT_NEAR(amAnfang, 0.05, 1e-3);
        EXPECT_LT(anDerSpitze, 1e-3) << "the head's tip on the end point";
    }
}
