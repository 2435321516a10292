# The desktop program started where there is no desktop session: no display
# at all, or a platform named that cannot start. It writes one line and
# ends with status 1, not Qt's text and an abort.
# Usage: cmake -DPROGRAM=path/to/IobToQuorvane -DPLATFORM=xcb|<empty> -P no_display_test.cmake
if(PLATFORM)
  set(platform_setting QT_QPA_PLATFORM=${PLATFORM})
else()
  set(platform_setting -u QT_QPA_PLATFORM)
endif()
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY ${platform_setting} ${PROGRAM}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
set(expected "IobToQuorvane needs a desktop session to show its window; on the command line, use iob2quorvane\n")
if(NOT status STREQUAL "1" OR NOT errors STREQUAL expected OR NOT output STREQUAL "")
  message(FATAL_ERROR "status ${status} (expected 1)\nstandard error:\n${errors}\nstandard output:\n${output}")
endif()
