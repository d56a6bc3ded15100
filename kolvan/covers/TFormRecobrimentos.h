#pragma once
// The window "Tabela de recobrimentos": for the open project's installation,
// soil, surcharge, bedding and safety coefficient, the covers each class of
// each diameter takes (tabelaRecobrimentos.h), the smallest reinforced class
// at each cover, coloured by class, and the chart of R against the cover for
// one diameter (the project's unless the user picks another). The table is
// computed again whenever the main window says the project changed, at once
// when the window is shown and otherwise when it is next shown. "Relatório"
// previews the report; "Exportar" writes the CSV or the .xlsx.

#include "tabelaRecobrimentos.h"

#include <QIcon>
#include <QWidget>

struct ProjetoTubo;
class AreaGraficoRecobrimento;
class QComboBox;
class QLabel;
class QTableWidget;

class TFormRecobrimentos : public QWidget {
    Q_OBJECT
public:
    explicit TFormRecobrimentos(const ProjetoTubo& projeto, QWidget* parent = nullptr);

    // The project changed: the table is computed again.
    void projetoAlterado();

    const TabelaRecobrimentos& tabela() const { return tabela_; }
    QTableWidget* tabelaClasses() const { return tabelaClasses_; }
    QTableWidget* tabelaCoberturas() const { return tabelaCoberturas_; }
    QComboBox* diametroGrafico() const { return CmbBxDiametro; }
    AreaGraficoRecobrimento* grafico() const { return grafico_; }

    bool exportarCsv(const QString& caminho);
    bool exportarXlsx(const QString& caminho);
    void BrelatorioClick();
    void BexportarCsvClick();
    void BexportarXlsxClick();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void recalcular();
    void preencherTabelas();
    void CmbBxDiametroChange();

    const ProjetoTubo& projeto_;
    TabelaRecobrimentos tabela_;
    bool desatualizada_ = true;
    int diametroProjeto_ = -1; // the project's diameter at the last computation
    QTableWidget* tabelaClasses_;
    QTableWidget* tabelaCoberturas_;
    QComboBox* CmbBxDiametro;
    AreaGraficoRecobrimento* grafico_;
    QLabel* situacao_;
};

// The toolbar picture of the command that opens the window: a small chart
// of a rising curve over coloured class bands.
QIcon iconeTabelaRecobrimentos();
