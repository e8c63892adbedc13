#!/usr/bin/env bash
# The installed game, end to end: the build tree installed into a staging root, run from an empty
# folder with HOME and the XDG folders in a fresh temporary folder.
#   --help and --version; the menus to a new game and a save on the briefing, the save in the player's
#   folder and found by a second run; a second copy on the same folder saves nothing; the game speed
#   changed with the minus key holds at the next start, a malformed settings file gives a warning and
#   the defaults; a recording from the window lands in the player's folder; a recording holds the
#   version; the desktop entry and the AppStream file validate.
# Arguments: the build folder, the project's version.
set -u
BUILD=$1 VERSAO=$2
falha() { echo "pacote: FALHOU: $*" >&2; exit 1; }

W=$(mktemp -d /tmp/vorlando-pacote.XXXXXX)
trap 'rm -rf "$W"' EXIT
cmake --install "$BUILD" --prefix "$W/raiz/usr" >"$W/instalacao.log" 2>&1 || { cat "$W/instalacao.log" >&2; falha "cmake --install"; }
BIN="$W/raiz/usr/games/vorlandocraft"
[ -x "$BIN" ] || falha "o programa não está em usr/games"
[ -f "$W/raiz/usr/share/games/vorlandocraft/Unidades/Unid-001.gmb" ] || falha "o conteúdo não está em usr/share/games/vorlandocraft"
for n in 16 22 24 32 48 64 128 256; do
    [ -s "$W/raiz/usr/share/icons/hicolor/${n}x${n}/apps/vorlandocraft.png" ] || falha "falta o ícone de $n px"
done
[ -s "$W/raiz/usr/share/man/man6/vorlandocraft.6.gz" ] || falha "falta a página de manual"

export HOME="$W/casa" XDG_DATA_HOME="$W/casa/dados" XDG_CONFIG_HOME="$W/casa/config"
export SDL_AUDIODRIVER=dummy
# the checked build: a leak inside a system library that SDL opens is not the game's
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan_janela.supp:print_suppressions=0"
unset SDL_VIDEODRIVER DISPLAY WAYLAND_DISPLAY VORLANDO_FONT
mkdir -p "$HOME" "$W/vazia"
cd "$W/vazia" || falha "sem pasta vazia"
JOGADOR="$XDG_DATA_HOME/vorlandocraft"
AJUSTES="$XDG_CONFIG_HOME/vorlandocraft/ajustes.conf"
campo() { grep -o "\"$2\":[-0-9a-z]*" "$1" | head -1 | cut -d: -f2; }

# 1. the conventions of a command-line program
"$BIN" --help >ajuda.txt 2>&1 || falha "--help terminou com $?"
grep -q "^uso: vorlandocraft" ajuda.txt || falha "--help não mostrou o uso"
[ "$("$BIN" --version)" = "vorlandocraft $VERSAO" ] || falha "--version disse $("$BIN" --version)"

# 2. the menus to a new game, a save on the briefing: in the player's folder
cat >novo.txt <<'FIM'
260 press 90
295 move 400 345
296 down left 400 345
297 up left 400 345
340 move 90 566
341 down left 90 566
342 up left 90 566
FIM
"$BIN" --headless --seed 3 --input novo.txt --ticks 360 --state 330=b.json >novo.log 2>&1 || falha "o novo jogo terminou com $?: $(cat novo.log)"
[ "$(campo b.json tela)" = 4 ] || falha "o novo jogo não chegou ao briefing"
[ -f "$JOGADOR/Vorlandocraft.sav" ] || falha "o jogo salvo não está em $JOGADOR: $(ls -a "$JOGADOR" . 2>&1)"
[ "$(wc -l <"$JOGADOR/Vorlandocraft.sav")" = 19 ] || falha "o jogo salvo não tem 19 linhas"
[ -z "$(ls -A . | grep -v -e ajuda.txt -e novo.txt -e b.json -e novo.log)" ] || falha "o jogo escreveu na pasta atual: $(ls -A .)"
# a second run offers "CARREGAR" and loads it
printf '260 press 90\n295 move 400 380\n296 down left 400 380\n297 up left 400 380\n' >carrega.txt
"$BIN" --headless --seed 3 --input carrega.txt --ticks 330 --state 290=m.json --state 330=c.json >carrega.log 2>&1 || falha "a segunda partida terminou com $?"
[ "$(campo m.json existesave)" = true ] || [ "$(campo m.json existesave)" = 1 ] || falha "a segunda partida não viu o jogo salvo"
[ "$(campo c.json tela)" = 4 ] || falha "CARREGAR não levou ao briefing"
[ "$(campo c.json missao)" = 1 ] || falha "o jogo carregado não está na missão 1"

# 3. a second copy on the same folder writes nothing
rm -f "$JOGADOR/Vorlandocraft.sav"
flock "$JOGADOR" "$BIN" --headless --seed 3 --input novo.txt --ticks 360 >segunda.log 2>&1 || falha "a segunda cópia terminou com $?"
grep -q "outra cópia do jogo" segunda.log || falha "a segunda cópia não disse nada: $(cat segunda.log)"
[ ! -e "$JOGADOR/Vorlandocraft.sav" ] || falha "a segunda cópia salvou o jogo"
ls "$JOGADOR" | grep -q tmp && falha "a segunda cópia deixou um arquivo temporário"

# 4. settings: the minus key in play (a window, SDL's dummy driver) holds at the next start
export SDL_VIDEODRIVER=dummy
printf '3 press 189\n3 release 189\n' >menos.txt
"$BIN" --mission 1 --ticks 6 --input menos.txt >menos.log 2>&1 || falha "a partida com a tecla menos terminou com $?: $(cat menos.log)"
grep -q "^velocidade = 21$" "$AJUSTES" || falha "os ajustes não guardaram a velocidade: $(cat "$AJUSTES" 2>&1)"
"$BIN" --mission 1 --ticks 2 --state 1=v.json >v.log 2>&1 || falha "a partida seguinte terminou com $?"
[ "$(campo v.json velocidadejogo)" = 21 ] || falha "a velocidade não voltou: $(campo v.json velocidadejogo)"
# the headless runner starts from the defaults and leaves the file alone
"$BIN" --headless --mission 1 --ticks 6 --input menos.txt --state 1=h.json >h.log 2>&1 || falha "headless terminou com $?"
[ "$(campo h.json velocidadejogo)" = 20 ] || falha "headless não começou com a velocidade normal"
grep -q "^velocidade = 21$" "$AJUSTES" || falha "headless mexeu nos ajustes"
# a malformed file: one warning, the defaults, and a good file at the next change
printf 'velocidade = rapida\n' >"$AJUSTES"
"$BIN" --mission 1 --ticks 6 --input menos.txt --state 1=r.json >ruim.log 2>&1 || falha "com ajustes ruins terminou com $?: $(cat ruim.log)"
[ "$(grep -c aviso ruim.log)" = 1 ] || falha "os ajustes ruins não deram um aviso: $(cat ruim.log)"
[ "$(campo r.json velocidadejogo)" = 20 ] || falha "os ajustes ruins não deram a velocidade normal"
grep -q "^velocidade = 21$" "$AJUSTES" || falha "os ajustes ruins não foram regravados: $(cat "$AJUSTES")"
# a recording made from the window goes to the player's folder, and plays back from there
"$BIN" --ticks 3 --record janela.txt >janela.log 2>&1 || falha "a gravação na janela terminou com $?: $(cat janela.log)"
[ -f "$JOGADOR/janela.txt" ] && [ ! -e janela.txt ] || falha "a gravação da janela não está na pasta do jogador"
"$BIN" --replay janela.txt >>janela.log 2>&1 || falha "a repetição da gravação da janela terminou com $?: $(cat janela.log)"
unset SDL_VIDEODRIVER

# 5. a recording holds the version
"$BIN" --headless --ticks 3 --record gravada.txt >/dev/null 2>&1 || falha "a gravação terminou com $?"
grep -qx "# versao $VERSAO" gravada.txt || falha "a gravação não traz a versão: $(head -3 gravada.txt)"
sed -i "s/^# versao .*/# versao 0.0.1/" gravada.txt
"$BIN" --headless --replay gravada.txt >repete.log 2>&1 || falha "a repetição terminou com $?"
grep -q "versão 0.0.1" repete.log || falha "a repetição de outra versão não avisou: $(cat repete.log)"

# 6. the desktop entry and the AppStream file
desktop-file-validate "$W"/raiz/usr/share/applications/*.desktop || falha "desktop-file-validate"
appstreamcli validate --no-net "$W"/raiz/usr/share/metainfo/*.metainfo.xml || falha "appstreamcli validate"
echo "pacote: tudo certo"
