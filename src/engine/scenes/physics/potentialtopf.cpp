#include "scenes/physics/potentialtopf.h"

#include "scenes/zahlfeld.h"
#include "view/tkosys.h"

#include <cmath>
#include <string>
#include <vector>

namespace orbisto {

namespace {

// π to six decimals, as the waves are defined.
constexpr double Pi = 3.141593;

// A loop runs on while its coordinate is within 1,01·a, so rounding in the sums of the steps
// cannot drop the last point at +a.
bool Innerhalb(double koordinate, double a) { return 1.01 * a >= koordinate; }

// The lattice coordinates of one axis: from -a in steps of s, summed up as the loop goes.
std::vector<double> Gitter(double a, double s)
{
    std::vector<double> punkte;
    for (double x = -a; Innerhalb(x, a); x += s)
        punkte.push_back(x);
    return punkte;
}

}  // namespace

void TPotentialtopf::EinstellungenAendern(const tPotentialtopfEinstellungen& neu)
{
    // Everything is checked before anything is stored.
    TopfbreiteFeld.Pruefen(neu.Topfbreite);
    NxFeld.Pruefen(neu.nx);
    NyFeld.Pruefen(neu.ny);
    NzFeld.Pruefen(neu.nz);
    FktSchritteFeld.Pruefen(neu.FktSchritte);
    FktAmplitudeFeld.Pruefen(neu.FktAmplitude);
    KugelSchritteFeld.Pruefen(neu.KugelSchritte);
    KugelRadiusFeld.Pruefen(neu.KugelRadius);
    e_ = neu;
}

std::string TPotentialtopf::AnzahlKugelnText(tDimension dimension, int schritte)
{
    long long anzahl = 1;
    for (int i = 0; i < static_cast<int>(dimension); ++i)
        anzahl *= schritte;
    return "Anzahl Kugeln: " + std::to_string(anzahl);
}

double TPotentialtopf::Psi(int n, double x, double a, double amplitude)
{
    const double u = n * x * 0.5 * Pi / a;
    switch (n) {
    case 1:
    case 3: return amplitude * std::cos(u);
    case 2: return amplitude * std::sin(u);
    default: return 0;
    }
}

double TPotentialtopf::Psi2(int n, double x, double a)
{
    const double u = n * x * 0.5 * Pi / a;
    switch (n) {
    case 1:
    case 3: return std::cos(u) * std::cos(u);
    case 2: return std::sin(u) * std::sin(u);
    default: return 0;
    }
}

void TPotentialtopf::SzeneZeichnen(TKoSys& k)
{
    if (!e_.Potentialtopf)
        return;
    if (e_.Wahrscheinlichkeit)
        KurvenZeichnen(k, true);
    if (e_.Welle)
        KurvenZeichnen(k, false);
    if (e_.Bereich)
        BereichZeichnen(k);
    if (e_.Kugeln)
        KugelnZeichnen(k);
}

void TPotentialtopf::KurvenZeichnen(const TKoSys& k, bool alsStab) const
{
    const double a = HalbeTopfbreite(), d = 2 * a / e_.FktSchritte;
    const double amplitude = e_.FktAmplitude;
    // ψ² is drawn A² high, so that it stands to ψ as the density to the wave.
    const auto hoehe = [&](int n, double x) {
        return alsStab ? amplitude * amplitude * Psi2(n, x, a) : Psi(n, x, a, amplitude);
    };
    const auto stueck = [&](double x1, double y1, double z1, double x2, double y2, double z2) {
        if (alsStab)
            k.Stab(Unterteilung, x1, y1, z1, x2, y2, z2, FktRadius);
        else
            k.Strecke(x1, y1, z1, x2, y2, z2);
    };
    const bool mitY = e_.Dimension != tDimension::Linear, mitZ = e_.Dimension == tDimension::Raeumlich;
    // One loop for all three curves: per step the x piece above the edge y = a, the y piece
    // beside the edge x = a, the z piece in front of the face y = -a, pointing away from the box.
    for (double x1 = -a, x2 = x1 + d; Innerhalb(x2, a); x1 += d, x2 += d) {
        k.FarbeSetzen({1, 0, 0});
        stueck(x1, a + hoehe(e_.nx, x1), 0, x2, a + hoehe(e_.nx, x2), 0);
        if (mitY) {
            k.FarbeSetzen({0, 1, 0});
            stueck(a + hoehe(e_.ny, x1), x1, 0, a + hoehe(e_.ny, x2), x2, 0);
        }
        if (mitZ) {
            k.FarbeSetzen({0, 0, 1});
            stueck(0, -a - hoehe(e_.nz, x1), x1, 0, -a - hoehe(e_.nz, x2), x2);
        }
    }
}

void TPotentialtopf::BereichZeichnen(const TKoSys& k) const
{
    const double a = HalbeTopfbreite(), r = BereichRadius;
    const int n = Unterteilung;
    k.FarbeSetzen({0, 0, 0});
    switch (e_.Dimension) {
    case tDimension::Linear: k.Stab(n, -a, 0, 0, a, 0, 0, r); break;
    case tDimension::Eben:
        k.Stab(n, -a, -a, 0, a, -a, 0, r);
        k.Stab(n, -a, a, 0, a, a, 0, r);
        k.Stab(n, -a, -a, 0, -a, a, 0, r);
        k.Stab(n, a, -a, 0, a, a, 0, r);
        break;
    case tDimension::Raeumlich: k.QuaderKanten(-a, -a, -a, a, a, a); break;
    }
}

void TPotentialtopf::KugelnZeichnen(const TKoSys& k) const
{
    const double a = HalbeTopfbreite(), s = 2 * a / e_.KugelSchritte;
    const double faktor = 0.1 * e_.KugelRadius;
    const bool mitY = e_.Dimension != tDimension::Linear, mitZ = e_.Dimension == tDimension::Raeumlich;
    // An axis the dimension lacks has its one lattice point at 0 and no factor.
    const std::vector<double> xe = Gitter(a, s), ye = mitY ? Gitter(a, s) : std::vector<double>{0},
                              ze = mitZ ? Gitter(a, s) : std::vector<double>{0};
    std::vector<TKoSys::tKugel> kugeln;
    kugeln.reserve(xe.size() * ye.size() * ze.size());
    for (double x : xe)
        for (double y : ye)
            for (double z : ze) {
                double r = faktor * Psi2(e_.nx, x, a);
                if (mitY)
                    r *= Psi2(e_.ny, y, a);
                if (mitZ)
                    r *= Psi2(e_.nz, z, a);
                kugeln.push_back({{x, y, z}, r});
            }
    k.FarbeSetzen({0.4f, 0.4f, 0.4f});
    k.Kugeln(Unterteilung, kugeln);
}

}  // namespace orbisto
