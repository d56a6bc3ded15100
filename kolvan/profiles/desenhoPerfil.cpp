#include "desenhoPerfil.h"

#include "ProjetoTubo.h"
#include "numeros.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The sheet (mm): A3 landscape, a 25 mm binding margin, 10 mm elsewhere.
constexpr double molduraEsquerda = 25.0, molduraTopo = 10.0, molduraDireita = 410.0, molduraBase = 287.0;
constexpr double carimboTopo = 255.0;                  // the title block under the table
constexpr double alturaLinhaTabela = 12.0;
constexpr int linhasTabela = 5;
constexpr double tabelaTopo = carimboTopo - linhasTabela * alturaLinhaTabela;
constexpr double colunaLegendas = 65.0;                // captions and the elevation axis to its left
constexpr double desenhoEsquerda = 72.0, desenhoDireita = 402.0;
constexpr double perfilTopo = molduraTopo + 18.0;      // room for the manholes' names above the ground
constexpr double perfilBase = tabelaTopo - 26.0;       // room for the labels under the invert
constexpr double larguraPoco = 1.20;                   // m, a manhole's bar

constexpr CorRgb corTerreno{120, 80, 40};
constexpr CorRgb corTubo{0, 70, 160};
constexpr CorRgb corProblema{200, 0, 0};
constexpr CorRgb corTuboPreenchido{205, 220, 240};
constexpr CorRgb corProblemaPreenchido{250, 215, 215};
constexpr CorRgb corGrade{215, 215, 215};
constexpr CorRgb corBranca{255, 255, 255};

const char* const legendasTabela[linhasTabela] = {"Distância (m)", "Cota do terreno (m)", "Cota do fundo (m)",
                                                  "Profundidade (m)", "Recobrimento hs (m)"};

// An item of a collector before it meets a sheet: model points, and for a
// text the offset on the sheet from its model anchor. `tabela`: y is a depth
// in the table's own place in the model, under the profile.
struct LinhaColetor {
    LinhaPerfil linha;
    bool recortar = true; // cut at a sheet's ends; otherwise kept whole where it shows
    bool tabela = false;
};
struct TextoColetor {
    TextoPerfil texto;
    PontoPerfil ancora;    // m
    double dx = 0, dy = 0; // mm on the sheet, y upwards
    bool tabela = false;
};

struct Escala {
    EscalasPerfil e;
    double mmPorMetroX() const { return 1000.0 / e.horizontal; }
    double mmPorMetroY() const { return 1000.0 / e.vertical; }
    double metrosX(double mm) const { return mm * e.horizontal / 1000.0; }
    double metrosY(double mm) const { return mm * e.vertical / 1000.0; }
};

LinhaPerfil linha(CamadaPerfil camada, std::vector<PontoPerfil> pontos, CorRgb cor, double espessura)
{
    LinhaPerfil l;
    l.camada = camada;
    l.modelo = std::move(pontos);
    l.cor = cor;
    l.espessura = espessura;
    return l;
}

TextoPerfil texto(CamadaPerfil camada, std::string t, double altura, Alinhamento a, AlinhamentoVertical v,
                  CorRgb cor = corPreta, bool negrito = false, double angulo = 0.0)
{
    TextoPerfil x;
    x.camada = camada;
    x.texto = std::move(t);
    x.altura = altura;
    x.alinhamento = a;
    x.vertical = v;
    x.cor = cor;
    x.negrito = negrito;
    x.angulo = angulo;
    return x;
}

double interpolar(double x, double x0, double y0, double x1, double y1)
{
    return x1 == x0 ? y0 : y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

// The polygon cut to xa <= x <= xb (Sutherland-Hodgman, two edges).
std::vector<PontoPerfil> recortarPoligono(std::vector<PontoPerfil> p, double xa, double xb)
{
    for (int lado = 0; lado < 2 && !p.empty(); ++lado) {
        auto dentro = [&](const PontoPerfil& q) { return lado == 0 ? q.x >= xa : q.x <= xb; };
        const double corte = lado == 0 ? xa : xb;
        std::vector<PontoPerfil> r;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const PontoPerfil& a = p[i];
            const PontoPerfil& b = p[(i + 1) % p.size()];
            if (dentro(a))
                r.push_back(a);
            if (dentro(a) != dentro(b))
                r.push_back({corte, interpolar(corte, a.x, a.y, b.x, b.y)});
        }
        p = std::move(r);
    }
    return p;
}

// The open polyline cut to xa <= x <= xb: the pieces that show.
std::vector<std::vector<PontoPerfil>> recortarLinha(const std::vector<PontoPerfil>& p, double xa, double xb)
{
    std::vector<std::vector<PontoPerfil>> pedacos;
    std::vector<PontoPerfil> atual;
    const double folga = 1e-9;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        PontoPerfil a = p[i], b = p[i + 1];
        const double menor = std::min(a.x, b.x), maior = std::max(a.x, b.x);
        if (maior < xa - folga || menor > xb + folga) {
            if (atual.size() > 1)
                pedacos.push_back(atual);
            atual.clear();
            continue;
        }
        if (a.x < xa && b.x > a.x)
            a = {xa, interpolar(xa, p[i].x, p[i].y, p[i + 1].x, p[i + 1].y)};
        if (a.x > xb && b.x < a.x)
            a = {xb, interpolar(xb, p[i].x, p[i].y, p[i + 1].x, p[i + 1].y)};
        if (b.x > xb && a.x < b.x)
            b = {xb, interpolar(xb, p[i].x, p[i].y, p[i + 1].x, p[i + 1].y)};
        if (b.x < xa && a.x > b.x)
            b = {xa, interpolar(xa, p[i].x, p[i].y, p[i + 1].x, p[i + 1].y)};
        if (atual.empty() || atual.back().x != a.x || atual.back().y != a.y) {
            if (atual.size() > 1)
                pedacos.push_back(atual);
            atual = {a};
        }
        atual.push_back(b);
    }
    if (atual.size() > 1)
        pedacos.push_back(atual);
    return pedacos;
}

std::string limitar(const std::string& t, double altura, double largura)
{
    // Letters of the sheet's sans-serif font are about 0,55 of their height wide.
    const auto caracteres = static_cast<std::size_t>(largura / (0.55 * altura));
    std::size_t contados = 0;
    for (std::size_t i = 0; i < t.size(); ++i)
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80 && ++contados == caracteres)
            return i + 1 < t.size() ? t.substr(0, i) + "…" : t;
    return t;
}

struct ItensColetor {
    std::vector<LinhaColetor> linhas;
    std::vector<TextoColetor> textos;
    double topoTabela = 0.0; // m, where the table starts in the model
};

double terrenoEm(const TrechoPerfil& t, double x)
{
    return interpolar(x, t.x0, *t.terreno0, t.x1, *t.terreno1);
}

ItensColetor itensColetor(const PerfilColetor& p, const Escala& esc)
{
    ItensColetor itens;
    double menorFundo = std::numeric_limits<double>::max();
    for (const TrechoPerfil& t : p.trechos)
        menorFundo = std::min({menorFundo, t.fundo0, t.fundo1});
    if (p.trechos.empty())
        menorFundo = 0.0;
    // As far under the lowest invert as the table is under the profile on a sheet.
    itens.topoTabela = menorFundo - esc.metrosY(tabelaTopo - perfilBase + 4.0);

    // The pipes, under everything else.
    for (const TrechoPerfil& t : p.trechos) {
        const bool problema = !t.classificado;
        LinhaPerfil faixa = linha(CamadaPerfil::Geratriz,
                                  {{t.x0, t.fundo0}, {t.x1, t.fundo1}, {t.x1, t.geratriz1()}, {t.x0, t.geratriz0()}},
                                  corTubo, 0.0);
        faixa.preenchida = true;
        faixa.fechada = true;
        faixa.corPreenchimento = problema ? corProblemaPreenchido : corTuboPreenchido;
        itens.linhas.push_back({faixa});
        itens.linhas.push_back({linha(CamadaPerfil::Fundo, {{t.x0, t.fundo0}, {t.x1, t.fundo1}},
                                      problema ? corProblema : corTubo, 0.5)});
        itens.linhas.push_back({linha(CamadaPerfil::Geratriz, {{t.x0, t.geratriz0()}, {t.x1, t.geratriz1()}},
                                      problema ? corProblema : corTubo, 0.3)});
    }

    // The ground through the manholes, broken where a stretch has none.
    std::vector<PontoPerfil> terreno;
    auto fecharTerreno = [&] {
        if (terreno.size() > 1)
            itens.linhas.push_back({linha(CamadaPerfil::Terreno, terreno, corTerreno, 0.35)});
        terreno.clear();
    };
    for (const TrechoPerfil& t : p.trechos) {
        if (!t.terreno0 || !t.terreno1) {
            fecharTerreno();
            continue;
        }
        for (const PontoPerfil q : {PontoPerfil{t.x0, *t.terreno0}, PontoPerfil{t.x1, *t.terreno1}})
            if (terreno.empty() || terreno.back().x != q.x || terreno.back().y != q.y)
                terreno.push_back(q);
    }
    fecharTerreno();

    // The governing cover: from the top of the pipe to the ground.
    for (const TrechoPerfil& t : p.trechos) {
        if (!t.xGovernante)
            continue;
        // At an end the manhole's bar would hide it: just inside the stretch.
        const double afastamento = std::min(larguraPoco / 2 + esc.metrosX(1.2), (t.x1 - t.x0) / 2);
        const double xg = std::clamp(*t.xGovernante, t.x0 + afastamento, t.x1 - afastamento);
        const double topoTubo = interpolar(xg, t.x0, t.fundo0, t.x1, t.fundo1) + t.alturaTubo;
        const double chao = t.terreno0 && t.terreno1 ? terrenoEm(t, xg) : topoTubo + *t.hsGovernante;
        LinhaPerfil cota = linha(CamadaPerfil::Texto, {{xg, topoTubo}, {xg, chao}}, corPreta, 0.2);
        cota.tracejada = true;
        itens.linhas.push_back({cota, false});
        const double meia = esc.metrosX(0.9), alto = esc.metrosY(1.8);
        LinhaPerfil seta = linha(CamadaPerfil::Texto, {{xg - meia, topoTubo + alto}, {xg + meia, topoTubo + alto}, {xg, topoTubo}},
                                 corPreta, 0.0);
        seta.fechada = seta.preenchida = true;
        itens.linhas.push_back({seta, false});
    }

    // Manholes: a bar from the ground down to the lowest invert, the name above.
    for (const PocoPerfil& m : p.pocos) {
        const double topo = m.topo(), fundo = m.fundo();
        const double a = m.x - larguraPoco / 2, b = m.x + larguraPoco / 2;
        LinhaPerfil fundoBranco = linha(CamadaPerfil::Pv, {{a, fundo}, {b, fundo}, {b, topo}, {a, topo}}, corPreta, 0.0);
        fundoBranco.fechada = fundoBranco.preenchida = true;
        fundoBranco.corPreenchimento = corBranca;
        itens.linhas.push_back({fundoBranco, false});
        LinhaPerfil barra = linha(CamadaPerfil::Pv, {{a, fundo}, {b, fundo}, {b, topo}, {a, topo}}, corPreta, 0.3);
        barra.fechada = true;
        itens.linhas.push_back({barra, false});
        if (!m.nome.empty())
            itens.textos.push_back({texto(CamadaPerfil::Texto, m.nome, 2.5, Alinhamento::esquerda,
                                          AlinhamentoVertical::meio, corPreta, true, 90.0),
                                    {m.x, topo}, 0.0, 2.0});
    }

    // Each stretch's labels under its invert, at mid-length.
    for (const TrechoPerfil& t : p.trechos) {
        const double xm = (t.x0 + t.x1) / 2;
        const double fundo = (t.fundo0 + t.fundo1) / 2;
        std::vector<std::pair<std::string, bool>> rotulos;
        if (t.nome.find_first_not_of(" \t") != std::string::npos)
            rotulos.push_back({t.nome, false});
        for (const std::string* r : {&t.textoDn, &t.textoComprimento, &t.textoDeclividade})
            rotulos.push_back({*r, false});
        rotulos.push_back({t.textoClasse, true});
        if (t.hsGovernante)
            rotulos.push_back({"hs gov. = " + formatar2(*t.hsGovernante) + " m", false});
        double dy = -2.0;
        for (const auto& [r, classe] : rotulos) {
            TextoPerfil x = texto(CamadaPerfil::Texto, r, classe ? 2.5 : 2.0, Alinhamento::centro,
                                  AlinhamentoVertical::topo, classe && !t.classificado ? corProblema : corPreta, classe);
            itens.textos.push_back({x, {xm, fundo}, 0.0, dy});
            dy -= classe ? 3.3 : 2.9;
        }
    }

    // The table of levels: one column per manhole; arriving and leaving
    // values side by side where they differ.
    const double linhaM = esc.metrosY(alturaLinhaTabela);
    for (int k = 0; k <= linhasTabela; ++k) {
        itens.linhas.push_back({linha(CamadaPerfil::Tabela,
                                      {{0.0, itens.topoTabela - k * linhaM}, {p.comprimento, itens.topoTabela - k * linhaM}},
                                      corPreta, k == 0 || k == linhasTabela ? 0.35 : 0.18),
                                true, true});
    }
    auto valores = [&](int linhaTabela, double x, const std::optional<double>& chegada,
                       const std::optional<double>& saida, int decimais) {
        const double y = itens.topoTabela - (linhaTabela + 0.5) * linhaM;
        auto escrever = [&](const std::optional<double>& v, double dx) {
            itens.textos.push_back({texto(CamadaPerfil::Tabela, v ? formatarDecimais(*v, decimais) : "—", 2.2,
                                          Alinhamento::centro, AlinhamentoVertical::meio, corPreta, false, 90.0),
                                    {x, y}, dx, 0.0, true});
        };
        const bool iguais = chegada && saida && formatarDecimais(*chegada, decimais) == formatarDecimais(*saida, decimais);
        if (chegada && saida && !iguais) {
            escrever(chegada, -1.5);
            escrever(saida, 1.5);
        } else {
            escrever(chegada ? chegada : saida, 0.0);
        }
    };
    for (const PocoPerfil& m : p.pocos) {
        valores(0, m.x, m.x, std::nullopt, 2);
        valores(1, m.x, m.terrenoChegada, m.terrenoSaida, 3);
        valores(2, m.x, m.fundoChegada, m.fundoSaida, 3);
        std::optional<double> profundidade;
        if (m.terrenoChegada || m.terrenoSaida)
            profundidade = m.topo() - m.fundo();
        valores(3, m.x, profundidade, std::nullopt, 2);
        valores(4, m.x, m.hsChegada, m.hsSaida, 2);
    }
    return itens;
}

struct Janela {
    double xa = 0, xb = 0; // m
    double base = 0;       // elevation at perfilBase (m)
    double passo = 1;      // between the axis' marks (m)
};

double passoEixo(const Escala& esc)
{
    for (double passo : {0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0})
        if (passo * esc.mmPorMetroY() >= 8.0)
            return passo;
    return 1000.0;
}

// Where a collector's sheets begin and end: at a manhole where one can, so
// the stretch shown on each fits its drawing area in length and height.
std::vector<Janela> janelasColetor(const PerfilColetor& p, const Escala& esc, std::size_t maximo)
{
    const double largura = esc.metrosX(desenhoDireita - desenhoEsquerda);
    const double passo = passoEixo(esc);
    const double altura = esc.metrosY(perfilBase - perfilTopo) - passo;
    auto faixa = [&](double xa, double xb, double& menor, double& maior) {
        menor = std::numeric_limits<double>::max();
        maior = std::numeric_limits<double>::lowest();
        for (const TrechoPerfil& t : p.trechos) {
            if (t.x1 <= xa + 1e-9 || t.x0 >= xb - 1e-9)
                continue;
            menor = std::min({menor, t.fundo0, t.fundo1});
            maior = std::max({maior, t.geratriz0(), t.geratriz1(), t.terreno0.value_or(t.geratriz0()),
                              t.terreno1.value_or(t.geratriz1())});
        }
        if (menor > maior)
            menor = maior = 0.0;
    };
    std::vector<Janela> janelas;
    double xa = 0.0;
    std::size_t proximo = 1; // the manhole after xa
    const double fim = p.comprimento;
    while (xa < fim - 1e-6 || janelas.empty()) {
        double xb = -1.0;
        while (proximo < p.pocos.size() && p.pocos[proximo].x <= xa + 1e-9)
            ++proximo;
        for (std::size_t k = proximo; k < p.pocos.size(); ++k) {
            const double x = p.pocos[k].x;
            if (x - xa > largura + 1e-6)
                break;
            double menor, maior;
            faixa(xa, x, menor, maior);
            if (maior - menor > altura && xb >= 0.0)
                break;
            xb = x; // the first manhole is taken even when too tall: a sheet shows at least that
        }
        if (xb < 0.0)
            xb = std::min(xa + largura, fim);
        if (xb <= xa)
            xb = fim;
        Janela j;
        j.xa = xa;
        j.xb = xb;
        j.passo = passo;
        double menor, maior;
        faixa(xa, xb, menor, maior);
        // The profile in the middle of its area, never below the area's foot.
        const double area = esc.metrosY(perfilBase - perfilTopo);
        j.base = std::floor(std::min(menor, (menor + maior - area) / 2) / passo) * passo;
        janelas.push_back(j);
        if (janelas.size() >= maximo)
            break;
        xa = xb;
        if (fim <= 0.0)
            break;
    }
    return janelas;
}

void folhaFixa(FolhaPerfil& f, std::vector<PontoPerfil> pontos, double espessura, bool fechada = false,
               CorRgb cor = corPreta)
{
    LinhaPerfil l;
    l.camada = CamadaPerfil::Folha;
    l.folha = std::move(pontos);
    l.espessura = espessura;
    l.fechada = fechada;
    l.cor = cor;
    f.linhas.push_back(std::move(l));
}

void textoFolha(FolhaPerfil& f, double x, double y, std::string t, double altura, bool negrito = false,
                Alinhamento a = Alinhamento::esquerda, CorRgb cor = corPreta, double angulo = 0.0,
                AlinhamentoVertical v = AlinhamentoVertical::base)
{
    TextoPerfil x_ = texto(CamadaPerfil::Folha, std::move(t), altura, a, v, cor, negrito, angulo);
    x_.folha = {x, y};
    f.textos.push_back(std::move(x_));
}

std::string escalaTexto(int e) { return "1:" + std::to_string(e); }

void carimbo(FolhaPerfil& f, const PerfilColetor& p, const EscalasPerfil& e, const CabecalhoPerfis& c,
             const std::vector<std::string>& semComprimento)
{
    folhaFixa(f, {{molduraEsquerda, carimboTopo}, {molduraDireita, carimboTopo}}, 0.5);
    folhaFixa(f, {{200.0, carimboTopo}, {200.0, molduraBase}}, 0.35);
    folhaFixa(f, {{340.0, carimboTopo}, {340.0, molduraBase}}, 0.35);
    const double x1 = molduraEsquerda + 3, x2 = 203.0, x3 = 343.0;
    textoFolha(f, x1, 263.0, limitar("Perfil longitudinal — " + p.titulo, 3.5, 170), 3.5, true);
    textoFolha(f, x1, 270.0, "Escalas: horizontal " + escalaTexto(e.horizontal) + ", vertical " + escalaTexto(e.vertical), 2.5);
    textoFolha(f, x1, 276.0, "Extensão do coletor: " + formatar2(p.comprimento) + " m, " +
                                 std::to_string(p.trechos.size()) + (p.trechos.size() == 1 ? " trecho" : " trechos"),
               2.5);
    if (p.cotasRelativas)
        textoFolha(f, x1, 282.0,
                   limitar("Cotas relativas: fundo inicial em 0,000 m, terreno pelas alturas de terra", 2.3, 170), 2.3,
                   true, Alinhamento::esquerda, corProblema);

    textoFolha(f, x2, 262.0, limitar("Projetista: " + c.projetista + (c.crea.empty() ? "" : " — CREA " + c.crea), 2.5, 134), 2.5);
    textoFolha(f, x2, 268.0, limitar("Obra: " + c.obra, 2.5, 134), 2.5);
    textoFolha(f, x2, 274.0, limitar("Cliente: " + c.cliente, 2.5, 134), 2.5);
    if (!semComprimento.empty()) {
        std::string nomes;
        for (const std::string& n : semComprimento)
            nomes += (nomes.empty() ? "" : ", ") + n;
        textoFolha(f, x2, 281.0, limitar("Sem comprimento, fora dos perfis: " + nomes, 2.2, 134), 2.2, false,
                   Alinhamento::esquerda, corProblema);
    }

    textoFolha(f, x3, 263.0, "Kolvan — classes de resistência", 2.3, true);
    textoFolha(f, x3, 271.0, "Folha " + std::to_string(f.numero) + " de " + std::to_string(f.total), 3.5, true);
    textoFolha(f, x3, 278.0, "Data: " + c.data, 2.5);
    textoFolha(f, x3, 284.0, "Cotas e distâncias em metros", 2.2);
}

// The axis, the grid, the table's frame and captions, the legend: what every
// sheet of a collector repeats.
void fundoFolha(FolhaPerfil& f, const PerfilColetor& p, const Janela& j, const Escala& esc)
{
    folhaFixa(f, {{molduraEsquerda, molduraTopo}, {molduraDireita, molduraTopo}, {molduraDireita, molduraBase},
                  {molduraEsquerda, molduraBase}},
              0.5, true);
    // Elevation axis and a light grid across the drawing.
    const double eixoX = colunaLegendas + 3.0;
    folhaFixa(f, {{eixoX, perfilBase + 8.0}, {eixoX, molduraTopo + 4.0}}, 0.25);
    for (int k = 0;; ++k) {
        const double z = j.base + k * j.passo;
        const double y = perfilBase - (z - j.base) * esc.mmPorMetroY();
        if (y < molduraTopo + 6.0)
            break;
        folhaFixa(f, {{eixoX + 1.0, y}, {desenhoDireita + 4.0, y}}, 0.1, false, corGrade);
        folhaFixa(f, {{eixoX - 1.2, y}, {eixoX, y}}, 0.25);
        textoFolha(f, eixoX - 2.0, y, formatar2(z), 2.0, false, Alinhamento::direita, corPreta, 0.0,
                   AlinhamentoVertical::meio);
    }
    textoFolha(f, molduraEsquerda + 6.0, (perfilTopo + perfilBase) / 2,
               p.cotasRelativas ? "Cotas relativas (m)" : "Cotas (m)", 2.5, true, Alinhamento::centro, corPreta, 90.0,
               AlinhamentoVertical::meio);

    // Table frame and captions.
    folhaFixa(f, {{colunaLegendas, tabelaTopo}, {colunaLegendas, carimboTopo}}, 0.35);
    for (int k = 0; k <= linhasTabela; ++k) {
        const double y = tabelaTopo + k * alturaLinhaTabela;
        folhaFixa(f, {{molduraEsquerda, y}, {colunaLegendas, y}}, k == 0 ? 0.35 : 0.18);
        if (k < linhasTabela)
            textoFolha(f, molduraEsquerda + 2.0, y + alturaLinhaTabela / 2, legendasTabela[k], 2.2, true,
                       Alinhamento::esquerda, corPreta, 0.0, AlinhamentoVertical::meio);
    }
    // The table's lines run past the last manhole to the frame.
    for (int k = 0; k <= linhasTabela; ++k) {
        const double y = tabelaTopo + k * alturaLinhaTabela;
        folhaFixa(f, {{colunaLegendas, y}, {molduraDireita, y}}, k == 0 ? 0.35 : 0.18);
    }

    // Legend, top right.
    struct Item {
        const char* nome;
        CorRgb cor;
        double espessura;
    };
    const Item legenda[] = {{"Terreno", corTerreno, 0.35}, {"Geratriz superior interna", corTubo, 0.3},
                            {"Fundo (geratriz inferior)", corTubo, 0.5}, {"Sem classe", corProblema, 0.5}};
    double y = molduraTopo + 4.0;
    for (const Item& i : legenda) {
        folhaFixa(f, {{340.0, y}, {350.0, y}}, i.espessura, false, i.cor);
        textoFolha(f, 352.0, y, i.nome, 2.0, false, Alinhamento::esquerda, corPreta, 0.0, AlinhamentoVertical::meio);
        y += 3.2;
    }
}

} // namespace

const char* nomeCamada(CamadaPerfil c)
{
    switch (c) {
    case CamadaPerfil::Terreno: return "TERRENO";
    case CamadaPerfil::Fundo: return "FUNDO";
    case CamadaPerfil::Geratriz: return "GERATRIZ";
    case CamadaPerfil::Pv: return "PV";
    case CamadaPerfil::Texto: return "TEXTO";
    case CamadaPerfil::Tabela: return "TABELA";
    case CamadaPerfil::Folha: break;
    }
    return "FOLHA";
}

const std::vector<int>& escalasHorizontais()
{
    static const std::vector<int> e{250, 500, 1000, 2000, 2500, 5000};
    return e;
}

const std::vector<int>& escalasVerticais()
{
    static const std::vector<int> e{25, 50, 100, 200, 250, 500};
    return e;
}

bool escalaValida(int escala) { return escala >= 1 && escala <= 100000; }

EscalasPerfil escalasDasLinhas(const std::vector<std::string>& linhas)
{
    EscalasPerfil e;
    for (const std::string& l : linhas) {
        const auto igual = l.find('=');
        if (igual == std::string::npos)
            continue;
        const std::string chave = l.substr(0, igual);
        double v = 0.0;
        if (!lerNumero(l.substr(igual + 1), v) || v != std::floor(v) || !escalaValida(static_cast<int>(v)))
            continue;
        if (chave == "EscalaHorizontal")
            e.horizontal = static_cast<int>(v);
        else if (chave == "EscalaVertical")
            e.vertical = static_cast<int>(v);
    }
    return e;
}

std::vector<std::string> linhasDasEscalas(const EscalasPerfil& e)
{
    return {"EscalaHorizontal=" + std::to_string(e.horizontal), "EscalaVertical=" + std::to_string(e.vertical)};
}

CabecalhoPerfis cabecalhoPerfis(const DadosProjetista& projetista, const DadosObra& obra, const DadosCliente& cliente,
                                const std::string& data)
{
    CabecalhoPerfis c;
    c.projetista = projetista.nome;
    c.crea = projetista.crea;
    c.obra = obra.servicos;
    std::string local = obra.endereco;
    if (!obra.numero.empty())
        local += (local.empty() ? "" : ", ") + obra.numero;
    if (!obra.cidade.empty())
        local += (local.empty() ? "" : " — ") + obra.cidade + (obra.estado.empty() ? "" : "/" + obra.estado);
    if (!local.empty())
        c.obra += (c.obra.empty() ? "" : " — ") + local;
    c.cliente = cliente.nome;
    c.data = data;
    return c;
}

PerfisRede montarPerfisRede(const RedeTubulacoes& rede, const EscalasPerfil& escalas, const CabecalhoPerfis& cabecalho)
{
    PerfisRede r;
    const Escala esc{escalas};
    const ColetoresRede coletores = montarColetores(rede.entradas);
    for (int t : coletores.semComprimento) {
        const std::string& nome = rede.entradas[static_cast<std::size_t>(t)].trecho;
        r.semComprimento.push_back(nome.empty() ? "linha " + std::to_string(t + 1) : nome);
    }
    r.perfis = montarPerfis(rede, coletores);

    std::vector<std::vector<Janela>> janelas;
    std::size_t total = 0;
    for (const PerfilColetor& p : r.perfis) {
        janelas.push_back(janelasColetor(p, esc, maximoFolhasPerfis + 1 - total));
        total += janelas.back().size();
        if (total > maximoFolhasPerfis) {
            r.erro = "Os perfis passariam de " + std::to_string(maximoFolhasPerfis) +
                     " folhas nestas escalas: confira os comprimentos dos trechos.";
            r.perfis.clear();
            return r;
        }
    }

    for (std::size_t c = 0; c < r.perfis.size(); ++c) {
        const PerfilColetor& p = r.perfis[c];
        const ItensColetor itens = itensColetor(p, esc);

        // The whole collector in the model.
        DesenhoPerfil modelo;
        auto textoModelo = [&](const TextoColetor& t) {
            TextoPerfil x = t.texto;
            x.temModelo = true;
            x.modelo = {t.ancora.x + esc.metrosX(t.dx), t.ancora.y + esc.metrosY(t.dy)};
            x.alturaModelo = esc.metrosY(x.altura);
            return x;
        };
        for (const LinhaColetor& l : itens.linhas)
            modelo.linhas.push_back(l.linha);
        for (const TextoColetor& t : itens.textos)
            modelo.textos.push_back(textoModelo(t));
        for (int k = 0; k < linhasTabela; ++k) {
            TextoColetor legenda{texto(CamadaPerfil::Tabela, legendasTabela[k], 2.2, Alinhamento::esquerda,
                                       AlinhamentoVertical::meio, corPreta, true),
                                 {0.0, itens.topoTabela - (k + 0.5) * esc.metrosY(alturaLinhaTabela)},
                                 -(desenhoEsquerda - molduraEsquerda - 2.0), 0.0, true};
            modelo.textos.push_back(textoModelo(legenda));
        }
        r.modelos.push_back(std::move(modelo));

        for (const Janela& j : janelas[c]) {
            FolhaPerfil f;
            f.numero = static_cast<int>(r.folhas.size()) + 1;
            f.total = static_cast<int>(total);
            f.xFim = j.xb;
            fundoFolha(f, p, j, esc);
            auto naFolha = [&](const PontoPerfil& m, bool tabela) {
                const double x = desenhoEsquerda + (m.x - j.xa) * esc.mmPorMetroX();
                const double y = tabela ? tabelaTopo + (itens.topoTabela - m.y) * esc.mmPorMetroY()
                                        : perfilBase - (m.y - j.base) * esc.mmPorMetroY();
                return PontoPerfil{x, y};
            };
            const double folgaX = 1e-6;
            for (const LinhaColetor& l : itens.linhas) {
                if (l.tabela)
                    continue; // the sheet rules its table across the whole width
                std::vector<std::vector<PontoPerfil>> pedacos;
                if (!l.recortar) {
                    const bool aparece = std::any_of(l.linha.modelo.begin(), l.linha.modelo.end(), [&](const PontoPerfil& q) {
                        return q.x >= j.xa - folgaX && q.x <= j.xb + folgaX;
                    });
                    if (aparece)
                        pedacos.push_back(l.linha.modelo);
                } else if (l.linha.fechada) {
                    pedacos.push_back(recortarPoligono(l.linha.modelo, j.xa, j.xb));
                } else {
                    pedacos = recortarLinha(l.linha.modelo, j.xa, j.xb);
                }
                for (auto& pedaco : pedacos) {
                    if (pedaco.size() < 2)
                        continue;
                    LinhaPerfil x = l.linha;
                    x.modelo = pedaco;
                    x.folha.clear();
                    for (const PontoPerfil& q : pedaco)
                        x.folha.push_back(naFolha(q, l.tabela));
                    f.linhas.push_back(std::move(x));
                }
            }
            for (const TextoColetor& t : itens.textos) {
                if (t.ancora.x < j.xa - folgaX || t.ancora.x > j.xb + folgaX)
                    continue;
                TextoPerfil x = textoModelo(t);
                const PontoPerfil base = naFolha(t.ancora, t.tabela);
                x.folha = {base.x + t.dx, base.y - t.dy};
                f.textos.push_back(std::move(x));
            }
            const bool primeira = &j == &janelas[c].front(), ultima = &j == &janelas[c].back();
            if (!primeira)
                textoFolha(f, desenhoEsquerda, molduraTopo + 5.0,
                           "Continuação da folha " + std::to_string(f.numero - 1), 2.5, true);
            if (!ultima)
                textoFolha(f, desenhoDireita, tabelaTopo - 3.0, "Continua na folha " + std::to_string(f.numero + 1),
                           2.5, true, Alinhamento::direita);
            carimbo(f, p, escalas, cabecalho, r.semComprimento);
            r.folhas.push_back(std::move(f));
        }
    }
    return r;
}
