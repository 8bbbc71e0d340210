# Thin wrapper over the CMake presets. `make run` and `make test` are all a
# new user needs; both install missing Debian packages first.
JOBS ?= $(shell nproc)
PLANDECK_HOME ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/plandeck
PREFIX ?= $(HOME)/.local

.PHONY: all build run test test-asan fuzz bench screenshots install uninstall install-autostart deb format clean

all: build

build:
	@scripts/setup-deps run
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target plandeck

# Starts the planner in its working folder ($(PLANDECK_HOME)).
run: build
	PLANDECK_HOME="$(PLANDECK_HOME)" scripts/plandeck-launcher "$(CURDIR)/build/dev/plandeck"

# The whole test suite, headless, warnings as errors.
test:
	@scripts/setup-deps test
	cmake --preset ci
	cmake --build --preset ci -j $(JOBS)
	ctest --preset ci -j $(JOBS)

# The test suite under the address and undefined-behaviour sanitizers, and a
# short run of every fuzz target.
test-asan:
	@scripts/setup-deps asan
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench:
	@scripts/setup-deps bench
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	bench/run-benchmarks build/release

screenshots:
	@scripts/setup-deps shots
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target plandeck
	scripts/take-screenshots build/release/plandeck docs

install:
	@scripts/setup-deps run
	cmake -S . -B build/install -DCMAKE_BUILD_TYPE=Release -DPLANDECK_BUILD_TESTS=OFF \
	    -DCMAKE_INSTALL_PREFIX="$(PREFIX)"
	cmake --build build/install -j $(JOBS)
	cmake --install build/install

uninstall:
	@if [ -f build/install/install_manifest.txt ]; then \
	    xargs -d '\n' rm -fv < build/install/install_manifest.txt; \
	else echo "Nothing was installed from this folder."; fi

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
