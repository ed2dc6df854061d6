cmake_minimum_required(VERSION 3.16)
# The subsystems' include graph: each folder may include only the folders below it, so the
# graph has no cycle and no upward arrow. Run as a test: cmake -DSOURCE=<top> -P layers.cmake
#   global        application services, the base
#   astro geo text    the engine, the places and the texts, on global
#   ical print    calendar files and the printed months, on the engine
#   reminders     reminders of the engine's events and the desktop's notifications, on ical
#   app cli       the window and the command line, on top
set(allowed_global "")
set(allowed_astro global)
set(allowed_geo global)
set(allowed_text global)
set(allowed_ical global astro)
set(allowed_print global astro)
set(allowed_reminders global astro ical)
set(allowed_app global astro geo text ical print reminders)
set(allowed_cli global astro geo text ical print)

set(breaches 0)
foreach(folder global astro geo text ical print reminders app cli)
    file(GLOB sources ${SOURCE}/${folder}/*.cpp ${SOURCE}/${folder}/*.h)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
            if(NOT target STREQUAL folder AND NOT target IN_LIST allowed_${folder})
                message(SEND_ERROR "${source}: ${folder}/ may not include ${target}/ (${line})")
                math(EXPR breaches "${breaches} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()
if(breaches EQUAL 0)
    message(STATUS "the subsystems' includes follow their layers")
endif()
