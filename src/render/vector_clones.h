#pragma once

// Marks a hot loop to be built once per processor level: the baseline (16-byte vectors),
// AVX2 (32) and AVX-512 (64). The clone for the running processor is picked when the
// program loads, so the binary stays portable.
#if defined(__x86_64__) && defined(__GNUC__)
#define BRONTEL_VECTOR_CLONES \
    __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define BRONTEL_VECTOR_CLONES
#endif
