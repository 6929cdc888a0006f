// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced search over the realistic registry, the dBase export of 100,000 rows held in memory, and the
// advanced search's export of every animal read from the database.

#include "RegistryBench.h"

#include "BenchMethod.h"
#include "BenchSetup.h"
#include "RealisticData.h"

#include "common/ExportStatus.h"
#include "platform/db/Query.h"
#include "platform/dbase/DbfWriter.h"
#include "platform/ui/DateEdit.h"
#include "registry/search/PesquisaAvancadoExport.h"
#include "registry/search/PesquisaAvancadoSql.h"
#include "registry/search/UPesquisaAvancado.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <shapefil.h>

#include <cstdio>

namespace {

// A dBase table written by a plain loop of shapelib calls, as a developer would: the same fields and bytes as
// the program's (dates as yyyyMMdd, texts in the file's code page).
class PlainTable {
public:
    PlainTable(const QString& file, const QList<dbase::Field>& fields) : fields_(fields) {
        handle_ = DBFCreateEx(file.toLocal8Bit().constData(), "LDID/87");
        QStringList names;
        for (const dbase::Field& f : fields)
            names << f.name;
        const QStringList dbfNames = dbase::fieldNames(names);
        for (int c = 0; c < fields.size(); ++c) {
            const dbase::Field& f = fields[c];
            const QByteArray name = dbfNames[c].toLatin1();
            if (f.type == dbase::Type::Integer)
                DBFAddField(handle_, name.constData(), FTInteger, 11, 0);
            else if (f.type == dbase::Type::Date)
                DBFAddNativeFieldType(handle_, name.constData(), 'D', 8, 0);
            else
                DBFAddField(handle_, name.constData(), FTString, f.width, 0);
        }
    }
    ~PlainTable() { DBFClose(handle_); }

    // A row's values, as the driver gives them.
    void add(const std::function<QVariant(int column)>& value) {
        for (int c = 0; c < fields_.size(); ++c) {
            const QVariant v = value(c);
            if (v.isNull())
                DBFWriteNULLAttribute(handle_, row_, c);
            else if (fields_[c].type == dbase::Type::Integer)
                DBFWriteIntegerAttribute(handle_, row_, c, v.toInt());
            else if (fields_[c].type == dbase::Type::Date) {
                QByteArray date = v.toDateTime().toString(QStringLiteral("yyyyMMdd")).toLatin1();
                DBFWriteAttributeDirectly(handle_, row_, c, date.data());
            } else
                DBFWriteStringAttribute(handle_, row_, c, v.toString().toLatin1().constData());
        }
        ++row_;
    }

private:
    QList<dbase::Field> fields_;
    DBFHandle handle_;
    int row_ = 0;
};

// The advanced search, opened and shown, with no criterion.
std::unique_ptr<TfrmPesquisaAvancado> shownSearch() {
    auto form = std::make_unique<TfrmPesquisaAvancado>();
    form->resize(1000, 600);
    form->show();
    QApplication::processEvents();
    return form;
}

}  // namespace

bool advancedSearchScenario() {
    return onEachEngine(benchdata::fillRegistry, [](const BenchDatabase&) {
        PrintedPrompts prompts;
        const auto form = shownSearch();
        form->findChild<QComboBox*>(QStringLiteral("cbbEspecie"))->setEditText(QStringLiteral("1 - CANINA"));
        form->ckbIgnoraData->setChecked(false);
        form->dtpDataInicio->setDate(QDate(2010, 1, 1));
        form->dtpDataFim->setDate(QDate(2014, 12, 31));

        // The floor: the same statement with the same values through Qt's own model and view, its first screen,
        // and the rows counted by a statement over the same joins, as the form shows them.
        AdvancedCriteria criteria;
        criteria.texts.insert(QStringLiteral("cbbEspecie"), QStringLiteral("1 - CANINA"));
        criteria.birthDate = true;
        criteria.bornFrom = QDate(2010, 1, 1);
        criteria.bornTo = QDate(2014, 12, 31);
        const SearchFilter filter = pesquisaavancadosql::searchFilter(criteria);
        const QStringList select = pesquisaavancadosql::selectLines();
        const QString conditions = filter.lines.join('\n');
        const QString statement = select.join('\n') + '\n' + conditions + "\n order by a.Id_Proprietario, a.Id_Animal";
        QStringList joins = select;
        while (!joins.isEmpty() && !joins.first().startsWith(QLatin1String("left")))
            joins.removeFirst();
        const QString counted = " select count(*) from animal a " + joins.join('\n') + '\n' + conditions;
        ModelFloor floor;
        int floorCount = 0;
        auto plain = [&] {
            QSqlQuery count(db::connection(db::kMain));
            count.prepare(counted);
            for (auto it = filter.params.begin(); it != filter.params.end(); ++it)
                count.bindValue(':' + it.key(), it.value().typeId() == QMetaType::QDateTime
                                                    ? QVariant(db::storedDateTime(it.value().toDateTime()))
                                                    : it.value());
            count.exec();
            count.next();
            floorCount = count.value(0).toInt();
            floor.run(statement, filter.params, false);
        };
        const Pairs p = pairsOf(
            5,
            [&] {
                form->search();
                drawn(form->dbgPrincipal);
            },
            plain);
        const QString shown = form->findChild<QLabel*>(QStringLiteral("StatusBar1Panel2"))->text();
        printTimes(QStringLiteral("Pesquisar to the grid painted, %1 (floor %2)").arg(shown).arg(floorCount), p, 5);
        return printRatio(QStringLiteral("advanced-search"), p.ratio, 1.5) && !prompts.failed &&
               shown.endsWith(QStringLiteral(": %1").arg(floorCount)) && floorCount > 0;
    });
}

bool dbaseExportScenario() {
    constexpr int kRows = 100000;
    const QList<dbase::Field>& fields = advancedResultFields();
    db::RowSet rows;
    QStringList names;
    for (const dbase::Field& f : fields)
        names << f.name;
    rows.setFields(names);
    for (int r = 0; r < kRows; ++r) {
        QVector<QVariant> row(fields.size());
        for (int c = 0; c < fields.size(); ++c) {
            switch (fields[c].type) {
            case dbase::Type::Integer: row[c] = r + c; break;
            case dbase::Type::Date:
                row[c] = QDateTime(QDate(2000 + r % 25, 1 + r % 12, 1 + r % 28), QTime(0, 0));
                break;
            default: row[c] = QStringLiteral("TEXTO %1 É %2").arg(r).arg(c).left(fields[c].width); break;
            }
        }
        rows.append(std::move(row));
    }
    QTemporaryDir dir;
    auto ours = [&] {
        dbase::Writer writer(dir.filePath(QStringLiteral("nurv.dbf")), fields);
        for (int r = 0; r < rows.count(); ++r)
            writer.addRow(rows.row(r));
        writer.close();
    };
    auto plain = [&] {
        PlainTable table(dir.filePath(QStringLiteral("plain.dbf")), fields);
        for (int r = 0; r < rows.count(); ++r)
            table.add([&](int c) { return rows.row(r)[c]; });
    };
    const Pairs p = pairsOf(5, ours, plain);
    std::printf("  rows %d of %d columns\n", kRows, int(fields.size()));
    printTimes(QStringLiteral("written to dBase"), p, 5);
    return printRatio(QStringLiteral("dbase-export"), p.ratio, 1.5);
}

bool exportAllAnimalsScenario() {
    return onEachEngine(benchdata::fillRegistry, [](const BenchDatabase&) {
        QTemporaryDir dir;
        PrintedPrompts prompts;
        prompts.savedFile = dir.filePath(QStringLiteral("todos"));
        prompts.expected << common::kExportacaoConcluidaModelo + dir.filePath(QStringLiteral("todos.dbf.txt"));
        const auto form = shownSearch();
        form->search();  // every animal of the active owners
        const QString found = form->findChild<QLabel*>(QStringLiteral("StatusBar1Panel2"))->text();
        QPushButton* exportButton = form->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        auto ours = [&] { exportButton->click(); };

        // The same statement's rows, read forward only and written by a plain loop of shapelib calls.
        const db::Query& select = form->qryPrincipal->query();
        const QList<dbase::Field>& fields = advancedResultFields();
        int plainRows = 0;
        auto plain = [&] {
            QSqlQuery q(db::connection(db::kMain));
            q.setForwardOnly(true);
            q.prepare(select.text());
            for (auto it = select.params().begin(); it != select.params().end(); ++it)
                q.bindValue(':' + it.key(), it.value());
            q.exec();
            PlainTable table(dir.filePath(QStringLiteral("plain.dbf")), fields);
            plainRows = 0;
            while (q.next()) {
                table.add([&](int c) { return q.value(c); });
                ++plainRows;
            }
        };
        const qint64 peak = peakKbOf(ours);
        const Pairs p = pairsOf(5, ours, plain);
        const QFileInfo written(dir.filePath(QStringLiteral("todos.dbf")));
        std::printf("    %s; %d rows, %.0f MB written\n", qPrintable(found), plainRows,
                    double(written.size()) / 1048576.0);
        printTimes(QStringLiteral("every animal exported to dBase"), p, 5);
        std::printf("export-all-animals: peak %.0f MB (goal <= 300)\n", double(peak) / 1024.0);
        const bool ok = printRatio(QStringLiteral("export-all-animals"), p.ratio, 1.3);
        return ok && peak <= 300 * 1024 && !prompts.failed && plainRows > 0 &&
               found.endsWith(QStringLiteral(": %1").arg(plainRows));
    });
}
