# licenses\ beside the program: its own licence, and the licence and copyright notices of everything
# else the folder carries, as Debian publishes them for the source packages it was built from (Qt
# and the libraries inside its DLLs, Qt's French translations, giflib inside the program, the
# compiler's run-time DLLs), with the full texts of the GNU licences they name; LISEZMOI.txt says
# which file covers what and where the corresponding source is. These are the packages installed
# here: scripts/windows/qt.sh builds Qt, giflib and libjpeg-turbo from the source of the very same
# versions.
set(licences ${CMAKE_CURRENT_BINARY_DIR}/licenses)
file(REMOVE_RECURSE ${licences})
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${licences}/selection-pilotes.txt COPYONLY)

# Each as "the file's name:the Debian package whose copyright file it is".
set(source_packages)
foreach(entry qt6-base:qt6-base-dev-tools qt6-translations:qt6-translations-l10n giflib:libgif-dev
        gcc-mingw-w64:gcc-mingw-w64-x86-64-posix-runtime mingw-w64:mingw-w64-x86-64-dev)
    string(REPLACE ":" ";" entry ${entry})
    list(GET entry 0 name)
    list(GET entry 1 package)
    execute_process(COMMAND dpkg-query -W [=[-f=${source:Package}=${source:Version}]=] ${package}
        OUTPUT_VARIABLE source RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR NOT EXISTS /usr/share/doc/${package}/copyright)
        message(FATAL_ERROR "${package} is not installed: its copyright file goes into licenses\\")
    endif()
    configure_file(/usr/share/doc/${package}/copyright ${licences}/${name}.txt COPYONLY)
    list(APPEND source_packages ${source})
    string(MAKE_C_IDENTIFIER ${name} id)
    string(REGEX REPLACE "^[^=]*=" "" ${id}_version ${source})
endforeach()
foreach(licence GPL-2 GPL-3 LGPL-2.1 LGPL-3)
    configure_file(/usr/share/common-licenses/${licence} ${licences}/${licence}.txt COPYONLY)
endforeach()

string(REPLACE "+" "%2B" qt_snapshot_version ${qt6_base_version})
list(JOIN source_packages "\n  " source_package_lines)
file(CONFIGURE OUTPUT ${licences}/LISEZMOI.txt CONTENT [=[
Simulation de Sélection Pilotes : licences

Le programme est sous licence MIT (selection-pilotes.txt). Il est livré avec des bibliothèques
d'autres auteurs, chacune sous sa propre licence. Ce dossier en donne les textes et les mentions
de droits d'auteur, tels que Debian les publie pour les paquets sources dont elles sont construites :

  qt6-base.txt          Qt @Qt6Core_VERSION@ : Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll et les modules des
                        dossiers platforms, imageformats et styles (LGPL 3 ou GPL 2), avec les
                        bibliothèques qu'ils contiennent, chacune dans sa section : FreeType,
                        HarfBuzz, zlib, libpng, PCRE2, libjpeg-turbo, double-conversion...
  qt6-translations.txt  translations\qtbase_fr.qm, les textes français de Qt (GPL 3, avec exception)
  giflib.txt            giflib, intégrée à selection-pilotes.exe (licence MIT)
  gcc-mingw-w64.txt     libgcc_s_seh-1.dll et libstdc++-6.dll, bibliothèques d'exécution du
                        compilateur GCC (GPL 3 avec l'exception des bibliothèques d'exécution de GCC)
  mingw-w64.txt         libwinpthread-1.dll et le code de démarrage de MinGW-w64 (ZPL 2.1, MIT,
                        BSD, domaine public, selon les fichiers)
  GPL-2.txt, GPL-3.txt, LGPL-2.1.txt, LGPL-3.txt : les textes complets des licences GNU citées

Code source

Les DLL de Qt ont été construites avec MinGW-w64 par le script scripts/windows/qt.sh du projet, à
partir du paquet source Debian qt6-base @qt6_base_version@ (Qt @Qt6Core_VERSION@ avec les correctifs de
Debian), sans autre modification. Le programme les charge comme des bibliothèques partagées : on
peut les remplacer par une version modifiée de Qt @Qt6Core_VERSION@.

Le code source correspondant, celui de Qt comme celui des autres paquets de cette liste,
s'obtient de Debian :
  @source_package_lines@
- sur un système Debian, par exemple : apt-get source qt6-base=@qt6_base_version@
- sur Internet, par exemple : https://snapshot.debian.org/package/qt6-base/@qt_snapshot_version@/
]=] @ONLY)

install(DIRECTORY ${licences}/ DESTINATION ${PILOTES_INSTALL_BIN_DIR}/licenses)
