// Setting WM_CLASS and _NET_WM_ICON on the GL window through Xlib.
// Its own file because it talks to X past GLUT, which sets neither.

#include "app/WindowIdentity.h"

#include "platform/PictureFile.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

namespace {

// _NET_WM_ICON: for each size its width, its height, then its pixels from
// the top left as ARGB, each in one `long`, as Xlib passes 32-bit properties.
std::vector<unsigned long> iconProperty(const std::filesystem::path& iconTheme)
{
    std::vector<unsigned long> property;
    for (const int size : {16, 32, 48, 64, 128}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const auto picture = loadPicture((iconTheme / name / "apps" / "korvel.png").string());
        if (!picture) {
            continue;
        }
        property.push_back(static_cast<unsigned long>(picture->width));
        property.push_back(static_cast<unsigned long>(picture->height));
        for (std::size_t i = 0; i + 3 < picture->rgba.size(); i += 4) {
            const unsigned char* p = &picture->rgba[i];
            property.push_back(static_cast<unsigned long>(p[3]) << 24 | static_cast<unsigned long>(p[0]) << 16 |
                               static_cast<unsigned long>(p[1]) << 8 | p[2]);
        }
    }
    return property;
}

} // namespace

void identifyWindow(const std::filesystem::path& iconTheme)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0) {
        return;
    }
    std::string name = "korvel";
    std::string windowClassName = windowClass;
    XClassHint hint{name.data(), windowClassName.data()};
    XSetClassHint(display, window, &hint);
    const std::vector<unsigned long> icon = iconProperty(iconTheme);
    if (!icon.empty()) {
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(icon.data()),
                        static_cast<int>(icon.size()));
    }
    XFlush(display);
}
