# Helpers shared by the subsystem folders.

# tarumo_library(<name> <sources>...): a static library whose headers are included by their
# path from the repository's root ("conversion/GlyphFiles.h").
function(tarumo_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
