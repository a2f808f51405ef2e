# Two entry points: `make run` (build and start the desktop program) and
# `make test` (build and run every test). Both install missing packages first.
#
# Checks beyond the tests:
#   make sanitize   build of the engine, the command-line tool, their tests
#                   and the fuzz targets (clang, -O1, AddressSanitizer and
#                   UndefinedBehaviorSanitizer), running the tests, then every
#                   fuzz target for 5 s
#   make tsan       the tests of work on several threads (jobs off the GUI
#                   thread, the engine state they share) built with clang and
#                   ThreadSanitizer, run headless
#   make fuzz       every fuzz target for FUZZ_SECONDS (60) each
#   make package    a .deb of the desktop program and the command-line tool
# CMAKE_ARGS are passed to every configuration (CI: -DQUORIX_WERROR=ON).
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
TSAN_DIR ?= build-tsan
FUZZ_SECONDS ?= 60
SANITIZE_FUZZ_SECONDS ?= 5
JOBS ?= $(shell nproc)
CMAKE_ARGS ?=

# One build serves the sanitized tests and the fuzz targets: the libraries the
# fuzz targets read with carry the fuzzer's coverage hooks (added by CMake),
# which the tests ignore. The tests run one process per test binary: a
# sanitized process is slow to start. Line tables are all the reports need,
# and much cheaper to build than full debug information.
SANITIZE_FLAGS = -O1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
export ASAN_OPTIONS ?= detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS ?= print_stacktrace=1:halt_on_error=1
# Everything of ours is instrumented, unoptimised: the build is what costs,
# the tests are few. Qt is not instrumented: what it synchronises itself is
# out of sight, so the jobs hand results over through the standard
# library's primitives, which are.
TSAN_FLAGS = -O0 -fsanitize=thread -fno-omit-frame-pointer
export TSAN_OPTIONS ?= halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/tests/tsan.supp

.PHONY: all deps deps-check configure build run test bench clean format format-check \
        sanitize sanitize-build sanitize-configure sanitize-test sanitize-fuzz tsan tsan-configure fuzz package

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS); \
	elif [ -n "$(CMAKE_ARGS)" ]; then \
	  cmake -B $(BUILD_DIR) $(CMAKE_ARGS); \
	fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/src/app/quorix

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/quorix_bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(TSAN_DIR)

deps-check:
	@./scripts/install-deps.sh --checks

sanitize-build: deps deps-check
	@if [ ! -f $(SANITIZE_DIR)/build.ninja ] || [ -n "$(CMAKE_ARGS)" ]; then \
	  $(MAKE) --no-print-directory sanitize-configure; fi
	cmake --build $(SANITIZE_DIR) -j $(JOBS)

sanitize-configure:
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORIX_GUI=OFF \
	  -DQUORIX_BENCH=OFF -DQUORIX_FUZZ=ON -DQUORIX_TEST_PER_CASE=OFF -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" $(CMAKE_ARGS)

# make sanitize is sanitize-test, then sanitize-fuzz (CI runs the two in turn
# beside the other builds).
sanitize: sanitize-test
	$(MAKE) --no-print-directory sanitize-fuzz

sanitize-test: sanitize-build
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

sanitize-fuzz:
	./scripts/run-fuzz.sh $(SANITIZE_DIR) $(SANITIZE_FUZZ_SECONDS) $(JOBS)

tsan: deps deps-check
	@if [ ! -f $(TSAN_DIR)/build.ninja ] || [ -n "$(CMAKE_ARGS)" ]; then \
	  $(MAKE) --no-print-directory tsan-configure; fi
	cmake --build $(TSAN_DIR) -j $(JOBS) --target test_threads
	QT_QPA_PLATFORM=offscreen ./$(TSAN_DIR)/tests/test_threads

tsan-configure:
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORIX_BENCH=OFF \
	  -DQUORIX_THREAD_TESTS=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
	  "-DCMAKE_CXX_FLAGS=$(TSAN_FLAGS)" $(CMAKE_ARGS)

fuzz: sanitize-build
	./scripts/run-fuzz.sh $(SANITIZE_DIR) $(FUZZ_SECONDS) $(JOBS)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The layout of every C++ file follows .clang-format.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

format:
	clang-format -i $(FORMAT_FILES)

format-check:
	@clang-format --dry-run -Werror $(FORMAT_FILES)
	@echo "format-check: $(words $(FORMAT_FILES)) files in the .clang-format layout"
