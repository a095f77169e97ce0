# The programs draw their pictures from PNGs rendered at build time from the
# SVGs in src/resources/icons, one for every size a picture is drawn at and
# every common display scale, so no SVG renderer is loaded when they run.

# Display scales in quarters: 1, 1.25, 1.5, 1.75, 2, 2.5 and 3.
set(PIGMENTRIX_ARTWORK_SCALES_IN_QUARTERS 4 5 6 7 8 10 12)

# pigmentrix_add_artwork(TARGET FOLDER PICTURE [EXACT] SIZES SIZE...)
# Links into TARGET the SVG src/resources/icons/PICTURE.svg as PNGs under
# :/icons/FOLDER/WxH.png. SIZE is a size the picture is drawn at in logical
# pixels, N or WxH; each is rendered at every display scale, or only as it
# is with EXACT (a window icon, whose every size goes to the window manager).
function(pigmentrix_add_artwork target folder picture)
  cmake_parse_arguments(PARSE_ARGV 3 art "EXACT" "" "SIZES")
  set(quarters_list ${PIGMENTRIX_ARTWORK_SCALES_IN_QUARTERS})
  if(art_EXACT)
    set(quarters_list 4)
  endif()
  set(sizes)
  foreach(size IN LISTS art_SIZES)
    if(size MATCHES "^([0-9]+)x([0-9]+)$")
      set(width ${CMAKE_MATCH_1})
      set(height ${CMAKE_MATCH_2})
    else()
      set(width ${size})
      set(height ${size})
    endif()
    foreach(quarters IN LISTS quarters_list)
      math(EXPR scaled_width "(${width} * ${quarters} + 2) / 4")
      math(EXPR scaled_height "(${height} * ${quarters} + 2) / 4")
      list(APPEND sizes ${scaled_width}x${scaled_height})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES sizes)

  set(root ${CMAKE_CURRENT_BINARY_DIR}/artwork)
  set(svg ${CMAKE_SOURCE_DIR}/src/resources/icons/${picture}.svg)
  list(TRANSFORM sizes PREPEND ${root}/icons/${folder}/ OUTPUT_VARIABLE files)
  list(TRANSFORM files APPEND .png)
  add_custom_command(OUTPUT ${files}
    COMMAND render_icon ${svg} ${root}/icons/${folder}/{size}.png ${sizes}
    DEPENDS render_icon ${svg}
    VERBATIM)
  qt_add_resources(${target} ${target}_${folder}_artwork PREFIX / BASE ${root} FILES ${files})
endfunction()
