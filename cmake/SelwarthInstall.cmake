# SPDX-License-Identifier: GPL-2.0-or-later
# What `cmake --install` and the .deb made by CPack (`cpack -G DEB` in the
# build folder) put in place:
#
#   <prefix>/lib/selwarth/        the programs selwarth, qxp and
#                                 selwarth-concordance, with the links Logos,
#                                 QVWIN and SMW to selwarth-concordance (it
#                                 serves under the name it is started by)
#   <prefix>/bin/selwarth         the launcher: runs the program in its data
#                                 folder, seeded with the samples
#   <prefix>/bin/selwarth-autostart   adds or removes the log-in start
#   <prefix>/bin/qxp, selwarth-concordance   links into the program folder
#   <prefix>/share/selwarth/samples/   the sample packages and pictures
#   <prefix>/share/applications/, icons/hicolor/, metainfo/, man/man1/
#   <prefix>/share/doc/selwarth/   copyright, change log, README, the
#                                 package source format
#
# The launcher and the start-up command find the rest relative to their own
# place, so the tree works under any prefix and in the .deb alike.

include(GNUInstallDirs)

# The desktop identity: the names of the desktop entry, the icon and the
# AppStream component, and the Wayland app id the program gives itself.
set(SELWARTH_APP_ID io.github.selwarth.Selwarth)
# The date of the release named by project(VERSION), for the AppStream
# metainfo and the man pages; change the two together.
set(SELWARTH_RELEASE_DATE 2026-12-07)

set(SELWARTH_INSTALL_PROGRAMDIR lib/selwarth
    CACHE STRING "Folder of Selwarth's programs and concordance links, below the prefix")
set(sample_install_dir ${CMAKE_INSTALL_DATADIR}/selwarth/samples)

# Paths from <prefix>/bin, for the scripts there.
function(selwarth_from_bin variable relative)
  file(RELATIVE_PATH path /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${relative})
  set(${variable} ${path} PARENT_SCOPE)
endfunction()
selwarth_from_bin(PROGRAMS_FROM_BIN ${SELWARTH_INSTALL_PROGRAMDIR})
selwarth_from_bin(SAMPLES_FROM_BIN ${sample_install_dir})
selwarth_from_bin(APPLICATIONS_FROM_BIN ${CMAKE_INSTALL_DATADIR}/applications)
# The program finds its catalogs from its own folder (the build tree's
# translations/ beside bin/ is the other place it looks).
file(RELATIVE_PATH catalogs_from_programs /prefix/${SELWARTH_INSTALL_PROGRAMDIR}
     /prefix/${CMAKE_INSTALL_DATADIR}/selwarth/translations)
if(TARGET selwarth_qt)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/framework/qt/qt_translation.cpp
               DIRECTORY ${PROJECT_SOURCE_DIR}/src/framework/qt APPEND PROPERTY
               COMPILE_DEFINITIONS SELWARTH_CATALOGS_FROM_PROGRAMS="${catalogs_from_programs}")
endif()
set(data_source ${PROJECT_SOURCE_DIR}/data)
set(data_build ${CMAKE_BINARY_DIR}/data)

# The programs and the links (made here, installed as links).
file(MAKE_DIRECTORY ${data_build}/links ${data_build}/bin-links)
install(TARGETS qxp selwarth-concordance RUNTIME DESTINATION ${SELWARTH_INSTALL_PROGRAMDIR})
# The reader of Bibles through libsword, loaded from beside the programs.
if(TARGET selwarth-sword)
  install(TARGETS selwarth-sword LIBRARY DESTINATION ${SELWARTH_INSTALL_PROGRAMDIR})
endif()
foreach(link Logos QVWIN SMW)
  file(CREATE_LINK selwarth-concordance ${data_build}/links/${link} SYMBOLIC)
  install(FILES ${data_build}/links/${link} DESTINATION ${SELWARTH_INSTALL_PROGRAMDIR})
endforeach()
foreach(program qxp selwarth-concordance)
  file(CREATE_LINK ${PROGRAMS_FROM_BIN}/${program} ${data_build}/bin-links/${program} SYMBOLIC)
  install(FILES ${data_build}/bin-links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${SELWARTH_SAMPLE_FILES} DESTINATION ${sample_install_dir})

# The man pages name the installed places, so they are made when installing,
# for the prefix installed to (the .deb's /usr too).
set(man_pages qxp selwarth-concordance)
if(TARGET selwarth)
  list(APPEND man_pages selwarth selwarth-autostart selwarth-remind)
endif()
# Compressed, as Debian's policy asks (gzip -9n: the same bytes every time).
install(CODE "
  set(PROJECT_VERSION ${PROJECT_VERSION})
  set(SELWARTH_RELEASE_DATE ${SELWARTH_RELEASE_DATE})
  set(SELWARTH_APP_ID ${SELWARTH_APP_ID})
  set(FULL_PROGRAMDIR \"\${CMAKE_INSTALL_PREFIX}/${SELWARTH_INSTALL_PROGRAMDIR}\")
  set(FULL_SAMPLEDIR \"\${CMAKE_INSTALL_PREFIX}/${sample_install_dir}\")
  foreach(page ${man_pages})
    configure_file(\"${data_source}/man/\${page}.1.in\" \"${data_build}/man/\${page}.1\" @ONLY)
    execute_process(COMMAND gzip -9nf \"${data_build}/man/\${page}.1\" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
")
foreach(page IN LISTS man_pages)
  install(FILES ${data_build}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The licence, the Debian copyright file, the change log and the
# description of the package source format, in share/doc/selwarth.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/selwarth)
file(MAKE_DIRECTORY ${data_build}/doc)
add_custom_command(OUTPUT ${data_build}/doc/changelog.gz
  COMMAND gzip -9nc ${data_source}/changelog > ${data_build}/doc/changelog.gz
  DEPENDS ${data_source}/changelog
  COMMENT "Compressing the change log")
add_custom_target(changelog ALL DEPENDS ${data_build}/doc/changelog.gz)
install(FILES ${data_source}/copyright ${data_build}/doc/changelog.gz
              ${PROJECT_SOURCE_DIR}/docs/package-source.md ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${doc_dir})

# The desktop side needs the windowed program.
if(TARGET selwarth)
  install(TARGETS selwarth RUNTIME DESTINATION ${SELWARTH_INSTALL_PROGRAMDIR})
  target_compile_definitions(selwarth PRIVATE SELWARTH_DESKTOP_ID="${SELWARTH_APP_ID}")

  foreach(script selwarth selwarth-autostart selwarth-remind)
    configure_file(${data_source}/${script}.in ${data_build}/scripts/${script} @ONLY)
    install(PROGRAMS ${data_build}/scripts/${script} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()

  install(FILES ${data_source}/${SELWARTH_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${data_source}/${SELWARTH_APP_ID}.metainfo.xml.in
                 ${data_build}/${SELWARTH_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${data_build}/${SELWARTH_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The icon at the sizes of the hicolor theme, drawn by the program's own
  # icon code when the program is built.
  set(icon_sizes 16 22 24 32 48 64 128 256)
  set(icon_dir ${CMAKE_BINARY_DIR}/icons/hicolor)
  set(icon_files)
  foreach(size IN LISTS icon_sizes)
    list(APPEND icon_files ${icon_dir}/${size}x${size}/apps/${SELWARTH_APP_ID}.png)
  endforeach()
  add_custom_command(OUTPUT ${icon_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:selwarth-icon-files> ${icon_dir} ${SELWARTH_APP_ID} ${icon_sizes}
    DEPENDS selwarth-icon-files
    COMMENT "Drawing the icon for the hicolor theme")
  add_custom_target(icons ALL DEPENDS ${icon_files})
  foreach(size IN LISTS icon_sizes)
    install(FILES ${icon_dir}/${size}x${size}/apps/${SELWARTH_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# cpack -G DEB (dpkg-shlibdeps, from dpkg-dev, finds the libraries it needs)
set(CPACK_PACKAGE_NAME selwarth)
set(CPACK_PACKAGE_CONTACT "Selwarth maintainers <selwarth@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "daily Scripture calendar for the desktop")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Selwarth shows each day the day's entry from every enabled content package:\n\
a daily verse, a reading plan for the morning and the evening, a Bible quiz\n\
whose answers stay hidden until asked for. It comes with sample packages and\n\
qxp, which builds packages from text sources.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plugin for Wayland desktops (without it the program falls
# back to XWayland, or fails where there is none).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-wayland")
# A Bible module for the concordance window.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS sword-text-kjv)
set(CPACK_STRIP_FILES ON)
include(CPack)
