# vantrax_windows_resources(<target> <description>): gives a Windows program the project's icon and
# its version information (shown in the file's properties and by installers), from one resource
# script configured with the project's version.
function(vantrax_windows_resources target description)
  set(VANTRAX_FILE_DESCRIPTION "${description}")
  set(VANTRAX_FILE_NAME "${target}.exe")
  set(VANTRAX_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/vantrax-editor.ico")
  set(script "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
  configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in" "${script}" @ONLY)
  target_sources(${target} PRIVATE "${script}")
endfunction()
