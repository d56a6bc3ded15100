#pragma once
// "Determinação da largura da vala": the trench width at the level of the
// top of the pipe from the bedding thickness c, the side clearance and the
// slope of the wall, with a schematic drawing. A confirmed width goes into
// the installation window's trench-width field. The values belong to the
// running program, not to the project.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

class TFormLagrVala : public JanelaEntrada {
    Q_OBJECT
public:
    explicit TFormLagrVala(QWidget* parent = nullptr);

    QLabel* Image1;
    QScrollBar* ScrollBar1; // horizontal figure of the slope
    QScrollBar* ScrollBar2; // vertical figure of the slope
    QLabel* LabelHor;
    QLabel* LabelVer;
    QCheckBox* CheckBoxVertical;
    QLineEdit* EditC;
    QLineEdit* EditFolga;
    QLineEdit* Ebv;

    // The pipe and cover the width is made for: the working values as last converted.
    void definirValores(const ValoresTrabalho& valores);
    // The width shown, which a confirmed close hands to the installation.
    QString larguraVala() const;
    // A new project: slope 1 : 5, "Talude vertical" off, c 0,08, clearance 0,30.
    void reiniciar();

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;
    void changeEvent(QEvent* evento) override;

private:
    struct Estado {
        QString c, folga, bv;
        int horizontal = 1, vertical = 5;
        bool taludeVertical = false;
    };
    Estado estadoAtual() const;
    void aplicarEstado(const Estado& e);
    void definirTalude(int horizontal, int vertical);
    void ScrollBarChange(QScrollBar* barra, int valor);
    void CheckBoxVerticalClick();
    void EditCExit();
    void EditFolgaExit();
    void calcularLarguraVala();
    void desenharVala();

    ValoresTrabalho valores_;
    Estado instantaneo_;
    bool ajustando_ = false;
};
