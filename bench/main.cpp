// SPDX-License-Identifier: GPL-3.0-or-later
// nurv-bench: the program's own work (A) timed against a floor (B), the same work done with Qt's own model and
// view or a hand-written loop and the index a competent developer would add. Each scenario runs A and B in
// turns in one process, after one warm-up of each, for at least five pairs, and gives the median of the pairs'
// ratios A/B; the program's grids are shown and painted.
//   build/bench/nurv-bench                  every scenario, each in a process of its own (SQLite; PostgreSQL too
//                                           where NURV_BENCH_PG names a server)
//   build/bench/nurv-bench NAME             one scenario; --list lists them
//   bench/with-postgres [NAME]              the same, on SQLite and on a throwaway PostgreSQL cluster
//   NURV_BENCH_PG="host=/tmp port=5432 user=postgres" build/bench/nurv-bench
//                                           on that server (the bench makes and drops a database of its own)
// Each scenario ends, on each engine (SQLite first), with "<scenario>: ratio <x> (goal <= <y>)"; memory lines
// read "<scenario>: peak <x> of the floor's (goal <= <y>)" or "<scenario>: peak <x> MB (goal <= <y>)".

#include "AgendaBench.h"
#include "BenchMethod.h"
#include "BenchServer.h"
#include "BenchSetup.h"
#include "OwnerBench.h"
#include "RealisticData.h"
#include "RegistryBench.h"
#include "UpgradeBench.h"

#include "common/Prompts.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/report/Format.h"
#include "platform/report/Output.h"
#include "platform/report/Report.h"
#include "registers/ReferenceForms.h"
#include "registers/ReferenceSearches.h"
#include "registry/events/UProprietarioPesquisa.h"
#include "registry/owner/URelProprietarioGeral.h"
#include "scheduling/agenda/UAgendaLocalizarProp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <malloc.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

using namespace common;

namespace {

struct Scenario {
    const char* name;
    const char* description;
    std::function<bool()> run;
};

const QString kAlphabet = QStringLiteral("'ABCDEFGHIJKLMNOPQRSTUVWXYZ'");

// 100,000 procedure types: names of two varied letters and a number, both audit columns filled.
constexpr int kRegisterRows = 100000;
void fillProcedures() {
    db::Transaction t;
    exec(numbers(kRegisterRows) +
         QStringLiteral(
             R"(insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Descricao, Ind_Status, Inserido_Por,
                     Inserido_Em, Modificado_Por, Modificado_Em)
                 select i, substr(%1, 1 + (i * 7) %% 26, 1) || substr(%1, 1 + (i * 11 / 26) %% 26,
                     1) || ' PROCEDIMENTO ' || i, 'Descrição do procedimento ' || i, 'ATIVO', 1,
                     '2019-01-01 08:00:00', 1, '2020-02-02 09:30:00'
                 from n
             )")
             .arg(kAlphabet)
             .replace(QStringLiteral("%%"), QStringLiteral("%")));
    t.commit();
}

// ---- registers over 100,000 rows

// The procedure-type register: Atualizar (or a title click) to its first screen painted, against Qt's lazy model;
// then with every row read (the register's count), against the model fetching every row, and the peak memory
// of both.
bool registerScenario(const QString& name, bool sort) {
    return onEachEngine(fillProcedures, [&](const BenchDatabase&) {
        PrintedPrompts prompts;
        Prompts::setHandler(&prompts);
        auto form = std::make_unique<TfrmProcedimento>();
        form->resize(900, 560);
        form->show();
        form->pgcPrincipal->setCurrentWidget(form->dbgPrincipal->parentWidget());  // the grid's page
        QCoreApplication::processEvents();
        const QString sql = sort ? QStringLiteral("select * from tipo_procedimento order by Nome")
                                 : QStringLiteral("select * from tipo_procedimento");
        auto open = [&] {
            if (sort)
                form->sortBy(1);
            else
                form->actRefresh->trigger();
        };
        ModelFloor floor;
        const Pairs first = pairsOf(
            kPairs,
            [&] {
                open();
                drawn(form->dbgPrincipal);
            },
            [&] { floor.run(sql, false); });
        const int shown = form->dbgPrincipal->model()->rowCount();
        auto everyRow = [&] {
            open();
            form->qryPrincipal->recordCount();
            drawn(form->dbgPrincipal);
        };
        const Pairs all = pairsOf(5, everyRow, [&] { floor.run(sql, true); });
        const int count = form->qryPrincipal->recordCount();
        const double peak = peakRatioOf(
            3,
            [&] {
                form->qryPrincipal->close();
                floor.clear();
            },
            everyRow, [&] { floor.run(sql, true); });
        Prompts::setHandler(nullptr);
        printTimes(QStringLiteral("first screen (%1 rows in the grid)").arg(shown), first, kPairs);
        printTimes(QStringLiteral("every row (%1)").arg(count), all, 5);
        bool ok = !prompts.failed && count == kRegisterRows;
        ok = printRatio(name + QStringLiteral(" every row"), all.ratio, 1.5) && ok;
        std::printf("%s: peak %.2f of the floor's (goal <= 1.3)\n", qPrintable(name), peak);
        ok = peak <= 1.3 && ok;
        return printRatio(name, first.ratio, 2) && ok;
    });
}

// The register's search dialog by the beginning of the name, against the same select with an index on the name.
bool nameSearchScenario() {
    return onEachEngine(
        [] {
            fillProcedures();
            exec(QStringLiteral("create index ix_bench_tipo_procedimento_nome on tipo_procedimento (Nome)"));
        },
        [](const BenchDatabase&) {
            PrintedPrompts prompts;
            Prompts::setHandler(&prompts);
            TfrmProcedimento form;
            form.show();
            TfrmTipoProcedimentoPesquisa search(&form);
            search.show();
            search.cbbSelecao->setCurrentText(kSearchByName);
            search.edtTexto->setText(QStringLiteral("MA"));
            ModelFloor floor;
            const QString sql = QStringLiteral(
                R"(
                    select Id_Tipo_Procedimento, Nome, Descricao, Ind_Status
                    from tipo_procedimento
                    where Nome >= 'MA'
                      and Nome < 'MB'
                    order by Id_Tipo_Procedimento
                )");
            const Pairs p = pairsOf(
                9,
                [&] {
                    search.search();
                    drawn(search.dbgPrincipal);
                },
                [&] { floor.run(sql, false); });
            const int found = search.qryPrincipal->recordCount();
            Prompts::setHandler(nullptr);
            printTimes(QStringLiteral("search, prefix MA (%1 rows, floor %2)").arg(found).arg(floor.rows()), p, 9);
            return printRatio(QStringLiteral("name-search"), p.ratio, 2) && !prompts.failed && found == floor.rows();
        });
}

// ---- searches over 200,000 owners, 300,000 animals and 500,000 attendances

const QString kOwnerPrefix = QStringLiteral("MA");

// The owner consult (the picker of 006 and of the bookings) by the beginning of the name.
bool ownerSearchScenario() {
    return onEachEngine(benchdata::fillRegistry, [](const BenchDatabase&) {
        TfrmProprietarioPesquisa picker(nullptr, 1);
        picker.cbbSelecao->setCurrentIndex(1);
        picker.edtTexto->setText(kOwnerPrefix);
        // What a developer would write without folding: the name's own index, searched as a range.
        return timeSearch(
            QStringLiteral("owner-search"), picker, [&] { picker.search(); }, picker.dbgPrincipal,
            [&] { return picker.qryPrincipal->recordCount(); },
            R"(
                select a.id_proprietario, a.nome, a.num_CPF_CNPJ, b.NOM_LOGR, b.TIP_LOGR, b.NUM_IMOV_LOGR,
                    b.DES_CMPL_ENDR, b.nom_bair, a.num_ci, a.id_endereco
                from proprietario a
                left join endereco b on (a.id_endereco = b.id_endereco)
                where 1=1
                  and a.nome >= 'MA'
                  and a.nome < 'MB'
                order by a.nome
            )");
    });
}

// The agenda's locator by the beginning of the owner's name.
bool agendaLocateScenario() {
    return onEachEngine(benchdata::fillRegistry, [](const BenchDatabase&) {
        TfrmAgendaLocalizarProp locator(nullptr);
        locator.cbbSelecao->setCurrentIndex(0);
        locator.edtTexto->setText(kOwnerPrefix);
        return timeSearch(
            QStringLiteral("agenda-locate"), locator, [&] { locator.search(); }, locator.dbgPesquisa,
            [&] { return locator.qryPrincipal->recordCount(); },
            R"(
                select b.nome as nome_proprietario, c.nome as nome_animal, a.id_proprietario, a.id_animal,
                    a.id_atendimento, b.Num_CPF_CNPJ, b.Num_CI, c.Num_Microchip
                from atendimento a
                left join proprietario b on (a.id_proprietario = b.id_proprietario)
                left join animal c on (a.id_animal = c.id_animal)
                where b.status_registro = 'ATIVO'
                  and b.nome >= 'MA'
                  and b.nome < 'MB'
            )");
    });
}

// REL049 for every owner: the laid-out report's peak memory.
bool rel049Scenario() {
    return onEachEngine(benchdata::fillRegistry, [](const BenchDatabase&) {
        int pages = 0;
        const qint64 peak = peakKbOf([&] {
            // As the program holds it: a report the preview shares, whose pages are made again when shown.
            const auto report = std::make_shared<TfrmRelProprietarioGeral>();
            pages = report->layout().pageCount();
        });
        std::printf("    %d owners, %d pages\n", benchdata::kOwners, pages);
        std::printf("rel049-all: peak %.0f MB (goal <= 300)\n", double(peak) / 1024.0);
        return peak <= 300 * 1024;
    });
}
// ---- list of 10,000 rows

constexpr int kListRows = 10000;
constexpr qreal kMargin = 10, kHeader = 17, kLine = 5, kFooter = 10;  // millimetres
const qreal kColumns[4] = {0, 20, 80, 160};
const qreal kWidths[4] = {18, 58, 78, 30};

std::shared_ptr<report::TableData> listRows() {
    auto data = std::make_shared<report::TableData>(QStringList{"id", "nome", "descricao", "valor"});
    data->reserve(kListRows);
    for (int i = 1; i <= kListRows; ++i)
        data->addRow({i, QStringLiteral("Proprietário %1").arg(i),
                      QStringLiteral("Animal %1, canino, porte médio").arg(i), i * 1.25});
    return data;
}

std::shared_ptr<report::Report> listReport(std::shared_ptr<report::TableData> data) {
    using namespace report;
    auto report = std::make_shared<Report>();
    report->setTitle(QStringLiteral("Lista de proprietários"));
    report->setMargins(kMargin);
    report->setData(std::move(data));
    Band& header = report->addBand(BandType::PageHeader, kHeader);
    header.addLabel({0, 0, 90, 6}, QStringLiteral("Nurvalia - NURV")).setBold();
    header.addSystem({140, 0, 50, 5}, SystemField::DateTime).setAlignment(Qt::AlignRight);
    const char* headings[4] = {"Cód.", "Nome", "Descrição", "Valor"};
    for (int c = 0; c < 4; ++c)
        header.addLabel({kColumns[c], 10, kWidths[c], 5}, QString::fromUtf8(headings[c])).setBold();
    Band& detail = report->addBand(BandType::Detail, kLine);
    const char* fields[4] = {"id", "nome", "descricao", "valor"};
    for (int c = 0; c < 4; ++c) {
        Item& item = detail.addField({kColumns[c], 0, kWidths[c], kLine}, QLatin1String(fields[c]));
        if (c == 3)
            item.setAlignment(Qt::AlignRight).setFormat(QStringLiteral("#,##0.00"));
    }
    Band& footer = report->addBand(BandType::PageFooter, kFooter);
    footer.addLabel({160, 2, 12, 5}, QStringLiteral("Pag.:"));
    footer.addSystem({173, 2, 15, 5}, SystemField::PageNumber);
    Band& summary = report->addBand(BandType::Summary, 8);
    summary.addLabel({0, 2, 40, 5}, QStringLiteral("Total de registro:"));
    summary.addExpression({45, 2, 20, 5}, [](const Context& c) { return c.count(); });
    return report;
}

// The floor: the same cells formatted and placed page by page with no engine at all. Like the engine, it
// measures no text that does not wrap (none here): a right-aligned text is measured when it is painted.
struct Placed {
    QPointF at;   // points from the page's top-left
    qreal width;  // of the cell, for right alignment
    QString text;
    bool bold;
    bool right;
};
using PlacedPages = std::vector<std::vector<Placed>>;

PlacedPages handPlacedList(const report::TableData& data) {
    const char* fields[4] = {"id", "nome", "descricao", "valor"};
    const QStringList headings = {"Cód.", "Nome", "Descrição", "Valor"};
    const QString stamp = report::formatValue(QDateTime::currentDateTime(), QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    const QString money = QStringLiteral("#,##0.00");
    const qreal pt = report::kPointsPerMm;
    const int perPage = int((297 - 2 * kMargin - kHeader - kFooter) / kLine + 1e-6);
    int columns[4];
    for (int c = 0; c < 4; ++c)
        columns[c] = data.columnIndex(QLatin1String(fields[c]));
    PlacedPages pages;
    for (int row = 0; row < data.rowCount(); ++row) {
        if (row % perPage == 0) {
            pages.emplace_back();
            auto& page = pages.back();
            page.reserve(size_t(perPage) * 4 + 8);
            page.push_back({{kMargin * pt, kMargin * pt}, 90 * pt, QStringLiteral("Nurvalia - NURV"), true, false});
            page.push_back({{(kMargin + 140) * pt, kMargin * pt}, 50 * pt, stamp, false, true});
            for (int c = 0; c < 4; ++c)
                page.push_back(
                    {{(kMargin + kColumns[c]) * pt, (kMargin + 10) * pt}, kWidths[c] * pt, headings[c], true, false});
            const qreal footer = (297 - kMargin - kFooter + 2) * pt;
            page.push_back({{(kMargin + 160) * pt, footer}, 12 * pt, QStringLiteral("Pag.:"), false, false});
            page.push_back({{(kMargin + 173) * pt, footer}, 15 * pt, QString::number(pages.size()), false, false});
        }
        const qreal y = (kMargin + kHeader + (row % perPage) * kLine) * pt;
        for (int c = 0; c < 4; ++c) {
            const QString text = report::formatValue(data.valueAt(row, columns[c]), c == 3 ? money : QString());
            pages.back().push_back({{(kMargin + kColumns[c]) * pt, y}, kWidths[c] * pt, text, false, c == 3});
        }
    }
    // The summary below the last row, on a page of its own when the last one is full.
    const int last = (data.rowCount() - 1) % perPage + 1;
    qreal y = (kMargin + kHeader + last * kLine + 2) * pt;
    if ((kMargin + kHeader + last * kLine + 8) > 297 - kMargin - kFooter) {
        pages.emplace_back();
        pages.back().push_back({{kMargin * pt, kMargin * pt}, 90 * pt, QStringLiteral("Nurvalia - NURV"), true, false});
        y = (kMargin + kHeader + 2) * pt;
    }
    pages.back().push_back({{kMargin * pt, y}, 40 * pt, QStringLiteral("Total de registro:"), false, false});
    pages.back().push_back({{(kMargin + 45) * pt, y}, 20 * pt, QString::number(data.rowCount()), false, false});
    return pages;
}

void handPaintedList(const PlacedPages& pages, QPdfWriter& writer) {
    QPainter painter(&writer);
    const qreal dpi = writer.logicalDpiY();
    painter.scale(dpi / 72.0, dpi / 72.0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10 * 72.0 / dpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, &writer), boldMetrics(bold, &writer);
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            writer.newPage();
        for (const Placed& cell : pages[p]) {
            painter.setFont(cell.bold ? bold : font);
            const QFontMetricsF& m = cell.bold ? boldMetrics : metrics;
            const qreal x = cell.at.x() + (cell.right ? cell.width - m.horizontalAdvance(cell.text) : 0);
            painter.drawText(QPointF(x, cell.at.y() + m.ascent()), cell.text);
        }
    }
}

bool listScenario() {
    QTemporaryDir dir;
    const auto data = listRows();
    const auto report = listReport(data);
    report::Document document;
    PlacedPages placed;
    const Pairs layout = pairsOf(
        9, [&] { document = report->layout(); }, [&] { placed = handPlacedList(*data); });
    const Pairs whole = pairsOf(
        5,
        [&] {
            document = report->layout();
            report::writePdf(document, dir.filePath("engine.pdf"));
        },
        [&] {
            placed = handPlacedList(*data);
            QPdfWriter writer(dir.filePath("floor.pdf"));
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(1200);
            handPaintedList(placed, writer);
        });
    std::printf("  rows %d, pages %d (floor %d)\n", kListRows, document.pageCount(), int(placed.size()));
    printTimes(QStringLiteral("layout"), layout, 9);
    printTimes(QStringLiteral("layout and PDF"), whole, 5);
    bool ok = printRatio(QStringLiteral("list10k layout"), layout.ratio, 1.5);
    return printRatio(QStringLiteral("list10k"), whole.ratio, 1.2) && ok;
}

const std::vector<Scenario>& scenarios() {
    static const std::vector<Scenario> all = {
        {"register-open",
         "the procedure-type register over 100,000 rows: Atualizar to its first screen painted, then every row",
         [] { return registerScenario(QStringLiteral("register-open"), false); }},
        {"register-sort", "the same register sorted by a title click",
         [] { return registerScenario(QStringLiteral("register-sort"), true); }},
        {"name-search", "the register's search dialog by the beginning of the name", nameSearchScenario},
        {"owner-search", "the owner consult by the beginning of the name over 200,000 owners", ownerSearchScenario},
        {"owner-common-prefix", "006's owner consult by \"MARIA\", every row counted as the consult counts them",
         ownerCommonPrefixScenario},
        {"owner-contains", "the animal search by a text inside the owners' names, every row counted",
         ownerContainsScenario},
        {"owner-save", "a new owner with address and web account saved with every check", ownerSaveScenario},
        {"agenda-locate", "the agenda's locator by the owner's name over 500,000 attendances", agendaLocateScenario},
        {"agenda-day", "the agenda's Atualizar for a day of a year of 500,000 attendances", agendaDayScenario},
        {"agenda-year", "the agenda's Atualizar for the whole year of 500,000 attendances", agendaYearScenario},
        {"list10k", "10,000-row list with page header, page numbers and summary, laid out and written to PDF",
         listScenario},
        {"advanced-search", "046 search of one species born in five years among 300,000 animals",
         advancedSearchScenario},
        {"dbase-export", "100,000 rows of the 046 result written to dBase, against a plain shapelib loop",
         dbaseExportScenario},
        {"export-all-animals", "046's export of every animal read from the database: its peak memory and time",
         exportAllAnimalsScenario},
        {"rel049-all", "REL049 for every one of 200,000 owners: its peak memory", rel049Scenario},
        {"first-start-upgrade",
         "the login shown by the first start after an update that indexes 200,000 owners, and when its progress showed",
         firstStartUpgradeScenario},
        {"start-beside-a-writer", "the login shown by a start while another workstation holds a write transaction",
         startBesideAWriterScenario},
    };
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<const Scenario*> chosen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0) {
            for (const Scenario& s : scenarios())
                std::printf("%-20s %s\n", s.name, s.description);
            return 0;
        }
        const auto found = std::find_if(scenarios().begin(), scenarios().end(),
                                        [&](const Scenario& s) { return std::strcmp(s.name, argv[i]) == 0; });
        if (found == scenarios().end()) {
            std::fprintf(stderr, "nurv-bench: no scenario named %s (try --list)\n", argv[i]);
            return 2;
        }
        chosen.push_back(&*found);
    }
    if (chosen.empty()) {
        for (const Scenario& s : scenarios())
            chosen.push_back(&s);
    }
    bool ok = true;
    if (chosen.size() == 1) {
        std::printf("%s: %s\n", chosen[0]->name, chosen[0]->description);
        std::fflush(stdout);
        try {
            ok = chosen[0]->run();
        } catch (const std::exception& e) {
            std::printf("%s: failed: %s\n", chosen[0]->name, e.what());
            ok = false;
        }
    } else {
        // Each scenario in a process of its own: what one leaves in the heap must not weigh on the next one's figures.
        std::fflush(stdout);
        for (const Scenario* s : chosen)
            ok = QProcess::execute(QCoreApplication::applicationFilePath(), {QString::fromLatin1(s->name)}) == 0 && ok;
    }
    return ok ? 0 : 1;
}
