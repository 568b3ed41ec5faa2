#include "view/ansichtsteuerung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace orbisto;

namespace {

// Every number of the view state, to see that an operation changed nothing else.
std::vector<double> Zustand(const TKoSys& k)
{
    return {double(k.Projektion),
            k.PLinks,
            k.PRechts,
            k.PUnten,
            k.POben,
            k.PNah,
            k.PFern,
            k.PBeobachter,
            k.OLinks,
            k.ORechts,
            k.OUnten,
            k.OOben,
            k.ONah,
            k.OFern,
            k.OBeobachter,
            k.xDrehung,
            k.zDrehung,
            k.xMin,
            k.yMin,
            k.zMin,
            k.xMax,
            k.yMax,
            k.zMax,
            double(k.xStufe),
            double(k.yStufe),
            double(k.zStufe),
            k.xSkala,
            k.ySkala,
            k.zSkala,
            k.xVerschiebung,
            k.yVerschiebung,
            k.zVerschiebung};
}

// What the coordinate-system drawing computes before any origin move can happen.
void SchritteWieGezeichnet(TKoSys& k)
{
    k.xSchritt = (k.xMax - k.xMin) / 10;
    k.ySchritt = (k.yMax - k.yMin) / 10;
    k.zSchritt = (k.zMax - k.zMin) / 10;
}

}  // namespace

TEST(Ansichtsteuerung, StretchingWalksTheOneTwoFiveCycle)
{
    enum Schritt { S, T };  // Stauchen, Strecken
    const struct {
        std::vector<Schritt> folge;
        double max, skala;
        int stufe;
    } faelle[] = {
        {{S}, 10, 2.5, 1},       {{S, S}, 25, 1, 2}, {{S, S, S}, 50, 0.5, 3}, {{S, S, S, S}, 100, 0.25, 1},
        {{T}, 2.5, 10, 2},       {{T, T}, 1, 25, 1}, {{T, T, T}, 0.5, 50, 3}, {{S, T}, 5, 5, 3},
        {{T, T, S, S}, 5, 5, 3},
    };
    for (const auto& f : faelle) {
        TKoSys k;
        for (Schritt s : f.folge)
            s == S ? Stauchen(k, Achse::x) : Strecken(k, Achse::x);
        const std::size_t n = f.folge.size();
        EXPECT_EQ(k.xMin, -f.max) << n;
        EXPECT_EQ(k.xMax, f.max) << n;
        EXPECT_EQ(k.xSkala, f.skala) << n;
        EXPECT_EQ(k.xStufe, f.stufe) << n;
        EXPECT_EQ(k.yMax, 5) << "other axes stay";
        EXPECT_EQ(k.zSkala, 5);
        EXPECT_EQ(k.yStufe, 3);
    }
}

TEST(Ansichtsteuerung, StretchingAllAxesKeepsEachAxisOnItsOwnStage)
{
    TKoSys k;
    Stauchen(k, Achse::y);  // y now at stage 1: its next step is 2,5
    Strecken(k, Achse::z);  // z at stage 2
    AlleStauchen(k);
    EXPECT_EQ(k.xMax, 10);
    EXPECT_EQ(k.yMax, 25);
    EXPECT_EQ(k.zMax, 5);
    EXPECT_EQ(k.xSkala, 2.5);
    EXPECT_EQ(k.ySkala, 1);
    EXPECT_EQ(k.zSkala, 5);
    AlleStrecken(k);
    EXPECT_EQ(k.xMax, 5);
    EXPECT_EQ(k.yMax, 10);
    EXPECT_EQ(k.zMax, 2.5);
    EXPECT_EQ(k.xStufe, 3);
    EXPECT_EQ(k.yStufe, 1);
    EXPECT_EQ(k.zStufe, 2);
}

TEST(Ansichtsteuerung, OriginMovesUntilTheOriginReachesTheRoomsEdge)
{
    // The default room -5..5 has ticks of 1, so every direction allows five moves.
    const struct {
        UrsprungRichtung richtung, zurueck;
        double TKoSys::*min;
        double TKoSys::*max;
        double TKoSys::*verschiebung;
        double vorzeichen;  // of the origin's move along its axis
    } faelle[] = {
        {UrsprungRichtung::xRechts, UrsprungRichtung::xLinks, &TKoSys::xMin, &TKoSys::xMax, &TKoSys::xVerschiebung, 1},
        {UrsprungRichtung::xLinks, UrsprungRichtung::xRechts, &TKoSys::xMin, &TKoSys::xMax, &TKoSys::xVerschiebung, -1},
        {UrsprungRichtung::yHinten, UrsprungRichtung::yVorn, &TKoSys::yMin, &TKoSys::yMax, &TKoSys::zVerschiebung, 1},
        {UrsprungRichtung::yVorn, UrsprungRichtung::yHinten, &TKoSys::yMin, &TKoSys::yMax, &TKoSys::zVerschiebung, -1},
        {UrsprungRichtung::zOben, UrsprungRichtung::zUnten, &TKoSys::zMin, &TKoSys::zMax, &TKoSys::yVerschiebung, 1},
        {UrsprungRichtung::zUnten, UrsprungRichtung::zOben, &TKoSys::zMin, &TKoSys::zMax, &TKoSys::yVerschiebung, -1},
    };
    for (const auto& f : faelle) {
        TKoSys k;
        SchritteWieGezeichnet(k);
        for (int i = 1; i <= 5; ++i) {
            k.xDrehung = 10;
            k.zDrehung = 30;
            ASSERT_TRUE(UrsprungVerschieben(k, f.richtung)) << i;
            EXPECT_EQ(k.*f.min, -5 - f.vorzeichen * i);
            EXPECT_EQ(k.*f.max, 5 - f.vorzeichen * i);
            EXPECT_EQ(k.*f.verschiebung, f.vorzeichen * i * 5) << "one tick at scale 5 per move";
            EXPECT_EQ(k.xDrehung, -75) << "a move turns back to the default angles";
            EXPECT_EQ(k.zDrehung, -20);
        }
        EXPECT_EQ(f.vorzeichen > 0 ? k.*f.max : k.*f.min, 0) << "the origin sits on the room's edge";

        k.xDrehung = 10;
        const std::vector<double> vorher = Zustand(k);
        EXPECT_FALSE(UrsprungVerschieben(k, f.richtung));
        EXPECT_EQ(Zustand(k), vorher) << "a refused move changes nothing, the angles neither";

        // The way back is open.
        EXPECT_TRUE(UrsprungVerschieben(k, f.zurueck));
    }
}

TEST(Ansichtsteuerung, FirstOctantPutsTheRoomsCornerAtTheOrigin)
{
    TKoSys k;
    Stauchen(k, Achse::x);  // x: -10..10 at scale 2,5
    k.xVerschiebung = 3;
    k.xDrehung = 0;
    k.zDrehung = 45;
    ErsterOktant(k);
    EXPECT_EQ(k.xMin, 0);
    EXPECT_EQ(k.xMax, 20);
    EXPECT_EQ(k.yMin, 0);
    EXPECT_EQ(k.yMax, 10);
    EXPECT_EQ(k.zMin, 0);
    EXPECT_EQ(k.zMax, 10);
    EXPECT_EQ(k.xVerschiebung, 3 - 10 * 2.5) << "the picture of the room stays where it was";
    EXPECT_EQ(k.yVerschiebung, -5 * 5);
    EXPECT_EQ(k.zVerschiebung, 0);
    EXPECT_EQ(k.xDrehung, -75);
    EXPECT_EQ(k.zDrehung, -20);
    EXPECT_EQ(k.xSkala, 2.5) << "the scale stays";
}

TEST(Ansichtsteuerung, TwoDViewAndSystemShiftLeaveTheRoomAlone)
{
    TKoSys k;
    Stauchen(k, Achse::z);
    std::vector<double> soll = Zustand(k);
    Ansicht2D(k);
    EXPECT_EQ(k.xDrehung, 0);
    EXPECT_EQ(k.zDrehung, 0);
    k.xDrehung = -75;
    k.zDrehung = -20;
    EXPECT_EQ(Zustand(k), soll);

    const struct {
        SystemRichtung richtung;
        double x, y;
    } schiebungen[] = {{SystemRichtung::Links, -10, 0},
                       {SystemRichtung::Rechts, 0, 0},
                       {SystemRichtung::Oben, 0, 10},
                       {SystemRichtung::Unten, 0, 0}};
    for (const auto& s : schiebungen) {
        SystemVerschieben(k, s.richtung);
        EXPECT_EQ(k.xVerschiebung, s.x);
        EXPECT_EQ(k.yVerschiebung, s.y);
        EXPECT_EQ(k.zVerschiebung, 0);
    }
    EXPECT_EQ(Zustand(k), soll);
}

TEST(Ansichtsteuerung, ZoomScalesAllAxesByOnePointOne)
{
    TKoSys k;
    Strecken(k, Achse::y);  // y at scale 10
    ZoomPlus(k);
    EXPECT_DOUBLE_EQ(k.xSkala, 5.5);
    EXPECT_DOUBLE_EQ(k.ySkala, 11);
    EXPECT_DOUBLE_EQ(k.zSkala, 5.5);
    ZoomMinus(k);
    ZoomMinus(k);
    EXPECT_DOUBLE_EQ(k.xSkala, 5 / 1.1);
    EXPECT_DOUBLE_EQ(k.ySkala, 10 / 1.1);
    EXPECT_EQ(k.xMax, 5) << "the room stays";

    SkalaPlus(k, Achse::z);
    SkalaMinus(k, Achse::x);
    EXPECT_DOUBLE_EQ(k.xSkala, 5 / 1.1 / 1.1);
    EXPECT_DOUBLE_EQ(k.ySkala, 10 / 1.1);
    EXPECT_DOUBLE_EQ(k.zSkala, 5);
}

TEST(Ansichtsteuerung, FullResetRestoresEverythingButProjectionKindAndSwitches)
{
    TKoSys k;
    k.Projektion = 0;
    k.Raumgrenzen = true;
    SchritteWieGezeichnet(k);
    AlleStauchen(k);
    UrsprungVerschieben(k, UrsprungRichtung::zOben);
    PerspektivePlus(k);
    NahFensterAendern(k, Projektionsart::orthogonal, 3);
    k.PNah = 7;
    Ansicht2D(k);
    AllesZuruecksetzen(k);

    TKoSys neu;
    neu.Projektion = 0;
    EXPECT_EQ(Zustand(k), Zustand(neu));
    EXPECT_TRUE(k.Raumgrenzen);
}

TEST(Ansichtsteuerung, PerspectiveGrowsEightTimesFromTheDefaults)
{
    TKoSys k;
    int schritte = 0;
    while (PerspektivePlus(k))
        ASSERT_LT(++schritte, 100);
    EXPECT_EQ(schritte, 8) << "25 * 1,1^7 < 50 <= 25 * 1,1^8";
    const double f = std::pow(1.1, 8);
    EXPECT_NEAR(k.PRechts, 25 * f, 1e-9);
    EXPECT_NEAR(k.PUnten, -25 * f, 1e-9);
    EXPECT_NEAR(k.OOben, 50 * f, 1e-9);
    EXPECT_NEAR(k.OLinks, -50 * f, 1e-9);
    EXPECT_NEAR(k.ySkala, 5 * f, 1e-9) << "the scale follows, so the orthogonal picture keeps its size";
    EXPECT_EQ(k.PNah, 50);

    const std::vector<double> vorher = Zustand(k);
    EXPECT_FALSE(PerspektivePlus(k));
    EXPECT_EQ(Zustand(k), vorher);

    PerspektiveZuruecksetzen(k);
    EXPECT_EQ(Zustand(k), Zustand(TKoSys{})) << "the perspective reset also undoes the zoom";
}

TEST(Ansichtsteuerung, PerspectiveWeakensUntilTheNearWindowIsTwoWide)
{
    TKoSys k;
    int schritte = 0;
    while (PerspektiveMinus(k))
        ASSERT_LT(++schritte, 100);
    // The last allowed step starts above 2: the smallest n with 25 / 1,1^n <= 2.
    EXPECT_EQ(schritte, static_cast<int>(std::ceil(std::log(12.5) / std::log(1.1))));
    EXPECT_LE(k.PRechts, 2);
    EXPECT_GT(k.PRechts * 1.1, 2);
    EXPECT_NEAR(k.xSkala * 25 / k.PRechts, 5, 1e-9);
}

TEST(Ansichtsteuerung, NearWindowStepsChangeOneProjectionOnly)
{
    TKoSys k;
    NahFensterAendern(k, Projektionsart::orthogonal, 1);
    NahFensterAendern(k, Projektionsart::perspektivisch, -1);
    const double soll[] = {-51, 51, -51, 51, -24, 24, -24, 24};
    const double ist[] = {k.OLinks, k.ORechts, k.OUnten, k.OOben, k.PLinks, k.PRechts, k.PUnten, k.POben};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(ist[i], soll[i]) << i;

    for (int i = 0; i < 30; ++i)
        NahFensterAendern(k, Projektionsart::perspektivisch, -1);
    EXPECT_EQ(k.PRechts, -6) << "no limits";
    EXPECT_EQ(k.PNah, 50);
    EXPECT_EQ(k.xSkala, 5);
}
