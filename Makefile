# Vorlandocraft: the two commands of the README.
#   make play   install what is missing, build, generate the content, start the game
#   make test   the same set-up with sanitizers, then every test
#   make bench  optimised build, then the benchmarks
#   make campaign  optimised build, then the scripted player through the campaign at seeds 1, 2, 3
#   make deb    optimised build, then the Debian package build/vorlandocraft_VERSION_amd64.deb
#   make deb-check  the package, then lintian and its dependencies checked

PACKAGES = build-essential cmake pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev \
           libsdl2-image-dev libcairo2-dev libfontconfig-dev libgtest-dev libbenchmark-dev fonts-texgyre \
           fontconfig espeak-ng
# for the real-window test and the window benchmark: a virtual X server, X events, window pictures,
# a window manager; for the package checks: lintian, desktop-file-validate, appstreamcli
TESTPACKAGES = xvfb xdotool x11-utils imagemagick openbox lintian desktop-file-utils appstream
JOBS ?= $(shell nproc)

.PHONY: play test bench campaign deb deb-check deps deps-test build build-test clean

deps: PACOTES = $(PACKAGES)
deps-test: PACOTES = $(PACKAGES) $(TESTPACKAGES)
deps deps-test:
	@missing=""; for p in $(PACOTES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Instalando pacotes:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

# from the project's root: the content comes from build/game, the saves and settings go to the
# player's XDG folders, so `make clean` never takes them
play: build
	./build/vorlandocraft $(ARGS)

# the package, and the screenshots its AppStream file names (build/capturas)
deb: build
	cmake --build build --target capturas
	cd build && cpack -G DEB

# packing the content takes a minute or more, so this is not part of `make test` (which installs
# the test tree into a staging root instead and validates the desktop entry and the AppStream file)
deb-check: deps-test deb
	bash tests/pacote_lintian.sh $$(ls -t build/vorlandocraft_*_amd64.deb | head -1)

build-test: deps-test
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVORLANDO_SANITIZE=ON
	cmake --build build/test -j $(JOBS)

test: build-test
	cd build/test && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

bench: deps-test build
	./build/bench/vorlando_bench

# the scripted player plays the whole campaign at seeds 1, 2 and 3 and prints each table; the
# recordings of every mission stay in build/campanha/sementeN/partidas
campaign: build
	@for s in 1 2 3; do \
	  rm -rf build/campanha/semente$$s; \
	  ./build/tools/campanha/joga_campanha --pasta build/campanha/semente$$s --semente $$s \
	    --conteudo build/game --rotas build/gen/rotas.txt || exit 1; \
	done

clean:
	rm -rf build
