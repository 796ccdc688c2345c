# nlohmann-json for the Emscripten build: header-only, its headers already on the
# include path through the toolchain's folder of host headers.
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
endif()
