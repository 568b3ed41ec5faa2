#include "windows/steuerglyphen.h"

#include "widgets/glyphpainter.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace orbisto {

namespace {

using Zeichnung = GlyphZeichnung;

enum class Achse { X, Y, Z };

// Screen directions of the axes as the default view shows them: y slants backwards.
QPointF Richtung(Achse a)
{
    constexpr qreal d = std::numbers::sqrt2 / 2;
    switch (a) {
    case Achse::X: return {1, 0};
    case Achse::Y: return {d, -d};
    case Achse::Z: return {0, -1};
    }
    return {};
}

QColor Farbe(Achse a)
{
    switch (a) {
    case Achse::X: return GlyphPainter::Red;
    case Achse::Y: return GlyphPainter::Green;
    case Achse::Z: return GlyphPainter::Blue;
    }
    return {};
}

QPointF Senkrecht(QPointF u) { return {-u.y(), u.x()}; }

const QPointF Mitte(8, 8);

// Stretching scales about the origin: the bar is the origin, the arrows leave it or press on it.
void AchseStrecken(GlyphPainter& g, Achse a, bool strecken)
{
    const QPointF u = Richtung(a);
    const QPointF n = Senkrecht(u);
    const qreal weit = a == Achse::Y ? 9.5 : 7.5;  // the slant reaches the corners later
    g.line(Mitte - n * 4, Mitte + n * 4, g.ink(), 1.5);
    for (int s : {-1, 1}) {
        if (strecken)
            g.arrow(Mitte + s * u * 1.5, Mitte + s * u * weit, Farbe(a), 2, 5, 3.5);
        else
            g.arrow(Mitte + s * u * (weit + 0.5), Mitte + s * u * 1.5, Farbe(a), 2, 5, 3.5);
    }
}

// All axes at once: the usual sign for growing or shrinking in every direction.
void AlleStrecken(GlyphPainter& g, bool strecken)
{
    for (QPointF d : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
        if (strecken)
            g.arrow(Mitte + d * 1.5, Mitte + d * 7, g.ink(), 1.5, 4.5, 2.8);
        else
            g.arrow(Mitte + d * 7.5, Mitte + d * 1, g.ink(), 1.5, 4.5, 2.8);
    }
}

void UrsprungsKreuz(GlyphPainter& g, QPointF p)
{
    g.circle(p, 2.5, g.ink(), {}, 1);
    g.line(p - QPointF(4, 0), p + QPointF(4, 0), g.ink(), 1);
    g.line(p - QPointF(0, 4), p + QPointF(0, 4), g.ink(), 1);
}

// The origin moves inside the room along one axis.
void UrsprungVerschieben(GlyphPainter& g, Achse a, int s)
{
    const QPointF u = Richtung(a) * s;
    const qreal weit = a == Achse::Y ? 7 : 7.5;
    UrsprungsKreuz(g, Mitte - u * 3.5);
    g.arrow(Mitte + u * 0.5, Mitte + u * weit, Farbe(a), 2, 5, 3.5);
}

// A small coordinate system: the thing that the view buttons move as a whole.
void Dreibein(GlyphPainter& g, QPointF ursprung, qreal laenge, qreal breite)
{
    g.line(ursprung, ursprung + Richtung(Achse::Y) * laenge * 0.75, Farbe(Achse::Y), breite);
    g.line(ursprung, ursprung + Richtung(Achse::X) * laenge, Farbe(Achse::X), breite);
    g.line(ursprung, ursprung + Richtung(Achse::Z) * laenge, Farbe(Achse::Z), breite);
}

// The whole system moves on the screen: a frame with its axes and a dark arrow.
void SystemVerschieben(GlyphPainter& g, QPointF u)
{
    const QPointF mitte = Mitte - u * 3;
    const QRectF rahmen(mitte.x() - 4.5, mitte.y() - 4.5, 9, 9);
    g.polygon(QPolygonF(rahmen), g.ink(), g.fill(), 1);
    Dreibein(g, rahmen.bottomLeft() + QPointF(2, -2), 5, 1.5);
    g.head(Mitte + u * 7.5, Mitte + u * 3, g.ink(), 4.5, 4);
}

void Zoom(GlyphPainter& g, bool plus)
{
    g.line({10.5, 10.5}, {15, 15}, g.ink(), 3);
    g.circle({7, 7}, 5, g.ink(), g.fill(), 1.5);
    g.line({4, 7}, {10, 7}, g.ink(), 2);
    if (plus)
        g.line({7, 4}, {7, 10}, g.ink(), 2);
}

// The positive half axes around a cube in the first octant.
void ErsterOktant(GlyphPainter& g)
{
    const QPointF o(4, 12);
    const QPointF x(6, 0), z(0, -6), y = Richtung(Achse::Y) * 4;
    const QColor licht(255, 190, 40);
    g.polygon(QPolygonF{o + z, o + z + x, o + z + x + y, o + z + y}, {}, licht.lighter(130));
    g.polygon(QPolygonF{o + x, o + x + y, o + x + z + y, o + x + z}, {}, licht.darker(120));
    g.polygon(QPolygonF{o, o + x, o + x + z, o + z}, {}, licht);
    g.arrow(o, {13, 3}, Farbe(Achse::Y), 1.5, 4, 2.5);
    g.arrow(o, {15.5, 12}, Farbe(Achse::X), 1.5, 4, 2.5);
    g.arrow(o, {4, 0.5}, Farbe(Achse::Z), 1.5, 4, 2.5);
}

// Looking straight down the z axis: x to the right, y upwards, on a grid.
void Ansicht2D(GlyphPainter& g)
{
    QColor gitter = g.ink();
    gitter.setAlpha(70);
    for (qreal v : {2.5, 12.5}) {
        g.line({v, 0.5}, {v, 15.5}, gitter, 1);
        g.line({0.5, v + 1}, {15.5, v + 1}, gitter, 1);
    }
    g.arrow({0.5, 9}, {15.5, 9}, Farbe(Achse::X));
    g.arrow({7, 15.5}, {7, 0.5}, Farbe(Achse::Y));
}

// The main window laid out anew: the controls on the left, a square picture filling the rest.
void Quadrat(GlyphPainter& g)
{
    g.polygon(QPolygonF(QRectF(0.5, 1.5, 15, 13)), g.ink(), g.fill(), 1);
    g.polygon(QPolygonF(QRectF(0.5, 1.5, 15, 2)), {}, g.ink());
    QColor leiste = g.ink();
    leiste.setAlpha(90);
    g.polygon(QPolygonF(QRectF(1, 3.5, 4, 10.5)), {}, leiste);
    g.polygon(QPolygonF(QRectF(5.5, 4.5, 9, 9)), g.ink(), {}, 1);
    Dreibein(g, {7.5, 11.5}, 5, 1.5);
}

// Anticlockwise circular arrow: back to the defaults.
void Ruecklauf(GlyphPainter& g, QPointF mitte, qreal radius, qreal breite, qreal spitze)
{
    constexpr qreal start = 110, spanne = 270;
    g.arc(mitte, radius, start, spanne, g.ink(), breite);
    const qreal ende = (start + spanne) * std::numbers::pi / 180;
    const QPointF auf(std::cos(ende), -std::sin(ende));
    const QPointF weiter(-std::sin(ende), -std::cos(ende));  // anticlockwise tangent on screen
    const QPointF p = mitte + auf * radius;
    g.head(p + weiter * spitze * 0.6, p - weiter, g.ink(), spitze, spitze * 0.7);
}

void AllesZurueck(GlyphPainter& g)
{
    Ruecklauf(g, Mitte, 6, 1.5, 4.5);
    Dreibein(g, {6, 10}, 4, 1.5);
}

enum class Abzeichen { Plus, Minus, Zurueck };

// A corner badge, cut free from the picture below so that it reads on any background.
void Marke(GlyphPainter& g, Abzeichen art)
{
    const QPointF m(12, 12);
    g.knockOut(m, 4.5);
    if (art == Abzeichen::Zurueck) {
        Ruecklauf(g, m, 2.6, 1.5, 3);
        return;
    }
    g.line(m - QPointF(3, 0), m + QPointF(3, 0), g.ink(), 2);
    if (art == Abzeichen::Plus)
        g.line(m - QPointF(0, 3), m + QPointF(0, 3), g.ink(), 2);
}

// A floor in perspective: the shorter its far edge, the stronger the perspective.
void Perspektive(GlyphPainter& g, qreal fernHalb, Abzeichen art)
{
    const qreal mx = 7, nah = 12, fern = 1.5, nahHalb = 6.5;
    const QPolygonF boden{{mx - nahHalb, nah}, {mx + nahHalb, nah}, {mx + fernHalb, fern}, {mx - fernHalb, fern}};
    g.polygon(boden, g.ink(), g.fill(), 1);
    g.line({mx, nah}, {mx, fern}, g.ink(), 1);
    const qreal halb = (nahHalb + fernHalb) / 2;
    g.line({mx - halb, (nah + fern) / 2}, {mx + halb, (nah + fern) / 2}, g.ink(), 1);
    Marke(g, art);
}

// The view volume in front of the eye; the near window, which these buttons change, filled.
void Sichtraum(GlyphPainter& g, const QRectF& nah, const QRectF& fern, Abzeichen art)
{
    QColor fenster = GlyphPainter::Blue;
    fenster.setAlpha(110);
    g.polygon(QPolygonF(fern), g.ink(), {}, 1);
    g.line(nah.topLeft(), fern.topLeft(), g.ink(), 1);
    g.line(nah.topRight(), fern.topRight(), g.ink(), 1);
    g.line(nah.bottomLeft(), fern.bottomLeft(), g.ink(), 1);
    g.polygon(QPolygonF(nah), g.ink(), fenster, 1);
    Marke(g, art);
}

void Orthogonal(GlyphPainter& g, Abzeichen art) { Sichtraum(g, {1.5, 6.5, 8, 8}, {6.5, 1.5, 8, 8}, art); }

void Frustum(GlyphPainter& g, Abzeichen art) { Sichtraum(g, {1.5, 9.5, 4, 4}, {5.5, 0.5, 10, 10}, art); }

// The editor's step buttons: a plus or minus whose size says how far it steps, with
// one, two or three bars under it for 1, 0,1 and 0,01, like the places of the step.
void WertSchritt(GlyphPainter& g, bool plus, int stellen)
{
    const qreal halb = stellen == 1 ? 6.5 : stellen == 2 ? 5 : 3.5;
    const QPointF m(8, 6);
    g.line(m - QPointF(halb, 0), m + QPointF(halb, 0), g.ink(), 2);
    if (plus)
        g.line(m - QPointF(0, halb), m + QPointF(0, halb), g.ink(), 2);
    for (int k = 0; k < stellen; ++k) {
        const qreal x = 8 + (k - (stellen - 1) / 2.0) * 3.5;
        g.line({x - 1.5, 14}, {x + 1.5, 14}, GlyphPainter::Blue, 2);
    }
}

// Taking the object into the list: an arrow into the lines of a list.
void InListe(GlyphPainter& g)
{
    for (qreal y : {3.5, 8.5, 13.5})
        g.line({10, y}, {15.5, y}, g.ink(), 1);
    g.arrow({0.5, 8.5}, {8.5, 8.5}, GlyphPainter::Green, 2, 4.5, 3.5);
}

void Kreuz(GlyphPainter& g)
{
    g.line({3, 3}, {13, 13}, GlyphPainter::Red, 2);
    g.line({13, 3}, {3, 13}, GlyphPainter::Red, 2);
}

struct Glyphe {
    const char* knopf;
    Zeichnung zeichnung;
};

// Every glyph by its button: one table, so a new button is one line.
constexpr Glyphe Glyphen[] = {
    {"allePlusStretchRxSpeedButton", [](GlyphPainter& g) { AlleStrecken(g, true); }},
    {"alleMinusStretchRxSpeedButton", [](GlyphPainter& g) { AlleStrecken(g, false); }},
    {"xPlusStretchRxSpeedButton", [](GlyphPainter& g) { AchseStrecken(g, Achse::X, true); }},
    {"xMinusStretchRxSpeedButton", [](GlyphPainter& g) { AchseStrecken(g, Achse::X, false); }},
    {"yPlusStretchRxSpeedButton", [](GlyphPainter& g) { AchseStrecken(g, Achse::Y, true); }},
    {"yMinusStretchRxSpeedButton", [](GlyphPainter& g) { AchseStrecken(g, Achse::Y, false); }},
    {"zPlusStretchRxSpeedButton", [](GlyphPainter& g) { AchseStrecken(g, Achse::Z, true); }},
    {"zMinusStretchRxSpeedButton", [](GlyphPainter& g) { AchseStrecken(g, Achse::Z, false); }},
    {"xPlusTransRxSpeedButton", [](GlyphPainter& g) { UrsprungVerschieben(g, Achse::X, 1); }},
    {"xMinusTransRxSpeedButton", [](GlyphPainter& g) { UrsprungVerschieben(g, Achse::X, -1); }},
    {"yPlusTransRxSpeedButton", [](GlyphPainter& g) { UrsprungVerschieben(g, Achse::Y, 1); }},
    {"yMinusTransRxSpeedButton", [](GlyphPainter& g) { UrsprungVerschieben(g, Achse::Y, -1); }},
    {"zPlusTransRxSpeedButton", [](GlyphPainter& g) { UrsprungVerschieben(g, Achse::Z, 1); }},
    {"zMinusTransRxSpeedButton", [](GlyphPainter& g) { UrsprungVerschieben(g, Achse::Z, -1); }},
    {"ErsterOktantSpeedButton", ErsterOktant},
    {"Ansicht2DSpeedButton", Ansicht2D},
    {"QuadratSpeedButton", Quadrat},
    {"ZoomPlusRxSpeedButton", [](GlyphPainter& g) { Zoom(g, true); }},
    {"ZoomMinusRxSpeedButton", [](GlyphPainter& g) { Zoom(g, false); }},
    {"xMinusSTRxSpeedButton", [](GlyphPainter& g) { SystemVerschieben(g, QPointF(-1, 0)); }},
    {"xPlusSTRxSpeedButton", [](GlyphPainter& g) { SystemVerschieben(g, QPointF(1, 0)); }},
    {"zPlusSTRxSpeedButton", [](GlyphPainter& g) { SystemVerschieben(g, QPointF(0, -1)); }},
    {"zMinusSTRxSpeedButton", [](GlyphPainter& g) { SystemVerschieben(g, QPointF(0, 1)); }},
    {"alleResetSpeedButton", AllesZurueck},
    {"PerspektivePlusRxSpeedButton", [](GlyphPainter& g) { Perspektive(g, 1.5, Abzeichen::Plus); }},
    {"PerspektiveMinusRxSpeedButton", [](GlyphPainter& g) { Perspektive(g, 5, Abzeichen::Minus); }},
    {"PerspektiveResetSpeedButton", [](GlyphPainter& g) { Perspektive(g, 3, Abzeichen::Zurueck); }},
    {"OplusRxSpeedButton", [](GlyphPainter& g) { Orthogonal(g, Abzeichen::Plus); }},
    {"OminusRxSpeedButton", [](GlyphPainter& g) { Orthogonal(g, Abzeichen::Minus); }},
    {"PplusRxSpeedButton", [](GlyphPainter& g) { Frustum(g, Abzeichen::Plus); }},
    {"PminusRxSpeedButton", [](GlyphPainter& g) { Frustum(g, Abzeichen::Minus); }},
    {"ObjEdMinus1RxSpeedButton", [](GlyphPainter& g) { WertSchritt(g, false, 1); }},
    {"ObjEdMinus01RxSpeedButton", [](GlyphPainter& g) { WertSchritt(g, false, 2); }},
    {"ObjEdMinus001RxSpeedButton", [](GlyphPainter& g) { WertSchritt(g, false, 3); }},
    {"ObjEdPlus001RxSpeedButton", [](GlyphPainter& g) { WertSchritt(g, true, 3); }},
    {"ObjEdPlus01RxSpeedButton", [](GlyphPainter& g) { WertSchritt(g, true, 2); }},
    {"ObjEdPlus1RxSpeedButton", [](GlyphPainter& g) { WertSchritt(g, true, 1); }},
    {"ObjEdEinfuegenRxSpeedButton", InListe},
    {"ObjEdSchliessenRxSpeedButton", Kreuz},
};

}  // namespace

QIcon SteuerGlyphe(const QString& knopfName)
{
    for (const Glyphe& glyphe : Glyphen) {
        if (knopfName == QLatin1String(glyphe.knopf))
            return GlyphIcon(glyphe.zeichnung);
    }
    return {};
}

}  // namespace orbisto
