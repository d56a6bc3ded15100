#pragma once
// A radio group: one button per item of a fixed list, laid out in a group
// box in the given number of columns; the button of item k has id k and
// the object name prefixo + k.

#include <QString>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QObject;

QButtonGroup* criarGrupoOpcoes(QGroupBox* caixa, const std::vector<std::string>& itens, const QString& prefixo,
                               int colunas = 1);
