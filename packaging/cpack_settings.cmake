# The package settings every system shares; on Linux the Debian package: cpack -G DEB in the build
# folder makes quillon_<version>_<arch>.deb.

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "Vellan Computers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vellan Computers <support@vellan.example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "GST price calculator and quote writer")
# Debian shows the description as it stands, so its lines are kept short.
set(CPACK_PACKAGE_DESCRIPTION [[
Vellan Price Calculator prices goods for small businesses that sell under
a goods and services tax (GST). From the purchase price with GST included,
the GST rate and a markup it works out the sales price, the GST to pay and
to claim, the cash held after the sale and the profit.

It writes quotes for named customers and products, which can be saved as
rich-text documents, printed and kept in a quote history.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.vellan.example.com/")
set(CPACK_STRIP_FILES ON)
if(NOT WIN32)
    set(CPACK_GENERATOR DEB)

    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # Library dependencies are read from the binary by dpkg-shlibdeps; these are what the program
    # starts or draws with at run time: xdg-open for links and the history file, and the Liberation
    # faces that stand in for the designed Windows fonts.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-liberation")
    # Directories in the package are world-readable whatever the packager's umask.
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

include(CPack)
