// SPDX-License-Identifier: GPL-3.0-or-later
// The register's saves as plain functions over values, without a widget: saveOwner() and saveAnimal() check,
// write every row of a new or changed owner or animal in one transaction, and leave nothing behind when they
// refuse or fail.
#include "NewOwner.h"
#include "RegistryFixture.h"

#include "common/access/PasswordDigest.h"
#include "platform/db/EditedRow.h"
#include "registry/address/AddressSql.h"
#include "registry/animal/AnimalSql.h"
#include "registry/animal/TypedAnimal.h"
#include "registry/owner/OwnerSql.h"
#include "registry/owner/TypedOwner.h"

using namespace common;
using namespace registry;

namespace {

// A stored owner as read, ready to be changed.
TypedOwner storedOwner(int id, const QString& document) {
    db::DataSet owner, address;
    ownersql::selectOwner(owner, id);
    addresssql::selectAddress(address, owner.field("Id_Endereco"));
    TypedOwner s = newTypedOwner(owner.str("Nome"), document);
    s.checked.inserting = false;
    s.checked.editing = true;
    s.checked.passwordOpen = false;
    s.ownerId = id;
    s.owner = db::typedValues(owner);
    s.ownerRead = db::readValues(owner);
    s.address = db::typedValues(address);
    s.addressRead = db::readValues(address);
    s.accounts = webaccountsql::accountsOf(id);
    return s;
}

TypedAnimal newAnimal(int ownerId) {
    TypedAnimal a;
    a.checked = {"REX", "DOMICILIADO", "CANINA", "SRD",    "PEQUENO", "CURTO",      "01/02/2020",
                 "M",   "NAO",         "DS1",    "CENTRO", "RUA",     "DAS FLORES", "51"};
    a.inserting = true;
    a.ownerId = ownerId;
    a.animal = {{"nome", "REX"}, {"id_grupo_animal", 1}, {"sexo", "M"}, {"esterilizado", "NAO"}};
    a.address = {{"nom_logr", "DAS FLORES"}, {"num_imov_logr", 51}, {"end_x", 5.5}, {"end_y", 6.5}};
    return a;
}

TypedAnimal storedAnimal(int ownerId, int animalId) {
    db::DataSet animals, address;
    animalsql::selectAnimals(animals, ownerId);
    animals.locate("Id_Animal", animalId);
    addresssql::selectAddress(address, addresssql::currentAnimalAddress(animalId));
    TypedAnimal a = newAnimal(ownerId);
    a.inserting = false;
    a.animalId = animalId;
    a.animal = db::typedValues(animals);
    a.animalRead = db::readValues(animals);
    a.address = db::typedValues(address);
    a.addressRead = db::readValues(address);
    return a;
}

QString failure(const std::function<void()>& save) {
    try {
        save();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

}  // namespace

TEST_F(RegistryTest, SaveOwnerOnValuesRefusesInsertsAndEditsInOneTransactionWithoutWidgets) {
    const int users = count("usuario");
    // A refusal writes nothing.
    TypedOwner lone = newTypedOwner("MARIA", kCpf1);
    OwnerSaved saved = saveOwner(lone);
    ASSERT_TRUE(saved.refusal);
    EXPECT_EQ(saved.refusal->message, kFaltaSobrenome);
    EXPECT_EQ(saved.refusal->control, "dbeNomeProp");
    EXPECT_EQ(count("proprietario") + count("endereco"), 0);

    // A new owner: address, owner and web account, linked; a blank masked phone stored as none.
    saved = saveOwner(newTypedOwner("MARIA DA SILVA", kCpf1));
    ASSERT_FALSE(saved.refusal) << saved.refusal->message.toStdString();
    const int id = saved.ownerId;
    EXPECT_EQ(str(R"(
        select p.Nome || '/' || p.Tipo_Pessoa || '/' || coalesce(p.Telefone_Celular,
            'nenhum') || '/' || e.NOM_BAIR || '/' || p.Inserido_Por
        from proprietario p
        join endereco e on (e.Id_Endereco = p.Id_Endereco)
        where p.Id_Proprietario = :id
    )",
                  {{"id", id}}),
              "MARIA DA SILVA/" + kFisica + "/nenhum/CENTRO/1");
    EXPECT_EQ(str(R"(
        select u.Login || '/' || u.senha_crip
        from usuario u
        join proprietario p on (p.id_usu_web = u.Id_Usuario)
        where p.Id_Proprietario = :id
    )",
                  {{"id", id}}),
              kCpf1 + "/" + GeraHashSenha("abcdefghij"));
    // The same document again is refused.
    saved = saveOwner(newTypedOwner("ANA LIMA", kCpf1));
    ASSERT_TRUE(saved.refusal);
    EXPECT_EQ(saved.refusal->message, kDocumentoCadastrado);
    EXPECT_EQ(count("proprietario"), 1);
    EXPECT_EQ(count("usuario"), users + 1);

    // A change of owner, address and account, the digest kept while the password box is closed.
    TypedOwner change = storedOwner(id, kCpf1);
    change.owner["nome"] = change.checked.name = "MARIA DE SOUZA";
    change.address["des_cmpl_endr"] = "CASA 2";
    saved = saveOwner(change);
    ASSERT_FALSE(saved.refusal) << saved.refusal->message.toStdString();
    EXPECT_EQ(saved.ownerId, id);
    EXPECT_EQ(str(R"(
        select p.Nome || '/' || e.DES_CMPL_ENDR || '/' || u.Nome || '/' || u.senha_crip
        from proprietario p
        join endereco e on (e.Id_Endereco = p.Id_Endereco)
        join usuario u on (u.Id_Proprietario = p.Id_Proprietario)
        where p.Id_Proprietario = :id
    )",
                  {{"id", id}}),
              "MARIA DE SOUZA/CASA 2/MARIA DE SOUZA/" + GeraHashSenha("abcdefghij"));

    // The owner changed meanwhile by another workstation: the address written before it is taken back too.
    change = storedOwner(id, kCpf1);
    change.address["des_cmpl_endr"] = "CASA 3";
    change.owner["nome"] = change.checked.name = "MARIA DE SOUZA LIMA";
    {
        OtherWorkstation station;
        ASSERT_TRUE(station.exec("update proprietario set Num_CI = 'OUTRO' where Id_Proprietario = ?", {id}));
    }
    EXPECT_EQ(failure([&] { saveOwner(change); }), db::kRegistroAlterado);
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(str(R"(
        select p.Nome || '/' || e.DES_CMPL_ENDR
        from proprietario p
        join endereco e on (e.Id_Endereco = p.Id_Endereco)
        where p.Id_Proprietario = :id
    )",
                  {{"id", id}}),
              "MARIA DE SOUZA/CASA 2");

    // An owner the web system left without an address gets one made by the edit, stamped as made and modified.
    exec("update proprietario set Id_Endereco = null where Id_Proprietario = :id", {{"id", id}});
    change = storedOwner(id, kCpf1);
    saved = saveOwner(change);
    ASSERT_FALSE(saved.refusal) << saved.refusal->message.toStdString();
    EXPECT_EQ(str(R"(
        select e.Inserido_Por || '/' || e.Modificado_Por || '/'
            || case when e.Modificado_Em = e.Inserido_Em then 'same' else 'other' end
        from proprietario p
        join endereco e on (e.Id_Endereco = p.Id_Endereco)
        where p.Id_Proprietario = :id
    )",
                  {{"id", id}}),
              "1/1/same");
}

TEST_F(RegistryTest, SaveAnimalOnValuesRefusesInsertsForItsOwnerAndChangesInOneTransactionWithoutWidgets) {
    const int owner = saveOwner(newTypedOwner("MARIA DA SILVA", kCpf1)).ownerId;
    const int other = saveOwner(newTypedOwner("JOSE SOUZA", kCpf2)).ownerId;
    ASSERT_GT(other, owner);
    const int addresses = count("endereco");

    TypedAnimal unnamed = newAnimal(owner);
    unnamed.checked.name.clear();
    AnimalSaved saved = saveAnimal(unnamed);
    ASSERT_TRUE(saved.refusal);
    EXPECT_EQ(saved.refusal->message, kFaltaNomeAnimal);
    EXPECT_EQ(count("animal") + count("endereco_animal"), 0);
    EXPECT_EQ(count("endereco"), addresses);

    // A new animal of its owner with its address (without the coordinates copied), link, group and first owner.
    saved = saveAnimal(newAnimal(owner));
    ASSERT_FALSE(saved.refusal);
    const int rex = saved.animalId;
    EXPECT_EQ(str(R"(
        select a.Id_Proprietario || '/' || a.Id_faixa_peso_animal || '/' || g.Id_Grupo_Animal || '/'
            || h.Id_Anterior_Proprietario || '>' || h.Id_Proprietario || '/' || e.NOM_BAIR || '/'
            || coalesce(cast(e.End_X as text), 'sem X')
        from animal a
        join grupo_animal_animal g on (g.Id_Animal = a.Id_Animal)
        join histo_muda_proprietario h on (h.Id_Animal = a.Id_Animal)
        join endereco_animal l on (l.Id_Animal = a.Id_Animal)
        join endereco e on (e.Id_Endereco = l.Id_Endereco)
        where a.Id_Animal = :a
    )",
                  {{"a", rex}}),
              QString("%1/1/1/0>%1/CENTRO/sem X").arg(owner));
    EXPECT_EQ(db::toDateTime(scalar("select Data_Nascimento from animal where Id_Animal = :a", {{"a", rex}})).date(),
              QDate(2020, 2, 1));

    // A change of the animal and its address.
    TypedAnimal change = storedAnimal(owner, rex);
    change.animal["cor"] = "PRETO";
    change.address["des_cmpl_endr"] = "FUNDOS";
    ASSERT_FALSE(saveAnimal(change).refusal);
    EXPECT_EQ(str(R"(
        select a.Cor || '/' || e.DES_CMPL_ENDR || '/' || a.Modificado_por
        from animal a
        join endereco e on (e.Id_Endereco = :e)
        where a.Id_Animal = :a
    )",
                  {{"a", rex}, {"e", addresssql::currentAnimalAddress(rex)}}),
              "PRETO/FUNDOS/1");

    // The animal changed meanwhile by another workstation: its address written before it is taken back too.
    change = storedAnimal(owner, rex);
    change.animal["cor"] = "BRANCO";
    change.address["des_cmpl_endr"] = "FRENTE";
    {
        OtherWorkstation station;
        ASSERT_TRUE(station.exec("update animal set Sinais = 'OUTRO' where Id_Animal = ?", {rex}));
    }
    EXPECT_EQ(failure([&] { saveAnimal(change); }), db::kRegistroAlterado);
    EXPECT_FALSE(db::inTransaction());
    EXPECT_EQ(str(R"(
        select a.Cor || '/' || e.DES_CMPL_ENDR
        from animal a
        join endereco e on (e.Id_Endereco = :e)
        where a.Id_Animal = :a
    )",
                  {{"a", rex}, {"e", addresssql::currentAnimalAddress(rex)}}),
              "PRETO/FUNDOS");
    EXPECT_EQ(count("animal"), 1);
}
