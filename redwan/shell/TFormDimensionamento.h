#pragma once
// "Armadura": the design parameters. Concrete strength, one cage or two,
// the positions of the cages, the wall thickness and the safety factors.
// A confirmed close checks them (parametrosArmadura.h), asking Sim/Não for
// each value outside the program's recommendations, and announces itself
// with `parametrosConfirmados`.

#include "JanelaEntrada.h"
#include "ProjetoRedwan.h"

#include <QList>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QStackedWidget;

class TFormDimensionamento : public JanelaEntrada {
    Q_OBJECT
public:
    TFormDimensionamento(ProjetoRedwan& projeto, QWidget* parent = nullptr);

    QLineEdit* Edit2;          // fck, MPa
    QButtonGroup* RadioGroup1; // "Circular simples", "Circular dupla"
    QLineEdit* Edit5;          // inner position d'int, cm
    QLineEdit* Edit5Falso;
    QLineEdit* Edit6;          // outer position d'ext, cm
    QLineEdit* Edit6Falso;
    QLineEdit* EdtEs;          // wall thickness h, mm
    QLineEdit* Edit3;          // γs
    QLineEdit* Edit4;          // γc
    QLabel* Image2;            // picture of the arrangement

    // The picture of the current type, (re)loaded by a new project.
    void carregarFigura();

signals:
    // Every confirmed close; `alterados` when something the design uses
    // changed, or on the first confirmation.
    void parametrosConfirmados(bool alterados);

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void RadioGroup1Click(int tipo);
    void mostrarTipo(int tipo);
    void carregar(const ParametrosArmadura& p);
    ParametrosArmadura lerControles() const;
    QLineEdit* campo(CampoArmadura c) const;

    ProjetoRedwan& projeto_;
    ParametrosArmadura instantaneo_;
    QStackedWidget* pilhaInt_;
    QStackedWidget* pilhaExt_;
    QList<QLabel*> rotulosCobrimento_;
    template <class Janela, class Dados>
    friend class DialogoArmaduraJanela;
};
