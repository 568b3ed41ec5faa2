#include "view/tkosys.h"

#include <gtest/gtest.h>

using namespace orbisto;

TEST(TKoSys, DefaultsOfANewViewState)
{
    const TKoSys k;
    EXPECT_EQ(k.Hintergrundfarbe, 0xFFFFFFu);
    EXPECT_EQ(k.Projektion, 1) << "orthogonal, although ProjektionsVorgaben leaves it alone";
    const double perspektive[] = {k.PLinks, k.PRechts, k.PUnten, k.POben, k.PNah, k.PFern, k.PBeobachter};
    const double perspektiveSoll[] = {-25, 25, -25, 25, 50, 300, -100};
    const double ortho[] = {k.OLinks, k.ORechts, k.OUnten, k.OOben, k.ONah, k.OFern, k.OBeobachter};
    const double orthoSoll[] = {-50, 50, -50, 50, 0, 300, -100};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(perspektive[i], perspektiveSoll[i]) << i;
        EXPECT_EQ(ortho[i], orthoSoll[i]) << i;
    }
    EXPECT_EQ(k.xDrehung, -75);
    EXPECT_EQ(k.zDrehung, -20);
    EXPECT_EQ(k.xDrehungMaus, 0);
    EXPECT_EQ(k.zDrehungMaus, 0);
    for (double v : {k.xMin, k.yMin, k.zMin})
        EXPECT_EQ(v, -5);
    for (double v : {k.xMax, k.yMax, k.zMax})
        EXPECT_EQ(v, 5);
    for (double v : {k.xSchritt, k.ySchritt, k.zSchritt})
        EXPECT_EQ(v, 0) << "no coordinate system drawn yet";
    for (int v : {k.xStufe, k.yStufe, k.zStufe})
        EXPECT_EQ(v, 3);
    for (double v : {k.xSkala, k.ySkala, k.zSkala})
        EXPECT_EQ(v, 5);
    for (double v : {k.xVerschiebung, k.yVerschiebung, k.zVerschiebung})
        EXPECT_EQ(v, 0);
    EXPECT_TRUE(k.xyGitter);
    EXPECT_FALSE(k.yzGitter || k.xzGitter || k.xyFlaeche || k.yzFlaeche || k.xzFlaeche);
    EXPECT_TRUE(k.AchsenZeichnung);
    EXPECT_FALSE(k.AchsenEinteilung || k.AchsenEinheiten || k.AchsenNamen || k.Raumgrenzen);
}

TEST(TKoSys, ResetsTouchOnlyTheirOwnFields)
{
    TKoSys k;
    k.Projektion = 0;
    k.PRechts = 40;
    k.OFern = 10;
    k.xSkala = k.ySkala = k.zSkala = 7;
    k.xMin = -50;
    k.zMax = 1;
    k.yStufe = 1;
    k.xVerschiebung = 30;
    k.xDrehung = 10;

    k.ProjektionsVorgaben();
    EXPECT_EQ(k.Projektion, 0);
    EXPECT_EQ(k.PRechts, 25);
    EXPECT_EQ(k.OFern, 300);
    EXPECT_EQ(k.ySkala, 5) << "the perspective reset also undoes a zoom";
    EXPECT_EQ(k.xMin, -50) << "the room is not part of the projection";
    EXPECT_EQ(k.xVerschiebung, 30);

    k.RaumVorgaben();
    EXPECT_EQ(k.xMin, -5);
    EXPECT_EQ(k.zMax, 5);
    EXPECT_EQ(k.yStufe, 3);
    EXPECT_EQ(k.xVerschiebung, 0);
    EXPECT_EQ(k.xDrehung, 10) << "angles belong to neither reset";
}
