# Resources: .rc files compiled by windres into .res images that are embedded in the
# executable, and SVG artwork rendered to the exact size and depth each picture needs.

find_program(WINDRES NAMES x86_64-w64-mingw32-windres windres REQUIRED)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
# The build-time tools: this build's own, or a native build's when this one is for a browser.
if(NOT DEFINED ZEPHTOR_BMPCONV)
  set(ZEPHTOR_BMPCONV bmpconv)
  set(ZEPHTOR_TONE tone)
endif()

# zephtor_svg_bitmap(<out-var> <svg> <bmp> <width> <height> <depth>)
# Pictures are rendered again when the shared pieces they use change: the caller names
# those files in ZEPHTOR_SHARED_ART.
function(zephtor_svg_bitmap out svg bmp width height depth)
  set(png ${bmp}.png)
  add_custom_command(
    OUTPUT ${bmp}
    COMMAND ${RSVG_CONVERT} --width=${width} --height=${height} --keep-aspect-ratio=false ${svg} -o ${png}
    COMMAND ${ZEPHTOR_BMPCONV} bitmap ${png} ${bmp} ${depth}
    DEPENDS ${svg} ${ZEPHTOR_BMPCONV} ${ZEPHTOR_SHARED_ART}
    COMMENT "Rendering ${bmp} (${width} x ${height}, ${depth} bits)"
    VERBATIM)
  set(${out} ${${out}} ${bmp} PARENT_SCOPE)
endfunction()

# zephtor_svg_icon(<out-var> <svg> <ico> [<svg16>]): 32 and 16 pixel images, the 16 pixel one
# from <svg16> when a drawing too busy to shrink has a simpler one of its own.
function(zephtor_svg_icon out svg ico)
  set(small ${svg})
  if(ARGC GREATER 3)
    set(small ${ARGV3})
  endif()
  add_custom_command(
    OUTPUT ${ico}
    COMMAND ${RSVG_CONVERT} --width=32 --height=32 ${svg} -o ${ico}.32.png
    COMMAND ${RSVG_CONVERT} --width=16 --height=16 ${small} -o ${ico}.16.png
    COMMAND ${ZEPHTOR_BMPCONV} icon ${ico} ${ico}.32.png ${ico}.16.png
    DEPENDS ${svg} ${small} ${ZEPHTOR_BMPCONV}
    COMMENT "Rendering ${ico}"
    VERBATIM)
  set(${out} ${${out}} ${ico} PARENT_SCOPE)
endfunction()

# zephtor_svg_icon_sized(<out-var> <svg> <ico> <size> <depth>): one image of that size
# and depth (24, or 8 for a paletted image without transparency); rendered again, as the
# bitmaps are, when the shared pieces named in ZEPHTOR_SHARED_ART change.
function(zephtor_svg_icon_sized out svg ico size depth)
  add_custom_command(
    OUTPUT ${ico}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --keep-aspect-ratio=false ${svg} -o ${ico}.png
    COMMAND ${ZEPHTOR_BMPCONV} icon ${ico} --depth ${depth} ${ico}.png
    DEPENDS ${svg} ${ZEPHTOR_BMPCONV} ${ZEPHTOR_SHARED_ART}
    COMMENT "Rendering ${ico} (${size} x ${size}, ${depth} bits)"
    VERBATIM)
  set(${out} ${${out}} ${ico} PARENT_SCOPE)
endfunction()

# zephtor_svg_png(<out-var> <svg> <png> <size>): a square picture of that size, as the
# desktop's icon themes take them.
function(zephtor_svg_png out svg png size)
  get_filename_component(dir ${png} DIRECTORY)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} ${svg} -o ${png}
    DEPENDS ${svg}
    COMMENT "Rendering ${png} (${size} x ${size})"
    VERBATIM)
  set(${out} ${${out}} ${png} PARENT_SCOPE)
endfunction()

# zephtor_embed_resources(<target> <rc-file> [DEPENDS files...] [INCLUDE dirs...])
# Compiles the .rc and links its image into <target> as the program's own resources.
function(zephtor_embed_resources target rc)
  cmake_parse_arguments(ARG "" "" "DEPENDS;INCLUDE" ${ARGN})
  get_filename_component(name ${rc} NAME_WE)
  set(res ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
  set(includes --include-dir=${PROJECT_SOURCE_DIR}/platform/include --include-dir=${CMAKE_CURRENT_SOURCE_DIR}
               --include-dir=${CMAKE_CURRENT_BINARY_DIR})
  foreach(dir ${ARG_INCLUDE})
    list(APPEND includes --include-dir=${dir})
  endforeach()
  get_filename_component(rcdir ${rc} DIRECTORY)
  add_custom_command(
    OUTPUT ${res}
    COMMAND ${WINDRES} --preprocessor=${CMAKE_C_COMPILER} --preprocessor-arg=-E --preprocessor-arg=-xc
            --preprocessor-arg=-DRC_INVOKED ${includes} -c 65001 -O res -i ${rc} -o ${res}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS ${rc} ${ARG_DEPENDS}
    IMPLICIT_DEPENDS C ${rc}
    COMMENT "Compiling resources ${name}.rc"
    VERBATIM)
  set(asm ${CMAKE_CURRENT_BINARY_DIR}/${name}_res.S)
  if(EMSCRIPTEN)
    # WebAssembly's objects keep data in named segments whose symbols have sizes.
    file(WRITE ${asm}.in
         "    .section .rodata.platform_resource_image,\"\",@\n"
         "    .globl platform_resource_image_begin\n"
         "    .globl platform_resource_image_end\n"
         "    .p2align 4\n"
         "platform_resource_image_begin:\n"
         "    .incbin \"${res}\"\n"
         "platform_resource_image_end:\n"
         "    .size platform_resource_image_begin, platform_resource_image_end - platform_resource_image_begin\n"
         "    .size platform_resource_image_end, 0\n")
  else()
    file(WRITE ${asm}.in
         "    .section .rodata\n"
         "    .global platform_resource_image_begin\n"
         "    .global platform_resource_image_end\n"
         "    .balign 16\n"
         "platform_resource_image_begin:\n"
         "    .incbin \"${res}\"\n"
         "platform_resource_image_end:\n"
         "    .section .note.GNU-stack,\"\",@progbits\n")
  endif()
  configure_file(${asm}.in ${asm} COPYONLY)
  set_source_files_properties(${asm} PROPERTIES OBJECT_DEPENDS ${res})
  target_sources(${target} PRIVATE ${asm})
endfunction()

# zephtor_tone(<out-var> <wav> <frequency-hz> <length-ms>)
function(zephtor_tone out wav frequency ms)
  add_custom_command(
    OUTPUT ${wav}
    COMMAND ${ZEPHTOR_TONE} ${wav} ${frequency} ${ms}
    DEPENDS ${ZEPHTOR_TONE}
    COMMENT "Generating ${wav}"
    VERBATIM)
  set(${out} ${${out}} ${wav} PARENT_SCOPE)
endfunction()

# zephtor_morse_sounds(<out-var> <dir>): the Morse sounds and DIR/morse_sounds.rc, the
# list a resource file includes to embed them.
function(zephtor_morse_sounds out dir)
  add_custom_command(
    OUTPUT ${dir}/morse_sounds.rc
    COMMAND ${ZEPHTOR_TONE} --morse ${dir}
    DEPENDS ${ZEPHTOR_TONE}
    COMMENT "Generating the Morse sounds"
    VERBATIM)
  set(${out} ${${out}} ${dir}/morse_sounds.rc PARENT_SCOPE)
endfunction()
