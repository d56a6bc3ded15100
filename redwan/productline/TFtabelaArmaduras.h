#pragma once
// "Tabela de armaduras": a manufacturer's whole product line at once. The
// line's pipe, concrete, cages and factors start from the confirmed
// geometry and design parameters, and each diameter's wall from the least
// recommended one; "Dimensionar" asks the design-parameter window's
// questions (conferenciaLinha.h) and designs every class of every diameter
// (linhaProdutos.h). The grid shows each cell at a glance, the selected
// cell's details below it, with its steel, concrete and cost at the prices
// of "Custos". A wall edited after designing redesigns that diameter alone.
// "Buscar paredes mínimas" looks for the thinnest wall of every cell and
// "Buscar menor custo" for the cheapest passing one too, on a thread of its
// own (the engine shares nothing), with a progress bar, and can be
// cancelled; "Adotar paredes encontradas" puts the found walls into the
// wall list; "Exportar" writes CSV or .xlsx and "Relatório da tabela"
// previews the report.

#include "ProjetoRedwan.h"
#include "fabricante.h"
#include "linhaProdutos.h"

#include <QDialog>
#include <QImage>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class ModeloTabelaArmaduras;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QTextBrowser;
class TFcustos;

// The manufacturer's data and logo as the manufacturer window holds them now.
struct FabricanteAtual {
    DadosFabricante dados;
    QImage logo;
};

class TFtabelaArmaduras : public QDialog {
    Q_OBJECT
public:
    explicit TFtabelaArmaduras(const ProjetoRedwan& projeto, QWidget* parent = nullptr);
    ~TFtabelaArmaduras() override;

    // Where the report takes the manufacturer from; none prints no heading.
    void definirFonteFabricante(std::function<FabricanteAtual()> fonte) { fonteFabricante_ = std::move(fonte); }
    // The prices window the program shares; without one the window keeps its own.
    void definirJanelaCustos(TFcustos* custos);
    PrecosCusto precos() const;

    QComboBox* CmbBxFinalidade;
    QComboBox* CmbBxTipoTubo;
    QLineEdit* EditFck;        // MPa
    QComboBox* CmbBxArmadura;  // "Circular simples", "Circular dupla"
    QLineEdit* EditDint;       // d'int, cm
    QLineEdit* EditDext;       // d'ext, cm
    QLineEdit* EditGamaS;
    QLineEdit* EditGamaC;
    QTableWidget* GradeParedes; // di, h (editable), type
    QPushButton* BParedesMinimas;
    QPushButton* BAdotarParedes;
    QPushButton* BDimensionar;
    QPushButton* BBuscar;
    QPushButton* BBuscarCusto;
    QPushButton* BCancelar;
    QProgressBar* ProgressBar1;
    QTableView* GradeTabela;
    QTextBrowser* Detalhes;
    QPushButton* BCustos;
    QPushButton* BExportar;
    QPushButton* BRelatorio;
    QPushButton* BFechar;

    const std::optional<TabelaLinha>& tabela() const { return tabela_; }
    bool buscando() const { return buscando_; }

    void Dimensionar();
    void BuscarParedes();
    void BuscarMenorCusto();
    void AdotarParedes();
    void Custos();
    void Exportar();
    void RelatorioTabela();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

signals:
    // The wall search ended: every cell searched, or cancelled.
    void buscaTerminada(bool completa);

private:
    void iniciarBusca(bool menorCusto);
    void terminarBusca(int geracao, bool completa);
    // A wall typed in the list once the line is designed.
    void aoEditarParede(int diametro);
    void aoMudarPrecos();
    void mostrarTabelaAlterada();
    // Stops a running search and waits for its thread.
    void pararBusca();
    void carregarDoProjeto();
    void carregar(const EntradaLinha& linha);
    EntradaLinha lerControles() const;
    void mostrarTipo();
    void limparTabela();
    void mostrarDetalhes();
    void habilitar();
    QLineEdit* campo(CampoArmadura c) const;

    const ProjetoRedwan& projeto_;
    TFcustos* custos_ = nullptr;
    std::optional<ProjetoRedwan> origem_; // what the inputs were last taken from
    std::function<FabricanteAtual()> fonteFabricante_;
    std::optional<TabelaLinha> tabela_;
    ModeloTabelaArmaduras* modelo_;
    std::vector<DiametroLinha> diametros_; // each diameter's type and positions
    bool carregando_ = false;
    bool buscando_ = false;
    std::thread trabalhador_;
    std::atomic<bool> cancelar_{false};
    std::shared_ptr<TabelaLinha> trabalho_; // the copy the search fills
    int geracao_ = 0;                        // which search a late report belongs to
    template <class Janela, class Dados>
    friend class DialogoArmaduraJanela;
};
