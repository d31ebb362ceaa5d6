#pragma once

#include <QRect>

// The window's layout is drawn up in twips; at 96 dots per inch 15 twips make one pixel, so
// here 15 twips make one logical pixel and Qt scales that for the screen.
constexpr int twipsToPixels(int twips)
{
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
