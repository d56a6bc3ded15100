#pragma once
// Qt's own texts (file dialogs, print preview, the buttons of message
// boxes) in Brazilian Portuguese, like the rest of the programs.

class QCoreApplication;

void instalarTraducaoQt(QCoreApplication& aplicacao);
