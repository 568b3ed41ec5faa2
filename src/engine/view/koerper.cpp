// The shapes of the object list: planes, lines, circles, quadrilaterals and the upright
// solids. Every quad and triangle of a solid is a block of its own, drawn once in each
// corner order where both of its sides are to be seen: the full shade on the side the
// object shows from outside, the back shade on the other.

#include "view/schritte.h"
#include "view/tkosys.h"

#include <GL/gl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>

namespace orbisto {

using namespace schritte;

namespace {

void Voll(const tFarbStufen& s) { glColor3f(s.VollR, s.VollG, s.VollB); }
void Rueck(const tFarbStufen& s) { glColor3f(s.RueckR, s.RueckG, s.RueckB); }
void Dunkel(const tFarbStufen& s) { glColor3f(s.DunkelR, s.DunkelG, s.DunkelB); }

void Ecke(tVektor3 p) { glVertex3d(p.x, p.y, p.z); }

void Viereck(tVektor3 a, tVektor3 b, tVektor3 c, tVektor3 d)
{
    glBegin(GL_QUADS);
    Ecke(a);
    Ecke(b);
    Ecke(c);
    Ecke(d);
    glEnd();
}

void Dreieck(tVektor3 a, tVektor3 b, tVektor3 c)
{
    glBegin(GL_TRIANGLES);
    Ecke(a);
    Ecke(b);
    Ecke(c);
    glEnd();
}

void Linie(const TKoSys& k, tVektor3 a, tVektor3 b) { k.Strecke(a.x, a.y, a.z, b.x, b.y, b.z); }

void Kanten(const TKoSys& k, tVektor3 a, tVektor3 b, tVektor3 c, tVektor3 d)
{
    k.ViereckKanten(a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z, d.x, d.y, d.z);
}

void Pfeil(const TKoSys& k, const tFarbStufen& stufen, tVektor3 von, tVektor3 nach)
{
    k.Vektorpfeil(false, stufen, von.x, von.y, von.z, nach.x, nach.y, nach.z, 0.08);
}

// The aids of the "Vektoren" switch, a shade darker than the object's grid: a ball at
// the support point p, the arrow from the origin to it, and one arrow from p along each
// direction.
void Hilfsvektoren(const TKoSys& k, tVektor3 p, std::initializer_list<tVektor3> richtungen, const tFarbStufen& stufen)
{
    tFarbStufen hilf;
    hilf.VollR = stufen.DunkelR;
    hilf.VollG = stufen.DunkelG;
    hilf.VollB = stufen.DunkelB;
    hilf.RueckR = 0.9f * stufen.DunkelR;
    hilf.RueckG = 0.9f * stufen.DunkelG;
    hilf.RueckB = 0.9f * stufen.DunkelB;
    hilf.DunkelR = 0.75f * stufen.DunkelR;
    hilf.DunkelG = 0.75f * stufen.DunkelG;
    hilf.DunkelB = 0.75f * stufen.DunkelB;

    Dunkel(hilf);
    k.Punkt(10, p.x, p.y, p.z, 0.15);
    Pfeil(k, hilf, {0, 0, 0}, p);
    for (tVektor3 w : richtungen)
        Pfeil(k, hilf, p, p + w);
}

// The patch p + s u + t v, -n <= s, t <= n, of a plane. Its corners for n < 0 are those
// of the patch of -n, turned half round, which leaves the faces' sides as they are.
struct Ebenenstueck {
    tVektor3 p, u, v;
    long long n;  // wide enough that -n exists for every int

    tVektor3 Punkt(double s, double t) const { return p + s * u + t * v; }

    void Flaeche(const tFarbStufen& stufen) const
    {
        const double m = static_cast<double>(n);
        Voll(stufen);
        Viereck(Punkt(-m, -m), Punkt(m, -m), Punkt(m, m), Punkt(-m, m));
        Rueck(stufen);
        Viereck(Punkt(-m, -m), Punkt(-m, m), Punkt(m, m), Punkt(m, -m));
    }

    // Lines along v first, then along u, through every whole step; none for n < 0.
    void Gitter(const TKoSys& k, const tFarbStufen& stufen) const
    {
        const double m = static_cast<double>(n);
        Dunkel(stufen);
        for (long long i = -n; i <= n; ++i)
            Linie(k, Punkt(static_cast<double>(i), -m), Punkt(static_cast<double>(i), m));
        for (long long i = -n; i <= n; ++i)
            Linie(k, Punkt(-m, static_cast<double>(i)), Punkt(m, static_cast<double>(i)));
    }

    void Rand(const TKoSys& k, const tFarbStufen& stufen) const
    {
        const double m = static_cast<double>(n);
        Dunkel(stufen);
        Kanten(k, Punkt(-m, -m), Punkt(m, -m), Punkt(m, m), Punkt(-m, m));
    }
};

// The upright axis of the solids: a ball at the centre of the base and one at the top,
// joined by a line.
void Hoehe(const TKoSys& k, tVektor3 m, double h, const tFarbStufen& stufen)
{
    const tVektor3 oben{m.x, m.y, m.z + h};
    Dunkel(stufen);
    k.Punkt(10, m.x, m.y, m.z, 0.07);
    k.Punkt(10, oben.x, oben.y, oben.z, 0.07);
    Linie(k, m, oben);
}

// The bounds of the box and the pyramid over the base centre m.
struct Grundriss {
    double x1, x2, y1, y2, z1, z2;

    Grundriss(tVektor3 m, double a, double b, double h)
        : x1(m.x - a / 2), x2(m.x + a / 2), y1(m.y - b / 2), y2(m.y + b / 2), z1(m.z), z2(m.z + h)
    {
    }
};

// Balances the push of Ausrichten also when a primitive in between throws.
struct MatrixZurueck {
    MatrixZurueck() = default;
    MatrixZurueck(const MatrixZurueck&) = delete;
    MatrixZurueck& operator=(const MatrixZurueck&) = delete;
    ~MatrixZurueck() { glPopMatrix(); }
};

}  // namespace

void TKoSys::EbenePRFZeichnen(int n, bool flaeche, tVektor3 p, tVektor3 u, tVektor3 v, bool gitter, bool vektoren,
                              bool rand, const tFarbStufen& stufen) const
{
    const Ebenenstueck stueck{p, u, v, n};
    if (flaeche)
        stueck.Flaeche(stufen);
    if (vektoren)
        Hilfsvektoren(*this, p, {u, v}, stufen);
    if (gitter)
        stueck.Gitter(*this, stufen);
    if (rand)
        stueck.Rand(*this, stufen);
}

void TKoSys::EbenePNFZeichnen(int n, bool flaeche, tVektor3 p, tVektor3 normale, bool gitter, bool vektoren, bool rand,
                              const tFarbStufen& stufen) const
{
    // Two of the three vectors perpendicular to the normal that have a zero coordinate,
    // the longest first, so that neither is zero for a normal that is not; normalised
    // they give the grid unit spacing. They need not be perpendicular to each other.
    const tVektor3 c1{normale.y, -normale.x, 0}, c2{normale.z, 0, -normale.x}, c3{0, normale.z, -normale.y};
    const double t1 = c1.Laenge(), t2 = c2.Laenge(), t3 = c3.Laenge();
    tVektor3 e1, e2;
    if (t1 > t2) {
        e1 = c1 / t1;
        e2 = t2 > t3 ? c2 / t2 : c3 / t3;
    } else {
        e1 = c2 / t2;
        e2 = t1 > t3 ? c1 / t1 : c3 / t3;
    }

    if (vektoren)
        Hilfsvektoren(*this, p, {normale}, stufen);
    const Ebenenstueck stueck{p, e1, e2, n};
    if (flaeche)
        stueck.Flaeche(stufen);
    if (gitter)
        stueck.Gitter(*this, stufen);
    if (rand)
        stueck.Rand(*this, stufen);
}

void TKoSys::GeradePRFZeichnen(int n, bool vektoren, tVektor3 p, tVektor3 u, double r, const tFarbStufen& stufen) const
{
    const tVektor3 a = p - n * u, b = p + n * u;
    Voll(stufen);
    if (r != 0)
        Stab(10, a.x, a.y, a.z, b.x, b.y, b.z, r);
    else
        Linie(*this, a, b);
    if (vektoren)
        Hilfsvektoren(*this, p, {u}, stufen);
}

void TKoSys::KreisMNFZeichnen(int n, bool flaeche, tVektor3 m, tVektor3 normale, double r, double rL, bool gitter,
                              bool vektoren, bool rand, const tFarbStufen& stufen) const
{
    // Four pieces per step, the count kept within the range of int.
    const int stuecke = static_cast<int>(std::clamp(4LL * n, static_cast<long long>(INT_MIN), 1LL * INT_MAX));
    {
        // The local x axis along the normal, so the circle lies in the local y-z plane.
        const tVektor3 ziel = m + normale;
        Ausrichten(m.x, m.y, m.z, ziel.x, ziel.y, ziel.z);
        const MatrixZurueck zurueck;

        if (rand) {
            Dunkel(stufen);
            if (rL != 0)
                Ring(stuecke, 20, r, rL, 3);
            else
                Kreis(stuecke, 3, r);
        }
        if (gitter) {
            Dunkel(stufen);
            Winkelschritte(stuecke, [&](double phi, double weiter) {
                const tVektor3 a{0, r * std::cos(phi), r * std::sin(phi)};
                Linie(*this, {0, 0, 0}, a);
                Linie(*this, a, {0, r * std::cos(weiter), r * std::sin(weiter)});
            });
        }
        if (flaeche) {
            Voll(stufen);
            Kreisscheibe(stuecke, 1, r, 3);
            Rueck(stufen);
            Kreisscheibe(stuecke, 0, r, 3);
        }
    }
    if (vektoren)
        Hilfsvektoren(*this, m, {normale}, stufen);
}

void TKoSys::ViereckZeichnen(bool flaeche, const tFarbStufen& stufen, tVektor3 p1, tVektor3 p2, tVektor3 p3,
                             tVektor3 p4) const
{
    Dunkel(stufen);
    Kanten(*this, p1, p2, p3, p4);
    if (flaeche) {
        Voll(stufen);
        Viereck(p1, p2, p3, p4);
        Rueck(stufen);
        Viereck(p1, p4, p3, p2);
    }
}

void TKoSys::QuaderZeichnen(bool gitter, bool mantel, tVektor3 m, double a, double b, double h, bool flaeche,
                            bool hoehe, const tFarbStufen& stufen) const
{
    const Grundriss g(m, a, b, h);
    const tVektor3 u11{g.x1, g.y1, g.z1}, u21{g.x2, g.y1, g.z1}, u22{g.x2, g.y2, g.z1}, u12{g.x1, g.y2, g.z1};
    const tVektor3 o11{g.x1, g.y1, g.z2}, o21{g.x2, g.y1, g.z2}, o22{g.x2, g.y2, g.z2}, o12{g.x1, g.y2, g.z2};

    if (gitter) {
        Dunkel(stufen);
        Kanten(*this, u12, u22, u21, u11);
        Kanten(*this, o12, o22, o21, o11);
        Linie(*this, u11, o11);
        Linie(*this, u21, o21);
        Linie(*this, u22, o22);
        Linie(*this, u12, o12);
    }
    if (hoehe)
        Hoehe(*this, m, h, stufen);
    // Bottom and top: the back shade outside, the full shade inside.
    if (flaeche) {
        Voll(stufen);
        Viereck(u11, u21, u22, u12);
        Rueck(stufen);
        Viereck(u11, u12, u22, u21);
        Rueck(stufen);
        Viereck(o11, o21, o22, o12);
        Voll(stufen);
        Viereck(o11, o12, o22, o21);
    }
    // The four sides: the full shade outside.
    if (mantel) {
        Voll(stufen);
        Viereck(u11, u21, o21, o11);
        Rueck(stufen);
        Viereck(u11, o11, o21, u21);

        Rueck(stufen);
        Viereck(u12, u22, o22, o12);
        Voll(stufen);
        Viereck(u12, o12, o22, u22);

        Rueck(stufen);
        Viereck(u11, u12, o12, o11);
        Voll(stufen);
        Viereck(u11, o11, o12, u12);

        Voll(stufen);
        Viereck(u21, u22, o22, o21);
        Rueck(stufen);
        Viereck(u21, o21, o22, u22);
    }
}

void TKoSys::PyramideZeichnen(bool gitter, bool mantel, tVektor3 m, double a, double b, double h, bool flaeche,
                              bool hoehe, const tFarbStufen& stufen) const
{
    const Grundriss g(m, a, b, h);
    const tVektor3 u11{g.x1, g.y1, g.z1}, u21{g.x2, g.y1, g.z1}, u22{g.x2, g.y2, g.z1}, u12{g.x1, g.y2, g.z1};
    const tVektor3 s{m.x, m.y, g.z2};

    if (gitter) {
        Dunkel(stufen);
        Kanten(*this, u12, u22, u21, u11);
        Linie(*this, u11, s);
        Linie(*this, u21, s);
        Linie(*this, u22, s);
        Linie(*this, u12, s);
    }
    if (hoehe)
        Hoehe(*this, m, h, stufen);
    if (flaeche) {
        Voll(stufen);
        Viereck(u11, u21, u22, u12);
        Rueck(stufen);
        Viereck(u11, u12, u22, u21);
    }
    // Each side twice, the full shade outside.
    if (mantel) {
        Voll(stufen);
        Dreieck(u11, u21, s);
        Rueck(stufen);
        Dreieck(u21, u11, s);

        Rueck(stufen);
        Dreieck(u12, u22, s);
        Voll(stufen);
        Dreieck(u22, u12, s);

        Rueck(stufen);
        Dreieck(u11, u12, s);
        Voll(stufen);
        Dreieck(u12, u11, s);

        Voll(stufen);
        Dreieck(u21, u22, s);
        Rueck(stufen);
        Dreieck(u22, u21, s);
    }
}

void TKoSys::ZylinderZeichnen(bool gitter, bool mantel, tVektor3 m, double r, double h, bool flaeche, bool hoehe,
                              int schritte, const tFarbStufen& stufen) const
{
    const double z1 = m.z, z2 = m.z + h;
    const auto c = [&](double phi, double z) { return tVektor3{m.x + r * std::cos(phi), m.y + r * std::sin(phi), z}; };
    const tVektor3 unten{m.x, m.y, z1}, oben{m.x, m.y, z2};
    const auto raender = [&](double phi, double weiter) {
        Dunkel(stufen);
        Linie(*this, c(phi, z1), c(weiter, z1));
        Linie(*this, c(phi, z2), c(weiter, z2));
    };

    if (gitter) {
        Dunkel(stufen);
        Winkelschritte(schritte, [&](double phi, double weiter) {
            Kanten(*this, c(phi, z1), c(weiter, z1), c(weiter, z2), c(phi, z2));
        });
    }
    if (hoehe)
        Hoehe(*this, m, h, stufen);
    if (mantel) {
        Winkelschritte(schritte, [&](double phi, double weiter) {
            raender(phi, weiter);
            Voll(stufen);
            Viereck(c(phi, z1), c(weiter, z1), c(weiter, z2), c(phi, z2));
            Rueck(stufen);
            Viereck(c(phi, z1), c(phi, z2), c(weiter, z2), c(weiter, z1));
        });
    }
    // Both lids in the full shade from either side.
    if (flaeche) {
        Winkelschritte(schritte, [&](double phi, double weiter) {
            raender(phi, weiter);
            Voll(stufen);
            Dreieck(c(phi, z1), c(weiter, z1), unten);
            Dreieck(c(phi, z1), unten, c(weiter, z1));
            Dreieck(c(phi, z2), c(weiter, z2), oben);
            Dreieck(c(phi, z2), oben, c(weiter, z2));
        });
    }
}

void TKoSys::KegelZeichnen(bool gitter, bool mantel, tVektor3 m, double r, double h, bool flaeche, bool hoehe,
                           int schritte, const tFarbStufen& stufen) const
{
    const double z1 = m.z;
    const auto c = [&](double phi) { return tVektor3{m.x + r * std::cos(phi), m.y + r * std::sin(phi), z1}; };
    const tVektor3 unten{m.x, m.y, z1}, s{m.x, m.y, m.z + h};
    const auto rand = [&](double phi, double weiter) {
        Dunkel(stufen);
        Linie(*this, c(phi), c(weiter));
    };

    if (gitter) {
        Dunkel(stufen);
        Winkelschritte(schritte, [&](double phi, double weiter) { Kanten(*this, c(phi), c(weiter), s, s); });
    }
    if (hoehe)
        Hoehe(*this, m, h, stufen);
    if (mantel) {
        Winkelschritte(schritte, [&](double phi, double weiter) {
            rand(phi, weiter);
            Voll(stufen);
            Dreieck(c(phi), c(weiter), s);
            Rueck(stufen);
            Dreieck(c(weiter), c(phi), s);
        });
    }
    // The base: the back shade outside.
    if (flaeche) {
        Winkelschritte(schritte, [&](double phi, double weiter) {
            rand(phi, weiter);
            Voll(stufen);
            Dreieck(c(phi), c(weiter), unten);
            Rueck(stufen);
            Dreieck(c(phi), unten, c(weiter));
        });
    }
}

}  // namespace orbisto
