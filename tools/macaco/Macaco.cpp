#include "Macaco.h"

#include "ArquivosMacaco.h"
#include "BaseTemporaria.h"
#include "ExecucaoModal.h"
#include "GestosMacaco.h"
#include "Pausa.h"
#include "Sorteio.h"
#include "Vigia.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {
// Deeper than this, a window opened over others is closed at once.
constexpr int profundidadeMaxima = 4;

QString nomeJanela(const QWidget& w)
{
    return w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName();
}

void processar()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

Macaco::Macaco(Sorteio& sorteio, Vigia& vigia, const QString& quem, bool verboso)
    : s_(sorteio), vigia_(vigia), quem_(quem), verboso_(verboso)
{
    substituirExecucaoModal([this](QDialog& janela) { return executar(janela); });
    // A window of the toolkit's own (print or page set-up) runs its own
    // loop, out of the seams: it is closed as soon as it shows; a pop-up
    // menu is answered.
    guarda_.setInterval(20);
    QObject::connect(&guarda_, &QTimer::timeout, [this] { rejeitarJanelasEstranhas(); });
    guarda_.start();
}

Macaco::~Macaco() { substituirExecucaoModal({}); }

void Macaco::encerrar() { encerrando_ = true; }

void Macaco::contar(const QString& descricao)
{
    ++acoes_;
    ultima_ = descricao;
    if (verboso_)
        std::printf("%s #%ld: %s\n", qPrintable(quem_), acoes_, qPrintable(descricao));
    vigia_.comecar(QStringLiteral("%1, ação %2: %3").arg(quem_).arg(acoes_).arg(descricao));
}

void Macaco::rejeitarJanelasEstranhas()
{
    // A button's pop-up menu runs its own loop too: an item, or Esc.
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QList<QAction*> itens;
        for (QAction* a : menu->actions())
            if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu())
                itens << a;
        if (!itens.isEmpty() && s_.chance(0.6)) {
            QAction* item = itens[s_.ate(itens.size())];
            contar(QStringLiteral("escolhe \"%1\" no menu").arg(item->text()));
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            contar(QStringLiteral("fecha o menu com Esc"));
            QTest::keyClick(menu, Qt::Key_Escape);
        }
        if (menu->isVisible())
            menu->close();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    auto* janela = qobject_cast<QDialog*>(modal);
    if (!janela || pilha_.contains(janela))
        return;
    contar(QStringLiteral("fecha a janela %1").arg(nomeJanela(*janela)));
    janela->reject();
}

// A number the program computed never reads "nan" or "inf", and no text
// keeps a placeholder it was meant to fill.
void Macaco::conferirTextos(QWidget& janela)
{
    static const QRegularExpression errado(QStringLiteral("(^|[^A-Za-zÀ-ú])(-?nan|-?inf)([^A-Za-zÀ-ú]|$)|%[1-9]"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!falha_.isEmpty())
        return;
    // What a message quotes between double quotes is the user's own text.
    static const QRegularExpression citado(QStringLiteral("\"[^\"]*\""));
    for (QLabel* rotulo : janela.findChildren<QLabel*>()) {
        QString texto = rotulo->text();
        texto.remove(citado);
        if (rotulo->window() == &janela && rotulo->isVisible() && errado.match(texto).hasMatch()) {
            falha_ = QStringLiteral("%1 mostra \"%2\"").arg(nomeJanela(janela), rotulo->text());
            return;
        }
    }
}

int Macaco::executar(QDialog& janela)
{
    pilha_.append(&janela);
    janela.show();
    ativarJanela(janela);
    processar();
    conferirTextos(janela);
    if (encerrando_) {
        if (auto* sim = janela.findChild<QPushButton*>(QStringLiteral("BotaoSim")))
            sim->click();
    } else {
        // Often the user takes what the window offers; else a few gestures.
        const int gestos = pilha_.size() > profundidadeMaxima || s_.chance(0.35) ? 0 : s_.entre(1, 10);
        for (int i = 0; i < gestos && janela.isVisible(); ++i) {
            vigia_.comecar(QStringLiteral("%1, depois da ação %2 (%3), em %4")
                               .arg(quem_).arg(acoes_).arg(ultima_, nomeJanela(janela)));
            const QString feito = gestoNaJanela(janela, s_);
            contar(nomeJanela(janela) + QStringLiteral(": ") + feito);
            processar();
            if (janela.isVisible())
                conferirTextos(janela);
        }
        if (janela.isVisible())
            fechar(janela);
    }
    // A refused close leaves the window open: as a user would, cancel it.
    if (janela.isVisible())
        if (auto* cancela = janela.findChild<QPushButton*>(QStringLiteral("BotaoCancela")))
            cancela->click();
    if (janela.isVisible())
        janela.reject();
    if (janela.isVisible())
        janela.hide();
    pilha_.removeLast();
    return janela.result();
}

// How the user leaves a window: mostly by its "Confirma", else any button
// of its own, Esc, Alt+F4 or the close box.
void Macaco::fechar(QDialog& janela)
{
    QList<QPushButton*> botoes;
    std::vector<int> pesos;
    for (QPushButton* b : janela.findChildren<QPushButton*>()) {
        if (b->window() != &janela || !b->isVisible() || !b->isEnabled())
            continue;
        botoes << b;
        pesos.push_back(b->objectName() == QLatin1String("BotaoConfirma") ? 12 : 2);
    }
    pesos.insert(pesos.end(), {1, 1, 1});
    const int escolha = s_.pesado(pesos);
    QString feito;
    if (escolha < botoes.size()) {
        QPushButton* b = botoes[escolha];
        feito = QStringLiteral("clica \"%1\"").arg(b->text());
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    } else if (escolha == botoes.size()) {
        feito = QStringLiteral("tecla Esc");
        ativarJanela(janela);
        QTest::keyClick(&janela, Qt::Key_Escape);
    } else if (escolha == botoes.size() + 1) {
        feito = QStringLiteral("tecla Alt+F4");
        ativarJanela(janela);
        QTest::keyClick(&janela, Qt::Key_F4, Qt::AltModifier);
    } else {
        feito = QStringLiteral("fecha pela caixa de fechar");
        janela.close();
    }
    contar(nomeJanela(janela) + QStringLiteral(": ") + feito);
    processar();
}

void Macaco::passoPrincipal(QMainWindow& principal)
{
    // A window the program keeps open beside the main one (not modal) takes
    // the user's gestures too, and may be closed.
    QList<QWidget*> outras;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &principal && w->isVisible() && !qobject_cast<QMenu*>(w) && w->windowModality() == Qt::NonModal)
            outras << w;
    if (!outras.isEmpty() && s_.chance(0.5)) {
        QWidget& janela = *outras[s_.ate(outras.size())];
        ativarJanela(janela);
        if (s_.chance(0.15)) {
            contar(nomeJanela(janela) + QStringLiteral(": fecha pela caixa de fechar"));
            janela.close();
        } else {
            vigia_.comecar(QStringLiteral("%1, depois da ação %2 (%3), em %4")
                               .arg(quem_).arg(acoes_).arg(ultima_, nomeJanela(janela)));
            const QString feito = gestoNaJanela(janela, s_);
            contar(nomeJanela(janela) + QStringLiteral(": ") + feito);
        }
        processar();
        conferirTextos(janela);
        return;
    }
    ativarJanela(principal);
    processar();
    QList<QAction*> comandos;
    std::vector<int> pesos;
    for (QAction* a : principal.findChildren<QAction*>()) {
        if (a->objectName().isEmpty() || !a->isVisible() || a->menu())
            continue;
        comandos << a;
        // The steps (the commands with a function key) lead to the results.
        const bool sair = a->objectName() == QLatin1String("Bsai");
        const bool etapa = a->shortcut().toString().startsWith(QLatin1Char('F'));
        pesos.push_back(!a->isEnabled() || sair ? 1 : etapa ? 30 : 5);
    }
    pesos.insert(pesos.end(), {1, 1});
    const int escolha = s_.pesado(pesos);
    QString feito;
    if (escolha < comandos.size()) {
        QAction* a = comandos[escolha];
        const bool pelaTecla = !a->shortcut().isEmpty() && s_.chance(0.5);
        feito = QStringLiteral("%1 \"%2\"%3")
                    .arg(pelaTecla ? QStringLiteral("tecla ") + a->shortcut().toString() : QStringLiteral("comando"),
                         a->text(), a->isEnabled() ? QString() : QStringLiteral(" (desabilitado)"));
        contar(feito);
        if (pelaTecla)
            QTest::keySequence(&principal, a->shortcut());
        else if (a->isEnabled())
            a->trigger();
    } else if (escolha == comandos.size()) {
        const QSize tamanho(s_.entre(200, 1600), s_.entre(150, 1200));
        contar(QStringLiteral("redimensiona para %1x%2").arg(tamanho.width()).arg(tamanho.height()));
        principal.resize(tamanho);
    } else {
        contar(QStringLiteral("fecha a janela principal pela caixa de fechar"));
        principal.close();
    }
    processar();
    if (!principal.isVisible())
        return;
    conferirTextos(principal);
    // Every modal window the action opened was closed again.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &principal && w->isVisible() && !qobject_cast<QMenu*>(w) && w->windowModality() != Qt::NonModal &&
            falha_.isEmpty())
            falha_ = QStringLiteral("a janela %1 ficou aberta").arg(nomeJanela(*w));
}
