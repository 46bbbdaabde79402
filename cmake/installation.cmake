# Installation of the two programs the way desktops find them: binaries,
# desktop entries, icons, AppStream metainfo and French manual pages under
# the GNU directories (data in donnees/PROGRAMME/); then the Debian package
# (CPack) and the tests that check all of it with outils/verifier-paquet.
include(GNUInstallDirs)

set(PAQUET_NOM tourbel-ramelle)

# ramelle installs as soon as its target exists.
set(PROGRAMMES_INSTALLES tourbel)
if(TARGET ramelle)
  list(APPEND PROGRAMMES_INSTALLES ramelle)
endif()

# Manual pages and the changelog go out compressed, as Debian wants them;
# -n keeps the archive free of a time stamp, so the package is the same at
# each build.
find_program(GZIP gzip REQUIRED)
function(compresser source nom destination)
  set(gz ${CMAKE_BINARY_DIR}/gz/${nom})
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gz
    COMMAND ${GZIP} -9n -c ${source} > ${gz}
    DEPENDS ${source}
    VERBATIM)
  string(MAKE_C_IDENTIFIER gz_${nom} cible)
  add_custom_target(${cible} ALL DEPENDS ${gz})
  install(FILES ${gz} DESTINATION ${destination})
endfunction()

# A program with its desktop id (org.example.Tourbel for tourbel).
function(installer_programme programme)
  string(SUBSTRING ${programme} 0 1 initiale)
  string(SUBSTRING ${programme} 1 -1 suite)
  string(TOUPPER ${initiale} initiale)
  set(id org.example.${initiale}${suite})
  set(donnees ${PROJECT_SOURCE_DIR}/donnees/${programme})
  install(TARGETS ${programme} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The package's binaries lose the compilers' names too, as Debian's own
  # do (strip alone keeps them).
  install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_STRIP} --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${programme}\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
  install(FILES ${donnees}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${donnees}/${id}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${donnees}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  compresser(${donnees}/${programme}.1 ${programme}.1.gz ${CMAKE_INSTALL_MANDIR}/man1)
  set(ENTREES_BUREAU ${ENTREES_BUREAU} ${donnees}/${id}.desktop PARENT_SCOPE)
  set(METAINFOS ${METAINFOS} ${donnees}/${id}.metainfo.xml PARENT_SCOPE)
endfunction()

foreach(programme IN LISTS PROGRAMMES_INSTALLES)
  installer_programme(${programme})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/donnees/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${PAQUET_NOM})
compresser(${PROJECT_SOURCE_DIR}/donnees/changelog changelog.Debian.gz
           ${CMAKE_INSTALL_DATADIR}/doc/${PAQUET_NOM})
install(FILES ${PROJECT_SOURCE_DIR}/donnees/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${PAQUET_NOM})

# ---- The Debian package: cpack -G DEB in build/ ----
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PAQUET_NOM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tourbel and Ramelle developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watch chaotic dynamics draw themselves (programs in French)")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tourbel and Ramelle developers <chaos@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/tourbel)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The architecture is the compiler's target, arm64 or armhf in a cross
# build, not the machine's; dpkg-shlibdeps reads the libraries of the
# binaries' own architecture (the multiarch :arm64 or :armhf ones there).
execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The libraries the binaries link decide the dependencies (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Read by cpack when it runs: the package's dates are those of the last
# commit (SOURCE_DATE_EPOCH, unless set already; the changelog's date in a
# copy without git), so that the same commit gives the same bytes.
set(CPACK_CHAOS_SOURCES ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProjet.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} @ONLY CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C ${CPACK_CHAOS_SOURCES} log -1 --format=%ct
                  OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT date)
    execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_CHAOS_SOURCES}/donnees/changelog
                            -STimestamp OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${date})
endif()
]])
# Folders as Debian wants them. CMake creates them with this mode, which
# the umask still narrows: packages are made under umask 022
# (outils/verifier-paquet sets it).
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The summary above is the first line; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Two small GTK programs for learning or teaching dynamical systems.
tourbel follows one trajectory of a three-variable system and draws its
strange attractor segment by segment, in three projections or in 3D.
ramelle draws the bifurcation diagram of the logistic map and zooms into
its branches.

En français : deux petits programmes pour regarder une dynamique chaotique
se dessiner. tourbel trace l'attracteur d'une trajectoire, segment par
segment ; ramelle trace le diagramme de bifurcation de la suite logistique
et zoome dans ses branches.")
include(CPack)

# Their tests: tests/paquet.cmake.
if(CHAOS_TESTS AND NOT CHAOS_SANITISEURS)
  include(${PROJECT_SOURCE_DIR}/tests/paquet.cmake)
endif()
