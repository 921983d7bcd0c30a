# `./run` and `./test` install what is missing (make too) and then call `make run` and `make test`.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)

# Tests and the benchmark need no display.
HEADLESS = QT_QPA_PLATFORM=offscreen
# Sanitizer findings fail the run; leaks that system libraries keep for the process's life are suppressed.
# GCC 12's LeakSanitizer misreads the dynamic TLS of libraries loaded at run time (Qt's print
# plugin and what it loads) and crashes at exit, so it is not asked to track that TLS.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1:intercept_tls_get_addr=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps build run test test-asan bench bench-startup bench-wayland package screenshots clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/corvanel

test: build
	cd $(BUILD_DIR) && $(HEADLESS) ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCORVANEL_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(HEADLESS) $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

bench: build
	$(HEADLESS) ./$(BUILD_DIR)/bench/corvanel_bench

# Start-up as a user sees it, against a plain Qt program of the same shape, on a private Xvfb.
bench-startup: build
	bench/startup-bench.sh $(BUILD_DIR) 21

# Start-up on private GNOME (mutter) and KDE Plasma (KWin) compositors: on Wayland, through XWayland,
# and as the program chooses, each against the floor program run the same way.
bench-wayland: build
	bench/wayland-startup.sh $(BUILD_DIR) mutter 11
	bench/wayland-startup.sh $(BUILD_DIR) kwin 11

package: build
	cmake --build $(BUILD_DIR) --target package

screenshots: build
	scripts/screenshot.sh docs/screenshots/main-window.png 1 Na
	scripts/screenshot.sh docs/screenshots/main-window@2x.png 2 Br
	for language in de fr es; do scripts/screenshot.sh docs/screenshots/main-window-$$language.png 1 Na $$language; done
	scripts/wayland-screenshot.py $(BUILD_DIR)/corvanel mutter docs/screenshots/gnome-wayland-key-window.png
	scripts/wayland-screenshot.py $(BUILD_DIR)/corvanel kwin docs/screenshots/kde-wayland-key-window.png

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
