#include "objects/objektzeichnen.h"

#include "core/zahltext.h"
#include "objects/modus.h"
#include "objects/objektliste.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

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
using Aufwand = double (*)(const Parameter&);

// How a type is drawn, and what that costs: the points evaluated and the lines and faces
// drawn, counted along the drawing's own loops (view/) from the same parameters.
struct Typzeichner {
    std::string_view Name;
    Zeichner Zeichnen;
    Aufwand Kosten;
};

// The values of t = start, start + schritt, ... while t <= grenze (schritte::SchritteBis).
double Schrittzahl(double start, double schritt, double grenze)
{
    if (!(schritt > 0) || !(start <= grenze))
        return 0;
    if (std::isinf(schritt))
        return 1;
    return std::floor((grenze - start) / schritt) + 1;
}

// The pieces of a full turn in n steps (schritte::Winkelschritte); the accumulated angle
// may fall just short of the end once more.
double Winkelzahl(double n) { return n >= 1 ? n + 1 : 0; }

// A few hundred primitives whatever the parameters: points, rods, arrows, boxes, the
// auxiliary vectors of planes, lines and circles.
constexpr double Fest = 500;

double An(bool schalter) { return schalter ? 1 : 0; }

// The work of a part that is drawn only when its switch is on (0 then, even when the part
// would be infinite).
double Wenn(bool schalter, double aufwand) { return schalter ? aufwand : 0; }

double FunktionAufwand(const Parameter& p)
{
    const double xmin = p.Z(2), xmax = p.Z(3), ymin = p.Z(4), ymax = p.Z(5);
    const double nx = p.G(6), ny = p.G(7);
    const bool flaeche = p.S(8), gitter = p.S(9);
    if (!flaeche && !gitter)
        return 0;
    const double punkte =
        Schrittzahl(xmin, (xmax - xmin) / nx, xmax * 1.01) * Schrittzahl(ymin, (ymax - ymin) / ny, ymax * 1.01);
    // Every point once, two lines and two faces per point.
    return punkte * (1 + 2 * An(gitter) + 2 * An(flaeche));
}

double RotationAufwand(const Parameter& p)
{
    const double xmin = p.Z(2), xmax = p.Z(3);
    const double n = p.G(4), m = Winkelzahl(p.G(5));
    const double dx = (xmax - xmin) / n, grenze = xmax + 1E-6;
    const double scheiben = Schrittzahl(xmin + dx, dx, grenze), kreise = Schrittzahl(xmin, dx, grenze);
    const double rand = 2 * scheiben;                 // each slice evaluates both its ends
    return Wenn(p.S(9), rand + 2 * scheiben * m)      // faces, outside and inside
           + Wenn(p.S(6), rand + scheiben)            // the curve
           + Wenn(p.S(7), rand + scheiben * m)        // the curve turned
           + Wenn(p.S(8), kreise + kreise * m)        // circles of latitude
           + Wenn(p.S(10), rand + 5 * scheiben * m);  // cylinders: two lids, two rims, a side
}

// A plane patch of 2n + 1 grid lines each way.
double EbeneAufwand(double n, bool gitter) { return Fest + (n >= 0 ? An(gitter) * 2 * (2 * n + 1) : 0); }

double KreisAufwand(const Parameter& p)
{
    const double stuecke = Winkelzahl(4.0 * p.G(9));
    const bool flaeche = p.S(10), gitter = p.S(11);
    const double rohr = p.Z(8) != 0 ? 40 : 1;  // the rim as a tube of two halves of 20 sides, or a line
    return Fest + stuecke * (rohr + 2 * An(gitter) + 2 * An(flaeche));
}

double KugelAufwand(const Parameter& p)
{
    const bool gitter = p.S(5), flaeche = p.S(6);
    const double rund = Winkelzahl(4.0 * p.G(7));
    return rund * (rund / 2 + 1) * (2 * An(gitter) + An(flaeche));  // bands from pole to pole, sectors round
}

double RundformAufwand(const Parameter& p)
{
    const bool gitter = p.S(6), mantel = p.S(7), flaeche = p.S(8);
    return Fest + Winkelzahl(p.G(10)) * (4 * An(gitter) + 4 * An(mantel) + 6 * An(flaeche));
}

double FestAufwand(const Parameter&) { return Fest; }

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
     },
     FunktionAufwand},
    {"Rotationskoerper",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(4);
         const double xmin = p.Z(2), xmax = p.Z(3);
         const int m = p.G(5);
         const bool funktion = p.S(6), fktGitter = p.S(7), rotGitter = p.S(8), flaeche = p.S(9), zylinder = p.S(10);
         k.RotationskoerperZeichnen(p.P(1), n, xmin, xmax, m, funktion, fktGitter, rotGitter, flaeche, zylinder, s);
     },
     RotationAufwand},
    {"EbenePRF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(10);
         const bool flaeche = p.S(11);
         const tVektor3 ort = p.V(1), u = p.V(4), v = p.V(7);
         const bool gitter = p.S(12), vektoren = p.S(13);
         k.EbenePRFZeichnen(n, flaeche, ort, u, v, gitter, vektoren, true, s);
     },
     [](const Parameter& p) { return EbeneAufwand(p.G(10), p.S(12)); }},
    {"EbenePNF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(7);
         const bool flaeche = p.S(8);
         const tVektor3 ort = p.V(1), normale = p.V(4);
         const bool gitter = p.S(9), vektoren = p.S(10);
         k.EbenePNFZeichnen(n, flaeche, ort, normale, gitter, vektoren, true, s);
     },
     [](const Parameter& p) { return EbeneAufwand(p.G(7), p.S(9)); }},
    {"GeradePRF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(8);
         const bool vektoren = p.S(9);
         const tVektor3 ort = p.V(1), u = p.V(4);
         const double r = p.Z(7);
         k.GeradePRFZeichnen(n, vektoren, ort, u, r, s);
     },
     FestAufwand},
    {"KreisMNF",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const int n = p.G(9);
         const bool flaeche = p.S(10);
         const tVektor3 m = p.V(1), normale = p.V(4);
         const double r = p.Z(7), rL = p.Z(8);
         const bool gitter = p.S(11), vektoren = p.S(12);
         k.KreisMNFZeichnen(n, flaeche, m, normale, r, rL, gitter, vektoren, true, s);
     },
     KreisAufwand},
    {"Kugel",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const bool gitter = p.S(5), flaeche = p.S(6);
         const tVektor3 m = p.V(1);
         const double r = p.Z(4);
         const int n = p.G(7);
         k.Kugel(gitter, flaeche, m.x, m.y, m.z, r, n, s);
     },
     KugelAufwand},
    {"Punkt",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         VollerTon(s);
         const tVektor3 m = p.V(1);
         const double r = p.Z(4);
         k.Punkt(10, m.x, m.y, m.z, r);
     },
     FestAufwand},
    {"Strecke",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         VollerTon(s);
         const tVektor3 a = p.V(1), b = p.V(4);
         const double r = p.Z(7);
         if (r != 0)
             k.Stab(10, a.x, a.y, a.z, b.x, b.y, b.z, r);
         else
             k.Strecke(a.x, a.y, a.z, b.x, b.y, b.z);
     },
     FestAufwand},
    {"Vektor",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const bool kasten = p.S(8);
         const tVektor3 a = p.V(1), b = p.V(4);
         const double dicke = p.Z(7);
         k.Vektorpfeil(kasten, s, a.x, a.y, a.z, b.x, b.y, b.z, dicke);
     },
     FestAufwand},
    {"Viereck",
     [](TKoSys& k, const Parameter& p, const tFarbStufen& s) {
         const bool flaeche = p.S(13);
         const tVektor3 p1 = p.V(1), p2 = p.V(4), p3 = p.V(7), p4 = p.V(10);
         k.ViereckZeichnen(flaeche, s, p1, p2, p3, p4);
     },
     FestAufwand},
    {"Quader", Kastenform<&TKoSys::QuaderZeichnen>, FestAufwand},
    {"Pyramide", Kastenform<&TKoSys::PyramideZeichnen>, FestAufwand},
    {"Zylinder", Rundform<&TKoSys::ZylinderZeichnen>, RundformAufwand},
    {"Kegel", Rundform<&TKoSys::KegelZeichnen>, RundformAufwand},
}};

const Typzeichner* TypzeichnerSuchen(std::string_view typname)
{
    for (const Typzeichner& t : Zeichner_)
        if (t.Name == typname)
            return &t;
    return nullptr;
}

// 1234567 as "1.234.567"; beyond any real count just "mehr als 10¹⁵".
std::string Anzahltext(double n)
{
    if (!(n < 1e15))
        return "mehr als 1.000.000.000.000.000";
    std::string ziffern = std::to_string(static_cast<long long>(std::ceil(n)));
    for (std::size_t i = ziffern.size(); i > 3; i -= 3)
        ziffern.insert(i - 3, ".");
    return ziffern;
}

}  // namespace

std::optional<double> ObjektAufwand(const t3DObjekt& objekt)
{
    const Typzeichner* t = TypzeichnerSuchen(objekt.Typname);
    if (!t)
        return std::nullopt;
    try {
        return t->Kosten(Parameter(objekt));
    } catch (const KonvertierungsFehler&) {
        return std::nullopt;
    }
}

std::optional<std::string> AufwandPruefen(const t3DObjekt& objekt)
{
    const std::optional<double> aufwand = ObjektAufwand(objekt);
    if (!aufwand || *aufwand <= AufwandMax)
        return std::nullopt;
    return "Das Objekt „" + objekt.Typname + "“ wäre zu aufwendig: Es bräuchte " + Anzahltext(*aufwand) +
           " Punkte und Zeichenteile, erlaubt sind höchstens " + Anzahltext(AufwandMax) +
           ". Bitte weniger Schritte wählen.";
}

void ObjektZeichnen(TKoSys& k, const t3DObjekt& objekt)
{
    const Typzeichner* t = TypzeichnerSuchen(objekt.Typname);
    if (!t)
        return;
    const Parameter p(objekt);
    if (const double aufwand = t->Kosten(p); !(aufwand <= AufwandMax))
        throw AufwandFehler(*AufwandPruefen(objekt));
    t->Zeichnen(k, p, objekt.Stufen());
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
