#include "platform/os/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Built for AVX alone and called only where the processor has it.
__attribute__((target("avx"))) void zero_upper()
{
    _mm256_zeroupper();
}

} // namespace

void clear_upper_vector_state()
{
    static const bool has_avx = __builtin_cpu_supports("avx");
    if (has_avx)
        zero_upper();
}
#else
void clear_upper_vector_state() {}
#endif
