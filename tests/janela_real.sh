#!/usr/bin/env bash
# The game in a real X window: a virtual X server (Xvfb) of a given size, real X events from xdotool,
# the window's picture taken by ImageMagick's import.
#   1920 x 1080, no window manager: the window's size and place; loading to the main menu, a new game,
#     "CONTINUAR ...", a click that selects the hero and a right click that sends him walking; the game
#     pauses when the window loses the keyboard and paints its frame again when it is exposed, and that
#     picture scaled back to 800 x 600 matches the game's own frame of that tick; the options menu ends
#     the game cleanly; the recording of the run replays headless to the same state.
#   1366 x 768, no window manager: a whole scale that does not fit is refused; full screen with Enter
#     is letterboxed, takes clicks on the right game pixels, and gives the window back its size and place.
#   2560 x 1440 under a window manager (openbox): --fullscreen, and Enter back to the window; a framed
#     window (--moldura) in a mission: full screen holds the pointer (another program's grab of it is
#     refused) and keeps it over the same game pixel both ways; Alt+F4 during play opens the quit
#     question, and a second one ends the game.
# Arguments: the game binary, its working folder with the asset folders, the folder for the pictures
# kept for review, and the source folder.
set -u
BIN=$1 JOGO=$2 REVISAO=$3 FONTE=$4

falha() {
    echo "janela_real: FALHOU: $*" >&2
    [ -n "${LOG:-}" ] && [ -f "$LOG" ] && { echo "--- o que o jogo escreveu:" >&2; tail -20 "$LOG" >&2; }
    exit 1
}
for t in Xvfb xdotool xwininfo import convert compare openbox; do
    command -v "$t" >/dev/null || falha "falta o programa $t (o Makefile instala xvfb, xdotool, x11-utils, imagemagick e openbox)"
done

W=$(mktemp -d /tmp/vorlando-janela.XXXXXX)
PIDS=()
limpa() {
    for p in "${PIDS[@]}"; do kill -TERM "$p" 2>/dev/null; done
    sleep 0.3
    for p in "${PIDS[@]}"; do kill -KILL "$p" 2>/dev/null; done
    rm -rf "$W"
}
trap limpa EXIT
mkdir -p "$REVISAO"
for d in Unidades Efeitos Objetos Cenario Final Abertura Sons Musicas; do
    [ -d "$JOGO/$d" ] || falha "a pasta $JOGO/$d não existe (o alvo content a gera)"
    ln -s "$JOGO/$d" "$W/$d"
done
# the sanitizer build: a leak inside the system's D-Bus library that SDL opens is not the game's
export LSAN_OPTIONS="suppressions=$FONTE/tests/lsan_janela.supp:print_suppressions=0"
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER
# the pictures are compared pixel for pixel: the program's own scaling, never a renderer's
export VORLANDO_VIDEO=software

# Xvfb on a free display number it picks itself; waits for it at most 10 s.
abrex() {
    local f="$W/display.$1"
    rm -f "$f"
    # -noreset: the server stays up between two games instead of starting over, when a new one could not connect
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$f" 2>"$W/xvfb.$1.log" &
    PIDS+=($!)
    local fim=$((SECONDS + 10))
    until [ -s "$f" ]; do
        [ $SECONDS -ge $fim ] && falha "o Xvfb $1 não abriu: $(cat "$W/xvfb.$1.log")"
        sleep 0.05
    done
    export DISPLAY=":$(head -1 "$f")"
}

# The game in the background with dumps every 5 ticks into $E; arguments go to the game.
E="" LOG="" JPID="" ULT=0 JAN=""
iniciajogo() {
    local nome=$1
    shift
    E="$W/$nome" LOG="$W/$nome.log" ULT=0
    mkdir -p "$E"
    local estados=()
    for t in $(seq 5 5 3000); do estados+=(--state "$t=$E/$t.json"); done
    (cd "$W" && exec timeout 300 "$BIN" "${estados[@]}" "$@") >"$LOG" 2>&1 &
    JPID=$!
    PIDS+=($JPID)
    local fim=$((SECONDS + 60))
    JAN=""
    while [ -z "$JAN" ]; do
        kill -0 "$JPID" 2>/dev/null || falha "o jogo terminou antes de abrir a janela: $(tail -5 "$LOG")"
        [ $SECONDS -ge $fim ] && falha "a janela não apareceu em um minuto"
        sleep 0.1
        JAN=$(xdotool search --name '^Vorlandocraft$' 2>/dev/null | head -1)
    done
}

# A number or boolean field of a dump (the first of that name: the globals come before the tables).
campo() { grep -o "\"$2\":-\?[0-9a-z]*" "$1" | head -1 | cut -d: -f2; }
heroi() { grep -o '{"slot":[0-9]*,"tipo":[0-9]*,"nome":"SEU VORLANDO",[^}]*}' "$1" | head -1; }
de() { echo "$1" | grep -o "\"$2\":-\?[0-9a-z]*" | head -1 | cut -d: -f2; }

# Waits (at most a minute) until the newest dump passes the test "$@ FILE".
espera() {
    local o_que=$1
    shift
    local fim=$((SECONDS + 60))
    while :; do
        while [ -f "$E/$((ULT + 5)).json" ]; do ULT=$((ULT + 5)); done
        if [ $ULT -gt 0 ] && "$@" "$E/$ULT.json"; then return 0; fi
        kill -0 "$JPID" 2>/dev/null || falha "o jogo terminou esperando $o_que"
        [ $SECONDS -ge $fim ] && falha "um minuto esperando $o_que (último tique $ULT)"
        sleep 0.05
    done
}
tela() { [ "$(campo "$2" tela)" = "$1" ]; }
tiquedepois() { [ "$(campo "$2" tick)" -gt "$1" ]; }
menu() { [ "$(campo "$2" menu)" = "$1" ]; }
cheia() { [ "$(campo "$1" telacheia)" = true ]; }
telaeciclo() { [ "$(campo "$3" tela)" = "$1" ] && [ "$(campo "$3" ciclotela)" -ge "$2" ]; }

# The window's place and size, "X Y W H".
geometria() {
    xwininfo -id "$JAN" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}
# Waits (at most 10 s) for the window to take a place and size.
esperageometria() {
    local fim=$((SECONDS + 10)) g
    while :; do
        g=$(geometria)
        [ "$g" = "$1" ] && return 0
        [ $SECONDS -ge $fim ] && falha "a janela ficou em $g, não em $1 ($2)"
        sleep 0.1
    done
}

# A click on game pixel (x, y) of a frame that lies at (fx, fy) with width fw in window $JAN.
clica() {  # botão x y fx fy fw
    local k=$(( $6 )) wx wy
    wx=$(( $4 + (2 * $2 + 1) * k / 1600 ))
    wy=$(( $5 + (2 * $3 + 1) * k / 1600 ))
    xdotool mousemove --window "$JAN" "$wx" "$wy" click "$1"
}

# ---------------------------------------------------------------------------------------------
# 1920 x 1080, no window manager
abrex 1920x1080
iniciajogo a --seed 11 --record "$W/a.rec" $(for t in $(seq 900 960); do echo --shot "$t=$W/a/q$t.png"; done)
esperageometria "240 0 1440 1080" "a maior janela 4:3 que cabe em 1920 x 1080"
# the game's emblem on the window
xprop -id "$JAN" _NET_WM_ICON 2>/dev/null | grep -q "Icon (64 x 64)" || falha "a janela não tem o emblema do jogo"
xdotool windowfocus --sync "$JAN"
# the trivia page takes Z once it has been up 50 ticks
espera "a página de curiosidades" telaeciclo 2 55
xdotool key z
espera "o menu principal" tela 3
clica 1 400 346 0 0 1440   # "INICIAR O JOGO"
espera "os botões da apresentação da missão" telaeciclo 4 15
clica 1 705 566 0 0 1440   # "CONTINUAR ..."
espera "a missão" tela 5
h=$(heroi "$E/$ULT.json")
cx=$(campo "$E/$ULT.json" camerax) cy=$(campo "$E/$ULT.json" cameray)
hx=$(( $(de "$h" x) - cx )) hy=$(( $(de "$h" y) - cy - 20 ))
clica 1 "$hx" "$hy" 0 0 1440
heroiescolhido() { h=$(heroi "$1"); [ "$(de "$h" selecionado)" = true ] && [ "$(campo "$1" select)" = "$(de "$h" slot)" ]; }
espera "o herói escolhido" heroiescolhido
# a right click 150 pixels to his right sends him there
ax=$((hx + 150)) ay=$((hy + 20))
clica 3 "$ax" "$ay" 0 0 1440
chegou() { h=$(heroi "$1"); local dx=$(( $(de "$h" x) - cx - ax )) dy=$(( $(de "$h" y) - cy - ay )); [ $((dx * dx + dy * dy)) -le 400 ]; }
espera "o herói andar até o ponto do clique direito" chegou
echo "janela_real: 1920x1080: o herói chegou no tique $ULT"
[ $ULT -lt 890 ] || falha "a partida chegou tarde demais ao tique 900 (tique $ULT): a máquina está lenta demais"
import -window root "$REVISAO/janela-1920x1080.png"
# losing the keyboard pauses the game: no further tick
espera "o tique 905" tiquedepois 904
raiz=$(xwininfo -root | awk '/Window id/{print $4}')
xdotool windowfocus --sync "$raiz"
sleep 1
parado=$(ls "$E" | sort -n | tail -1)
sleep 1
[ "$(ls "$E" | sort -n | tail -1)" = "$parado" ] || falha "o jogo seguiu com a janela sem o teclado"
ultimo=$(ls "$W/a" | sed -n 's/^q\([0-9]*\)\.png$/\1/p' | sort -n | tail -1)
[ -n "$ultimo" ] || falha "nenhuma foto do jogo entre os tiques 900 e 960"
# hidden and shown again, the window gets its last frame painted back
xdotool windowunmap --sync "$JAN"
xdotool windowmap --sync "$JAN"
sleep 0.5
import -window "$JAN" "$W/a-janela.png"
convert "$W/a-janela.png" -filter point -resize '800x600!' "$W/a-reduzida.png"
diferentes=$(compare -metric AE -fuzz 8% "$W/a-reduzida.png" "$W/a/q$ultimo.png" null: 2>&1 | cut -d' ' -f1)
[ "${diferentes%.*}" -le 2400 ] 2>/dev/null || falha "a janela reduzida a 800 x 600 difere da foto do tique $ultimo em $diferentes pixels"
echo "janela_real: 1920x1080: a janela pausada no tique $ultimo e a foto do jogo diferem em $diferentes de 480000 pixels"
cp "$W/a-janela.png" "$REVISAO/janela-1920x1080-exposta.png"
# the keyboard back: the game goes on; F2 and the options menu's quit entry end it cleanly
xdotool windowfocus --sync "$JAN"
espera "o jogo seguir depois de voltar o teclado" tiquedepois "$ultimo"
xdotool key F2
espera "o menu de opções" menu 1
clica 1 400 381 0 0 1440   # "SAIR DO JOGO"
espera "a pergunta de sair" menu 4
clica 1 400 255 0 0 1440   # "SIM"
fim=$((SECONDS + 20))
while kill -0 "$JPID" 2>/dev/null; do
    [ $SECONDS -ge $fim ] && falha "o jogo não terminou depois de \"SIM\""
    sleep 0.1
done
wait "$JPID"
rc=$?
[ $rc -eq 0 ] || falha "o jogo terminou com o código $rc"
grep -q "^# fim " "$W/a.rec" || falha "a gravação não foi encerrada"
# the recording, headless, gives the same state at the last dump
while [ -f "$E/$((ULT + 5)).json" ]; do ULT=$((ULT + 5)); done
(cd "$W" && SDL_VIDEODRIVER=dummy "$BIN" --headless --replay "$W/a.rec" --state "$ULT=$W/a-repetida.json") >"$W/repeticao.log" 2>&1 ||
    falha "a repetição falhou: $(cat "$W/repeticao.log")"
cmp -s "$W/a-repetida.json" "$E/$ULT.json" || falha "a repetição sem janela não chegou ao mesmo estado no tique $ULT"
echo "janela_real: 1920x1080: a gravação repetida sem janela chega ao mesmo estado no tique $ULT"

# ---------------------------------------------------------------------------------------------
# 1366 x 768, no window manager
abrex 1366x768
saida=$(cd "$W" && "$BIN" --scale 2 2>&1)
rc=$?
[ $rc -eq 2 ] || falha "--scale 2 em 1366 x 768 terminou com $rc, não 2: $saida"
echo "$saida" | grep -q "não cabe" || falha "--scale 2 em 1366 x 768 não disse por quê: $saida"
iniciajogo b --seed 12
esperageometria "171 0 1024 768" "a maior janela 4:3 que cabe em 1366 x 768"
xdotool windowfocus --sync "$JAN"
espera "a página de curiosidades" telaeciclo 2 55
xdotool key z
espera "o menu principal" tela 3
xdotool key Return
esperageometria "0 0 1366 768" "tela cheia"
espera "o estado em tela cheia" cheia
sleep 0.3
import -window root "$REVISAO/janela-1366x768-telacheia.png"
# black bars left and right of the frame
for barra in 171x768+0+0 171x768+1195+0; do
    m=$(convert "$REVISAO/janela-1366x768-telacheia.png" -crop "$barra" +repage -format '%[fx:maxima]' info:)
    [ "$m" = 0 ] || falha "a faixa $barra da tela cheia não é preta ($m)"
done
clica 1 400 346 171 0 1024   # "INICIAR O JOGO", in full screen
espera "a apresentação da missão pelo clique em tela cheia" tela 4
xdotool key Return
esperageometria "171 0 1024 768" "a volta da tela cheia"
sleep 0.3
import -window root "$REVISAO/janela-1366x768.png"
kill -TERM "$JPID"
wait "$JPID"
rc=$?
[ $rc -eq 0 ] || falha "o jogo terminou com o código $rc ao ser fechado pelo sistema"

# ---------------------------------------------------------------------------------------------
# 2560 x 1440 under a window manager
abrex 2560x1440
openbox >"$W/openbox.log" 2>&1 &
PIDS+=($!)
sleep 1
iniciajogo c --seed 13 --fullscreen
esperageometria "0 0 2560 1440" "--fullscreen com um gerenciador de janelas"
espera "a abertura" tela 1
xdotool windowfocus --sync "$JAN"
xdotool key Return
esperageometria "320 0 1920 1440" "a volta da tela cheia com um gerenciador de janelas"
espera "a página de curiosidades" telaeciclo 2 55
sleep 0.3
import -window root "$REVISAO/janela-2560x1440.png"
kill -TERM "$JPID"
wait "$JPID"
rc=$?
[ $rc -eq 0 ] || falha "o jogo terminou com o código $rc sob o gerenciador de janelas"

iniciajogo d --seed 14 --mission 1 --moldura
espera "a missão" tela 5
xdotool windowactivate --sync "$JAN" 2>/dev/null || xdotool windowfocus --sync "$JAN"
# the manager says how wide the frame it drew is: a title bar above the picture
quadros=$(xprop -id "$JAN" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')
topo=$(echo "$quadros" | cut -d, -f3)
[ "${topo:-0}" -gt 0 ] 2>/dev/null || falha "--moldura: a janela não tem moldura (_NET_FRAME_EXTENTS: $quadros)"
read -r jx jy jw jh <<<"$(geometria)"
# The game pixel under the pointer: full screen letterboxes 1920 x 1440 at x 320.
pixelnajanela() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }
xdotool mousemove --window "$JAN" 301 222
sleep 0.2
read -r mx my <<<"$(pixelnajanela)"
gx=$(( (mx - jx) * 800 / jw )) gy=$(( (my - jy) * 600 / jh ))
xdotool key Return
esperageometria "0 0 2560 1440" "a tela cheia da janela com moldura"
espera "o estado em tela cheia" cheia
sleep 1
read -r mx my <<<"$(pixelnajanela)"
[ $(( (mx - 320) * 800 / 1920 )) = "$gx" ] && [ $(( my * 600 / 1440 )) = "$gy" ] ||
    falha "na tela cheia o ponteiro ficou em ($mx, $my), fora do pixel ($gx, $gy) do jogo em que estava"
# the pointer is held: another program cannot take it
saida=$(timeout 3 xwininfo 2>&1)
rc=$?
[ $rc -ne 124 ] && echo "$saida" | grep -qi "grab" || falha "a tela cheia não segura o ponteiro (xwininfo: $rc $saida)"
xdotool key Return
esperageometria "$jx $jy $jw $jh" "a volta da tela cheia para a janela com moldura"
sleep 1
read -r mx my <<<"$(pixelnajanela)"
[ $(( (mx - jx) * 800 / jw )) = "$gx" ] && [ $(( (my - jy) * 600 / jh )) = "$gy" ] ||
    falha "de volta à janela o ponteiro ficou em ($mx, $my), fora do pixel ($gx, $gy) do jogo"
# in the window the pointer is free again: xwininfo takes it and waits for a click until its timeout
timeout 1 xwininfo >/dev/null 2>&1
rc=$?
[ $rc -eq 124 ] || falha "de volta à janela o ponteiro continua preso (xwininfo terminou com $rc)"
echo "janela_real: 2560x1440: a tela cheia segura o ponteiro no pixel ($gx, $gy) do jogo, e a janela o solta"
# Alt+F4 during play asks first; asked again, the game ends
xdotool windowactivate --sync "$JAN" 2>/dev/null || xdotool windowfocus --sync "$JAN"
xdotool key alt+F4
espera "a pergunta de sair depois de Alt+F4" menu 4
kill -0 "$JPID" 2>/dev/null || falha "Alt+F4 no meio da missão fechou o jogo sem perguntar"
import -window root "$REVISAO/janela-2560x1440-sair.png"
xdotool key alt+F4
fim=$((SECONDS + 20))
while kill -0 "$JPID" 2>/dev/null; do
    [ $SECONDS -ge $fim ] && falha "o jogo não terminou com o segundo Alt+F4"
    sleep 0.1
done
wait "$JPID"
rc=$?
[ $rc -eq 0 ] || falha "o jogo terminou com o código $rc depois do segundo Alt+F4"
echo "janela_real: 2560x1440: Alt+F4 na missão abre \"SAIR DO JOGO ?\" e o segundo fecha o jogo"

# SDL's renderer, asked for: the window the card (here Mesa's software OpenGL) draws is the game's frame
abrex 1920x1080
export VORLANDO_VIDEO=gpu
iniciajogo g $(for t in $(seq 300 5 330); do echo --shot "$t=$W/g/q$t.png"; done)
export VORLANDO_VIDEO=software
espera "a página de curiosidades" telaeciclo 2 55
xdotool windowfocus --sync "$JAN"
xdotool key z
espera "o menu principal" tela 3
espera "o tique 335" tiquedepois 334
grep -q "VORLANDO_VIDEO=gpu: a janela é desenhada por" "$LOG" || falha "VORLANDO_VIDEO=gpu não abriu o renderizador do SDL: $(cat "$LOG")"
import -window "$JAN" "$W/g-janela.png"
cp "$W/g-janela.png" "$REVISAO/janela-1920x1080-gpu.png"
# the top 400 rows: the flames below them move every tick
convert "$W/g-janela.png" -filter point -resize '800x600!' -crop 800x400+0+0 +repage "$W/g-reduzida.png"
convert "$W/g/q330.png" -crop 800x400+0+0 +repage "$W/g-quadro.png"
diferentes=$(compare -metric AE -fuzz 8% "$W/g-reduzida.png" "$W/g-quadro.png" null: 2>&1 | cut -d' ' -f1)
[ "${diferentes%.*}" -le 2400 ] 2>/dev/null || falha "pelo renderizador, a janela reduzida a 800 x 600 difere da foto do tique 330 em $diferentes de 320000 pixels"
echo "janela_real: 1920x1080 pelo renderizador do SDL: a janela e a foto do menu diferem em $diferentes de 320000 pixels"
kill -TERM "$JPID" 2>/dev/null
echo "janela_real: as três telas passaram"
