#include "custoTubo.h"

#include "numeros.h"

#include <cmath>

double custoTubo(const QuantidadesTubo& q, const PrecosCusto& p, MemoriaCalculo* m)
{
    const double custo = q.concreto * p.concreto + q.acoTotal * p.aco;
    if (m) {
        m->grandeza({"Preço do concreto", "pc", p.concreto, "R$/m³", "", 2});
        m->grandeza({"Preço do aço", "pa", p.aco, "R$/kg", "", 2});
        m->grandeza({"Custo do tubo por metro", "C", custo, "R$", "{V}·{pc} + {Aço}·{pa}", 2});
    }
    return custo;
}

CustoResultado custoDoResultado(const ResultadoDimensionamento& r, const PrecosCusto& precos)
{
    CustoResultado c;
    c.quantidades = quantidadesTubo(r);
    c.custo = custoTubo(c.quantidades, precos);
    return c;
}

const std::vector<std::string>& chavesCusto()
{
    static const std::vector<std::string> chaves{"acoInterno", "acoExterno", "acoTotal", "concreto", "custo"};
    return chaves;
}

std::vector<std::pair<std::string, double>> valoresCusto(const CustoResultado& c)
{
    const QuantidadesTubo& q = c.quantidades;
    const double valores[] = {q.acoInterno, q.acoExterno, q.acoTotal, q.concreto, c.custo};
    std::vector<std::pair<std::string, double>> v;
    for (std::size_t k = 0; k < chavesCusto().size(); ++k)
        v.emplace_back(chavesCusto()[k], valores[k]);
    return v;
}

std::string formatarMoeda(double valor)
{
    std::string texto = formatar2(std::fabs(valor));
    const std::size_t virgula = texto.find(',');
    for (std::ptrdiff_t k = static_cast<std::ptrdiff_t>(virgula) - 3; k > 0; k -= 3)
        texto.insert(static_cast<std::size_t>(k), ".");
    return (valor < 0.0 && formatar2(std::fabs(valor)) != "0,00" ? "−R$ " : "R$ ") + texto;
}

std::string textoPrecos(const PrecosCusto& p)
{
    return "concreto a " + formatarMoeda(p.concreto) + "/m³, aço a " + formatarMoeda(p.aco) + "/kg";
}

TextosCusto textosCusto(const QuantidadesTubo& q, double custo)
{
    TextosCusto t;
    t.aco = "Aço: " + formatar2(q.acoTotal) + " kg (interna " + formatar2(q.acoInterno);
    if (!q.externa.telas.empty())
        t.aco += "; externa " + formatar2(q.acoExterno);
    t.aco += ")";
    t.concreto = "Concreto: " + formatar3(q.concreto) + " m³";
    t.custo = "Custo: " + formatarMoeda(custo) + " por metro";
    return t;
}

void completarTextosCusto(TextosResultados& t, const QuantidadesTubo& q, double custo)
{
    const TextosCusto c = textosCusto(q, custo);
    t.Aco = c.aco;
    t.Concreto = c.concreto;
    t.Custo = c.custo;
}

void completarTextosCusto(TextosResultados& t, const ResultadoDimensionamento& r, const PrecosCusto& precos)
{
    const CustoResultado c = custoDoResultado(r, precos);
    completarTextosCusto(t, c.quantidades, c.custo);
}

MemoriaCalculo memoriaCusto(const ResultadoDimensionamento& r, const PrecosCusto& p)
{
    MemoriaCalculo m;
    const QuantidadesTubo q = quantidadesTubo(r, &m);
    custoTubo(q, p, &m);
    return m;
}
