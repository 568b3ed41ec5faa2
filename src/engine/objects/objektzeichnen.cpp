#include "objects/objektzeichnen.h"

#include "core/zahltext.h"
#include "objects/modus.h"
#include "objects/objektliste.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <limits>

namespace orbisto {

double ZahlWert(std::string_view text) { return static_cast<double>(TextZahl(text.empty() ? "0" : text)); }

std::int32_t GanzzahlWert(std::string_view text)
{
    const long double v = RundenGerade(ZahlWert(text));
    constexpr auto unten = std::numeric_limits<std::int32_t>::min();
    constexpr auto oben = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(v))
        return 0;
    if (v <= unten)
        return unten;
    if (v >= oben)
        return oben;
    return static_cast<std::int32_t>(v);
}

bool SchalterWert(std::string_view text) { return ZahlWert(text) > 0; }

namespace {

// Reads the parameters of one object by their positions 1 to 20. Every value is read
// into a named local before the call, so a bad text is reported in parameter order.
class Parameter {
public:
    explicit Parameter(const t3DObjekt& o) : o_(o) {}

    std::string_view P(int k) const { return o_.Parameter[static_cast<std::size_t>(k - 1)]; }
    double Z(int k) const { return ZahlWert(P(k)); }
    std::int32_t G(int k) const { return GanzzahlWert(P(k)); }
    bool S(int k) const { return SchalterWert(P(k)); }
    // The point or vector of parameters k, k + 1, k + 2.
    tVektor3 V(int k) const
    {
        const double x = Z(k);
        const double y = Z(k + 1);
        const double z = Z(k + 2);
        return {x, y, z};
    }

private:
    const t3DObjekt& o_;
};

void VollerTon(const tFarbStufen& s) { glColor3f(s.VollR, s.VollG, s.VollB); }

using Zeichner = void (*)(TKoSys&, const Parameter&, const tFarbStufen&);

struct Typzeichner {
    std::string_view Name;
    Zeichner Zeichnen;
};

// Box and pyramid read the same parameters, and so do cylinder and cone.
template <void (TKoSys::*Zeichnen)(bool, bool, tVektor3, double, double, double, bool, bool, const tFarbStufen&) const>
void Kastenform(TKoSys& k, const Parameter& p, const tFarbStufen& s)
{
    const bool gitter = p.S(7), mantel = p.S(8);
    const tVektor3 m = p.V(1);
    const double a = p.Z(4), b = p.Z(5), h = p.Z(6);
    const bool flaeche = p.S(9), hoehe = p.S(10);
    (k.*Zeichnen)(gitter, mantel, m, a, b, h, flaeche, hoehe, s);
}

template <void (TKoSys::*Zeichnen)(bool, bool, tVektor3, double, double, bool, bool, int, const tFarbStufen&) const>
void Rundform(TKoSys& k, const Parameter& p, const tFarbStufen& s)
{
    const bool gitter = p.S(6), mantel = p.S(7);
    const tVektor3 m = p.V(1);
    const double r = p.Z(4), h = p.Z(5);
    const bool flaeche = p.S(8), hoehe = p.S(9);
    const int schritte = p.G(10);
    (k.*Zeichnen)(gitter, mantel, m, r, h, flaeche, hoehe, schritte, s);
}

constexpr std::array<Typzeichner, 15> Zeichner_{{
    {"Funktion3d",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int nx = p.G(6);
         const double xmin = p.Z(2), xmax = p.Z(3), ymin = p.Z(4), ymax = p.Z(5);
         const int ny = p.G(7);
         const bool flaeche = p.S(8), gitter = p.S(9);
         k.Funktion3dZeichnen(p.P(1), nx, xmin, xmax, ymin, ymax, ny, flaeche, gitter, s);
     }},
    {"Rotationskoerper",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(4);
         const double xmin = p.Z(2), xmax = p.Z(3);
         const int m = p.G(5);
         const bool funktion = p.S(6), fktGitter = p.S(7), rotGitter = p.S(8), flaeche = p.S(9), zylinder = p.S(10);
         k.RotationskoerperZeichnen(p.P(1), n, xmin, xmax, m, funktion, fktGitter, rotGitter, flaeche, zylinder, s);
     }},
    {"EbenePRF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(10);
         const bool flaeche = p.S(11);
         const tVektor3 ort = p.V(1), u = p.V(4), v = p.V(7);
         const bool gitter = p.S(12), vektoren = p.S(13);
         k.EbenePRFZeichnen(n, flaeche, ort, u, v, gitter, vektoren, true, s);
     }},
    {"EbenePNF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(7);
         const bool flaeche = p.S(8);
         const tVektor3 ort = p.V(1), normale = p.V(4);
         const bool gitter = p.S(9), vektoren = p.S(10);
         k.EbenePNFZeichnen(n, flaeche, ort, normale, gitter, vektoren, true, s);
     }},
    {"GeradePRF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(8);
         const bool vektoren = p.S(9);
         const tVektor3 ort = p.V(1), u = p.V(4);
         const double r = p.Z(7);
         k.GeradePRFZeichnen(n, vektoren, ort, u, r, s);
     }},
    {"KreisMNF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(9);
         const bool flaeche = p.S(10);
         const tVektor3 m = p.V(1), normale = p.V(4);
         const double r = p.Z(7), rL = p.Z(8);
         const bool gitter = p.S(11), vektoren = p.S(12);
         k.KreisMNFZeichnen(n, flaeche, m, normale, r, rL, gitter, vektoren, true, s);
     }},
    {"Kugel",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const bool gitter = p.S(5), flaeche = p.S(6);
         const tVektor3 m = p.V(1);
         const double r = p.Z(4);
         const int n = p.G(7);
         k.Kugel(gitter, flaeche, m.x, m.y, m.z, r, n, s);
     }},
    {"Punkt",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         VollerTon(s);
         const tVektor3 m = p.V(1);
         const double r = p.Z(4);
         k.Punkt(10, m.x, m.y, m.z, r);
     }},
    {"Strecke",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         VollerTon(s);
         const tVektor3 a = p.V(1), b = p.V(4);
         const double r = p.Z(7);
         if (r != 0)
             k.Stab(10, a.x, a.y, a.z, b.x, b.y, b.z, r);
         else
             k.Strecke(a.x, a.y, a.z, b.x, b.y, b.z);
     }},
    {"Vektor",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const bool kasten = p.S(8);
         const tVektor3 a = p.V(1), b = p.V(4);
         const double dicke = p.Z(7);
         k.Vektorpfeil(kasten, s, a.x, a.y, a.z, b.x, b.y, b.z, dicke);
     }},
    {"Viereck",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const bool flaeche = p.S(13);
         const tVektor3 p1 = p.V(1), p2 = p.V(4), p3 = p.V(7), p4 = p.V(10);
         k.ViereckZeichnen(flaeche, s, p1, p2, p3, p4);
     }},
    {"Quader", Kastenform<&TKoSys::QuaderZeichnen>},
    {"Pyramide", Kastenform<&TKoSys::PyramideZeichnen>},
    {"Zylinder", Rundform<&TKoSys::ZylinderZeichnen>},
    {"Kegel", Rundform<&TKoSys::KegelZeichnen>},
}};

}  // namespace

void ObjektZeichnen(TKoSys& k, const t3DObjekt& objekt)
{
    for (const Typzeichner& t : Zeichner_)
        if (t.Name == objekt.Typname) {
            t.Zeichnen(k, Parameter(objekt), objekt.Stufen());
            return;
        }
}

void ObjekteZeichnen(TKoSys& k, tModus modus, const tObjektliste& liste, const t3DObjekt& vorschau)
{
    const bool original = modus == tModus::Original;
    const bool vorschauModus = modus == tModus::VorschauNeu || modus == tModus::VorschauBearbeiten;
    if (!original && !vorschauModus)
        return;
    for (std::int32_t i = 1; i <= liste.ObjektAnzahl(); ++i) {
        const t3DObjekt& o = liste[i];
        if (original ? o.Orig : o.Vor)
            ObjektZeichnen(k, o);
    }
    if (vorschauModus)
        ObjektZeichnen(k, vorschau);
}

}  // namespace orbisto
