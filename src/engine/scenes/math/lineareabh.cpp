#include "scenes/math/lineareabh.h"

#include "core/vektor3.h"
#include "view/tkosys.h"

#include <stdexcept>

namespace orbisto {

namespace {

constexpr TLineareAbh::tBeispiel Beispiele[TLineareAbh::BeispielAnzahl] = {
    {{1, 0, 0}, {0, 1, 0}, {-3, 4, 0}},
    {{1, 0, -1}, {0, 1, 0}, {-3, 4, 3}},
    {{1, 3, -2}, {2, 1, -1}, {4, -3, 1}},
};

// Every arrow of the scene has this thickness.
constexpr double Dicke = 0.05;
constexpr tRGB V1Farbe{1, 0, 0}, AV1Farbe{0.5f, 0, 0};
constexpr tRGB V2Farbe{0.4f, 1, 0.4f}, BV2Farbe{0, 0.5f, 0};
constexpr tRGB V3Farbe{1, 0, 1}, LFarbe{0, 0, 1};
constexpr tRGB BV2SchrittFarbe{0, 0.5f, 0}, AV1SchrittFarbe{0.7f, 0, 0};
constexpr tRGB EbeneVorn{0.65f, 0.65f, 0.65f}, EbeneHinten{0.7f, 0.7f, 0.7f};

void FeldPruefen(const tZahlFeld& feld, const tGanzVektor& v)
{
    feld.Pruefen(tVektor3{double(v[0]), double(v[1]), double(v[2])});
}

tVektor3 Punkt(const tGanzVektor& v) { return {double(v[0]), double(v[1]), double(v[2])}; }

// s·v + t·w in whole numbers. The fields keep every factor and component small (at most
// 10·9 + 10·9 = 180, or 10·(9 + 9) for the plane), and 64 bits would hold far more.
tGanzVektor Kombination(long long s, const tGanzVektor& v, long long t, const tGanzVektor& w)
{
    tGanzVektor r{};
    for (int i = 0; i < 3; ++i)
        r[i] = s * v[i] + t * w[i];
    return r;
}

}  // namespace

const TLineareAbh::tBeispiel& TLineareAbh::Beispiel(int nr)
{
    if (nr < 1 || nr > BeispielAnzahl)
        throw std::out_of_range("Beispiel " + std::to_string(nr));
    return Beispiele[nr - 1];
}

tLineareAbhEinstellungen TLineareAbh::MitBeispiel(tLineareAbhEinstellungen e, int nr)
{
    const tBeispiel& b = Beispiel(nr);
    e.V1 = b.V1;
    e.V2 = b.V2;
    e.V3 = b.V3;
    e.FaktorA = e.FaktorB = 1;
    return e;
}

TLineareAbh::TLineareAbh() { EinstellungenAendern(Startwerte); }

void TLineareAbh::EinstellungenAendern(const tLineareAbhEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    FeldPruefen(V3Feld, neu.V3);
    FaktorAFeld.Pruefen(neu.FaktorA);
    FeldPruefen(V1Feld, neu.V1);
    FaktorBFeld.Pruefen(neu.FaktorB);
    FeldPruefen(V2Feld, neu.V2);
    EbeneFaktorFeld.Pruefen(neu.EbeneFaktor);
    e_ = neu;
    l_ = Kombination(neu.FaktorA, neu.V1, neu.FaktorB, neu.V2);
}

std::array<std::string, 3> TLineareAbh::LinearkombinationTexte() const
{
    if (!e_.VLK)
        return {};
    return {std::to_string(l_[0]), std::to_string(l_[1]), std::to_string(l_[2])};
}

void TLineareAbh::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Darstellung)
        return;
    const tVektor3 null{}, l = Punkt(l_);
    const tVektor3 av1 = Punkt(Kombination(e_.FaktorA, e_.V1, 0, e_.V2));
    const tVektor3 bv2 = Punkt(Kombination(0, e_.V1, e_.FaktorB, e_.V2));

    if (e_.V1Zeigen) {
        k.VektorpfeilRGB(null, Punkt(e_.V1), Dicke, V1Farbe);
        k.VektorpfeilRGB(null, av1, Dicke, AV1Farbe);
    }
    if (e_.V2Zeigen) {
        k.VektorpfeilRGB(null, Punkt(e_.V2), Dicke, V2Farbe);
        k.VektorpfeilRGB(null, bv2, Dicke, BV2Farbe);
    }
    if (e_.V3Zeigen)
        k.VektorpfeilRGB(null, Punkt(e_.V3), Dicke, V3Farbe);
    if (e_.VLK) {
        k.VektorpfeilRGB(null, l, Dicke, LFarbe);
        k.VektorpfeilRGB(av1, l, Dicke, BV2SchrittFarbe);
        k.VektorpfeilRGB(bv2, l, Dicke, AV1SchrittFarbe);
    }
    if (e_.Ebene) {
        // The corners f·(±V1 ± V2) in whole numbers; the piece passes through the origin.
        const int f = e_.EbeneFaktor;
        const tVektor3 pp = Punkt(Kombination(f, e_.V1, f, e_.V2)), pm = Punkt(Kombination(f, e_.V1, -f, e_.V2));
        const tVektor3 mm = Punkt(Kombination(-f, e_.V1, -f, e_.V2)), mp = Punkt(Kombination(-f, e_.V1, f, e_.V2));
        TKoSys::ViereckZweiseitig(pp, pm, mm, mp, EbeneVorn, EbeneHinten);
    }
}

}  // namespace orbisto
