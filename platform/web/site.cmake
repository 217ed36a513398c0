# cmake -P site.cmake: assembles the page's folder SITE from the built game (GAME_JS, GAME_WASM),
# the font sheet (FONT), the page's icons (ICONS, a folder of icon-<size>.png), the page
# (PAGE_DIR) and the copyright file (COPYRIGHT). Every file but index.html, copyright.txt and
# the service worker sw.js is named after a hash of its contents; sw.js lists every file of
# this version.
foreach(input GAME_JS GAME_WASM FONT ICONS PAGE_DIR COPYRIGHT SITE)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "site.cmake: ${input} is not given")
    endif()
endforeach()
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})

# Copies path into the folder as stem-HASH.extension and adds that name to the list hashed.
set(hashed "")
function(ship key path)
    file(SHA256 ${path} hash)
    string(SUBSTRING ${hash} 0 12 hash)
    get_filename_component(stem ${key} NAME_WLE)
    get_filename_component(extension ${key} LAST_EXT)
    set(name ${stem}-${hash}${extension})
    configure_file(${path} ${SITE}/${name} COPYONLY)
    set(shipped ${name} PARENT_SCOPE)
    set(hashed ${hashed} ${name} PARENT_SCOPE)
endfunction()

ship(orrindel.js ${GAME_JS})
set(table "\"orrindel.js\": \"${shipped}\"")
ship(orrindel.wasm ${GAME_WASM})
string(APPEND table ", \"orrindel.wasm\": \"${shipped}\"")
ship(font.bmp ${FONT})
string(APPEND table ", \"font.bmp\": \"${shipped}\"")
set(FILES "{${table}}")
ship(page.js ${PAGE_DIR}/page.js)
set(PAGE ${shipped})

# The icons, smallest first: the manifest lists them all, the smallest is also the tab's and
# the home screen's where the manifest is not read.
file(GLOB icons ${ICONS}/icon-*.png)
list(SORT icons COMPARE NATURAL)
if(NOT icons)
    message(FATAL_ERROR "site.cmake: ${ICONS} holds no icon-<size>.png")
endif()
set(ICON_LIST "")
foreach(icon IN LISTS icons)
    get_filename_component(key ${icon} NAME)
    string(REGEX REPLACE "^icon-([0-9]+)\\.png$" "\\1" side ${key})
    ship(${key} ${icon})
    if(NOT DEFINED ICON)
        set(ICON ${shipped})
    else()
        string(APPEND ICON_LIST ", ")
    endif()
    string(APPEND ICON_LIST
           "{\"src\": \"${shipped}\", \"sizes\": \"${side}x${side}\", \"type\": \"image/png\"}")
endforeach()
configure_file(${PAGE_DIR}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)
ship(manifest.webmanifest ${SITE}/manifest.webmanifest)
file(REMOVE ${SITE}/manifest.webmanifest)
set(MANIFEST ${shipped})
configure_file(${COPYRIGHT} ${SITE}/copyright.txt COPYONLY)

# The version: what the hashed names, the copyright and the templates of index.html and sw.js
# make of it. It names the worker's cache, and index.html carries it so that the worker keeps
# only an index.html of its own version.
set(version_parts ${hashed})
foreach(file ${COPYRIGHT} ${PAGE_DIR}/index.html.in ${PAGE_DIR}/sw.js.in)
    file(SHA256 ${file} hash)
    list(APPEND version_parts ${hash})
endforeach()
string(SHA256 VERSION "${version_parts}")
string(SUBSTRING ${VERSION} 0 12 VERSION)
configure_file(${PAGE_DIR}/index.html.in ${SITE}/index.html @ONLY)

set(cached ${hashed} copyright.txt)
list(JOIN cached "',\n  '" CACHED)
configure_file(${PAGE_DIR}/sw.js.in ${SITE}/sw.js @ONLY)
