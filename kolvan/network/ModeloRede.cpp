#include "ModeloRede.h"

#include "TextoQt.h"
#include "colunasRede.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

namespace {

bool colunaTexto(int coluna)
{
    const auto c = static_cast<ColunaTrecho>(coluna);
    return c == ColunaTrecho::Trecho || c == ColunaTrecho::Montante || c == ColunaTrecho::Jusante ||
           c == ColunaTrecho::Sobrecarga;
}

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

ModeloRede::ModeloRede(const ProjetoTubo& projeto, QObject* parent)
    : QAbstractTableModel(parent), projeto_(projeto), base_(projetoBaseRede(projeto))
{
}

void ModeloRede::definirTrechos(std::vector<EntradaTrecho> entradas)
{
    beginResetModel();
    base_ = projetoBaseRede(projeto_);
    rede_.entradas = std::move(entradas);
    rede_.resultados = classificarRede(base_, rede_.entradas);
    endResetModel();
    emit redeAlterada();
}

void ModeloRede::reclassificar()
{
    base_ = projetoBaseRede(projeto_);
    rede_.resultados = classificarRede(base_, rede_.entradas);
    if (!rede_.entradas.empty())
        emit dataChanged(index(0, numeroColunasTrecho), index(rowCount() - 1, columnCount() - 1));
    emit redeAlterada();
}

void ModeloRede::incluirTrecho(int linha)
{
    if (linha < 0 || linha > rowCount())
        linha = rowCount();
    beginInsertRows({}, linha, linha);
    rede_.entradas.insert(rede_.entradas.begin() + linha, EntradaTrecho{});
    rede_.resultados.insert(rede_.resultados.begin() + linha, classificarTrecho(base_, EntradaTrecho{}));
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

int ModeloRede::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(rede_.entradas.size());
}

int ModeloRede::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : numeroColunasTrecho + numeroColunasResultado;
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
        return qt(textoResultado(r, static_cast<ColunaResultado>(coluna - numeroColunasTrecho)));
    case Qt::ForegroundRole:
        if (!r.classificado)
            return QBrush(QColor(200, 0, 0));
        return {};
    case Qt::BackgroundRole:
        if (!colunaEntrada(coluna))
            return QBrush(QColor(240, 240, 240));
        return {};
    case Qt::ToolTipRole:
        if (!r.classificado)
            return qt(r.mensagem);
        return {};
    case Qt::TextAlignmentRole: {
        const bool texto = colunaEntrada(coluna)
                               ? colunaTexto(coluna)
                               : coluna >= colunaResultado(static_cast<int>(ColunaResultado::Classe)) ||
                                     coluna == colunaResultado(static_cast<int>(ColunaResultado::ClasseArmado)) ||
                                     coluna == colunaResultado(static_cast<int>(ColunaResultado::ClasseSimples));
        return QVariant::fromValue(Qt::AlignVCenter | (texto ? Qt::AlignLeft : Qt::AlignRight));
    }
    default:
        return {};
    }
}

QVariant ModeloRede::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (papel != Qt::DisplayRole)
        return {};
    if (orientacao == Qt::Vertical)
        return secao + 1;
    if (colunaEntrada(secao))
        return emLinhas(titulosColunasTrecho()[static_cast<std::size_t>(secao)]);
    const auto resultado = static_cast<std::size_t>(secao - numeroColunasTrecho);
    if (resultado < titulosColunasResultado().size())
        return emLinhas(titulosColunasResultado()[resultado]);
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
    // Numbers are typed as everywhere in the program: a full stop becomes the comma.
    if (!colunaTexto(indice.column()))
        std::replace(texto.begin(), texto.end(), '.', ',');
    EntradaTrecho& e = rede_.entradas[linha];
    std::string& campo = campoTrecho(e, static_cast<ColunaTrecho>(indice.column()));
    if (campo == texto)
        return true;
    campo = std::move(texto);
    // What the reader could not use is what the user is correcting now.
    e.problemaLeitura.clear();
    rede_.resultados[linha] = classificarTrecho(base_, e);
    emit dataChanged(index(indice.row(), 0), index(indice.row(), columnCount() - 1));
    emit redeAlterada();
    emit entradasAlteradas();
    return true;
}
