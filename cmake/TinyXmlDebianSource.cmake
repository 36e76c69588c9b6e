# The cross build's TinyXML: Debian's source package with Debian's patches
# applied (fetched into the build folder by tools/windows/fetch-tinyxml-source),
# compiled as a static library the way Debian builds libtinyxml (STL on).
set(FAUNARY_TINYXML_DIR ${PROJECT_BINARY_DIR}/tinyxml-debian)
set(_tinyxml_src ${FAUNARY_TINYXML_DIR}/src)

if(NOT EXISTS ${_tinyxml_src}/tinyxml.h)
  message(STATUS "Fetching Debian's tinyxml source package into ${FAUNARY_TINYXML_DIR}")
  execute_process(
    COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/fetch-tinyxml-source ${FAUNARY_TINYXML_DIR}
    RESULT_VARIABLE _fetch_result)
  if(NOT _fetch_result EQUAL 0)
    message(FATAL_ERROR "Could not fetch Debian's tinyxml source package (see above).")
  endif()
endif()

# Refuse a tree without Debian's security fixes.
set(_applied "")
if(EXISTS ${_tinyxml_src}/.pc/applied-patches)
  file(STRINGS ${_tinyxml_src}/.pc/applied-patches _applied)
endif()
foreach(_patch enforce-use-stl.patch CVE-2021-42260.patch CVE-2023-34194.patch)
  if(NOT _patch IN_LIST _applied)
    message(FATAL_ERROR "${_tinyxml_src} lacks Debian's ${_patch}; delete ${FAUNARY_TINYXML_DIR} and configure again.")
  endif()
endforeach()

add_library(tinyxml_debian STATIC
  ${_tinyxml_src}/tinyxml.cpp
  ${_tinyxml_src}/tinyxmlparser.cpp
  ${_tinyxml_src}/tinyxmlerror.cpp)
target_compile_definitions(tinyxml_debian PUBLIC TIXML_USE_STL)
target_include_directories(tinyxml_debian SYSTEM PUBLIC ${_tinyxml_src})
# Upstream code: our own warning flags do not apply to it.
set_property(TARGET tinyxml_debian PROPERTY COMPILE_OPTIONS -w)
add_library(TinyXml::TinyXml ALIAS tinyxml_debian)
