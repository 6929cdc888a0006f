// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog puts the chosen kind's suffix on the name typed before it checks it: the file it asks about
// replacing is the file the program writes.
#include "UserInput.h"

#include "platform/report/FileDialog.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using report::FileType;

namespace {

// What the dialog gives back once the clerk has chosen the kind at `type`, typed `name` and pressed Enter.
QString typedAndSaved(const QString& folder, const QList<FileType>& types, int type, const QString& name) {
    report::SaveFileDialog dialog(nullptr, QStringLiteral("Salvar"), folder, types);
    dialog.show();
    input::activate(&dialog);
    if (type > 0)
        input::chooseItem(dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")), type);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->selectAll();
    input::clickAndType(edit, name);
    input::pressEnter(edit);
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << name.toStdString();
    return dialog.selectedFiles().value(0);
}

}  // namespace

TEST(SaveFileDialog, TheNameTypedGetsTheSuffixOfTheKindChosen) {
    QTemporaryDir dir;
    const QList<FileType> report{{QStringLiteral("Arquivo PDF (*.pdf)"), QStringLiteral("pdf")},
                                 {QStringLiteral("Texto separado por vírgulas (*.csv)"), QStringLiteral("csv")}};
    const QList<FileType> table{{QStringLiteral("Arquivos dBase (*.dbf)"), QStringLiteral("dbf")}};
    const struct {
        QList<FileType> types;
        int type;
        const char* typed;
        const char* saved;
    } cases[] = {
        {report, 0, "lista", "lista.pdf"},
        {report, 1, "lista", "lista.csv"},
        {report, 1, "lista.CSV", "lista.CSV"},
        {report, 0, "lista.csv", "lista.csv.pdf"},  // a PDF is written under ".pdf" whatever was typed
        {table, 0, "nomes.txt", "nomes.txt.dbf"},
        {{{QString(), QStringLiteral("dbf")}},
         0,
         "agenda",
         "agenda.dbf"},  // no filter: any file, the suffix all the same
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedAndSaved(dir.path(), c.types, c.type, QString::fromUtf8(c.typed)),
                  dir.filePath(QString::fromUtf8(c.saved)))
            << c.typed;
}

// With "todos.dbf" on disk, "todos" typed stands for it: that is the file whose replacing the dialog asks about.
TEST(SaveFileDialog, AnExistingTableIsTheFileTheNameTypedStandsFor) {
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("todos.dbf")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    report::SaveFileDialog dialog(nullptr, QStringLiteral("Salvar"), dir.path(),
                                  {{QStringLiteral("Arquivos dBase (*.dbf)"), QStringLiteral("dbf")}});
    dialog.show();
    input::activate(&dialog);
    input::clickAndType(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), QStringLiteral("todos"));
    EXPECT_EQ(dialog.chosenFile(), existing.fileName());
    EXPECT_EQ(dialog.selectedFiles().value(0), existing.fileName());
}
