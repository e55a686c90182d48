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
