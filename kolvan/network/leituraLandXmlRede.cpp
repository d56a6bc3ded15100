#include "leituraRede.h"

#include "ProjetoTubo.h"
#include "numeros.h"
#include "textoUtf8.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <sstream>
#include <unordered_map>

namespace {

// Metres in one unit of LandXML's linear unit names.
std::optional<double> metrosPorUnidade(const std::string& unidade)
{
    static const std::map<std::string, double> fatores{
        {"meter", 1.0},     {"millimeter", 0.001},   {"centimeter", 0.01},         {"kilometer", 1000.0},
        {"foot", 0.3048},   {"USSurveyFoot", 1200.0 / 3937.0}, {"inch", 0.0254},   {"mile", 1609.344},
    };
    const auto achado = fatores.find(unidade);
    if (achado == fatores.end())
        return std::nullopt;
    return achado->second;
}

struct Unidades {
    double linear = 1.0;   // m per unit of lengths and elevations
    double diametro = 0.001; // m per unit of diameters
};

LeituraRede recusa(const std::string& erro)
{
    LeituraRede r;
    r.erro = utf8Saneado(erro); // it may quote the file
    return r;
}

int linhaDe(const std::string& texto, std::ptrdiff_t posicao)
{
    const auto fim = texto.begin() + std::clamp<std::ptrdiff_t>(posicao, 0, static_cast<std::ptrdiff_t>(texto.size()));
    return 1 + static_cast<int>(std::count(texto.begin(), fim, '\n'));
}

// Element names without a namespace prefix, as exporters write either.
const char* semPrefixo(const char* nome)
{
    const char* doisPontos = std::strrchr(nome, ':');
    return doisPontos ? doisPontos + 1 : nome;
}

pugi::xml_node filho(pugi::xml_node no, const char* nome)
{
    for (pugi::xml_node f : no.children())
        if (std::strcmp(semPrefixo(f.name()), nome) == 0)
            return f;
    return {};
}

std::vector<pugi::xml_node> filhos(pugi::xml_node no, const char* nome)
{
    std::vector<pugi::xml_node> lista;
    for (pugi::xml_node f : no.children())
        if (std::strcmp(semPrefixo(f.name()), nome) == 0)
            lista.push_back(f);
    return lista;
}

std::optional<double> numeroXml(const char* texto)
{
    if (!texto || !*texto)
        return std::nullopt;
    std::istringstream in(texto);
    in.imbue(std::locale::classic());
    double valor = 0.0;
    in >> valor;
    if (in.fail() || !std::isfinite(valor))
        return std::nullopt;
    in >> std::ws;
    if (!in.eof())
        return std::nullopt;
    return valor;
}

std::optional<double> atributo(pugi::xml_node no, const char* nome)
{
    return numeroXml(no.attribute(nome).as_string(nullptr));
}

// A point "northing easting [elevation]".
std::optional<std::pair<double, double>> ponto(pugi::xml_node no)
{
    if (!no)
        return std::nullopt;
    std::istringstream in(no.child_value());
    in.imbue(std::locale::classic());
    double n = 0.0, e = 0.0;
    if (!(in >> n >> e) || !std::isfinite(n) || !std::isfinite(e))
        return std::nullopt;
    return std::make_pair(n, e);
}

std::string textoDecimal(double valor, int casas) { return formatarDecimais(valor, casas); }

// The invert of the pipe at a structure, and whether the pipe leaves it
// ("out") or enters it ("in"); exporters name the pipe by refPipe or pipeRef.
struct Invert {
    std::optional<double> cota;
    std::string sentido;
};

// The structures of one network by name (the first of a name counts), with
// their inverts by pipe (the first for a pipe counts): a structure may hold
// thousands of pipes, so each is looked up, not searched.
struct Estrutura {
    pugi::xml_node no;
    std::unordered_map<std::string, Invert> inverts;
};
using Estruturas = std::map<std::string, Estrutura>;

Estruturas estruturasDaRede(pugi::xml_node rede)
{
    Estruturas estruturas;
    for (pugi::xml_node e : filhos(filho(rede, "Structs"), "Struct")) {
        const auto [onde, nova] = estruturas.try_emplace(e.attribute("name").as_string(), Estrutura{e, {}});
        if (!nova)
            continue;
        for (pugi::xml_node inv : e.children()) {
            if (std::strcmp(semPrefixo(inv.name()), "Invert") != 0)
                continue;
            const char* ref = inv.attribute("refPipe") ? inv.attribute("refPipe").as_string() : inv.attribute("pipeRef").as_string();
            onde->second.inverts.try_emplace(ref, Invert{atributo(inv, "elev"), inv.attribute("flowDir").as_string()});
        }
    }
    return estruturas;
}

Invert invertDoTubo(const Estrutura& estrutura, const std::string& tubo)
{
    const auto achado = estrutura.inverts.find(tubo);
    return achado == estrutura.inverts.end() ? Invert{} : achado->second;
}

EntradaTrecho trechoDoTubo(pugi::xml_node tubo, const Estruturas& estruturas, const Unidades& u)
{
    EntradaTrecho e;
    e.trecho = tubo.attribute("name").as_string();
    std::string inicio = tubo.attribute("refStart").as_string();
    std::string fim = tubo.attribute("refEnd").as_string();
    const std::string quem = "Tubo \"" + e.trecho + "\": ";
    auto marcar = [&](const std::string& motivo) {
        if (e.problemaLeitura.empty())
            e.problemaLeitura = quem + motivo;
    };
    const auto achaInicio = estruturas.find(inicio);
    const auto achaFim = estruturas.find(fim);
    Invert invInicio, invFim;
    if (achaInicio != estruturas.end())
        invInicio = invertDoTubo(achaInicio->second, e.trecho);
    if (achaFim != estruturas.end())
        invFim = invertDoTubo(achaFim->second, e.trecho);
    // The flow goes from the structure the pipe leaves; refStart when none says.
    const bool invertido = invInicio.sentido == "in" || invFim.sentido == "out";
    if (invertido) {
        std::swap(inicio, fim);
        std::swap(invInicio, invFim);
    }
    e.montante = inicio;
    e.jusante = fim;

    if (const pugi::xml_node circular = filho(tubo, "CircPipe")) {
        if (const auto d = atributo(circular, "diameter"); d && *d > 0.0)
            e.di = diametroDoCatalogo(*d * u.diametro * 1000.0);
        else
            marcar("<CircPipe> sem diameter.");
    } else {
        marcar("não é um tubo circular (<CircPipe>).");
    }

    const auto estruturaMontante = estruturas.find(inicio);
    const auto estruturaJusante = estruturas.find(fim);
    if (estruturaMontante == estruturas.end())
        marcar("a estrutura \"" + inicio + "\" não existe.");
    if (estruturaJusante == estruturas.end())
        marcar("a estrutura \"" + fim + "\" não existe.");

    if (const auto comprimento = atributo(tubo, "length"); comprimento && *comprimento > 0.0) {
        e.comprimento = textoDecimal(*comprimento * u.linear, 2);
    } else if (estruturaMontante != estruturas.end() && estruturaJusante != estruturas.end()) {
        const auto a = ponto(filho(estruturaMontante->second.no, "Center"));
        const auto b = ponto(filho(estruturaJusante->second.no, "Center"));
        if (a && b)
            e.comprimento = textoDecimal(std::hypot(a->first - b->first, a->second - b->second) * u.linear, 2);
        else
            marcar("sem length nem <Center> nas duas estruturas.");
    }

    struct Extremo {
        Estruturas::const_iterator estrutura;
        const Invert* invert;
        std::string* terreno;
        std::string* fundo;
    };
    for (const Extremo& x : {Extremo{estruturaMontante, &invInicio, &e.terrenoMontante, &e.fundoMontante},
                             Extremo{estruturaJusante, &invFim, &e.terrenoJusante, &e.fundoJusante}}) {
        if (x.estrutura == estruturas.end())
            continue;
        const auto topo = atributo(x.estrutura->second.no, "elevRim");
        if (topo)
            *x.terreno = textoDecimal(*topo * u.linear, 3);
        else
            marcar("a estrutura \"" + x.estrutura->first + "\" não tem elevRim.");
        if (x.invert->cota)
            *x.fundo = textoDecimal(*x.invert->cota * u.linear, 3);
        else
            marcar("a estrutura \"" + x.estrutura->first + "\" não tem <Invert> com a cota deste tubo.");
    }
    return e;
}

} // namespace

std::string diametroDoCatalogo(double mm)
{
    for (const std::string& d : listaDiametros()) {
        const double lista = std::stod(d);
        if (std::abs(mm - lista) <= 0.025 * lista)
            return d;
    }
    return formatarDecimais(mm, 0);
}

LeituraRede lerLandXmlRede(const std::string& bytes)
{
    pugi::xml_document documento;
    const pugi::xml_parse_result lido = documento.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    // pugixml ends a text at a NUL; in an 8-bit file it is no character.
    if (std::string nulo = recusaNulo(bytes);
        !nulo.empty() && (lido.encoding == pugi::encoding_utf8 || lido.encoding == pugi::encoding_latin1))
        return recusa(std::move(nulo));
    if (!lido)
        return recusa("Linha " + std::to_string(linhaDe(bytes, lido.offset)) + ": o arquivo não é um XML válido (" +
                      lido.description() + ").");
    const pugi::xml_node raiz = documento.document_element();
    if (std::strcmp(semPrefixo(raiz.name()), "LandXML") != 0)
        return recusa("O elemento principal do arquivo é <" + std::string(raiz.name()) + ">, não <LandXML>.");

    Unidades unidades;
    const pugi::xml_node blocoUnidades = filho(raiz, "Units");
    const pugi::xml_node metrico = filho(blocoUnidades, "Metric");
    const pugi::xml_node imperial = filho(blocoUnidades, "Imperial");
    const pugi::xml_node sistema = metrico ? metrico : imperial;
    if (!sistema)
        return recusa("O arquivo não tem o elemento <Units> com <Metric> ou <Imperial>.");
    const std::string padraoLinear = metrico ? "meter" : "foot";
    const std::string padraoDiametro = metrico ? "millimeter" : "inch";
    for (auto [nome, padrao, destino] : {std::tuple{"linearUnit", padraoLinear, &unidades.linear},
                                          std::tuple{"diameterUnit", padraoDiametro, &unidades.diametro}}) {
        const std::string unidade = sistema.attribute(nome).as_string(padrao.c_str());
        const auto fator = metrosPorUnidade(unidade);
        if (!fator)
            return recusa("<" + std::string(sistema.name()) + "> " + nome + "=\"" + unidade + "\": unidade desconhecida.");
        *destino = *fator;
    }

    const pugi::xml_node redes = filho(raiz, "PipeNetworks");
    if (!redes)
        return recusa("O arquivo não tem o elemento <PipeNetworks>.");
    LeituraRede r;
    r.ok = true;
    for (pugi::xml_node rede : filhos(redes, "PipeNetwork")) {
        const Estruturas estruturas = estruturasDaRede(rede);
        for (pugi::xml_node tubo : filhos(filho(rede, "Pipes"), "Pipe"))
            r.trechos.push_back(trechoDoTubo(tubo, estruturas, unidades));
    }
    if (r.trechos.empty())
        return recusa("O arquivo não tem nenhum elemento <Pipe> em <PipeNetworks>.");
    // Names come as the file has them; pugixml does not check their UTF-8.
    for (EntradaTrecho& e : r.trechos)
        for (int c = 0; c < numeroColunasTrecho; ++c)
            campoTrecho(e, static_cast<ColunaTrecho>(c)) = utf8Saneado(campoTrecho(e, static_cast<ColunaTrecho>(c)));
    for (EntradaTrecho& e : r.trechos)
        e.problemaLeitura = utf8Saneado(e.problemaLeitura);
    return r;
}
