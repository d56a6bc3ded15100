#include "ProjetoTubo.h"

#include "numeros.h"

#include <cmath>

const std::vector<std::string>& listaFinalidades()
{
    static const std::vector<std::string> lista{"Águas pluviais", "Esgoto sanitário"};
    return lista;
}

const std::vector<std::string>& listaTiposTubo()
{
    static const std::vector<std::string> lista{"Macho e Fêmea", "Ponta e Bolsa"};
    return lista;
}

const std::vector<std::string>& listaDiametros()
{
    static const std::vector<std::string> lista{"200",  "300",  "400",  "500",  "600",
                                                "700",  "800",  "900",  "1000", "1100",
                                                "1200", "1300", "1500", "1750", "2000"};
    return lista;
}

const std::vector<std::string>& listaComprimentos(int finalidade)
{
    static const std::vector<std::string> pluviais{"1,00", "1,50", "2,00", "2,50"};
    static const std::vector<std::string> esgoto{"2,00", "2,50"};
    return finalidade == 1 ? esgoto : pluviais;
}

const std::vector<std::string>& listaTiposInstalacao()
{
    static const std::vector<std::string> lista{"Vala", "Aterro com projeção positiva",
                                                "Aterro com projeção negativa"};
    return lista;
}

const std::vector<std::string>& listaTerrenos()
{
    static const std::vector<std::string> lista{"Argila saturada",    "Argila",
                                                "Solo saturado",      "Areia e pedregulho",
                                                "Material sem coesão", "Definido pelo usuário"};
    return lista;
}

const std::vector<std::string>& listaClassesBase()
{
    static const std::vector<std::string> lista{
        "Base de concreto (Classe A)", "Base de primeira classe (Classe B)",
        "Base comum (Classe C)", "Base condenável (Classe D)"};
    return lista;
}

namespace {
std::string itemOuVazio(const std::vector<std::string>& lista, int indice)
{
    return indice >= 0 && indice < static_cast<int>(lista.size()) ? lista[indice] : std::string();
}
} // namespace

std::string textoDiametro(const Geometria& g) { return itemOuVazio(listaDiametros(), g.indiceDi); }

std::string textoComprimento(const Geometria& g)
{
    return itemOuVazio(listaComprimentos(g.finalidade), g.indiceComprimento);
}

bool usaBaseAterro(const Instalacao& i)
{
    return i.tipo == ProjecaoPositiva || (i.tipo == ProjecaoNegativa && i.aterroCompactado);
}

const BaseAssentamento& baseEmUso(const ProjetoTubo& p)
{
    return usaBaseAterro(p.instalacao) ? p.baseAterro : p.baseVala;
}

ValoresTrabalho valoresTrabalho(const ProjetoTubo& p)
{
    ValoresTrabalho v;
    v.di = converterOuZero(textoDiametro(p.geometria));
    v.t = 0.1 * v.di;
    v.de = v.di + 2.0 * v.t;
    v.D = v.de / 1000.0;
    v.l = converterOuZero(textoComprimento(p.geometria));
    const Instalacao& i = p.instalacao;
    v.gama = converterOuZero(i.gama);
    v.kMi = converterOuZero(i.kMi);
    v.rsd = converterOuZero(i.razaoRecalque);
    v.hs = converterOuZero(i.alturaTerra);
    v.bv = converterOuZero(i.larguraVala);
    v.ha = converterOuZero(i.alturaHa);
    return v;
}

void novoProjeto(ProjetoTubo& p, const DadosProjetista& projetistaDoArquivo)
{
    p.projetista = projetistaDoArquivo;

    p.geometria = Geometria{};

    // Selecting the trench type and the saturated soil resets what those
    // selections reset in the installation window.
    Instalacao& i = p.instalacao;
    i.tipo = Vala;
    i.terreno = 2;
    i.gama = "19,2";
    i.kMi = "0,150";
    i.alturaTerra = "1,00";
    i.larguraVala = "1,31";

    p.sobrecarga.natureza = 0;
    p.sobrecarga.trafego = 0;

    // Class C in the trench bedding brings its fixed factor; the embankment
    // factor is recomputed only once its window has been shown.
    p.baseVala.classe = 2;
    p.baseVala.fator = "1,5";
    p.baseAterro.classe = 2;
}

double arredondarCarga(const std::string& classe, double carga)
{
    if (classe == "Especial")
        return 0.0;
    return std::ceil(carga);
}
