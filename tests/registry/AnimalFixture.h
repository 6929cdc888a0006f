// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The owner and animal register with the animal look-up lists filled, and a new animal typed as an operator would.

#include "RegistryFixture.h"

class AnimalTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        exec("insert into grupo_animal (Id_Grupo_Animal, Nome) values (1, 'Domiciliado'), (2, 'ERRANTE')");
        exec("insert into especie (Id_Especie, Nome) values (1, 'CANINA'), (2, 'FELINA')");
        exec("insert into porte (Id_porte, Descricao) values (1, 'PEQUENO'), (2, 'GRANDE')");
        exec("insert into pelo (Id_pelo, Descricao) values (1, 'CURTO'), (2, 'LONGO'), (3, 'CRESPO')");
        exec(
            R"(
                insert into raca (Id_Raca, Nome, Id_Especie, Id_Porte, Id_Pelo, Ind_Status)
                values (1, 'SEM RACA DEFINIDA - SRD', 1, 2, 2, 'ATIVO'), (2, 'POODLE', 1, null, 3, 'ATIVO')
            )");
    }

    // A new animal of the owner on show, typed and saved.
    void saveNewAnimal(const QString& name) {
        trigger("actAnimalNovo");
        type("dbeNomeAnimal", name);
        type("dbeDt_Nascimento", "01022020");
        pick("dbcSexo", "M");
        pick("dbcEsterilizado", "NAO");
        trigger("actAnimalGravar");
    }

    int rows(const QString& table, int animal) {
        return scalar(QString("select count(*) from %1 where id_animal = :a").arg(table), {{"a", animal}}).toInt();
    }
};
