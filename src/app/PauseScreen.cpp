// Pausing and going on, the still picture, and the settings list a paused game shows.

#include "app/PauseScreen.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/GamepadInput.h"
#include "app/MainWindow.h"
#include "app/PauseTexts.h"
#include "app/PlayerSettings.h"
#include "platform/Host.h"
#include "platform/Sound.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Pause {
    bool on = false;
    bool byPlayer = false;
    bool hidden = false;
    // The picture of the moment the pause began, RGB rows from the bottom.
    std::vector<unsigned char> picture;
    int width = 0;
    int height = 0;
    std::size_t row = 0; // the chosen setting
};

Pause screen;

// Where the texts stand, pixels from the left and the top: below the
// game's own three lines.
constexpr float textX = 10.0f;
constexpr float pauseY = 150.0f;
constexpr float firstRowY = 190.0f;
constexpr float rowHeight = 30.0f;

// A setting's row: its text now, and a change by one step on or back.
struct SettingRow {
    void (*show)(char* text, std::size_t size);
    void (*change)(int step);
};

void showChoice(char* text, std::size_t size, bool second, const char* first, const char* other)
{
    std::snprintf(text, size, "%s", tr(second ? other : first));
}

void changeFullScreen(int)
{
    playerSettings.fullScreen = !playerSettings.fullScreen;
    showFullScreen(playerSettings.fullScreen);
}

constexpr SettingRow settingRows[] = {
    {[](char* text, std::size_t size) { std::snprintf(text, size, tr(volumeRow), playerSettings.volume); },
     [](int step) { playerSettings.volume = std::clamp(playerSettings.volume + 10 * step, volumes.least, volumes.most); }},
    {[](char* text, std::size_t size) { showChoice(text, size, playerSettings.mute, soundOnRow, soundOffRow); },
     [](int) { playerSettings.mute = !playerSettings.mute; }},
    {[](char* text, std::size_t size) {
         std::snprintf(text, size, tr(sensitivityRow), playerSettings.mouse.sensitivity);
     },
     [](int step) {
         int& sensitivity = playerSettings.mouse.sensitivity;
         sensitivity = std::clamp(sensitivity + 10 * step, sensitivities.least, sensitivities.most);
     }},
    {[](char* text, std::size_t size) {
         showChoice(text, size, playerSettings.mouse.invertLook, lookPlainRow, lookInvertedRow);
     },
     [](int) { playerSettings.mouse.invertLook = !playerSettings.mouse.invertLook; }},
    {[](char* text, std::size_t size) {
         showChoice(text, size, playerSettings.mouse.byDistance, mouseStepRow, mouseDistanceRow);
     },
     [](int) { playerSettings.mouse.byDistance = !playerSettings.mouse.byDistance; }},
    {[](char* text, std::size_t size) {
         showChoice(text, size, keyBindings.layout() == KeyLayout::French, keysTodayRow, keysFrenchRow);
     },
     [](int) {
         keyBindings = KeyBindings(keyBindings.layout() == KeyLayout::French ? KeyLayout::Today : KeyLayout::French);
     }},
    {[](char* text, std::size_t size) {
         showChoice(text, size, currentLanguage() == Language::English, germanRow, englishRow);
     },
     [](int) {
         playerSettings.language = currentLanguage() == Language::English ? Language::German : Language::English;
         useLanguage(*playerSettings.language, {});
     }},
    {[](char* text, std::size_t size) { showChoice(text, size, playerSettings.fullScreen, windowRow, fullScreenRow); },
     changeFullScreen},
};

void changeSetting(std::size_t row, int step)
{
    settingRows[row].change(step);
    applyPlayerSettings();
    savePlayerSettings();
}

void setPaused(bool paused)
{
    if (paused == screen.on) {
        return;
    }
    screen.on = paused;
    Host::current().setPaused(paused);
    pauseSound(paused);
    controlNode.releaseHeldKeys();
    screen.picture.clear();
    // A paused game draws only when the window asks or a key is pressed.
    if (appState.idleFrames) {
        glutIdleFunc(paused ? nullptr : renderFrame);
    }
    if (paused) {
        watchGamepadWhilePaused();
    }
}

void update()
{
    setPaused(screen.byPlayer || screen.hidden);
}

void keepPicture()
{
    screen.width = Host::current().windowWidth();
    screen.height = Host::current().windowHeight();
    screen.picture.resize(static_cast<std::size_t>(screen.width) * static_cast<std::size_t>(screen.height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, screen.width, screen.height, GL_RGB, GL_UNSIGNED_BYTE, screen.picture.data());
}

// The kept picture over the whole window, stretched should it have changed size.
void drawPicture()
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D, GL_BLEND, GL_FOG, GL_STENCIL_TEST, GL_ALPHA_TEST}) {
        glDisable(cap);
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRasterPos2f(-1.0f, -1.0f);
    glPixelZoom(static_cast<float>(Host::current().windowWidth()) / static_cast<float>(screen.width),
                static_cast<float>(Host::current().windowHeight()) / static_cast<float>(screen.height));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glDrawPixels(screen.width, screen.height, GL_RGB, GL_UNSIGNED_BYTE, screen.picture.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void drawTexts()
{
    TextStyle style;
    style.font = GLUT_BITMAP_TIMES_ROMAN_24;
    style.red = style.green = style.blue = 0.0f;
    char text[160];
    std::snprintf(text, sizeof text, tr(pauseLine), keyBindings.keyName(Action::Pause).c_str());
    style.print(style.font, text, textX, pauseY);
    for (std::size_t i = 0; i < std::size(settingRows); ++i) {
        text[0] = i == screen.row ? '>' : ' ';
        text[1] = ' ';
        settingRows[i].show(text + 2, sizeof text - 2);
        style.print(style.font, text, textX, firstRowY + rowHeight * static_cast<float>(i));
    }
}

} // namespace

bool gamePaused()
{
    return screen.on;
}

void togglePause()
{
    screen.byPlayer = !screen.byPlayer;
    update();
}

void onWindowStatus(int state)
{
    screen.hidden = state == GLUT_HIDDEN;
    update();
}

void drawGameOrPause()
{
    if (!gamePaused() || screen.picture.empty()) {
        gameManager.runFrame();
        if (!gamePaused()) {
            return;
        }
        keepPicture();
    } else {
        drawPicture();
    }
    drawTexts();
}

void switchFullScreen()
{
    changeFullScreen(1);
    savePlayerSettings();
}

void settingsKey(int specialKey)
{
    const std::size_t rows = std::size(settingRows);
    switch (specialKey) {
    case GLUT_KEY_UP: screen.row = (screen.row + rows - 1) % rows; break;
    case GLUT_KEY_DOWN: screen.row = (screen.row + 1) % rows; break;
    case GLUT_KEY_LEFT: changeSetting(screen.row, -1); break;
    case GLUT_KEY_RIGHT: changeSetting(screen.row, 1); break;
    default: break;
    }
}

void settingsClick(int button, int state, int, int y)
{
    const float top = firstRowY - rowHeight + 6.0f;
    const float row = (static_cast<float>(y) - top) / rowHeight;
    if (state != GLUT_DOWN || row < 0.0f || row >= static_cast<float>(std::size(settingRows))) {
        return;
    }
    screen.row = static_cast<std::size_t>(row);
    if (button == GLUT_LEFT_BUTTON || button == GLUT_RIGHT_BUTTON) {
        changeSetting(screen.row, button == GLUT_LEFT_BUTTON ? 1 : -1);
    }
}

void forgetPause()
{
    if (screen.on) {
        Host::current().setPaused(false);
        pauseSound(false);
    }
    screen = Pause{};
}
