// Every member of the family as an operation trait: operand types, the wide
// type of its exact result and its element-by-element scale-factor range.
// The ranges follow from the range of each exact result: above the range
// every result rounds to 0, below it every non-zero result saturates.
#pragma once
#include <cstdint>

#include "arith/scaled/scaled_ops.h"

namespace orvs::scaled::members {

using i32 = std::int32_t;
using i64 = std::int64_t;
using i128 = orvs::i128;

// 8u
using Add8u = Add<Orv8u, i32, -7, 9>;
using Sub8u = Sub<Orv8u, i32, -7, 8>;
using Mul8u = Mul<Orv8u, i32, -7, 16>;
using AddC8u = AddC<Orv8u, i32, -7, 9>;
using SubC8u = SubC<Orv8u, i32, -7, 8>;
using SubCRev8u = SubCRev<Orv8u, i32, -7, 8>;
using MulC8u = MulC<Orv8u, i32, -7, 16>;

// 16u (products need 33 bits with the rounding bias)
using Add16u = Add<Orv16u, i32, -15, 17>;
using Sub16u = Sub<Orv16u, i32, -15, 16>;
using Mul16u = Mul<Orv16u, i64, -15, 32>;
using AddC16u = AddC<Orv16u, i32, -15, 17>;
using SubC16u = SubC<Orv16u, i32, -15, 16>;
using SubCRev16u = SubCRev<Orv16u, i32, -15, 16>;
using MulC16u = MulC<Orv16u, i64, -15, 32>;

// 16s
using Add16s = Add<Orv16s, i32, -15, 16>;
using Sub16s = Sub<Orv16s, i32, -15, 16>;
using Mul16s = Mul<Orv16s, i32, -15, 30>;
using AddC16s = AddC<Orv16s, i32, -15, 16>;
using SubC16s = SubC<Orv16s, i32, -15, 16>;
using SubCRev16s = SubCRev<Orv16s, i32, -15, 16>;
using MulC16s = MulC<Orv16s, i32, -15, 30>;

// 16sc (a complex product component reaches 2^31)
using Add16sc = Add<Orv16sc, i32, -15, 16>;
using Sub16sc = Sub<Orv16sc, i32, -15, 16>;
using Mul16sc = Mul<Orv16sc, i64, -15, 31>;
using AddC16sc = AddC<Orv16sc, i32, -15, 16>;
using SubC16sc = SubC<Orv16sc, i32, -15, 16>;
using SubCRev16sc = SubCRev<Orv16sc, i32, -15, 16>;
using MulC16sc = MulC<Orv16sc, i64, -15, 31>;

// 32s
using Add32s = Add<Orv32s, i64, -30, 32>;
using Sub32s = Sub<Orv32s, i64, -30, 32>;
using Mul32s = Mul<Orv32s, i64, -31, 62>;
using AddC32s = AddC<Orv32s, i64, -30, 32>;
using SubC32s = SubC<Orv32s, i64, -30, 32>;
using SubCRev32s = SubCRev<Orv32s, i64, -30, 32>;
using MulC32s = MulC<Orv32s, i64, -31, 62>;

// 32sc (a complex product component reaches 2^63)
using Add32sc = Add<Orv32sc, i64, -30, 32>;
using Sub32sc = Sub<Orv32sc, i64, -30, 32>;
using Mul32sc = Mul<Orv32sc, i128, -31, 63>;
using AddC32sc = AddC<Orv32sc, i64, -30, 32>;
using SubC32sc = SubC<Orv32sc, i64, -30, 32>;
using SubCRev32sc = SubCRev<Orv32sc, i64, -30, 32>;
using MulC32sc = MulC<Orv32sc, i128, -31, 63>;

// 64s: the sum in 65 bits, the product in 128 bits
using Add64s = Add<Orv64s, i128, -62, 63>;
using MulC64s = MulC<Orv64s, i128, -64, 126>;

// mixed integer members: Mul<A, W, Lo, Hi, D, B>
using Mul16u16s = Mul<Orv16u, i64, -14, 31, Orv16s, Orv16s>;
using Mul16s32s = Mul<Orv16s, i64, -30, 30, Orv32s>;
using Mul32s32sc = Mul<Orv32s, i64, -31, 62, Orv32sc, Orv32sc>;
using MulLow32s = MulLow<-31, 62>;
using AddProduct16s = AddProduct<Orv16s, Orv16s, i64, -14, 31>;
using AddProduct16s32s = AddProduct<Orv16s, Orv32s, i64, -30, 32>;
using AddProduct32s = AddProduct<Orv32s, Orv32s, i64, -30, 62>;
using Add8u16u = Add<Orv8u, i32, 0, 0, Orv16u>;
using Mul8u16u = Mul<Orv8u, i32, 0, 0, Orv16u>;
using Add16s32sInto = AddInto<Orv16s, Orv32s, i64>;
using Add32u = Add<Orv32u, i64>;
using Abs16s = Abs<Orv16s, i32>;
using Abs32s = Abs<Orv32s, i64>;

// floating point: the wide type is the component type
using Add32f = Add<Orv32f, Orv32f>;
using Sub32f = Sub<Orv32f, Orv32f>;
using Mul32f = Mul<Orv32f, Orv32f>;
using AddC32f = AddC<Orv32f, Orv32f>;
using SubC32f = SubC<Orv32f, Orv32f>;
using SubCRev32f = SubCRev<Orv32f, Orv32f>;
using MulC32f = MulC<Orv32f, Orv32f>;
using AddProduct32f = AddProduct<Orv32f, Orv32f, Orv32f>;
using Abs32f = Abs<Orv32f, Orv32f>;

using Add64f = Add<Orv64f, Orv64f>;
using Sub64f = Sub<Orv64f, Orv64f>;
using Mul64f = Mul<Orv64f, Orv64f>;
using AddC64f = AddC<Orv64f, Orv64f>;
using SubC64f = SubC<Orv64f, Orv64f>;
using SubCRev64f = SubCRev<Orv64f, Orv64f>;
using MulC64f = MulC<Orv64f, Orv64f>;
using AddProduct64f = AddProduct<Orv64f, Orv64f, Orv64f>;
using Abs64f = Abs<Orv64f, Orv64f>;

using Add32fc = Add<Orv32fc, Orv32f>;
using Sub32fc = Sub<Orv32fc, Orv32f>;
using Mul32fc = Mul<Orv32fc, Orv32f>;
using AddC32fc = AddC<Orv32fc, Orv32f>;
using SubC32fc = SubC<Orv32fc, Orv32f>;
using SubCRev32fc = SubCRev<Orv32fc, Orv32f>;
using MulC32fc = MulC<Orv32fc, Orv32f>;
using AddProduct32fc = AddProduct<Orv32fc, Orv32fc, Orv32f>;

using Add64fc = Add<Orv64fc, Orv64f>;
using Sub64fc = Sub<Orv64fc, Orv64f>;
using Mul64fc = Mul<Orv64fc, Orv64f>;
using AddC64fc = AddC<Orv64fc, Orv64f>;
using SubC64fc = SubC<Orv64fc, Orv64f>;
using SubCRev64fc = SubCRev<Orv64fc, Orv64f>;
using MulC64fc = MulC<Orv64fc, Orv64f>;
using AddProduct64fc = AddProduct<Orv64fc, Orv64fc, Orv64f>;

using Mul32f32fc = Mul<Orv32f, Orv32f, 0, 0, Orv32fc, Orv32fc>;
using Add16s32f = ToFloat<Add<Orv16s, i32>>;
using Sub16s32f = ToFloat<Sub<Orv16s, i32>>;
using Mul16s32f = ToFloat<Mul<Orv16s, i32>>;

} // namespace orvs::scaled::members
