#include "imagecodec/PixelMath.h"

#include <cmath>

namespace imagecodec {

uint8_t PixelMath::Lighten(uint8_t channel, double factor) {
    return static_cast<uint8_t>(factor * 255.0 + (1.0 - factor) * channel);
}

double PixelMath::Luminance(Rgb c) {
    return (0.299 * c.r + 0.587 * c.g + 0.114 * c.b) * 0.00392156862745098;
}

PixelMath::Rgb PixelMath::Grey(Rgb c) {
    const auto v = static_cast<uint8_t>(std::pow(Luminance(c), 0.5) * 255.0);
    return {v, v, v};
}

PixelMath::Rgb PixelMath::Colourise(Rgb c, Rgb light, Rgb dark) {
    const double l = Luminance(c);
    const auto mix = [l](uint8_t d, uint8_t li) { return static_cast<uint8_t>((1.0 - l) * d + l * li); };
    return {mix(dark.r, light.r), mix(dark.g, light.g), mix(dark.b, light.b)};
}

PixelMath::Rgb PixelMath::Darken(Rgb c, double factor) {
    return {static_cast<uint8_t>(c.r * factor), static_cast<uint8_t>(c.g * factor), static_cast<uint8_t>(c.b * factor)};
}

void PixelMath::PremultiplyPixels(uint8_t* p, size_t count) {
    for (size_t i = 0; i < count; ++i, p += 4)
        for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(p[c] * p[3] / 255);
}

void PixelMath::FadePixels(uint8_t* p, size_t count) {
    for (size_t i = 0; i < count; ++i, p += 4)
        for (int c = 0; c < 3; ++c) p[c] = Fade(p[c]);
}

void PixelMath::PaintPixels(uint8_t* p, size_t count, Rgb colour) {
    for (size_t i = 0; i < count; ++i, p += 4) {
        p[0] = colour.b;
        p[1] = colour.g;
        p[2] = colour.r;
    }
}

void PixelMath::DisablePixels(uint8_t* p, size_t count, const Rgb* light, const Rgb* dark) {
    for (size_t i = 0; i < count; ++i, p += 4) {
        const Rgb in{p[2], p[1], p[0]};
        const Rgb out = light && dark ? Colourise(in, *light, *dark) : Grey(in);
        p[0] = out.b;
        p[1] = out.g;
        p[2] = out.r;
    }
}

}  // namespace imagecodec
