// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status bar of the long searches and exports: panels of text on a bar whose colour tells how a long
// operation goes (the highlight colour while the rows are read, green once written), and the data
// dictionary written beside an exported table.

#include <QColor>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>

class QStatusBar;
class QWidget;

namespace common {
inline const QString kAguardeRecuperacao = QStringLiteral("Agrarde a recuperação dos dados...");
inline const QString kExportacaoRealizada = QStringLiteral("Exportação realizada com sucesso.");
inline const QString kExportacaoConcluidaModelo =
    QStringLiteral("Exportação concluída.\nUm arquivo com o modelo de dados desta exportação será criado em: ");
inline const QString kErroExportarVelmoran =
    QStringLiteral("Erro ao exportar dados, entre em contato com o a VELMORAN.");
}  // namespace common

// A status bar named StatusBar1 with `panels` labels named StatusBar1Panel0, StatusBar1Panel1...
QStatusBar* makeExportStatusBar(QWidget* parent, int panels);

// Writes a panel's text, paints the bar and lets the window show it before the work goes on.
void showNotice(QStatusBar* bar, int panel, const QString& text, const QColor& colour);
void noticeWaiting(QStatusBar* bar, int panel);
void noticeDone(QStatusBar* bar, int panel, const QString& text = common::kExportacaoRealizada);
// Empties the panel and gives the bar its usual colour again (an operation that failed).
void clearNotice(QStatusBar* bar, int panel);

// Writes lines in Windows-1252 as the dBase tables are (dbase::exportBytes), each ended by CR LF, replacing
// the file whole (files::writeWhole). Throws files::Error.
void writeTextLines(const QString& fileName, const QStringList& lines);

namespace common {
inline const QString kExportandoDados = QStringLiteral("Exportando os dados...");
}  // namespace common

// Runs an export's writing under its progress ("Cancelar" included), the panel waiting meanwhile and done
// after; a writing that fails or is cancelled clears the panel, and its failure (or Prompts::Cancelled) goes
// on to the caller. `write` gets the progress to step after each row; `total`, when known (the count a search
// showed), is the rows in all of a writing that does not know it.
void writeWithNotice(QStatusBar* bar, int panel,
                     const std::function<void(const std::function<void(qint64, qint64)>& progress)>& write,
                     qint64 total = 0);

// What an export that failed tells the operator: the form's own text, then on a line of its own the cause the
// system knows, in the words a report saved from its preview uses (a full disk, a folder that takes no writing,
// the database's own sentence); the form's text alone for any other failure.
QString exportFailure(const QString& formText, const std::exception& error);
