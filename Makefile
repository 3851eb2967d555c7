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

PACKAGES := cmake g++ make pkg-config libsdl2-dev libfreetype-dev libpng-dev libgtest-dev \
            libbenchmark-dev fonts-wine fonts-dejavu-core fonts-dejavu-extra binutils-mingw-w64-x86-64 librsvg2-bin \
            xvfb xauth xdotool x11-utils morse2ascii desktop-file-utils appstream
JOBS := $(shell nproc 2>/dev/null || echo 2)
RELEASE := build/release
TEST := build/test
PREFIX ?= /usr/local
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench deps release install uninstall dist update-screenshots clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
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
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHTOR_SANITIZE=ON
	cmake --build $(TEST) -j$(JOBS)
	cd $(TEST) && ctest --output-on-failure --no-tests=error -j$(JOBS)

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZEPHTOR_BENCH=ON
	cmake --build build/bench -j$(JOBS)
	# The window benchmarks need a display; a virtual one serves where there is none.
	if [ -n "$$DISPLAY" ]; then run=; else run="env SDL_AUDIODRIVER=dummy xvfb-run -a"; fi; \
	for b in build/bench/bench/*_bench; do $$run $$b; done

clean:
	rm -rf build

# Writes the screenshot tests' pictures as their new references. Look at them before
# committing: they are what the tests will hold the program to.
update-screenshots: deps
	cmake -S . -B $(TEST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHTOR_SANITIZE=ON
	cmake --build $(TEST) -j$(JOBS)
	cd $(TEST) && ZEPHTOR_UPDATE_SCREENSHOTS=1 ctest -L screenshots --output-on-failure
