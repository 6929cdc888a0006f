// SPDX-License-Identifier: GPL-3.0-or-later
// The animal page's actions that reach beyond the register: the hand-off to the booking form, and who
// inserted and changed the animal.
#include "registry/animal/AnimalPage.h"

#include "common/Prompts.h"
#include "common/access/FormOpening.h"
#include "common/access/Session.h"
#include "common/rules/Formats.h"
#include "platform/db/DataSet.h"
#include "registry/animal/AnimalSql.h"

using namespace registry;

void AnimalPage::markAttendance() {
    ModoAgendamento = 0;
    ProprietarioAgendamento.clear();
    AnimalAgendamento.clear();
    const bool onAnimal = m_animal->isActive() && m_animal->recNo() >= 0;
    const QString animalName = onAnimal ? m_animal->str(QStringLiteral("Nome")).trimmed() : QString();
    // A new animal or one being changed is not yet what the database holds.
    if (m_owner.name.isEmpty() || animalName.isEmpty() || busy() || animalId() == 0) {
        Prompts::error(kAnimalNaoCadastrado);
        return;
    }
    AnimalAgendamento = QString::number(animalId());
    ModoAgendamento = 1;
    ProprietarioAgendamento = QString::number(m_owner.id);
    // The booking form belongs to the scheduling, which registers how it opens preset.
    if (const FormOpener open = openerFor(QStringLiteral("actMarcaAtendimento")))
        open();
}

void AnimalPage::showInformation() {
    const int id = busy() ? 0 : animalId();
    const db::RowSet rows = id > 0 ? animalsql::insertedAndChanged(id) : db::RowSet();
    if (rows.count() == 0) {
        Prompts::information(kSemInformacao);
        return;
    }
    const auto& r = rows.row(0);
    const int changed = rows.fieldIndex(QStringLiteral("Modificado_por"));
    const int by = rows.fieldIndex(QStringLiteral("Nome_inseriu"));
    QString text = QStringLiteral("Usuário que inseriu o registro:") + db::toText(r[by]).trimmed() +
                   QStringLiteral("Data da inserção:") +
                   fmt::dateTime(db::toDateTime(r[rows.fieldIndex(QStringLiteral("inserido_em"))])) +
                   QStringLiteral("\n");
    if (!db::toText(r[changed]).trimmed().isEmpty())
        text += QStringLiteral("Usuário que Modificou o registro:") +
                db::toText(r[rows.fieldIndex(QStringLiteral("Nome_alterou"))]).trimmed() +
                QStringLiteral("Data de modificação:") +
                fmt::dateTime(db::toDateTime(r[rows.fieldIndex(QStringLiteral("Modificado_Em"))]));
    Prompts::information(text);
}
