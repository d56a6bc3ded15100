#pragma once
// The stretches of the network window as a table: the inputs, editable,
// then the results and the trench quantities, read-only; a stretch without
// a class red across its row, with its message. Editing a cell classes that
// stretch again at once. The vertical heading names each stretch, so the
// name stays in view while the table scrolls sideways.

#include "colunasRede.h"
#include "redeTubulacoes.h"

#include <QAbstractTableModel>

class ModeloRede : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeloRede(const ProjetoTubo& projeto, QObject* parent = nullptr);

    const RedeTubulacoes& rede() const { return rede_; }
    // Replaces every stretch and classes them.
    void definirTrechos(std::vector<EntradaTrecho> entradas);
    // Classes every stretch again with the project as it is now.
    void reclassificar();
    // An empty stretch at `linha` (the end when out of range).
    void incluirTrecho(int linha);
    void excluirTrechos(std::vector<int> linhas);
    // The trench quantities again with other parameters (no reclassing).
    void definirParametrosVala(const ParametrosVala& vala);

    static bool colunaTexto(int coluna);
    // Decimals an edited number of the column is shown with; -1: as typed.
    static int decimaisColuna(int coluna);

    static bool colunaEntrada(int coluna) { return coluna < numeroColunasTrecho; }
    static int colunaResultado(int resultado) { return numeroColunasTrecho + resultado; }
    static int colunaVala(ColunaVala c) { return numeroColunasTrecho + numeroColunasResultado + static_cast<int>(c); }

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel = Qt::EditRole) override;

signals:
    // Any stretch changed: the quantities follow.
    void redeAlterada();
    // The user changed the stretches themselves (not a reclassing): edited a
    // cell, added or removed a stretch.
    void entradasAlteradas();

private:
    const ProjetoTubo& projeto_;
    ProjetoTubo base_; // what classing reads of the project, as last taken
    RedeTubulacoes rede_;
};
