# Quillet: the two commands a newcomer needs are `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

PACKAGES := g++ cmake make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic fonts-dejavu-core fonts-urw-base35 \
            xvfb xauth clang-format python3 openbox xdotool xclip x11-utils x11-xserver-utils \
            wmctrl imagemagick desktop-file-utils appstream dpkg-dev file
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test bench format format-check art install package clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

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

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# Redraws the bitmaps, icons, cursor and tool-bar layouts from resources/art/.
art:
	python3 resources/art/draw_art.py

clean:
	rm -rf $(BUILD)
