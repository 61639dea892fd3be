#include "platform/PlayerFiles.h"

#include <gtest/gtest.h>

// user-dirs.dirs as xdg-user-dirs writes it, or as a hand has damaged it;
// a home of "" is none.
TEST(PicturesFolderTest, IsAnAbsoluteOrHomeFolderFromUserDirsElseHomePictures)
{
    const char* cases[][3] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/h", "/h/Bilder"},
        {"  XDG_PICTURES_DIR=\"/srv/fotos\" \r\n", "", "/srv/fotos"},
        {"XDG_PICTURES_DIR=\"$HOME/a\"\nXDG_PICTURES_DIR=\"$HOME\"\n", "/h", "/h"}, // the shell keeps the last
        {"", "/h", "/h/Pictures"},
        {"XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "", ""},
        {"# XDG_PICTURES_DIR=\"/srv/fotos\"\n", "/h", "/h/Pictures"},
        {"XDG_PICTURES_DIR=\"Bilder\"\n", "/h", "/h/Pictures"},        // relative: ignored
        {"XDG_PICTURES_DIR=\"$HOMEBilder\"\n", "/h", "/h/Pictures"},   // another variable
        {"XDG_PICTURES_DIR=\"/srv/fotos\n", "/h", "/h/Pictures"},      // no closing quote
        {"XDG_PICTURES_DIR=\"/srv/a\" rm -rf\n", "/h", "/h/Pictures"}, // more after the value
    };
    for (const auto& [text, home, folder] : cases) EXPECT_EQ(picturesFolder(text, home).string(), folder) << text;
}
