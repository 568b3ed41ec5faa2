#include "objects/typenliste.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace orbisto;

namespace {

// Joins the used positions of one column so a whole type fits in one table row.
std::string Verbunden(const std::array<std::string, ParameterMax>& spalte, std::size_t anzahl)
{
    std::string text;
    for (std::size_t i = 0; i < anzahl; ++i)
        text += (i ? " " : "") + spalte[i];
    return text;
}

char ArtZeichen(tParArt art)
{
    switch (art) {
    case tParArt::Zahl: return 'Z';
    case tParArt::Ganzzahl: return 'G';
    case tParArt::Schalter: return 'S';
    case tParArt::Formel: return 'F';
    case tParArt::Leer: break;
    }
    return '-';
}

struct TypFall {
    int slot;
    const char* name;
    const char* namen;  // parameter names, blank-separated
    const char* werte;  // default texts, blank-separated
    const char* arten;  // F formula, Z number, G whole number, S switch
};

// Written out from the type tables, not from the code, so a typo on either side shows.
const TypFall Faelle[] = {
    {1, "Funktion3d", "f(x,y) xmin xmax ymin ymax xSchritte ySchritte Flaeche Gitter", "x+y -4 4 -4 4 20 20 1 1",
     "FZZZZGGSS"},
    {2, "Rotationskoerper", "f(x) xmin xmax xSchritte RotSchritte Funktion FktGitter RotGitter Flaeche Zylinder",
     "0,5*x 1 5 10 20 0 1 1 0 0", "FZZGGSSSSS"},
    {3, "EbenePRF", "px py pz ux uy uz vx vy vz Schritte Flaeche Gitter Vektoren", "2 0 0 0 1 0 0 0 1 6 1 1 0",
     "ZZZZZZZZZGSSS"},
    {4, "EbenePNF", "px py pz nx ny nz Schritte Flaeche Gitter Vektoren", "2 0 0 1 0 4 6 1 1 0", "ZZZZZZGSSS"},
    {5, "GeradePRF", "px py pz ux uy uz r Schritte Vektoren", "2 0 0 0 0 1 0 6 0", "ZZZZZZZGS"},
    {6, "KreisMNF", "mx my mz nx ny nz r rL Schritte Flaeche Gitter Vektoren", "3 0 3 0 0 1 2 0,05 8 1 1 0",
     "ZZZZZZZZGSSS"},
    {7, "Kugel", "mx my mz r Gitter Flaeche Schritte", "0 0 0 3 1 0 4", "ZZZZSSG"},
    {8, "Punkt", "x y z r", "0 0 0 0,15", "ZZZZ"},
    {9, "Strecke", "x1 y1 z1 x2 y2 z2 r", "0 0 0 4 3 2 0", "ZZZZZZZ"},
    {10, "Vektor", "x1 y1 z1 x2 y2 z2 r Quader", "0 0 0 4 3 2 0,05 0", "ZZZZZZZS"},
    {11, "Viereck", "x1 y1 z1 x2 y2 z2 x3 y3 z3 x4 y4 z4 Flaeche", "1 1 1 4 1 1 4 3 2 1 3 3 1", "ZZZZZZZZZZZZS"},
    {12, "Quader", "mx my mz a b h Gitter Mantel Flaeche Hoehe", "0 0 0 6 4 4 1 0 0 0", "ZZZZZZSSSS"},
    {13, "Pyramide", "mx my mz a b h Gitter Mantel Flaeche Hoehe", "0 0 0 6 4 4 1 0 0 0", "ZZZZZZSSSS"},
    {14, "Kegel", "mx my mz r h Gitter Mantel Flaeche Hoehe Schritte", "0 0 0 2 4 1 0 0 0 20", "ZZZZZSSSSG"},
    {15, "Zylinder", "mx my mz r h Gitter Mantel Flaeche Hoehe Schritte", "0 0 0 2 4 1 0 0 0 20", "ZZZZZSSSSG"},
};

}  // namespace

TEST(Typenliste, EveryTypeHasItsNamesDefaultsAndKindsInSlotOrder)
{
    const tTypenliste liste;
    ASSERT_EQ(liste.Typenanzahl, 15);
    for (const auto& fall : Faelle) {
        SCOPED_TRACE(fall.name);
        const t3DTyp& typ = liste[static_cast<std::size_t>(fall.slot)];
        EXPECT_EQ(typ.Name, fall.name);
        EXPECT_EQ(Verbunden(typ.ParName, typ.ParameterAnzahl()), fall.namen);
        EXPECT_EQ(Verbunden(typ.ParWert, typ.ParameterAnzahl()), fall.werte);
        std::string arten;
        for (std::size_t i = 0; i < typ.ParameterAnzahl(); ++i)
            arten += ArtZeichen(typ.ParArt[i]);
        EXPECT_EQ(arten, fall.arten);
        EXPECT_EQ(liste.TypSuchen(fall.name), fall.slot);
    }
}

TEST(Typenliste, PositionsAfterTheLastParameterAndUnusedSlotsAreEmpty)
{
    const tTypenliste liste;
    for (std::size_t slot = 0; slot < TypSlots; ++slot) {
        SCOPED_TRACE(slot);
        const t3DTyp& typ = liste[slot];
        if (slot == 0 || slot > 15) {
            EXPECT_EQ(typ.Name, "");
        }
        for (std::size_t i = typ.ParameterAnzahl(); i < ParameterMax; ++i) {
            EXPECT_EQ(typ.ParName[i], "") << "position " << i + 1;
            EXPECT_EQ(typ.ParWert[i], "") << "position " << i + 1;
            EXPECT_EQ(typ.ParArt[i], tParArt::Leer) << "position " << i + 1;
        }
    }
    // "Punkt" has four parameters, so rows 5 to 20 are blank.
    const t3DTyp& punkt = liste[8];
    EXPECT_EQ(punkt.ParName[3], "r");
    for (std::size_t zeile = 5; zeile <= 20; ++zeile)
        EXPECT_TRUE(punkt.ParName[zeile - 1].empty() && punkt.ParWert[zeile - 1].empty()) << "row " << zeile;
}

TEST(Typenliste, SearchIsExactAndFallsBackToFunktion3d)
{
    const tTypenliste liste;
    const struct {
        const char* name;
        int slot;
    } faelle[] = {
        {"Kegel", 14}, {"Zylinder", 15}, {"Funktion3d", 1}, {"Kugel", 7},    {"kugel", 1},
        {"", 1},       {"Kugel ", 1},    {"Wuerfel", 1},    {"KegelMen", 1},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(liste.TypSuchen(fall.name), fall.slot) << '"' << fall.name << '"';
}

TEST(Typenliste, RefillingRestoresTheCatalogue)
{
    tTypenliste liste;
    liste.Typen[7].ParWert[3] = "99";
    liste.Typen[20].Name = "Kugel";
    liste.Typen[20].ParName[0] = "x";
    liste.TypenlisteFuellen();
    EXPECT_EQ(liste[7].ParWert[3], "3");
    EXPECT_EQ(liste[20].Name, "");
    EXPECT_EQ(liste[20].ParName[0], "");
    EXPECT_EQ(liste.Typenanzahl, 15);
}
