# GoogleTest for the tests. Native trees link Debian's prebuilt one
# (libgtest-dev): building it again in every tree cost each a minute of the
# test run. Cross builds (mingw-w64, Emscripten) build it from Debian's
# sources with their own compiler. Elsewhere (vcpkg, MSYS2) an installed GTest
# package serves; without either the tests are skipped.
set(REACALC_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
set(REACALC_HAVE_GTEST OFF)
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(GTest_FOUND)
  set(REACALC_HAVE_GTEST ON)
elseif(EXISTS "${REACALC_GTEST_SOURCE_DIR}/CMakeLists.txt")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # With MSVC, the static run-time our programs use (cmake/WindowsBuild.cmake).
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory("${REACALC_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
  # Its own warnings are not ours to fix.
  if(NOT MSVC)
    target_compile_options(gtest PRIVATE -w)
  endif()
  set(REACALC_HAVE_GTEST ON)
else()
  message(STATUS "GoogleTest not found: the tests are not built")
endif()
