# Checks an installed program: its layout under PREFIX, and that, started from an empty working
# folder (which is also its home), it finds every picture and reaches the title screen, the
# working folder being searched first. With BUILD_DIR it installs that build into PREFIX first,
# and also checks that a picture missing from the installed folder is reported.
# Needs PREFIX, PLUGINS (the folder holding generic/ with the probe), PICTURES_DIR, PICTURE_LIST,
# SERIES_DIR, SERIES_COUNT, SERIES_LIST (the question pictures of a later series) and APP_ID;
# SCRATCH, where the working folders go, defaults to the current folder.

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

# Starts the program in FOLDER and puts its exit code and the probe's report into VARIABLE.
function(start_in folder variable)
    file(MAKE_DIRECTORY ${folder})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=${PLUGINS}
                QT_QPA_GENERIC_PLUGINS=startupprobe HOME=${folder} ASAN_OPTIONS=detect_leaks=0
                ${PREFIX}/bin/selection-pilotes
        WORKING_DIRECTORY ${folder}
        OUTPUT_VARIABLE report
        RESULT_VARIABLE result
        TIMEOUT 60)
    message(STATUS "started in ${folder}: exit ${result}\n${report}")
    set(${variable} "exit ${result}\n${report}" PARENT_SCOPE)
endfunction()

function(start_in_series folder)
    start_in(${folder} outcome)
    if(NOT outcome MATCHES "^exit 0\n" OR NOT outcome MATCHES "shown: Titre\n" OR outcome MATCHES "message:")
        fail("started from ${folder}, the program should show the title screen")
    endif()
endfunction()

function(expect_refusal folder picture)
    start_in(${folder} outcome)
    if(NOT outcome MATCHES "^exit 1\n" OR NOT outcome MATCHES "message: [^\n]*${picture}")
        fail("the program should have refused to start, naming ${picture}")
    endif()
endfunction()

if(DEFINED BUILD_DIR)
    file(REMOVE_RECURSE ${PREFIX})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
        OUTPUT_QUIET RESULT_VARIABLE installed)
    if(NOT installed EQUAL 0)
        fail("cmake --install failed")
    endif()
endif()

# Every file listed and nothing else in a folder.
function(expect_exactly folder list)
    file(STRINGS ${list} expected)
    file(GLOB found RELATIVE ${folder} ${folder}/* ${folder}/.*)
    list(SORT expected)
    list(SORT found)
    if(NOT found STREQUAL expected)
        set(extra ${found})
        list(REMOVE_ITEM extra ${expected})
        set(missing ${expected})
        list(REMOVE_ITEM missing ${found})
        fail("${folder}: missing [${missing}], unexpected [${extra}]")
    endif()
endfunction()

# The layout: every picture and nothing else in the picture folder and in each series' folder,
# and the desktop files.
expect_exactly(${PREFIX}/${PICTURES_DIR} ${PICTURE_LIST})
foreach(series RANGE 2 ${SERIES_COUNT})
    expect_exactly(${PREFIX}/${SERIES_DIR}/${series} ${SERIES_LIST})
endforeach()
set(files bin/selection-pilotes share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg share/man/man1/selection-pilotes.1.gz
    share/doc/selection-pilotes/copyright)
foreach(size 16 32 48 64 128 256)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS files)
    if(NOT EXISTS ${PREFIX}/${file})
        fail("${PREFIX}/${file} is missing")
    endif()
endforeach()

# The launcher's actions start the program in each later series' folder.
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop actions REGEX "^Exec=env -C ")
list(LENGTH actions action_count)
math(EXPR later_series "${SERIES_COUNT} - 1")
if(NOT action_count EQUAL later_series)
    fail("the launcher has ${action_count} series actions, not ${later_series}")
endif()
set(series 2)
foreach(action IN LISTS actions)
    if(NOT action MATCHES "^Exec=env -C (.*/${SERIES_DIR}/${series}) selection-pilotes$")
        fail("the launcher's action for series ${series} reads: ${action}")
    endif()
    # Where the launcher's prefix is the one installed into, the folder must be there.
    if(CMAKE_MATCH_1 MATCHES "^${PREFIX}/" AND NOT IS_DIRECTORY ${CMAKE_MATCH_1})
        fail("the launcher's action for series ${series} starts in ${CMAKE_MATCH_1}, which is missing")
    endif()
    math(EXPR series "${series} + 1")
endforeach()

if(NOT DEFINED SCRATCH)
    set(SCRATCH ${CMAKE_CURRENT_BINARY_DIR})
endif()
set(scratch ${SCRATCH}/installed-program-runs)
file(REMOVE_RECURSE ${scratch})

start_in(${scratch}/empty outcome)
if(NOT outcome MATCHES "^exit 0\n" OR NOT outcome MATCHES "shown: Titre\nlogo: drawn\n"
    OR outcome MATCHES "message:")
    fail("started from an empty folder, the program should show the title screen with its logo")
endif()

# Started in a series' folder (series 3's, or the last one built), as the launcher's action starts
# it: the same program, every picture found.
if(SERIES_COUNT LESS 3)
    start_in_series(${PREFIX}/${SERIES_DIR}/${SERIES_COUNT})
else()
    start_in_series(${PREFIX}/${SERIES_DIR}/3)
endif()

# A picture dropped in the working folder comes before the installed one.
file(WRITE ${scratch}/replaced/cadran5.gif "not a picture")
expect_refusal(${scratch}/replaced cadran5.gif)

if(DEFINED BUILD_DIR)
    file(REMOVE ${PREFIX}/${PICTURES_DIR}/image17.gif)
    expect_refusal(${scratch}/incomplete image17.gif)
endif()
