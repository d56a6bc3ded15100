#include "basesAssentamento.h"

#include "ProjetoTubo.h"

#include <array>

namespace {

bool classeValida(int classe) { return classe >= 0 && classe < numeroClassesBase; }

std::string letraFigura(const char* prefixo, int classe)
{
    if (!classeValida(classe))
        return {};
    return std::string(prefixo) + static_cast<char>('A' + classe) + ".bmp";
}

const std::array<const char*, numeroClassesBase> descricoesVala{
    "São aquelas em que a face inferior dos tubos é assente num berço de concreto, com"
    " resistência característica do concreto maior ou igual a 15 MPa e cuja espessura,"
    " sob o tubo, deve ser no mínimo 1/4  do diâmetro interno, e estendendo-se"
    " verticalmente, até 1/4 do diâmetro externo.",
    "São aquelas em que os tubos são completamente enterrados em vala e cuidadosamente"
    " assentes sobre materiais de granulação fina, propiciando uma fundação"
    " convenientemente conformada à parte inferior do tubo, numa largura de pelo menos"
    " 60% do diâmetro externo. A superfície restante dos tubos é envolvida,"
    " inteiramente, até a altura mínima de 30 cm acima da sua geratriz superior, com"
    " materiais granulares colocados a mão, de modo a preencher todo o espaço"
    " periférico. O material de enchimento deve ser bem apiloado, em camadas de"
    " espessura não superior a 15 cm.",
    "São aquelas em que os tubos são colocados no fundo das valas, com cuidado"
    " ordinário, sobre fundação de terra conformada para adaptar-se, perfeitamente, à"
    " parte inferior dos tubos, numa largura de no mínimo igual a 50% do diâmetro"
    " externo; sendo a parte restante envolvida, até uma altura de, pelo menos, 15 cm"
    " acima da geratriz superior daqueles, por material granular, colocado e socado a"
    " pá, de modo a preencher os vazios.",
    "São aquelas em que os tubos são assentados com pouco ou nenhum cuidado, não se"
    " tendo preparado o solo para que a parte inferior dos tubos repouse"
    " convenientemente, e deixando de encher os vazios do seu redor, ao menos"
    " parcialmente, com material granular.",
};

const std::array<const char*, numeroClassesBase> descricoesAterro{
    "São aquelas em que a face inferior do tubo é assentada em berço de concreto com"
    " resistência característica do concreto maior ou igual a 15 MPa, com espessura"
    " mínima sob o tubo de um 1/4 do diâmetro interno e se estendendo aos lados com uma"
    " altura mínima a partir da geratriz inferior do tubo de um 1/4 do diâmetro"
    " externo. O berço deve ser concretado sem juntas horizontais de construção.",
    "São aquelas em que os tubos são assentados cuidadosamente sobre material de"
    " granulometria fina, formando uma fundação de terra que é cuidadosamente"
    " conformada à parte inferior do tubo em pelo menos 10% de sua altura total, com"
    " aterro ao redor dos tubos executados em camadas perfeitamente compactadas, de"
    " espessura não superior a 15cm até 30% de sua altura, acima do topo.",
    "São aquelas em que os tubos são colocados com cuidados normais, em fundação de"
    " solo conformado ao fundo do tubo, abrangendo pelo menos 10% de sua altura, e"
    " sendo a superfície restante do tubo preenchida por material granular, que encha"
    " completamente os espaços sob e adjacente ao tubo.",
    "São aquelas em que os tubos são assentados com pouco ou nenhum cuidado para"
    " conformar a base à parte inferior do tubo ou em relação ao enchimento dos espaços"
    " sob e adjacente ao tubo.",
};

const std::array<const char*, numeroClassesBase> fatoresVala{"2,0", "1,9", "1,5", "1,1"};
const std::array<double, numeroClassesBase> coeficientesN{0.505, 0.707, 0.840, 1.310};

} // namespace

std::string figuraBaseVala(int classe) { return letraFigura("ValaClasse", classe); }
std::string figuraBaseAterro(int classe) { return letraFigura("SaliClasse", classe); }

std::string descricaoBaseVala(int classe) { return classeValida(classe) ? descricoesVala[classe] : ""; }
std::string descricaoBaseAterro(int classe) { return classeValida(classe) ? descricoesAterro[classe] : ""; }

std::string fatorBaseVala(int classe) { return classeValida(classe) ? fatoresVala[classe] : ""; }

double coeficienteNBase(int classe) { return classeValida(classe) ? coeficientesN[classe] : 0.0; }

void aplicarClasseVala(BaseAssentamento& base, int classe)
{
    base.classe = classe;
    base.fator = fatorBaseVala(classe);
}
