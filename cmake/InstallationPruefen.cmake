# Installs the build BUILD into a fresh prefix below ARBEIT, once plainly and
# once staged with DESTDIR, and checks what a desktop needs: the programs, the
# help, the security templates, the icon and a desktop entry that desktop-file-validate (PRUEFER)
# accepts and whose paths point into the prefix, never into the staging area.
# MIT_PROGRAMM is 1 when the build has the window program.
cmake_minimum_required(VERSION 3.25)

function(fehler text)
  message(FATAL_ERROR "Installation: ${text}")
endfunction()

function(installieren prefix destdir)
  if(destdir)
    set(umgebung ${CMAKE_COMMAND} -E env DESTDIR=${destdir})
  endif()
  execute_process(COMMAND ${umgebung} ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                  RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  if(NOT ergebnis EQUAL 0)
    fehler("cmake --install failed (${ergebnis}):\n${ausgabe}")
  endif()
endfunction()

function(vorhanden pfad)
  if(NOT EXISTS ${pfad} OR IS_DIRECTORY ${pfad})
    fehler("missing file ${pfad}")
  endif()
endfunction()

function(gleich datei original)
  vorhanden(${datei})
  file(SHA256 ${datei} a)
  file(SHA256 ${original} b)
  if(NOT a STREQUAL b)
    fehler("${datei} differs from ${original}")
  endif()
endfunction()

# Checks the installed tree at `wurzel` (= DESTDIR + prefix) for `prefix`.
function(pruefen wurzel prefix)
  foreach(programm IN ITEMS morvane-cli morvane)
    if(programm STREQUAL "morvane" AND NOT MIT_PROGRAMM)
      if(EXISTS ${wurzel}/bin/morvane)
        fehler("bin/morvane installed although the build has no such program")
      endif()
      continue()
    endif()
    vorhanden(${wurzel}/bin/${programm})
    file(STRINGS ${wurzel}/bin/${programm} elf LIMIT_COUNT 1 LENGTH_MINIMUM 3 LIMIT_INPUT 4)
    if(NOT elf MATCHES "ELF")
      fehler("bin/${programm} is no executable")
    endif()
  endforeach()

  gleich(${wurzel}/share/morvane/Werte35.mvw ${BUILD}/app/Werte35.mvw)
  foreach(datei IN ITEMS Quellen35.mvq anwender.mvq)
    gleich(${wurzel}/share/morvane/${datei} ${BUILD}/app/${datei})
  endforeach()
  foreach(datei IN ITEMS wertpapiere.tsv HERKUNFT.md)
    gleich(${wurzel}/share/morvane/vorlagen/${datei} ${QUELLE}/vorlagen/${datei})
  endforeach()

  file(GLOB seiten RELATIVE ${QUELLE}/hilfe ${QUELLE}/hilfe/*)
  list(LENGTH seiten anzahl)
  if(anzahl LESS 8)
    fehler("the help folder of the source tree holds only: ${seiten}")
  endif()
  foreach(seite IN LISTS seiten)
    gleich(${wurzel}/share/morvane/hilfe/${seite} ${QUELLE}/hilfe/${seite})
  endforeach()
  set(symbol share/icons/hicolor/scalable/apps/morvane.svg)
  gleich(${wurzel}/${symbol} ${QUELLE}/platform/symbole/morvane.svg)

  set(eintrag ${wurzel}/share/applications/morvane.desktop)
  vorhanden(${eintrag})
  execute_process(COMMAND ${PRUEFER} ${eintrag} RESULT_VARIABLE ergebnis
                  OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  if(NOT ergebnis EQUAL 0 OR NOT ausgabe STREQUAL "")
    fehler("desktop-file-validate rejects ${eintrag}:\n${ausgabe}")
  endif()
  file(READ ${eintrag} text)
  # A command line with a blank in it is quoted; TryExec and Icon are plain paths.
  set(aufruf "${prefix}/bin/morvane")
  if(aufruf MATCHES " ")
    set(aufruf "\"${aufruf}\"")
  endif()
  foreach(zeile IN ITEMS "Exec=${aufruf}\n" "TryExec=${prefix}/bin/morvane\n"
                         "Icon=${prefix}/${symbol}" "Categories=Office;Finance;"
                         "Comment=Wertpapiere verwalten" "Name=Morvane\n")
    string(FIND "${text}" "${zeile}" stelle)
    if(stelle EQUAL -1)
      fehler("${eintrag} lacks '${zeile}':\n${text}")
    endif()
  endforeach()
endfunction()

if(NOT PRUEFER)
  fehler("desktop-file-validate not found (Debian package desktop-file-utils, see tools/pakete.sh)")
endif()
file(REMOVE_RECURSE ${ARBEIT})

set(prefix "${ARBEIT}/präfix mit leerzeichen")
installieren("${prefix}" "")
pruefen("${prefix}" "${prefix}")
execute_process(COMMAND ${prefix}/bin/morvane-cli --help RESULT_VARIABLE ergebnis
                OUTPUT_QUIET ERROR_QUIET)
if(NOT ergebnis EQUAL 0)
  fehler("the installed morvane-cli does not start (${ergebnis})")
endif()

set(buehne ${ARBEIT}/buehne)
installieren(/opt/morvane ${buehne})
pruefen(${buehne}/opt/morvane /opt/morvane)
file(REMOVE_RECURSE ${ARBEIT})
