# Every target installs what is missing first, then builds and goes. On a
# machine without make, ./make.sh <target> installs make too and comes here.
.PHONY: all deps build run test test-release test-asan snapshots gallery bench assets package docs format clean FORCE

JOBS ?= 2
WERROR ?= $(if $(CI),ON,OFF)
CMAKE_FLAGS = -DGRIMVEIL_WERROR=$(WERROR)
RELEASE_OPTIONS = -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
ASAN_OPTIONS_CMAKE = -DCMAKE_BUILD_TYPE=Debug -DGRIMVEIL_SANITIZE=ON $(CMAKE_FLAGS)

all: build

deps:
	@bash scripts/install-deps.sh

# A build folder is configured again whenever the options it was configured
# with change (WERROR=ON, CI=true): each folder keeps them in a file that is
# rewritten only when they differ.
build/options: FORCE
	@mkdir -p build
	@echo '$(RELEASE_OPTIONS)' | cmp -s - $@ || echo '$(RELEASE_OPTIONS)' >$@

build/CMakeCache.txt: build/options | deps
	cmake -S . -B build $(RELEASE_OPTIONS)
	@touch $@

build: deps build/CMakeCache.txt
	cmake --build build -j $(JOBS)

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open windows on (neither DISPLAY nor WAYLAND_DISPLAY is set); try 'make snapshots' to render the screens to PNG files."; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	./build/grimveil-guide

build-asan/options: FORCE
	@mkdir -p build-asan
	@echo '$(ASAN_OPTIONS_CMAKE)' | cmp -s - $@ || echo '$(ASAN_OPTIONS_CMAKE)' >$@

build-asan/CMakeCache.txt: build-asan/options | deps
	cmake -S . -B build-asan $(ASAN_OPTIONS_CMAKE)
	@touch $@

test-release: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-asan: deps build-asan/CMakeCache.txt
	cmake --build build-asan -j $(JOBS) --target grimveil-tests
	ctest --test-dir build-asan --output-on-failure -j $(JOBS) -L headless

test: test-release test-asan

# SCALE=N draws every pixel as an N x N block, as a desktop scaled by N shows it.
SCALE ?= 1
snapshots: build
	./build/grimveil-snapshots --scale $(SCALE) build/snapshots

# The README's gallery: every screen as `make snapshots` draws it.
gallery: snapshots
	rm -rf docs/gallery
	mkdir -p docs/gallery
	cp build/snapshots/*.png docs/gallery/

bench: build
	bash bench/run.sh build

# Regenerates the artwork under assets/ with the generator in tools/artgen.
assets: build
	./build/tools/artgen/artgen assets

# Rewrites docs/moves.md, the move lists as a document, from the guide's content.
docs: build
	./build/grimveil-moves-doc docs/moves.md

# build/grimveil-guide_<version>_<arch>.deb
package: build
	cd build && cpack -G DEB

format:
	@bash scripts/install-deps.sh --format
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan
