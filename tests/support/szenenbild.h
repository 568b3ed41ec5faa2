#pragma once
// The picture of one scene, as the scene tests read it back: a square headless frame, an
// orthographic box -h..h on every axis, optionally turned, the identity model-view matrix
// and the program's GL state, and the way back from a drawn vertex to the model point.
//
//   SzenenBild bild(400, 40);                 // 400 x 400 pixels onto the box -40..40
//   Frame f = bild.Zeichnen(szene, SzenenBild::tSeiten::Beide);
//   tVektor3 p = bild.Modellpunkt(f.drawn()[0].vertices[0]);
//
// Looking down the z axis (no turns): window x = S/2 (1 + x/h), y likewise, depth
// 0,5 - z / 2h, so every vertex reads back as the model point it was drawn from.

#include "core/vektor3.h"
#include "frame.h"
#include "headlessframe.h"
#include "view/tkosys.h"

#include <string>
#include <vector>

namespace orbisto {

class Szene;

// A turn of the view by `Grad` degrees about the axis (x, y, z), as glRotated.
struct tDrehung {
    double Grad;
    double x, y, z;
};
// Looking up the z axis instead of down: half a turn about x (y and z change sign).
inline constexpr tDrehung VonUnten{180, 1, 0, 0};

class SzenenBild {
public:
    // Vorn: the program's own state, back faces culled, as the user sees the scene.
    // Beide: culling off, so that every face of every piece comes back.
    enum class tSeiten { Vorn, Beide };

    SzenenBild(int seite, double halbbreite);

    // Open to the tests: they change the room, the box or the turns between two pictures.
    HeadlessFrame frame;
    TKoSys k;
    double Halbbreite;
    // Applied after the box in this order: the eye sees R1 R2 ... p.
    std::vector<tDrehung> Drehungen;

    int Seitenlaenge() const { return frame.width(); }

    // Clears to white, sets the box and the turns, and calls the scene's draw hook with
    // the frame's GL resources lent to the view, as the render pass does.
    Frame Zeichnen(Szene& szene, tSeiten seiten = tSeiten::Vorn);

    // The model point a drawn vertex comes from, and the window point (pixels from the
    // bottom left, depth 0..1) a model point goes to.
    tVektor3 Modellpunkt(const FeedbackVertex& v) const;
    tVektor3 Fenster(const tVektor3& p) const;
    // The same for a test's own point type (members x, y, z), so its arithmetic stays its own.
    template <class P>
    P ModellpunktAls(const FeedbackVertex& v) const
    {
        const tVektor3 p = Modellpunkt(v);
        return P{p.x, p.y, p.z};
    }
    // The pixel that shows the model point.
    Rgba Bei(const Frame& f, const tVektor3& p) const;

    // Empty when every pass of the last Zeichnen left the model-view matrix at the identity
    // on a stack of depth 1 (the scene's contract), else what it left instead.
    std::string ModellAnsichtAbweichung() const;

private:
    struct tNachDemZeichnen {
        double ModellAnsicht[16];
        int Tiefe;
    };
    std::vector<tNachDemZeichnen> nachDemZeichnen_;  // one per pass of HeadlessFrame::render

    // The turns as one 3 x 3 matrix, row by row.
    void Drehmatrix(double m[9]) const;
};

}  // namespace orbisto
