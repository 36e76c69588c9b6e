# Each layer's headers are found only through its own include root: a folder
# in the build tree that holds nothing but a link named after the layer's
# source folder. A library sees the roots of the layers it links and no
# others, so an include of a higher layer's header fails to compile.
function(faunary_layer target folder)
  set(root ${CMAKE_BINARY_DIR}/layers/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# The backend a program links defines the port's operations that the layers
# above the port call, so it must follow them on the link line. The layers
# link `backend`, which names the backend of the program being linked.
function(faunary_backend program backend)
  set_property(TARGET ${program} PROPERTY FAUNARY_BACKEND ${backend})
endfunction()
