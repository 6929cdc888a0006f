// SPDX-License-Identifier: GPL-3.0-or-later
// One workstation saving a new owner in a process of its own through the register's save, saveOwner(), after
// the duplicate checks made before the save, step by step as the test says: two of them race for one document.
// Or, given "web" for the document, the outside web system registering people beside them, in its own spellings.
#include "NewOwner.h"

#include "common/access/Session.h"
#include "platform/db/Database.h"
#include "platform/db/Query.h"
#include "registry/owner/OwnerSql.h"
#include "registry/owner/TypedOwner.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

// Saves a new owner with the document as a workstation does. Prints "ready" and waits for a line, checks and
// prints "checked" and waits for a line, then saves and prints "saved", "refused" or the error.
void workstation(const QString& document) {
    UsuarioLogado = QStringLiteral("1");
    std::cout << "ready" << std::endl;
    std::string go;
    std::getline(std::cin, go);

    TypedOwner owner = newTypedOwner(QStringLiteral("CORRIDA DE TESTE"), document);
    const OwnerValues& typed = owner.checked;
    if (ValidaCamposProprietario(typed, ownersql::lookups(typed, 0), kFirstDuplicateCheck)) {
        std::cout << "refused" << std::endl;
        return;
    }
    // Both workstations have passed the checks before either saves: the worst moment.
    std::cout << "checked" << std::endl;
    std::getline(std::cin, go);
    const OwnerSaved saved = saveOwner(owner);
    std::cout << (saved.refusal ? "refused" : "saved") << std::endl;
}

// For each line "<document> <e-mail>" registers a person as the web system does, without the program's checks:
// the owner with the document punctuated or padded, the e-mail in capitals, statuses in lower case or padded,
// and the owner's account logging in with the document. Prints "ready", then "written" after each.
void webSystem() {
    const QStringList statuses{QStringLiteral("ativo"), QStringLiteral(" Ativo "), QStringLiteral("ATIVO  ")};
    std::cout << "ready" << std::endl;
    for (int person = 0;; ++person) {
        std::string line;
        if (!std::getline(std::cin, line))
            return;
        const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '));
        const QString d = words.value(0);
        const QString document =
            person % 2 ? QStringLiteral(" ") + d
                       : QStringLiteral("%1.%2.%3-%4").arg(d.mid(0, 3), d.mid(3, 3), d.mid(6, 3), d.mid(9));
        const QString email = words.value(1).toUpper() + QStringLiteral(" ");
        const QString status = statuses[person % statuses.size()];
        db::Transaction transaction;
        const int owner = db::toInt(db::run(db::kMain, QStringLiteral(R"(
            insert into proprietario (Nome, Num_CPF_CNPJ, Tipo_Pessoa, Email_Proprietario, Status_Registro)
            values ('PESSOA DA WEB', :doc, 'fisica', :email, :status)
            returning Id_Proprietario
        )"),
                                            {{QStringLiteral("doc"), document},
                                             {QStringLiteral("email"), email},
                                             {QStringLiteral("status"), status}})
                                        .row(0)[0]);
        db::run(db::kMain, QStringLiteral(R"(
            insert into usuario (Nome, Login, Email_usu, Id_proprietario, Bloqueado, Inativo,
                Status_Registro)
            values ('PESSOA DA WEB', :login, :email, :owner, 'nao', 'nao', :status)
        )"),
                {{QStringLiteral("login"), d},
                 {QStringLiteral("email"), email},
                 {QStringLiteral("owner"), owner},
                 {QStringLiteral("status"), status}});
        transaction.commit();
        std::cout << "written" << std::endl;
    }
}

}  // namespace

// Arguments: the SQLite folder or the PostgreSQL database (host, port and user from the test's environment),
// and the document, or "web".
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
        if (document == QLatin1String("web"))
            webSystem();
        else
            workstation(document);
    } catch (const std::exception& e) {
        std::cout << e.what() << std::endl;
    }
    return 0;
}
