# Checks an installed program: its layout under PREFIX, and that, started from an empty working
# folder (which is also its home), it finds every picture and reaches the title screen, the
# working folder being searched first. With BUILD_DIR it installs that build into PREFIX first,
# and also checks that a picture missing from the installed folder is reported.
# Needs PREFIX, PLUGINS (the folder holding generic/ with the probe), PICTURES_DIR, PICTURE_LIST
# and APP_ID; SCRATCH, where the working folders go, defaults to the current folder.

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

# The layout: every picture and nothing else in the picture folder, and the desktop files.
file(STRINGS ${PICTURE_LIST} expected)
file(GLOB found RELATIVE ${PREFIX}/${PICTURES_DIR} ${PREFIX}/${PICTURES_DIR}/* ${PREFIX}/${PICTURES_DIR}/.*)
list(SORT expected)
list(SORT found)
if(NOT found STREQUAL expected)
    set(extra ${found})
    list(REMOVE_ITEM extra ${expected})
    set(missing ${expected})
    list(REMOVE_ITEM missing ${found})
    fail("${PREFIX}/${PICTURES_DIR}: missing [${missing}], unexpected [${extra}]")
endif()
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

# A picture dropped in the working folder comes before the installed one.
file(WRITE ${scratch}/replaced/cadran5.gif "not a picture")
expect_refusal(${scratch}/replaced cadran5.gif)

if(DEFINED BUILD_DIR)
    file(REMOVE ${PREFIX}/${PICTURES_DIR}/image17.gif)
    expect_refusal(${scratch}/incomplete image17.gif)
endif()
