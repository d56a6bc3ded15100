#include "basesConcreto.h"

#include "ProjetoTubo.h"

const std::array<std::array<BaseConcreto, colunasBasesConcreto>, linhasBasesConcreto>& basesConcreto()
{
    static const std::array<std::array<BaseConcreto, colunasBasesConcreto>, linhasBasesConcreto> bases{{
        {{{"feco12.bmp", "4,0", "Fator de equivalência = 4,0"},
          {"fese12.bmp", "3,0", "Fator de equivalência = 3,0"}}},
        {{{"feco14.bmp", "2,8", "Fator de equivalência = 2,8"},
          {"fese14.bmp", "2,2", "Fator de equivalência = 2,2"}}},
        {{{"feco16.bmp", "2,3", "Fator de equivalência = 2,3"},
          {"fese16.bmp", "2,0", "Fator de equivalência = 2,0"}}},
    }};
    return bases;
}

void aplicarBaseConcreto(BaseAssentamento& baseVala, int linha, int coluna)
{
    if (linha < 0 || linha >= linhasBasesConcreto || coluna < 0 || coluna >= colunasBasesConcreto)
        return;
    baseVala.fator = basesConcreto()[linha][coluna].fator;
}
