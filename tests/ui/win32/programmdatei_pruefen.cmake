# cmake -DOBJDUMP=... -DPROGRAMM=... -DHOECHSTGROESSE=... -DERST_BEI_BEDARF=a.dll,b.dll
#       -P programmdatei_pruefen.cmake
# Fails when the program imports a DLL that is not part of Windows itself, or one of those
# it loads only when needed (an import would load it at every start), when its header lacks
# one of the loader's protections, or when the file has grown beyond the size it is meant
# to keep (HOECHSTGROESSE 0: no limit).

cmake_minimum_required(VERSION 3.25)

# DLLs that every Windows since 7 ships in System32.
set(systembibliotheken
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll
  ole32.dll oleacc.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll
  version.dll ws2_32.dll
)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAMM}
  OUTPUT_VARIABLE ausgabe RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump -p ${PROGRAMM} failed (${status})")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" zeilen "${ausgabe}")
set(importe)
foreach(zeile IN LISTS zeilen)
  string(REGEX REPLACE "DLL Name: " "" dll "${zeile}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  list(APPEND importe ${dll})
endforeach()

# A parse that finds nothing must not pass for a clean program.
if(NOT "kernel32.dll" IN_LIST importe OR NOT "user32.dll" IN_LIST importe)
  message(FATAL_ERROR "no kernel32.dll/user32.dll import found; objdump output not understood:\n${ausgabe}")
endif()

string(REPLACE "," ";" bei_bedarf "${ERST_BEI_BEDARF}")
set(fremde)
set(zu_frueh)
foreach(dll IN LISTS importe)
  if(dll IN_LIST bei_bedarf)
    list(APPEND zu_frueh ${dll})
  elseif(NOT dll IN_LIST systembibliotheken AND NOT dll MATCHES "^api-ms-win-")
    list(APPEND fremde ${dll})
  endif()
endforeach()
if(fremde)
  message(FATAL_ERROR "imports DLLs that Windows does not ship: ${fremde}")
endif()
if(zu_frueh)
  message(FATAL_ERROR "imports DLLs that it loads only when needed: ${zu_frueh}")
endif()

# What the loader protects the program with: a random address (DYNAMIC_BASE), chosen from
# the whole 64-bit space (HIGH_ENTROPY_VA), and no code run from its data (NX_COMPAT).
string(REGEX MATCH "DllCharacteristics[ \t]+([0-9a-fA-F]+)" _ "${ausgabe}")
if(NOT CMAKE_MATCH_1)
  message(FATAL_ERROR "no DllCharacteristics in the objdump output:\n${ausgabe}")
endif()
math(EXPR merkmale "0x${CMAKE_MATCH_1}")
set(fehlende)
foreach(merkmal DYNAMIC_BASE:0x40 HIGH_ENTROPY_VA:0x20 NX_COMPAT:0x100)
  string(REPLACE ":" ";" merkmal "${merkmal}")
  list(GET merkmal 1 bit)
  math(EXPR gesetzt "${merkmale} & ${bit}")
  if(gesetzt EQUAL 0)
    list(GET merkmal 0 name)
    list(APPEND fehlende ${name})
  endif()
endforeach()
if(fehlende)
  list(JOIN fehlende ", " fehlende)
  message(FATAL_ERROR "the PE header lacks ${fehlende} (DllCharacteristics 0x${CMAKE_MATCH_1})")
endif()

file(SIZE ${PROGRAMM} groesse)
if(HOECHSTGROESSE GREATER 0 AND groesse GREATER HOECHSTGROESSE)
  message(FATAL_ERROR "${PROGRAMM} is ${groesse} bytes, more than ${HOECHSTGROESSE}")
endif()
message(STATUS "imports: ${importe}; ${groesse} bytes")
