#pragma once
#include <cstddef>
#include <cstdint>

namespace imagecodec {

// The colour maths of derived command images, on single channels and on
// rows of 32-bit pixels (blue, green, red, alpha; not premultiplied).
class PixelMath {
public:
    struct Rgb {
        uint8_t r, g, b;
    };

    // channel x (1 - factor) + 255 x factor, truncated.
    static uint8_t Lighten(uint8_t channel, double factor);
    // 0.7 x channel + 76.5, truncated: the faded look.
    static uint8_t Fade(uint8_t channel) { return Lighten(channel, 0.3); }
    // Luminance 0..1.
    static double Luminance(Rgb c);
    // Disabled look: grey (square root of the luminance, so mid tones lighten)
    // or, with colours, from the dark colour (black) to the light one (white).
    static Rgb Grey(Rgb c);
    static Rgb Colourise(Rgb c, Rgb light, Rgb dark);
    static Rgb Darken(Rgb c, double factor);

    static void PremultiplyPixels(uint8_t* bgra, size_t count);
    static void FadePixels(uint8_t* bgra, size_t count);
    static void PaintPixels(uint8_t* bgra, size_t count, Rgb colour);
    // Colourised when both colours are given, grey otherwise.
    static void DisablePixels(uint8_t* bgra, size_t count, const Rgb* light, const Rgb* dark);
};

}  // namespace imagecodec
