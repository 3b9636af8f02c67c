# `make run` and `make test` set up a fresh Debian machine, build and go.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
export BUILD_DIR

.PHONY: all build run test bench fuzz clean

all: build

build:
	./scripts/setup.sh

run: build
	$(BUILD_DIR)/vantorelle

# -noreset: Xvfb otherwise resets whenever its last client leaves, dropping the
# connections that tests running in parallel are opening at that moment.
test: build
	cd $(BUILD_DIR) && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j$(JOBS)

# `make bench` times the store on a generated folder (fixed seed);
# `make bench BENCH_FOLDER=/path/to/data` on a copy of an existing one.
bench: build
	cmake --build $(BUILD_DIR) --target vantorelle_bench
	$(BUILD_DIR)/bench/vantorelle_bench $(BENCH_FOLDER)

clean:
	rm -rf $(BUILD_DIR)
