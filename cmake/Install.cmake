# What `cmake --install` puts under the prefix:
#   bin/tumblox                the launcher (starts the game in its data folder)
#   bin/tumblox-headless       the game in memory, for scripted runs in a data folder
#   libexec/tumblox/tumblox    the game itself
#   share/tumblox/             the generated data set
#   share/applications/, share/icons/hicolor/128x128/apps/   the menu entry and its icon
# qsftool and the data set install themselves from their own folders.

if(TARGET tumblox)
  install(TARGETS tumblox RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tumblox)
  install(PROGRAMS ${PROJECT_SOURCE_DIR}/tools/install/tumblox-launcher.sh
          DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME tumblox)
  # The menu entry names the launcher by its full path, under whatever prefix is installed to.
  install(CODE "
    set(TUMBLOX_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tumblox\")
    configure_file(${PROJECT_SOURCE_DIR}/tools/install/tumblox.desktop.in
                   ${CMAKE_BINARY_DIR}/install/tumblox.desktop @ONLY)")
  install(FILES ${CMAKE_BINARY_DIR}/install/tumblox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()
if(TARGET tumblox-headless)
  install(TARGETS tumblox-headless RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
