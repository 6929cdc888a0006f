// SPDX-License-Identifier: GPL-3.0-or-later
// Files replaced whole through a locked temporary file beside them, and the clearing of the temporary
// files that killed programs left behind.
#include "platform/files/Replacement.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace files {

namespace {

const QString kPartPrefix = QStringLiteral("~nurv-parcial-");

QByteArray native(const QString& path) { return QFile::encodeName(path); }

QString randomTag() {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i)
        tag += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)]);
    return tag;
}

// Whether `path` still names the file open as `fd` (a leftover cleared meanwhile does not).
bool namesFile(int fd, const QString& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(native(path).constData(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// The system's reason, for whoever looks into the standard error stream.
void logFailure(const QString& fileName, int error) {
    qWarning().noquote() << QStringLiteral("%1: %2").arg(fileName, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

QString writeFailure(const QString& fileName, int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral(
                   "Não há espaço para gravar o arquivo %1. Libere espaço no disco ou escolha outra pasta "
                   "e tente novamente.")
            .arg(fileName);
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral(
                   "Sem permissão para gravar o arquivo %1. Escolha outra pasta ou peça ao administrador "
                   "a permissão de gravação.")
            .arg(fileName);
    case ENOENT:
    case ENOTDIR: return QStringLiteral("A pasta do arquivo %1 não existe. Escolha outra pasta.").arg(fileName);
    default: return QStringLiteral("Não foi possível gravar o arquivo %1.").arg(fileName);
    }
}

QString withSuffix(const QString& name, const QString& suffix) {
    const QString ending = QLatin1Char('.') + suffix;
    if (suffix.isEmpty() || name.endsWith(ending, Qt::CaseInsensitive))
        return name;
    return name + ending;
}

bool isPartName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^~nurv-parcial-[A-Za-z0-9]{6}\\.[A-Za-z0-9]+$"));
    return pattern.match(name).hasMatch();
}

void removeLeftovers(const QString& folder) {
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({kPartPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (!isPartName(name))
            continue;
        const QString path = dir.filePath(name);
        const int fd = ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        // A file that its writer still holds is left alone; so is any file whose lock cannot be tried.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && namesFile(fd, path))
            ::unlink(native(path).constData());
        ::close(fd);
    }
}

Replacement::Replacement(const QString& fileName, const QString& suffix) : m_fileName(fileName) {
    const QString folder = QFileInfo(fileName).absolutePath();
    removeLeftovers(folder);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        const QString part = QDir(folder).filePath(kPartPrefix + randomTag() + QLatin1Char('.') + suffix);
        // 0666: the kernel takes the umask away, as for any new file.
        const int fd = ::open(native(part).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            fail(errno);
        }
        // Another export that cleared the folder between the creation and the lock took the file away: a
        // new one is made. A folder that cannot lock at all is written unlocked.
        if ((::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) || !namesFile(fd, part)) {
            ::close(fd);
            continue;
        }
        m_fd = fd;
        m_partName = part;
    }
    if (m_fd < 0)
        fail(EEXIST);
}

Replacement::~Replacement() {
    if (m_fd < 0)
        return;
    if (!m_committed)
        ::unlink(native(m_partName).constData());
    ::close(m_fd);
}

void Replacement::fail(int error) {
    logFailure(m_fileName, error);
    throw Error(writeFailure(m_fileName, error));
}

void Replacement::write(const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, at, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        at += written;
        left -= written;
    }
}

void Replacement::commit() {
    if (m_committed)
        return;
    // Data that only the system's cache holds could still fail to reach a full disk: it is written first.
    if (::fsync(m_fd) != 0)
        fail(errno);
    if (::rename(native(m_partName).constData(), native(m_fileName).constData()) != 0)
        fail(errno);
    m_committed = true;
    ::close(m_fd);
    m_fd = -1;
}

void writeWhole(const QString& fileName, const QByteArray& bytes) {
    Replacement file(fileName);
    file.write(bytes);
    file.commit();
}

}  // namespace files
