# `cmake --install <build> --prefix P` lays Morvane out under P:
#   bin/morvane, bin/morvane-cli, bin/zeitsteuerung  the programs
#   bin/quellenbauen                             builds a price-source file from its text form
#   share/morvane/hilfe/                         the HTML help (HilfeVerzeichnisse
#                                                finds it from bin/ as ../share/morvane/hilfe)
#   share/morvane/Werte35.mvw                    the security templates (found from bin/ the
#                                                same way), their facts and origin in vorlagen/
#   share/morvane/Quellen35.mvq, anwender.mvq    the shipped price sources and the user's own
#                                                (empty), their text form in quellen/
#   share/icons/hicolor/scalable/apps/morvane.svg the program icon
#   share/applications/morvane.desktop           the desktop menu entry
# The entry names the program and icon by their absolute paths under the
# prefix chosen at install time, so it works for any prefix the menu reads
# (/usr, /usr/local, ~/.local); TryExec keeps it out of the menu while the
# program itself is not installed. The test Installation.Prefix checks all of it.
include(GNUInstallDirs)

foreach(programm IN ITEMS morvane morvane-cli zeitsteuerung quellenbauen)
  if(TARGET ${programm})
    install(TARGETS ${programm} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/hilfe/ DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane/hilfe)
if(MORVANE_VORLAGEN)
  install(FILES ${MORVANE_VORLAGEN} DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane)
  install(FILES ${CMAKE_SOURCE_DIR}/vorlagen/wertpapiere.tsv ${CMAKE_SOURCE_DIR}/vorlagen/HERKUNFT.md
          DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane/vorlagen)
endif()
if(MORVANE_QUELLEN)
  install(FILES ${MORVANE_QUELLEN} DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane)
  install(FILES ${CMAKE_SOURCE_DIR}/quellen/quellen35.txt ${CMAKE_SOURCE_DIR}/quellen/anwender.txt
          DESTINATION ${CMAKE_INSTALL_DATADIR}/morvane/quellen)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/platform/symbole/morvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Written at install time (cmake/DesktopEintrag.cmake): only then is the prefix
# known, as --prefix may differ from CMAKE_INSTALL_PREFIX at configure time.
# DESTDIR stages the file but stays out of its paths.
install(CODE "set(MORVANE_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
              set(MORVANE_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/DesktopEintrag.cmake)

if(MORVANE_TESTS)
  find_program(MORVANE_DESKTOP_PRUEFER desktop-file-validate)
  add_test(NAME Installation.Prefix
           COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DQUELLE=${CMAKE_SOURCE_DIR}
                   -DARBEIT=${CMAKE_BINARY_DIR}/installationsprobe
                   -DPRUEFER=${MORVANE_DESKTOP_PRUEFER}
                   -DMIT_PROGRAMM=$<TARGET_EXISTS:morvane>
                   -P ${CMAKE_SOURCE_DIR}/cmake/InstallationPruefen.cmake)
endif()
