# Each installation keeps the list of what it put in place inside itself, in
# the program's folder (libexec/tintwright/install_manifest.txt), so that
# `scripts/uninstall.sh PREFIX` removes what the installation into PREFIX
# made, whichever other prefix the same build folder installed into since,
# and as whom. CMake's own list in the build folder names only the last
# installation; one made as root leaves it owned by root, and the next
# installation by the user could not write its own. So that list is removed
# here (the folder is the user's), and CMake writes it anew right after.
# Included after every other install rule: the list holds what they put in place.
if(WIN32 OR APPLE)
    return() # an installer or a bundle removes the program there
endif()
install(CODE "set(tintwright_prefix_manifest [==[${CMAKE_INSTALL_LIBEXECDIR}/tintwright/install_manifest.txt]==])
set(tintwright_build_manifest [==[${CMAKE_BINARY_DIR}/install_manifest.txt]==])")
install(CODE [==[
    # Listed as the paths are once in place, without a staging DESTDIR, as CMake lists them.
    set(tintwright_manifest "${CMAKE_INSTALL_PREFIX}/${tintwright_prefix_manifest}")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${tintwright_manifest}")
    string(REPLACE ";" "\n" tintwright_listed "${CMAKE_INSTALL_MANIFEST_FILES}")
    message(STATUS "Installing: $ENV{DESTDIR}${tintwright_manifest}")
    file(WRITE "$ENV{DESTDIR}${tintwright_manifest}" "${tintwright_listed}\n")
    if(NOT CMAKE_INSTALL_COMPONENT)
        file(REMOVE "${tintwright_build_manifest}")
    endif()
]==])
