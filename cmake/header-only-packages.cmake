# Header-only libraries of the build machine (CLI11, nlohmann-json) for a cross
# build. Their package files say the headers are in the build machine's
# /usr/include, where the cross compiler must never look: the build machine's
# C library headers there would shadow the target's. So each library's header
# folder and package folder are linked into a staging tree that holds nothing
# else, and that tree is added to the roots the cross build searches. The
# unmodified package files then find their headers in the staging tree.
#
# kavro_stage_header_only_package(PACKAGE HEADER_FOLDER) stages one library:
# PACKAGE is its package name (the folder of its package file under
# /usr/share/cmake), HEADER_FOLDER its folder under /usr/include.
set(KAVRO_HEADER_ONLY_ROOT ${CMAKE_BINARY_DIR}/header-only-packages)

function(kavro_stage_header_only_package package header_folder)
  foreach(pair "share/cmake/${package}" "include/${header_folder}")
    set(source /usr/${pair})
    set(link ${KAVRO_HEADER_ONLY_ROOT}/usr/${pair})
    if(NOT IS_DIRECTORY ${source})
      message(FATAL_ERROR "${source} is missing: install the package that provides ${package}")
    endif()
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${source} ${link} SYMBOLIC)
  endforeach()
endfunction()

kavro_stage_header_only_package(CLI11 CLI)
kavro_stage_header_only_package(nlohmann_json nlohmann)
list(APPEND CMAKE_FIND_ROOT_PATH ${KAVRO_HEADER_ONLY_ROOT})
