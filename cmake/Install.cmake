# Desktop installation and the .deb package. The program goes into a folder
# of its own, where resellers put the branding files beside it; the bin
# folder gets a link to it, and the desktop entry, the icons and the
# AppStream metainfo go where desktops look for them.
if(TARNWICK_CORE_ONLY)
  return()
endif()

include(GNUInstallDirs)
set(TARNWICK_PROGRAM_DIR "/opt/tarnwick" CACHE PATH "Program folder of the installed program")
set(TARNWICK_APP_ID "net.tarnwick.Tarnwick")
set(TARNWICK_ICON_SIZES 16 22 24 32 48 64 128 256)

set(desktop_dir ${CMAKE_BINARY_DIR}/desktop)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${TARNWICK_APP_ID}.desktop.in ${desktop_dir}/${TARNWICK_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${TARNWICK_APP_ID}.metainfo.xml.in
               ${desktop_dir}/${TARNWICK_APP_ID}.metainfo.xml @ONLY)

set(icon_files)
foreach(size ${TARNWICK_ICON_SIZES})
  set(png ${desktop_dir}/icons/${size}x${size}/${TARNWICK_APP_ID}.png)
  add_custom_command(OUTPUT ${png} COMMAND ${CMAKE_COMMAND} -E make_directory ${desktop_dir}/icons/${size}x${size}
                     COMMAND icongen --png ${size} ${png} DEPENDS icongen VERBATIM)
  list(APPEND icon_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(desktop_icons ALL DEPENDS ${icon_files})

install(TARGETS tarnwick RUNTIME DESTINATION ${TARNWICK_PROGRAM_DIR})
# The link points at the final program folder, also when staged with DESTDIR.
install(CODE "
  set(tw_link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tarnwick\")
  message(STATUS \"Installing: \${tw_link} -> ${TARNWICK_PROGRAM_DIR}/tarnwick\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(REMOVE \"\${tw_link}\")
  file(CREATE_LINK \"${TARNWICK_PROGRAM_DIR}/tarnwick\" \"\${tw_link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${tw_link}\")
")
install(FILES ${desktop_dir}/${TARNWICK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${TARNWICK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

if(TARNWICK_TESTS)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
    message(WARNING "desktop-file-validate or appstreamcli missing: run tools/setup-deps.sh")
  endif()
  # A missing validator makes its test fail rather than vanish.
  add_test(NAME desktop_file_valid COMMAND desktop-file-validate ${desktop_dir}/${TARNWICK_APP_ID}.desktop)
  add_test(NAME metainfo_valid COMMAND appstreamcli validate --no-net --explain
                                       ${desktop_dir}/${TARNWICK_APP_ID}.metainfo.xml)
  add_test(NAME install_layout
           COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DSTAGE=${CMAKE_BINARY_DIR}/install-check
                   -DPROGRAM_DIR=${TARNWICK_PROGRAM_DIR} -DAPP_ID=${TARNWICK_APP_ID}
                   "-DICON_SIZES=${TARNWICK_ICON_SIZES}" -P ${CMAKE_SOURCE_DIR}/cmake/CheckInstall.cmake)
endif()

set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "Tarnwick")
set(CPACK_PACKAGE_CONTACT "Tarnwick developers <dev@tarnwick.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keyword research: suggestions, searches and search engine result counts")
set(CPACK_PACKAGE_DESCRIPTION "Gathers phrases related to a main keyword with their numbers of searches, and asks
three web search engines how many pages they report for every keyword. The table can be sorted, pruned and
saved as CSV. Resellers brand it with files in /opt/tarnwick.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.tarnwick.net/")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin (xcb, wayland), which Qt only recommends;
# the layouts are measured for Arial, whose metrics Liberation Sans shares.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Opening addresses in the browser goes through the desktop's default handler.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
