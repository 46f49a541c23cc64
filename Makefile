# Thin wrapper over CMake. `make run` and `make test` work on a fresh Debian 12
# machine: they install what is missing, configure, build and then run.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/app/quadrix ]; then \
	  $(BUILD_DIR)/app/quadrix; \
	else \
	  echo "The desktop window is not built yet; here is the command-line tool:"; \
	  $(BUILD_DIR)/cli/quadrix-cli --help; \
	fi

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/bench/quadrix-bench

clean:
	@rm -rf $(BUILD_DIR)
