#include "ModeloTabelaArmaduras.h"

#include "TextoQt.h"
#include "textosCelula.h"

#include <QBrush>
#include <QColor>

void ModeloTabelaArmaduras::definirTabela(const TabelaLinha* tabela)
{
    beginResetModel();
    tabela_ = tabela;
    endResetModel();
}

void ModeloTabelaArmaduras::atualizarCelulas()
{
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        // A diameter's heading names its wall.
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
}

const CelulaLinha* ModeloTabelaArmaduras::celula(const QModelIndex& i) const
{
    if (!tabela_ || !i.isValid() || i.row() >= rowCount() || i.column() >= columnCount())
        return nullptr;
    return &tabela_->celula(i.row(), i.column());
}

int ModeloTabelaArmaduras::rowCount(const QModelIndex& pai) const
{
    return tabela_ && !pai.isValid() ? static_cast<int>(tabela_->entrada.diametros.size()) : 0;
}

int ModeloTabelaArmaduras::columnCount(const QModelIndex& pai) const
{
    return tabela_ && !pai.isValid() ? static_cast<int>(tabela_->classes.size()) : 0;
}

QVariant ModeloTabelaArmaduras::data(const QModelIndex& indice, int papel) const
{
    const CelulaLinha* c = celula(indice);
    if (!c)
        return {};
    switch (papel) {
    case Qt::DisplayRole: {
        QStringList linhas;
        for (const std::string& l : resumoCelula(*tabela_, *c))
            linhas << qt(l);
        return linhas.join(QLatin1Char('\n'));
    }
    case Qt::ForegroundRole:
        return QBrush(c->passa() ? QColor(0, 0, 255) : QColor(255, 0, 0));
    case Qt::ToolTipRole:
        return c->dimensionada() ? QVariant() : qt(c->execucao.mensagem);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ModeloTabelaArmaduras::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (!tabela_ || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (orientacao == Qt::Horizontal) {
        if (secao < 0 || secao >= columnCount())
            return {};
        const CelulaLinha& c = tabela_->celula(0, secao);
        return qt(c.nomeClasse);
    }
    if (secao < 0 || secao >= rowCount())
        return {};
    return qt(cabecalhoDiametro(*tabela_, secao));
}
