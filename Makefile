JOBS ?= $(shell nproc)

.PHONY: run test bench deps build clean

deps:
	@bash tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMW_TESTS=OFF
	cmake --build build -j $(JOBS) --target mosaicwright

run: build
	./build/mosaicwright $(ARGS)

test: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMW_SANITIZE=ON -DMW_TESTS=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DMW_TESTS=OFF -DMW_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target mw_bench
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/mw_bench $(BENCH_ARGS)

clean:
	rm -rf build build-asan build-bench
