#!/bin/sh
# Builds FreeType, libpng and zlib for WebAssembly from Debian's own source packages, the
# versions Debian 12 ships, into DIR/prefix. The sources come through a private sources list
# under DIR, so the machine's apt configuration is never changed. Built once: a finished
# prefix is kept until `make clean`.
set -eu
dir=$(realpath -m "${1:?usage: web-deps.sh DIR}")
prefix=$dir/prefix
[ -f "$prefix/.complete" ] && exit 0
mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial" "$dir/src"
cat > "$dir/sources.list" <<LIST
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
LIST
apt="-o Dir::Etc::SourceList=$dir/sources.list -o Dir::Etc::SourceParts=/dev/null
     -o Dir::State::Lists=$dir/lists -o Dir::Cache=$dir/cache -o APT::Sandbox::User=root"
# shellcheck disable=SC2086
apt-get $apt -q update >/dev/null
cd "$dir/src"
rm -rf zlib-* libpng1.6-* freetype-*
# shellcheck disable=SC2086
apt-get $apt -q source zlib libpng1.6 freetype >/dev/null

build() {  # build NAME SOURCE-FOLDER CMAKE-OPTIONS...
    name=$1 source=$2
    shift 2
    emcmake cmake -S "$source" -B "$dir/build/$name" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" "$@" >/dev/null
    cmake --build "$dir/build/$name" -j"$(nproc)" >/dev/null
    cmake --install "$dir/build/$name" >/dev/null
}
# zlib's own configure script: its CMake build wants Windows files the Debian source leaves out.
(cd zlib-*/ && CHOST=wasm32 emconfigure ./configure --static --prefix="$prefix" >/dev/null && emmake make -j"$(nproc)" install >/dev/null)
build png "$(ls -d libpng1.6-*/)" -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_INCLUDE_DIR="$prefix/include" -DZLIB_LIBRARY="$prefix/lib/libz.a"
# The program reads plain TrueType files: none of FreeType's optional decoders, and the
# zlib above rather than the copy FreeType would otherwise build into itself.
build freetype "$(ls -d freetype-*/)" -DFT_REQUIRE_ZLIB=ON -DZLIB_INCLUDE_DIR="$prefix/include" \
    -DZLIB_LIBRARY="$prefix/lib/libz.a" -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
    -DFT_DISABLE_BROTLI=ON
touch "$prefix/.complete"
