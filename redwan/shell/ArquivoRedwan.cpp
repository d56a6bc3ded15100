#include "ArquivoRedwan.h"

#include "ArquivoLinhas.h"

const char* const filtroArquivosRedwan = "Arquivos tipo:         *.rdw (*.rdw)";
const char* const extensaoArquivosRedwan = ".rdw";
const char* const nomePropostoRedwan = "DimTubo1";

bool salvarProjetoRedwan(const ProjetoRedwan& projeto, const TextosResultados& resultados, const QString& caminho,
                         QString& erro)
{
    return gravarArquivoLinhas(linhasProjetoRedwan(projeto, resultados), caminho, erro);
}

LeituraRedwan abrirProjetoRedwan(const QString& caminho, const ProjetoRedwan& atual,
                                 const TextosResultados& resultadosAtuais)
{
    std::vector<std::string> linhas;
    LeituraRedwan r;
    r.projeto = atual;
    r.resultados = resultadosAtuais;
    if (!lerArquivoLinhas(caminho, linhas, r.erro))
        return r;
    return lerLinhasProjetoRedwan(linhas, atual, resultadosAtuais);
}
