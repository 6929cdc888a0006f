// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sweeps over the program's forms start from: the administrator logged in, every subsystem's menu
// openers registered as the application registers them at its start, and the rows the forms' lists show.

#include "TestDatabase.h"

#include "availability/AvailabilityForms.h"
#include "common/FormWindows.h"
#include "exports/ExportsForms.h"
#include "registers/RegistersForms.h"
#include "registry/RegistryForms.h"
#include "scheduling/SchedulingForms.h"
#include "shell/ShellForms.h"

#include <QApplication>
#include <QDateTime>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QSet>

#include <functional>

// Every subsystem's menu openers and report starters, so that a sweep opens each form as its menu item does.
inline void registerEveryOpener() {
    registerShellForms();
    registerRegistersForms();
    registerRegistryForms();
    registerSchedulingForms();
    registerAvailabilityForms();
    registerExportsForms();
}

namespace sweep {

// Besides the unit the session logs into: reference rows enough for every list to offer a choice.
const char* const kRows[] = {
    "insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status) values (2, 'UNIDADE NORTE', 'ATIVO')",
    R"(
        insert into perfil (Id_Perfil, Nome, Ind_Status)
        values (1000, 'ADMINISTRADOR', 'ATIVO'), (10, 'ATENDENTE', 'ATIVO')
    )",
    R"(
        insert into form (Id_Form, Nome, Descricao, Tipo_Form, Tag, Ind_Status)
        values (1, 'TfrmUnidade', '001 - Unidade de trabalho', 'F', 1, 'ATIVO'),
            (125, 'TfrmRelUnidade', '025 - Unidade de trabalho', 'R', 25, 'ATIVO')
    )",
    "insert into distrito (Id_Distrito, Nome, Ind_Status) values (1, 'DS1', 'ATIVO'), (2, 'DS2', 'ATIVO')",
    R"(
        insert into grupo_animal (Id_Grupo_Animal, Nome, Ind_Status)
        values (1, 'DOMICILIADO', 'ATIVO'), (2, 'ERRANTE', 'ATIVO')
    )",
    "insert into especie (Id_Especie, Nome, Ind_Status) values (1, 'CANINA', 'ATIVO'), (2, 'FELINA', 'ATIVO')",
    "insert into porte (Id_porte, Descricao, Ind_Status) values (1, 'PEQUENO', 'ATIVO'), (2, 'GRANDE', 'ATIVO')",
    "insert into pelo (Id_pelo, Descricao, Ind_Status) values (1, 'CURTO', 'ATIVO'), (2, 'LONGO', 'ATIVO')",
    R"(
        insert into raca (Id_Raca, Nome, Id_Especie, Id_Porte, Id_Pelo, Ind_Status)
        values (1, 'SEM RAÇA DEFINIDA - SRD', 1, 1, 1, 'ATIVO'), (2, 'POODLE', 1, 1, 2, 'ATIVO'),
            (3, 'SIAMES', 2, 1, 1, 'ATIVO'), (4, 'PERSA', 2, 1, 2, 'ATIVO')
    )",
    R"(
        insert into tipo_procedimento (Id_Tipo_Procedimento, Nome, Ind_Status)
        values (12, 'CASTRACAO', 'ATIVO'), (13, 'VACINACAO', 'ATIVO')
    )",
    R"(
        insert into atendimento_status (Id_Atendimento_Status, Nome, Ind_Status)
        values (1, 'AGENDADO', 'ATIVO'), (2, 'REALIZADO', 'ATIVO'), (7, 'CANCELADO', 'ATIVO')
    )",
    R"(
        insert into unidade_medida (Id_Unidade_Medida, Nome, Ind_Status)
        values (1, 'UNIDADE', 'ATIVO'), (2, 'ML', 'ATIVO')
    )",
    R"(
        insert into medicamento (Id_Medicamento, Nome, Id_Unidade_Medida, Ind_Status)
        values (1, 'DIPIRONA', 1, 'ATIVO'), (2, 'VACINA V10', 2, 'ATIVO')
    )",
    R"(
        insert into tipo_ocorrencia (Id_Tipo_Ocorrencia, Nome, Ind_Finaliza_Caso, Ind_Status)
        values (1, 'MORDEDURA', 'NAO', 'ATIVO'), (2, 'OBITO', 'SIM', 'ATIVO')
    )",
    R"(
        insert into receituario_texto_peso (Id_Receituario_texto_Peso, Peso, Texto, Ind_Status)
        values (1, 5, 'ATE 5 KG', 'ATIVO'), (2, 10, 'ATE 10 KG', 'ATIVO')
    )",
    R"(
        insert into tipo_motivo_nao_vacina (Id_tipo_motivo_nao_vacina, Nome, Ind_registro_ativo)
        values (1, 'Não se aplica', 'ATIVO'), (2, 'ANIMAL DOENTE', 'ATIVO')
    )",
    R"(
        insert into tipo_vacina_ocorrencia (Id_tipo_vacina_ocorrencia, Nome, Ind_registro_ativo)
        values (1, 'Não se aplica', 'ATIVO'), (2, 'FEBRE', 'ATIVO')
    )",
    R"(
        insert into profissional (Id_Profissional, Id_Unidade_Trabalho, Nome, Inativo, Bloqueado,
            Ind_Status)
        values (1, 1, 'DRA. LUCIA', 'NAO', 'NAO', 'ATIVO'), (2, 1, 'DR. PAULO', 'NAO', 'NAO', 'ATIVO')
    )",
    "insert into unidade_trabalho_profissional (Id_Unidade_Trabalho, Id_Profissional) values (1, 1), (1, 2), (2, 1)",
};

// Rows whose keys the server makes, written with their keys (users, owners with animals at their addresses, a
// vaccine type): a row saved after them on PostgreSQL would take a key already used.
const char* const kKeyedRows[] = {
    R"(
        insert into usuario (Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, Nome, Login, Bloqueado,
            Inativo)
        values (1, 1, 1000, 'ADMINISTRADOR', 'ADMIN', 'NAO', 'NAO'),
            (2, 1, 10, 'ANA', 'ANA', 'NAO', 'NAO')
    )",
    R"(
        insert into tipo_vacina (Id_tipo_vacina, Nome, Ind_registro_ativo)
        values (1, 'Não se aplica', 'ATIVO'), (2, 'ANTIRRÁBICA', 'ATIVO')
    )",
    R"(
        insert into endereco (Id_Endereco, Id_Distrito, NUM_LOGR, NUM_SEQU_LOGR, TIP_LOGR, NOM_LOGR,
            NUM_IMOV_LOGR, NUM_BAIR, NOM_BAIR)
        values (1, 1, 101, 1, 'R', 'DAS PALMEIRAS', 51, 1, 'CENTRO'),
            (2, 1, 101, 1, 'R', 'DAS PALMEIRAS', 51, 1, 'CENTRO'),
            (3, 2, 102, 1, 'AV', 'SETE DE SETEMBRO', 10, 2, 'JARDIM')
    )",
    R"(
        insert into proprietario (Id_Proprietario, Nome, Tipo_Pessoa, Num_CPF_CNPJ, Id_Endereco,
            id_Unidade_Trabalho, Status_Registro)
        values (1, 'MARIA DA SILVA', 'FÍSICA', '52998224725', 1, 1, 'ATIVO'),
            (2, 'JOSE SANTOS', 'FÍSICA', '12345678909', 3, 1, 'ATIVO')
    )",
    R"(
        insert into animal (Id_Animal, Id_Proprietario, Id_Especie, Id_Raca, Id_Pelo, Id_Porte,
            Id_Grupo_Animal, Nome, Sexo, Esterilizado, Data_Nascimento)
        values (1, 1, 1, 2, 2, 1, 1, 'REX', 'M', 'NAO', '2020-02-01 00:00:00'),
            (2, 1, 2, 3, 1, 1, 1, 'MIMI', 'F', 'SIM', '2021-03-01 00:00:00'),
            (3, 2, 1, 1, 1, 1, 1, 'TOTO', 'M', 'NAO', '2019-05-01 00:00:00'),
            (4, 2, 2, 4, 2, 1, 2, 'NINA', 'F', 'NAO', '2022-07-01 00:00:00')
    )", "insert into endereco_animal (Id_Animal, Id_Endereco) values (1, 2), (2, 2), (3, 3), (4, 3)",
};

const char* const kStreets[] = {
    "insert into {p}TipoLogradouro (Tip_Logr, Des_Tip_Logr) values ('R', 'RUA'), ('AV', 'AVENIDA')",
    R"(
        insert into {p}bairro (num_bair, nom_bair, tip_bair, tip_clss_bair)
        values (1, 'CENTRO', 'B', 'P'), (2, 'JARDIM', 'B', 'P')
    )",
    "insert into {p}logradouro (num_logr, nom_logr) values (101, 'DAS PALMEIRAS'), (102, 'SETE DE SETEMBRO')",
    "insert into {p}BairroLogradouro (num_logr, num_bair) values (101, 1), (101, 2), (102, 2)",
    R"(
        insert into {p}pesquisaLograd (num_logr, num_sequ_logr, tip_logr, nom_logr, tip_bair, num_bair,
            nom_bair, tip_clss_bair, ind_bair_cord)
        values (101, 1, 'R', 'DAS PALMEIRAS', 'B', 1, 'CENTRO', 'P', 'N'),
            (101, 1, 'R', 'DAS PALMEIRAS', 'B', 2, 'JARDIM', 'P', 'N')
    )",
    R"(
        insert into {p}AreaAbrang (cod_area_abrn, des_area_abrn, cod_ditr_sani, sit_regt)
        values (11, 'AREA 11', 1, 'A'), (12, 'AREA 12', 1, 'A'), (21, 'AREA 21', 2, 'A'),
            (22, 'AREA 22', 2, 'A')
    )",
};

}  // namespace sweep

class SweepTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        loginAsAdmin();
        registerEveryOpener();
    }

    // The unit the session logs into.
    void seedUnit() {
        exec(
            R"(
                insert into unidade_trabalho (Id_Unidade_Trabalho, Nome, Ind_Status)
                values (1, 'UNIDADE CENTRAL', 'ATIVO')
            )");
    }

    // The unit, sweep::kRows and kKeyedRows, a slot of today on the availability map and the streets.
    void seedEveryList() {
        seedUnit();
        seedLists(true);
    }

    // The same besides the unit, and without sweep::kKeyedRows unless `keyed`: the keys the server makes then
    // start from the first on both engines.
    void seedLists(bool keyed) {
        db::Transaction rows;  // one commit: quicker on SQLite
        for (const char* row : sweep::kRows)
            exec(QString::fromUtf8(row));
        if (keyed)
            for (const char* row : sweep::kKeyedRows)
                exec(QString::fromUtf8(row));
        exec(
            R"(
                insert into mapa_disponibilidade_agenda (Id_Mapa_disponibilidade_agenda, Id_unidade_trabalho,
                    Id_tipo_procedimento, Id_Especie, Data_hora_disponibilidade, Qt_vaga_disponivel_geral,
                    Qt_vaga_disp_f_grande_porte, Qt_vaga_usada_geral, Qt_vaga_usada_f_grande_porte)
                values (1, 1, 12, 1, :at, 10, 0, 0, 0)
            )",
            {{"at", QDateTime(QDate::currentDate(), QTime(8, 0))}});
        rows.commit();
        QStringList streets;
        for (const char* row : sweep::kStreets)
            streets << QString::fromUtf8(row);
        writePadrao(streets);
    }

    // The windows (forms of the work area, workspace(), and windows of their own) that `open` brings up.
    static QList<QPointer<QWidget>> opening(const std::function<void()>& open) {
        QSet<QWidget*> before;
        for (QWidget* w : QApplication::topLevelWidgets())
            before.insert(w);
        for (QMdiSubWindow* s : workspace()->subWindowList())
            before.insert(s->widget());
        open();
        QCoreApplication::processEvents();
        QList<QPointer<QWidget>> opened;
        for (QMdiSubWindow* s : workspace()->subWindowList())
            if (!before.contains(s->widget()))
                opened << s->widget();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!before.contains(w) && w->isVisible() && !qobject_cast<QMenu*>(w) &&
                !w->inherits("QComboBoxPrivateContainer"))
                opened << w;
        return opened;
    }
};
