# What both end-to-end runs share (sourced by kolvan.sh and redwan.sh): an X
# server of the run's own, the real program started in a fresh base folder,
# key presses through xdotool, waits for windows by title that never last
# longer than their bound, a screenshot of every step, and checks of the
# files the program wrote. Whatever happens, the program and the X server
# end with the run.
#
# The caller sets PROGRAMA (the binary), BASE_ORIGEM (the build's base folder,
# whose Pictures/ and Config/ are copied) and SAIDA (where the screenshots
# and the files the run wrote are kept), then calls iniciar_x and
# iniciar_programa.

set -euo pipefail

PROGRAMA=$(realpath "$PROGRAMA")
BASE_ORIGEM=$(realpath "$BASE_ORIGEM")
SAIDA=$(realpath -m "$SAIDA")

# A window appears, closes or takes the focus within this many seconds.
ESPERA=${KR_E2E_ESPERA:-20}
# The whole run ends within this many seconds, whatever waits in it.
LIMITE=${KR_E2E_LIMITE:-100}

TRABALHO=$(mktemp -d "${TMPDIR:-/tmp}/kr-e2e.XXXXXX")
PID_X=""
PID_PROGRAMA=""
PID_VIGIA=""
PASSO=0

encerrar() {
    local status=$?
    trap - EXIT INT TERM
    [ -n "$PID_VIGIA" ] && kill "$PID_VIGIA" 2>/dev/null || true
    if [ -n "$PID_PROGRAMA" ] && kill -0 "$PID_PROGRAMA" 2>/dev/null; then
        kill "$PID_PROGRAMA" 2>/dev/null || true
        wait "$PID_PROGRAMA" 2>/dev/null || true
    fi
    if [ -n "$PID_X" ] && kill -0 "$PID_X" 2>/dev/null; then
        kill "$PID_X" 2>/dev/null || true
        wait "$PID_X" 2>/dev/null || true
    fi
    if [ $status -ne 0 ] && [ -f "$TRABALHO/programa.log" ]; then
        echo "--- saída do programa:" >&2
        tail -20 "$TRABALHO/programa.log" >&2
    fi
    rm -rf "$TRABALHO"
    exit $status
}
trap encerrar EXIT
trap 'exit 130' INT
trap 'echo "e2e: tempo esgotado (${LIMITE} s)" >&2; exit 124' TERM

# Ends the run, with a screenshot of the screen as it was.
falhar() {
    echo "e2e: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$SAIDA/falha.png" 2>/dev/null || true
    exit 1
}

# An X server of this run alone: Xvfb picks a free display and says which
# (-displayfd); only a client with the run's cookie may connect.
iniciar_x() {
    unset DISPLAY
    for ferramenta in Xvfb xauth xdotool import pdftotext; do
        command -v "$ferramenta" >/dev/null || falhar "falta $ferramenta (./run tests instala o que falta)"
    done
    rm -rf "$SAIDA"
    mkdir -p "$SAIDA"
    # The watchdog ends the run when it outlasts its limit; it takes its
    # own pause along when it is stopped first.
    (
        trap 'kill $sono 2>/dev/null; exit 0' TERM
        sleep "$LIMITE" &
        sono=$!
        wait $sono
        kill -TERM $$ 2>/dev/null
    ) >/dev/null 2>&1 &
    PID_VIGIA=$!

    # A cookie of family "wild" with no display number serves whichever
    # display Xvfb takes.
    export XAUTHORITY="$TRABALHO/Xauthority"
    : >"$XAUTHORITY"
    echo "ffff 0000  0000  0012 $(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n') 0010" \
        "$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')" | xauth -q -f "$XAUTHORITY" nmerge -

    Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -noreset -screen 0 1280x1024x24 \
        3>"$TRABALHO/display" >"$TRABALHO/xvfb.log" 2>&1 &
    PID_X=$!
    local fim=$((SECONDS + ESPERA))
    until [ -s "$TRABALHO/display" ]; do
        kill -0 "$PID_X" 2>/dev/null || falhar "o Xvfb não iniciou: $(cat "$TRABALHO/xvfb.log")"
        [ $SECONDS -lt $fim ] || falhar "o Xvfb não ficou pronto em ${ESPERA} s"
        sleep 0.1
    done
    export DISPLAY=":$(head -1 "$TRABALHO/display")"
    xdotool getdisplaygeometry >/dev/null || falhar "sem acesso ao Xvfb em $DISPLAY"
}

# The program in a base folder made for this run, as a user starts it:
# the folder is the current directory; Qt draws on the X server.
iniciar_programa() {
    local base="$TRABALHO/base"
    mkdir -p "$base" "$TRABALHO/home" "$TRABALHO/runtime"
    chmod 700 "$TRABALHO/runtime"
    cp -r "$BASE_ORIGEM/Pictures" "$base/"
    mkdir -p "$base/Config"
    if [ -d "$BASE_ORIGEM/Config" ]; then
        cp -r "$BASE_ORIGEM/Config/." "$base/Config/"
    fi
    # A designer or manufacturer file left by someone's earlier run is no
    # part of a fresh start.
    rm -f "$base/Config/Projetista.ini" "$base/Config/Fabricante.ini"
    BASE="$base"
    (
        cd "$base"
        exec env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI \
            QT_QPA_PLATFORM=xcb HOME="$TRABALHO/home" XDG_CONFIG_HOME="$TRABALHO/home/.config" \
            XDG_RUNTIME_DIR="$TRABALHO/runtime" "$PROGRAMA"
    ) >"$TRABALHO/programa.log" 2>&1 &
    PID_PROGRAMA=$!
}

# The visible window whose title, as the window system shows it, is exactly
# `titulo` (nothing added), once it is there; its id on the standard output.
# A program that ends meanwhile ends the wait at once.
esperar_janela() {
    local titulo=$1 id="" fim=$((SECONDS + ESPERA)) candidato
    while [ -z "$id" ]; do
        kill -0 "$PID_PROGRAMA" 2>/dev/null || falhar "o programa terminou esperando \"$titulo\""
        [ $SECONDS -lt $fim ] ||
            falhar "a janela \"$titulo\" não apareceu em ${ESPERA} s; na tela: $(titulos_na_tela)"
        for candidato in $(timeout 1 xdotool search --onlyvisible --name '.' 2>/dev/null); do
            if [ "$(xdotool getwindowname "$candidato" 2>/dev/null)" = "$titulo" ]; then
                id=$candidato
                break
            fi
        done
        [ -n "$id" ] || sleep 0.1
    done
    echo "$id"
}

# The titles of the visible windows, as the window system shows them.
titulos_na_tela() {
    local candidato
    for candidato in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        printf '"%s" ' "$(xdotool getwindowname "$candidato" 2>/dev/null)"
    done
}

# The window's title, as the window system shows it, is exactly `titulo`.
conferir_titulo() {
    local atual
    atual=$(xdotool getwindowname "$1" 2>/dev/null) || falhar "a janela $1 não tem título"
    [ "$atual" = "$2" ] || falhar "título \"$atual\", esperado \"$2\""
}

# Waits until the window is no longer shown.
esperar_fechar() {
    local id=$1 fim=$((SECONDS + ESPERA))
    while xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$id"; do
        [ $SECONDS -lt $fim ] || falhar "a janela $id ($2) não fechou em ${ESPERA} s"
        sleep 0.1
    done
}

# With no window manager, the keyboard goes where the X input focus is.
focar() {
    timeout "$ESPERA" xdotool windowfocus --sync "$1" || falhar "a janela $1 não recebeu o foco"
}

teclas() { xdotool key --delay 80 "$@"; }

# A click at a point of the window (x, y from its top-left corner), for
# what no key reaches: the toolbar buttons that have no shortcut.
clicar() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Replaces the text of the focused field with what is typed.
digitar() {
    xdotool key ctrl+a
    xdotool type --delay 60 "$1"
}

# A screenshot of the whole screen, numbered in the order of the steps.
capturar() {
    PASSO=$((PASSO + 1))
    import -window root "$SAIDA/$(printf '%02d' "$PASSO")-$1.png" || falhar "não foi possível capturar a tela"
}

# Waits for the program to end by itself.
esperar_termino() {
    local fim=$((SECONDS + ESPERA))
    while kill -0 "$PID_PROGRAMA" 2>/dev/null; do
        [ $SECONDS -lt $fim ] || falhar "o programa não terminou em ${ESPERA} s"
        sleep 0.1
    done
    wait "$PID_PROGRAMA" || falhar "o programa terminou com o código $?"
    PID_PROGRAMA=""
}

# The lines, in order and one after the other, in the file of CR LF lines
# (texts in windows-1252 bytes).
conferir_linhas() {
    local arquivo=$1 bloco="" conteudo LC_ALL=C
    shift
    for linha in "$@"; do bloco+="$linha"$'\r\n'; done
    conteudo=$(cat "$arquivo"; echo .)
    [[ "$conteudo" == *"$bloco"* ]] || falhar "$(basename "$arquivo") não tem as linhas: $(printf '%q ' "$@")"
}

# Every line of the file ends in CR LF.
conferir_crlf() {
    local sem
    sem=$(LC_ALL=C grep -vc $'\r$' "$1" || true)
    [ "$sem" = 0 ] || falhar "$(basename "$1"): $sem linhas sem CR LF"
}

# Each text is in the PDF's text.
conferir_pdf() {
    local pdf=$1 texto
    shift
    texto=$(pdftotext "$pdf" -) || falhar "pdftotext não leu $(basename "$pdf")"
    for esperado in "$@"; do
        [[ "$texto" == *"$esperado"* ]] || falhar "$(basename "$pdf") não tem o texto \"$esperado\""
    done
}
