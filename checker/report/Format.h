#pragma once
// printf-format checking for our own printf-style functions.

#if defined(__GNUC__) || defined(__clang__)
#define QUILLON_PRINTF(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define QUILLON_PRINTF(formatIndex, firstArgument)
#endif

#include <cstdio>

#include <string>

namespace quillon {

/// Appends `value` exactly as printf's "%g" writes it.
void AppendG(std::string& text, double value);

}  // namespace quillon
