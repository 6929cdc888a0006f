// One workstation saving a new owner in a process of its own, as the owner page's save does, step by step as
// the test says: two of them race for one document.
#include "common/Session.h"
#include "platform/db/Database.h"
#include "registry/OwnerSql.h"
#include "registry/WebAccount.h"

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

        OwnerValues owner;
        owner.inserting = true;
        owner.document = document;
        owner.email = document + QStringLiteral("@mail.com");
        if (ValidaCamposProprietario(owner, ownersql::lookups(owner, 0), kFirstDuplicateCheck)) {
            std::cout << "refused" << std::endl;
            return 0;
        }
        // Both workstations have passed the checks before either saves: the worst moment.
        std::cout << "checked" << std::endl;
        std::getline(std::cin, go);
        db::Transaction transaction;
        if (ownersql::holdAndCheckDuplicates(owner, 0)) {
            std::cout << "refused" << std::endl;
            return 0;
        }
        const int address = ownersql::insertAddress({{QStringLiteral("nom_logr"), QStringLiteral("RUA")}});
        const int id = ownersql::insertOwner({{QStringLiteral("nome"), QStringLiteral("CORRIDA")},
                                              {QStringLiteral("num_cpf_cnpj"), document},
                                              {QStringLiteral("email_proprietario"), owner.email}},
                                             address);
        webaccount::NewAccount account;
        account.login = document;
        account.ownerId = id;
        account.document = document;
        account.email = owner.email;
        ownersql::setWebUser(id, webaccount::insert(account));
        transaction.commit();
        std::cout << "saved" << std::endl;
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
    }
    return 0;
}
