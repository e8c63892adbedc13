# Vorlandocraft: the two commands of the README.
#   make play   install what is missing, build, generate the content, start the game
#   make test   the same set-up, then every test: the long scenarios on an optimised tree with UBSan
#               (build/longo), the rest under AddressSanitizer and UBSan (build/test), the fuzz targets
#               over their seeds and for a short while (build/fuzz, clang's libFuzzer)
#   make fuzz   the fuzz targets for FUZZ_SECONDS each (default 600), corpora kept in build/fuzz/corpus
#   make bench  optimised build, then the benchmarks
#   make campaign  optimised build, then the scripted player through the campaign at seeds 1, 2, 3
#   make deb    optimised build, then the Debian package build/vorlandocraft_VERSION_amd64.deb
#   make deb-check  the package, then lintian and its dependencies checked

PACKAGES = build-essential cmake pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev \
           libsdl2-image-dev libcairo2-dev libfontconfig-dev libgtest-dev libbenchmark-dev fonts-texgyre \
           fontconfig espeak-ng
# for the real-window test and the window benchmark: a virtual X server, X events, window pictures,
# a window manager; for the package checks: lintian, desktop-file-validate, appstreamcli; clang and its
# libFuzzer for the fuzz targets
TESTPACKAGES = xvfb xdotool x11-utils imagemagick openbox lintian desktop-file-utils appstream clang libclang-rt-dev
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
FUZZ_TARGETS = save gravacao gmb wav

.PHONY: play test bench campaign fuzz deb deb-check deps deps-test build build-test build-longo fuzz-build clean

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
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DVORLANDO_SANITIZE=ON -DVORLANDO_TESTES=curtos -DVORLANDO_LOTES=ON \
	  $(if $(ROTAS),-DVORLANDO_ROTAS=$(ROTAS),-UVORLANDO_ROTAS)
	cmake --build build/test -j $(JOBS)

# optimised, with assertions and UBSan: the long scenarios
build-longo: deps-test
	cmake -S . -B build/longo -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 -DVORLANDO_UBSAN=ON \
	  -DVORLANDO_TESTES=longos -DVORLANDO_LOTES=ON
	cmake --build build/longo -j $(JOBS)

fuzz-build: deps-test
	cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build build/fuzz -j $(JOBS)

# The long scenarios start as soon as their tree is built and run, one at a time, while the sanitized
# tree builds (it takes the routes the optimised tree checked) and the fuzz targets build beside it;
# the other tests follow. Both ctest summaries are printed, the long ones last, and a failure in
# either fails the run.
test: deps-test
	@$(MAKE) --no-print-directory build-longo
	@rm -f build/longo.rc; ( cd build/longo && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
	  HOME=$(CURDIR)/build/longo/casa XDG_DATA_HOME=$(CURDIR)/build/longo/casa/dados \
	  XDG_CONFIG_HOME=$(CURDIR)/build/longo/casa/config ctest --output-on-failure -j 1 -L longo > ../longo.log 2>&1; echo $$? > ../longo.rc ) & \
	$(MAKE) --no-print-directory fuzz-build > build/fuzz-build.log 2>&1 & \
	$(MAKE) --no-print-directory build-test ROTAS=$(CURDIR)/build/longo/gen/rotas.txt && \
	{ wait $$! || { cat build/fuzz-build.log; false; }; } && \
	( cd build/test && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS) -LE longo ); \
	rc=$$?; wait; echo "--- testes longos (build/longo)"; cat build/longo.log; \
	[ "$$rc" = 0 ] && [ "$$(cat build/longo.rc)" = 0 ]

fuzz: fuzz-build
	@for a in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$a build/fuzz/achados/$$a; \
	  echo "--- fuzz_$$a por $(FUZZ_SECONDS) s"; \
	  ./build/fuzz/fuzz_$$a -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -timeout=30 -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/achados/$$a/ build/fuzz/corpus/$$a tests/fuzz/sementes/$$a \
	    > build/fuzz/$$a.log 2>&1; r=$$?; \
	  grep -E '^(#[0-9]+ +DONE|stat::|==[0-9]+==ERROR|SUMMARY)' build/fuzz/$$a.log; \
	  echo "corpus: $$(ls build/fuzz/corpus/$$a | wc -l) entradas"; \
	  [ $$r = 0 ] || { echo "fuzz_$$a achou uma falha: build/fuzz/achados/$$a"; exit 1; }; \
	done

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
