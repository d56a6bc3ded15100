#pragma once
// Kolvan's main window: the toolbar and menus of every step, the two
// section drawings and the summary panel. It enables the steps one after
// another, withdraws the result when an earlier step changes, and runs
// "Novo" and the exit question. The computations live in the engine; the
// input windows only report confirmed changes.

#include "ProjetoTubo.h"
#include "resumoKolvan.h"

#include <QMainWindow>
#include <map>

class AreaDesenho;
class PainelResumo;
class QAction;
class TFcomeco;
class TFgeometria;
class TFormInstalacao;
class TFormLagrVala;
class TFormRazaoRecalque;
class TFsairSN;
class TFsobre;

// The windows the main window opens; all live from start-up to exit.
struct JanelasKolvan {
    TFgeometria* geometria = nullptr;
    TFormInstalacao* instalacao = nullptr;
    TFormRazaoRecalque* razaoRecalque = nullptr;
    TFormLagrVala* larguraVala = nullptr;
    TFcomeco* comeco = nullptr;
    TFsairSN* sair = nullptr;
    TFsobre* sobre = nullptr;
};

class TFormPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPrincipal(ProjetoTubo& projeto, QWidget* parent = nullptr);

    void ligarJanelas(const JanelasKolvan& janelas);
    // The command named by its toolbar name ("Bgeo", "Bins", …).
    QAction* comando(const QString& nome) const;
    PainelResumo* resumo() const { return painel_; }
    AreaDesenho* desenhoTransversal() const { return transversal_; }
    AreaDesenho* desenhoLongitudinal() const { return longitudinal_; }
    bool avisoMostrado() const { return avisoMostrado_; }

    void novoProjeto();
    void limparResultado();

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void criarComandos();
    void escalarNaTela();
    void FormActivate();
    void BnovClick();
    void BgeoClick();
    void BinsClick();
    void BsobreCClick();
    void aoAlterarGeometria(bool instalacaoCorrigida);
    void aoAlterarInstalacao();
    void redesenharSecoes();
    void mostrarResumo();
    void atualizarRotulosCota();
    void dispor();

    ProjetoTubo& projeto_;
    ResumoKolvan textosResumo_;
    JanelasKolvan janelas_;
    std::map<QString, QAction*> comandos_;
    AreaDesenho* transversal_;
    AreaDesenho* longitudinal_;
    PainelResumo* painel_;
    QWidget* areaCliente_;
    bool avisoMostrado_ = false;
    bool primeiraExibicao_ = true;
};
