# The two commands a new user needs: `make run` and `make test`. Both install what is missing
# from Debian's packages first.
BUILD ?= build
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS ?= 1000000

.PHONY: all deps build run test tsan fuzz bench screenshot format clean

all: build

deps:
	@scripts/bootstrap.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	scripts/run.sh $(BUILD)

# Every test, native and under Wine, through CTest on a private X display.
test: build
	$(XVFB) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS); \
	status=$$?; WINEPREFIX=$(CURDIR)/$(BUILD)/wineprefix-test wineserver -k 2>/dev/null; exit $$status

# The worker-thread jobs, the automatic save and the file finder under ThreadSanitizer (natively).
tsan: deps
	cmake -S . -B $(TSAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVELTRIM_TSAN=ON -DVELTRIM_WINDOWS=OFF
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target core_tests
	TSAN_OPTIONS=suppressions=$(CURDIR)/tests/tsan.supp $(TSAN_BUILD)/core_tests --gtest_filter='ThreadJobTest.*:LaunchTest.*:AutoSave.*:Locking.*:FileFinderTest.*' --gtest_repeat=20

# Every reader of outside data and the matchers under libFuzzer (clang, with ASan and UBSan), each
# target FUZZ_RUNS times from its seed corpus; crashes leave reproducers that `make test` replays.
fuzz:
	@scripts/bootstrap.sh fuzz
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIM_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_RUNS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DVELTRIM_SANITIZE=OFF -DVELTRIM_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(BENCH_BUILD)/core_bench --benchmark_counters_tabular=true
	$(XVFB) scripts/bench-wine.sh $(BENCH_BUILD)

# Refreshes the README's picture of the main window.
screenshot: build
	$(XVFB) scripts/screenshot.sh $(BUILD) docs/main-window.png

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
