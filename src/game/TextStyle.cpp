// Printing a line of bitmap text in an overlay at a pixel position from the window's top left.

#include "game/TextStyle.h"

#include "platform/Host.h"
#include "scene/FramePass.h"

void TextStyle::print(void* textFont, const char* text, float x, float y) const
{
    const int w = Host::current().windowWidth();
    const int h = Host::current().windowHeight();
    markFramePass(FramePass::Text);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);

    glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
            glLoadIdentity();
            glOrtho(0.0, w, 0.0, h, -1.0, 1.0);

            glColor3f(red, green, blue);
            glRasterPos3f(x, static_cast<float>(h) - y, 0.0f);
            drawString(textFont, text);

        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}

void drawString(void* font, const char* text)
{
    if (text == nullptr) {
        return;
    }
    for (const char* c = text; *c != '\0'; ++c) {
        glutBitmapCharacter(font, static_cast<signed char>(*c));
    }
}
