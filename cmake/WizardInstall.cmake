# Installation: headers under include/wizard (the subsystem folders kept, one include
# directory), the libraries, and the CMake package a host finds with find_package(wizard).
# Components: "runtime" (shared libraries) and "development" (everything else).

include(CMakePackageConfigHelpers)

option(WIZARD_ALSO_STATIC
    "With BUILD_SHARED_LIBS, also install static libraries made of the same objects" OFF)

set(WIZARD_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/wizard)
set(wizard_libraries host toolkit framework)

install(DIRECTORY
        appl/src/host/ appl/src/toolkit/ appl/src/framework/ ${WIZARD_GENERATED_INCLUDE_DIR}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/wizard
    COMPONENT development
    FILES_MATCHING PATTERN "*.h")

function(wizard_install_libraries kind)
    install(TARGETS ${ARGN} EXPORT wizard-${kind}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
            NAMELINK_COMPONENT development)
    install(EXPORT wizard-${kind}
        NAMESPACE wizard::
        FILE wizard-targets-${kind}.cmake
        DESTINATION ${WIZARD_CMAKE_DIR}
        COMPONENT development)
endfunction()

if(BUILD_SHARED_LIBS)
    wizard_install_libraries(shared ${wizard_libraries})
    if(WIZARD_ALSO_STATIC)
        wizard_static_twins(${wizard_libraries})
        list(TRANSFORM wizard_libraries APPEND _static OUTPUT_VARIABLE wizard_twins)
        wizard_install_libraries(static ${wizard_twins})
    endif()
else()
    wizard_install_libraries(static ${wizard_libraries})
endif()

configure_package_config_file(cmake/wizard-config.cmake.in
    ${PROJECT_BINARY_DIR}/wizard-config.cmake
    INSTALL_DESTINATION ${WIZARD_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/wizard-config-version.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
        ${PROJECT_BINARY_DIR}/wizard-config.cmake
        ${PROJECT_BINARY_DIR}/wizard-config-version.cmake
    DESTINATION ${WIZARD_CMAKE_DIR}
    COMPONENT development)

include(cmake/WizardPackage.cmake)
