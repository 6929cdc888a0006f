// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar of long searches and exports, its notices, and the text of a data dictionary.

#include "common/ExportStatus.h"

#include "common/Prompts.h"
#include "platform/db/Database.h"
#include "platform/dbase/DbfWriter.h"
#include "platform/files/Replacement.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

using namespace common;

QStatusBar* makeExportStatusBar(QWidget* parent, int panels) {
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setAutoFillBackground(true);
    for (int i = 0; i < panels; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        panel->setMinimumWidth(250);
        bar->addWidget(panel, i == panels - 1 ? 1 : 0);
    }
    return bar;
}

void showNotice(QStatusBar* bar, int panel, const QString& text, const QColor& colour) {
    if (auto* label = bar->findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(panel)))
        label->setText(text);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    QCoreApplication::processEvents();
}

void noticeWaiting(QStatusBar* bar, int panel) {
    showNotice(bar, panel, kAguardeRecuperacao, QApplication::palette().color(QPalette::Highlight));
}

void noticeDone(QStatusBar* bar, int panel, const QString& text) { showNotice(bar, panel, text, Qt::green); }

void clearNotice(QStatusBar* bar, int panel) {
    showNotice(bar, panel, QString(), QApplication::palette().color(QPalette::Button));
}

void writeTextLines(const QString& fileName, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += dbase::exportBytes(line) + "\r\n";
    files::writeWhole(fileName, bytes);
}

void writeWithNotice(QStatusBar* bar, int panel,
                     const std::function<void(const std::function<void(qint64, qint64)>& progress)>& write,
                     qint64 total) {
    noticeWaiting(bar, panel);
    try {
        const std::unique_ptr<Prompts::Progress> progress = Prompts::progress(common::kExportandoDados);
        write([&](qint64 done, qint64 known) { progress->step(done, known > 0 ? known : total); });
    } catch (...) {
        clearNotice(bar, panel);
        throw;
    }
    noticeDone(bar, panel);
}

QString exportFailure(const QString& formText, const std::exception& error) {
    QString cause;
    if (const auto* file = dynamic_cast<const files::Error*>(&error))
        cause = file->text();
    else if (const auto* table = dynamic_cast<const dbase::Error*>(&error))
        cause = QString::fromUtf8(table->what());
    else if (const auto* database = dynamic_cast<const db::Error*>(&error))
        cause = database->text();
    return cause.isEmpty() ? formText : formText + QLatin1Char('\n') + cause;
}
