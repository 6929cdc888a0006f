// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced search's list items and columns.

#include "registry/search/PesquisaAvancadoRules.h"

bool listItemId(const QString& item, int* id) {
    bool number = false;
    *id = item.section(QLatin1Char('-'), 0, 0).trimmed().toInt(&number);
    return number;
}

QString districtItem(int id, const QString& name) { return QString::number(id) + " - " + name.mid(4, 20); }

const QList<AdvancedGridColumn>& advancedGridColumns() {
    static const QList<AdvancedGridColumn> columns{
        {"stRegist", "Situação registro.", 85},
        {"nome_especie", "Especie", 108},
        {"nome_raca", "Raça", 92},
        {"nome_animal", "Animal", 102},
        {"Id_Proprietario", "Cód. prop."},
        {"nome_Prop", "Proprietário", 147},
        {"desc_pelo", "Pelo", 109},
        {"Sexo", "Sexo"},
        {"Data_Nascimento", "Dt. nasc.", 68, true},
        {"Esterilizado", "Esterilizado"},
        {"desc_porte", "Porte", 87},
        {"Num_Microchip", "Microchip", 112},
        {"Cor", "Cor", 128},
        {"Sinais", "Sinais", 200},
        {"Num_Pedigree", "Pedigree", 150},
        {"Obs_animal", "Obs animal", 234},
        {"Ind_End_Animal_Prop", "End. mesmo prop.", 92},
        {"Telefone_Residencial", "Tel. residencial"},
        {"Telefone_Celular", "Tel. celular"},
        {"Telefone_Recado", "Tel. recado"},
        {"Tipo_Pessoa", "Tipo pessoa"},
        {"Num_CPF_CNPJ", "CPF / CNPJ"},
        {"Num_CI", "Identidade"},
        {"Dt_Entrada_Grupo", "Dt. entrada grupo"},
        {"COD_AREA_ABRN", "Área"},
        {"nom_locl", "Localidade", 183},
        {"nome_distrito", "Distrito de origem", 172},
        {"NUM_LOGR", "Núm. lograd."},
        {"TIP_LOGR", "Tipo lograd."},
        {"NOM_LOGR", "Logradouro", 231},
        {"NUM_IMOV_LOGR", "Núm. Imóvel"},
        {"DES_CMPL_ENDR", "Complemento", 230},
        {"NOM_BAIR", "Bairro", 184},
        {"NUM_CEP", "CEP"},
    };
    return columns;
}
