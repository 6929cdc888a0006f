// SPDX-License-Identifier: GPL-3.0-or-later
// The owner's save checks in order, the web phone split and the block state's readings.
#include "registry/owner/OwnerRules.h"

#include "common/rules/Documents.h"
#include "platform/db/ColumnText.h"

#include <algorithm>
#include <vector>

using namespace registry;

std::optional<FieldRefusal> ValidaCamposProprietario(const OwnerValues& o, const OwnerLookups& lookups,
                                                     int firstCheck) {
    const QString name = o.name.trimmed();
    const QString email = o.email.trimmed();
    const QString password = o.password.trimmed();
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
        {[&] { return o.personType == kFisica && !ValidaCPF(o.document); }, "dbeCPF_CNPJ", kCpfInvalido},
        {[&] { return o.personType == kJuridica && !ValidaCNPJ(o.document); }, "dbeCPF_CNPJ", kCnpjInvalido, false},
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
    const size_t document = size_t(kFirstDuplicateCheck) - 1;
    for (size_t i = first; i < checks.size(); ++i) {
        if (!checks[i].fails())
            continue;
        // The look-ups after the document's read the database later: an owner saved meanwhile with the same
        // document is told as such, whichever of them first saw it.
        if (i > document && first <= document && checks[document].fails())
            i = document;
        return FieldRefusal{int(i) + 1, checks[i].control, checks[i].message, checks[i].colour};
    }
    return std::nullopt;
}

QString documentTyped(const QString& personType, const QString& text) {
    const bool company = personType == kJuridica;
    const QString key = documentKey(text);
    QString kept;
    for (const QChar c : key)
        if (company || c.isDigit())
            kept += c;
    return kept.left(company ? 14 : 11);
}

int documentBoxLength(const QString& personType) { return personType == kJuridica ? 18 : 14; }

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
    const QString v = stored.trimmed().toUpper();
    if (v == QLatin1String("SIM") || v == QLatin1String("WEB"))
        return true;
    if (v.isEmpty() || v == QStringLiteral("NÃO") || v == QLatin1String("NAO"))
        return false;
    return std::nullopt;
}

bool blockedByWeb(const QString& stored) { return stored.trimmed().toUpper() == QLatin1String("WEB"); }

BlockLook blockLook(const QString& stored) {
    const QString v = stored.trimmed().toUpper();
    if (v == QLatin1String("WEB"))
        return {kBloquearAcesso + QStringLiteral("(Esta bloqueado pela WEB)"), true};
    if (v == QLatin1String("SIM"))
        return {kBloquearAcesso + QStringLiteral("(Esta bloqueado pelo legado)"), true};
    if (v.isEmpty())
        return {kBloquearAcesso, false};
    return {kBloquearAcesso, true};
}
