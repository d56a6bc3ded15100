#pragma once
// "Fcadastro": the welded meshes the program knows, read-only. The first
// page lists the meshes of tongue-and-groove pipes (MF) under their
// headings; the two pages of spigot-and-socket pipes (PB) are empty.
// "Voltar" closes it.

#include <QDialog>

class QTabWidget;
class QTableWidget;

class TFcadastro : public QDialog {
    Q_OBJECT
public:
    explicit TFcadastro(QWidget* parent = nullptr);

    QTabWidget* PageControl1;
    QTableWidget* Cabecalho;   // the two heading lines over the columns
    QTableWidget* StringGrid1; // the catalogue, rows 1 to 11
};
