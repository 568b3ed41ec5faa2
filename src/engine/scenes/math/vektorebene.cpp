#include "scenes/math/vektorebene.h"

#include "core/zahltext.h"
#include "view/tkosys.h"

namespace orbisto {

namespace {

// The colours and thicknesses of the arrows. VektorpfeilRGB draws the discs under shaft and
// head in twice the colour, so the dimmed colours give full-strength discs.
struct tPfeilArt {
    double dicke;
    tRGB farbe;
};
constexpr tPfeilArt StuetzpunktPfeil{0.08, {0.7f, 0, 0}};      // dark red
constexpr tPfeilArt Richtung1Pfeil{0.08, {0.4f, 1, 0.4f}};     // light green, R1 itself
constexpr tPfeilArt Vielfaches1Pfeil{0.08, {0, 0.5f, 0}};      // dark green, t1·R1
constexpr tPfeilArt Richtung2Pfeil{0.08, {0.5f, 0.5f, 1}};     // light blue, R2 itself
constexpr tPfeilArt Vielfaches2Pfeil{0.08, {0, 0, 0.7f}};      // dark blue, t2·R2
constexpr tPfeilArt OrtsPfeil{0.08, {0, 0, 0}};                // black
constexpr tPfeilArt VieleOrtsPfeil{0.03, {0.3f, 0.3f, 0.3f}};  // grey, thin

// The two sides of the plane piece differ slightly.
constexpr tRGB FlaecheVorn{0.67f, 0.42f, 0.5f};
constexpr tRGB FlaecheHinten{0.67f, 0.42f, 0.4f};
constexpr tRGB Schwarz{0, 0, 0};

void Pfeil(const TKoSys& k, tVektor3 von, tVektor3 nach, const tPfeilArt& art)
{
    k.VektorpfeilRGB(von, nach, art.dicke, art.farbe);
}

}  // namespace

TVektorEbene::TVektorEbene() { EinstellungenAendern(Startwerte); }

void TVektorEbene::EinstellungenAendern(const tVektorEbeneEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    const tVektorEbeneWerte& w = neu.Werte;
    FaktorFeld.Pruefen(w.EbeneFaktor);
    StuetzpunktFeld.Pruefen(w.Stuetzpunkt);
    Parameter1Feld.Pruefen(w.Parameter1);
    Richtung1Feld.Pruefen(w.Richtungsvektor1);
    Parameter2Feld.Pruefen(w.Parameter2);
    Richtung2Feld.Pruefen(w.Richtungsvektor2);
    e_ = neu;
    ort_ = w.Parameter1 * w.Richtungsvektor1 + w.Stuetzpunkt + w.Parameter2 * w.Richtungsvektor2;
}

std::array<std::string, 3> TVektorEbene::OrtTexte() const
{
    return {ZahlText(ort_.x), ZahlText(ort_.y), ZahlText(ort_.z)};
}

void TVektorEbene::SzeneZeichnen(TKoSys& k)
{
    const tVektorEbeneEinstellungen& e = e_;
    if (!e.Ebene)
        return;
    const tVektorEbeneWerte& w = e.Werte;
    const tVektor3 null{}, s = w.Stuetzpunkt, r1 = w.Richtungsvektor1, r2 = w.Richtungsvektor2;
    const double t1 = w.Parameter1, t2 = w.Parameter2, f = w.EbeneFaktor;
    const int n = w.EbeneFaktor;

    if (e.EbeneFlaeche)
        TKoSys::ViereckZweiseitig(s - f * r1 - f * r2, s + f * r1 - f * r2, s + f * r1 + f * r2, s - f * r1 + f * r2,
                                  FlaecheVorn, FlaecheHinten);
    if (e.EbeneGitter) {
        TKoSys::FarbeSetzen(Schwarz);
        for (int i = -n; i <= n; ++i)
            k.Strecke(s + double(i) * r1 - f * r2, s + double(i) * r1 + f * r2);
        for (int j = -n; j <= n; ++j)
            k.Strecke(s - f * r1 + double(j) * r2, s + f * r1 + double(j) * r2);
    }
    if (e.StuetzpunktVektor)
        Pfeil(k, null, s, StuetzpunktPfeil);
    if (e.RichtungsVektor1) {
        Pfeil(k, s, s + r1, Richtung1Pfeil);
        Pfeil(k, s, s + t1 * r1, Vielfaches1Pfeil);
    }
    if (e.RichtungsVektor2) {
        Pfeil(k, s, s + r2, Richtung2Pfeil);
        Pfeil(k, s, s + t2 * r2, Vielfaches2Pfeil);
    }
    if (e.OrtsVektor)
        Pfeil(k, null, ort_, OrtsPfeil);
    if (e.AdditionRichtungsvektoren) {
        // The t2·R2 step after t1·R1, then the t1·R1 step after t2·R2: with the multiples
        // from S they close the parallelogram of the two additions.
        Pfeil(k, s + t1 * r1, ort_, Vielfaches2Pfeil);
        Pfeil(k, s + t2 * r2, ort_, Vielfaches1Pfeil);
    }
    if (e.VieleOrtsvektoren)
        for (int i = -n; i <= n; ++i)
            for (int j = -n; j <= n; ++j)
                Pfeil(k, null, s + double(i) * r1 + double(j) * r2, VieleOrtsPfeil);
}

}  // namespace orbisto
