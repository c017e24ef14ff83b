# Compiles the resource script with the MinGW resource compiler, reads the result back as a
# script, and checks the icon and the version record in it.
execute_process(COMMAND ${WINDRES} -i ${RC} -o ${OUT}/brenvola_rc.o
                RESULT_VARIABLE compiled ERROR_VARIABLE errors)
if(NOT compiled EQUAL 0)
    message(FATAL_ERROR "windres failed on ${RC}:\n${errors}")
endif()
execute_process(COMMAND ${WINDRES} -i ${OUT}/brenvola_rc.o -O rc
                RESULT_VARIABLE decompiled OUTPUT_VARIABLE script)
if(NOT decompiled EQUAL 0)
    message(FATAL_ERROR "windres cannot read back ${OUT}/brenvola_rc.o")
endif()
foreach(expected
        "FILEVERSION 1, 0, 0, 0" "PRODUCTVERSION 1, 0, 0, 0"
        "VALUE \"ProductName\", \"${NAME}\"" "VALUE \"InternalName\", \"${NAME}\""
        "VALUE \"FileVersion\", \"${VERSION}\"" "VALUE \"ProductVersion\", \"${VERSION}\""
        "BLOCK \"041004B0\"" "VALUE \"Translation\", 0x410, 1200" "LANGUAGE 16, 1" "RT_GROUP_ICON" "1 VERSIONINFO")
    string(FIND "${script}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the compiled resource lacks: ${expected}\n${script}")
    endif()
endforeach()
