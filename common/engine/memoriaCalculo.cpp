#include "memoriaCalculo.h"

#include "avaliacaoFormula.h"
#include "numeros.h"
#include "saidaCalculadora.h"

#include <algorithm>
#include <iterator>

namespace {

// A routine records a few dozen steps: room for them at once spares the
// vector's growth by doubling.
void acrescentar(std::vector<PassoMemoria>& passos, PassoMemoria&& p)
{
    if (passos.capacity() == 0)
        passos.reserve(32);
    passos.push_back(std::move(p));
}

} // namespace

double MemoriaCalculo::grandeza(PassoMemoria passo)
{
    passo.tipo = TipoPassoMemoria::Grandeza;
    acrescentar(passos, std::move(passo));
    return passos.back().valor;
}

void MemoriaCalculo::titulo(TextoMemoria texto)
{
    PassoMemoria p;
    p.nome = std::move(texto);
    p.tipo = TipoPassoMemoria::Titulo;
    acrescentar(passos, std::move(p));
}

void MemoriaCalculo::nota(TextoMemoria texto)
{
    PassoMemoria p;
    p.nome = std::move(texto);
    p.tipo = TipoPassoMemoria::Nota;
    acrescentar(passos, std::move(p));
}

void MemoriaCalculo::anexar(MemoriaCalculo&& outra)
{
    if (passos.empty()) {
        passos.swap(outra.passos);
    } else {
        passos.insert(passos.end(), std::make_move_iterator(outra.passos.begin()),
                      std::make_move_iterator(outra.passos.end()));
    }
    outra.passos.clear();
}

namespace {

const PassoMemoria* ultimo(const std::vector<PassoMemoria>& passos, std::size_t fim,
                           TextoFixo PassoMemoria::*campo, std::string_view procurado)
{
    for (std::size_t i = fim; i-- > 0;) {
        const PassoMemoria& p = passos[i];
        if (p.tipo == TipoPassoMemoria::Grandeza && p.*campo == procurado)
            return &p;
    }
    return nullptr;
}

// The formula with each "{símbolo}" handed to `trocar`.
template <class Troca>
std::string substituir(std::string_view formula, Troca trocar)
{
    std::string r;
    r.reserve(formula.size() + 16);
    std::size_t i = 0;
    while (i < formula.size()) {
        const std::size_t abre = formula.find('{', i);
        const std::size_t fecha = abre == std::string::npos ? abre : formula.find('}', abre);
        if (fecha == std::string::npos) {
            r.append(formula, i, std::string::npos);
            break;
        }
        r.append(formula, i, abre - i);
        r += trocar(std::string(formula.substr(abre + 1, fecha - abre - 1)));
        i = fecha + 1;
    }
    return r;
}

std::string comUnidade(const PassoMemoria& p)
{
    return p.unidade.empty() ? valorMemoria(p) : valorMemoria(p) + " " + p.unidade.str();
}

} // namespace

const PassoMemoria* MemoriaCalculo::porChave(std::string_view chave) const
{
    return ultimo(passos, passos.size(), &PassoMemoria::chave, chave);
}

const PassoMemoria* MemoriaCalculo::porSimbolo(std::string_view simbolo) const
{
    return ultimo(passos, passos.size(), &PassoMemoria::simbolo, simbolo);
}

std::string valorMemoria(const PassoMemoria& passo)
{
    return formatarDecimais(passo.valor, passo.casas);
}

std::string formulaSimbolica(const MemoriaCalculo& m, std::size_t indice)
{
    return substituir(m.passos.at(indice).formula, [](const std::string& s) { return s; });
}

namespace {

// `valor` with `casas` decimals, or up to `extra` more where they are not zeros.
std::string comCasas(double valor, int casas, int extra)
{
    std::string v = formatarDecimais(valor, casas + extra);
    if (extra <= 0)
        return v;
    const std::size_t virgula = v.find(',');
    if (virgula == std::string::npos)
        return v;
    std::size_t fim = v.size();
    const std::size_t minimo = casas > 0 ? virgula + 1 + static_cast<std::size_t>(casas) : virgula;
    while (fim > minimo && v[fim - 1] == '0')
        --fim;
    if (fim == virgula + 1)
        fim = virgula;
    return v.substr(0, fim);
}

std::string comValores(const MemoriaCalculo& m, std::size_t indice, int extra)
{
    return substituir(m.passos.at(indice).formula, [&](const std::string& s) {
        const PassoMemoria* p = ultimo(m.passos, indice, &PassoMemoria::simbolo, s);
        if (!p)
            return s;
        const std::string v = comCasas(p->valor, p->casas, extra);
        return p->valor < 0.0 ? "(" + v + ")" : v;
    });
}

} // namespace

std::string formulaComValores(const MemoriaCalculo& m, std::size_t indice)
{
    // The inputs get the decimals the result needs: the fewest with which
    // the line, worked out as printed, gives the printed result.
    const PassoMemoria& p = m.passos.at(indice);
    const std::string resultado = valorMemoria(p);
    for (int extra = 0; extra <= 6; ++extra) {
        std::string linha = comValores(m, indice, extra);
        const std::optional<double> v = avaliarFormula(linha);
        if (!v)
            return linha;
        if (formatarDecimais(*v, p.casas) == resultado)
            return linha;
    }
    return comValores(m, indice, 0);
}

std::string linhaMemoria(const MemoriaCalculo& m, std::size_t indice)
{
    const PassoMemoria& p = m.passos.at(indice);
    if (p.tipo != TipoPassoMemoria::Grandeza)
        return p.nome.str();
    std::string linha = p.simbolo + " = ";
    if (!p.formula.empty()) {
        const std::string simbolica = formulaSimbolica(m, indice);
        const std::string comValores = formulaComValores(m, indice);
        if (simbolica != p.simbolo)
            linha += simbolica + " = ";
        // A formula that is one symbol, or has nothing to put in, is said once.
        if (comValores != simbolica && comValores != valorMemoria(p))
            linha += comValores + " = ";
    }
    return linha + comUnidade(p);
}

std::vector<std::pair<std::string, std::string>> camposMemoria(const MemoriaCalculo& m)
{
    std::vector<std::pair<std::string, std::string>> campos;
    for (const PassoMemoria& p : m.passos) {
        if (p.tipo != TipoPassoMemoria::Grandeza || p.chave.empty())
            continue;
        auto achado = std::find_if(campos.begin(), campos.end(), [&](const auto& c) { return c.first == p.chave; });
        if (achado != campos.end())
            achado->second = numeroSaida(p.valor);
        else
            campos.emplace_back(p.chave.str(), numeroSaida(p.valor));
    }
    return campos;
}
