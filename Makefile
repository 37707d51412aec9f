# Two commands for people: `make run` and `make test`. Both install what is missing first.
ROOT := $(abspath .)
# BUILD may be set to keep several build trees apart (each gets its own Wine prefix).
BUILD ?= $(ROOT)/build
DEPS := $(ROOT)/build/deps
export KELVORA_BUILD := $(BUILD)
JOBS ?= $(shell nproc)
# Where 32-bit code cannot run, the Wine tests use the x86_64 build of the same sources.
# Which build that is gets decided in the recipes, after set-up has installed Wine.
WINE_ARCH = $$(bash tools/wine-arch.sh)

.PHONY: run test setup host win32 win64 wintest deps test-host test-win32 fuzz bench clean

run: win32 wintest
	@bash tools/run.sh

test: host win32 wintest
	@bash tools/test.sh

setup:
	@bash tools/setup.sh

# The host tree runs its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
host: setup
	@cmake -S . -B $(BUILD)/host -G Ninja -Wno-dev -DKELVORA_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)/host -j $(JOBS)

deps: setup
	@bash tools/build-libjpeg.sh $(DEPS) i686

# The program users get: PE32, i686. The host build comes first (it makes the skin package).
win32: deps host
	@cmake -S . -B $(BUILD)/win32 -G Ninja -Wno-dev \
	    -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/toolchain-mingw32.cmake \
	    -DJPEG_INCLUDE_DIR=$(DEPS)/i686/include \
	    -DJPEG_LIBRARY=$(DEPS)/i686/lib/libjpeg.a >/dev/null
	@cmake --build $(BUILD)/win32 -j $(JOBS)

# The same sources for x86_64, only to run the Wine tests where 32-bit code cannot run.
win64: setup host
	@bash tools/build-libjpeg.sh $(DEPS) x86_64
	@cmake -S . -B $(BUILD)/win64 -G Ninja -Wno-dev \
	    -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/toolchain-mingw64.cmake \
	    -DJPEG_INCLUDE_DIR=$(DEPS)/x86_64/include \
	    -DJPEG_LIBRARY=$(DEPS)/x86_64/lib/libjpeg.a >/dev/null
	@cmake --build $(BUILD)/win64 -j $(JOBS)

# The Windows build the Wine tests run on this machine: the i686 program itself where
# 32-bit code runs; the x86_64 build is made only where it cannot.
wintest: win32
	@if [ "$(WINE_ARCH)" = win64 ]; then \
	    $(MAKE) --no-print-directory win64 && \
	    echo "NOTE: this machine cannot run 32-bit code; the Wine tests run the x86_64 build of the same sources ($(BUILD)/win64). Keep Windows code 64-bit clean (SetWindowLongPtr, LONG_PTR, INT_PTR; check 32-bit structure sizes only under #ifndef _WIN64)."; \
	fi

test-host: host
	@cd $(BUILD)/host && ctest --output-on-failure

test-win32: wintest
	@bash tools/with-display.sh ctest --test-dir $(BUILD)/$(WINE_ARCH) --output-on-failure

# Benchmarks measure a build without sanitizers, in a tree of their own.
bench: host wintest
	@cmake -S . -B $(BUILD)/bench -G Ninja -Wno-dev -DKELVORA_SANITIZE=OFF >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS) --target benches
	@bash tools/bench.sh

fuzz: setup
	@bash tools/fuzz.sh

clean:
	rm -rf $(BUILD)
