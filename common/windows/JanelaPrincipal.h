#pragma once
// The frame both programs' main windows share: every command as a toolbar
// button and a menu item, the two section drawings over the summary panel,
// the window scaled to the screen and centred, the disclaimer at the first
// activation, and the exit question. The programs add their steps, their
// summary and what "Novo" and the exit do.
//
// It also keeps the user's work: the program marks the project changed,
// saved or new; before a command would drop unsaved work (and before the
// exit question) the user is asked whether to save it, and the caption
// carries the mark of unsaved changes. The projects opened or saved last
// are listed in "Arquivos", and a project file is opened when dropped on
// the window or named on the command line.

#include "desenhoSecao.h"

#include <QMainWindow>
#include <QString>
#include <map>
#include <vector>

class AreaDesenho;
class MenuRecentes;
class QAction;
class QMenu;
class QMimeData;
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
    bool naBarra = true;          // a toolbar button too, not a menu entry only
};

// How a program saves its project and lists it among the recent files.
struct ArquivosProjeto {
    const char* comandoSalvar; // the command that saves ("Bsal"); while it is off the project cannot be saved
    const char* extensao;      // of the project files, without the dot ("kvn")
    const char* listaRecentes; // the file of Config/ that keeps the recent files
};

// Asked before unsaved work would be lost.
inline constexpr const char* perguntaSalvarProjeto = "O projeto atual tem alterações que não foram salvas.\n"
                                                     "Deseja salvar o projeto?";
// A project opened keeps "Salvar" as it was, so the reason is the result to
// confirm, whether or not the project already shows one.
inline constexpr const char* perguntaDadosPerdidos = "O projeto atual só pode ser salvo depois que um resultado for "
                                                     "confirmado: os dados digitados serão perdidos.\n"
                                                     "Deseja continuar?";

class JanelaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // The command named by its toolbar name ("Bgeo", …).
    QAction* comando(const QString& nome) const;
    AreaDesenho* desenhoTransversal() const { return transversal_; }
    AreaDesenho* desenhoLongitudinal() const { return longitudinal_; }
    bool avisoMostrado() const { return avisoMostrado_; }
    // The caption as the window shows it without unsaved changes.
    QString legenda() const;
    MenuRecentes* recentes() const { return recentes_; }

    // Opens the project file as "Abrir" does, once the user was asked about
    // unsaved work (a recent file, a dropped one).
    void abrirArquivo(const QString& caminho);
    // Opens the file named on the command line once the disclaimer is gone.
    void abrirAoIniciar(const QString& caminho);

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
    // After criarComandos: the recent files go into the menu of "Bsai".
    void definirArquivosProjeto(const ArquivosProjeto& arquivos);

    // The program's own saving and opening. Saving runs the save dialog:
    // false when it was cancelled or the file was not written. Opening
    // refuses a file that does not read, with its message: false.
    virtual bool salvarProjetoAtual() { return false; }
    virtual bool abrirProjetoDe(const QString&) { return false; }
    // A confirmed change of the project's inputs or result.
    void marcarAlterado() { setWindowModified(true); }
    // The project was saved to or opened from `caminho`.
    void marcarSalvo(const QString& caminho);
    void marcarNovo() { setWindowModified(false); }
    // Asks about unsaved work; true when the command may go on.
    bool podeDescartarProjeto();

    // The project's defaults, at the first showing.
    virtual void novoProjeto() = 0;
    virtual void disporResumo() = 0;
    // Text height of the summary lines, which the drawings' labels share.
    virtual int alturaTextoResumo() const = 0;
    // After the exit question was answered "Sim".
    virtual void aoSair() {}
    // Work kept outside the project (Kolvan's network): asked about when the
    // program is left, after the project and before the exit question;
    // false keeps the program running.
    virtual bool podeDescartarAoSair() { return true; }

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
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

    QWidget* areaCliente_;
    AreaDesenho* transversal_;
    AreaDesenho* longitudinal_;

private:
    void FormActivate();
    QString arquivoProjetoEm(const QMimeData* dados) const;

    QWidget* painelResumo_;
    std::map<QString, QAction*> comandos_;
    TFcomeco* comeco_ = nullptr;
    TFsairSN* sair_ = nullptr;
    bool avisoMostrado_ = false;
    bool primeiraExibicao_ = true;
    std::map<QString, QMenu*> menus_;
    ArquivosProjeto arquivos_{"", "", ""};
    MenuRecentes* recentes_ = nullptr;
    QString arquivoInicial_;
};
