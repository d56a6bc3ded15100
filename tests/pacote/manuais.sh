#!/usr/bin/env bash
# The calculators' manual pages: every option a calculator's own usage names
# (in each of its forms) is described in its page, and groff reads the page
# without a warning.
#
#   manuais.sh PASTA_BIN PASTA_PACKAGING
set -euo pipefail
BIN=$1
PAGINAS=$2
falhas=0

conferir() {
    local pagina=$1
    shift
    local opcoes
    opcoes=$("$@" | grep -oE -- '--[a-z][a-z-]*' | sort -u)
    for opcao in $opcoes; do
        # A manual page writes each hyphen as \-.
        if ! grep -qF -- "${opcao//-/\\-}" "$PAGINAS/$pagina"; then
            echo "$pagina não descreve $opcao (de: ${*##*/})" >&2
            falhas=$((falhas + 1))
        fi
    done
}

conferir kolvan-calc.1 "$BIN/kolvan-calc" --help
conferir kolvan-calc.1 "$BIN/kolvan-calc" --rede --help
conferir kolvan-calc.1 "$BIN/kolvan-calc" --recobrimentos --help
conferir redwan-calc.1 "$BIN/redwan-calc" --help
conferir redwan-calc.1 "$BIN/redwan-calc" --tabela --help

for pagina in kolvan-calc.1 redwan-calc.1; do
    avisos=$(groff -k -man -Tutf8 -ww -z "$PAGINAS/$pagina" 2>&1)
    if [ -n "$avisos" ]; then
        echo "$avisos" >&2
        falhas=$((falhas + 1))
    fi
done
[ "$falhas" -eq 0 ]
