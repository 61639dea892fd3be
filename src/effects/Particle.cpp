#include "effects/Particle.h"

#include <GL/gl.h>

void beginParticleState()
{
    glDisable(GL_LIGHTING);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void endParticleState()
{
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
}

void drawParticleQuad(const Particle& p, float h, unsigned int texture)
{
    const float rgba[4] = {p.colour[0], p.colour[1], p.colour[2], p.life};
    glColor4fv(rgba);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, rgba);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, rgba);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, rgba);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, rgba);

    const Vector3& o = p.offset;
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(o.x + h, o.y + h, o.z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(o.x - h, o.y + h, o.z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(o.x + h, o.y - h, o.z);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(o.x - h, o.y - h, o.z);
    glEnd();
}
