# Runs the layer check on a small tree (sketch below cli) with one include per
# probe: the upward ones must be refused, the others let through.
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/src/cli/Arguments.h" "#pragma once\n")
file(WRITE "${WORK}/src/theme/ColorValue.h" "#pragma once\n")
file(WRITE "${WORK}/src/sketch/Sketch.h" "#pragma once\n")

set(refused
    "#include \"cli/Arguments.h\""
    "#include <cli/Arguments.h>"
    "#include \"../cli/Arguments.h\""
    "#  include \"../../src/cli/Arguments.h\""
    "#include \"theme/../cli/Arguments.h\"")
set(allowed
    "#include \"Sketch.h\""
    "#include \"theme/ColorValue.h\""
    "#include \"../theme/ColorValue.h\""
    "#include <string>"
    "#include <CLI/CLI.hpp>")
set(wrong "")
foreach(kind refused allowed)
    foreach(line IN LISTS ${kind})
        file(WRITE "${WORK}/src/sketch/Probe.h" "${line}\n")
        execute_process(
            COMMAND ${CMAKE_COMMAND} "-DROOT=${WORK}/src" -DLAYER=sketch "-DLAYERS=theme|sketch|cli"
                    -DMAY_INCLUDE=theme "-DFILES=${WORK}/src/sketch/Probe.h" "-DSTAMP=${WORK}/stamp" -P "${CHECKER}"
            RESULT_VARIABLE code OUTPUT_QUIET ERROR_QUIET)
        if((kind STREQUAL "refused" AND code EQUAL 0) OR (kind STREQUAL "allowed" AND NOT code EQUAL 0))
            string(APPEND wrong "\n  ${line}: should be ${kind}")
        endif()
    endforeach()
endforeach()
if(wrong)
    message(FATAL_ERROR "the layer check judged wrongly:${wrong}")
endif()
