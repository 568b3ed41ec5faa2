#pragma once
// The complete view state of the 3D picture: projection kind and parameters, viewing
// angles, scale, shift, the displayed room and the display switches. One instance,
// `KoSys`, lives in the Programm object for the whole run.
//
// It also draws: the coordinate system, and the primitives that the objects and every
// scene build their pictures from. They are called inside a render pass only, with the
// whole view transform in the projection matrix and the identity in the model-view
// matrix, and they leave the model-view matrix as they found it.

#include "core/farbstufen.h"
#include "core/vektor3.h"
#include "expr/exprfunction2v.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orbisto {

struct GLRessourcen;

class TKoSys {
public:
    TKoSys();

    // Both projection parameter sets back to their defaults, and the scale to 5.
    // Leaves `Projektion` alone.
    void ProjektionsVorgaben();
    // Room bounds to -5..5, stretch stages to 3, shift to 0.
    void RaumVorgaben();

    // The coordinate system: axes with barbs, names, ticks and numbers, the base-plane
    // grids and areas, the room's edges, as the switches say. Sets the tick intervals
    // first, which everything drawn after it in the same pass relies on.
    void KoSysZeichnen();
    // The label of a tick at `wert` on an axis of tick interval `schritt`: whole numbers
    // for intervals above 1,01, else as many decimals as the interval needs (up to 8);
    // empty at the origin, beyond 1E8 and for intervals too fine to label.
    static std::string Zahltext(double wert, double schritt);

    // --- Drawing primitives ---------------------------------------------------------
    // Points are three doubles. Unless a primitive says otherwise it draws in the current
    // colour. Filled faces are one-sided (counter-clockwise fronts); `orientierung` 1
    // picks the first corner order of a face, any other value the reverse. `ebene`
    // picks a coordinate plane: 1 x-y, 2 x-z, 3 y-z; other values draw nothing. Angles
    // run from 0 by 2 pi / n, accumulated, while below 2 pi. Nothing is checked:
    // degenerate input gives degenerate geometry, but a count below 1, or a curve or
    // tube whose step is not positive, draws nothing rather than looping for ever.

    static void FarbStufen(std::uint32_t farbe, tFarbStufen& stufen) { stufen = orbisto::FarbStufen(farbe); }

    // UTF-8 text at the point through the glyph lists (in Windows-1252, '?' for
    // characters it lacks), in the colour current now, in pixels whatever the zoom.
    void Text3D(std::string_view text, double x, double y, double z) const;
    // Ball of radius r about the point, or about the current local origin, in n slices and
    // stacks, or in fewer where it is small on screen (KugelTeilung of its radius in pixels
    // under the current matrices and viewport); a ball large on screen keeps n. Text and
    // balls need the resources lent by the render pass; without them (GL null) they draw
    // nothing.
    void Punkt(int n, double x, double y, double z, double r) const;
    void Kugelkoerper(int n, double r) const;
    // Many balls, each as Punkt sizes it (its pieces on the sphere, in order, outward faces
    // in front), in the current colour, sent to GL together: a lattice of a hundred
    // thousand balls costs its faces, not a hundred thousand calls.
    struct tKugel {
        tVektor3 mitte;
        double r;
    };
    void Kugeln(int n, const std::vector<tKugel>& kugeln) const;
    // The slices and stacks a ball of `pixel` radius on screen needs so that its outline
    // strays less than half a pixel from the circle, never more than n and at least 3 (n
    // itself when below 3); n for a radius not known.
    static int KugelTeilung(int n, double pixel);
    void Strecke(double x1, double y1, double z1, double x2, double y2, double z2) const;

    // The current colour, for what is drawn next.
    static void FarbeSetzen(const tRGB& farbe);
    // Many pieces in one call, in the current colour: a line between each two points in
    // turn, a face through each four (its front where they run counter-clockwise).
    static void Strecken(const std::vector<tVektor3>& enden);
    static void Vierecke(const std::vector<tVektor3>& ecken);
    // The same from vectors: a ball of 10 slices and stacks, a thin line, an arrow in one
    // colour (as VektorpfeilRGB).
    void Ball(const tVektor3& p, double r, int n = 10) const { Punkt(n, p.x, p.y, p.z, r); }
    void Strecke(const tVektor3& a, const tVektor3& b) const { Strecke(a.x, a.y, a.z, b.x, b.y, b.z); }
    void VektorpfeilRGB(const tVektor3& von, const tVektor3& nach, double dicke, const tRGB& farbe) const;
    // A face seen from both sides: first in the given corner order in `vorn` (its front
    // where that order runs counter-clockwise), then from the same first corner backwards
    // in `hinten`. Leaves `hinten` current.
    static void ViereckZweiseitig(const tVektor3& p1, const tVektor3& p2, const tVektor3& p3, const tVektor3& p4,
                                  const tRGB& vorn, const tRGB& hinten);
    // One turn of a local frame: `grad` degrees about an axis through its origin.
    struct tDrehung {
        double grad;
        tVektor3 achse;
    };
    // Runs `zeichnen` in a local frame for the primitives that draw about the current local
    // origin: origin at `ursprung`, turned by `drehungen` in order, each about the frame as
    // turned so far. The model-view matrix is as it was afterwards, also when `zeichnen` throws.
    void ImRahmen(const tVektor3& ursprung, std::initializer_list<tDrehung> drehungen,
                  const std::function<void()>& zeichnen) const;
    static void DreieckZweiseitig(const tVektor3& p1, const tVektor3& p2, const tVektor3& p3, const tRGB& vorn,
                                  const tRGB& hinten);
    // Rod of radius r closed at both ends, all faces outwards.
    void Stab(int n, double x1, double y1, double z1, double x2, double y2, double z2, double r) const;
    // Arrow from point 1 to point 2: shaft 0,8 of the length with radius dicke x
    // xSchritt, head of twice that radius; faces in the full shade, the discs under shaft
    // and head in the dark shade, and on request the box spanned by the points.
    void Vektorpfeil(bool kasten, const tFarbStufen& stufen, double x1, double y1, double z1, double x2, double y2,
                     double z2, double dicke) const;
    // The same arrow in one colour, its discs in twice that colour.
    void VektorpfeilRGB(double x1, double y1, double z1, double x2, double y2, double z2, double dicke, double rot,
                        double gruen, double blau) const;
    void ViereckKanten(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3,
                       double z3, double x4, double y4, double z4) const;
    // The twelve edges of the axis-parallel box with these opposite corners.
    void QuaderKanten(double x1, double y1, double z1, double x2, double y2, double z2) const;
    // Solid box, each face in a colour of its own; leaves (1; 0,1; 0,8) current.
    void QuaderBunt(double x1, double y1, double z1, double x2, double y2, double z2) const;

    // About the current local origin. Orientation 1 faces +z in plane 1, -y in plane 2,
    // +x in plane 3.
    void Kreis(int n, std::uint8_t ebene, double r) const;
    void Kreisscheibe(int n, std::uint8_t orientierung, double r, std::uint8_t ebene) const;
    // Open cylinder and cone along the local x axis; orientation 1 faces outwards.
    void Zylindermantel(int n, std::uint8_t orientierung, double r, double l) const;
    void Kegelmantel(int n, std::uint8_t orientierung, double r, double h) const;

    // Sphere about the point, 2n latitude bands from pole to pole and 4n sectors round:
    // grid lines in the dark shade, faces in the full shade.
    void Kugel(bool gitter, bool flaeche, double x, double y, double z, double r, int n,
               const tFarbStufen& stufen) const;
    // Torus about the origin in a coordinate plane: n pieces round, m across each half
    // of the tube. With R = 0 both halves lie on the sphere of radius r.
    // Throws KonvertierungsFehler when a radius is not zero but below 0,0001 or from
    // 1E15 in magnitude (its number text has an exponent, which formulas cannot read).
    void Ring(int n, int m, double R, double r, std::uint8_t ebene) const;
    // The curve y = formel(x) in n segments from xmin to xmax in a coordinate plane.
    // An invalid formula throws KonvertierungsFehler before anything is drawn.
    void FormelKurve(std::string_view formel, int n, double xmin, double xmax, std::uint8_t ebene) const;

    // The surface z = formel(x, y) over [xmin, xmax] x [ymin, ymax] in nx by ny cells:
    // the grid in the dark shade, then each cell twice, once for each side, in the full
    // shade. The formula is compiled into Flaechenfunktion and evaluated once at every
    // grid point; a syntax error throws AllgemeinerFehler at the first evaluation, so not
    // with both switches off. More than 100000 steps in a direction are refused the same way.
    void Funktion3dZeichnen(std::string_view formel, int nx, double xmin, double xmax, double ymin, double ymax, int ny,
                            bool flaeche, bool gitter, const tFarbStufen& stufen);
    // The solid of y = formel(x) turned about the x axis, in n slices from xmin to xmax
    // and m steps round: its surface, the curve in black, the curve turned m times,
    // n + 1 circles of latitude and a stack of n cylinders of the slices' left radii.
    // An invalid formula throws KonvertierungsFehler before the part it fails in is drawn.
    void RotationskoerperZeichnen(std::string_view formel, int n, double xmin, double xmax, int m, bool funktion,
                                  bool fktGitter, bool rotGitter, bool flaeche, bool zylinder,
                                  const tFarbStufen& stufen) const;

    // A membrane: the profile z = formel(r) turned about the z axis. The profile holds the
    // radii r = 0, rmax / n, ... while r <= 1,01 rmax and the formula's value at each,
    // evaluated once here, so the three drawings below share them. An invalid formula throws
    // KonvertierungsFehler, more than 100000 steps AllgemeinerFehler; n below 1 gives the
    // empty profile.
    struct tMembranProfil {
        std::vector<double> r, z;
    };
    static tMembranProfil MembranProfil(std::string_view formel, int n, double rmax);
    // The meridian web: every step between neighbouring radii turned to the angles 0,
    // 360 / m, ... below 360 degrees.
    void MeridianGitterZeichnen(const tMembranProfil& profil, int m) const;
    // A circle of m pieces about the z axis at every radius, at its height.
    void RingGitterZeichnen(const tMembranProfil& profil, int m) const;
    // The cells between neighbouring radii and angles (as the web), one side: orientation 1
    // the corner order (r1, phi), (r2, phi), (r2, phi + d), (r1, phi + d), whose front is
    // the upper side whatever the profile, any other value the reverse. The cells lie a hair behind their
    // depth, so web and circles on them show whole. More than 100000 steps round are
    // refused with AllgemeinerFehler here and in the web and circles.
    void MembranFlaecheZeichnen(const tMembranProfil& profil, int m, std::uint8_t orientierung) const;

    // --- Shapes of the object list -----------------------------------------------------
    // Faces in the full shade on the outside and the back shade on the other side, grids,
    // outlines and rims in the dark shade. The "Vektoren" switch of planes, lines and
    // circles adds the auxiliary vectors: a ball at the support point, an arrow from the
    // origin to it and one arrow along each direction vector, in darkened shades.

    // The plane p + s u + t v over -n <= s, t <= n.
    void EbenePRFZeichnen(int n, bool flaeche, tVektor3 p, tVektor3 u, tVektor3 v, bool gitter, bool vektoren,
                          bool rand, const tFarbStufen& stufen) const;
    // The plane through p with this normal, spanned by two unit vectors chosen from the
    // normal, so its grid has unit spacing.
    void EbenePNFZeichnen(int n, bool flaeche, tVektor3 p, tVektor3 normale, bool gitter, bool vektoren, bool rand,
                          const tFarbStufen& stufen) const;
    // The line p + s u for -n <= s <= n: a rod of radius r, or a thin line for r = 0.
    void GeradePRFZeichnen(int n, bool vektoren, tVektor3 p, tVektor3 u, double r, const tFarbStufen& stufen) const;
    // The circle of radius r about m perpendicular to the normal, in 4 n pieces; its rim
    // a tube of radius rL, or a thin line for rL = 0.
    void KreisMNFZeichnen(int n, bool flaeche, tVektor3 m, tVektor3 normale, double r, double rL, bool gitter,
                          bool vektoren, bool rand, const tFarbStufen& stufen) const;
    // The quadrilateral through four corners: its edges always, its faces on request.
    void ViereckZeichnen(bool flaeche, const tFarbStufen& stufen, tVektor3 p1, tVektor3 p2, tVektor3 p3,
                         tVektor3 p4) const;
    // Upright solids standing on the centre m of their base: a box and a pyramid with
    // base sides a (along x) and b (along y), a cylinder and a cone of radius r in
    // `schritte` pieces; h is the height.
    void QuaderZeichnen(bool gitter, bool mantel, tVektor3 m, double a, double b, double h, bool flaeche, bool hoehe,
                        const tFarbStufen& stufen) const;
    void PyramideZeichnen(bool gitter, bool mantel, tVektor3 m, double a, double b, double h, bool flaeche, bool hoehe,
                          const tFarbStufen& stufen) const;
    void ZylinderZeichnen(bool gitter, bool mantel, tVektor3 m, double r, double h, bool flaeche, bool hoehe,
                          int schritte, const tFarbStufen& stufen) const;
    void KegelZeichnen(bool gitter, bool mantel, tVektor3 m, double r, double h, bool flaeche, bool hoehe, int schritte,
                       const tFarbStufen& stufen) const;

    // Pushes the model-view matrix and loads a frame with its origin at point 1 and its
    // +x axis towards point 2; returns the distance. The caller pops. With the points
    // equal the frame is only moved.
    double Ausrichten(double x1, double y1, double z1, double x2, double y2, double z2) const;

    std::uint32_t Hintergrundfarbe = 0xFFFFFF;  // red in the low byte
    std::uint8_t Projektion = 1;                // 0 perspektivisch, 1 orthogonal

    double PLinks, PRechts, PUnten, POben, PNah, PFern, PBeobachter;
    double OLinks, ORechts, OUnten, OOben, ONah, OFern, OBeobachter;

    double xDrehung = -75, zDrehung = -20;
    double xDrehungMaus = 0, zDrehungMaus = 0;  // pending mouse drag, folded in on release

    double xMin, yMin, zMin, xMax, yMax, zMax;
    // Tick intervals; written by every coordinate-system drawing, 0 until the first.
    double xSchritt = 0, ySchritt = 0, zSchritt = 0;
    std::int32_t xStufe, yStufe, zStufe;  // position in the 1-2.5-5 stretch cycle, 1..3
    double xSkala, ySkala, zSkala;
    double xVerschiebung, yVerschiebung, zVerschiebung;

    bool xyGitter = true, yzGitter = false, xzGitter = false;
    bool xyFlaeche = false, yzFlaeche = false, xzFlaeche = false;
    bool AchsenZeichnung = true;
    bool AchsenEinteilung = false;
    bool AchsenEinheiten = false;
    bool AchsenNamen = false;
    bool Raumgrenzen = false;

    // The glyph lists and the quadric of the context being drawn into. Set by the render
    // pass for its duration only; null outside a pass.
    const GLRessourcen* GL = nullptr;

    // The compiled formula of the surface drawn last; the next surface releases it.
    IExprFunction2V Flaechenfunktion;
};

}  // namespace orbisto
