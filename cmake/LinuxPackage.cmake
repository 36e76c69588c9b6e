# The native program's installation and its Debian package (`cpack -G DEB` in
# the build folder makes faunary_<version>_<arch>.deb), in section games:
#   /usr/games/faunary and faunary-text
#   /usr/share/faunary/data/ and faunary.dat   the read-only data set
#   /usr/share/applications/faunary.desktop
#   /usr/share/metainfo/<id>.metainfo.xml      what software centres show
#   /usr/share/icons/hicolor/<n>x<n>/apps/faunary.png, made from the program's icon
#   /usr/share/man/man6/faunary.6.gz and faunary-text.6.gz
#   /usr/share/bash-completion/completions/faunary-text
#   /usr/share/doc/faunary/readme.txt, copyright and changelog.gz
# The programs find the data set relative to their own folder
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

set(FAUNARY_APPSTREAM_ID "invalid.faunary.Faunary" CACHE STRING "AppStream component id (reverse domain name of the project's site)")
set(FAUNARY_HOMEPAGE "https://www.faunary.invalid/" CACHE STRING "The project's site, named in the AppStream metadata (ends with /)")

# Manual pages and the changelog are installed compressed, without a time
# stamp in the gzip header, so that two builds make the same package.
set(faunary_linux_dir ${PROJECT_SOURCE_DIR}/tools/linux)
set(faunary_package_dir ${CMAKE_BINARY_DIR}/package-files)
set(faunary_compressed)
foreach(page faunary.6 faunary-text.6)
  configure_file(${faunary_linux_dir}/${page}.in ${faunary_package_dir}/${page} @ONLY)
endforeach()
configure_file(${faunary_linux_dir}/changelog ${faunary_package_dir}/changelog COPYONLY)
foreach(name faunary.6 faunary-text.6 changelog)
  add_custom_command(
    OUTPUT ${faunary_package_dir}/${name}.gz
    COMMAND gzip -9nkf ${name}
    DEPENDS ${faunary_package_dir}/${name}
    WORKING_DIRECTORY ${faunary_package_dir}
    VERBATIM)
  list(APPEND faunary_compressed ${faunary_package_dir}/${name}.gz)
endforeach()
add_custom_target(faunary_package_files ALL DEPENDS ${faunary_compressed})
configure_file(${faunary_linux_dir}/faunary.metainfo.xml.in
               ${faunary_package_dir}/${FAUNARY_APPSTREAM_ID}.metainfo.xml @ONLY)
# The machine-readable copyright format names its own web address; it is
# taken from dpkg's copyright file, so that no host name is written here.
file(STRINGS /usr/share/doc/dpkg/copyright FAUNARY_DEP5_FORMAT_LINE REGEX "^Format: " LIMIT_COUNT 1)
if(NOT FAUNARY_DEP5_FORMAT_LINE)
  message(WARNING "No machine-readable Format line in /usr/share/doc/dpkg/copyright: "
                  "the package's copyright file will lack it")
endif()
configure_file(${faunary_linux_dir}/copyright.in ${faunary_package_dir}/copyright @ONLY)

install(TARGETS faunary_exe faunary-text RUNTIME DESTINATION games)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data DESTINATION share/faunary)
install(FILES ${PROJECT_SOURCE_DIR}/faunary.dat DESTINATION share/faunary)
install(FILES ${faunary_linux_dir}/faunary.desktop DESTINATION share/applications)
install(FILES ${faunary_package_dir}/${FAUNARY_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${faunary_package_dir}/faunary.6.gz ${faunary_package_dir}/faunary-text.6.gz DESTINATION share/man/man6)
install(FILES ${faunary_linux_dir}/faunary-text.bash-completion DESTINATION share/bash-completion/completions
        RENAME faunary-text)
install(DIRECTORY ${faunary_icon_dir}/hicolor DESTINATION share/icons)
# The first-run message points users to readme.txt.
install(FILES ${faunary_linux_dir}/readme.txt ${faunary_package_dir}/copyright ${faunary_package_dir}/changelog.gz
        DESTINATION share/doc/faunary)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME faunary)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Faunary developers <faunary@faunary.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Offline Pokemon dex for the games of generations 1 to 4")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Faunary is an offline reference book for the Pokemon games of generations
1 to 4. For the Pokemon picked in a list it shows main facts, moves,
breeding, wild locations, comparisons, calculators and the machine grids of
each game. faunary-text prints the same pages in a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${FAUNARY_FONT_PACKAGE})
set(CPACK_STRIP_FILES ON)
include(CPack)
