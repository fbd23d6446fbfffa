#pragma once

#include <cstdio>
#include <cstdlib>

namespace lumble::fuzzing {

// An invariant of the fuzzed code: a broken one names its line and stops the
// run, so libFuzzer keeps the input that broke it. (clang 14 has no
// std::source_location; its builtins give the caller's place just the same.)
inline void require(bool holds, const char* file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken at %s:%d\n", file, line);
    std::abort();
}

} // namespace lumble::fuzzing
