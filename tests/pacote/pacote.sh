#!/usr/bin/env bash
# The Debian package: the files it holds, and the programs it installs,
# unpacked into a scratch root, started from an empty folder with a home of
# their own under an X server of the run's own. Each shows its pictures
# (the geometry window's picture, against a start with the pictures taken
# away), and writes its configuration into the user's data folder, made
# from the shipped defaults, leaving the folder it was started from empty.
#
#   pacote.sh PASTA_BUILD PASTA_SAIDA
set -euo pipefail
BUILD=$(realpath "$1")
SAIDA_PACOTE=$(realpath -m "$2")
RAIZ_TESTE=$(mktemp -d "${TMPDIR:-/tmp}/kr-pacote.XXXXXX")
trap 'rm -rf "$RAIZ_TESTE"' EXIT

cpack --config "$BUILD/CPackConfig.cmake" -B "$RAIZ_TESTE/deb" >"$RAIZ_TESTE/cpack.log" 2>&1 ||
    { cat "$RAIZ_TESTE/cpack.log" >&2; exit 1; }
DEB=$(ls "$RAIZ_TESTE"/deb/kolvan-redwan_*.deb)

# The file list.
dpkg-deb -c "$DEB" | awk '{print $6}' | sed 's|^\./|/|' >"$RAIZ_TESTE/lista"
for f in /usr/bin/kolvan /usr/bin/redwan /usr/bin/kolvan-calc /usr/bin/redwan-calc \
         /usr/share/kolvan-redwan/Pictures/secc.bmp /usr/share/kolvan-redwan/Pictures/logofabri.bmp \
         /usr/share/kolvan-redwan/Config/Creditos.txt \
         /usr/share/applications/kolvan.desktop /usr/share/applications/redwan.desktop \
         /usr/share/mime/packages/kolvan-redwan.xml \
         /usr/share/icons/hicolor/256x256/apps/kolvan.png /usr/share/icons/hicolor/256x256/apps/redwan.png \
         /usr/share/icons/hicolor/256x256/mimetypes/application-x-kolvan.png \
         /usr/share/icons/hicolor/256x256/mimetypes/application-x-redwan.png \
         /usr/share/man/man1/kolvan-calc.1 /usr/share/man/man1/redwan-calc.1; do
    grep -qx "$f" "$RAIZ_TESTE/lista" || { echo "pacote: falta $f" >&2; exit 1; }
done
figuras=$(grep -c '^/usr/share/kolvan-redwan/Pictures/.*\.bmp$' "$RAIZ_TESTE/lista")
[ "$figuras" -ge 30 ] || { echo "pacote: só $figuras figuras" >&2; exit 1; }
dpkg-deb -f "$DEB" Depends | grep -q 'libqt6widgets6' || { echo "pacote: Depends sem o Qt" >&2; exit 1; }
dpkg-deb -x "$DEB" "$RAIZ_TESTE/raiz"
grep -qx 'Exec=kolvan %f' "$RAIZ_TESTE/raiz/usr/share/applications/kolvan.desktop"
grep -qx 'MimeType=application/x-redwan;' "$RAIZ_TESTE/raiz/usr/share/applications/redwan.desktop"

PROGRAMA=$RAIZ_TESTE/raiz/usr/bin/kolvan
BASE_ORIGEM=$RAIZ_TESTE/raiz
SAIDA=$SAIDA_PACOTE
source "$(dirname "$0")/../e2e/comum.sh"
iniciar_x

# The program as a user starts it from an empty folder, with the scratch home.
iniciar_instalado() {
    local programa=$1 casa=$2
    mkdir -p "$TRABALHO/vazia" "$casa" "$TRABALHO/runtime"
    chmod 700 "$TRABALHO/runtime"
    (
        cd "$TRABALHO/vazia"
        exec env -u QT_QPA_PLATFORM -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_DOCUMENTS_DIR \
            QT_QPA_PLATFORM=xcb HOME="$casa" XDG_RUNTIME_DIR="$TRABALHO/runtime" "$programa"
    ) >"$TRABALHO/programa.log" 2>&1 &
    PID_PROGRAMA=$!
}

# CORES: the number of colours of the geometry window (titled $3), after the
# disclaimer, in the main window titled $2; then the program is left through
# the exit question.
cores_da_geometria() {
    local nome=$1 aviso principal janela x y w h
    aviso=$(esperar_janela 'Aviso')
    focar "$aviso"
    teclas Return
    esperar_fechar "$aviso" Aviso
    principal=$(esperar_janela "$2")
    focar "$principal"
    teclas F2
    janela=$(esperar_janela "$3")
    sleep 0.5
    capturar "$nome"
    eval "$(xdotool getwindowgeometry --shell "$janela")"
    CORES=$(convert "$SAIDA/$(printf '%02d' "$PASSO")-$nome.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -format %k info:)
    teclas Escape
    esperar_fechar "$janela" Geometria
    focar "$principal"
    teclas ctrl+q
    janela=$(esperar_janela 'Confirmação')
    focar "$janela"
    teclas Return
    esperar_termino
}

for programa in kolvan redwan; do
    case $programa in
        kolvan) titulo='Especificação da classe de resistência dos tubos de concreto'
                geometria='Parâmetros da Geometria'; config=Projetista.ini ;;
        redwan) titulo='Dimensionamento da armadura de tubos de concreto armado'
                geometria='Geometria'; config=Fabricante.ini ;;
    esac
    # Without the installed pictures: the base line.
    mv "$RAIZ_TESTE/raiz/usr/share/kolvan-redwan" "$RAIZ_TESTE/escondida"
    iniciar_instalado "$RAIZ_TESTE/raiz/usr/bin/$programa" "$TRABALHO/casa-sem"
    cores_da_geometria "$programa-sem-figuras" "$titulo" "$geometria"
    sem=$CORES
    mv "$RAIZ_TESTE/escondida" "$RAIZ_TESTE/raiz/usr/share/kolvan-redwan"
    rm -rf "$TRABALHO/vazia"/*

    casa=$TRABALHO/casa-$programa
    iniciar_instalado "$RAIZ_TESTE/raiz/usr/bin/$programa" "$casa"
    cores_da_geometria "$programa-instalado" "$titulo" "$geometria"
    com=$CORES
    [ "$com" -gt $((sem + 100)) ] || falhar "$programa não mostrou as figuras ($com cores contra $sem sem elas)"
    dados=$casa/.local/share/$programa
    [ -f "$dados/Config/$config" ] || falhar "$programa não gravou $dados/Config/$config"
    [ -f "$dados/Config/Creditos.txt" ] || falhar "$programa não copiou os créditos para $dados/Config"
    [ -z "$(ls -A "$TRABALHO/vazia")" ] || falhar "$programa gravou na pasta em que foi iniciado"
    echo "$programa: $com cores na geometria com as figuras, $sem sem elas; configuração em $dados/Config"
done
[ -f "$TRABALHO/casa-redwan/.local/share/redwan/Pictures/logofabri.bmp" ] ||
    falhar "o logotipo do fabricante não foi gravado na pasta do usuário"

# A double-click in a file manager: the desktop entry, found through the
# MIME type of the file, opens the project in Kolvan. The project is changed
# and its class confirmed again; leaving asks to save it: "Cancelar" keeps the
# program open, "Sim" saves through the save dialog before the exit question.
DADOS=$RAIZ_TESTE/raiz/usr/share
EXEMPLOS=$(realpath "$(dirname "$0")/../../exemplos")
export XDG_DATA_DIRS=$DADOS:/usr/share
update-mime-database "$DADOS/mime" >/dev/null
update-desktop-database "$DADOS/applications"
for tipo in projeto-exemplo.kvn:application/x-kolvan tubo-exemplo.rdw:application/x-redwan; do
    achado=$(gio info -a standard::content-type "$EXEMPLOS/${tipo%%:*}" | sed -n 's/.*content-type: //p')
    [ "$achado" = "${tipo#*:}" ] || falhar "${tipo%%:*} é do tipo \"$achado\", não ${tipo#*:}"
done
grep -qx 'application/x-kolvan=kolvan.desktop;' "$DADOS/applications/mimeinfo.cache" ||
    falhar "o tipo dos projetos do Kolvan não abre no Kolvan"
grep -qx 'application/x-redwan=redwan.desktop;' "$DADOS/applications/mimeinfo.cache" ||
    falhar "o tipo dos projetos do Redwan não abre no Redwan"

projeto=$TRABALHO/documentos/projeto-exemplo.kvn
mkdir -p "$TRABALHO/documentos"
cp "$EXEMPLOS/projeto-exemplo.kvn" "$projeto"
(
    cd "$TRABALHO/vazia"
    exec env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb HOME="$TRABALHO/casa-kolvan" XDG_RUNTIME_DIR="$TRABALHO/runtime" \
        PATH="$RAIZ_TESTE/raiz/usr/bin:$PATH" gio open "$projeto"
) >"$TRABALHO/programa.log" 2>&1 || falhar "gio open não abriu $projeto"
fim=$((SECONDS + ESPERA))
until PID_PROGRAMA=$(pgrep -n -f "kolvan $projeto"); do
    [ $SECONDS -lt $fim ] || falhar "o Kolvan não foi iniciado pelo duplo clique"
    sleep 0.1
done
aviso=$(esperar_janela 'Aviso')
focar "$aviso"
teclas Return
principal=$(esperar_janela 'projeto-exemplo.kvn - Especificação da classe de resistência dos tubos de concreto')
focar "$principal"
clicar "$principal" 258 37
janela=$(esperar_janela 'Dados da Obra/Cliente')
focar "$janela"
digitar 'Galeria alterada'
teclas alt+F4
esperar_fechar "$janela" "Dados da Obra/Cliente"
focar "$principal"
teclas F6
janela=$(esperar_janela 'Resultados - Classe')
focar "$janela"
teclas alt+F4
esperar_fechar "$janela" "Resultado da classe"
focar "$principal"
teclas ctrl+q
pergunta=$(esperar_janela 'Kolva')
capturar pergunta-salvar
focar "$pergunta"
teclas Escape
esperar_fechar "$pergunta" "pergunta de salvar"
sleep 0.5
kill -0 "$PID_PROGRAMA" 2>/dev/null || falhar "\"Cancelar\" não manteve o Kolvan aberto"
conferir_titulo "$principal" '*projeto-exemplo.kvn - Especificação da classe de resistência dos tubos de concreto'
focar "$principal"
teclas ctrl+q
pergunta=$(esperar_janela 'Kolva')
focar "$pergunta"
teclas Return
janela=$(esperar_janela 'Salvar')
focar "$janela"
digitar "$TRABALHO/documentos/alterado.kvn"
teclas Return
esperar_fechar "$janela" "Salvar"
janela=$(esperar_janela 'Confirmação')
focar "$janela"
teclas Return
fim=$((SECONDS + ESPERA))
while kill -0 "$PID_PROGRAMA" 2>/dev/null; do
    [ $SECONDS -lt $fim ] || falhar "o Kolvan não terminou"
    sleep 0.1
done
PID_PROGRAMA=""
cmp -s "$projeto" "$EXEMPLOS/projeto-exemplo.kvn" || falhar "o projeto aberto foi alterado"
conferir_linhas "$TRABALHO/documentos/alterado.kvn" OBRA 'Galeria alterada'
echo "duplo clique: projeto-exemplo.kvn aberto no Kolvan; ao sair, a pergunta de salvar; salvo como alterado.kvn"
