#include "saidaRecobrimentos.h"

#include "planilhaCsv.h"

#include <algorithm>

bool pedeRecobrimentos(const std::vector<std::string>& argumentos)
{
    return std::find(argumentos.begin(), argumentos.end(), "--recobrimentos") != argumentos.end();
}

ArgumentosRecobrimentos lerArgumentosRecobrimentos(const std::vector<std::string>& argumentos)
{
    ArgumentosRecobrimentos a;
    if (pedeAjuda(argumentos)) {
        a.ajuda = a.ok = true;
        return a;
    }
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& arg = argumentos[i];
        std::string* destino = arg == "--projeto" ? &a.projeto
                             : arg == "--pdf"     ? &a.pastaPdf
                             : arg == "--xlsx"    ? &a.xlsx
                                                  : nullptr;
        if (destino) {
            if (i + 1 >= argumentos.size() || argumentos[i + 1].empty()) {
                a.erro = arg + " pede " + (arg == "--pdf" ? "a pasta" : "o arquivo");
                return a;
            }
            *destino = argumentos[++i];
        } else if (arg == "--csv") {
            a.csv = true;
        } else if (arg != "--recobrimentos") {
            a.erro = (arg.size() > 1 && arg[0] == '-' ? "opção desconhecida: " : "argumento a mais: ") + arg;
            return a;
        }
    }
    if (a.projeto.empty())
        a.erro = "falta --projeto com o projeto de onde vêm os parâmetros";
    a.ok = a.erro.empty();
    return a;
}

const std::vector<std::string>& chavesRecobrimento()
{
    static const std::vector<std::string> chaves{"di", "classe", "tipo", "carga", "intervalos"};
    return chaves;
}

CamposSaida camposRecobrimento(int di, const ClasseRecobrimento& c)
{
    return {{"di", std::to_string(di)},
            {"classe", c.carga.classe},
            {"tipo", c.carga.armado ? "armado" : "simples"},
            {"carga", numeroSaida(c.carga.carga)},
            {"intervalos", textoIntervalosSaida(c.intervalos)}};
}

std::string saidaRecobrimentos(const TabelaRecobrimentos& tabela, bool csv)
{
    std::string texto = csv ? linhaCsv(chavesRecobrimento()) : std::string();
    for (const DiametroRecobrimento& d : tabela.diametros)
        for (const ClasseRecobrimento& c : d.classes) {
            const CamposSaida campos = camposRecobrimento(d.di, c);
            if (csv) {
                std::vector<std::string> valores;
                for (const auto& campo : campos)
                    valores.push_back(campo.second);
                texto += linhaCsv(valores);
            } else {
                if (!texto.empty())
                    texto += "\n";
                texto += blocoChaveValor(campos);
            }
        }
    return texto;
}

namespace {

CelulaPlanilha texto(std::string t) { return CelulaPlanilha::deTexto(std::move(t)); }
CelulaPlanilha numero(double v, int casas) { return CelulaPlanilha::deNumero(v, casas); }

FolhaPlanilha folhaClasses(const TabelaRecobrimentos& tabela)
{
    FolhaPlanilha f{"Recobrimentos por classe", {}, 1};
    f.linhas.push_back({texto("di (mm)"), texto("classe"), texto("tipo"), texto("carga (kN/m)"), texto("intervalos (m)")});
    for (const DiametroRecobrimento& d : tabela.diametros)
        for (const ClasseRecobrimento& c : d.classes)
            f.linhas.push_back({numero(d.di, 0), texto(c.carga.classe), texto(c.carga.armado ? "armado" : "simples"),
                                numero(c.carga.carga, 2), texto(textoIntervalosSaida(c.intervalos))});
    return f;
}

FolhaPlanilha folhaClassePorCobertura(const TabelaRecobrimentos& tabela)
{
    FolhaPlanilha f{"Classe por altura", {}, 1};
    LinhaPlanilha cabecalho{texto("di (mm) \\ hs (m)")};
    for (int cm : coberturasClassePorCobertura())
        cabecalho.push_back(numero(cm / 100.0, 2));
    f.linhas.push_back(std::move(cabecalho));
    for (const DiametroRecobrimento& d : tabela.diametros) {
        LinhaPlanilha linha{numero(d.di, 0)};
        for (int cm : coberturasClassePorCobertura())
            linha.push_back(texto(classePorCobertura(d, cm)));
        f.linhas.push_back(std::move(linha));
    }
    return f;
}

FolhaPlanilha folhaPontos(const TabelaRecobrimentos& tabela)
{
    FolhaPlanilha f{"R por altura", {}, 1};
    f.linhas.push_back({texto("di (mm)"), texto("hs (m)"), texto("R (kN/m)"), texto("sem R")});
    for (const DiametroRecobrimento& d : tabela.diametros)
        for (int cm = coberturaInicialTabela; cm <= coberturaFinalTabela; ++cm) {
            const PontoRecobrimento& p = d.ponto(cm);
            f.linhas.push_back({numero(d.di, 0), numero(cm / 100.0, 2), p.classificado ? numero(p.R, 2) : texto(""),
                                texto(p.mensagem)});
        }
    return f;
}

} // namespace

Planilha planilhaRecobrimentos(const TabelaRecobrimentos& tabela)
{
    return {{folhaClasses(tabela), folhaClassePorCobertura(tabela), folhaPontos(tabela)}};
}

std::string csvRecobrimentos(const TabelaRecobrimentos& tabela) { return montarCsv(folhaClasses(tabela)); }
