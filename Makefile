# Entry points for people and CI. CMake does the real build; this file only
# installs what a fresh Debian machine lacks, configures and drives it.
#
#   make            build everything into build/ (binaries in build/bin)
#   make test       build and run every test
#   make demo       build, start qv_server on the demo topology and open the tool
#   make install PREFIX=/opt/qv   (default /opt/Quorlan/qv, the tool's default QV_HOME)
#   make package         the Debian package, in build/package/
#   make test-sanitize   the tests again under AddressSanitizer + UBSan
#   make fuzz-smoke      a short libFuzzer run of each fuzz target
#   make bench           benchmark figures (a few minutes)
#   make bench-million   the same on 1,000,000 objects (longer)
#   make screenshots     pictures of the windows, for a person to look at

BUILD        ?= build
BUILD_TYPE   ?= RelWithDebInfo
SAN_BUILD    ?= build-sanitize
FUZZ_BUILD   ?= build-fuzz
PREFIX       ?= /opt/Quorlan/qv
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS  ?=

DEB_PACKAGES := build-essential cmake pkg-config \
	libmotif-dev libxbae-dev libxpm-dev libxt-dev libx11-dev libxext-dev libxfixes-dev \
	libsqlite3-dev sqlite3 libasio-dev nlohmann-json3-dev libsodium-dev libssl-dev libsystemd-dev \
	libgtest-dev googletest \
	xvfb xauth xdotool x11-utils x11-apps imagemagick \
	libsnmp-base python3 clang libclang-rt-14-dev ccache \
	dpkg-dev groff-base systemd locales fonts-dejavu-core
# The German GUI test runs the tool in this locale.
TEST_LOCALE  := de_DE.UTF-8

.PHONY: all deps configure build test demo install package clean test-sanitize fuzz-smoke bench bench-million screenshots

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
	@locale -a 2>/dev/null | grep -qix '$(subst UTF-8,utf8,$(TEST_LOCALE))' || \
	  { echo "Generating the locale $(TEST_LOCALE)"; localedef -i $(basename $(TEST_LOCALE)) -f UTF-8 $(TEST_LOCALE); }

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

# The installation directory alone; the package adds the rest (packaging/).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --component qv

package: build
	cd $(BUILD) && cpack -G DEB -B package
	@ls $(BUILD)/package/*.deb

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 900

fuzz-smoke: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQV_FUZZ=ON -DQV_BUILD_GUI=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	tests/fuzz/run-smoke.sh $(FUZZ_BUILD)

screenshots: build
	cmake --build $(BUILD) -j $(JOBS) --target screenshots

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target qv_bench
	$(BUILD)/bin/qv_bench
	$(BUILD)/bin/qv_startup_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" $(BUILD)/bin/qv_browser_bench

bench-million: build
	cmake --build $(BUILD) -j $(JOBS) --target qv_bench
	$(BUILD)/bin/qv_bench --million

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
