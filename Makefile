# Two entry points for people: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build clean screenshot bench package

run: build
	$(BUILD)/pomuri

# Every test runs twice: in the ordinary build, and in one with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak detection on), where any report fails the run.
test:
	scripts/install-deps test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOMURI_SANITIZE=ON
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	ctest --test-dir $(BUILD)-sanitize --output-on-failure -j $(JOBS)

build:
	scripts/install-deps build
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# Idle cost against xclock, oclock and a minimal Qt clock: BENCH_ROUNDS rounds of BENCH_SECONDS.
BENCH_ROUNDS ?= 3
BENCH_SECONDS ?= 60
bench: build
	scripts/install-deps bench
	bench/run $(BUILD) $(BENCH_ROUNDS) $(BENCH_SECONDS)

# The Debian package, pomuri_<version>-1_amd64.deb, in the build folder.
package: build
	scripts/install-deps package
	cd $(BUILD) && cpack

screenshot: build
	scripts/install-deps test
	scripts/screenshot $(BUILD)

clean:
	rm -rf $(BUILD)
