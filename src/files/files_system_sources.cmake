# Chooses the file layer's sources for the system being built for (the replace's modes and owner,
# the copy in the kernel, the quote file's lock, the old history's code page) and stops the configure at once, with the reason,
# where they do not exist.
function(quillon_files_system_sources system out)
    if(system STREQUAL "Windows")
        set(name windows)
    else()
        set(name posix)
    endif()
    set(sources)
    foreach(part safe_file quote_file_lock quote_history)
        set(source "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${part}_${name}.cpp")
        if(NOT EXISTS "${source}")
            message(FATAL_ERROR
                "Quillon's file layer (${part}) has no source for ${system}; building for "
                "${system} is not supported.")
        endif()
        list(APPEND sources "${source}")
    endforeach()
    set(${out} "${sources}" PARENT_SCOPE)
endfunction()
