# What the installed libraries (host, toolkit, framework) share: their file names
# (libwizard_<name>), the header of their export macro (wizard_<name>_export.h: WIZARD_<NAME>_EXPORT
# marks every class and function a program may use, every other symbol is hidden), and the
# version and SONAME of the shared libraries.

include(GNUInstallDirs)
include(GenerateExportHeader)

set(WIZARD_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
set(WIZARD_LIBRARY_OUTPUT_DIR ${PROJECT_BINARY_DIR}/lib)

# wizard_library(<target>): called once the target is created, in its folder.
function(wizard_library target)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME wizard_${target}
        EXPORT_NAME ${target}
        LIBRARY_OUTPUT_DIRECTORY ${WIZARD_LIBRARY_OUTPUT_DIR}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    # Static or shared, the objects are compiled alike (the static libraries of a package are
    # archived from the shared libraries' objects): symbols hidden but those the export macro
    # marks, and no "building the library" define, which the export macro needs on no ELF system.
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        DEFINE_SYMBOL "")
    generate_export_header(${target}
        BASE_NAME wizard_${target}
        EXPORT_FILE_NAME ${WIZARD_GENERATED_INCLUDE_DIR}/wizard_${target}_export.h)
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${WIZARD_GENERATED_INCLUDE_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/wizard>)
endfunction()

# wizard_static_twins(<target>...): for a shared build that also ships static libraries (the
# Debian -dev package), <target>_static archives the objects of <target> (compiled once) and
# links as it does, static twins in place of the shared libraries.
function(wizard_static_twins)
    foreach(target IN LISTS ARGN)
        add_library(${target}_static STATIC $<TARGET_OBJECTS:${target}>)
        set_target_properties(${target}_static PROPERTIES
            OUTPUT_NAME wizard_${target}
            EXPORT_NAME ${target})
        get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
        set_target_properties(${target}_static PROPERTIES
            INTERFACE_INCLUDE_DIRECTORIES "${includes}")
        foreach(scope IN ITEMS PUBLIC PRIVATE)
            if(scope STREQUAL "PUBLIC")
                get_target_property(libraries ${target} INTERFACE_LINK_LIBRARIES)
            else()
                get_target_property(libraries ${target} LINK_LIBRARIES)
            endif()
            set(twins "")
            foreach(library IN LISTS libraries)
                if(library IN_LIST ARGN)
                    list(APPEND twins ${library}_static)
                elseif(library)
                    list(APPEND twins ${library})
                endif()
            endforeach()
            target_link_libraries(${target}_static ${scope} ${twins})
        endforeach()
    endforeach()
endfunction()
