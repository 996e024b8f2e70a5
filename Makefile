# The two commands a player or developer needs: `make run` and `make test`.
BUILD ?= build
DIST  := $(BUILD)/dist

.PHONY: setup build run test bench contact-sheet clean

setup:
	@scripts/install-deps.sh
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup
	@cmake --build $(BUILD)

run: build
	cd $(DIST) && ./kibbo

test: build
	@scripts/run-tests.sh $(BUILD)

bench: build
	@cmake --build $(BUILD) --target benchmarks
	@for b in $(BUILD)/benchmarks/*_bench; do "$$b" || exit 1; done

contact-sheet: build
	@cmake --build $(BUILD) --target contact-sheet

clean:
	rm -rf $(BUILD)
