#include "programm/zeichnen.h"

#include "objects/objektzeichnen.h"
#include "programm/programm.h"
#include "view/glressourcen.h"

#include <GL/gl.h>

namespace orbisto {

namespace {

// The stack depths at the start of a pass, and the way back to them after a failed one.
class GLStapel {
public:
    GLStapel()
    {
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projektion_);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelview_);
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &attribute_);
        glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &clientAttribute_);
    }

    void Zurueckholen() const
    {
        // GL cannot be asked whether a glBegin is open (every query inside one fails), so
        // end one in any case; outside a glBegin this only raises an error drained below.
        glEnd();
        Abbauen(GL_PROJECTION_STACK_DEPTH, projektion_, [] {
            glMatrixMode(GL_PROJECTION);
            glPopMatrix();
        });
        Abbauen(GL_MODELVIEW_STACK_DEPTH, modelview_, [] {
            glMatrixMode(GL_MODELVIEW);
            glPopMatrix();
        });
        Abbauen(GL_ATTRIB_STACK_DEPTH, attribute_, [] { glPopAttrib(); });
        Abbauen(GL_CLIENT_ATTRIB_STACK_DEPTH, clientAttribute_, [] { glPopClientAttrib(); });
        glMatrixMode(GL_MODELVIEW);
        // A context has a handful of error flags at most; the bound only guards against a
        // lost context that reports an error on every query.
        for (int i = 0; i < 64 && glGetError() != GL_NO_ERROR; ++i) {
        }
    }

private:
    template <class Pop>
    static void Abbauen(GLenum frage, GLint ziel, Pop pop)
    {
        GLint tiefe = 0;
        glGetIntegerv(frage, &tiefe);
        for (; tiefe > ziel; --tiefe)
            pop();
    }

    GLint projektion_ = 1, modelview_ = 1, attribute_ = 0, clientAttribute_ = 0;
};

// Hands the context's resources to the view for the duration of one pass.
class RessourcenLeihen {
public:
    RessourcenLeihen(TKoSys& k, const GLRessourcen& gl) : k_(k) { k_.GL = &gl; }
    ~RessourcenLeihen() { k_.GL = nullptr; }
    RessourcenLeihen(const RessourcenLeihen&) = delete;
    RessourcenLeihen& operator=(const RessourcenLeihen&) = delete;

private:
    TKoSys& k_;
};

// How far the coordinate system lies behind what is drawn after it: a few steps of a
// 24-bit depth buffer. Enough for an edge on a grid line to win although the two lines'
// depths were rounded apart, and less than the faces' polygon offset, so the grid still
// shows on a face lying in its plane.
constexpr double KoSysAbstand = 4.0 / (1 << 24);
constexpr GLfloat FlaechenAbstand = 4;

// The grid is drawn after the axes and ticks it lies on and must not cover them: within
// the coordinate system the earlier line keeps its pixels at equal depth, after it the later.
void KoSysDahinter(bool an)
{
    glDepthFunc(an ? GL_LESS : GL_LEQUAL);
    glDepthRange(an ? KoSysAbstand : 0, 1);
}

}  // namespace

void GLZustandSetzen()
{
    glEnable(GL_DEPTH_TEST);
    // At equal depth the later line shows: an object's edge on a grid line, drawn after it.
    glDepthFunc(GL_LEQUAL);
    // Every filled face steps back by a hair in depth, so the edges and grid lines lying on
    // it are not half swallowed by it.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1, FlaechenAbstand);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
}

void BildLoeschen(const TKoSys& k, int breite, int hoehe)
{
    if (k.Hintergrundfarbe == 0xFFFFFF)
        glClearColor(1, 1, 1, 0);
    else
        glClearColor(0, 0, 0, 0);
    glViewport(0, 0, breite, hoehe);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void ProjektionSetzen(const TKoSys& k)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (k.Projektion == 0) {
        glFrustum(k.PLinks, k.PRechts, k.PUnten, k.POben, k.PNah, k.PFern);
        glTranslatef(0, 0, static_cast<GLfloat>(k.PBeobachter));
    } else {
        glOrtho(k.OLinks, k.ORechts, k.OUnten, k.OOben, k.ONah, k.OFern);
        glTranslatef(0, 0, static_cast<GLfloat>(k.OBeobachter));
    }
    glTranslatef(static_cast<GLfloat>(k.xVerschiebung), static_cast<GLfloat>(k.yVerschiebung),
                 static_cast<GLfloat>(k.zVerschiebung));
    glRotatef(static_cast<GLfloat>(k.xDrehung + k.xDrehungMaus), 1, 0, 0);
    glRotatef(static_cast<GLfloat>(k.zDrehung + k.zDrehungMaus), 0, 0, 1);
    glScalef(static_cast<GLfloat>(k.xSkala), static_cast<GLfloat>(k.ySkala), static_cast<GLfloat>(k.zSkala));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Zeichnen(Programm& programm, const GLRessourcen& gl, int breite, int hoehe)
{
    TKoSys& k = programm.KoSys;
    const GLStapel stapel;
    const RessourcenLeihen leihen(k, gl);
    try {
        BildLoeschen(k, breite, hoehe);
        ProjektionSetzen(k);
        KoSysDahinter(true);
        k.KoSysZeichnen();
        KoSysDahinter(false);
        ObjekteZeichnen(k, programm.Modus, programm.Objektliste, programm.VorschauObjekt);
        programm.Szenen.AlleZeichnen(k);
    } catch (...) {
        stapel.Zurueckholen();
        KoSysDahinter(false);
        throw;
    }
}

}  // namespace orbisto
