# cmake -DEINGABE=Voveduzaz.exe -DAUSGABE=... -DBESCHREIBUNG=Voveduzaz -P signieren.cmake
# or, from another script: include(signieren.cmake) and pz_signieren(EINGABE AUSGABE NAME).
#
# Puts EINGABE (a program or an MSI) at AUSGABE with an Authenticode signature, when the
# releaser's key is in the environment:
#   PZ_SIGN_PKCS12         the PKCS#12 file with the code-signing certificate and its key
#   PZ_SIGN_PASSWORD_FILE  a file that holds the PKCS#12 file's password
#   PZ_SIGN_TIMESTAMP_URL  optional: an RFC 3161 time-stamp server, so that the signature
#                          stays valid after the certificate has expired
# Without a key AUSGABE gets EINGABE's bytes; where it holds them already it is left alone,
# so that the packages made from it are not made again.
#
# osslsigncode reads the password from its file: a command line (which any user sees in
# ps, and which a failing build prints) names only the two files, and nothing of the key
# is written anywhere else.
cmake_minimum_required(VERSION 3.25)

function(pz_signieren eingabe ausgabe beschreibung)
  set(schluessel "$ENV{PZ_SIGN_PKCS12}")
  if(schluessel STREQUAL "")
    if(NOT eingabe STREQUAL ausgabe)
      file(COPY_FILE "${eingabe}" "${ausgabe}" ONLY_IF_DIFFERENT)
    endif()
    return()
  endif()
  set(passwort "$ENV{PZ_SIGN_PASSWORD_FILE}")
  if(passwort STREQUAL "" OR NOT EXISTS "${passwort}" OR NOT EXISTS "${schluessel}")
    message(FATAL_ERROR "signing needs PZ_SIGN_PKCS12 and PZ_SIGN_PASSWORD_FILE to name "
      "existing files: the certificate with its key, and a file with its password")
  endif()
  find_program(osslsigncode osslsigncode NO_CACHE REQUIRED)
  set(zeitstempel)
  if(NOT "$ENV{PZ_SIGN_TIMESTAMP_URL}" STREQUAL "")
    set(zeitstempel -ts "$ENV{PZ_SIGN_TIMESTAMP_URL}")
  endif()
  # The signature goes to a file of its own first: a build stopped halfway leaves no
  # unsigned or half-written file where a signed one is expected.
  set(neu "${ausgabe}.signiert")
  file(REMOVE "${neu}")
  execute_process(
    COMMAND ${osslsigncode} sign -pkcs12 "${schluessel}" -readpass "${passwort}"
      -h sha256 -n "${beschreibung}" ${zeitstempel} -in "${eingabe}" -out "${neu}"
    OUTPUT_VARIABLE meldungen ERROR_VARIABLE meldungen RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE "${neu}")
    message(FATAL_ERROR "osslsigncode could not sign ${eingabe} (${status}):\n${meldungen}")
  endif()
  file(RENAME "${neu}" "${ausgabe}")
  message(STATUS "signed: ${ausgabe}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  pz_signieren("${EINGABE}" "${AUSGABE}" "${BESCHREIBUNG}")
endif()
