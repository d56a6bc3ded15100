#pragma once
// The network window "Rede de tubulações": the stretches of a network in a
// table over ModeloRede (inputs editable, results read-only), the bill of
// quantities under it, and the commands to import a CSV or LandXML file,
// export CSV or .xlsx, add and remove stretches and preview the network
// report. It takes every other parameter from the open project and classes
// the network again whenever the main window says the project changed.
// The classing, the readers, the spreadsheet and the report are the
// engine's (redeTubulacoes.h, leituraRede.h, exportacaoRede.h, relatorioRede.h).

#include <QWidget>

struct ProjetoTubo;
class ModeloRede;
class QPushButton;
class QTableView;
class QTextBrowser;
class QLabel;

// Asked when the program is left with a changed network.
inline constexpr const char* perguntaExportarRede = "A rede de tubulações tem alterações que não foram exportadas.\n"
                                                    "Deseja exportá-la em CSV?";

class TFormRede : public QWidget {
    Q_OBJECT
public:
    explicit TFormRede(const ProjetoTubo& projeto, QWidget* parent = nullptr);

    ModeloRede* modelo() const { return modelo_; }
    QTableView* tabela() const { return tabela_; }
    QTextBrowser* quantitativos() const { return quantitativos_; }

    // The project changed: every stretch is classed again.
    void projetoAlterado();
    // Reads a network file into the table; false (and the reason said) when
    // the file cannot be read. The table changes only for a file that reads.
    bool importarArquivo(const QString& caminho);
    // Writes the network; false (and the reason said) when it cannot.
    // A network written to CSV can be imported back: it is no longer changed.
    bool exportarCsv(const QString& caminho);
    bool exportarXlsx(const QString& caminho);

    // Stretches typed, edited, added or removed since the network was last
    // imported or exported to CSV (the caption marks them).
    bool alterada() const { return isWindowModified(); }
    // Before the program ends: a changed network may be exported to CSV
    // first (Sim), left (Não), or the exit called off (Cancelar, false).
    bool podeDescartar();

    void BimportarClick();
    // True when the network was written.
    bool BexportarCsvClick();
    void BexportarXlsxClick();
    void BincluirClick();
    void BexcluirClick();
    void BrelatorioClick();
    // The network's calculation sheet, with the selected stretch's own.
    void BmemoriaClick();

private:
    void atualizarQuantitativos();

    const ProjetoTubo& projeto_;
    ModeloRede* modelo_;
    QTableView* tabela_;
    QTextBrowser* quantitativos_;
    QLabel* resumo_;
};
