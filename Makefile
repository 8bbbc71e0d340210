# Thin wrapper over the CMake presets. `make run` and `make test` are all a
# new user needs; both install missing Debian packages first.
JOBS ?= $(shell nproc)
PREFIX ?= $(HOME)/.local

.PHONY: all build run test test-asan fuzz bench screenshots install uninstall deb format clean

all: build

build:
	@scripts/setup-deps run
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target plandeck

# Starts the planner as an installed one: the build is installed into
# build/dev/stage, whose plandeck works in the user's working folder.
run: build
	cmake --install build/dev --prefix "$(CURDIR)/build/dev/stage" > /dev/null
	build/dev/stage/bin/plandeck

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

# A short run of every fuzz target under the sanitizers.
fuzz:
	@scripts/setup-deps asan
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS) --target fuzzers
	ctest --preset asan -R '^fuzz\.'

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

# An optimised, hardened build for installing and packing, as Debian builds.
RELEASE = -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DPLANDECK_BUILD_TESTS=OFF
# `make install` and `make deb` build in folders of their own, so that the
# package never touches the list of files `make uninstall` removes.
INSTALL_BUILD ?= build/install
DEB_BUILD ?= build/deb

# Installs for this user into $(PREFIX) (default ~/.local); for all users:
# `sudo make install PREFIX=/usr/local`. Start it from the applications menu
# or as $(PREFIX)/bin/plandeck; `plandeck --autostart on` adds the reminder
# at login.
install:
	@scripts/setup-deps run
	cmake -S . -B $(INSTALL_BUILD) $(RELEASE) -DCMAKE_INSTALL_PREFIX="$(PREFIX)"
	cmake --build $(INSTALL_BUILD) -j $(JOBS) --target plandeck
	cmake --install $(INSTALL_BUILD) --strip

# Removes the files and the folders the last `make install` created, and the
# login reminder when it starts that install's plandeck (the notes stay).
uninstall:
	@build="$(INSTALL_BUILD)"; \
	if [ ! -f "$$build/install_manifest.txt" ]; then \
	    echo "Nothing was installed from $$build."; exit 0; \
	fi; \
	program=$$(grep '/bin/plandeck$$' "$$build/install_manifest.txt"); \
	case "$${XDG_CONFIG_HOME:-}" in /*) config="$$XDG_CONFIG_HOME" ;; *) config="$$HOME/.config" ;; esac; \
	for entry in "$$config"/autostart/*.desktop; do \
	    if [ -n "$$program" ] && grep -qxF "TryExec=$$program" "$$entry" 2>/dev/null; then \
	        rm -fv "$$entry"; \
	    fi; \
	done; \
	xargs -d '\n' rm -fv < "$$build/install_manifest.txt"; \
	if [ -f "$$build/install_folders.txt" ]; then \
	    LC_ALL=C sort -r "$$build/install_folders.txt" \
	        | xargs -r -d '\n' rmdir -v --ignore-fail-on-non-empty; \
	fi; \
	rm -f "$$build/install_manifest.txt" "$$build/install_folders.txt"

# A Debian package of the release build, in $(DEB_BUILD).
deb:
	@scripts/setup-deps deb
	cmake -S . -B $(DEB_BUILD) $(RELEASE)
	cmake --build $(DEB_BUILD) -j $(JOBS) --target plandeck
	cd $(DEB_BUILD) && cpack --config CPackConfig.cmake
	@ls -1 $(DEB_BUILD)/*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
