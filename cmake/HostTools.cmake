# A cross build (the Windows window) cannot run the tools it would build, so it
# takes them from a build for this machine: TINTWRIGHT_HOST_BUILD, a build
# folder of the ci preset (build/ci) with its tools and help documents built.
set(TINTWRIGHT_HOST_BUILD "" CACHE PATH "A build of Tintwright for this machine whose tools a cross build runs")
if(NOT EXISTS "${TINTWRIGHT_HOST_BUILD}/tools/iconfile" OR NOT EXISTS "${TINTWRIGHT_HOST_BUILD}/bin/readme.pdf")
    message(FATAL_ERROR "A cross build of the window needs TINTWRIGHT_HOST_BUILD: a build folder for this machine "
                        "with its tools and help documents (cmake --build --preset ci --target iconfile help_documents)")
endif()

add_executable(iconfile IMPORTED)
set_target_properties(iconfile PROPERTIES IMPORTED_LOCATION "${TINTWRIGHT_HOST_BUILD}/tools/iconfile")

# The help documents lie beside the program, where its help buttons look.
set(TINTWRIGHT_HELP_DOCUMENTS "")
foreach(name readme liesmich)
    set(document "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}.pdf")
    add_custom_command(OUTPUT "${document}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${TINTWRIGHT_HOST_BUILD}/bin/${name}.pdf" "${document}"
        DEPENDS "${TINTWRIGHT_HOST_BUILD}/bin/${name}.pdf"
        COMMENT "Taking ${name}.pdf from the host build" VERBATIM)
    list(APPEND TINTWRIGHT_HELP_DOCUMENTS "${document}")
endforeach()
add_custom_target(help_documents ALL DEPENDS ${TINTWRIGHT_HELP_DOCUMENTS})
