# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands set everything up on a fresh Debian 12 machine:
#   make run    install what building and running need, build, start Plenda
#   make test   install that and what the tests need, build, run every test
# and one makes the Debian package:
#   make package   build/plenda_<version>-1_<arch>.deb
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Rebuilds of an unchanged tree come from the compiler cache when one is installed.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

CONFIGURE = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER) $(CMAKE_FLAGS)

.PHONY: run test deps run-deps configure configure-tests build programs package sanitize bench format install clean

# The tests' packages (servers, virtual displays, checkers) come only with the tests.
run-deps:
	@bash scripts/install-deps.sh run
deps:
	@bash scripts/install-deps.sh test

# A first build for running alone leaves the tests out, since their libraries
# are test packages; a build for the tests turns them on.
configure:
	@[ -f $(BUILD)/build.ninja ] || $(CONFIGURE) -DPLENDA_BUILD_TESTS=OFF -DPLENDA_BUILD_BENCH=OFF
configure-tests:
	@if [ -n "$(CMAKE_FLAGS)" ] || ! grep -qs '^PLENDA_BUILD_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt; then \
		$(CONFIGURE) -DPLENDA_BUILD_TESTS=ON -DPLENDA_BUILD_BENCH=ON; fi

build: deps configure-tests
	cmake --build $(BUILD) -j $(JOBS)

programs: run-deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: programs
	./$(BUILD)/src/app/plenda $(ARGS)

package: programs
	cd $(BUILD) && cpack -G DEB

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPLENDA_SANITIZE=ON -DPLENDA_BUILD_BENCH=OFF $(LAUNCHER) $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

bench: build
	bash bench/run.sh $(BUILD)

install: programs
	cmake --install $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
