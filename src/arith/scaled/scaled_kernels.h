// Kernels of the scaled arithmetic family: one table per instruction-set
// target, every row a member of the family in one operand form. The table is
// produced from one list; scaled_kernels.cpp is compiled once per target and
// fills its table from the same list.
#pragma once
#include "arith/scaled/scaled_members.h"
#include "core/dispatch.h"

namespace orvs::scaled {

// SCALED(member, form): the scaled kernel, d = scaled(x op y) for every scale
// factor up to the member's kScaledMax (the entry zeroes above it).
// PLAIN(member, form): the unscaled kernel, saturated (integers) or rounded
// once (floating point).
// form: VV two vectors, VC a vector and a constant, V one vector.
#define ORVS_SCALED_KERNELS(SCALED, PLAIN) \
    SCALED(Add8u, VV) \
    SCALED(Sub8u, VV) \
    SCALED(Mul8u, VV) \
    SCALED(AddC8u, VC) \
    SCALED(SubC8u, VC) \
    SCALED(SubCRev8u, VC) \
    SCALED(MulC8u, VC) \
    SCALED(Add16u, VV) \
    SCALED(Sub16u, VV) \
    SCALED(Mul16u, VV) \
    SCALED(AddC16u, VC) \
    SCALED(SubC16u, VC) \
    SCALED(SubCRev16u, VC) \
    SCALED(MulC16u, VC) \
    SCALED(Add16s, VV) \
    SCALED(Sub16s, VV) \
    SCALED(Mul16s, VV) \
    SCALED(AddC16s, VC) \
    SCALED(SubC16s, VC) \
    SCALED(SubCRev16s, VC) \
    SCALED(MulC16s, VC) \
    PLAIN(Abs16s, V) \
    SCALED(Add16sc, VV) \
    SCALED(Sub16sc, VV) \
    SCALED(Mul16sc, VV) \
    SCALED(AddC16sc, VC) \
    SCALED(SubC16sc, VC) \
    SCALED(SubCRev16sc, VC) \
    SCALED(MulC16sc, VC) \
    SCALED(Add32s, VV) \
    SCALED(Sub32s, VV) \
    SCALED(Mul32s, VV) \
    SCALED(AddC32s, VC) \
    SCALED(SubC32s, VC) \
    SCALED(SubCRev32s, VC) \
    SCALED(MulC32s, VC) \
    SCALED(Add32sc, VV) \
    SCALED(Sub32sc, VV) \
    SCALED(Mul32sc, VV) \
    SCALED(AddC32sc, VC) \
    SCALED(SubC32sc, VC) \
    SCALED(SubCRev32sc, VC) \
    SCALED(MulC32sc, VC) \
    SCALED(Add64s, VV) \
    SCALED(MulC64s, VC) \
    SCALED(Mul16u16s, VV) \
    SCALED(Mul16s32s, VV) \
    SCALED(Mul32s32sc, VV) \
    SCALED(MulLow32s, VV) \
    SCALED(AddProduct16s, VV) \
    SCALED(AddProduct16s32s, VV) \
    SCALED(AddProduct32s, VV) \
    PLAIN(Add8u16u, VV) \
    PLAIN(Mul8u16u, VV) \
    PLAIN(Add16s32sInto, VV) \
    PLAIN(Add32u, VV) \
    PLAIN(Abs32s, V) \
    PLAIN(Add32f, VV) \
    PLAIN(Sub32f, VV) \
    PLAIN(Mul32f, VV) \
    PLAIN(AddC32f, VC) \
    PLAIN(SubC32f, VC) \
    PLAIN(SubCRev32f, VC) \
    PLAIN(MulC32f, VC) \
    PLAIN(AddProduct32f, VV) \
    PLAIN(Add64f, VV) \
    PLAIN(Sub64f, VV) \
    PLAIN(Mul64f, VV) \
    PLAIN(AddC64f, VC) \
    PLAIN(SubC64f, VC) \
    PLAIN(SubCRev64f, VC) \
    PLAIN(MulC64f, VC) \
    PLAIN(AddProduct64f, VV) \
    PLAIN(Add32fc, VV) \
    PLAIN(Sub32fc, VV) \
    PLAIN(Mul32fc, VV) \
    PLAIN(AddC32fc, VC) \
    PLAIN(SubC32fc, VC) \
    PLAIN(SubCRev32fc, VC) \
    PLAIN(MulC32fc, VC) \
    PLAIN(AddProduct32fc, VV) \
    PLAIN(Add64fc, VV) \
    PLAIN(Sub64fc, VV) \
    PLAIN(Mul64fc, VV) \
    PLAIN(AddC64fc, VC) \
    PLAIN(SubC64fc, VC) \
    PLAIN(SubCRev64fc, VC) \
    PLAIN(MulC64fc, VC) \
    PLAIN(AddProduct64fc, VV) \
    PLAIN(AddProduct32f, VC) \
    PLAIN(Mul32f32fc, VV) \
    PLAIN(Add16s32f, VV) \
    PLAIN(Sub16s32f, VV) \
    PLAIN(Mul16s32f, VV) \
    PLAIN(Abs32f, V) \
    PLAIN(Abs64f, V)

// The second operand of each form.
#define ORVS_SCALED_ARG_VV(Op) Vec<members::Op::Src2>
#define ORVS_SCALED_ARG_VC(Op) Scalar<members::Op::Src2>
#define ORVS_SCALED_ARG_V(Op) NoArg

template <class Op, class Y>
using ScaledFn = void (*)(Vec<typename Op::Src1>, Y, typename Op::Dst*, int len, int scaleFactor);
template <class Op, class Y>
using PlainFn = void (*)(Vec<typename Op::Src1>, Y, typename Op::Dst*, int len);

#define ORVS_SCALED_ROW(Op, Form) ScaledFn<members::Op, ORVS_SCALED_ARG_##Form(Op)> Op##_##Form;
#define ORVS_PLAIN_ROW(Op, Form) PlainFn<members::Op, ORVS_SCALED_ARG_##Form(Op)> Op##_##Form;
struct KernelTable {
    ORVS_SCALED_KERNELS(ORVS_SCALED_ROW, ORVS_PLAIN_ROW)
    // Single-precision products converted to 16 bits: clamped then rounded
    // under the current rounding mode, or (low) converted to 32 bits first
    // and then saturated.
    void (*mulCTo16s)(const Orv32f* src, Orv32f val, Orv16s* dst, int len);
    void (*mulCTo16sLow)(const Orv32f* src, Orv32f val, Orv16s* dst, int len);
};
#undef ORVS_SCALED_ROW
#undef ORVS_PLAIN_ROW

// The row of a member in one operand form (Y is the second operand).
template <class Op, class Y> struct Row;
#define ORVS_SCALED_SLOT(Op, Form)                                          \
    template <> struct Row<members::Op, ORVS_SCALED_ARG_##Form(Op)> {       \
        static constexpr auto slot = &KernelTable::Op##_##Form;             \
    };
ORVS_SCALED_KERNELS(ORVS_SCALED_SLOT, ORVS_SCALED_SLOT)
#undef ORVS_SCALED_SLOT

namespace avx { extern const KernelTable table; }
namespace avx2 { extern const KernelTable table; }
namespace avx512 { extern const KernelTable table; }

inline const KernelTable& kernels()
{
    return dispatch::pick<KernelTable>(avx::table, avx2::table, avx512::table);
}

} // namespace orvs::scaled
