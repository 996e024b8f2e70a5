# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a player or developer needs: `make run` and `make test`.
BUILD ?= build
DIST  := $(BUILD)/dist

.PHONY: setup build run test check bench contact-sheet deb clean

# A second build of everything under the address and undefined-behaviour
# sanitizers (at -O1 without debug information, which compiles fastest and
# still gives readable reports), and the fuzzers, built with clang as a
# project of their own.
ASAN_BUILD := $(BUILD)-asan
FUZZ_BUILD := $(BUILD)-fuzz
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
FUZZ_SECONDS ?= 60
.PHONY: asan-build fuzz-build fuzz

setup:
	@scripts/install-deps.sh
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup
	@cmake --build $(BUILD)

run: build
	cd $(DIST) && ./kibbo

test: build asan-build fuzz-build
	@scripts/run-tests.sh $(BUILD)

# The quick loop while working: the normal build and its tests, the
# whole-program tests included (they start their own X server). `make test`
# stays the full gate.
check: build
	@LC_ALL=C.UTF-8 ctest --test-dir $(BUILD) --output-on-failure -j2

asan-build: setup
	@[ -f $(ASAN_BUILD)/build.ninja ] || cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE= \
		"-DCMAKE_C_FLAGS=$(SANITIZE) -O1" "-DCMAKE_CXX_FLAGS=$(SANITIZE) -O1" \
		"-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)" "-DCMAKE_SHARED_LINKER_FLAGS=$(SANITIZE)"
	@cmake --build $(ASAN_BUILD)

fuzz-build: setup
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja
	@cmake --build $(FUZZ_BUILD)

# Every performance figure against its target, from a Release build of its
# own (scripts/bench.sh BUILD RUNS gives medians of several runs).
bench:
	@scripts/install-deps.sh
	@scripts/bench.sh $(BUILD)-bench

contact-sheet: build
	@cmake --build $(BUILD) --target contact-sheet

deb: build
	@cd $(BUILD) && cpack -G DEB

# Installs the package through apt: at once as root, through sudo otherwise
# (a minimal system's root has no sudo).
.PHONY: install-deb
install-deb: deb
	@$$([ "$$(id -u)" -eq 0 ] || echo sudo) apt-get install -y ./$(BUILD)/kibbo_*.deb

# Each fuzzer for FUZZ_SECONDS from a copy of its corpus; crashing inputs
# are kept in $(FUZZ_BUILD)/artifacts.
fuzz: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/logs
	@for corpus in fuzz/corpus/*/; do \
		name=$$(basename "$$corpus"); log=$(FUZZ_BUILD)/logs/$$name.log; \
		echo "== $$name: $(FUZZ_SECONDS) s, log in $$log"; \
		if ! LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
			FUZZ_ARTIFACTS=$(abspath $(FUZZ_BUILD))/artifacts fuzz/run-fuzzer.sh $(FUZZ_BUILD)/$${name}_fuzzer \
			"$$corpus" -max_total_time=$(FUZZ_SECONDS) >"$$log" 2>&1; then \
			tail -n 40 "$$log"; exit 1; \
		fi; \
		grep -E '^stat::(number_of_executed_units|new_units_added)' "$$log"; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
