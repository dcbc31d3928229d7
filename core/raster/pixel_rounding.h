#pragma once
#include <algorithm>
#include <cmath>

// The first pixel whose centre lies at or after v: a fill covers the pixels whose centres lie in
// [x, x + w), so fractional bars keep their place and width on average. Bounded so that hostile
// sizes stay in range. The ceiling without std::ceil (a library call without SSE4.1) or a round
// trip through an integer register: adding and taking away 1.5 x 2^52 rounds a double below 2^51
// to the nearest integer, exactly; one more where that fell below.
inline long long PixelEdge(float v) {
    double edge = double(v) - 0.5;
    if (!(edge >= -1e12 && edge <= 1e12)) {  // rare: out of range, or NaN (covers nothing)
        if (!(v == v)) return 0;
        edge = std::clamp(edge, -1e12, 1e12);
    }
    constexpr double kRound = 6755399441055744.0;
    const double nearest = (edge + kRound) - kRound;  // exact in IEEE arithmetic (no fast-math here)
    return (long long)(nearest + double(nearest < edge));
}

// PixelEdge clamped to [0, limit].
inline int PixelEdgeWithin(float v, int limit) { return int(std::clamp<long long>(PixelEdge(v), 0, limit)); }

// A length in pixels to whole pixels, halves away from zero.
inline int RoundPixels(double v) { return int(std::lround(v)); }
