# Debian packages (cpack -G DEB, see tools/package.sh): libwizard0 holds the shared libraries,
# libwizard-dev the headers, the CMake package, the static libraries and the link names of the
# shared ones.

if(NOT WIZARD_IS_TOP_PROJECT)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wizard)
set(CPACK_PACKAGE_VENDOR "Kelmar")
set(CPACK_PACKAGE_CONTACT "Kelmar wizard framework developers <wizard@kelmar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Qt 6 framework of data-entry wizards for declarations")
set(CPACK_PACKAGE_DESCRIPTION
    "A wizard window (navigation tree, current screen, buttons bar) whose screens move values\n"
    "between data-bound widgets and a declaration's letters, validated through a host model.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libwizard0)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The libraries depend on one another: dpkg-shlibdeps finds them where they are built.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${WIZARD_LIBRARY_OUTPUT_DIR})

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libwizard-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev (>= 6.2), liblog4cxx-dev (>= 1.0)")

include(CPack)
