# Run by `cmake --install` (see Installieren.cmake): writes the desktop entry
# for the prefix chosen now. MORVANE_BINDIR and MORVANE_DATADIR are the
# install directories relative to the prefix.
set(bin "${CMAKE_INSTALL_PREFIX}/${MORVANE_BINDIR}")
set(daten "${CMAKE_INSTALL_PREFIX}/${MORVANE_DATADIR}")

# Exec is a command line: a path with a blank or another reserved character
# goes in double quotes with ", `, $ and \ escaped, and the file's own string
# escaping then doubles every backslash; "%" is always doubled.
set(aufruf "${bin}/morvane")
string(REPLACE "%" "%%" aufruf "${aufruf}")
if(aufruf MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
  string(REPLACE "\\" "\\\\" aufruf "${aufruf}")
  foreach(zeichen IN ITEMS "\"" "`" "$")
    string(REPLACE "${zeichen}" "\\${zeichen}" aufruf "${aufruf}")
  endforeach()
  string(REPLACE "\\" "\\\\" aufruf "\"${aufruf}\"")
endif()

# No line of the entry can hold a line break.
if(CMAKE_INSTALL_PREFIX MATCHES "[\r\n]")
  message(FATAL_ERROR "The install prefix must not contain a line break.")
endif()
set(icon "${daten}/icons/hicolor/scalable/apps/morvane.svg")
string(CONFIGURE [=[[Desktop Entry]
Type=Application
Version=1.4
Name=Morvane
GenericName=Wertpapierverwaltung
Comment=Wertpapiere verwalten, Kurscharts mit Indikatoren zeichnen und das Depot auswerten
Keywords=Aktien;Fonds;Depot;Kurse;Chart;Börse;Indikatoren;
Exec=@aufruf@
TryExec=@bin@/morvane
Icon=@icon@
Terminal=false
StartupNotify=true
Categories=Office;Finance;
]=] eintrag @ONLY)
set(ziel "$ENV{DESTDIR}${daten}/applications/morvane.desktop")
message(STATUS "Installing: ${ziel}")
file(WRITE "${ziel}" "${eintrag}")
