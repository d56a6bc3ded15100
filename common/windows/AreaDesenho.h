#pragma once
// A drawing area of the main window: a picture that keeps what was drawn
// on it (also across resizes) until it is drawn again or cleared, and the
// dimension label placed over it.

#include "desenhoSecao.h"

#include <QImage>
#include <QWidget>

class QLabel;

class AreaDesenho : public QWidget {
    Q_OBJECT
public:
    explicit AreaDesenho(QWidget* parent = nullptr);

    // Fills the picture with white at the area's current size and hides the
    // dimension label's place.
    void limpar();
    void desenharLongitudinal(TipoJunta tipo, int alturaTexto);
    void desenharTransversal(TipoJunta tipo, QSize areaLongitudinal, int alturaTexto);

    // The dimension label: centred on the dimension line, text height as the summary's.
    void definirRotuloCota(const QString& texto, int alturaTexto);
    QString rotuloCota() const;
    const QImage& imagem() const { return imagem_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void iniciarImagem();
    void posicionarRotulo(int alturaTexto);
    QImage imagem_;
    QLabel* rotulo_;
    bool temCota_ = false;
    Cota cota_;
};
