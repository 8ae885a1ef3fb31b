#pragma once
// How far apart two colours look, and moving one of them to a wanted distance
// from the other. Colours are measured in a space that weighs green most and
// blue least (195 x 390 x 65), close to how bright the channels appear; the
// distance wanted next to a dark colour is up to twice the one next to a light
// colour, since dark shades are harder to tell apart.
#include <windows.h>

class ColorContrast {
public:
    static double Distance(COLORREF a, COLORREF b);
    static double Brightness(COLORREF clr);
    // The threshold as it applies next to the reference colour.
    static double AdaptedThreshold(COLORREF reference, int threshold);

    static bool DifferEnough(COLORREF reference, COLORREF other, int threshold);
    // other moved straight toward the reference until the adapted threshold apart.
    static COLORREF PullToward(COLORREF reference, COLORREF other, int threshold);
    // other made darker or lighter (along its line from black or from white)
    // until the adapted threshold apart from the reference.
    static COLORREF PushAway(COLORREF reference, COLORREF other, int threshold);
};
