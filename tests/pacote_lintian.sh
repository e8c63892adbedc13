#!/usr/bin/env bash
# A Debian package of the game (make deb): lintian finds no error and no warning, and the package
# depends on the shared libraries the program links and on the font.
# Arguments: the .deb file.
set -u
DEB=$1
falha() { echo "pacote_lintian: FALHOU: $*" >&2; exit 1; }
command -v lintian >/dev/null || falha "falta o lintian (make deps-test o instala)"
[ -f "$DEB" ] || falha "o pacote $DEB não existe (make deb o faz)"
DEP=$(dpkg-deb -f "$DEB" Depends)
for d in fonts-texgyre libsdl2-2.0 libsdl2-mixer libsdl2-ttf libfontconfig1 libc6; do
    echo "$DEP" | grep -q "$d" || falha "Depends não traz $d: $DEP"
done
[ "$(dpkg-deb -f "$DEB" Section)" = games ] || falha "a seção não é games"
lintian --fail-on error,warning --info "$DEB" || falha "lintian achou erros ou avisos"
echo "pacote_lintian: $(basename "$DEB"): Depends: $DEP"
