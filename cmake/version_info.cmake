# iob_add_version_info(TARGET DESCRIPTION): gives the Windows program TARGET
# a version resource from the project's version, named TARGET.exe and
# described as DESCRIPTION (the name Task Manager lists it under).
function(iob_add_version_info target description)
  set(IOB_PROGRAM_NAME ${target})
  set(IOB_FILE_DESCRIPTION "${description}")
  set(rc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc_file} @ONLY)
  target_sources(${target} PRIVATE ${rc_file})
endfunction()
