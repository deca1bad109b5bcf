# Thin wrapper over the CMake presets; see README.md.
.PHONY: deps run screenshots test test-native test-fuzz test-win32 test-win64 dist bench clean

deps:
	@.ci/install-deps

# The program folders build/win32/dist (32-bit, the primary target) and build/win64/dist,
# the editions: build/win32/Quillmar2.0-win32.zip, build/win32/Quillmar2.0-setup.exe
# and build/win64/Quillmar2.0-win64.zip, and their winget and Scoop manifests in
# build/manifests (download address: cmake --preset win32 -DQM_DOWNLOAD_BASE=...).
dist: deps
	cmake --preset win32
	cmake --build --preset win32
	cmake --preset win64
	cmake --build --preset win64 --target editions qm_desktop_driver
	cmake --build --preset win32 --target manifests

# The program in a Wine desktop with a tray, on $(DISPLAY) or else on Xvfb: the 32-bit
# one where this machine runs 32-bit programs, else the 64-bit one (tools/wine-loader).
run: dist
	tools/desktop run build/win32 build/win64

# Pictures of every window in build/screenshots/, as tools/desktop takes them: tray,
# tray-menu, notice, settings-aktionen, settings-optionen, settings-hotkeys, editor-neu,
# editor-bilder, editor-bearbeiten, info and erster-start (each NAME.png), at 96 dpi and
# again at 144 dpi in build/screenshots/144dpi/.
screenshots: dist
	tools/desktop screenshots build/screenshots build/win32 build/win64

test: test-native test-fuzz test-win32 test-win64

test-native: deps
	cmake --preset native
	cmake --build --preset native
	ctest --preset native -j2

# Each fuzz target runs a fixed number of inputs (see cmake/fuzz.cmake).
test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

# Only the tests that wait on the X server (label "tray") are retried once. Where the
# kernel runs no 32-bit programs, every test of this layer reports itself as skipped.
test-win32: dist
	ctest --preset win32
	ctest --preset win32-tray
	ctest --preset win32-dist
	@tools/wine-loader runs build/win32 || true

test-win64: deps
	cmake --preset win64
	cmake --build --preset win64
	ctest --preset win64
	ctest --preset win64-tray

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	build/bench/qm_rules_bench
	for arch in win32 win64; do \
	  cmake --preset $$arch && \
	  cmake --build --preset $$arch --target qm_save_bench qm_resident_bench qm_importer_bench qm_settings_bench && \
	  bench/run-wine-bench build/$$arch && \
	  bench/run-wine-bench build/$$arch qm_importer_bench && \
	  bench/run-wine-bench build/$$arch qm_settings_bench && \
	  bench/run-resident-bench build/$$arch || exit 1; \
	done

clean:
	rm -rf build
