#pragma once
// A class table as a read-only grid under its grouped header: purpose, kind
// of load and class over each column, the band of the Qd row, "Voltar".

#include "gradesTabelas.h"

#include <QDialog>

class QTableWidget;

class JanelaTabelaClasse : public QDialog {
    Q_OBJECT
public:
    QTableWidget* StringGrid1;
    QTableWidget* Cabecalho;

protected:
    JanelaTabelaClasse(const GradeTabela& grade, const QString& nomeObjeto, QWidget* parent);
};

class TFtabelaA3 : public JanelaTabelaClasse {
    Q_OBJECT
public:
    explicit TFtabelaA3(QWidget* parent = nullptr);
};

class TFtabelaA4 : public JanelaTabelaClasse {
    Q_OBJECT
public:
    explicit TFtabelaA4(QWidget* parent = nullptr);
};
