# Installed like Debian's games: the program in games/, its data in share/games/varnhold, and what
# a desktop needs to list it; `cpack -G DEB` in a Release build makes the package of it all.
set(VARNHOLD_HOMEPAGE "https://varnhold.example/" CACHE STRING
    "The game's web site, where the package's screenshot is published")
# The AppStream id: the reversed domain of the web site and the game's name.
set(VARNHOLD_APP_ID example.varnhold.Varnhold)

install(TARGETS varnhold RUNTIME DESTINATION games)
# Stripping for the package also drops the compiler's notes, as Debian's own stripping does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                  \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/games/varnhold\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(DIRECTORY data/ DESTINATION share/games/varnhold)
install(DIRECTORY packaging/icons/ DESTINATION share/icons/hicolor)
configure_file(packaging/varnhold.desktop.in varnhold.desktop @ONLY)
configure_file(packaging/varnhold.metainfo.xml.in ${VARNHOLD_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/varnhold.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${VARNHOLD_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/copyright DESTINATION share/doc/varnhold)
install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME varnhold)
# The man page and the changelog go compressed, without time stamps, so that builds agree.
configure_file(packaging/varnhold.6.in varnhold.6 @ONLY)
configure_file(packaging/changelog changelog COPYONLY)
foreach(doc varnhold.6 changelog)
  add_custom_command(OUTPUT ${doc}.gz COMMAND gzip -9nkf ${doc}
    DEPENDS ${CMAKE_BINARY_DIR}/${doc} VERBATIM)
endforeach()
add_custom_target(varnhold_docs ALL DEPENDS varnhold.6.gz changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/varnhold.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/varnhold)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnhold)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Seed 2dd98198 maintainers <maintainers@users.noreply.c-seed-2dd98198.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARNHOLD_HOMEPAGE})
# dpkg-shlibdeps finds the libraries the program links and writes them as dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time 3D strategy game about ruling a medieval town")
set(CPACK_PACKAGE_DESCRIPTION
"A town of individually simulated people grows around its main building:
they are born, marry, move into houses, take jobs, eat from the stores, fall
ill and grow old, while the town earns privileges that unlock new buildings.
Once it is a large city an enemy attacks, and the battle is fought soldier by
soldier with swords, spears, bows, towers, gates and palisades.

The game runs full-screen with OpenGL 3.3 and is played with the keyboard; its
texts are in Slovak.")
include(CPack)
