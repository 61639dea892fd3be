#pragma once

#include "game/GameManager.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>

#include <vector>

// Level 1 at its start view with nothing moving by itself: the characters
// hold their poses and the drifting glow of the sky is hidden, so two
// pictures differ only by what a test changes between them.
inline Level1& stillVillage(GameDriver& driver)
{
    Level1& village = driver.game().level1;
    for (ModelNode* n : {static_cast<ModelNode*>(&village.avatar), &village.priest, &village.frau,
                         static_cast<ModelNode*>(&village.sheep)}) {
        n->animated = false;
    }
    village.heavenBase.hidden = true;
    return village;
}

// The back buffer as RGB rows, bottom row first.
inline std::vector<unsigned char> readPicture()
{
    std::vector<unsigned char> rgb(GlTestWindow::width * GlTestWindow::height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GlTestWindow::width, GlTestWindow::height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
