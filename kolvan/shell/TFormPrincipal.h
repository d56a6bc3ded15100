#pragma once
// Kolvan's main window: the toolbar and menus of every step, the two
// section drawings and the summary panel. It enables the steps one after
// another, withdraws the result when an earlier step changes, and runs
// "Novo" and the exit question. The computations live in the engine; the
// input windows only report confirmed changes.

#include "ProjetoTubo.h"
#include "cargaSobrecarga.h"
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
class TFormSobreCarga;
class TFormBasesVala;
class TFormBasesSaliPosit;
class TFormDaseConcreto;
class TFtabelaA3;
class TFtabelaA4;
class TFclassetubo;
class TFprojetista;
class TFobra;
class TFsairSN;
class TFsobre;

// The windows the main window opens; all live from start-up to exit.
struct JanelasKolvan {
    TFgeometria* geometria = nullptr;
    TFormInstalacao* instalacao = nullptr;
    TFormRazaoRecalque* razaoRecalque = nullptr;
    TFormLagrVala* larguraVala = nullptr;
    TFormSobreCarga* sobrecarga = nullptr;
    TFormBasesVala* basesVala = nullptr;
    TFormBasesSaliPosit* basesAterro = nullptr;
    TFormDaseConcreto* basesConcreto = nullptr;
    TFtabelaA3* tabelaA3 = nullptr;
    TFtabelaA4* tabelaA4 = nullptr;
    TFclassetubo* classeTubo = nullptr;
    TFprojetista* projetista = nullptr;
    TFobra* obra = nullptr;
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
    // Withdraws the shown result: "Relatório" goes, the result lines go back
    // to their captions. A change of the inputs also withdraws "Salvar", so
    // that no file keeps a class next to inputs it was not computed for.
    void limparResultado(bool porMudancaDeEntrada = true);

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
    void BabrClick();
    void BsalClick();
    void BgeoClick();
    void BinsClick();
    void BsobClick();
    void BfatClick();
    void BclaClick();
    void BrelCClick();
    void BsobreCClick();
    void aoAlterarGeometria(bool instalacaoCorrigida);
    void aoAlterarInstalacao();
    void aoAlterarSobrecarga();
    void aoAlterarBase();
    void atualizarBaseResumo();
    void redesenharSecoes();
    void mostrarProjetoAberto();
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
    EstadoSobrecarga estadoSobrecarga_;
};
