# The two commands a user needs: `make run` and `make test`.
# Both install the missing Debian packages first, then configure and build.

PACKAGES := cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            libfreetype-dev libfontconfig-dev libpng-dev fonts-liberation qt6-base-dev
# The clang presets need clang 14 and, for libFuzzer and the sanitizers, its run-time.
PACKAGES_clang := clang-14
PACKAGES_fuzz := clang-14 libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PRESET ?= default

.PHONY: run test deps configure build

run: build
	./build/$(PRESET)/liveplot

test: build
	ctest --preset $(PRESET)

deps:
	@missing=$$(for p in $(PACKAGES) $(PACKAGES_$(PRESET)); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)
