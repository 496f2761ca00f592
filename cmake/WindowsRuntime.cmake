# What tintwright.exe needs beside it on Windows, for the cross build of the
# window: Qt's DLLs and its windows platform plugin, and MinGW-w64's runtime
# DLLs, which Qt's DLLs are linked against.
#   TINTWRIGHT_RUNTIME_DLLS      the DLLs (full paths)
#   TINTWRIGHT_PLATFORM_PLUGINS  qwindows.dll and qoffscreen.dll
#   TINTWRIGHT_STYLE_PLUGIN      qwindowsvistastyle.dll, the native look
# Both are also put beside the programs the build makes, where Windows looks
# first, so the tests under Wine find them as the installed program does.
set(TINTWRIGHT_RUNTIME_DLLS "")
foreach(library Core Gui Widgets)
    get_target_property(dll Qt6::${library} IMPORTED_LOCATION_RELEASE)
    list(APPEND TINTWRIGHT_RUNTIME_DLLS "${dll}")
endforeach()
get_filename_component(qt_bin "${dll}" DIRECTORY)
get_filename_component(qt_prefix "${qt_bin}" DIRECTORY)
set(TINTWRIGHT_PLATFORM_PLUGINS "${qt_prefix}/plugins/platforms/qwindows.dll" "${qt_prefix}/plugins/platforms/qoffscreen.dll")
set(TINTWRIGHT_STYLE_PLUGIN "${qt_prefix}/plugins/styles/qwindowsvistastyle.dll")
if(NOT EXISTS "${TINTWRIGHT_STYLE_PLUGIN}")
    message(FATAL_ERROR "Qt for Windows has no ${TINTWRIGHT_STYLE_PLUGIN}: without it the window looks like Windows 95")
endif()
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${name} OUTPUT_VARIABLE dll
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dll "${dll}" REALPATH)
    if(NOT EXISTS "${dll}")
        message(FATAL_ERROR "MinGW-w64's ${name} is not there")
    endif()
    list(APPEND TINTWRIGHT_RUNTIME_DLLS "${dll}")
endforeach()
get_target_property(test_dll Qt6::Test IMPORTED_LOCATION_RELEASE) # for the tests alone
file(COPY ${TINTWRIGHT_RUNTIME_DLLS} "${test_dll}" DESTINATION "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
file(COPY ${TINTWRIGHT_PLATFORM_PLUGINS} DESTINATION "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/platforms")
file(COPY "${TINTWRIGHT_STYLE_PLUGIN}" DESTINATION "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/styles")
