# TinyXML comes from the system (Debian's libtinyxml-dev); the cross build
# provides its own imported target before this file is included.
if(NOT TARGET TinyXml::TinyXml)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(TINYXML REQUIRED IMPORTED_TARGET tinyxml)
  add_library(TinyXml::TinyXml ALIAS PkgConfig::TINYXML)
endif()
