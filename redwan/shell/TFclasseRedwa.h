#pragma once
// "Tubo": the strength class of the reinforced pipe. Two overlapping groups,
// the stormwater classes (PanelPA) and the sewage classes (PanelEA), of which
// the purpose of the confirmed geometry shows one. Each lists its classes
// with their minimum rupture loads for the diameter, and a special class
// whose load the user types. A first confirmation, or one with a change,
// announces itself with `classeAlterada`.

#include "JanelaEntrada.h"
#include "ProjetoRedwan.h"

#include <QList>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QWidget;

class TFclasseRedwa : public JanelaEntrada {
    Q_OBJECT
public:
    TFclasseRedwa(ProjetoRedwan& projeto, QWidget* parent = nullptr);

    QWidget* PanelPA;
    QWidget* PanelEA;
    QButtonGroup* RadioGroup1; // PA1, PA2, PA3, PA4, Especial
    QButtonGroup* RadioGroup2; // EA2, EA3, EA4, Especial
    QLineEdit *Ep1, *Ep2, *Ep3, *Ep4, *Epesp, *EpespFalso;
    QLineEdit *Ea2, *Ea3, *Ea4, *Eaesp, *EaespFalso;

signals:
    void classeAlterada();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    // One group: its choice, the load fields of the standard classes with
    // their units, and the special field over its placeholder.
    struct Grupo {
        QWidget* painel = nullptr;
        QButtonGroup* escolha = nullptr;
        QList<QLineEdit*> cargas;
        QList<QLabel*> unidades;
        QStackedWidget* pilhaEspecial = nullptr;
        QLineEdit* especial = nullptr;
        QLineEdit* especialFalso = nullptr;
    };
    Grupo criarGrupo(const char* nomePainel, const char* nomeEscolha, const std::vector<std::string>& classes,
                     const QStringList& nomesCargas, const char* nomeEspecial);
    Grupo& grupo(int finalidade) { return finalidade == finalidadeEsgoto ? esgoto_ : pluvial_; }
    void RadioGroup1Click();
    void RadioGroup2Click();
    void mostrarEscolha(Grupo& g);
    void preencherCargas();
    void carregar(const ClasseRedwan& c);
    ClasseRedwan lerControles() const;
    bool recusar(QLineEdit* campo);

    ProjetoRedwan& projeto_;
    ClasseRedwan instantaneo_;
    Grupo pluvial_, esgoto_;
};
