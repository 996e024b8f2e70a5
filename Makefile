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

# What the set-up installs (scripts/install-deps.sh): the game's own
# packages for `make run`, and the tools of the tests, the benchmarks or the
# package besides for the targets that use them.
SETUP := run
test check asan-build fuzz-build fuzz: SETUP := run test
deb install-deb: SETUP := run deb

# configure DIR CMAKE-ARGUMENTS [ENVIRONMENT]: the first time with ccache as the
# compilers' launcher where it is installed (the test set-up installs it);
# again, keeping the launcher, whenever packages were installed since, so
# that what a later set-up brought (the test libraries, appstreamcli) is
# found. ccache hashes paths below this folder as relative ones and the
# compiler's working folder not at all, so that a fresh clone elsewhere on
# the same machine, as CI makes, builds from the same cache.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
define configure
@if [ ! -f $(1)/CMakeCache.txt ]; then \
	$(3) cmake -B $(1) -G Ninja $(2) $$(command -v ccache >/dev/null && \
		echo -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) && touch $(1)/configured; \
elif [ ! $(1)/configured -nt /var/lib/dpkg/status ]; then \
	cmake -B $(1) $(2) >/dev/null && touch $(1)/configured; \
fi
endef

setup:
	@scripts/install-deps.sh $(SETUP)
	$(call configure,$(BUILD),-S . -DCMAKE_BUILD_TYPE=RelWithDebInfo)

build: setup
	@cmake --build $(BUILD)

# The player's settings, scores and records are kept where the installed
# game keeps them, outside the build folders, so that `make clean` and a
# rebuild leave them alone.
PLAYER_DATA = $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/kibbo/data
run: build
	$(DIST)/kibbo --data "$(PLAYER_DATA)"

test: build asan-build fuzz-build
	@scripts/run-tests.sh $(BUILD)

# The quick loop while working: the normal build and its tests, the
# whole-program tests included (they start their own X server). `make test`
# stays the full gate.
check: build
	@LC_ALL=C.UTF-8 ctest --test-dir $(BUILD) --output-on-failure -j2

asan-build: setup
	$(call configure,$(ASAN_BUILD),-S . -DCMAKE_BUILD_TYPE= \
		"-DCMAKE_C_FLAGS=$(SANITIZE) -O1" "-DCMAKE_CXX_FLAGS=$(SANITIZE) -O1" \
		"-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)" "-DCMAKE_SHARED_LINKER_FLAGS=$(SANITIZE)")
	@cmake --build $(ASAN_BUILD)

fuzz-build: setup
	$(call configure,$(FUZZ_BUILD),-S fuzz,CC=clang CXX=clang++)
	@cmake --build $(FUZZ_BUILD)

# Every performance figure against its target, from a Release build of its
# own (scripts/bench.sh BUILD RUNS gives medians of several runs).
bench:
	@scripts/install-deps.sh run bench
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
