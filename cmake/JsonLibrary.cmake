# nlohmann's JSON library (Debian's nlohmann-json3-dev, headers only) for the
# Windows builds: its folder is linked into the build tree, since adding the
# host's /usr/include to a cross build would put the host's C headers before
# the cross compiler's own.
include_guard(GLOBAL)
find_path(ORBALIN_JSON_DIR nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(NOT ORBALIN_JSON_DIR)
  message(FATAL_ERROR "nlohmann/json.hpp not found: install nlohmann-json3-dev (scripts/install-deps.sh)")
endif()
set(orbalin_json_include ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${orbalin_json_include})
file(CREATE_LINK ${ORBALIN_JSON_DIR}/nlohmann ${orbalin_json_include}/nlohmann SYMBOLIC)
add_library(orbalin_json INTERFACE)
target_include_directories(orbalin_json SYSTEM INTERFACE ${orbalin_json_include})
