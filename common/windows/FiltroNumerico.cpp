#include "FiltroNumerico.h"

#include <QKeyEvent>
#include <QLineEdit>

void FiltroNumerico::instalar(QLineEdit* campo)
{
    campo->installEventFilter(new FiltroNumerico(campo));
    campo->setValidator(new ValidadorNumerico(campo));
}

QLineEdit* criarCampoNumerico(const QString& nome, int largura, QWidget* pai)
{
    auto* campo = new QLineEdit(pai);
    campo->setObjectName(nome);
    campo->setFixedWidth(largura);
    campo->setAlignment(Qt::AlignRight);
    FiltroNumerico::instalar(campo);
    return campo;
}

QValidator::State ValidadorNumerico::validate(QString& texto, int&) const
{
    texto.replace(QLatin1Char('.'), QLatin1Char(','));
    for (const QChar c : texto)
        if (!(c.unicode() >= '0' && c.unicode() <= '9') && c != QLatin1Char(','))
            return Invalid;
    return texto.count(QLatin1Char(',')) > 1 ? Invalid : Acceptable;
}

bool FiltroNumerico::eventFilter(QObject* alvo, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    auto* campo = qobject_cast<QLineEdit*>(alvo);
    auto* tecla = static_cast<QKeyEvent*>(evento);
    const QString texto = tecla->text();
    if (!campo || texto.isEmpty() || !texto.at(0).isPrint())
        return false; // editing and navigation keys
    if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false; // shortcuts such as copy and paste
    const QChar c = texto.at(0);
    if (c.isDigit() && c.unicode() < 128)
        return false;
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
        // A selected comma is replaced by what is typed, so it does not count.
        QString restante = campo->text();
        if (campo->hasSelectedText())
            restante.remove(campo->selectionStart(), campo->selectedText().size());
        if (!restante.contains(QLatin1Char(',')) && !campo->isReadOnly())
            campo->insert(QStringLiteral(","));
        return true;
    }
    return true;
}
