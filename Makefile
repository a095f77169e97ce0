# Everyday commands; each installs what is missing and builds first.
SHELL := /bin/bash
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 20
JOBS ?= 2

.PHONY: all deps configure build run test bench fuzz screenshot clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# With a display the picker starts on it; without one it runs on a private
# X server and leaves a screenshot behind.
run: build
	@if [ -n "$$DISPLAY" ]; then \
	  $(BUILD)/app/pigmentrix; \
	else \
	  scripts/screenshot $(BUILD)/app/pigmentrix $(BUILD)/screenshot.png; \
	fi

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/pigmentrix_bench_*; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; "$$b" --benchmark_min_time=0.2 || exit 1; \
	done

$(FUZZ_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPIGMENTRIX_GUI=OFF -DPIGMENTRIX_TESTS=OFF -DPIGMENTRIX_BENCH=OFF -DPIGMENTRIX_FUZZ=ON

# Each fuzz target runs FUZZ_SECONDS seconds.
fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

screenshot: build
	scripts/screenshot $(BUILD)/app/pigmentrix $(BUILD)/screenshot.png

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
