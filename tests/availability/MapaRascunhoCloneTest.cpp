// SPDX-License-Identifier: GPL-3.0-or-later
// The provisional map with its transfer, and the clone of a slot over a month.

#include "MapaFixture.h"
#include "UserInput.h"

#include "ReportText.h"
#include "availability/MapaTexts.h"
#include "availability/UMapaDisponibilidadeClone.h"
#include "availability/UMapaDisponibilidadeRascunho.h"
#include "platform/ui/DateEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>

using namespace availability;

namespace {

void typeDraft(TfrmMapaDisponibilidadeRascunho* r, const QString& unit, const QString& date, const QString& hour,
               const QString& general) {
    r->actAppend->trigger();
    r->dblUnidade->setCurrentIndex(r->dblUnidade->findText(unit));
    r->dblProcedimento->setCurrentIndex(0);
    r->dblEspecie->setCurrentIndex(r->dblEspecie->findText("Canina"));
    input::clickAndType(r->mkeData, date);
    r->mkeHora->setText(hour);
    r->edtVagaGeral->setText(general);
    r->edtVagaFemea->setText("0");
    r->actPost->trigger();
}

}  // namespace

TEST_F(MapaTest, ProvisionalSlotsAreCheckedPrintedAndTransferredAllOrNothing) {
    addSlot(1, 1, 1, QDateTime(day, QTime(8, 0)), 5, 0);
    TfrmMapaDisponibilidade* f = openMapa();
    click(f, "BitBtn7");
    TfrmMapaDisponibilidadeRascunho* r = frmMapaDisponibilidadeRascunho;
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->windowTitle(), "Mapa de disponibilidade (Temporário)");

    typeDraft(r, "CENTRO", "10/03/2026", "08:00", "5");
    EXPECT_EQ(prompts.last(), kDuplicadoProducao + kReplanejamento);
    EXPECT_TRUE(r->qryPrincipal->isEditing());
    r->mkeHora->setText("09:00");
    r->edtVagaGeral->setText("100");
    r->actPost->trigger();
    EXPECT_EQ(prompts.last(), kGeralInvalido + kAte99);
    r->edtVagaGeral->setText("99");
    r->actPost->trigger();
    EXPECT_EQ(prompts.last(), kSucesso);
    EXPECT_EQ(r->qryPrincipal->recordCount(), 1);
    typeDraft(r, "CENTRO", "10/03/2026", "09:00", "3");
    EXPECT_EQ(prompts.last(), kDuplicado + kReplanejamento);
    r->actCancel->trigger();
    typeDraft(r, "NORTE", "10/03/2026", "09:00", "3");
    typeDraft(r, "SUL", "11/03/2026", "07:30", "2");
    ASSERT_EQ(r->qryPrincipal->recordCount(), 3);

    // A provisional slot deleted no longer clashes.
    r->qryPrincipal->last();
    prompts.confirmations << true;
    r->actDelete->trigger();
    EXPECT_EQ(r->qryPrincipal->recordCount(), 2);
    typeDraft(r, "SUL", "11/03/2026", "07:30", "2");
    EXPECT_EQ(prompts.last(), kSucesso);

    r->actPrint->trigger();
    ASSERT_EQ(prompts.previews.size(), 1);
    EXPECT_TRUE(prompts.previews[0].modal);
    const QString printed = printedText(*prompts.previews[0].report);
    EXPECT_TRUE(printed.contains("REL51"));
    EXPECT_TRUE(printed.contains("Totais:"));
    EXPECT_TRUE(printed.contains("104")) << "99 + 3 + 2";

    // One provisional slot clashing with a published one stops the whole transfer.
    addSlot(2, 2, 1, QDateTime(day, QTime(9, 0)), 1, 0);
    prompts.confirmations << true;
    r->btnTransferir->click();
    EXPECT_EQ(prompts.last(), kDuplicadoProducao + "\nNORTE, 10/03/2026 09:00");
    EXPECT_EQ(published().size(), 2);
    exec("delete from Mapa_disponibilidade_agenda where Id_Mapa_disponibilidade_agenda = 2");

    prompts.confirmations << true;
    r->btnTransferir->click();
    EXPECT_EQ(prompts.last(), kSucesso);
    EXPECT_EQ(published(), QStringList({"1 1 1 10/03/2026 08:00 5 0 0 0 null", "2 1 1 10/03/2026 09:00 99 0 0 0 null",
                                        "3 2 1 10/03/2026 09:00 3 0 0 0 null", "4 3 1 11/03/2026 07:30 2 0 0 0 null"}));
    EXPECT_EQ(str("select count(*) from Mapa_rascunho where Status_Registro = 'ATIVO'"), "0");
    EXPECT_EQ(str("select Id_mapa_disponibilidade_agenda from Mapa_rascunho where Id_Mapa_rascunho = 4"), "4");
    prompts.confirmations << true;
    r->btnTransferir->click();
    EXPECT_EQ(prompts.last(), kSucesso) << "nothing left to transfer";
    EXPECT_EQ(published().size(), 4);

    // Leaving with a row open asks first.
    r->actAppend->trigger();
    prompts.confirmations << false;
    r->actSair->trigger();
    EXPECT_EQ(prompts.last(), kSairEditando);
    EXPECT_FALSE(frmMapaDisponibilidadeRascunho.isNull());
}

TEST_F(MapaTest, CloneCopiesTheSlotOverMarkedDaysAndUnitsSkippingExistingOnes) {
    const QDate today = db::serverTime().date();
    const QDate first(today.year(), today.month(), 1);
    addSlot(1, 1, 1, QDateTime(first, QTime(8, 0)), 5, 0, 2, 0);
    TfrmMapaDisponibilidade* f = openMapa();
    chooseDay(f, first);
    DeslocamentoMes = 0;
    click(f, "BitBtn5");
    TfrmMapaDisponibilidadeClone* c = frmMapaDisponibilidadeClone;
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->UnidadesClone, QList<int>({1, 2, 3, 4})) << "never the central level";
    EXPECT_EQ(c->lblMes->text(), NomeMes(today.month()) + " de " + QString::number(today.year()));

    // Marks on the 1st (already there for unit 1), the 2nd and the 3rd.
    QList<std::pair<int, int>> cells;
    for (int r = 1; r < 7; ++r)
        for (int col = 0; col < 7; ++col)
            if (QStringList{"1", "2", "3"}.contains(c->strGrade->item(r, col)->text()))
                cells.append({r, col});
    for (auto [r, col] : cells)
        c->toggle(r, col);
    c->generate();
    EXPECT_EQ(prompts.last(), kSucesso + kJaExistiam.arg(1));
    // Inserted by column from Sunday to Saturday, top to bottom, then by unit; used counts copied, no area.
    MonthGrid marked = monthGrid(today.year(), today.month());
    for (auto [r, col] : cells)
        marked[r][col] = toggleMark(marked[r][col], "08:00");
    QStringList expected{published().first()};
    for (int d : markedDays(marked))
        for (int unit : {1, 2, 3, 4})
            if (d != 1 || unit != 1)
                expected << QStringLiteral("%1 %2 1 %3 08:00 5 0 2 0 null")
                                .arg(expected.size() + 1)
                                .arg(unit)
                                .arg(QDate(today.year(), today.month(), d).toString("dd/MM/yyyy"));
    EXPECT_EQ(published(), expected);

    c->shift(-(today.month()));  // back into last year's December
    EXPECT_EQ(c->lblMes->text(), "Dezembro de " + QString::number(today.year() - 1));
    EXPECT_EQ(DeslocamentoMes, -today.month());
    DeslocamentoMes = 0;
}

// Another workstation changes a provisional slot while the transfer runs, after the transfer read it. On
// PostgreSQL the change commits and the whole transfer is refused with nothing published; on SQLite the
// transfer holds the database and the other's write cannot come in. Either way no change is lost.
TEST_F(MapaTest, ATransferNeverPublishesAProvisionalSlotAsItWasBeforeAnotherWorkstationsChange) {
    for (int id : {1, 2})
        exec(
            R"(
                insert into Mapa_rascunho (Id_Mapa_rascunho, Id_unidade_trabalho, Id_tipo_procedimento,
                    Id_Especie, Data_hora_disponibilidade, Qt_vaga_disponivel_geral,
                    Qt_vaga_disp_f_grande_porte, Status_Registro)
                values (:id, :id, 12, 1, :d, 5, 0, 'ATIVO')
            )",
            {{"id", id}, {"d", QDateTime(day, QTime(8, 0))}});
    TfrmMapaDisponibilidade* f = openMapa();
    input::clickButton(f->findChild<QPushButton*>("BitBtn7"));
    TfrmMapaDisponibilidadeRascunho* r = frmMapaDisponibilidadeRascunho;
    ASSERT_NE(r, nullptr);
    bool otherWrote = false, tried = false;
    db::setStatementObserver([&](const QString&, const QString& sql, const QVariantHash&) {
        if (tried || !sql.contains("insert into Mapa_disponibilidade_agenda"))
            return;
        tried = true;
        OtherWorkstation station;
        otherWrote = station.exec("update Mapa_rascunho set Qt_vaga_disponivel_geral = 7 where Id_Mapa_rascunho = 2");
    });
    prompts.confirmations << true;
    input::clickButton(r->btnTransferir);
    db::setStatementObserver({});
    ASSERT_TRUE(tried);
    EXPECT_EQ(otherWrote, testingPostgres());
    if (otherWrote) {
        EXPECT_EQ(prompts.last(), db::kRegistroAlterado);
        EXPECT_EQ(published(), QStringList());
        EXPECT_EQ(str("select count(*) from Mapa_rascunho where Status_Registro = 'ATIVO'"), "2");
    } else {
        EXPECT_EQ(prompts.last(), kSucesso);
        EXPECT_EQ(published(),
                  QStringList({"1 1 1 10/03/2026 08:00 5 0 0 0 null", "2 2 1 10/03/2026 08:00 5 0 0 0 null"}));
    }
    EXPECT_EQ(str("select Qt_vaga_disponivel_geral from Mapa_rascunho where Id_Mapa_rascunho = 2"),
              otherWrote ? "7" : "5");
}
