# Set-up, build, run and test on Debian. `make run` and `make test` install what is missing.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
CLANG_DIR ?= build-clang
JOBS ?= $(shell nproc)
SAMPLE ?= examples/sample-codes.txt

# Debian packages the build, the tests and the program need.
PACKAGES = cmake g++ make pkg-config qt6-base-dev fonts-liberation googletest libgtest-dev \
           libbenchmark-dev cppcheck clang-format-14
# The end-to-end test (tests/e2e) drives the program on an X server of its own.
PACKAGES += python3 xvfb xdotool xclip x11-utils imagemagick
# `make test` builds the whole tree with clang too.
PACKAGES += clang-14
# `make fuzz` builds the libFuzzer targets with clang.
FUZZ_PACKAGES = clang-14 libclang-rt-14-dev
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMBERLO_WERROR=ON
CTEST = QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: all deps build build-asan run test test-unit test-asan analyze fuzz clean

all: build

deps:
	@./scripts/install-deps.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DTAMBERLO_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)

# Everything with clang as well, so that what only clang rejects or warns about fails the tests.
# Release: no debug information to write; the headers precompiled (cmake/PrecompiledHeaders.cmake).
.PHONY: build-clang test-clang
build-clang: deps
	CXX=clang++-14 cmake -S . -B $(CLANG_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(CLANG_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/tamberlo $(wildcard $(SAMPLE))

test-unit: build
	cd $(BUILD_DIR) && $(CTEST)

# The tests set their own sanitizer options and leak suppressions (tests/CMakeLists.txt).
test-asan: build-asan
	cd $(ASAN_DIR) && $(CTEST)

# The unit tests of the clang build; the end-to-end test already drives the other two builds.
test-clang: build-clang
	cd $(CLANG_DIR) && $(CTEST) -LE e2e

# Static analysis of src/ (scripts/analyze.sh); any unexplained finding fails it.
analyze: deps
	./scripts/analyze.sh

test: analyze test-unit test-clang test-asan

# The code-file and library readers under libFuzzer, FUZZ_SECONDS each (scripts/fuzz.sh).
fuzz: deps
	@./scripts/install-deps.sh $(FUZZ_PACKAGES)
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTAMBERLO_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	./scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Every benchmark program of bench/ (built when Google Benchmark is installed), one after the
# other; it fails when none was built. BENCH_MIN_TIME (seconds per benchmark, e.g. 0.01) makes
# the run brief, as CI does to see that each benchmark still runs.
BENCH_MIN_TIME ?=
.PHONY: bench
bench: build
	@cd $(BUILD_DIR) && ran=0 && for b in bench/bench_*; do \
	    if [ -f "$$b" ] && [ -x "$$b" ]; then \
	        QT_QPA_PLATFORM=offscreen "./$$b" \
	            $(if $(BENCH_MIN_TIME),--benchmark_min_time=$(BENCH_MIN_TIME)) || exit 1; \
	        ran=$$((ran + 1)); \
	    fi; \
	done; \
	if [ "$$ran" -eq 0 ]; then echo "no benchmark programs in $(BUILD_DIR)/bench" >&2; exit 1; fi

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(CLANG_DIR)
