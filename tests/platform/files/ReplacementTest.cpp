// SPDX-License-Identifier: GPL-3.0-or-later
// Files replaced whole: the mode a new file gets, what the user is told, the leftovers of a killed export,
// and a full disk under every writer of the program (a child process with a file-size limit).

#include "ForeignReaders.h"

#include "platform/files/Replacement.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>

namespace {

QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QStringList listing(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

struct ChildRun {
    int code = -1;
    bool crashed = false;
    QString told;
};

// One export by the writer child: `kind` of writer, into `file`, with a file-size limit (0: none).
ChildRun runWriter(const QString& kind, const QString& file, qint64 limit, bool killed = false) {
    QProcess child;
    QStringList args{kind, file, QString::number(limit)};
    if (killed)
        args << QStringLiteral("killed");
    child.start(QStringLiteral(NURV_WRITER_CHILD), args);
    EXPECT_TRUE(child.waitForFinished(60000));
    return {child.exitCode(), child.exitStatus() == QProcess::CrashExit,
            QString::fromUtf8(child.readAllStandardOutput())};
}

}  // namespace

TEST(Replacement, NewFilesTakeTheUmasksModeAndAFailedWriteLeavesTheEarlierFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dicionario.txt");
    writeFile(path, "antigo");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    for (const mode_t mask : {mode_t(027), mode_t(002), mode_t(077), mode_t(022)}) {
        const mode_t before = ::umask(mask);
        files::writeWhole(path, "novo");
        ::umask(before);
        EXPECT_EQ(fileMode(path), int(0666 & ~mask)) << "umask " << mask;
    }
    {
        files::Replacement unfinished(path);
        unfinished.write("pela metade");
        EXPECT_TRUE(files::isPartName(QFileInfo(unfinished.partName()).fileName()));
        EXPECT_EQ(QFileInfo(unfinished.partName()).absolutePath(), QFileInfo(path).absolutePath());
    }
    EXPECT_EQ(bytes(path), "novo");
    EXPECT_EQ(listing(dir.path()), QStringList{"dicionario.txt"});
    try {
        files::writeWhole(dir.filePath("nada/x.txt"), "x");
        ADD_FAILURE() << "written into a folder that is not there";
    } catch (const files::Error& e) {
        EXPECT_EQ(e.text(), "A pasta do arquivo " + dir.filePath("nada/x.txt") + " não existe. Escolha outra pasta.");
    }
}

TEST(Replacement, WriteFailuresSayWhatToDo) {
    const struct {
        int error;
        const char* told;
    } cases[] = {
        {ENOSPC,
         "Não há espaço para gravar o arquivo /m/a.txt. Libere espaço no disco ou escolha outra pasta e tente "
         "novamente."},
        {EDQUOT,
         "Não há espaço para gravar o arquivo /m/a.txt. Libere espaço no disco ou escolha outra pasta e tente "
         "novamente."},
        {EFBIG,
         "Não há espaço para gravar o arquivo /m/a.txt. Libere espaço no disco ou escolha outra pasta e tente "
         "novamente."},
        {EACCES,
         "Sem permissão para gravar o arquivo /m/a.txt. Escolha outra pasta ou peça ao administrador a "
         "permissão de gravação."},
        {EROFS,
         "Sem permissão para gravar o arquivo /m/a.txt. Escolha outra pasta ou peça ao administrador a "
         "permissão de gravação."},
        {ENOTDIR, "A pasta do arquivo /m/a.txt não existe. Escolha outra pasta."},
        {EIO, "Não foi possível gravar o arquivo /m/a.txt."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::writeFailure("/m/a.txt", c.error), QString::fromUtf8(c.told)) << c.error;
    for (const char* name : {"~nurv-parcial-aB3dE9.tmp", "~nurv-parcial-000000.dbf"})
        EXPECT_TRUE(files::isPartName(name)) << name;
    for (const char* name :
         {"~nurv-parcial-notas.txt", "~nurv-parcial-aB3dE9", "nurvaB3dE9.dbf", "x~nurv-parcial-aB3dE9.tmp"})
        EXPECT_FALSE(files::isPartName(name)) << name;
}

TEST(Replacement, WhatAKilledExportLeftIsRemovedByTheNextFileWrittenIntoItsFolder) {
    QTemporaryDir dir, elsewhere;
    const QString table = dir.filePath("animais.dbf");
    writeFile(table, "anterior");
    const ChildRun killed = runWriter("dbase", table, 0, true);
    EXPECT_TRUE(killed.crashed);
    EXPECT_EQ(bytes(table), "anterior");
    const QStringList left = listing(dir.path()).filter(QRegularExpression("^~nurv-parcial-"));
    ASSERT_EQ(left.size(), 1);
    EXPECT_GT(QFileInfo(dir.filePath(left[0])).size(), 100000);

    // An export still under way keeps its file; the user's own files and other folders are not looked at.
    files::Replacement running(dir.filePath("outra.txt"));
    running.write("em andamento");
    writeFile(dir.filePath("~nurv-parcial-notas.txt"), "minhas notas");
    writeFile(elsewhere.filePath("~nurv-parcial-Zz9Zz9.tmp"), "de outra pasta");
    files::writeWhole(dir.filePath("dicionario.txt"), "x");
    QStringList expected{"animais.dbf", "dicionario.txt", "~nurv-parcial-notas.txt",
                         QFileInfo(running.partName()).fileName()};
    expected.sort();
    EXPECT_EQ(listing(dir.path()), expected);
    EXPECT_EQ(listing(elsewhere.path()), QStringList{"~nurv-parcial-Zz9Zz9.tmp"});
    running.commit();
    EXPECT_EQ(bytes(dir.filePath("outra.txt")), "em andamento");
}

TEST(Replacement, EveryWriterKeepsTheEarlierFileWholeOnAFullDisk) {
    for (const QString kind : {"whole", "lines", "text", "csv", "html", "dbase"}) {
        SCOPED_TRACE(kind.toStdString());
        QTemporaryDir dir;
        const QString file = dir.filePath(kind == "dbase" ? "saida.dbf" : "saida.txt");
        EXPECT_EQ(runWriter(kind, file, 0).code, 3);
        const QByteArray earlier = bytes(file);
        const QStringList written = listing(dir.path());
        ASSERT_GT(earlier.size(), 128 * 1024);

        const ChildRun full = runWriter(kind, file, 64 * 1024);
        EXPECT_EQ(full.code, 0) << "the writer did not see the full disk";
        EXPECT_EQ(full.told, files::writeFailure(file, ENOSPC));
        EXPECT_EQ(bytes(file), earlier);
        EXPECT_EQ(listing(dir.path()), written) << "no fragment is left";
    }
}
