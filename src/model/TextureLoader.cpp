// The texture cache and the DevIL upload: format conversion, wrap modes and mip-maps.
// Its own file to keep DevIL's image calls to one place for all textures.

#include "model/TextureLoader.h"

#include "platform/DataFile.h"
#include "platform/Language.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <IL/il.h>

#include <cstring>
#include <map>
#include <string>

namespace {

// Every texture ever made, by the name exactly as the caller gave it. Many
// models share one image; this keeps it to one upload.
std::map<std::string, unsigned int> textureCache;

// Paletted images and images with more than 8 bits per channel have no
// OpenGL upload format that matches DevIL's, so they become plain RGBA bytes.
bool ensureByteFormat()
{
    const ILint format = ilGetInteger(IL_IMAGE_FORMAT);
    const ILint type = ilGetInteger(IL_IMAGE_TYPE);
    if (format != IL_COLOUR_INDEX && type == IL_UNSIGNED_BYTE) {
        return true;
    }
    return ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE) == IL_TRUE;
}

// Why DevIL refused the image, from the errors it queued while loading.
std::string imageProblem()
{
    const char* problem = N_("ist kein lesbares Bild");
    for (ILenum error = ilGetError(); error != IL_NO_ERROR; error = ilGetError()) {
        if (error == IL_COULD_NOT_OPEN_FILE) {
            problem = N_("kann nicht geoeffnet werden");
        } else if (error == IL_FILE_READ_ERROR) {
            problem = N_("endet mitten im Bild");
        }
    }
    return tr(problem);
}

void setWrapMode(int wrapMode)
{
    GLint wrap = 0;
    switch (wrapMode) {
    case 0: wrap = GL_REPEAT; break;
    case 1: wrap = GL_CLAMP; break;
    case 2: wrap = GL_CLAMP_TO_EDGE; break;
    default: return; // keep OpenGL's defaults
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
}

} // namespace

unsigned int loadTexture(const char* name, int wrapMode, bool mipmaps)
{
    ilInit(); // returns at once once DevIL is set up

    if (name == nullptr) {
        return 0;
    }
    if (!mipmaps) {
        const auto cached = textureCache.find(name);
        if (cached != textureCache.end()) {
            return cached->second;
        }
    }
    // Names carry a two-character prefix ("./" or ".\") that data/ replaces;
    // a name with nothing after the prefix names no file.
    if (std::strlen(name) <= 2) {
        return 0;
    }
    const std::string path = std::string("./data/") + (name + 2);

    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (!ilLoadImage(path.c_str()) || !ensureByteFormat()) {
        warnAboutFile(path, imageProblem());
        ilDeleteImages(1, &image);
        return 0;
    }

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    setWrapMode(wrapMode);

    const ILubyte* data = ilGetData();
    const ILint height = ilGetInteger(IL_IMAGE_HEIGHT);
    const ILint width = ilGetInteger(IL_IMAGE_WIDTH);
    // DevIL's format constants are OpenGL's (IL_RGB == GL_RGB, IL_BGRA == GL_BGRA, ...).
    const ILint format = ilGetInteger(IL_IMAGE_FORMAT);
    while (ilGetError() != IL_NO_ERROR) {
        // Errors left over from loading do not concern the image we got.
    }

    // DevIL rows are tightly packed; OpenGL's default 4-byte row alignment
    // would read past the end of an RGB image whose width is not a multiple of 4.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, format, GL_UNSIGNED_BYTE, data);
    if (mipmaps) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, format, GL_UNSIGNED_BYTE, data);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);

    ilDeleteImages(1, &image);
    // On the mip-map path the name may be cached already; the first texture stays.
    textureCache.emplace(name, texture);
    return texture;
}
