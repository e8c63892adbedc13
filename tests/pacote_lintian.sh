#!/usr/bin/env bash
# The Debian package of this build tree (CPack, no second build): lintian finds no error, and the
# package depends on the shared libraries it links and on the font.
# Arguments: the build folder.
set -u
BUILD=$1
falha() { echo "pacote_lintian: FALHOU: $*" >&2; exit 1; }
command -v lintian >/dev/null || falha "falta o lintian (o Makefile o instala em make test)"
W=$(mktemp -d /tmp/vorlando-deb.XXXXXX)
trap 'rm -rf "$W"' EXIT
(cd "$BUILD" && cpack -G DEB -B "$W" >"$W/cpack.log" 2>&1) || { cat "$W/cpack.log" >&2; falha "cpack"; }
DEB=$(ls "$W"/vorlandocraft_*_amd64.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || falha "cpack não fez vorlandocraft_*_amd64.deb: $(ls "$W")"
DEP=$(dpkg-deb -f "$DEB" Depends)
for d in fonts-texgyre libsdl2 libsdl2-mixer libsdl2-ttf libfontconfig; do
    echo "$DEP" | grep -q "$d" || falha "Depends não traz $d: $DEP"
done
# tags the checked build cannot avoid: its binary carries the sanitizers' runtime
lintian --fail-on error --suppress-tags library-not-linked-against-libc "$DEB" >"$W/lintian.log" 2>&1
rc=$?
cat "$W/lintian.log"
[ $rc -eq 0 ] || falha "lintian achou erros"
