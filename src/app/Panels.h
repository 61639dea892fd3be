// Heads-up panels: lines of text on a shaded box, and a line centred across the window.

#pragma once

#include "game/TextStyle.h"

#include <string>
#include <vector>

// Pixels between a panel's frame and its text.
inline constexpr float panelMargin = 12.0f;

// `lines` in `style` on a darkened box, `top` pixels down the window (the
// middle when negative) and centred across it.
void drawPanel(const std::vector<std::string>& lines, float top, const TextStyle& style);
// One line centred across the window, its baseline `y` pixels from the top.
void drawCentred(const std::string& line, float y, const TextStyle& style);
