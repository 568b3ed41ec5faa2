#include "scenes/math/vektorort.h"

#include "view/tkosys.h"

namespace orbisto {

namespace {

// The vector itself is thick and dark grey, its components thinner in dimmed axis colours
// (VektorpfeilRGB draws the discs in twice the colour), the unit vectors between the two in
// light axis colours.
constexpr double VektorDicke = 0.1, KomponentenDicke = 0.05, EinheitsDicke = 0.075;
constexpr tRGB VektorFarbe{0.25f, 0.25f, 0.25f}, QuaderFarbe{0, 0, 0};
constexpr tRGB Rot{0.7f, 0, 0}, Gruen{0, 0.7f, 0}, Blau{0, 0, 0.7f};
constexpr tRGB HellRot{1, 0.3f, 0.3f}, HellGruen{0.3f, 1, 0.3f}, HellBlau{0.3f, 0.3f, 1};

void Quader(const TKoSys& k, const tVektor3& a, const tVektor3& b)
{
    TKoSys::FarbeSetzen(QuaderFarbe);
    k.QuaderKanten(a.x, a.y, a.z, b.x, b.y, b.z);
}

// The components x, y and z of o as a chain from `von`: x first, then y, then z.
void Kette(const TKoSys& k, const tVektor3& von, const tVektor3& o)
{
    const tVektor3 x{o.x, 0, 0}, xy{o.x, o.y, 0};
    k.VektorpfeilRGB(von, von + x, KomponentenDicke, Rot);
    k.VektorpfeilRGB(von + x, von + xy, KomponentenDicke, Gruen);
    k.VektorpfeilRGB(von + xy, von + o, KomponentenDicke, Blau);
}

}  // namespace

void TVektorOrt::EinstellungenAendern(const tVektorOrtEinstellungen& neu)
{
    OrtFeld.Pruefen(neu.Ort);
    AnfangFeld.Pruefen(neu.Anfang);
    e_ = neu;
}

void TVektorOrt::SzeneZeichnen(TKoSys& k)
{
    const tVektor3 null{}, o = e_.Ort, a = e_.Anfang;
    const tVektor3 x{o.x, 0, 0}, y{0, o.y, 0}, z{0, 0, o.z};

    if (e_.Ortsvektor) {
        k.VektorpfeilRGB(null, o, VektorDicke, VektorFarbe);
        if (e_.OQuader)
            Quader(k, null, o);
        if (e_.Ox)
            k.VektorpfeilRGB(null, x, KomponentenDicke, Rot);
        if (e_.Oy)
            k.VektorpfeilRGB(null, y, KomponentenDicke, Gruen);
        if (e_.Oz)
            k.VektorpfeilRGB(null, z, KomponentenDicke, Blau);
        if (e_.Oi)
            k.VektorpfeilRGB(null, {1, 0, 0}, EinheitsDicke, HellRot);
        if (e_.Oj)
            k.VektorpfeilRGB(null, {0, 1, 0}, EinheitsDicke, HellGruen);
        if (e_.Ok)
            k.VektorpfeilRGB(null, {0, 0, 1}, EinheitsDicke, HellBlau);
        if (e_.Oxyz)
            Kette(k, null, o);
        if (e_.Oalle) {
            // Each component along the four box edges parallel to it.
            for (const tVektor3& s : {null, y, z, y + z})
                k.VektorpfeilRGB(s, s + x, KomponentenDicke, Rot);
            for (const tVektor3& s : {null, x, z, x + z})
                k.VektorpfeilRGB(s, s + y, KomponentenDicke, Gruen);
            for (const tVektor3& s : {null, x, y, x + y})
                k.VektorpfeilRGB(s, s + z, KomponentenDicke, Blau);
        }
    }

    if (e_.Repraesentant) {
        k.VektorpfeilRGB(a, a + o, VektorDicke, VektorFarbe);
        if (e_.RQuader)
            Quader(k, a, a + o);
        if (e_.Rx)
            k.VektorpfeilRGB(a, a + x, KomponentenDicke, Rot);
        if (e_.Ry)
            k.VektorpfeilRGB(a, a + y, KomponentenDicke, Gruen);
        if (e_.Rz)
            k.VektorpfeilRGB(a, a + z, KomponentenDicke, Blau);
        if (e_.Rxyz)
            Kette(k, a, o);
    }
}

}  // namespace orbisto
