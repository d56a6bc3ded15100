#pragma once
// "Autores e Responsáveis": titles, logos, version and the credits, read
// from Config/Creditos.txt that ships with the product.

#include <QDialog>
#include <QList>

class QLabel;
class QVBoxLayout;

struct EntradaCredito {
    QString nome;
    QString email;
};

struct Creditos {
    QList<EntradaCredito> coordenacao, programacao, consultoria;
};

// Reads the credits text: a section starts at "[Coordenação Geral]",
// "[Programação]" or "[Consultoria Técnica]"; each other line is
// "name | e-mail". Lines starting with '#' and blank lines are skipped.
Creditos lerCreditos(const QString& texto);

class TFsobre : public QDialog {
    Q_OBJECT
public:
    TFsobre(const QString& titulo1, const QString& titulo2, QWidget* parent = nullptr);

    void definirVersao(const QString& versao);
    // (Re)loads the three logos, as a new project does.
    void carregarLogos();

    QLabel* LabelVersao;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void preencherCreditos();
    QList<QLabel*> logos_;
    QVBoxLayout* creditos_;
    QWidget* areaCreditos_;
};
