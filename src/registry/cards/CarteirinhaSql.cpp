// The card selection's statement.

#include "registry/cards/CarteirinhaSql.h"

#include "platform/db/Database.h"

namespace CarteirinhaSql {

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
        q.andWhere(db::foldedPrefix(QStringLiteral("a.nome"), QStringLiteral("nome"), name));
    }
    data.open();
}

}  // namespace CarteirinhaSql
