# tintwright_package_program(<target>)
#
# How the program is put together on each system. On Windows it is a GUI
# program (no console window) with the program icon inside the executable. On
# macOS it is an application bundle with its icon and Info.plist, and with the
# help documents beside the executable (Contents/MacOS), where the help buttons
# look for them. Elsewhere the help documents are built beside it anyway.
# The icons are drawn from the program's SVG at build time by tools/iconfile.
function(tintwright_package_program target)
    set(svg "${PROJECT_SOURCE_DIR}/src/resources/tintwright.svg")
    if(WIN32)
        set(icon "${CMAKE_CURRENT_BINARY_DIR}/tintwright.ico")
        set(rc "${CMAKE_CURRENT_BINARY_DIR}/tintwright.rc")
        add_custom_command(OUTPUT "${icon}" COMMAND ${CMAKE_COMMAND} -E env ${TINTWRIGHT_QT_TOOL_ENVIRONMENT} $<TARGET_FILE:iconfile> "${svg}" "${icon}" DEPENDS iconfile "${svg}"
            COMMENT "Drawing the program icon" VERBATIM)
        configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/tintwright.rc.in" "${rc}" @ONLY)
        set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${icon}")
        target_sources(${target} PRIVATE "${rc}" "${icon}")
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    elseif(APPLE)
        set(icon "${CMAKE_CURRENT_BINARY_DIR}/tintwright.icns")
        add_custom_command(OUTPUT "${icon}" COMMAND ${CMAKE_COMMAND} -E env ${TINTWRIGHT_QT_TOOL_ENVIRONMENT} $<TARGET_FILE:iconfile> "${svg}" "${icon}" DEPENDS iconfile "${svg}"
            COMMENT "Drawing the program icon" VERBATIM)
        set_source_files_properties("${icon}" PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
        target_sources(${target} PRIVATE "${icon}")
        set_target_properties(${target} PROPERTIES
            MACOSX_BUNDLE ON
            OUTPUT_NAME Tintwright
            MACOSX_BUNDLE_INFO_PLIST "${PROJECT_SOURCE_DIR}/packaging/macos/Info.plist.in"
            MACOSX_BUNDLE_BUNDLE_NAME Tintwright
            MACOSX_BUNDLE_GUI_IDENTIFIER org.tintwright.Tintwright
            MACOSX_BUNDLE_ICON_FILE tintwright.icns
            MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}"
            MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}")
        add_dependencies(${target} help_documents)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND "${CMAKE_COMMAND}" -E copy ${TINTWRIGHT_HELP_DOCUMENTS} "$<TARGET_FILE_DIR:${target}>"
            COMMENT "Putting the help documents beside the program" VERBATIM)
    endif()
endfunction()
