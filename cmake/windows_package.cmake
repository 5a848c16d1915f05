# The Windows program folder as a zip, Quorvane-<version>-win32.zip, made by the package target:
# the program, its splash library, the clue fonts, the shipped puzzles, the help file and the
# read-me, laid out as the build makes them (the game finds everything beside its executable).
# Unpacked anywhere, the folder runs as it is; saved games go into "Saved Games" beside it.

install(TARGETS quorvane RUNTIME DESTINATION .)
# The import library is for linking the program only.
install(TARGETS qvw32 RUNTIME DESTINATION . ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES ${QUORVANE_PROGRAM_DIR}/qvsmall.fnt ${QUORVANE_PROGRAM_DIR}/qvmedium.fnt
              ${QUORVANE_PROGRAM_DIR}/Readme.txt
        DESTINATION .)
install(FILES ${QUORVANE_PROGRAM_DIR}/Help/Quorvane.chm DESTINATION Help)
foreach(picture IN LISTS QUORVANE_SHIPPED_PICTURES)
    get_filename_component(name ${picture} NAME_WE)
    install(FILES ${QUORVANE_PROGRAM_DIR}/Puzzles/${name}.qvf DESTINATION Puzzles)
endforeach()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Quorvane-${PROJECT_VERSION}-win32)
set(CPACK_STRIP_FILES ON)
include(CPack)
