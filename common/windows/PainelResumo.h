#pragma once
// The summary panel: a title over three columns of ten lines, placed by
// calcularLayoutResumo on every resize. Holds only texts; the programs say
// what each line reads.

#include <QFrame>
#include <array>

class QLabel;

class PainelResumo : public QFrame {
    Q_OBJECT
public:
    explicit PainelResumo(const QString& titulo, QWidget* parent = nullptr);

    void definirLinha(int coluna, int k, const QString& texto);
    QString linha(int coluna, int k) const;
    QString titulo() const;
    // Text height of the lines in the current layout.
    int alturaTexto() const { return alturaTexto_; }
    void dispor();

signals:
    void disposto();

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    QLabel* titulo_;
    std::array<std::array<QLabel*, 10>, 3> linhas_{};
    int alturaTexto_ = 12;
};
