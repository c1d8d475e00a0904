# The two set-up commands: `make run` and `make test`. Everything else is
# for developers.
JOBS ?= $(shell nproc)
BUILD ?= build
TEST_BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build deps configure bench format demo package test-windows fuzz clean

deps:
	@tools/setup-deps.sh base

# One build folder for the program and the tests: the test build uses
# sanitizers and warnings as errors, and the program built there is the same.
configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_SANITIZE=ON -DTARNWICK_WERROR=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-program.sh $(BUILD)/bin/tarnwick

test: build
	@cd $(BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# Benchmarks are built without sanitizers so that their figures mean something.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target benchmarks
	@tools/run-benchmarks.sh build-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-bench build-windows

# Tries every feature offline: the program against the local demo service.
demo: configure
	@cmake --build $(BUILD) -j $(JOBS) --target tarnwick demo-service
	@tools/run-demo.sh $(BUILD)

# The .deb: a plain Release build (no sanitizers, no tests) in its own folder.
package: deps
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTARNWICK_TESTS=OFF -DTARNWICK_BENCH=OFF >/dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack -G DEB

# The libFuzzer target over the reply framing (clang from Debian). New inputs
# go to build-fuzz/corpus; the seeds in tests/fuzz/corpus are replayed by the
# normal tests. FUZZ_SECONDS bounds the run.
FUZZ_SECONDS ?= 60
fuzz:
	@tools/setup-deps.sh fuzz
	@cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTARNWICK_CORE_ONLY=ON -DTARNWICK_FUZZ=ON -DTARNWICK_SANITIZE=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_reply_framing
	@mkdir -p build-fuzz/corpus
	@build-fuzz/bin/fuzz_reply_framing -max_total_time=$(FUZZ_SECONDS) build-fuzz/corpus tests/fuzz/corpus/reply_framing
