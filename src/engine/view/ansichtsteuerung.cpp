#include "view/ansichtsteuerung.h"

namespace orbisto {

namespace {

// The fields of one axis, so that each rule is written once for x, y and z.
struct AchsenFelder {
    double& min;
    double& max;
    double& skala;
    std::int32_t& stufe;
};

AchsenFelder Felder(TKoSys& k, Achse a)
{
    switch (a) {
    case Achse::x: return {k.xMin, k.xMax, k.xSkala, k.xStufe};
    case Achse::y: return {k.yMin, k.yMax, k.ySkala, k.yStufe};
    case Achse::z: break;
    }
    return {k.zMin, k.zMax, k.zSkala, k.zStufe};
}

double& Skala(TKoSys& k, Achse a) { return Felder(k, a).skala; }

// An origin move: the room of one axis and the shift that keeps its picture in place. The
// y axis points into the screen at the default angles and the z axis up it.
struct Bahn {
    double& min;
    double& max;
    double schritt;
    double skala;
    double& verschiebung;
};

Bahn BahnFuer(TKoSys& k, UrsprungRichtung r)
{
    switch (r) {
    case UrsprungRichtung::xRechts:
    case UrsprungRichtung::xLinks: return {k.xMin, k.xMax, k.xSchritt, k.xSkala, k.xVerschiebung};
    case UrsprungRichtung::yHinten:
    case UrsprungRichtung::yVorn: return {k.yMin, k.yMax, k.ySchritt, k.ySkala, k.zVerschiebung};
    case UrsprungRichtung::zOben:
    case UrsprungRichtung::zUnten: break;
    }
    return {k.zMin, k.zMax, k.zSchritt, k.zSkala, k.yVerschiebung};
}

constexpr double ZoomFaktor = 1.1;

void StandardWinkel(TKoSys& k)
{
    k.xDrehung = -75;
    k.zDrehung = -20;
}

// The near windows of both projections, wider or narrower by the zoom factor.
void NahFensterSkalieren(TKoSys& k, bool weiter)
{
    for (double* v : {&k.PLinks, &k.PRechts, &k.PUnten, &k.POben, &k.OLinks, &k.ORechts, &k.OUnten, &k.OOben})
        *v = weiter ? *v * ZoomFaktor : *v / ZoomFaktor;
}

}  // namespace

void Stauchen(TKoSys& k, Achse a)
{
    AchsenFelder f = Felder(k, a);
    // Stage 1 is the 1 of the 1-2.5-5 cycle: the next value is 2.5 times as large.
    const double faktor = f.stufe == 1 ? 2.5 : 2;
    f.stufe = f.stufe == 3 ? 1 : f.stufe + 1;
    f.min *= faktor;
    f.max *= faktor;
    f.skala /= faktor;
}

void Strecken(TKoSys& k, Achse a)
{
    AchsenFelder f = Felder(k, a);
    const double faktor = f.stufe == 2 ? 2.5 : 2;
    f.stufe = f.stufe == 1 ? 3 : f.stufe - 1;
    f.min /= faktor;
    f.max /= faktor;
    f.skala *= faktor;
}

void AlleStauchen(TKoSys& k)
{
    for (Achse a : {Achse::x, Achse::y, Achse::z})
        Stauchen(k, a);
}

void AlleStrecken(TKoSys& k)
{
    for (Achse a : {Achse::x, Achse::y, Achse::z})
        Strecken(k, a);
}

bool UrsprungVerschieben(TKoSys& k, UrsprungRichtung r)
{
    const Bahn b = BahnFuer(k, r);
    const bool vor = r == UrsprungRichtung::xRechts || r == UrsprungRichtung::yHinten || r == UrsprungRichtung::zOben;
    const bool imRaum = vor ? b.max - b.schritt >= 0 : b.min + b.schritt <= 0;
    if (!imRaum)
        return false;
    // The origin moves one way, so the room's bounds move the other.
    const double d = vor ? b.schritt : -b.schritt;
    b.min -= d;
    b.max -= d;
    b.verschiebung += d * b.skala;
    StandardWinkel(k);
    return true;
}

void ErsterOktant(TKoSys& k)
{
    k.xVerschiebung += k.xMin * k.xSkala;
    k.yVerschiebung += k.yMin * k.ySkala;
    StandardWinkel(k);
    for (Achse a : {Achse::x, Achse::y, Achse::z}) {
        AchsenFelder f = Felder(k, a);
        f.max -= f.min;
        f.min = 0;
    }
}

void Ansicht2D(TKoSys& k)
{
    k.xDrehung = 0;
    k.zDrehung = 0;
}

void ZoomPlus(TKoSys& k)
{
    for (Achse a : {Achse::x, Achse::y, Achse::z})
        SkalaPlus(k, a);
}

void ZoomMinus(TKoSys& k)
{
    for (Achse a : {Achse::x, Achse::y, Achse::z})
        SkalaMinus(k, a);
}

void SystemVerschieben(TKoSys& k, SystemRichtung r)
{
    switch (r) {
    case SystemRichtung::Links: k.xVerschiebung -= 10; break;
    case SystemRichtung::Rechts: k.xVerschiebung += 10; break;
    case SystemRichtung::Oben: k.yVerschiebung += 10; break;
    case SystemRichtung::Unten: k.yVerschiebung -= 10; break;
    }
}

void AllesZuruecksetzen(TKoSys& k)
{
    StandardWinkel(k);
    k.ProjektionsVorgaben();
    k.RaumVorgaben();
}

bool PerspektivePlus(TKoSys& k)
{
    if (!(k.PRechts < 50))
        return false;
    NahFensterSkalieren(k, true);
    ZoomPlus(k);
    return true;
}

bool PerspektiveMinus(TKoSys& k)
{
    if (!(k.PRechts > 2))
        return false;
    NahFensterSkalieren(k, false);
    ZoomMinus(k);
    return true;
}

void PerspektiveZuruecksetzen(TKoSys& k) { k.ProjektionsVorgaben(); }

void NahFensterAendern(TKoSys& k, Projektionsart p, double d)
{
    const bool ortho = p == Projektionsart::orthogonal;
    (ortho ? k.OLinks : k.PLinks) -= d;
    (ortho ? k.ORechts : k.PRechts) += d;
    (ortho ? k.OUnten : k.PUnten) -= d;
    (ortho ? k.OOben : k.POben) += d;
}

void SkalaPlus(TKoSys& k, Achse a) { Skala(k, a) *= ZoomFaktor; }

void SkalaMinus(TKoSys& k, Achse a) { Skala(k, a) /= ZoomFaktor; }

}  // namespace orbisto
