# The two commands a person needs: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# CI builds with warnings as errors.
WERROR := $(if $(CI),ON,OFF)

.PHONY: setup configure build run test test-asan fuzz bench install package clean sample-words screenshots

setup:
	@bash scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DLUMBLE_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$$(nproc)

run: build
	@$(BUILD_DIR)/lumble

# The whole suite, the same under the sanitizers, and a short run of each fuzz
# target: what CI runs, in about six minutes from a clean clone on two cores.
FUZZ_SMOKE_SECONDS ?= 20
test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j$$(nproc)
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

# The test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMBLE_SANITIZE=ON -DLUMBLE_WERROR=$(WERROR) >/dev/null
	@cmake --build build-asan -j$$(nproc)
	@ctest --test-dir build-asan --output-on-failure -j$$(nproc) -E '^e2e_'

# Each fuzz target for FUZZ_SECONDS seconds (libFuzzer, clang++).
FUZZ_SECONDS ?= 60
fuzz: setup
	@CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMBLE_FUZZ=ON \
		-DLUMBLE_WERROR=$(WERROR) >/dev/null
	@cmake --build build-fuzz -j$$(nproc)
	@bash tools/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS)

# Installs under PREFIX (and DESTDIR, when set).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, checked by lintian.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null && ls *.deb
	@lintian --fail-on error --tag-display-limit 0 $(BUILD_DIR)/*.deb

# Speed and memory, each goal printed as a ratio to its floor (release build).
bench: setup
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUMBLE_BENCH=ON -DLUMBLE_TESTS=OFF >/dev/null
	@cmake --build build-bench -j$$(nproc)
	@bash bench/run_bench.sh build-bench

clean:
	@rm -rf $(BUILD_DIR) build-asan build-fuzz build-bench

# Redraws the sample library's pictures (needs fonts-noto-color-emoji and python3-pil).
sample-words:
	@/usr/bin/python3 tools/make_sample_words.py words

# Pictures of the three pages, taken from the real program under Xvfb.
screenshots: build
	@/usr/bin/python3 tools/take_screenshots.py $(BUILD_DIR)/lumble
