// Puts GL_LIGHT0 or GL_LIGHT1 at the node's position and switches lighting on.

#include "model/LightNode.h"

#include <GL/gl.h>

void LightNode::draw(Matrix4)
{
    if (hidden) {
        return;
    }
    // Positional; the modelview matrix is the identity, so this is a world position.
    const float p[4] = {position.x, position.y, position.z, 1.0f};
    if (lightType == 0) {
        glLightfv(GL_LIGHT0, GL_POSITION, p);
        glEnable(GL_LIGHT0);
    } else if (lightType == 1) {
        const float diffuse[4] = {0.5f, 0.5f, 0.5f, 1.0f};
        glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
        glLightfv(GL_LIGHT1, GL_POSITION, p);
        glEnable(GL_LIGHT1);
    }
    glEnable(GL_LIGHTING);
}
