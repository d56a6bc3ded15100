#include "ArquivoSeguro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

EscritaArquivo& escritaAtual()
{
    static EscritaArquivo escrita;
    return escrita;
}

long long escrever(int descritor, const char* dados, long long tamanho)
{
    if (escritaAtual())
        return escritaAtual()(descritor, dados, tamanho);
    return ::write(descritor, dados, static_cast<size_t>(tamanho));
}

QString motivoDoErro(int erro)
{
    switch (erro) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disco cheio");
    case EACCES:
    case EPERM:
        return QStringLiteral("sem permissão de gravação");
    case EROFS:
        return QStringLiteral("o disco só aceita leitura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("a pasta não existe");
    case EFBIG:
        return QStringLiteral("o arquivo ficaria grande demais");
    case EIO:
        return QStringLiteral("erro do disco");
    default:
        return QStringLiteral("erro %1 do sistema").arg(erro);
    }
}

// Why the temporary file could not be made beside the target.
QString motivoAoCriar(const QString& caminho)
{
    const QFileInfo pasta(QFileInfo(caminho).absolutePath());
    if (!pasta.exists())
        return QStringLiteral("a pasta não existe");
    if (!pasta.isDir())
        return QStringLiteral("o caminho não é uma pasta");
    if (QFileInfo(caminho).isDir())
        return QStringLiteral("já existe uma pasta com esse nome");
    if (!pasta.isWritable())
        return QStringLiteral("a pasta não aceita gravação");
    return errno == ENOSPC || errno == EDQUOT ? motivoDoErro(errno) : QStringLiteral("a pasta não aceita gravação");
}

} // namespace

void substituirEscritaArquivo(EscritaArquivo escrita) { escritaAtual() = std::move(escrita); }

bool gravarArquivoSeguro(const QString& caminho, const QByteArray& bytes, QString& motivo)
{
    QSaveFile arquivo(caminho);
    errno = 0;
    if (!arquivo.open(QIODevice::WriteOnly)) {
        motivo = motivoAoCriar(caminho);
        return false;
    }
    // Written straight to the descriptor, so that every failure is seen
    // here and not lost in a buffer flushed at the commit.
    const int descritor = arquivo.handle();
    int erro = 0;
    for (long long feito = 0; feito < bytes.size() && erro == 0;) {
        const long long n = escrever(descritor, bytes.constData() + feito, bytes.size() - feito);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            erro = n < 0 && errno != 0 ? errno : EIO;
        else
            feito += n;
    }
    // Some file systems report a full disk only when the data reach it.
    if (erro == 0 && ::fsync(descritor) != 0 && errno != EINVAL && errno != EROFS)
        erro = errno;
    if (erro != 0) {
        arquivo.cancelWriting();
        arquivo.commit(); // removes the temporary file
        motivo = motivoDoErro(erro);
        return false;
    }
    if (!arquivo.commit()) {
        motivo = QFileInfo(caminho).isDir() ? QStringLiteral("já existe uma pasta com esse nome")
                                             : QStringLiteral("o arquivo não pôde ser substituído");
        return false;
    }
    return true;
}

bool gravarArquivoSeguro(const QString& caminho, const QByteArray& bytes, const QString& descricao,
                         QString& mensagem)
{
    QString motivo;
    if (gravarArquivoSeguro(caminho, bytes, motivo))
        return true;
    mensagem = QStringLiteral("Não foi possível gravar %1 em %2: %3. O arquivo anterior, se havia, continua "
                              "como estava.")
                   .arg(descricao, QDir::toNativeSeparators(caminho), motivo);
    return false;
}

bool lerArquivoSeguro(const QString& caminho, long long limite, QByteArray& bytes, QString& motivo)
{
    bytes.clear();
    // Without O_NONBLOCK opening a FIFO waits for a writer that never comes.
    const int descritor = ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descritor < 0) {
        motivo = errno == ENOENT || errno == ENOTDIR ? QStringLiteral("o arquivo não existe")
                                                     : QStringLiteral("o arquivo não pode ser lido");
        return false;
    }
    struct Fechar {
        int d;
        ~Fechar() { ::close(d); }
    } fechar{descritor};
    struct stat estado {};
    if (::fstat(descritor, &estado) != 0) {
        motivo = QStringLiteral("o arquivo não pode ser lido");
        return false;
    }
    if (!S_ISREG(estado.st_mode)) {
        motivo = S_ISDIR(estado.st_mode) ? QStringLiteral("é uma pasta, não um arquivo")
                                         : QStringLiteral("não é um arquivo comum (é um canal ou um dispositivo)");
        return false;
    }
    const QString grande = QStringLiteral("o arquivo tem mais de %1, o limite para este tipo de arquivo")
                               .arg(limite >= 1024 * 1024 ? QStringLiteral("%1 MB").arg(limite / (1024 * 1024))
                                                          : QStringLiteral("%1 bytes").arg(limite));
    if (estado.st_size > limite) {
        motivo = grande;
        return false;
    }
    ::fcntl(descritor, F_SETFL, ::fcntl(descritor, F_GETFL) & ~O_NONBLOCK);
    // A file that grows while it is read stops at the limit too.
    bytes.resize(static_cast<qsizetype>(estado.st_size) + 1);
    qsizetype lidos = 0;
    for (;;) {
        if (lidos == bytes.size()) {
            if (bytes.size() > limite) {
                bytes.clear();
                motivo = grande;
                return false;
            }
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, static_cast<qsizetype>(limite) + 1));
        }
        const ssize_t n = ::read(descritor, bytes.data() + lidos, static_cast<size_t>(bytes.size() - lidos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            bytes.clear();
            motivo = QStringLiteral("o arquivo não pode ser lido");
            return false;
        }
        if (n == 0)
            break;
        lidos += n;
    }
    bytes.resize(lidos);
    return true;
}

bool lerFiguraSegura(const QString& caminho, QImage& figura, QString& motivo)
{
    QByteArray bytes;
    if (!lerArquivoSeguro(caminho, limiteArquivoFigura, bytes, motivo))
        return false;
    if (!figura.loadFromData(bytes)) {
        motivo = QStringLiteral("o arquivo não é uma figura");
        return false;
    }
    return true;
}
