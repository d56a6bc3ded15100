#pragma once
// A command-line calculator run as a user runs it from a bare terminal: no
// runtime folder, no display, so that any note of Qt's about them would show
// on standard error.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct Execucao {
    int status = -1;
    QString saida;
    QString erro;
};

inline Execucao rodarCalculadora(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* variavel : {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY"})
        ambiente.remove(QString::fromLatin1(variavel));
    p.setProcessEnvironment(ambiente);
    p.start(programa, argumentos);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
