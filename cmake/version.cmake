# One version, that of debian/changelog, the source of a native package's:
# - version_paquet, the newest entry's less any Debian revision, is the
#   CMake project's; the manual pages tell it with that entry's month,
#   DATE_PAGE ("décembre 2026");
# - each metainfo file must hold one release per entry, newest first, with
#   its version and the day it was signed, or nothing is configured: its
#   notes, in English and French, are for a person to write.
set(changelog ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
file(STRINGS ${changelog} entetes REGEX "^[^ ]+ \\(")
file(STRINGS ${changelog} signatures REGEX "^ -- ")
set(mois Jan 01 janvier Feb 02 février Mar 03 mars Apr 04 avril May 05 mai Jun 06 juin Jul 07
         juillet Aug 08 août Sep 09 septembre Oct 10 octobre Nov 11 novembre Dec 12 décembre)
set(versions)
foreach(entete signature IN ZIP_LISTS entetes signatures)
  string(REGEX REPLACE "^[^ ]+ \\(([^)-]+).*" "\\1" v "${entete}")
  string(REGEX MATCH "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) [0-9:]+ [-+][0-9]+$" _ "${signature}")
  list(FIND mois "${CMAKE_MATCH_2}" n)
  math(EXPR n1 "${n} + 1")
  math(EXPR n2 "${n} + 2")
  list(GET mois ${n1} ${n2} m)
  list(GET m 0 numero)
  list(APPEND versions "${v} ${CMAKE_MATCH_3}-${numero}-${CMAKE_MATCH_1}")
  if(NOT DEFINED version_paquet)
    set(version_paquet ${v})
    list(GET m 1 DATE_PAGE)
    set(DATE_PAGE "${DATE_PAGE} ${CMAKE_MATCH_3}")
  endif()
endforeach()
file(GLOB fiches ${CMAKE_CURRENT_SOURCE_DIR}/donnees/*/*.metainfo.xml)
# An edit of any of them configures again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog} ${fiches})
foreach(fiche IN LISTS fiches)
  file(STRINGS ${fiche} releases REGEX "<release ")
  list(TRANSFORM releases REPLACE ".*<release version=\"([^\"]*)\" date=\"([^\"]*)\".*" "\\1 \\2")
  if(NOT releases STREQUAL versions)
    message(FATAL_ERROR "${fiche}: its releases (${releases}) are not debian/changelog's entries (${versions})")
  endif()
endforeach()
