#pragma once
// The network window "Rede de tubulações": the stretches of a network in a
// table over ModeloRede (inputs editable, results and trench quantities
// read-only), the bill of quantities under it with the trench parameters,
// and the commands to import a CSV, LandXML or SWMM file, export CSV or
// .xlsx, add and remove stretches and preview the network report. The
// project saves and opens the network beside its file (redeProjeto.h). It takes every other parameter from the open project and classes
// the network again whenever the main window says the project changed.
// The classing, the readers, the spreadsheet and the report are the
// engine's (redeTubulacoes.h, leituraRede.h, exportacaoRede.h, relatorioRede.h).

#include "valaRede.h"

#include <QWidget>

struct ProjetoTubo;
class ModeloRede;
class QPushButton;
class QTableView;
class QTextBrowser;
class QLabel;
class QBoxLayout;
class QLineEdit;
class QModelIndex;
class QFontMetrics;

// Asked when the program is left with a changed network.
inline constexpr const char* perguntaExportarRede = "A rede de tubulações tem alterações que não foram exportadas.\n"
                                                    "Deseja exportá-la em CSV?";

// The tooltip of a cell `largura` pixels wide: its text when the column
// cuts it, and the message of a stretch without a class.
QString dicaCelula(const QModelIndex& indice, int largura, const QFontMetrics& medida);

class TFormRede : public QWidget {
    Q_OBJECT
public:
    explicit TFormRede(const ProjetoTubo& projeto, QWidget* parent = nullptr);
    ~TFormRede() override;

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

    // The network beside the project `caminhoProjeto` (NOME-rede.csv): a
    // network is written there, an empty one writes nothing (and takes away
    // a file left there by an earlier save). False with `erro` when it could
    // not be written.
    bool gravarJuntoAoProjeto(const QString& caminhoProjeto, QString& erro);
    // Reads the network beside the project; none there leaves the table
    // empty. False with `erro` when the file is there but cannot be read:
    // the table is then empty too.
    bool lerJuntoAoProjeto(const QString& caminhoProjeto, QString& erro);
    // No stretches ("Novo").
    void esvaziar();

    // The trench parameters, kept in Config/Rede.ini.
    void definirParametrosVala(const ParametrosVala& p);

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
    // The longitudinal profiles of the network (TFormRedePerfis.cpp).
    void BperfisClick();
    void BescalasPerfisClick();
    // True when the files were written.
    bool BexportarPerfisSvgClick();
    bool BexportarPerfisDxfClick();

signals:
    // The user changed the stretches (the project holds them).
    void redeEditada();

private:
    void atualizarQuantitativos();
    void criarBotoesPerfis(QBoxLayout* botoes);
    bool exportarPerfis(bool svg);
    void lerCampoVala();
    void mostrarParametrosVala();
    void definirTitulo(const QString& arquivo);

    const ProjetoTubo& projeto_;
    ModeloRede* modelo_;
    QTableView* tabela_;
    QTextBrowser* quantitativos_;
    QLabel* resumo_;
    QLineEdit* editLastro_;
    QLineEdit* editEscoramento_;
    QLineEdit* editEmpolamento_;
    // The file beside a project that could not be read: never taken away.
    QString redeIlegivel_;
};
