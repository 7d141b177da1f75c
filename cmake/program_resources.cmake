# Gives a Windows program its icon, version information and manifest, made
# from the templates in resources/ with the version of project(), so every
# program carries the same version from one place.
#   add_program_resources(TARGET DESCRIPTION "text" [COMMON_CONTROLS_6])
# COMMON_CONTROLS_6 asks for version 6 of the common controls (window programs).
function(add_program_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "COMMON_CONTROLS_6" "DESCRIPTION" "")
  set(templates ${PROJECT_SOURCE_DIR}/resources)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)

  # Windows versions have four numbers: 1.0.0 is 1.0.0.0.
  string(REPLACE "." ";" numbers "${PROJECT_VERSION}")
  list(LENGTH numbers count)
  while(count LESS 4)
    list(APPEND numbers 0)
    math(EXPR count "${count} + 1")
  endwhile()
  list(JOIN numbers "," PROGRAM_VERSION_COMMAS)
  list(JOIN numbers "." PROGRAM_VERSION_DOTS)

  set(PROGRAM_NAME ${target})
  set(PROGRAM_FILE ${target}.exe)
  set(PROGRAM_DESCRIPTION "${arg_DESCRIPTION}")
  set(PROGRAM_ICON ${templates}/program.ico)
  set(PROGRAM_MANIFEST ${out}/${target}.manifest)
  set(PROGRAM_MANIFEST_DEPENDENCY "")
  if(arg_COMMON_CONTROLS_6)
    file(READ ${templates}/common_controls_6.manifest-part PROGRAM_MANIFEST_DEPENDENCY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${templates}/common_controls_6.manifest-part)
  endif()

  configure_file(${templates}/program.manifest.in ${PROGRAM_MANIFEST} @ONLY)
  configure_file(${templates}/program.rc.in ${out}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${out}/${target}.rc)
  # windres reads the icon and the manifest; a change to either rebuilds the resources.
  set_source_files_properties(${out}/${target}.rc PROPERTIES OBJECT_DEPENDS "${PROGRAM_ICON};${PROGRAM_MANIFEST}")
endfunction()
