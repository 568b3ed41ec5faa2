// The object list: appending, replacing and removing entries keeps every field of every
// entry, and the list refuses a 51st entry without changing.

#include "objects/objektliste.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace orbisto;

namespace {

t3DObjekt Objekt(const std::string& typ, std::uint32_t farbe, bool vor, bool orig, const std::string& p1)
{
    t3DObjekt o;
    o.Typname = typ;
    o.Vor = vor;
    o.Orig = orig;
    o.Parameter[0] = p1;
    o.Parameter[19] = "x+y";
    o.FarbeSetzen(farbe);
    return o;
}

TEST(Objektliste, DeletingMovesTheLaterEntriesUp)
{
    tObjektliste liste;
    const t3DObjekt a = Objekt("Kugel", 0x0000FF, true, true, "1");
    const t3DObjekt b = Objekt("Punkt", 0x00FF00, false, true, "0,5");
    const t3DObjekt c = Objekt("Kegel", 0xFF0000, true, false, "-2");
    ASSERT_TRUE(liste.ObjektAnhaengen(a));
    ASSERT_TRUE(liste.ObjektAnhaengen(b));
    ASSERT_TRUE(liste.ObjektAnhaengen(c));

    liste.ObjektLoeschen(2);
    ASSERT_EQ(liste.ObjektAnzahl(), 2);
    EXPECT_EQ(liste[1], a);
    EXPECT_EQ(liste[2], c);
    EXPECT_EQ(liste[2].Stufen(), FarbStufen(0xFF0000));
    EXPECT_THROW(liste[3], std::out_of_range);

    liste.ObjektLoeschen(2);
    liste.ObjektLoeschen(1);
    EXPECT_EQ(liste.ObjektAnzahl(), 0);
    EXPECT_THROW(liste.ObjektLoeschen(1), std::out_of_range);
}

TEST(Objektliste, ReplacingCopiesAndAppendingStopsAtFifty)
{
    tObjektliste liste;
    t3DObjekt o = Objekt("Quader", 0x123456, true, false, "3");
    for (int i = 0; i < ObjekteMax; ++i)
        ASSERT_TRUE(liste.ObjektAnhaengen(o));
    EXPECT_TRUE(liste.Voll());
    EXPECT_FALSE(liste.ObjektAnhaengen(Objekt("Kugel", 0, true, true, "9")));
    EXPECT_EQ(liste.ObjektAnzahl(), ObjekteMax);
    EXPECT_EQ(liste[ObjekteMax].Typname, "Quader");

    const t3DObjekt neu = Objekt("Zylinder", 0x00FFFF, false, true, "7");
    liste.ObjektErsetzen(50, neu);
    o.Parameter[0] = "geändert";  // the list holds copies
    EXPECT_EQ(liste[50], neu);
    EXPECT_EQ(liste[49].Parameter[0], "3");

    liste.ListeLeeren();
    EXPECT_EQ(liste.ObjektAnzahl(), 0);
    EXPECT_TRUE(liste.ObjektAnhaengen(neu));
    EXPECT_EQ(liste[1], neu);
}

}  // namespace
