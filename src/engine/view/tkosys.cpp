#include "view/tkosys.h"

namespace orbisto {

TKoSys::TKoSys()
{
    ProjektionsVorgaben();
    Projektion = 1;
    RaumVorgaben();
}

void TKoSys::ProjektionsVorgaben()
{
    PLinks = -25;
    PRechts = 25;
    PUnten = -25;
    POben = 25;
    PNah = 50;
    PFern = 300;
    PBeobachter = -100;

    OLinks = -50;
    ORechts = 50;
    OUnten = -50;
    OOben = 50;
    ONah = 0;
    OFern = 300;
    OBeobachter = -100;

    xSkala = ySkala = zSkala = 5;
}

void TKoSys::RaumVorgaben()
{
    xMin = yMin = zMin = -5;
    xMax = yMax = zMax = 5;
    xStufe = yStufe = zStufe = 3;
    xVerschiebung = yVerschiebung = zVerschiebung = 0;
}

}  // namespace orbisto
