# The programs the build runs to draw the pictures and the booklet. A cross build cannot run what
# it builds: it imports them from a native build of the same sources, which exports them to
# host-tools.cmake in its build folder, so that both builds draw byte-identical files.
set(PILOTES_HOST_TOOLS "" CACHE FILEPATH "A cross build runs the tools exported to this file by a native build")
if(CMAKE_CROSSCOMPILING)
    if(NOT EXISTS "${PILOTES_HOST_TOOLS}")
        message(FATAL_ERROR "A cross build needs -DPILOTES_HOST_TOOLS=<native build>/host-tools.cmake")
    endif()
    include(${PILOTES_HOST_TOOLS})
endif()

# Adds a program the build runs: built here, or the imported one in a cross build.
#   pilotes_add_host_tool(name SOURCES file... LIBRARIES library...)
function(pilotes_add_host_tool name)
    cmake_parse_arguments(PARSE_ARGV 1 tool "" "" "SOURCES;LIBRARIES")
    if(CMAKE_CROSSCOMPILING)
        if(NOT TARGET ${name})
            message(FATAL_ERROR "${PILOTES_HOST_TOOLS} does not export ${name}")
        endif()
        return()
    endif()
    qt_add_executable(${name} ${tool_SOURCES})
    target_link_libraries(${name} PRIVATE ${tool_LIBRARIES})
    set_property(GLOBAL APPEND PROPERTY pilotes_host_tools ${name})
endfunction()

# Called once every tool is added; the target host-tools builds them all.
function(pilotes_export_host_tools)
    if(NOT CMAKE_CROSSCOMPILING)
        get_property(tools GLOBAL PROPERTY pilotes_host_tools)
        export(TARGETS ${tools} FILE ${CMAKE_BINARY_DIR}/host-tools.cmake)
        add_custom_target(host-tools)
        add_dependencies(host-tools ${tools})
    endif()
endfunction()
