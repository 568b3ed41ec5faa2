#include "scenes/math/quadernetz.h"

#include "view/tkosys.h"

namespace orbisto {

namespace {

using tSeite = TQuaderNetz::tSeite;
using tMass = TQuaderNetz::tMass;

// Balls and rods as fine as the points and rods of the object list, thin enough that the
// faces between them stay visible.
constexpr int Segmente = 10;
constexpr double KugelRadius = 0.08;
constexpr double StabRadius = 0.05;

// Every face shows a pale shade on its side inside the box and a stronger one outside.
constexpr tRGB GelbBlass{1, 1, 0.8f}, GelbKraeftig{1, 1, 0.4f};
constexpr tRGB MagentaBlass{1, 0.8f, 1}, MagentaKraeftig{1, 0.4f, 1};
constexpr tRGB CyanBlass{0.8f, 1, 1}, CyanKraeftig{0.4f, 1, 1};

// Where a face lies, told from the edge it turns about: the hinge runs from a to b, and
// `quer` leads from there across the face to the opposite edge.
struct Scharnier {
    tVektor3 a, b, quer;
    tMass laengs, querMass;  // the dimensions along and across the hinge
};

Scharnier Lage(const tQuaderNetzEinstellungen& q, tSeite seite)
{
    const double L = q.Laenge, B = q.Breite, H = q.Hoehe;
    switch (seite) {
    case tSeite::Grund: return {{0, 0, 0}, {L, 0, 0}, {0, B, 0}, tMass::Laenge, tMass::Breite};
    case tSeite::Vorder:
        return {{0, 0, 0}, {L, 0, 0}, q.VF ? tVektor3{0, -H, 0} : tVektor3{0, 0, H}, tMass::Laenge, tMass::Hoehe};
    case tSeite::Links:
        return {{0, 0, 0}, {0, B, 0}, q.LS ? tVektor3{-H, 0, 0} : tVektor3{0, 0, H}, tMass::Breite, tMass::Hoehe};
    case tSeite::Rechts:
        return {{L, 0, 0}, {L, B, 0}, q.RS ? tVektor3{H, 0, 0} : tVektor3{0, 0, H}, tMass::Breite, tMass::Hoehe};
    case tSeite::Rueck:
        return {{0, B, 0}, {L, B, 0}, q.RF ? tVektor3{0, H, 0} : tVektor3{0, 0, H}, tMass::Laenge, tMass::Hoehe};
    case tSeite::Deck:
        // The top hangs on the far edge of the back face: lying open it carries on in the
        // back face's direction, folded it is turned a right angle towards the box.
        if (q.RF)
            return {{0, B + H, 0},
                    {L, B + H, 0},
                    q.DF ? tVektor3{0, B, 0} : tVektor3{0, 0, B},
                    tMass::Laenge,
                    tMass::Breite};
        return {{0, B, H}, {L, B, H}, q.DF ? tVektor3{0, 0, B} : tVektor3{0, -B, 0}, tMass::Laenge, tMass::Breite};
    }
    return {};
}

}  // namespace

TQuaderNetz::TQuaderNetz() { EinstellungenAendern(Startwerte); }

void TQuaderNetz::EinstellungenAendern(const tQuaderNetzEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    LaengeFeld.Pruefen(neu.Laenge);
    BreiteFeld.Pruefen(neu.Breite);
    HoeheFeld.Pruefen(neu.Hoehe);
    e_ = neu;
}

std::array<tVektor3, 4> TQuaderNetz::Ecken(tSeite seite) const
{
    using E = std::array<tVektor3, 4>;
    const double L = e_.Laenge, B = e_.Breite, H = e_.Hoehe;
    const bool VF = e_.VF, LS = e_.LS, RS = e_.RS, RF = e_.RF, DF = e_.DF;
    // The first copy is counter-clockwise seen from inside the box, wherever the face
    // lies; only the top in place is listed like the base below it, so its first copy is
    // the outer one.
    switch (seite) {
    case tSeite::Grund: return E{{{0, 0, 0}, {L, 0, 0}, {L, B, 0}, {0, B, 0}}};
    case tSeite::Vorder:
        return VF ? E{{{0, 0, 0}, {0, -H, 0}, {L, -H, 0}, {L, 0, 0}}} : E{{{0, 0, 0}, {0, 0, H}, {L, 0, H}, {L, 0, 0}}};
    case tSeite::Links:
        return LS ? E{{{0, 0, 0}, {0, B, 0}, {-H, B, 0}, {-H, 0, 0}}} : E{{{0, 0, 0}, {0, B, 0}, {0, B, H}, {0, 0, H}}};
    case tSeite::Rechts:
        return RS ? E{{{L, 0, 0}, {L + H, 0, 0}, {L + H, B, 0}, {L, B, 0}}}
                  : E{{{L, 0, 0}, {L, 0, H}, {L, B, H}, {L, B, 0}}};
    case tSeite::Rueck:
        return RF ? E{{{0, B, 0}, {L, B, 0}, {L, B + H, 0}, {0, B + H, 0}}}
                  : E{{{0, B, 0}, {L, B, 0}, {L, B, H}, {0, B, H}}};
    case tSeite::Deck:
        if (RF)
            return DF ? E{{{0, B + H, 0}, {L, B + H, 0}, {L, 2 * B + H, 0}, {0, 2 * B + H, 0}}}
                      : E{{{0, B + H, 0}, {L, B + H, 0}, {L, B + H, B}, {0, B + H, B}}};
        return DF ? E{{{0, B, H}, {L, B, H}, {L, B, H + B}, {0, B, H + B}}}
                  : E{{{0, 0, H}, {L, 0, H}, {L, B, H}, {0, B, H}}};
    }
    return {};
}

std::array<tRGB, 2> TQuaderNetz::Farben(tSeite seite) const
{
    switch (seite) {
    case tSeite::Grund: return {GelbBlass, GelbKraeftig};
    case tSeite::Vorder:
    case tSeite::Rueck: return {MagentaBlass, MagentaKraeftig};
    case tSeite::Links:
    case tSeite::Rechts: return {CyanBlass, CyanKraeftig};
    case tSeite::Deck:
        if (!e_.DF && !e_.RF)
            return {GelbKraeftig, GelbBlass};
        return {GelbBlass, GelbKraeftig};
    }
    return {};
}

TQuaderNetz::tKantenzug TQuaderNetz::Kantenzug(tSeite seite) const
{
    const Scharnier s = Lage(e_, seite);
    const tVektor3 a2 = s.a + s.quer, b2 = s.b + s.quer;
    if (seite == tSeite::Grund)
        return {{s.a, s.b, a2, b2},
                {{s.a, s.b, s.laengs}, {a2, b2, s.laengs}, {s.a, a2, s.querMass}, {s.b, b2, s.querMass}}};
    return {{a2, b2}, {{s.a, a2, s.querMass}, {s.b, b2, s.querMass}, {a2, b2, s.laengs}}};
}

tRGB TQuaderNetz::Kantenfarbe(tMass mass)
{
    switch (mass) {
    case tMass::Laenge: return {1, 0, 0};
    case tMass::Breite: return {0, 1, 0};
    case tMass::Hoehe: return {0, 0, 1};
    }
    return {};
}

void TQuaderNetz::SzeneZeichnen(TKoSys& koSys)
{
    if (!e_.Quader)
        return;
    if (e_.Kanten)
        KantenZeichnen(koSys);
    if (e_.Flaechen)
        FlaechenZeichnen();
}

void TQuaderNetz::KantenZeichnen(const TKoSys& k) const
{
    for (tSeite seite : Seiten) {
        const tKantenzug zug = Kantenzug(seite);
        k.FarbeSetzen({0, 0, 0});
        for (const tVektor3& e : zug.Ecken)
            k.Ball(e, KugelRadius, Segmente);
        for (const tStab& s : zug.Staebe) {
            k.FarbeSetzen(Kantenfarbe(s.Mass));
            k.Stab(Segmente, s.Von.x, s.Von.y, s.Von.z, s.Bis.x, s.Bis.y, s.Bis.z, StabRadius);
        }
    }
}

void TQuaderNetz::FlaechenZeichnen() const
{
    // Each face twice, so that it shows from both sides.
    for (tSeite seite : Seiten) {
        const auto e = Ecken(seite);
        const auto f = Farben(seite);
        TKoSys::ViereckZweiseitig(e[0], e[1], e[2], e[3], f[0], f[1]);
    }
}

}  // namespace orbisto
