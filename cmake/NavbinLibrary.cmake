# Layers enforced by the build.
#
#   navbin_library(<name> LAYER <layer> [DEPENDS <target>...] [SOURCES <file>...] [RECURSE])
#
# declares the library of the calling folder: a static library of every .cpp in
# the folder (not its subfolders; with RECURSE, of the subfolders too; with
# SOURCES, of exactly those files), or an interface library when there is none.
# Files named *_main.cpp are left to the folder's executables. For example:
#
#   navbin_library(navbin_logging LAYER logging DEPENDS navbin_receiver)
#
# Includes keep their spelling from the repository top (#include "link/framing.h"),
# but no target sees the repository top. Each library publishes an include root
# of its own in the build tree, <build>/layers/<name>/, that holds one symbolic
# link to its folder (layers/navbin_link/link -> <source>/link). A target sees
# the roots of the libraries it links, directly or through them, and nothing
# else, so an include of a layer it does not build on fails to compile.
#
# The layers, bottom-up. A library may link libraries of its own layer and of
# the layers below it; linking one above is a configure error, and so is a
# Qt target below ui. Layers on one line are side by side: neither links the
# other. sim and tools sit on the Qt-free layers, and no library builds on them.
set(NAVBIN_LAYERS
    platform
    link
    settings
    wire
    commands
    presentation
    receiver
    "history analysis logging transfer config"
    shell
    ui
    app)
set(NAVBIN_SIDE_LAYERS sim tools)
set(NAVBIN_FIRST_QT_LAYER ui)

# Rank of `layer` in NAVBIN_LAYERS into `out`; -1 for a side layer.
function(_navbin_layer_rank layer out)
  set(rank 0)
  foreach(step IN LISTS NAVBIN_LAYERS)
    string(REPLACE " " ";" names "${step}")
    if(layer IN_LIST names)
      set(${out} ${rank} PARENT_SCOPE)
      return()
    endif()
    math(EXPR rank "${rank} + 1")
  endforeach()
  if(layer IN_LIST NAVBIN_SIDE_LAYERS)
    set(${out} -1 PARENT_SCOPE)
    return()
  endif()
  message(FATAL_ERROR "navbin: unknown layer '${layer}'; the layers are ${NAVBIN_LAYERS} "
                      "and beside them ${NAVBIN_SIDE_LAYERS} (cmake/NavbinLibrary.cmake)")
endfunction()

# Fails the configure step when `name` of `layer` may not link `dep`.
function(_navbin_check_dependency name layer dep)
  _navbin_layer_rank(${layer} rank)
  _navbin_layer_rank(${NAVBIN_FIRST_QT_LAYER} qtRank)
  if(dep MATCHES "^Qt[0-9]*::")
    if(rank GREATER_EQUAL 0 AND rank GREATER_EQUAL qtRank)
      return()
    endif()
    message(FATAL_ERROR "navbin: ${name} (layer ${layer}) is Qt-free and may not link ${dep}")
  endif()
  if(NOT TARGET ${dep})
    return()  # a system library or a package target
  endif()
  get_target_property(depLayer ${dep} NAVBIN_LAYER)
  if(NOT depLayer OR depLayer STREQUAL layer)
    return()
  endif()
  _navbin_layer_rank(${depLayer} depRank)
  if(depRank LESS 0)
    set(allowed FALSE)  # nothing builds on sim or tools
  elseif(rank LESS 0)
    set(allowed FALSE)
    if(depRank LESS qtRank)
      set(allowed TRUE)
    endif()
  else()
    set(allowed FALSE)
    if(depRank LESS rank)
      set(allowed TRUE)
    endif()
  endif()
  if(NOT allowed)
    message(FATAL_ERROR "navbin: ${name} (layer ${layer}) may not link ${dep} (layer ${depLayer}): "
                        "layers build on the layers below them only (cmake/NavbinLibrary.cmake)")
  endif()
endfunction()

# <build>/layers/<root>/<folder> -> <source>/<folder>, exposed as the include
# directory of `target` with `scope`. Where the file system has no symbolic
# links the target falls back to the repository top, without enforcement.
function(navbin_include_root target scope root folder)
  set(base ${CMAKE_BINARY_DIR}/layers/${root})
  set(link ${base}/${folder})
  get_filename_component(parent ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${link})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${link} RESULT failed SYMBOLIC)
    if(failed)
      message(WARNING "navbin: no symbolic link for ${folder} (${failed}); layers not enforced")
      set_property(GLOBAL PROPERTY NAVBIN_LAYERS_NOT_ENFORCED TRUE)
      set(base ${CMAKE_SOURCE_DIR})
    endif()
  endif()
  target_include_directories(${target} ${scope} ${base})
endfunction()

function(navbin_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "RECURSE" "LAYER" "DEPENDS;SOURCES")
  if(NOT arg_LAYER OR arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "navbin_library(${name} ${ARGN}): declare it as "
                        "navbin_library(<name> LAYER <layer> [DEPENDS <target>...])")
  endif()
  foreach(dep IN LISTS arg_DEPENDS)
    _navbin_check_dependency(${name} ${arg_LAYER} ${dep})
  endforeach()

  if(arg_SOURCES)
    list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  elseif(arg_RECURSE)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  list(FILTER sources EXCLUDE REGEX ".*_main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_link_libraries(${name} ${scope} ${arg_DEPENDS})
  set_target_properties(${name} PROPERTIES NAVBIN_LAYER ${arg_LAYER})
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  navbin_include_root(${name} ${scope} ${name} ${folder})
endfunction()
