// Loading an image file into an OpenGL texture, once per name.

#pragma once

// Loads "./data/" + name without its first two characters (names are given
// as "./texture/x.jpg" or as a model's texture file name) into an OpenGL
// texture and returns its name, or 0 when the image cannot be read (the file
// is then named once on the console, with what is wrong).
// wrapMode: 0 repeat, 1 clamp, 2 clamp to edge, else OpenGL's default.
// Without mip-maps, a name loaded before returns its cached texture.
unsigned int loadTexture(const char* name, int wrapMode, bool mipmaps);
