# The native program's installation and its Debian package (`cpack -G DEB` in
# the build folder makes faunary_<version>_<arch>.deb):
#   /usr/bin/faunary
#   /usr/share/faunary/data/ and faunary.dat   the read-only data set
#   /usr/share/applications/faunary.desktop
#   /usr/share/icons/hicolor/<n>x<n>/apps/faunary.png, made from the program's icon
#   /usr/share/doc/faunary/readme.txt
# The program finds the data set relative to its own folder
# (shell/native_locations.h), so the tree works wherever it is unpacked.
if(WIN32 OR NOT TARGET faunary_exe)
  return()
endif()

set(FAUNARY_FONT_PACKAGE "fonts-dejavu-extra" CACHE STRING "Debian package of the font the native program shows its texts in (DejaVu Sans Condensed)")

# The icon in the sizes desktops look for, written by a helper built for this machine.
add_executable(faunary_icon_writer ${PROJECT_SOURCE_DIR}/tools/linux/write_icon_pngs.cpp)
target_link_libraries(faunary_icon_writer PRIVATE faunary_resources Qt6::Gui)
set(faunary_icon_sizes 16 24 32 48 64 128 256)
set(faunary_icon_dir ${CMAKE_BINARY_DIR}/icons)
set(faunary_icon_files)
foreach(size IN LISTS faunary_icon_sizes)
  list(APPEND faunary_icon_files ${faunary_icon_dir}/hicolor/${size}x${size}/apps/faunary.png)
endforeach()
add_custom_command(
  OUTPUT ${faunary_icon_files}
  COMMAND faunary_icon_writer ${faunary_icon_dir} ${faunary_icon_sizes}
  DEPENDS faunary_icon_writer
  COMMENT "Writing the icon as PNG files"
  VERBATIM)
add_custom_target(faunary_icons ALL DEPENDS ${faunary_icon_files})

install(TARGETS faunary_exe RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data DESTINATION share/faunary)
install(FILES ${PROJECT_SOURCE_DIR}/faunary.dat DESTINATION share/faunary)
install(FILES ${PROJECT_SOURCE_DIR}/tools/linux/faunary.desktop DESTINATION share/applications)
install(DIRECTORY ${faunary_icon_dir}/hicolor DESTINATION share/icons)
# The first-run message points users to readme.txt.
install(FILES ${PROJECT_SOURCE_DIR}/tools/linux/readme.txt DESTINATION share/doc/faunary)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME faunary)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Faunary developers <faunary@faunary.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Offline Pokemon dex for the games of generations 1 to 4")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Faunary is an offline reference book for the Pokemon games of generations 1 to 4.
For the Pokemon picked in a list it shows main facts, moves, breeding, wild
locations, comparisons, calculators and the machine grids of each game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${FAUNARY_FONT_PACKAGE})
set(CPACK_STRIP_FILES ON)
include(CPack)
