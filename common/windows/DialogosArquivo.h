#pragma once
// The standard file dialogs go through here, so a test picks the file
// instead of a person.

#include <QString>
#include <functional>

class QWidget;

// The open dialog: the chosen file, or an empty text when it was cancelled.
// A name chosen without an extension gets `extensao` (when one is given):
// typing "pos" opens pos.kvn.
QString escolherArquivoAbrir(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro,
                             const QString& extensao = QString());

using EscolhaArquivoAbrir =
    std::function<QString(const QString& titulo, const QString& pasta, const QString& filtro)>;
// Replaces the open dialog; an empty function puts the real one back.
void substituirEscolhaArquivoAbrir(EscolhaArquivoAbrir escolha);

// The save dialog, proposing `nomeProposto` in `pasta`: the chosen file with
// `extensao` added when the name has none, or an empty text when cancelled.
// It does not ask before replacing a file.
QString escolherArquivoSalvar(QWidget* pai, const QString& titulo, const QString& pasta, const QString& filtro,
                              const QString& nomeProposto, const QString& extensao);

using EscolhaArquivoSalvar = std::function<QString(const QString& titulo, const QString& caminhoProposto)>;
// Replaces the save dialog; an empty function puts the real one back.
void substituirEscolhaArquivoSalvar(EscolhaArquivoSalvar escolha);
