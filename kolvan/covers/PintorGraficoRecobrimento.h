#pragma once
// The chart of a diameter painted with QPainter, as the engine laid it out,
// and the widget that shows it in the window at its own size.

#include "graficoRecobrimento.h"

#include <QWidget>

class QPainter;

void pintarGraficoRecobrimento(QPainter& pintor, const GraficoRecobrimento& g);

class AreaGraficoRecobrimento : public QWidget {
    Q_OBJECT
public:
    explicit AreaGraficoRecobrimento(QWidget* parent = nullptr);
    // The diameter drawn; null draws nothing. It must outlive the widget's use.
    void definirDiametro(const DiametroRecobrimento* d);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    const DiametroRecobrimento* diametro_ = nullptr;
};
