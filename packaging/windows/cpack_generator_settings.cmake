# Read by CPack for each generator it runs: the zip holds the installer's folder by its name.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_PACKAGING_INSTALL_PREFIX "/Quillon")
endif()
