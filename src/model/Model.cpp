#include "model/Model.h"

#include "model/TextureLoader.h"

void Model::reloadTextures()
{
    for (Material& material : materials) {
        material.texture = material.textureFilename.empty()
            ? 0
            : loadTexture(material.textureFilename.c_str(), 0, false);
    }
}
