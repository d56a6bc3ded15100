#include "tabelaCalculadora.h"

#include "ArquivoCustos.h"
#include "ArquivoFabricante.h"
#include "ArquivoSeguro.h"
#include "Calculadora.h"
#include "RelatorioLinha.h"
#include "TextoQt.h"
#include "argumentosTabela.h"
#include "buscaParede.h"
#include "conferenciaLinha.h"
#include "geometriaRedwan.h"
#include "numeros.h"
#include "planilhaLinha.h"
#include "planilhaXlsx.h"
#include "saidaCalculadora.h"

#include <QDir>

#include <algorithm>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

bool lerLinhas(const QString& caminho, std::vector<std::string>& linhas, QString& motivo)
{
    QByteArray bytes;
    if (!lerArquivoSeguro(caminho, limiteArquivoConfiguracao, bytes, motivo))
        return false;
    // Spreadsheets write their CSV with a byte-order mark.
    QTextStream fluxo(bytes);
    while (!fluxo.atEnd())
        linhas.push_back(std8(fluxo.readLine()));
    return true;
}
// The configured prices, each overridden by its option.
PrecosCusto precosDaLinhaDeComando(const ArgumentosTabela& a)
{
    PrecosCusto p = lerArquivoCustos();
    aplicarPrecosDados(p, a.precoConcreto, a.precoAco); // checked when the options were read
    return p;
}

// The window's check of the line, with the answers a command line gives:
// what was typed stays (every recommendation declined), and a value the
// window would refuse or put right is refused.
class RespostasCalculadora : public DialogoArmadura {
public:
    bool perguntar(const std::string&) override { return false; }
    void informar(const std::string& texto) override
    {
        if (correcao.empty())
            correcao = texto;
    }
    std::string correcao;
};

const char* opcaoDoCampo(CampoArmadura c)
{
    switch (c) {
    case CampoArmadura::Fck: return "--fck";
    case CampoArmadura::DInt: return "--dint";
    case CampoArmadura::DExt: return "--dext";
    case CampoArmadura::Espessura: return "--espessuras";
    case CampoArmadura::GamaS: return "--gs";
    case CampoArmadura::GamaC: return "--gc";
    }
    return "";
}

std::string ondeNaLinha(const DiametroLinha& d)
{
    std::string onde = "diâmetro " + formatarDecimais(diametroDaLinha(d), 0) + " mm, parede " + d.h + " mm";
    if (d.tipo == armaduraDupla)
        onde += ", --dint " + d.dInt + " --dext " + d.dExt;
    return onde;
}

// What is wrong with the line, after the option or diameter it concerns;
// empty when the window would take it. `linha` becomes what the window
// confirms (numbers in their standard forms).
std::string recusaDaLinha(EntradaLinha& linha)
{
    const EntradaLinha digitada = linha;
    RespostasCalculadora respostas;
    const ConferenciaLinha r = conferirLinha(linha, respostas);
    if (!respostas.correcao.empty()) {
        // The window puts a negative position or a factor below one right
        // with that message, before any refusal: the field it changed is
        // the one refused.
        for (const CampoTextoArmadura& c : camposArmadura()) {
            const std::string& antes = digitada.parametros.*c.texto;
            double a = 0.0, b = 0.0;
            if (lerNumero(antes, a) && lerNumero(linha.parametros.*c.texto, b) &&
                formatarDecimais(a, c.decimais) != formatarDecimais(b, c.decimais))
                return std::string(opcaoDoCampo(c.campo)) + " " + antes + ": " + respostas.correcao;
        }
        return respostas.correcao;
    }
    if (!r.aceita) {
        const std::string motivo = r.mensagem.empty() ? r.aviso : r.mensagem;
        if (r.diametro >= 0)
            return ondeNaLinha(digitada.diametros[static_cast<std::size_t>(r.diametro)]) + ": " + motivo;
        const CampoTextoArmadura* campo = nullptr;
        for (const CampoTextoArmadura& c : camposArmadura())
            if (c.campo == r.campo)
                campo = &c;
        return std::string(opcaoDoCampo(r.campo)) + " " + (campo ? digitada.parametros.*campo->texto : "") + ": " + motivo;
    }
    // The line's window leaves a diameter whose wall cannot hold the cages
    // to fail cell by cell; a line where no wall can hold them is refused,
    // as the design-parameter window refuses such a pipe.
    bool algumaCabe = false;
    std::size_t primeiraDupla = linha.diametros.size();
    for (std::size_t k = 0; k < linha.diametros.size(); ++k) {
        const DiametroLinha& d = linha.diametros[k];
        if (d.tipo != armaduraDupla)
            continue;
        primeiraDupla = std::min(primeiraDupla, k);
        if (posicoesCabemNaParede(converterNumero(d.dInt), converterNumero(d.dExt), converterNumero(d.h)))
            algumaCabe = true;
    }
    if (primeiraDupla < linha.diametros.size() && !algumaCabe)
        return ondeNaLinha(digitada.diametros[primeiraDupla]) + ": " + avisoPosicoesParede;
    return {};
}
} // namespace

std::string saidaTabela(const TabelaLinha& tabela, bool csv)
{
    if (csv)
        return csvCalculadora(tabela);
    const bool parede = paredeBuscadaEmAlguma(tabela);
    const bool menorCusto = menorCustoBuscadoEmAlguma(tabela);
    std::string texto;
    for (const CelulaLinha& c : tabela.celulas) {
        CamposSaida campos;
        for (const CampoCelula& f : camposCelula(tabela, c, parede, menorCusto))
            campos.emplace_back(f.chave, f.valor.numero ? numeroSaida(f.valor.valor) : f.valor.texto);
        texto += blocoChaveValor(campos) + "\n";
    }
    return texto;
}

int executarTabela(int argc, char* argv[])
{
    const auto aplicacao = aplicacaoCalculadora(argc, argv);

    const std::vector<std::string> argumentos = argumentosDe(argc, argv);
    ArgumentosTabela a = lerArgumentosTabela(argumentos);
    if (a.ajuda) {
        escrever(stdout, ajudaTabela);
        return TodosCalculados;
    }
    if (!a.ok) {
        escrever(stderr, "redwan-calc: " + a.erro + "\nuso: " + usoTabela + "\n");
        return UsoErrado;
    }
    if (!a.arquivoEspessuras.empty()) {
        std::vector<std::string> linhas;
        if (QString motivo; !lerLinhas(qt(a.arquivoEspessuras), linhas, motivo)) {
            escrever(stderr, "redwan-calc: não foi possível ler " + a.arquivoEspessuras + ": " + std8(motivo) + "\n");
            return AlgumFalhou;
        }
        if (!linhas.empty())
            linhas.front().erase(0, linhas.front().rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0);
        const std::string problema = aplicarEspessuras(a.linha, linhas);
        if (!problema.empty()) {
            escrever(stderr, "redwan-calc: " + a.arquivoEspessuras + ", " + problema + "\n");
            return AlgumFalhou;
        }
    }

    if (const std::string recusa = recusaDaLinha(a.linha); !recusa.empty()) {
        escrever(stderr, "redwan-calc: " + recusa + "\n");
        return UsoErrado;
    }

    TabelaLinha tabela = dimensionarLinha(a.linha, precosDaLinhaDeComando(a));
    if (a.menorCusto)
        buscarMenoresCustos(tabela);
    else if (a.paredeMinima)
        buscarParedes(tabela);
    escrever(stdout, saidaTabela(tabela, a.csv));

    int status = TodosCalculados;
    if (!a.arquivoXlsx.empty()) {
        const std::string erro = gravarXlsx(planilhaLinha(tabela), a.arquivoXlsx);
        if (!erro.empty()) {
            escrever(stderr, "redwan-calc: " + erro + "\n");
            status = AlgumFalhou;
        }
    }
    if (!a.pastaPdf.empty()) {
        // The manufacturer of the base folder, as "Relatório da tabela" prints it.
        QDir().mkpath(qt(a.pastaPdf));
        DadosRelatorioLinha relatorio;
        relatorio.tabela = tabela;
        relatorio.fabricante = lerArquivoFabricante();
        marcarMomentoAtual(relatorio);
        const QString pdf = QDir(qt(a.pastaPdf)).filePath(QStringLiteral("TabelaArmaduras.pdf"));
        if (!exportarRelatorioLinha(relatorio, pdf)) {
            escrever(stderr, "redwan-calc: não foi possível gravar o relatório " + std8(pdf) + "\n");
            status = AlgumFalhou;
        }
    }
    return status;
}
