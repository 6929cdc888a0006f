// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The save dialog of the program's files (reports and exports): it offers kinds of file, each a filter with
// the suffix the program gives a file saved under it, and puts the chosen kind's suffix on the name typed
// before it checks it, so that its own question about replacing a file is about the file really written.

#include <QFileDialog>
#include <QList>
#include <QString>

namespace report {

struct FileType {
    QString filter;  // "Arquivo PDF (*.pdf)"; empty for any file
    QString suffix;  // "pdf": a name that does not end in ".pdf" gets it (files::withSuffix)
};

class SaveFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // Opens on `path` (a folder, or a folder and a file name) with the first type chosen.
    SaveFileDialog(QWidget* parent, const QString& caption, const QString& path, const QList<report::FileType>& types);

    // The type whose filter is chosen now.
    int chosenType() const;
    // The file the dialog stands for now: the name typed with the chosen type's suffix.
    QString chosenFile() const;

public slots:
    void accept() override;

private:
    QList<report::FileType> m_types;  // qualified: QFileDialog has a label named FileType
};

// Asks for the name of a file to save as one of `types`: empty when the user cancels, else the name with its
// type's suffix; `chosenType` gets the index of that type.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& path, const QList<FileType>& types,
                        int* chosenType = nullptr);

}  // namespace report
