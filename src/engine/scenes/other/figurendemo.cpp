#include "scenes/other/figurendemo.h"

#include "view/tkosys.h"

namespace orbisto {

void TFigurenDemo::EinstellungenAendern(const tFigurenDemoEinstellungen& neu, TKoSys& koSys)
{
    double* const fern[2] = {&koSys.OFern, &koSys.PFern};
    if (neu.FluchtpunktQuader && !e_.FluchtpunktQuader) {
        for (int i = 0; i < 2; ++i) {
            fernVorher_[i] = *fern[i];
            *fern[i] = FluchtpunktFern;
        }
    } else if (!neu.FluchtpunktQuader && e_.FluchtpunktQuader) {
        // A far plane the user set while the box was shown stays as the user set it.
        for (int i = 0; i < 2; ++i)
            if (*fern[i] == FluchtpunktFern)
                *fern[i] = fernVorher_[i];
    }
    e_ = neu;
}

void TFigurenDemo::QuaderDrehen()
{
    quaderWinkel_ -= QuaderSchritt;
    if (!(quaderWinkel_ > -360))
        quaderWinkel_ = 0;
}

void TFigurenDemo::WuerfelBewegen()
{
    wuerfelY_ += WuerfelSchritt;
    if (wuerfelY_ > WuerfelEnde)
        wuerfelY_ = WuerfelStart;
}

void TFigurenDemo::SzeneZeichnen(TKoSys& koSys)
{
    const TKoSys& k = koSys;
    if (e_.FluchtpunktQuader) {
        TKoSys::FarbeSetzen({0, 0, 0});
        k.QuaderKanten(k.xMin, k.yMin, k.zMin, k.xMax, FluchtpunktEnde, k.zMax);
    }
    if (e_.TestWuerfel) {
        TKoSys::FarbeSetzen({0, 0, 1});
        k.QuaderKanten(-4, -1, -1, -2, 1, 1);
        TKoSys::FarbeSetzen({0, 0, 0});
        k.QuaderKanten(-1, -1, -1, 1, 1, 1);
        TKoSys::FarbeSetzen({1, 0, 0});
        k.QuaderKanten(2, -1, -1, 4, 1, 1);
    }
    // The cuboid's turn holds for the single cube too, which turns with it; the frame ends
    // with the hook, so nothing drawn after this scene is turned.
    const double winkel = e_.Vollquader ? quaderWinkel_ : 0;
    k.ImRahmen({0, 0, 0}, {{winkel, {0, 0, 1}}}, [&] {
        if (e_.Vollquader)
            k.QuaderBunt(-3, -2, -1, 3, 2, 1);
        if (e_.EinWuerfel) {
            TKoSys::FarbeSetzen({0, 0, 0});
            k.QuaderKanten(-1, wuerfelY_, 0.1, 1, wuerfelY_ + 2, 2.1);
        }
    });
}

}  // namespace orbisto
