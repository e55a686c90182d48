# Flags every target of ours shares. The floating-point ones matter: the
# breakpoint table depends on the last bit of each step, so no contraction
# into fused multiply-add and no fast-math reassociation.
add_library(reacalc_flags INTERFACE)
if(MSVC)
  target_compile_options(reacalc_flags INTERFACE /W4 /fp:strict /utf-8)
else()
  target_compile_options(reacalc_flags INTERFACE
    -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
endif()
# The page's WebAssembly is fetched and compiled on every first visit: size
# before speed, for the core and the chart too (-Oz after the build type's
# -O3). The floating-point steps stay as written: the digest test proves it.
if(EMSCRIPTEN)
  target_compile_options(reacalc_flags INTERFACE -Oz)
endif()
