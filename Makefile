# make demo  - set up, build, and load the plug-in into the simulated server
# make test  - set up, build, and run every test
# make bench - set up, build, and run the benchmark
BUILD := build
export WINEPREFIX := $(CURDIR)/$(BUILD)/wineprefix
export WINEDEBUG := -all
# No browser or runtime installers in a fresh Wine prefix, and no debugger on a crash.
export WINEDLLOVERRIDES := mscoree,mshtml,winedbg.exe=
export DISPLAY :=

.PHONY: all setup configure build demo test bench clean

all: build

setup:
	@tools/setup.sh

configure: setup
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default

demo: build
	@tools/with-wine.sh wine $(BUILD)/demo.exe

test: build
	@tools/with-wine.sh ctest --preset default -j2

bench: build
	@tools/with-wine.sh bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
