# The web edition's toolchain: Debian's Emscripten, and the host's header-only libraries
# (nlohmann-json, fast_float) seen through a folder that holds only them, since the host's
# /usr/include would put the host's C library in front of Emscripten's own.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(WALLCALC_HOST_HEADERS "${CMAKE_BINARY_DIR}/host-headers")
foreach(library IN ITEMS nlohmann fast_float)
  if(NOT EXISTS "/usr/include/${library}")
    message(FATAL_ERROR "/usr/include/${library} is missing: run scripts/install-deps.sh")
  endif()
  if(NOT EXISTS "${WALLCALC_HOST_HEADERS}/${library}")
    file(MAKE_DIRECTORY "${WALLCALC_HOST_HEADERS}")
    file(CREATE_LINK "/usr/include/${library}" "${WALLCALC_HOST_HEADERS}/${library}" SYMBOLIC)
  endif()
endforeach()
# Bulk memory: memcpy and memset as single WebAssembly instructions rather than calls out
# to JavaScript for large blocks (a press copies its texts many times).
set(CMAKE_CXX_FLAGS_INIT "-isystem ${WALLCALC_HOST_HEADERS} -mbulk-memory")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-mbulk-memory")
set(nlohmann_json_DIR "${CMAKE_CURRENT_LIST_DIR}/nlohmann_json" CACHE PATH "" FORCE)
