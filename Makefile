# Thin wrapper over the CMake presets; see README.md.
.PHONY: deps run screenshots test test-native test-fuzz test-win32 test-win64 dist bench clean

deps:
	@.ci/install-deps

# The 32-bit program folder (build/win32/dist), the primary target, and the editions:
# build/win32/Quillmar2.0-win32.zip, build/win32/Quillmar2.0-setup.exe and
# build/win64/Quillmar2.0-win64.zip.
dist: deps
	cmake --preset win32
	cmake --build --preset win32
	cmake --preset win64
	cmake --build --preset win64 --target editions

# The program in a Wine desktop with a tray, on $(DISPLAY) or else on Xvfb.
run: dist
	tools/desktop run build/win32

# Pictures of the tray, the tray menu and a save notice in build/screenshots/.
screenshots: dist
	tools/desktop screenshots build/win32 build/screenshots

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

# Only the tests that wait on the X server (label "tray") are retried once.
test-win32: dist
	ctest --preset win32
	ctest --preset win32-tray

test-win64: deps
	cmake --preset win64
	cmake --build --preset win64
	ctest --preset win64
	ctest --preset win64-tray

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	build/bench/qm_rules_bench
	cmake --build --preset win32 --target qm_save_bench qm_resident_bench qm_importer_bench qm_settings_bench
	bench/run-wine-bench build/win32
	bench/run-wine-bench build/win32 qm_importer_bench
	bench/run-wine-bench build/win32 qm_settings_bench
	bench/run-resident-bench build/win32

clean:
	rm -rf build
