JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= $(JOBS)

.PHONY: run test bench fuzz deps build clean

deps:
	@bash tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_TESTS=OFF
	cmake --build build -j $(JOBS) --target mosaicwright

# ARGS and BENCH_ARGS reach the programs through the environment, so that the
# shell never reads a | or ; in them as its own: ARGS is the editor's one
# argument, passed whole; BENCH_ARGS is split at blanks into options.
export ARGS BENCH_ARGS

run: build
	./build/mosaicwright $${ARGS:+"$$ARGS"}

test: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMW_SANITIZE=ON -DMW_TESTS=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DMW_TESTS=OFF -DMW_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target mw_bench
	set -f; QT_QPA_PLATFORM=offscreen ./build-bench/bench/mw_bench $$BENCH_ARGS

# libFuzzer needs clang and its fuzzer runtime; the tests replay the corpora without them.
fuzz: deps
	@bash tools/install-deps.sh clang libclang-rt-dev
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_TESTS=OFF -DMW_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	QT_QPA_PLATFORM=offscreen bash tools/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf build build-asan build-bench build-fuzz
