// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace norv {

// A colour as one number: 0x00BBGGRR for red, green, blue, or a system colour
// (high bit set) that the toolkit resolves from the desktop's palette.
using Color = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Color(r) | (Color(g) << 8) | (Color(b) << 16);
}
constexpr std::uint8_t red(Color c) { return c & 0xFF; }
constexpr std::uint8_t green(Color c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t blue(Color c) { return (c >> 16) & 0xFF; }

namespace SystemColor {
constexpr Color Menu = 0x80000004;   // background of menus
constexpr Color Window = 0x80000005; // background of input fields
constexpr Color ButtonFace = 0x8000000F;
} // namespace SystemColor

// The main window's two marks: a field that the pressed field depends on
// turns light red while the mouse button is held, and white after.
constexpr Color kHighlightColor = rgb(255, 127, 127);
constexpr Color kNormalColor = rgb(255, 255, 255);

constexpr bool isSystemColor(Color c) { return (c & 0x80000000u) != 0; }

} // namespace norv
