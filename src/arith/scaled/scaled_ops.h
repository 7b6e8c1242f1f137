// Operations of the scaled arithmetic family.
//
// An operation is a small trait: its operand and destination types, the wide
// type that holds its exact result (and the rounding bias of the widest
// scale factor it scales element by element), the range of scale factors it
// scales element by element, and `exact`, the exact result of one element.
// Complex integer results come back as a pair of wide components; the engine
// scales and saturates each component by the same rule.
//
// Everything here is inlined into the kernels; nothing is emitted out of line,
// so the kernels compiled for different instruction sets never share code.
#pragma once
#include <climits>
#include <cstdint>
#include <type_traits>

#include "core/saturate.h"
#include "orvs/types.h"

#define ORVS_ARITH_INLINE [[gnu::always_inline]] inline

namespace orvs::scaled {

template <class W>
struct Pair {
    W re, im;
};

template <class T> struct IsComplex : std::false_type {};
template <> struct IsComplex<Orv16sc> : std::true_type {};
template <> struct IsComplex<Orv32sc> : std::true_type {};
template <> struct IsComplex<Orv32fc> : std::true_type {};
template <> struct IsComplex<Orv64fc> : std::true_type {};
template <class T> constexpr bool isComplex = IsComplex<T>::value;

// Component type of a destination element (the element itself when real).
template <class T, bool = isComplex<T>> struct Component { using type = T; };
template <class T> struct Component<T, true> { using type = decltype(T{}.re); };
template <class T> using ComponentT = typename Component<T>::type;

// Argument of an operation that is not used (unary operations).
struct NoArg {
    ORVS_ARITH_INLINE int operator[](std::ptrdiff_t) const { return 0; }
};

// What a vector-constant operation does with its constant; the entries take
// whole-vector shortcuts from it (a neutral or absorbing constant).
enum class ConstKind { None, Add, Sub, SubRev, Mul };

// The arithmetic form of an operation on its two operands a, b (the
// constant, if any, is b): a + b, a - b, b - a, a * b. Kernels with
// hand-written vector paths pick their instructions from it.
enum class Form { Other, Sum, DiffAB, DiffBA, Prod };

// Typedefs and flags shared by every operation.
// Lo .. Hi is the range of scale factors scaled element by element; above Hi
// the destination is zeroed, below Lo every output saturates by its sign.
template <class A, class B, class D, class W, int Lo = 0, int Hi = 0>
struct OpBase {
    using Src1 = A;
    using Src2 = B;
    using Dst = D;
    using Wide = W;
    static constexpr int kScaledMin = Lo;
    static constexpr int kScaledMax = Hi;
    static constexpr bool kAccumulate = false;  // exact() also takes the old destination
    static constexpr bool kLow = false;          // keep low bits instead of saturating
    static constexpr ConstKind kConstKind = ConstKind::None;
    static constexpr bool kProduct = false;      // a product of the two operands
    static constexpr Form kForm = Form::Other;
};

// ---- element formulas, real and complex -----------------------------------

template <class W, class A, class B>
ORVS_ARITH_INLINE auto addOf(A a, B b)
{
    if constexpr (isComplex<A>) return Pair<W>{W(a.re) + W(b.re), W(a.im) + W(b.im)};
    else return W(a) + W(b);
}
template <class W, class A, class B>
ORVS_ARITH_INLINE auto subOf(A a, B b)  // a - b
{
    if constexpr (isComplex<A>) return Pair<W>{W(a.re) - W(b.re), W(a.im) - W(b.im)};
    else return W(a) - W(b);
}
template <class W, class A, class B>
ORVS_ARITH_INLINE auto mulOf(A a, B b)
{
    if constexpr (isComplex<A> && isComplex<B>)
        return Pair<W>{W(a.re) * W(b.re) - W(a.im) * W(b.im), W(a.re) * W(b.im) + W(a.im) * W(b.re)};
    else if constexpr (isComplex<B>)  // real times complex
        return Pair<W>{W(a) * W(b.re), W(a) * W(b.im)};
    else return W(a) * W(b);
}

// ---- vector-vector operations (Sub is second operand minus first) ----------

template <class T, class W, int Lo = 0, int Hi = 0, class D = T>
struct Add : OpBase<T, T, D, W, Lo, Hi> {
    static constexpr Form kForm = Form::Sum;
    ORVS_ARITH_INLINE static auto exact(T a, T b) { return addOf<W>(a, b); }
};
template <class T, class W, int Lo = 0, int Hi = 0, class D = T>
struct Sub : OpBase<T, T, D, W, Lo, Hi> {
    static constexpr Form kForm = Form::DiffBA;
    ORVS_ARITH_INLINE static auto exact(T a, T b) { return subOf<W>(b, a); }
};
template <class A, class W, int Lo = 0, int Hi = 0, class D = A, class B = A>
struct Mul : OpBase<A, B, D, W, Lo, Hi> {
    static constexpr Form kForm = Form::Prod;
    static constexpr bool kProduct = true;
    ORVS_ARITH_INLINE static auto exact(A a, B b) { return mulOf<W>(a, b); }
};

// ---- vector-constant operations --------------------------------------------

template <class T, class W, int Lo = 0, int Hi = 0>
struct AddC : OpBase<T, T, T, W, Lo, Hi> {
    static constexpr Form kForm = Form::Sum;
    static constexpr ConstKind kConstKind = ConstKind::Add;
    ORVS_ARITH_INLINE static auto exact(T a, T v) { return addOf<W>(a, v); }
};
template <class T, class W, int Lo = 0, int Hi = 0>
struct SubC : OpBase<T, T, T, W, Lo, Hi> {
    static constexpr Form kForm = Form::DiffAB;
    static constexpr ConstKind kConstKind = ConstKind::Sub;
    ORVS_ARITH_INLINE static auto exact(T a, T v) { return subOf<W>(a, v); }
};
template <class T, class W, int Lo = 0, int Hi = 0>
struct SubCRev : OpBase<T, T, T, W, Lo, Hi> {
    static constexpr Form kForm = Form::DiffBA;
    static constexpr ConstKind kConstKind = ConstKind::SubRev;
    ORVS_ARITH_INLINE static auto exact(T a, T v) { return subOf<W>(v, a); }
};
template <class T, class W, int Lo = 0, int Hi = 0>
struct MulC : OpBase<T, T, T, W, Lo, Hi> {
    static constexpr Form kForm = Form::Prod;
    static constexpr ConstKind kConstKind = ConstKind::Mul;
    static constexpr bool kProduct = true;
    ORVS_ARITH_INLINE static auto exact(T a, T v) { return mulOf<W>(a, v); }
};

// ---- accumulating, widening and special operations -------------------------

// acc + a * b, the sum scaled as a whole. Also the floating AddProduct(C),
// where W is the component type and the product and the sum round once each.
template <class A, class D, class W, int Lo = 0, int Hi = 0>
struct AddProduct : OpBase<A, A, D, W, Lo, Hi> {
    static constexpr bool kAccumulate = true;
    static constexpr bool kProduct = true;
    ORVS_ARITH_INLINE static auto exact(A a, A b, D acc)
    {
        if constexpr (isComplex<D>) {
            const Pair<W> p = mulOf<W>(a, b);
            return Pair<W>{W(acc.re) + p.re, W(acc.im) + p.im};
        } else {
            return W(acc) + mulOf<W>(a, b);
        }
    }
};

// Source added into a wider accumulator that is also the second operand.
template <class A, class D, class W>
struct AddInto : OpBase<A, D, D, W> {
    ORVS_ARITH_INLINE static W exact(A a, D acc) { return W(acc) + W(a); }
};

// Low 32 bits of the product, shifted without rounding or saturation.
template <int Lo, int Hi>
struct MulLow : OpBase<Orv32s, Orv32s, Orv32s, std::int64_t, Lo, Hi> {
    static constexpr bool kLow = true;
    ORVS_ARITH_INLINE static std::int64_t exact(Orv32s a, Orv32s b) { return std::int64_t(a) * b; }
};

// Integer sums, differences and products converted to single precision.
template <class Op>
struct ToFloat : OpBase<typename Op::Src1, typename Op::Src2, Orv32f, Orv32f> {
    ORVS_ARITH_INLINE static Orv32f exact(typename Op::Src1 a, typename Op::Src2 b)
    {
        return static_cast<Orv32f>(Op::exact(a, b));
    }
};

// Magnitude: integer forms saturate, floating forms clear the sign bit.
template <class T, class W>
struct Abs : OpBase<T, T, T, W> {
    ORVS_ARITH_INLINE static auto exact(T a, int)
    {
        if constexpr (std::is_same_v<T, float>) return __builtin_fabsf(a);
        else if constexpr (std::is_same_v<T, double>) return __builtin_fabs(a);
        else return a < 0 ? -W(a) : W(a);
    }
};

} // namespace orvs::scaled

namespace orvs::scaled {

// Operand access: a vector, or a constant standing in for one.
template <class T>
struct Vec {
    const T* p;
    ORVS_ARITH_INLINE T operator[](std::ptrdiff_t i) const { return p[i]; }
};
template <class T>
struct Scalar {
    T v;
    ORVS_ARITH_INLINE T operator[](std::ptrdiff_t) const { return v; }
};

} // namespace orvs::scaled
