# Files compiled into a module as named resources (ui/core/ResourceStream.h).
#   velzar_embed_resources(<target> FUNCTION <name> FILES <file>...)
# Each file becomes an entry of type RCDATA named by its file name without
# the extension; the generated `void <name>()` registers the table and is
# called by the module before it looks a resource up.
function(velzar_embed_resources target)
  cmake_parse_arguments(ARG "" "FUNCTION" "FILES" ${ARGN})
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${ARG_FUNCTION}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DFUNCTION=${ARG_FUNCTION} "-DFILES=${ARG_FILES}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    DEPENDS ${ARG_FILES} ${PROJECT_SOURCE_DIR}/cmake/EmbedResourcesScript.cmake
    COMMENT "Embedding resources of ${target}")
  target_sources(${target} PRIVATE ${output})
endfunction()
