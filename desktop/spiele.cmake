# Run by cpack before it packs: Debian keeps games in /usr/games, so the package moves the programs there.
# They find their data from either folder (../share/ovikuvela beside the program's folder); the menu entry names
# the program by its new path.
set(wurzel "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(GLOB programme "${wurzel}/bin/*")
file(MAKE_DIRECTORY "${wurzel}/games")
foreach(programm ${programme})
    get_filename_component(name "${programm}" NAME)
    file(RENAME "${programm}" "${wurzel}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${wurzel}/bin")
set(OVI_PROGRAMM "${CPACK_PACKAGING_INSTALL_PREFIX}/games/ovikuvela")
configure_file("${CPACK_OVI_DESKTOP_VORLAGE}" "${wurzel}/${CPACK_OVI_DESKTOP}" @ONLY)
