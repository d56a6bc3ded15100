#pragma once
// The texts of Kolvan's summary panel: three columns of ten lines that
// repeat the confirmed inputs and the class result. Each block is rewritten
// when its step is confirmed with a change; the result lines go back to
// their bare captions whenever the result is withdrawn.

#include <array>
#include <string>

struct ProjetoTubo;

constexpr const char* tituloResumo = "Quadro de Resuno";

enum ColunaResumo { Esquerda = 0, Meio = 1, Direita = 2 };

struct ResumoKolvan {
    // linhas[coluna][k - 1] is line k of that column.
    std::array<std::array<std::string, 10>, 3> linhas;
    std::string& linha(ColunaResumo coluna, int k) { return linhas[coluna][k - 1]; }
    const std::string& linha(ColunaResumo coluna, int k) const { return linhas[coluna][k - 1]; }
};

// Every line with its bare caption, as at start and after "Novo".
ResumoKolvan resumoInicial();

void atualizarGeometriaResumo(ResumoKolvan& r, const ProjetoTubo& p);
void atualizarInstalacaoResumo(ResumoKolvan& r, const ProjetoTubo& p);
// Rail and air surcharges leave lines 7 to 9 as they were.
void atualizarSobrecargaResumo(ResumoKolvan& r, const ProjetoTubo& p);
// The class and factor of the bedding in use, as they stand in the project.
void atualizarBaseResumoTextos(ResumoKolvan& r, const ProjetoTubo& p);
void atualizarResultadoResumo(ResumoKolvan& r, const ProjetoTubo& p);
void limparResultadoResumo(ResumoKolvan& r);
