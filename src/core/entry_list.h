// One entry list per family.
//
// Every family keeps its exported entries in one list, <family>_entries.def,
// a row per entry:
//
//     ORVS_ENTRY(orvsAdd_16s_Sfs,
//                (const Orv16s* pSrc1, const Orv16s* pSrc2, Orv16s* pDst, int len, int scaleFactor),
//                (pSrc1, pSrc2, pDst, len, scaleFactor),
//                scaledVV<members::Add16s>)
//
// name, the typed parameter list, the argument list, then the implementation
// called with those arguments (last, so template arguments with commas need
// no parentheses). A family may name a recurring parameter shape once:
//
//     #define ORVS_VV_SFS(T) (const T* pSrc1, const T* pSrc2, T* pDst, int len, int scaleFactor), (pSrc1, pSrc2, pDst, len, scaleFactor)
//     ORVS_ENTRY(orvsAdd_16s_Sfs, ORVS_VV_SFS(Orv16s), scaledVV<members::Add16s>)
//
// Shape macros live in the family's <family>_shapes.h, which the list
// includes, so that the test suite can expand the same rows.
//
// The family's entries file produces the definitions:
//
//     #define ORVS_ENTRY ORVS_DEFINE_ENTRY
//     #include "arith/scaled/scaled_entries.def"
//     #undef ORVS_ENTRY
//
// and the test suite includes every list with its own ORVS_ENTRY to drive
// each entry from outside. The parameter names tell the tests the role of
// each argument:
//   - `len` or a name ending in `Len`: an element count (0 and negative give
//     orvStsErrSize after the pointer checks);
//   - `scaleFactor`: the integer scale factor of the scale rule;
//   - `pSpec`, `pState` or a pointer name ending in `Spec` or `State`: a
//     transform or filter record (null gives orvStsErrNullPtr, a foreign
//     record orvStsErrContextMatch; entries on records check the record
//     before their data pointers);
//   - a pointer whose name ends in `Opt`: may be null (work buffers, optional
//     delay lines); every other pointer is required (null gives
//     orvStsErrNullPtr before any other check);
//   - `pPhase`: a generator's phase, read and written back (required; the
//     generic tests pass a valid phase in it);
//   - anything else: a family parameter.
#pragma once
#include "orvs/types.h"

#define ORVS_DEFINE_ENTRY(name, ...) ORVS_DEFINE_ENTRY_(name, __VA_ARGS__)
#define ORVS_DEFINE_ENTRY_(name, params, args, ...) \
    extern "C" ORVS_API OrvStatus name params { return __VA_ARGS__ args; }

// Entries that return something other than a status (allocation, the
// version record) are listed with their result type after the name, so the
// listing test knows them too:
//
//     ORVS_FUNCTION(orvsMalloc_8u, Orv8u*, (int len), (len), typedMalloc<Orv8u>)
//
// Whoever includes a list defines both row macros (an empty one skips its
// rows); the generic entry tests drive only ORVS_ENTRY rows.
#define ORVS_DEFINE_FUNCTION(name, ret, ...) ORVS_DEFINE_FUNCTION_(name, ret, __VA_ARGS__)
#define ORVS_DEFINE_FUNCTION_(name, ret, params, args, ...) \
    extern "C" ORVS_API ret name params { return __VA_ARGS__ args; }
