# The two set-up commands of the README, and the others a developer uses.
#   make run        install what is missing, build in release mode, start the program
#   make test       install what is missing, build with sanitizers, run every test
#   make bench      build in release mode and run the benchmarks
#   make install    build in release mode and install into PREFIX (/usr/local), under
#                   DESTDIR when it is set
#   make uninstall  remove what make install wrote (give the same DESTDIR), and the
#                   folders it made if left empty
#   make dist       build in release mode and lay out build/dist/zephtor-VERSION, the folder
#                   a user installs from with the setup program, and its .tar.gz
#   make soak       the monkey for EVENTS (1000000) events of seed SEED (1), sanitizers on
#   make fuzz       build the libFuzzer targets with clang (build/fuzz)
#   make fuzz-smoke run each fuzzer for FUZZ_SECONDS (3) from its corpus; part of make test
#   make count      the size of the tests against the code, in non-blank lines
#   make web        the handheld program for browsers in build/web (and its command-line
#                   form for node, build/web/cli/zephtor.js)
#   make serve-web  serves build/web on http://localhost:8240/ (PORT=...)
#   make bench-web  the web version's budgets, measured in headless Chromium
#   make check-win32  compile device/ and setup/ against mingw-w64's Windows headers and
#                   run windres over their resource scripts; part of make test

# Node.js and npm come from Debian unless the machine has them already (from another source,
# whose nodejs package Debian's npm conflicts with).
PACKAGES := cmake g++ make pkg-config libsdl2-dev libfreetype-dev libpng-dev libgtest-dev \
            libbenchmark-dev fonts-wine fonts-dejavu-core fonts-dejavu-extra binutils-mingw-w64-x86-64 \
            g++-mingw-w64-x86-64-posix librsvg2-bin xvfb xauth xdotool x11-utils morse2ascii \
            desktop-file-utils appstream clang emscripten dpkg-dev fonttools chromium
JOBS := $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
TEST := build/test
PREFIX ?= /usr/local
FUZZ := build/fuzz
FUZZERS := registry profile command_line entry resources script
FUZZ_SECONDS ?= 3
EVENTS ?= 1000000
SEED ?= 1
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
WEB := build/web
PORT ?= 8240
# Debian's Emscripten finds its own node modules here; node's fetch must not load the
# WebAssembly (the command-line form is one file for that reason).
EMENV := NODE_PATH=/usr/share/nodejs

.PHONY: run test bench deps release install uninstall dist update-screenshots clean count web web-build \
        serve-web bench-web check-win32

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done; \
	    command -v npm > /dev/null || echo nodejs npm); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -q && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

release: deps
	cmake -S . -B $(RELEASE) -DCMAKE_BUILD_TYPE=Release -DZEPHTOR_DIST_DIR=$(CURDIR)/build/dist
	cmake --build $(RELEASE) -j$(JOBS)

install: release
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE) --prefix "$(PREFIX)"

uninstall:
	DESTDIR="$(DESTDIR)" cmake -DBUILD=$(RELEASE) -P packaging/uninstall.cmake

dist: release
	cmake --build $(RELEASE) --target dist

run: release
	$(RELEASE)/device/zephtor

test: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHTOR_SANITIZE=ON -DZEPHTOR_WEB_DIR=$(CURDIR)/$(WEB)
	cmake --build $(TEST) -j$(JOBS)
	$(MAKE) --no-print-directory web-build HOST_TOOLS=$(TEST)/tools
	npm ci --no-audit --no-fund --silent
	cd $(TEST) && ctest --output-on-failure --no-tests=error -j$(JOBS)
	$(MAKE) --no-print-directory fuzz-smoke

# The resource scripts name the built artwork, so the resources are made first (in the
# test build, which make test shares).
check-win32: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHTOR_SANITIZE=ON
	cmake --build $(TEST) -j$(JOBS) --target zephtor_resources setup_resources appmgr_resources
	platform/win32/check.sh $(TEST)

soak: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHTOR_SANITIZE=ON
	cmake --build $(TEST) -j$(JOBS) --target monkey zephtor
	@start=$$(date +%s.%N); \
	$(TEST)/tests/monkey/monkey $(TEST)/device/zephtor $(SEED) $(EVENTS); status=$$?; \
	awk -v n=$(EVENTS) -v s=$$start -v e=$$(date +%s.%N) 'BEGIN { printf "%d events a second\n", n / (e - s) }'; \
	exit $$status

fuzz: deps
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	      -DZEPHTOR_FUZZ=ON -DZEPHTOR_TESTS=OFF
	cmake --build $(FUZZ) -j$(JOBS) --target fuzzers

# New inputs go to build/fuzz/corpus; the kept corpus in tests/fuzz/corpus is only read,
# and the resource reader also starts from the programs' own .res images, as built.
# A finding is written as build/fuzz/NAME-crash-... and its report shown.
fuzz-smoke: fuzz
	@mkdir -p $(FUZZ)/seeds/resources && find $(FUZZ)/device $(FUZZ)/setup -name '*.res' -exec cp {} $(FUZZ)/seeds/resources/ \;
	@for f in $(FUZZERS); do \
	    mkdir -p $(FUZZ)/corpus/$$f $(FUZZ)/seeds/$$f; \
	    if $(FUZZ)/tests/fuzz/$${f}_fuzz -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$(FUZZ)/$$f- \
	           $(FUZZ)/corpus/$$f tests/fuzz/corpus/$$f $(FUZZ)/seeds/$$f > $(FUZZ)/$$f.log 2>&1; then \
	        echo "fuzz $$f: $$(grep -o 'Done [0-9]* runs' $(FUZZ)/$$f.log), nothing found"; \
	    else tail -40 $(FUZZ)/$$f.log; echo "fuzz $$f: FOUND A FAULT"; exit 1; fi; \
	done

# The web version, built with Debian's Emscripten. Its libraries are built once from
# Debian's sources (build/webdeps); the pictures and sounds are made by a native build's
# tools, from the same resources as the native program.
web: release
	$(MAKE) --no-print-directory web-build HOST_TOOLS=$(RELEASE)/tools

web-build:
	$(EMENV) cmake/web-deps.sh build/webdeps
	$(EMENV) emcmake cmake -S . -B build/web-build -DCMAKE_BUILD_TYPE=Release \
	    -DZEPHTOR_WEB_DEPS=$(CURDIR)/build/webdeps/prefix -DZEPHTOR_HOST_TOOLS=$(CURDIR)/$(HOST_TOOLS) \
	    -DZEPHTOR_WEB_OUT=$(CURDIR)/$(WEB) > /dev/null
	$(EMENV) cmake --build build/web-build -j$(JOBS)

serve-web:
	@test -f $(WEB)/index.html || $(MAKE) --no-print-directory web
	node platform/web/serve.mjs $(WEB) $(PORT)

bench-web: web
	npm ci --no-audit --no-fund --silent
	mkdir -p build/web-bench && cp bench/web/bare.html build/web-bench/
	$(EMENV) emcc -O2 bench/web/bare.c -o build/web-bench/bare.js
	node bench/web/web_bench.mjs $(WEB) build/web-bench

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZEPHTOR_BENCH=ON
	cmake --build build/bench -j$(JOBS)
	# The window benchmarks need a display; a virtual one serves where there is none.
	if [ -n "$$DISPLAY" ]; then run=; else run="env SDL_AUDIODRIVER=dummy xvfb-run -a"; fi; \
	for b in build/bench/bench/*_bench; do $$run $$b; done

clean:
	rm -rf build

# Tests are every file under tests/ but pictures;
# code is the C++, .rc, CMake and JavaScript files of the programs and their build tools. Our rule: tests at most a third of the code or so.
count:
	@tests=$$(find tests -type f ! -name '*.png' ! -name '*.svg' \
	        -exec grep -Hcv '^[[:space:]]*$$' {} + | awk -F: '{ s += $$NF } END { print s }'); \
	code=$$(find platform device setup tools cmake -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' -o -name CMakeLists.txt -o -name '*.cmake' -o -name '*.js' -o -name '*.mjs' \) \
	        -exec grep -Hcv '^[[:space:]]*$$' {} + | awk -F: '{ s += $$NF } END { print s }'); \
	awk -v t=$$tests -v c=$$code 'BEGIN { printf "tests %d non-blank lines, code %d: %.2f of the code\n", t, c, t / c }'

# Writes the screenshot tests' pictures as their new references. Look at them before
# committing: they are what the tests will hold the program to.
update-screenshots: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHTOR_SANITIZE=ON
	cmake --build $(TEST) -j$(JOBS)
	cd $(TEST) && ZEPHTOR_UPDATE_SCREENSHOTS=1 ctest -L screenshots --output-on-failure
