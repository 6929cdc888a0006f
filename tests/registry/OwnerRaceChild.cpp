// SPDX-License-Identifier: GPL-3.0-or-later
// One workstation saving a new owner in a process of its own through the register's save, saveOwner(), after
// the duplicate checks made before the save, step by step as the test says: two of them race for one document.
#include "common/access/Session.h"
#include "platform/db/Database.h"
#include "registry/owner/OwnerSave.h"
#include "registry/owner/OwnerSql.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

// Arguments: the SQLite folder or the PostgreSQL database (host, port and user from the test's environment),
// and the document. Prints "ready" and waits for a line, checks and prints "checked" and waits for a line, then
// saves and prints "saved", "refused" or the error.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    db::Settings settings;
    if (qEnvironmentVariable("NURV_TEST_ENGINE") == QLatin1String("postgres")) {
        settings.engine = db::Engine::PostgreSQL;
        settings.host = qEnvironmentVariable("NURV_TEST_PGHOST", QStringLiteral("/tmp"));
        settings.port = qEnvironmentVariableIntValue("NURV_TEST_PGPORT");
        settings.user = qEnvironmentVariable("NURV_TEST_PGUSER", QStringLiteral("postgres"));
        settings.database = QString::fromLocal8Bit(argv[1]);
    } else {
        settings.directory = QString::fromLocal8Bit(argv[1]);
    }
    const QString document = QString::fromLocal8Bit(argv[2]);
    try {
        db::connectAll(settings);
        UsuarioLogado = QStringLiteral("1");
        std::cout << "ready" << std::endl;
        std::string go;
        std::getline(std::cin, go);

        OwnerSave owner;
        OwnerValues& typed = owner.checked;
        typed.inserting = true;
        typed.unit = QStringLiteral("UNIDADE CENTRAL");
        typed.name = QStringLiteral("CORRIDA DE TESTE");
        typed.residentialPhone = QStringLiteral("(61)3333-4444");
        typed.personType = registry::kFisica;
        typed.email = document + QStringLiteral("@mail.com");
        typed.passwordOpen = true;
        typed.password = QStringLiteral("abcdefghij");
        typed.district = QStringLiteral("DS1");
        typed.streetType = QStringLiteral("RUA");
        typed.streetCode = QStringLiteral("10");
        typed.streetSequence = QStringLiteral("1");
        typed.streetName = QStringLiteral("DAS FLORES");
        typed.houseNumber = QStringLiteral("51");
        typed.neighbourhood = QStringLiteral("CENTRO");
        typed.document = document;
        owner.owner = {{QStringLiteral("nome"), typed.name},
                       {QStringLiteral("telefone_residencial"), typed.residentialPhone},
                       {QStringLiteral("num_cpf_cnpj"), document},
                       {QStringLiteral("email_proprietario"), typed.email}};
        owner.address = {{QStringLiteral("nom_logr"), typed.streetName}, {QStringLiteral("num_imov_logr"), 51}};
        if (ValidaCamposProprietario(typed, ownersql::lookups(typed, 0), kFirstDuplicateCheck)) {
            std::cout << "refused" << std::endl;
            return 0;
        }
        // Both workstations have passed the checks before either saves: the worst moment.
        std::cout << "checked" << std::endl;
        std::getline(std::cin, go);
        const OwnerSaved saved = saveOwner(owner);
        std::cout << (saved.refusal ? "refused" : "saved") << std::endl;
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
    }
    return 0;
}
