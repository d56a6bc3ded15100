#include "PainelResumoRedwan.h"

#include "TextoQt.h"
#include "layoutResumoRedwan.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
// "s = 1,15" after the γ symbol reads γ with the subscript s.
QString comGama(const QString& texto)
{
    if (texto.isEmpty())
        return texto;
    return QStringLiteral("γ<sub>") + texto.left(1).toHtmlEscaped() + QStringLiteral("</sub>")
        + texto.mid(1).toHtmlEscaped();
}
} // namespace

PainelResumoRedwan::PainelResumoRedwan(QWidget* parent)
    : QFrame(parent), resumo_(resumoInicialRedwan())
{
    setObjectName(QStringLiteral("PainelResumo"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    titulo_ = new QLabel(QString::fromUtf8(tituloResumoRedwan), this);
    titulo_->setObjectName(QStringLiteral("TituloResumo"));
    titulo_->setAlignment(Qt::AlignCenter);

    const char* nomes[] = {"PainelGeometria", "PainelParametros", "PainelResultados"};
    for (int c = 0; c < 3; ++c) {
        paineis_[c] = new QWidget(this);
        paineis_[c]->setObjectName(QLatin1String(nomes[c]));
        const auto modelo = linhasPainel(resumo_, static_cast<PainelRedwan>(c));
        for (int k = 0; k < linhasPorPainelRedwan; ++k) {
            Linha& linha = linhas_[c][k];
            const QString nome = QStringLiteral("Resumo%1_%2").arg(c).arg(k + 1);
            if (modelo[k].subpainel) {
                linha.subpainel = new QWidget(paineis_[c]);
                linha.subpainel->setObjectName(nome);
                auto* lado = new QHBoxLayout(linha.subpainel);
                lado->setContentsMargins(0, 0, 0, 0);
                for (int i = 0; i < 2; ++i) {
                    linha.rotulos[i] = new QLabel(linha.subpainel);
                    linha.rotulos[i]->setObjectName(nome + QStringLiteral("_%1").arg(i));
                    lado->addWidget(linha.rotulos[i], 1);
                }
                linha.comSimboloGama = modelo[k].comSimboloGama;
            } else {
                linha.rotulos[0] = new QLabel(paineis_[c]);
                linha.rotulos[0]->setObjectName(nome);
            }
        }
    }
    mostrar(resumo_);
}

void PainelResumoRedwan::mostrar(const ResumoRedwan& resumo)
{
    resumo_ = resumo;
    for (int c = 0; c < 3; ++c) {
        const auto modelo = linhasPainel(resumo_, static_cast<PainelRedwan>(c));
        for (int k = 0; k < linhasPorPainelRedwan; ++k) {
            Linha& linha = linhas_[c][k];
            for (std::size_t i = 0; i < modelo[k].textos.size() && i < 2; ++i) {
                const QString texto = qt(modelo[k].textos[i]);
                if (linha.comSimboloGama) {
                    linha.rotulos[i]->setTextFormat(Qt::RichText);
                    linha.rotulos[i]->setText(comGama(texto));
                } else {
                    linha.rotulos[i]->setTextFormat(Qt::PlainText);
                    linha.rotulos[i]->setText(texto);
                }
            }
        }
    }
}

QString PainelResumoRedwan::linha(PainelRedwan painel, int k, int item) const
{
    const auto modelo = linhasPainel(resumo_, painel);
    const auto& textos = modelo[k - 1].textos;
    return item >= 0 && item < static_cast<int>(textos.size()) ? qt(textos[item]) : QString();
}

QString PainelResumoRedwan::titulo() const { return titulo_->text(); }

void PainelResumoRedwan::resizeEvent(QResizeEvent* evento)
{
    QFrame::resizeEvent(evento);
    dispor();
}

void PainelResumoRedwan::dispor()
{
    const LayoutResumoRedwan L = calcularLayoutResumoRedwan(width(), height());
    alturaTexto_ = std::max(L.f, 1);

    QFont fonteTitulo = font();
    fonteTitulo.setBold(true);
    // A text height is the height of the character cell; the font's pixel
    // size is its em, about four fifths of the cell.
    fonteTitulo.setPixelSize(std::max(L.alturaTitulo * 4 / 5, 1));
    titulo_->setFont(fonteTitulo);
    titulo_->setGeometry(L.titulo.x, L.titulo.y, L.titulo.largura, L.titulo.altura);

    QFont fonteLinha = font();
    fonteLinha.setPixelSize(std::max(1, L.f * 4 / 5));
    // A row keeps its text height; the label is a little taller so
    // descenders and subscripts are not cut.
    const int alturaRotulo = L.f + L.f / 3 + 2;
    for (int c = 0; c < 3; ++c) {
        const Retangulo& r = L.paineis[c];
        paineis_[c]->setGeometry(r.x, r.y, r.largura, r.altura + alturaRotulo - L.f);
        for (int k = 1; k <= linhasPorPainelRedwan; ++k) {
            Linha& linha = linhas_[c][k - 1];
            for (QLabel* rotulo : linha.rotulos)
                if (rotulo)
                    rotulo->setFont(fonteLinha);
            if (linha.subpainel)
                linha.subpainel->setGeometry(0, L.topoLinha(k), L.larguraSubpainel, alturaRotulo);
            else
                linha.rotulos[0]->setGeometry(0, L.topoLinha(k), r.largura, alturaRotulo);
        }
    }
    emit disposto();
}
