// The vector layer the kernels are written on: a vector of N lanes per
// target (256-bit lanes for AVX and AVX2, 512-bit for AVX-512), loads and
// stores with masked tails, widening and saturating narrowing, multiply-add,
// horizontal reductions and complex lane shuffles. Kernel sources include
// this header only; they are compiled once per target (see core/dispatch.h),
// so each compilation sees the widest vectors of its target.
#pragma once
#include "core/simd/float_vec.h"
#include "core/simd/int_lanes.h"
#include "core/simd/byte_lanes.h"
#include "core/simd/complex_lanes.h"
#include "core/simd/estimates.h"
#include "core/simd/float_bits.h"
#include "core/simd/float_ops.h"
#include "core/simd/int_elements.h"
#include "core/simd/int_pairs.h"
#include "core/simd/lane_access.h"
#include "core/simd/lanes32.h"
