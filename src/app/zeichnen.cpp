#include "app/zeichnen.h"

#include "app/programm.h"

#include <GL/gl.h>

namespace orbisto {

void GLZustandSetzen()
{
    glEnable(GL_DEPTH_TEST);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
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

void Zeichnen(Programm& programm, int breite, int hoehe)
{
    TKoSys& k = programm.KoSys;
    if (k.Hintergrundfarbe == 0xFFFFFF)
        glClearColor(1, 1, 1, 0);
    else
        glClearColor(0, 0, 0, 0);
    glViewport(0, 0, breite, hoehe);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ProjektionSetzen(k);

    // The coordinate system and the object list draw here, before the scenes.
    programm.Szenen.AlleZeichnen(k);
}

}  // namespace orbisto
