# The browser's build: the handheld program compiled to WebAssembly, laid out with its page,
# help file, icons, manifest and service worker in ZEPHTOR_WEB_OUT; and the same program's
# command-line form for node in ZEPHTOR_WEB_OUT/cli. `make web` configures it.
set(ZEPHTOR_WEB_DEPS "" CACHE PATH "FreeType, libpng and zlib built for WebAssembly (cmake/web-deps.sh)")
set(ZEPHTOR_HOST_TOOLS "" CACHE PATH "the tools folder of a native build, whose bmpconv and tone run here")
set(ZEPHTOR_WEB_OUT ${PROJECT_BINARY_DIR}/web CACHE PATH "where the page is laid out")
foreach(needed ZEPHTOR_WEB_DEPS ZEPHTOR_HOST_TOOLS)
  if(NOT ${needed})
    message(FATAL_ERROR "${needed} is not set: build the web version with `make web`")
  endif()
endforeach()

add_library(PkgConfig::FREETYPE INTERFACE IMPORTED)
target_include_directories(PkgConfig::FREETYPE INTERFACE ${ZEPHTOR_WEB_DEPS}/include/freetype2)
target_link_libraries(PkgConfig::FREETYPE INTERFACE ${ZEPHTOR_WEB_DEPS}/lib/libfreetype.a)
add_library(PkgConfig::PNG INTERFACE IMPORTED)
target_include_directories(PkgConfig::PNG INTERFACE ${ZEPHTOR_WEB_DEPS}/include)
target_link_libraries(PkgConfig::PNG INTERFACE ${ZEPHTOR_WEB_DEPS}/lib/libpng16.a ${ZEPHTOR_WEB_DEPS}/lib/libz.a)
set(ZEPHTOR_BMPCONV ${ZEPHTOR_HOST_TOOLS}/bmpconv)
set(ZEPHTOR_TONE ${ZEPHTOR_HOST_TOOLS}/tone)

include(GNUInstallDirs)
include(cmake/Resources.cmake)
add_subdirectory(platform)
add_subdirectory(device)

set(web ${PROJECT_SOURCE_DIR}/platform/web)
set(fonts ${PROJECT_BINARY_DIR}/fonts)

# Only the glyphs the program can show: every character of its sources and resources, and
# the Latin-1 letters a person may type. The built-in bitmaps (which pyftsubset would drop)
# and the hinting stay, so text is
# drawn as it is natively.
file(GLOB_RECURSE shown_text CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/device/*.cpp ${PROJECT_SOURCE_DIR}/device/*.h
     ${PROJECT_SOURCE_DIR}/device/*.rc ${PROJECT_SOURCE_DIR}/platform/src/*.cpp)
set(characters ${PROJECT_BINARY_DIR}/characters.txt)
file(WRITE ${characters} "")
foreach(source ${shown_text})
  file(READ ${source} text)
  file(APPEND ${characters} "${text}")
endforeach()
find_program(PYFTSUBSET pyftsubset REQUIRED)
set(subset_fonts)
foreach(face tahoma tahomabd)
  add_custom_command(
    OUTPUT ${fonts}/${face}.ttf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${fonts}
    COMMAND ${PYFTSUBSET} /usr/share/wine/fonts/${face}.ttf --text-file=${characters}
            --unicodes=U+0020-007E,U+00A0-00FF --drop-tables-=EBDT,EBLC,EBSC --output-file=${fonts}/${face}.ttf
    DEPENDS ${characters}
    COMMENT "Keeping the glyphs the program shows of ${face}.ttf"
    VERBATIM)
  list(APPEND subset_fonts ${fonts}/${face}.ttf)
endforeach()
add_custom_target(web_fonts DEPENDS ${subset_fonts})

# Link options both forms share: the program waits for input by suspending (ASYNCIFY), so
# its message loops, message boxes and sounds keep their blocking form.
set(shared_link_options -sASYNCIFY -sASYNCIFY_STACK_SIZE=131072 -sALLOW_MEMORY_GROWTH -sEXIT_RUNTIME
    -sINITIAL_MEMORY=33554432 -sTOTAL_STACK=1048576)

add_dependencies(zephtor web_fonts)
set_target_properties(zephtor PROPERTIES SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${ZEPHTOR_WEB_OUT} LINK_DEPENDS
                      "${subset_fonts}")
target_link_options(zephtor PRIVATE ${shared_link_options} -sENVIRONMENT=web --preload-file ${fonts}@/fonts
                    -sEXPORTED_RUNTIME_METHODS=[FS,ENV,addRunDependency,removeRunDependency])

# The command-line form: the same program for node, reading and writing the machine's
# files, in one file so node never fetches the WebAssembly.
add_executable(zephtor_cli)
target_link_libraries(zephtor_cli PRIVATE platform_main zephtor_device zephtor_resources)
set_target_properties(zephtor_cli PROPERTIES OUTPUT_NAME zephtor SUFFIX .js RUNTIME_OUTPUT_DIRECTORY
                      ${ZEPHTOR_WEB_OUT}/cli)
target_link_options(zephtor_cli PRIVATE ${shared_link_options} -sENVIRONMENT=node -sNODERAWFS -sSINGLE_FILE
                    --pre-js ${web}/cli-pre.js)
set_target_properties(zephtor_cli PROPERTIES LINK_DEPENDS ${web}/cli-pre.js)

# The page: its files, the help file, icons from the program's own artwork, and a service
# worker whose cache is named after the build, so a page never mixes two builds.
set(page_files index.html page.js manifest.webmanifest)
set(page_outputs)
foreach(file ${page_files})
  add_custom_command(OUTPUT ${ZEPHTOR_WEB_OUT}/${file}
                     COMMAND ${CMAKE_COMMAND} -E copy ${web}/${file} ${ZEPHTOR_WEB_OUT}/${file}
                     DEPENDS ${web}/${file} VERBATIM)
  list(APPEND page_outputs ${ZEPHTOR_WEB_OUT}/${file})
endforeach()
add_custom_command(OUTPUT ${ZEPHTOR_WEB_OUT}/Zephtor.htm
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/device/resources/Zephtor.htm
                           ${ZEPHTOR_WEB_OUT}/Zephtor.htm
                   DEPENDS ${PROJECT_SOURCE_DIR}/device/resources/Zephtor.htm VERBATIM)
list(APPEND page_outputs ${ZEPHTOR_WEB_OUT}/Zephtor.htm)
zephtor_svg_png(page_outputs ${PROJECT_SOURCE_DIR}/device/resources/art/icon.svg ${ZEPHTOR_WEB_OUT}/icons/icon-192.png 192)
zephtor_svg_png(page_outputs ${PROJECT_SOURCE_DIR}/device/resources/art/icon.svg ${ZEPHTOR_WEB_OUT}/icons/icon-512.png 512)
zephtor_svg_png(page_outputs ${web}/icon-maskable.svg ${ZEPHTOR_WEB_OUT}/icons/icon-maskable-512.png 512)
set(cached index.html page.js manifest.webmanifest Zephtor.htm zephtor.js zephtor.wasm zephtor.data
    icons/icon-192.png icons/icon-512.png icons/icon-maskable-512.png)
add_custom_command(OUTPUT ${ZEPHTOR_WEB_OUT}/sw.js
                   COMMAND ${CMAKE_COMMAND} -DOUT=${ZEPHTOR_WEB_OUT} -DTEMPLATE=${web}/sw.js "-DFILES=${cached}"
                           -P ${PROJECT_SOURCE_DIR}/cmake/WebServiceWorker.cmake
                   DEPENDS ${page_outputs} zephtor ${web}/sw.js ${PROJECT_SOURCE_DIR}/cmake/WebServiceWorker.cmake
                   COMMENT "Writing the service worker for this build" VERBATIM)
add_custom_target(web_page ALL DEPENDS ${page_outputs} ${ZEPHTOR_WEB_OUT}/sw.js)
