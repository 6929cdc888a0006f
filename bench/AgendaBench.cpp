// SPDX-License-Identifier: GPL-3.0-or-later
// The agenda's Atualizar over 500,000 attendances of a year, against the list a developer would show with its
// count.
#include "AgendaBench.h"

#include "BenchMethod.h"
#include "BenchSetup.h"
#include "RealisticData.h"

#include "platform/db/Query.h"
#include "scheduling/agenda/UAgenda.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>

namespace {

// Atualizar on a Wednesday of the attendances' year, its list filtered by the day or the year, with every unit
// and status; the floor is the same list in Qt's own model and view, its first screen painted, and its rows
// counted by a statement of its own: what the grid and the status bar's count need.
bool agendaScenario(const QString& name, bool wholeYear) {
    return onEachEngine(benchdata::fillRegistry, [&](const BenchDatabase&) {
        PrintedPrompts prompts;
        TfrmAgenda form;
        form.resize(980, 680);
        form.show();
        const QDate day(benchdata::kAttendanceYear, 6, 12);
        form.setDay(day);
        (wholeYear ? form.tbsPrincipal->rdbAno : form.tbsPrincipal->rdbDia)->setChecked(true);
        QCoreApplication::processEvents();

        const QVariantHash period{
            {QStringLiteral("inicio"), (wholeYear ? QDate(day.year(), 1, 1) : day).startOfDay()},
            {QStringLiteral("fim"), (wholeYear ? QDate(day.year() + 1, 1, 1) : day.addDays(1)).startOfDay()}};
        const QString where = QStringLiteral(
            R"(
                where b.status_registro = 'ATIVO'
                  and a.data_hora_atendimento >= :inicio
                  and a.data_hora_atendimento < :fim
            )");
        const QString list = QStringLiteral(
                                 R"(
                                     select b.nome as nome_proprietario, c.nome as nome_animal,
                                         d.nome nome_unidade_trabalho, e.nome nome_unidade_agendada,
                                         f.nome nome_atendimento_status, a.*, g.descricao as porte,
                                         h.nome as especie, c.sexo
                                     from atendimento a
                                     left join proprietario b on (a.id_proprietario = b.id_proprietario)
                                     left join animal c on (a.id_animal = c.id_animal)
                                     left join unidade_trabalho d on (a.id_unidade_trabalho = d.id_unidade_trabalho)
                                     left join unidade_trabalho e on (a.id_unidade_agendada = e.id_unidade_trabalho)
                                     left join atendimento_status f
                                         on (a.id_atendimento_status = f.id_atendimento_status)
                                     left join porte g on (c.id_porte = g.id_porte)
                                     left join especie h on (c.id_especie = h.id_especie)
                                 )") +
                             where;
        const QString counted = QStringLiteral(
                                    R"(
                                        select count(*)
                                        from atendimento a
                                        left join proprietario b on (a.id_proprietario = b.id_proprietario)
                                    )") +
                                where;
        ModelFloor floor;
        int floorCount = 0;
        auto plain = [&] {
            QSqlQuery count(db::connection(db::kMain));
            count.prepare(counted);
            for (auto it = period.begin(); it != period.end(); ++it)
                count.bindValue(':' + it.key(), db::storedDateTime(it.value().toDateTime()));
            count.exec();
            count.next();
            floorCount = count.value(0).toInt();
            floor.run(list, period, false);
        };
        const Pairs p = pairsOf(
            kPairs,
            [&] {
                form.tbsPrincipal->BitBtn3->click();
                drawn(form.tbsPrincipal->dbgPrincipal);
            },
            plain);
        printTimes(QStringLiteral("Atualizar, %1 attendances listed of %2 in the week (floor %3)")
                       .arg(form.dayCount())
                       .arg(form.weekCount())
                       .arg(floorCount),
                   p, kPairs);
        return printRatio(name, p.ratio, 1.5) && !prompts.failed && form.dayCount() == floorCount && floorCount > 0;
    });
}

}  // namespace

bool agendaDayScenario() { return agendaScenario(QStringLiteral("agenda-day"), false); }
bool agendaYearScenario() { return agendaScenario(QStringLiteral("agenda-year"), true); }
