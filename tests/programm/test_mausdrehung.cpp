#include "programm/mausdrehung.h"
#include "programm/programm.h"

#include <gtest/gtest.h>

using namespace orbisto;

TEST(MausDrehung, DragTurnsOneDegreePerTwoPixelsHalvesToEven)
{
    const struct {
        int dx, dy;
        double zDelta, xDelta;
    } faelle[] = {
        {0, 1, 0, 0}, {0, 3, 0, 2}, {0, 5, 0, 2},   {0, 7, 0, 4},       {0, -3, 0, -2},
        {1, 0, 0, 0}, {3, 0, 2, 0}, {-1, -1, 0, 0}, {40, -20, 20, -10},
    };
    for (const auto& f : faelle) {
        Programm p;
        MausGedrueckt(p, 100, 100);
        EXPECT_TRUE(MausBewegt(p, 100 + f.dx, 100 + f.dy, true));
        EXPECT_EQ(p.KoSys.zDrehungMaus, f.zDelta) << f.dx << "," << f.dy;
        EXPECT_EQ(p.KoSys.xDrehungMaus, f.xDelta) << f.dx << "," << f.dy;
        EXPECT_EQ(p.KoSys.xDrehung, -75) << "angles change only on release";
        MausLosgelassen(p);
        EXPECT_EQ(p.KoSys.xDrehung, -75 + f.xDelta);
        EXPECT_EQ(p.KoSys.zDrehung, -20 + f.zDelta);
        EXPECT_EQ(p.KoSys.xDrehungMaus, 0);
        EXPECT_EQ(p.KoSys.zDrehungMaus, 0);
    }
}

TEST(MausDrehung, OnlyALeftButtonDragWithoutModifiersTurns)
{
    Programm p;
    MausGedrueckt(p, 10, 10);
    EXPECT_FALSE(MausBewegt(p, 50, 70, false));
    EXPECT_EQ(p.KoSys.xDrehungMaus, 0);
    MausLosgelassen(p);
    EXPECT_EQ(p.KoSys.xDrehung, -75) << "a release after no valid move commits nothing";
    EXPECT_EQ(p.KoSys.zDrehung, -20);
}

TEST(MausDrehung, EachDragStartsFromItsOwnPress)
{
    Programm p;
    MausGedrueckt(p, 0, 0);
    MausBewegt(p, 0, 20, true);
    MausLosgelassen(p);
    MausGedrueckt(p, 300, 300);
    MausBewegt(p, 300, 310, true);
    MausBewegt(p, 300, 304, true);  // only the last position counts
    MausLosgelassen(p);
    EXPECT_EQ(p.KoSys.xDrehung, -75 + 10 + 2);
}
