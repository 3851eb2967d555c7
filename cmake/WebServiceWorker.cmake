# Writes OUT/sw.js from TEMPLATE: the files the page needs (FILES) and a cache name made
# from their contents, so each build has its own cache and a new one replaces it whole.
set(hashes "")
set(names "\"./\"")
foreach(file ${FILES})
  file(SHA256 ${OUT}/${file} hash)
  string(APPEND hashes ${hash})
  list(APPEND names "\"./${file}\"")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 BUILD_VERSION)
list(JOIN names ",\n  " joined)
set(CACHED_FILES "[\n  ${joined}\n]")
configure_file(${TEMPLATE} ${OUT}/sw.js @ONLY)
