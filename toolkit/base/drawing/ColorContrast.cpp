#include "ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kScale[3] = {195.0, 390.0, 65.0};

struct Point {
    double c[3];
};

Point Scaled(COLORREF clr)
{
    const int channel[3] = {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
    Point p;
    for (int i = 0; i < 3; ++i)
        p.c[i] = channel[i] * kScale[i] / 255.0;
    return p;
}

COLORREF Unscaled(const Point& p)
{
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        const double v = std::clamp(p.c[i], 0.0, kScale[i]) * 255.0 / kScale[i];
        channel[i] = std::clamp(static_cast<int>(v + 0.5), 0, 255);
    }
    return RGB(channel[0], channel[1], channel[2]);
}

double Dot(const Point& a, const Point& b)
{
    return a.c[0] * b.c[0] + a.c[1] * b.c[1] + a.c[2] * b.c[2];
}

double Length(const Point& p)
{
    return std::sqrt(Dot(p, p));
}

Point Mirrored(const Point& p)
{
    return Point{{kScale[0] - p.c[0], kScale[1] - p.c[1], kScale[2] - p.c[2]}};
}
}

double ColorContrast::Distance(COLORREF a, COLORREF b)
{
    const Point pa = Scaled(a), pb = Scaled(b);
    return Length(Point{{pa.c[0] - pb.c[0], pa.c[1] - pb.c[1], pa.c[2] - pb.c[2]}});
}

double ColorContrast::Brightness(COLORREF clr)
{
    return Length(Scaled(clr));
}

double ColorContrast::AdaptedThreshold(COLORREF reference, int threshold)
{
    const int brightness = static_cast<int>(Brightness(reference));
    return (2.0 - std::min(brightness, 220) / 220.0) * threshold;
}

bool ColorContrast::DifferEnough(COLORREF reference, COLORREF other, int threshold)
{
    return Distance(reference, other) > AdaptedThreshold(reference, threshold);
}

COLORREF ColorContrast::PullToward(COLORREF reference, COLORREF other, int threshold)
{
    const Point a = Scaled(reference), b = Scaled(other);
    const double d = Distance(reference, other);
    if (d <= 0.0)
        return other;
    const double share = (d - AdaptedThreshold(reference, threshold)) / d;
    Point moved;
    for (int i = 0; i < 3; ++i)
        moved.c[i] = b.c[i] + (a.c[i] - b.c[i]) * share;
    return Unscaled(moved);
}

COLORREF ColorContrast::PushAway(COLORREF reference, COLORREF other, int threshold)
{
    const double t = AdaptedThreshold(reference, threshold);
    const double brightnessA = Brightness(reference);
    const bool brighter = Brightness(other) > brightnessA;
    const bool towardWhite = brighter ? brightnessA + t <= 442.0 : brightnessA <= t;

    // Toward white is worked as toward black with every channel turned over.
    Point a = Scaled(reference), b = Scaled(other);
    if (towardWhite) {
        a = Mirrored(a);
        b = Mirrored(b);
    }
    const double length = std::max(Length(b), 0.001);
    const double ab = Dot(a, b);
    const double projection = ab / length;
    const double k = ab / (length * length);
    const Point foot{{k * b.c[0] - a.c[0], k * b.c[1] - a.c[1], k * b.c[2] - a.c[2]}};
    const double offLine = Length(foot);
    // A reference farther from the line than the threshold leaves no point at that
    // distance; rounding must not give the square root a negative argument then.
    const double half = std::sqrt(std::max(t * t - offLine * offLine, 0.0));
    const double share = (projection - half) / length;
    const Point moved{{b.c[0] * share, b.c[1] * share, b.c[2] * share}};
    return Unscaled(towardWhite ? Mirrored(moved) : moved);
}
