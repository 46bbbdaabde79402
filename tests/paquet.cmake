# The checks of the installed files and of the Debian package, from
# cmake/installation.cmake; not in the sanitizer build, where they would
# check the same, and a package of instrumented binaries is nothing anyone
# installs.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)

# desktop-file-validate ends well on a mere hint, such as a second main
# category that shows a program twice in some menus: any word fails.
add_test(NAME entrees_bureau_valides COMMAND ${DESKTOP_FILE_VALIDATE} ${ENTREES_BUREAU})
set_tests_properties(entrees_bureau_valides PROPERTIES FAIL_REGULAR_EXPRESSION .)
add_test(NAME metainfo_valides COMMAND ${APPSTREAMCLI} validate --no-net ${METAINFOS})
# The package checked, made again elsewhere, installed into a temporary
# folder and its programs driven there, hence the X server.
add_test(NAME paquet_debian COMMAND ${ECRAN_TEST} ${PROJECT_SOURCE_DIR}/outils/verifier-paquet
         ${CMAKE_BINARY_DIR})
set_tests_properties(paquet_debian PROPERTIES TIMEOUT 300)
