#pragma once
// "Parâmetros da Instalação": how the pipe is buried. The type (trench,
// embankment with positive or negative projection), the soil, the earth
// cover and, by type, the trench width, the projection height and the
// settlement ratio. "P" opens the settlement-ratio presets, "O" the
// trench-width aid. A first confirmation, or one with a change, announces
// itself with `instalacaoAlterada`.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TFormLagrVala;
class TFormRazaoRecalque;

class TFormInstalacao : public JanelaEntrada {
    Q_OBJECT
public:
    TFormInstalacao(ProjetoTubo& projeto, QWidget* parent = nullptr);
    void ligarAuxiliares(TFormRazaoRecalque* razaoRecalque, TFormLagrVala* larguraVala);

    QButtonGroup* RadioGroup1;
    QComboBox* CmbBxTerreno;
    QLineEdit* EditGama;
    QLineEdit* EditKMi;
    QLineEdit* EditRazaoRecalque;
    QLineEdit* EdtAltAterro;
    QLineEdit* EditLargVala;
    QLineEdit* EditHa;
    QCheckBox* CheckBoxCompactado;
    QPushButton* BotaoP;
    QPushButton* BotaoO;
    QLabel* Image1;

    // The field shown in place of the real one when it does not apply.
    bool campoAplicavel(QLineEdit* campo) const;

signals:
    void instalacaoAlterada();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    struct CampoOpcional {
        QLineEdit* real = nullptr;
        QLineEdit* falso = nullptr;
        QStackedWidget* pilha = nullptr;
        QList<QWidget*> rotulos;
    };
    CampoOpcional criarCampoOpcional(const char* nome, QWidget* pai);
    void mostrarCampo(CampoOpcional& campo, bool aplicavel);
    QLineEdit* campoDe(int campoInstalacao) const;

    Instalacao lerControles() const;
    void carregar(const Instalacao& i);
    void RadioGroup1Click(int tipo);
    void CmbBxTerrenoChange(int terreno);
    void CheckBoxCompactadoClick(bool marcado);
    void BotaoPClick();
    void BotaoOClick();

    ProjetoTubo& projeto_;
    Instalacao instantaneo_;
    ValoresTrabalho valores_;
    TFormRazaoRecalque* razaoRecalque_ = nullptr;
    TFormLagrVala* larguraVala_ = nullptr;
    CampoOpcional recalque_, largura_, altura_;
    QLabel* rotuloCompactado_ = nullptr;
};
