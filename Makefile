# Everyday commands; each installs what is missing and builds first.
SHELL := /bin/bash
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
SANITIZE_BUILD ?= build-sanitize
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 20
FUZZ_SMOKE_SECONDS ?= 5
JOBS ?= 2

.PHONY: all deps configure build run test bench fuzz fuzz-smoke check-sanitize check-format format install package screenshot clean

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

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
$(SANITIZE_BUILD)/build.ninja: | deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIGMENTRIX_SANITIZE=ON -DPIGMENTRIX_BENCH=OFF

check-sanitize: deps $(SANITIZE_BUILD)/build.ninja
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) --timeout 900

# The C++ files against .clang-format; `make format` rewrites them.
check-format: deps
	scripts/check-format

format: deps
	scripts/check-format --fix

# Installs under PREFIX (default /usr/local; DESTDIR works as usual).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the programs in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

$(FUZZ_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPIGMENTRIX_GUI=OFF -DPIGMENTRIX_TESTS=OFF -DPIGMENTRIX_BENCH=OFF -DPIGMENTRIX_FUZZ=ON

# Each fuzz target runs FUZZ_SECONDS seconds.
fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

# A few seconds per fuzz target, for CI.
fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

# The window as it starts, and the README's pictures under docs/screenshots/.
screenshot: build
	scripts/screenshot $(BUILD)/app/pigmentrix $(BUILD)/screenshot.png
	scripts/readme-screenshots $(BUILD)/app/pigmentrix docs/screenshots

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
