// The element-wise engine of the scaled arithmetic family: argument checks,
// whole-vector shortcuts, the scale-factor cut-over, and the choice of the
// kernel variant. Exported entries are one-line calls into these templates.
#pragma once
#include <cstring>
#include <optional>
#include <type_traits>

#include "arith/scaled/scaled_kernels.h"
#include "arith/scaled/scaled_members.h"
#include "core/check.h"
#include "core/vocabulary.h"
#include "orvs/vector.h"

namespace orvs::scaled {

// ---- the kernel of this target ----------------------------------------------

// Every scale factor below the member's range gives the same outputs (sign
// saturation), so the kernels see at most one below it: no negation or
// offset of the scale factor can overflow, down to INT_MIN.
template <class Op>
constexpr int clampScale(int s)
{
    return s < Op::kScaledMin - 1 ? Op::kScaledMin - 1 : s;
}

template <class Op, class X, class Y>
void runScaled(X x, Y y, typename Op::Dst* d, int len, int s)
{
    (kernels().*Row<Op, Y>::slot)(x, y, d, len, clampScale<Op>(s));
}

template <class Op, class X, class Y>
void runPlain(X x, Y y, typename Op::Dst* d, int len)
{
    (kernels().*Row<Op, Y>::slot)(x, y, d, len);
}

// ---- whole-vector results through the vector entries -----------------------

inline OrvStatus fillMax(Orv8u* d, int n) { return orvsSet_8u(255, d, n); }
inline OrvStatus fillMax(Orv16u* d, int n) { return orvsSet_16s(Orv16s(-1), reinterpret_cast<Orv16s*>(d), n); }

// The source unchanged in the destination; in place nothing is written.
template <class T>
OrvStatus keepSource(const T* src, T* dst, int len)
{
    if (src == dst) return check::vectors(len, dst);
    return copyAll(src, dst, len);
}

template <class T>
bool isZero(T v)
{
    if constexpr (isComplex<T>) return v.re == 0 && v.im == 0;
    else return v == 0;  // -0.0 included
}

// The unsigned 16-bit members take their shortcuts before checking pointers
// and length (the delegated entry then checks what it uses).
template <class Op>
constexpr bool kShortcutsFirst =
    std::is_same_v<typename Op::Src1, Orv16u> && std::is_same_v<typename Op::Dst, Orv16u>;

// Whole-vector results of a constant operation that do not depend on the
// data, or nothing when the elements must be computed.
template <class Op, class T>
std::optional<OrvStatus> constShortcut(const T* src, T val, T* dst, int len, int s)
{
    constexpr ConstKind kind = Op::kConstKind;
    if (s > Op::kScaledMax) return zeroAll(dst, len);
    if constexpr (kind == ConstKind::Mul && !isComplex<T>) {
        if (val == 0) return zeroAll(dst, len);
        if (val == 1 && s == 0) return keepSource(src, dst, len);
    }
    if constexpr (kind == ConstKind::Add || kind == ConstKind::Sub) {
        if (s == 0 && isZero(val)) return keepSource(src, dst, len);
    }
    if constexpr (kind == ConstKind::SubRev && std::is_same_v<T, Orv16u>) {
        if (val == 0) return zeroAll(dst, len);
    }
    if constexpr (kind == ConstKind::Add && std::is_unsigned_v<T>) {
        if (s < Op::kScaledMin && val != 0) return fillMax(dst, len);
    }
    return std::nullopt;
}

// ---- integer entries ---------------------------------------------------------

// d[n] = scaled(a[n] op b[n]); also the in-place forms (d is a or b) and the
// accumulating ones (d is also read).
template <class Op>
OrvStatus scaledVV(const typename Op::Src1* a, const typename Op::Src2* b, typename Op::Dst* d, int len, int s)
{
    if constexpr (kShortcutsFirst<Op>) {
        if (s > Op::kScaledMax) return zeroAll(d, len);
    }
    ORVS_CHECK(check::vectors(len, a, b, d));
    if (s > Op::kScaledMax) return zeroAll(d, len);
    runScaled<Op>(Vec<typename Op::Src1>{a}, Vec<typename Op::Src2>{b}, d, len, s);
    return orvStsOk;
}

// d[n] = scaled(a[n] op val); in place when d is a.
template <class Op>
OrvStatus scaledVC(const typename Op::Src1* a, typename Op::Src2 val, typename Op::Dst* d, int len, int s)
{
    if constexpr (kShortcutsFirst<Op>) {
        if (auto st = constShortcut<Op>(a, val, d, len, s)) return *st;
    }
    ORVS_CHECK(check::vectors(len, a, d));
    if (auto st = constShortcut<Op>(a, val, d, len, s)) return *st;
    runScaled<Op>(Vec<typename Op::Src1>{a}, Scalar<typename Op::Src2>{val}, d, len, s);
    return orvStsOk;
}

// Integer entries without a scale factor: the exact result saturated.
template <class Op>
OrvStatus saturatedVV(const typename Op::Src1* a, const typename Op::Src2* b, typename Op::Dst* d, int len)
{
    return scaledVV<Op>(a, b, d, len, 0);
}
template <class Op>
OrvStatus saturatedVC(const typename Op::Src1* a, typename Op::Src2 val, typename Op::Dst* d, int len)
{
    return scaledVC<Op>(a, val, d, len, 0);
}

// ---- unscaled entries (floating point, widening and saturating members) -----

template <class Op>
OrvStatus plainVV(const typename Op::Src1* a, const typename Op::Src2* b, typename Op::Dst* d, int len)
{
    ORVS_CHECK(check::vectors(len, a, b, d));
    runPlain<Op>(Vec<typename Op::Src1>{a}, Vec<typename Op::Src2>{b}, d, len);
    return orvStsOk;
}

// Floating constants: AddC/SubC by zero and MulC by one keep the source
// unchanged (signed zeros survive), MulC by zero writes +0 everywhere; complex
// constants compute every element.
template <class Op>
OrvStatus plainVC(const typename Op::Src1* a, typename Op::Src2 val, typename Op::Dst* d, int len)
{
    using T = typename Op::Src2;
    ORVS_CHECK(check::vectors(len, a, d));
    if constexpr (std::is_floating_point_v<T> && std::is_same_v<typename Op::Src1, typename Op::Dst>) {
        constexpr ConstKind kind = Op::kConstKind;
        if constexpr (kind == ConstKind::Add || kind == ConstKind::Sub) {
            if (val == 0) return keepSource(a, d, len);
        }
        if constexpr (kind == ConstKind::Mul) {
            if (val == 1) return keepSource(a, d, len);
            if (val == 0) return zeroAll(d, len);
        }
    }
    runPlain<Op>(Vec<typename Op::Src1>{a}, Scalar<T>{val}, d, len);
    return orvStsOk;
}

template <class Op>
OrvStatus plainV(const typename Op::Src1* a, typename Op::Dst* d, int len)
{
    ORVS_CHECK(check::vectors(len, a, d));
    runPlain<Op>(Vec<typename Op::Src1>{a}, NoArg{}, d, len);
    return orvStsOk;
}

// Members with a rule of their own (scaled_special.cpp).
OrvStatus mulC32f16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len, int s);
OrvStatus mulCLow32f16s(const Orv32f* src, Orv32f val, Orv16s* dst, int len);
OrvStatus mulC64f64s(Orv64f val, Orv64s* srcDst, int len, int s);

} // namespace orvs::scaled
