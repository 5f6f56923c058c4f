# The front door: `make run` and `make test` install what is missing, build
# and go. Everything else is a step of those two.
.PHONY: all deps build run test test-release test-asan snapshots bench assets docs format clean

JOBS ?= 2
WERROR ?= $(if $(CI),ON,OFF)
CMAKE_FLAGS = -DGRIMVEIL_WERROR=$(WERROR)

all: build

deps:
	@bash scripts/install-deps.sh

build/CMakeCache.txt: | deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps build/CMakeCache.txt
	cmake --build build -j $(JOBS)

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open windows on (neither DISPLAY nor WAYLAND_DISPLAY is set); try 'make snapshots' to render the screens to PNG files."; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	./build/grimveil-guide

build-asan/CMakeCache.txt: | deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DGRIMVEIL_SANITIZE=ON $(CMAKE_FLAGS)

test-release: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

test-asan: deps build-asan/CMakeCache.txt
	cmake --build build-asan -j $(JOBS) --target grimveil-tests
	ctest --test-dir build-asan --output-on-failure -j $(JOBS) -L headless

test: test-release test-asan

snapshots: build
	./build/grimveil-snapshots build/snapshots

bench: build
	bash bench/run.sh build

# Regenerates the artwork under assets/ with the generator in tools/artgen.
assets: build
	./build/tools/artgen/artgen assets

# Rewrites docs/moves.md, the move lists as a document, from the guide's content.
docs: build
	./build/grimveil-moves-doc docs/moves.md

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-asan
