# korav_expose(<target> <source folder>)
#
# Lets <target>, and whatever links it, include the headers of the folder as
# "<folder name>/<name>.h", through a folder of the build tree that holds
# only a link to that one source folder. A library that does not link
# another cannot include its headers: the include fails to compile.
function(korav_expose target folder)
  set(exposed ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${exposed})
  get_filename_component(name ${folder} NAME)
  file(CREATE_LINK ${folder} ${exposed}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${exposed})
endfunction()

# korav_library(<target> <folder> [PUBLIC <links>...] [PRIVATE <links>...]
#               [EXCLUDE <files>...])
#
# One static library from the sources of one folder, its headers exposed.
function(korav_library target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "PUBLIC;PRIVATE;EXCLUDE")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
                                      ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  foreach(excluded ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/${excluded})
  endforeach()
  add_library(${target} STATIC ${sources})
  korav_expose(${target} ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  target_link_libraries(${target} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
endfunction()
