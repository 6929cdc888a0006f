// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced search over 300,000 generated animals, and the dBase export of 100,000 result rows.

#include "RegistryBench.h"

#include "BenchMethod.h"

#include "common/schema/SchemaScripts.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/dbase/DbfWriter.h"
#include "platform/ui/DateEdit.h"
#include "registry/search/PesquisaAvancadoRules.h"
#include "registry/search/PesquisaAvancadoSql.h"
#include "registry/search/UPesquisaAvancado.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>

#include <shapefil.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAnimals = 300000;

// Owners, addresses, animals with a second (current) address and group row each, written by the server.
void generate() {
    const QString numbers =
        QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) ");
    db::Transaction t;
    db::run(db::kMain, "insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA'), (3, 'AVE')", {});
    db::run(db::kMain, "insert into distrito (Id_Distrito, Nome) values (1, 'DS1 NORTE'), (2, 'DS2 SUL')", {});
    db::run(db::kMain,
            numbers.arg(kAnimals / 3) +
                "insert into proprietario (Id_Proprietario, Nome, Num_CPF_CNPJ, Status_Registro, "
                "Telefone_Residencial) select i, 'PROPRIETARIO ' || i, '000' || i, "
                "case when i % 10 = 0 then 'INATIVO' else 'ATIVO' end, '6133334444' from n",
            {});
    db::run(db::kMain,
            numbers.arg(2 * kAnimals) +
                "insert into endereco (Id_Endereco, Id_Distrito, COD_AREA_ABRN, NUM_LOGR, TIP_LOGR, "
                "NOM_LOGR, NUM_IMOV_LOGR, NUM_BAIR, NOM_BAIR, NUM_CEP) select i, 1 + i % 2, 11, i % 500, "
                "'R', 'RUA ' || (i % 500), i % 900, 1, 'CENTRO', '12345678' from n",
            {});
    db::run(db::kMain,
            numbers.arg(kAnimals) +
                "insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Grupo_Animal, Nome, Sexo, "
                "Data_Nascimento, Esterilizado, Num_Microchip, Cor) select i, 1 + i % " +
                QString::number(kAnimals / 3) +
                ", 1 + i % 3, 1, 'ANIMAL ' || i, 'M', "
                "printf('%04d-%02d-%02d 00:00:00', 2005 + i % 20, 1 + i % 12, 1 + i % 28), 'NAO', "
                "case when i % 4 = 0 then '' else 'CHIP' || i end, 'PRETO' from n",
            {});
    db::run(db::kMain,
            numbers.arg(kAnimals) +
                "insert into endereco_animal (Id_Animal, Id_Endereco) select i, i from n union all "
                "select i, " +
                QString::number(kAnimals) + " + i from n",
            {});
    db::run(db::kMain,
            numbers.arg(kAnimals) +
                "insert into grupo_animal_animal (Id_Grupo_Animal_Animal, Id_Grupo_Animal, Id_Animal, "
                "Dt_Entrada_Grupo) select i, 1, i, '2020-01-01 00:00:00' from n union all select " +
                QString::number(kAnimals) + " + i, 2, i, '2021-01-01 00:00:00' from n",
            {});
    t.commit();
}

}  // namespace

bool advancedSearchScenario() {
    QTemporaryDir dir;
    db::Settings settings;
    settings.directory = dir.path();
    db::installSchema(settings, schemaScripts(false));
    db::connectAll(settings);
    QElapsedTimer timer;
    timer.start();
    generate();
    db::upgradeSchema(upgradeSteps());
    db::run(db::kMain, "analyze main", {});
    const double generated = double(timer.elapsed());

    auto* form = new TfrmPesquisaAvancado;
    form->resize(1000, 600);
    form->show();
    QApplication::processEvents();
    form->findChild<QComboBox*>(QStringLiteral("cbbEspecie"))->setEditText(QStringLiteral("1 - CANINA"));
    form->ckbIgnoraData->setChecked(false);
    form->dtpDataInicio->setDate(QDate(2010, 1, 1));
    form->dtpDataFim->setDate(QDate(2014, 12, 31));

    // The floor: the same statement with the same values through Qt's own model and view, every row counted
    // as the form counts them.
    AdvancedCriteria criteria;
    criteria.texts.insert(QStringLiteral("cbbEspecie"), QStringLiteral("1 - CANINA"));
    criteria.birthDate = true;
    criteria.bornFrom = QDate(2010, 1, 1);
    criteria.bornTo = QDate(2014, 12, 31);
    const SearchFilter filter = pesquisaavancadosql::searchFilter(criteria);
    const QString statement = pesquisaavancadosql::selectLines().join('\n') + '\n' + filter.lines.join('\n') +
                              "\n order by a.Id_Proprietario, a.Id_Animal";
    QSqlQueryModel model;
    QTableView view;
    view.setModel(&model);
    view.resize(1000, 600);
    view.show();
    int floorRows = 0;
    auto floor = [&] {
        QSqlQuery q(db::connection(db::kMain));
        q.prepare(statement);
        for (auto it = filter.params.begin(); it != filter.params.end(); ++it) {
            const QVariant v = it.value();
            q.bindValue(':' + it.key(),
                        v.typeId() == QMetaType::QDateTime ? QVariant(db::storedDateTime(v.toDateTime())) : v);
        }
        q.exec();
        model.setQuery(std::move(q));
        while (model.canFetchMore())
            model.fetchMore();
        floorRows = model.rowCount();
        view.viewport()->repaint();
    };
    int rows = 0;
    const Pairs p = pairsOf(
        5,
        [&] {
            form->search();
            form->dbgPrincipal->viewport()->repaint();
            QApplication::processEvents();
            rows = form->qryPrincipal->recordCount();
        },
        floor);
    const QString count = form->findChild<QLabel*>(QStringLiteral("StatusBar1Panel2"))->text();
    delete form;
    model.clear();
    db::disconnectAll();

    std::printf("  SQLite: %d animals generated in %.0f ms; found %d (%s), floor %d\n", kAnimals, generated, rows,
                qPrintable(count), floorRows);
    printTimes(QStringLiteral("Pesquisar to the grid painted, every row counted"), p, 5);
    return printRatio(QStringLiteral("advanced-search"), p.ratio, 1.5) && rows == floorRows;
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
    // The same fields, rows and bytes by hand: dates as yyyyMMdd, texts in the file's code page.
    auto plain = [&] {
        DBFHandle h = DBFCreateEx(dir.filePath(QStringLiteral("plain.dbf")).toLocal8Bit().constData(), "LDID/87");
        const QStringList dbfNames = dbase::fieldNames(names);
        for (int c = 0; c < fields.size(); ++c) {
            const dbase::Field& f = fields[c];
            const QByteArray name = dbfNames[c].toLatin1();
            if (f.type == dbase::Type::Integer)
                DBFAddField(h, name.constData(), FTInteger, 11, 0);
            else if (f.type == dbase::Type::Date)
                DBFAddNativeFieldType(h, name.constData(), 'D', 8, 0);
            else
                DBFAddField(h, name.constData(), FTString, f.width, 0);
        }
        for (int r = 0; r < rows.count(); ++r) {
            const QVector<QVariant>& row = rows.row(r);
            for (int c = 0; c < fields.size(); ++c) {
                const QVariant& v = row[c];
                if (fields[c].type == dbase::Type::Integer)
                    DBFWriteIntegerAttribute(h, r, c, v.toInt());
                else if (fields[c].type == dbase::Type::Date) {
                    QByteArray date = v.toDateTime().toString(QStringLiteral("yyyyMMdd")).toLatin1();
                    DBFWriteAttributeDirectly(h, r, c, date.data());
                } else
                    DBFWriteStringAttribute(h, r, c, v.toString().toLatin1().constData());
            }
        }
        DBFClose(h);
    };
    const Pairs p = pairsOf(5, ours, plain);
    std::printf("  rows %d of %d columns\n", kRows, int(fields.size()));
    printTimes(QStringLiteral("written to dBase"), p, 5);
    return printRatio(QStringLiteral("dbase-export"), p.ratio, 1.5);
}
