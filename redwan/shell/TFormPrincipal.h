#pragma once
// Redwan's main window, "Dimensionamento da armadura de tubos de concreto
// armado": the toolbar and menus, the two section drawings and the summary
// "Quadro de Resumo". It enables the steps one after another (geometry,
// class, design parameters, design run, report and saving), withdraws the
// design results when an input step changes, and runs "Novo" and the exit,
// which writes the manufacturer data. "Resultado do dimensionamento" runs
// the design (dimensionamento.h) on the confirmed inputs and shows the
// results window; a confirmed result fills the summary. The texts come from
// resumoRedwan.h and comandosRedwan.h; the input windows only report
// confirmed changes.

#include "ProjetoRedwan.h"
#include "resultadosRedwan.h"
#include "resumoRedwan.h"

#include "JanelaPrincipal.h"
#include "dadosRelatorioDimensionamento.h"

class QTemporaryDir;

class PainelResumoRedwan;
class TFcadastro;
class TFclasseRedwa;
class TFcomeco;
class TFcustos;
class TFDimensionamentoArmadura;
class TFfabricante;
class TFgeometria;
class TFobra;
class TFormDimensionamento;
class TFsairSN;
class TFsobre;
class TFtabelaArmaduras;

// The windows the main window opens; all live from start-up to exit.
struct JanelasRedwan {
    TFgeometria* geometria = nullptr;
    TFclasseRedwa* classe = nullptr;
    TFormDimensionamento* dimensionamento = nullptr;
    TFfabricante* fabricante = nullptr;
    TFcustos* custos = nullptr;
    TFobra* obra = nullptr;
    TFcomeco* comeco = nullptr;
    TFsairSN* sair = nullptr;
    TFsobre* sobre = nullptr;
    TFcadastro* cadastro = nullptr;
    TFDimensionamentoArmadura* resultados = nullptr;
    TFtabelaArmaduras* tabela = nullptr;
};

class TFormPrincipal : public JanelaPrincipal {
    Q_OBJECT
public:
    // A design run writes its results into `resultados`.
    TFormPrincipal(ProjetoRedwan& projeto, ResultadosRedwan& resultados, QWidget* parent = nullptr);

    void ligarJanelas(const JanelasRedwan& janelas);
    PainelResumoRedwan* resumo() const { return painel_; }
    const ResultadosRedwan& resultados() const { return resultados_; }
    // The manufacturer's prices the design is costed at.
    PrecosCusto precos() const;

    // The defaults of a new project, the manufacturer data read again and
    // the summary back to its prefixes (at the first showing and on "Novo").
    void novoProjeto() override;
    // Confirmed design results: their summary lines, "Salvar" and "Relatório".
    void mostrarResultados(const ResultadosResumo& resultados);
    // Withdraws the design results: "Salvar" and "Relatório" off, the result
    // lines back to their prefixes.
    void invalidarResultados();

protected:
    void disporResumo() override;
    int alturaTextoResumo() const override;
    void aoSair() override;
    void gravarFabricante();
    bool salvarProjetoAtual() override;
    bool abrirProjetoDe(const QString& caminho) override;

private:
    void ligarComandos();
    void BnovClick();
    void BabrClick();
    void BsavClick();
    void BrelDClick();
    void BmemDClick();
    // What the report and the sheet print now; the logo goes into `pasta`.
    DadosRelatorioDimensionamento dadosDoRelatorio(const QTemporaryDir& pasta);
    void BdimClick();
    void abrir(QDialog* janela);
    void aoAlterarGeometria();
    void aoAlterarClasse();
    void aoConfirmarParametros(bool alterados);
    void redesenharSecoes();
    void atualizarRotulosCota();
    void mostrarResumo();
    // The cost lines of the results at the prices of "Custos".
    void precificarResultados();

    ProjetoRedwan& projeto_;
    ResultadosRedwan& resultados_;
    ResumoRedwan textosResumo_;
    JanelasRedwan janelas_;
    PainelResumoRedwan* painel_;
};
