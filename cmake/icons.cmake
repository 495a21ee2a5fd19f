# The program's icon is drawn once, as resources/zbk_icon.svg; every size
# of it is rendered from that drawing at build time with rsvg-convert
# (Debian package librsvg2-bin). At 16 pixels the drawing's own picture for
# that size is rendered (its element "small", every edge on a whole pixel),
# where the lines of the full picture would fall between pixels.
find_program(ZBK_RSVG_CONVERT rsvg-convert REQUIRED)
set(ZBK_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/zbk_icon.svg)

# zbk_render_icon(SIZE OUT): a rule that makes OUT, the icon as a PNG of
# SIZE x SIZE pixels.
function(zbk_render_icon size out)
  get_filename_component(folder ${out} DIRECTORY)
  set(element)
  if(size EQUAL 16)
    set(element --export-id=small)
  endif()
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${ZBK_RSVG_CONVERT} --width=${size} --height=${size} ${element} --output=${out}
            ${ZBK_ICON_SVG}
    DEPENDS ${ZBK_ICON_SVG}
    COMMENT "Icon ${size}x${size}"
    VERBATIM)
endfunction()
