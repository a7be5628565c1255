BUILD ?= build
FUZZ_BUILD ?= build-fuzz
# Executions per fuzz target in `make fuzz`.
FUZZ_RUNS ?= 10000000
JOBS ?= $(shell nproc)

.PHONY: run check test build deps bench format fuzz package

run: build
	$(BUILD)/app/veltano

# The unit and window tests, in well under a minute after a build.
check: build
	cd $(BUILD) && ctest -L '^(unit|window)$$' --output-on-failure -j$(JOBS)

# Every test: all tiers (unit, window, component, e2e, package), the format and the fuzz targets.
# The benchmarks are built, not run, so a change that breaks them shows here.
test: build
	scripts/check-format.sh
	cmake --build $(BUILD) --target benchmarks -j$(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	scripts/run-fuzz.sh --runs 20000 $(FUZZ_BUILD)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

deps:
	scripts/install-deps.sh

package: build
	cmake --build $(BUILD) --target package

bench: build
	cmake --build $(BUILD) --target benchmarks
	scripts/run-benchmarks.sh $(BUILD)

# The fuzz targets run to FUZZ_RUNS executions each (the test command runs 20,000 each).
fuzz: deps
	scripts/run-fuzz.sh --runs $(FUZZ_RUNS) $(FUZZ_BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
