#include "ModeloRede.h"

#include "TextoQt.h"
#include "colunasRede.h"
#include "corClasse.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <cmath>

#include "numeros.h"

namespace {

const QColor vermelho(200, 0, 0);
const QColor fundoVermelho(255, 228, 228);

// A heading in lines of a few characters, so the columns stay narrow.
QString emLinhas(const std::string& titulo)
{
    const QStringList palavras = qt(titulo).split(QLatin1Char(' '));
    QStringList linhas;
    for (const QString& p : palavras) {
        if (!linhas.isEmpty() && linhas.last().size() + 1 + p.size() <= 9)
            linhas.last() += QLatin1Char(' ') + p;
        else
            linhas << p;
    }
    return linhas.join(QLatin1Char('\n'));
}

} // namespace

bool ModeloRede::colunaTexto(int coluna)
{
    const auto c = static_cast<ColunaTrecho>(coluna);
    return c == ColunaTrecho::Trecho || c == ColunaTrecho::Montante || c == ColunaTrecho::Jusante ||
           c == ColunaTrecho::Sobrecarga;
}

int ModeloRede::decimaisColuna(int coluna)
{
    switch (static_cast<ColunaTrecho>(coluna)) {
    case ColunaTrecho::Comprimento:
    case ColunaTrecho::HsMontante:
    case ColunaTrecho::HsJusante:
    case ColunaTrecho::Bv: return 2;
    case ColunaTrecho::TerrenoMontante:
    case ColunaTrecho::FundoMontante:
    case ColunaTrecho::TerrenoJusante:
    case ColunaTrecho::FundoJusante: return 3;
    default: return -1; // names, the diameter of the list, the surcharge, the count of pipes
    }
}

ModeloRede::ModeloRede(const ProjetoTubo& projeto, QObject* parent)
    : QAbstractTableModel(parent), projeto_(projeto), base_(projetoBaseRede(projeto))
{
}

void ModeloRede::definirTrechos(std::vector<EntradaTrecho> entradas)
{
    beginResetModel();
    base_ = projetoBaseRede(projeto_);
    rede_.entradas = std::move(entradas);
    rede_.resultados = classificarRede(base_, rede_.entradas, rede_.vala);
    endResetModel();
    emit redeAlterada();
}

void ModeloRede::reclassificar()
{
    base_ = projetoBaseRede(projeto_);
    rede_.resultados = classificarRede(base_, rede_.entradas, rede_.vala);
    if (!rede_.entradas.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
    emit redeAlterada();
}

void ModeloRede::incluirTrecho(int linha)
{
    if (linha < 0 || linha > rowCount())
        linha = rowCount();
    beginInsertRows({}, linha, linha);
    rede_.entradas.insert(rede_.entradas.begin() + linha, EntradaTrecho{});
    rede_.resultados.insert(rede_.resultados.begin() + linha, classificarTrecho(base_, EntradaTrecho{}, rede_.vala));
    endInsertRows();
    emit redeAlterada();
    emit entradasAlteradas();
}

void ModeloRede::excluirTrechos(std::vector<int> linhas)
{
    std::sort(linhas.begin(), linhas.end());
    linhas.erase(std::unique(linhas.begin(), linhas.end()), linhas.end());
    // From the last, so the earlier rows keep their numbers.
    bool removida = false;
    for (auto it = linhas.rbegin(); it != linhas.rend(); ++it) {
        const int linha = *it;
        if (linha < 0 || linha >= rowCount())
            continue;
        beginRemoveRows({}, linha, linha);
        rede_.entradas.erase(rede_.entradas.begin() + linha);
        rede_.resultados.erase(rede_.resultados.begin() + linha);
        endRemoveRows();
        removida = true;
    }
    emit redeAlterada();
    if (removida)
        emit entradasAlteradas();
}

void ModeloRede::definirParametrosVala(const ParametrosVala& vala)
{
    if (vala == rede_.vala)
        return;
    rede_.vala = vala;
    for (ResultadoTrecho& r : rede_.resultados)
        atualizarVala(r, base_, vala);
    if (!rede_.entradas.empty())
        emit dataChanged(index(0, colunaVala(ColunaVala::ProfundidadeMedia)), index(rowCount() - 1, columnCount() - 1));
    emit redeAlterada();
}

int ModeloRede::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(rede_.entradas.size());
}

int ModeloRede::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : numeroColunasTrecho + numeroColunasResultado + numeroColunasVala;
}

QVariant ModeloRede::data(const QModelIndex& indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const auto linha = static_cast<std::size_t>(indice.row());
    const int coluna = indice.column();
    const ResultadoTrecho& r = rede_.resultados[linha];
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (colunaEntrada(coluna))
            return qt(campoTrecho(rede_.entradas[linha], static_cast<ColunaTrecho>(coluna)));
        if (coluna >= colunaVala(ColunaVala::ProfundidadeMedia))
            return qt(textoVala(r, static_cast<ColunaVala>(coluna - colunaVala(ColunaVala::ProfundidadeMedia))));
        return qt(textoResultado(r, static_cast<ColunaResultado>(coluna - numeroColunasTrecho)));
    case Qt::ForegroundRole:
        if (!r.classificado)
            return QBrush(vermelho);
        return {};
    case Qt::BackgroundRole: {
        if (!r.classificado)
            return QBrush(fundoVermelho);
        if (colunaEntrada(coluna))
            return {};
        // The class columns in the colours of the cover table.
        const std::string classe = coluna < colunaVala(ColunaVala::ProfundidadeMedia)
                                       ? classeDaColuna(r, static_cast<ColunaResultado>(coluna - numeroColunasTrecho))
                                       : std::string();
        if (classe.empty())
            return QBrush(QColor(240, 240, 240));
        const CorClasse cor = corClasse(classe, true);
        return QBrush(QColor(cor.r, cor.g, cor.b));
    }
    case Qt::ToolTipRole:
        if (!r.classificado)
            return qt(r.mensagem);
        return {};
    case Qt::TextAlignmentRole: {
        const bool texto = colunaEntrada(coluna)
                               ? colunaTexto(coluna)
                               : coluna == colunaResultado(static_cast<int>(ColunaResultado::Classe)) ||
                                     coluna == colunaResultado(static_cast<int>(ColunaResultado::ClasseArmado)) ||
                                     coluna == colunaResultado(static_cast<int>(ColunaResultado::ClasseSimples)) ||
                                     coluna == colunaVala(ColunaVala::FaixaProfundidade) ||
                                     coluna == colunaVala(ColunaVala::FaixaLargura);
        return QVariant::fromValue(Qt::AlignVCenter | (texto ? Qt::AlignLeft : Qt::AlignRight));
    }
    default:
        return {};
    }
}

QVariant ModeloRede::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao == Qt::Vertical) {
        // The stretch's name beside its row number: it stays in view when
        // the table scrolls sideways.
        if (secao < 0 || secao >= rowCount())
            return {};
        const EntradaTrecho& e = rede_.entradas[static_cast<std::size_t>(secao)];
        if (papel == Qt::ForegroundRole && !rede_.resultados[static_cast<std::size_t>(secao)].classificado)
            return QBrush(vermelho);
        if (papel == Qt::ToolTipRole)
            return qt(e.trecho);
        if (papel != Qt::DisplayRole)
            return {};
        QString nome = qt(e.trecho);
        // Short, so the heading stays narrow; the tooltip has the whole name.
        if (nome.size() > 16)
            nome = nome.left(15) + QChar(0x2026);
        return nome.isEmpty() ? QString::number(secao + 1) : QStringLiteral("%1  %2").arg(secao + 1).arg(nome);
    }
    if (papel != Qt::DisplayRole)
        return {};
    if (colunaEntrada(secao))
        return emLinhas(titulosColunasTrecho()[static_cast<std::size_t>(secao)]);
    const auto resultado = static_cast<std::size_t>(secao - numeroColunasTrecho);
    if (resultado < titulosColunasResultado().size())
        return emLinhas(titulosColunasResultado()[resultado]);
    const auto vala = resultado - titulosColunasResultado().size();
    if (vala < titulosColunasVala().size())
        return emLinhas(titulosColunasVala()[vala]);
    return {};
}

Qt::ItemFlags ModeloRede::flags(const QModelIndex& indice) const
{
    if (!indice.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (colunaEntrada(indice.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ModeloRede::setData(const QModelIndex& indice, const QVariant& valor, int papel)
{
    if (papel != Qt::EditRole || !indice.isValid() || !colunaEntrada(indice.column()) || indice.row() >= rowCount())
        return false;
    const auto linha = static_cast<std::size_t>(indice.row());
    std::string texto = std8(valor.toString().trimmed());
    // Numbers are typed as everywhere in the program: a full stop becomes the
    // comma, and a number shows with its column's decimals.
    if (!colunaTexto(indice.column())) {
        texto = comVirgulaDecimal(texto);
        double numero = 0.0;
        if (const int casas = decimaisColuna(indice.column()); casas >= 0 && lerNumero(texto, numero) && std::isfinite(numero))
            texto = formatarDecimais(numero, casas);
    }
    EntradaTrecho& e = rede_.entradas[linha];
    std::string& campo = campoTrecho(e, static_cast<ColunaTrecho>(indice.column()));
    if (campo == texto)
        return true;
    campo = std::move(texto);
    // What the reader could not use is what the user is correcting now.
    e.problemaLeitura.clear();
    rede_.resultados[linha] = classificarTrecho(base_, e, rede_.vala);
    emit dataChanged(index(indice.row(), 0), index(indice.row(), columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, indice.row(), indice.row());
    emit redeAlterada();
    emit entradasAlteradas();
    return true;
}
