#pragma once
// The last projects opened or saved, as numbered entries of the "Arquivos"
// menu (before "Sair"), kept in a file of Config/ so the next run lists
// them too. An entry whose file is gone leaves the list with a message.

#include "listaRecentes.h"

#include <QObject>
#include <QStringList>
#include <vector>

class QAction;
class QMenu;

class MenuRecentes : public QObject {
    Q_OBJECT
public:
    // The entries go into `menu` before `antesDe`; the list lives in
    // Config/`arquivo` under the base folder.
    MenuRecentes(QMenu* menu, QAction* antesDe, const QString& arquivo, QObject* parent);

    // A project opened or saved heads the list.
    void acrescentar(const QString& caminho);
    QStringList caminhos() const;
    // The entry of `caminho`, as the menu shows it.
    static QString textoEntrada(int posicao, const QString& caminho);

signals:
    // An entry was chosen and its file still exists.
    void escolhido(const QString& caminho);

private:
    void ler();
    void gravar() const;
    void reconstruir();
    void entradaEscolhida(const QString& caminho);

    QMenu* menu_;
    QAction* antesDe_;
    QString arquivo_;
    ListaRecentes lista_;
    std::vector<QAction*> entradas_;
    QAction* separadorAntes_ = nullptr;
    QAction* separadorDepois_ = nullptr;
};
