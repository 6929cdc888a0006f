// SPDX-License-Identifier: GPL-3.0-or-later
// Check digits, the e-mail form, the owner's save checks in their order, the web phone and block readings and
// the owner consult's filters.
#include "common/rules/Documents.h"
#include "registry/owner/OwnerRules.h"
#include "registry/owner/OwnerSql.h"

#include <gtest/gtest.h>

using namespace registry;

TEST(Documents, CheckDigitsAndEmailForm) {
    const struct {
        bool (*check)(const QString&);
        QString text;
        bool valid;
    } cases[] = {
        {ValidaCPF, "52998224725", true},       {ValidaCPF, "12345678909", true},
        {ValidaCPF, "52998224726", false},      {ValidaCPF, "52998224715", false},
        {ValidaCPF, "11111111111", false},      {ValidaCPF, "00000000000", false},
        {ValidaCPF, "5299822472A", false},      {ValidaCPF, "5299822472", false},
        {ValidaCPF, "11222333000181", false},   {ValidaCNPJ, "11222333000181", true},
        {ValidaCNPJ, " 45099719000160 ", true}, {ValidaCNPJ, "11222333000182", false},
        {ValidaCNPJ, "11222333000171", false},  {ValidaCNPJ, "22222222222222", false},
        {ValidaCNPJ, "1122233300018X", false},  {ValidaCNPJ, "52998224725", false},
        {ValidaEmail, "a@bc.d", true},          {ValidaEmail, " joao.silva@mail.com ", true},
        {ValidaEmail, "@x.com", false},         {ValidaEmail, "a@.bc", false},
        {ValidaEmail, "a@b.cd", false},         {ValidaEmail, "a@", false},
        {ValidaEmail, "abc.com", false},        {ValidaEmail, "a@bcd", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.check(c.text), c.valid) << c.text.toStdString();
}

TEST(Documents, AlphanumericCnpjAndTheDocumentAsTypedAndStored) {
    const struct {
        QString text;
        bool valid;
    } cnpjs[] = {
        {"12ABC34501DE35", true},  // the register's published example
        {" 12ABC34501DE35 ", true},
        {"ABCDEFGHIJKL80", true},
        {"Z0000000000Z31", true},
        {"A1B2C3D4E5F668", true},
        {"00000000000A04", true},
        {"12ABC34501DE36", false},  // a check digit off
        {"12ABC34501DE45", false},
        {"12ABD34501DE35", false},      // a letter changed
        {"21ABC34501DE35", false},      // two characters swapped
        {"12abc34501de35", false},      // letters are capitals: lower case is another number
        {"12.ABC.345/01DE-35", false},  // the number is kept without its punctuation
        {"12ABC34501DE3", false},
        {"12ABC34501DE3A", false},  // the check digits are digits
        {QString::fromUtf8("12ÁBC34501DE35"), false},
        {"11222333000181", true},  // a number of digits only, as ever
        {"00000000000000", false},
    };
    for (const auto& c : cnpjs)
        EXPECT_EQ(ValidaCNPJ(c.text), c.valid) << c.text.toStdString();
    EXPECT_FALSE(ValidaCPF("12ABC345019")) << "a CPF stays digits only";

    const struct {
        QString personType, typed, kept;
    } boxes[] = {
        {kJuridica, "12.abc.345/01de-35", "12ABC34501DE35"},
        {kJuridica, "11.222.333/0001-81", "11222333000181"},
        {kJuridica, "12ABC34501DE35XYZ", "12ABC34501DE35"},
        {kFisica, "529.982.247-25", "52998224725"},
        {kFisica, "12abc345019", "12345019"},
        {kFisica, "123456789012", "12345678901"},
        {"", " 529 982 ", "529982"},
    };
    for (const auto& b : boxes)
        EXPECT_EQ(documentTyped(b.personType, b.typed), b.kept) << b.typed.toStdString();
    EXPECT_EQ(documentKey(" 12.abc.345/01de-35 "), "12ABC34501DE35");
    EXPECT_EQ(documentKey("529.982.247-25"), "52998224725");
    EXPECT_EQ(personTypeOf(" 529.982.247-25"), kFisica);
    EXPECT_EQ(personTypeOf("11.222.333/0001-81"), kJuridica);
    EXPECT_EQ(personTypeOf("5299822472"), "");

    // A document typed into a search among other characters: the digits first, then what an alphanumeric CNPJ
    // may be stored as.
    const struct {
        const char* typed;
        QStringList documents;
    } searched[] = {
        {"529.982.247-25", {"52998224725"}},
        {"CPF: 529.982.247-25", {"52998224725", "CPF52998224725"}},
        {"12.abc.345/01de-35", {"123450135", "12ABC34501DE35"}},
        {"CNPJ 12.ABC.345/01DE-35 (loja)", {"123450135", "12ABC34501DE35"}},
        {"./- abc", {}},
    };
    for (const auto& s : searched)
        EXPECT_EQ(typedDocuments(s.typed), s.documents) << s.typed;
}

// The duplicate look-ups read the database one after the other: an owner saved meanwhile with the same document
// (and its e-mail and login) may be seen first by a later look-up. Whichever saw it, the document's refusal is
// the one told, as long as the document is taken by the time the later look-up refuses.
TEST(OwnerRules, AnOwnerSavedDuringTheLookUpsIsToldByItsDocument) {
    OwnerValues o;  // the checks before the duplicates are not run here
    o.inserting = true;
    struct Case {
        const char* what;
        int savedAtLookUp;  // the look-up (1 document, 2 owners' e-mail, 3 users' e-mail, 4 login) from which on
                            // the other owner is seen; 0: never
        bool sameEmail;     // the other owner has the typed e-mail too
        QString told;
    };
    const QList<Case> cases{
        {"seen by the document's look-up", 1, true, kDocumentoCadastrado},
        {"seen first by the owners' e-mail", 2, true, kDocumentoCadastrado},
        {"seen first by the users' e-mail", 3, true, kDocumentoCadastrado},
        {"seen first by the login", 4, false, kDocumentoCadastrado},
        {"an e-mail of another person", 0, true, kEmailCadastrado},
    };
    for (const Case& c : cases) {
        int asked = 0;
        const auto seen = [&] { return c.savedAtLookUp > 0 && ++asked >= c.savedAtLookUp; };
        const OwnerLookups lookups{seen, [&] { return (seen() || c.savedAtLookUp == 0) && c.sameEmail ? 1 : 0; },
                                   [&] { return seen() && c.sameEmail ? 1 : 0; }, seen};
        const auto refusal = ValidaCamposProprietario(o, lookups, kFirstDuplicateCheck);
        ASSERT_TRUE(refusal) << c.what;
        EXPECT_EQ(refusal->message, c.told) << c.what;
    }
}

TEST(OwnerRules, ChecksRunInOrderUntilTheFirstFailure) {
    OwnerValues o;
    o.inserting = true;
    bool documentTaken = true;
    int owners = 1, users = 1;
    const OwnerLookups lookups{[&] { return documentTaken; }, [&] { return owners; }, [&] { return users; },
                               [] { return false; }};
    auto failing = [&]() {
        const auto r = ValidaCamposProprietario(o, lookups);
        return r ? r->check : 0;
    };
    // Each step fills what the previous check refused and expects the next check to answer.
    const std::vector<std::pair<std::function<void()>, int>> walk{
        {[] {}, 1},
        {[&] { o.unit = "UNIDADE CENTRAL"; }, 2},
        {[&] { o.name = "  MARIA  "; }, 3},
        {[&] {
             o.name = "MARIA D'ÁVILA";
             o.residentialPhone = "()-";
         },
         4},
        {[&] { o.residentialPhone = "(61)3333-4444"; }, 5},
        {[&] { o.personType = kFisica; }, 6},
        {[&] { o.email = "maria@"; }, 7},
        {[&] {
             o.email = "maria@mail.com";
             o.passwordOpen = true;
         },
         8},
        {[&] { o.password = "  abc  "; }, 9},
        {[&] { o.password = "abcdefghij"; }, 10},
        {[&] { o.district = "DS1"; }, 11},
        {[&] { o.streetType = "RUA"; }, 12},
        {[&] { o.streetCode = "0"; }, 13},
        {[&] { o.streetSequence = "0"; }, 14},
        {[&] { o.streetName = "DAS PALMEIRAS"; }, 15},
        {[&] { o.houseNumber = "10"; }, 16},
        {[&] {
             o.neighbourhood = "CENTRO";
             o.document = "11111111111";
         },
         18},
        {[&] { o.document = "52998224725"; }, 20},
        {[&] { o.document = " 529.982.247-25"; }, 20},  // stored so by another program: the same document
        {[&] { documentTaken = false; }, 21},
        {[&] { owners = 0; }, 21},  // a new owner is refused by a web user's e-mail too
        {[&] { users = 0; }, 0},
    };
    for (size_t i = 0; i < walk.size(); ++i) {
        walk[i].first();
        EXPECT_EQ(failing(), walk[i].second) << "step " << i;
    }
    // While editing, the e-mail is taken only when an owner and a web user both have it.
    o.inserting = false;
    o.editing = true;
    owners = 1;
    EXPECT_EQ(failing(), 0);
    users = 1;
    EXPECT_EQ(failing(), 21);
    owners = 0;
    EXPECT_EQ(failing(), 0);
    // A closed password box asks for no password; a company is checked as a CNPJ, refused without colour.
    o.passwordOpen = false;
    o.password.clear();
    o.personType = " juridica";
    const auto cnpj = ValidaCamposProprietario(o, lookups);
    ASSERT_TRUE(cnpj);
    EXPECT_EQ(cnpj->check, 19);
    EXPECT_EQ(cnpj->message, kCnpjInvalido);
    EXPECT_FALSE(cnpj->colour);
    EXPECT_EQ(cnpj->control, "dbeCPF_CNPJ");
}

TEST(OwnerRules, WebPhoneAndBlockReadings) {
    const WebPhone mobile = webPhone("(61)98765-4321", "(61)3333-4444", "");
    EXPECT_TRUE(mobile.present);
    EXPECT_EQ(mobile.areaCode, "61");
    EXPECT_EQ(mobile.number, "98765-4321");
    EXPECT_EQ(webPhone("()-", "(11)2222-3333", "").number, "2222-3333");
    EXPECT_FALSE(webPhone("()-", "()", "").present);

    EXPECT_EQ(blockedBy("SIM"), true);
    EXPECT_EQ(blockedBy(" web "), true);
    EXPECT_EQ(blockedBy("NÃO"), false);
    EXPECT_EQ(blockedBy("NAO"), false);
    EXPECT_EQ(blockedBy(" não "), false);
    EXPECT_EQ(blockedBy("Sim"), true);
    EXPECT_EQ(blockedBy(""), false);
    EXPECT_EQ(blockedBy("TALVEZ"), std::nullopt);
    EXPECT_EQ(blockLook("Web").caption, "Bloquear acesso.(Esta bloqueado pela WEB)");
    EXPECT_EQ(blockLook("SIM").caption, "Bloquear acesso.(Esta bloqueado pelo legado)");
    EXPECT_TRUE(blockLook("NÃO").red);
    EXPECT_FALSE(blockLook("").red);
}

TEST(OwnerConsult, CriteriaBecomeBoundFilters) {
    using ownersql::ConsultFilter;
    using ownersql::consultFilter;
    const ConsultFilter document = consultFilter(" CPF / CNPJ ", " 123.456.789-09 ");
    EXPECT_TRUE(document.fromOwner);
    EXPECT_EQ(document.shownText, "12345678909");
    EXPECT_EQ(document.params.value("valor").toString(), "12345678909");
    EXPECT_EQ(consultFilter("CPF / CNPJ", "12.abc.345/01de-35").params.value("valor").toString(), "12ABC34501DE35");
    const ConsultFilter code = consultFilter("Cód. Animal", "12a");
    EXPECT_FALSE(code.fromOwner);
    EXPECT_TRUE(code.params.value("valor").isNull());  // not a whole number: finds nothing
    const ConsultFilter name = consultFilter("Nome prop.", "D'ÁVILA");
    EXPECT_FALSE(name.clause.contains("D'"));
    EXPECT_EQ(consultFilter("Microchip", " 98 76 ").params.value("valor").toString(), "%9876%");
    EXPECT_FALSE(consultFilter("Outro", "x").matched);
}
