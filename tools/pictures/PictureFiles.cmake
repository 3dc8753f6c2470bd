# Every picture the generator draws, kind by kind, each listed once. The build declares the files as
# the generator's outputs (a deleted one is drawn again, `clean` removes them), embeds or installs
# them from here, and the generator fails when what it wrote differs from this list.

# Read by bare name at run time, installed to share/selection-pilotes/pictures.
set(PILOTES_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
# Compiled into the program as resources under ":/assets/".
set(PILOTES_EMBEDDED_DIR ${CMAKE_BINARY_DIR}/embedded-pictures)

# The decoration: the logo and the title picture.
set(PILOTES_DECORATION_PICTURES Logo.gif Image.jpg)
set(PILOTES_EMBEDDED_PICTURES)

# Spatial assembly: question 1 stored with the screen, 2 to 60 read by name.
list(APPEND PILOTES_EMBEDDED_PICTURES spatial1.jpg)
foreach(question RANGE 2 60)
    list(APPEND PILOTES_QUESTION_PICTURES image${question}.gif)
endforeach()

# Paths: question 1 stored with the screen, 2 to 30 read by name.
list(APPEND PILOTES_EMBEDDED_PICTURES chemin1.jpg)
foreach(question RANGE 2 30)
    list(APPEND PILOTES_QUESTION_PICTURES chemin${question}.gif)
endforeach()

# Dials: one picture per panel of five questions; panel 2 is also stored with the screen, beside
# the example of the instructions.
list(APPEND PILOTES_EMBEDDED_PICTURES cadran2.jpg exemple-cadran.jpg)
foreach(panel RANGE 2 9)
    list(APPEND PILOTES_QUESTION_PICTURES cadran${panel}.gif)
endforeach()

# Lengths: question 1 stored with the screen, 2 to 30 read by name.
list(APPEND PILOTES_EMBEDDED_PICTURES barre1.jpg)
foreach(question RANGE 2 30)
    list(APPEND PILOTES_QUESTION_PICTURES barre${question}.gif)
endforeach()

# Each also drawn at twice the size for high-density screens.
foreach(list_name PILOTES_DECORATION_PICTURES PILOTES_QUESTION_PICTURES PILOTES_EMBEDDED_PICTURES)
    list(TRANSFORM ${list_name} REPLACE "^(.*)(\\.[a-z]+)$" "\\1@2x\\2" OUTPUT_VARIABLE double_size)
    list(APPEND ${list_name} ${double_size})
endforeach()

# The application icon at each size of the hicolor theme, and scalable; embedded for the window
# icon and installed to share/icons/hicolor/<size>/apps/. The Windows program carries the sizes
# together in icon.ico.
set(PILOTES_ICONS_DIR ${CMAKE_BINARY_DIR}/icons)
set(PILOTES_ICON_SIZES 16 32 48 64 128 256)
set(PILOTES_ICONS icon.svg icon.ico)
foreach(size IN LISTS PILOTES_ICON_SIZES)
    list(APPEND PILOTES_ICONS icon-${size}.png)
endforeach()

set(PILOTES_PICTURES ${PILOTES_DECORATION_PICTURES} ${PILOTES_QUESTION_PICTURES})
list(TRANSFORM PILOTES_PICTURES PREPEND ${PILOTES_PICTURES_DIR}/ OUTPUT_VARIABLE PILOTES_PICTURE_PATHS)
list(TRANSFORM PILOTES_EMBEDDED_PICTURES PREPEND ${PILOTES_EMBEDDED_DIR}/ OUTPUT_VARIABLE PILOTES_EMBEDDED_PATHS)
list(TRANSFORM PILOTES_ICONS PREPEND ${PILOTES_ICONS_DIR}/ OUTPUT_VARIABLE PILOTES_ICON_PATHS)
set(PILOTES_GENERATED_PATHS ${PILOTES_PICTURE_PATHS} ${PILOTES_EMBEDDED_PATHS} ${PILOTES_ICON_PATHS})

# Fresh series of the question pictures read by name, held to the same answer tables
# (tools/pictures/series.h): series 1 is the set above, series 2 to PILOTES_SERIES_COUNT each take
# a folder of their own, PILOTES_SERIES_DIR/<n>, whose files are listed in PILOTES_SERIES_<n>_PATHS.
# A series is played by starting the program with its folder as the working folder.
set(PILOTES_SERIES_COUNT 6 CACHE STRING "How many series of question pictures to build, from 2")
if(NOT PILOTES_SERIES_COUNT MATCHES "^[0-9]+$" OR PILOTES_SERIES_COUNT LESS 2)
    message(FATAL_ERROR "PILOTES_SERIES_COUNT must be a whole number from 2, not '${PILOTES_SERIES_COUNT}'")
endif()
set(PILOTES_SERIES_DIR ${CMAKE_BINARY_DIR}/series)
set(PILOTES_SERIES_PATHS)
foreach(series RANGE 2 ${PILOTES_SERIES_COUNT})
    list(TRANSFORM PILOTES_QUESTION_PICTURES PREPEND ${PILOTES_SERIES_DIR}/${series}/
        OUTPUT_VARIABLE PILOTES_SERIES_${series}_PATHS)
    list(APPEND PILOTES_SERIES_PATHS ${PILOTES_SERIES_${series}_PATHS})
endforeach()

# The booklets (tools/booklet), installed to share/doc/selection-pilotes: for each series, a question
# paper to take the tests on paper ("sujet") and its illustrated answers ("corrigé"); series 1's
# names carry no number. PILOTES_BOOKLET_PATHS lists them all, series by series, sujet first;
# PILOTES_BOOKLET_PATH is series 1's corrigé, the one the menus open.
set(PILOTES_BOOKLET_DIR ${CMAKE_BINARY_DIR}/doc)
set(PILOTES_BOOKLET_PATHS)
foreach(series RANGE 1 ${PILOTES_SERIES_COUNT})
    if(series EQUAL 1)
        set(suffix "")
    else()
        set(suffix "-serie-${series}")
    endif()
    set(PILOTES_BOOKLET_${series}_SUJET ${PILOTES_BOOKLET_DIR}/sujet-selection-pilotes${suffix}.pdf)
    set(PILOTES_BOOKLET_${series}_CORRIGE ${PILOTES_BOOKLET_DIR}/corrige-selection-pilotes${suffix}.pdf)
    list(APPEND PILOTES_BOOKLET_PATHS ${PILOTES_BOOKLET_${series}_SUJET} ${PILOTES_BOOKLET_${series}_CORRIGE})
endforeach()
set(PILOTES_BOOKLET_PATH ${PILOTES_BOOKLET_1_CORRIGE})
