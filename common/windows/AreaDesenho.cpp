#include "AreaDesenho.h"

#include "PintorSecao.h"

#include <QLabel>
#include <QPainter>

AreaDesenho::AreaDesenho(QWidget* parent) : QWidget(parent)
{
    rotulo_ = new QLabel(this);
    rotulo_->setObjectName(QStringLiteral("RotuloCota"));
    QPalette paleta = rotulo_->palette();
    paleta.setColor(QPalette::WindowText, CoresDesenho::cota);
    rotulo_->setPalette(paleta);
    rotulo_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void AreaDesenho::iniciarImagem()
{
    imagem_ = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    imagem_.fill(Qt::white);
}

void AreaDesenho::limpar()
{
    iniciarImagem();
    temCota_ = false;
    rotulo_->clear();
    update();
}

void AreaDesenho::desenharLongitudinal(TipoJunta tipo, int alturaTexto)
{
    iniciarImagem();
    const DesenhoLongitudinal d = ::desenharLongitudinal(tipo, width(), height());
    pintarLongitudinal(imagem_, d, alturaTexto);
    cota_ = d.comprimento;
    temCota_ = true;
    update();
}

void AreaDesenho::desenharTransversal(TipoJunta tipo, QSize areaLongitudinal, int alturaTexto)
{
    iniciarImagem();
    const DesenhoTransversal d = ::desenharTransversal(tipo, width(), height(),
                                                       areaLongitudinal.width(), areaLongitudinal.height());
    pintarTransversal(imagem_, d, alturaTexto);
    cota_ = d.diametro;
    temCota_ = true;
    update();
}

void AreaDesenho::definirRotuloCota(const QString& texto, int alturaTexto)
{
    rotulo_->setText(texto);
    posicionarRotulo(alturaTexto);
}

QString AreaDesenho::rotuloCota() const { return rotulo_->text(); }

void AreaDesenho::posicionarRotulo(int alturaTexto)
{
    QFont fonte = rotulo_->font();
    fonte.setPixelSize(std::max(alturaTexto, 1));
    rotulo_->setFont(fonte);
    rotulo_->adjustSize();
    if (!temCota_) {
        rotulo_->move(0, 0);
        return;
    }
    rotulo_->move(cota_.meioX - rotulo_->width() / 2, cota_.topoRotulo);
}

void AreaDesenho::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    if (!imagem_.isNull())
        pintor.drawImage(0, 0, imagem_);
}
