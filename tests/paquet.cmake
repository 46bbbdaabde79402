# The checks of the desktop files, from cmake/installation.cmake; not in the
# sanitizer build, where they would check the same. The packages are
# checked where they are made (outils/verifier-paquet).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)

# desktop-file-validate ends well on a mere hint, such as a second main
# category that shows a program twice in some menus: any word fails.
add_test(NAME entrees_bureau_valides COMMAND ${DESKTOP_FILE_VALIDATE} ${ENTREES_BUREAU})
set_tests_properties(entrees_bureau_valides PROPERTIES FAIL_REGULAR_EXPRESSION .)
add_test(NAME metainfo_valides COMMAND ${APPSTREAMCLI} validate --no-net ${METAINFOS})
