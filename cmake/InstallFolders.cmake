# Where an installed Zorvik lives. Included before the sources, since the
# platform room compiles the plug-ins' place relative to the executable
# into the package's programs (zorvik_installed_layout).
include(GNUInstallDirs)

set(ZORVIK_APP_ID org.zorvik.Zorvik)
set(ZORVIK_HOMEPAGE "https://zorvik.org" CACHE STRING "The project's public address")
set(ZORVIK_INSTALL_PLUGIN_DIR ${CMAKE_INSTALL_LIBDIR}/zorvik/ArchiverDLLs)
file(RELATIVE_PATH ZORVIK_PLUGINS_FROM_EXECUTABLE
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${ZORVIK_INSTALL_PLUGIN_DIR})
