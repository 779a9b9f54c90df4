# Copies SOURCE to DESTINATION unless DESTINATION exists (a user's file is kept).
if(NOT EXISTS "${DESTINATION}")
  configure_file("${SOURCE}" "${DESTINATION}" COPYONLY)
endif()
