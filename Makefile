# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The whole set-up on a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts the game
#   make test  installs what is missing, builds, runs every test
# and for developers: make check (the quick tests), make format, make soak, make bench, make fuzz.
BUILD ?= build
JOBS ?= $(shell nproc)
BUILD_TYPE ?= Release
MAKEFLAGS += --no-print-directory
SHELL := bash

.PHONY: all deps configure game build run console test check format format-check licence-check sanitize \
        clean soak bench fuzz install package screenshots

all: build

deps:
	@bash scripts/install-deps.sh

# Configures a build folder once (Ninja); later builds re-run CMake by themselves when a
# CMakeLists.txt changes. A folder left by another generator is configured anew.
# $(call configure,FOLDER,EXTRA_FLAGS)
define configure
	@if [ ! -f $(1)/build.ninja ]; then rm -rf $(1); fi
	@cmake -G Ninja -S . -B $(1) $(2) > /dev/null
endef

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  rm -rf $(BUILD); cmake -G Ninja -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > /dev/null; fi

# The game's executables and pictures, or the whole tree; quiet when there is nothing to build.
GAME = quorvel quorvel-console quorvel-classe quorvel_modules quorvel_assets quorvel_translations quorvel_compressed_docs
game: configure
	@JOBS=$(JOBS) bash scripts/build.sh $(BUILD) $(GAME)
build: configure
	@JOBS=$(JOBS) bash scripts/build.sh $(BUILD)

run: game
	@./$(BUILD)/bin/quorvel

# Installs the game into PREFIX (DESTDIR=... stages it elsewhere first), as a packager would.
PREFIX ?= /usr/local
install: game
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, quorvel_<version>_<arch>.deb, in $(BUILD)/package/, checked by lintian
# when it is installed: an error or a warning fails.
package: game
	@bash scripts/package.sh $(BUILD)

console: game
	@./$(BUILD)/bin/quorvel-console

# The whole suite, as CI runs it: the format check, the Release build of the whole tree with
# warnings as errors, every test, the file reader fuzzed for 30 s, and every test again in a
# RelWithDebInfo build under the sanitizers.
test: deps format-check licence-check
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUORVEL_WERROR=ON)
	@JOBS=$(JOBS) bash scripts/build.sh $(BUILD)
	@JOBS=$(JOBS) bash scripts/run-tests.sh $(BUILD) tests
	@LC_ALL=it_IT.UTF-8 TEST_LOG=ctest-it.log JOBS=$(JOBS) bash scripts/run-tests.sh $(BUILD) "tests in Italian" -LE install
	@$(MAKE) fuzz FUZZ_SECONDS=30
	@$(MAKE) sanitize

# The quick tests: the core on its fakes and the console transcripts (seconds).
check: configure
	@JOBS=$(JOBS) bash scripts/build.sh $(BUILD) core_tests quorvel-console
	@JOBS=$(JOBS) bash scripts/run-tests.sh $(BUILD) "quick tests" -L 'unit|console'

# Every C++ file of ours in the repository's one format.
FORMATTED = git ls-files '*.cpp' '*.h'
format:
	@$(FORMATTED) | xargs clang-format -i
format-check: deps
	@bash scripts/format-check.sh

# Every file says under which licence it is (REUSE), when the reuse tool is installed.
licence-check: deps
	@if command -v reuse > /dev/null; then reuse lint --quiet || { reuse lint | tail -40; exit 1; }; fi

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer: any report
# fails. Leaks inside Qt and the system libraries are suppressed, ours never.
SANITIZE_BUILD ?= build-asan
sanitize: deps
	$(call configure,$(SANITIZE_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_SANITIZE=ON -DQUORVEL_WERROR=ON)
	@JOBS=$(JOBS) bash scripts/build.sh $(SANITIZE_BUILD)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  JOBS=$(JOBS) bash scripts/run-tests.sh $(SANITIZE_BUILD) "tests under the sanitizers"

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-release build-fuzz

# The monkey soak of the real window: 42 000 random events (about five minutes), memory at the
# start, after the first 2 000 events and at the end.
SOAK_EVENTS ?= 42000
soak: configure
	@JOBS=$(JOBS) bash scripts/build.sh $(BUILD) quorvel_monkey quorvel_assets
	@./$(BUILD)/bin/quorvel_monkey --events $(SOAK_EVENTS) --report-memory

# Every benchmark on a Release build, as one Markdown table (about ten minutes).
RELEASE_BUILD ?= build-release
bench: deps
	$(call configure,$(RELEASE_BUILD),-DCMAKE_BUILD_TYPE=Release)
	@cmake --build $(RELEASE_BUILD) -j $(JOBS) --target quorvel bench_baseline frame_watch \
	  bench_mechanisms narrator_responsiveness quorvel_assets quorvel-console quorvel-classe \
	  quorvel_classe > /dev/null
	@python3 bench/run_all.py $(RELEASE_BUILD)

# The game photographed under openbox on Xvfb (1366x768 and 1920x1080) into packaging/screenshots/.
screenshots: game
	@bash scripts/screenshots.sh $(BUILD) packaging/screenshots

# Fuzzes the mechanism file reader for FUZZ_SECONDS (clang's libFuzzer with sanitizers).
FUZZ_SECONDS ?= 60
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)
