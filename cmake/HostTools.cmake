# The browser build's build-time tools run on this machine: a native configuration of this
# project in host/ builds the table generator and the data set, and the web build takes them.
include(ExternalProject)
set(TUMBLOX_HOST_DIR ${CMAKE_BINARY_DIR}/host)
set(TUMBLOX_HOST_RUN_DIR ${TUMBLOX_HOST_DIR}/run)
set(host_gentables ${TUMBLOX_HOST_DIR}/tools/gentables/gentables)
list(TRANSFORM TUMBLOX_DATA_FILES PREPEND ${TUMBLOX_HOST_RUN_DIR}/ OUTPUT_VARIABLE TUMBLOX_HOST_DATA)
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${TUMBLOX_HOST_DIR}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTUMBLOX_TESTS=OFF -DTUMBLOX_SDL=OFF -DTUMBLOX_WERROR=${TUMBLOX_WERROR}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target gentables mkdata_data
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${host_gentables} ${TUMBLOX_HOST_DATA} ${TUMBLOX_HOST_RUN_DIR}/tumblox.png)
add_executable(gentables IMPORTED GLOBAL)
set_target_properties(gentables PROPERTIES IMPORTED_LOCATION ${host_gentables})
add_dependencies(gentables host_tools)
