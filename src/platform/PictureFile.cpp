// Reads back the GL pixels and writes them out as PNG through DevIL.
// Its own file to keep DevIL's image calls out of the texture loader.

#include "platform/PictureFile.h"

#include <GL/gl.h>
#include <IL/il.h>

#include <cstddef>
#include <vector>

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
