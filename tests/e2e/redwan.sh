#!/usr/bin/env bash
# Redwan from start to exit as a user drives it, on an X server of its own:
# the disclaimer, the manufacturer and work data, every input window of the
# road with typed values, the design run and its results window, the
# project saved through the save dialog, the report saved as a PDF from its
# preview, and the exit question. Then the project file, the manufacturer
# file and the PDF are read back. Screenshots of every step stay in the
# output folder.
#
#   redwan.sh PROGRAMA PASTA_BASE PASTA_SAIDA
set -euo pipefail
PROGRAMA=$1
BASE_ORIGEM=$2
SAIDA=$3
source "$(dirname "$0")/comum.sh"

iniciar_x
iniciar_programa

# The disclaimer: "Iniciar" has the focus.
aviso=$(esperar_janela 'Aviso')
capturar aviso
focar "$aviso"
teclas Return
esperar_fechar "$aviso" "Aviso"
principal=$(esperar_janela 'Dimensionamento da armadura de tubos de concreto armado')
capturar principal

# "Fabricante" and "Obra/Cliente" have no shortcut: their toolbar buttons,
# the sixth and the seventh (after a bar), are clicked. In the manufacturer
# window the name is typed, eleven Tabs reach "Imprimir dados do fabricante
# no relatório", three more "Confirma".
focar "$principal"
clicar "$principal" 193 37
janela=$(esperar_janela 'Dados do Fabricante')
focar "$janela"
digitar 'Tubos Horizonte'
teclas Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
capturar fabricante
teclas Tab Tab Tab space
esperar_fechar "$janela" "Fabricante"
# The work window: the services typed; two Tabs back from the first field
# are "Confirma" (Alt+F4 only closes this window).
focar "$principal"
clicar "$principal" 226 37
janela=$(esperar_janela 'Dados da Obra e do Cliente')
focar "$janela"
digitar 'Rede coletora'
capturar obra
teclas shift+Tab shift+Tab space
esperar_fechar "$janela" "Obra/Cliente"

# Geometria (F2): the focus starts on the purpose; Tab to the joint, one
# up ("Macho e Fêmea"), Tab to the diameter, typed. Alt+F4 confirms the
# input windows.
focar "$principal"
teclas F2
janela=$(esperar_janela 'Geometria')
focar "$janela"
teclas Tab Up Tab
xdotool type --delay 60 1000
capturar geometria
teclas alt+F4
esperar_fechar "$janela" "Geometria"

# Classe do tubo (F3): four down from "PA1" is "Especial"; Tab reaches its
# load, typed.
focar "$principal"
teclas F3
janela=$(esperar_janela 'Tubo')
focar "$janela"
teclas Down Down Down Down Tab
digitar '190'
capturar classe
teclas alt+F4
esperar_fechar "$janela" "Classe do tubo"

# Armadura (F4): the focus starts on fck, typed; Tab to the type, one down
# ("Circular dupla"); three Tabs pass the two covers to the wall, typed.
focar "$principal"
teclas F4
janela=$(esperar_janela 'Armadura')
focar "$janela"
digitar '40'
teclas Tab Down Tab Tab Tab
digitar '150'
capturar armadura
teclas alt+F4
esperar_fechar "$janela" "Armadura"

# Resultado do dimensionamento (F5): the results window, confirmed.
focar "$principal"
teclas F5
janela=$(esperar_janela 'Dimensionamento Armadura')
capturar resultado
focar "$janela"
teclas alt+F4
esperar_fechar "$janela" "Resultado do dimensionamento"
capturar resumo

# Salvar (Ctrl+S): the save dialog proposes DimTubo1 in Arquivos; a name
# typed over it, Enter.
focar "$principal"
teclas ctrl+s
janela=$(esperar_janela 'Salvar')
focar "$janela"
digitar 'tubo-e2e'
capturar salvar
teclas Return
esperar_fechar "$janela" "Salvar"
# Saving leaves the caption as it was.
conferir_titulo "$principal" 'Dimensionamento da armadura de tubos de concreto armado'

# Relatório (F6): the preview; "Salvar em PDF" (Ctrl+E), a name, Enter;
# Esc closes the preview.
focar "$principal"
teclas F6
previa=$(esperar_janela 'Visualização do relatório')
focar "$previa"
capturar relatorio
teclas ctrl+e
janela=$(esperar_janela 'Salvar em PDF')
focar "$janela"
digitar 'relatorio-e2e'
capturar salvar-pdf
teclas Return
esperar_fechar "$janela" "Salvar em PDF"
focar "$previa"
teclas Escape
esperar_fechar "$previa" "Visualização do relatório"

# Sair (Ctrl+Q): "Sim" has the focus of the exit question.
focar "$principal"
teclas ctrl+q
janela=$(esperar_janela 'Confirmação')
capturar sair
focar "$janela"
teclas Return
esperar_termino

# The project file: windows-1252, CR LF, the typed values in their sections
# and the design results.
rdw="$BASE/Arquivos/tubo-e2e.rdw"
[ -f "$rdw" ] || falhar "o projeto não foi salvo em Arquivos/tubo-e2e.rdw"
cp "$rdw" "$SAIDA/"
conferir_crlf "$rdw"
separador=-------------------------------------------------------
conferir_linhas "$rdw" OBRA 'Rede coletora'
conferir_linhas "$rdw" GEOMETRIA 0 0 7 0 "$separador"
conferir_linhas "$rdw" TUBO 4 '190,00' "$separador"
conferir_linhas "$rdw" ARMADURA '40,00' 1 '3,5' '2,5' 150 '1,15' '1,40' "$separador"
conferir_linhas "$rdw" "DIMENSIOMENTO DA ARMADURA" '32,01 kN.m' '11,50 cm' '1,95 cm' '95,00 kN/m' 2 \
    $'5,62 cm\xb2/m' '19,88 kN.m'
conferir_linhas "$rdw" 'MF 159 + MF 396' 'MF 246' $'6,06 cm\xb2/m' '80,20 kN/m' '0,1270 mm'

# The report as a PDF: its captions and the design values.
pdf="$BASE/Arquivos/relatorio-e2e.pdf"
[ -f "$pdf" ] || falhar "o relatório não foi salvo em Arquivos/relatorio-e2e.pdf"
cp "$pdf" "$SAIDA/"
conferir_pdf "$pdf" "DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO" "Tubos Horizonte" \
    "Serviços Prestados: Rede coletora" "Tipo: Macho e Fêmea" "Diâmetro interno = 1000 mm" \
    "Classe do Tubo: Especial" "Carga minima de ruptura: 190,00 kN/m" "= 40,00 MPa" \
    "Tipo de Armadura: Circular dupla" "Espessura da parede = 150 mm" "As = 5,62 cm²/m" "As = 2,13 cm²/m" \
    "Tela Interna = MF 159 + MF 396" "Tela Externa = MF 246" "Força cortante última = 80,20 kN/m" \
    "(Não passa na verificação de esforço cortante)" "Abertura da fissura = 0,1270 mm"

# The exit wrote the manufacturer data for the next run.
[ -f "$BASE/Config/Fabricante.ini" ] || falhar "a saída não gravou Config/Fabricante.ini"
conferir_linhas "$BASE/Config/Fabricante.ini" FABRICANTE 'Tubos Horizonte'
echo "e2e redwan: ok, capturas em $SAIDA"
