#include "classeTubo.h"

#include "geometriaRedwan.h"
#include "numeros.h"

#include <cmath>

const std::vector<std::string>& classesPluviais()
{
    static const std::vector<std::string> lista{"PA1", "PA2", "PA3", "PA4", "Especial"};
    return lista;
}

const std::vector<std::string>& classesEsgoto()
{
    static const std::vector<std::string> lista{"EA2", "EA3", "EA4", "Especial"};
    return lista;
}

const std::vector<std::string>& classesDoGrupo(int finalidade)
{
    return finalidade == finalidadeEsgoto ? classesEsgoto() : classesPluviais();
}

int indiceEspecial(int finalidade) { return static_cast<int>(classesDoGrupo(finalidade).size()) - 1; }

namespace {
// The factors k of the standard classes of each group.
const std::vector<int>& fatoresClasse(int finalidade)
{
    static const std::vector<int> pluviais{60, 90, 135, 180};
    static const std::vector<int> esgoto{90, 135, 180};
    return finalidade == finalidadeEsgoto ? esgoto : pluviais;
}
} // namespace

std::vector<std::string> cargasClasse(int finalidade, double di)
{
    // The diameters are whole millimetres: k·di/1000 rounded up in integers,
    // so no binary fraction turns an exact load into the next one.
    const long long diInteiro = std::llround(di);
    std::vector<std::string> cargas;
    for (int k : fatoresClasse(finalidade)) {
        const long long milesimos = k * diInteiro;
        const long long carga = milesimos >= 0 ? (milesimos + 999) / 1000 : milesimos / 1000;
        cargas.push_back(formatar2(static_cast<double>(carga)));
    }
    return cargas;
}

int classeEscolhida(const ClasseRedwan& c, int finalidade)
{
    return finalidade == finalidadeEsgoto ? c.classeEsgoto : c.classePluvial;
}

const std::string& textoEspecial(const ClasseRedwan& c, int finalidade)
{
    return finalidade == finalidadeEsgoto ? c.especialEsgoto : c.especialPluvial;
}

std::string& textoEspecial(ClasseRedwan& c, int finalidade)
{
    return finalidade == finalidadeEsgoto ? c.especialEsgoto : c.especialPluvial;
}

bool especialEscolhida(const ClasseRedwan& c, int finalidade)
{
    return classeEscolhida(c, finalidade) == indiceEspecial(finalidade);
}

std::string nomeClasseEscolhida(const ClasseRedwan& c, const GeometriaRedwan& g)
{
    const auto& nomes = classesDoGrupo(g.finalidade);
    const int i = classeEscolhida(c, g.finalidade);
    return i >= 0 && i < static_cast<int>(nomes.size()) ? nomes[i] : std::string();
}

std::string cargaClasseEscolhida(const ClasseRedwan& c, const GeometriaRedwan& g)
{
    if (especialEscolhida(c, g.finalidade))
        return textoEspecial(c, g.finalidade);
    const std::vector<std::string> cargas = cargasClasse(g.finalidade, diametroInterno(g));
    const int i = classeEscolhida(c, g.finalidade);
    return i >= 0 && i < static_cast<int>(cargas.size()) ? cargas[i] : std::string();
}

void seguirGrupoVisivel(ClasseRedwan& c, int finalidade)
{
    if (finalidade == finalidadeEsgoto) {
        // EA2 → PA2, EA3 → PA3, EA4 → PA4, Especial → Especial.
        if (c.classeEsgoto >= 0 && c.classeEsgoto <= 3)
            c.classePluvial = c.classeEsgoto + 1;
        if (c.classeEsgoto == 3)
            c.especialPluvial = c.especialEsgoto;
    } else {
        // PA1 and PA2 → EA2, PA3 → EA3, PA4 → EA4, Especial → Especial.
        static const int paraEsgoto[] = {0, 0, 1, 2, 3};
        if (c.classePluvial >= 0 && c.classePluvial <= 4)
            c.classeEsgoto = paraEsgoto[c.classePluvial];
        if (c.classePluvial == 4)
            c.especialEsgoto = c.especialPluvial;
    }
}

bool classeMudou(const ClasseRedwan& antes, const ClasseRedwan& depois, int finalidade)
{
    if (antes.classePluvial != depois.classePluvial || antes.classeEsgoto != depois.classeEsgoto)
        return true;
    return especialEscolhida(depois, finalidade)
        && textoEspecial(antes, finalidade) != textoEspecial(depois, finalidade);
}

ConferenciaEspecial conferirEspecial(const std::string& texto, int finalidade, double di)
{
    ConferenciaEspecial r;
    r.texto = texto;
    if (texto.find_first_not_of(" \t") == std::string::npos) {
        r.problema = ConferenciaEspecial::Vazio;
        r.aviso = "Entre com um valor para a carga minima de ruptura.";
        return r;
    }
    double carga = 0.0;
    if (!lerNumero(texto, carga)) {
        r.problema = ConferenciaEspecial::NaoNumero;
        r.mensagem = mensagemNumeroInvalido(texto);
        return r;
    }
    r.texto = formatar2(carga);
    const std::string maior = cargasClasse(finalidade, di).back();
    // The load as its field now shows it, against the largest class's field.
    if (!(converterNumero(r.texto) > converterNumero(maior))) {
        r.problema = ConferenciaEspecial::NaoMaior;
        r.avisoSuperior = "A carga de ruptura da classe \"Esp\"";
        r.avisoInferior = "deve ser maior do que " + maior + " kN/m";
    }
    return r;
}
