#pragma once
// A radio group: one button per item of a fixed list, laid out in a group
// box in the given number of columns; the button of item k has id k and
// the object name prefixo + k.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QObject;

QButtonGroup* criarGrupoOpcoes(QGroupBox* caixa, const std::vector<std::string>& itens, const QString& prefixo,
                               int colunas = 1);

// Calls `aoMudar` with the new option's id when the user picks an option
// other than the one selected (mouse, keyboard or click()). A click on the
// option already selected is no change: what the window shows stays as it is.
// Selections made by the program itself (setChecked) call nothing.
void aoMudarOpcao(QButtonGroup* grupo, QObject* contexto, std::function<void(int)> aoMudar);
