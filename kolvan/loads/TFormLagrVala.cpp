#include "TFormLagrVala.h"

#include "FiltroNumerico.h"
#include "Mensagens.h"
#include "TextoQt.h"
#include "larguraVala.h"
#include "numeros.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int larguraDesenho = 340;
constexpr int alturaDesenho = 240;

QScrollBar* criarBarra(const char* nome, QWidget* pai)
{
    auto* barra = new QScrollBar(Qt::Vertical, pai);
    barra->setObjectName(QLatin1String(nome));
    barra->setRange(1, 99);
    barra->setInvertedAppearance(true); // the upper arrow raises the figure
    barra->setFixedHeight(30);
    return barra;
}

QLineEdit* criarCampo(const char* nome, QWidget* pai)
{
    auto* campo = new QLineEdit(pai);
    campo->setObjectName(QLatin1String(nome));
    campo->setFixedWidth(70);
    campo->setAlignment(Qt::AlignRight);
    return campo;
}

// A dimension end: a tick across the line and a slash through it.
void marcarExtremo(QPainter& p, QPoint ponto, bool linhaHorizontal)
{
    if (linhaHorizontal)
        p.drawLine(ponto + QPoint(0, -3), ponto + QPoint(0, 3));
    else
        p.drawLine(ponto + QPoint(-3, 0), ponto + QPoint(3, 0));
    p.drawLine(ponto + QPoint(-3, 3), ponto + QPoint(3, -3));
}
} // namespace

TFormLagrVala::TFormLagrVala(QWidget* parent) : JanelaEntrada(parent)
{
    setObjectName(QStringLiteral("TFormLagrVala"));
    setWindowTitle(QStringLiteral("Determinação da largura da vala"));
    permitirAltF4(false);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(larguraDesenho, alturaDesenho);
    Image1->setFrameShape(QFrame::Panel);
    Image1->setFrameShadow(QFrame::Sunken);

    ScrollBar1 = criarBarra("ScrollBar1", this);
    ScrollBar2 = criarBarra("ScrollBar2", this);
    LabelHor = new QLabel(this);
    LabelHor->setObjectName(QStringLiteral("LabelHor"));
    LabelVer = new QLabel(this);
    LabelVer->setObjectName(QStringLiteral("LabelVer"));
    CheckBoxVertical = new QCheckBox(QStringLiteral("Talude vertical"), this);
    CheckBoxVertical->setObjectName(QStringLiteral("CheckBoxVertical"));
    EditC = criarCampo("EditC", this);
    EditFolga = criarCampo("EditFolga", this);
    Ebv = criarCampo("Ebv", this);
    Ebv->setReadOnly(true);
    FiltroNumerico::instalar(EditC);
    FiltroNumerico::instalar(EditFolga);

    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) { ScrollBarChange(ScrollBar1, v); });
    connect(ScrollBar2, &QScrollBar::valueChanged, this, [this](int v) { ScrollBarChange(ScrollBar2, v); });
    connect(CheckBoxVertical, &QCheckBox::clicked, this, &TFormLagrVala::CheckBoxVerticalClick);
    connect(EditC, &QLineEdit::textChanged, this, &TFormLagrVala::calcularLarguraVala);
    connect(EditFolga, &QLineEdit::textChanged, this, &TFormLagrVala::calcularLarguraVala);
    connect(EditC, &QLineEdit::editingFinished, this, &TFormLagrVala::EditCExit);
    connect(EditFolga, &QLineEdit::editingFinished, this, &TFormLagrVala::EditFolgaExit);

    auto* talude = new QHBoxLayout;
    talude->addWidget(new QLabel(QStringLiteral("Talude ="), this));
    talude->addWidget(LabelHor);
    talude->addWidget(ScrollBar1);
    talude->addWidget(new QLabel(QStringLiteral(":"), this));
    talude->addWidget(LabelVer);
    talude->addWidget(ScrollBar2);
    talude->addSpacing(20);
    talude->addWidget(CheckBoxVertical);
    talude->addStretch();

    auto* medidas = new QHBoxLayout;
    auto adicionarMedida = [&](const QString& rotulo, QLineEdit* campo) {
        medidas->addWidget(new QLabel(rotulo, this));
        medidas->addWidget(campo);
        medidas->addWidget(new QLabel(QStringLiteral("m"), this));
        medidas->addSpacing(10);
    };
    adicionarMedida(QStringLiteral("c ="), EditC);
    adicionarMedida(QStringLiteral("Folga ="), EditFolga);
    adicionarMedida(QStringLiteral("b<sub>v</sub> ="), Ebv);
    medidas->addStretch();

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(Image1, 0, Qt::AlignHCenter);
    principal->addLayout(talude);
    principal->addLayout(medidas);
    principal->addLayout(botoes);
    reiniciar();
}

void TFormLagrVala::definirValores(const ValoresTrabalho& valores)
{
    valores_ = valores;
    calcularLarguraVala();
}

QString TFormLagrVala::larguraVala() const { return Ebv->text(); }

void TFormLagrVala::reiniciar()
{
    Estado inicial;
    inicial.c = QStringLiteral("0,08");
    inicial.folga = QStringLiteral("0,30");
    aplicarEstado(inicial);
    calcularLarguraVala();
}

TFormLagrVala::Estado TFormLagrVala::estadoAtual() const
{
    Estado e;
    e.c = EditC->text();
    e.folga = EditFolga->text();
    e.bv = Ebv->text();
    e.horizontal = ScrollBar1->value();
    e.vertical = ScrollBar2->value();
    e.taludeVertical = CheckBoxVertical->isChecked();
    return e;
}

void TFormLagrVala::aplicarEstado(const Estado& e)
{
    ajustando_ = true;
    CheckBoxVertical->setChecked(e.taludeVertical);
    EditC->setText(e.c);
    EditFolga->setText(e.folga);
    ajustando_ = false;
    definirTalude(e.horizontal, e.vertical);
    Ebv->setText(e.bv);
    desenharVala();
}

void TFormLagrVala::definirTalude(int horizontal, int vertical)
{
    ajustando_ = true;
    ScrollBar1->setValue(horizontal);
    ScrollBar2->setValue(vertical);
    ajustando_ = false;
    LabelHor->setText(QString::number(ScrollBar1->value()));
    LabelVer->setText(QString::number(ScrollBar2->value()));
    calcularLarguraVala();
}

void TFormLagrVala::ScrollBarChange(QScrollBar* barra, int valor)
{
    if (ajustando_)
        return;
    // Moving a figure by hand leaves the vertical wall: first the slope goes
    // back to 1 : 5, then the moved figure takes its new place.
    if (CheckBoxVertical->isChecked()) {
        CheckBoxVertical->setChecked(false);
        definirTalude(1, 5);
        ajustando_ = true;
        barra->setValue(valor);
        ajustando_ = false;
    }
    LabelHor->setText(QString::number(ScrollBar1->value()));
    LabelVer->setText(QString::number(ScrollBar2->value()));
    calcularLarguraVala();
}

void TFormLagrVala::CheckBoxVerticalClick()
{
    if (CheckBoxVertical->isChecked())
        definirTalude(1, 99);
    else
        definirTalude(1, 5);
}

void TFormLagrVala::EditCExit()
{
    double c = 0.0;
    if (lerNumero(std8(EditC->text()), c) && c < 0.0) {
        mensagens().mensagem(QStringLiteral("Valor não compatível para o parâmetro c"));
        EditC->setText(QStringLiteral("0,0"));
    }
}

void TFormLagrVala::EditFolgaExit()
{
    double folga = 0.0;
    if (!lerNumero(std8(EditFolga->text()), folga))
        return;
    const double minima = folgaMinima(valores_.di, valores_.hs, valores_.D);
    if (folgaAbaixoDaMinima(folga, minima)) {
        mensagens().mensagem(qt(mensagemFolgaMinima(minima)));
        EditFolga->setText(qt(textoFolgaMinima(minima)));
    }
}

void TFormLagrVala::calcularLarguraVala()
{
    if (ajustando_)
        return;
    // A half-typed number (a lone comma) waits for the next key.
    double c = 0.0;
    double folga = 0.0;
    if (!lerNumero(std8(EditC->text()), c) || !lerNumero(std8(EditFolga->text()), folga))
        return;
    const double bv = ::calcularLarguraVala(c, folga, ScrollBar1->value(), ScrollBar2->value(),
                                            CheckBoxVertical->isChecked(), valores_.D);
    Ebv->setText(qt(formatar2(bv)));
    desenharVala();
}

void TFormLagrVala::desenharVala()
{
    QPixmap figura(larguraDesenho, alturaDesenho);
    figura.fill(palette().color(QPalette::Window));
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    const int s = static_cast<int>(160.0 * ScrollBar1->value() / ScrollBar2->value());

    // The pipe wall: the right halves of the outer and inner circles.
    p.setPen(QPen(Qt::black, 2));
    p.drawArc(QRect(60 - 50, 100 - 50, 100, 100), -90 * 16, 180 * 16);
    p.drawArc(QRect(60 - 60, 100 - 60, 120, 120), -90 * 16, 180 * 16);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(60, 40, 60, 200); // the pipe axis

    // The trench: bottom, wall, and the level of the top of the pipe.
    p.setPen(QPen(Qt::black, 2));
    p.drawPolyline(QPolygon({QPoint(60, 200), QPoint(160, 200), QPoint(160 + s, 40), QPoint(60, 40)}));

    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawLine(120, 40, 120, 200);
    p.drawLine(160, 40, 160, 200);

    // Dimensions: the clearance, the half width, and the height split into de and c.
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(120, 210, 160, 210);
    marcarExtremo(p, QPoint(120, 210), true);
    marcarExtremo(p, QPoint(160, 210), true);
    p.drawLine(60, 30, 160 + s, 30);
    marcarExtremo(p, QPoint(60, 30), true);
    marcarExtremo(p, QPoint(160 + s, 30), true);
    p.drawLine(50, 40, 50, 200);
    for (int y : {40, 160, 200})
        marcarExtremo(p, QPoint(50, y), false);

    QFont fonte = font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    p.drawText(QRect(100, 213, 80, 16), Qt::AlignCenter, QStringLiteral("Folga"));
    const int meio = (60 + 160 + s) / 2;
    p.drawText(QRect(meio - 30, 12, 40, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0,5 b"));
    QFont indice = fonte;
    indice.setPixelSize(9);
    p.setFont(indice);
    p.drawText(QPoint(meio + 11, 27), QStringLiteral("v"));
    p.setFont(fonte);
    p.drawText(QPoint(30, 104), QStringLiteral("d"));
    p.setFont(indice);
    p.drawText(QPoint(38, 107), QStringLiteral("e"));
    p.setFont(fonte);
    p.drawText(QPoint(34, 185), QStringLiteral("c"));
    p.end();
    Image1->setPixmap(figura);
}

void TFormLagrVala::FormShow()
{
    instantaneo_ = estadoAtual();
    calcularLarguraVala();
}

void TFormLagrVala::changeEvent(QEvent* evento)
{
    JanelaEntrada::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        calcularLarguraVala();
}

bool TFormLagrVala::FormCloseQuery()
{
    auto recusar = [this](const QString& texto, QLineEdit* campo) {
        confirmado = 0;
        mensagens().aviso(texto);
        campo->setFocus();
        return false;
    };
    if (EditC->text().trimmed().isEmpty())
        return recusar(QStringLiteral("Entre com um valor para o comprimento \"c\"."), EditC);
    if (EditFolga->text().trimmed().isEmpty())
        return recusar(QStringLiteral("Entre com um valor para a folga."), EditFolga);
    double c = 0.0;
    double folga = 0.0;
    if (!lerNumero(std8(EditC->text()), c))
        return recusar(qt(mensagemNumeroInvalido(std8(EditC->text()))), EditC);
    if (!lerNumero(std8(EditFolga->text()), folga))
        return recusar(qt(mensagemNumeroInvalido(std8(EditFolga->text()))), EditFolga);
    if (c < 0.0)
        return recusar(qt(mensagemNumeroNegativo(std8(EditC->text()))), EditC);
    if (folga < 0.0)
        return recusar(qt(mensagemNumeroNegativo(std8(EditFolga->text()))), EditFolga);

    EditC->setText(qt(formatar2(c)));
    // Rounding never takes the clearance back below the least one just enforced.
    const double minima = folgaMinima(valores_.di, valores_.hs, valores_.D);
    EditFolga->setText(qt(arredondarFolga(folga, minima)));
    if (taludeIngreme(ScrollBar1->value(), ScrollBar2->value()))
        mensagens().mensagem(qt(mensagemEstabilidadeTalude));
    return true;
}

void TFormLagrVala::restaurarInstantaneo() { aplicarEstado(instantaneo_); }
