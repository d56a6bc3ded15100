#pragma once
// The frame both programs' main windows share: every command as a toolbar
// button and a menu item, the two section drawings over the summary panel,
// the window scaled to the screen and centred, the disclaimer at the first
// activation, and the exit question. The programs add their steps, their
// summary and what "Novo" and the exit do.

#include "desenhoSecao.h"

#include <QMainWindow>
#include <map>
#include <vector>

class AreaDesenho;
class QAction;
class TFcomeco;
class TFsairSN;

struct ComandoJanela {
    const char* nome; // toolbar button ("Bgeo"), also the action's object name
    const char* dica; // hint
    const char* menu; // menu it belongs to
    const char* item; // menu item
    bool habilitado;  // at start
    bool visivel;
    bool separadorDepois; // a bar after it in the toolbar
    const char* atalho = nullptr; // keyboard shortcut ("Ctrl+S", "F2"), none when null
};

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // The command named by its toolbar name ("Bgeo", …).
    QAction* comando(const QString& nome) const;
    AreaDesenho* desenhoTransversal() const { return transversal_; }
    AreaDesenho* desenhoLongitudinal() const { return longitudinal_; }
    bool avisoMostrado() const { return avisoMostrado_; }

protected:
    // `painelResumo` goes under the drawings; the program lays it out in
    // `disporResumo`.
    JanelaPrincipal(const QString& titulo, QWidget* painelResumo, QWidget* parent);

    QWidget* painelResumo() const { return painelResumo_; }
    void criarComandos(const std::vector<ComandoJanela>& comandos);
    // Sized to the screen and centred; the program calls it once it is built.
    void escalarNaTela();
    void habilitar(const std::vector<std::string>& nomes, bool habilitado);
    void ligarAvisoESaida(TFcomeco* comeco, TFsairSN* sair);

    // The project's defaults, at the first showing.
    virtual void novoProjeto() = 0;
    virtual void disporResumo() = 0;
    // Text height of the summary lines, which the drawings' labels share.
    virtual int alturaTextoResumo() const = 0;
    // After the exit question was answered "Sim".
    virtual void aoSair() {}

    // Both drawings for the joint type, with their dimension labels (empty
    // texts leave the labels empty).
    void desenharSecoes(TipoJunta tipo, const QString& diametro, const QString& comprimento);
    void definirRotulosCota(const QString& diametro, const QString& comprimento);
    void limparSecoes();
    void dispor();

    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

    QWidget* areaCliente_;
    AreaDesenho* transversal_;
    AreaDesenho* longitudinal_;

private:
    void FormActivate();

    QWidget* painelResumo_;
    std::map<QString, QAction*> comandos_;
    TFcomeco* comeco_ = nullptr;
    TFsairSN* sair_ = nullptr;
    bool avisoMostrado_ = false;
    bool primeiraExibicao_ = true;
};
