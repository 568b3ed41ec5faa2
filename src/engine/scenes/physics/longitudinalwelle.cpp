#include "scenes/physics/longitudinalwelle.h"

#include "scenes/zahlfeld.h"
#include "view/tkosys.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace orbisto {

namespace {

constexpr double ZweiPi = 2 * 3.14159265358979323846;
// Pieces of a disc's rim and face.
constexpr int Stuecke = 20;
// The plane y-z: the discs stand perpendicular to the x axis.
constexpr std::uint8_t EbeneYZ = 3;

}  // namespace

void TLongitudinalWelle::EinstellungenAendern(const tLongitudinalWelleEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    OrdnungFeld.Pruefen(neu.Ordnung);
    AmplitudeFeld.Pruefen(neu.AmplitudeWert);
    FktSchritteFeld.Pruefen(neu.FktSchritte);
    SchwingungSchritteFeld.Pruefen(neu.SchwingungSchritte);
    ZeitSchritteFeld.Pruefen(neu.ZeitSchritte);
    e_ = neu;
    if (Bewegt())
        schritt_ = 0;
}

double TLongitudinalWelle::Wellenlaenge() const
{
    const double n = e_.Ordnung;
    return e_.Enden == tLongitudinalEnden::Gemischt ? 64 / (2 * n - 1) : 32 / n;
}

void TLongitudinalWelle::Takt()
{
    // ">=" also ends a period that a smaller step count has cut short.
    if (++schritt_ >= e_.SchwingungSchritte)
        schritt_ = 0;
}

std::vector<double> TLongitudinalWelle::Ruhelagen() const
{
    const double ende = e_.Modus == tLongitudinalModus::FortschreitendUnendlich ? 3 * X1 : X1;
    const double d = (X1 - X0) / e_.FktSchritte;
    // Counted, not summed, so the positions carry no accumulated error; with at least one
    // space d is positive and the loop ends.
    std::vector<double> lagen;
    for (int i = 0;; ++i) {
        const double x = X0 + i * d;
        if (!(1.01 * ende > x))
            break;
        lagen.push_back(x);
    }
    return lagen;
}

double TLongitudinalWelle::Auslenkung(double x) const
{
    const double tau = double(schritt_) / e_.SchwingungSchritte;
    const double xi = x - X0, a = Amplitude(), lambda = Wellenlaenge();
    switch (e_.Modus) {
    case tLongitudinalModus::Ruhend: return 0;
    case tLongitudinalModus::FortschreitendEndlich:
    case tLongitudinalModus::FortschreitendUnendlich: return a * std::sin(ZweiPi * (tau - xi / lambda));
    case tLongitudinalModus::Stehend:
        if (e_.Enden == tLongitudinalEnden::Offen)
            return a * std::sin(ZweiPi * tau) * std::cos(ZweiPi * xi / lambda);
        // Fixed and mixed ends: a node at the left end.
        return a * std::sin(ZweiPi * tau) * std::sin(ZweiPi * xi / lambda);
    }
    return 0;
}

void TLongitudinalWelle::Scheibe(const TKoSys& k, double x, const tRGB& vorn, const tRGB& hinten) const
{
    k.ImRahmen({x, 0, 0}, {}, [&] {
        TKoSys::FarbeSetzen(Rand);
        k.Kreis(Stuecke, EbeneYZ, Radius);
        TKoSys::FarbeSetzen(vorn);
        k.Kreisscheibe(Stuecke, 1, Radius, EbeneYZ);
        TKoSys::FarbeSetzen(hinten);
        k.Kreisscheibe(Stuecke, 0, Radius, EbeneYZ);
    });
}

void TLongitudinalWelle::SzeneZeichnen(TKoSys& k)
{
    if (!e_.LongitudinalWelle)
        return;
    const std::vector<double> lagen = Ruhelagen();
    const bool fortschreitend = e_.Modus == tLongitudinalModus::FortschreitendEndlich ||
                                e_.Modus == tLongitudinalModus::FortschreitendUnendlich;
    for (std::size_t i = 0; i < lagen.size(); ++i) {
        const double x = lagen[i], s = Auslenkung(x);
        if (fortschreitend && i == 0) {
            // The exciter in red, its displacement as an arrow above it.
            Scheibe(k, x + s, ErregerVorn, ErregerHinten);
            k.VektorpfeilRGB({x, 0, PfeilHoehe}, {x + s, 0, PfeilHoehe}, PfeilDicke, Pfeil);
        } else {
            Scheibe(k, x + s, ScheibeVorn, ScheibeHinten);
        }
    }
}

}  // namespace orbisto
