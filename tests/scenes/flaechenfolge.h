#pragma once
// For the picture tests of the vector scenes: the filled polygons of one picture read in
// the order they were drawn, piece by piece, each piece checked against where and in which
// colour the scene's rules put it. Header only, for GoogleTest programs.
//
//   FlaechenFolge folge(bild, frame.ofKind(PrimitiveKind::Polygon));
//   folge.Pfeil({"S", {}, s, 0.08, {0.7f, 0, 0}});
//   folge.Ball(p, 0.12, {0, 0, 0});
//   EXPECT_TRUE(folge.Ende());

#include "szenenbild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace orbisto::flaechenfolge {

// Plain arithmetic of the tests, independent of tVektor3.
struct P3 {
    double x = 0, y = 0, z = 0;
};
inline P3 operator+(P3 a, P3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline P3 operator-(P3 a, P3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline P3 operator*(double f, P3 a) { return {f * a.x, f * a.y, f * a.z}; }
inline double Skalar(P3 a, P3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline double Laenge(P3 a) { return std::sqrt(Skalar(a, a)); }
inline std::ostream& operator<<(std::ostream& os, P3 p)
{
    return os << '(' << p.x << ", " << p.y << ", " << p.z << ')';
}
inline tVektor3 Nach(P3 p) { return {p.x, p.y, p.z}; }

struct Farbe {
    float r, g, b;
    bool operator==(const Farbe&) const = default;
};
inline std::ostream& operator<<(std::ostream& os, Farbe f)
{
    return os << '(' << f.r << ", " << f.g << ", " << f.b << ')';
}

inline bool GleicheFarbe(const FeedbackVertex& v, Farbe f)
{
    const float tol = 0.6f / 255;
    return std::abs(v.r - f.r) < tol && std::abs(v.g - f.g) < tol && std::abs(v.b - f.b) < tol;
}

// One VektorpfeilRGB call as the view draws it: shaft radius s = thickness x xSchritt over
// 0,8 of the length, head of radius 2s to the tip; shaft and head in the colour, the disc
// under the shaft and the one under the head in twice the colour (clamped to 1).
struct Pfeil {
    std::string name;
    P3 von, nach;
    double dicke;
    Farbe farbe;

    Farbe Scheiben() const
    {
        return {std::min(1.0f, 2 * farbe.r), std::min(1.0f, 2 * farbe.g), std::min(1.0f, 2 * farbe.b)};
    }
};

class FlaechenFolge {
public:
    FlaechenFolge(const SzenenBild& bild, std::vector<Primitive> flaechen) : bild_(bild), flaechen_(std::move(flaechen))
    {
    }

    P3 Modell(const FeedbackVertex& v) const { return bild_.ModellpunktAls<P3>(v); }

    // The next polygons up to the first one that is not in one of the colours or has a
    // corner that `passt` refuses; fails when there is none.
    std::vector<const Primitive*> Lauf(const std::string& was, std::vector<Farbe> farben,
                                       const std::function<bool(P3)>& passt)
    {
        std::vector<const Primitive*> l;
        while (i_ < flaechen_.size()) {
            const Primitive& p = flaechen_[i_];
            if (std::none_of(farben.begin(), farben.end(), [&](Farbe f) { return p.hasColour(f.r, f.g, f.b); }))
                break;
            if (!std::all_of(p.vertices.begin(), p.vertices.end(),
                             [&](const FeedbackVertex& v) { return passt(Modell(v)); }))
                break;
            l.push_back(&p);
            ++i_;
        }
        EXPECT_FALSE(l.empty()) << was << " missing; next polygon: " << Naechste();
        return l;
    }

    // The arrow's shaft, disc, head and disc in this order and in their colours, every
    // corner where an arrow of these points and this thickness has it, its tip and the
    // centre of its base among them. Not for arrows of length 0.
    void Pfeil(const flaechenfolge::Pfeil& p)
    {
        SCOPED_TRACE("arrow " + p.name);
        const double len = Laenge(p.nach - p.von), s = p.dicke * bild_.k.xSchritt;
        const P3 e = (1 / len) * (p.nach - p.von);
        const auto bei = [](double ist, double soll) { return std::abs(ist - soll) < 1e-4; };
        struct Lage {
            bool anfang, absatz, ende;
            double radial;
        };
        const auto lage = [&](P3 m) {
            const P3 q = m - p.von;
            const double axial = Skalar(q, e);
            return Lage{bei(axial, 0), bei(axial, 0.8 * len), bei(axial, len), Laenge(q - axial * e)};
        };
        const auto passt = [&](P3 m) {
            const Lage l = lage(m);
            return ((l.anfang || l.absatz) && (bei(l.radial, 0) || bei(l.radial, s))) ||
                   (l.absatz && bei(l.radial, 2 * s)) || (l.ende && bei(l.radial, 0));
        };
        // Shaft, disc, head, disc, each a run in its colour; one run for an arrow whose discs
        // have its own colour. Runs in order split arrows that lie on top of each other.
        const Farbe voll = p.farbe, scheiben = p.Scheiben();
        const std::vector<Farbe> laeufe =
            voll == scheiben ? std::vector<Farbe>{voll} : std::vector<Farbe>{voll, scheiben, voll, scheiben};
        bool spitze = false, fuss = false, schaft = false, kopf = false;
        for (std::size_t n = 0; n < laeufe.size(); ++n)
            for (const Primitive* t : Lauf("arrow " + p.name + ", run " + std::to_string(n + 1), {laeufe[n]}, passt))
                for (const FeedbackVertex& v : t->vertices) {
                    const Lage l = lage(Modell(v));
                    spitze = spitze || (l.ende && bei(l.radial, 0));
                    fuss = fuss || (l.anfang && bei(l.radial, 0));
                    schaft = schaft || (l.anfang && bei(l.radial, s));
                    kopf = kopf || (l.absatz && bei(l.radial, 2 * s));
                }
        EXPECT_TRUE(spitze) << "tip at " << p.nach;
        EXPECT_TRUE(fuss) << "base disc centred at " << p.von;
        EXPECT_TRUE(schaft) << "shaft of radius " << s;
        EXPECT_TRUE(kopf) << "head of radius " << 2 * s;
    }

    // A ball of radius r about the point: every corner on its surface, and it reaches
    // from one side of the point to the other along z.
    void Ball(P3 mitte, double r, Farbe farbe)
    {
        double zMin = 1e9, zMax = -1e9;
        const auto teile = Lauf("ball", {farbe}, [&](P3 m) { return std::abs(Laenge(m - mitte) - r) < 1e-4; });
        for (const Primitive* t : teile)
            for (const FeedbackVertex& v : t->vertices) {
                zMin = std::min(zMin, Modell(v).z - mitte.z);
                zMax = std::max(zMax, Modell(v).z - mitte.z);
            }
        EXPECT_NEAR(zMin, -r, 1e-4) << "ball about " << mitte;
        EXPECT_NEAR(zMax, r, 1e-4) << "ball about " << mitte;
    }

    // Polygons until the next one that `passt` refuses or not in the colour: a face in
    // pieces, such as a disc.
    std::vector<const Primitive*> Flaeche(const std::string& was, Farbe farbe, const std::function<bool(P3)>& passt)
    {
        return Lauf(was, {farbe}, passt);
    }

    bool Ende() const { return i_ == flaechen_.size(); }
    Primitive Naechste() const { return i_ < flaechen_.size() ? flaechen_[i_] : Primitive{}; }

private:
    const SzenenBild& bild_;
    std::vector<Primitive> flaechen_;
    std::size_t i_ = 0;
};

}  // namespace orbisto::flaechenfolge
