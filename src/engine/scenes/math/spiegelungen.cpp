#include "scenes/math/spiegelungen.h"

#include "core/farbstufen.h"
#include "view/tkosys.h"

namespace orbisto {

namespace {

// The sign each reflection gives the coordinates, in the order of tSpiegelung.
constexpr std::array<tVektor3, SpiegelungAnzahl> Vorzeichen{{
    {1, 1, -1},    // in the x-y plane
    {-1, 1, 1},    // in the y-z plane
    {1, -1, 1},    // in the x-z plane
    {1, -1, -1},   // about the x axis
    {-1, 1, -1},   // about the y axis
    {-1, -1, 1},   // about the z axis
    {-1, -1, -1},  // in the origin
}};

// Each given point in a dark shade, its images lighter.
struct tPunktFarben {
    tRGB Original, Bild;
};
constexpr tPunktFarben FarbeP1{{0.8f, 0, 0}, {1, 0.4f, 0.4f}};
constexpr tPunktFarben FarbeP2{{0, 0.8f, 0}, {0.4f, 1, 0.4f}};
constexpr tPunktFarben FarbeP3{{0, 0, 0.8f}, {0.4f, 0.4f, 1}};
constexpr tRGB StabFarbe{0.2f, 0.2f, 0.2f};
constexpr tRGB LinienFarbe{0, 0, 0};
constexpr tRGB DreieckOriginal{0.6f, 0.6f, 0.6f};
constexpr tRGB DreieckBild{0.7f, 0.7f, 0.7f};

constexpr int Segmente = 10;

}  // namespace

tVektor3 TSpiegelungen::Bild(tSpiegelung s, const tVektor3& p)
{
    const tVektor3& v = Vorzeichen[static_cast<std::size_t>(s)];
    return {v.x * p.x, v.y * p.y, v.z * p.z};
}

TSpiegelungen::TSpiegelungen() { EinstellungenAendern(Startwerte); }

void TSpiegelungen::EinstellungenAendern(const tSpiegelungenEinstellungen& neu)
{
    // Everything is checked before anything is stored. The range of the size also keeps
    // the balls from swallowing the picture or turning inside out.
    GroesseFeld.Pruefen(neu.PunktGroesse);
    P1Feld.Pruefen(neu.P1);
    P2Feld.Pruefen(neu.P2);
    P3Feld.Pruefen(neu.P3);
    e_ = neu;
    punktRadius_ = neu.PunktGroesse * RadiusProGroesse;
    stabRadius_ = punktRadius_ / 3;
}

void TSpiegelungen::SzeneZeichnen(TKoSys& k)
{
    const tSpiegelungenEinstellungen& e = e_;
    if (!e.Darstellung)
        return;

    const auto ball = [&](const tVektor3& p, const tRGB& farbe) {
        TKoSys::FarbeSetzen(farbe);
        k.Ball(p, punktRadius_, Segmente);
    };
    const auto stab = [&](const tVektor3& a, const tVektor3& b) {
        TKoSys::FarbeSetzen(StabFarbe);
        k.Stab(Segmente, a.x, a.y, a.z, b.x, b.y, b.z, stabRadius_);
    };
    const auto verbindung = [&](const tVektor3& p, const tVektor3& bild) {
        if (e.Verbindung) {
            TKoSys::FarbeSetzen(LinienFarbe);
            k.Strecke(p, bild);
        }
    };
    const auto dreieck = [](const tVektor3& a, const tVektor3& b, const tVektor3& c, const tRGB& farbe) {
        TKoSys::DreieckZweiseitig(a, b, c, farbe, farbe);
    };
    // Runs `zeichnen` with each switched-on reflection, in the order of the check boxes.
    const auto jedeSpiegelung = [&](const auto& zeichnen) {
        for (std::size_t i = 0; i < SpiegelungAnzahl; ++i)
            if (e.Spiegelungen[i])
                zeichnen(static_cast<tSpiegelung>(i));
    };

    // P1 whatever the figure.
    ball(e.P1, FarbeP1.Original);
    jedeSpiegelung([&](tSpiegelung s) {
        const tVektor3 b1 = Bild(s, e.P1);
        ball(b1, FarbeP1.Bild);
        verbindung(e.P1, b1);
    });
    if (e.Figur == tSpiegelFigur::Punkt)
        return;

    ball(e.P2, FarbeP2.Original);
    stab(e.P1, e.P2);
    jedeSpiegelung([&](tSpiegelung s) {
        const tVektor3 b2 = Bild(s, e.P2);
        ball(b2, FarbeP2.Bild);
        stab(Bild(s, e.P1), b2);
        verbindung(e.P2, b2);
    });
    if (e.Figur == tSpiegelFigur::Strecke)
        return;

    ball(e.P3, FarbeP3.Original);
    stab(e.P1, e.P3);
    stab(e.P2, e.P3);
    dreieck(e.P1, e.P2, e.P3, DreieckOriginal);
    jedeSpiegelung([&](tSpiegelung s) {
        const tVektor3 b1 = Bild(s, e.P1), b2 = Bild(s, e.P2), b3 = Bild(s, e.P3);
        ball(b3, FarbeP3.Bild);
        stab(b1, b3);
        stab(b2, b3);
        dreieck(b1, b2, b3, DreieckBild);
        verbindung(e.P3, b3);
    });
}

}  // namespace orbisto
