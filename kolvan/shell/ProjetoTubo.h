#pragma once
// Kolvan's one project in memory. Numbers live as the texts the user
// confirmed (what the windows show, the summary prints and the project file
// stores); selections are zero-based indexes into the fixed lists below.

#include "dadosObraCliente.h"

#include <array>
#include <string>
#include <vector>

struct DadosProjetista {
    std::string nome, crea, endereco, numero, bairro, cidade, estado, cep, telefone, celular, email;
    bool operator==(const DadosProjetista&) const = default;
};

// The designer texts in file order; const or not as the data are.
template <class Projetista>
auto camposProjetista(Projetista& d)
{
    return std::vector{&d.nome,   &d.crea, &d.endereco, &d.numero,  &d.bairro, &d.cidade,
                       &d.estado, &d.cep,  &d.telefone, &d.celular, &d.email};
}


struct Geometria {
    int finalidade = 0;        // 0 "Águas pluviais", 1 "Esgoto sanitário"
    int tipoTubo = 1;          // 0 "Macho e Fêmea", 1 "Ponta e Bolsa"
    int indiceDi = 4;          // into listaDiametros(): 600 mm
    int indiceComprimento = 0; // into listaComprimentos(finalidade)
    bool operator==(const Geometria&) const = default;
};

enum TipoInstalacao { Vala = 0, ProjecaoPositiva = 1, ProjecaoNegativa = 2 };

struct Instalacao {
    int tipo = Vala;
    int terreno = 2;
    std::string gama = "19,2";
    std::string kMi = "0,150";
    std::string alturaTerra = "1,00";
    std::string larguraVala = "1,31";
    std::string razaoRecalque = "0,5";
    std::string alturaHa = "0,60";
    bool aterroCompactado = false;
    bool operator==(const Instalacao&) const = default;
};

struct Sobrecarga {
    int natureza = 0;     // 0 road, 1 rail, 2 air, 3 distributed, 4 user-defined, 5 none
    int trafego = 0;      // 0 "Classe 45", 1 "Classe 30", 2 "Eixo triplo"
    int distribuicao = 0; // 0 one area, 1 two areas
    std::string carga = "5000,00";
    std::string compA = "0,50";
    std::string compB = "0,50";
    std::string distC = "5,0";
    bool operator==(const Sobrecarga&) const = default;
};

struct BaseAssentamento {
    int classe = 2; // 0 class A … 3 class D
    std::string fator;
    std::string coefSeguranca = "1,5";
    bool operator==(const BaseAssentamento&) const = default;
};

struct Resultado {
    double resistenciaNecessaria = 0.0;
    std::string classeArmado;
    double cargaArmado = 0.0;
    std::string classeSimples;
    double cargaSimples = 0.0;
    std::string textoValor;
    std::string textoArmado;
    std::string textoSimples;
    std::string textoClasse;
    // The two load lines the result window shows and the report prints:
    // made by a computation, or rebuilt from the texts of an opened file.
    std::string linhaArmado;
    std::string linhaSimples;
};

struct Etapas {
    bool geometria = false;
    bool instalacao = false;
    bool sobrecarga = false;
    bool base = false;
};

struct ProjetoTubo {
    DadosProjetista projetista;
    DadosObra obra;
    DadosCliente cliente;
    Geometria geometria;
    Instalacao instalacao;
    Sobrecarga sobrecarga;
    BaseAssentamento baseVala{2, "1,5", "1,5"};
    BaseAssentamento baseAterro{2, "2,86", "1,5"};
    Resultado resultado;
    Etapas etapas;
};

// The fixed lists of the geometry.
const std::vector<std::string>& listaFinalidades();
const std::vector<std::string>& listaTiposTubo();
const std::vector<std::string>& listaDiametros();
const std::vector<std::string>& listaComprimentos(int finalidade);

// The fixed lists of the installation.
const std::vector<std::string>& listaTiposInstalacao();
const std::vector<std::string>& listaTerrenos();
const std::vector<std::string>& listaClassesBase();

// The texts of the current selections; empty for an index out of its list.
std::string textoDiametro(const Geometria& g);
std::string textoComprimento(const Geometria& g);

// The bedding group the installation uses: the trench bedding for a trench
// and for a negative projection without good compaction, else the embankment one.
bool usaBaseAterro(const Instalacao& i);
const BaseAssentamento& baseEmUso(const ProjetoTubo& p);

// Working values, converted from the confirmed texts at the start of every
// computation. An empty installation text counts as 0; any other text that
// is not a number throws ErroConversao.
struct ValoresTrabalho {
    double di = 0;   // mm
    double t = 0;    // mm, wall thickness
    double de = 0;   // mm, external diameter
    double D = 0;    // m, de / 1000
    double l = 0;    // m
    double gama = 0; // kN/m³
    double kMi = 0;
    double rsd = 0;
    double hs = 0; // m
    double bv = 0; // m
    double ha = 0; // m
};
ValoresTrabalho valoresTrabalho(const ProjetoTubo& p);

// Puts the fields a new project resets to their defaults. The designer data
// come from the designer file; the groups a new project keeps (work, client,
// the texts of unselected options) stay as they are.
void novoProjeto(ProjetoTubo& p, const DadosProjetista& projetistaDoArquivo);

// The class load rounded up to a whole number; 0 for "Especial".
double arredondarCarga(const std::string& classe, double carga);
