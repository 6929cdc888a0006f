// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's save checks in order, the web phone split and the block state's readings.
#include "registry/owner/OwnerRules.h"

#include "common/rules/Documents.h"
#include "platform/db/ColumnText.h"
#include "platform/db/Database.h"

#include <algorithm>
#include <vector>

using namespace registry;

std::optional<FieldRefusal> ValidaCamposProprietario(const OwnerValues& o, const OwnerLookups& lookups,
                                                     int firstCheck) {
    const QString name = o.name.trimmed();
    const QString email = o.email.trimmed();
    const QString password = o.password.trimmed();
    const QString document = documentKey(o.document);
    struct Check {
        std::function<bool()> fails;
        QString control;
        QString message;
        bool colour = true;
    };
    const std::vector<Check> checks{
        {[&] { return o.unit.trimmed().isEmpty(); }, "cbbUnidadeProprietario", kFaltaUnidade},
        {[&] { return name.isEmpty(); }, "dbeNomeProp", kFaltaNome},
        {[&] { return !name.contains(QLatin1Char(' ')); }, "dbeNomeProp", kFaltaSobrenome},
        {[&] { return phoneBlank(o.residentialPhone); }, "dbeTelResidencial", kFaltaTelefone},
        {[&] { return o.personType.trimmed().isEmpty(); }, "dbcTipo_Pessoa", kFaltaTipoPessoa},
        {[&] { return email.isEmpty(); }, "dbeEmail", kFaltaEmail},
        {[&] { return !ValidaEmail(email); }, "dbeEmail", kEmailInvalido},
        {[&] { return o.passwordOpen && password.isEmpty(); }, "mkeSenha", kFaltaSenha},
        {[&] { return o.passwordOpen && db::columnLength(password) != 10; }, "mkeSenha", kSenhaDezCaracteres},
        {[&] { return o.district.trimmed().isEmpty(); }, "dblDistrito", kFaltaDistrito},
        {[&] { return o.streetType.trimmed().isEmpty(); }, "dblTipo_Lograd", kFaltaTipoLograd},
        {[&] { return o.streetCode.trimmed().isEmpty(); }, "dbeCodLograd", kFaltaCodLograd},
        {[&] { return o.streetSequence.trimmed().isEmpty(); }, "dbeSeq", kFaltaSeq},
        {[&] { return o.streetName.trimmed().isEmpty(); }, "dbeLograd", kFaltaLograd},
        {[&] { return o.houseNumber.trimmed().isEmpty(); }, "dbeNumImovel", kFaltaNumImovel},
        {[&] { return o.neighbourhood.trimmed().isEmpty(); }, "dblBairro", kFaltaBairro},
        {[&] { return !email.isEmpty() && !ValidaEmail(email); }, "dbeEmail", kEmailInvalido},
        {[&] { return db::sameText(o.personType, kFisica) && !ValidaCPF(document); }, "dbeCPF_CNPJ", kCpfInvalido},
        {[&] { return db::sameText(o.personType, kJuridica) && !ValidaCNPJ(document); }, "dbeCPF_CNPJ", kCnpjInvalido,
         false},
        {[&] { return (o.inserting || o.editing) && lookups.documentTaken && lookups.documentTaken(); }, "dbeCPF_CNPJ",
         kDocumentoCadastrado, false},
        {[&] {
             if (!lookups.ownerEmailCount || !lookups.userEmailCount)
                 return false;
             if (o.inserting)
                 return lookups.ownerEmailCount() > 0 || lookups.userEmailCount() > 0;
             if (o.editing)
                 return lookups.ownerEmailCount() > 0 && lookups.userEmailCount() > 0;
             return false;
         },
         "dbeEmail", kEmailCadastrado},
        {[&] { return (o.inserting || o.editing) && lookups.loginTaken && lookups.loginTaken(); }, "dbeCPF_CNPJ",
         kUsuarioCadastrado, false},
    };
    const size_t first = size_t(std::max(firstCheck, 1)) - 1;
    const size_t documentCheck = size_t(kFirstDuplicateCheck) - 1;
    for (size_t i = first; i < checks.size(); ++i) {
        if (!checks[i].fails())
            continue;
        // The look-ups after the document's read the database later: an owner saved meanwhile with the same
        // document is told as such, whichever of them first saw it.
        if (i > documentCheck && first <= documentCheck && checks[documentCheck].fails())
            i = documentCheck;
        return FieldRefusal{int(i) + 1, checks[i].control, checks[i].message, checks[i].colour};
    }
    return std::nullopt;
}

QString documentTyped(const QString& personType, const QString& text) {
    const bool company = db::sameText(personType, kJuridica);
    const QString key = documentKey(text);
    QString kept;
    for (const QChar c : key)
        if (company || c.isDigit())
            kept += c;
    return kept.left(company ? 14 : 11);
}

QString personTypeOf(const QString& document) {
    const qsizetype length = documentKey(document).size();
    return length == 11 ? kFisica : length == 14 ? kJuridica : QString();
}

int documentBoxLength(const QString& personType) { return db::sameText(personType, kJuridica) ? 18 : 14; }

bool phoneBlank(const QString& phone) {
    for (QChar c : phone)
        if (c.isDigit())
            return false;
    return true;
}

WebPhone splitPhone(const QString& phone) {
    const QString p = phone.trimmed();
    if (phoneBlank(p))
        return {};
    return {true, p.mid(1, 2), p.mid(4)};
}

WebPhone webPhone(const QString& mobile, const QString& residential, const QString& message) {
    for (const QString* p : {&mobile, &residential, &message})
        if (!phoneBlank(*p))
            return splitPhone(*p);
    return {};
}

std::optional<bool> blockedBy(const QString& stored) {
    const QString v = db::fold(stored.trimmed());
    if (v == QLatin1String("sim") || v == QLatin1String("web"))
        return true;
    if (v.isEmpty() || v == QLatin1String("nao"))
        return false;
    return std::nullopt;
}

bool blockedByWeb(const QString& stored) { return db::sameText(stored, QStringLiteral("WEB")); }

BlockLook blockLook(const QString& stored) {
    const QString v = db::fold(stored.trimmed());
    if (v == QLatin1String("web"))
        return {kBloquearAcesso + QStringLiteral("(Esta bloqueado pela WEB)"), true};
    if (v == QLatin1String("sim"))
        return {kBloquearAcesso + QStringLiteral("(Esta bloqueado pelo legado)"), true};
    if (v.isEmpty())
        return {kBloquearAcesso, false};
    return {kBloquearAcesso, true};
}
