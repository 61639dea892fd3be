// Printing a line of outlined bitmap text in an overlay at a pixel position from the window's top left.

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

            // A one-pixel outline in black behind light text and in white
            // behind dark, so the text reads over any scene.
            const float outline = 0.3f * red + 0.59f * green + 0.11f * blue > 0.5f ? 0.0f : 1.0f;
            constexpr float offsets[][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {0, 0}};
            for (const auto& [dx, dy] : offsets) {
                const bool last = dx == 0 && dy == 0;
                glColor3f(last ? red : outline, last ? green : outline, last ? blue : outline);
                glRasterPos3f(x, static_cast<float>(h) - y, 0.0f);
                glBitmap(0, 0, 0.0f, 0.0f, dx, dy, nullptr);
                drawString(textFont, text);
            }

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
