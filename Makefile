# Quillet: the two commands a newcomer needs are `make run` and `make test`.
# `make CXX=clang++ test` builds with clang, in a folder of its own.
BUILD ?= $(if $(filter clang%,$(notdir $(CXX))),build-clang,build)
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

PACKAGES := g++ cmake make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic fonts-dejavu-core fonts-urw-base35 \
            xvfb xauth clang-format python3 openbox xdotool xclip x11-utils x11-xserver-utils \
            wmctrl imagemagick desktop-file-utils appstream dpkg-dev file
# The HTML5 parser the preview reads fragments with.
PACKAGES += libgumbo-dev
# The package check's linter, and the accessibility bus the a11y scenario reads the window through.
PACKAGES += lintian at-spi2-core python3-pyatspi dbus
# Java for the HTML checker, and the browser that renders fragments in the tests.
PACKAGES += default-jre-headless chromium
# The Nu Html Checker, from npm into the build folder; npm itself only where no Node.js
# package already brings it.
VNU_VERSION := 26.9.27
VNU_JAR := $(BUILD)/tools/node_modules/vnu-jar/build/dist/vnu.jar
# The second compiler, its sanitizer and fuzzer runtimes, and the symbolizer for their reports.
PACKAGES += clang libclang-rt-14-dev llvm
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench format format-check art install package clean
.PHONY: sanitizer-build test-asan fuzz

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@command -v npm >/dev/null || $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm
	@[ -f $(VNU_JAR) ] || npm install --silent --no-audit --no-fund --prefix $(BUILD)/tools vnu-jar@$(VNU_VERSION)

# ccache, when installed, makes rebuilds in several checkouts cheap.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUILLET_WERROR=ON $(LAUNCHER) >/dev/null

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/app/quillet

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# `make install PREFIX=/usr DESTDIR=/tmp/stage`; DESTDIR is honoured as cmake --install does.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/, installable with `apt install ./$(BUILD)/quillet_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	$(BUILD)/bench/quillet_bench
	$(BUILD)/bench/quillet_window_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check: deps
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# Redraws the bitmaps, icons, cursor and tool-bar layouts from resources/art/.
art:
	python3 resources/art/draw_art.py

clean:
	rm -rf $(BUILD)

# --- Sanitizers and fuzzing: clang, in a folder of their own ----------------------------------
# One instrumented build serves both: the whole suite under AddressSanitizer (leaks included)
# and UndefinedBehaviorSanitizer, and the libFuzzer programs, run on their corpora in turn.
SANITIZER_BUILD ?= build-asan
# Qt reports no leaks of its own, so nothing is suppressed. strict_string_checks stays off:
# the X keyboard library hands strndup names without a terminating zero, which strndup
# allows, but that check measures them as whole C strings and reads past them.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1
FUZZ_SECONDS ?= 60
FUZZERS := $(notdir $(wildcard fuzz/corpus/*))

sanitizer-build: deps
	@CXX=clang++ cmake -S . -B $(SANITIZER_BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DQUILLET_WERROR=ON \
	    -DQUILLET_SANITIZE=ON -DQUILLET_FUZZ=ON -DQUILLET_VNU_JAR=$(abspath $(VNU_JAR)) \
	    $(LAUNCHER) >/dev/null

# The end-to-end scenarios run the instrumented program too.
test-asan: sanitizer-build
	cmake --build $(SANITIZER_BUILD) -j$(JOBS)
	cd $(SANITIZER_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen \
	    ctest --output-on-failure -j$(JOBS)

# New inputs go to a folder of the build, crashes to files named there; a crash, once fixed,
# goes into fuzz/corpus/ so that `make test` keeps it fixed.
fuzz: sanitizer-build
	cmake --build $(SANITIZER_BUILD) --target quillet_fuzzers -j$(JOBS)
	@failed=; for f in $(FUZZERS); do \
	    mkdir -p $(SANITIZER_BUILD)/fuzz/found/$$f; \
	    log=$(SANITIZER_BUILD)/fuzz/$$f.log; \
	    if $(SANITIZER_ENV) $(SANITIZER_BUILD)/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) \
	        -timeout=10 -print_final_stats=1 -artifact_prefix=$(SANITIZER_BUILD)/fuzz/crash-$$f- \
	        $(SANITIZER_BUILD)/fuzz/found/$$f fuzz/corpus/$$f >$$log 2>&1; then \
	        echo "$$f: $$(grep -E '^stat::number_of_executed_units' $$log | cut -d' ' -f2) runs in $(FUZZ_SECONDS) s"; \
	    else \
	        tail -n 40 $$log; failed="$$failed $$f"; \
	    fi; \
	done; \
	if [ -n "$$failed" ]; then echo "crashed:$$failed (inputs in $(SANITIZER_BUILD)/fuzz/crash-*)"; exit 1; fi
