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

# Installs for this user into $(PREFIX) (default ~/.local); for all users:
# `sudo make install PREFIX=/usr/local`. Start it from the applications menu
# or with $(PREFIX)/bin/plandeck-launcher.
install:
	@scripts/setup-deps run
	cmake -S . -B build/install -DCMAKE_BUILD_TYPE=Release -DPLANDECK_BUILD_TESTS=OFF \
	    -DCMAKE_INSTALL_PREFIX="$(PREFIX)"
	cmake --build build/install -j $(JOBS) --target plandeck
	cmake --install build/install

# Removes exactly the files the last `make install` put in place.
uninstall:
	@if [ -f build/install/install_manifest.txt ]; then \
	    xargs -d '\n' rm -fv < build/install/install_manifest.txt; \
	    share=$$(sed -n 's|/plandeck-remind\.desktop$$||p' build/install/install_manifest.txt); \
	    if [ -n "$$share" ]; then rmdir "$$share" 2>/dev/null || true; fi; \
	    rm -f build/install/install_manifest.txt; \
	    autostart="$${XDG_CONFIG_HOME:-$$HOME/.config}/autostart/plandeck-remind.desktop"; \
	    if [ -f "$$autostart" ]; then \
	        echo "The login reminder is still set up: rm \"$$autostart\""; \
	    fi; \
	else echo "Nothing was installed from this folder."; fi

# Shows the reminder at every login, from the files of `make install`.
install-autostart:
	@installed="$$(cmake -L -N build/install 2>/dev/null | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')"; \
	installed="$${installed:-$(PREFIX)}"; \
	source="$$installed/share/plandeck/plandeck-remind.desktop"; \
	autostart="$${XDG_CONFIG_HOME:-$$HOME/.config}/autostart"; \
	if [ ! -f "$$source" ]; then \
	    echo "$$source is missing: run make install first." >&2; exit 1; \
	fi; \
	mkdir -p "$$autostart" && cp -v "$$source" "$$autostart/"

# A Debian package of the release build, in build/install.
deb:
	@scripts/setup-deps run
	cmake -S . -B build/install -DCMAKE_BUILD_TYPE=Release -DPLANDECK_BUILD_TESTS=OFF
	cmake --build build/install -j $(JOBS) --target plandeck
	@# cpack installs into its staging folder and would overwrite the list of
	@# files that `make uninstall` removes: keep that list aside meanwhile.
	cd build/install && { [ ! -f install_manifest.txt ] || mv install_manifest.txt install_manifest.keep; } \
	    && { cpack -G DEB; status=$$?; rm -f install_manifest.txt; \
	         [ ! -f install_manifest.keep ] || mv install_manifest.keep install_manifest.txt; \
	         exit $$status; }
	@ls -1 build/install/*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
