# The same sources give the same bytes, wherever and whenever they are built:
# scripts/release ships the windows preset's own programs, and scripts/test
# compares two such builds.
if(MINGW)
  # ld stamps the link time into the PE header (and its checksum follows
  # from it); without the stamp the field is zero, as nothing reads it.
  target_link_options(reacalc_flags INTERFACE LINKER:--no-insert-timestamp)
  # No build path in the programs even if __FILE__ or debug information
  # reaches them. The build tree sits inside the source tree, and the map
  # given last wins, so build-tree paths get their own prefix removed.
  target_compile_options(reacalc_flags INTERFACE
    "-ffile-prefix-map=${PROJECT_SOURCE_DIR}/="
    "-ffile-prefix-map=${PROJECT_BINARY_DIR}/=")
endif()
