# Fails when a source file includes a header of a room above its own.
# Run by CTest as the test "layering":
#   cmake -DSOURCE_DIR=<repository>/src -P tests/layering_check.cmake
# Each room has a level; a room may include the rooms of lower levels only.
# The core, the companion and the plug-in never include the windows, and
# the core includes no Qt header.

set(core_levels text=0 platform=1 catalogue=2 settings=3 sprite=3 archive=4 animation=4 discovery=5
    check=6 launch=6 roster=7)
set(gui_levels platform=0 app=1 jobs=2 list=3 portrait=4 detail=5 grid=5 battle=6 settings=6
    check=6 roster=6 window=7)

function(level_of table room out)
    set(result "")
    foreach(entry IN LISTS ${table})
        if(entry MATCHES "^${room}=([0-9]+)$")
            set(result ${CMAKE_MATCH_1})
        endif()
    endforeach()
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Appends "file: message" to the caller's violations for every include of
# family (core or gui) in file whose room is neither its own nor below own_level.
function(check_family file text family table own_room own_level)
    string(REGEX MATCHALL "#include \"${family}/[a-z_]+/" includes "${text}")
    foreach(include IN LISTS includes)
        string(REGEX REPLACE "^#include \"${family}/([a-z_]+)/$" "\\1" room "${include}")
        level_of(${table} ${room} level)
        if(room STREQUAL own_room)
            continue()
        endif()
        if(level STREQUAL "" OR NOT level LESS own_level)
            list(APPEND violations "${file}: includes ${family}/${room}/")
        endif()
    endforeach()
    set(violations "${violations}" PARENT_SCOPE)
endfunction()

set(violations "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(file IN LISTS sources)
    file(READ ${SOURCE_DIR}/${file} text)
    if(file MATCHES "^core/([a-z_]+)/")
        set(room ${CMAKE_MATCH_1})
        level_of(core_levels ${room} own)
        check_family(${file} "${text}" core core_levels ${room} ${own})
        if(text MATCHES "#include \"(gui|cli|plugins)/" OR text MATCHES "#include <Q")
            list(APPEND violations "${file}: the core includes a window, companion, plug-in or Qt header")
        endif()
    elseif(file MATCHES "^gui/([a-z_]+)/")
        set(room ${CMAKE_MATCH_1})
        level_of(gui_levels ${room} own)
        check_family(${file} "${text}" gui gui_levels ${room} ${own})
    elseif(file MATCHES "^(cli|plugins)/")
        if(text MATCHES "#include \"gui/")
            list(APPEND violations "${file}: includes a window header")
        endif()
    endif()
endforeach()

if(violations)
    list(JOIN violations "\n" report)
    message(FATAL_ERROR "Includes against the layering:\n${report}")
endif()
list(LENGTH sources count)
message(STATUS "layering: ${count} files, every include goes down")
