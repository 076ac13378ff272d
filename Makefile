# Entry points. Each target installs what it needs on a fresh Debian 12 machine.
#   make run    install, build, analyse the bundled sample campaign
#   make test   install, build, run every test (plain and sanitizer builds, fuzz smoke runs)
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CMAKE_GEN := -G Ninja

.PHONY: deps build build-asan build-fuzz run test test-plain test-asan test-fuzz bench clean

deps:
	@bash scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARET_WERROR=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DLUMARET_SANITIZE=ON -DLUMARET_WERROR=ON -DLUMARET_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

build-fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMARET_FUZZ=ON -DLUMARET_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

run: build
	@bash scripts/run-samples $(BUILD)

test-plain: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test-fuzz: build-fuzz
	@bash scripts/fuzz-smoke $(FUZZ_BUILD) 15

test: test-plain test-asan test-fuzz

bench: build
	@$(BUILD)/lumaret_bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
