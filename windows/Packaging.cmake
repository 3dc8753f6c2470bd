# The installer and the zip of the same folder, made by cpack in the cross build:
# selection-pilotes-<version>-win64-setup.exe and selection-pilotes-<version>-win64.zip.
# The installer, from NSIS.template.in beside this file, is French and installs for every user of
# the machine into Program Files.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME selection-pilotes)
set(CPACK_PACKAGE_VENDOR "${PILOTES_DEVELOPER}")
set(CPACK_PACKAGE_FILE_NAME selection-pilotes-${PROJECT_VERSION}-win64)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackOptions.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Selection Pilotes")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Selection Pilotes")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_PACKAGE_NAME "${PILOTES_DISPLAY_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${PILOTES_DISPLAY_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PILOTES_ICONS_DIR}/icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${PILOTES_ICONS_DIR}/icon.ico)
set(CPACK_NSIS_UNINSTALL_NAME desinstaller)
# Read by the template: what the Start-menu entries open.
set(CPACK_PILOTES_PROGRAM selection-pilotes.exe)
cmake_path(GET PILOTES_BOOKLET_PATH FILENAME CPACK_PILOTES_BOOKLET)
# Start-menu entries for series 2 to this one: the program started in the series' folder, and the
# series' sujet and corrigé. Series 1's sujet sits beside its corrigé.
set(CPACK_PILOTES_SERIES_COUNT ${PILOTES_SERIES_COUNT})
cmake_path(GET PILOTES_BOOKLET_1_SUJET FILENAME CPACK_PILOTES_SUJET)
# Read by the template: the setup's own version information.
set(CPACK_PILOTES_COMPANY VALDOR)
set(CPACK_PILOTES_COPYRIGHT "${PILOTES_COPYRIGHT}")
set(CPACK_PILOTES_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)
