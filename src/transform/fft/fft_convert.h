// The integer transforms run over floating records: data is widened into the
// work buffer and narrowed back with the caller's scale factor (rounding to
// nearest even, saturation) through the exported conversion entries, so the
// scale rule of every integer FFT is the conversion family's. Used by the
// complex and the real FFT alike. Empty segments are skipped.
#pragma once
#include "orvs/convert.h"

namespace orvs::fft {

struct Widen16s32f {
    void operator()(const Orv16s* s, Orv32f* d, int n) const { if (n > 0) orvsConvert_16s32f(s, d, n); }
};
struct Widen32s64f {
    void operator()(const Orv32s* s, Orv64f* d, int n) const { if (n > 0) orvsConvert_32s64f(s, d, n); }
};
struct Round32s32f {
    void operator()(const Orv32s* s, Orv32f* d, int n) const { if (n > 0) orvsConvert_32s32f(s, d, n); }
};
struct Narrow32f16s {
    int sf;
    void operator()(const Orv32f* s, Orv16s* d, int n) const { if (n > 0) orvsConvert_32f16s_Sfs(s, d, n, orvRndNear, sf); }
};
struct Narrow32f32s {
    int sf;
    void operator()(const Orv32f* s, Orv32s* d, int n) const { if (n > 0) orvsConvert_32f32s_Sfs(s, d, n, orvRndNear, sf); }
};
struct Narrow64f32s {
    int sf;
    void operator()(const Orv64f* s, Orv32s* d, int n) const { if (n > 0) orvsConvert_64f32s_Sfs(s, d, n, orvRndNear, sf); }
};

// Widening and narrowing between an integer type and its floating partner.
template <class Int> struct Convert;
template <> struct Convert<Orv16s> { using Real = float; using Widen = Widen16s32f; using Narrow = Narrow32f16s; };
template <> struct Convert<Orv32s> { using Real = double; using Widen = Widen32s64f; using Narrow = Narrow64f32s; };

// Beyond this many bits every fixed-point result is 0 or saturated; scale
// factors are clamped to it before any offset is added, so the whole int
// range behaves like its ends.
constexpr int kFixedScaleLimit = 200;
inline int clampFixedScale(int sf) { return sf < -kFixedScaleLimit ? -kFixedScaleLimit : sf > kFixedScaleLimit ? kFixedScaleLimit : sf; }

} // namespace orvs::fft
