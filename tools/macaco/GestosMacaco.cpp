#include "GestosMacaco.h"

#include "Sorteio.h"
#include "TextosMacaco.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

namespace {
QString nome(const QWidget* w)
{
    const QString n = w->objectName();
    return QString::fromLatin1(w->metaObject()->className()) + (n.isEmpty() ? QString() : QLatin1Char(' ') + n);
}

// Controls the user can reach in this window now.
QList<QWidget*> controles(QWidget& janela)
{
    QList<QWidget*> lista;
    for (QWidget* w : janela.findChildren<QWidget*>()) {
        if (w->window() != &janela || !w->isVisible() || !w->isEnabled())
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w))
            lista << w;
        else if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QComboBox*>(e->parentWidget()))
            lista << w;
    }
    return lista;
}

// Key events with the text of each character, as a keyboard layout gives
// it (the numeric filters see what a user would type).
void digitarTeclas(QWidget* campo, const QString& texto)
{
    for (const QChar c : texto) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(campo, &tecla);
        QKeyEvent solta(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(campo, &solta);
    }
}

// A text dragged from elsewhere and dropped on the field, when it takes drops.
bool soltar(QWidget* campo, const QString& texto)
{
    QMimeData dados;
    dados.setText(texto);
    const QPoint ponto = campo->rect().center();
    QDragEnterEvent entra(ponto, Qt::CopyAction | Qt::MoveAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(campo, &entra);
    if (!entra.isAccepted())
        return false;
    QDragMoveEvent move(ponto, Qt::CopyAction | Qt::MoveAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(campo, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent solta(QPointF(ponto), Qt::CopyAction | Qt::MoveAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(campo, &solta);
    return true;
}

QString textoNoCampo(QWidget* campo, Sorteio& s)
{
    campo->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(campo); e && s.chance(0.7))
        e->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(campo); spin && s.chance(0.7))
        spin->selectAll();
    switch (s.pesado({8, 2, 2})) {
    case 0: {
        QString texto = textoQualquer(s);
        texto.truncate(60); // key by key, a long text is only slower; pastes make them
        digitarTeclas(campo, texto);
        return QStringLiteral("digita \"%1\" em %2").arg(texto.left(40), nome(campo));
    }
    case 1: {
        const QString texto = s.chance(0.8) ? textoQualquer(s) : textoEnorme(s);
        QApplication::clipboard()->setText(texto);
        QTest::keySequence(campo, QKeySequence::Paste);
        return QStringLiteral("cola \"%1\" (%2 caracteres) em %3").arg(texto.left(40)).arg(texto.size()).arg(nome(campo));
    }
    default: {
        const QString texto = textoQualquer(s);
        const bool aceito = soltar(campo, texto);
        return QStringLiteral("solta \"%1\" em %2%3")
            .arg(texto.left(40), nome(campo), aceito ? QString() : QStringLiteral(" (recusado)"));
    }
    }
}
} // namespace

void ativarJanela(QWidget& janela)
{
    janela.activateWindow();
    QApplication::setActiveWindow(&janela);
}

QString teclaNaJanela(QWidget& janela, Sorteio& s)
{
    struct Tecla {
        Qt::Key tecla;
        Qt::KeyboardModifiers mod;
        const char* nome;
    };
    static const std::vector<Tecla> teclas{
        {Qt::Key_Return, Qt::NoModifier, "Enter"}, {Qt::Key_Escape, Qt::NoModifier, "Esc"},
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},      {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Down, Qt::NoModifier, "Baixo"},   {Qt::Key_Up, Qt::NoModifier, "Cima"},
        {Qt::Key_Space, Qt::NoModifier, "Espaço"}, {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete"}, {Qt::Key_F4, Qt::AltModifier, "Alt+F4"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"}, {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_E, Qt::ControlModifier, "Ctrl+E"},
    };
    const Tecla& t = s.um(teclas);
    ativarJanela(janela);
    QWidget* alvo = QApplication::focusWidget();
    if (!alvo || alvo->window() != &janela)
        alvo = &janela;
    QTest::keyClick(alvo, t.tecla, t.mod);
    return QStringLiteral("tecla %1 em %2").arg(QLatin1String(t.nome), nome(alvo));
}

QString gestoNaJanela(QWidget& janela, Sorteio& s)
{
    const QList<QWidget*> lista = controles(janela);
    if (lista.isEmpty() || s.chance(0.1))
        return teclaNaJanela(janela, s);
    QWidget* w = lista[s.ate(lista.size())];
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        return QStringLiteral("clica \"%1\" (%2)").arg(b->text(), nome(b));
    }
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->isEditable() && c->lineEdit() && s.chance(0.5))
            return textoNoCampo(c->lineEdit(), s);
        if (c->count() > 0) {
            // A choice from the list, made with the keyboard as a user would.
            c->setFocus();
            const Qt::Key tecla = s.um(std::vector<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                                          Qt::Key_PageDown});
            QTest::keyClick(c, tecla);
            return QStringLiteral("escolhe \"%1\" em %2").arg(c->currentText(), nome(c));
        }
        return QStringLiteral("nada em %1 vazio").arg(nome(c));
    }
    return textoNoCampo(w, s);
}
