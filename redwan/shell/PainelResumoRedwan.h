#pragma once
// Redwan's summary panel: "Quadro de Resumo" over three panels of thirteen rows,
// placed by calcularLayoutResumoRedwan on every resize. It shows the texts
// of a ResumoRedwan and keeps them for whoever asks.

#include "resumoRedwan.h"

#include <QFrame>
#include <array>

class QLabel;

class PainelResumoRedwan : public QFrame {
    Q_OBJECT
public:
    explicit PainelResumoRedwan(QWidget* parent = nullptr);

    void mostrar(const ResumoRedwan& resumo);
    // The text of row k (from 1) of a panel; `item` 1 is the right-hand
    // text of a sub-panel row.
    QString linha(PainelRedwan painel, int k, int item = 0) const;
    QString titulo() const;
    // Text height of the rows in the current layout.
    int alturaTexto() const { return alturaTexto_; }
    void dispor();

signals:
    void disposto();

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    struct Linha {
        QWidget* subpainel = nullptr;
        std::array<QLabel*, 2> rotulos{};
        bool comSimboloGama = false;
    };
    QWidget* paineis_[3];
    QLabel* titulo_;
    std::array<std::array<Linha, linhasPorPainelRedwan>, 3> linhas_;
    ResumoRedwan resumo_;
    int alturaTexto_ = 12;
};
