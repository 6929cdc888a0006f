// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A complete new owner as the owner page hands it over to saveOwner(): the checks' texts and the rows typed. The
// saves' tests and the racing workstations of another process save it alike.
#include "registry/owner/OwnerRules.h"
#include "registry/owner/TypedOwner.h"

inline TypedOwner newTypedOwner(const QString& name, const QString& document) {
    TypedOwner s;
    OwnerValues& v = s.checked;
    v.inserting = true;
    v.unit = QStringLiteral("UNIDADE CENTRAL");
    v.name = name;
    v.residentialPhone = QStringLiteral("(61)3333-4444");
    v.personType = registry::kFisica;
    v.email = document + QStringLiteral("@mail.com");
    v.passwordOpen = true;
    v.password = QStringLiteral("abcdefghij");
    v.district = QStringLiteral("DS1");
    v.streetType = QStringLiteral("RUA");
    v.streetCode = QStringLiteral("10");
    v.streetSequence = QStringLiteral("1");
    v.streetName = QStringLiteral("DAS FLORES");
    v.houseNumber = QStringLiteral("51");
    v.neighbourhood = QStringLiteral("CENTRO");
    v.document = document;
    s.owner = {{QStringLiteral("nome"), name},
               {QStringLiteral("telefone_residencial"), v.residentialPhone},
               {QStringLiteral("telefone_celular"), QStringLiteral("(__)_____-____")},
               {QStringLiteral("num_cpf_cnpj"), document},
               {QStringLiteral("email_proprietario"), v.email},
               {QStringLiteral("id_unidade_trabalho"), 1}};
    s.address = {{QStringLiteral("id_distrito"), 1},
                 {QStringLiteral("num_logr"), 10},
                 {QStringLiteral("num_sequ_logr"), 1},
                 {QStringLiteral("tip_logr"), QStringLiteral("R")},
                 {QStringLiteral("nom_logr"), QStringLiteral("DAS FLORES")},
                 {QStringLiteral("num_imov_logr"), 51},
                 {QStringLiteral("num_bair"), 1}};
    return s;
}
