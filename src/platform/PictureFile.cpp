// Reads back the GL pixels and writes them out as PNG through DevIL, and reads pictures in.
// Its own file to keep DevIL's image calls out of the texture loader.

#include "platform/PictureFile.h"

#include <GL/gl.h>
#include <IL/il.h>

#include <cstddef>
#include <cstring>

bool savePicture(const std::string& file, int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());

    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    // GL rows start at the bottom, as DevIL's default origin does.
    ilTexImage(width, height, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, pixels.data());
    ilEnable(IL_FILE_OVERWRITE);
    const bool saved = ilSave(IL_PNG, file.c_str()) == IL_TRUE;
    ilDeleteImages(1, &image);
    return saved;
}

std::optional<Picture> loadPicture(const std::string& file)
{
    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    std::optional<Picture> picture;
    if (ilLoadImage(file.c_str()) && ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE)) {
        picture.emplace();
        picture->width = ilGetInteger(IL_IMAGE_WIDTH);
        picture->height = ilGetInteger(IL_IMAGE_HEIGHT);
        const std::size_t row = static_cast<std::size_t>(picture->width) * 4;
        picture->rgba.resize(row * static_cast<std::size_t>(picture->height));
        const bool bottomFirst = ilGetInteger(IL_IMAGE_ORIGIN) == IL_ORIGIN_LOWER_LEFT;
        const ILubyte* data = ilGetData();
        for (int y = 0; y < picture->height; ++y) {
            const int from = bottomFirst ? picture->height - 1 - y : y;
            std::memcpy(&picture->rgba[row * static_cast<std::size_t>(y)], data + row * static_cast<std::size_t>(from), row);
        }
    }
    while (ilGetError() != IL_NO_ERROR) {
        // A picture that cannot be read leaves its errors queued; they concern no one else.
    }
    ilDeleteImages(1, &image);
    return picture;
}
