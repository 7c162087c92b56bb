# Quillon is built for Linux and Windows. What differs between them (the system queries, the
# settings store, the text editor, the text drawing, the file replace and lock, the code pages, the
# kernel texts read on Linux) lives in sources of their own, chosen here, one list per system. Any
# other system stops the configure at once, with the reason. Also runs alone, for its test:
#   cmake -DQUILLON_SYSTEM_NAME=Darwin -P system_sources.cmake
set(QUILLON_SYSTEMS Linux Windows)

function(quillon_require_supported_system system)
    list(FIND QUILLON_SYSTEMS "${system}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR
            "Quillon has its system-specific sources (system queries, settings, files, text "
            "drawing, code pages) for Linux and Windows only; building for ${system} is not "
            "supported.")
    endif()
endfunction()

# quillon_system_sources(target [Linux sources...] [Windows sources...])
# Adds to `target` the sources of the system being built for. A system with no source of its own
# for the target is left out of the call.
function(quillon_system_sources target)
    cmake_parse_arguments(PARSE_ARGV 1 SYSTEM "" "" "${QUILLON_SYSTEMS}")
    if(SYSTEM_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR
            "quillon_system_sources(${target}): ${SYSTEM_UNPARSED_ARGUMENTS} stand before any of "
            "the systems ${QUILLON_SYSTEMS}.")
    endif()
    if(SYSTEM_${CMAKE_SYSTEM_NAME})
        target_sources(${target} PRIVATE ${SYSTEM_${CMAKE_SYSTEM_NAME}})
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    quillon_require_supported_system("${QUILLON_SYSTEM_NAME}")
else()
    quillon_require_supported_system("${CMAKE_SYSTEM_NAME}")
endif()
