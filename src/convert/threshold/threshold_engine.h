// The threshold family's entry logic: the argument checks in the library's
// order (pointers, length, relation, level sign, level order), the level-0
// shortcuts of the complex clamps, the floating-point environment of the
// reciprocals and their two-thread split. The exported entries
// (threshold_entries.def) call these drivers.
#pragma once
#include <atomic>

#include "convert/threshold/threshold_kernels.h"
#include "core/check.h"
#include "core/fpguard.h"
#include "core/parallel.h"
#include "core/vocabulary.h"
#include "orvs/threshold.h"
#include "orvs/types.h"

namespace orvs::threshold {

// Per element type: the type of its levels, whether it is complex, its
// kernels and the length from which its reciprocal runs on two threads.
template <class T> struct Elem;
template <> struct Elem<Orv16s> {
    using Level = Orv16s;
    static auto clamp() { return kernels().clamp_16s; }
};
template <> struct Elem<Orv32s> {
    using Level = Orv32s;
    static auto clamp() { return kernels().clamp_32s; }
};
template <> struct Elem<Orv32f> {
    using Level = Orv32f;
    static auto clamp() { return kernels().clamp_32f; }
    static auto inv() { return kernels().inv_32f; }
    static constexpr int kParallelFrom = 8192;
};
template <> struct Elem<Orv64f> {
    using Level = Orv64f;
    static auto clamp() { return kernels().clamp_64f; }
    static auto inv() { return kernels().inv_64f; }
    static constexpr int kParallelFrom = 2048;
};
template <> struct Elem<Orv16sc> {
    using Level = Orv16s;
    static auto clamp() { return kernels().cclamp_16sc; }
};
template <> struct Elem<Orv32fc> {
    using Level = Orv32f;
    static auto clamp() { return kernels().cclamp_32fc; }
    static auto inv() { return kernels().inv_32fc; }
    static constexpr int kParallelFrom = 2048;
};
template <> struct Elem<Orv64fc> {
    using Level = Orv64f;
    static auto clamp() { return kernels().cclamp_64fc; }
    static auto inv() { return kernels().inv_64fc; }
    static constexpr int kParallelFrom = 512;
};

template <class T> using Level = typename Elem<T>::Level;
template <class T> constexpr bool kComplex = !std::is_same_v<T, Level<T>>;

// The reciprocals split long vectors over a team of two.
constexpr int kTeam = 2;

// A magnitude level must not be negative; written as 0 > level so that a
// NaN level passes.
template <class L>
constexpr OrvStatus levelSign(L level) { return L(0) > level ? orvStsErrThreshNegLevel : orvStsOk; }

template <class T>
inline void realKernel(const T* s, T* d, int len, Mode m, T lo, T vlo, T hi, T vhi)
{
    Elem<T>::clamp()(s, d, len, m, lo, vlo, hi, vhi);
}

// Complex clamps multiply by level / |z| where a zero or infinite factor is
// blended away; every exception is masked meanwhile and the caller's control
// word (flags included) comes back unchanged.
template <class T>
inline OrvStatus magnitudeKernel(const T* s, T* d, int len, CMode m, Level<T> level, T value = T{})
{
    FpControlGuard guard(FpRound::Nearest, true, false);
    Elem<T>::clamp()(s, d, len, m, level, value);
    return orvStsOk;
}

// x < level or x > level, chosen by relOp; complex elements by magnitude.
template <class T>
inline OrvStatus compare(const T* s, T* d, int len, Level<T> level, OrvCmpOp relOp)
{
    ORVS_CHECK(check::vectors(len, s, d));
    const int op = static_cast<int>(relOp);
    if (op != orvCmpLess && op != orvCmpGreater) return orvStsErrBadArg;
    const bool upper = op == orvCmpGreater;
    if constexpr (kComplex<T>) {
        ORVS_CHECK(levelSign(level));
        // Level 0: every magnitude is >= 0, and only zero is <= 0.
        if (level == 0) return upper ? zeroAll(d, len) : (s == d ? orvStsOk : copyAll(s, d, len));
        return magnitudeKernel(s, d, len, upper ? CMode::Upper : CMode::Lower, level);
    } else {
        realKernel<T>(s, d, len, upper ? Mode::Upper : Mode::Lower, level, level, level, level);
        return orvStsOk;
    }
}

// The thin members: the generic entry with a fixed relation.
template <auto Generic, OrvCmpOp Op, class... A>
inline OrvStatus forward(A... a) { return Generic(a..., Op); }

// The 32s clamps, which have no generic entry.
template <Mode M, class T>
inline OrvStatus plain(const T* s, T* d, int len, T level)
{
    ORVS_CHECK(check::vectors(len, s, d));
    realKernel<T>(s, d, len, M, level, level, level, level);
    return orvStsOk;
}

// x < level (complex: |x| < level) gives value; Upper: x > level (|x| > level).
template <bool Upper, class T>
inline OrvStatus replace(const T* s, T* d, int len, Level<T> level, T value)
{
    ORVS_CHECK(check::vectors(len, s, d));
    if constexpr (kComplex<T>) {
        ORVS_CHECK(levelSign(level));
        return magnitudeKernel(s, d, len, Upper ? CMode::UpperVal : CMode::LowerVal, level, value);
    } else {
        realKernel<T>(s, d, len, Upper ? Mode::UpperKeepNaN : Mode::Lower, level, value, level, value);
        return orvStsOk;
    }
}

template <class T>
inline OrvStatus replaceBoth(const T* s, T* d, int len, T levelLT, T valueLT, T levelGT, T valueGT)
{
    ORVS_CHECK(check::vectors(len, s, d));
    if (levelLT > levelGT) return orvStsErrThreshLevels;
    realKernel<T>(s, d, len, Mode::Both, levelLT, valueLT, levelGT, valueGT);
    return orvStsOk;
}

template <Mode M, class T>
inline OrvStatus absolute(const T* s, T* d, int len, T level)
{
    ORVS_CHECK(check::vectors(len, s, d));
    ORVS_CHECK(levelSign(level));
    realKernel<T>(s, d, len, M, level, level, level, level);
    return orvStsOk;
}

// Reciprocals. Each chunk runs with every exception masked; the real kernels
// leave a zero element to the divide-by-zero flag, which the chunk clears
// before and reads after its loop in its own thread, the complex ones report
// it. The warning says whether the vector was split: orvStsWarnDivByZero
// when it was, orvStsWarnInvZero when one thread did it all.
template <class T>
inline OrvStatus reciprocal(const T* s, T* d, int len, Level<T> level)
{
    ORVS_CHECK(check::vectors(len, s, d));
    ORVS_CHECK(levelSign(level));
    const auto fn = Elem<T>::inv();
    std::atomic<bool> split{false};
    const bool zero = parallel::forChunks(len, Elem<T>::kParallelFrom, kTeam, [&](int begin, int count) {
        if (count != len) split.store(true, std::memory_order_relaxed);
        FpControlGuard guard(FpRound::Nearest, true, false);
        if constexpr (kComplex<T>) {
            return fn(s + begin, d + begin, count, level);
        } else {
            FpControlGuard::clearFlags(FpControlGuard::kDivZeroFlag);
            fn(s + begin, d + begin, count, level);
            return FpControlGuard::flagSet(FpControlGuard::kDivZeroFlag);
        }
    });
    if (!zero) return orvStsOk;
    return split.load(std::memory_order_relaxed) ? orvStsWarnDivByZero : orvStsWarnInvZero;
}

} // namespace orvs::threshold
