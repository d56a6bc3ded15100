#pragma once
// "Parâmetros da Sobrecarga": the nature of the load on the ground above the
// pipe and, by nature, the road traffic type or the data of a distributed or
// user-defined load. The window computes nothing; a first confirmation, or
// one with a change, announces itself with `sobrecargaAlterada`.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

class TFormSobreCarga : public JanelaEntrada {
    Q_OBJECT
public:
    TFormSobreCarga(ProjetoTubo& projeto, QWidget* parent = nullptr);

    QButtonGroup* RadioGroupTipoCarga;
    QButtonGroup* RadioGroupRodoviario;
    QButtonGroup* RadioGroupDistr;
    QLineEdit* EditCarga;
    QLineEdit* EditCompA;
    QLineEdit* EditCompB;
    QLineEdit* EditDistC;
    QLabel* Image1;
    QPushButton* BitBtn1; // "Confirma"
    // The six texts of the road panel, in order.
    std::array<QLabel*, 6> rotulosRodoviarios{};

    // Whether the field is shown (false: its disabled placeholder is).
    bool campoVisivel(QLineEdit* campo) const;
    // The panel shown under "Características da Sobrecarga:": 0 road, 1 load.
    int painelVisivel() const;
    QString legendaCargaAtual() const;

signals:
    void sobrecargaAlterada();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    struct Campo {
        QLineEdit* real = nullptr;
        QLineEdit* falso = nullptr;
        QStackedWidget* pilha = nullptr;
        QList<QWidget*> rotulos;
    };
    Campo criarCampo(const char* nome, QWidget* pai);
    void mostrarCampo(Campo& campo, bool visivel, bool legendaHabilitada);
    QWidget* criarPainelRodoviario(QWidget* pai);
    QWidget* criarPainelCarga(QWidget* pai);

    Sobrecarga lerControles() const;
    void carregar(const Sobrecarga& s);
    void RadioGroupTipoCargaClick(int natureza);
    void RadioGroupRodoviarioClick(int trafego);
    void RadioGroupDistrClick(int distribuicao);

    ProjetoTubo& projeto_;
    Sobrecarga instantaneo_;
    Campo carga_, compA_, compB_, distC_;
    QLabel* legendaAntes_ = nullptr;
    QLabel* legendaDepois_ = nullptr;
    QLabel* nota_ = nullptr;
    QStackedWidget* escolhas_ = nullptr;
    QStackedWidget* paineis_ = nullptr;
    QGroupBox* grupoTrafego_ = nullptr;
    QGroupBox* grupoDistr_ = nullptr;
    QWidget* painelRodoviario_ = nullptr;
};
