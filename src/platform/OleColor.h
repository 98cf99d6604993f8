#pragma once

#include <QtGlobal>

namespace orvik3 {

// Colours as the control stores them: 0x00BBGGRR, or 0x80000000 | n for system colour n.
using OleColor = quint32;

constexpr OleColor oleRgb(int red, int green, int blue)
{
    return OleColor(red & 0xFF) | (OleColor(green & 0xFF) << 8) | (OleColor(blue & 0xFF) << 16);
}
constexpr bool isSystemColor(OleColor c) { return (c & 0x80000000u) != 0; }
constexpr int systemColorIndex(OleColor c) { return int(c & 0xFFu); }
constexpr int oleRed(OleColor c) { return int(c & 0xFF); }
constexpr int oleGreen(OleColor c) { return int((c >> 8) & 0xFF); }
constexpr int oleBlue(OleColor c) { return int((c >> 16) & 0xFF); }

namespace colors {
constexpr OleColor green = oleRgb(0, 255, 0);
constexpr OleColor red = oleRgb(255, 0, 0);
constexpr OleColor white = oleRgb(255, 255, 255);
constexpr OleColor darkTeal = oleRgb(0, 96, 128); // 0x806000
constexpr OleColor grey = oleRgb(128, 128, 128);
constexpr OleColor black = oleRgb(0, 0, 0);
constexpr OleColor windowBackground = 0x80000005u; // system colour 5
constexpr OleColor buttonFace = 0x8000000Fu;       // system colour 15
constexpr OleColor buttonText = 0x80000012u;       // system colour 18
constexpr OleColor windowText = 0x80000008u;       // system colour 8
} // namespace colors

} // namespace orvik3
