// SPDX-License-Identifier: GPL-3.0-or-later
// The map editor driven through its buttons: publishing, changing and deleting slots as the web system
// then reads them.

#include "MapaFixture.h"
#include "UserInput.h"

#include "availability/MapaSql.h"
#include "availability/MapaTexts.h"
#include "availability/UVagasAreaAbrangencia.h"

#include <QFile>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace availability;

TEST_F(MapaTest, MenuAction48OpensTheMapAndASlotIsPublishedAsTheWebSystemReadsIt) {
    TfrmMapaDisponibilidade* f = openMapa();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "48 - Mapa disponibilidade");
    EXPECT_FALSE(f->pgcPrincipal->isTabEnabled(1));
    EXPECT_EQ(f->pgcPrincipal->tabText(2), "Agendamento especial");

    chooseDay(f, day);
    typeSlot(f, "NORTE", "CANINA", "00:00", "5", "0");
    EXPECT_EQ(f->mainPage->EstadoMapa, MapState::New);
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.texts(), QStringList({kSucesso}));
    EXPECT_EQ(published(), QStringList({"1 2 1 10/03/2026 00:00 5 0 0 0 null"}));
    EXPECT_EQ(f->mainPage->EstadoMapa, MapState::Empty);
    EXPECT_EQ(f->mainPage->dbgResume->model()->index(0, 2).data().toString(), "10/03/2026 00:00:00");
    EXPECT_EQ(f->mainPage->dbgResume->model()->index(0, 0).data().toString(), "NORTE");
    EXPECT_EQ(f->stbPrincipal->currentMessage(), " Total de registro: 1");
    const QVariant who = scalar("select Inserido_por from Mapa_disponibilidade_agenda");
    EXPECT_EQ(db::toInt(who), 1);

    // The same unit, species, procedure and hour again is refused; another hour is not.
    prompts.clear();
    typeSlot(f, "NORTE", "CANINA", "00:00", "3", "0");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kDuplicado + kReplanejamento);
    EXPECT_EQ(f->mainPage->EstadoMapa, MapState::New) << "the editor stays open";
    f->mainPage->mkeHora->setText("09:30");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kSucesso);
    EXPECT_EQ(published().size(), 2);

    // A refusal of the rules leaves the editor as typed; the dog clash resets and locks the female field.
    prompts.clear();
    typeSlot(f, "SUL", "CANINA", "10:00", "5", "3");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.texts(), QStringList({kCaninaSeparada}));
    EXPECT_EQ(f->mainPage->mkeVagaFemea->text(), "0");
    EXPECT_TRUE(f->mainPage->mkeVagaFemea->isReadOnly());
    f->mainPage->mkeHora->setText("24:00");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kHoraInvalida.arg("24:00")) << "24:00 is never turned into midnight";
    EXPECT_EQ(published().size(), 2);
}

TEST_F(MapaTest, CalendarClicksReloadOnlyWhileBrowsingAndCancelClosesTheEditor) {
    addSlot(1, 1, 1, QDateTime(day, QTime(8, 0)), 5, 0);
    addSlot(2, 1, 1, QDateTime(day.addDays(1), QTime(8, 0)), 5, 0);
    TfrmMapaDisponibilidade* f = openMapa();
    chooseDay(f, day);
    EXPECT_EQ(f->mainPage->qryMapa->recordCount(), 1);
    EXPECT_EQ(f->mainPage->mkeHora->text(), "08:00");
    EXPECT_TRUE(f->mainPage->mkeHora->isReadOnly());

    click(f, "bmpNovaVaga");
    chooseDay(f, day.addDays(1));
    EXPECT_EQ(f->mainPage->qryMapa->field("Id_Mapa_disponibilidade_agenda").toInt(), 1) << "no reload while typing";
    EXPECT_EQ(f->mainPage->calData->selectedDate(), day.addDays(1)) << "the new slot's day moves";
    click(f, "bmpCancelar");
    EXPECT_EQ(f->mainPage->EstadoMapa, MapState::Cancelled);
    EXPECT_EQ(f->mainPage->qryMapa->field("Id_Mapa_disponibilidade_agenda").toInt(), 2);

    click(f, "bmpAlterar");
    EXPECT_EQ(f->mainPage->EstadoMapa, MapState::Changing);
    chooseDay(f, day);
    EXPECT_EQ(f->mainPage->qryMapa->field("Id_Mapa_disponibilidade_agenda").toInt(), 2);
    click(f, "bmpAreas");
    EXPECT_EQ(prompts.last(), kAreasEmAlteracao);
    chooseDay(f, QDate(2026, 1, 1));
    click(f, "bmpCancelar");
    EXPECT_EQ(f->stbPrincipal->currentMessage(), kNenhumRegistro);
}

TEST_F(MapaTest, AreasChosenInTheDialogGiveOneSlotPerAreaAllOrNothing) {
    addArea(101, "VILA A", 1);
    addArea(102, "VILA B", 2);
    addArea(103, "VILA C", 2);
    TfrmMapaDisponibilidade* f = openMapa();
    chooseDay(f, day);
    typeSlot(f, "CENTRO", "CANINA", "08:00", "4", "0");
    click(f, "bmpAreas");
    TfrmVagasAreaAbrangencia* d = frmVagasAreaAbrangencia;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    d->cbbPrincpal->setCurrentIndex(0);  // every district
    ASSERT_EQ(d->cklPrincipal->count(), 3);
    EXPECT_EQ(d->cklPrincipal->item(1)->text(), "Distrito 2 - 0102 - VILA B");
    d->chkSelecionarTodos->click();
    d->finish();
    EXPECT_EQ(f->mainPage->AreasSelecionadas, QList<int>({0, 101, 102, 103}));
    EXPECT_EQ(f->mainPage->lblResumo->text(), "Resumo: [0101] [0102] [0103]");
    EXPECT_EQ(f->mainPage->bmpAreas->text(), kAreasSelecionadas);

    // A failure on the second area's insert leaves no row at all.
    const QString stop =
        testingPostgres()
            ? "create or replace function recusa_area() returns trigger language plpgsql as $$ begin"
              " if new.COD_AREA_ABRN = 102 then raise exception 'recusada'; end if; return new; end $$"
            : "create trigger recusa_area before insert on mapa_disponibilidade_agenda when new.COD_AREA_ABRN = 102"
              " begin select raise(abort, 'recusada'); end";
    QSqlQuery ddl(db::connection());
    ASSERT_TRUE(ddl.exec(stop)) << ddl.lastError().text().toStdString();
    if (testingPostgres()) {
        ASSERT_TRUE(
            ddl.exec("create trigger recusa_area before insert on mapa_disponibilidade_agenda"
                     " for each row execute function recusa_area()"));
    }
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kErroGravar);
    EXPECT_TRUE(published().isEmpty());
    EXPECT_EQ(f->mainPage->AreasSelecionadas, QList<int>({0}));
    EXPECT_EQ(f->mainPage->bmpAreas->text(), kAssociarAreas);

    ASSERT_TRUE(
        ddl.exec("drop trigger recusa_area" + QString(testingPostgres() ? " on mapa_disponibilidade_agenda" : "")));
    typeSlot(f, "CENTRO", "CANINA", "08:00", "4", "0");
    f->mainPage->AreasSelecionadas = {0, 101, 0, 103};
    click(f, "bmpGravar");
    EXPECT_EQ(published(), QStringList({"1 1 1 10/03/2026 08:00 4 0 0 0 101", "2 1 1 10/03/2026 08:00 4 0 0 0 103"}));
    EXPECT_EQ(f->mainPage->EstadoMapa, MapState::Empty);
}

TEST_F(MapaTest, DistrictNamesComeFromTheSettingsFileInQuotesOrByCommas) {
    QTemporaryDir dir;
    const QString conf = dir.filePath("nurv.conf");
    const auto names = [&](const QByteArray& line) {
        QFile file(conf);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[mapa]\n" + line + "\n");
        file.close();
        qputenv("NURV_CONFIG", conf.toUtf8());
        const QStringList read = districtNames();
        qunsetenv("NURV_CONFIG");
        return read;
    };
    const QStringList nine{"Centro", "Norte", "Sul", "Leste", "Oeste", "Nordeste", "Noroeste", "Sudeste", "Sudoeste"};
    EXPECT_EQ(names("distritos=\"Centro;Norte;Sul;Leste;Oeste;Nordeste;Noroeste;Sudeste;Sudoeste\""), nine);
    EXPECT_EQ(names("distritos=Centro, Norte, Sul, Leste, Oeste, Nordeste, Noroeste, Sudeste, Sudoeste"), nine);
    EXPECT_EQ(names("distritos=Centro;Norte").first(), "Distrito 1");  // not nine: the defaults
}

TEST_F(MapaTest, UsedSlotsKeepTheirPlaceAndCannotShrinkBelowTheirUseNorBeDeleted) {
    addSlot(1, 1, 1, QDateTime(day, QTime(8, 0)), 5, 0, 4, 0);
    addSlot(2, 1, 1, QDateTime(day, QTime(9, 0)), 5, 0);
    TfrmMapaDisponibilidade* f = openMapa();
    chooseDay(f, day);
    click(f, "bmpAlterar");
    EXPECT_TRUE(f->mainPage->mkeHora->isReadOnly()) << "a booked slot keeps its hour";
    EXPECT_FALSE(f->mainPage->dblEspecie->isEnabled()) << "and its species";
    f->mainPage->mkeVagaGeral->setText("3");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kUsadaGeral);
    pick(f->mainPage->dblUnidade_trabalho, "SUL");
    f->mainPage->mkeVagaGeral->setText("4");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kUsadaNaoMove);
    pick(f->mainPage->dblUnidade_trabalho, "CENTRO");
    prompts.confirmations << true;
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kSucesso);
    EXPECT_EQ(published()[0], "1 1 1 10/03/2026 08:00 4 0 4 0 null");

    prompts.confirmations << true;
    click(f, "bmpExcluir");
    EXPECT_EQ(prompts.last(), kUsadoNaoExclui);
    EXPECT_EQ(published().size(), 2);

    // The web system books slot 2 between "Alterar" and "Gravar": the open hour can no longer move.
    f->mainPage->qryMapa->moveTo(1);
    click(f, "bmpAlterar");
    EXPECT_FALSE(f->mainPage->mkeHora->isReadOnly());
    exec("update Mapa_disponibilidade_agenda set Qt_vaga_usada_geral = 2 where Id_Mapa_disponibilidade_agenda = 2");
    f->mainPage->mkeVagaGeral->setText("1");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kUsadaGeral);
    f->mainPage->mkeVagaGeral->setText("5");
    f->mainPage->mkeHora->setText("10:00");
    click(f, "bmpGravar");
    EXPECT_EQ(prompts.last(), kUsadaNaoMove);
    click(f, "bmpCancelar");

    // The statements themselves refuse too, for a booking that lands after the checks.
    mapasql::Slot v = mapasql::readSlot(2).slot;
    const db::RowValues read = db::rowValues(
        db::run(db::kMain, "select * from Mapa_disponibilidade_agenda where Id_Mapa_disponibilidade_agenda = 2", {}),
        0);
    v.general = 1;
    EXPECT_THROW(mapasql::updateSlot(2, v, read), db::Error);
    v.general = 5;
    v.dateTime = v.dateTime.addSecs(3600);
    EXPECT_THROW(mapasql::updateSlot(2, v, read), db::Error) << "a booked slot does not move";
    EXPECT_THROW(mapasql::deleteSlot(2, read), db::Error);
    EXPECT_EQ(published()[1], "2 1 1 10/03/2026 09:00 5 0 2 0 null");
    exec("update Mapa_disponibilidade_agenda set Qt_vaga_usada_geral = 0 where Id_Mapa_disponibilidade_agenda = 2");
    EXPECT_NO_THROW(mapasql::deleteSlot(2, read)) << "the web system's counts are not the editor's";
}

TEST_F(MapaTest, TheMonthSummaryReadsTheServersMonth) {
    const QDate today = db::serverTime().date();
    addSlot(1, 2, 1, QDateTime(QDate(today.year(), today.month(), 3), QTime(8, 0)), 5, 0, 1, 0);
    addSlot(2, 1, 1, QDateTime(QDate(today.year(), today.month(), 3), QTime(8, 0)), 2, 0);
    addSlot(3, 1, 1, QDateTime(QDate(today.year(), today.month(), 1).addMonths(1), QTime(8, 0)), 9, 0);
    const QList<SummaryLine> rows = mapasql::summaryLines(QDate(today.year(), today.month(), 1));
    ASSERT_EQ(rows.size(), 2) << "next month's slot is not read";
    EXPECT_EQ(rows[0].unit, "CENTRO");
    EXPECT_EQ(rows[1].usedGeneral, 1);
    EXPECT_TRUE(rows[0].area.isNull());
}

// Another workstation changes or deletes the slot being changed, between "Alterar" and "Gravar", or the slot
// being deleted, even within the same second: the save or the delete is refused and the other's slot stays.
// The web system's bookings are not such a change: they are weighed by the used counts alone.
TEST_F(MapaTest, ASlotChangedMeanwhileByAnotherWorkstationIsNeverOverwritten) {
    TfrmMapaDisponibilidade* f = openMapa();
    MapaPrincipalPage* page = f->mainPage;
    const auto button = [f](const char* name) { return f->findChild<QPushButton*>(name); };
    const auto other = [](const QString& sql) {
        OtherWorkstation station;
        QString error;
        ASSERT_TRUE(station.exec(sql, {}, &error)) << error.toStdString();
    };
    struct Case {
        const char* what;
        QString change;
        bool saved;
        QString stored;  // the slot after the save, as the web system reads it
    };
    const QList<Case> cases{
        {"the quantity", "update Mapa_disponibilidade_agenda set Qt_vaga_disponivel_geral = 7", false,
         "1 1 1 10/03/2026 08:00 7 0 0 0 null"},
        {"the species", "update Mapa_disponibilidade_agenda set Id_Especie = 2", false,
         "1 1 2 10/03/2026 08:00 5 0 0 0 null"},
        {"deleted", "delete from Mapa_disponibilidade_agenda", false, {}},
        {"a booking of the web system", "update Mapa_disponibilidade_agenda set Qt_vaga_usada_geral = 1", true,
         "1 1 1 10/03/2026 08:00 6 0 1 0 null"},
    };
    for (const Case& c : cases) {
        exec("delete from Mapa_disponibilidade_agenda");
        addSlot(1, 1, 1, QDateTime(day, QTime(8, 0)), 5, 0);
        chooseDay(f, day);
        input::clickButton(button("bmpAlterar"));
        input::click(page->mkeVagaGeral);
        input::pressKey(page->mkeVagaGeral, Qt::Key_A, Qt::ControlModifier);
        input::type(page->mkeVagaGeral, "6");
        other(c.change);
        prompts.clear();
        prompts.confirmations << true;
        input::clickButton(button("bmpGravar"));
        EXPECT_EQ(prompts.last(), c.saved ? kSucesso : db::kRegistroAlterado) << c.what;
        EXPECT_EQ(published(), c.stored.isEmpty() ? QStringList() : QStringList{c.stored}) << c.what;
        if (!c.saved) {
            EXPECT_EQ(page->EstadoMapa, MapState::Changing) << c.what;
            input::clickButton(button("bmpCancelar"));
        }
    }

    for (const Case& c : cases.mid(0, 3)) {
        exec("delete from Mapa_disponibilidade_agenda");
        addSlot(1, 1, 1, QDateTime(day, QTime(8, 0)), 5, 0);
        chooseDay(f, day);
        other(c.change);
        prompts.clear();
        prompts.confirmations << true;
        input::clickButton(button("bmpExcluir"));
        EXPECT_EQ(prompts.last(), db::kRegistroAlterado) << c.what;
        EXPECT_EQ(published(), c.stored.isEmpty() ? QStringList() : QStringList{c.stored}) << c.what;
    }
}
