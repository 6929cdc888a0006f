// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two owners with an address and three animals written straight into the database, and the occurrence and
// vaccination types, for the occurrence register, the vaccination page and the transfer.

#include "RegistryFixture.h"

#include "ReportText.h"

class EventsTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        // Keys made by the server (users 1 and 2, owners 1 to 3), so that the forms' own inserts follow them.
        exec("insert into usuario (Nome, Login) values ('ADMINISTRADOR', 'ADMIN')");
        exec("insert into usuario (Nome, Login) values ('OPERADOR', 'OPER')");
        exec(
            R"(
                insert into endereco (Id_Endereco, TIP_LOGR, NOM_LOGR, NUM_IMOV_LOGR, DES_CMPL_ENDR, NOM_BAIR,
                    NUM_CEP)
                values (501, 'R', 'DAS FLORES', 51, 'CASA 2', 'CENTRO', '12345678')
            )");
        for (const char* owner : {"'ANA', 501, '52998224725'", "'BIA', null, null", "'CAIO', null, null"})
            exec(QString(
                     "insert into proprietario (Nome, Id_Endereco, Num_CPF_CNPJ, Status_Registro) values (%1, 'ATIVO')")
                     .arg(owner));
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA')");
        exec("insert into raca (Id_Raca, Nome, Id_Especie) values (1, 'POODLE', 1)");
        exec(
            R"(
                insert into animal (Id_Animal, Id_Proprietario, Nome, Sexo, Id_Especie, Id_Raca,
                    Data_Nascimento, Inserido_Por, Inserido_Em)
                values (10, 1, 'REX', 'M', 1, 1, :birth, 1, :when), (11, 1, 'TOTO', 'F', 1, 1, null, 1, :when),
                    (12, 2, 'LOLA', 'F', 1, 1, null, null, null)
            )",
            {{"birth", QDateTime(QDate(2020, 2, 1), QTime(0, 0))},
             {"when", QDateTime(QDate(2024, 1, 2), QTime(8, 30))}});
        exec(
            R"(
                insert into tipo_ocorrencia (Id_Tipo_Ocorrencia, Nome, Descricao, Ind_Finaliza_Caso)
                values (1, 'CONSULTA', 'de rotina', 'NAO'), (2, 'OBITO', 'morte', 'SIM ')
            )");
    }

    QDate storedDate(const QString& sql, const QVariantHash& params = {}) {
        return db::toDateTime(scalar(sql, params)).date();
    }
};
