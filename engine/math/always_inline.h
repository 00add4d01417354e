// The one compiler-specific attribute of the fast paths. The helpers they
// share are always inlined: the fast paths are compiled twice, once with
// -mfma, and an out-of-line copy compiled with FMA instructions could
// otherwise be linked into the portable version. GCC and Clang spell it so.
#pragma once

#define KELOMED_ALWAYS_INLINE [[gnu::always_inline]] inline
