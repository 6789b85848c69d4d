# Everyday entry points; CMake does the real work.
#   make run    build and start Settings (on a private VNC display when there is no screen)
#   make build  only build it
#   make test   build with sanitizers and run every test
JOBS ?= 2
RELEASE_DIR := build/release
TEST_DIR := build/test

.PHONY: all build run test deps clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)

run: build
	scripts/run $(RELEASE_DIR)/bin/Settings

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DSETTINGS_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j$(JOBS) --timeout 300

clean:
	rm -rf build
