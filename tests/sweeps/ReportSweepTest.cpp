// SPDX-License-Identifier: GPL-3.0-or-later
// Every report of the program, laid out over rows whose every text is as long as its column holds (names of
// 50 to 100 characters, memos of 250): no text passes its width or the right margin, and no two texts of a
// printed line lie over each other.

#include "ReportGeometry.h"
#include "SweepTest.h"

#include "availability/UMapaDisponibilidadeRascunho.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "common/schema/SchemaScripts.h"
#include "platform/db/Schema.h"
#include "platform/report/Output.h"
#include "registers/ReferenceForm.h"
#include "registers/ReferenceForms.h"
#include "registry/cards/URelCarteirinha_Verdical.h"
#include "registry/events/URelRegistroOcorrencia.h"
#include "registry/owner/URelProprietarioGeral.h"
#include "scheduling/agenda/AgendaReports.h"
#include "scheduling/booking/UAutorizaCirurgia.h"
#include "scheduling/prescriptions/UReceituarioPadraoImp.h"
#include "scheduling/prescriptions/URelReceituario.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <cxxabi.h>

#include <map>
#include <set>

namespace {

constexpr int kOwner = 98765, kFormerOwner = 98766, kAnimal = 87654, kFirstAttendance = 765430;
const QDate kDay{2026, 3, 10};

// A text of n characters of wide capitals and blanks, as a long name reads.
QString longText(int n) {
    static const QString name = QStringLiteral("MARIA CONCEIÇÃO DOS SANTOS WANDERLEY DE ALBUQUERQUE MAGALHÃES ");
    QString text = name.repeated(n / name.size() + 1).left(n);
    if (text.endsWith(QLatin1Char(' ')))
        text.back() = QLatin1Char('W');
    return text;
}

// Columns that steer which rows a report reads or how it prints them, kept as the seed sets them.
const QSet<QString> kSteering{QStringLiteral("proprietario.status_registro"),
                              QStringLiteral("mapa_rascunho.status_registro"), QStringLiteral("form.tipo_form")};

// Every text column of every table of the main database, with the characters it holds (250 for text).
std::map<QString, std::vector<std::pair<QString, int>>> textColumns() {
    std::map<QString, std::vector<std::pair<QString, int>>> tables;
    const QRegularExpression table(QStringLiteral("^create table (\\w+)"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression column(QStringLiteral("^\\s+(\\w+)\\s+(varchar\\((\\d+)\\)|text\\b)"),
                                    QRegularExpression::CaseInsensitiveOption);
    QString current;
    for (const QString& line : schemaScripts(false).first().sql.split(QLatin1Char('\n'))) {
        if (const auto m = table.match(line); m.hasMatch())
            current = m.captured(1).toLower();
        else if (const auto c = column.match(line); c.hasMatch() && !current.isEmpty())
            tables[current].emplace_back(c.captured(1), c.captured(3).isEmpty() ? 250 : c.captured(3).toInt());
    }
    return tables;
}

// The class of a report as the sources name it.
QString classOf(const report::Report& report) {
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(report).name(), nullptr, nullptr, &status);
    const QString text = QString::fromLatin1(name ? name : typeid(report).name());
    std::free(name);
    return text.section(QStringLiteral("::"), -1);
}

// Each report class of the sources with the class it derives from.
std::map<QString, QString> reportClasses() {
    std::map<QString, QString> bases;
    const QRegularExpression derived(QStringLiteral("class\\s+(\\w+)\\s*(?:final\\s*)?:\\s*public\\s+([\\w:]+)"));
    const QRegularExpression reference(QStringLiteral("^NURV_REFERENCE_REPORT\\((\\w+),"),
                                       QRegularExpression::MultilineOption);
    std::map<QString, QString> all;
    for (QDirIterator it(QStringLiteral(NURV_SOURCE_DIR), {QStringLiteral("*.h")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (const auto m = derived.match(line); m.hasMatch() && !line.trimmed().endsWith(QLatin1Char('\\')))
                all[m.captured(1)] = m.captured(2);
        }
        for (auto m = reference.globalMatch(text); m.hasNext();)
            all[m.next().captured(1)] = QStringLiteral("ReferenceReport");
    }
    const auto isReport = [&all](QString name) {
        for (int depth = 0; depth < 8 && all.count(name); ++depth) {
            name = all.at(name);
            if (name == QLatin1String("report::Report"))
                return true;
        }
        return false;
    };
    for (const auto& [name, base] : all) {
        if (isReport(name))
            bases[name] = base;
    }
    return bases;
}

class ReportSweepTest : public SweepTest {
protected:
    void SetUp() override {
        SweepTest::SetUp();
        seed();
    }

    void seed() {
        db::Transaction rows;  // one commit: quicker on SQLite
        exec("insert into unidade_trabalho (Id_Unidade_Trabalho) values (1), (2)");
        exec("insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil) values (1, 1, 1000), (2, 2, 1000)");
        exec("insert into perfil (Id_Perfil) values (1000)");
        exec("insert into form (Id_Form, Tipo_Form) values (1, 'F'), (2, 'R')");
        exec("insert into perfil_form (Id_Perfil, Id_Form) values (1000, 1), (1000, 2)");
        exec("insert into endereco (Id_Endereco, NUM_IMOV_LOGR) values (1, 99999)");
        exec(
            R"(
                insert into proprietario (Id_Proprietario, Id_Endereco, id_Unidade_Trabalho, Status_Registro)
                values (:a, 1, 1, 'ATIVO'), (:b, 1, 2, 'ATIVO')
            )",
            {{"a", kOwner}, {"b", kFormerOwner}});
        exec("insert into especie (Id_Especie) values (1)");
        exec("insert into pelo (Id_pelo) values (1)");
        exec("insert into porte (Id_porte) values (1)");
        exec("insert into raca (Id_Raca, Id_Especie, Id_Porte, Id_Pelo) values (1, 1, 1, 1)");
        exec("insert into grupo_animal (Id_Grupo_Animal) values (1)");
        exec(
            R"(
                insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Raca, Id_Pelo, Id_Porte,
                    Id_Grupo_Animal, Data_Nascimento, Inserido_Em)
                values (:id, :owner, 1, 1, 1, 1, 1, :born, :in), (:id2, :owner, 1, 1, 1, 1, 1, :born, :in)
            )",
            {{"id", kAnimal},
             {"id2", kAnimal + 1},
             {"owner", kOwner},
             {"born", QDateTime(QDate(2019, 12, 28), QTime())},
             {"in", QDateTime(kDay, QTime(23, 58, 59))}});
        exec(
            R"(
                insert into histo_muda_proprietario (Id_Histo_Muda_Proprietario, Id_Animal,
                    Id_Anterior_Proprietario, Id_Proprietario, Dt_Muda_Proprietario)
                values (1, :animal, :former, :owner, :at)
            )",
            {{"animal", kAnimal}, {"former", kFormerOwner}, {"owner", kOwner}, {"at", QDateTime(kDay, QTime(9, 0))}});
        exec("insert into tipo_ocorrencia (Id_Tipo_Ocorrencia) values (1)");
        exec(
            R"(
                insert into ocorrencia (Id_Ocorrencia, Id_Animal, Id_Tipo_Ocorrencia, Dt_Ocorrencia)
                values (1, :a, 1, :at)
            )",
            {{"a", kAnimal}, {"at", QDateTime(kDay, QTime(10, 0))}});
        exec("insert into atendimento_status (Id_Atendimento_Status) values (1)");
        exec("insert into profissional (Id_Profissional, Id_Unidade_Trabalho) values (1, 1)");
        exec("insert into tipo_procedimento (Id_Tipo_Procedimento) values (1)");
        // Enough attendances over two days to fill more than a page of the agenda's lists.
        for (int i = 0; i < 45; ++i) {
            const int id = kFirstAttendance + i;
            const QVariantHash p{{"id", id},
                                 {"owner", kOwner},
                                 {"animal", kAnimal},
                                 {"at", QDateTime(kDay.addDays(i % 2), QTime(8 + i / 4, (i % 4) * 15))}};
            exec(
                R"(
                    insert into atendimento (Id_Atendimento, Id_Proprietario, Id_Animal, Id_Unidade_Trabalho,
                        Id_Unidade_Agendada, Data_Hora_Atendimento, Id_Atendimento_Status, Inserido_Por)
                    values (:id, :owner, :animal, 1, 1, :at, 1, 1)
                )",
                p);
            exec("insert into atendimento_profissional (Id_Profissional, Id_Atendimento) values (1, :id)", p);
            exec(
                "insert into procedimento (Id_Procedimento, Id_Tipo_Procedimento, Id_Atendimento) values (:id, 1, :id)",
                p);
        }
        exec("insert into unidade_medida (Id_Unidade_Medida) values (1)");
        exec("insert into medicamento (Id_Medicamento, Id_Unidade_Medida) values (1, 1)");
        exec("insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso) values (1, 12345.5)");
        exec("insert into receituario_padrao (Id_Receituario_padrao) values (1)");
        exec(
            R"(
                insert into mapa_rascunho (Id_Mapa_rascunho, Id_unidade_trabalho, Id_tipo_procedimento,
                    Id_Especie, Data_hora_disponibilidade, Qt_vaga_disponivel_geral,
                    Qt_vaga_disp_f_grande_porte, Status_Registro)
                values (1, 1, 1, 1, :at, 99999, 99999, 'ATIVO')
            )",
            {{"at", QDateTime(kDay, QTime(7, 30))}});
        // Then every text of every row as long as its column holds.
        for (const auto& [table, columns] : textColumns()) {
            QStringList sets;
            QVariantHash values;
            for (const auto& [name, length] : columns) {
                if (kSteering.contains(table + QLatin1Char('.') + name.toLower()))
                    continue;
                sets << name + QStringLiteral(" = :") + name.toLower();
                // Phones keep their digits, which the reports look for.
                values.insert(name.toLower(), name.startsWith(QLatin1String("telefone"), Qt::CaseInsensitive)
                                                  ? QStringLiteral("(31) 99876-5432").left(length)
                                                  : longText(length));
            }
            if (!sets.isEmpty())
                exec(QStringLiteral("update %1 set %2").arg(table, sets.join(QStringLiteral(", "))), values);
        }
        rows.commit();
    }
};

}  // namespace

TEST_F(ReportSweepTest, EveryReportKeepsLongValuesWithinTheirColumnsAndMargins) {
    // The reports of the menu.
    for (const char* action :
         {"actRelUnidadeTrabalho", "actRelPerfil", "actRelUsuario", "actRelProfissional", "actRelAgendaAnual",
          "actRelAnimaisTransferedos", "actRelProprietarioAnimal", "actRelAnimaisCadastradosCompleto"}) {
        const FormOpener open = openerFor(QString::fromLatin1(action));
        ASSERT_TRUE(open) << action;
        open();
    }
    // Every reference register prints its list, some from the menu as well.
    for (const ReferenceTable* table : referenceTables()) {
        if (table->report)
            Prompts::preview(table->report(), true);
    }
    // What the report selections start once they have set the parameters.
    DataInicialRel = QDateTime(kDay.addDays(-9), QTime());
    DataFinalRel = QDateTime(kDay.addDays(21), QTime());
    UnidadeRel = 0;
    for (const int tag : {38, 39, 50}) {
        const FormOpener start = reportStarterFor(tag);
        ASSERT_TRUE(start) << tag;
        start();
    }
    AnoRel = QStringLiteral("2026");
    MesRel = QStringLiteral("03");
    UnidadeRelMensal = QStringLiteral("0");
    Prompts::preview(TfrmRelAgendaRelatorioMensal::create(), true);
    DataInicialProf = DataInicialRel;
    DataFinalProf = DataFinalRel;
    ProfissionalRel = QStringLiteral("0");
    Prompts::preview(std::make_shared<TfrmRelAgendaProfissional>(), false);
    // What the forms print for the row they show.
    const QVariant attendance = kFirstAttendance;
    Prompts::preview(std::make_shared<TfrmRelProprietarioGeral>(kOwner), true);
    Prompts::preview(std::make_shared<TfrmRelRegistroOcorrencia>(kAnimal, kOwner), false);
    Prompts::preview(std::make_shared<TfrmRelCarteirinha>(kAnimal), false);
    Prompts::preview(std::make_shared<TfrmRelCarteirinha_Verdical>(kAnimal), false);
    Prompts::preview(std::make_shared<TfrmAutorizaCirurgia>(kOwner, kAnimal, attendance), false);
    Prompts::preview(std::make_shared<TfrmreceituarioPadraoImp>(), true);
    Prompts::preview(std::make_shared<TrelMapaDisponibilidadeRascunho>(), true);
    ReceituarioSheet sheet;
    sheet.ownerId = kOwner;
    sheet.ownerName = longText(50);
    sheet.animalId = kAnimal;
    sheet.animalName = longText(100);
    sheet.attendanceId = attendance;
    sheet.attendanceAt = QDateTime(kDay, QTime(8, 0));
    sheet.unitName = longText(100);
    sheet.text = longText(250);
    Prompts::preview(std::make_shared<TfrmRelReceituario>(sheet), false);

    std::set<QString> printed;
    for (const RecordedPreview& preview : prompts.previews) {
        ASSERT_TRUE(preview.report);
        const report::Report& report = *preview.report;
        const report::Document document = report.layout();
        const QString name = classOf(report) + QStringLiteral(" \"") + report.title() + QLatin1Char('"');
        printed.insert(classOf(report));
        ASSERT_GT(document.pageCount(), 0) << name.toStdString();
        // The long values reached the page (the consolidated report draws charts only).
        if (classOf(report) != QLatin1String("TfrmAnimaisCadastradoConsolidado")) {
            EXPECT_TRUE(report::exportText(document, report::Format::Text).contains(QStringLiteral("MARIA CONC")))
                << name.toStdString();
        }
        const QStringList faults = widthFaults(report, document);
        EXPECT_TRUE(faults.isEmpty()) << name.toStdString() << ":\n" << faults.mid(0, 12).join('\n').toStdString();
    }

    // Every report class of the sources was laid out here (or a class derived from it).
    // The scan of the sources finds every report laid out above, so it reads the headers they are declared in.
    const std::map<QString, QString> classes = reportClasses();
    for (const QString& c : printed)
        EXPECT_TRUE(classes.count(c)) << c.toStdString() << " was laid out but not found in the sources";
    for (const auto& [name, base] : classes) {
        bool covered = false;
        for (QString c : printed) {
            for (int depth = 0; depth < 8 && !covered; ++depth) {
                covered = c == name;
                if (!classes.count(c))
                    break;
                c = classes.at(c);
            }
        }
        EXPECT_TRUE(covered) << "no report of class " << name.toStdString() << " was laid out";
    }
}
