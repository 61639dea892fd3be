// Placing and loading the panel, taking one dialogue entry, and drawing panel and text.
// Apart from Quest, which decides what is said; this side only shows it.

#include "game/DialogBox.h"

#include "game/DialogueFile.h"
#include "game/KeyBindings.h"
#include "platform/Host.h"
#include "platform/Language.h"

#include <GL/gl.h>

#include <algorithm>

DialogBox::DialogBox()
{
    hidden = true;
    pass = FramePass::Text;
}

bool DialogBox::loadModel()
{
    panel.scale.set(0.25f, 0.4f, 0.25f);
    panel.position.set(0.0f, -0.85f, 0.0f);
    panel.direction.set(0.0f, 0.0f, 0.0f);
    panel.heading = panel.direction.headingTo(panel.forward);
    panel.setName("dialogbox");
    return panel.load("data/dialogbox.ms3d");
}

void DialogBox::loadEntry(std::string partner, int entry)
{
    texts.clear();
    texts.shrink_to_fit();
    replies.clear();
    replies.shrink_to_fit();
    readDialogueEntry(partner, entry, texts, replies);
    for (std::string& reply : replies) {
        reply = keyBindings.withKeysInForce(reply);
    }
}

void DialogBox::draw(Matrix4)
{
    if (hidden) {
        return;
    }
    style.font = GLUT_BITMAP_HELVETICA_12;
    style.red = 1.0f;
    style.green = 1.0f;
    style.blue = 1.0f;
    const float w = static_cast<float>(Host::current().windowWidth());
    const float h = static_cast<float>(Host::current().windowHeight());

    // The panel is placed in normalised device coordinates: an identity
    // modelview and only its own placement on the projection, so it sits
    // near the bottom of the picture whatever the camera does.
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
            glLoadIdentity();
            glTranslatef(panel.position.x, panel.position.y, panel.position.z);
            glScalef(panel.scale.x, panel.scale.y, panel.scale.z);
            glRotatef(panel.heading, 0.0f, 1.0f, 0.0f);
            drawModel(panel.drawnModel);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);

    const float x = 0.25f * w;
    const float top = 0.6f * h;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        style.print(style.font, tr(texts[i].c_str()), x, top + 20.0f * static_cast<float>(i));
    }
    // With no text lines the first row stays empty.
    const std::size_t firstReplyRow = std::max<std::size_t>(texts.size(), 1);
    for (std::size_t j = 0; j < replies.size(); ++j) {
        style.print(style.font, tr(replies[j].c_str()), x, top + 20.0f * static_cast<float>(firstReplyRow + j));
    }
}
