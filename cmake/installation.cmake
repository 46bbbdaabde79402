# Installation of the two programs the way desktops find them: binaries,
# desktop entries, icons, AppStream metainfo and French manual pages under
# the GNU directories (data in donnees/PROGRAMME/). The manual pages go
# plain: Debian's package (debian/) compresses them, with its own files.
include(GNUInstallDirs)

# ramelle installs as soon as its target exists.
set(PROGRAMMES_INSTALLES tourbel)
if(TARGET ramelle)
  list(APPEND PROGRAMMES_INSTALLES ramelle)
endif()

# A program with its desktop id (org.example.Tourbel for tourbel).
function(installer_programme programme)
  string(SUBSTRING ${programme} 0 1 initiale)
  string(SUBSTRING ${programme} 1 -1 suite)
  string(TOUPPER ${initiale} initiale)
  set(id org.example.${initiale}${suite})
  set(donnees ${PROJECT_SOURCE_DIR}/donnees/${programme})
  install(TARGETS ${programme} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${donnees}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${donnees}/${id}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${donnees}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The page's .TH line takes the version and its month (cmake/version.cmake).
  configure_file(${donnees}/${programme}.1 man/${programme}.1 @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/${programme}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

foreach(programme IN LISTS PROGRAMMES_INSTALLES)
  installer_programme(${programme})
endforeach()
