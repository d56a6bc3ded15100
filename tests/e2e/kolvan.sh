#!/usr/bin/env bash
# Kolvan from start to exit as a user drives it, on an X server of its own:
# the disclaimer, the designer and work data, every input window of the
# road with typed values, the class result,
# the project saved through the save dialog, the report saved as a PDF from
# its preview, and the exit question. Then the project file and the PDF are
# read back. Screenshots of every step stay in the output folder.
#
#   kolvan.sh PROGRAMA PASTA_BASE PASTA_SAIDA
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
principal=$(esperar_janela 'Especificação da classe de resistência dos tubos de concreto')
capturar principal

# "Dados do projetista" and "Dados da Obra/Cliente" have no shortcut: their
# toolbar buttons, the seventh and the eighth (after a bar), are clicked.
focar "$principal"
clicar "$principal" 226 37
janela=$(esperar_janela 'Dados do Projetista')
focar "$janela"
digitar 'Ana Souza'
teclas Tab
digitar '12345/D'
capturar projetista
teclas alt+F4
esperar_fechar "$janela" "Dados do projetista"
focar "$principal"
clicar "$principal" 258 37
janela=$(esperar_janela 'Dados da Obra/Cliente')
focar "$janela"
digitar 'Galeria pluvial'
capturar obra
teclas alt+F4
esperar_fechar "$janela" "Dados da Obra/Cliente"

# Geometria (F2): the focus starts on the purpose; Tab to the diameter,
# typed, and to the length, one down. Alt+F4 confirms the input windows.
focar "$principal"
teclas F2
janela=$(esperar_janela 'Parâmetros da Geometria')
focar "$janela"
teclas Tab Tab
xdotool type --delay 60 800
teclas Tab Down
capturar geometria
teclas alt+F4
esperar_fechar "$janela" "Geometria"

# Instalação (F3): a trench; the focus starts on its type; four Tabs reach
# the cover height, the next one the trench width.
focar "$principal"
teclas F3
janela=$(esperar_janela 'Parâmetros da Instalação')
focar "$janela"
teclas Tab Tab Tab Tab
digitar '2,5'
teclas Tab
digitar '1,8'
capturar instalacao
teclas alt+F4
esperar_fechar "$janela" "Instalação"

# Sobrecarga (F4): four down from "Rodoviária" is "Definida pelo usuário";
# Tab reaches its load.
focar "$principal"
teclas F4
janela=$(esperar_janela 'Parâmetros da Sobrecarga')
focar "$janela"
teclas Down Down Down Down Tab
digitar '12'
capturar sobrecarga
teclas alt+F4
esperar_fechar "$janela" "Sobrecarga"

# Tipo de base (F5): the trench bedding; Tab from the classes reaches the
# safety coefficient.
focar "$principal"
teclas F5
janela=$(esperar_janela 'Parâmetros da Base')
focar "$janela"
teclas Tab
digitar '1,6'
capturar base
teclas alt+F4
esperar_fechar "$janela" "Tipo de base"

# Resultado da classe do tubo (F6), confirmed.
focar "$principal"
teclas F6
janela=$(esperar_janela 'Resultados - Classe')
capturar resultado
focar "$janela"
teclas alt+F4
esperar_fechar "$janela" "Resultado da classe"
capturar resumo

# Salvar (Ctrl+S): the save dialog proposes ClaTubo1 in Arquivos; a name
# typed over it, Enter.
focar "$principal"
teclas ctrl+s
janela=$(esperar_janela 'Salvar')
focar "$janela"
digitar 'obra-e2e'
capturar salvar
teclas Return
esperar_fechar "$janela" "Salvar"
# Saving leaves the caption as it was.
conferir_titulo "$principal" 'Especificação da classe de resistência dos tubos de concreto'

# Relatório (F7): the preview; "Salvar em PDF" (Ctrl+E), a name, Enter;
# Esc closes the preview.
focar "$principal"
teclas F7
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

# The project file: windows-1252, CR LF, the typed values in their sections.
kvn="$BASE/Arquivos/obra-e2e.kvn"
[ -f "$kvn" ] || falhar "o projeto não foi salvo em Arquivos/obra-e2e.kvn"
cp "$kvn" "$SAIDA/"
conferir_crlf "$kvn"
separador=-------------------------------------------------------
conferir_linhas "$kvn" PROJETISTA 'Ana Souza' '12345/D'
conferir_linhas "$kvn" OBRA 'Galeria pluvial'
conferir_linhas "$kvn" "GEOMETRIA" 0 1 6 1 "$separador"
conferir_linhas "$kvn" $'INSTALA\xc7\xc3O' 0 2 '2,50' '1,80' "$separador"
conferir_linhas "$kvn" SOBRECARGA 4 '12,00' "$separador"
conferir_linhas "$kvn" "FATOR DE EQUIVALENCIA" 2 '1,5' '1,60' "$separador"
conferir_linhas "$kvn" "CLASSE DO TUBO" '82,84 kN/m' ' 108,00 kN/m' $' n\xe3o existe' ' PA3' "$separador"

# The report as a PDF: its captions and the computed class.
pdf="$BASE/Arquivos/relatorio-e2e.pdf"
[ -f "$pdf" ] || falhar "o relatório não foi salvo em Arquivos/relatorio-e2e.pdf"
cp "$pdf" "$SAIDA/"
conferir_pdf "$pdf" "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO" "Ana Souza" "12345/D" \
    "Galeria pluvial" "Dados da Geometria:" \
    "Diâmetro interno = 800 mm" "Comprimento Longitudinal = 1,50 m" "Dados da Instalação:" \
    "Altura de terra (hs): 2,50 m" "Largura da vala (bv) = 1,80 m" "Natureza: Definida pelo usuário" \
    "Valor = 12,00 kN/m" "γf = 1,60" "Resultados - Classe" "Valor = 82,84 kN/m" "Tubos Armados = 108,00 kN/m" \
    "Tubos Simples = não existe" "Classe do Tubo: PA3"

# The exit wrote the designer data for the next run.
[ -f "$BASE/Config/Projetista.ini" ] || falhar "a saída não gravou Config/Projetista.ini"
conferir_linhas "$BASE/Config/Projetista.ini" 'Ana Souza' '12345/D'
echo "e2e kolvan: ok, capturas em $SAIDA"
