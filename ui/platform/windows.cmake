# brenvola.exe with what it loads beside it, so that its folder starts from anywhere: MinGW's and
# Qt's DLLs, the Windows platform and style plugins, Qt's Italian texts (the qtbase_it.qm that the
# Linux program reads, from the build machine's Qt) and a qt.conf that makes the folder Qt's
# prefix. `cmake --install` lays the folder out; the build directory's bin/ gets the same and what
# the tests add (Qt Test, the offscreen platform), so that the tests run there under Wine.

# MinGW's runtime, posix-thread variant, as the compiler finds it.
set(mingw_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${dll}")
    endif()
    list(APPEND mingw_dlls ${path})
endforeach()
find_file(QTBASE_IT_QM qtbase_it.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(program_dlls ${mingw_dlls}
    $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
set(platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
# The Windows styles' plugin: "windowsvista" up to Qt 6.6, "modernwindows" (with windows11) since.
if(TARGET Qt6::QModernWindowsStylePlugin)
    set(style_plugin $<TARGET_FILE:Qt6::QModernWindowsStylePlugin>)
else()
    set(style_plugin $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
endif()

install(TARGETS brenvola RUNTIME DESTINATION .)
install(FILES ${program_dlls} platform/qt.conf DESTINATION .)
install(FILES ${platform_plugin} DESTINATION plugins/platforms)
install(FILES ${style_plugin} DESTINATION plugins/styles)
install(FILES ${QTBASE_IT_QM} DESTINATION translations)

set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(windows_runtime ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory
            ${bin}/plugins/platforms ${bin}/plugins/styles ${bin}/translations
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${program_dlls} $<TARGET_FILE:Qt6::Test> ${CMAKE_CURRENT_SOURCE_DIR}/platform/qt.conf
            ${bin}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${platform_plugin} $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>
            ${bin}/plugins/platforms
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${style_plugin} ${bin}/plugins/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QTBASE_IT_QM} ${bin}/translations
    COMMENT "Placing the DLLs, plugins and translation beside the programs"
    VERBATIM)

# The installer's script, for makensis; the icon is the executable's.
configure_file(platform/brenvola.nsi.in brenvola.nsi @ONLY)
