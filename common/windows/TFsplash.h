#pragma once
// The borderless window shown while a program starts: titles, logos,
// version, a status line and a progress bar. Showing it fixes the base folder.

#include <QWidget>

class QLabel;
class QProgressBar;

class TFsplash : public QWidget {
    Q_OBJECT
public:
    TFsplash(const QString& titulo1, const QString& titulo2, QWidget* parent = nullptr);

    void definirVersao(const QString& versao);
    void definirStatus(const QString& texto);
    void definirProgresso(int valor);
    int progresso() const;
    QString status() const;
    // Paints the window now; start-up runs no event loop between its steps.
    void repintar();

    QLabel* LabelVersao;
    QLabel* LabelStatus;
    QProgressBar* ProgressBar1;

protected:
    void showEvent(QShowEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap fundo_;
    QList<QLabel*> logos_;
};

// The lines of the status of one start-up step: an empty text, then the
// step's text after "Carregando ... " with one, two and three full stops.
QStringList textosCarregando(const QString& etapa);
