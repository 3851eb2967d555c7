# Writes OUT/sw.js from TEMPLATE: the files the page needs (FILES) and a cache name made
# from their contents, so each build has its own cache and a new one replaces it whole.
set(hashes "")
set(list "")
foreach(file ${FILES})
  file(SHA256 ${OUT}/${file} hash)
  string(APPEND hashes ${hash})
  string(APPEND list "  \"./${file}\",\n")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 BUILD_VERSION)
set(CACHED_FILES "[\n  \"./\",\n${list}]")
configure_file(${TEMPLATE} ${OUT}/sw.js @ONLY)
