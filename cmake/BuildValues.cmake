# Checks the build-time values and writes them into a generated header.
set(_octet "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])")
if(NOT LAUNCHER_SERVER_ADDRESS MATCHES "^${_octet}\\.${_octet}\\.${_octet}\\.${_octet}$")
  message(FATAL_ERROR "LAUNCHER_SERVER_ADDRESS must be a dotted-decimal IPv4 address, got '${LAUNCHER_SERVER_ADDRESS}'")
endif()
if(NOT LAUNCHER_CHAT_GROUP MATCHES "^[0-9]+$")
  message(FATAL_ERROR "LAUNCHER_CHAT_GROUP must be digits only, got '${LAUNCHER_CHAT_GROUP}'")
endif()
if(NOT LAUNCHER_FORUM_URL MATCHES "^[!#-~]+$")
  message(FATAL_ERROR "LAUNCHER_FORUM_URL must be printable ASCII without blanks or quotes, got '${LAUNCHER_FORUM_URL}'")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/build_values.h.in
               ${CMAKE_BINARY_DIR}/generated/build_values.h @ONLY)
