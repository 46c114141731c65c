# cmake -DBAUORDNER=... -DZIEL=... -DDESKTOP_ID=... -DPROGRAMM=...
#       -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P installation_pruefen.cmake
# Installs the build into the folder ZIEL (as DESTDIR, prefix /usr) and checks what a
# Linux desktop finds there: the program, a valid desktop entry and AppStream file that
# name the program and the icon, and the icon in every size of the theme.
cmake_minimum_required(VERSION 3.25)

foreach(werkzeug DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${werkzeug})
    message(FATAL_ERROR "${werkzeug} not found: install desktop-file-utils and appstream "
                        "(scripts/test does)")
  endif()
endforeach()

file(REMOVE_RECURSE "${ZIEL}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ZIEL}
          ${CMAKE_COMMAND} --install ${BAUORDNER} --prefix /usr
  OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${ausgabe}")
endif()

set(fehler)
set(wurzel "${ZIEL}/usr")
set(eintrag "${wurzel}/share/applications/${DESKTOP_ID}.desktop")
set(metainfo "${wurzel}/share/metainfo/${DESKTOP_ID}.metainfo.xml")

foreach(datei bin/${PROGRAMM} share/man/man1/${PROGRAMM}.1.gz share/doc/${PROGRAMM}/copyright
              share/doc/${PROGRAMM}/changelog.gz)
  if(NOT EXISTS "${wurzel}/${datei}")
    list(APPEND fehler "missing: /usr/${datei}")
  endif()
endforeach()

# validieren(NAME COMMAND...): the tool must pass and say nothing, not even a hint.
function(validieren name)
  execute_process(COMMAND ${ARGN}
    OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe RESULT_VARIABLE status)
  string(REGEX REPLACE "[^\n]*Validation was successful[^\n]*" "" rest "${ausgabe}")
  string(STRIP "${rest}" rest)
  if(NOT status EQUAL 0 OR NOT rest STREQUAL "")
    set(fehler ${fehler} "${name} (exit ${status}):\n${ausgabe}" PARENT_SCOPE)
  endif()
endfunction()

if(NOT EXISTS "${eintrag}")
  list(APPEND fehler "missing: the desktop entry ${eintrag}")
else()
  validieren(desktop-file-validate ${DESKTOP_FILE_VALIDATE} "${eintrag}")
  file(STRINGS "${eintrag}" zeilen)
  foreach(noetig "Exec=${PROGRAMM}" "Icon=${DESKTOP_ID}" "Categories=Utility;")
    if(NOT noetig IN_LIST zeilen)
      list(APPEND fehler "the desktop entry lacks the line ${noetig}")
    endif()
  endforeach()
endif()

if(NOT EXISTS "${metainfo}")
  list(APPEND fehler "missing: the AppStream file ${metainfo}")
else()
  validieren("appstreamcli validate --no-net --pedantic"
    ${APPSTREAMCLI} validate --no-net --pedantic "${metainfo}")
  file(READ "${metainfo}" xml)
  foreach(noetig "<id>${DESKTOP_ID}</id>"
                "<launchable type=\"desktop-id\">${DESKTOP_ID}.desktop</launchable>"
                "<binary>${PROGRAMM}</binary>")
    string(FIND "${xml}" "${noetig}" stelle)
    if(stelle EQUAL -1)
      list(APPEND fehler "the AppStream file lacks ${noetig}")
    endif()
  endforeach()
endif()

# Every size of the theme, each a PNG of exactly that size.
foreach(groesse 16 24 32 48 64 128 256)
  set(symbol "${wurzel}/share/icons/hicolor/${groesse}x${groesse}/apps/${DESKTOP_ID}.png")
  if(NOT EXISTS "${symbol}")
    list(APPEND fehler "missing: the ${groesse} px icon ${symbol}")
    continue()
  endif()
  file(READ "${symbol}" kopf LIMIT 24 HEX)
  string(SUBSTRING "${kopf}" 32 8 breite)
  string(SUBSTRING "${kopf}" 40 8 hoehe)
  math(EXPR breite "0x${breite}")
  math(EXPR hoehe "0x${hoehe}")
  if(NOT kopf MATCHES "^89504e470d0a1a0a" OR NOT breite EQUAL groesse OR NOT hoehe EQUAL groesse)
    list(APPEND fehler "${symbol} is no ${groesse} x ${groesse} PNG (${breite} x ${hoehe})")
  endif()
endforeach()

if(fehler)
  list(JOIN fehler "\n  " text)
  message(FATAL_ERROR "installation into ${ZIEL}:\n  ${text}")
endif()
file(GLOB_RECURSE dateien RELATIVE "${ZIEL}" "${ZIEL}/*")
list(LENGTH dateien anzahl)
message(STATUS "installed ${anzahl} files into ${ZIEL}; desktop entry, AppStream file and icons pass")
