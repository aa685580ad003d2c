#pragma once
// Marks a hot function that counts bits: it is built twice, with the popcnt instruction and for
// the baseline instruction set (where a population count is a library call), and the loader
// picks the one the processor runs. Elsewhere it is built once, and so under the thread
// sanitizer, whose run time is not ready yet when the loader calls the picking function.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define QUINTARA_POPCNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define QUINTARA_POPCNT_CLONES
#endif
