#pragma once
// Kolvan's main window: the toolbar and menus of every step, the two
// section drawings and the summary panel. It enables the steps one after
// another, withdraws the result when an earlier step changes, and runs
// "Novo" and the exit question. The computations live in the engine; the
// input windows only report confirmed changes.

#include "ProjetoTubo.h"
#include "cargaSobrecarga.h"
#include "resumoKolvan.h"

#include "JanelaPrincipal.h"

class PainelResumo;
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
class TFormRede;
class TFormRecobrimentos;

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
    TFormRede* rede = nullptr;
};

class TFormPrincipal : public JanelaPrincipal {
    Q_OBJECT
public:
    explicit TFormPrincipal(ProjetoTubo& projeto, QWidget* parent = nullptr);

    void ligarJanelas(const JanelasKolvan& janelas);
    PainelResumo* resumo() const { return painel_; }

    void novoProjeto() override;
    // Withdraws the shown result: "Relatório" goes, the result lines go back
    // to their captions. A change of the inputs also withdraws "Salvar", so
    // that no file keeps a class next to inputs it was not computed for.
    void limparResultado(bool porMudancaDeEntrada = true);

protected:
    void disporResumo() override;
    int alturaTextoResumo() const override;
    void aoSair() override;
    void gravarProjetista();
    bool podeDescartarAoSair() override;
    bool podeDescartarRede();
    bool salvarProjetoAtual() override;
    bool abrirProjetoDe(const QString& caminho) override;

private:
    void ligarComandos();
    void BnovClick();
    void BabrClick();
    void BsalClick();
    void BgeoClick();
    void BinsClick();
    void BsobClick();
    void BfatClick();
    void BclaClick();
    void BrelCClick();
    void BmemCClick();
    void BredeClick();
    void BrecobClick();
    void BsobreCClick();
    // The network window classes its stretches again with the project as it is now.
    void avisarRede();
    void aoAlterarGeometria(bool instalacaoCorrigida);
    void aoAlterarInstalacao();
    void aoAlterarSobrecarga();
    void aoAlterarBase();
    void atualizarBaseResumo();
    void redesenharSecoes();
    void mostrarProjetoAberto();
    void mostrarResumo();
    void atualizarRotulosCota();

    ProjetoTubo& projeto_;
    ResumoKolvan textosResumo_;
    JanelasKolvan janelas_;
    PainelResumo* painel_;
    EstadoSobrecarga estadoSobrecarga_;
    TFormRecobrimentos* recobrimentos_ = nullptr;
};
