#pragma once
// The grid of "Tabela de armaduras": a row per diameter, a column per class,
// each cell the short texts of its design (textosCelula.h); a cell whose
// design failed or whose checks do not all pass is red.

#include "linhaProdutos.h"

#include <QAbstractTableModel>

class ModeloTabelaArmaduras : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void definirTabela(const TabelaLinha* tabela); // not owned; nullptr empties the grid
    // The cells changed in place (a search, a diameter designed again).
    void atualizarCelulas();

    const CelulaLinha* celula(const QModelIndex& indice) const;

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;

private:
    const TabelaLinha* tabela_ = nullptr;
};
