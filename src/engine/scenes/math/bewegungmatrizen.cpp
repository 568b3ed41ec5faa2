#include "scenes/math/bewegungmatrizen.h"

#include "core/allgemeinerfehler.h"
#include "core/zahltext.h"
#include "view/tkosys.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace orbisto {

namespace {

enum Ecke : std::size_t { A, B, C, D, E, F, G, H };

// Base, top, then the four vertical edges.
constexpr std::pair<Ecke, Ecke> Kanten[] = {{A, B}, {B, C}, {C, D}, {D, A}, {E, F}, {F, G},
                                            {G, H}, {H, E}, {A, E}, {B, F}, {C, G}, {D, H}};

constexpr double ZweiPi = 6.283185307179586;

// Thin enough to leave the edges of the box readable, scaled with the room like every arrow.
constexpr double PfeilDicke = 0.05;

constexpr tRGB Kantenfarbe{0, 0, 0};
constexpr tRGB Rueckflaechenfarbe{0.6f, 0.6f, 0.6f};
constexpr tRGB Grundflaechenfarbe{0.4f, 0.4f, 0.4f};
// Dimmed, as VektorpfeilRGB doubles them for the discs.
constexpr tRGB xFarbe{0.7f, 0, 0}, yFarbe{0, 0.7f, 0}, zFarbe{0, 0, 0.7f};

tVektor3 Ort(const t4DPunkt& p) { return {p.x, p.y, p.z}; }

// The face shows from either side, in the same colour.
void Flaeche(const tQuaderEcken& e, Ecke p1, Ecke p2, Ecke p3, Ecke p4, const tRGB& farbe)
{
    TKoSys::ViereckZweiseitig(Ort(e[p1]), Ort(e[p2]), Ort(e[p3]), Ort(e[p4]), farbe, farbe);
}

bool Endlich(const t4DPunkt& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::isfinite(p.w);
}

void KommaStattPunkt(std::string& s)
{
    for (char& c : s)
        if (c == '.')
            c = ',';
}

}  // namespace

TBewegungMatrizen::TBewegungMatrizen() : ecken_(StartQuader()) {}

void TBewegungMatrizen::EinstellungenAendern(const tBewegungMatrizenEinstellungen& neu)
{
    // Everything is checked before anything is stored. A step of no number would put
    // every corner out of reach of the list and of any later step.
    const std::pair<double, const char*> schritte[] = {{neu.VerschiebeSchritt, "Verschiebung, Schritt"},
                                                       {neu.DrehSchrittGrad, "Drehung, Schritt"}};
    for (const auto& [wert, feld] : schritte)
        if (!std::isfinite(wert))
            throw AllgemeinerFehler(std::string(feld) + ": " + ZahlText(wert) +
                                    " ist nicht erlaubt.\rErlaubt sind endliche Zahlen.");
    e_ = neu;
    if (!neu.Spur)
        spurAnzahl_ = 0;
}

tQuaderEcken TBewegungMatrizen::StartQuader()
{
    return {{{0, 0, 0, 1},
             {3, 0, 0, 1},
             {3, 2, 0, 1},
             {0, 2, 0, 1},
             {0, 0, 1.5, 1},
             {3, 0, 1.5, 1},
             {3, 2, 1.5, 1},
             {0, 2, 1.5, 1}}};
}

void TBewegungMatrizen::SpurMerken()
{
    // A ring: after the last slot the oldest is overwritten, and the visible trail
    // starts again from that one slot.
    if (++spurAnzahl_ > SpurPlaetze)
        spurAnzahl_ = 1;
    spurPunkte_[static_cast<std::size_t>(spurAnzahl_ - 1)] = ecken_;
}

void TBewegungMatrizen::Uebernehmen(const tQuaderEcken& neu)
{
    // Infinite or undefined coordinates could neither be listed sensibly nor drawn, and
    // no further step would bring the box back; refuse the step instead.
    for (const t4DPunkt& p : neu)
        if (!Endlich(p))
            throw AllgemeinerFehler("Die Koordinaten würden zu groß werden.\r"
                                    "Der Schritt wird nicht ausgeführt.");
    if (e_.Spur)
        SpurMerken();
    ecken_ = neu;
}

void TBewegungMatrizen::Verschieben(tAchse achse, int vorzeichen)
{
    const double s = vorzeichen * e_.VerschiebeSchritt;
    const t4DPunkt t{achse == tAchse::X ? s : 0, achse == tAchse::Y ? s : 0, achse == tAchse::Z ? s : 0, 0};
    tQuaderEcken neu = ecken_;
    for (t4DPunkt& p : neu)
        p = {p.x + t.x, p.y + t.y, p.z + t.z, p.w + t.w};
    Uebernehmen(neu);
}

void TBewegungMatrizen::Drehen(tAchsen achsen, int vorzeichen)
{
    const double schritt = static_cast<double>(static_cast<long double>(e_.DrehSchrittGrad) * ZweiPi / 360);
    const double winkel = vorzeichen * schritt;
    tQuaderEcken neu = ecken_;
    const std::pair<bool, tAchse> folge[] = {{achsen.x, tAchse::X}, {achsen.y, tAchse::Y}, {achsen.z, tAchse::Z}};
    for (const auto& [an, achse] : folge)
        if (an)
            for (t4DPunkt& p : neu)
                p = Drehen(p, achse, winkel);
    Uebernehmen(neu);
}

void TBewegungMatrizen::MatrixSchritt(const tMatrixFelder& felder, int ziel)
{
    const tMatrix m = MatrixLesen(felder);
    tQuaderEcken neu = ecken_;
    if (ziel == Alle) {
        for (t4DPunkt& p : neu)
            p = MatrixAnwenden(m, p);
    } else {
        t4DPunkt& p = neu.at(static_cast<std::size_t>(ziel));
        p = MatrixAnwenden(m, p);
    }
    Uebernehmen(neu);
}

void TBewegungMatrizen::QuaderReset() { ecken_ = StartQuader(); }

t4DPunkt TBewegungMatrizen::Drehen(const t4DPunkt& p, tAchse achse, double winkel)
{
    const long double c = std::cos(static_cast<long double>(winkel)), s = std::sin(static_cast<long double>(winkel));
    const long double x = p.x, y = p.y, z = p.z;
    const auto d = [](long double v) { return static_cast<double>(v); };
    switch (achse) {
    case tAchse::X: return {p.x, d(y * c - z * s), d(y * s + z * c), 1};
    case tAchse::Y: return {d(x * c + z * s), p.y, d(-x * s + z * c), 1};
    case tAchse::Z: return {d(x * c - y * s), d(x * s + y * c), p.z, 1};
    }
    return p;
}

t4DPunkt TBewegungMatrizen::MatrixAnwenden(const tMatrix& m, const t4DPunkt& p)
{
    const long double v[4] = {p.x, p.y, p.z, p.w};
    double r[4];
    for (std::size_t i = 0; i < 4; ++i) {
        long double summe = 0;
        for (std::size_t j = 0; j < 4; ++j)
            summe += m[i][j] * v[j];
        r[i] = static_cast<double>(summe);
    }
    return {r[0], r[1], r[2], r[3]};
}

TBewegungMatrizen::tMatrix TBewegungMatrizen::MatrixLesen(const tMatrixFelder& felder)
{
    tMatrix m{};
    for (std::size_t i = 0; i < 16; ++i)
        m[i / 4][i % 4] = TextZahl(felder[i]);
    return m;
}

std::string TBewegungMatrizen::Koordinate(double v)
{
    if (!std::isfinite(v))
        return ZahlText(v);
    // Rounded to seven significant digits first: that decides how many integer digits
    // the number has, and for five or more of them it is also the last digit shown.
    char buf[32];
    const auto ende = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 6).ptr;
    const std::string s(buf, ende);  // "-d.dddddde+XX"
    const std::size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    if (exponent < 4)
        return ZahlTextFix(v, 2);

    const bool negativ = s[0] == '-';
    std::string mantisse = s.substr(negativ ? 1 : 0, e - (negativ ? 1 : 0));
    std::string ergebnis;
    if (exponent >= 7) {
        while (mantisse.back() == '0')
            mantisse.pop_back();
        if (mantisse.back() == '.')
            mantisse.pop_back();
        KommaStattPunkt(mantisse);
        ergebnis = mantisse + "E" + std::to_string(exponent);
    } else {
        std::string ziffern = mantisse.substr(0, 1) + mantisse.substr(2);  // seven digits
        ziffern.resize(static_cast<std::size_t>(exponent) + 3, '0');
        ergebnis = ziffern.substr(0, static_cast<std::size_t>(exponent) + 1) + "," +
                   ziffern.substr(static_cast<std::size_t>(exponent) + 1);
    }
    return negativ ? "-" + ergebnis : ergebnis;
}

std::string TBewegungMatrizen::Koordinatenliste() const
{
    std::string liste;
    for (std::size_t i = 0; i < ecken_.size(); ++i) {
        const t4DPunkt& p = ecken_[i];
        if (i > 0)
            liste += '\r';
        liste += ' ';
        liste += "ABCDEFGH"[i];
        liste += ": " + Koordinate(p.x) + "  " + Koordinate(p.y) + "  " + Koordinate(p.z) + " " + Koordinate(p.w) + " ";
    }
    return liste;
}

void TBewegungMatrizen::QuaderZeichnen(const TKoSys& koSys, const tQuaderEcken& e) const
{
    TKoSys::FarbeSetzen(Kantenfarbe);
    for (const auto& [von, bis] : Kanten)
        koSys.Strecke(Ort(e[von]), Ort(e[bis]));
    if (e_.RFgefuellt)
        Flaeche(e, C, D, H, G, Rueckflaechenfarbe);
    if (e_.GFgefuellt)
        Flaeche(e, A, B, C, D, Grundflaechenfarbe);
}

void TBewegungMatrizen::SzeneZeichnen(TKoSys& koSys)
{
    if (!e_.Quader)
        return;
    QuaderZeichnen(koSys, ecken_);
    if (e_.KomponentenA) {
        const t4DPunkt& a = ecken_[A];
        koSys.VektorpfeilRGB({0, 0, 0}, {a.x, 0, 0}, PfeilDicke, xFarbe);
        koSys.VektorpfeilRGB({a.x, 0, 0}, {a.x, a.y, 0}, PfeilDicke, yFarbe);
        koSys.VektorpfeilRGB({a.x, a.y, 0}, {a.x, a.y, a.z}, PfeilDicke, zFarbe);
    }
    if (e_.Spur)
        for (int k = 1; k <= spurAnzahl_; ++k)
            QuaderZeichnen(koSys, SpurPlatz(k));
}

}  // namespace orbisto
