# iob_render_icon_pngs(<out_var> <svg> <output> <size>...)
#
# Adds the commands that render <svg> square at each <size> pixels with
# rsvg-convert, into <output> with "<size>" replaced by the size, and sets
# <out_var> to the PNGs made, in the order of the sizes. The Windows icon and
# the Linux icon theme both come from the one drawing this way.
function(iob_render_icon_pngs out_var svg output)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs "")
  foreach(size IN LISTS ARGN)
    string(REPLACE "<size>" ${size} png ${output})
    get_filename_component(png_dir ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${png_dir}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg}
        VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()
