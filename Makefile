# Dorvena: `make run` starts the planner under Wine, `make test` runs every test.
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

.PHONY: all setup host windows test test-host test-windows bench run clean

all: host windows

setup:
	@tools/setup.sh

build/host/build.ninja: | setup
	cmake -S . -B build/host $(CMAKE_FLAGS)

build/windows/build.ninja: | setup
	cmake -S . -B build/windows $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake

host: setup build/host/build.ninja
	cmake --build build/host -j $(JOBS)

windows: setup build/windows/build.ninja
	cmake --build build/windows -j $(JOBS)

test: host windows
	ctest --test-dir build/host --output-on-failure -j $(JOBS)
	ctest --test-dir build/windows --output-on-failure -j $(JOBS)

test-host: host
	ctest --test-dir build/host --output-on-failure -j $(JOBS)

test-windows: windows
	ctest --test-dir build/windows --output-on-failure -j $(JOBS)

bench: setup
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build/bench -j $(JOBS) --target benchmarks
	@for b in build/bench/bench/*_bench; do echo "== $$b"; $$b --benchmark_counters_tabular=true; done
	@# Window shapes need Windows' GDI: this one is a winelib program, run on Wine's.
	wineg++ -std=c++20 -O2 -DNOMINMAX -DUNICODE -D_UNICODE -Isrc \
	  -DDORVENA_RESOURCES_DIR='"$(CURDIR)/resources"' bench/region_bench.cpp \
	  src/platform/win32/region.cpp src/shell/bmp.cpp src/shell/bitmap_region.cpp \
	  src/platform/picture.cpp -lbenchmark -lpthread -lgdi32 -o build/bench/region_bench
	@echo "== build/bench/region_bench (Wine's GDI)"
	@WINEPREFIX=$(CURDIR)/build/wineprefix WINEDEBUG=-all wine build/bench/region_bench.exe.so \
	  --benchmark_counters_tabular=true

run: windows
	tools/run-dorvena

clean:
	rm -rf build/host build/windows build/bench
