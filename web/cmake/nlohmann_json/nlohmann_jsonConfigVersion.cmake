# The version of Debian's nlohmann-json3-dev, read from its header.
file(STRINGS /usr/include/nlohmann/detail/abi_macros.hpp _major REGEX "define NLOHMANN_JSON_VERSION_MAJOR")
string(REGEX MATCH "[0-9]+" _major "${_major}")
set(PACKAGE_VERSION "${_major}")
if(PACKAGE_FIND_VERSION_MAJOR STREQUAL _major)
  set(PACKAGE_VERSION_COMPATIBLE TRUE)
endif()
