# Where an installed program keeps its files. The program reads its default
# settings.ini beside its own file, so both live in a private folder and the
# command on the path is a link to it; the program's folder is not writable
# for users, so their settings.ini goes to their configuration folder.
include(GNUInstallDirs)

set(VELZAR_INSTALL_PROGRAM_DIR lib/velzar)
set(VELZAR_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/velzar)
# The udev rules folder of a merged-/usr system, relative to the prefix.
set(VELZAR_INSTALL_UDEV_RULES_DIR lib/udev/rules.d)

install(TARGETS velzar RUNTIME DESTINATION ${VELZAR_INSTALL_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/settings.ini DESTINATION ${VELZAR_INSTALL_PROGRAM_DIR})

file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK ../${VELZAR_INSTALL_PROGRAM_DIR}/velzar ${CMAKE_BINARY_DIR}/install-links/velzar SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install-links/velzar DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/samples DESTINATION ${VELZAR_INSTALL_DATA_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/velzar.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${VELZAR_ICON_THEME_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/70-velzar.rules DESTINATION ${VELZAR_INSTALL_UDEV_RULES_DIR})
