# The whole set-up on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts the game
#   make test  installs what is missing, builds, runs every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run console test sanitize clean

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
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30
	@$(MAKE) --no-print-directory sanitize

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer: any report
# fails. Leaks inside Qt and the system libraries are suppressed, ours never.
SANITIZE_BUILD ?= build-asan
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON > /dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# The monkey soak of the real window: 20 000 random events, memory at the start and the end.
SOAK_EVENTS ?= 20000
.PHONY: soak
soak: build
	@./$(BUILD)/bin/quorvel_monkey --events $(SOAK_EVENTS) --report-memory

# Every benchmark on a Release build, as one Markdown table (about ten minutes).
RELEASE_BUILD ?= build-release
.PHONY: bench
bench: deps
	@cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS) --target quorvel bench_baseline bench_mechanisms narrator_responsiveness quorvel_assets > /dev/null
	@python3 bench/run_all.py $(RELEASE_BUILD)

# Fuzzes the mechanism file reader for FUZZ_SECONDS (clang's libFuzzer with sanitizers).
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)
