# Writes SITE/service-worker.js from TEMPLATE with a cache named after the build: the digest of
# the page's files, so any change to them makes browsers fetch the new ones.
set(digests "")
foreach(file index.html index.js index.wasm index.data manifest.webmanifest icon.png icon-192.png icon-512.png
             mediabunny.js)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests ${digest})
endforeach()
string(SHA256 build "${digests}")
string(SUBSTRING ${build} 0 16 build)
set(QUILLOMER_WEB_CACHE quillomer-${build})
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
