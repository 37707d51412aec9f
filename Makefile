# Two commands for people: `make run` and `make test`. Both install what is missing first.
ROOT := $(abspath .)
BUILD := $(ROOT)/build
JOBS ?= $(shell nproc)

.PHONY: run test setup host win32 deps test-host test-win32 fuzz bench clean

run: win32
	@bash tools/run.sh

test: host win32
	@bash tools/test.sh

setup:
	@bash tools/setup.sh

host: setup
	@cmake -S . -B $(BUILD)/host -G Ninja -Wno-dev >/dev/null
	@cmake --build $(BUILD)/host -j $(JOBS)

deps: setup
	@bash tools/build-libjpeg.sh $(BUILD)/deps

win32: deps
	@cmake -S . -B $(BUILD)/win32 -G Ninja -Wno-dev \
	    -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/toolchain-mingw32.cmake \
	    -DJPEG_INCLUDE_DIR=$(BUILD)/deps/i686/include \
	    -DJPEG_LIBRARY=$(BUILD)/deps/i686/lib/libjpeg.a >/dev/null
	@cmake --build $(BUILD)/win32 -j $(JOBS)

test-host: host
	@cd $(BUILD)/host && ctest --output-on-failure

test-win32: win32
	@bash tools/with-display.sh ctest --test-dir $(BUILD)/win32 --output-on-failure

bench: host win32
	@bash tools/bench.sh

fuzz: setup
	@bash tools/fuzz.sh

clean:
	rm -rf $(BUILD)
