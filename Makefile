# What scripts/run and scripts/test call: `make run` and `make test`. Both install what is missing
# first; `make windows` builds the Windows program and its installer.
BUILD ?= build
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)
# What is built from one commit is the same, byte for byte: its dates are the commit's, as Debian's
# tools take a package's from its change log, unless SOURCE_DATE_EPOCH says otherwise.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: reproducible run test test-ordinary build-beside test-sanitized build clean screenshot bench package windows test-windows

run:
	scripts/install-deps build
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target pomuri
	$(BUILD)/pomuri

# Every test runs in the ordinary build; the in-process tests, and the clock on one X11 and one
# Wayland desktop, run again in a build with AddressSanitizer and UndefinedBehaviorSanitizer (leak
# detection on), where any report fails the run; then the Windows build's tests run under Wine.
# The desktop tests mostly wait on window managers and timers: the sanitizer and Windows builds
# compile beside them, at a lower priority.
test:
	scripts/install-deps test
	scripts/install-deps windows
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)
	$(MAKE) --no-print-directory -j2 --output-sync=target test-ordinary build-beside
	$(MAKE) --no-print-directory -j2 --output-sync=target test-sanitized test-windows

test-ordinary:
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

build-beside:
	nice -n 10 cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOMURI_SANITIZE=ON
	nice -n 10 cmake --build $(BUILD)-sanitize -j $(JOBS)
	nice -n 10 $(MAKE) --no-print-directory windows

test-sanitized:
	ctest --test-dir $(BUILD)-sanitize --output-on-failure -j $(JOBS) -L 'unit|widget|process|stress|sanitizer'

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

# The Windows program file, its installer and a portable zip, cross-built with a static Qt that
# scripts/install-deps windows builds once and keeps.
windows:
	scripts/install-deps windows
	cmake -G Ninja -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE="$$(scripts/windows-qt --print-prefix)/lib/cmake/Qt6/qt.toolchain.cmake" \
	  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(CURDIR)/cmake/mingw-w64-x86_64.cmake"
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows build's tests, under Wine: the unit and widget tests, and the installed program on a desktop.
test-windows: windows
	scripts/install-deps test
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(WINDOWS_BUILD)

# Builds the .deb, the Windows program, its installer and zip twice, from two scratch clones of
# HEAD at different paths, and compares them byte for byte (diffoscope, when installed, says where
# they differ).
reproducible:
	scripts/install-deps package
	scripts/install-deps windows
	scripts/reproducible
