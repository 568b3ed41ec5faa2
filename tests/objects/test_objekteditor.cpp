// The value rules of the object editor: what a row shows after the user leaves it,
// steps it or double-clicks it.

#include "objects/objekteditor.h"
#include "objects/typenliste.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace orbisto;

namespace {

TEST(ObjektEditor, RecognisesSwitchesAndFormulas)
{
    for (const char* s : {"Flaeche", "Vektoren", "Zylinder", "Funktion", "Hoehe", "Mantel", "Quader", "Gitter",
                          "FktGitter", "RotGitter"})
        EXPECT_TRUE(IstSchalter(s)) << s;
    for (const char* s : {"flaeche", "Flaeche ", "Schritte", "r", "", "gitter"})
        EXPECT_FALSE(IstSchalter(s)) << s;
    EXPECT_TRUE(IstFormel("f(x,y)"));
    EXPECT_TRUE(IstFormel("f(x)"));
    EXPECT_FALSE(IstFormel("xmin"));
}

struct Schritt {
    const char* Name;
    const char* Text;
    double Weite;
    std::optional<std::string> Ergebnis;
};

TEST(ObjektEditor, StepButtonsKeepEveryValueInItsRange)
{
    const std::vector<Schritt> faelle = {
        {"xSchritte", "1", -1, "1"},      // never below one step
        {"xSchritte", "2,5", 0.01, "3"},  // 2,51 rounds up
        {"xSchritte", "4", -0.1, "4"},    // 3,9 rounds back
        {"RotSchritte", "1", -1, "1"},    // capital R: only the step rule
        {"Flaeche", "0", 0.1, "0"},       // 0,1 is below the half
        {"Flaeche", "1", 1, "1"},         // a switch stays 0 or 1
        {"Flaeche", "0", 0.5, "1"},
        {"r", "0,05", -0.1, "0"},  // radii never negative
        {"rL", "0", -0.01, "0"},
        {"mx", "0", -0.1, "-0,1"},
        {"mx", "0,3", -0.1, "0,2"},          // no binary residue shows
        {"mx", "", 1, "1"},                  // empty counts as 0
        {"mx", "abc", 0.01, "0,01"},         // so does a text that is not a number
        {"f(x,y)", "x+y", 1, std::nullopt},  // formulas ignore the steps
        {"", "", 1, std::nullopt},           // rows without a parameter
    };
    for (const Schritt& f : faelle)
        EXPECT_EQ(WertSchritt(f.Name, f.Text, f.Weite), f.Ergebnis) << f.Name << " " << f.Text << " " << f.Weite;
}

TEST(ObjektEditor, ARowThatIsLeftIsChecked)
{
    struct Fall {
        const char* Name;
        const char* Text;
        const char* Ergebnis;
    };
    const Fall faelle[] = {
        {"xSchritte", "2,5", "2"}, {"xSchritte", "0", "1"},    {"Gitter", "7", "1"}, {"Gitter", "0,4", "0"},
        {"r", "-3", "0"},          {"px", "1,50", "1,5"},      {"px", "", "0"},      {"px", "x", "0"},
        {"f(x)", "", "0"},         {"f(x)", "sin(x", "sin(x"}, {"", "12", ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ZeileUebernehmen(f.Name, f.Text), f.Ergebnis) << f.Name << " " << f.Text;
}

TEST(ObjektEditor, DoubleClickTogglesOnlySwitches)
{
    EXPECT_EQ(SchalterUmschalten("Gitter", "0"), "1");
    EXPECT_EQ(SchalterUmschalten("Gitter", "1"), "0");
    EXPECT_EQ(SchalterUmschalten("Mantel", "abc"), "0");
    EXPECT_EQ(SchalterUmschalten("r", "0"), std::nullopt);
}

}  // namespace

// The object of `typ` with its catalogue defaults.
t3DObjekt Vorgabe(const std::string& typ)
{
    const tTypenliste typen;
    t3DObjekt o;
    o.Typname = typ;
    o.Parameter = typen[static_cast<std::size_t>(typen.TypSuchen(typ))].ParWert;
    return o;
}

// Typing 100000 steps froze the editor. A step count is lowered to the largest the work
// limit allows; any other value that would pass the limit is refused and the row keeps its
// text, with the message naming the object.
TEST(ObjektEditor, ValuesStayWithinTheWorkAnObjectMayCost)
{
    struct Fall {
        std::string Typ;
        std::size_t Index;
        const char* Name;
        const char* Neu;
        const char* Ergebnis;
        bool Meldung;
    };
    const std::vector<Fall> faelle = {
        {"Kugel", 6, "Schritte", "50", "50", false},              // within: as typed
        {"Kugel", 6, "Schritte", "100000", "136", false},         // 8 n² grid lines of two pieces
        {"Funktion3d", 5, "xSchritte", "100000", "2842", false},  // with 20 steps across
        {"Zylinder", 9, "Schritte", "1E9", "74874", false},
        {"Kugel", 3, "r", "5", "5", false},  // other values as typed
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.Typ + " " + f.Name + " " + f.Neu);
        const tZeilenwert w = ImAufwand(Vorgabe(f.Typ), f.Index, f.Name, f.Neu);
        EXPECT_EQ(w.text, f.Ergebnis);
        EXPECT_EQ(w.meldung.has_value(), f.Meldung);
        if (w.meldung) {
            EXPECT_NE(w.meldung->find("„" + f.Typ + "“"), std::string::npos) << *w.meldung;
        }
    }
    // A switch that would take a fine sphere beyond the limit stays off.
    t3DObjekt kugel = Vorgabe("Kugel");
    kugel.Parameter[6] = "130";
    const tZeilenwert schalter = ImAufwand(kugel, 5, "Flaeche", "1");
    EXPECT_EQ(schalter.text, "0");
    EXPECT_TRUE(schalter.meldung);
    // A surface far out on the x axis, one unit wide: the bound's tolerance of 1 % would
    // give it 10000 times the steps.
    t3DObjekt flaeche = Vorgabe("Funktion3d");
    flaeche.Parameter[2] = "1000001";
    const tZeilenwert bereich = ImAufwand(flaeche, 1, "xmin", "1000000");
    EXPECT_EQ(bereich.text, "-4");
    EXPECT_TRUE(bereich.meldung);
}
