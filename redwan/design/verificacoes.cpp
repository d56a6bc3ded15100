#include "verificacoes.h"

#include "secao.h"

#include <cmath>

double diametroMedioInterno(const SelecaoTelas& t)
{
    const double Aint = t.Aint1 + t.Aint2;
    // A face always gets at least one mesh; no steel, no diameter.
    if (!(Aint > 0.0))
        return 0.0;
    return (t.Aint1 * t.Dint1 + t.Aint2 * t.Dint2) / Aint;
}

double alturaUtilVerificacao(const EstadoDimensionamento& e)
{
    const double dk = e.tipoArmadura == CircularDupla ? e.dC : e.Dcoro;
    if (!(dk > 0.0))
        throw ErroAlturaUtil(dk);
    return dk;
}

double areaEnvolvente(double phiM, double cobrimento)
{
    // 15 diameters wide (φm in mm gives cm), at most the 10 cm between
    // wires; 7,5 diameters deep plus the cover, or 15 diameters when the
    // cover is deeper than 7,5.
    const double bcr = 0.75 * phiM < 10.0 ? 1.5 * phiM : 10.0;
    const double altura = cobrimento <= 0.75 * phiM ? 0.75 * phiM + cobrimento : 1.5 * phiM;
    return altura * bcr;
}

double fatorDiametro(double di)
{
    if (di <= 1800.0)
        return 1.0 + (1800.0 - di) / 3000.0;
    return (3600.0 - di) * (3600.0 - di) / 16800000.0 + 0.8;
}

void verificarCobrimento(EstadoDimensionamento& e)
{
    const double ci = e.tipoArmadura == CircularDupla ? e.dLinhaInt : e.geometria.hcm - e.Dcoro; // cm
    const double phiM = diametroMedioInterno(e.telas);
    const double rs = 10.0 * ci + e.geometria.di / 2.0 - 0.5 * phiM; // mm
    const double Frt = fatorDiametro(e.geometria.di);
    e.AsMax = (std::sqrt(e.materiais.fck) / 600.0) * (rs * 1.0 * Frt * (1.0 / 1.11)) * 0.9 / 0.95;
}

void verificarCortante(EstadoDimensionamento& e)
{
    const double dk = alturaUtilVerificacao(e);
    const double Aint = e.telas.Aint1 + e.telas.Aint2;
    double rho = Aint / (100.0 * dk);
    if (rho > 0.02)
        rho = 0.02;
    // 41 over the depth in mm.
    double Fd = 0.8 + 41.0 / (10.0 * dk);
    const double FdMax = e.tipoArmadura == CircularDupla ? 1.3 : 1.4;
    if (Fd > FdMax)
        Fd = FdMax;
    const double Fc = 1.0 + dk / (200.0 * e.geometria.rm); // 1 + d/(2·r)
    e.Vu = std::sqrt(e.materiais.fck) * 83.0 * 0.9 * (dk / 100.0) * 1.0 * (1.1 + 63.0 * rho) * Fd * 1.0 / Fc;
}

void verificarFissuras(EstadoDimensionamento& e)
{
    const double dk = alturaUtilVerificacao(e);
    const double hcm = e.geometria.hcm;
    const double Aint = e.telas.Aint1 + e.telas.Aint2;
    const double phiM = diametroMedioInterno(e.telas);

    const double Acr = areaEnvolvente(phiM, hcm - dk);

    e.Pserv = e.P / 1.5;
    // Without placed steel there is no stress and no crack to compute; a face
    // always gets a mesh, so this only keeps the formulas away from 0/0.
    if (!(Aint > 0.0) || !(Acr > 0.0)) {
        e.w1 = e.w2 = e.w = 0.0;
        return;
    }
    const double rhoR = 0.1 * Aint / Acr; // one wire over its region
    const double sigmaS = 0.293 * e.Pserv * e.geometria.rm * 100.0 / (0.9 * dk * Aint);
    const double eta1 = 2.25;
    const double Es = e.materiais.Es;
    e.w1 = phiM * sigmaS * (4.0 / rhoR + 45.0) / (12.5 * eta1 * Es);
    e.w2 = phiM * sigmaS * 3.0 * sigmaS / (12.5 * eta1 * Es * e.fctm);
    e.w = e.w1 > e.w2 ? e.w2 : e.w1;
}

void verificar(EstadoDimensionamento& e)
{
    verificarCobrimento(e);
    verificarCortante(e);
    verificarFissuras(e);
}

bool passaCobrimento(const EstadoDimensionamento& e)
{
    return e.telas.Aint1 + e.telas.Aint2 <= e.AsMax;
}

bool passaCortante(const EstadoDimensionamento& e)
{
    return 0.5 * e.P <= e.Vu;
}

bool passaFissuras(const EstadoDimensionamento& e)
{
    return e.w <= aberturaFissuraLimite;
}
