// nurv-bench: timings of the registers and the report engine against the floor of the same work done
// without them (Qt's own model and view, the engines' own shells, a hand-written loop).
//   scripts/build && build/bench/nurv-bench                 runs every scenario on SQLite
//   NURV_BENCH_PG="host=/tmp port=5432 user=postgres" build/bench/nurv-bench
//                                                           also on that PostgreSQL server (in a database of its own)
//   build/bench/nurv-bench NAME...                          runs the named scenarios; --list lists them
// Several scenarios run one after the other, each in a process of its own.
// Each scenario ends, on each engine, with the line "<scenario>: ratio <x> (goal <= <y>)".

#include "RegistryBench.h"

#include "common/Prompts.h"
#include "common/SchemaScripts.h"
#include "common/SearchDialog.h"
#include "platform/db/Query.h"
#include "platform/db/Schema.h"
#include "platform/report/Format.h"
#include "platform/report/Output.h"
#include "platform/report/Report.h"
#include "registers/ReferenceForms.h"
#include "registers/ReferenceSearches.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <memory>
#include <vector>

using namespace common;

namespace {

struct Scenario {
    const char* name;
    const char* description;
    std::function<bool()> run;
};

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Best of a few runs, so a stray pause of the machine does not count.
double bestOf(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, millisecondsOf(work));
    return best;
}

// ---- registers over 100,000 rows, on SQLite and (with NURV_BENCH_PG) on PostgreSQL

constexpr int kRegisterRows = 100000;
const QString kSearchPrefix = QStringLiteral("MA");

// Messages a register would show go to the standard error stream: the bench never waits on a dialog.
class PrintedPrompts : public Prompts::Handler {
public:
    void message(Prompts::Kind, const QString&, const QString& text) override
    {
        std::fprintf(stderr, "  message: %s\n", qPrintable(text));
        failed = true;
    }
    bool confirm(const QString&, const QString&) override { return false; }
    QString fileName(Prompts::Kind, const QString&, const QString&, const QString&) override { return {}; }
    void preview(const std::shared_ptr<report::Report>&, bool) override {}
    bool failed = false;
};

// libpq's "key=value" words of NURV_BENCH_PG (host, port, user, password); the bench makes its own database.
db::Settings postgresSettings(const QString& database)
{
    db::Settings s;
    s.engine = db::Engine::PostgreSQL;
    s.host = QStringLiteral("/var/run/postgresql");
    s.user = QStringLiteral("postgres");
    s.database = database;
    for (const QString& word : qEnvironmentVariable("NURV_BENCH_PG").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = word.section(QLatin1Char('='), 0, 0), value = word.section(QLatin1Char('='), 1);
        if (key == QLatin1String("host")) s.host = value;
        else if (key == QLatin1String("port")) s.port = value.toInt();
        else if (key == QLatin1String("user")) s.user = value;
        else if (key == QLatin1String("password")) s.password = value;
    }
    return s;
}

void adminExec(const QString& sql)
{
    const QString name = QStringLiteral("nurv_bench_admin");
    {
        QSqlDatabase admin = db::addPostgres(postgresSettings(QStringLiteral("postgres")), name);
        if (!admin.open() || !QSqlQuery(admin).exec(sql))
            throw db::Error(admin.lastError().text());
        admin.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// A fresh database of the engine with the register's table filled, connected; dropped on destruction.
class BenchDatabase {
public:
    explicit BenchDatabase(db::Engine engine) : engine_(engine)
    {
        if (engine == db::Engine::SQLite) {
            settings_.directory = dir_.path();
        } else {
            settings_ = postgresSettings(QStringLiteral("nurv_bench_%1").arg(QCoreApplication::applicationPid()));
            adminExec(QStringLiteral("drop database if exists %1").arg(settings_.database));
            adminExec(QStringLiteral("create database %1 encoding 'UTF8' template template0").arg(settings_.database));
        }
        db::installSchema(settings_, schemaScripts(false));
        db::connectAll(settings_);
        fill();
    }
    ~BenchDatabase()
    {
        db::disconnectAll();
        if (engine_ == db::Engine::PostgreSQL)
            adminExec(QStringLiteral("drop database if exists %1").arg(settings_.database));
    }
    const char* name() const { return engine_ == db::Engine::SQLite ? "SQLite" : "PostgreSQL"; }

    // The same prefix search as `LIKE 'MA%'` through the engine's own shell, as it reports the time (best of 9).
    double shellSearch() const
    {
        const QString sql = QStringLiteral("select Id_Tipo_Procedimento, upper(Nome) as nome from tipo_procedimento "
                                           "where Nome like '%1%';").arg(kSearchPrefix);
        QProcess shell;
        QString timing;
        if (engine_ == db::Engine::SQLite) {
            shell.start(QStringLiteral("sqlite3"), {db::sqliteFile(settings_, db::kMain)});
            shell.write((QStringLiteral(".timer on\n.output /dev/null\n") + QStringLiteral("%1\n").arg(sql).repeated(9)).toUtf8());
            timing = QStringLiteral("Run Time: real ([0-9.]+)");
        } else {
            shell.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                                 QStringLiteral("host=%1 port=%2 user=%3 dbname=%4")
                                                     .arg(settings_.host).arg(settings_.port)
                                                     .arg(settings_.user, settings_.database)});
            shell.write((QStringLiteral("\\timing on\n") + QStringLiteral("%1\n").arg(sql).repeated(9)).toUtf8());
            timing = QStringLiteral("Time: ([0-9.]+) ms");
        }
        shell.closeWriteChannel();
        shell.waitForFinished(60000);
        const QString out = QString::fromUtf8(shell.readAllStandardOutput() + shell.readAllStandardError());
        double best = 1e300;
        auto found = QRegularExpression(timing).globalMatch(out);
        while (found.hasNext()) {
            const double t = found.next().captured(1).toDouble();
            best = std::min(best, engine_ == db::Engine::SQLite ? t * 1000 : t);
        }
        return best;
    }

private:
    // Names of two varied letters and a number; both audit columns filled.
    void fill()
    {
        constexpr int kBatch = 250;
        QString insert = QStringLiteral("insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Descricao, Ind_Status, "
                                        "Inserido_Por, Inserido_Em, Modificado_Por, Modificado_Em) values ");
        for (int i = 0; i < kBatch; ++i)
            insert += QStringLiteral("%1(:k%2, :n%2, :d%2, 'ATIVO', 1, :i%2, 1, :m%2)").arg(i ? QStringLiteral(", ") : QString()).arg(i);
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const QDateTime start(QDate(2019, 1, 1), QTime(8, 0));
        db::Transaction transaction;
        for (int from = 1; from <= kRegisterRows; from += kBatch) {
            QVariantHash values;
            for (int i = 0; i < kBatch; ++i) {
                const int key = from + i;
                const QString n = QString::number(i);
                values.insert(QStringLiteral("k") + n, key);
                values.insert(QStringLiteral("n") + n, QStringLiteral("%1%2 PROCEDIMENTO %3").arg(letters[(key * 7) % 26], letters[(key * 11 / 26) % 26]).arg(key));
                values.insert(QStringLiteral("d") + n, QStringLiteral("Descrição do procedimento %1").arg(key));
                values.insert(QStringLiteral("i") + n, start.addSecs(qint64(key) * 997));
                values.insert(QStringLiteral("m") + n, start.addSecs(qint64(key) * 1361 + 86400));
            }
            db::run(db::kMain, insert, values);
        }
        transaction.commit();
        db::run(db::kMain, QStringLiteral("analyze tipo_procedimento"), {});
    }

    db::Engine engine_;
    QTemporaryDir dir_;
    db::Settings settings_;
};

// Peak memory of the process: the kernel's high-water mark, reset before each measured step.
qint64 statusKb(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key)) + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

void drawn(QAbstractItemView* view) { view->viewport()->repaint(); }

// The same select through Qt's own model and view, every row fetched, as the floor.
class ModelFloor {
public:
    explicit ModelFloor(QString sql) : sql_(std::move(sql))
    {
        view_.setModel(&model_);
        view_.resize(640, 420);
        view_.show();
    }
    void run()
    {
        model_.setQuery(sql_, db::connection(db::kMain));
        while (model_.canFetchMore())
            model_.fetchMore();
        drawn(&view_);
    }

private:
    QString sql_;
    QSqlQueryModel model_;
    QTableView view_;
};

// Best of a few runs of two pieces of work taken in turns, so that a busy machine weighs on both alike.
std::pair<double, double> bestOfBoth(int runs, const std::function<void()>& ours, const std::function<void()>& floor)
{
    double a = 1e300, b = 1e300;
    for (int i = 0; i < runs; ++i) {
        a = std::min(a, millisecondsOf(ours));
        b = std::min(b, millisecondsOf(floor));
    }
    return {a, b};
}

std::unique_ptr<BenchDatabase> g_database;

void printRatio(const char* scenario, double ratio, double goal, bool& ok)
{
    std::printf("%s: ratio %.2f (goal <= %g)\n", scenario, ratio, goal);
    ok = ok && ratio <= goal;
}

bool onEachEngine(const std::function<bool(BenchDatabase&)>& scenario)
{
    bool ok = true;
    for (db::Engine engine : {db::Engine::SQLite, db::Engine::PostgreSQL}) {
        if (engine == db::Engine::PostgreSQL && qEnvironmentVariableIsEmpty("NURV_BENCH_PG"))
            continue;
        auto database = std::make_unique<BenchDatabase>(engine);
        std::printf("  %s, %d rows\n", database->name(), kRegisterRows);
        ok = scenario(*database) && ok;
    }
    return ok;
}

bool registerOpenScenario()
{
    return onEachEngine([](BenchDatabase&) {
        PrintedPrompts prompts;
        Prompts::setHandler(&prompts);
        TfrmProcedimento form;
        form.show();
        QCoreApplication::processEvents();
        ModelFloor model(QStringLiteral("select * from tipo_procedimento "));
        const auto [ours, floor] = bestOfBoth(5, [&] {
            form.actRefresh->trigger();
            drawn(form.dbgPrincipal);
        }, [&] { model.run(); });
        Prompts::setHandler(nullptr);
        std::printf("    Atualizar to first rows drawn   %9.1f ms  (best of 5, %d rows)\n", ours, form.qryPrincipal->recordCount());
        std::printf("    QSqlQueryModel, every row       %9.1f ms\n", floor);
        bool ok = !prompts.failed;
        printRatio("register-open", ours / floor, 2, ok);
        return ok;
    });
}

bool registerSortScenario()
{
    return onEachEngine([](BenchDatabase&) {
        PrintedPrompts prompts;
        Prompts::setHandler(&prompts);
        TfrmProcedimento form;
        form.show();
        form.qryPrincipal->close();
        malloc_trim(0);
        const qint64 rest = statusKb("VmRSS:");
        resetPeak();
        form.actRefresh->trigger();
        drawn(form.dbgPrincipal);
        const qint64 openPeak = statusKb("VmHWM:") - rest;
        resetPeak();
        form.sortBy(1);
        drawn(form.dbgPrincipal);
        const qint64 sortPeak = statusKb("VmHWM:") - rest;
        ModelFloor model(QStringLiteral("select * from tipo_procedimento order by Nome"));
        const auto [ours, floor] = bestOfBoth(5, [&] {
            form.sortBy(1);
            drawn(form.dbgPrincipal);
        }, [&] { model.run(); });
        Prompts::setHandler(nullptr);
        std::printf("    title click to rows drawn       %9.1f ms  (best of 5)\n", ours);
        std::printf("    QSqlQueryModel with order by    %9.1f ms\n", floor);
        std::printf("    peak memory above the empty register: open %.1f MB, sort %.1f MB (%.2f of the open's, goal <= 1.2)\n",
                    openPeak / 1024.0, sortPeak / 1024.0, double(sortPeak) / double(openPeak));
        bool ok = !prompts.failed && sortPeak <= openPeak * 1.2;
        printRatio("register-sort", ours / floor, 2, ok);
        return ok;
    });
}

bool nameSearchScenario()
{
    return onEachEngine([](BenchDatabase& database) {
        PrintedPrompts prompts;
        Prompts::setHandler(&prompts);
        TfrmProcedimento form;
        form.show();
        TfrmTipoProcedimentoPesquisa search(&form);
        search.show();
        search.cbbSelecao->setCurrentText(kSearchByName);
        search.edtTexto->setText(kSearchPrefix);
        const double ours = bestOf(9, [&] {
            search.pesquisar();
            drawn(search.dbgPrincipal);
        });
        const int found = search.qryPrincipal->recordCount();
        const double shell = database.shellSearch();
        Prompts::setHandler(nullptr);
        std::printf("    search dialog, prefix %s        %9.1f ms  (best of 9, %d rows found)\n", qPrintable(kSearchPrefix), ours, found);
        std::printf("    LIKE '%s%%' in the engine's shell %9.1f ms  (best of 9)\n", qPrintable(kSearchPrefix), shell);
        bool ok = !prompts.failed && found > 0;
        printRatio("name-search", ours / shell, 2, ok);
        return ok;
    });
}

// ---- list of 10,000 rows

constexpr int kListRows = 10000;
constexpr qreal kMargin = 10, kHeader = 17, kLine = 5, kFooter = 10;  // millimetres
const qreal kColumns[4] = {0, 20, 80, 160};
const qreal kWidths[4] = {18, 58, 78, 30};

std::shared_ptr<report::TableData> listRows()
{
    auto data = std::make_shared<report::TableData>(QStringList{"id", "nome", "descricao", "valor"});
    data->reserve(kListRows);
    for (int i = 1; i <= kListRows; ++i)
        data->addRow({i, QStringLiteral("Proprietário %1").arg(i), QStringLiteral("Animal %1, canino, porte médio").arg(i),
                      i * 1.25});
    return data;
}

std::shared_ptr<report::Report> listReport(std::shared_ptr<report::TableData> data)
{
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
    QPointF at;      // points from the page's top-left
    qreal width;     // of the cell, for right alignment
    QString text;
    bool bold;
    bool right;
};
using PlacedPages = std::vector<std::vector<Placed>>;

PlacedPages handPlacedList(const report::TableData& data)
{
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
                page.push_back({{(kMargin + kColumns[c]) * pt, (kMargin + 10) * pt}, kWidths[c] * pt, headings[c], true, false});
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

void handPaintedList(const PlacedPages& pages, QPdfWriter& writer)
{
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

bool listScenario()
{
    QTemporaryDir dir;
    const auto data = listRows();
    const auto report = listReport(data);

    report::Document document;
    PlacedPages placed;
    const auto [layout, placeFloor] = bestOfBoth(9, [&] { document = report->layout(); },
                                                 [&] { placed = handPlacedList(*data); });
    const double pdf = bestOf(3, [&] { report::writePdf(document, dir.filePath("engine.pdf")); });
    const double paintFloor = bestOf(3, [&] {
        QPdfWriter writer(dir.filePath("floor.pdf"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        handPaintedList(placed, writer);
    });

    std::printf("  rows %d, pages %d (floor %d)\n", kListRows, document.pageCount(), int(placed.size()));
    std::printf("  layout                          %9.1f ms  (best of 9)\n", layout);
    std::printf("  PDF writing                     %9.1f ms  (best of 3)\n", pdf);
    std::printf("  floor: format + place           %9.1f ms  (best of 9)\n", placeFloor);
    std::printf("  floor: painting to PDF          %9.1f ms  (best of 3)\n", paintFloor);
    bool ok = true;
    std::printf("list10k: layout ratio %.2f (goal <= 1.5)\n", layout / placeFloor);
    ok = layout / placeFloor <= 1.5;
    printRatio("list10k", (layout + pdf) / (placeFloor + paintFloor), 1.2, ok);
    return ok;
}

const std::vector<Scenario>& scenarios()
{
    static const std::vector<Scenario> all = {
        {"register-open", "the procedure-type register over 100,000 rows: Atualizar to the first rows drawn", registerOpenScenario},
        {"register-sort", "a title click sorting the same register, with its peak memory", registerSortScenario},
        {"name-search", "the register's search dialog by the beginning of the name", nameSearchScenario},
        {"list10k", "10,000-row list with page header, page numbers and summary, laid out and written to PDF", listScenario},
        {"advanced-search", "046 search of one species born in five years among 300,000 animals, against the sqlite3 shell",
         advancedSearchScenario},
        {"dbase-export", "100,000 rows of the 046 result written to dBase, against a plain shapelib loop",
         dbaseExportScenario},
    };
    return all;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<const Scenario*> chosen;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--list") == 0) {
            for (const Scenario& s : scenarios())
                std::printf("%-10s %s\n", s.name, s.description);
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
        ok = chosen[0]->run();
    } else {
        // Each scenario in a process of its own: what one leaves in the heap (a 100,000-row register) must
        // not weigh on the next one's figures.
        std::fflush(stdout);
        for (const Scenario* s : chosen)
            ok = QProcess::execute(QCoreApplication::applicationFilePath(), {QString::fromLatin1(s->name)}) == 0 && ok;
    }
    return ok ? 0 : 1;
}
