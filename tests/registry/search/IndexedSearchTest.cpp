// SPDX-License-Identifier: GPL-3.0-or-later
// Every search and every save check that the forms run on the large tables reads them through an index: the
// statements are recorded as the forms run them, and the engine's plan of each must read no large table whole.

#include "RegistryFixture.h"
#include "UserInput.h"

#include "availability/EspecialSql.h"
#include "common/schema/SchemaScripts.h"
#include "common/schema/TextIndexes.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/db/Search.h"
#include "registry/animal/AnimalRules.h"
#include "registry/animal/AnimalSql.h"
#include "registry/cards/CarteirinhaSql.h"
#include "registry/events/UProprietarioPesquisa.h"
#include "registry/owner/OwnerSql.h"
#include "registry/owner/UConsultaProprietario.h"
#include "registry/owner/WebAccountSql.h"
#include "registry/reports/AnimalReportsSql.h"
#include "registry/search/PesquisaAvancadoRules.h"
#include "registry/search/PesquisaAvancadoSql.h"
#include "scheduling/agenda/AgendaSql.h"
#include "shell/users/UsuarioSql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace registry;

namespace {

const QStringList kLargeTables{"proprietario", "animal", "atendimento", "endereco", "usuario"};
// The tables whose rows the reports count over a period.
const QStringList kCountedTables{"animal", "atendimento", "ocorrencia", "procedimento"};

struct Recorded {
    QString sql;
    QVariantHash params;
};

// The statement with its values written in, for PostgreSQL's explain (a pattern becomes a range only when the
// planner sees its value, as it does when the program runs it).
QString withLiterals(const QString& sql, const QVariantHash& params) {
    QString out = sql;
    static const QRegularExpression name(QStringLiteral(":([A-Za-z_][A-Za-z0-9_]*)"));
    auto found = name.globalMatch(sql);
    QList<QRegularExpressionMatch> matches;
    while (found.hasNext())
        matches.prepend(found.next());
    for (const QRegularExpressionMatch& m : matches) {
        const QVariant v = params.value(m.captured(1).toLower());
        QString literal;
        if (v.isNull())
            literal = QStringLiteral("null");
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            literal = v.toString();
        else if (v.typeId() == QMetaType::QDateTime)
            literal = QStringLiteral("'%1'").arg(db::storedDateTime(v.toDateTime()));
        else
            literal = QStringLiteral("'%1'").arg(v.toString().replace(QLatin1Char('\''), QStringLiteral("''")));
        out.replace(m.capturedStart(), m.capturedLength(), literal);
    }
    return out;
}

QString planText(const Recorded& r) {
    const db::RowSet plan = testingPostgres()
                                ? db::run(db::kMain, QStringLiteral("explain ") + withLiterals(r.sql, r.params), {})
                                : db::run(db::kMain, QStringLiteral("explain query plan ") + r.sql, r.params);
    QStringList lines;
    for (int i = 0; i < plan.count(); ++i)
        lines << db::toText(plan.row(i)[plan.fields().size() - 1]);
    return lines.join(QLatin1Char('\n'));
}

// Those of `tables` that the plan reads whole; empty when it reads each through an index.
QStringList wholeReads(const Recorded& r, const QStringList& tables) {
    QStringList read;
    if (testingPostgres()) {
        // A sequential scan, or an index scan without a condition (the planner's way round a sequential scan
        // that it was told to avoid), reads the table whole.
        const db::RowSet plan =
            db::run(db::kMain, QStringLiteral("explain (format json) ") + withLiterals(r.sql, r.params), {});
        std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& node) {
            const QString type = node.value(QStringLiteral("Node Type")).toString();
            const QString table = node.value(QStringLiteral("Relation Name")).toString().toLower();
            const bool whole = type == QLatin1String("Seq Scan") || (type.startsWith(QLatin1String("Index")) &&
                                                                     !node.contains(QStringLiteral("Index Cond")));
            if (whole && tables.contains(table))
                read << table;
            for (const QJsonValue& child : node.value(QStringLiteral("Plans")).toArray())
                walk(child.toObject());
        };
        const QJsonArray plans = QJsonDocument::fromJson(db::toText(plan.row(0)[0]).toUtf8()).array();
        for (const QJsonValue& p : plans)
            walk(p.toObject().value(QStringLiteral("Plan")).toObject());
        return read;
    }
    // SQLite names a table by its alias: the statement's own from and join clauses say which table it is.
    QHash<QString, QString> named;
    static const QRegularExpression source(QStringLiteral("(?:from|join)\\s+(\\w+)(?:\\s+(?:as\\s+)?(\\w+))?"),
                                           QRegularExpression::CaseInsensitiveOption);
    auto sources = source.globalMatch(r.sql);
    while (sources.hasNext()) {
        const QRegularExpressionMatch m = sources.next();
        const QString table = m.captured(1).toLower();
        named.insert(table, table);
        if (!m.captured(2).isEmpty())
            named.insert(m.captured(2).toLower(), table);
    }
    const db::RowSet plan = db::run(db::kMain, QStringLiteral("explain query plan ") + r.sql, r.params);
    static const QRegularExpression scan(QStringLiteral("^SCAN (\\w+)"));
    for (int i = 0; i < plan.count(); ++i) {
        const QRegularExpressionMatch m = scan.match(db::toText(plan.row(i)[3]));
        if (m.hasMatch() && tables.contains(named.value(m.captured(1).toLower())))
            read << named.value(m.captured(1).toLower());
    }
    return read;
}

}  // namespace

class IndexedSearches : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        if (testingPostgres()) {
            // The server plans by the tables' statistics: a few thousand rows that none of the searches finds
            // make it plan as for a large table, and it is told to read no table whole where an index can serve.
            for (const char* fill :
                 {"insert into endereco (Id_Endereco, NOM_LOGR) select i, 'RUA ' || i from generate_series(1, 5000) i",
                  R"(
                      insert into proprietario (Id_Proprietario, Nome, Num_CPF_CNPJ, Num_CI, Status_Registro,
                          Id_Endereco, Email_Proprietario)
                      select i, 'DONO ' || i, lpad(cast(i as text), 11, '0'), cast(i as text), 'ATIVO', i,
                          'dono' || i || '@exemplo.org'
                      from generate_series(1, 5000) i
                  )",
                  R"(
                      insert into animal (Id_Animal, Id_Proprietario, Nome, Num_Microchip, Num_Pedigree)
                      select i, i, 'ANIMAL ' || i, 'CHIP' || i, 'P' || i
                      from generate_series(1, 5000) i
                  )",
                  "insert into endereco_animal (Id_Animal, Id_Endereco) select i, i from generate_series(1, 5000) i",
                  R"(
                      insert into atendimento (Id_Atendimento, Id_Proprietario, Id_Animal)
                      select i, i, i
                      from generate_series(1, 5000) i
                  )",
                  R"(
                      insert into usuario (Id_Usuario, Nome, Email_usu, Id_Unidade_Trabalho)
                      select 100 + i, 'USUARIO ' || i, 'u' || i || '@exemplo.org', 1
                      from generate_series(1, 5000) i
                  )",
                  "analyze", "set enable_seqscan = off"})
                exec(QString::fromLatin1(fill));
        }
        db::setStatementObserver([this](const QString&, const QString& sql, const QVariantHash& params) {
            if (!m_explaining && sql.trimmed().startsWith(QStringLiteral("select"), Qt::CaseInsensitive))
                m_recorded.append({sql, params});
        });
    }
    void TearDown() override {
        db::setStatementObserver({});
        if (testingPostgres())
            exec("reset enable_seqscan");
        RegistryTest::TearDown();
    }

    // Runs `search` and fails for each statement it ran whose plan reads one of `tables` whole. SQLite cannot
    // start the advanced search from an address, which the search joins through the animal's address history:
    // that search (`sqliteScans`) is checked on PostgreSQL only.
    void expectIndexed(const QString& what, const std::function<void()>& search, bool sqliteScans = false,
                       const QStringList& tables = kLargeTables) {
        m_recorded.clear();
        search();
        EXPECT_FALSE(m_recorded.isEmpty()) << what.toStdString();
        if (sqliteScans && !testingPostgres())
            return;
        m_explaining = true;
        for (const Recorded& r : std::as_const(m_recorded)) {
            const QStringList read = wholeReads(r, tables);
            EXPECT_TRUE(read.isEmpty()) << what.toStdString() << " reads " << read.join(", ").toStdString()
                                        << " whole:\n"
                                        << r.sql.toStdString() << "\n"
                                        << planText(r).toStdString();
        }
        m_explaining = false;
    }

    QList<Recorded> m_recorded;
    bool m_explaining = false;
};

TEST_F(IndexedSearches, NoSearchOrSaveCheckOfTheFormsReadsALargeTableWhole) {
    {
        TfrmConsultaProprietario consult(nullptr);
        consult.show();
        const QList<std::pair<QString, QString>> criteria{
            {kConsultaCodigoProp, "12"},   {kConsultaNomeProp, "SILVA"},  {kConsultaDocumento, "529982"},
            {kConsultaIdentidade, "1234"}, {kConsultaLogradouro, "FLOR"}, {kConsultaCodAnimal, "7"},
            {kConsultaNomeAnimal, "REX"},  {kConsultaMicrochip, "98 76"}};
        for (const auto& [criterion, text] : criteria) {
            expectIndexed("owner consult by " + criterion, [&] {
                input::chooseItem(consult.cbbSelecao, criterion);
                consult.edtTexto->clear();
                input::clickAndType(consult.edtTexto, text);
                consult.search();
            });
        }
    }
    {
        TfrmProprietarioPesquisa picker(nullptr, 1);
        picker.show();
        const QStringList texts{"12", "SILVA", "52998224725", "FLOR"};
        for (int i = 0; i < texts.size(); ++i) {
            expectIndexed("owner picker, criterion " + QString::number(i), [&] {
                input::chooseItem(picker.cbbSelecao, i);
                picker.edtTexto->clear();
                input::clickAndType(picker.edtTexto, texts[i]);
                picker.search();
            });
        }
    }
    db::DataSet located;
    const QList<std::pair<agendasql::LocateBy, QVariant>> locates{
        {agendasql::LocateBy::OwnerName, "SILVA"}, {agendasql::LocateBy::AnimalName, "REX"},
        {agendasql::LocateBy::Attendance, 5},      {agendasql::LocateBy::Owner, 5},
        {agendasql::LocateBy::Animal, 5},          {agendasql::LocateBy::Cpf, "52998224725"},
        {agendasql::LocateBy::Identity, "1234"},   {agendasql::LocateBy::Microchip, "9876"}};
    for (const auto& [by, value] : locates)
        expectIndexed("agenda locator " + QString::number(int(by)),
                      [&] { agendasql::selectLocated(located, by, value); });
    for (const QString& criterion : {animalsql::kBuscaNomeAnimal, animalsql::kBuscaCodigoAnimal,
                                     animalsql::kBuscaNomeProprietario, animalsql::kBuscaMicrochip}) {
        expectIndexed("animal search by " + criterion, [&] {
            db::DataSet animals;
            animalsql::prepareAnimalSearch(animals.query(), criterion, "REX");
            animals.open();
        });
    }
    expectIndexed("cards by owner name", [&] { carteirinhasql::openOwners(located, std::nullopt, "SILVA"); });
    expectIndexed("cards by owner", [&] { carteirinhasql::openOwners(located, 5, {}); });
    expectIndexed("special booking owners", [&] { especialsql::owners({}, "SILVA"); });
    expectIndexed("special booking search by name", [&] { especialsql::searchOwners(located, false, "SILVA"); });
    expectIndexed("special booking search by document",
                  [&] { especialsql::searchOwners(located, true, "52998224725"); });
    // The advanced search by each criterion that names one owner, animal or street.
    for (const char* control : {"mkeLogradouro", "mkeCodAnimal", "mkeNomeAnimal", "mkeMicrochip", "mkeCodProprietario",
                                "edtNome", "mkeNumCPF_CNPJ", "mkeIdentidade", "mkePedigree"}) {
        expectIndexed(
            QStringLiteral("advanced search by ") + control,
            [&] {
                AdvancedCriteria criteria;
                criteria.texts.insert(QString::fromLatin1(control), "1234");
                const SearchFilter filter = pesquisaavancadosql::searchFilter(criteria);
                db::Query search;
                search << pesquisaavancadosql::selectLines().join('\n') << filter.lines.join('\n');
                search.bind(filter.params);
                search.open();
            },
            QByteArray(control) == "mkeLogradouro");
    }
    expectIndexed("owner save: document taken", [] { ownersql::documentTaken("52998224725", 1); });
    expectIndexed("owner save: company root", [] { ownersql::ownerByDocumentPrefix("11222333000181"); });
    expectIndexed("owner save: same name", [] { ownersql::ownerNamed("JOSÉ DA SILVA"); });
    expectIndexed("owner save: e-mail", [] { ownersql::ownerEmailCount("Ana@Exemplo.com", 1); });
    expectIndexed("web account: e-mail", [] { webaccountsql::emailCount("Ana@Exemplo.com", 1, "52998224725"); });
    expectIndexed("web account: login", [] { webaccountsql::loginTaken("529.982.247-25", 1); });
    expectIndexed("user save: name", [] { usuariosql::nameTaken("ANA"); });
    expectIndexed("user: web account", [] { usuariosql::belongsToOwner(3); });
    // The consolidated statistics count their period's rows through the index of the moment they filter.
    expectIndexed(
        "consolidated statistics",
        [] {
            bool failed = false;
            animalreportssql::consolidatedCharts(QDate(2024, 3, 1), QDate(2024, 3, 31), failed);
        },
        false, kCountedTables);
}

// A text found anywhere in a name or microchip: the rows as they are after each insert, change and deletion
// (SQLite keeps its full-text tables by triggers).
TEST_F(IndexedSearches, TextAnywhereFindsTheRowsAsTheyAreNow) {
    auto animals = [](const QString& typed) {
        db::DataSet found;
        animalsql::prepareAnimalSearch(found.query(), animalsql::kBuscaNomeAnimal, typed);
        found.open();
        QStringList names;
        for (int r = 0; r < found.recordCount(); ++r)
            names << db::toText(found.cell(r, "nome_animal"));
        return names;
    };
    auto chips = [](const QString& typed) {
        const ownersql::ConsultFilter f = ownersql::consultFilter(kConsultaMicrochip, typed);
        db::Query q;
        q << "select a.Id_Animal from animal a where 1=1" << f.clause << " order by a.Id_Animal";
        q.bind(f.params);
        q.open();
        QList<int> ids;
        for (q.first(); !q.eof(); q.next())
            ids << q.integer("Id_Animal");
        return ids;
    };
    auto owners = [](const QString& typed) {
        const db::RowSet rows = especialsql::owners({}, typed);
        QStringList names;
        for (int r = 0; r < rows.count(); ++r)
            names << db::toText(rows.row(r)[1]);
        return names;
    };
    exec("insert into proprietario (Id_Proprietario, Nome) values (9001, 'JOÃO DA SILVA'), (9002, 'MARIA SILVEIRA')");
    exec(
        R"(
            insert into animal (Id_Animal, Id_Proprietario, Nome, Num_Microchip)
            values (9001, 9001, 'TOTÓ', '982 000 123'), (9002, 9002, 'BOLOTA', '982000124'),
                (9003, 9002, 'TOTORO', null)
        )");
    EXPECT_EQ(animals("tot"), (QStringList{"TOTÓ", "TOTORO"}));
    EXPECT_EQ(animals("otó"), (QStringList{"TOTÓ", "TOTORO"}));
    EXPECT_EQ(chips("0 0012"), (QList<int>{9001, 9002}));
    EXPECT_EQ(owners("silv"), (QStringList{"JOÃO DA SILVA", "MARIA SILVEIRA"}));
    exec("update animal set Nome = 'REX', Num_Microchip = '555' where Id_Animal = 9001");
    exec("update proprietario set Nome = 'JOÃO PEREIRA' where Id_Proprietario = 9001");
    exec("delete from animal where Id_Animal = 9003");
    EXPECT_EQ(animals("tot"), QStringList{});
    EXPECT_EQ(animals("rex"), QStringList{"REX"});
    EXPECT_EQ(chips("00012"), QList<int>{9002});
    EXPECT_EQ(owners("silv"), QStringList{"MARIA SILVEIRA"});
    EXPECT_EQ(owners("ão"), QStringList{"JOÃO PEREIRA"});  // two characters: no full-text table, same result
}

// A database made before the version row: at the start its fold() becomes this version's (PostgreSQL), the
// indexes over it are built again, and missing indexes and full-text tables are made with the rows already there.
TEST_F(IndexedSearches, ADatabaseMadeBeforeGetsFoldAndItsIndexesAtStart) {
    db::setStatementObserver({});
    exec("drop table nurv_versao");
    if (!testingPostgres())
        exec("drop table nurv_preenchimento");
    const QStringList periods{"ix_animal_inserido_em", "ix_ocorrencia_dt_ocorrencia", "ix_procedimento_inserido_em"};
    for (const QString& index : periods)
        exec("drop index " + index);
    if (testingPostgres()) {
        exec("drop index ix_proprietario_trgm_nome");
        exec(
            "create or replace function public.fold(text) returns text language sql immutable strict "
            "as $$ select lower($1) $$");
        exec("reindex index ix_proprietario_fold_nome");
    } else {
        for (const char* made :
             {"index ix_proprietario_fold_nome", "table proprietario_fold", "trigger tr_proprietario_fold_insert",
              "trigger tr_proprietario_fold_delete", "trigger tr_proprietario_fold_update"})
            exec(QStringLiteral("drop %1").arg(QLatin1String(made)));
    }
    exec("insert into proprietario (Id_Proprietario, Nome) values (9001, 'JOSÉ ÁVILA')");
    // Others beside it, so that the statistics the upgrade leaves make the index worth reading.
    for (int i = 1; i <= 60; ++i)
        exec("insert into proprietario (Id_Proprietario, Nome) values (:i, :n)",
             {{"i", 9100 + i}, {"n", QStringLiteral("OUTRO %1").arg(i)}});
    db::upgradeSchema(upgradeSteps());
    EXPECT_EQ(db::toText(scalar("select fold(:t)", {{"t", "JOSÉ Ω"}})), db::fold("JOSÉ Ω"));
    auto found = [&](const db::Condition& c) {
        db::Query q;
        q << "select Nome from proprietario where 1=1";
        q.andWhere(c);
        q.open();
        return q.rowCount() == 1 ? q.str("Nome") : QString();
    };
    // Through the index (PostgreSQL is told to read no table whole): its entry is the new fold's.
    EXPECT_EQ(found(db::foldedPrefix("Nome", "p", "jose av")), "JOSÉ ÁVILA");
    EXPECT_EQ(found(db::foldedContains("Nome", "p", "avil", textindex::ownerName("Id_Proprietario"))), "JOSÉ ÁVILA");
    const QString plan = testingPostgres()
                             ? db::toText(scalar("explain select Nome from proprietario where fold(Nome) like 'jose%'"))
                             : db::toText(db::run(db::kMain,
                                                  R"(
                                                      explain query plan
                                                      select Nome
                                                      from proprietario
                                                      where fold(Nome) >= 'jose'
                                                        and fold(Nome) < 'josf'
                                                  )",
                                                  {})
                                              .row(0)[3]);
    EXPECT_TRUE(plan.contains("ix_proprietario_fold_nome")) << plan.toStdString();
    for (const QString& index : periods) {
        const QString made = testingPostgres()
                                 ? "select count(*) from pg_indexes where indexname = :n"
                                 : "select count(*) from sqlite_master where type = 'index' and name = :n";
        EXPECT_EQ(db::toInt(scalar(made, {{"n", index}})), 1) << index.toStdString();
    }
}
