// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files replaced whole. What is written goes to a temporary file beside the final one and takes the final
// name only once it is complete and on disk, so a full disk, a failure or a killed program never leaves a
// fragment in place of the earlier file. Every file gets the mode the user's umask gives a new file.
//
// The temporary files are named "~nurv-parcial-" + six letters or digits + "." + a suffix, and are held
// locked while they are written: a temporary file that nobody holds is what a killed program left behind,
// and the next file written into the same folder removes it.

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace files {

// A file that could not be written; text() says so to the user, in Portuguese (the system's own reason
// went to the standard error stream).
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// What the user is told when `fileName` could not be written for the system error `error` (an errno).
QString writeFailure(const QString& fileName, int error);

// The file a name chosen for a kind of file stands for: the name itself when it ends in "." + `suffix`
// (any case), else the name with it appended ("saida" and "saida.txt" are "saida.dbf" and "saida.txt.dbf").
QString withSuffix(const QString& name, const QString& suffix);

// Whether a name is one of the temporary files' names.
bool isPartName(const QString& name);

// Removes from `folder` the temporary files that no program is writing any more.
void removeLeftovers(const QString& folder);

class Replacement {
public:
    // Creates the temporary file beside `fileName`, its name ending in "." + `suffix`, after the folder's
    // leftovers are removed. Throws Error.
    explicit Replacement(const QString& fileName, const QString& suffix = QStringLiteral("tmp"));
    // A replacement not committed removes its temporary file and leaves the earlier file as it was.
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    const QString& fileName() const { return m_fileName; }
    // Where the data is written until commit(); another writer (a library that opens files by name) may
    // write there too, and must have closed it before commit().
    const QString& partName() const { return m_partName; }

    // Appends bytes to the temporary file. Throws Error.
    void write(const QByteArray& bytes);
    // Puts the temporary file's data on disk and gives it the final name, replacing what was there.
    // Throws Error, and the earlier file stays.
    void commit();

private:
    void fail(int error);

    QString m_fileName;
    QString m_partName;
    int m_fd = -1;  // open and locked until commit() or the end
    bool m_committed = false;
};

// Writes `bytes` as the whole new content of `fileName` through a Replacement. Throws Error.
void writeWhole(const QString& fileName, const QByteArray& bytes);

}  // namespace files
