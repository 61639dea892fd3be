// Setting one colour for every lighting term of the current material.
// Apart from the model node so effects and the video player share it without drawing models.

#include "model/FlatMaterial.h"

#include <initializer_list>

void setFlatMaterial(GLenum face, const GLfloat* colour)
{
    for (const GLenum term : {GL_AMBIENT, GL_DIFFUSE, GL_EMISSION, GL_SPECULAR}) {
        glMaterialfv(face, term, colour);
    }
}
