// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one file the way an export does, in a process of its own so that a test can give it a full disk
// (a file-size limit) or kill it half-way. Prints the error the user would be told and exits 0 when the
// writer refused; exits 3 when it wrote.
//   writer_child <whole|lines|text|csv|html|dbase> <file> <size limit in bytes, 0: none> [killed]

#include "FullDisk.h"

#include "common/ExportStatus.h"
#include "platform/db/Query.h"
#include "platform/dbase/DbfWriter.h"
#include "platform/files/Replacement.h"
#include "platform/report/Output.h"

#include <QGuiApplication>
#include <QTextStream>

#include <csignal>

namespace {

const QString kLine = QStringLiteral("Linha de uma exportação longa o bastante para passar do limite do disco.");

report::Document document() {
    report::Document d;
    d.title = QStringLiteral("Lista");
    d.pageSize = {595, 842};
    for (int p = 0; p < 40; ++p) {
        report::Page page;
        for (int i = 0; i < 60; ++i) {
            report::Element e;
            e.rect = QRectF(20, 20 + 12 * i, 500, 12);
            e.text = kLine;
            page.elements.push_back(e);
        }
        d.pages.kept().push_back(std::move(page));
    }
    return d;
}

void write(const QString& kind, const QString& file, bool killed) {
    if (kind == QLatin1String("whole")) {
        files::writeWhole(file, kLine.toUtf8().repeated(4000));
    } else if (kind == QLatin1String("lines")) {
        writeTextLines(file, QStringList(4000, kLine));
    } else if (kind == QLatin1String("dbase")) {
        dbase::Writer writer(
            file, {dbase::textField(QStringLiteral("linha"), 200), dbase::integerField(QStringLiteral("n"))});
        for (int i = 0; i < 4000; ++i) {
            writer.addRow({kLine, i});
            if (killed && i == 2000)
                std::raise(SIGKILL);  // as the operator's "end task" or a power cut would
        }
        writer.close();
    } else {
        const report::Format format = kind == QLatin1String("csv")    ? report::Format::Csv
                                      : kind == QLatin1String("html") ? report::Format::Html
                                                                      : report::Format::Text;
        QString error;
        if (!report::save(document(), file, format, &error))
            throw files::Error(error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    limitFileSize(args.value(3).toULongLong());
    QTextStream out(stdout);
    try {
        write(args.value(1), args.value(2), args.value(4) == QLatin1String("killed"));
    } catch (const files::Error& e) {
        out << e.text();
        return 0;
    } catch (const std::exception& e) {
        out << QString::fromUtf8(e.what());
        return 0;
    }
    return 3;
}
