# What makes a Windows program of ours a single file that starts on a bare
# Windows, whichever toolchain builds it: Debian's mingw-w64, MSYS2's MinGW or
# Visual Studio. Included after CompilerFlags.cmake, before any other target.
if(MSVC)
  # The static C++ run-time (/MT, /MTd in Debug): no VC++ redistributable.
  # GoogleTest from vcpkg must match it: the x64-windows-static triplet,
  # which the msvc preset selects.
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  # The manifest comes from res/reacalc.rc, once; the linker would add one of
  # its own under the same resource id.
  target_link_options(reacalc_flags INTERFACE /MANIFEST:NO)
elseif(MINGW)
  # libstdc++, libgcc and winpthread linked in: their DLLs are neither on a
  # bare Windows nor under Wine. Here rather than in the toolchain file, so
  # that MSYS2 gets it too and CMAKE_EXE_LINKER_FLAGS given on the command
  # line cannot drop it.
  target_link_options(reacalc_flags INTERFACE -static)
endif()
