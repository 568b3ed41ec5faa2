#include "scenes/math/schnittge.h"

#include "core/farbstufen.h"
#include "core/zahltext.h"
#include "view/tkosys.h"

namespace orbisto {

namespace {

// Each object keeps one hue: the rod of a line in it, the position vectors to its
// points lighter, a plane lighter still, and a little darker on its back.
struct Objektfarben {
    tRGB Gerade, Ortsvektoren, EbeneVorn, EbeneHinten;
};
constexpr Objektfarben Gruen{{0, 0.8f, 0}, {0.3f, 1, 0.3f}, {0.7f, 1, 0.7f}, {0.7f, 0.9f, 0.7f}};
constexpr Objektfarben Blau{{0, 0, 0.8f}, {0.3f, 0.3f, 1}, {0.7f, 0.7f, 1}, {0.7f, 0.7f, 0.9f}};

constexpr tRGB Rot{1, 0, 0};
constexpr tRGB Hellrot{1, 0.3f, 0.3f};  // the many position vectors of the intersection line
constexpr tRGB Schwarz{0, 0, 0};

// Rods and balls as fine as the object list draws them.
constexpr int Segmente = 10;
constexpr double GeradenRadius = 0.02;
constexpr double SchnittgeradenRadius = 0.1;
constexpr double SchnittpunktRadius = 0.1;
constexpr double OrtsvektorDicke = 0.02;
constexpr double SchnittvektorDicke = 0.03;

// How far a line and a plane reach, in lengths of their direction vectors: a line far
// beyond any room, a plane a piece large enough to see the intersection in.
constexpr double GeradenReichweite = 100;
constexpr double EbenenReichweite = 10;
// The parameters of the points whose position vectors are shown: -10 ... 10.
constexpr int Punktreichweite = 10;

void Gerade(const TKoSys& k, tVektor3 p, tVektor3 u, double radius)
{
    const tVektor3 a = p - GeradenReichweite * u, b = p + GeradenReichweite * u;
    k.Stab(Segmente, a.x, a.y, a.z, b.x, b.y, b.z, radius);
}

// One quadrilateral per side: the front faces where u × v points, the back the other way.
void Ebene(tVektor3 p, tVektor3 u, tVektor3 v, const Objektfarben& f)
{
    const double w = EbenenReichweite;
    const tVektor3 a = p - w * u - w * v, b = p + w * u - w * v, c = p + w * u + w * v, d = p - w * u + w * v;
    TKoSys::ViereckZweiseitig(a, b, c, d, f.EbeneVorn, f.EbeneHinten);
}

void Pfeil(const TKoSys& k, tVektor3 spitze, double dicke, const tRGB& f) { k.VektorpfeilRGB({}, spitze, dicke, f); }

// The position vectors of the points p + i·u, i = -10 ... 10.
void Ortsvektoren(const TKoSys& k, tVektor3 p, tVektor3 u, double dicke, const tRGB& f)
{
    for (int i = -Punktreichweite; i <= Punktreichweite; ++i)
        Pfeil(k, p + i * u, dicke, f);
}

// The position vectors of the grid points p + i·u + j·v, 441 of them.
void Ortsvektoren(const TKoSys& k, tVektor3 p, tVektor3 u, tVektor3 v, double dicke, const tRGB& f)
{
    for (int i = -Punktreichweite; i <= Punktreichweite; ++i)
        for (int j = -Punktreichweite; j <= Punktreichweite; ++j)
            Pfeil(k, p + i * u + j * v, dicke, f);
}

void GeradeZeichnen(const TKoSys& k, tVektor3 p, tVektor3 u, bool vektoren, const Objektfarben& f)
{
    TKoSys::FarbeSetzen(f.Gerade);
    Gerade(k, p, u, GeradenRadius);
    if (vektoren)
        Ortsvektoren(k, p, u, OrtsvektorDicke, f.Ortsvektoren);
}

void EbeneZeichnen(const TKoSys& k, tVektor3 p, tVektor3 u, tVektor3 v, bool vektoren, const Objektfarben& f)
{
    Ebene(p, u, v, f);
    if (vektoren)
        Ortsvektoren(k, p, u, v, OrtsvektorDicke, f.Ortsvektoren);
}

constexpr std::array<TSchnittGE::tBeispiel, TSchnittGE::BeispielAnzahl> Beispiele{{
    {{2, 2, 3}, {1, 0, 0}, {0, 0, 1}, {-2, 2, -1}, {0, 0, 1}, {0, 1, 0}, {-2, 2, 3}, {0, 0, 1}},
    {{2, 4, 4}, {-1, 1, 1}, {0, 0, -1}, {0, 0, 0}, {1, 1, 1}, {0, 0, 1}, {3, 3, 3}, {0, 0, 1}},
    {{5, 2, 0}, {1, 0, -3}, {0, 0, 0}, {8, 4, -1}, {2, 1, -2}, {0, 0, 0}, {4, 2, 3}, {0, 0, 0}},
}};

}  // namespace

TSchnittGE::tBeschriftung TSchnittGE::Beschriftung(tSchnittart art)
{
    switch (art) {
    case tSchnittart::g1g2: return {"g1:", "g2:", false, false, false, "Schnittpunkt", "Ortsvektor", true};
    case tSchnittart::g1E2: return {"g1:", "E2:", false, true, false, "Schnittpunkt", "Ortsvektor", true};
    case tSchnittart::E1E2: return {"E1:", "E2:", true, true, true, "Schnittgerade", "Ortsvektoren", false};
    }
    return Beschriftung(tSchnittart::g1g2);
}

const TSchnittGE::tBeispiel& TSchnittGE::Beispiel(int nr) { return Beispiele.at(static_cast<std::size_t>(nr - 1)); }

std::string TSchnittGE::KomponenteSchritt(std::string_view text, int schritt)
{
    return ZahlText(TextZahl(text) + schritt);
}

void TSchnittGE::EinstellungenAendern(const tSchnittGEEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    P1Feld.Pruefen(neu.P1);
    U1Feld.Pruefen(neu.U1);
    V1Feld.Pruefen(neu.V1);
    P2Feld.Pruefen(neu.P2);
    U2Feld.Pruefen(neu.U2);
    V2Feld.Pruefen(neu.V2);
    e_ = neu;
}

void TSchnittGE::SzeneZeichnen(TKoSys& k)
{
    const tSchnittGEEinstellungen& e = e_;
    if (!e.Darstellung)
        return;
    const bool ebene1 = e.Schnittart == tSchnittart::E1E2;
    const bool ebene2 = e.Schnittart != tSchnittart::g1g2;

    if (e.g1E1) {
        if (ebene1)
            EbeneZeichnen(k, e.P1, e.U1, e.V1, e.VieleOrtsvektoren1, Gruen);
        else
            GeradeZeichnen(k, e.P1, e.U1, e.VieleOrtsvektoren1, Gruen);
    }
    if (e.g2E2) {
        if (ebene2)
            EbeneZeichnen(k, e.P2, e.U2, e.V2, e.VieleOrtsvektoren2, Blau);
        else
            GeradeZeichnen(k, e.P2, e.U2, e.VieleOrtsvektoren2, Blau);
    }

    if (e.Schnittart == tSchnittart::E1E2) {
        if (e.SElement) {
            TKoSys::FarbeSetzen(Rot);
            Gerade(k, e.PS, e.US, SchnittgeradenRadius);
        }
        if (e.SVektoren)
            Ortsvektoren(k, e.PS, e.US, SchnittvektorDicke, Hellrot);
        return;
    }
    if (e.SElement) {
        TKoSys::FarbeSetzen(Rot);
        k.Ball(e.PS, SchnittpunktRadius, Segmente);
    }
    if (e.SVektoren)
        Pfeil(k, e.PS, SchnittvektorDicke, Rot);
    if (e.SQuader) {
        TKoSys::FarbeSetzen(Schwarz);
        k.QuaderKanten(0, 0, 0, e.PS.x, e.PS.y, e.PS.z);
    }
}

}  // namespace orbisto
