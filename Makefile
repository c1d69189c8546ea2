# The whole set-up on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts the game
#   make test  installs what is missing, builds, runs every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run console test clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/bin/quorvel

console: build
	@./$(BUILD)/bin/quorvel-console

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# Fuzzes the mechanism file reader for FUZZ_SECONDS (clang's libFuzzer with sanitizers).
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)
