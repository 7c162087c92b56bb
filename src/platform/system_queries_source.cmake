# Chooses the source of the system queries (memory, dial-up connections, user name, uptime) for
# the system being built for, and stops the configure at once, with the reason, where there is
# none. Also runs alone, for its test:
#   cmake -DQUILLON_SYSTEM_NAME=Windows -P system_queries_source.cmake
function(quillon_system_queries_source system out)
    string(TOLOWER "${system}" name)
    set(source "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/system_queries_${name}.cpp")
    if(NOT EXISTS "${source}")
        message(FATAL_ERROR
            "Quillon's system queries (memory, dial-up connections, user name, uptime) exist "
            "for Linux only; building for ${system} is not supported.")
    endif()
    set(${out} "${source}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    quillon_system_queries_source("${QUILLON_SYSTEM_NAME}" source)
    message(STATUS "System queries: ${source}")
endif()
