# SPDX-License-Identifier: GPL-3.0-or-later
# One library per source folder, each seeing only its own folder and the folders of the
# libraries it links. Sources include headers by their path from the source root
# ("canvas/IconView.h"); instead of the root, a library gets an include directory of its own
# in the build tree that holds a single link to its folder. Include directories pass on to
# whatever links the library, so a folder sees exactly the folders below it, and an include
# of a folder above it (or beside it) is "file not found" at compile time.

# pixmora_folder_include(TARGET FOLDER): TARGET's sources see FOLDER, and so does every target
# linking TARGET.
function(pixmora_folder_include target folder)
  set(stage ${CMAKE_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${stage})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${stage}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${stage})
endfunction()

# pixmora_folder_library(NAME FOLDER [EXCLUDE regex...] [LINKS lib...]): a static library of
# the .cpp/.h/.qrc files of FOLDER (recursively), minus those matching an EXCLUDE regex or
# already built into another library, linked to LINKS.
function(pixmora_folder_library name folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "EXCLUDE;LINKS")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp
    ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.qrc)
  foreach(regex IN LISTS arg_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${regex}")
  endforeach()
  add_library(${name} STATIC ${sources})
  pixmora_folder_include(${name} ${folder})
  target_link_libraries(${name} PUBLIC ${arg_LINKS})
endfunction()
