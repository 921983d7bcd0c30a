# Installs Corvanel the way Linux desktops find programs (a desktop entry, AppStream metainfo
# and the globe icon in the hicolor theme) and packs the installed tree into a Debian package:
# `cmake --install build` for a local install, `cpack` in the build directory for the .deb.
include(GNUInstallDirs)

# Reverse DNS of the maker's domain, dranwick.example. The desktop entry, the metainfo and the
# icon all carry this name, and the program reports it as its desktop file name.
set(CORVANEL_APP_ID "example.dranwick.corvanel")
set(corvanel_packaging_dir "${PROJECT_SOURCE_DIR}/packaging")
set(corvanel_metainfo "${corvanel_packaging_dir}/${CORVANEL_APP_ID}.metainfo.xml")

# Software centres show the first release in the metainfo as the installed version.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${corvanel_metainfo}")
file(READ "${corvanel_metainfo}" corvanel_metainfo_text)
string(REGEX MATCH "<release version=\"([^\"]*)\"" corvanel_newest_release "${corvanel_metainfo_text}")
if(NOT CMAKE_MATCH_1 STREQUAL CORVANEL_VERSION_TEXT)
    message(FATAL_ERROR "The newest release in ${corvanel_metainfo} is '${CMAKE_MATCH_1}', "
                        "but this is version ${CORVANEL_VERSION_TEXT}: add a <release> entry for it.")
endif()

# --- Icons -------------------------------------------------------------------------------------
# Desktops scale the SVG, but menus, panels and older toolkits still ask for bitmaps of these
# sizes. They are drawn from the same SVG at build time, by Qt SVG, as nothing else is at hand.
set(corvanel_icon_svg "${PROJECT_SOURCE_DIR}/src/resources/globe.svg")
set(corvanel_icon_sizes 16 22 24 32 48 64 128 256)

add_executable(corvanel_render_icon "${corvanel_packaging_dir}/RenderIcon.cpp")
target_link_libraries(corvanel_render_icon PRIVATE Qt6::Gui Qt6::Svg)

set(corvanel_icon_pngs "")
foreach(size IN LISTS corvanel_icon_sizes)
    set(icon_dir "${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps")
    set(icon_png "${icon_dir}/${CORVANEL_APP_ID}.png")
    add_custom_command(OUTPUT "${icon_png}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${icon_dir}"
        COMMAND corvanel_render_icon "${corvanel_icon_svg}" ${size} "${icon_png}"
        DEPENDS corvanel_render_icon "${corvanel_icon_svg}"
        COMMENT "Drawing the ${size}x${size} icon"
        VERBATIM)
    list(APPEND corvanel_icon_pngs "${icon_png}")
    install(FILES "${icon_png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
add_custom_target(corvanel_icons ALL DEPENDS ${corvanel_icon_pngs})

install(FILES "${corvanel_icon_svg}"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${CORVANEL_APP_ID}.svg")

# --- Desktop entry, metainfo, copyright --------------------------------------------------------
install(FILES "${corvanel_packaging_dir}/${CORVANEL_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${corvanel_metainfo}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# Debian keeps it under the package's name, not the project's.
install(FILES "${corvanel_packaging_dir}/copyright" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/corvanel")

# --- Debian package ----------------------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "corvanel")
set(CPACK_PACKAGE_VENDOR "Dranwick")
set(CPACK_PACKAGE_CONTACT "Dranwick <${CORVANEL_SUPPORT_ADDRESS}>")
# Users and the update check know the three-part version, not the four-part file version.
set(CPACK_PACKAGE_VERSION "${CORVANEL_VERSION_TEXT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The package's long description, wrapped for the 80 columns of apt and dpkg.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Corvanel shows the periodic table as a grid of 109 element buttons, each"
    "coloured by its element class. Clicking a button, or typing an element's"
    "symbol, shows the element's data: atomic mass, melting and boiling points,"
    "crystal structure, density, oxidation states, electrons per shell and more."
    "The data or the chart can be printed.")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# The program's own binary goes out without its debugging sections.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dranwick <${CORVANEL_SUPPORT_ADDRESS}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.dranwick.example")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
# dpkg-shlibdeps writes the libraries the binary links (Qt 6, libstdc++, libc) with the minimum
# versions the symbols it uses need. The plugins Qt loads at run time come with those packages
# (the X11 platform plugin with libqt6gui6, the CUPS print plugin with libqt6printsupport6; the
# art is drawn into PNGs at build time, so no SVG support is needed); what is left is the faces that stand in for the Windows
# fonts of the window designs, and Qt's own translations, which give its dialogs and buttons the
# language of the program's (the program's own are built into it).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-wayland is Qt's Wayland platform. On a desktop whose compositor draws the window frames
# (KDE Plasma) the program runs as a Wayland program, and on a Wayland session without XWayland
# it is the only way the program can start at all, so it is a dependency, not a recommendation.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-wayland, qt6-translations-l10n")

set(CPACK_SOURCE_GENERATOR "TXZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/\\\\.cache/" "/build[^/]*/")

include(CPack)
