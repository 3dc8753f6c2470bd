# The Debian package: cpack -G DEB in a build configured with -DCMAKE_INSTALL_PREFIX=/usr
# (scripts/package.sh does it all), giving selection-pilotes_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME selection-pilotes)
set(CPACK_PACKAGE_VENDOR "${PILOTES_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${PILOTES_DEVELOPER} <selection-pilotes@valdor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulation of the aptitude tests for airline pilot cadets")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A ten-minute simulation, in French, of the aptitude tests that select airline
pilot cadets: spatial assembly, path turn-counting, reasoning, dial reading and
length-ratio estimation, each timed and after a worked example, then the score
and the best score since the program started.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries, from the binary; what the program loads by name (Qt's French translations, the
# fonts the screens fall back to) from the one list that the set-up script installs too.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/runtime-packages runtime_packages)
list(JOIN runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
