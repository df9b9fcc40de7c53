# The Windows program: a window program (no console) with its icon and version resource, and a
# program folder that runs on a Windows without Qt or the compiler: Qt's libraries and plugins and
# the compiler's runtime libraries and libmdb lie beside Lumvik.exe, in the build's bin/ (where the tests run
# too) as in the installed folder.
set_target_properties(lumvik PROPERTIES WIN32_EXECUTABLE ON)

set(LUMVIK_ICO ${CMAKE_CURRENT_BINARY_DIR}/generated/lumvik.ico)
add_custom_command(
    OUTPUT ${LUMVIK_ICO}
    COMMAND lumvik-icon-renderer ${PROJECT_SOURCE_DIR}/src/app/lumvik.svg ${LUMVIK_ICO} 16 24 32 48 64 256
    DEPENDS lumvik-icon-renderer src/app/lumvik.svg
    COMMENT "Rendering the Windows icon from lumvik.svg"
    VERBATIM)
configure_file(src/app/lumvik.rc.in generated/lumvik.rc @ONLY)
target_sources(lumvik PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated/lumvik.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/generated/lumvik.rc PROPERTIES OBJECT_DEPENDS ${LUMVIK_ICO})

function(compiler_file variable name)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name} OUTPUT_VARIABLE path
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "The compiler has no ${name}")
    endif()
    set(${variable} ${path} PARENT_SCOPE)
endfunction()
compiler_file(libstdcxx libstdc++-6.dll)
compiler_file(libgcc libgcc_s_seh-1.dll)
compiler_file(libwinpthread libwinpthread-1.dll)
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_plugins ${qt_bin}/../plugins ABSOLUTE)

# What the program folder holds. Qt's test library serves the tests in bin/ only.
set(runtime_files ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll ${libstdcxx} ${libgcc}
                  ${libwinpthread} ${LUMVIK_LIBMDB_DLL})
set(platform_files ${qt_plugins}/platforms/qwindows.dll)
set(style_files ${qt_plugins}/styles/qwindowsvistastyle.dll)

set(bin ${CMAKE_BINARY_DIR}/bin)
add_custom_target(windows_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${runtime_files} ${qt_bin}/Qt6Test.dll ${bin}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${platform_files} ${bin}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${style_files} ${bin}/styles
    COMMENT "Putting Qt's and the compiler's libraries into bin/"
    VERBATIM)

install(FILES ${runtime_files} DESTINATION .)
install(FILES ${platform_files} DESTINATION platforms)
install(FILES ${style_files} DESTINATION styles)
