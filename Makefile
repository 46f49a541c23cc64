# Thin wrapper over CMake. `make run` and `make test` work on a fresh Debian 12
# machine: they install what is missing, configure, build and then run.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# Seconds each fuzz target runs under `make fuzz`.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := chartfile cityxml datetext barfile
# Where `make install` puts the program; DESTDIR, when set, is prepended.
PREFIX ?= /usr/local
# What an install or a package holds, so that neither waits for the tests.
INSTALL_TARGETS := quadrix quadrix-cli quadrix_icon_pngs quadrix_docs

.PHONY: all deps configure build run test bench fuzz test-asan install package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds only the window, so that starting it waits for no test or benchmark.
run: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target quadrix
	@$(BUILD_DIR)/app/quadrix

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@if [ -x $(BUILD_DIR)/bench/quadrix-bench ]; then \
	  $(BUILD_DIR)/bench/quadrix-bench; \
	else \
	  echo "No benchmarks in $(BUILD_DIR): QUADRIX_BUILD_BENCH is off or CMake found no Google Benchmark (libbenchmark-dev)."; \
	  exit 1; \
	fi

# Each fuzz target starts from its seeds in fuzz/corpus and keeps what it
# finds in build-fuzz/corpus; a crash, hang, leak or undefined behaviour
# stops it with the input saved in build-fuzz/crashes and fails the run.
fuzz: deps
	@cmake --preset fuzz > /dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t build-fuzz/crashes; \
	  echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	  build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -verbosity=0 -print_funcs=0 -print_final_stats=1 -dict=fuzz/$$t.dict \
	    -artifact_prefix=build-fuzz/crashes/$$t- build-fuzz/corpus/$$t fuzz/corpus/$$t; \
	done

# The whole suite built with clang, under AddressSanitizer and
# UndefinedBehaviorSanitizer: one build checks both the second compiler and
# memory and undefined behaviour.
test-asan: deps
	@cmake --preset asan > /dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

install: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target $(INSTALL_TARGETS)
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package, $(BUILD_DIR)/quadrix_<version>_<arch>.deb, installed under /usr.
package: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target $(INSTALL_TARGETS)
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	@rm -rf $(BUILD_DIR)
