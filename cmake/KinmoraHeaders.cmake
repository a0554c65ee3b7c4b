# kinmora_public_headers(TARGET [FILES header...]): gives TARGET a public
# include folder in the build tree that holds only a link named after the
# calling source folder (e.g. "chart") to that folder, or, with FILES, a
# folder of that name with links to just those headers. "chart/chart_node.h"
# is then found only by targets that link kinmora_chart, so each library's
# includes show the layers it builds on.
function(kinmora_public_headers target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "FILES")
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  if(ARG_FILES)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS ARG_FILES)
      file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
  else()
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
