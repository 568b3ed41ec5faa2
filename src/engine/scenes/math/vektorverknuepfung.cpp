#include "scenes/math/vektorverknuepfung.h"

#include "core/zahltext.h"
#include "view/tkosys.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace orbisto {

namespace {

constexpr TVektorVerknuepfung::tBeispiel Beispiele[TVektorVerknuepfung::BeispielAnzahl] = {
    {{1, 0, 0}, {0, 1, 0}},
    {{3, 0, 0}, {2, 3, 0}},
    {{3, -2, 1}, {4, 3, 2}},
};

// Every arrow of the scene has this thickness.
constexpr double Dicke = 0.1;
constexpr tRGB V1Farbe{0.2f, 0.2f, 0.2f}, V2Farbe{0.4f, 0.4f, 0.4f}, VerschobenFarbe{0.5f, 0.5f, 0.5f};
constexpr tRGB SummeFarbe{0.8f, 0, 0}, DifferenzFarbe{0, 0.8f, 0}, VielfachesFarbe{0.4f, 0, 0};
constexpr tRGB ProduktFarbe{0, 0, 0.8f}, QuaderFarbe{0, 0, 0};
constexpr tRGB SummeFlaeche{1, 0.6f, 0.6f}, DifferenzFlaeche{0.6f, 1, 0.6f}, ProduktFlaeche{0.6f, 0.6f, 1};
constexpr tRGB SenkrechtFarbe{0.8f, 0.8f, 1};

// A product of whole numbers may be -0 (0 · -2); the fields show it as 0.
tVektor3 OhneMinusNull(tVektor3 v) { return {v.x + 0.0, v.y + 0.0, v.z + 0.0}; }

tVektor3 Kreuz(const tVektor3& a, const tVektor3& b)
{
    return OhneMinusNull({a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x});
}

std::array<std::string, 3> Komponenten(const tVektor3& v) { return {ZahlText(v.x), ZahlText(v.y), ZahlText(v.z)}; }

void Quader(const TKoSys& k, const tVektor3& v)
{
    TKoSys::FarbeSetzen(QuaderFarbe);
    k.QuaderKanten(0, 0, 0, v.x, v.y, v.z);
}

// The face a, b, c, d and its reverse winding, both in one colour.
void Zweiseitig(const tVektor3& a, const tVektor3& b, const tVektor3& c, const tVektor3& d, const tRGB& farbe)
{
    TKoSys::ViereckZweiseitig(a, b, c, d, farbe, farbe);
}

}  // namespace

const TVektorVerknuepfung::tBeispiel& TVektorVerknuepfung::Beispiel(int nr)
{
    if (nr < 1 || nr > BeispielAnzahl)
        throw std::out_of_range("Beispiel " + std::to_string(nr));
    return Beispiele[nr - 1];
}

TVektorVerknuepfung::TVektorVerknuepfung() { EinstellungenAendern(Startwerte); }

void TVektorVerknuepfung::EinstellungenAendern(const tVektorVerknuepfungEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    V1Feld.Pruefen(neu.V1);
    V2Feld.Pruefen(neu.V2);
    SkalarFeld.Pruefen(neu.Skalar);

    tVektorVerknuepfungWerte w;
    const tVektor3 &v1 = neu.V1, &v2 = neu.V2;
    w.BetragV1 = v1.Laenge();
    w.BetragV2 = v2.Laenge();
    w.Summe = OhneMinusNull(v1 + v2);
    w.Differenz = OhneMinusNull(v1 - v2);
    w.BetragSumme = w.Summe.Laenge();
    w.BetragDifferenz = w.Differenz.Laenge();
    w.Vielfaches = OhneMinusNull(double(neu.Skalar) * v1);
    w.Skalarprodukt = v1.x * v2.x + v1.y * v2.y + v1.z * v2.z + 0.0;  // never -0
    if (w.BetragV1 == 0 || w.BetragV2 == 0) {
        w.Winkel = std::nan("");
    } else {
        // Rounding can push the cosine of parallel vectors just beyond ±1.
        const double c = std::clamp(w.Skalarprodukt / (w.BetragV1 * w.BetragV2), -1.0, 1.0);
        w.Winkel = std::acos(c) / (2 * std::numbers::pi) * 360;
    }
    w.Produkt = neu.V1KreuzV2 ? Kreuz(v1, v2) : Kreuz(v2, v1);
    w.BetragProdukt = w.Produkt.Laenge();

    e_ = neu;
    w_ = w;
}

tVektorVerknuepfungTexte TVektorVerknuepfung::Texte() const
{
    tVektorVerknuepfungTexte t;
    t.Summe = Komponenten(w_.Summe);
    t.Differenz = Komponenten(w_.Differenz);
    t.Vielfaches = Komponenten(w_.Vielfaches);
    t.Produkt = Komponenten(w_.Produkt);
    t.BetragV1 = HundertstelText(w_.BetragV1);
    t.BetragV2 = HundertstelText(w_.BetragV2);
    t.BetragSumme = HundertstelText(w_.BetragSumme);
    t.BetragDifferenz = HundertstelText(w_.BetragDifferenz);
    t.Skalarprodukt = HundertstelText(w_.Skalarprodukt);
    t.BetragProdukt = HundertstelText(w_.BetragProdukt);
    t.Winkel = std::isnan(w_.Winkel) ? std::string(KeinWinkel) : HundertstelText(w_.Winkel) + " °";
    return t;
}

void TVektorVerknuepfung::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Darstellung)
        return;
    const tVektor3 null{}, v1 = e_.V1, v2 = e_.V2, s = w_.Summe, d = w_.Differenz, p = w_.Produkt;

    if (e_.V1Zeigen) {
        k.VektorpfeilRGB(null, v1, Dicke, V1Farbe);
        if (e_.V1Quader)
            Quader(k, v1);
    }
    if (e_.V2Zeigen) {
        k.VektorpfeilRGB(null, v2, Dicke, V2Farbe);
        if (e_.V2Quader)
            Quader(k, v2);
    }
    if (e_.Summe) {
        k.VektorpfeilRGB(null, s, Dicke, SummeFarbe);
        if (e_.SummeQuader)
            Quader(k, s);
        if (e_.SummeRepraesentanten) {
            k.VektorpfeilRGB(v2, s, Dicke, V1Farbe);  // V1 from the tip of V2
            k.VektorpfeilRGB(v1, s, Dicke, V2Farbe);  // V2 from the tip of V1
        }
        if (e_.SummeParallelogramm)
            Zweiseitig(null, v1, s, v2, SummeFlaeche);
    }
    if (e_.Differenz) {
        const tVektor3 minusV2 = OhneMinusNull(-1.0 * v2);
        k.VektorpfeilRGB(null, d, Dicke, DifferenzFarbe);
        if (e_.DifferenzQuader)
            Quader(k, d);
        if (e_.DifferenzRepraesentanten) {
            k.VektorpfeilRGB(minusV2, d, Dicke, V1Farbe);             // V1 from -V2
            k.VektorpfeilRGB(d, v1, Dicke, VerschobenFarbe);          // V2 from D
            k.VektorpfeilRGB(minusV2, null, Dicke, VerschobenFarbe);  // V2 ending at the origin
        }
        if (e_.DifferenzParallelogramm)
            Zweiseitig(null, v1, d, minusV2, DifferenzFlaeche);
    }
    if (e_.Vielfaches) {
        k.VektorpfeilRGB(null, w_.Vielfaches, Dicke, VielfachesFarbe);
        if (e_.VielfachesQuader)
            Quader(k, w_.Vielfaches);
    }
    if (e_.Produkt) {
        k.VektorpfeilRGB(null, p, Dicke, ProduktFarbe);
        if (e_.ProduktQuader)
            Quader(k, p);
        if (e_.ProduktSenkrecht) {
            // Half-size squares in the planes of V1 and P and of V2 and P, each seen from
            // both sides.
            Zweiseitig(null, v1 / 2, (v1 + p) / 2, p / 2, SenkrechtFarbe);
            Zweiseitig(null, v2 / 2, (p + v2) / 2, p / 2, SenkrechtFarbe);
        }
        if (e_.ProduktParallelogramm)
            Zweiseitig(null, v1, s, v2, ProduktFlaeche);
    }
}

}  // namespace orbisto
