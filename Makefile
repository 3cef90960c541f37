# Entry points for people and CI. CMake does the real build; this file only
# installs what a fresh Debian machine lacks, configures and drives it.
#
#   make            build everything into build/ (binaries in build/bin)
#   make test       build and run every test
#   make demo       build, start qv_server on the demo topology and open the tool
#   make install PREFIX=/opt/qv
#   make test-sanitize   the tests again under AddressSanitizer + UBSan
#   make fuzz-smoke      a short libFuzzer run of each fuzz target
#   make bench           benchmark figures (a few minutes)
#   make bench-million   the same on 1,000,000 objects (longer)

BUILD        ?= build
BUILD_TYPE   ?= RelWithDebInfo
SAN_BUILD    ?= build-sanitize
FUZZ_BUILD   ?= build-fuzz
PREFIX       ?= /usr/local
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS  ?=

DEB_PACKAGES := build-essential cmake pkg-config \
	libmotif-dev libxbae-dev libxpm-dev libxt-dev libx11-dev libxext-dev \
	libsqlite3-dev sqlite3 libasio-dev nlohmann-json3-dev libsodium-dev libssl-dev \
	libgtest-dev googletest \
	xvfb xauth xdotool x11-utils x11-apps imagemagick \
	libsnmp-base python3 clang libclang-rt-14-dev ccache

.PHONY: all deps configure build test demo install clean test-sanitize fuzz-smoke bench bench-million

all: build

deps:
	@missing=""; \
	for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  apt-get update -q && apt-get install -y -q --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600
	@if grep -q '^QV_SKIP_GUI_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt; then \
	  printf '\033[1;31mGUI tests SKIPPED (QV_SKIP_GUI_TESTS=ON): the windows were not tested\033[0m\n'; fi

demo: build
	tools/demo.sh $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 900

fuzz-smoke: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQV_FUZZ=ON -DQV_BUILD_GUI=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tests/fuzz/run-smoke.sh $(FUZZ_BUILD)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target qv_bench
	$(BUILD)/bin/qv_bench
	$(BUILD)/bin/qv_startup_bench

bench-million: build
	cmake --build $(BUILD) -j $(JOBS) --target qv_bench
	$(BUILD)/bin/qv_bench --million

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
