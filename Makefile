# Two entry points: `make run` builds and starts the workstation in var/,
# `make test` builds the sanitized test configuration and runs every test.

PACKAGES := g++ make cmake ninja-build pkg-config libfox-1.6-dev zlib1g-dev \
            libgtest-dev libgmock-dev xvfb xauth fonts-liberation2 fonts-dejavu-core locales \
            xdg-utils python3

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
GENERATOR := Ninja
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
LAUNCHER := -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
endif

.PHONY: deps build run build-test test bench fuzz clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B build -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release $(LAUNCHER)
	cmake --build build -j $(JOBS) --target kelm_or

run: build
	mkdir -p var
	cd var && ../build/kelm_or

build-test: deps
	cmake -S . -B build-test -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DKELM_SANITIZE=ON -DKELM_TESTS=ON $(LAUNCHER)
	cmake --build build-test -j $(JOBS)

test: build-test
	@tmp=$$(mktemp -d); \
	cd build-test && HOME=$$tmp xvfb-run -a -s "-screen 0 1280x1024x24" \
	  ctest --output-on-failure -j $(JOBS); rc=$$?; rm -rf $$tmp; exit $$rc

bench: build
	cmake --build build -j $(JOBS) --target kelm_bench
	@if [ -n "$$DISPLAY" ]; then ./build/kelm_bench; \
	else xvfb-run -a -s "-screen 0 1280x1024x24" ./build/kelm_bench; fi
	cmake --build build -j $(JOBS) --target kelm_files_bench
	./build/kelm_files_bench

# Seconds of fuzzing per target, and how many targets run at once.
FUZZ_TIME ?= 60
FUZZ_JOBS ?= $(JOBS)

fuzz:
	$(MAKE) deps PACKAGES="$(PACKAGES) afl++"
	cmake -S . -B build-fuzz -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELM_SANITIZE=ON -DKELM_FUZZ=ON $(LAUNCHER)
	cmake --build build-fuzz -j $(JOBS) --target kelm_fuzz
	xvfb-run -a -s "-screen 0 1280x1024x24" \
	  tests/fuzz/afl/run_afl.sh build-fuzz/kelm_fuzz tests/fuzz/corpus build-fuzz/out $(FUZZ_TIME) $(FUZZ_JOBS)

clean:
	rm -rf build build-test build-fuzz
