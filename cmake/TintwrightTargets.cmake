# How the program's own targets are built: one static library per folder of
# src/, includes rooted at src/, and layers that point one way only.

set(TINTWRIGHT_LAYERS theme color model sketch make components window cli)

# The stricter warnings the program's own sources are held to.
function(tintwright_strict_checks target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wshadow -Wold-style-cast -Wconversion -Wsign-conversion)
    endif()
endfunction()

# Qt may not turn bytes into text, or text into bytes, without being told the encoding.
function(tintwright_qt_checks target)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING)
endfunction()

# tintwright_add_layer(<target> SOURCES <files>... [MAY_INCLUDE <layers>...] [QT])
#
# The static library of the src/ folder it is called from. Before its sources
# are compiled, a check refuses any include of another layer that is not named
# in MAY_INCLUDE, so a lower layer that reaches up does not build.
function(tintwright_add_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "SOURCES;MAY_INCLUDE")
    get_filename_component(layer "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    list(TRANSFORM arg_SOURCES PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/" OUTPUT_VARIABLE files)
    string(REPLACE ";" "|" file_list "${files}")
    string(REPLACE ";" "|" allowed "${arg_MAY_INCLUDE}")
    string(REPLACE ";" "|" layers "${TINTWRIGHT_LAYERS}")
    set(checker "${PROJECT_SOURCE_DIR}/cmake/CheckLayerIncludes.cmake")
    set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked")
    add_custom_command(OUTPUT "${stamp}"
        COMMAND "${CMAKE_COMMAND}" "-DROOT=${PROJECT_SOURCE_DIR}/src" "-DLAYER=${layer}" "-DLAYERS=${layers}"
                "-DMAY_INCLUDE=${allowed}"
                "-DFILES=${file_list}" "-DSTAMP=${stamp}" -P "${checker}"
        DEPENDS ${files} "${checker}"
        COMMENT "Checking the includes of ${layer}/"
        VERBATIM)

    add_library(${target} STATIC ${arg_SOURCES} "${stamp}")
    target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_compile_features(${target} PUBLIC cxx_std_17)
    tintwright_strict_checks(${target})
    if(arg_QT)
        tintwright_qt_checks(${target})
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
    endif()
endfunction()

# tintwright_find_header_library(<name> <header> <package> <package target>)
#
# tintwright::<name>, a header-only library from the system. A cross build
# cannot put the host's include folder on its path (it holds the host's C
# library too), so there the library's own folder is copied into the build.
function(tintwright_find_header_library name header package package_target)
    if(TARGET tintwright::${name})
        return()
    endif()
    add_library(tintwright_${name} INTERFACE)
    add_library(tintwright::${name} ALIAS tintwright_${name})
    if(NOT CMAKE_CROSSCOMPILING)
        find_package(${package} REQUIRED CONFIG)
        target_link_libraries(tintwright_${name} INTERFACE ${package_target})
        return()
    endif()
    find_path(tintwright_${name}_headers ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    string(REGEX MATCH "^[^/]+" folder "${header}")
    set(staged "${CMAKE_BINARY_DIR}/host-headers/${name}")
    file(COPY "${tintwright_${name}_headers}/${folder}" DESTINATION "${staged}")
    target_include_directories(tintwright_${name} SYSTEM INTERFACE "${staged}")
endfunction()

# Registers each GoogleTest case of <target> with CTest. A cross build lists
# them when the tests run, through the emulator that runs the program.
function(tintwright_add_gtest target)
    if(CMAKE_CROSSCOMPILING)
        # Under Wine a program may take its time to start: the list of its tests is waited for.
        gtest_discover_tests(${target} NO_PRETTY_VALUES DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
    else()
        gtest_discover_tests(${target} NO_PRETTY_VALUES)
    endif()
endfunction()
