#pragma once
// A base folder of the test's own, so the files a window test writes
// (Config/Fabricante.ini, Pictures/logofabri.bmp) never touch the build's:
// Config/ and Pictures/ with copies of the build's pictures, made the
// current directory, where the splash takes the base folder from.

#include "Figuras.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class BaseTemporaria {
public:
    BaseTemporaria() : origem_(QDir::currentPath())
    {
        QDir base(pasta_.path());
        base.mkpath(QStringLiteral("Config"));
        base.mkpath(QStringLiteral("Pictures"));
        const QDir figuras(QDir(origem_).filePath(QStringLiteral("Pictures")));
        for (const QString& nome : figuras.entryList(QDir::Files))
            QFile::copy(figuras.filePath(nome), base.filePath(QStringLiteral("Pictures/") + nome));
        QDir::setCurrent(pasta_.path());
        fixarPastaBase(pasta_.path());
    }
    ~BaseTemporaria()
    {
        QDir::setCurrent(origem_);
        fixarPastaBase(origem_);
    }
    QString caminho(const QString& relativo) const { return QDir(pasta_.path()).filePath(relativo); }

private:
    QString origem_;
    QTemporaryDir pasta_;
};
