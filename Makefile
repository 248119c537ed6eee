# Dayloom: the two commands of the README.
#   make run   - install what is missing, build, start Dayloom
#   make test  - install what is missing, build, run every test and the fuzzers briefly
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 30
LAUNCHER   := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test unit fuzz bench format

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target dayloom
	$(BUILD)/bin/dayloom

unit: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DDAYLOOM_FUZZ=ON -DDAYLOOM_BUILD_TESTS=OFF \
	    -DDAYLOOM_BUILD_BENCH=OFF $(LAUNCHER) \
	    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

test: unit fuzz

bench: configure
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DDAYLOOM_BUILD_TESTS=OFF $(LAUNCHER)
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do echo "== $$b"; $$b; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
