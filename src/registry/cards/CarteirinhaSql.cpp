// SPDX-License-Identifier: GPL-3.0-or-later
// The card selection's and the card's statements.

#include "registry/cards/CarteirinhaSql.h"

#include "platform/db/Search.h"

namespace carteirinhasql {

void openOwners(db::DataSet& data, std::optional<int> code, const QString& name) {
    db::Query& q = data.query();
    q.clear();
    q << " select a.Id_Proprietario, a.Nome as Nome_Prop, a.Num_CPF_CNPJ, Num_CI, "
      << " b.Id_Animal, b.Nome as Nome_animal, c.Id_Endereco, c.TIP_LOGR, c.NOM_LOGR, "
      << " c.NUM_IMOV_LOGR, c.DES_CMPL_ENDR, c.NOM_BAIR, c.NUM_CEP "
      << " from proprietario a "
      << " left join animal b on (a.id_proprietario = b.id_proprietario) "
      << " left join endereco c on (a.id_endereco = c.id_endereco) "
      << " where 1=1 ";
    if (code) {
        q << " and a.id_proprietario = :codigo ";
        q.bind(QStringLiteral("codigo"), *code);
    } else {
        q.andWhere(db::foldedPattern(QStringLiteral("a.nome"), QStringLiteral("nome"), name, false));
    }
    data.open();
}

void prepareCard(db::Query& query, int animalId) {
    query.clear();
    query << " SELECT a.id_Proprietario, b.nome as nomeProprietario, a.id_Animal, a.nome as nomeAnimal, a.id_Especie , "
          << " c.nome as nomeEspecie , a.id_Raca, d.nome as nomeRaca , a.Sexo, a.Data_Nascimento, "
          << " a.Num_Microchip, a.Cor ,f.descricao as nomePelo, a.Esterilizado, a.id_grupo_animal, e.nome as "
             "NomeGrupoAnimal, "
          << " a.id_pelo, b.Telefone_Residencial, b.Telefone_Celular, b.Telefone_Recado, "
          << " g.Id_Endereco, g.Id_Distrito, g.TIP_LOGR, g.NOM_LOGR, g.NUM_IMOV_LOGR, g.DES_CMPL_ENDR,g.NOM_BAIR,"
             "b.num_cpf_cnpj, b.Num_ci "
          << " FROM Animal a "
          << " left join Proprietario b on(a.id_Proprietario = b.id_Proprietario) "
          << " left join especie c on(a.id_especie = c.id_especie) "
          << " left join raca d on(a.id_raca = d.id_raca) "
          << " left join grupo_animal e on(a.id_grupo_animal = e.id_grupo_animal) "
          << " left join pelo f on(a.id_pelo = f.id_Pelo) "
          << " left join endereco g on(b.id_endereco = g.id_endereco) "
          << " where a.id_animal = :animal ";
    query.bind(QStringLiteral("animal"), animalId);
}

}  // namespace carteirinhasql
