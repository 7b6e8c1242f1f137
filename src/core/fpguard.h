// Scoped control of the SSE/AVX floating-point control/status register.
// Kernels that need a particular rounding mode or exception masking set it
// for their duration; the caller's control word is restored on every exit
// path, while exception flags raised meanwhile stay visible to the caller
// unless the guard is asked to discard them.
#pragma once
#include <xmmintrin.h>

namespace orvs {

enum class FpRound : unsigned { Nearest = 0, Down = 1, Up = 2, Zero = 3 };

class FpControlGuard {
public:
    static constexpr unsigned kFlagBits = 0x3Fu;        // sticky exception flags
    static constexpr unsigned kMaskBits = 0x1F80u;      // exception masks
    static constexpr unsigned kRoundBits = 0x6000u;     // rounding control
    static constexpr unsigned kDivZeroFlag = 0x0004u;

    static constexpr unsigned kDazFtzBits = 0x8040u;    // denormals-are-zero, flush-to-zero

    // clearDazFtz: subnormal inputs and results are kept exact for the scope.
    // Writing the register is skipped when it already holds the wanted
    // control bits (the common case), since a write costs tens of cycles.
    explicit FpControlGuard(FpRound mode, bool maskAll = true, bool keepFlags = true, bool clearDazFtz = false)
        : saved_(_mm_getcsr()), keepFlags_(keepFlags)
    {
        unsigned csr = saved_ & ~kRoundBits;
        csr |= static_cast<unsigned>(mode) << 13;
        if (maskAll) csr |= kMaskBits;
        if (clearDazFtz) csr &= ~kDazFtzBits;
        changed_ = csr != saved_;
        if (changed_) _mm_setcsr(csr);
    }
    ~FpControlGuard()
    {
        if (!changed_ && keepFlags_) return;
        unsigned now = _mm_getcsr();
        unsigned restore = saved_;
        if (keepFlags_) restore |= now & kFlagBits;
        _mm_setcsr(restore);
    }
    FpControlGuard(const FpControlGuard&) = delete;
    FpControlGuard& operator=(const FpControlGuard&) = delete;

    static void clearFlags(unsigned bits) { _mm_setcsr(_mm_getcsr() & ~bits); }
    static bool flagSet(unsigned bits) { return (_mm_getcsr() & bits) != 0; }

private:
    unsigned saved_;
    bool keepFlags_;
    bool changed_ = false;
};

} // namespace orvs
