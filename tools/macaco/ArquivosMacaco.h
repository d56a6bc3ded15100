#pragma once
// The monkey's answers to the open and save dialogs: cancel, a project it
// saved before, a damaged copy of one, files that are no project at all, a
// folder, a file that is not there, a folder that cannot be written (a path
// under a plain file, which not even root can create), names with
// characters of every kind, and names without the extension.

#include <QByteArray>
#include <QString>
#include <QStringList>

class Sorteio;

// The whole file, or nothing when it cannot be read.
QByteArray bytesDoArquivo(const QString& caminho);

class ArquivosMacaco {
public:
    // Files are made in `pasta` (the run's own); `extensao` without the dot.
    ArquivosMacaco(Sorteio& sorteio, const QString& pasta, const QString& extensao);
    ~ArquivosMacaco();
    ArquivosMacaco(const ArquivosMacaco&) = delete;
    ArquivosMacaco& operator=(const ArquivosMacaco&) = delete;

    // What the last dialog was answered, for the replay log.
    QString ultimaResposta() const { return ultima_; }

private:
    QString abrir(const QString& filtro);
    QString salvar(const QString& titulo, const QString& proposto);
    QString danificada();

    Sorteio& s_;
    QString pasta_;
    QString extensao_;
    QStringList salvos_; // files a save may have written
    QString ultima_;
};
