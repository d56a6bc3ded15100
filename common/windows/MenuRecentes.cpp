#include "MenuRecentes.h"

#include "ArquivoSeguro.h"
#include "Figuras.h"
#include "Mensagens.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

MenuRecentes::MenuRecentes(QMenu* menu, QAction* antesDe, const QString& arquivo, QObject* parent)
    : QObject(parent), menu_(menu), antesDe_(antesDe), arquivo_(arquivo)
{
    menu_->setToolTipsVisible(true);
    ler();
    reconstruir();
}

// The paths are UTF-8, one a line: a folder name may hold any character,
// unlike the windows-1252 files of the programs.
void MenuRecentes::ler()
{
    QByteArray bytes;
    QString motivo;
    std::vector<std::string> linhas;
    if (lerArquivoSeguro(caminhoNaBase(QStringLiteral("Config"), arquivo_), limiteArquivoConfiguracao, bytes, motivo))
        for (const QByteArray& linha : bytes.split('\n'))
            linhas.push_back(linha.toStdString());
    lista_ = listaRecentesDeLinhas(linhas);
}

void MenuRecentes::gravar() const
{
    const QString caminho = caminhoNaBase(QStringLiteral("Config"), arquivo_);
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QByteArray bytes;
    for (const std::string& linha : linhasDaListaRecentes(lista_))
        bytes += QByteArray::fromStdString(linha) + '\n';
    if (QString erro; !gravarArquivoSeguro(caminho, bytes, QStringLiteral("a lista de arquivos recentes"), erro))
        mensagens().mensagem(erro);
}

void MenuRecentes::acrescentar(const QString& caminho)
{
    acrescentarRecente(lista_, QFileInfo(caminho).absoluteFilePath().toStdString());
    gravar();
    reconstruir();
}

QStringList MenuRecentes::caminhos() const
{
    QStringList c;
    for (const std::string& s : lista_.caminhos)
        c << QString::fromStdString(s);
    return c;
}

QString MenuRecentes::textoEntrada(int posicao, const QString& caminho)
{
    QString exibido = QDir::toNativeSeparators(caminho);
    const QString casa = QDir::homePath();
    if (caminho.startsWith(casa + QLatin1Char('/')))
        exibido = QStringLiteral("~") + exibido.mid(casa.size());
    // "&" would otherwise underline the next letter.
    exibido.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(posicao).arg(exibido);
}

void MenuRecentes::reconstruir()
{
    // An entry may be the one being triggered: it goes once its signal returns.
    for (QAction* a : entradas_) {
        menu_->removeAction(a);
        a->setObjectName(QString());
        a->deleteLater();
    }
    entradas_.clear();
    if (!separadorAntes_) {
        separadorAntes_ = menu_->insertSeparator(antesDe_);
        separadorDepois_ = menu_->insertSeparator(antesDe_);
    }
    const QStringList lista = caminhos();
    separadorAntes_->setVisible(!lista.isEmpty());
    separadorDepois_->setVisible(!lista.isEmpty());
    for (int i = 0; i < lista.size(); ++i) {
        auto* acao = new QAction(textoEntrada(i + 1, lista[i]), menu_);
        acao->setObjectName(QStringLiteral("Recente%1").arg(i + 1));
        acao->setToolTip(QDir::toNativeSeparators(lista[i]));
        const QString caminho = lista[i];
        connect(acao, &QAction::triggered, this, [this, caminho] { entradaEscolhida(caminho); });
        menu_->insertAction(separadorDepois_, acao);
        entradas_.push_back(acao);
    }
}

void MenuRecentes::entradaEscolhida(const QString& caminho)
{
    if (!QFileInfo(caminho).isFile()) {
        removerRecente(lista_, caminho.toStdString());
        gravar();
        reconstruir();
        mensagens().mensagem(QStringLiteral("O arquivo \"%1\" não existe mais e foi retirado da lista de "
                                            "arquivos recentes.")
                                 .arg(QDir::toNativeSeparators(caminho)));
        return;
    }
    emit escolhido(caminho);
}
