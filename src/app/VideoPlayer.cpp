// Shows the decoded video frames on a textured quad, paced by the host's clock.
// Apart from VideoSource, which decodes: this side only times and draws.

#include "app/VideoPlayer.h"

#include "model/FlatMaterial.h"
#include "platform/Host.h"
#include "platform/VideoSource.h"

#include <GL/gl.h>

#include <cstdio>
#include <vector>

namespace {

VideoSource source;
GLuint videoTexture = 0;
int currentFrame = 0;
int elapsedMs = 0;
int lastTick = 0;

void reportError(const char* message)
{
    std::fprintf(stderr, "Error: %s\n", message);
}

bool openStream(const char* file)
{
    switch (source.open(file)) {
    case VideoSource::OpenResult::Opened:
        return true;
    case VideoSource::OpenResult::NoStream:
        reportError("Failed To Open The AVI Stream");
        return false;
    case VideoSource::OpenResult::NoDecoder:
        reportError("Failed To Open The AVI Frame");
        return false;
    }
    return false;
}

// A frame that cannot be decoded leaves the previous picture on screen.
void grabFrame(int index)
{
    const unsigned char* pixels = source.frame(index);
    if (pixels != nullptr) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, VideoSource::imageSize, VideoSource::imageSize,
                        GL_RGB, GL_UNSIGNED_BYTE, pixels);
    }
}

void drawVideoFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, videoTexture);
    grabFrame(currentFrame);
    glLoadIdentity();

    const GLfloat white[] = {1.0f, 1.0f, 1.0f, 0.5f};
    setFlatMaterial(GL_FRONT, white);

    // At 45 degrees and a 4:3 view this fills the height and a 4:3 width.
    glBegin(GL_QUADS);
        glTexCoord2f(1.0f, 1.0f);
        glVertex3f(11.0f, 8.3f, -20.0f);
        glTexCoord2f(0.0f, 1.0f);
        glVertex3f(-11.0f, 8.3f, -20.0f);
        glTexCoord2f(0.0f, 0.0f);
        glVertex3f(-11.0f, -8.3f, -20.0f);
        glTexCoord2f(1.0f, 0.0f);
        glVertex3f(11.0f, -8.3f, -20.0f);
    glEnd();

    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -10.0f);
    glFlush();
}

} // namespace

bool openVideo(const char* file)
{
    closeVideo();
    if (!openStream(file)) {
        return false;
    }
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);

    // The texture is allocated once here; each frame only replaces its texels.
    glGenTextures(1, &videoTexture);
    glBindTexture(GL_TEXTURE_2D, videoTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    const unsigned char* first = source.frame(0);
    const std::vector<unsigned char> black(first == nullptr ? VideoSource::imageBytes : 0, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, VideoSource::imageSize, VideoSource::imageSize, 0,
                 GL_RGB, GL_UNSIGNED_BYTE, first != nullptr ? first : black.data());

    currentFrame = 0;
    elapsedMs = 0;
    lastTick = Host::current().elapsedMs();
    return true;
}

void advanceVideo()
{
    if (!source.isOpen()) {
        return;
    }
    const int now = Host::current().elapsedMs();
    elapsedMs += now - lastTick;
    currentFrame = elapsedMs / source.msPerFrame();
    if (currentFrame >= source.frameCount()) {
        currentFrame = 0;
        elapsedMs = 0;
    }
    lastTick = now;
    drawVideoFrame();
}

void closeVideo()
{
    if (videoTexture != 0) {
        glDeleteTextures(1, &videoTexture);
        videoTexture = 0;
    }
    source.close();
}
