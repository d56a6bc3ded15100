#pragma once
// "Bases de concreto": six concrete cradles, each a picture and a button
// with its equivalence factor. A button chooses its base and closes;
// "Voltar" closes without a choice.

#include <QDialog>
#include <utility>

class QLabel;

class TFormDaseConcreto : public QDialog {
    Q_OBJECT
public:
    explicit TFormDaseConcreto(QWidget* parent = nullptr);
    // Row and column of the base chosen at the last showing; (-1, -1) for none.
    std::pair<int, int> escolha() const { return escolha_; }
    void carregarFiguras();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::pair<int, int> escolha_{-1, -1};
    QList<QLabel*> figuras_;
};
