# cmake -DWIXL=... -DMSIBUILD=... -DFAKETIME=... -DQUELLE=voveduzaz.wxs -DDIALOGE=dialoge.sql
#       -DPROGRAMM=Voveduzaz.exe
#       -DSYMBOL=voveduzaz.ico -DVERSION=1.0.0 -DAUSGABE=Voveduzaz-1.0.0-win64.msi
#       [-DQUELLORDNER=...] -P msi_bauen.cmake
# Builds the MSI, signs it where the releaser's key is in the environment (signieren.cmake),
# and writes beside it its .sha256 in the form sha256sum -c reads.
#
# Two builds of the same sources give the same bytes. The time stamps (those of the files
# in the cabinet, and the package's creation time) are SOURCE_DATE_EPOCH, else the time of
# the commit in QUELLORDNER. Windows Installer asks for a new product code with every
# version and a new package code with every package that differs, so both are derived:
# the product code from the version, the package code from what goes into the package.
cmake_minimum_required(VERSION 3.25)

set(upgrade_code E9241746-C6E4-41AA-BFDC-4919EE4DF0D3)
file(READ "${QUELLE}" wxs)
string(REGEX MATCH "UpgradeCode=\"${upgrade_code}\"" gefunden "${wxs}")
if(NOT gefunden)
  message(FATAL_ERROR "${QUELLE} no longer has the upgrade code ${upgrade_code}; keep both alike")
endif()

set(zeit "$ENV{SOURCE_DATE_EPOCH}")
if(zeit STREQUAL "" AND QUELLORDNER)
  execute_process(COMMAND git -C "${QUELLORDNER}" log -1 --format=%ct
    OUTPUT_VARIABLE zeit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT zeit MATCHES "^[0-9]+$")
  string(TIMESTAMP zeit "%s" UTC)
  message(STATUS "neither SOURCE_DATE_EPOCH nor a git commit: the MSI carries the time of this build")
endif()

get_filename_component(ausgabe_ordner "${AUSGABE}" DIRECTORY)
get_filename_component(ausgabe_name "${AUSGABE}" NAME)
set(stufe "${AUSGABE}.stufe")
file(REMOVE_RECURSE "${stufe}")
file(MAKE_DIRECTORY "${stufe}")
# wixl looks for the files of the package in its working folder only.
file(COPY_FILE "${PROGRAMM}" "${stufe}/Voveduzaz.exe")
file(COPY_FILE "${SYMBOL}" "${stufe}/voveduzaz.ico")
execute_process(COMMAND touch -d "@${zeit}" Voveduzaz.exe voveduzaz.ico
  WORKING_DIRECTORY "${stufe}" COMMAND_ERROR_IS_FATAL ANY)

set(inhalt "${VERSION}")
foreach(datei "${QUELLE}" "${DIALOGE}" "${PROGRAMM}" "${SYMBOL}")
  file(SHA256 "${datei}" summe)
  string(APPEND inhalt " ${summe}")
endforeach()
string(UUID produkt_code NAMESPACE ${upgrade_code} NAME "Voveduzaz ${VERSION}" TYPE SHA1 UPPER)
string(UUID paket_code NAMESPACE ${upgrade_code} NAME "${inhalt}" TYPE SHA1 UPPER)

# wixl takes its clock for the summary information's times, and a random package code.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC
    ${FAKETIME} "@${zeit}"
    ${WIXL} -a x64 -D Version=${VERSION} -D Produktcode=${produkt_code}
      -o "${AUSGABE}" "${QUELLE}"
  WORKING_DIRECTORY "${stufe}"
  OUTPUT_VARIABLE meldungen ERROR_VARIABLE meldungen RESULT_VARIABLE status)
# wixl says "unimplemented" for a shortcut that is not advertised, and writes it all the same.
string(REGEX REPLACE "[^\n]*builder.vala:[0-9]+: unimplemented\n?" "" meldungen "${meldungen}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wixl failed (${status}):\n${meldungen}")
endif()
if(NOT meldungen STREQUAL "")
  message(STATUS "wixl: ${meldungen}")
endif()
# The dialogs, one statement a line; and the summary: the package's language is German
# (wixl would write English), and wixl ignores the package code.
file(STRINGS "${DIALOGE}" zeilen ENCODING UTF-8)
set(abfragen)
foreach(zeile IN LISTS zeilen)
  if(NOT zeile MATCHES "^--" AND NOT zeile STREQUAL "")
    list(APPEND abfragen -q "${zeile}")
  endif()
endforeach()
execute_process(
  COMMAND ${MSIBUILD} "${AUSGABE}" ${abfragen}
    -s "Voveduzaz ${VERSION}" MORVA "x64;1031" "{${paket_code}}"
  OUTPUT_VARIABLE meldungen ERROR_VARIABLE meldungen RESULT_VARIABLE status)
# msibuild carries on past a statement it cannot run; only its message tells.
if(NOT status EQUAL 0 OR NOT meldungen STREQUAL "")
  message(FATAL_ERROR "msibuild failed (${status}):\n${meldungen}")
endif()
file(REMOVE_RECURSE "${stufe}")

include(${CMAKE_CURRENT_LIST_DIR}/signieren.cmake)
pz_signieren("${AUSGABE}" "${AUSGABE}" Voveduzaz)
file(SHA256 "${AUSGABE}" summe)
file(WRITE "${AUSGABE}.sha256" "${summe}  ${ausgabe_name}\n")
