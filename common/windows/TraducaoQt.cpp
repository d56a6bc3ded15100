#include "TraducaoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void instalarTraducaoQt(QCoreApplication& aplicacao)
{
    auto* traducao = new QTranslator(&aplicacao);
    if (traducao->load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducao);
    else
        delete traducao;
}
