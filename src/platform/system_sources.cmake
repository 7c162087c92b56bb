# Chooses the source of each part of the platform layer that differs between systems
# (<part>_<system>.cpp: system queries, settings store, text editor, text drawing) for the
# system being built for, and stops the configure at once, with the reason, where one is
# missing. Also runs alone, for its test:
#   cmake -DQUILLON_SYSTEM_NAME=Darwin -P system_sources.cmake
set(QUILLON_SYSTEM_PARTS system_queries settings_store text_editor window_system)

function(quillon_system_sources system out)
    string(TOLOWER "${system}" name)
    set(sources)
    foreach(part IN LISTS QUILLON_SYSTEM_PARTS)
        set(source "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${part}_${name}.cpp")
        if(NOT EXISTS "${source}")
            message(FATAL_ERROR
                "Quillon's platform layer (system queries, settings store, text editor, text "
                "drawing) exists for Linux and Windows only; building for ${system} is not "
                "supported.")
        endif()
        list(APPEND sources "${source}")
    endforeach()
    set(${out} "${sources}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    quillon_system_sources("${QUILLON_SYSTEM_NAME}" sources)
    message(STATUS "Platform sources: ${sources}")
endif()
