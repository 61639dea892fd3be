// The water node: loading the river texture and drawing the grid at the node's transform.
// Apart from the grid: this side is only the node's place in the scene and its texture.

#include "effects/WaterSurface.h"

#include "model/TextureLoader.h"

#include <GL/gl.h>

WaterSurface::WaterSurface()
{
    grid.fill();
}

void WaterSurface::loadTexture()
{
    textures.push_back(::loadTexture("./texture/wasser02.jpg", 0, false));
}

void WaterSurface::draw(Matrix4)
{
    glLoadIdentity();
    glTranslatef(position.x, position.y, position.z);
    glScalef(scale.x, scale.y, scale.z);
    glRotatef(heading, 0.0f, 1.0f, 0.0f);
    drawWater();
    glLoadIdentity();
}

// Commands stop at the water.
void WaterSurface::command(int) {}

void WaterSurface::drawWater()
{
    grid.draw(textures.empty() ? 0 : textures.front());
}
