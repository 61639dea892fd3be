// Drawing the heads-up panels: a shaded box under the lines, and centred lines.

#include "app/Panels.h"

#include "platform/Host.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

float widthOf(const std::string& line, void* font)
{
    return static_cast<float>(glutBitmapLength(font, reinterpret_cast<const unsigned char*>(line.c_str())));
}

// A black box at three quarters' opacity, in pixels from the top left.
void shade(float left, float top, float width, float height)
{
    const int w = Host::current().windowWidth();
    const int h = Host::current().windowHeight();
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, w, h, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(0.0f, 0.0f, 0.0f, 0.75f);
    glRectf(left, top, left + width, top + height);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

} // namespace

void drawPanel(const std::vector<std::string>& lines, float top, const TextStyle& style)
{
    float width = 0.0f;
    for (const std::string& line : lines) {
        width = std::max(width, widthOf(line, style.font));
    }
    const float lineHeight = static_cast<float>(glutBitmapHeight(style.font)) + 2.0f;
    const float height = lineHeight * static_cast<float>(lines.size()) + 2.0f * panelMargin;
    const float left = std::max(0.0f, (static_cast<float>(Host::current().windowWidth()) - width) / 2.0f);
    if (top < 0.0f) {
        top = std::max(0.0f, (static_cast<float>(Host::current().windowHeight()) - height) / 2.0f);
    }
    shade(left - panelMargin, top, width + 2.0f * panelMargin, height);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The baseline sits a line's height below the line's top, less a quarter for the descent.
        const float baseline = top + panelMargin + lineHeight * (static_cast<float>(i) + 0.75f);
        style.print(style.font, lines[i].c_str(), left, baseline);
    }
}

void drawCentred(const std::string& line, float y, const TextStyle& style)
{
    const float x = (static_cast<float>(Host::current().windowWidth()) - widthOf(line, style.font)) / 2.0f;
    style.print(style.font, line.c_str(), std::max(0.0f, x), y);
}
