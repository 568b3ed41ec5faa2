#include "scenes/math/vektorspatprodukt.h"

#include "core/zahltext.h"
#include "view/tkosys.h"

#include <stdexcept>
#include <string>

namespace orbisto {

namespace {

constexpr TVektorSpatprodukt::tBeispiel Beispiele[TVektorSpatprodukt::BeispielAnzahl] = {
    {{4, 0, 0}, {0, 3, 0}, {0, 0, 2}},
    {{4, 1, 0}, {1, 3, 0}, {1, 0, 2}},
    {{3, 1, 1}, {1, 3, 1}, {1, 1, 2}},
};

// Each vector, its arrow and the edges parallel to it share one grey.
constexpr tRGB V1Grau{0.2f, 0.2f, 0.2f}, V2Grau{0.4f, 0.4f, 0.4f}, V3Grau{0.6f, 0.6f, 0.6f};
constexpr tRGB ProduktBlau{0, 0, 1}, ParallelogrammBlau{0.8f, 0.8f, 1};
constexpr tRGB HoeheFuchsia{0.8f, 0, 0.8f}, DreieckFuchsia{1, 0.5f, 1};
constexpr double Dicke = 0.07, HoeheDicke = 0.105;
constexpr int StabTeile = 10;
constexpr double StabRadius = 0.07;

double Skalar(const tVektor3& a, const tVektor3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The components are whole numbers of at most 9, so every product and sum here is a whole
// number far below 2^53 and exact in a double.
tVektor3 Kreuz(const tVektor3& a, const tVektor3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// To hundredths, ties to even; a small negative number that rounds to 0 is written "0".
std::string R2(double wert) { return HundertstelText(wert); }

std::string BetragText(double wert) { return "( Betrag: " + R2(wert) + " )"; }

void Stab(const TKoSys& k, const tRGB& grau, const tVektor3& von, const tVektor3& nach)
{
    TKoSys::FarbeSetzen(grau);
    k.Stab(StabTeile, von.x, von.y, von.z, nach.x, nach.y, nach.z, StabRadius);
}

}  // namespace

const TVektorSpatprodukt::tBeispiel& TVektorSpatprodukt::Beispiel(int nr)
{
    if (nr < 1 || nr > BeispielAnzahl)
        throw std::out_of_range("Beispiel " + std::to_string(nr));
    return Beispiele[nr - 1];
}

TVektorSpatprodukt::TVektorSpatprodukt() { EinstellungenAendern(Startwerte); }

void TVektorSpatprodukt::EinstellungenAendern(const tVektorSpatproduktEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    V1Feld.Pruefen(neu.V1);
    V2Feld.Pruefen(neu.V2);
    V3Feld.Pruefen(neu.V3);
    e_ = neu;
    produkt_ = Kreuz(neu.V1, neu.V2);
    spat_ = Skalar(produkt_, neu.V3);
    // |P|² is a whole number, so P = 0 is exactly 0 here. The projection (s / |P|²) · P
    // equals |V3| · cos(P, V3) · P / |P| and stays defined for V3 = 0.
    const double quadrat = Skalar(produkt_, produkt_);
    hatHoehe_ = quadrat != 0;
    hoehe_ = hatHoehe_ ? (spat_ / quadrat) * produkt_ : tVektor3{};
}

TVektorSpatprodukt::tTexte TVektorSpatprodukt::Texte() const
{
    tTexte t;
    t.Produkt = {ZahlText(produkt_.x), ZahlText(produkt_.y), ZahlText(produkt_.z)};
    t.ProduktBetrag = BetragText(produkt_.Laenge());
    t.Spatprodukt = R2(spat_);
    t.SpatBetrag = BetragText(spat_ < 0 ? -spat_ : spat_);
    if (hatHoehe_) {
        t.Hoehe = {R2(hoehe_.x), R2(hoehe_.y), R2(hoehe_.z)};
        t.HoeheBetrag = BetragText(hoehe_.Laenge());
    } else {
        t.Hoehe = {Strich, Strich, Strich};
        t.HoeheBetrag = KeineHoehe;
    }
    return t;
}

void TVektorSpatprodukt::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Darstellung)
        return;
    const tVektor3 null{}, v1 = e_.V1, v2 = e_.V2, v3 = e_.V3;

    if (e_.V1Zeigen)
        k.VektorpfeilRGB(null, v1, Dicke, V1Grau);
    if (e_.V2Zeigen)
        k.VektorpfeilRGB(null, v2, Dicke, V2Grau);
    if (e_.V3Zeigen)
        k.VektorpfeilRGB(null, v3, Dicke, V3Grau);
    if (e_.Vektorprodukt && e_.V1Zeigen && e_.V2Zeigen) {
        k.VektorpfeilRGB(null, produkt_, Dicke, ProduktBlau);
        TKoSys::ViereckZweiseitig(null, v1, v1 + v2, v2, ParallelogrammBlau, ParallelogrammBlau);
    }
    // Without a height (V1 parallel to V2) there is nothing to show for it.
    if (e_.HoehenVektor && e_.V3Zeigen && hatHoehe_) {
        k.VektorpfeilRGB(null, hoehe_, HoeheDicke, HoeheFuchsia);
        if (e_.HoeheProjektion) {
            TKoSys::FarbeSetzen(HoeheFuchsia);
            k.Strecke(hoehe_, v3);
            TKoSys::DreieckZweiseitig(null, v3, hoehe_, DreieckFuchsia, DreieckFuchsia);
        }
    }
    if (e_.Spat) {
        const bool a = e_.V1Zeigen, b = e_.V2Zeigen, c = e_.V3Zeigen;
        if (a && b) {
            Stab(k, V2Grau, v1, v1 + v2);
            Stab(k, V1Grau, v2, v2 + v1);
        }
        if (a && c) {
            Stab(k, V3Grau, v1, v1 + v3);
            Stab(k, V1Grau, v3, v3 + v1);
        }
        if (b && c) {
            Stab(k, V2Grau, v3, v3 + v2);
            Stab(k, V3Grau, v2, v2 + v3);
        }
        if (a && b && c) {
            const tVektor3 alle = v1 + v2 + v3;
            Stab(k, V1Grau, v2 + v3, alle);
            Stab(k, V2Grau, v1 + v3, alle);
            Stab(k, V3Grau, v1 + v2, alle);
        }
    }
}

}  // namespace orbisto
