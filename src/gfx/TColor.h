#pragma once
// Colours are stored as 0x00BBGGRR values (blue in the high byte), so the defaults of the
// style table read as they always have; Qt colours are made from them only when drawing.
#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

namespace TColors
{
constexpr TColor Black = 0x00000000;
constexpr TColor White = 0x00FFFFFF;
constexpr TColor Blue = 0x00FF0000;
constexpr TColor Yellow = 0x0000FFFF;
constexpr TColor Grey = 0x00808080;
constexpr TColor Cream = 0x00F0FBFF;
constexpr TColor Cyan = 0x00FFFF00;
} // namespace TColors

QColor fromTColor(TColor colour);
TColor toTColor(const QColor& colour);
