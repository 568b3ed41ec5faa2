#include "szenenbild.h"

#include "scenes/szene.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace orbisto {

SzenenBild::SzenenBild(int seite, double halbbreite) : frame(seite, seite), Halbbreite(halbbreite)
{
    // The tick intervals KoSysZeichnen sets for the room before any scene draws: arrows take
    // their thickness from them, and the picture tests draw no coordinate system.
    k.xSchritt = (k.xMax - k.xMin) / 10;
    k.ySchritt = (k.yMax - k.yMin) / 10;
    k.zSchritt = (k.zMax - k.zMin) / 10;
}

Frame SzenenBild::Zeichnen(Szene& szene, tSeiten seiten)
{
    nachDemZeichnen_.clear();
    return frame.render([&] {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // The whole view in the projection and the identity in the model-view matrix, as the
        // render pass hands them to a scene.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-Halbbreite, Halbbreite, -Halbbreite, Halbbreite, -Halbbreite, Halbbreite);
        for (const tDrehung& d : Drehungen)
            glRotated(d.Grad, d.x, d.y, d.z);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (seiten == tSeiten::Beide)
            glDisable(GL_CULL_FACE);
        k.GL = &frame.ressourcen();
        szene.SzeneZeichnen(k);
        k.GL = nullptr;  // the resources belong to the frame, not to the view

        tNachDemZeichnen n{};
        glGetDoublev(GL_MODELVIEW_MATRIX, n.ModellAnsicht);
        GLint tiefe = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &tiefe);
        n.Tiefe = tiefe;
        nachDemZeichnen_.push_back(n);
    });
}

void SzenenBild::Drehmatrix(double m[9]) const
{
    for (int i = 0; i < 9; ++i)
        m[i] = i % 4 == 0 ? 1 : 0;
    for (const tDrehung& d : Drehungen) {
        // The rotation glRotated builds, about the normalised axis; the turns multiply on
        // the right like GL's.
        const double l = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        const double x = d.x / l, y = d.y / l, z = d.z / l;
        const double w = d.Grad * std::numbers::pi / 180, c = std::cos(w), s = std::sin(w), t = 1 - c;
        const double r[9] = {t * x * x + c,     t * x * y - s * z, t * x * z + s * y,  //
                             t * x * y + s * z, t * y * y + c,     t * y * z - s * x,  //
                             t * x * z - s * y, t * y * z + s * x, t * z * z + c};
        double neu[9];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                neu[3 * i + j] = m[3 * i] * r[j] + m[3 * i + 1] * r[3 + j] + m[3 * i + 2] * r[6 + j];
        for (int i = 0; i < 9; ++i)
            m[i] = neu[i];
    }
}

tVektor3 SzenenBild::Modellpunkt(const FeedbackVertex& v) const
{
    const double h = Seitenlaenge() / 2.0, a = Halbbreite;
    const tVektor3 auge{(double(v.x) - h) / h * a, (double(v.y) - h) / h * a, (0.5 - double(v.z)) * 2 * a};
    if (Drehungen.empty())
        return auge;
    // A rotation's inverse is its transpose.
    double m[9];
    Drehmatrix(m);
    return {m[0] * auge.x + m[3] * auge.y + m[6] * auge.z, m[1] * auge.x + m[4] * auge.y + m[7] * auge.z,
            m[2] * auge.x + m[5] * auge.y + m[8] * auge.z};
}

tVektor3 SzenenBild::Fenster(const tVektor3& p) const
{
    tVektor3 auge = p;
    if (!Drehungen.empty()) {
        double m[9];
        Drehmatrix(m);
        auge = {m[0] * p.x + m[1] * p.y + m[2] * p.z, m[3] * p.x + m[4] * p.y + m[5] * p.z,
                m[6] * p.x + m[7] * p.y + m[8] * p.z};
    }
    // Pixels per unit times the coordinate, so that whole scales hit pixel edges exactly.
    const double h = Seitenlaenge() / 2.0, proEinheit = h / Halbbreite;
    return {h + proEinheit * auge.x, h + proEinheit * auge.y, 0.5 - auge.z / (2 * Halbbreite)};
}

Rgba SzenenBild::Bei(const Frame& f, const tVektor3& p) const
{
    const tVektor3 w = Fenster(p);
    return f.windowPixel(int(w.x), int(w.y));
}

std::string SzenenBild::ModellAnsichtAbweichung() const
{
    std::ostringstream aus;
    if (nachDemZeichnen_.empty())
        aus << "nothing drawn yet";
    for (std::size_t n = 0; n < nachDemZeichnen_.size(); ++n) {
        const tNachDemZeichnen& d = nachDemZeichnen_[n];
        if (d.Tiefe != 1)
            aus << "pass " << n + 1 << ": stack depth " << d.Tiefe << "; ";
        for (int j = 0; j < 16; ++j)
            if (d.ModellAnsicht[j] != (j % 5 == 0 ? 1.0 : 0.0))
                aus << "pass " << n + 1 << ": element " << j << " is " << d.ModellAnsicht[j] << "; ";
    }
    return aus.str();
}

}  // namespace orbisto
