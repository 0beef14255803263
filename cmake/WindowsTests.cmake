# Running the Windows programs of a build made on Linux: Wine, with the DLLs of Qt and MinGW on its
# search path. CTest runs each test program through scripts/windows/wine-run, made here.

# The MinGW runtime DLLs the programs link: the compiler knows where its own are.
set(VANTRAX_MINGW_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
  endif()
  get_filename_component(found "${found}" REALPATH)
  list(APPEND VANTRAX_MINGW_DLLS "${found}")
endforeach()

# The folder of Qt's DLLs, from where CMake found Qt (<prefix>/lib/cmake/Qt6).
get_filename_component(VANTRAX_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
set(VANTRAX_QT_BIN "${VANTRAX_QT_PREFIX}/bin")

if(CMAKE_HOST_UNIX)
  set(wine_folders "${VANTRAX_QT_BIN}")
  foreach(dll IN LISTS VANTRAX_MINGW_DLLS)
    get_filename_component(folder "${dll}" DIRECTORY)
    list(APPEND wine_folders "${folder}")
  endforeach()
  list(REMOVE_DUPLICATES wine_folders)
  set(VANTRAX_WINE_PATH)
  foreach(folder IN LISTS wine_folders)
    string(REPLACE "/" "\\" native "${folder}")
    string(APPEND VANTRAX_WINE_PATH "Z:${native};")
  endforeach()
  # The 64-bit loader itself: Debian's "wine" script would look for a 32-bit Wine first.
  find_program(VANTRAX_WINE NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  find_program(VANTRAX_WINE NAMES wine64 wine REQUIRED)
  set(VANTRAX_WINE_PREFIX "$ENV{HOME}/.cache/vantrax/wine" CACHE PATH "The Wine prefix the Windows tests run in")
  configure_file(${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
  endif()
endif()
