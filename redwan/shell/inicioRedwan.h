#pragma once
// Redwan's start-up: the splash advances its bar in 100 steps of 30 ms, then
// the windows are created in the program's fixed order; the main window is
// shown by the caller.

#include "ProjetoRedwan.h"
#include "resultadosRedwan.h"

#include <memory>

class MensagensPrograma;
class TFaviso;
class TFcadastro;
class TFclasseRedwa;
class TFcomeco;
class TFfabricante;
class TFcustos;
class TFgeometria;
class TFobra;
class TFDimensionamentoArmadura;
class TFormDimensionamento;
class TFormPrincipal;
class TFsairSN;
class TFsobre;
class TFtabelaArmaduras;

extern const char* const versaoRedwan;
// The two title lines of the splash and of the about window.
extern const char* const tituloRedwan1;
extern const char* const tituloRedwan2;
constexpr int passosInicioRedwan = 100;
constexpr int pausaInicioRedwan = 30; // ms

// Every window of the program, created at start-up and freed at exit, and
// the two records they share: the project as the input windows confirmed
// it, and the results of the last design run (or of the opened file) as
// the results window shows them, which the report and the project file use.
struct AplicacaoRedwan {
    ProjetoRedwan projeto;
    ResultadosRedwan resultados;
    std::unique_ptr<TFormPrincipal> principal;
    std::unique_ptr<TFcadastro> cadastro;
    std::unique_ptr<TFclasseRedwa> classe;
    std::unique_ptr<TFormDimensionamento> dimensionamento;
    std::unique_ptr<TFfabricante> fabricante;
    std::unique_ptr<TFcustos> custos;
    std::unique_ptr<TFgeometria> geometria;
    std::unique_ptr<TFobra> obra;
    std::unique_ptr<TFaviso> aviso;
    std::unique_ptr<TFDimensionamentoArmadura> dimensionamentoArmadura;
    std::unique_ptr<TFsobre> sobre;
    std::unique_ptr<TFcomeco> comeco;
    std::unique_ptr<TFsairSN> sair;
    std::unique_ptr<TFtabelaArmaduras> tabela;
    std::unique_ptr<MensagensPrograma> mensagensPrograma;
    ~AplicacaoRedwan();
};

// Runs the splash and creates every window; the main window is not shown yet.
std::unique_ptr<AplicacaoRedwan> iniciarRedwan();
