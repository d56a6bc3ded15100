#include "PainelResumo.h"

#include "layoutResumo.h"

#include <QLabel>

PainelResumo::PainelResumo(const QString& titulo, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PainelResumo"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    titulo_ = new QLabel(titulo, this);
    titulo_->setObjectName(QStringLiteral("TituloResumo"));
    titulo_->setAlignment(Qt::AlignCenter);
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < 10; ++k) {
            auto* rotulo = new QLabel(this);
            rotulo->setObjectName(QStringLiteral("Resumo%1_%2").arg(c).arg(k + 1));
            linhas_[c][k] = rotulo;
        }
}

void PainelResumo::definirLinha(int coluna, int k, const QString& texto)
{
    linhas_[coluna][k - 1]->setText(texto);
}

QString PainelResumo::linha(int coluna, int k) const { return linhas_[coluna][k - 1]->text(); }
QString PainelResumo::titulo() const { return titulo_->text(); }

void PainelResumo::resizeEvent(QResizeEvent* evento)
{
    QFrame::resizeEvent(evento);
    dispor();
}

void PainelResumo::dispor()
{
    const LayoutResumo L = calcularLayoutResumo(width(), height());
    alturaTexto_ = std::max(L.b, 1);

    QFont fonteTitulo = font();
    fonteTitulo.setBold(true);
    fonteTitulo.setPixelSize(std::max(L.alturaTitulo * 4 / 5, 1));
    titulo_->setFont(fonteTitulo);
    titulo_->setGeometry(L.titulo.x, L.titulo.y, L.titulo.largura, L.titulo.altura);

    // The line height is the height of the character cell; the font's pixel
    // size is its em, about four fifths of the cell.
    QFont fonteLinha = font();
    fonteLinha.setPixelSize(std::max(1, L.b * 4 / 5));
    for (int c = 0; c < 3; ++c) {
        const Retangulo& coluna = L.colunas[c];
        for (int k = 1; k <= 10; ++k) {
            QLabel* rotulo = linhas_[c][k - 1];
            rotulo->setFont(fonteLinha);
            // A line keeps its text height; the label is a little taller so
            // descenders are not cut.
            rotulo->setGeometry(coluna.x, coluna.y + L.topoLinha(k), coluna.largura,
                                L.b + L.b / 3 + 2);
        }
    }
    emit disposto();
}
