// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog whose question about replacing a file names the file the program writes.
#include "platform/report/FileDialog.h"

#include "platform/files/Replacement.h"

#include <QFileInfo>
#include <QLineEdit>

namespace report {

SaveFileDialog::SaveFileDialog(QWidget* parent, const QString& caption, const QString& path,
                               const QList<report::FileType>& types)
    : QFileDialog(parent, caption), m_types(types) {
    // Qt's own dialog: the one whose check of the name this class completes.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const report::FileType& type : m_types)
        if (!type.filter.isEmpty())
            filters << type.filter;
    if (!filters.isEmpty())
        setNameFilters(filters);
    const QFileInfo info(path);
    if (info.isDir()) {
        setDirectory(path);
    } else {
        setDirectory(info.absolutePath());
        selectFile(info.fileName());
    }
    if (!m_types.isEmpty())
        setDefaultSuffix(m_types.first().suffix);
    connect(this, &QFileDialog::filterSelected, this, [this] {
        if (chosenType() >= 0)
            setDefaultSuffix(m_types[chosenType()].suffix);
    });
}

int SaveFileDialog::chosenType() const {
    const QString filter = selectedNameFilter();
    for (int i = 0; i < m_types.size(); ++i)
        if (m_types[i].filter == filter)
            return i;
    return m_types.isEmpty() ? -1 : 0;
}

QString SaveFileDialog::chosenFile() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty() || files.first().isEmpty() || QFileInfo(files.first()).isDir() || chosenType() < 0)
        return files.value(0);
    return files::withSuffix(files.first(), m_types[chosenType()].suffix);
}

void SaveFileDialog::accept() {
    // A name with another suffix than the type's ("nomes.txt" for a dBase table) is the name and the suffix:
    // the file the program writes, which the dialog then checks. A folder typed is opened as the dialog opens it.
    const QString file = chosenFile();
    if (!file.isEmpty() && file != selectedFiles().value(0)) {
        // Into the name box itself: selectFile() leaves a box that has the focus as typed.
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(file);
        else
            selectFile(file);
    }
    QFileDialog::accept();
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& path, const QList<FileType>& types,
                        int* chosenType) {
    SaveFileDialog dialog(parent, caption, path, types);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (chosenType)
        *chosenType = dialog.chosenType();
    return dialog.selectedFiles().value(0);
}

}  // namespace report
