#include "programm/mausdrehung.h"

#include "core/zahltext.h"
#include "programm/programm.h"

namespace orbisto {

void MausGedrueckt(Programm& p, int x, int y)
{
    p.MausStartX = x;
    p.MausStartY = y;
}

bool MausBewegt(Programm& p, int x, int y, bool nurLinkeTaste)
{
    if (!nurLinkeTaste)
        return false;
    // Halves go to the even neighbour: 1 px gives 0 degrees, 3 px give 2.
    p.KoSys.xDrehungMaus = static_cast<double>(RundenGerade((y - p.MausStartY) / 2.0L));
    p.KoSys.zDrehungMaus = static_cast<double>(RundenGerade((x - p.MausStartX) / 2.0L));
    return true;
}

void MausLosgelassen(Programm& p)
{
    p.KoSys.xDrehung += p.KoSys.xDrehungMaus;
    p.KoSys.xDrehungMaus = 0;
    p.KoSys.zDrehung += p.KoSys.zDrehungMaus;
    p.KoSys.zDrehungMaus = 0;
}

}  // namespace orbisto
