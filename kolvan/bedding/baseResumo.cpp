#include "baseResumo.h"

#include "ProjetoTubo.h"
#include "resumoKolvan.h"

AtualizacaoFatorAterro atualizarBaseResumo(ResumoKolvan& resumo, ProjetoTubo& p)
{
    const AtualizacaoFatorAterro a = atualizarFatorAterro(p);
    atualizarBaseResumoTextos(resumo, p);
    return a;
}
