# One INTERFACE target carries the project's warning flags; every target of ours links it.
add_library(quillon_warnings INTERFACE)
target_compile_options(quillon_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wformat=2 -Wshadow -Wnon-virtual-dtor -Wcast-align
  -Wnull-dereference -Wdouble-promotion -Wimplicit-fallthrough)
if(QUILLON_WERROR)
  target_compile_options(quillon_warnings INTERFACE -Werror)
endif()
