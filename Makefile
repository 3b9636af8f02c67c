# `make run` and `make test` set up a fresh Debian machine, build and go.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
export BUILD_DIR

.PHONY: all build run test bench fuzz sanitize screenshots readme-screenshot clean

all: build

build:
	./scripts/setup.sh

run: build
	$(BUILD_DIR)/vantorelle

# -noreset: Xvfb otherwise resets whenever its last client leaves, dropping the
# connections that tests running in parallel are opening at that moment.
test: build
	cd $(BUILD_DIR) && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j$(JOBS)

# Screenshots of the main window on the made-up profile of tests/data/screenshots:
# every topic at three sizes in $(BUILD_DIR)/screenshots/, or the README's picture.
screenshots: build
	scripts/screenshots.sh $(BUILD_DIR) tests/data/screenshots $(BUILD_DIR)/screenshots

readme-screenshot: build
	scripts/screenshots.sh $(BUILD_DIR) tests/data/screenshots --readme $(CURDIR)/docs/main-window.png

# `make bench` times the store on a generated folder (fixed seed);
# `make bench BENCH_FOLDER=/path/to/data` on a copy of an existing one.
bench: build
	cmake --build $(BUILD_DIR) --target vantorelle_bench
	$(BUILD_DIR)/bench/vantorelle_bench $(BENCH_FOLDER)

# The tests of the modules below the main window (store, text, platform,
# documents, widgets, settings, context, handheld, backup, dialogs) built with AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build folder of their own.
SANITIZE_DIR ?= build-sanitize
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
sanitize: build
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTORELLE_LOWER_LAYERS_ONLY=ON \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZERS)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZERS)" >/dev/null
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j$(JOBS)

# The libFuzzer targets (built with clang in their own folder), each run for
# FUZZ_SECONDS; CI runs them for 30 seconds each.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 180
fuzz: build
	FUZZ_BUILD_DIR=$(FUZZ_DIR) fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR)
