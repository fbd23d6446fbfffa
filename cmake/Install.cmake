# Installed layout: the executable in a folder of its own with the sample library
# beside it as `words` (a link into the architecture-independent data), and a
# link in bin/. The program resolves its own links, so started through bin/ it
# still finds lib/lumble/words. The folder is plain lib/lumble rather than
# GNUInstallDirs' libdir, which on Debian is multiarch (lib/x86_64-linux-gnu), so
# that the manual page and the install notes can name one path on every machine.
install(TARGETS lumble RUNTIME DESTINATION lib/lumble)
install(DIRECTORY words/ DESTINATION share/lumble/words)
install(CODE [[
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(MAKE_DIRECTORY "${root}/bin")
    file(CREATE_LINK ../lib/lumble/lumble "${root}/bin/lumble" SYMBOLIC)
    file(CREATE_LINK ../../share/lumble/words "${root}/lib/lumble/words" SYMBOLIC)
]])

install(FILES data/lumble.desktop DESTINATION share/applications)
install(FILES data/io.github.lumble.Lumble.metainfo.xml DESTINATION share/metainfo)
install(FILES data/icons/lumble.svg DESTINATION share/icons/hicolor/scalable/apps)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
foreach(size 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/lumble.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/lumble.svg
        DEPENDS data/icons/lumble.svg)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

set(man_page ${CMAKE_CURRENT_BINARY_DIR}/lumble.6.gz)
add_custom_command(OUTPUT ${man_page}
    COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/docs/lumble.6 > ${man_page}
    DEPENDS docs/lumble.6)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/data/debian/changelog > ${changelog}
    DEPENDS data/debian/changelog)
add_custom_target(install_data ALL DEPENDS ${icon_pngs} ${man_page} ${changelog})
install(FILES ${man_page} DESTINATION share/man/man6)
install(FILES data/debian/copyright ${changelog} DESTINATION share/doc/lumble)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumble)
set(CPACK_PACKAGE_CONTACT "Lumble developers <lumble@lumble-game.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "spelling game for young children")
set(CPACK_PACKAGE_DESCRIPTION "Lumble shows a picture and a phrase with one word hidden behind
asterisks; the child types the word letter by letter. Word lists are folders
of pictures whose file names carry the phrases.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": lintian then requires the command in /usr/games, and ours is in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
