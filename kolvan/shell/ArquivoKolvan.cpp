#include "ArquivoKolvan.h"

#include "ArquivoLinhas.h"

const char* const filtroArquivosKolvan = "Arquivos tipo:         *.kvn (*.kvn)";

bool salvarProjeto(const ProjetoTubo& projeto, const QString& caminho, QString& erro)
{
    return gravarArquivoLinhas(linhasProjeto(projeto), caminho, erro);
}

LeituraProjeto abrirProjeto(const QString& caminho, const ProjetoTubo& atual)
{
    std::vector<std::string> linhas;
    LeituraProjeto r;
    r.projeto = atual;
    if (!lerArquivoLinhas(caminho, linhas, r.erro))
        return r;
    return lerLinhasProjeto(linhas, atual);
}
