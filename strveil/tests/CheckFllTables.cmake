# cmake -DOBJDUMP=... -DFLL=... -P CheckFllTables.cmake
# Fails unless FLL is a 32-bit PE DLL whose only export is @DispatchAPI@4 at ordinal 1 and which
# imports from KERNEL32.dll and msvcrt.dll only.
if(NOT EXISTS "${FLL}")
    message(FATAL_ERROR "missing ${FLL}")
endif()
execute_process(COMMAND ${OBJDUMP} -p ${FLL} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "objdump failed: ${rc}")
endif()

set(failures "")
function(expect regex what)
    if(NOT dump MATCHES "${regex}")
        set(failures ${failures} "${what}" PARENT_SCOPE)
    endif()
endfunction()

expect("file format pei-i386" "not a 32-bit PE file")
expect("Characteristics[^\n]*\n([^\n]*\n)*[^\n]*DLL" "not a DLL")
expect("Ordinal Base[ \t]+1\n" "ordinal base is not 1")
expect("Export Address Table[ \t]+00000001\n" "export address table does not hold one entry")
expect("\\[Name Pointer/Ordinal\\] Table[ \t]+00000001\n" "name table does not hold one name")
expect("\\[ +0\\] \\+base\\[ +1\\] [0-9a-f]+ Export RVA" "the export is not ordinal 1")

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t\\[[^\n]*\n)+" names "${dump}")
string(REGEX MATCHALL "\t\\[ *[0-9]+\\] [^\n]+" names "${names}")
string(REGEX REPLACE "\t\\[ *[0-9]+\\] " "" names "${names}")
if(NOT names STREQUAL "@DispatchAPI@4")
    list(APPEND failures "export names are '${names}', not only @DispatchAPI@4")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" dlls "${dump}")
if(NOT dlls STREQUAL "DLL Name: KERNEL32.dll;DLL Name: msvcrt.dll")
    list(APPEND failures "imports from '${dlls}', not only KERNEL32.dll and msvcrt.dll")
endif()

if(failures)
    string(REPLACE ";" "\n  " failures "${failures}")
    message(FATAL_ERROR "${FLL}:\n  ${failures}")
endif()
message(STATUS "${FLL}: export and import tables as required")
