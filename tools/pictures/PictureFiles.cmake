# Every picture the generator draws, each listed once. The build declares the files as the
# generator's outputs (a deleted one is drawn again, `clean` removes them), embeds or installs them
# from here, and the generator fails when what it wrote differs from these lists. The tests'
# pictures are not named here but read from their descriptors (trials/testlist.h), so that a new
# test needs no line in this file.

# Read by bare name at run time, installed to share/selection-pilotes/pictures.
set(PILOTES_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
# Compiled into the program as resources under ":/assets/".
set(PILOTES_EMBEDDED_DIR ${CMAKE_BINARY_DIR}/embedded-pictures)

# The decoration: the logo and the title picture.
set(PILOTES_DECORATION_PICTURES Logo.gif Image.jpg)

# The tests' pictures: those stored with the screens (question 1 of each, the dials' example),
# PILOTES_EMBEDDED_PICTURES, and those read by name from question 2 on, PILOTES_QUESTION_PICTURES.
# picturelist.cpp writes both to picture-files.cmake from the descriptors as the build is
# configured. A cross build cannot run it: it reads the file of the native build that exports its
# tools, beside host-tools.cmake.
if(CMAKE_CROSSCOMPILING)
    get_filename_component(host_build ${PILOTES_HOST_TOOLS} DIRECTORY)
    set(picture_files ${host_build}/picture-files.cmake)
    if(NOT EXISTS ${picture_files})
        message(FATAL_ERROR "${picture_files} is missing: configure the native build again")
    endif()
else()
    set(picture_files ${CMAKE_BINARY_DIR}/picture-files.cmake)
    # Listed again whenever a test's table or the lister changes.
    file(GLOB_RECURSE trials_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/trials/*.h)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
        ${trials_headers} ${CMAKE_CURRENT_LIST_DIR}/picturelist.cpp)
    # Held to the warnings of the rest of the build, which add_compile_options does not pass on.
    set(warnings -Wall -Wextra)
    if(PILOTES_WERROR)
        list(APPEND warnings -Werror)
    endif()
    # No stale list is read should it fail.
    file(REMOVE ${picture_files})
    try_run(picturelist_exit picturelist_compiled ${CMAKE_BINARY_DIR}/CMakeFiles/picturelist
        ${CMAKE_CURRENT_LIST_DIR}/picturelist.cpp
        CMAKE_FLAGS -DINCLUDE_DIRECTORIES=${PROJECT_SOURCE_DIR}/trials
            -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
        COMPILE_DEFINITIONS ${warnings}
        LINK_LIBRARIES Qt6::Core
        CXX_STANDARD 20
        CXX_STANDARD_REQUIRED ON
        CXX_EXTENSIONS OFF
        COMPILE_OUTPUT_VARIABLE picturelist_compile_output
        RUN_OUTPUT_VARIABLE picturelist_output
        ARGS ${picture_files})
    if(NOT picturelist_compiled)
        message(FATAL_ERROR "tools/pictures/picturelist.cpp, which lists the tests' pictures, "
            "does not compile:\n${picturelist_compile_output}")
    elseif(NOT picturelist_exit EQUAL 0)
        message(FATAL_ERROR "tools/pictures/picturelist.cpp could not list the tests' pictures "
            "(${picturelist_exit}):\n${picturelist_output}")
    endif()
endif()
include(${picture_files})

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
