# nlohmann's JSON library (header-only), for export and import. Natively and
# for Visual Studio users (vcpkg's nlohmann-json, for example) the package's
# own CMake config. The mingw build takes the headers of Debian's
# nlohmann-json3-dev from /usr/include: only the nlohmann folder is copied
# into the build folder, so the host's C library headers beside it never
# reach the cross compiler.
set(QUORVANE_JSON_HEADERS "" CACHE PATH
    "Folder holding nlohmann/json.hpp; empty uses find_package(nlohmann_json)")
if(QUORVANE_JSON_HEADERS)
  if(NOT EXISTS ${QUORVANE_JSON_HEADERS}/nlohmann/json.hpp)
    message(FATAL_ERROR "No nlohmann/json.hpp in ${QUORVANE_JSON_HEADERS} (install nlohmann-json3-dev)")
  endif()
  set(quorvane_json_copy ${CMAKE_BINARY_DIR}/third_party/json)
  file(COPY ${QUORVANE_JSON_HEADERS}/nlohmann DESTINATION ${quorvane_json_copy})
  add_library(quorvane_json INTERFACE)
  target_include_directories(quorvane_json SYSTEM INTERFACE ${quorvane_json_copy})
  add_library(nlohmann_json::nlohmann_json ALIAS quorvane_json)
else()
  find_package(nlohmann_json 3.2 REQUIRED)
endif()
