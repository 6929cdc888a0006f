// SPDX-License-Identifier: GPL-3.0-or-later
// The surgery authorisation's statements.
#include "scheduling/booking/AutorizaCirurgiaSql.h"

#include "platform/db/Query.h"

namespace autorizacirurgiasql {

QList<CirurgiaRow> rows(const QVariant& ownerId, const QVariant& animalId, const QVariant& attendanceId) {
    db::Query q;
    q << " select a.Id_Atendimento, a.Id_Proprietario, a.Id_Animal, a.Id_Unidade_Trabalho, "
      << " a.Id_Unidade_Agendada, a.Data_Hora_Atendimento, a.Id_Atendimento_Status, "
      << " a.Inserido_Por, a.Ind_Autoriza_Cirurgia, b.nome as nomeProprietario, "
      << " c.nome as nomeAnimal, d.nome as nomeUnidade_Trabalho, e.nome as nomeUnidade_agendada, "
      << " c.Id_Especie, i.nome as nomeEspecie, c.Id_Raca, j.nome as nomeRaca, c.Id_Grupo_Animal, "
      << " h.nome as nomeGrupo_animal, c.Sexo, "
      << " c.Data_Nascimento, c.Esterilizado, c.Id_Porte, c.id_pelo, l.descricao as nomePorte, "
         "p.descricao as nomePelo, c.Num_Microchip, "
      << " c.Cor, c.Sinais, c.Num_Pedigree, b.Telefone_Residencial, b.Telefone_Celular, b.Telefone_Recado, "
      << " b.Num_CPF_CNPJ, b.Num_CI, b.id_endereco,m.TIP_LOGR, m.NOM_LOGR, "
      << " m.NUM_IMOV_LOGR, m.DES_CMPL_ENDR, m.NOM_BAIR, m.NUM_CEP "
      << " from atendimento a "
      << " inner join proprietario b on (a.Id_Proprietario = b.Id_Proprietario) "
      << " inner join animal c on (a.Id_Animal = c.Id_Animal) "
      << " left join unidade_trabalho d on (a.Id_Unidade_Trabalho = d.Id_Unidade_Trabalho) "
      << " left join unidade_trabalho e on (a.Id_Unidade_Agendada = e.Id_Unidade_Trabalho) "
      << " left join grupo_animal h on (c.id_grupo_animal = h.id_grupo_animal) "
      << " left join especie i on (c.id_especie = i.id_especie) "
      << " left join raca j on (c.id_raca = j.id_raca) "
      << " left join porte l on (c.id_porte = l.id_porte) "
      << " left join pelo p on (c.id_pelo = p.id_pelo) "
      << " left join endereco m on (b.id_endereco = m.id_endereco) "
      << " where fold(trim(b.status_registro)) = 'ativo' "
      << " and a.Id_Proprietario = :owner "
      << " and a.Id_Animal = :animal "
      << " and a.Id_atendimento = :id ";
    q.bind("owner", ownerId).bind("animal", animalId).bind("id", attendanceId);
    q.open();
    QList<CirurgiaRow> out;
    for (q.first(); !q.eof(); q.next()) {
        CirurgiaRow r;
        r.attendanceId = q.value("Id_Atendimento");
        r.ownerId = q.value("Id_Proprietario");
        r.animalId = q.value("Id_Animal");
        r.attendanceAt = q.dateTime("Data_Hora_Atendimento");
        r.ownerName = q.str("nomeProprietario");
        r.cpfCnpj = q.str("Num_CPF_CNPJ");
        r.ci = q.str("Num_CI");
        r.phoneHome = q.str("Telefone_Residencial");
        r.phoneMobile = q.str("Telefone_Celular");
        r.phoneMessage = q.str("Telefone_Recado");
        r.streetType = q.str("TIP_LOGR");
        r.street = q.str("NOM_LOGR");
        r.number = q.str("NUM_IMOV_LOGR");
        r.complement = q.str("DES_CMPL_ENDR");
        r.district = q.str("NOM_BAIR");
        r.cep = q.str("NUM_CEP");
        r.animalName = q.str("nomeAnimal");
        r.group = q.str("nomeGrupo_animal");
        r.breed = q.str("nomeRaca");
        r.species = q.str("nomeEspecie");
        r.sex = q.str("Sexo");
        r.size = q.str("nomePorte");
        r.coat = q.str("nomePelo");
        r.marks = q.str("Sinais");
        r.colour = q.str("Cor");
        r.birth = q.dateTime("Data_Nascimento").date();
        out << r;
    }
    return out;
}

QList<QPair<QString, QString>> procedures(const QVariant& attendanceId) {
    db::Query q;
    q << " select b.nome, b.descricao from procedimento a  "
      << " inner join tipo_procedimento b on (a.id_tipo_procedimento = b.id_tipo_procedimento) "
      << " where id_atendimento = :id order by a.id_procedimento";
    q.bind("id", attendanceId);
    q.open();
    QList<QPair<QString, QString>> out;
    for (q.first(); !q.eof(); q.next())
        out.append({q.str("nome"), q.str("descricao")});
    return out;
}

}  // namespace autorizacirurgiasql
