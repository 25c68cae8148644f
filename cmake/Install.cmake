# What `cmake --install` puts beside the two programs, and the .deb that CPack
# makes of it (`cpack -G DEB` in the build folder). Neither builds: build the
# programs and their data first (scripts/check-install.sh shows the targets),
# so packaging never waits for the whole test tree.
include(GNUInstallDirs)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/res/help DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_BINARY_DIR}/icons/hicolor/256x256/apps/tarnwick.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnwick/icons)
install(FILES ${CMAKE_SOURCE_DIR}/res/tarnwick.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/res/tarnwick-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tarnwick.xml)

# Manual pages, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(TARNWICK_MAN_PAGES "")
foreach(page tarnwick.1 tarnwick-cli.1)
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${GZIP_PROGRAM} -9n -c ${CMAKE_SOURCE_DIR}/res/man/${page} > ${compressed}
    DEPENDS ${CMAKE_SOURCE_DIR}/res/man/${page}
    COMMENT "Compressing the manual page ${page}")
  list(APPEND TARNWICK_MAN_PAGES ${compressed})
endforeach()
add_custom_target(tarnwick_man ALL DEPENDS ${TARNWICK_MAN_PAGES})
install(FILES ${TARNWICK_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian's copyright and changelog files.
set(TARNWICK_CHANGELOG ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${TARNWICK_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
  COMMAND ${GZIP_PROGRAM} -9n -c ${CMAKE_SOURCE_DIR}/res/debian/changelog > ${TARNWICK_CHANGELOG}
  DEPENDS ${CMAKE_SOURCE_DIR}/res/debian/changelog)
add_custom_target(tarnwick_changelog ALL DEPENDS ${TARNWICK_CHANGELOG})
install(FILES ${CMAKE_SOURCE_DIR}/res/debian/copyright ${TARNWICK_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwick)

set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Vellorand")
set(CPACK_PACKAGE_CONTACT "Tarnwick developers <tarnwick@vellorand.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, fast IDE for Java programs and applets")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarnwick edits Java sources and HTML pages in syntax-coloured windows with a\n\
class and method outline, keeps projects in .jpr files, and drives the JDK's\n\
javac, java, jar and appletviewer from menus and keys, with their output\n\
streamed into a docked window where double-clicking a compiler message opens\n\
the file at that line. tarnwick-cli builds and runs the same projects without\n\
a window.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarnwick.vellorand.invalid/")
# The shared libraries' packages (Qt 6 widgets and print support,
# QScintilla) come from dpkg-shlibdeps; a JDK is what the IDE drives, but it
# starts and edits without one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-jdk | java-sdk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "default-jdk-doc")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
